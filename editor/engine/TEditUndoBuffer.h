#pragma once
// TEditUndoBuffer: the undo history of one paragraph store, kept as compact
// records in one byte area of a fixed maximum size. The area is taken from
// memory as the history grows (doubling up to the maximum), so a large
// maximum costs little until it is used. The buffer only stores and hands
// out records; the store applies them to the text.
//
// Record layout (20-byte header, then data), back to back from the area start:
//   u32 size of the previous record incl. header (0 for the first)
//   u8  kind (low 7 bits) | modified-before flag (top bit)
//   u8  group number
//   u16 (unused)
//   i32 paragraph number
//   i32 position in the paragraph
//   u32 data length
// Data: kinds 1 and 4 the bytes; kinds 2, 3, 5 a pointer to a DetachedParagraph
// (null while that paragraph is in the text); kind 6 u32 old length, u32 new
// length, old bytes, new bytes (lengths rather than terminators, so NUL bytes
// survive).
//
// Ownership: a record owns its DetachedParagraph exactly while the paragraph
// is out of the text: kind 5 on the undo side, kinds 2 and 3 on the redo side.
// Discarding, clearing or destroying the buffer frees only those.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace qm {

enum class UndoKind : std::uint8_t {
    Caret = 0,               // no change: a caret position inside a compound step
    Inserted = 1,            // bytes inserted
    ParaInsertedBefore = 2,  // paragraph inserted before the recorded number
    ParaInsertedAfter = 3,   // paragraph inserted after the recorded number
    Deleted = 4,             // bytes deleted
    ParaDeleted = 5,         // paragraph deleted
    Replaced = 6,            // bytes replaced
};

// A paragraph while it is out of the text, held by exactly one undo record.
struct DetachedParagraph {
    std::string text;
};

// One record as handed out by takeUndo / takeRedo. The views point into the
// buffer's area and stay valid until the next call that changes the buffer.
struct UndoRecord {
    UndoKind kind = UndoKind::Caret;
    std::uint8_t group = 0;
    bool modifiedBefore = false;
    std::int32_t paragraph = 0;
    std::int32_t position = 0;
    std::string_view data;      // kinds 1, 4: the bytes; kind 6: the old bytes
    std::string_view newData;   // kind 6: the new bytes
    const DetachedParagraph* paragraphObject = nullptr;  // kinds 2, 3, 5 (may be null)
};

class TEditUndoBuffer {
public:
    static constexpr std::size_t kHeaderSize = 20;
    static constexpr std::size_t kReplaceLengths = 8;  // the two lengths before a kind 6 record's bytes
    static constexpr std::uint32_t kDefaultSize = 8192;
    static constexpr std::uint32_t kMaxSize = 1u << 30;  // 1 GiB
    // Bytes taken from memory at first (or the whole size when smaller).
    static constexpr std::uint32_t kFirstAllocation = 65536;
    static constexpr int kNoGroup = -1;  // "next group" when nothing is left

    // Decides whether an area of the given size may be allocated; lets tests
    // make allocation fail. Null means "always try".
    using AllocGate = bool (*)(std::size_t);

    // size is the maximum area in bytes (larger values are cut to kMaxSize).
    // If the first part of the area cannot be allocated the size is halved
    // (rounded up) while above 16; below that the size becomes 0 and nothing
    // is ever recorded. When a later growth fails, the area keeps the size
    // it has and older steps are discarded to make room, as at the maximum.
    explicit TEditUndoBuffer(std::uint32_t size = kDefaultSize, AllocGate gate = nullptr);
    ~TEditUndoBuffer();
    TEditUndoBuffer(const TEditUndoBuffer&) = delete;  // records own paragraph objects
    TEditUndoBuffer& operator=(const TEditUndoBuffer&) = delete;

    // Recording. Each returns whether the change was recorded (lack of room
    // never fails the edit itself; it only goes unrecorded).
    bool recordChange(UndoKind kind, bool modifiedBefore, std::int32_t paragraph,
                      std::int32_t position, std::string_view data = {});
    bool recordReplace(bool modifiedBefore, std::int32_t paragraph, std::int32_t position,
                       std::string_view oldBytes, std::string_view newBytes);
    // Kinds 2, 3 (object null: the paragraph is in the text) and 5 (the buffer
    // takes the removed paragraph; it is freed at once when not recorded).
    bool recordParagraph(UndoKind kind, bool modifiedBefore, std::int32_t paragraph,
                         std::int32_t position, std::unique_ptr<DetachedParagraph> object);

