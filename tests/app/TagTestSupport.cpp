#include "TagTestSupport.h"

#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "TMegaRegistry.h"
#include "TagCommands.h"
#include "TagInsertion.h"
#include "TestSupport.h"

void TagCommandTest::SetUp() {
    qmtest::clearXdgFolders();
    prompter = std::make_unique<ScriptedPrompter>();
    previousRunner_ = setModalRunner([this](QDialog& d) {
        modalTitles << d.windowTitle();
        return int(QDialog::Accepted);
    });
    main = std::make_unique<TmdiMain>();
    installTagCommands(*main);
    setLastTagPair({}, {});
}

void TagCommandTest::TearDown() {
    // Unmodified documents close without a save question.
    for (QMdiSubWindow* sub : main->mdiArea()->subWindowList()) {
        if (auto* doc = qobject_cast<TfHTML*>(sub->widget())) doc->txtHTML()->setModified(false);
    }
    main->mdiArea()->closeAllSubWindows();
    main.reset();
    prompter.reset();
    setModalRunner(std::move(previousRunner_));
}

TTextEditControl& TagCommandTest::newDocument(const std::string& text) {
    TfHTML* doc = TfHTML::create(*main);
    main->mdiArea()->setActiveSubWindow(doc->subWindow());
    TTextEditControl& c = *doc->txtHTML();
    c.InsertText(std::string_view(text));
    c.SetCaret(1, 1);
    c.setModified(false);
    return c;
}

std::string TagCommandTest::textOf(const TTextEditControl& c) {
    std::string out;
    for (int p = 1; p <= c.ParagraphCount(); ++p) {
        if (p > 1) out += '\n';
        out += c.GetParagraphText(p);
    }
    return out;
}

std::string TagCommandTest::selected(const TTextEditControl& c) { return c.editor().selectedText(); }

void TagCommandTest::wrapAt(TTextEditControl& c, int column) {
    c.setWrapToWindow(false);
    c.setWrapColumn(column);
    c.setWordWrap(true);
}

void TagCommandTest::setSetting(const char* section, const char* key, const char* value) {
    main->IniControl().WriteString(section, key, value);
}

QString TagCommandTest::status() const { return main->statusText().trimmed(); }
QString TagCommandTest::tagPanel() const { return main->panel("pnlTag")->text(); }
