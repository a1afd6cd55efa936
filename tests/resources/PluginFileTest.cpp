// Plug-in files: splitting of command lines, the samples, sorting, the scan
// of the data folder, and the replay of the fuzz corpus.

#include <gtest/gtest.h>

#include <filesystem>

#include "../../fuzz/PluginChecks.h"
#include "PluginFile.h"
#include "TestSupport.h"

TEST(PluginCommand, SplitsAtTheFirstTwoTabsWithinTheLimit) {
    const std::string long254 = std::string(200, 'a') + "\t" + std::string(100, 'b');
    const std::string accents = "X\t" + std::string(254, 'a') + "\xC3\xA9";  // é straddles byte 255
    struct Case {
        std::string line, start, end;
    };
    const Case cases[] = {
        {"Bold\t<B>\t</B>", "<B>", "</B>"},
        {"Insert only\t<BR>\t", "<BR>", ""},
        {"Single tab\t<HR>", "", "<HR>"},
        {"<BR>", "", "<BR>"},
        {"Third tab\ta\tb\tc", "a", "b\tc"},
        {"Empty\t\t", "", ""},
        {"Long\t" + long254, std::string(200, 'a'), std::string(54, 'b')},
        {accents, "", std::string(254, 'a')},
    };
    for (const Case& c : cases) {
        const plugins::Command cmd = plugins::splitCommand(c.line);
        EXPECT_EQ(cmd.start, c.start) << c.line.substr(0, 40);
        EXPECT_EQ(cmd.end, c.end) << c.line.substr(0, 40);
    }
    EXPECT_EQ(plugins::descriptionOf("Bold\t<B>\t</B>"), "Bold");
}

TEST(PluginCommand, SamplesAreTheElevenBackgrounds) {
    const plugins::Lines samples = plugins::sampleCommands();
    ASSERT_EQ(samples.size(), 11u);
    EXPECT_EQ(samples[1], "Background Color : Blue\t<BODY BGCOLOR=\"#0000FF\">\t");
    EXPECT_EQ(plugins::splitCommand(samples[5]).start, "<BODY BGCOLOR=\"#FFE27F\" TEXT=\"#000000\">");
    EXPECT_EQ(plugins::splitCommand(samples[9]).start,
              "<BODY BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#FF0000\" VLINK=\"#C000C0\" ALINK=\"#FF0000\">");
    const plugins::Command simple = plugins::splitCommand(samples[10]);
    EXPECT_EQ(simple.start, "<BODY BACKGROUND=\"");
    EXPECT_EQ(simple.end, "\">");
}

TEST(PluginFile, FolderScanListsSortedAndShowsTheFirstFound) {
    const plugins::FileList list = plugins::chooseFiles({"c.plg", "a.plg", "b.plg"});
    EXPECT_EQ(list.names, (std::vector<std::string>{"a.plg", "b.plg", "c.plg"}));
    EXPECT_EQ(list.selected, "c.plg");
    EXPECT_TRUE(plugins::chooseFiles({}).names.empty());

    qmtest::TempDir dir;
    for (const char* name : {"one.plg", "TWO.PLG", "notes.txt", "plg", ".plg"}) qmtest::writeFile(dir.file(name), "x");
    std::filesystem::create_directory(dir.file("folder.plg"));
    std::vector<std::string> found = plugins::findPluginFiles(dir.path().string());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"TWO.PLG", "one.plg"}));
    EXPECT_TRUE(plugins::findPluginFiles(dir.file("missing").string()).empty());
}

TEST(PluginFile, ReadsSortedLinesOrGivesTheOpenError) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("a.plg"), "Zeta\tz\r\nalpha\ta\r\n");
    const plugins::ReadResult ok = plugins::readPluginFile(dir.file("a.plg").string());
    EXPECT_TRUE(ok.ok);
    EXPECT_EQ(ok.commands, (plugins::Lines{"alpha\ta", "Zeta\tz"}));
    const plugins::ReadResult missing = plugins::readPluginFile(dir.file("b.plg").string());
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, "Cannot open file " + dir.file("b.plg").string());
}

TEST(PluginFile, DeliveredFilesAndFuzzCorpusHoldTheirProperties) {
    int files = 0;
    for (const auto& folder : {qmtest::sourceDir() / "fuzz" / "corpus" / "plg", qmtest::sourceDir() / "data"})
        for (const auto& f : std::filesystem::directory_iterator(folder)) {
            if (folder.filename() == "data" && f.path().extension() != ".plg") continue;
            EXPECT_EQ(fuzzchecks::checkPluginBytes(qmtest::readFile(f.path())), "") << f.path().filename();
            ++files;
        }
    EXPECT_GE(files, 4);
}
