// The File commands and the recent-files list on a wired main window.

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <functional>

#include <sys/stat.h>

#include "DocumentFixture.h"
#include "FileCommands.h"
#include "Paths.h"
#include "Prompter.h"
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
    EXPECT_EQ(qtFileFilters(prompter->shown().at(0).file.filter).last(), "All Files (*)");

    // Entry 2 (a) opened again moves to the top; the others shift down.
    htmlDocuments(*w).at(0)->subWindow()->close();
    ASSERT_NE(OpenDocument(*w, a), nullptr);
    EXPECT_EQ(w->recentFiles().entries(), (std::array<std::string, 4>{a.toStdString(), c.toStdString(),
                                                                       b.toStdString(), ""}));
    EXPECT_EQ(w->menuAction("FileExit") != nullptr, true);
}

// Regression: Save and Save As changed the list but not the menu, and an item
// opened the entry now at its index: "&2 .../a.htm" opened the saved file.
TEST_F(DocumentTest, RecentFileItemsOpenTheFileTheyNameAfterSaveAndSaveAs) {
    auto w = startWired();
    const QString a = makeFile("a.htm", "a\r\n");
    OpenDocument(*w, a);
    QList<QAction*> items;
    for (int i = 1; i <= 4; ++i) items << w->findChild<QAction*>(QString("MRU%1").arg(i));
    ASSERT_FALSE(items.contains(nullptr));

    FileNew(*w);
    const QString out = qpath(dir.file("Out.HTM"));
    prompter->answerSave(out);
    w->runCommand("FileSave");
    EXPECT_EQ(activeHtmlDocument(*w)->caption(), out);
    EXPECT_TRUE(fs::exists(dir.file("Out.HTM")));
    EXPECT_EQ(w->tabStrip()->tabText(1), out);
    EXPECT_EQ(w->statusText(), "   Ready ...");
    const QString b = qpath(dir.file("b.txt"));
    prompter->answerSave(b);
    w->runCommand("FileSaveAs");
    EXPECT_EQ(w->recentFiles().entry(0), b.toStdString());

    const QStringList labels{"&1 " + b, "&2 " + out, "&3 " + a};
    for (int i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(items[i]->text().toStdString(), labels[i].toStdString());
        EXPECT_TRUE(items[i]->isVisible());
        // With nothing open, the item opens exactly the file it names.
        w->runCommand("CloseAll1Click");
        QCoreApplication::processEvents();
        items[i]->trigger();
        ASSERT_NE(activeHtmlDocument(*w), nullptr) << i;
        EXPECT_EQ(("&" + QString::number(i + 1) + " " + activeHtmlDocument(*w)->caption()).toStdString(),
                  labels[i].toStdString());
    }
    EXPECT_FALSE(items[3]->isVisible());
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

// Regression: rebuilding the tab strip left its first tab selected.
TEST_F(DocumentTest, TheActiveDocumentsTabStaysSelectedAfterSaveSaveAsAndACancelledExit) {
    auto w = startWired();
    FileNew(*w);
    TfHTML* middle = FileNew(*w);
    FileNew(*w);
    const struct {
        const char* name;
        std::function<void()> act;
    } cases[] = {
        {"Save", [&] {
             prompter->answerSave(qpath(dir.file("saved.htm")));
             w->runCommand("FileSave");
         }},
        {"Save As", [&] {
             prompter->answerSave(qpath(dir.file("saved-as.htm")));
             w->runCommand("FileSaveAs");
         }},
        {"cancelled Exit", [&] {
             middle->txtHTML()->InsertText(std::string_view("x"));
             prompter->answerConfirm(Prompter::Cancel);
             EXPECT_FALSE(w->close());
         }},
    };
    for (const auto& c : cases) {
        w->mdiArea()->setActiveSubWindow(middle->subWindow());
        c.act();
        ASSERT_EQ(activeHtmlDocument(*w), middle) << c.name;
        QTabBar* tabs = w->tabStrip();
        ASSERT_EQ(tabs->count(), 3) << c.name;
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()).toStdString(), middle->caption().toStdString()) << c.name;
    }
    middle->txtHTML()->setModified(false);
}
