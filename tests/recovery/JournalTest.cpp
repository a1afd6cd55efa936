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

JournalEdit rep(std::uint64_t para, std::uint64_t at, std::uint64_t n, std::string bytes, std::int64_t t = 1) {
    return {Kind::Replace, t, para, at, n, bytes, {}};
}
JournalEdit ins(std::uint64_t para, std::uint64_t at, std::string bytes, std::int64_t t = 1) {
    return rep(para, at, 0, bytes, t);
}
JournalEdit del(std::uint64_t para, std::uint64_t at, std::uint64_t n, std::int64_t t = 1) { return rep(para, at, n, {}, t); }
JournalEdit paraIn(std::uint64_t before, std::string text, std::int64_t t = 1) {
    return {Kind::InsertParagraph, t, before, 0, 0, text, {}};
}
JournalEdit paraOut(std::uint64_t n, std::int64_t t = 1) { return {Kind::RemoveParagraph, t, n, 0, 0, {}, {}}; }
JournalEdit whole(std::vector<std::string> paras, std::int64_t t = 1) { return {Kind::Text, t, 0, 0, 0, {}, paras}; }

// A store holding text (paragraphs separated by CR LF).
std::string replayed(const std::string& base, const std::vector<JournalEdit>& edits, recovery::Replayed* r = nullptr) {
    qm::TParagraphStore store;
    store.insertText({qm::ParaNum(1), qm::ParaPos(1)}, base);
    const recovery::Replayed out = recovery::replayInto(store, edits);
    if (r) *r = out;
    return store.text();
}

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
    for (const JournalEdit& e : {ins(1, 0, "<b>", 10), paraIn(2, "x", 15), del(1, 1, 1, 20), whole({"new", "text"}, 30),
                                 paraOut(1, 35), ins(1, 4, "!", 40)}) {
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
        {"typing at the end", "ab", {ins(1, 2, "c"), ins(1, 3, "d")}, "abcd", false},
        {"replace inside, then delete", "hello world", {rep(1, 0, 5, "HELLO"), del(1, 5, 6)}, "HELLO", false},
        {"paragraphs in and out", "a\r\nb", {paraIn(3, "c"), paraIn(1, "z"), paraOut(2)}, "z\r\nb\r\nc", false},
        {"whole text replaces the base", "old\r\nlines", {whole({"new", ""}), ins(1, 3, "er")}, "newer\r\n", false},
        {"NUL and CR bytes in a paragraph", "", {ins(1, 0, std::string("a\0\rb", 4))}, std::string("a\0\rb", 4), false},
        {"insert past the end stops", "ab", {ins(1, 1, "x"), ins(1, 9, "y"), ins(1, 0, "z")}, "axb", true},
        {"delete past the end stops", "ab", {del(1, 1, 2), ins(1, 0, "z")}, "ab", true},
        {"no such paragraph stops", "ab", {ins(2, 0, "x")}, "ab", true},
        {"the last paragraph cannot go", "ab", {paraOut(1)}, "ab", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = recovery::encodeHeader({});
        for (const JournalEdit& e : c.edits) bytes += recovery::encodeEdit(e);
        const recovery::JournalContents read = recovery::readJournal(bytes);
        ASSERT_TRUE(read.valid);
        EXPECT_FALSE(read.damaged);
        ASSERT_EQ(read.edits.size(), c.edits.size());
        recovery::Replayed r;
        EXPECT_EQ(replayed(c.base, read.edits, &r), c.text);
        EXPECT_EQ(r.damaged, c.damaged);
    }
}

// Typing encodes its records without building an edit: the bytes must match.
TEST(Journal, TypingRecordsEncodeAsEdits) {
    std::string typed;
    recovery::appendReplace(typed, 7, 3, 2, 1, "xy");
    EXPECT_EQ(typed, recovery::encodeEdit(rep(3, 2, 1, "xy", 7)));
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
    recovery::Replayed r;
    EXPECT_EQ(replayed("", read.edits, &r), "text!");
    EXPECT_EQ(r.lastChangeMs, 40);
    // From the last whole text on, any text will do as the start.
    ASSERT_EQ(recovery::lastWholeText(read.edits), 3u);
    qm::TParagraphStore other;
    other.insertText({qm::ParaNum(1), qm::ParaPos(1)}, "unrelated\r\nlines\r\n");
    recovery::replayInto(other, read.edits, 3);
    EXPECT_EQ(other.text(), "text!");
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
    ASSERT_TRUE(w.append(ins(1, 0, "abc")));
    ASSERT_TRUE(w.append(del(1, 0, 1)));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(replayed("", recovery::readJournal(durable::readFile(file).bytes).edits), "bc");

    // After a save the journal begins again from the saved file.
    ASSERT_TRUE(w.open(file, {}));
    ASSERT_TRUE(w.append(ins(1, 0, "z")));
    w.close();
    const recovery::JournalContents read = recovery::readJournal(durable::readFile(file).bytes);
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.header.path, "");
    EXPECT_EQ(replayed("", read.edits), "z");
}

// The fuzzer's seed journals are whole journals in today's format.
TEST(Journal, FuzzSeedsReadWhole) {
    int seeds = 0;
    for (const auto& e : std::filesystem::directory_iterator(qmtest::sourceDir() / "fuzz/corpus/journal")) {
        SCOPED_TRACE(e.path().string());
        const recovery::JournalContents read = recovery::readJournal(durable::readFile(e.path().string()).bytes);
        EXPECT_TRUE(read.valid && !read.damaged && !read.edits.empty());
        recovery::Replayed r;
        replayed("", read.edits, &r);
        EXPECT_FALSE(r.damaged);
        ++seeds;
    }
    EXPECT_GE(seeds, 3);
}
