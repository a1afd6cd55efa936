// The File commands and the recent-files list on a wired main window.

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>

#include <sys/stat.h>

#include "DocumentFixture.h"
#include "FileCommands.h"
#include "Paths.h"
#include "TTextEditControl.h"
#include "TfHTML.h"

namespace fs = std::filesystem;

TEST_F(DocumentTest, NewDocumentsCountUpAndStartFromTheTemplate) {
    auto w = startWired({}, true);  // "Open Template" made the first one
    ASSERT_EQ(w->mdiArea()->subWindowList().size(), 1);
    const int first = newDocumentCount();
    QStringList captions;
    for (int i = 0; i < 3; ++i) captions << FileNew(*w)->caption();
    EXPECT_EQ(captions, (QStringList{QString("New HTML Document %1").arg(first + 1),
                                     QString("New HTML Document %1").arg(first + 2),
                                     QString("New HTML Document %1").arg(first + 3)}));
    w->runCommand("CloseAll1Click");
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->mdiArea()->subWindowList().isEmpty());
    TfHTML* next = FileNew(*w);
    EXPECT_EQ(next->caption(), QString("New HTML Document %1").arg(first + 4)) << "numbers are never reused";
    EXPECT_EQ(textOf(next).substr(0, 9), "<!DOCTYPE");
    EXPECT_FALSE(next->txtHTML()->Modified());
    EXPECT_EQ(w->statusText(), "   Ready ...");
    EXPECT_TRUE(prompter->shown().isEmpty());

    fs::remove(paths::dataFile("standard.tpl"));
    TfHTML* empty = FileNew(*w);
    EXPECT_EQ(prompter->lastText(), "Quillmar was unable to find the default template (standard.tpl)  in the "
                                    "Quillmar Directory.  You will need to create a new version.");
    EXPECT_EQ(textOf(empty), "");
    EXPECT_TRUE(empty->isUntitled());
}

// A FIFO as the template used to hang start-up for good.
TEST_F(DocumentTest, TemplateThatIsNotAPlainFileIsRefusedUnread) {
    auto w = startWired();
    const fs::path tpl = paths::dataFile("standard.tpl");
    fs::remove(tpl);
    ASSERT_EQ(::mkfifo(tpl.c_str(), 0600), 0);
    TfHTML* doc = FileNew(*w);
    EXPECT_EQ(prompter->lastText(), "Unable to open " + qpath(tpl) + ".\n\nIt is not a plain file (a device, pipe or socket).");
    EXPECT_EQ(textOf(doc), "");
}

TEST_F(DocumentTest, OpenSeveralFilesAndRecentFilesMoveWithoutRepeating) {
    auto w = startWired();
    const QString a = makeFile("a.htm", "a\r\n"), b = makeFile("b.htm", "b\r\n"), c = makeFile("c.htm", "c\r\n");
    prompter->answerOpen({a, b, c});
    w->runCommand("FileOpen");
    ASSERT_EQ(w->mdiArea()->subWindowList().size(), 3);
    QStringList order;
    for (TfHTML* d : htmlDocuments(*w)) order << d->caption();
    EXPECT_EQ(order, (QStringList{a, b, c}));
    EXPECT_EQ(w->recentFiles().entries(), (std::array<std::string, 4>{c.toStdString(), b.toStdString(),
                                                                       a.toStdString(), ""}));
    EXPECT_TRUE(prompter->shown().at(0).file.multiple);

    // Entry 2 (a) opened again moves to the top; the others shift down.
    htmlDocuments(*w).at(0)->subWindow()->close();
    ASSERT_NE(OpenDocument(*w, a), nullptr);
    EXPECT_EQ(w->recentFiles().entries(), (std::array<std::string, 4>{a.toStdString(), c.toStdString(),
                                                                       b.toStdString(), ""}));
    EXPECT_EQ(w->menuAction("FileExit") != nullptr, true);
}

