// The document window: opening, identity, backups, the save prompt, search,
// the editing commands and the status panels.

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTimer>
#include <functional>
#include <sys/stat.h>

#include "DocumentFixture.h"
#include "EditPositions.h"
#include "FileCommands.h"
#include "FindReplace.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TagInsertion.h"
#include "TfHTML.h"
#include "Wiring.h"

namespace fs = std::filesystem;

namespace {
QStringList tabTexts(const QTabBar* bar) {
    QStringList out;
    for (int i = 0; i < bar->count(); ++i) out << bar->tabText(i);
    return out;
}
}  // namespace

TEST_F(DocumentTest, OpenRefusesRepeatedMissingAndUnreadablePaths) {
    auto w = startWired();
    const QString page = makeFile("Page.HTML", "<P>x</P>\r\n");
    TfHTML* doc = OpenDocument(*w, page);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->caption(), page) << "Linux paths keep their case";
    EXPECT_EQ(w->recentFiles().entry(0), page.toStdString());
    EXPECT_EQ(tabTexts(w->tabStrip()), QStringList{page});

    // The same file through another spelling of its path.
    const QString again = qpath(dir.path() / "." / "Page.HTML");
    EXPECT_EQ(OpenDocument(*w, again), nullptr);
    EXPECT_EQ(prompter->lastText(), again + " is already open.");

    const QString missing = qpath(dir.file("nothere.htm"));
    EXPECT_EQ(OpenDocument(*w, missing), nullptr);
    EXPECT_EQ(prompter->lastText(), "Unable to find " + missing + ".");

    fs::create_directory(dir.file("folder"));
    EXPECT_EQ(OpenDocument(*w, qpath(dir.file("folder"))), nullptr);
    EXPECT_TRUE(prompter->lastText().contains("folder")) << prompter->lastText().toStdString();
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(OpenDocument(*w, qpath(dir.file("pipe"))), nullptr);  // must not block on the pipe
    EXPECT_TRUE(prompter->lastText().startsWith("Unable to open " + qpath(dir.file("pipe"))));
    // Above the size limit: refused unread (it used to be half-loaded).
    qmtest::writeFile(dir.file("huge.htm"), "");
    fs::resize_file(dir.file("huge.htm"), 3ull << 30);  // sparse: costs no disk
    EXPECT_EQ(OpenDocument(*w, qpath(dir.file("huge.htm"))), nullptr);
    EXPECT_EQ(prompter->lastText(),
              qpath(dir.file("huge.htm")) + " is too large to edit (3221225472 bytes; the limit is 2147483647 bytes).");
    EXPECT_EQ(w->mdiArea()->subWindowList().size(), 1);
}

// Ctrl+S on an unedited file changes no byte: trailing blanks used to be
// trimmed on load and lost.
TEST_F(DocumentTest, UneditedSaveIsByteIdentical) {
    auto w = startWired();
    const std::string bytes = "<p>x</p>  \r\n\tindented\t\r\n   \r\nend \r\n";
    const QString page = makeFile("blanks.html", bytes);
    TfHTML* doc = OpenDocument(*w, page);
    ASSERT_NE(doc, nullptr);
    w->runCommand("FileSave");
    EXPECT_EQ(qmtest::readFile(page.toStdString()), bytes);
}

// One plain warning when a save would rewrite line ends; nothing is changed
// until the user saves.
TEST_F(DocumentTest, LineEndsASaveWouldRewriteAreWarnedOnceOnOpen) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* warning;  // nullptr: none
    };
    const Case cases[] = {
        {"lf.htm", "a\nb\n", nullptr},
        {"crlf.htm", "a\r\nb\r\n", nullptr},
        {"cr.htm", "a\rb\r", "It has CR-only or mixed line ends; saving it will write every line end as CR LF."},
        {"mixed.htm", "a\r\nb\n", "It has CR-only or mixed line ends; saving it will write every line end as CR LF."},
        {"nul.htm", std::string("a\0b\n", 4),
         "It looks like a binary file (it has NUL bytes); saving it will rewrite its line ends."},
    };
    auto w = startWired();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = makeFile(c.name, c.bytes);
        const qsizetype before = prompter->texts().size();
        TfHTML* doc = OpenDocument(*w, path);
        ASSERT_NE(doc, nullptr);
        const QStringList shown = prompter->texts().mid(before);
        if (c.warning) {
            EXPECT_EQ(shown, QStringList{path + ":\n\n" + c.warning});
        } else {
            EXPECT_TRUE(shown.isEmpty()) << shown.join("; ").toStdString();
        }
        EXPECT_FALSE(doc->txtHTML()->Modified());
        EXPECT_EQ(qmtest::readFile(path.toStdString()), c.bytes);
    }
}

