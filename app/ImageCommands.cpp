#include "ImageCommands.h"

#include "TTextEditControl.h"
#include "TagInsertion.h"
#include "TfHTML.h"
#include "TfImageBrowser.h"
#include "TfrmFileTools.h"
#include "TmdiMain.h"

namespace {

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
            if (!doc->isUntitled() && doc->filePath() == path && doc->txtHTML()->Modified()) return true;
        return false;
    });
    main.setHandler("FileTools1Click", [tools] { bringUp(tools); });
}
