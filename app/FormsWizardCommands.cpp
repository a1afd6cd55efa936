#include "FormsWizardCommands.h"

#include "EditPositions.h"
#include "TTextEditControl.h"
#include "TagCommands.h"
#include "TagInsertion.h"
#include "TfFormWiz.h"
#include "TmdiMain.h"

bool sendFormElement(TmdiMain& main, const formsgen::Element& element) {
    TTextEditControl* control = activeEditControl(main);
    if (!control) return false;
    const auto q = [](const std::string& s) { return QString::fromStdString(s); };
    if (element.send == formsgen::Send::Pair) {
        InsertTag(main, control, q(element.start), q(element.end));
        return true;
    }
    if (control->HasSelection()) editpos::setCaret(*control, editpos::selectionEnd(*control));
    if (element.send == formsgen::Send::Split) InsertTag(main, control, q(element.start), QString());
    control->InsertText(std::string_view(element.body));
    control->setModified(true);
    if (element.send == formsgen::Send::Split) InsertTag(main, control, QString(), q(element.end));
    return true;
}

TfFormWiz* installFormsWizardCommands(TmdiMain& main) {
    TmdiMain* w = &main;
    auto* wizard = new TfFormWiz(main.IniControl(), w);
    wizard->setDocumentSink([w](const formsgen::Element& e) { return sendFormElement(*w, e); });
    wizard->setStatusSink([w](const QString& text) { w->SetStatusText(text); });
    w->setHandler("FormsWizard1Click", [wizard] {
        wizard->show();
        wizard->raise();
        wizard->activateWindow();
    });
    return wizard;
}
