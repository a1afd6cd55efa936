// Search and replace across real files, through the engine's load and save.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "DurableFile.h"
#include "FileTools.h"

namespace fs = std::filesystem;

namespace {

class FileToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("qm-filetools-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        durable::setFaultHook({});
        fs::remove_all(dir_);
    }
    std::string file(const std::string& name, const std::string& text) {
        const std::string p = (dir_ / name).string();
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }
    static std::string read(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static std::vector<int> counts(const std::vector<filetools::FileOutcome>& out) {
        std::vector<int> c;
        for (const auto& o : out) c.push_back(o.count);
        return c;
    }
    fs::path dir_;
};

TEST_F(FileToolsTest, SearchCountsMatchesPerFileByTheEditorsRules) {
    const std::vector<std::string> paths = {
        file("a.htm", "<b>Cat</b> cat\r\ncatalog cat\r\n"),
        file("b.htm", "no match here\r\n"),
        (dir_ / "missing.htm").string(),
    };
    struct Case {
        const char* what;
        bool matchCase, wholeWords;
        std::vector<int> expected;
    } cases[] = {
        {"case-blind", false, false, {4, 0, -1}},
        {"matching case", true, false, {3, 0, -1}},
        {"whole words", false, true, {3, 0, -1}},
    };
    for (const Case& c : cases) {
        filetools::Options o;
        o.matchCase = c.matchCase;
        o.wholeWords = c.wholeWords;
        const auto out = filetools::searchInFiles(paths, "cat", o);
        EXPECT_EQ(counts(out), c.expected) << c.what;
        EXPECT_FALSE(out[2].problem.empty()) << c.what;
    }
    EXPECT_EQ(read(paths[0]), "<b>Cat</b> cat\r\ncatalog cat\r\n");  // searching changes nothing
}

TEST_F(FileToolsTest, ReplaceWritesChangedFilesWithBackupsAndRefusesOpenModifiedOnes) {
    const std::string a = file("a.htm", "old and old\r\n");
    const std::string b = file("b.htm", "nothing\n");
    const std::string c = file("c.htm", "old\n");
    const std::string d = file("d.htm", "old\r\n");
    const std::string e = file("e.htm", "old\r\n");  // its window gets an edit while the run goes on
    int asked = 0;
    filetools::Options o;
    o.backup = true;
    o.isOpenModified = [&](const std::string& p) { return p == d || (p == e && ++asked > 1); };
    const auto out = filetools::replaceInFiles({a, b, c, d, e}, "old", "new", o);
    EXPECT_EQ(counts(out), (std::vector<int>{2, 0, 1, -1, -1}));
    EXPECT_EQ(read(e), "old\r\n");
    EXPECT_EQ(out[4].problem, "open with unsaved changes");
    EXPECT_FALSE(fs::exists(dir_ / "e.bak"));
    for (const auto& entry : fs::directory_iterator(dir_))  // no temporary file left
        EXPECT_EQ(entry.path().filename().string().find(".qmsave-"), std::string::npos) << entry.path();
    EXPECT_EQ(read(a), "new and new\r\n");
    EXPECT_EQ(read(dir_ / "a.bak"), "old and old\r\n");
    EXPECT_EQ(read(c), "new\n");  // an LF file stays LF
    EXPECT_FALSE(fs::exists(dir_ / "b.bak"));  // unchanged files are not written
    EXPECT_EQ(read(d), "old\r\n");
    EXPECT_EQ(out[3].problem, "open with unsaved changes");
}

// A file listed twice is replaced once: the second time sees the first
// time's result, and its backup keeps the text from before the run.
TEST_F(FileToolsTest, ReplaceCountsWithAndWithoutBackupsAndAFileListedTwice) {
    for (const bool backup : {true, false}) {
        SCOPED_TRACE(backup ? "backups" : "no backups");
        const std::string a = file("a.htm", "x x\n"), b = file("b.htm", "x\r\n"), c = file("c.htm", "none\n");
        fs::remove(dir_ / "a.bak");
        fs::remove(dir_ / "b.bak");
        filetools::Options o;
        o.backup = backup;
        const auto out = filetools::replaceInFiles({a, b, c, a}, "x", "y", o);
        EXPECT_EQ(counts(out), (std::vector<int>{2, 1, 0, 0}));
        EXPECT_EQ(read(a), "y y\n");
        EXPECT_EQ(read(b), "y\r\n");
        EXPECT_EQ(fs::exists(dir_ / "a.bak"), backup);
        if (backup) {
            EXPECT_EQ(read(dir_ / "a.bak"), "x x\n");
            EXPECT_EQ(read(dir_ / "b.bak"), "x\r\n");
        }
        EXPECT_FALSE(fs::exists(dir_ / "c.bak"));
    }
}

TEST_F(FileToolsTest, AFailedWriteInTheMiddleLeavesEachFileOldOrNewAndSaysWhichWereDone) {
    const std::string a = file("a.htm", "x\n"), b = file("b.htm", "x\n"), c = file("c.htm", "x\n");
    durable::setFaultHook([&](durable::Step step, const std::string& f, int) {
        return step == durable::Step::Write && f.find("b.htm") != std::string::npos ? ENOSPC : 0;
    });
    const auto out = filetools::replaceInFiles({a, b, c}, "x", "y", {});
    EXPECT_EQ(counts(out), (std::vector<int>{1, -1, 1}));
    EXPECT_FALSE(out[1].problem.empty());
    EXPECT_EQ(read(a), "y\n");
    EXPECT_EQ(read(b), "x\n");
    EXPECT_EQ(read(c), "y\n");
}

TEST_F(FileToolsTest, CancelLeavesTheRestAlone) {
    const std::string a = file("a.htm", "x\n"), b = file("b.htm", "x\n");
    filetools::Options o;
    o.progress = [](std::size_t done) { return done < 1; };
    const auto out = filetools::replaceInFiles({a, b}, "x", "y", o);
    EXPECT_EQ(counts(out), (std::vector<int>{1, -1}));
    EXPECT_TRUE(out[1].problem.empty());
    EXPECT_EQ(read(a), "y\n");  // what was done before the cancel is written
    EXPECT_EQ(read(b), "x\n");
}

}  // namespace
