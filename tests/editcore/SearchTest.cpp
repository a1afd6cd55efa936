// FindText and ReplaceText: every option bit and the exact results.

#include "EditorTestUtil.h"
#include "TextRules.h"
#include "TextSearch.h"

using namespace qm;
using edtest::Caret;
using edtest::caret;
using edtest::text;

namespace {
std::string selection(const TextEditor& ed) { return ed.selectedText(); }
}  // namespace

TEST(Find, CaseAndWholeWords) {
    TextEditor ed;
    edtest::load(ed, "<tables>\r\n<TABLE border>");
    ASSERT_TRUE(ed.FindText("table", soForward));
    EXPECT_EQ(caret(ed), (Caret{1, 7})) << "forwards: caret at the match's end";
    EXPECT_EQ(selection(ed), "table");
    ed.SetCaret(1, 1);
    ASSERT_TRUE(ed.FindText("table", soForward | soWholeWords));
    EXPECT_EQ(selection(ed), "TABLE") << "whole words skips 'tables'; case-blind finds TABLE";
    EXPECT_EQ(caret(ed), (Caret{2, 7}));
    ed.SetCaret(1, 1);
    ASSERT_TRUE(ed.FindText("TABLE", soMatchCase));
    EXPECT_EQ(caret(ed), (Caret{2, 7}));
    EXPECT_FALSE(ed.FindText("table", soMatchCase | soWholeWords | soWholeText));
}

TEST(Find, FromCaretWholeTextAndBackwards) {
    TextEditor ed;
    edtest::load(ed, "ab ab\r\nab");
    ASSERT_TRUE(ed.FindText("ab", soForward));
    ASSERT_TRUE(ed.FindText("ab", soForward));
    EXPECT_EQ(caret(ed), (Caret{1, 6})) << "find again goes on from the caret";
    ASSERT_TRUE(ed.FindText("ab", soForward));
    EXPECT_EQ(caret(ed), (Caret{2, 3}));
    EXPECT_FALSE(ed.FindText("ab", soForward)) << "no wrap-around";
    EXPECT_EQ(ed.ReplaceText("ab", "", soForward), -1);
    ASSERT_TRUE(ed.FindText("ab", soForward | soWholeText));
    EXPECT_EQ(caret(ed), (Caret{1, 3})) << "whole text starts at the beginning";

    ed.textEnd(false);
    ASSERT_TRUE(ed.FindText("ab", soBackwards));
    EXPECT_EQ(caret(ed), (Caret{2, 1})) << "backwards: caret at the match's start";
    EXPECT_EQ(selection(ed), "ab");
    ASSERT_TRUE(ed.FindText("ab", soBackwards));
    EXPECT_EQ(caret(ed), (Caret{1, 4}));
    ed.SetCaret(1, 1);
    ASSERT_TRUE(ed.FindText("ab", soBackwards | soWholeText));
    EXPECT_EQ(caret(ed), (Caret{2, 1})) << "backwards whole text starts at the end";
}

TEST(Find, NeverSpansParagraphsAndIgnoresEmptyPatterns) {
    TextEditor ed;
    edtest::load(ed, "ab\r\ncd");
    EXPECT_FALSE(ed.FindText("b\r\nc", soWholeText));
    EXPECT_FALSE(ed.FindText("", soWholeText));
    EXPECT_EQ(ed.ReplaceText("", "x", soWholeText | soReplaceAll), 0);
    EXPECT_EQ(text(ed), "ab\r\ncd");
}

TEST(Find, PatternIsCutTo255Bytes) {
    TextEditor ed;
    edtest::load(ed, std::string(255, 'x'));
    EXPECT_TRUE(ed.FindText(std::string(300, 'x'), soWholeText));
}

