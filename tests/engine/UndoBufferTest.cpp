// TEditUndoBuffer on its own: merging, groups, room making, save points.

#include "TEditUndoBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qm;

namespace {

// Takes one undo step and returns its records, newest first.
std::vector<UndoRecord> undoStep(TEditUndoBuffer& b, std::vector<std::string>* data = nullptr) {
    std::vector<UndoRecord> out;
    const int g = b.nextUndoGroup();
    UndoRecord r;
    while (b.nextUndoGroup() == g && b.takeUndo(r)) {
        out.push_back(r);
        if (data) data->emplace_back(r.data);
    }
    return out;
}

std::vector<UndoRecord> redoStep(TEditUndoBuffer& b, bool modified = true) {
    std::vector<UndoRecord> out;
    const int g = b.nextRedoGroup();
    UndoRecord r;
    while (b.nextRedoGroup() == g && b.takeRedo(modified, r)) out.push_back(r);
    return out;
}

}  // namespace

TEST(UndoBuffer, TypingDeleteAndBackspaceRunsMergeIntoOneRecord) {
    TEditUndoBuffer b;
    // Typing "abc" at 1, 2, 3.
    b.recordChange(UndoKind::Inserted, false, 1, 1, "a");
    b.recordChange(UndoKind::Inserted, true, 1, 2, "b");
    b.recordChange(UndoKind::Inserted, true, 1, 3, "c");
    EXPECT_EQ(b.undoCount(), 1u);
    // Delete key at position 5 twice: bytes appended.
    b.recordChange(UndoKind::Deleted, true, 1, 5, "x");
    b.recordChange(UndoKind::Deleted, true, 1, 5, "y");
    // Backspace from 9: bytes put in front, position moves back.
    b.recordChange(UndoKind::Deleted, true, 1, 8, "q");
    b.recordChange(UndoKind::Deleted, true, 1, 7, "p");
    EXPECT_EQ(b.undoCount(), 3u);  // "xy" then "pq" (positions 5 vs 7 do not touch)
    b.check();

    std::vector<std::string> data;
    auto s = undoStep(b, &data);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(data[0], "pq");
    EXPECT_EQ(s[0].position, 7);
    data.clear();
    undoStep(b, &data);
    EXPECT_EQ(data[0], "xy");
    data.clear();
    s = undoStep(b, &data);
    EXPECT_EQ(data[0], "abc");
    EXPECT_FALSE(s[0].modifiedBefore);  // the flag of the run's first keystroke
    EXPECT_FALSE(b.canUndo());
    EXPECT_EQ(b.nextUndoGroup(), TEditUndoBuffer::kNoGroup);
}

TEST(UndoBuffer, RunsDoNotMergeAcrossParagraphsGapsKindsOrGroups) {
    TEditUndoBuffer b;
    b.recordChange(UndoKind::Inserted, false, 1, 1, "ab");
    b.recordChange(UndoKind::Inserted, false, 1, 5, "c");  // caret moved
    b.recordChange(UndoKind::Inserted, false, 2, 6, "d");  // other paragraph
    b.recordChange(UndoKind::Deleted, false, 2, 7, "e");   // other kind
    EXPECT_EQ(b.undoCount(), 4u);
    const bool was = b.openGroup();
    b.recordChange(UndoKind::Inserted, false, 3, 1, "f");
    b.recordChange(UndoKind::Inserted, false, 3, 2, "g");  // inside a group: no merging
    b.closeGroup(was);
    EXPECT_EQ(b.undoCount(), 6u);
    EXPECT_EQ(undoStep(b).size(), 2u);  // but one step
    EXPECT_EQ(undoStep(b).size(), 1u);
}

