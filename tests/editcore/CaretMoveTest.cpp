// The one caret-move routine and the move commands: clamping, the kept
// display column, paragraph edges, wrapped lines, words and pages.

#include "EditorTestUtil.h"
#include "TextRules.h"

using namespace qm;
using edtest::Caret;
using edtest::caret;
using C = EditCommand;

TEST(CaretMove, LeftAndRightCrossParagraphEdges) {
    TextEditor ed;
    edtest::load(ed, "ab\r\ncd");
    ed.SetCaret(2, 1);
    ed.moveLeft(false);
    EXPECT_EQ(caret(ed), (Caret{1, 3})) << "Left at a paragraph start goes to the previous end";
    ed.moveRight(false);
    EXPECT_EQ(caret(ed), (Caret{2, 1}));
    ed.textEnd(false);
    ed.moveRight(false);
    EXPECT_EQ(caret(ed), (Caret{2, 3})) << "Right at the end of the text stays";

    ed.setWrapAtLeft(false);
    ed.SetCaret(2, 1);
    ed.moveLeft(false);
    EXPECT_EQ(caret(ed), (Caret{2, 1})) << "without WrapAtLeft Left stops at the paragraph start";
    ed.setWordWrap(true);
    EXPECT_TRUE(ed.WrapAtLeft()) << "word wrap forces WrapAtLeft";
    ed.moveLeft(false);
    EXPECT_EQ(caret(ed), (Caret{1, 3}));
}

TEST(CaretMove, UpDownKeepDisplayColumnAcrossTabs) {
    TextEditor ed;
    edtest::load(ed, "\tx\r\n0123456789\r\nab");
    ed.SetCaret(1, 2);  // on x, display column 9
    ed.moveDown(false);
    EXPECT_EQ(caret(ed), (Caret{2, 9}));
    ed.moveDown(false);
    EXPECT_EQ(caret(ed), (Caret{3, 3})) << "column clamped to the line end";
    ed.moveDown(false);
    EXPECT_EQ(caret(ed), (Caret{3, 3})) << "Down from the last line keeps the caret";
    ed.SetCaret(2, 4);
    ed.moveUp(false);
    EXPECT_EQ(caret(ed), (Caret{1, 1})) << "display column 4 lies inside the tab: its byte";
    ed.moveUp(false);
    EXPECT_EQ(caret(ed), (Caret{1, 1}));
}

TEST(CaretMove, EndOnWrappedLinesAndClamping) {
    TextEditor ed;
    ed.setWordWrap(true);
    ed.setWrapColumn(10);
    edtest::load(ed, "aaaa bbbb cccc dddd");
    ASSERT_EQ(ed.LineCount(), 2);
    ed.moveLineEnd(false);
    EXPECT_EQ(caret(ed), (Caret{1, 10})) << "a wrapped line that is not the last: onto its last character";
    ed.moveRight(false);
    EXPECT_EQ(caret(ed), (Caret{2, 1}));
    ed.moveLineEnd(false);
    EXPECT_EQ(caret(ed), (Caret{2, 10}));
    EXPECT_EQ(ed.caret().pos.value, 20);

    ed.SetCaret(1, 99);
    EXPECT_EQ(caret(ed), (Caret{1, 10})) << "columns clamp to the line";
    ed.SetCaret(2, 99);
    EXPECT_EQ(caret(ed), (Caret{2, 10}));
}

TEST(CaretMove, ScrollPastEndLetsTheCaretLeaveTheLine) {
    TextEditor ed;
    ed.setWordWrap(true);
    ed.setScrollPastEnd(true);
    EXPECT_FALSE(ed.WordWrap()) << "ScrollPastEnd turns word wrap off";
    edtest::load(ed, "ab\r\nc");
    ed.SetCaret(1, 6);
    EXPECT_EQ(caret(ed), (Caret{1, 6}));
    ed.moveRight(false);
    EXPECT_EQ(caret(ed), (Caret{1, 7}));
    ed.typeChar("x");
    EXPECT_EQ(edtest::text(ed), "ab    x\r\nc") << "typing beyond the end pads with spaces";
    ed.setWordWrap(true);
    EXPECT_FALSE(ed.ScrollPastEnd()) << "word wrap turns ScrollPastEnd off";
}

