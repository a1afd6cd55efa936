#include "OptionsCommands.h"

#include <QAction>
#include <QLabel>

#include "ModalRunner.h"
#include "OptionsRules.h"
#include "Paths.h"
#include "SyntaxCommands.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TagCommands.h"
#include "TfColor.h"
#include "TfHTML.h"
#include "TfOptions.h"
#include "TmdiMain.h"

namespace {

// What the options dialog changed that is shown now rather than read at the
// next use: the user name in its panel and the line numbers of every document.
void showSavedOptions(TmdiMain& main) {
    const options::ApplicationOptions o = options::readOptions(main.IniControl(), paths::homeDir().string());
    main.setUserName(QString::fromStdString(o.userName));
    // Shown now even with no document open (ShowStatus then keeps the panels).
    if (QLabel* panel = main.panel("pnlApp")) panel->setText(main.userName());
    for (QAction* a : main.actionsFor("LineNumbers1Click")) a->setChecked(o.lineNumbers);
    for (TfHTML* doc : htmlDocuments(main)) doc->txtHTML()->setShowLineNumbers(o.lineNumbers);
    main.ShowStatus();
    main.SetStatusText(QStringLiteral("Ready ..."));
}

void applyLook(TTextEditControl& c, const EditorLook& look) {
    c.setColor(look.background);
    // A face the control refuses (not fixed pitch) leaves the font's face as it was.
    const QString face = TFixedFontSet::fixedPitchName(look.font.family());
    if (!face.isEmpty()) c.FixedFont().setName(face);
    c.FixedFont().setColor(look.fontColor);
    if (look.font.pointSize() > 0) c.FixedFont().setSize(look.font.pointSize());
}

}  // namespace

void installOptionsCommands(TmdiMain& main) {
    TmdiMain* w = &main;

    auto* options = new TfOptions(main.IniControl(), paths::homeDir().string(), w);
    options->onStatus = [w](const QString& text) { w->SetStatusText(text); };
    options->onSaved = [w] { showSavedOptions(*w); };
    main.setHandler("ApplicationOptions1Click", [options] { runModal(*options); });

    auto* colors = new TfColor(w);
    colors->activeLook = [w]() -> std::optional<EditorLook> {
        TTextEditControl* c = activeEditControl(*w);
        if (!c) return std::nullopt;
        return EditorLook{c->Color(), c->FixedFont().font(), c->FixedFont().color()};
    };
    colors->applyToActive = [w](const EditorLook& look) {
        if (TTextEditControl* c = activeEditControl(*w)) applyLook(*c, look);
    };
    colors->storedSyntax = [w] { return storedSyntaxStyles(w->IniControl()); };
    colors->builtInSyntax = builtInSyntaxStyles;
    colors->storeSyntax = [w](const SyntaxStyles& s) { storeSyntaxStyles(*w, s); };
    main.setHandler("SetEditorProperties1Click", [colors] { runModal(*colors); });
}
