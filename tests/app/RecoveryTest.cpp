// Unsaved documents kept in recovery journals, and the start-up window that
// gives them back after a run was killed.

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <filesystem>

#include "DocumentFixture.h"
#include "Journal.h"
#include "ModalRunner.h"
#include "Paths.h"
#include "RecoveryWindow.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TmdiMain.h"

namespace fs = std::filesystem;
using recovery::JournalEdit;

namespace {

fs::path journalFolder() { return paths::dataDir() / "recovery"; }

std::vector<fs::path> journals() {
    std::vector<fs::path> out;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(journalFolder(), ec)) out.push_back(e.path());
    return out;
}

// A journal as a killed run leaves it: the header, then the records.
void leaveJournal(const std::string& name, const std::string& path, const std::vector<JournalEdit>& edits,
                  std::size_t cut = 0) {
    fs::create_directories(journalFolder());
    recovery::JournalHeader h;
    h.path = path;
    h.base = recovery::identityOf(path);
    std::string bytes = recovery::encodeHeader(h);
    for (const JournalEdit& e : edits) bytes += recovery::encodeEdit(e);
    qmtest::writeFile(journalFolder() / name, bytes.substr(0, bytes.size() - cut));
}

JournalEdit typed(std::uint64_t para, std::uint64_t at, std::string bytes) {
    return {JournalEdit::Kind::Replace, recovery::nowMs(), para, at, 0, bytes, {}};
}
JournalEdit whole(std::vector<std::string> paras) {
    return {JournalEdit::Kind::Text, recovery::nowMs(), 0, 0, 0, {}, paras};
}

}  // namespace

TEST_F(DocumentTest, TheRecoveryWindowGivesBackWhatAKilledRunLeft) {
    struct Case {
        const char* name;
        std::string fileBefore;  // "" : untitled
        std::string fileNow;     // the file at start-up
        std::vector<JournalEdit> edits;
        std::size_t cut;
        const char* action;          // chosen in the window
        int documents;               // document windows afterwards
        std::string text;            // the active document's text
        bool journalKept;            // the old journal is still there
        const char* note;            // in the message afterwards, or nullptr when none
    };
    const Case cases[] = {
        {"titled, replayed onto its file", "old\n", "old\n", {typed(1, 0, "new ")}, 0, RecoveryWindow::kRecover, 1,
         "new old\n", false, nullptr},
        {"untitled", "", "", {whole({"draft", ""}), typed(1, 5, "!")}, 0, RecoveryWindow::kRecover, 1, "draft!\n",
         false, nullptr},
        {"file changed since: beside its current version", "old\n", "theirs\n", {whole({"mine", ""})}, 0,
         RecoveryWindow::kRecover, 2, "mine\n", false, "changed after its unsaved changes were made"},
        {"damaged journal", "old\n", "old\n", {typed(1, 0, "a"), typed(1, 1, "b")}, 3, RecoveryWindow::kRecover, 1,
         "aold\n", false, "was damaged"},
        {"discarded", "old\n", "old\n", {typed(1, 0, "x")}, 0, RecoveryWindow::kDiscard, 0, "", false, nullptr},
        {"decided later", "", "", {whole({"later"})}, 0, RecoveryWindow::kLater, 0, "", true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(journalFolder());
        std::string path;
        if (!c.fileBefore.empty()) {
            path = dir.file("page.html").string();
            qmtest::writeFile(path, c.fileBefore);
        }
        leaveJournal("1-1-1.journal", path, c.edits, c.cut);
        if (c.fileNow != c.fileBefore) qmtest::writeFile(path, c.fileNow);

        QStringList rows;
        const ModalRunner before = setModalRunner([&](QDialog& d) {
            auto& window = dynamic_cast<RecoveryWindow&>(d);
            for (int row = 0; row < window.table()->rowCount(); ++row) {
                rows << window.table()->item(row, 0)->text();
                window.actionBox(row)->setCurrentText(QString::fromLatin1(c.action));
            }
            window.okButton()->click();
            return d.result();
        });
        // The start-up offers them, once the main window shows.
        prompter->clearShown();
        auto w = startWired();
        setModalRunner(before);

        EXPECT_EQ(rows, QStringList{path.empty() ? QStringLiteral("Untitled") : qpath(path)});
        EXPECT_EQ(htmlDocuments(*w).size(), c.documents);
        if (c.documents > 0) {
            TfHTML* doc = activeHtmlDocument(*w);
            ASSERT_NE(doc, nullptr);
            EXPECT_EQ(textOf(doc), c.text);
            EXPECT_TRUE(doc->txtHTML()->Modified());
            // The recovered text is in the document's own journal before the old one goes.
            EXPECT_FALSE(doc->journal().file().empty());
            if (c.documents == 2) {
                EXPECT_EQ(textOf(htmlDocuments(*w).at(0)), "theirs\n");
            }
        }
        EXPECT_EQ(fs::exists(journalFolder() / "1-1-1.journal"), c.journalKept);
        if (c.note) {
            ASSERT_EQ(prompter->texts().size(), 1);
            EXPECT_TRUE(prompter->texts().at(0).contains(QString::fromLatin1(c.note))) << prompter->texts().at(0).toStdString();
        } else {
            EXPECT_TRUE(prompter->texts().isEmpty());
        }
        for (TfHTML* doc : htmlDocuments(*w)) doc->txtHTML()->setModified(false);
    }
}

// A document's journal exists while it has unsaved changes: saving or closing
// without saving removes it.
TEST_F(DocumentTest, AJournalLivesWhileChangesAreUnsaved) {
    auto w = startWired();
    TfHTML* doc = OpenDocument(*w, makeFile("page.html", "text\n"));
    ASSERT_NE(doc, nullptr);
    doc->txtHTML()->InsertText("typed ");
    ASSERT_TRUE(doc->flushJournal());
    ASSERT_EQ(journals().size(), 1u);

    ASSERT_TRUE(doc->saveTo(doc->filePath()));
    EXPECT_TRUE(journals().empty());

    doc->txtHTML()->InsertText("more ");
    ASSERT_TRUE(doc->flushJournal());
    ASSERT_EQ(journals().size(), 1u);
    prompter->answerConfirm(Prompter::No);
    doc->subWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(journals().empty());
}