TEST(CaretMove, WordMovesStopAtParagraphEnds) {
    TextEditor ed;
    edtest::load(ed, "one two, three\r\nnext");
    ed.moveWordRight(false);
    EXPECT_EQ(caret(ed), (Caret{1, 5}));
    ed.moveWordRight(false);
    EXPECT_EQ(caret(ed), (Caret{1, 10})) << "skips the word, then ', '";
    ed.moveWordRight(false);
    EXPECT_EQ(caret(ed), (Caret{1, 15})) << "from the last word: the paragraph end";
    ed.moveWordRight(false);
    EXPECT_EQ(caret(ed), (Caret{2, 1})) << "then the next line";
    ed.moveWordLeft(false);
    EXPECT_EQ(caret(ed), (Caret{1, 15})) << "at a paragraph start: the previous end";
    ed.moveWordLeft(false);
    EXPECT_EQ(caret(ed), (Caret{1, 10}));
    ed.moveWordLeft(false);
    EXPECT_EQ(caret(ed), (Caret{1, 5})) << "skips ', ' backwards, lands on the word's first character";
}

TEST(CaretMove, AllThirtyFiveDelimitersSplitWords) {
    const std::string delimiters = "\t'\r\n @`,./?;:\"<>[]{}-=\\+|()%&^$#!~*";
    ASSERT_EQ(delimiters.size(), 35u);
    for (char d : delimiters) EXPECT_TRUE(isWordDelimiter(d)) << int(d);
    int count = 0;
    for (int c = 0; c < 256; ++c) count += isWordDelimiter(static_cast<unsigned char>(c));
    EXPECT_EQ(count, 35);
    EXPECT_FALSE(isWordDelimiter('_'));
    EXPECT_FALSE(isWordDelimiter(static_cast<char>(0xC3)));
}

TEST(CaretMove, PageMovesKeepTheScreenRow) {
    TextEditor ed;
    std::string t;
    for (int i = 1; i <= 100; ++i) t += "line " + std::to_string(i) + (i < 100 ? "\r\n" : "");
    edtest::load(ed, t);
    ed.setViewSize(10, 40);
    ed.SetCaret(3, 2);
    ed.pageDown(false);
    EXPECT_EQ(caret(ed), (Caret{12, 2}));
    EXPECT_EQ(ed.TopLine(), 10);
    ed.pageUp(false);
    EXPECT_EQ(caret(ed), (Caret{3, 2}));
    EXPECT_EQ(ed.TopLine(), 1);

    ed.pageBottom(false);
    EXPECT_EQ(caret(ed), (Caret{10, 2}));
    ed.pageTop(true);
    EXPECT_EQ(caret(ed), (Caret{1, 2}));
    EXPECT_TRUE(ed.HasSelection());

    ed.textEnd(false);
    EXPECT_EQ(ed.TopLine(), 91) << "the caret line becomes the bottom line";
    EXPECT_EQ(caret(ed), (Caret{100, 9}));
    ed.setTopLine(1);
    ed.pageTop(false);
    EXPECT_EQ(caret(ed), (Caret{100, 9})) << "caret out of view: Ctrl+PgUp scrolls instead";
    EXPECT_EQ(ed.TopLine(), 91);
    ed.setTopLine(1);
    ed.pageBottom(false);
    EXPECT_EQ(ed.TopLine(), 91);
    ed.pageDown(false);
    EXPECT_EQ(caret(ed), (Caret{100, 9})) << "Page Down on the last line stays";
}

TEST(CaretMove, HorizontalScrollFollowsTheCaret) {
    TextEditor ed;
    edtest::load(ed, std::string(200, 'x'));
    ed.setViewSize(5, 20);
    ed.SetCaret(1, 50);
    EXPECT_EQ(ed.LeftColumn(), 30) << "caret column becomes the last visible column";
    ed.SetCaret(1, 10);
    EXPECT_EQ(ed.LeftColumn(), 8) << "the view starts one column before the caret";
    ed.SetCaret(1, 1);
    EXPECT_EQ(ed.LeftColumn(), 0);
    EXPECT_EQ(ed.horizontalRange(), 512) << "wrap off: the paragraph limit, at most 512";
    ed.setWordWrap(true);
    EXPECT_EQ(ed.horizontalRange(), 80);
}

