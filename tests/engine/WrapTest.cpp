// Display-line breaking: the break rules, tabs, UTF-8, and column mapping.

#include "LineLayout.h"
#include "TParagraphStore.h"
#include "Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qm;

namespace {

// The display lines of one paragraph wrapped at w with tab size t.
std::vector<std::string> wrapped(const std::string& text, int w, int t = 8) {
    TParagraphStore s;
    s.setWordWrap(true);
    s.setWrapColumn(w);
    s.setTabSize(t);
    s.insertBytes(ParaNum(1), ParaPos(1), text);
    s.check();
    std::vector<std::string> out;
    for (int i = 1; i <= s.LineCount(); ++i) out.emplace_back(s.lineText(LineNum(i)));
    return out;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(Wrap, BreakRules) {
    struct Case {
        const char* text;
        int w;
        Lines lines;
        const char* why;
    };
    const Case cases[] = {
        {"aaa bbb", 5, {"aaa ", "bbb"}, "break after the blank before the word"},
        {"aaaaa   bbb", 5, {"aaaaa   ", "bbb"}, "blanks at the candidate stay at the line end"},
        {"aaaa-bbbbbb", 6, {"aaaa-", "bbbbbb"}, "a hyphen ends its line"},
        {"aaaaa- bbb", 5, {"aaaaa- ", "bbb"}, "blanks after a hyphen at the candidate go with it"},
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}, "no break point: cut inside the word"},
        {"   abcdefgh", 5, {"   ", "abcde", "fgh"}, "leading blanks then a long word"},
        {"ab cd   ", 5, {"ab cd   "}, "trailing blanks never make a line of their own"},
        {"abcde", 5, {"abcde"}, "exactly the column fits"},
    };
    for (const Case& c : cases) EXPECT_EQ(wrapped(c.text, c.w), c.lines) << c.why;
}

TEST(Wrap, TabsExpandFromTheLineStart) {
    // "\tab cd": tab to column 4, so "ab" fills 4..5 and the candidate is the blank.
    EXPECT_EQ(wrapped("\tab cd", 6, 4), (Lines{"\tab ", "cd"}));
    // Without the tab the same bytes fit.
    EXPECT_EQ(wrapped("xab cd", 6, 4), (Lines{"xab cd"}));
    // A tab that passes the column belongs to the line it starts on.
    EXPECT_EQ(wrapped("abc\tde", 5, 8), (Lines{"abc\t", "de"}));
}

TEST(Wrap, Utf8SequencesAreOneColumnAndNeverSplit) {
    const std::string e = "\xC3\xA9";       // 2 bytes, one character
    const std::string euro = "\xE2\x82\xAC";  // 3 bytes
    EXPECT_EQ(wrapped(e + e + e + e, 4), (Lines{e + e + e + e}));
    EXPECT_EQ(wrapped(euro + euro + euro, 2), (Lines{euro + euro, euro}));
    // An invalid byte is a character of its own.
    EXPECT_EQ(wrapped("\xFF\xFF\xFF", 2), (Lines{"\xFF\xFF", "\xFF"}));
    // Stepping back over multi-byte characters finds the blank.
    EXPECT_EQ(wrapped("a " + e + e + e, 3), (Lines{"a ", e + e + e}));
}

TEST(Wrap, ColumnMappingWithTabsAndUtf8) {
    const std::string line = "a\t\xC3\xA9x";
    EXPECT_EQ(layout::columnsOf(line, 1, 4), 1);
    EXPECT_EQ(layout::columnsOf(line, 2, 4), 4);  // tab to the next stop
    EXPECT_EQ(layout::columnsOf(line, 4, 4), 5);  // the two-byte character is one column
    EXPECT_EQ(layout::byteAtColumn(line, 2, 4), 1u);  // inside the tab: the tab's byte
    EXPECT_EQ(layout::byteAtColumn(line, 4, 4), 2u);
    EXPECT_EQ(layout::byteAtColumn(line, 5, 4), 4u);
    EXPECT_EQ(layout::byteAtColumn(line, 8, 4), 5u + 2u);  // beyond the end
    EXPECT_EQ(layout::expandTabs(line, 4), "a   \xC3\xA9x");
}

