// The file tools window from the Tools menu, on real files and a real
// document window, with the scripted prompter answering its questions.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ImageCommands.h"
#include "TagTestSupport.h"
#include "TfrmFileTools.h"

namespace {

class FileToolsWindowTest : public TagCommandTest {
protected:
    TfrmFileTools& tools() {
        installImageCommands(*main);
        main->runCommand("FileTools1Click");
        auto* t = main->findChild<TfrmFileTools*>();
        EXPECT_TRUE(t && t->isVisible());
        return *t;
    }
    QString file(const QString& name, const QByteArray& text) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    static QByteArray read(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // The three answers Replace in Files asks for.
    void answerReplace(const QString& pattern, const QString& replacement, Prompter::Button confirm) {
        prompter->answerInput(pattern);
        prompter->answerInput(replacement);
        prompter->answerConfirm(confirm);
    }
    static QStringList results(const TfrmFileTools& t) {
        QStringList out;
        for (int r = 0; r < t.grdFiles->rowCount(); ++r) out << t.grdFiles->item(r, 1)->text();
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(FileToolsWindowTest, AddingAndRemovingKeepsTheOrder) {
    TfrmFileTools& t = tools();
    const QStringList abc = {"/x/A.htm", "/x/b.htm", "/x/c.htm"};
    struct Case {
        const char* what;
        QStringList added;
        int removeRow;  // -1: nothing selected
        QStringList left;
    } cases[] = {
        {"three, the second removed", abc, 1, {"/x/A.htm", "/x/c.htm"}},
        {"the same file twice", {"/x/a.htm", "/x/a.htm"}, -1, {"/x/a.htm", "/x/a.htm"}},
        {"the last removed", abc, 2, {"/x/A.htm", "/x/b.htm"}},
    };
    for (const Case& c : cases) {
        t.grdFiles->setRowCount(0);
        prompter->answerOpen(c.added);
        t.btnSelect->click();
        t.grdFiles->clearSelection();
        if (c.removeRow >= 0) t.grdFiles->selectRow(c.removeRow);
        t.btnRemove->click();
        EXPECT_EQ(t.files(), c.left) << c.what;
    }
    EXPECT_EQ(status(), "Ready ...");
    prompter->answerCancel();
    t.btnSelect->click();
    EXPECT_EQ(t.files().size(), 2);  // a cancelled dialog adds nothing
}

TEST_F(FileToolsWindowTest, SearchAndReplaceFillTheResultsAndRefuseAnOpenChangedFile) {
    const QString a = file("a.htm", "old old\r\n"), b = file("b.htm", "none\r\n"), c = file("c.htm", "old\r\n");
    TfrmFileTools& t = tools();
    prompter->answerOpen({a, b, c});
    t.btnSelect->click();

    prompter->answerInput("OLD");
    t.btnSearch->click();
    EXPECT_EQ(results(t), (QStringList{"2", "0", "1"}));

    // c.htm is open with a change not yet saved: its window keeps the edit.
    // a.htm is open unchanged, through a link to its folder: it shows the new text.
    TfHTML* open = OpenDocument(*main, c);
    ASSERT_TRUE(open);
    open->txtHTML()->InsertText("x");
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("link")));
    TfHTML* shown = OpenDocument(*main, dir.filePath("link/a.htm"));
    ASSERT_TRUE(shown);
    answerReplace("old", "new", Prompter::Yes);
    t.btnReplace->click();
    EXPECT_EQ(results(t), (QStringList{"2", "0", "-"}));
    EXPECT_EQ(read(a), "new new\r\n");
    EXPECT_EQ(read(dir.filePath("a.bak")), "old old\r\n");
    EXPECT_EQ(read(c), "old\r\n");
    EXPECT_TRUE(prompter->lastText().startsWith("2 replacements in 1 of 3 files.")) << prompter->lastText().toStdString();
    EXPECT_TRUE(prompter->lastText().contains(c + ": open with unsaved changes"));
    EXPECT_EQ(textOf(*shown->txtHTML()), "new new\n");
    EXPECT_FALSE(shown->txtHTML()->Modified());
    const std::string reloaded = ("Reloaded after Replace in Files: " + a).toStdString();
    EXPECT_EQ(status().toStdString(), reloaded);
    // The windows' own watch on their files then finds nothing to ask or reload.
    QTest::qWait(400);
    EXPECT_EQ(status().toStdString(), reloaded);
    EXPECT_EQ(textOf(*open->txtHTML()), "xold\n");
    EXPECT_TRUE(prompter->errors().isEmpty()) << prompter->errors().join('\n').toStdString();

    // Saying No changes nothing.
    answerReplace("new", "old", Prompter::No);
    t.btnReplace->click();
    EXPECT_EQ(read(a), "new new\r\n");
}

// Cancel in the progress window during a run: the files done are written
// and counted, the rest are untouched and show "-".
TEST_F(FileToolsWindowTest, CancelDuringReplaceKeepsWhatWasDone) {
    const QString a = file("a.htm", "x\n"), b = file("b.htm", "x\n"), c = file("c.htm", "x\n");
    TfrmFileTools& t = tools();
    prompter->answerOpen({a, b, c});
    t.btnSelect->click();
    answerReplace("x", "y", Prompter::Yes);
    // Runs at the first look at events, after the first file.
    QTimer::singleShot(0, &t, [&t] {
        if (auto* progress = t.findChild<QProgressDialog*>()) progress->cancel();
    });
    t.btnReplace->click();
    EXPECT_EQ(results(t), (QStringList{"1", "-", "-"}));
    EXPECT_EQ(read(a), "y\n");
    EXPECT_EQ(read(b), "x\n");
    EXPECT_EQ(read(c), "x\n");
    EXPECT_EQ(prompter->lastText(), "1 replacements in 1 of 3 files.\n\nCancelled: 2 files were left as they were.");
}

}  // namespace
