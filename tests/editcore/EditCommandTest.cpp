// Typing, deleting, Enter and Tab as the key map runs them, with the undo
// steps they leave behind.

#include "EditorTestUtil.h"

using namespace qm;
using edtest::Caret;
using edtest::caret;
using edtest::text;
using C = EditCommand;

TEST(Typing, InsertAndOverwriteModes) {
    TextEditor ed;
    edtest::load(ed, "abcd");
    edtest::type(ed, "xy");
    EXPECT_EQ(text(ed), "xyabcd");
    ed.executeCommand(C::ToggleMode);
    EXPECT_FALSE(ed.InsertMode());
    edtest::type(ed, "ZZ");
    EXPECT_EQ(text(ed), "xyZZcd");
    edtest::type(ed, "123");
    EXPECT_EQ(text(ed), "xyZZ123") << "at the paragraph end overwrite inserts";
    EXPECT_EQ(caret(ed), (Caret{1, 8}));
    ASSERT_TRUE(ed.Undo());
    EXPECT_EQ(text(ed), "xyZZ12") << "the insert at the end is a step of its own";
    ASSERT_TRUE(ed.Undo());
    EXPECT_EQ(text(ed), "xyabcd") << "consecutive overwrites merge into one step";
}

TEST(Typing, OverSelectionInsertsInEitherModeAsOneStep) {
    TextEditor ed;
    edtest::load(ed, "hello world");
    ed.setInsertMode(false);
    ed.SelectRange(1, 1, 1, 6);
    ed.typeChar("J");
    EXPECT_EQ(text(ed), "J world") << "overwrite with a selection deletes it and inserts";
    ed.Undo();
    EXPECT_EQ(text(ed), "hello world");
    EXPECT_TRUE(ed.Redo());
    EXPECT_EQ(text(ed), "J world");
}

TEST(Typing, TypedCharactersMergeUntilTheCaretMoves) {
    TextEditor ed;
    edtest::load(ed, "");
    edtest::type(ed, "abc");
    ed.moveLeft(false);
    edtest::type(ed, "X");
    EXPECT_EQ(text(ed), "abXc");
    ed.Undo();
    EXPECT_EQ(text(ed), "abc");
    ed.Undo();
    EXPECT_EQ(text(ed), "");
    EXPECT_FALSE(ed.Undo()) << "nothing left to undo";
}

TEST(Typing, ChangeEventAfterEditingCommandsOnly) {
    TextEditor ed;
    edtest::load(ed, "ab");
    int changes = 0;
    ed.OnChange = [&] { ++changes; };
    edtest::keys(ed, {C::Right, C::SelRight, C::Copy});
    EXPECT_EQ(changes, 0);
    ed.typeChar("x");
    edtest::keys(ed, {C::Backspace, C::NewLine, C::Tab, C::Undo});
    EXPECT_EQ(changes, 5);
    ed.setReadOnly(true);
    ed.typeChar("y");
    edtest::keys(ed, {C::Delete, C::Paste});
    EXPECT_EQ(changes, 5) << "a read-only control changes nothing";
}

TEST(Deleting, BackspaceAndDeleteAtParagraphEdges) {
    TextEditor ed;
    edtest::load(ed, "ab\r\ncd");
    ed.backspace();
    EXPECT_EQ(text(ed), "ab\r\ncd") << "Backspace at (1, 1) does nothing";
    ed.SetCaret(2, 1);
    ed.backspace();
    EXPECT_EQ(text(ed), "abcd");
    EXPECT_EQ(caret(ed), (Caret{1, 3}));
    ed.deleteChar();
    EXPECT_EQ(text(ed), "abd");
    ed.textEnd(false);
    ed.deleteChar();
    EXPECT_EQ(text(ed), "abd") << "Delete at the end of the text does nothing";
    ed.SelectRange(1, 1, 1, 3);
    ed.backspace();
    EXPECT_EQ(text(ed), "d") << "Backspace with a selection deletes the selection";
}

TEST(Deleting, DeleteBeyondTheEndJoinsWithPadding) {
    TextEditor ed;
    ed.setScrollPastEnd(true);
    edtest::load(ed, "ab\r\ncd");
    ed.SetCaret(1, 5);
    ed.deleteChar();
    EXPECT_EQ(text(ed), "ab  cd");
    EXPECT_EQ(caret(ed), (Caret{1, 5}));
    ed.SetCaret(1, 9);
    ed.backspace();
    EXPECT_EQ(text(ed), "ab  cd") << "Backspace beyond the end only moves the caret";
    EXPECT_EQ(caret(ed), (Caret{1, 8}));
}

TEST(Deleting, LineCommands) {
    TextEditor ed;
    edtest::load(ed, "one\r\ntwo\r\nthree");
    ed.SetCaret(2, 2);
    ed.deleteLine();
    EXPECT_EQ(text(ed), "one\r\nthree") << "a paragraph's last line takes its break along";
    ed.Undo();
    EXPECT_EQ(text(ed), "one\r\ntwo\r\nthree") << "delete line is one step";
    ed.SetCaret(3, 3);
    ed.deleteLine();
    EXPECT_EQ(text(ed), "one\r\ntwo\r\n") << "on the last line only its characters";

    edtest::load(ed, "abcdef");
    ed.SetCaret(1, 3);
    ed.deleteToLineEnd();
    EXPECT_EQ(text(ed), "ab");
    ed.deleteToLineStart();
    EXPECT_EQ(text(ed), "");

    ed.setWordWrap(true);
    ed.setWrapColumn(6);
    edtest::load(ed, "abcde fghij");
    ASSERT_EQ(ed.LineCount(), 2);
    ed.deleteLine();
    EXPECT_EQ(text(ed), "fghij") << "a wrapped line deletes to the next line's start";
}

