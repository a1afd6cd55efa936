// Convert HTML to Text, Grab URLs with the URL-grab dialog and library.fil,
// Import URLs through the browser INI file, and Check Spelling.

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <functional>

#include "IniFile.h"
#include "ModalRunner.h"
#include "Paths.h"
#include "TagTestSupport.h"
#include "TestSupport.h"
#include "TextTools.h"
#include "TfNetscapeError.h"
#include "TfProgress.h"
#include "TfURLGrab.h"

namespace {

TfURLGrab* grabDialog(TmdiMain& main) { return main.findChild<TfURLGrab*>(); }

std::filesystem::path libraryFile() { return paths::dataFile("library.fil"); }

}  // namespace

TEST_F(TagCommandTest, ConvertToTextRemovesTagsAcrossLinesAndKeepsALoneOpener) {
    TTextEditControl& c = newDocument("<P>Fish &amp; <B>chips</B> <A\r\nHREF=\"x\">here</A> 3 < 4");
    main->runCommand("ExportasText1Click");
    EXPECT_EQ(textOf(c), "Fish &amp; chips here 3 < 4");
    EXPECT_EQ(QApplication::clipboard()->text(), "</A>");
    EXPECT_EQ(status(), "Ready ...");
    // One undo step takes back every removal.
    c.Undo();
    EXPECT_EQ(textOf(c), "<P>Fish &amp; <B>chips</B> <A\nHREF=\"x\">here</A> 3 < 4");
}

