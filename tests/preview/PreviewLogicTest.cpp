// The preview's link rule and the printed layout of the source text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PreviewLinks.h"
#include "SourcePrint.h"

using preview::LinkKind;

TEST(PreviewLinks, ClassifiesLinksByTheirText) {
    struct Case {
        std::string link;
        LinkKind kind;
        std::string target;
        std::string parameters;
    };
    const std::string long80(85, 'a');
    const std::vector<Case> cases = {
        {"/docs/setup.exe /q", LinkKind::Program, "/docs/setup.exe", " /q"},
        {"SETUP.EXE", LinkKind::Program, "SETUP.EXE", ""},
        {"sounds/ding.Wav", LinkKind::Sound, "sounds/ding.Wav", ""},
        {"c:\\music\\tada.wav", LinkKind::Sound, "c:\\music\\tada.wav", ""},  // drive letter: local
        {"file:///docs/run.exe -a -b", LinkKind::Program, "file:///docs/run.exe", " -a -b"},
        {"FILE:page.html", LinkKind::LocalFile, "FILE:page.html", ""},
        {"other.html", LinkKind::LocalFile, "other.html", ""},
        {"http://example.org/a b.exe", LinkKind::Web, "http://example.org/a b.exe", ""},
        {"mailto:someone@example.org", LinkKind::Web, "mailto:someone@example.org", ""},
        // Cut to 80 characters before the space is looked for.
        {long80 + " x.exe", LinkKind::LocalFile, std::string(80, 'a'), ""},
    };
    for (const Case& c : cases) {
        const preview::LinkAction a = preview::classifyLink(c.link);
        EXPECT_EQ(a.kind, c.kind) << c.link;
        EXPECT_EQ(a.target, c.target) << c.link;
        EXPECT_EQ(a.parameters, c.parameters) << c.link;
    }
}

namespace {

sourceprint::LineSource from(const std::vector<std::string>& lines) {
    return [&lines](int i) { return std::string_view(lines.at(static_cast<std::size_t>(i - 1))); };
}

}  // namespace

TEST(SourcePrint, AllLinesExpandTabsAndStopAt1024Bytes) {
    const std::vector<std::string> text = {"a\tb", "", "\tx", std::string(1500, 'z'),
                                           std::string(1023, 'y') + "\xC3\xA9"};  // a 2-byte character across the cut
    const std::vector<std::string> printed = sourceprint::allLines(from(text), int(text.size()), 8);
    const std::vector<std::string> expected = {"a       b", "", "        x", std::string(1024, 'z'), std::string(1023, 'y')};
    EXPECT_EQ(printed, expected);
}

TEST(SourcePrint, SelectionBlanksTheStartAndCutsTheEnd) {
    struct Case {
        const char* what;
        std::vector<std::string> text;
        sourceprint::Selection sel;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"middle of one line", {"hello world"}, {1, 7, 1, 10}, {"      wor"}},
        {"several lines", {"one two", "three", "four five"}, {1, 5, 3, 5}, {"    two", "three", "four"}},
        {"a tab before the start", {"\tab cd"}, {1, 3, 1, 7}, {"         b cd"}},
        {"a selected tab prints whole", {"x\ty"}, {1, 2, 1, 3}, {"        "}},
        {"a multi-byte character before the start", {"\xC3\xA9t\xC3\xA9"}, {1, 3, 1, 6}, {" t\xC3\xA9"}},
        {"ends at the line's start", {"abc", "def"}, {1, 2, 2, 1}, {" bc", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sourceprint::selectedLines(from(c.text), c.sel, 8), c.expected) << c.what;
}

TEST(SourcePrint, RowsAndPages) {
    using V = std::vector<std::string>;
    EXPECT_EQ(sourceprint::rowsOf("", 4), V{""});
    EXPECT_EQ(sourceprint::rowsOf("abcd", 4), V{"abcd"});
    EXPECT_EQ(sourceprint::rowsOf("abcdefghij", 4), (V{"abcd", "efgh", "ij"}));
    EXPECT_EQ(sourceprint::rowsOf("\xC3\xA9\xC3\xA9\xC3\xA9", 2), (V{"\xC3\xA9\xC3\xA9", "\xC3\xA9"}));
    // Rows stop two line heights above the bottom.
    EXPECT_EQ(sourceprint::rowsPerPage(100, 10), 8);
    EXPECT_EQ(sourceprint::rowsPerPage(105, 10), 8);
    EXPECT_EQ(sourceprint::rowsPerPage(20, 10), 1);  // never less than one row a page
}
