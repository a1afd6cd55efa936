// A document's file changed, replaced or deleted by another program while it
// is open: nothing of either side is lost and nothing is overwritten unasked.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <functional>

#include "DocumentFixture.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TmdiMain.h"

namespace fs = std::filesystem;

namespace {

void replaceByRename(const fs::path& p, const std::string& bytes) {
    const fs::path tmp = p.string() + ".tmp";
    qmtest::writeFile(tmp, bytes);
    fs::rename(tmp, p);
}

const QStringList kAnswers{"Reload", "Overwrite", "Save As", "Cancel"};

}  // namespace

// The watcher notices each kind of change, with and without unsaved text.
TEST_F(DocumentTest, ChangesOnDiskAreNoticedWhileTheDocumentIsOpen) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> act;
        bool edited;
        std::string text;      // the document's text afterwards
        const char* answer;    // the answer to the question, or nullptr when not asked
        std::string onDisk;    // the file afterwards ("" when gone)
        bool modified;
        const char* status;    // the end of the status line, or "" when untouched
    };
    const char* reloaded = " was changed by another program and has been reloaded.";
    const char* gone = " was deleted or renamed by another program.";
    const Case cases[] = {
        {"in place, unedited", [](const fs::path& p) { qmtest::writeFile(p, "theirs\n"); }, false, "theirs\n", nullptr,
         "theirs\n", false, reloaded},
        {"by rename, unedited", [](const fs::path& p) { replaceByRename(p, "renamed in\n"); }, false, "renamed in\n",
         nullptr, "renamed in\n", false, reloaded},
        {"deleted, unedited", [](const fs::path& p) { fs::remove(p); }, false, "old\n", nullptr, "", true, gone},
        {"in place, edited", [](const fs::path& p) { qmtest::writeFile(p, "theirs\n"); }, true, "mine old\n", "Cancel",
         "theirs\n", true, ""},
        {"by rename, edited", [](const fs::path& p) { replaceByRename(p, "renamed in\n"); }, true, "mine old\n",
         "Overwrite", "mine old\n", false, ""},
        {"renamed away, edited", [](const fs::path& p) { fs::rename(p, p.string() + ".bak"); }, true, "mine old\n",
         nullptr, "", true, gone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto w = startWired();
        const fs::path page = dir.file("page.html");
        qmtest::writeFile(page, "old\n");
        TfHTML* doc = OpenDocument(*w, qpath(page));
        ASSERT_NE(doc, nullptr);
        if (c.edited) doc->txtHTML()->InsertText(std::string_view("mine "));
        prompter->clearShown();
        if (c.answer) prompter->answerChoice(c.answer);
        const QString before = w->statusText();
        c.act(page);
        const bool seen = QTest::qWaitFor([&] {
            return textOf(doc) == c.text && (!c.answer || !prompter->shown().isEmpty()) &&
                   (*c.status == 0 || w->statusText() != before);
        }, 3000);
        EXPECT_TRUE(seen) << textOf(doc);
        // Other files of the folder changing ask nothing more.
        qmtest::writeFile(dir.file("other.txt"), c.name);
        QTest::qWait(400);
        EXPECT_EQ(doc->txtHTML()->Modified(), c.modified);
        EXPECT_EQ(fs::exists(page) ? qmtest::readFile(page) : "", c.onDisk);
        if (c.answer) {
            ASSERT_EQ(prompter->shown().size(), 1);
            EXPECT_EQ(prompter->shown()[0].kind, ScriptedPrompter::Kind::Choice);
            EXPECT_EQ(prompter->lastText(), qpath(page) + " was changed by another program.");
            EXPECT_EQ(prompter->shown()[0].detail, kAnswers.join('|'));
        } else {
            EXPECT_TRUE(prompter->shown().isEmpty());
        }
        if (*c.status) {
            EXPECT_EQ(w->statusText().trimmed(), qpath(page) + c.status);
        }
        fs::remove(page);
        doc->txtHTML()->setModified(false);
        w.reset();
    }
}

// Saving over a file another program changed asks first; each answer keeps
// both texts somewhere.
TEST_F(DocumentTest, SavingOverAnotherProgramsChangeAsksFirst) {
    struct Case {
        const char* answer;
        std::string onDisk;       // the file afterwards
        std::string docText;      // the document's text afterwards
        bool modified;
        int documents;            // windows open afterwards
        std::string copy;         // the Save As file, or "" when none
    };
    const Case cases[] = {
        {"Reload", "theirs\n", "theirs\n", false, 2, ""},
        {"Overwrite", "mine old\n", "mine old\n", false, 1, ""},
        {"Save As", "theirs\n", "mine old\n", false, 1, "mine old\n"},
        {"Cancel", "theirs\n", "mine old\n", true, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        auto w = startWired();
        const fs::path page = dir.file("page.html");
        const fs::path copy = dir.file("copy.html");
        qmtest::writeFile(page, "old\n");
        TfHTML* doc = OpenDocument(*w, qpath(page));
        ASSERT_NE(doc, nullptr);
        doc->txtHTML()->InsertText(std::string_view("mine "));
        replaceByRename(page, "theirs\n");  // saved before the watcher looks
        prompter->clearShown();
        prompter->answerChoice(c.answer);
        if (!c.copy.empty()) prompter->answerSave(qpath(copy));
        w->runCommand("FileSave");
        EXPECT_EQ(prompter->shown().first().text, qpath(page) + " was changed by another program.");
        EXPECT_EQ(qmtest::readFile(page), c.onDisk);
        EXPECT_EQ(textOf(doc), c.docText);
        EXPECT_EQ(doc->txtHTML()->Modified(), c.modified);
        EXPECT_EQ(w->mdiArea()->subWindowList().size(), c.documents);
        if (c.documents == 2) {
            const TfHTML* kept = htmlDocuments(*w).last();
            EXPECT_TRUE(kept->isUntitled());
            EXPECT_EQ(textOf(kept), "mine old\n");
            EXPECT_TRUE(kept->txtHTML()->Modified());
        }
        if (!c.copy.empty()) {
            EXPECT_EQ(qmtest::readFile(copy), c.copy);
        }
        for (TfHTML* d : htmlDocuments(*w)) d->txtHTML()->setModified(false);
        w.reset();
        fs::remove(page);
        fs::remove(copy);
    }
}

// Our own saves, by rename or in place, are not taken for another program's.
TEST_F(DocumentTest, OwnSavesAreNotMistakenForChangesOnDisk) {
    auto w = startWired();
    const fs::path page = dir.file("page.html");
    qmtest::writeFile(page, "old\n");
    TfHTML* doc = OpenDocument(*w, qpath(page));
    ASSERT_NE(doc, nullptr);
    for (const char* typed : {"one ", "two "}) {
        doc->txtHTML()->InsertText(std::string_view(typed));
        w->runCommand("FileSave");
        QTest::qWait(400);  // the watcher has had its say
    }
    EXPECT_EQ(qmtest::readFile(page), "one two old\n");
    EXPECT_TRUE(prompter->shown().isEmpty());
    // The watch follows the new file a save put under the name.
    qmtest::writeFile(page, "theirs\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return textOf(doc) == "theirs\n"; }, 3000)) << textOf(doc);
}
