// TParagraphStore edits, limits, undo/redo results and change reports.

#include "TParagraphStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qm;

namespace {

TextPos at(int p, int c) { return {ParaNum(p), ParaPos(c)}; }

std::vector<std::string> paras(const TParagraphStore& s) {
    std::vector<std::string> out;
    for (int i = 1; i <= s.ParagraphCount(); ++i) out.emplace_back(s.paragraphText(ParaNum(i)));
    return out;
}

using Lines = std::vector<std::string>;

struct Recorder : TextObserver {
    std::vector<std::pair<int, int>> calls;
    void linesChanged(LineNum first, LineNum last) override { calls.emplace_back(first.value, last.value); }
};

}  // namespace

TEST(ParagraphStore, NewStoreIsOneEmptyParagraph) {
    TParagraphStore s;
    EXPECT_EQ(s.ParagraphCount(), 1);
    EXPECT_EQ(s.LineCount(), 1);
    EXPECT_EQ(s.ByteCount(), 0);
    EXPECT_FALSE(s.Modified());
    EXPECT_FALSE(s.CanUndo());
    s.check();
}

TEST(ParagraphStore, TypingThenTwoBackspacesIsTwoUndoSteps) {
    TParagraphStore s;
    for (int i = 0; i < 3; ++i) ASSERT_EQ(s.insertBytes(ParaNum(1), ParaPos(i + 1), std::string(1, "abc"[i])), 0);
    ASSERT_EQ(s.deleteBytes(ParaNum(1), ParaPos(3), 1), 0);
    ASSERT_EQ(s.deleteBytes(ParaNum(1), ParaPos(2), 1), 0);
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "a");
    UndoResult u = s.undo();
    EXPECT_TRUE(u.done);
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "abc");
    EXPECT_EQ(u.caret, at(1, 2));
    s.undo();
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "");
    EXPECT_FALSE(s.Modified());
    EXPECT_FALSE(s.undo().done);
    UndoResult r = s.redo();
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "abc");
    EXPECT_EQ(r.caret, at(1, 4));  // after the bytes
    s.check();
}

TEST(ParagraphStore, InsertTextWithLineBreaksIsOneGroup) {
    TParagraphStore s;
    TextPos end;
    ASSERT_EQ(s.insertText(at(1, 1), "x\r\ny", &end), 0);
    EXPECT_EQ(paras(s), (Lines{"x", "y"}));
    EXPECT_EQ(end, at(2, 2));
    s.undo();
    EXPECT_EQ(paras(s), (Lines{""}));
    s.check();
}

TEST(ParagraphStore, InsertTextLineEndForms) {
    TParagraphStore s;
    ASSERT_EQ(s.insertText(at(1, 1), "ab"), 0);
    // Bare LF breaks, a CR inside a piece is a character, a trailing lone CR breaks.
    TextPos end;
    ASSERT_EQ(s.insertText(at(1, 2), "1\n2\r3\r\r\n4\r", &end), 0);
    EXPECT_EQ(paras(s), (Lines{"a1", "2\r3", "4", "b"}));
    EXPECT_EQ(end, at(4, 1));
    s.check();
}

TEST(ParagraphStore, SplitTrimsBlanksBeforeTheCaretAndIndents) {
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "ab  cd  ");
    ASSERT_EQ(s.split(at(1, 5), true, 10, 4), 0);
    EXPECT_EQ(paras(s), (Lines{"ab", "\t\t  cd  "}));
    // At the very end the trailing blanks stay; indentation of spaces only.
    ASSERT_EQ(s.split(at(2, 9), true, 3, 0), 0);
    EXPECT_EQ(paras(s), (Lines{"ab", "\t\t  cd  ", "   "}));
    UndoResult u = s.undo();
    EXPECT_EQ(u.caret, at(2, 9));
    u = s.undo();
    EXPECT_EQ(u.caret, at(1, 5));
    EXPECT_EQ(paras(s), (Lines{"ab  cd  "}));
    UndoResult r = s.redo();
    EXPECT_EQ(r.caret, at(2, 5));  // after the indentation
    s.check();
}

TEST(ParagraphStore, SplitAtColumnOneInsertsAnEmptyParagraphAbove) {
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "  text");
    ASSERT_EQ(s.split(at(1, 1), true, 2, 0), 0);
    EXPECT_EQ(paras(s), (Lines{"", "  text"}));
}

TEST(ParagraphStore, JoinPadsBeyondTheEndAndDeletesAnEmptyParagraph) {
    TParagraphStore s;
    s.insertText(at(1, 1), "ab\r\ncd\r\n\r\nef");
    ASSERT_EQ(s.join(at(1, 5)), 0);
    EXPECT_EQ(paras(s), (Lines{"ab  cd", "", "ef"}));
    ASSERT_EQ(s.join(at(2, 1)), 0);  // empty paragraph at 1: it goes
    EXPECT_EQ(paras(s), (Lines{"ab  cd", "ef"}));
    ASSERT_EQ(s.join(at(2, 3)), 0);  // the last paragraph: nothing
    EXPECT_EQ(s.ParagraphCount(), 2);
    s.undo();
    s.undo();
    EXPECT_EQ(paras(s), (Lines{"ab", "cd", "", "ef"}));
    s.check();
}

