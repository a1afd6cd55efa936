#include "WizardsTwoCommands.h"

#include <QAction>

#include "TagInsertion.h"
#include "TfrmIE.h"
#include "TfrmJavaWiz.h"
#include "TfrmURLWizard.h"
#include "TmdiMain.h"

namespace {

void showOnCommand(TmdiMain& main, const char* handler, QWidget* window) {
    main.setHandler(handler, [window] {
        window->show();
        window->raise();
        window->activateWindow();
    });
}

}  // namespace

void installWizardsTwoCommands(TmdiMain& main) {
    TmdiMain* w = &main;
    const auto insert = [w](const QString& start, const QString& end) { InsertTag(*w, start, end); };

    auto* java = new TfrmJavaWiz(w);
    java->setTagSink(insert);
    showOnCommand(main, "JavaWizard1Click", java);

    auto* url = new TfrmURLWizard(w);
    url->setTagSink(insert);
    showOnCommand(main, "URLWizardShow", url);

    auto* extensions = new TfrmIE(w);
    extensions->setTagSink(insert);
    showOnCommand(main, "InternetExplorerExtensions1Click", extensions);

    // Extensions of browsers long gone: kept in the table, never offered.
    for (const char* handler : {"NetscapeExtensions1Click", "HTML3Extensions1Click"})
        for (QAction* a : main.actionsFor(handler)) a->setVisible(false);
}