TEST(Deleting, DeleteWord) {
    TextEditor ed;
    edtest::load(ed, "foo   bar,baz");
    ed.deleteWord();
    EXPECT_EQ(text(ed), "bar,baz") << "the word and the blanks after it";
    ed.SetCaret(1, 4);
    ed.deleteWord();
    EXPECT_EQ(text(ed), "barbaz") << "on a delimiter that is not a blank: that one character";
}

TEST(NewLine, AutoIndentWithTabsOrSpaces) {
    TextEditor ed;
    ed.setAutoIndent(true);
    ed.setTabSize(4);
    edtest::load(ed, "\t  code;");
    ed.moveLineEnd(false);
    ed.newLine();
    EXPECT_EQ(text(ed), "\t  code;\r\n\t  ") << "ttReal: 6 columns as one tab and two spaces";
    EXPECT_EQ(caret(ed), (Caret{2, 4}));

    ed.setTabType(TabType::ttSmart);
    edtest::load(ed, "\t  code;");
    ed.moveLineEnd(false);
    ed.newLine();
    EXPECT_EQ(text(ed), "\t  code;\r\n      ");
    EXPECT_EQ(caret(ed), (Caret{2, 7}));

    edtest::load(ed, "    ab");
    ed.SetCaret(1, 3);
    ed.newLine();
    EXPECT_EQ(text(ed), "\r\n    ab") << "indent counted only up to the caret, blanks before it trimmed";
    EXPECT_EQ(caret(ed), (Caret{2, 3}));
}

TEST(NewLine, AtColumnOneOpensAnEmptyLineAbove) {
    TextEditor ed;
    ed.setAutoIndent(true);
    edtest::load(ed, "    indented");
    ed.newLine();
    EXPECT_EQ(text(ed), "\r\n    indented");
    EXPECT_EQ(caret(ed), (Caret{2, 1}));
    ed.Undo();
    EXPECT_EQ(text(ed), "    indented");
}

TEST(NewLine, OverwriteModeOnlyMovesTheCaret) {
    TextEditor ed;
    ed.setInsertMode(false);
    edtest::load(ed, "abc\r\ndef");
    ed.SetCaret(1, 2);
    ed.newLine();
    EXPECT_EQ(text(ed), "abc\r\ndef");
    EXPECT_EQ(caret(ed), (Caret{2, 1}));
    ed.newLine();
    EXPECT_EQ(caret(ed), (Caret{2, 4})) << "on the last paragraph: the end of the text";
}

TEST(NewLine, SplitTrimsBlanksBeforeTheCaretAndReplacesASelection) {
    TextEditor ed;
    edtest::load(ed, "ab   cd");
    ed.SetCaret(1, 6);
    ed.newLine();
    EXPECT_EQ(text(ed), "ab\r\ncd");
    edtest::load(ed, "abXYcd");
    ed.SelectRange(1, 3, 1, 5);
    ed.newLine();
    EXPECT_EQ(text(ed), "ab\r\ncd");
    ed.Undo();
    EXPECT_EQ(text(ed), "abXYcd") << "selection and split are one step";
}

TEST(Tab, RealFixedAndSmart) {
    TextEditor ed;
    ed.setTabSize(4);
    edtest::load(ed, "ab");
    ed.SetCaret(1, 2);
    ed.tab();
    EXPECT_EQ(text(ed), "a\tb");

    ed.setTabType(TabType::ttFixed);
    edtest::load(ed, "ab");
    ed.SetCaret(1, 2);
    ed.tab();
    EXPECT_EQ(text(ed), "a   b") << "to the next stop: 3 spaces from column 2";
    ed.tab();
    EXPECT_EQ(text(ed), "a       b") << "from column 5 a full stop of 4";

    ed.setTabType(TabType::ttSmart);
    edtest::load(ed, "int   value;\r\nx");
    ed.SetCaret(2, 2);
    ed.tab();
    EXPECT_EQ(text(ed), "int   value;\r\nx     ") << "up to the next word of the line above";
    EXPECT_EQ(caret(ed), (Caret{2, 7}));

    edtest::load(ed, "abc");
    ed.SetCaret(1, 2);
    ed.tab();
    EXPECT_EQ(text(ed), "a   bc") << "in the first paragraph smart behaves as fixed";

    edtest::load(ed, "\r\n\r\nab    cd");
    ed.SetCaret(2, 1);
    ed.tab();
    EXPECT_EQ(text(ed), "\r\n      \r\nab    cd") << "line above empty: the line below decides";
}

TEST(Tab, OverwriteReplacesAsManyCharactersAsSpaces) {
    TextEditor ed;
    ed.setTabType(TabType::ttFixed);
    ed.setTabSize(4);
    ed.setInsertMode(false);
    edtest::load(ed, "abcdefg");
    ed.tab();
    EXPECT_EQ(text(ed), "    efg");
    ed.Undo();
    EXPECT_EQ(text(ed), "abcdefg");
}