TEST(ParagraphStore, DeleteRangeAcrossParagraphs) {
    TParagraphStore s;
    s.insertText(at(1, 1), "one\r\ntwo\r\nthree\r\nfour");
    ASSERT_EQ(s.deleteRange(at(1, 2), at(3, 3)), 0);
    EXPECT_EQ(paras(s), (Lines{"oree", "four"}));
    s.undo();
    EXPECT_EQ(paras(s), (Lines{"one", "two", "three", "four"}));
    ASSERT_EQ(s.deleteRange(at(2, 1), at(4, 1)), 0);  // whole paragraphs
    EXPECT_EQ(paras(s), (Lines{"one", "four"}));
    EXPECT_EQ(s.ByteCount(), 3 + 4 + 2);
    s.check();
}

TEST(ParagraphStore, LimitCodesInTheirOrder) {
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "abcd");
    s.setParaLengthLimit(5);
    s.setByteLimit(8);
    EXPECT_EQ(s.insertBytes(ParaNum(1), ParaPos(1), "xy"), kErrParagraphTooLong);
    EXPECT_EQ(s.insertBytes(ParaNum(1), ParaPos(1), "xyzuvw"), kErrTextTooLarge);  // bytes checked first
    s.setParaLimit(1);
    // The last paragraph "abcd" is not empty: no extra paragraph allowed, and
    // the paragraph check comes before the byte check.
    EXPECT_EQ(s.insertParagraphAfter(ParaNum(1), std::string(20, 'q')), kErrTooManyParagraphs);
    EXPECT_EQ(s.split(at(1, 3), true, 0, 0), kErrTooManyParagraphs);
    EXPECT_EQ(paras(s), (Lines{"abcd"}));  // failed checks change nothing
    EXPECT_EQ(s.undo().done, true);
    EXPECT_FALSE(s.CanUndo());
    s.check();
}

TEST(ParagraphStore, ParaLimitAllowsOneMoreWhenTheLastParagraphIsEmpty) {
    TParagraphStore s;
    s.setParaLimit(1);
    ASSERT_EQ(s.insertParagraphBefore(ParaNum(1), "a"), 0);
    EXPECT_EQ(s.ParagraphCount(), 2);
    EXPECT_EQ(s.insertParagraphBefore(ParaNum(1), "b"), kErrTooManyParagraphs);
    // Typing into the extra (empty, last) paragraph would make it count.
    EXPECT_EQ(s.insertBytes(ParaNum(2), ParaPos(1), "x"), kErrTooManyParagraphs);
}

TEST(ParagraphStore, JoinThatWouldExceedTheParagraphSizeFails) {
    TParagraphStore s;
    s.insertText(at(1, 1), "abc\r\ndef");
    s.setParaLengthLimit(5);
    EXPECT_EQ(s.join(at(1, 4)), kErrJoinTooLong);
    EXPECT_EQ(paras(s), (Lines{"abc", "def"}));
    EXPECT_STREQ(textEditErrorMessage(266), "Cannot join paragraphs. New paragraph size exceeds maximum paragraph size");
    EXPECT_STREQ(textEditErrorMessage(263), "insufficient memory for requested operation");
    EXPECT_STREQ(textEditErrorMessage(265), "Current operation will exceed the maximum number of allowed paragraphs");
    EXPECT_STREQ(textEditErrorMessage(267), "Current operation will exceed the maximum editor text size");
    EXPECT_STREQ(textEditErrorMessage(268), "Current operation will exceed the maximum paragraph size");
    EXPECT_STREQ(textEditErrorMessage(999), "Unknown Error condition");
}

TEST(ParagraphStore, InsertBeyondTheEndPadsAndUndoesAsOne) {
    TParagraphStore s;
    s.replaceBytes(ParaNum(1), ParaPos(1), 0, "ab");  // not a typing run the padding could join
    ASSERT_EQ(s.insertBytes(ParaNum(1), ParaPos(6), "X"), 0);
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "ab   X");
    UndoResult u = s.undo();
    EXPECT_EQ(u.caret, at(1, 3));  // where the padding began
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "ab");
}

TEST(ParagraphStore, ModifiedFlagAcrossSaveUndoAndRedo) {
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "a");
    s.insertBytes(ParaNum(1), ParaPos(5), "b");
    s.setModified(false);  // saved
    s.undo();
    EXPECT_TRUE(s.Modified());  // the change before the save is undone
    s.redo();
    EXPECT_TRUE(s.Modified());
    s.undo();
    s.undo();
    EXPECT_TRUE(s.Modified());  // back before the first change, but the file holds both
}

TEST(ParagraphStore, NewChangeAfterUndoMakesRedoDoNothing) {
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "a");
    s.undo();
    s.insertBytes(ParaNum(1), ParaPos(1), "b");
    EXPECT_FALSE(s.redo().done);
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "b");
}