TEST(Wrap, ChangingWrapSettingsReflowsEverything) {
    TParagraphStore s;
    s.insertText({ParaNum(1), ParaPos(1)}, "one two three\r\nfour five");
    EXPECT_EQ(s.LineCount(), 2);
    s.setWordWrap(true);
    s.setWrapColumn(5);
    EXPECT_EQ(s.LineCount(), 5);  // "one " "two " "three" / "four " "five"
    s.setWrapColumn(9);
    EXPECT_EQ(s.LineCount(), 3);  // "one two " "three" / "four five"
    s.setWordWrap(false);
    EXPECT_EQ(s.LineCount(), 2);
    s.check();
}

TEST(Wrap, EditsRewrapIncrementallyToTheSameResultAsAFullWrap) {
    TParagraphStore s;
    s.setWordWrap(true);
    s.setWrapColumn(6);
    s.insertBytes(ParaNum(1), ParaPos(1), "aa bb cc dd ee ff gg hh");
    // Each edit is followed by check(), which compares the stored line starts
    // with a fresh wrap of the paragraph.
    s.insertBytes(ParaNum(1), ParaPos(4), "XXXXX");
    s.check();
    s.deleteBytes(ParaNum(1), ParaPos(2), 6);
    s.check();
    s.replaceBytes(ParaNum(1), ParaPos(10), 2, "-");
    s.check();
    s.insertBytes(ParaNum(1), ParaPos(7), "\t");
    s.check();
}

// Columns of lines long enough for the sixteen-byte steps over plain ASCII,
// with tabs, control bytes, UTF-8 and stray bytes at every offset of a step,
// against a count one character at a time.
TEST(Wrap, ColumnMappingOnLongMixedLines) {
    const std::string pieces[] = {"abcdefghijklmnopqrstu", "\t", "\xC3\xA9", "\x01", "\x7F", "\xFF", " ", "~"};
    std::string line;
    for (int i = 0; line.size() < 3000; ++i) line += pieces[(i * 7 + i / 5) % 8].substr(0, 1 + i % 21);
    const int tab = 4;
    std::vector<int> colAt;  // column at each character start, by a plain walk
    std::vector<std::size_t> starts;
    int col = 0;
    for (std::size_t i = 0; i < line.size();) {
        starts.push_back(i);
        colAt.push_back(col);
        const auto c = static_cast<unsigned char>(line[i]);
        col += c == '\t' ? tab - col % tab : 1;
        i += utf8::charLength(line.data() + i, line.size() - i);
    }
    for (std::size_t k = 0; k < starts.size(); ++k) {
        ASSERT_EQ(layout::columnsOf(line, starts[k], tab), colAt[k]) << "byte " << starts[k];
        std::int32_t startCol = -1;
        ASSERT_EQ(layout::byteAtColumn(line, colAt[k], tab, &startCol), starts[k]) << "column " << colAt[k];
        ASSERT_EQ(startCol, colAt[k]);
    }
    EXPECT_EQ(layout::byteAtColumn(line, col + 5, tab), line.size() + 5) << "past the end";
}

// Display columns asked further and further along one line go on from the
// last answer; going back, another line, a tab size or an edit start over.
TEST(Wrap, DisplayColumnsAlongALineMatchAFreshCount) {
    TParagraphStore s;
    std::string line;
    for (int i = 0; i < 200; ++i) line += i % 7 == 0 ? "\t\xC3\xA9x" : "ab c";
    ASSERT_EQ(s.insertText({ParaNum(1), ParaPos(1)}, line + "\r\n" + line), kEditOk);
    auto fresh = [&](int lineNo, int col) {
        return layout::columnsOf(s.lineText(LineNum(lineNo)), static_cast<std::size_t>(col - 1), s.TabSize()) + 1;
    };
    const int cols[] = {1, 2, 5, 40, 41, 300, 120, 500, 501, 3, 700};
    for (const int c : cols) ASSERT_EQ(s.displayColumn(LineNum(1), ByteCol(c)).value, fresh(1, c)) << c;
    ASSERT_EQ(s.displayColumn(LineNum(2), ByteCol(600)).value, fresh(2, 600));
    s.setTabSize(3);
    ASSERT_EQ(s.displayColumn(LineNum(2), ByteCol(650)).value, fresh(2, 650));
    ASSERT_EQ(s.insertBytes(ParaNum(2), ParaPos(1), "\t"), kEditOk);
    ASSERT_EQ(s.displayColumn(LineNum(2), ByteCol(652)).value, fresh(2, 652));
}
