// The operations the rest of the program calls: InsertText, selection,
// errors and their events, markers, the clipboard, ClearAll, undo beeps.

#include "EditorTestUtil.h"

#include <vector>

using namespace qm;
using edtest::Caret;
using edtest::caret;
using edtest::text;

namespace {
struct RecordingView : EditorView {
    int beeps = 0;
    int busyOn = 0, busyOff = 0;
    std::vector<std::pair<int, int>> changed;
    void linesChanged(LineNum first, LineNum last) override { changed.emplace_back(first.value, last.value); }
    void viewChanged() override {}
    void caretMoved() override {}
    void beep() override { ++beeps; }
    void busy(bool on) override { ++(on ? busyOn : busyOff); }
};
}  // namespace

TEST(InsertText, ReplacesTheSelectionAsOneUndoStep) {
    TextEditor ed;
    edtest::load(ed, "<p>old</p>");
    ed.SelectRange(1, 4, 1, 7);
    ASSERT_EQ(ed.InsertText("new\r\ntext"), 0);
    EXPECT_EQ(text(ed), "<p>new\r\ntext</p>");
    EXPECT_EQ(caret(ed), (Caret{2, 5})) << "caret after the inserted text";
    EXPECT_FALSE(ed.HasSelection());
    ed.Undo();
    EXPECT_EQ(text(ed), "<p>old</p>") << "one step restores the selection's text";
}

TEST(InsertText, LargeTextInPiecesNeverSplitsCrLf) {
    TextEditor ed;
    // A CR LF pair straddles the 61,440-byte piece boundary; a split pair
    // would leave a lone CR (a character) and an extra paragraph.
    std::string big;
    for (int i = 0; i < 61; ++i) big += std::string(998, 'a') + "\r\n";
    big += std::string(439, 'a');
    ASSERT_EQ(big.size(), TextEditor::kInsertPiece - 1);
    big += "\r\n";
    for (int i = 0; i < 70; ++i) big += std::string(998, 'b') + "\r\n";
    big += "end";
    const std::string expected = big;
    ASSERT_EQ(ed.InsertText(big), 0);
    EXPECT_EQ(text(ed), expected);
    EXPECT_EQ(ed.ByteCount(), static_cast<std::int64_t>(big.size()));
    for (int n = 1; n <= ed.ParagraphCount(); ++n)
        EXPECT_EQ(ed.GetParagraphText(n).find('\r'), std::string_view::npos) << "paragraph " << n;
}

TEST(InsertText, StopsAtTheFirstErrorAndReportsIt) {
    TextEditor ed;
    ed.store().setParaLengthLimit(10);
    int seen = 0;
    ed.OnError = [&](int& code) { seen = code; };
    EXPECT_EQ(ed.InsertText("0123456789ABC"), 268);
    EXPECT_EQ(seen, 268);
    EXPECT_EQ(text(ed), "");

    ed.OnError = [&](int& code) { code = 999; };
    EXPECT_EQ(ed.InsertText("0123456789ABC"), 999) << "the handler may change the code";

    ed.OnError = nullptr;
    try {
        ed.InsertText("0123456789ABC");
        FAIL() << "no handler: the error is raised";
    } catch (const ETextEditError& e) {
        EXPECT_EQ(e.code(), 268);
        EXPECT_STREQ(e.what(), "Current operation will exceed the maximum paragraph size");
    }
}

TEST(InsertText, TakesAViewOfItsOwnText) {
    // A caller may pass a view of the document itself; its bytes move while
    // the text goes in.
    TextEditor ed;
    edtest::load(ed, std::string(5000, 'q') + "\r\nend");
    ed.SetCaret(1, 2500);
    ASSERT_EQ(ed.InsertText(ed.GetParagraphText(1)), 0);
    EXPECT_EQ(ed.GetParagraphText(1), std::string(10000, 'q'));
    EXPECT_EQ(ed.ReplaceText(ed.GetParagraphText(2), ed.GetParagraphText(2), soReplaceAll | soWholeText), 1);
    EXPECT_EQ(ed.GetParagraphText(2), "end");
}

TEST(InsertText, ReadOnlyDoesNothing) {
    TextEditor ed;
    ed.setReadOnly(true);
    EXPECT_EQ(ed.InsertText("x"), 0);
    EXPECT_EQ(text(ed), "");
}

TEST(Selection, SelectRangeClampsAndEmptyTextIgnoresIt) {
    TextEditor empty;
    RecordingView view;
    empty.setView(&view);
    empty.SelectRange(1, 1, 5, 5);
    EXPECT_FALSE(empty.HasSelection());
    EXPECT_EQ(caret(empty), (Caret{1, 1})) << "not even the caret moves";

    TextEditor ed;
    edtest::load(ed, "abc\r\nde");
    ed.SelectRange(0, -4, 99, 99);
    int sl, sc, el, ec;
    ASSERT_TRUE(ed.GetSelection(sl, sc, el, ec));
    EXPECT_EQ((Caret{sl, sc}), (Caret{1, 1}));
    EXPECT_EQ((Caret{el, ec}), (Caret{2, 3}));
    EXPECT_EQ(caret(ed), (Caret{2, 3})) << "caret at the end";
    ed.SelectRange(2, 2, 1, 2);
    EXPECT_EQ(caret(ed), (Caret{1, 2})) << "the end given second keeps the caret";
    EXPECT_EQ(ed.selectedText(), "bc\r\nd");
}