TEST(ParagraphStore, DeletionLargerThanTheUndoAreaCannotBeUndone) {
    TParagraphStore s;
    s.setUndoBufferSize(100);
    s.insertBytes(ParaNum(1), ParaPos(1), std::string(200, 'x'));  // unrecorded
    EXPECT_FALSE(s.CanUndo());
    s.deleteBytes(ParaNum(1), ParaPos(1), 150);  // unrecorded
    EXPECT_FALSE(s.CanUndo());
    s.deleteBytes(ParaNum(1), ParaPos(1), 10);
    ASSERT_TRUE(s.undo().done);
    EXPECT_EQ(s.paragraphLength(ParaNum(1)), 50);
}

TEST(ParagraphStore, DeletedParagraphsSurviveDiscardAndClear) {
    // Paragraph objects change owner between text and history; a small area
    // keeps discarding. Run under the address sanitizer this shows any object
    // freed while in the text or never freed.
    TParagraphStore s;
    s.setUndoBufferSize(120);
    for (int i = 0; i < 30; ++i) s.insertParagraphAfter(ParaNum(1), "line " + std::to_string(i));
    for (int i = 0; i < 10; ++i) {
        s.deleteParagraph(ParaNum(2));
        s.undo();
        s.redo();
        s.undo();
        s.check();
    }
    s.setUndoBufferSize(200);  // replaces the buffer
    s.check();
    EXPECT_EQ(s.ParagraphCount(), 31);
}

TEST(ParagraphStore, ResetKeepsSettingsAndDropsHistory) {
    TParagraphStore s;
    s.setWordWrap(true);
    s.setWrapColumn(10);
    s.setTabSize(4);
    s.setParaLimit(7);
    s.insertText(at(1, 1), "some text\r\nmore");
    s.setMarker(3, at(2, 2));
    s.reset();
    EXPECT_EQ(s.ParagraphCount(), 1);
    EXPECT_FALSE(s.CanUndo());
    EXPECT_EQ(s.marker(3), TextPos{});
    EXPECT_TRUE(s.WordWrap());
    EXPECT_EQ(s.WrapColumn(), 10);
    EXPECT_EQ(s.TabSize(), 4);
    EXPECT_EQ(s.ParaLimit(), 7);
    s.setTabSize(0);  // ignored
    s.setParaLengthLimit(TParagraphStore::kMaxParaLength + 1);
    EXPECT_EQ(s.TabSize(), 4);
    EXPECT_EQ(s.ParaLengthLimit(), TParagraphStore::kMaxParaLength);
}

TEST(ParagraphStore, ObserverHearsOnceWithTheChangedLines) {
    TParagraphStore s;
    s.setWordWrap(true);
    s.setWrapColumn(10);
    s.insertText(at(1, 1), "p1\r\naaaa bbbb cccc dddd\r\np3");
    Recorder rec;
    s.setObserver(&rec);
    // Same line count: only the lines re-broken are reported.
    s.replaceBytes(ParaNum(2), ParaPos(17), 1, "D");
    ASSERT_EQ(rec.calls.size(), 1u);
    EXPECT_EQ(rec.calls[0].first, 2);  // the line before the edit's line
    EXPECT_EQ(rec.calls[0].second, 3);
    // A change of the paragraph's line count reaches to the end.
    rec.calls.clear();
    s.insertBytes(ParaNum(2), ParaPos(1), "zzzzzzzzzzz ");
    ASSERT_EQ(rec.calls.size(), 1u);
    EXPECT_EQ(rec.calls[0].second, kToEndOfText);
    // A compound edit is one notification.
    rec.calls.clear();
    s.insertText(at(1, 3), "x\r\ny\r\nz");
    EXPECT_EQ(rec.calls.size(), 1u);
    s.setObserver(nullptr);
    s.check();
}

TEST(ParagraphStore, PositionsAndLinesConvertBothWays) {
    TParagraphStore s;
    s.setWordWrap(true);
    s.setWrapColumn(5);
    s.insertText(at(1, 1), "ab\r\nhello world\r\nx");
    // "hello world" -> "hello " / "world"
    EXPECT_EQ(s.LineCount(), 4);
    EXPECT_EQ(s.lineText(LineNum(2)), "hello ");
    EXPECT_EQ(s.lineText(LineNum(3)), "world");
    EXPECT_EQ(s.lineStart(LineNum(3)), at(2, 7));
    EXPECT_EQ(s.toLinePos(at(2, 7)), (LinePos{LineNum(3), ByteCol(1)}));  // a wrap boundary starts the next line
    EXPECT_EQ(s.toLinePos(at(2, 12)), (LinePos{LineNum(3), ByteCol(6)}));
    EXPECT_EQ(s.toTextPos(LinePos{LineNum(3), ByteCol(2)}), at(2, 8));
    EXPECT_EQ(s.firstLineOf(ParaNum(3)), LineNum(4));
}