// Save As through a linked folder and Open through the real one name one
// document (it used to open twice).
TEST_F(DocumentTest, LinkedFolderGivesOneIdentityOnSaveAsOpenAndClose) {
    auto w = startWired();
    fs::create_directory(dir.file("real"));
    fs::create_directory_symlink(dir.file("real"), dir.file("linked"));
    TfHTML* doc = FileNew(*w);
    doc->txtHTML()->InsertText(std::string_view("x"));
    prompter->answerSave(qpath(dir.file("linked") / "page.html"));
    w->runCommand("FileSaveAs");
    const std::string real = (fs::canonical(dir.file("real")) / "page.html").string();
    EXPECT_EQ(doc->filePath(), real);
    EXPECT_EQ(OpenDocument(*w, qpath(dir.file("real") / "page.html")), nullptr);
    EXPECT_EQ(prompter->lastText(), qpath(dir.file("real") / "page.html") + " is already open.");

    // The close prompt names an untitled document the same way.
    TfHTML* other = FileNew(*w);
    other->txtHTML()->InsertText(std::string_view("y"));
    prompter->answerConfirm(Prompter::Yes);
    prompter->answerSave(qpath(dir.file("linked") / "other.html"));
    ASSERT_TRUE(other->FormQueryClose());
    EXPECT_EQ(other->filePath(), (fs::canonical(dir.file("real")) / "other.html").string());
}