TEST(UndoBuffer, ReplacementsMergeOnlyWhereTheyTouchTheNewBytesKeepingNul) {
    TEditUndoBuffer b;
    b.recordReplace(false, 1, 3, std::string("o\0", 2), "N");
    b.recordReplace(false, 1, 5, "q", "Z");  // 5 = 3 + old length 2: does not touch
    EXPECT_EQ(b.undoCount(), 2u);
    b.recordReplace(false, 1, 6, "r", "Y");  // 6 = 5 + new length 1: touches, merges
    EXPECT_EQ(b.undoCount(), 2u);
    UndoRecord apart;
    ASSERT_TRUE(b.takeUndo(apart));
    EXPECT_EQ(apart.data, "qr");
    EXPECT_EQ(apart.newData, "ZY");
    b.clear();
    b.recordReplace(false, 1, 3, std::string("o\0", 2), "N");
    b.recordReplace(false, 1, 4, "p", std::string("M\0", 2));  // 4 = 3 + new length 1
    EXPECT_EQ(b.undoCount(), 1u);
    UndoRecord r;
    ASSERT_TRUE(b.takeUndo(r));
    EXPECT_EQ(r.kind, UndoKind::Replaced);
    EXPECT_EQ(r.data, std::string("o\0p", 3));
    EXPECT_EQ(r.newData, std::string("NM\0", 3));
}

TEST(UndoBuffer, NestedGroupsMakeOneStepAndCaretRecordsBelongToIt) {
    TEditUndoBuffer b;
    const bool outer = b.openGroup();
    EXPECT_FALSE(outer);
    b.recordChange(UndoKind::Caret, false, 1, 4);
    const bool inner = b.openGroup();
    EXPECT_TRUE(inner);
    b.recordChange(UndoKind::Deleted, false, 1, 4, "xyz");
    b.closeGroup(inner);
    EXPECT_TRUE(b.groupOpen());
    b.recordChange(UndoKind::Caret, false, 2, 1);
    b.closeGroup(outer);
    EXPECT_FALSE(b.groupOpen());
    const auto s = undoStep(b);
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[2].position, 4);  // the last record taken is the oldest
    // Redo hands the step back oldest first.
    const auto r = redoStep(b);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].kind, UndoKind::Caret);
    EXPECT_EQ(r[2].paragraph, 2);
}

TEST(UndoBuffer, NewChangeAfterUndoDiscardsRedo) {
    TEditUndoBuffer b;
    b.recordChange(UndoKind::Inserted, false, 1, 1, "a");
    b.recordChange(UndoKind::Inserted, false, 2, 1, "b");
    undoStep(b);
    EXPECT_TRUE(b.canRedo());
    b.recordChange(UndoKind::Inserted, false, 3, 1, "c");
    EXPECT_FALSE(b.canRedo());
    EXPECT_TRUE(redoStep(b).empty());
    b.check();
}

TEST(UndoBuffer, RedoTakesTheCallersModifiedFlag) {
    TEditUndoBuffer b;
    b.recordChange(UndoKind::Inserted, false, 1, 1, "a");
    undoStep(b);
    auto r = redoStep(b, true);
    EXPECT_TRUE(r[0].modifiedBefore);
    auto u = undoStep(b);
    EXPECT_TRUE(u[0].modifiedBefore);  // the flag redo stored is what undo restores
}

TEST(UndoBuffer, SavePointMarksEveryRecordModifiedBefore) {
    TEditUndoBuffer b;
    b.recordChange(UndoKind::Inserted, false, 1, 1, "a");
    b.recordChange(UndoKind::Inserted, false, 2, 1, "b");
    undoStep(b);  // one undo and one redo record
    b.markSavePoint();
    UndoRecord r;
    ASSERT_TRUE(b.takeUndo(r));
    EXPECT_TRUE(r.modifiedBefore);
}

TEST(UndoBuffer, OversizedRecordClearsHistoryButLaterChangesRecord) {
    TEditUndoBuffer b(256);
    b.recordChange(UndoKind::Inserted, false, 1, 1, "a");
    constexpr std::size_t room = 256 - TEditUndoBuffer::kHeaderSize;
    EXPECT_FALSE(b.recordChange(UndoKind::Deleted, false, 2, 1, std::string(room + 1, 'x')));
    EXPECT_FALSE(b.canUndo());
    EXPECT_EQ(b.groupCounter(), 0);
    EXPECT_TRUE(b.recordChange(UndoKind::Deleted, false, 2, 1, std::string(room, 'x')));  // exactly fits
    EXPECT_TRUE(b.canUndo());
    b.check();
}

