#include "TableWizardCommands.h"

#include "Prompter.h"
#include "QtEditClipboard.h"
#include "StartupRules.h"
#include "TTextEditControl.h"
#include "TagCommands.h"
#include "TfTableWiz.h"
#include "TmdiMain.h"

void installTableWizardCommands(TmdiMain& main) {
    TmdiMain* w = &main;
    auto* wizard = new TfTableWiz(w);
    wizard->setTableHandler([w](const std::string& html) { pasteTable(*w, html); });
    w->setHandler("TableWizard1Click", [wizard] {
        wizard->show();
        wizard->raise();
        wizard->activateWindow();
    });
}

void pasteTable(TmdiMain& main, const std::string& html) {
    QtEditClipboard().setBytes(html);
    TTextEditControl* control = activeEditControl(main);
    if (!control) {
        Prompter::current().message(QString::fromUtf8(startup::kAppTitle),
                                    QStringLiteral("No current document : Table definition copied to Clipboard instead"));
        return;
    }
    control->PasteFromClipboard();
    control->setFocus();
}
