// The load arena on its own, and a loaded store whose blocks leave it while
// being edited, reloaded and reset (run under AddressSanitizer too).

#include "LoadArena.h"
#include "TParagraphStore.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace qm;

TEST(LoadArena, TakesAlignedRoomUntilClosedOrFull) {
    LoadArena arena(4096);
    char* a = static_cast<char*>(arena.take(3, 1));
    void* b = arena.take(8, 8);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(b) % 8, 0u);
    EXPECT_GE(static_cast<char*>(b), a + 3);  // never overlapping
    EXPECT_TRUE(arena.owns(a) && arena.owns(b));
    EXPECT_EQ(arena.take(std::size_t{1} << 40, 1), nullptr);  // beyond the mapping: the heap's turn
    arena.close();
    EXPECT_EQ(arena.take(1, 1), nullptr);
    EXPECT_EQ(arena.live(), 11u);
    arena.give(a, 3);
    EXPECT_TRUE(arena.owns(b));
    arena.give(b, 8);
    EXPECT_FALSE(arena.owns(b));  // nothing live after closing: unmapped
}

TEST(LoadArena, ContainersMoveBetweenArenaAndHeap) {
    LoadArena arena(1 << 16);
    using Vec = std::vector<std::uint32_t, ArenaAllocator<std::uint32_t>>;
    Vec v{ArenaAllocator<std::uint32_t>(&arena)};
    v.reserve(100);
    ASSERT_TRUE(arena.owns(v.data()));
    for (std::uint32_t i = 0; i < 100; ++i) v.push_back(i);
    arena.close();
    v.push_back(100);  // outgrows its room: moves to the heap, gives the room back
    EXPECT_FALSE(arena.owns(v.data()));
    EXPECT_EQ(arena.live(), 0u);
    Vec w;
    w = std::move(v);  // the allocator travels with the memory
    ASSERT_EQ(w.size(), 101u);
    EXPECT_EQ(w[57], 57u);
}

namespace {
// A text of many blocks: `lines` lines of varied length, CR LF ends.
std::string manyLines(int lines) {
    std::string all;
    for (int i = 0; i < lines; ++i) {
        all += "line " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x');
        all += "\r\n";
    }
    return all;
}
}  // namespace

TEST(LoadArena, LoadedBlocksSurviveEditsReloadAndReset) {
    qmtest::TempDir dir;
    const auto file = dir.file("many.txt");
    const std::string bytes = manyLines(5000);
    qmtest::writeFile(file, bytes);

    std::vector<std::string> expect;
    for (int i = 0; i < 5000; ++i) expect.push_back("line " + std::to_string(i) + std::string(static_cast<std::size_t>(i % 97), 'x'));
    expect.emplace_back();

    TParagraphStore s;
    ASSERT_TRUE(s.LoadFromFile(file.string()).ok);
    ASSERT_EQ(s.ParagraphCount(), 5001);
    s.check();
    // One byte into every 50th paragraph grows every block out of its room;
    // a paragraph removed and a block split move bytes around as well.
    for (int n = 1; n <= 5000; n += 50) {
        ASSERT_EQ(s.insertBytes(ParaNum(n), ParaPos(1), "#"), kEditOk);
        expect[static_cast<std::size_t>(n - 1)] = "#" + expect[static_cast<std::size_t>(n - 1)];
    }
    ASSERT_EQ(s.deleteParagraph(ParaNum(2500)), kEditOk);
    expect.erase(expect.begin() + 2499);
    for (int i = 0; i < 300; ++i) ASSERT_EQ(s.insertParagraphAfter(ParaNum(10), "new"), kEditOk);
    expect.insert(expect.begin() + 10, 300, "new");
    s.setWrapColumn(20);
    s.setWordWrap(true);
    s.check();
    ASSERT_EQ(s.ParagraphCount(), static_cast<std::int32_t>(expect.size()));
    for (std::size_t i = 0; i < expect.size(); ++i)
        ASSERT_EQ(s.paragraphText(ParaNum(static_cast<std::int32_t>(i) + 1)), expect[i]) << "paragraph " << i + 1;

    // A second load replaces the first one's arena while its blocks go.
    ASSERT_TRUE(s.LoadFromFile(file.string()).ok);
    s.check();
    EXPECT_TRUE(s.text() == bytes);  // the last line end makes the empty last paragraph
    s.reset();
    s.check();
    EXPECT_EQ(s.text(), "");
}

TEST(LoadArena, FileOfEmptyLinesOutgrowsTheArenaIntoTheHeap) {
    // 8 bytes of starts per 1-byte line: more than the arena's estimate.
    qmtest::TempDir dir;
    const auto file = dir.file("empty.txt");
    qmtest::writeFile(file, std::string(300000, '\n'));
    TParagraphStore s;
    ASSERT_TRUE(s.LoadFromFile(file.string()).ok);
    EXPECT_EQ(s.ParagraphCount(), 300001);
    EXPECT_TRUE(s.lfLineEnds());
    s.check();
    ASSERT_EQ(s.insertBytes(ParaNum(150000), ParaPos(1), "mid"), kEditOk);
    EXPECT_EQ(s.lineText(LineNum(150000)), "mid");
    s.check();
}

TEST(LoadArena, LineEndsAreFoundAtEveryOffsetOfALongRun) {
    // Lines of 1 to 40 bytes with CR LF, LF and CR ends in turn, so that
    // every kind of end falls at every offset of the scan's 16-byte steps.
    static const char* const ends[] = {"\r\n", "\n", "\r"};
    std::string bytes;
    std::vector<std::string> expect;
    for (int round = 0; round < 3; ++round) {
        for (int len = 1; len <= 40; ++len) {  // no empty line: a CR before one would make CR LF
            std::string line;
            for (int k = 0; k < len; ++k) line += static_cast<char>('a' + (k + len) % 26);
            bytes += line + ends[(len + round) % 3];
            expect.push_back(line);
        }
    }
    bytes += "tail without end";
    expect.emplace_back("tail without end");
    expect.emplace_back();  // the store always ends in one empty paragraph

    qmtest::TempDir dir;
    const auto file = dir.file("ends.txt");
    qmtest::writeFile(file, bytes);
    TParagraphStore s;
    ASSERT_TRUE(s.LoadFromFile(file.string()).ok);
    ASSERT_EQ(s.ParagraphCount(), static_cast<std::int32_t>(expect.size()));
    for (std::size_t i = 0; i < expect.size(); ++i)
        EXPECT_EQ(s.paragraphText(ParaNum(static_cast<std::int32_t>(i) + 1)), expect[i]) << "paragraph " << i + 1;
    EXPECT_FALSE(s.lfLineEnds());
}