TEST(UndoBuffer, OverflowDiscardsWholeOldestGroupsFreeingASixteenth) {
    TEditUndoBuffer b;  // 8192 bytes
    // Groups of three 50-byte records: 150 bytes per group.
    int para = 0;
    const std::string bytes(50 - TEditUndoBuffer::kHeaderSize, 'd');
    auto group = [&] {
        const bool was = b.openGroup();
        for (int k = 0; k < 3; ++k) b.recordChange(UndoKind::Deleted, false, ++para, 1, bytes);
        b.closeGroup(was);
    };
    while (b.freeBytes() >= 150) group();
    const std::size_t before = b.undoCount();
    const std::size_t freeBefore = b.freeBytes();
    EXPECT_EQ(before % 3, 0u);
    group();  // does not fit: oldest groups go
    EXPECT_EQ(b.undoCount() % 3, 0u) << "a group was cut in half";
    const std::size_t discardedRecords = before + 3 - b.undoCount();
    EXPECT_GE(discardedRecords * 50 + freeBefore, 8192u / 16 + 150);
    EXPECT_LT(discardedRecords * 50, 8192u / 16 + 150 + 150) << "discarded more groups than needed";
    b.check();
    // The oldest surviving record is now at the start with previous size 0
    // (check() walks the chain from there); stepping back reaches it.
    std::size_t steps = 0;
    while (b.canUndo()) {
        EXPECT_EQ(undoStep(b).size(), 3u);
        ++steps;
    }
    EXPECT_EQ(steps * 3, before + 3 - discardedRecords);
}

TEST(UndoBuffer, GroupThatLosesARecordRecordsNothingMoreUntilClosed) {
    TEditUndoBuffer b(128);
    b.recordChange(UndoKind::Inserted, false, 1, 1, "old");
    const bool was = b.openGroup();
    EXPECT_TRUE(b.recordChange(UndoKind::Inserted, false, 2, 1, "a"));
    EXPECT_FALSE(b.recordChange(UndoKind::Deleted, false, 2, 1, std::string(200, 'x')));
    EXPECT_TRUE(b.groupBroken());
    EXPECT_FALSE(b.canUndo());  // the whole history went with it
    EXPECT_FALSE(b.recordChange(UndoKind::Inserted, false, 3, 1, "b"));
    b.closeGroup(was);
    EXPECT_FALSE(b.groupBroken());
    EXPECT_TRUE(b.recordChange(UndoKind::Inserted, false, 4, 1, "c"));
    EXPECT_EQ(b.undoCount(), 1u);
}

TEST(UndoBuffer, GroupLargerThanTheAreaBreaksWhenItWouldDiscardItself) {
    TEditUndoBuffer b(100);
    const bool was = b.openGroup();
    EXPECT_TRUE(b.recordChange(UndoKind::Inserted, false, 1, 1, std::string(40, 'a')));  // 60 bytes
    EXPECT_FALSE(b.recordChange(UndoKind::Inserted, false, 2, 1, std::string(40, 'b')));
    EXPECT_TRUE(b.groupBroken());
    b.closeGroup(was);
    EXPECT_FALSE(b.canUndo());
}

TEST(UndoBuffer, AllocationFailureHalvesTheSizeDownToNothing) {
    TEditUndoBuffer half(8192, [](std::size_t n) { return n <= 1000; });
    EXPECT_EQ(half.size(), 512u);
    TEditUndoBuffer odd(1001, [](std::size_t n) { return n <= 501; });
    EXPECT_EQ(odd.size(), 501u);  // halving rounds up
    TEditUndoBuffer none(8192, [](std::size_t) { return false; });
    EXPECT_EQ(none.size(), 0u);
    EXPECT_FALSE(none.recordChange(UndoKind::Inserted, false, 1, 1, "a"));
    EXPECT_FALSE(none.canUndo());
    TEditUndoBuffer big(TEditUndoBuffer::kMaxSize + 1);
    EXPECT_EQ(big.size(), TEditUndoBuffer::kMaxSize);
}

