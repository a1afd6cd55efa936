// The generated benchmark file: reproducible, and shaped as the benchmark
// promises (CR LF lines, long lines, tabs, tables to replace in).

#include "HtmlGenerator.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

TEST(HtmlGenerator, SameSeedSameBytesOtherSeedOtherBytes)
{
    std::string a = bench::generateHtml(300000, 7);
    EXPECT_EQ(a, bench::generateHtml(300000, 7));
    EXPECT_NE(a, bench::generateHtml(300000, 8));
}

TEST(HtmlGenerator, FileMatchesMemoryAndStats)
{
    qmtest::TempDir dir;
    bench::HtmlFileStats fromFile = bench::writeHtmlFile(dir.file("a.html").string(), 500000, 3);
    bench::HtmlFileStats fromMemory;
    std::string text = bench::generateHtml(500000, 3, &fromMemory);
    EXPECT_EQ(qmtest::readFile(dir.file("a.html")), text);
    EXPECT_EQ(fromFile.bytes, text.size());
    EXPECT_EQ(fromFile.lines, fromMemory.lines);
    // The target is met closely: the closing lines add a few bytes at most.
    EXPECT_GE(text.size(), 500000u);
    EXPECT_LT(text.size(), 500000u + 11000u);
}

TEST(HtmlGenerator, EveryLineIsCleanAsciiEndingInCrLf)
{
    bench::HtmlFileStats stats;
    std::string text = bench::generateHtml(2000000, 1, &stats);
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

    std::uint64_t lines = 0, longLines = 0, tabLines = 0, td = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t cr = text.find("\r\n", start);
        ASSERT_NE(cr, std::string::npos);
        std::string_view line(text.data() + start, cr - start);
        ++lines;
        // A bare CR or LF inside would be a line end to some systems and not others.
        ASSERT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << "line " << lines;
        // Trailing blanks would be trimmed by our store's loader only.
        if (!line.empty()) {
            ASSERT_TRUE(line.back() != ' ' && line.back() != '\t') << "line " << lines;
        }
        for (unsigned char c : line)
            ASSERT_TRUE(c == '\t' || (c >= 0x20 && c < 0x7F)) << "line " << lines;
        ASSERT_LE(line.size(), 10000u);
        if (line.size() >= 2000)
            ++longLines;
        if (line.find('\t') != std::string_view::npos)
            ++tabLines;
        for (auto p = line.find("<td>"); p != std::string_view::npos; p = line.find("<td>", p + 1))
            ++td;
        start = cr + 2;
    }
    EXPECT_EQ(lines, stats.lines);
    EXPECT_EQ(longLines, stats.longLines);
    EXPECT_EQ(tabLines, stats.tabLines);
    EXPECT_EQ(td, stats.lowerTdCount);
    EXPECT_GT(longLines, 10u);
    EXPECT_GT(tabLines, lines / 4);
    EXPECT_GT(td, lines / 20);
    // About 440,000 lines per 20 MB.
    EXPECT_GT(lines, 2000000u / 60);
    EXPECT_LT(lines, 2000000u / 35);
}

}  // namespace
