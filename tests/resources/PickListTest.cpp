// The data of the pick-list windows: the tag list, the symbols, what an
// entry inserts, the colour codes and the note pad's file.

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <string>
#include <sys/stat.h>

#include "PickLists.h"
#include "TestSupport.h"

using namespace picklists;

namespace {

int countWithEnd(const std::vector<std::string>& entries, bool (*pred)(const TagTexts&)) {
    int n = 0;
    for (const std::string& e : entries) n += pred(entryTexts(e, EntryKind::TagPair)) ? 1 : 0;
    return n;
}

}  // namespace

TEST(PickListTest, TagListHoldsSixtyPairsNineteenSinglesAndTheComment) {
    const auto& tags = htmlTagEntries();
    ASSERT_EQ(tags.size(), 80u);
    // 60 end with a closing tag, 19 with nothing.
    EXPECT_EQ(countWithEnd(tags, [](const TagTexts& t) { return t.end.starts_with("</"); }), 60);
    EXPECT_EQ(countWithEnd(tags, [](const TagTexts& t) { return t.end.empty(); }), 19);
    const std::set<std::string> set(tags.begin(), tags.end());
    EXPECT_EQ(set.size(), 80u) << "duplicate entry";
    // Start texts with attributes or two elements close the first element.
    EXPECT_TRUE(set.count("<MAP NAME=\"\"><AREA SHAPE=\"\" COORDS=\",\" HREF=\"\">\t</MAP>"));
    EXPECT_TRUE(set.count("<MARQUEE ALIGN=TOP BEHAVIOUR=SLIDE HEIGHT=50% WIDTH=50%>\t</MARQUEE>"));
    EXPECT_TRUE(set.count("<!--\t-->"));
}

TEST(PickListTest, EntriesSplitAtTheirFirstTab) {
    struct Case {
        std::string entry;
        EntryKind kind;
        TagTexts want;
    } cases[] = {
        {"<!--\t-->", EntryKind::TagPair, {"<!--", "-->"}},                    // the comment wraps
        {"<BR>\t", EntryKind::TagPair, {"<BR>", ""}},                          // nothing after the selection
        {"<FONT SIZE=\"\">\t</FONT>", EntryKind::TagPair, {"<FONT SIZE=\"\">", "</FONT>"}},
        {"<H ALIGN=>\t</H>", EntryKind::TagPair, {"<H ALIGN=>", "</H>"}},
        {"a\tb\tc", EntryKind::TagPair, {"a", "b\tc"}},                        // only the first TAB splits
        {"&copy;\tcopyright", EntryKind::StartOnly, {"&copy;", ""}},
        {"&copy; no tab", EntryKind::StartOnly, {"&copy; no tab", ""}},        // never an empty insertion
        {"<A HREF=\"x\">\tx</A>", EntryKind::Whole, {"<A HREF=\"x\">\tx</A>", ""}},
        {"", EntryKind::TagPair, {"", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(entryTexts(c.entry, c.kind), c.want) << c.entry;
}

TEST(PickListTest, EveryBuiltInSymbolInsertsItsEntity) {
    const auto& symbols = builtInSymbols();
    ASSERT_EQ(symbols.size(), 74u);
    for (const std::string& s : symbols) {
        const std::string start = entryTexts(s, EntryKind::StartOnly).start;
        EXPECT_TRUE((start.starts_with("&") && start.ends_with(";")) || start.starts_with("<SUP>")) << s;
        EXPECT_NE(s.find('\t'), std::string::npos) << s;
    }
}

TEST(PickListTest, DeliveredSymbolsFileHasATabOnEveryLine) {
    const ListFile file = readListFile((qmtest::sourceDir() / "data" / "symbols.web").string());
    ASSERT_EQ(file.error, 0) << file.reason;
    ASSERT_GE(file.entries.size(), builtInSymbols().size());
    for (const std::string& e : file.entries) {
        const std::size_t tab = e.find('\t');
        EXPECT_TRUE(tab != std::string::npos && tab > 0 && tab + 1 < e.size()) << e;
    }
}

TEST(PickListTest, LinesSplitAtEveryLineEndAndSortWithoutCase) {
    EXPECT_EQ(splitLines("a\r\nb\n\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("\r"), (std::vector<std::string>{}));
    std::vector<std::string> v{"c", "B", "a", "b", "A"};
    sortEntries(v);
    EXPECT_EQ(v, (std::vector<std::string>{"a", "A", "B", "b", "c"}));  // equal ones keep their order
}

TEST(PickListTest, ListFilesAreReadSortedAndRefusedWhenNotRegular) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("library.fil"), "<A HREF=\"b\">b</A>\r\n<a href=\"a\">a</a>\r\n");
    const ListFile ok = readListFile(dir.file("library.fil").string());
    EXPECT_EQ(ok.entries, (std::vector<std::string>{"<a href=\"a\">a</a>", "<A HREF=\"b\">b</A>"}));
    EXPECT_EQ(readListFile(dir.file("missing").string()).error, ENOENT);
    EXPECT_EQ(readListFile(dir.path().string()).error, EISDIR);
    ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0600), 0);
    EXPECT_NE(readListFile(dir.file("fifo").string()).error, 0);  // never blocks
}

TEST(PickListTest, ColourCodesAreRedGreenBlue) {
    struct Case {
        std::uint32_t number;
        const char* code;
    } cases[] = {
        {0xFFFFFF, "#FFFFFF"}, {0x0000FF, "#FF0000"}, {0xFF0000, "#0000FF"},
        {0x00FF00, "#00FF00"}, {0x123456, "#563412"}, {0xAB000000, "#000000"},  // high byte ignored
    };
    for (const Case& c : cases) EXPECT_EQ(colorCode(c.number), c.code);
}

TEST(PickListTest, NotesRoundTripWithCrLfOnDisk) {
    qmtest::TempDir dir;
    const std::string path = dir.file("notes.txt").string();
    EXPECT_EQ(readNotes(path).error, ENOENT);
    ASSERT_EQ(writeNotes(path, "first\n\nthird \xc3\xa9\n"), "");
    EXPECT_EQ(qmtest::readFile(path), "first\r\n\r\nthird \xc3\xa9\r\n");
    EXPECT_EQ(readNotes(path).text, "first\n\nthird \xc3\xa9\n");
    qmtest::writeFile(path, "lone\rcr\r\n");  // a CR alone is text
    EXPECT_EQ(readNotes(path).text, "lone\rcr\n");
}
