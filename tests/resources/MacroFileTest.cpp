// Macro files and the expansion scan: the edge cases of the command, the
// file round trip, and the replay of the fuzz corpus.

#include <gtest/gtest.h>

#include <filesystem>

#include "../../fuzz/MacroChecks.h"
#include "DurableFile.h"
#include "MacroFile.h"
#include "TestSupport.h"

namespace {

// Applies the scan the way the command does and describes what it found.
struct Expanded {
    std::string text;
    std::size_t count;
};
Expanded expand(std::string_view text, const macros::Entries& table) {
    const std::vector<macros::Found> found = macros::scanMacros(text, table);
    std::string out(text);
    for (auto it = found.rbegin(); it != found.rend(); ++it)
        if (it->matched) out.replace(it->offset, it->length, it->replacement);
    return {out, found.size()};
}

const macros::Entries kSystem = macros::defaultSystemEntries();

}  // namespace

TEST(MacroScan, ExpandsAsTheCommandDoes) {
    const macros::Entries userHurl = {"[HURL]\t<A HREF=\"user.html\"></A>"};
    macros::Entries userFirst = userHurl;
    userFirst.insert(userFirst.end(), kSystem.begin(), kSystem.end());
    struct Case {
        const char* why;
        macros::Entries table;
        std::string text;
        std::string expected;
        std::size_t count;
    };
    const Case cases[] = {
        {"no bracket", kSystem, "plain <B>text</B>", "plain <B>text</B>", 0},
        {"lower-case key", kSystem, "go [hurl] now", "go <A HREF=\"index.html\"></A> now", 1},
        {"unknown key counted, scan goes on", kSystem, "[XYZ] then [HURL]", "[XYZ] then <A HREF=\"index.html\"></A>", 2},
        {"[ without ] ends the scan", kSystem, "a [ b\nc", "a [ b\nc", 0},
        {"lone [ takes the ] of the key after it", kSystem, "[ [HURL]", "[ [HURL]", 1},
        {"user before system", userFirst, "[HURL]", "<A HREF=\"user.html\"></A>", 1},
        {"expansion holding a key is not searched again", {"[A]\t[QUIL]", "[QUIL]\tQ"}, "[A][QUIL]", "[QUIL]Q", 2},
        {"entry without a tab loses one byte", {"[K]xyz"}, "[K]", "yz", 1},
        {"key with nothing after it expands to nothing", {"[K]"}, "x[K]y", "xy", 1},
        {"bracketed text across lines is looked up as is", kSystem, "[HU\nRL]", "[HU\nRL]", 1},
        {"empty brackets match the first entry", {"[]\tnothing", "[X]\tx"}, "[]", "nothing", 1},
    };
    for (const Case& c : cases) {
        const Expanded e = expand(c.text, c.table);
        EXPECT_EQ(e.text, c.expected) << c.why;
        EXPECT_EQ(e.count, c.count) << c.why;
    }
}

TEST(MacroScan, MessagesCountEveryBracketedText) {
    EXPECT_EQ(macros::foundMessage(0), "No Macros found !");
    EXPECT_EQ(macros::foundMessage(1), "1 Macros found !");
    EXPECT_EQ(macros::foundMessage(12), "12 Macros found !");
}

TEST(MacroFile, LinesSplitAtEveryLineEnd) {
    const std::pair<std::string, macros::Entries> cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\r\n\r\n", {"a\r", ""}},
        {"\n\n", {"", ""}},
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(macros::splitLines(bytes), lines) << bytes;
}

TEST(MacroFile, WritesCrLfAndReadsBackByteForByte) {
    qmtest::TempDir dir;
    const std::string path = dir.file("user.mcr").string();
    const macros::Entries entries = {"[ORG]\tÆther & Co", "[K]\t<B>\t</B>", ""};
    ASSERT_TRUE(macros::writeMacroFile(path, entries).ok);
    EXPECT_EQ(qmtest::readFile(path), "[ORG]\tÆther & Co\r\n[K]\t<B>\t</B>\r\n\r\n");
    const macros::ReadResult back = macros::readMacroFile(path);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.entries, entries);
}

TEST(MacroFile, UnreadableFilesGiveTheOpenError) {
    qmtest::TempDir dir;
    std::filesystem::create_directory(dir.file("folder.mcr"));
    for (const std::string& path : {dir.file("missing.mcr").string(), dir.file("folder.mcr").string()}) {
        const macros::ReadResult r = macros::readMacroFile(path);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Cannot open file " + path);
        EXPECT_TRUE(r.entries.empty());
    }
}

TEST(MacroFile, AFailedWriteGivesTheCreateErrorAndKeepsTheOldFile) {
    qmtest::TempDir dir;
    const std::string path = dir.file("user.mcr").string();
    qmtest::writeFile(path, "[OLD]\told\r\n");
    durable::setFaultHook([](durable::Step step, const std::string&, int) { return step == durable::Step::Write ? ENOSPC : 0; });
    const macros::WriteResult r = macros::writeMacroFile(path, {"[NEW]\tnew"});
    durable::setFaultHook({});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Cannot create file " + path);
    EXPECT_EQ(qmtest::readFile(path), "[OLD]\told\r\n");
}

TEST(MacroFile, DeliveredSystemMacrosKeepTheReferenceLink) {
    const macros::ReadResult r = macros::readMacroFile((qmtest::sourceDir() / "data" / "system.mcr").string());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(expand("[hurl]", r.entries).text, "<A HREF=\"index.html\"></A>");
    for (const std::string& e : r.entries) EXPECT_EQ(macros::keyOf(e).back(), ']') << e;
}

TEST(MacroFile, FuzzCorpusReplays) {
    int files = 0;
    for (const auto& f : std::filesystem::directory_iterator(qmtest::sourceDir() / "fuzz" / "corpus" / "mcr")) {
        EXPECT_EQ(fuzzchecks::checkMacroBytes(qmtest::readFile(f.path())), "") << f.path().filename();
        ++files;
    }
    EXPECT_GT(files, 0);
}
