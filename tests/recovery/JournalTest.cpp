// Recovery journals: written as edits happen, read back up to any damage.

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "DurableFile.h"
#include "Journal.h"
#include "TestSupport.h"

using recovery::JournalEdit;
using Kind = recovery::JournalEdit::Kind;

namespace {

JournalEdit ins(std::uint64_t at, std::string bytes, std::int64_t t = 1) { return {Kind::Insert, t, at, 0, bytes}; }
JournalEdit del(std::uint64_t at, std::uint64_t n, std::int64_t t = 1) { return {Kind::Delete, t, at, n, {}}; }
JournalEdit whole(std::string text, std::int64_t t = 1) { return {Kind::Text, t, 0, 0, text}; }

recovery::JournalHeader sampleHeader() {
    recovery::JournalHeader h;
    h.path = "/site/p\xe9ge.html";  // names are bytes
    h.caption = "page";
    h.base = {true, 2049, 77, 12, 1700000000123456789, 0xfeedfacecafebeefull};
    return h;
}

struct Sample {
    std::string bytes;
    std::vector<std::size_t> recordEnds;  // header first
};

Sample sampleJournal() {
    Sample s;
    s.bytes = recovery::encodeHeader(sampleHeader());
    s.recordEnds.push_back(s.bytes.size());
    for (const JournalEdit& e : {ins(0, "<b>", 10), del(1, 1, 20), whole("new\r\ntext", 30), ins(9, "!", 40)}) {
        s.bytes += recovery::encodeEdit(e);
        s.recordEnds.push_back(s.bytes.size());
    }
    return s;
}

}  // namespace

TEST(Journal, EditsReplayOntoTheirBase) {
    struct Case {
        const char* name;
        std::string base;
        std::vector<JournalEdit> edits;
        std::string text;
        bool damaged;
    };
    const Case cases[] = {
        {"no edits", "abc", {}, "abc", false},
        {"typing at the end", "ab", {ins(2, "c"), ins(3, "d")}, "abcd", false},
        {"insert and delete inside", "hello world", {del(5, 6), ins(0, ">> ")}, ">> hello", false},
        {"whole text replaces the base", "old", {whole("new"), ins(3, "er")}, "newer", false},
        {"NUL and CR bytes", "", {ins(0, std::string("a\0\r\n", 4))}, std::string("a\0\r\n", 4), false},
        {"insert past the end stops", "ab", {ins(1, "x"), ins(9, "y"), ins(0, "z")}, "axb", true},
        {"delete past the end stops", "ab", {del(1, 2), ins(0, "z")}, "ab", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = recovery::encodeHeader({});
        for (const JournalEdit& e : c.edits) bytes += recovery::encodeEdit(e);
        const recovery::JournalContents read = recovery::readJournal(bytes);
        ASSERT_TRUE(read.valid);
        EXPECT_FALSE(read.damaged);
        ASSERT_EQ(read.edits.size(), c.edits.size());
        const recovery::Replayed r = recovery::replay(read.edits, c.base);
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.damaged, c.damaged);
    }
}

TEST(Journal, HeaderKeepsTheFileItWasMadeAgainst) {
    const recovery::JournalContents read = recovery::readJournal(sampleJournal().bytes);
    ASSERT_TRUE(read.valid);
    const recovery::JournalHeader h = sampleHeader();
    EXPECT_EQ(read.header.path, h.path);
    EXPECT_EQ(read.header.caption, h.caption);
    const recovery::FileIdentity& b = read.header.base;
    EXPECT_EQ(std::tie(b.exists, b.device, b.inode, b.size, b.mtimeNs, b.hash),
              std::tie(h.base.exists, h.base.device, h.base.inode, h.base.size, h.base.mtimeNs, h.base.hash));
    EXPECT_EQ(recovery::replay(read.edits, "").lastChangeMs, 40);
}

// Cut at every length and with every byte flipped: what comes before the
// damage is read, nothing after it, and the damage is reported.
TEST(Journal, DamageKeepsEverythingBeforeIt) {
    const Sample s = sampleJournal();
    auto wholeRecords = [&](std::size_t upTo) {
        std::size_t n = 0;
        while (n < s.recordEnds.size() && s.recordEnds[n] <= upTo) ++n;
        return n;  // header included
    };
    for (std::size_t len = 0; len <= s.bytes.size(); ++len) {
        SCOPED_TRACE(len);
        const recovery::JournalContents read = recovery::readJournal(std::string_view(s.bytes).substr(0, len));
        const std::size_t records = wholeRecords(len);
        EXPECT_EQ(read.valid, records > 0);
        EXPECT_EQ(read.edits.size(), records > 0 ? records - 1 : 0);
        const bool atBoundary = len == 0 || (records > 0 && s.recordEnds[records - 1] == len);  // a lone magic is damage
        EXPECT_EQ(read.damaged, !atBoundary);
    }
    for (std::size_t at = 0; at < s.bytes.size(); ++at) {
        SCOPED_TRACE(at);
        std::string flipped = s.bytes;
        flipped[at] = char(flipped[at] ^ 0x20);
        const recovery::JournalContents read = recovery::readJournal(flipped);
        const std::size_t before = wholeRecords(at);
        EXPECT_TRUE(read.damaged);
        EXPECT_EQ(read.edits.size(), before > 0 ? before - 1 : 0);
    }
}

TEST(Journal, WriterAppendsToAPrivateFileAndStartsAfresh) {
    qmtest::TempDir dir;
    const std::string file = dir.file("doc.journal").string();
    recovery::JournalWriter w;
    ASSERT_TRUE(w.open(file, sampleHeader()));
    ASSERT_TRUE(w.append(ins(0, "abc")));
    ASSERT_TRUE(w.append(del(0, 1)));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(recovery::replay(recovery::readJournal(durable::readFile(file).bytes).edits, "").text, "bc");

    // After a save the journal begins again from the saved file.
    ASSERT_TRUE(w.open(file, {}));
    ASSERT_TRUE(w.append(ins(0, "z")));
    w.close();
    const recovery::JournalContents read = recovery::readJournal(durable::readFile(file).bytes);
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.header.path, "");
    EXPECT_EQ(recovery::replay(read.edits, "").text, "z");
}