TEST(Find, SelectedTextOnly) {
    TextEditor ed;
    edtest::load(ed, "cat cat cat cat");
    ed.SelectRange(1, 5, 1, 12);
    ASSERT_TRUE(ed.FindText("cat", soSelectedOnly | soWholeText));
    EXPECT_EQ(caret(ed), (Caret{1, 8}));
    ed.SelectRange(1, 5, 1, 12);
    ASSERT_TRUE(ed.FindText("cat", soSelectedOnly | soBackwards));
    EXPECT_EQ(caret(ed), (Caret{1, 9})) << "backwards from the selection's end";
    ed.SelectRange(1, 6, 1, 11);
    EXPECT_FALSE(ed.FindText("cat", soSelectedOnly)) << "no whole match inside the selection";
}

TEST(Replace, AllReplacesEveryMatchAndCountsThem) {
    TextEditor ed;
    edtest::load(ed, "a b a\r\naaa");
    EXPECT_EQ(ed.ReplaceText("a", "aa", soReplaceAll | soWholeText), 5)
        << "terminates; counts the matches that were there before";
    EXPECT_EQ(text(ed), "aa b aa\r\naaaaaa");
    ASSERT_TRUE(ed.Undo());
    EXPECT_EQ(text(ed), "a b a\r\naaa") << "one undo step takes back every replacement";
    EXPECT_FALSE(ed.store().CanUndo());

    edtest::load(ed, "aaa");
    EXPECT_EQ(ed.ReplaceText("a", "b", soReplaceAll | soWholeText), 3);
    ed.Undo();
    EXPECT_EQ(text(ed), "aaa") << "replacements that touch merge into one step";
}

TEST(Replace, AllWithOptions) {
    TextEditor ed;
    edtest::load(ed, "Td td tdx TD");
    EXPECT_EQ(ed.ReplaceText("td", "TH", soReplaceAll | soWholeText | soWholeWords), 3);
    EXPECT_EQ(text(ed), "TH TH tdx TH");
    edtest::load(ed, "Td td tdx TD");
    EXPECT_EQ(ed.ReplaceText("td", "th", soReplaceAll | soWholeText | soMatchCase), 2);
    EXPECT_EQ(text(ed), "Td th thx TD");
    edtest::load(ed, "x1 x2 x3 x4");
    ed.SetCaret(1, 6);
    EXPECT_EQ(ed.ReplaceText("x", "y", soReplaceAll | soBackwards), 2);
    EXPECT_EQ(text(ed), "y1 y2 x3 x4") << "backwards from the caret";
}

TEST(Replace, AllInSelectionMovesTheRangeEnd) {
    TextEditor ed;
    edtest::load(ed, "a a a a");
    ed.SelectRange(1, 3, 1, 6);
    EXPECT_EQ(ed.ReplaceText("a", "bbb", soReplaceAll | soSelectedOnly), 2);
    EXPECT_EQ(text(ed), "a bbb bbb a");
    EXPECT_EQ(selection(ed), "bbb bbb") << "the selection is re-established over the range";
}

TEST(Replace, OneReplacesTheSelectedMatchThenSelectsTheNext) {
    TextEditor ed;
    edtest::load(ed, "foo bar foo foo");
    EXPECT_EQ(ed.ReplaceText("foo", "X", soReplaceOne | soWholeText), 0) << "nothing selected: select the first";
    EXPECT_EQ(selection(ed), "foo");
    EXPECT_EQ(text(ed), "foo bar foo foo");
    EXPECT_EQ(ed.ReplaceText("FOO", "X", soReplaceOne), 1);
    EXPECT_EQ(text(ed), "X bar foo foo");
    EXPECT_EQ(caret(ed), (Caret{1, 10})) << "the next match is selected";
    EXPECT_EQ(ed.ReplaceText("FOO", "X", soReplaceOne | soMatchCase), -1) << "selection differs by case";
}

TEST(Replace, AFailingReplacementReturnsItsCode) {
    TextEditor ed;
    ed.store().setParaLengthLimit(8);
    edtest::load(ed, "aaaaa");
    int reported = 0;
    ed.OnError = [&](int& code) { reported = code; };
    EXPECT_EQ(ed.ReplaceText("a", "aa", soReplaceAll | soWholeText), 268);
    EXPECT_EQ(reported, 268);
    EXPECT_EQ(text(ed), "aaaaaaaa") << "the replacements before the failure stay";
}

