// The options dialogs on a wired main window: what the application options
// dialog shows and writes, the tips box that writes even when cancelled, the
// editing colours dialog on real documents and quilopt.ini, and the default
// font dialog's Reset and lists.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>
#include <functional>

#include "ColorGrid.h"
#include "ColorNumber.h"
#include "DocumentFixture.h"
#include "HtmlColorizer.h"
#include "TBag.h"
#include "TFontForm.h"
#include "TTextEditControl.h"
#include "TfColor.h"
#include "TfHTML.h"
#include "TfOptions.h"

namespace {

template <typename W>
W* child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void click(QWidget& dialog, const char* button) { child<QPushButton>(dialog, button)->click(); }

// A grid cell pressed with a mouse button, as the user picks a colour.
void pressCell(ColorGrid& grid, int cell, Qt::MouseButton button) {
    QTest::mouseClick(&grid, button, Qt::NoModifier, grid.cellRect(cell).center());
}

std::string bagItem(const char* section, const char* name) {
    TBag bag("quilopt.ini", section);
    bag.Load();
    return bag.GetItem(name);
}

class OptionsDialogsTest : public DocumentTest {
protected:
    // Runs a menu command whose dialog is then shown and handed to act, as
    // the user would work it; a dialog act leaves open is cancelled.
    template <typename D>
    void runDialog(TmdiMain& w, const char* handler, const std::function<void(D&)>& act) {
        bool ran = false;
        setModalRunner([&](QDialog& d) {
            d.show();
            auto* dialog = dynamic_cast<D*>(&d);
            EXPECT_NE(dialog, nullptr) << d.windowTitle().toStdString();
            if (dialog) act(*dialog);
            ran = true;
            if (d.isVisible()) d.reject();
            return d.result();
        });
        w.runCommand(handler);
        EXPECT_TRUE(ran) << handler << " showed no dialog";
    }
};

}  // namespace

TEST_F(OptionsDialogsTest, StoredCaseXShowsTheThirdChoiceAndSaveWritesWAndTheUserDetails) {
    writeIni("[System]\r\nOpen Template=0\r\n[Start Options]\r\nTips=0\r\n[Tags]\r\nCase=X\r\n");
    auto w = startWired({}, true);
    runDialog<TfOptions>(*w, "ApplicationOptions1Click", [&](TfOptions& d) {
        EXPECT_EQ(w->statusText().trimmed(), "Loading Application Options ...");
        EXPECT_TRUE(child<QRadioButton>(d, "optDecide")->isChecked());
        EXPECT_FALSE(child<QRadioButton>(d, "optLower")->isChecked());
        child<QLineEdit>(d, "txtUserName")->setText("Ada Lovelace");
        child<QSpinBox>(d, "spnTabWidth")->setValue(3);
        click(d, "OKBtn");
    });
    EXPECT_EQ(iniValue("Tags", "Case"), "W");
    EXPECT_EQ(iniValue("Application Header", "User Name"), "Ada Lovelace");
    EXPECT_EQ(iniValue("Editor", "Tab Size"), "3");
    EXPECT_EQ(w->panel("pnlApp")->text(), "Ada Lovelace");
    EXPECT_EQ(w->statusText().trimmed(), "Ready ...");
}

TEST_F(OptionsDialogsTest, TheTipsBoxWritesAtOnceEvenWhenTheDialogIsCancelled) {
    auto w = startWired();
    runDialog<TfOptions>(*w, "ApplicationOptions1Click", [&](TfOptions& d) {
        EXPECT_FALSE(child<QCheckBox>(d, "chkTips")->isChecked());
        child<QCheckBox>(d, "chkTips")->click();
        child<QLineEdit>(d, "txtUserName")->setText("Not Saved");
        click(d, "CancelBtn");
    });
    EXPECT_EQ(iniValue("Start Options", "Tips"), "1");
    EXPECT_EQ(iniValue("Application Header", "User Name"), "<none>");
}

TEST_F(OptionsDialogsTest, LineNumbersSavedInTheDialogShowInOpenDocumentsAndTheViewMenu) {
    auto w = startWired();
    w->runCommand("FileNew");
    TfHTML* doc = activeHtmlDocument(*w);
    ASSERT_NE(doc, nullptr);
    runDialog<TfOptions>(*w, "ApplicationOptions1Click", [&](TfOptions& d) {
        child<QCheckBox>(d, "chkLineNumbers")->setChecked(true);
        click(d, "OKBtn");
    });
    EXPECT_TRUE(doc->txtHTML()->ShowLineNumbers());
    EXPECT_TRUE(w->menuAction("LineNumbers1Click")->isChecked());
}

