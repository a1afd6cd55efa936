// The plug-ins window on a wired main window: the file list, the commands,
// insertion into a real document and the drag's tag pair.

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "DocumentFixture.h"
#include "EditPositions.h"
#include "Paths.h"
#include "PickListSupport.h"
#include "TTextEditControl.h"
#include "TagInsertion.h"
#include "TfHTML.h"
#include "TfPlugIn.h"

namespace {

class PluginWindowTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        removePluginFiles();
        main = startWired();
        main->runCommand("PlugIns1Click");
        win = main->findChild<TfPlugIn*>();
        ASSERT_TRUE(win && win->isVisible());
    }
    void TearDown() override {
        main.reset();
        removePluginFiles();
        DocumentTest::TearDown();
    }
    static void removePluginFiles() {
        for (const std::string& name : plugins::findPluginFiles(paths::dataDir().string()))
            std::filesystem::remove(paths::dataFile(name));
    }
    TfHTML* document(const std::string& text) { return picktest::documentWith(*main, text); }
    std::string files() const {
        QStringList out;
        for (int i = 0; i < win->lstPFiles->count(); ++i) out << win->lstPFiles->itemText(i);
        return out.join(u'|').toStdString();
    }
    void select(const QString& description) {
        const QList<QTreeWidgetItem*> found = win->lPlug->findItems(description, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << description.toStdString();
        win->lPlug->clearSelection();
        found.first()->setSelected(true);
    }
    std::unique_ptr<TmdiMain> main;
    TfPlugIn* win = nullptr;
};

}  // namespace

TEST_F(PluginWindowTest, WithoutFilesTheSamplesStayAndTheirTextsGoIn) {
    win->SetListBox();
    EXPECT_EQ(files(), "");
    EXPECT_EQ(win->lPlug->topLevelItemCount(), 11);
    EXPECT_EQ(win->lPlug->headerItem()->text(1), "Insert Left");

    TfHTML* doc = document("");
    win->OKBtnClick();  // nothing selected
    EXPECT_EQ(textOf(doc), "");
    select("Background Simple");
    const QRect row = win->lPlug->visualItemRect(win->lPlug->selectedItems().first());
    QTest::mouseClick(win->lPlug->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(win->lPlug->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(textOf(doc), "<BODY BACKGROUND=\"\">");
    EXPECT_EQ(editpos::caret(*doc->txtHTML()), (qm::TextPos{qm::ParaNum(1), qm::ParaPos(19)}));

    select("Background Color : Blue");
    setLastTagPair("x", "y");
    QTest::mousePress(win->lPlug->viewport(), Qt::LeftButton, {},
                      win->lPlug->visualItemRect(win->lPlug->selectedItems().first()).center());
    EXPECT_EQ(lastTagPair().start, "<BODY BGCOLOR=\"#0000FF\">");
    EXPECT_EQ(lastTagPair().end, "");
    QTest::mouseRelease(win->lPlug->viewport(), Qt::LeftButton);
}

TEST_F(PluginWindowTest, FilesAreListedSortedAndACommandWrapsTheSelection) {
    qmtest::writeFile(paths::dataFile("c.plg"), "Italic\t<I>\t</I>\r\nBold\t<B>\t</B>\r\nbold\t<STRONG>\t</STRONG>\r\n");
    qmtest::writeFile(paths::dataFile("a.plg"), "Break\t<BR>\r\n");
    qmtest::writeFile(paths::dataFile("b.plg"), "Rule\t<HR>\t\r\n");
    win->Rescan1->trigger();
    EXPECT_EQ(files(), "a.plg|b.plg|c.plg");
    win->lstPFiles->setCurrentText("c.plg");
    emit win->lstPFiles->activated(win->lstPFiles->currentIndex());
    EXPECT_EQ(picktest::firstColumn(win->lPlug), "Bold|bold|Italic");

    TfHTML* doc = document("a word b");
    editpos::select(*doc->txtHTML(), {qm::ParaNum(1), qm::ParaPos(3)}, {qm::ParaNum(1), qm::ParaPos(7)});
    select("Bold");
    win->OKBtn->click();
    EXPECT_EQ(textOf(doc), "a <B>word</B> b");
}

TEST_F(PluginWindowTest, AFileThatCannotBeReadEmptiesTheList) {
    qmtest::writeFile(paths::dataFile("gone.plg"), "Break\t<BR>\r\n");
    win->btnRefresh->click();
    EXPECT_EQ(picktest::firstColumn(win->lPlug), "Break");
    std::filesystem::remove(paths::dataFile("gone.plg"));
    win->GetCommands();
    EXPECT_EQ(win->lPlug->topLevelItemCount(), 0);
    EXPECT_EQ(prompter->texts().join(u'|').toStdString(), "Cannot open file " + paths::dataFile("gone.plg").string());
}