TEST_F(DocumentTest, CommandLineFilesOpenOnceAndMissingOnesAreReported) {
    const QString a = makeFile("a.htm", "a\r\n");
    const QString missing = qpath(dir.file("gone.htm"));
    auto w = startWired({a, missing, a});
    EXPECT_EQ(w->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(prompter->texts(), (QStringList{"Unable to find " + missing + ".", a + " is already open."}));
}

TEST_F(DocumentTest, BackupsAreSharedByNameAndNeverMadeForNewDocuments) {
    auto w = startWired();
    const QString html = makeFile("page.html", "html old\r\n");
    const QString txt = makeFile("page.txt", "txt old\r\n");
    TfHTML* a = OpenDocument(*w, html);
    TfHTML* b = OpenDocument(*w, txt);
    ASSERT_TRUE(a && b);
    ASSERT_TRUE(a->saveTo(a->caption()));
    EXPECT_EQ(qmtest::readFile(dir.file("page.BAK")), "html old\r\n");
    ASSERT_TRUE(b->saveTo(b->caption()));
    EXPECT_EQ(qmtest::readFile(dir.file("page.BAK")), "txt old\r\n") << "the second save replaces the backup";

    TfHTML* fresh = FileNew(*w);
    prompter->answerSave(qpath(dir.file("new.htm")));
    w->runCommand("FileSave");
    fresh->txtHTML()->InsertText(std::string_view("more"));
    w->runCommand("FileSave");
    EXPECT_FALSE(fs::exists(dir.file("new.BAK")));
    EXPECT_TRUE(qmtest::readFile(dir.file("new.htm")).starts_with("more"));
}

TEST_F(DocumentTest, ClosePromptKeepsTheWindowWhenNotSaved) {
    auto w = startWired();
    TfHTML* doc = FileNew(*w);
    doc->txtHTML()->InsertText(std::string_view("typed"));
    const QString caption = doc->caption();

    // Yes, then the file dialog cancelled.
    prompter->answerConfirm(Prompter::Yes);
    prompter->answerCancel();
    w->runCommand("FileCloseChild");
    ASSERT_EQ(w->mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(doc->txtHTML()->Modified());
    EXPECT_EQ(prompter->shown().at(0).text, "Save changes to : " + caption);
    EXPECT_EQ(prompter->shown().at(0).buttons, Prompter::Yes | Prompter::No | Prompter::Cancel);

    // Yes, and a name whose folder is a plain file: the save fails, the user
    // is told which file, and the window stays with its text unsaved.
    const QString bad = makeFile("plain", "x") + "/page.htm";
    prompter->answerConfirm(Prompter::Yes);
    prompter->answerSave(bad);
    w->runCommand("FileCloseChild");
    ASSERT_EQ(w->mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(doc->txtHTML()->Modified());
    EXPECT_EQ(doc->caption(), caption);
    EXPECT_TRUE(prompter->lastText().contains(bad)) << prompter->lastText().toStdString();

    // Cancel keeps it; No closes without saving.
    prompter->answerConfirm(Prompter::Cancel);
    w->runCommand("FileCloseChild");
    EXPECT_EQ(w->mdiArea()->subWindowList().size(), 1);
    prompter->answerConfirm(Prompter::No);
    w->runCommand("FileCloseChild");
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(w->tabStrip()->count(), 0);
}

TEST_F(DocumentTest, YesInTheClosePromptSavesUnderTheChosenName) {
    auto w = startWired();
    TfHTML* doc = FileNew(*w);
    doc->txtHTML()->ClearAll();
    doc->txtHTML()->InsertText(std::string_view("one\r\ntwo"));
    prompter->answerConfirm(Prompter::Yes);
    prompter->answerSave(qpath(dir.file("kept.htm")));
    w->runCommand("FileCloseChild");
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->mdiArea()->subWindowList().isEmpty());
    EXPECT_EQ(qmtest::readFile(dir.file("kept.htm")), "one\ntwo\n");  // a new document is an LF file
    EXPECT_EQ(w->recentFiles().entry(0), "") << "the prompt leaves the recent files alone";
}

TEST_F(DocumentTest, CancelWhileTheMainWindowClosesKeepsEverythingOpen) {
    auto w = startWired();
    TfHTML* a = FileNew(*w);
    TfHTML* b = FileNew(*w);
    a->txtHTML()->InsertText(std::string_view("a"));
    b->txtHTML()->InsertText(std::string_view("b"));
    prompter->answerConfirm(Prompter::No);      // the topmost (b)
    prompter->answerConfirm(Prompter::Cancel);  // then a
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->mdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(prompter->shown().at(0).text, "Save changes to : " + b->caption());
    EXPECT_EQ(tabTexts(w->tabStrip()), (QStringList{a->caption(), b->caption()}));

    // A later close asks both again.
    prompter->answerConfirm(Prompter::No);
    prompter->answerConfirm(Prompter::No);
    EXPECT_TRUE(w->close());
    EXPECT_EQ(prompter->shown().size(), 4);
}

// The user waits once: the files are open when the splash goes.
TEST_F(DocumentTest, CommandLineFilesOpenWhileTheSplashShows) {
    const QString page = makeFile("page.html", "<P>x</P>\r\n");
    int openBehindSplash = -1;
    setModalRunner([&](QDialog& d) {
        QTimer::singleShot(50, &d, [&] {
            if (auto* main = qobject_cast<TmdiMain*>(d.parentWidget()))
                openBehindSplash = int(htmlDocuments(*main).size());
            d.accept();
        });
        return d.exec();
    });
    auto w = startWired({page});
    EXPECT_EQ(openBehindSplash, 1);
    EXPECT_EQ(htmlDocuments(*w).size(), 1);
}

// Closing the window by the window manager used to lose the recent files.
TEST_F(DocumentTest, TheCloseBoxWritesTheRecentFilesBeforeAnyPromptCancels) {
    auto w = startWired();
    TfHTML* doc = OpenDocument(*w, makeFile("page.html", "<P>x</P>\r\n"));
    ASSERT_NE(doc, nullptr);
    doc->txtHTML()->InsertText(std::string_view("y"));
    prompter->answerConfirm(Prompter::Cancel);
    EXPECT_FALSE(w->close());
    EXPECT_EQ(iniValue("MRU", "0"), doc->caption().toStdString());
    prompter->answerConfirm(Prompter::No);
    EXPECT_TRUE(w->close());
}

// File lines, not display lines: the first line wraps over several rows.
TEST_F(DocumentTest, GoToLineMovesToTheStartOfAFileLine) {
    auto w = startWired();
    TfHTML* doc = FileNew(*w);
    TTextEditControl* c = doc->txtHTML();
    c->ClearAll();
    c->setWrapToWindow(false);
    c->setWrapColumn(10);
    c->InsertText(std::string_view("one two three four five six\r\nsecond\r\nthird"));
    ASSERT_GT(c->LineCount(), c->ParagraphCount());
    const struct {
        const char* typed;  // nullptr: the box is cancelled
        int paragraph;      // where the caret is afterwards
        const char* message;
    } cases[] = {
        {"2", 2, nullptr},
        {" 1 ", 1, nullptr},
        {"99", 3, nullptr},  // past the end: the last line
        {"0", 3, "\"0\" is not a line number."},
        {"two", 3, "\"two\" is not a line number."},
        {nullptr, 3, nullptr},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.typed ? t.typed : "cancelled");
        c->SetCaret(c->LineCount(), 1);
        prompter->clearShown();
        if (t.typed) prompter->answerInput(t.typed);
        else prompter->answerCancel();
        w->runCommand("EditGotoLine");
        EXPECT_EQ(editpos::caret(*c).para.value, t.paragraph);
        EXPECT_EQ(editpos::caret(*c).pos.value, 1);
        EXPECT_EQ(prompter->shown().at(0).text, "Line number (1 - 3):");
        EXPECT_EQ(prompter->texts().size(), t.message ? 2 : 1);
        if (t.message) {
            EXPECT_EQ(prompter->texts().value(1), t.message);
        }
    }
}

TEST_F(DocumentTest, SelectAllSelectsEveryByte) {
    auto w = startWired();
    TfHTML* doc = FileNew(*w);
    doc->txtHTML()->ClearAll();
    doc->txtHTML()->InsertText(std::string_view("<P>\r\nx</P>"));
    w->runCommand("EditSelectAll");
    EXPECT_EQ(doc->txtHTML()->editor().selectedText(), "<P>\r\nx</P>");
}

TEST_F(DocumentTest, FindAgainInASecondWindowUsesTheTextSearchedInTheFirst) {
    auto w = startWired();
    TfHTML* a = FileNew(*w);
    TfHTML* b = FileNew(*w);
    a->txtHTML()->ClearAll();
    b->txtHTML()->ClearAll();
    a->txtHTML()->InsertText(std::string_view("alpha Needle"));
    b->txtHTML()->InsertText(std::string_view("needle in b\r\n"));
    a->txtHTML()->SetCaret(1, 1);
    b->txtHTML()->SetCaret(1, 1);
    EXPECT_FALSE(b->findAgainAction()->isEnabled()) << "disabled until a search succeeds";

    a->Find1Click();
    a->findDialog()->findField()->setText("NEEDLE");
    a->findDialog()->findNext();
    EXPECT_FALSE(a->findDialog()->isVisible()) << "the find dialog closes after each search";
    int sl, sc, el, ec;
    ASSERT_TRUE(a->txtHTML()->GetSelection(sl, sc, el, ec));
    EXPECT_EQ(sc, 7);
    EXPECT_TRUE(a->findAgainAction()->isEnabled());

    b->FindAgain1Click();
    ASSERT_TRUE(b->txtHTML()->GetSelection(sl, sc, el, ec));
    EXPECT_EQ(std::make_tuple(sl, sc, ec), std::make_tuple(1, 1, 7));
    EXPECT_EQ(activeHtmlDocument(*w), b);

    b->FindAgain1Click();  // no second match in b
    EXPECT_EQ(prompter->lastText(), "Search string not found !");
    EXPECT_FALSE(b->findAgainAction()->isEnabled());
}

TEST_F(DocumentTest, ReplaceReportsTheCountAndTheSearchMenuFollowsTheActiveDocument) {
    auto w = startWired();
    QStringList bar;
    for (QAction* a : w->menuBar()->actions()) bar << a->text();
    EXPECT_FALSE(bar.contains("&Search"));

    TfHTML* doc = FileNew(*w);
    bar.clear();
    for (QAction* a : w->menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar.indexOf("&Search"), bar.indexOf("&Edit") + 1);
    EXPECT_EQ(bar.indexOf("&Insert"), bar.indexOf("&Search") + 1);

    doc->txtHTML()->ClearAll();
    doc->txtHTML()->InsertText(std::string_view("cat Cat cat"));
    doc->txtHTML()->SetCaret(1, 1);
    doc->Replace1Click();
    TfReplace* d = doc->replaceDialog();
    d->findField()->setText("cat");
    d->replaceField()->setText("dog");
    d->matchCaseBox()->setChecked(true);
    d->replaceAll();
    EXPECT_TRUE(d->isVisible()) << "the replace dialog stays open";
    EXPECT_EQ(textOf(doc), "dog Cat dog");
    EXPECT_EQ(w->statusText(), "   2 : occurences were replaced.");
    d->replaceAll();
    EXPECT_EQ(w->statusText(), "   Ready ...");

    doc->txtHTML()->setModified(false);
    w->runCommand("FileCloseChild");
    QCoreApplication::processEvents();
    bar.clear();
    for (QAction* a : w->menuBar()->actions()) bar << a->text();
    EXPECT_FALSE(bar.contains("&Search"));
}

TEST_F(DocumentTest, AutoIndentAndWordWrapWriteTheirSettings) {
    auto w = startWired();
    TfHTML* doc = FileNew(*w);
    w->runCommand("SmartTabs1Click");
    EXPECT_FALSE(doc->txtHTML()->AutoIndent());
    EXPECT_EQ(iniValue("Editor", "Smart Tabs"), "0");
    w->runCommand("SmartTabs1Click");
    EXPECT_EQ(iniValue("Editor", "Smart Tabs"), "1");
    EXPECT_TRUE(w->menuAction("SmartTabs1Click")->isChecked());

    w->runCommand("WordWrap1Click");
    EXPECT_FALSE(doc->txtHTML()->WordWrap());
    EXPECT_EQ(doc->txtHTML()->ScrollBars(), TTextEditControl::ssBoth);
    EXPECT_EQ(iniValue("Editor", "Word Wrap"), "0");
    EXPECT_FALSE(w->menuAction("WordWrap1Click")->isChecked());

    // The next document reads both; auto-indent starts on whatever is stored.
    TfHTML* next = FileNew(*w);
    EXPECT_EQ(next->txtHTML()->TabType(), qm::TabType::ttSmart);
    EXPECT_FALSE(next->txtHTML()->WordWrap());
    EXPECT_TRUE(next->txtHTML()->AutoIndent());
}

TEST_F(DocumentTest, ClearAsksFirstAndEditingCommandsMarkModified) {
    auto w = startWired();
    TfHTML* doc = FileNew(*w);
    doc->txtHTML()->ClearAll();
    doc->txtHTML()->InsertText(std::string_view("keep"));
    doc->txtHTML()->setModified(false);
    prompter->answerConfirm(Prompter::No);
    w->runCommand("EditClear");
    EXPECT_EQ(textOf(doc), "keep");
    EXPECT_EQ(prompter->lastText(), "This action will remove all data from the document.\n\r\n\rAre You Sure ?");
    EXPECT_EQ(prompter->shown().last().buttons, Prompter::Yes | Prompter::No);
    EXPECT_EQ(w->statusText(), "   Ready ...");
    prompter->answerConfirm(Prompter::Yes);
    w->runCommand("EditClear");
    EXPECT_EQ(textOf(doc), "");
    EXPECT_TRUE(doc->txtHTML()->Modified());

    doc->txtHTML()->InsertText(std::string_view("ab"));
    doc->txtHTML()->SelectRange(1, 1, 1, 2);
    doc->txtHTML()->setModified(false);
    w->runCommand("EditCut");
    EXPECT_EQ(textOf(doc), "b");
    EXPECT_TRUE(doc->txtHTML()->Modified());
    w->runCommand("EditPaste");
    EXPECT_EQ(textOf(doc), "ab");
    w->runCommand("EditUndo");
    EXPECT_EQ(textOf(doc), "b");

    // Undo, Redo and Cut with nothing to do leave a saved document unmodified.
    TfHTML* fresh = FileNew(*w);
    ASSERT_FALSE(fresh->txtHTML()->Modified());
    for (const char* command : {"EditUndo", "EditRedoClick", "EditCut"}) {
        w->runCommand(command);
        EXPECT_FALSE(fresh->txtHTML()->Modified()) << command;
    }
}

// The position is the file line and the character column, whatever the
// wrapping and the bytes per character; the size is the saved file's.
TEST_F(DocumentTest, StatusPanelsShowFileLineCharacterColumnAndFileSize) {
    auto w = startWired();
    const QString crlf = makeFile("crlf.htm", "x\r\n");
    const struct {
        const char* name;
        std::function<TfHTML*()> make;
    } documents[] = {
        {"new (LF)", [&] { return FileNew(*w); }},
        {"opened CR LF file", [&] { return OpenDocument(*w, crlf); }},
    };
    for (const auto& d : documents) {
        SCOPED_TRACE(d.name);
        TfHTML* doc = d.make();
        TTextEditControl* c = doc->txtHTML();
        c->ClearAll();
        std::string words;
        for (int i = 0; i < 500; ++i) words += " word";  // wraps in any window
        c->InsertText(std::string_view("ab\r\n\xC3\xA9t\xC3\xA9" + words));
        QCoreApplication::processEvents();
        ASSERT_TRUE(c->WordWrap());
        ASSERT_GT(c->LineCount(), 3);
        // Display line 3 is the second file line's continuation.
        c->SetCaret(3, 3);
        QCoreApplication::processEvents();  // the caret move posts its refresh
        int column = 0;
        const int line = c->GetCaret(column);
        ASSERT_EQ(line, 3);
        const auto caret = c->editor().caret();
        ASSERT_EQ(caret.para.value, 2);
        const std::string before(c->GetParagraphText(2).substr(0, std::size_t(caret.pos.value - 1)));
        // Two two-byte characters in "été": two bytes more than characters.
        EXPECT_EQ(w->panel("pnlPos")->text().toStdString(),
                  "2:" + std::to_string(QString::fromUtf8(before).size() + 1));
        EXPECT_EQ(int(before.size()) - QString::fromUtf8(before).size(), 2);

        w->ShowStatus();
        ASSERT_TRUE(doc->saveTo(qpath(dir.file("size.htm"))));
        EXPECT_EQ(w->panel("pnlSize")->text().toStdString(),
                  "Bytes: " + std::to_string(fs::file_size(dir.file("size.htm"))));
        EXPECT_EQ(w->panel("pnlMode")->text(), "Insert");
        doc->subWindow()->close();
    }
}

// New documents are Linux files unless the user chose CR LF; the template's
// line ends do not carry over, and clearing the text keeps the choice.
TEST_F(DocumentTest, NewDocumentsAreSavedWithLfUnlessCrLfIsChosen) {
    auto w = startWired();
    for (const bool crlf : {false, true}) {
        SCOPED_TRACE(crlf ? "CR LF" : "LF");
        w->IniControl().WriteBool("Application Options", "New Documents CR LF", crlf);
        TfHTML* doc = FileNew(*w);
        const fs::path file = dir.file(crlf ? "crlf.htm" : "lf.htm");
        ASSERT_TRUE(doc->saveTo(qpath(file)));
        const std::string bytes = qmtest::readFile(file);
        ASSERT_NE(bytes.find('\n'), std::string::npos);
        EXPECT_EQ(bytes.find('\r') == std::string::npos, !crlf);
        doc->txtHTML()->ClearAll();
        doc->txtHTML()->InsertText(std::string_view("a\r\nb"));
        ASSERT_TRUE(doc->saveTo(qpath(file)));
        EXPECT_EQ(qmtest::readFile(file), crlf ? "a\r\nb\r\n" : "a\nb\n");
        doc->subWindow()->close();
    }
}

// A line far longer than the old 32,767-byte limit opens whole, with no
// message, and an unedited save writes it back unchanged.
TEST_F(DocumentTest, LongLinesOpenWholeAndSaveUnchanged) {
    auto w = startWired();
    std::string line;
    while (line.size() < 100000) line += "<span>x</span>";
    const std::string bytes = line + "\r\nshort\r\n";
    const QString path = makeFile("long.htm", bytes);
    TfHTML* doc = OpenDocument(*w, path);
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(prompter->shown().isEmpty()) << prompter->lastText().toStdString();
    EXPECT_EQ(doc->txtHTML()->ParagraphCount(), 3);
    EXPECT_EQ(doc->txtHTML()->GetParagraphText(1), line);
    ASSERT_TRUE(doc->saveTo(path));
    EXPECT_EQ(qmtest::readFile(path.toStdString()), bytes);
}

TEST_F(DocumentTest, DropAndPopupRepeatInsertTheLastTagPairAtTheSelection) {
    auto w = startWired();
    TfHTML* doc = FileNew(*w);
    doc->txtHTML()->ClearAll();
    doc->txtHTML()->InsertText(std::string_view("word"));
    doc->txtHTML()->SelectRange(1, 1, 1, 5);
    setLastTagPair("<B>", "</B>");
    doc->AcceptDrop();
    EXPECT_EQ(textOf(doc), "<B>word</B>");

    doc->txtHTML()->SetCaret(1, 1);
    QAction* repeat = nullptr;
    for (QAction* a : doc->popupMenu()->actions())
        if (a->text().startsWith("Repeat &Last Tag\t")) repeat = a;
    ASSERT_NE(repeat, nullptr);
    repeat->trigger();
    EXPECT_EQ(textOf(doc), "<B></B><B>word</B>");
}

TEST_F(DocumentTest, LineNumbersItemAppliesToEveryDocumentAndIsKept) {
    auto w = startWired();
    QAction* item = w->menuAction("LineNumbers1Click");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Line &Numbers");
    EXPECT_FALSE(item->isChecked());
    TfHTML* a = FileNew(*w);
    item->trigger();
    TfHTML* b = FileNew(*w);
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        EXPECT_EQ(item->isChecked(), shown);
        EXPECT_EQ(a->txtHTML()->ShowLineNumbers(), shown);
        EXPECT_EQ(b->txtHTML()->ShowLineNumbers(), shown) << "a document opened later follows the setting";
        EXPECT_EQ(iniValue("Editor", "Line Numbers"), shown ? "1" : "0");
        if (shown) item->trigger();
    }
    item->trigger();
    // The next run starts with the item checked.
    w.reset();
    TmdiMain again;
    installAllCommands(again);
    EXPECT_TRUE(again.menuAction("LineNumbers1Click")->isChecked());
}

