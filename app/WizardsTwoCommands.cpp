#include "WizardsTwoCommands.h"

#include <QAction>
#include <QFileInfo>

#include "Navigation.h"
#include "Prompter.h"
#include "QtEditClipboard.h"
#include "StartupRules.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TagCommands.h"
#include "TagInsertion.h"
#include "TfHTML.h"
#include "TfImageMapWiz.h"
#include "TfWizBody.h"
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

// The image map goes in at the caret (over a selection) as written: the
// tag case applies to its names only, never to the links it holds.
void insertImageMap(TmdiMain& main, const std::string& html) {
    TTextEditControl* control = activeEditControl(main);
    if (!control) {
        QtEditClipboard().setBytes(html);
        Prompter::current().message(QString::fromUtf8(startup::kAppTitle),
                                    QStringLiteral("No current document : Image map copied to Clipboard instead"));
        return;
    }
    control->InsertText(std::string_view(html));
    control->setModified(true);
    control->setFocus();
}

}  // namespace

void insertBodyTag(TmdiMain& main, const QString& tag) {
    TTextEditControl* control = activeEditControl(main);
    if (!control) return;
    if (FindTagPair(main, control, QStringLiteral("<BODY"), QStringLiteral(">"), true) &&
        Prompter::current().confirm(QString::fromUtf8(startup::kAppTitle),
                                    QStringLiteral("Replace existing Body Definition ?"), Prompter::Yes | Prompter::No,
                                    Prompter::Yes, Prompter::Icon::Information) == Prompter::Yes)
        control->DeleteSelection();
    // Answered No: the old tag is still selected and the new one goes in front of it.
    InsertTag(main, control, tag, QString());
}

void installWizardsTwoCommands(TmdiMain& main) {
    TmdiMain* w = &main;
    const auto insert = [w](const QString& start, const QString& end) { InsertTag(*w, start, end); };

    auto* java = new TfrmJavaWiz(w);
    java->setTagSink(insert);
    showOnCommand(main, "JavaWizard1Click", java);

    auto* url = new TfrmURLWizard(w);
    url->setTagSink(insert);
    showOnCommand(main, "URLWizardShow", url);

    auto* body = new TfWizBody(w);
    body->setBodySink([w](const QString& tag) { insertBodyTag(*w, tag); });
    showOnCommand(main, "BodyWizard1Click", body);

    auto* extensions = new TfrmIE(w);
    extensions->setTagSink(insert);
    showOnCommand(main, "InternetExplorerExtensions1Click", extensions);

    auto* imageMap = new TfImageMapWiz(w);
    imageMap->setHtmlSink([w](const std::string& html) { insertImageMap(*w, html); });
    imageMap->setDocumentFolder([w] {
        const TfHTML* doc = activeHtmlDocument(*w);
        return doc && !doc->isUntitled() ? QFileInfo(QString::fromStdString(doc->filePath())).absolutePath() : QString();
    });
    imageMap->setLowerCase([w] { return w->IniControl().ReadString("Tags", "Case", "W") == "L"; });
    showOnCommand(main, "ClientSideImageMapWizard1Click", imageMap);

    // Extensions of browsers long gone: kept in the table, never offered.
    for (const char* handler : {"NetscapeExtensions1Click", "HTML3Extensions1Click"})
        for (QAction* a : main.actionsFor(handler)) a->setVisible(false);
}
