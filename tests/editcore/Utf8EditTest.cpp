// UTF-8 text: the caret and the editing commands never stop inside a valid
// multi-byte sequence, other bytes are characters of their own, columns stay
// byte columns, and a file comes back byte for byte.

#include "EditorTestUtil.h"
#include "TestSupport.h"

using namespace qm;
using edtest::Caret;
using edtest::caret;
using edtest::text;

namespace {
// "aé€😀" then a lone 0xE9 (Latin-1 é, not UTF-8) and "z".
const std::string kMixed = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xE9z";
}  // namespace

TEST(Utf8Editing, CaretStepsOverWholeCharacters) {
    TextEditor ed;
    edtest::load(ed, kMixed);
    std::vector<int> cols;
    for (int i = 0; i < 7; ++i) {
        cols.push_back(caret(ed).col);
        ed.moveRight(false);
    }
    EXPECT_EQ(cols, (std::vector<int>{1, 2, 4, 7, 11, 12, 13})) << "byte columns of each character";
    for (int i = 6; i > 0; --i) {
        ed.moveLeft(false);
        EXPECT_EQ(caret(ed).col, cols[i - 1]);
    }
    ed.SetCaret(1, 5);
    EXPECT_EQ(caret(ed), (Caret{1, 4})) << "a column inside '€' lands on its start";
    ed.SelectRange(1, 3, 1, 9);
    EXPECT_EQ(ed.selectedText(), "\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(ed.GetDisplayLine(1, 5), "a\xC3\xA9") << "a cut display line ends on a whole character";
}

TEST(Utf8Editing, BackspaceDeleteAndOverwriteTakeWholeCharacters) {
    TextEditor ed;
    edtest::load(ed, kMixed);
    ed.SetCaret(1, 11);  // after the emoji
    ed.backspace();
    EXPECT_EQ(text(ed), "a\xC3\xA9\xE2\x82\xAC\xE9z");
    ed.SetCaret(1, 2);
    ed.deleteChar();
    EXPECT_EQ(text(ed), "a\xE2\x82\xAC\xE9z");
    ed.setInsertMode(false);
    ed.typeChar("x");
    EXPECT_EQ(text(ed), "ax\xE9z") << "overwrite replaces the whole '€'";
    ed.typeChar("\xC3\xBC");
    EXPECT_EQ(text(ed), "ax\xC3\xBCz") << "a lone byte is one character too";
    EXPECT_EQ(caret(ed), (Caret{1, 5}));
}

TEST(Utf8Editing, DisplayColumnsCountCharacters) {
    TextEditor ed;
    edtest::load(ed, "\xC3\xA9\xC3\xA9x\r\nabcdef");
    ed.SetCaret(1, 5);  // on x: display column 3
    ed.moveDown(false);
    EXPECT_EQ(caret(ed), (Caret{2, 3}));
    ed.moveUp(false);
    EXPECT_EQ(caret(ed), (Caret{1, 5}));
    ed.mouseDown(1, 2, false);
    EXPECT_EQ(caret(ed), (Caret{1, 3}));
}

TEST(Utf8Editing, WordMovesTreatMultiByteCharactersAsLetters) {
    TextEditor ed;
    edtest::load(ed, "grüße aus köln");
    ed.moveWordRight(false);
    EXPECT_EQ(caret(ed).col, 9);
    ed.moveWordRight(false);
    ed.moveWordRight(false);
    EXPECT_EQ(caret(ed).col, 18);
    ed.selectWordAt(1, 13, false);
    EXPECT_EQ(ed.selectedText(), "köln");
}

TEST(Utf8Editing, EditedFileIsWrittenBackByteIdentical) {
    qmtest::TempDir dir;
    std::string original = "<p>" + kMixed + "</p>\r\n\xE2\x80\x94 caf\xC3\xA9 \xFF\xFE\r\n";
    qmtest::writeFile(dir.file("in.html"), original);
    TextEditor ed;
    ASSERT_TRUE(ed.LoadFromFile(dir.file("in.html").string()).ok);

    // Edit around the multi-byte characters, then undo everything.
    ed.SetCaret(1, 7);
    ed.typeChar("\xE2\x82\xAC");
    ed.backspace();
    ed.backspace();
    ed.SetCaret(2, 1);
    ed.deleteChar();
    ed.moveLineEnd(false);
    ed.backspace();
    ed.newLine();
    EXPECT_EQ(ed.ReplaceText("caf\xC3\x89", "CAFE", soReplaceAll | soWholeText), 1);
    while (ed.store().CanUndo()) ed.Undo();
    ASSERT_TRUE(ed.SaveToFile(dir.file("out.html").string()).ok);
    EXPECT_EQ(qmtest::readFile(dir.file("out.html")), original);

    // Cut and paste inside the editor keeps every byte too.
    ed.SelectRange(1, 4, 1, 17);
    ASSERT_TRUE(ed.CutToClipboard());
    ed.PasteFromClipboard();
    ASSERT_TRUE(ed.SaveToFile(dir.file("again.html").string()).ok);
    EXPECT_EQ(qmtest::readFile(dir.file("again.html")), original);
}
