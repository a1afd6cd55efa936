#include "ImageCommands.h"

#include "Paths.h"
#include "TTextEditControl.h"
#include "TagInsertion.h"
#include "TfHTML.h"
#include "TfImageBrowser.h"
#include "TfrmFileTools.h"
#include "TmdiMain.h"

namespace {

// The window shows the file, however the file tools' list names it.
bool shows(const TfHTML* doc, const std::string& path) {
    return !doc->isUntitled() && paths::sameDocument(doc->filePath(), path);
}

void bringUp(QWidget* w) {
    w->show();
    w->raise();
    w->activateWindow();
}

}  // namespace

void installImageCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    auto* browser = new TfImageBrowser(m);
    browser->setInserter([m](const QString& start, const QString& end) {
        if (m->activeDocument()) InsertTag(*m, start, end);
    });
    main.setHandler("Pick2Click", [browser] { bringUp(browser); });

    auto* tools = new TfrmFileTools(m);
    tools->setStatusSink([m](const QString& text) { m->SetStatusText(text); });
    tools->setOpenModifiedCheck([m](const std::string& path) {
        for (const TfHTML* doc : m->findChildren<TfHTML*>())
            if (shows(doc, path) && doc->txtHTML()->Modified()) return true;
        return false;
    });
    // A window showing a replaced file shows the new text (it had no unsaved
    // changes, or the file was refused). Loading notes the file's new state,
    // so the window's own watch on the file finds nothing more to do.
    tools->setReloadSink([m](const std::string& path) {
        bool reloaded = false;
        for (TfHTML* doc : m->findChildren<TfHTML*>())
            if (shows(doc, path) && !doc->txtHTML()->Modified())
                reloaded = doc->loadFrom(doc->filePath()) || reloaded;
        return reloaded;
    });
    main.setHandler("FileTools1Click", [tools] { bringUp(tools); });
}