TEST_F(OptionsDialogsTest, ApplyGivesOnlyTheActiveDocumentTheGridColoursAndStoresNothing) {
    auto w = startWired();
    w->runCommand("FileNew");
    TfHTML* other = activeHtmlDocument(*w);
    w->runCommand("FileNew");
    TfHTML* active = activeHtmlDocument(*w);
    ASSERT_NE(other, active);
    runDialog<TfColor>(*w, "SetEditorProperties1Click", [&](TfColor& d) {
        ColorGrid* grid = child<ColorGrid>(d, "ColorGrid");
        EXPECT_EQ(grid->backgroundIndex(), 15) << "white, as the document is";
        pressCell(*grid, 4, Qt::RightButton);  // navy background
        pressCell(*grid, 11, Qt::LeftButton);  // yellow text
        EXPECT_EQ(d.sample().background, QColor(0, 0, 128));
        EXPECT_EQ(d.sample().fontColor, QColor(255, 255, 0));
        click(d, "OKBtn");
    });
    EXPECT_EQ(active->txtHTML()->Color(), QColor(0, 0, 128));
    EXPECT_EQ(active->txtHTML()->FixedFont().color(), QColor(255, 255, 0));
    EXPECT_EQ(other->txtHTML()->Color(), QColor(Qt::white));
    EXPECT_EQ(bagItem("Edit Window", "Edit_Color"), "");
    EXPECT_EQ(bagItem("Editor Colors", "Edit_Color"), "");
    EXPECT_NE(bagItem("Editor Colors", "FORM_PLACE"), "") << "closing keeps the placement";
}

TEST_F(OptionsDialogsTest, DefaultWritesTheSameItemsToBothSectionsAndAppliesTheChosenFont) {
    auto w = startWired();
    w->runCommand("FileNew");
    TfHTML* doc = activeHtmlDocument(*w);
    ASSERT_NE(doc, nullptr);
    const QString face = doc->txtHTML()->FixedFont().name();
    prompter->answerFont(QFont(face, 14), colorNumber(QColor(128, 0, 0)));
    runDialog<TfColor>(*w, "SetEditorProperties1Click", [&](TfColor& d) {
        pressCell(*child<ColorGrid>(d, "ColorGrid"), 7, Qt::RightButton);  // silver
        click(d, "cmdFont");
        click(d, "cmdDefault");
    });
    ASSERT_EQ(prompter->shown().size(), 1);
    EXPECT_EQ(prompter->shown()[0].kind, ScriptedPrompter::Kind::Font);
    EXPECT_EQ(doc->txtHTML()->FixedFont().size(), 14);
    EXPECT_EQ(doc->txtHTML()->FixedFont().color(), QColor(128, 0, 0));
    EXPECT_EQ(doc->txtHTML()->Color(), QColor(192, 192, 192));
    EXPECT_EQ(bagItem("Edit Window", "Edit_Color"), std::to_string(0xC0C0C0));
    EXPECT_EQ(bagItem("Edit Window", "Edit_Color"), bagItem("Editor Colors", "Edit_Color"));
    EXPECT_NE(bagItem("Edit Window", "Edit_Font").find("<14>"), std::string::npos)
        << bagItem("Edit Window", "Edit_Font");
    EXPECT_EQ(bagItem("Edit Window", "Edit_Font"), bagItem("Editor Colors", "Edit_Font"));
}

TEST_F(OptionsDialogsTest, ApplyAndDefaultWithoutADocumentCloseAndStoreNothing) {
    auto w = startWired();
    for (const char* button : {"OKBtn", "cmdDefault"}) {
        runDialog<TfColor>(*w, "SetEditorProperties1Click", [&](TfColor& d) {
            pressCell(*child<ColorGrid>(d, "ColorGrid"), 0, Qt::RightButton);
            click(d, button);
            EXPECT_FALSE(d.isVisible()) << button;
        });
        EXPECT_EQ(bagItem("Edit Window", "Edit_Color"), "") << button;
        EXPECT_EQ(bagItem("Editor Colors", "Edit_Color"), "") << button;
    }
}