    // Groups: open returns whether a group was already open; close is given
    // that value, so nested opens make one group ended by the outermost close.
    bool openGroup();
    void closeGroup(bool wasOpen);
    bool groupOpen() const { return groupOpen_; }
    bool groupBroken() const { return groupBroken_; }

    // Undo side: the newest undo record becomes the newest redo record.
    bool takeUndo(UndoRecord& out);
    int nextUndoGroup() const;  // group of the record takeUndo would give, or kNoGroup
    // Redo side: the oldest redo record becomes the newest undo record; its
    // modified-before flag is first set to modifiedNow.
    bool takeRedo(bool modifiedNow, UndoRecord& out);
    int nextRedoGroup() const;

    // Ownership hand-over for the record last taken (by takeUndo or takeRedo):
    // keepParagraph gives it the paragraph that has just left the text,
    // takeParagraph hands its paragraph back to the text.
    void keepParagraph(std::unique_ptr<DetachedParagraph> object);
    std::unique_ptr<DetachedParagraph> takeParagraph();

    void markSavePoint();  // sets every record's modified-before flag
    void clear();          // forgets the whole history (group counter back to 0)

    bool canUndo() const { return undoCount_ > 0; }
    bool canRedo() const { return redoCount_ > 0; }
    std::size_t undoCount() const { return undoCount_; }
    std::size_t redoCount() const { return redoCount_; }
    std::size_t size() const { return size_; }
    // Bytes of memory the area takes now.
    std::size_t allocated() const { return capacity_; }
    // Bytes a replacement record of these lengths takes (how callers judge
    // beforehand whether a large change can be undone at all).
    static std::uint64_t replaceRecordBytes(std::uint64_t oldLen, std::uint64_t newLen) {
        return kHeaderSize + kReplaceLengths + oldLen + newLen;
    }
    // Bytes a new record may use: the area after the newest undo record.
    std::size_t freeBytes() const;
    std::uint8_t groupCounter() const { return groupCounter_; }
    // Undo steps begun since creation (never reset; a step counts once its
    // first record is written): tells a caller whether its last change began
    // a new step or merged into the previous one.
    std::uint64_t stepsStarted() const { return stepsStarted_; }

    // Asserts the record chain: sizes link both ways, counts match, records
    // fit the area, ownership matches the side each record is on.
    void check() const;

private:
    struct Header;
    Header headerAt(std::size_t off) const;
    void writeHeader(std::size_t off, const Header& h);
    std::size_t recordSize(std::size_t off) const;
    std::size_t undoEnd() const;
    std::size_t redoEnd() const;
    bool ownsObject(std::size_t off, bool undoSide) const;
    void freeObjectAt(std::size_t off);
    void discardRedo();
    void newStep();
    bool makeRoom(std::size_t n);
    bool grow(std::size_t end);
    bool tryMerge(UndoKind kind, std::int32_t paragraph, std::int32_t position,
                  std::string_view data, std::string_view newData);
    bool appendRecord(UndoKind kind, bool modifiedBefore, std::int32_t paragraph,
                      std::int32_t position, std::string_view data, std::string_view newData,
                      const void* object);
    UndoRecord recordAt(std::size_t off) const;

    std::unique_ptr<unsigned char[]> area_;
    std::size_t size_ = 0;      // the most the area may grow to
    std::size_t capacity_ = 0;  // bytes allocated now (<= size_)
    AllocGate gate_ = nullptr;
    std::size_t undoCount_ = 0;
    std::size_t redoCount_ = 0;
    std::size_t newestUndo_ = 0;  // offset of the newest undo record (valid when undoCount_ > 0)
    std::size_t used_ = 0;        // end of the last record (undo or redo)
    std::size_t lastTaken_ = 0;   // offset of the record last taken
    bool haveTaken_ = false;
    std::uint8_t groupCounter_ = 0;
    std::uint64_t stepsStarted_ = 0;
    bool stepPending_ = false;
    bool groupOpen_ = false;
    bool groupBroken_ = false;
};

}  // namespace qm
