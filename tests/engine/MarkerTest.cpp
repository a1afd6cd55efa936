// The ten markers follow the text through edits, splits, joins and undo.

#include "TParagraphStore.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {
TextPos at(int p, int c) { return {ParaNum(p), ParaPos(c)}; }

}  // namespace

class Markers : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(s.insertText(at(1, 1), "abcdef\r\nghijkl\r\nmnop"), 0); }
    TParagraphStore s;
};

TEST_F(Markers, SetRejectsPlacesOutsideTheText) {
    EXPECT_FALSE(s.setMarker(0, at(4, 1)));
    EXPECT_FALSE(s.setMarker(0, at(1, 8)));
    EXPECT_FALSE(s.setMarker(10, at(1, 1)));
    EXPECT_TRUE(s.setMarker(9, at(1, 7)));
    EXPECT_EQ(s.marker(9), at(1, 7));
    s.clearMarker(9);
    EXPECT_EQ(s.marker(9), TextPos{});
}

TEST_F(Markers, DeletedBytesUnsetMarkersInsideAndMoveLaterOnesBack) {
    s.setMarker(0, at(1, 2));
    s.setMarker(1, at(1, 3));  // inside
    s.setMarker(2, at(1, 4));  // inside
    s.setMarker(3, at(1, 5));  // just after
    s.setMarker(4, at(2, 5));  // other paragraph
    s.deleteBytes(ParaNum(1), ParaPos(3), 2);
    EXPECT_EQ(s.marker(0), at(1, 2));
    EXPECT_EQ(s.marker(1), TextPos{});
    EXPECT_EQ(s.marker(2), TextPos{});
    EXPECT_EQ(s.marker(3), at(1, 3));
    EXPECT_EQ(s.marker(4), at(2, 5));
}

TEST_F(Markers, InsertedBytesMoveMarkersAtAndAfterTheInsertion) {
    s.setMarker(0, at(1, 2));
    s.setMarker(1, at(1, 3));
    s.insertBytes(ParaNum(1), ParaPos(3), "XY");
    EXPECT_EQ(s.marker(0), at(1, 2));
    EXPECT_EQ(s.marker(1), at(1, 5));
}

TEST_F(Markers, ParagraphDeletionAndInsertion) {
    s.setMarker(0, at(2, 3));
    s.setMarker(1, at(3, 2));
    s.deleteParagraph(ParaNum(2));
    EXPECT_EQ(s.marker(0), TextPos{});
    EXPECT_EQ(s.marker(1), at(2, 2));
    s.insertParagraphBefore(ParaNum(2), "new");
    EXPECT_EQ(s.marker(1), at(3, 2));
    s.insertParagraphAfter(ParaNum(3), "after");
    EXPECT_EQ(s.marker(1), at(3, 2));
}

TEST_F(Markers, SplitMovesMarkersPastTheCaretIntoTheNewParagraph) {
    s.setMarker(0, at(1, 2));
    s.setMarker(1, at(1, 4));
    s.setMarker(2, at(1, 7));  // end of paragraph
    s.setMarker(3, at(2, 1));
    s.split(at(1, 4), true, 2, 0);
    EXPECT_EQ(s.marker(0), at(1, 2));
    EXPECT_EQ(s.marker(1), at(2, 3));  // after the two columns of indentation
    EXPECT_EQ(s.marker(2), at(2, 6));
    EXPECT_EQ(s.marker(3), at(3, 1));
    s.check();
}

TEST_F(Markers, SplitKeepsAMarkerOnTrimmedBlanksInsideTheText) {
    s.insertBytes(ParaNum(1), ParaPos(4), "   ");  // "abc   def"
    s.setMarker(0, at(1, 6));                     // on a blank that the split trims
    s.split(at(1, 7), true, 0, 0);
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "abc");
    EXPECT_EQ(s.marker(0), at(1, 4));
    s.check();
}

TEST_F(Markers, JoinMovesTheNextParagraphsMarkersBehindTheJoinPoint) {
    s.setMarker(0, at(2, 3));
    s.setMarker(1, at(3, 1));
    s.join(at(1, 7));
    EXPECT_EQ(s.marker(0), at(1, 9));
    EXPECT_EQ(s.marker(1), at(2, 1));
    s.check();
}

TEST_F(Markers, DeletedTextUndoneDoesNotRestoreTheMarker) {
    // Undo re-inserts bytes like any insertion: a marker unset stays unset,
    // one after the text moves forward again.
    s.setMarker(0, at(1, 3));
    s.setMarker(1, at(1, 6));
    s.deleteBytes(ParaNum(1), ParaPos(2), 3);
    EXPECT_EQ(s.marker(0), TextPos{});
    EXPECT_EQ(s.marker(1), at(1, 3));
    s.undo();
    EXPECT_EQ(s.marker(1), at(1, 6));
    EXPECT_EQ(s.marker(0), TextPos{});
}