TEST(DefaultFontDialog, ResetListsAndLimits) {
    TFontForm form;
    options::FontFormValues given;
    given.fontName = "No Such Font Anywhere";
    given.fontSize = 30;
    given.fontColor = 0x000080;  // maroon
    given.background = 0x123456; // in no list
    form.setValues(given);
    form.show();
    EXPECT_EQ(form.values().fontName, "System");
    EXPECT_EQ(form.values().fontSize, 24);
    EXPECT_EQ(form.backgroundList()->currentText(), "$00123456");
    EXPECT_EQ(form.fontColorGrid()->foregroundIndex(), 1);

    form.sizeBox()->setValue(8);
    pressCell(*form.linkColorGrid(), 9, Qt::LeftButton);  // red
    form.backgroundList()->setCurrentText("clWindow");
    EXPECT_EQ(form.values().fontSize, 8);
    EXPECT_EQ(form.values().linkColor, 0x0000FF);
    EXPECT_EQ(form.values().background, options::kSystemColors[1].value);
    EXPECT_TRUE(form.sampleView()->toPlainText().contains("First HotSpot Item"));

    click(form, "ResetBtn");
    EXPECT_EQ(form.values().fontSize, 24);
    EXPECT_EQ(form.values().linkColor, given.linkColor);
    EXPECT_EQ(form.values().background, 0x123456);
    EXPECT_EQ(form.sizeBox()->value(), 24);
    EXPECT_EQ(form.backgroundList()->currentText(), "$00123456");
}

// The syntax colours of the editing colours dialog: a scheme, and a kind's
// colour and face, stored by "Apply" and drawn at once in every open
// document; "Cancel" stores and changes nothing.
TEST_F(OptionsDialogsTest, SyntaxColoursAreStoredAndDrawnInEveryDocument) {
    auto w = startWired();
    w->runCommand("FileNew");
    TTextEditControl* other = activeHtmlDocument(*w)->txtHTML();
    other->InsertText(QStringLiteral("<table>"));
    w->runCommand("FileNew");
    TTextEditControl* active = activeHtmlDocument(*w)->txtHTML();
    const std::size_t tagName = static_cast<std::size_t>(qm::html::Kind::TagName);
    auto redPixels = [&] {
        const QImage img = other->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* px = reinterpret_cast<const QRgb*>(img.constBits());
        return std::count(px, px + img.sizeInBytes() / 4, qRgb(255, 0, 0));
    };
    for (const char* button : {"CancelBtn", "OKBtn"}) {
        prompter->answerColor(colorNumber(Qt::red));
        runDialog<TfColor>(*w, "SetEditorProperties1Click", [&](TfColor& d) {
            EXPECT_TRUE(child<QRadioButton>(d, "rbLight")->isChecked()) << button;
            child<QRadioButton>(d, "rbDark")->click();
            EXPECT_EQ(d.sample().background, SyntaxScheme::dark().background);
            QListWidget* kinds = d.syntaxList();
            kinds->setCurrentItem(kinds->findItems(QStringLiteral("Tag Name"), Qt::MatchExactly).value(0));
            click(d, "cmdSyntaxColor");
            child<QCheckBox>(d, "chkItalic")->click();
            EXPECT_EQ(kinds->currentItem()->foreground().color(), QColor(Qt::red));
            click(d, button);
        });
        if (std::string(button) == "CancelBtn") {
            EXPECT_EQ(iniValue("Syntax Colours", "Scheme"), "<none>");
            EXPECT_EQ(redPixels(), 0);
        }
    }
    EXPECT_EQ(iniValue("Syntax Colours", "Scheme"), "Dark");
    EXPECT_EQ(iniValue("Syntax Colours", "Tag Name"), "#ff0000 bold italic");
    const SyntaxStyle& shown = other->htmlColorizer().scheme().styles[tagName];
    EXPECT_EQ(shown.color, QColor(Qt::red));
    EXPECT_TRUE(shown.bold && shown.italic);
    EXPECT_EQ(other->Color(), SyntaxScheme::dark().background);
    EXPECT_EQ(active->Color(), SyntaxScheme::dark().background);
    EXPECT_GT(redPixels(), 10) << "the tag name drawn in the new colour";
}