// Replace All and Convert HTML to Text ask first when their one undo step
// may not fit the document's undo history: No changes nothing, Yes goes on
// without undo for that edit.
TEST_F(TagCommandTest, AnEditLargerThanTheUndoHistoryAsksBeforeItRuns) {
    const std::string text = "<b>x</b> <b>y</b> <b>z</b> <b>w</b>";
    struct Row {
        const char* name;
        std::function<void(TTextEditControl&)> run;
        Prompter::Button answer;
        std::string expected;
    };
    auto replaceAll = [](TTextEditControl& c) {
        dynamic_cast<TfHTML&>(*c.parentWidget()).HandleReplace(QStringLiteral("<b>"), QStringLiteral("<strong>"), true, false, false);
    };
    auto convert = [this](TTextEditControl&) { main->runCommand("ExportasText1Click"); };
    const Row rows[] = {
        {"replace all, no", replaceAll, Prompter::No, text},
        {"replace all, yes", replaceAll, Prompter::Yes, "<strong>x</b> <strong>y</b> <strong>z</b> <strong>w</b>"},
        {"convert, no", convert, Prompter::No, text},
        {"convert, yes", convert, Prompter::Yes, "x y z w"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TTextEditControl& c = newDocument(text);
        c.editor().store().setUndoBufferSize(64);  // less than the edit needs
        prompter->answerConfirm(row.answer);
        row.run(c);
        EXPECT_EQ(prompter->lastText(), "This change is too large to be undone.\n\nGo on without undo?");
        EXPECT_EQ(textOf(c), row.expected);
        EXPECT_FALSE(c.editor().store().CanUndo());
    }
    EXPECT_EQ(prompter->pendingAnswers(), 0);
    // With the document's own history the same edit asks nothing and undoes in one step.
    TTextEditControl& c = newDocument(text);
    replaceAll(c);
    EXPECT_EQ(prompter->pendingAnswers(), 0);
    ASSERT_TRUE(c.Undo());
    EXPECT_EQ(textOf(c), text);
}

TEST_F(TagCommandTest, GrabUrlsListsEveryLinkSortedWithoutRegardToCase) {
    TTextEditControl& c = newDocument(
        "<A HREF=\"zeta.html\">Z</A> <a href=\"beta.html\">b</a>\r\n<A HREF=\"Alpha.html\">A</A> <A HREF=\"open");
    main->runCommand("GrabURLs1Click");
    TfURLGrab* grab = grabDialog(*main);
    ASSERT_NE(grab, nullptr);
    EXPECT_EQ(grab->newUrls(), (QStringList{"<A HREF=\"Alpha.html\">A</A>", "<a href=\"beta.html\">b</a>",
                                            "<A HREF=\"zeta.html\">Z</A>"}));
    EXPECT_TRUE(grab->isVisible());
    EXPECT_TRUE(grab->IncludeBtn->isEnabled());
    EXPECT_FALSE(grab->ExcludeBtn->isEnabled());
    // The last link found stays selected and on the clipboard.
    EXPECT_EQ(selected(c), "<A HREF=\"Alpha.html\">A</A>");
    EXPECT_EQ(QApplication::clipboard()->text(), "<A HREF=\"Alpha.html\">A</A>");
    EXPECT_EQ(status(), "Ready ...");
    grab->close();
}

TEST_F(TagCommandTest, GrabUrlsWithoutLinksSaysSo) {
    newDocument("<P>No links here.");
    main->runCommand("GrabURLs1Click");
    EXPECT_EQ(prompter->lastText(), "No URLs found !");
    EXPECT_FALSE(grabDialog(*main)->isVisible());
}

TEST_F(TagCommandTest, AGrabbedLinkAcrossAWrapPointKeepsItsStart) {
    TTextEditControl& c = newDocument("words words <A HREF=\"http://example.org/\">x</A>");
    wrapAt(c, 16);
    ASSERT_GT(c.LineCount(), 2);
    main->runCommand("GrabURLs1Click");
    EXPECT_EQ(grabDialog(*main)->newUrls(), QStringList{"<A HREF=\"http://example.org/\">x</A>"});
    grabDialog(*main)->close();
}

TEST_F(TagCommandTest, MovingAllToTheLibraryAndSavingMergesSorted) {
    qmtest::writeFile(libraryFile(), "<A HREF=\"m.html\">M</A>\r\n<A HREF=\"B.html\">B</A>\r\n");
    newDocument("<A HREF=\"z.html\">Z</A> <A HREF=\"a.html\">A</A>\r\n<A HREF=\"two\">two\r\nlines</A>");
    main->runCommand("GrabURLs1Click");
    TfURLGrab* grab = grabDialog(*main);
    EXPECT_EQ(grab->libraryUrls(), (QStringList{"<A HREF=\"B.html\">B</A>", "<A HREF=\"m.html\">M</A>"}));
    grab->IncAllBtn->click();
    EXPECT_TRUE(grab->newUrls().isEmpty());
    EXPECT_FALSE(grab->IncAllBtn->isEnabled());
    EXPECT_TRUE(grab->ExAllBtn->isEnabled());
    grab->OKBtn->click();
    EXPECT_FALSE(grab->isVisible());
    // The link over two lines keeps its line break: two lines of the file.
    EXPECT_EQ(qmtest::readFile(libraryFile()),
              "<A HREF=\"a.html\">A</A>\r\n<A HREF=\"B.html\">B</A>\r\n<A HREF=\"m.html\">M</A>\r\n"
              "<A HREF=\"two\">two\r\nlines</A>\r\n<A HREF=\"z.html\">Z</A>\r\n");
}

TEST_F(TagCommandTest, MovingSelectedItemsBothWaysAndCancelling) {
    const std::string before = "<A HREF=\"lib.html\">L</A>\r\n";
    qmtest::writeFile(libraryFile(), before);
    newDocument("<A HREF=\"1\">1</A><A HREF=\"2\">2</A><A HREF=\"3\">3</A>");
    main->runCommand("GrabURLs1Click");
    TfURLGrab* grab = grabDialog(*main);
    grab->srcList->item(0)->setSelected(true);
    grab->srcList->item(2)->setSelected(true);
    grab->IncludeBtn->click();
    EXPECT_EQ(grab->newUrls(), QStringList{"<A HREF=\"2\">2</A>"});
    EXPECT_EQ(grab->libraryUrls(),
              (QStringList{"<A HREF=\"1\">1</A>", "<A HREF=\"3\">3</A>", "<A HREF=\"lib.html\">L</A>"}));
    grab->ExAllBtn->click();
    EXPECT_EQ(grab->newUrls().size(), 4);
    EXPECT_FALSE(grab->ExcludeBtn->isEnabled());
    grab->CancelBtn->click();
    EXPECT_EQ(qmtest::readFile(libraryFile()), before);
}

TEST_F(TagCommandTest, ImportWithoutTheBrowserIniShowsTheBookmarkFileWindow) {
    main->runCommand("ImportURLsfromNetscape1Click");
    EXPECT_EQ(modalTitles, QStringList{"Bookmark File"});
    // It says where the browser's INI file was looked for.
    EXPECT_TRUE(TfNetscapeError::messageText().contains(
        "not in your settings \nfolder, " + QString::fromStdString(paths::settingsDir().string()) + "."));
    EXPECT_EQ(activeHtmlDocument(*main), nullptr);
    EXPECT_FALSE(main->findChild<TfProgress*>()->isVisible());
    EXPECT_EQ(status(), "Ready ...");

    // An entry naming no file is no better.
    IniFile(texttools::kBrowserIni).WriteString(texttools::kBookmarkSection, texttools::kBookmarkEntry, "/no/such/file.htm");
    main->runCommand("ImportURLsfromNetscape1Click");
    EXPECT_EQ(modalTitles.size(), 2);
}

TEST_F(TagCommandTest, ImportOpensTheBookmarkFileAndGrabsItsLinks) {
    qmtest::TempDir dir;
    const auto bookmarks = dir.file("bookmark.htm");
    qmtest::writeFile(bookmarks, "<DL><DT><A HREF=\"http://b.example/\">B</A>\r\n<DT><A HREF=\"http://a.example/\">A</A>\r\n</DL>\r\n");
    IniFile(texttools::kBrowserIni).WriteString(texttools::kBookmarkSection, texttools::kBookmarkEntry, bookmarks.string());
    main->runCommand("ImportURLsfromNetscape1Click");
    EXPECT_TRUE(modalTitles.isEmpty());
    ASSERT_NE(activeHtmlDocument(*main), nullptr);
    EXPECT_EQ(grabDialog(*main)->newUrls(),
              (QStringList{"<A HREF=\"http://a.example/\">A</A>", "<A HREF=\"http://b.example/\">B</A>"}));
    EXPECT_EQ(main->findChild<TfProgress*>()->percent(), 8);
    EXPECT_FALSE(main->findChild<TfProgress*>()->isVisible());
    grabDialog(*main)->close();
}

TEST_F(TagCommandTest, CheckSpellingOnlyExplains) {
    main->runCommand("CheckSpelling1Click");
    EXPECT_TRUE(prompter->texts().isEmpty());
    newDocument("text");
    main->runCommand("CheckSpelling1Click");
    EXPECT_EQ(prompter->lastText(), "Sorry.  This feature is temporarily unavailable");
}

TEST_F(TagCommandTest, AFailedLibrarySaveReachesTheHandlerAndKeepsTheDialogOpen) {
    newDocument("<A HREF=\"x\">x</A>");
    main->runCommand("GrabURLs1Click");
    TfURLGrab* grab = grabDialog(*main);
    // A folder where the file should be: no write can replace it.
    std::filesystem::create_directories(libraryFile());
    grab->IncAllBtn->click();
    grab->OKBtn->click();
    EXPECT_TRUE(grab->isVisible());
    EXPECT_EQ(status(), "An Internal Error was detected and corrected.");
    EXPECT_EQ(grab->libraryUrls(), QStringList{"<A HREF=\"x\">x</A>"});
    grab->close();
    std::filesystem::remove_all(libraryFile());
}

// Regression: each item used to be inserted into a copy of the whole list, so
// a large bookmark file took many seconds to grab and to move.
TEST_F(TagCommandTest, ALargeLibraryMergesSortedWithEqualItemsInArrivalOrder) {
    std::string library, document;
    QStringList expected;
    for (int i = 0; i < 20000; ++i) {
        // Scattered keys in mixed case, so the merge interleaves both lists.
        const int key = (i * 7919) % 20000;
        const std::string link = "<A HREF=\"" + std::string(i % 2 ? "P" : "p") + std::to_string(key) + "\">x</A>";
        (i % 2 ? library : document) += link + "\r\n";
    }
    library += "<a href=\"same\">x</A>\r\n";
    document += "<A HREF=\"SAME\">x</A>";
    qmtest::writeFile(libraryFile(), library);
    newDocument(document);
    main->runCommand("GrabURLs1Click");
    TfURLGrab* grab = grabDialog(*main);
    ASSERT_EQ(grab->newUrls().size(), 10001);
    grab->IncAllBtn->click();
    const QStringList all = grab->libraryUrls();
    ASSERT_EQ(all.size(), 20002);
    for (qsizetype i = 1; i < all.size(); ++i)
        ASSERT_LE(QString::compare(all[i - 1], all[i], Qt::CaseInsensitive), 0) << i;
    // Items equal but for case: the one already in the library comes first.
    const qsizetype same = all.indexOf("<a href=\"same\">x</A>");
    ASSERT_GE(same, 0);
    EXPECT_EQ(all[same + 1], "<A HREF=\"SAME\">x</A>");
    grab->close();
}

TEST_F(TagCommandTest, GrabListsDrawTheirTabStopAtThreeQuartersOfTheirWidth) {
    TfURLGrab* grab = grabDialog(*main);
    grab->resize(900, 400);
    grab->show();
    for (QListWidget* list : {grab->srcList, grab->dstList}) {
        list->clear();
        list->addItem("a\tW");
        list->setStyleSheet("QListWidget { background: white; color: black; }");
        const QImage image = list->viewport()->grab().toImage();
        const int row = list->visualItemRect(list->item(0)).center().y() * image.height() / list->viewport()->height();
        // The first dark column right of the "a": where the text after the tab starts.
        int column = -1;
        for (int x = image.width() / 10; x < image.width() && column < 0; ++x)
            for (int dy = -4; dy <= 4 && column < 0; ++dy)
                if (qGray(image.pixel(x, row + dy)) < 100) column = x;
        const double expected = 0.75 * image.width();
        EXPECT_NEAR(column, expected, 4.0) << list->objectName().toStdString();
    }
    grab->close();
}