TEST(Selection, ArgumentErrors) {
    TextEditor ed;
    edtest::load(ed, "a\tb\r\nc");
    auto expectIndexError = [](auto&& f) {
        try {
            f();
            ADD_FAILURE() << "no error";
        } catch (const ETextEditError& e) {
            EXPECT_STREQ(e.what(), "Invalid line or paragraph index");
        }
    };
    expectIndexError([&] { ed.SetCaret(0, 1); });
    expectIndexError([&] { ed.SetCaret(3, 1); });
    expectIndexError([&] { ed.SetCaret(1, 0); });
    expectIndexError([&] { ed.GetDisplayLine(3); });
    expectIndexError([&] { ed.GetParagraphText(0); });
    EXPECT_NO_THROW(ed.SetCaret(2, 50));
    EXPECT_EQ(caret(ed), (Caret{2, 2}));
    EXPECT_EQ(ed.GetDisplayLine(1), "a       b");
    EXPECT_EQ(ed.GetDisplayLine(1, 4), "a   ") << "cut at the buffer length";
    EXPECT_EQ(ed.GetParagraphText(2), "c");
}

TEST(Markers, SetGoAndFollowTheText) {
    TextEditor ed;
    edtest::load(ed, "alpha\r\nbeta\r\ngamma");
    ed.SetCaret(3, 3);
    ed.SetMarker(7);
    ed.SetCaret(1, 1);
    ed.GotoMarker(7);
    EXPECT_EQ(caret(ed), (Caret{3, 3}));
    ed.SetCaret(1, 1);
    ed.InsertText("new line\r\n");
    ed.GotoMarker(7);
    EXPECT_EQ(caret(ed), (Caret{4, 3})) << "the marker moved with its paragraph";
    ed.SetCaret(1, 1);
    ed.GotoMarker(3);
    EXPECT_EQ(caret(ed), (Caret{1, 1})) << "an unset marker goes nowhere";
    try {
        ed.SetMarker(10);
        FAIL();
    } catch (const ETextEditError& e) {
        EXPECT_STREQ(e.what(), "Invalid line or column");
    }
}

TEST(Clipboard, CutCopyPasteThroughTheClipboard) {
    TextEditor ed;
    MemoryClipboard clip;
    ed.setClipboard(&clip);
    edtest::load(ed, "one\r\ntwo");
    EXPECT_FALSE(ed.CopyToClipboard()) << "nothing selected";
    EXPECT_FALSE(clip.bytes());
    ed.SelectRange(1, 2, 2, 2);
    ASSERT_TRUE(ed.CutToClipboard());
    EXPECT_EQ(*clip.bytes(), "ne\r\nt");
    EXPECT_EQ(text(ed), "owo");
    ed.textEnd(false);
    EXPECT_EQ(ed.PasteFromClipboard(), 0);
    EXPECT_EQ(text(ed), "owone\r\nt");
    ed.setReadOnly(true);
    ed.SelectRange(1, 1, 1, 3);
    EXPECT_FALSE(ed.CutToClipboard());
    EXPECT_TRUE(ed.CopyToClipboard()) << "copying is allowed when read-only";
    EXPECT_EQ(*clip.bytes(), "ow");
}

TEST(UndoRedo, BeepsWhenThereIsNothingToDoOrReadOnly) {
    TextEditor ed;
    RecordingView view;
    ed.setView(&view);
    EXPECT_FALSE(ed.Undo());
    EXPECT_FALSE(ed.Redo());
    EXPECT_EQ(view.beeps, 2);
    ed.typeChar("a");
    ed.setReadOnly(true);
    EXPECT_FALSE(ed.Undo());
    EXPECT_EQ(view.beeps, 3);
    ed.setReadOnly(false);
    EXPECT_TRUE(ed.Undo());
    EXPECT_EQ(text(ed), "");
    ed.typeChar("b");
    EXPECT_FALSE(ed.Redo()) << "a new change discards the redo records";
}

TEST(ClearAll, ResetsTextCaretAndView) {
    TextEditor ed;
    std::string t;
    for (int i = 0; i < 30; ++i) t += "line\r\n";
    edtest::load(ed, t);
    ed.setViewSize(5, 10);
    ed.textEnd(false);
    ed.SetMarker(1);
    ASSERT_GT(ed.TopLine(), 1);
    ed.ClearAll();
    EXPECT_EQ(ed.LineCount(), 1);
    EXPECT_EQ(ed.ByteCount(), 0);
    EXPECT_EQ(ed.TopLine(), 1);
    EXPECT_EQ(caret(ed), (Caret{1, 1}));
    EXPECT_FALSE(ed.Undo()) << "the history went with the text";
}

TEST(View, WrapToWindowFollowsTheVisibleColumns) {
    TextEditor ed;
    ed.setWordWrap(true);
    ed.setWrapToWindow(true);
    ed.setViewSize(20, 60);
    EXPECT_EQ(ed.WrapColumn(), 58);
    ed.setViewSize(20, 30);
    EXPECT_EQ(ed.WrapColumn(), 28) << "narrowing the window re-wraps at visible columns - 2";
    ed.setWordWrap(false);
    ed.setViewSize(20, 50);
    EXPECT_EQ(ed.WrapColumn(), 28) << "only with word wrap";
}

TEST(View, TellsTheViewWhichLinesChanged) {
    TextEditor ed;
    RecordingView view;
    edtest::load(ed, "a\r\nb\r\nc");
    ed.setView(&view);
    ed.SetCaret(2, 2);
    ed.typeChar("x");
    ASSERT_FALSE(view.changed.empty());
    EXPECT_EQ(view.changed.back().first, 2);
    EXPECT_EQ(view.changed.back().second, 2) << "typing inside a line repaints only that line";
}