TEST_F(DocumentTest, NewDocumentWindowsFillTheAreaUntilTiledAndTheChoiceIsKept) {
    auto w = startWired();
    QMdiSubWindow* first = FileNew(*w)->subWindow();
    EXPECT_TRUE(first->isMaximized());
    EXPECT_EQ(first->geometry(), w->mdiArea()->viewport()->rect());

    w->runCommand("WindowTile");
    QMdiSubWindow* second = FileNew(*w)->subWindow();
    EXPECT_FALSE(second->isMaximized()) << "after tiling, new windows stay normal";
    second->resize(500, 300);
    w->mdiArea()->setActiveSubWindow(second);
    w->runCommand("FileExit");
    EXPECT_EQ(iniValue("Application Options", "Document State"), "0");
    EXPECT_EQ(iniValue("Application Options", "Document Width"), "500");
    EXPECT_EQ(iniValue("Application Options", "Document Height"), "300");

    // The next run opens documents as the last one was left.
    w.reset();
    auto again = startWired({}, true);  // true: the settings file stays as written
    QMdiSubWindow* next = FileNew(*again)->subWindow();
    EXPECT_FALSE(next->isMaximized());
    EXPECT_EQ(next->size(), QSize(500, 300));
    // Maximising one makes the next one fill the area again.
    next->showMaximized();
    EXPECT_TRUE(FileNew(*again)->subWindow()->isMaximized());
}