// A large area is taken from memory only as the history grows; when growing
// fails, the history goes on in what it has, discarding its oldest steps.
TEST(UndoBuffer, AreaGrowsOnDemandAndAFailedGrowthKeepsRecording) {
    static std::size_t limit;
    limit = std::size_t(1) << 30;
    TEditUndoBuffer b(64u << 20, [](std::size_t n) { return n <= limit; });
    EXPECT_EQ(b.allocated(), TEditUndoBuffer::kFirstAllocation) << "a new history costs little";
    const std::string chunk(100000, 'x');
    for (int i = 1; i <= 30; ++i) ASSERT_TRUE(b.recordChange(UndoKind::Deleted, false, i, 1, chunk));
    EXPECT_EQ(b.undoCount(), 30u) << "3 MB of history, none discarded";
    EXPECT_GE(b.allocated(), 30u * 100000);
    EXPECT_LT(b.allocated(), 2u * 30 * 100000 + TEditUndoBuffer::kFirstAllocation);
    b.check();

    limit = b.allocated();  // no more memory to be had
    for (int i = 31; i <= 90; ++i) ASSERT_TRUE(b.recordChange(UndoKind::Deleted, false, i, 1, chunk));
    EXPECT_EQ(b.size(), b.allocated()) << "the area stopped growing";
    EXPECT_LT(b.undoCount(), 60u) << "oldest steps made room";
    b.check();
    UndoRecord r;
    ASSERT_TRUE(b.takeUndo(r));
    EXPECT_EQ(r.paragraph, 90);
    EXPECT_EQ(r.data, chunk);
}

// Record sizes and replacement lengths are 32-bit: one record may hold
// more than 64 KiB, and merged runs may grow past it.
TEST(UndoBuffer, RecordsLargerThanSixtyFourKiBKeepTheirBytes) {
    TEditUndoBuffer b(8u << 20);
    const std::string big(70000, 'o'), bigger(200000, 'n');
    ASSERT_TRUE(b.recordReplace(false, 1, 1, big, bigger));
    ASSERT_TRUE(b.recordReplace(false, 1, 200001, "x", bigger));  // touches: merges
    ASSERT_TRUE(b.recordChange(UndoKind::Inserted, false, 2, 1, bigger));
    ASSERT_TRUE(b.recordChange(UndoKind::Inserted, false, 2, 200001, big));
    EXPECT_EQ(b.undoCount(), 2u);
    b.check();
    UndoRecord r;
    ASSERT_TRUE(b.takeUndo(r));
    EXPECT_EQ(r.data, bigger + big);
    ASSERT_TRUE(b.takeUndo(r));
    EXPECT_EQ(r.data, big + "x");
    EXPECT_EQ(r.newData, bigger + bigger);
}

TEST(UndoBuffer, ParagraphObjectsChangeHandsWithTheirSide) {
    TEditUndoBuffer b;
    auto gone = std::make_unique<DetachedParagraph>();
    gone->text = "deleted line";
    b.recordParagraph(UndoKind::ParaDeleted, false, 3, 1, std::move(gone));
    b.recordParagraph(UndoKind::ParaInsertedBefore, false, 5, 1, nullptr);
    b.check();  // kind 5 holds its object on the undo side, kind 2 holds none

    UndoRecord r;
    ASSERT_TRUE(b.takeUndo(r));  // kind 2 undone: the paragraph leaves the text
    auto left = std::make_unique<DetachedParagraph>();
    left->text = "inserted line";
    b.keepParagraph(std::move(left));
    ASSERT_TRUE(b.takeUndo(r));  // kind 5 undone: its paragraph goes back
    ASSERT_NE(r.paragraphObject, nullptr);
    auto back = b.takeParagraph();
    ASSERT_TRUE(back);
    EXPECT_EQ(back->text, "deleted line");
    b.check();
    // Clearing now frees the kind 2 object (out of the text) and nothing else.
    b.clear();
    b.check();
}
