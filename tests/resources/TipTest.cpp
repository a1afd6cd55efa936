// The tip of the day: titles, "%s" and "%%", the ring of tips, and the
// inputs the tip reader's fuzz target has kept.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "TestSupport.h"
#include "Tips.h"

using tips::Tip;

TEST(TipTest, LinesFormatWithTitleAndLineBreaks) {
    struct Case {
        std::string line;
        Tip want;
    } cases[] = {
        {"?Use F3.", {"Did you know...", "Use F3."}},
        {"!joke", {"Today's joke...", "joke"}},
        {"#msg", {"Today's message...", "msg"}},
        {"'quote", {"Today's quote...", "quote"}},
        {"^tip", {"Today's tip...", "tip"}},
        {"xplain", {"", "plain"}},  // any other character: no title, still taken off
        {"?a%sb%sc", {"Did you know...", "a\nb\nc"}},
        {"?100%% sure", {"Did you know...", "100% sure"}},
        {"?%%s is literal", {"Did you know...", "%s is literal"}},
        {"?%d and 50% stay", {"Did you know...", "%d and 50% stay"}},
        {"?ends in %", {"Did you know...", "ends in %"}},
        {"?%s%s%s%s%s%s", {"Did you know...", "\n\n\n\n\n%s"}},  // five breaks, no more
        {"?", {"Did you know...", ""}},
        {"", {"", ""}},
        {"^" + std::string(300, 'x'), {"Today's tip...", std::string(tips::kMaxTipLength, 'x')}},  // cut at 255
    };
    for (const auto& c : cases) EXPECT_EQ(tips::formatTip(c.line), c.want) << c.line;
}

TEST(TipTest, ThreeTipsCycleBothWays) {
    // The window shows next() first: from a random index 2, tip 0 comes first.
    tips::TipRing ring({"^one", "^two", "^three"}, 2);
    EXPECT_EQ(ring.next().text, "one");
    EXPECT_EQ(ring.next().text, "two");
    EXPECT_EQ(ring.next().text, "three");
    EXPECT_EQ(ring.next().text, "one");  // past the last wraps to the first
    EXPECT_EQ(ring.previous().text, "three");  // below the first wraps to the last
    EXPECT_EQ(ring.index(), 2u);
}

TEST(TipTest, DeliveredTipsAllHaveATitleAndFitTheWindow) {
    const auto lines = tips::readTips((qmtest::sourceDir() / "data" / "TIPS.TXT").string());
    ASSERT_GE(lines.size(), 10u);
    for (const std::string& line : lines) {
        EXPECT_LE(line.size() - 1, tips::kMaxTipLength) << line;
        const Tip tip = tips::formatTip(line);
        EXPECT_FALSE(tip.title.empty()) << line;
    }
}

// Each kept input of the fuzz target: every line formats within its bounds
// and the ring comes back to where it started.
TEST(TipTest, FuzzCorpusReplays) {
    const std::set<std::string> titles{"", "Today's joke...", "Today's message...", "Today's quote...",
                                       "Did you know...", "Today's tip..."};
    const auto corpus = qmtest::sourceDir() / "fuzz" / "corpus" / "tips";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        ++files;
        const auto lines = tips::parseTips(qmtest::readFile(entry.path()));
        for (const std::string& line : lines) {
            const Tip tip = tips::formatTip(line);
            EXPECT_TRUE(titles.count(tip.title)) << entry.path();
            EXPECT_LE(tip.text.size(), tips::kMaxTipLength) << entry.path();
        }
        tips::TipRing ring(lines, 0);
        for (std::size_t i = 0; i < lines.size(); ++i) ring.next();
        EXPECT_EQ(ring.index(), 0u) << entry.path();
    }
    EXPECT_GT(files, 0);
}
