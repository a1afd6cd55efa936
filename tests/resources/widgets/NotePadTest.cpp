// The note pad keeps its text in notes.txt: written on close, at program
// end and after typing, read back on the next run; never replaced unread.

#include <QPlainTextEdit>
#include <QTest>

#include "DocumentFixture.h"
#include "Paths.h"
#include "PickLists.h"
#include "TfNotePad.h"

namespace {

class NotePadTest : public DocumentTest {
protected:
    TfNotePad* showNotePad(TmdiMain& w) {
        w.runCommand("DisplayNotePad1Click");
        auto* pad = w.findChild<TfNotePad*>();
        EXPECT_TRUE(pad && pad->isVisible());
        return pad;
    }
    static std::string notesFile() {
        std::error_code ec;
        const auto p = paths::dataFile("notes.txt");
        return std::filesystem::exists(p, ec) ? qmtest::readFile(p) : "<none>";
    }
};

}  // namespace

TEST_F(NotePadTest, TypedTextSurvivesCloseAndRestart) {
    auto w = startWired();
    TfNotePad* pad = showNotePad(*w);
    EXPECT_EQ(pad->windowTitle(), "Quillmar NotePad");
    EXPECT_EQ(pad->editor()->toPlainText().toStdString(), picklists::welcomeNotes());
    pad->editor()->setPlainText("line one\nline two");
    pad->close();
    EXPECT_EQ(notesFile(), "line one\r\nline two");
    w.reset();

    auto again = startWired();
    EXPECT_EQ(showNotePad(*again)->editor()->toPlainText(), "line one\nline two");
}

TEST_F(NotePadTest, ProgramEndAndAPauseInTypingWriteTheText) {
    auto w = startWired();
    TfNotePad* pad = showNotePad(*w);
    QTest::keyClicks(pad->editor(), "typed");
    EXPECT_TRUE(QTest::qWaitFor([] { return notesFile().find("typed") != std::string::npos; },
                                TfNotePad::kAutoSaveMs * 4));
    QTest::keyClicks(pad->editor(), " more");
    w.reset();  // the window goes without being closed
    EXPECT_NE(notesFile().find("typed more"), std::string::npos);
}

TEST_F(NotePadTest, NotesAreNeverWrittenUnread) {
    auto w = startWired();
    w.reset();  // never shown
    EXPECT_EQ(notesFile(), "<none>");

    // A notes.txt that cannot be read (here not a regular file) is left alone.
    std::filesystem::create_directory(paths::dataFile("notes.txt"));
    qmtest::writeFile(paths::dataFile("notes.txt") / "inside", "kept");
    auto again = startWired();
    TfNotePad* pad = showNotePad(*again);
    QTest::keyClicks(pad->editor(), "x");
    pad->close();
    again.reset();
    EXPECT_EQ(qmtest::readFile(paths::dataFile("notes.txt") / "inside"), "kept");
    EXPECT_TRUE(prompter->shown().empty());
}

TEST_F(NotePadTest, AFailedWriteSaysCannotCreateFile) {
    auto w = startWired();
    TfNotePad* pad = showNotePad(*w);
    qmtest::writeFile(paths::dataFile("notes.txt"), "old\r\n");
    std::filesystem::permissions(paths::dataFile("notes.txt"), std::filesystem::perms::owner_read);
    pad->close();
    ASSERT_EQ(prompter->shown().size(), 1);
    EXPECT_TRUE(prompter->shown()[0].text.startsWith("Cannot create file " +
                                                       QString::fromStdString(paths::dataFile("notes.txt").string())));
    EXPECT_EQ(notesFile(), "old\r\n");
    std::filesystem::permissions(paths::dataFile("notes.txt"), std::filesystem::perms::owner_all);
}