TEST(CaretMove, SelectionExtendsAndCollapses) {
    TextEditor ed;
    edtest::load(ed, "hello\r\nworld");
    edtest::keys(ed, {C::SelRight, C::SelRight, C::SelDown});
    int sl, sc, el, ec;
    ASSERT_TRUE(ed.GetSelection(sl, sc, el, ec));
    EXPECT_EQ((Caret{sl, sc}), (Caret{1, 1}));
    EXPECT_EQ((Caret{el, ec}), (Caret{2, 3}));
    EXPECT_EQ(ed.selectedText(), "hello\r\nwo");
    edtest::keys(ed, {C::Left});
    EXPECT_FALSE(ed.HasSelection()) << "a plain move collapses the selection onto the caret";
    EXPECT_EQ(caret(ed), (Caret{2, 2}));
    edtest::keys(ed, {C::SelTextStart});
    EXPECT_EQ(ed.selectedText(), "hello\r\nw");
}

TEST(CaretMove, TopLineKeepsItsTextWhenLinesAreAddedAbove) {
    TextEditor ed;
    std::string t;
    for (int i = 1; i <= 50; ++i) t.append("p").append(std::to_string(i)).append("\r\n");
    edtest::load(ed, t);
    ed.setViewSize(10, 40);
    ed.setTopLine(20);
    ASSERT_EQ(ed.GetDisplayLine(20), "p20");
    ed.store().insertText({ParaNum(2), ParaPos(1)}, "new\r\nnew\r\n");
    EXPECT_EQ(ed.GetDisplayLine(ed.TopLine()), "p20");
    ed.setWordWrap(true);
    ed.setWrapColumn(2);
    EXPECT_EQ(ed.GetDisplayLine(ed.TopLine()), "p2") << "re-wrapping keeps the top paragraph at the top";
}

TEST(CaretMove, EditsOnTheTopLineDoNotScroll) {
    for (const bool wrap : {false, true}) {
    TextEditor ed;
    ed.setWordWrap(wrap);
    std::string t;
    for (int i = 1; i <= 50; ++i) t.append("p").append(std::to_string(i)).append("\r\n");
    edtest::load(ed, t);
    ed.setViewSize(10, 40);
    ed.setTopLine(20);
    ed.SetCaret(20, 2);
    ed.newLine();
    EXPECT_EQ(ed.TopLine(), 20) << "Enter on the top line keeps that line in view";
    EXPECT_EQ(ed.GetDisplayLine(20), "p");
    ed.backspace();
    EXPECT_EQ(ed.TopLine(), 20);
    EXPECT_EQ(ed.GetDisplayLine(20), "p20");
    }
}

TEST(CaretMove, TypingOnAWrappedTopLineDoesNotScroll) {
    TextEditor ed;
    ed.setWordWrap(true);
    ed.setWrapColumn(10);
    std::string t;
    for (int i = 0; i < 30; ++i) t += "line\r\n";
    t += "aaaa bbbb cccc dddd eeee\r\n";  // three display lines
    for (int i = 0; i < 30; ++i) t += "line\r\n";
    edtest::load(ed, t);
    ed.setViewSize(10, 40);
    ed.setTopLine(32);  // the paragraph's second line is the top
    ed.SetCaret(32, 3);
    for (int i = 0; i < 12; ++i) ed.typeChar("x");
    EXPECT_EQ(ed.TopLine(), 32) << "re-wrapping the top paragraph keeps the view";
}

TEST(CaretMove, MouseHitsAndSelections) {
    TextEditor ed;
    edtest::load(ed, "\tone two\r\nthree");
    ed.mouseDown(1, 3, false);
    EXPECT_EQ(caret(ed), (Caret{1, 1})) << "inside the tab's cells: the tab's byte";
    ed.mouseDown(1, 9, false);
    ed.mouseDrag(2, 3);
    EXPECT_EQ(ed.selectedText(), "one two\r\nth");
    ed.selectWordAt(1, 10, false);
    EXPECT_EQ(ed.selectedText(), "one ") << "the word and the blanks after it";
    ed.selectWordAt(1, 14, true);
    EXPECT_EQ(ed.selectedText(), "one two") << "Shift extends to the other word";
    ed.marginDown(1, false);
    EXPECT_EQ(ed.selectedText(), "\tone two\r\n");
    ed.marginDrag(2);
    EXPECT_EQ(ed.selectedText(), "\tone two\r\nthree");
    ed.selectParagraphAt(2);
    EXPECT_EQ(ed.selectedText(), "three");

    TextEditor empty;
    empty.mouseDown(1, 5, false);
    empty.selectWordAt(1, 1, false);
    EXPECT_FALSE(empty.HasSelection());
}