TEST_F(DocumentTest, SaveUpdatesRecentFilesButNotTheMenu) {
    auto w = startWired();
    const QString a = makeFile("a.htm", "a\r\n");
    OpenDocument(*w, a);
    QAction* mru1 = nullptr;
    for (QAction* act : w->findChildren<QAction*>())
        if (act->objectName() == "MRU1") mru1 = act;
    ASSERT_NE(mru1, nullptr);
    EXPECT_EQ(mru1->text(), "&1 " + a);

    FileNew(*w);
    const QString out = qpath(dir.file("Out.HTM"));
    prompter->answerSave(out);
    w->runCommand("FileSave");
    EXPECT_EQ(activeHtmlDocument(*w)->caption(), out);
    EXPECT_EQ(w->recentFiles().entry(0), out.toStdString());
    EXPECT_EQ(mru1->text(), "&1 " + a) << "the menu shows the change at its next refresh";
    EXPECT_TRUE(fs::exists(dir.file("Out.HTM")));
    EXPECT_EQ(w->tabStrip()->tabText(1), out);
    EXPECT_EQ(w->statusText(), "   Ready ...");
}

TEST_F(DocumentTest, SaveAsRefusesAFailingPathAndAPathOpenElsewhere) {
    auto w = startWired();
    const QString a = makeFile("a.htm", "old a\r\n");
    TfHTML* docA = OpenDocument(*w, a);
    TfHTML* doc = FileNew(*w);
    doc->txtHTML()->InsertText(std::string_view("new"));
    const QString caption = doc->caption();

    prompter->answerSave(a);
    w->runCommand("FileSaveAs");
    EXPECT_EQ(prompter->lastText(), a + " is already open.");
    EXPECT_EQ(qmtest::readFile(dir.file("a.htm")), "old a\r\n");

    const QString bad = makeFile("plain", "x") + "/x.htm";
    prompter->answerSave(bad);
    w->runCommand("FileSaveAs");
    EXPECT_TRUE(prompter->lastText().contains(bad));
    EXPECT_EQ(doc->caption(), caption);
    EXPECT_TRUE(doc->txtHTML()->Modified());
    EXPECT_EQ(w->recentFiles().entry(0), a.toStdString());
    EXPECT_NE(docA, nullptr);
}

TEST_F(DocumentTest, InsertTextFileAddsEveryLineWithItsBreak) {
    auto w = startWired();
    TfHTML* doc = FileNew(*w);
    doc->txtHTML()->ClearAll();
    doc->txtHTML()->setModified(false);
    const QString three = makeFile("three.txt", "one\r\ntwo\nthree");
    prompter->answerOpen({three});
    w->runCommand("InsertFile1Click");
    EXPECT_EQ(textOf(doc), "one\ntwo\nthree\n");
    int column = 0;
    EXPECT_EQ(doc->txtHTML()->GetCaret(column), 4);
    EXPECT_EQ(column, 1);
    EXPECT_TRUE(doc->txtHTML()->Modified());

    prompter->answerCancel();
    w->runCommand("InsertFile1Click");
    EXPECT_EQ(w->statusText(), "   Ready ...");
    EXPECT_EQ(textOf(doc), "one\ntwo\nthree\n");
}

TEST_F(DocumentTest, OpenDocumentsSavedAsANewProject) {
    auto w = startWired();
    w->runCommand("SaveOpenasNewProject1Click");
    EXPECT_EQ(prompter->lastText(), "No current document.");

    const QString a = makeFile("a.htm", "a\r\n");
    OpenDocument(*w, a);
    TfHTML* untitled = FileNew(*w);
    prompter->answerCancel();  // the name
    w->runCommand("SaveOpenasNewProject1Click");

    prompter->answerInput("Site");
    prompter->answerConfirm(Prompter::Yes);
    const QString project = qpath(dir.file("site.qpr"));
    prompter->answerSave(project);
    w->runCommand("SaveOpenasNewProject1Click");
    const auto& asked = prompter->shown();
    ASSERT_GE(asked.size(), 4);
    EXPECT_EQ(asked.at(asked.size() - 3).caption, "New Project");
    EXPECT_EQ(asked.at(asked.size() - 3).text, "Enter a name for this New Project");
    EXPECT_EQ(asked.at(asked.size() - 2).text, "Save changes to Untitled Project ?");
    EXPECT_EQ(asked.last().file.filter, "Quillmar Project File (*.qpr)|*.qpr");
    EXPECT_EQ(qmtest::readFile(dir.file("site.qpr")),
              "Site\r\n" + a.toStdString() + "\r\n" + untitled->caption().toStdString() + "\r\n");
}
