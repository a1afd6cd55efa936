// The macro windows and the expansion command on a wired main window: what
// the document holds afterwards, the messages, user.mcr on disk.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "DocumentFixture.h"
#include "EditPositions.h"
#include "Paths.h"
#include "PickListSupport.h"
#include "TTextEditControl.h"
#include "TagInsertion.h"
#include "TfAddMac.h"
#include "TfHTML.h"
#include "TfMacros.h"

namespace {

class MacroWindowsTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        main = startWired();
    }
    void TearDown() override {
        main.reset();
        std::filesystem::remove(paths::dataFile("user.mcr"));
        std::filesystem::remove(paths::dataFile("system.mcr"));
        DocumentTest::TearDown();
    }
    TfHTML* document(const std::string& text) { return picktest::documentWith(*main, text); }
    static void writeData(const char* name, const std::string& bytes) { qmtest::writeFile(paths::dataFile(name), bytes); }
    std::string shown() const { return prompter->texts().join(u'|').toStdString(); }
    std::unique_ptr<TmdiMain> main;
};

}  // namespace

TEST_F(MacroWindowsTest, ExpansionReplacesKeysReportsTheCountAndUndoesStepByStep) {
    writeData("user.mcr", "[ORG]\tAcme\r\n");
    TfHTML* doc = document("[org] [XYZ]\r\nx [hurl] y");
    main->runCommand("ExpandMacrosNow1Click");
    EXPECT_EQ(textOf(doc), "Acme [XYZ]\nx <A HREF=\"index.html\"></A> y");
    EXPECT_EQ(shown(), "3 Macros found !");
    EXPECT_EQ(main->statusText().trimmed().toStdString(), "Ready ...");
    // The caret ends after the last expansion.
    EXPECT_EQ(editpos::caret(*doc->txtHTML()), (qm::TextPos{qm::ParaNum(2), qm::ParaPos(28)}));
    // One undo step per expansion.
    doc->txtHTML()->Undo();
    EXPECT_EQ(textOf(doc), "[org] [XYZ]\nx <A HREF=\"index.html\"></A> y");
    doc->txtHTML()->Undo();
    EXPECT_EQ(textOf(doc), "[org] [XYZ]\nx [hurl] y");
}

TEST_F(MacroWindowsTest, AnUnknownLastKeyStaysSelectedAfterExpansionsBeforeIt) {
    writeData("user.mcr", "[A]\tlonger text\r\n");
    TfHTML* doc = document("[A] [XYZ]");
    main->runCommand("ExpandMacrosNow1Click");
    EXPECT_EQ(textOf(doc), "longer text [XYZ]");
    EXPECT_EQ(doc->txtHTML()->editor().selectedText(), "[XYZ]");
}

TEST_F(MacroWindowsTest, WithoutUserMacrosTheErrorShowsAndSystemMacrosStillExpand) {
    std::filesystem::remove(paths::dataFile("user.mcr"));
    TfHTML* doc = document("[HURL]");
    main->runCommand("ExpandMacrosNow1Click");
    EXPECT_EQ(shown(), "Cannot open file " + paths::dataFile("user.mcr").string() + "|1 Macros found !");
    EXPECT_EQ(textOf(doc), "<A HREF=\"index.html\"></A>");
}

TEST_F(MacroWindowsTest, PickListListsUserThenSystemAndInsertsOrArmsTheKey) {
    writeData("user.mcr", "[ORG]\tAcme\r\n");
    writeData("system.mcr", "[HURL]\tlink\r\n[QUIL]\tname\r\n");
    TfHTML* doc = document("");
    main->runCommand("Macro1Click");
    auto* pick = main->findChild<TfAddMac*>();
    ASSERT_TRUE(pick && pick->isVisible());
    EXPECT_TRUE(pick->keepOnTop());
    EXPECT_EQ(picktest::firstColumn(pick->lMac), "[ORG]|[HURL]|[QUIL]");
    EXPECT_EQ(pick->lMac->topLevelItem(0)->text(1), "Acme");

    pick->AddMac();  // nothing selected: nothing happens
    EXPECT_EQ(textOf(doc), "");
    const QRect row = pick->lMac->visualItemRect(pick->lMac->topLevelItem(1));
    QTest::mouseClick(pick->lMac->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(pick->lMac->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(textOf(doc), "[HURL]");
    setLastTagPair("x", "y");
    QTest::mousePress(pick->lMac->viewport(), Qt::LeftButton, {}, pick->lMac->visualItemRect(pick->lMac->topLevelItem(2)).center());
    EXPECT_EQ(lastTagPair().start, "[QUIL]");
    EXPECT_EQ(lastTagPair().end, "");
    QTest::mouseRelease(pick->lMac->viewport(), Qt::LeftButton);

    pick->keepOnTopItem()->trigger();
    EXPECT_FALSE(pick->keepOnTop());
    EXPECT_TRUE(pick->isVisible());
}

TEST_F(MacroWindowsTest, DefinitionDialogAddsRemovesSavesAndCancels) {
    writeData("user.mcr", "[ORG]\tAcme\r\n");
    writeData("system.mcr", "[HURL]\tlink\r\n");
    auto* dlg = main->findChild<TfMacros*>();
    ASSERT_TRUE(dlg);
    dlg->show();
    EXPECT_EQ(picktest::firstColumn(dlg->lstUserMacros), "[ORG]");
    EXPECT_EQ(picktest::firstColumn(dlg->lstSystemMacros), "[HURL]");

    QTest::keyClicks(dlg->txtMacro, "sig-nature-long");
    EXPECT_EQ(dlg->txtMacro->text(), "SIG-NATURE-L");
    dlg->txtExpandTo->setText("Best, A");
    dlg->cmdAdd->click();
    dlg->lstUserMacros->topLevelItem(0)->setSelected(true);
    dlg->cmdRemove->click();
    dlg->cmdSave->click();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(qmtest::readFile(paths::dataFile("user.mcr")), "[SIG-NATURE-L]\tBest, A\r\n");

    // Cancel writes nothing, and the next showing reloads the file.
    dlg->show();
    dlg->cmdAdd->click();
    EXPECT_EQ(dlg->lstUserMacros->topLevelItemCount(), 2);
    dlg->cmdClose->click();
    EXPECT_EQ(qmtest::readFile(paths::dataFile("user.mcr")), "[SIG-NATURE-L]\tBest, A\r\n");
    dlg->show();
    EXPECT_EQ(picktest::firstColumn(dlg->lstUserMacros), "[SIG-NATURE-L]");
    dlg->close();
}

TEST_F(MacroWindowsTest, SaveFailureIsReportedAndTheDialogCloses) {
    auto* dlg = main->findChild<TfMacros*>();
    dlg->show();
    std::filesystem::remove(paths::dataFile("user.mcr"));
    std::filesystem::create_directory(paths::dataFile("user.mcr"));  // a folder cannot be written as a file
    dlg->cmdSave->click();
    std::filesystem::remove(paths::dataFile("user.mcr"));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(shown(), "Cannot create file " + paths::dataFile("user.mcr").string());
}