TEST(Replace, CaseBlindMatchingFoldsLettersBeyondAscii) {
    TextEditor ed;
    edtest::load(ed, "Ærø ÉTÉ Привет");
    EXPECT_TRUE(ed.FindText("été", soWholeText));
    EXPECT_EQ(selection(ed), "ÉTÉ");
    EXPECT_TRUE(ed.FindText("ПРИВЕТ", soWholeText | soWholeWords));
    EXPECT_EQ(ed.ReplaceText("æRØ", "x", soWholeText | soReplaceAll), 1);
    EXPECT_EQ(text(ed), "x ÉTÉ Привет");
}

TEST(Replace, MatchesNeverStartInsideACharacter) {
    // 0xA9 is the second byte of "é" (C3 A9) and also a lone byte later on.
    TextEditor ed;
    edtest::load(ed, "\xC3\xA9 \xA9");
    ASSERT_TRUE(ed.FindText("\xA9", soWholeText | soMatchCase));
    EXPECT_EQ(caret(ed), (Caret{1, 5}));
}

// Replace All builds each paragraph's new bytes in one pass; the result must
// be what replacing one match at a time gives (the bytes just before a match
// may come from the replacement before it), for whole words, case-blind
// matching, UTF-8 and stray bytes, empty and pattern-holding replacements.
TEST(Replace, AllInOnePassEqualsOneMatchAtATime) {
    const char* pieces[] = {"a", "b", "A", " ", "-", "\xC3\xA9", "\xC3\x89", "\xC3", "\xA9", "ab", "x"};
    std::uint64_t state = 12345;
    auto rnd = [&](int n) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((state >> 33) % static_cast<std::uint64_t>(n));
    };
    auto randomText = [&](int most) {
        std::string s;
        for (int i = rnd(most); i >= 0; --i) s += pieces[rnd(11)];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::string text = randomText(40), pattern = randomText(2), replacement = rnd(4) ? randomText(3) : "";
        const bool matchCase = rnd(2), wholeWords = rnd(2);
        // One at a time, by the search rules.
        auto fold = [&](std::string_view t) { return matchCase ? std::string(t) : upperCaseForSearch(t); };
        const std::string key = fold(pattern);
        std::string expected = text, folded = fold(text);
        int expectedCount = 0;
        for (std::size_t lo = 0;;) {
            const auto hit = findInParagraph(expected, folded, key, lo, expected.size(), false, wholeWords);
            if (!hit) break;
            expected.replace(*hit, pattern.size(), replacement);
            folded.replace(*hit, pattern.size(), fold(replacement));
            lo = *hit + replacement.size();
            ++expectedCount;
        }
        TextEditor ed;
        edtest::load(ed, text);
        const unsigned options = soWholeText | soReplaceAll | (matchCase ? soMatchCase : 0u) |
                                 (wholeWords ? soWholeWords : 0u);
        const int count = ed.ReplaceText(pattern, replacement, options);
        ASSERT_EQ(count, expectedCount > 0 ? expectedCount : -1) << text << " / " << pattern << " -> " << replacement;
        ASSERT_EQ(edtest::text(ed), expected) << text << " / " << pattern << " -> " << replacement;
        if (expectedCount > 0) {
            ASSERT_TRUE(ed.Undo());
            ASSERT_EQ(edtest::text(ed), text);
        }
    }
}

// Searches one after another fold a paragraph once; an edit in between, an
// undo included, must be seen by the next search.
TEST(Find, ASearchAfterAnEditSeesTheNewText) {
    TextEditor ed;
    edtest::load(ed, "one Two three");
    ASSERT_TRUE(ed.FindText("two", soWholeText));
    EXPECT_FALSE(ed.FindText("four", soWholeText));
    ed.SetCaret(1, 1);
    edtest::type(ed, "Four ");
    ASSERT_TRUE(ed.FindText("four", soWholeText));
    EXPECT_EQ(caret(ed), (Caret{1, 5}));
    ASSERT_TRUE(ed.Undo());
    EXPECT_FALSE(ed.FindText("four", soWholeText));
}
