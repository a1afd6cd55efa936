// The figures the benchmark prints: medians, the ratio to the best peer
// (never to the floor), and the goals and checks derived from them.

#include "Report.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

bench::SystemRuns runsOf(const std::string& system, std::vector<bench::Figures> runs)
{
    return {system, std::move(runs), {}};
}

TEST(BenchReport, MedianIgnoresMissingValues)
{
    EXPECT_EQ(bench::median({3, 1, 2}), 2);
    EXPECT_EQ(bench::median({4, 1, 3, 2}), 2.5);
    EXPECT_EQ(bench::median({NAN, 5, NAN}), 5);
    EXPECT_TRUE(std::isnan(bench::median({})));

    auto runs = runsOf("store", {{{"load", "3"}}, {{"load", "na"}}, {{"load", "1"}}, {}});
    EXPECT_EQ(bench::medianOf(runs, "load"), 2);
}

TEST(BenchReport, RatioIsToTheFastestPeerNeverToTheFloor)
{
    bench::SizeResult r;
    r.megabytes = 20;
    r.systems = {
        runsOf("store", {{{"load", "2"}, {"rewrap", "1"}, {"save", "1"}}}),
        runsOf("qtextdocument", {{{"load", "8"}, {"rewrap", "4"}, {"save", "2"}}}),
        runsOf("scintilla", {{{"load", "1"}, {"rewrap", "na"}, {"save", "4"}}}),
        runsOf("vector", {{{"load", "0.5"}, {"rewrap", "0.1"}, {"save", "0.1"}}}),
    };
    std::vector<bench::Ratio> ratios = bench::ratiosToBestPeer(r);
    ASSERT_EQ(ratios.size(), 3u);
    EXPECT_EQ(ratios[0].operation, "load");
    EXPECT_DOUBLE_EQ(ratios[0].value, 2.0);   // against Scintilla's 1, not the floor's 0.5
    EXPECT_EQ(ratios[1].operation, "rewrap");
    EXPECT_DOUBLE_EQ(ratios[1].value, 0.25);  // Scintilla cannot: QTextDocument is the best peer
    EXPECT_EQ(ratios[2].operation, "save");
    EXPECT_DOUBLE_EQ(ratios[2].value, 0.5);
}

TEST(BenchReport, GoalsAndChecksFollowTheFigures)
{
    bench::SizeResult r;
    r.megabytes = 10;
    r.lines = 1000;
    r.systems = {
        runsOf("store", {{{"load", "3"}, {"rss_load", "15000000"}, {"hash_load", "1"}, {"hash_final", "5"}}}),
        runsOf("scintilla", {{{"load", "1"}, {"rss_load", "30000000"}, {"hash_load", "1"}, {"hash_final", "7"}}}),
        runsOf("vector", {{{"load", "1"}, {"rss_load", "12000000"}, {"hash_load", "2"}, {"hash_final", "7"}}}),
    };
    std::string text = bench::formatReport(r, 1);
    EXPECT_NE(text.find("worst 3.00 (load) - missed"), std::string::npos) << text;
    EXPECT_NE(text.find("load within 2x of the vector floor: 3.00x - missed"), std::string::npos) << text;
    EXPECT_NE(text.find("memory <= 2 MB per MB of text: 1.50 - met"), std::string::npos) << text;
    EXPECT_NE(text.find("every system loaded the same text: NO"), std::string::npos) << text;
    EXPECT_NE(text.find("every system undid every insert: NO"), std::string::npos) << text;
}

}  // namespace
