#pragma once
// TParagraphStore: the text of one editing control as paragraphs (lines of
// the file, without terminators) split into display lines for a wrap column
// and tab size. Every change goes through the six primitive edits, which
// check the limits, record undo, move the markers and report the changed
// display lines to one observer. Knows nothing of windows.
//
// Storage: paragraphs live in blocks (a few hundred paragraphs, their bytes
// back to back, plus their wrap line starts); Fenwick trees over the blocks'
// paragraph and line counts find a paragraph or display line in logarithmic
// time; a paragraph longer than a block's usual size gets a block of its
// own. A paragraph only becomes an object of its own (DetachedParagraph)
// while an undo record holds it out of the text.

#include "Positions.h"
#include "TEditUndoBuffer.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace durable {
class Batch;
}

namespace qm {

class LoadArena;

// Edit result codes (0 = done).
enum TextEditCode : int {
    kEditOk = 0,
    kErrNoMemory = 263,
    kErrBadIndex = 264,        // paragraph or position outside the text
    kErrTooManyParagraphs = 265,
    kErrJoinTooLong = 266,
    kErrTextTooLarge = 267,
    kErrParagraphTooLong = 268,
};

// The user-visible message of an edit result code.
const char* textEditErrorMessage(int code);

// The one listener of a store: told after every edit (primitive, compound,
// undo, redo, reset, load, re-wrap) which display lines changed, so the view
// repaints them and keeps its top line on the same text. last ==
// kToEndOfText means everything from first to the end.
class TextObserver {
public:
    virtual ~TextObserver() = default;
    virtual void linesChanged(LineNum first, LineNum last) = 0;
};

// Told of every change to the text at the level of the store's raw edits,
// so that typing, undo, redo, replacing and pasting all arrive the same way:
// replay the calls in order onto the same text and the texts are equal.
// Called before the observer; must not edit the store.
class EditListener {
public:
    virtual ~EditListener() = default;
    // In paragraph n, `erased` bytes at byte offset `offset` (0-based) gave way to bytes.
    virtual void bytesReplaced(ParaNum n, std::int32_t offset, std::int32_t erased, std::string_view bytes) = 0;
    // A paragraph went in before n (n == count + 1: at the end).
    virtual void paragraphInserted(ParaNum before, std::string_view text) = 0;
    virtual void paragraphRemoved(ParaNum n) = 0;
    // Cleared or (about to be) loaded: the whole text is new.
    virtual void textReset() = 0;
};

// What a load or save did. Loading and saving never show anything: the
// caller decides how to tell the user.
struct FileResult {
    bool ok = true;
    int error = 0;              // errno of the failing call when !ok
    std::string message;        // readable description when !ok
    std::int64_t droppedLines = 0;  // load: lines beyond ParaLimit / ByteLimit, not loaded
    std::int64_t droppedBytes = 0;  // load: the bytes of those lines, line ends included
    bool lineEndsChange = false;    // load: CR-only or mixed line ends, which a save rewrites
    bool looksBinary = false;       // load: NUL bytes in the first 8 KB
    bool readOnly = false;          // save: the file is read-only and was not touched
    std::string heldIn;             // save failed: a file that holds the complete new text
};

// Result of one undo or redo step.
struct UndoResult {
    bool done = false;  // false: nothing to undo / redo
    TextPos caret;      // where the records of the step put the caret
};

class TParagraphStore {
public:
    // Paragraph lengths, positions and line starts are 32-bit throughout;
    // a paragraph may hold up to 1 GiB.
    static constexpr std::int32_t kMaxParaLength = 1 << 30;
    static constexpr std::int32_t kNoLimit = 2147483647;

    TParagraphStore();
    ~TParagraphStore();
    TParagraphStore(const TParagraphStore&) = delete;  // owns the undo history
    TParagraphStore& operator=(const TParagraphStore&) = delete;

    void setObserver(TextObserver* observer) { observer_ = observer; }  // not owned
    void setEditListener(EditListener* listener) { editListener_ = listener; }  // not owned

    // ---- Limits and settings (out-of-range values are ignored) ----
    std::int32_t ParaLengthLimit() const { return paraLengthLimit_; }
    void setParaLengthLimit(std::int32_t v);      // 1 .. kMaxParaLength
    std::int32_t ParaLimit() const { return paraLimit_; }
    void setParaLimit(std::int32_t v);            // > 0
    std::int64_t ByteLimit() const { return byteLimit_; }
    void setByteLimit(std::int64_t v);            // >= 0
    std::uint32_t UndoBufferSize() const { return undoSize_; }
    void setUndoBufferSize(std::uint32_t v);      // up to 1 GiB; replaces the buffer, history lost
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    std::int32_t WrapColumn() const { return wrapColumn_; }
    void setWrapColumn(std::int32_t v);           // > 0
    std::int32_t TabSize() const { return tabSize_; }
    void setTabSize(std::int32_t v);              // 1 .. 255
    bool TrimWhiteSpace() const { return trimWhiteSpace_; }
    void setTrimWhiteSpace(bool on) { trimWhiteSpace_ = on; }
    // The effective wrap column: WrapColumn() with wrap on, else kMaxParaLength.
    std::int32_t effectiveWrapColumn() const;

    // ---- Counts and flags ----
    std::int32_t ParagraphCount() const { return paraCount_; }
    std::int32_t LineCount() const { return lineCount_; }
    // Sum of paragraph lengths + 2 per paragraph break (the CR LF size).
    std::int64_t ByteCount() const { return byteCount_; }
    // The size SaveToFile writes: each paragraph with its line end (LF or
    // CR LF as the file will have them), an empty last paragraph not written.
    std::int64_t fileByteCount() const;
    bool Modified() const { return modified_; }
    void setModified(bool on);  // false also marks a save point in the undo history
    bool CanUndo() const;
    bool CanRedo() const;
    const TEditUndoBuffer& undoBuffer() const { return *undo_; }

    // ---- Queries (arguments must be in range: assert, then answer safely) ----
    std::string_view paragraphText(ParaNum n) const;  // valid until the next change
    std::int32_t paragraphLength(ParaNum n) const;
    // Bytes of the longest paragraph (what a view without wrap scrolls across).
    std::int32_t longestParagraph() const;
    std::int32_t paragraphLineCount(ParaNum n) const;
    LineNum firstLineOf(ParaNum n) const;
    std::string_view lineText(LineNum line) const;    // view into the paragraph's bytes
    TextPos lineStart(LineNum line) const;            // (paragraph, offset of its first byte + 1)
    // (paragraph, position) <-> (display line, byte column). A position on a
    // wrap boundary belongs to the line that starts there; one beyond the
    // paragraph end belongs to its last line.
    LinePos toLinePos(TextPos p) const;
    TextPos toTextPos(LinePos p) const;
    // Display columns of a line (tabs from the line start, UTF-8 aware).
    DisplayCol displayColumn(LineNum line, ByteCol col) const;
    // The byte column whose character covers display column dc (never inside
    // a UTF-8 sequence); past the end: line length + 1 + the columns beyond.
    ByteCol byteColumn(LineNum line, DisplayCol dc) const;
    // The line with tabs expanded to spaces.
    std::string expandedLine(LineNum line) const;

    // The whole text with CR LF between paragraphs (tests and small callers).
    std::string text() const;

    // ---- Primitive edits: return 0 or a TextEditCode ----
    int insertBytes(ParaNum n, ParaPos at, std::string_view bytes);
    int deleteBytes(ParaNum n, ParaPos at, std::int32_t count);
    int replaceBytes(ParaNum n, ParaPos at, std::int32_t oldCount, std::string_view bytes);
    int insertParagraphBefore(ParaNum n, std::string_view text);
    int insertParagraphAfter(ParaNum n, std::string_view text);
    int deleteParagraph(ParaNum n);

    // ---- Compound edits: one undo group each ----
    // Enter: split n at `at`; with trim the blanks just before the split point
    // go; the new paragraph starts with `indentColumns` columns of indentation,
    // made of tabs and spaces when indentTabSize > 0, else spaces.
    int split(TextPos at, bool trim, std::int32_t indentColumns, std::int32_t indentTabSize);
    // Delete past the end of paragraph at.para: append the next paragraph at
    // at.pos (padding with spaces beyond the end).
    int join(TextPos at);
    // Delete the text from `from` up to (not including) `to`.
    int deleteRange(TextPos from, TextPos to);
    // Insert text that may hold line breaks (CR LF, LF, or a CR ending the
    // text). *end receives the position after the inserted text.
    int insertText(TextPos at, std::string_view text, TextPos* end = nullptr);

    // Groups for callers that compose several edits into one undo step.
    class EditGroup {
    public:
        explicit EditGroup(TParagraphStore& store);
        ~EditGroup();
        EditGroup(const EditGroup&) = delete;  // closes exactly once
        EditGroup& operator=(const EditGroup&) = delete;

    private:
        TParagraphStore& store_;
        bool wasOpen_;
    };

    // ---- Markers 0..9; (0, 0) is unset ----
    static constexpr int kMarkerCount = 10;
    TextPos marker(int i) const;
    bool setMarker(int i, TextPos p);  // false (and unchanged) when p is outside the text
    void clearMarker(int i);

    // ---- Undo and redo of one group ----
    UndoResult undo();
    UndoResult redo();

    // Clear all text: one empty paragraph; limits, wrap, tab and undo size kept.
    void reset();

    // ---- Files ----
    // Reads the file (CR LF, CR or LF line ends; a Ctrl+Z followed only by
    // line ends ends it). Lines are never cut: a line longer than
    // ParaLengthLimit fails the load. On failure the text is reset and
    // IsOpen() is false.
    FileResult LoadFromFile(const std::string& fileName);
    // Writes every paragraph with its line end (an empty last paragraph is not
    // written) safely: the old file stays intact until the new one is complete.
    FileResult SaveToFile(const std::string& fileName);
    const std::string& FileName() const { return fileName_; }
    void setFileName(const std::string& name);  // a different name marks the store not open
    bool IsOpen() const { return isOpen_; }
    FileResult setIsOpen(bool open);            // true loads FileName(), false resets
    bool MakeBackup() const { return makeBackup_; }
    void setMakeBackup(bool on) { makeBackup_ = on; }
    const std::string& BackupExt() const { return backupExt_; }
    void setBackupExt(const std::string& ext);  // at most 3 characters are used
    // While set, SaveToFile only stages the file in the batch; the batch's
    // commit() writes it (saving many files with shared syncs).
    void setSaveBatch(durable::Batch* batch) { saveBatch_ = batch; }
    // True when the loaded file's line ends were all bare LF: saving writes LF.
    bool lfLineEnds() const { return lfLineEnds_; }
    void setLfLineEnds(bool on) { lfLineEnds_ = on; }

    // ---- Last changed display lines (also sent to the observer) ----
    LineNum changedFirst() const { return changedFirst_; }
    LineNum changedLast() const { return changedLast_; }
    // The paragraphs the last outward edit changed, in one range: paragraphs
    // first..last (numbered as now) took the place of the `delta` fewer ones
    // first..last - delta before it; those after moved by delta. first 0:
    // no paragraph changed (a re-wrap); all: the whole text is new.
    struct ParaChange {
        std::int32_t first = 0, last = 0, delta = 0;
        bool all = true;
    };
    const ParaChange& changedParagraphs() const { return paraChange_; }

    // Asserts every invariant of the store (tests call it after each change).
    void check() const;

private:
    struct Block;
    struct Located {
        std::size_t block;
        std::int32_t index;  // paragraph index inside the block
    };
    class Notifier;
    friend class Notifier;

    // storage
    Located locate(ParaNum n) const;
    Located locateLine(LineNum line, std::int32_t* lineInPara) const;
    std::string_view textOf(const Located& at) const;
    void rebuildIndex();
    void indexAdd(std::size_t block, std::int32_t paras, std::int32_t lines);
    std::int32_t parasBefore(std::size_t block) const;
    std::int32_t linesBefore(std::size_t block) const;
    void splitBlockIfLarge(std::size_t block);
    void dropBlockIfEmpty(std::size_t block);

    // raw changes (no limits, no undo, no markers); keep counts and wrap
    void rawReplace(ParaNum n, std::int32_t offset, std::int32_t eraseCount, std::string_view bytes);
    void rawInsertParagraph(ParaNum before, std::string_view text);
    std::string rawRemoveParagraph(ParaNum n);

    // wrapping
    void wrapParagraph(std::string_view text, std::vector<std::uint32_t>& breaks) const;
    void rewrapAll();
    void noteChanged(LineNum first, LineNum last);
    // Adds paragraphs first..last (as now), which replaced first..last - delta.
    void noteParagraphs(std::int32_t first, std::int32_t last, std::int32_t delta);

    // edits as used by undo/redo and compound edits
    int checkLimits(ParaNum n, std::int32_t addParas, std::int64_t addBytes) const;
    bool validPara(ParaNum n) const { return n.value >= 1 && n.value <= paraCount_; }
    void doInsertBytes(ParaNum n, ParaPos at, std::string_view bytes, bool record);
    void doDeleteBytes(ParaNum n, ParaPos at, std::int32_t count, bool record);
    void doReplaceBytes(ParaNum n, ParaPos at, std::int32_t oldCount, std::string_view bytes, bool record);
    void doInsertParagraph(ParaNum before, std::string_view text, bool record, UndoKind kind);
    void doDeleteParagraph(ParaNum n, bool record);
    void recordCaret(TextPos p);
    void setModifiedInternal(bool on);

    // markers
    void markersParagraphDeleted(ParaNum n);
    void markersParagraphInserted(ParaNum before);
    void markersBytesDeleted(ParaNum n, ParaPos at, std::int32_t count);
    void markersBytesInserted(ParaNum n, ParaPos at, std::int32_t count);

    void applyUndo(const UndoRecord& r, TextPos& caret);
    void applyRedo(const UndoRecord& r, TextPos& caret);
    void appendLoadedLine(std::string_view line);
    void flushLoadBatch();
    void resetText();
    void dropBlocks();  // all blocks, then the arena they may live in

    std::unique_ptr<LoadArena> loadArena_;  // the last load's blocks; outlives them
    std::vector<Block> blocks_;
    std::vector<std::int32_t> paraTree_;  // Fenwick tree of paragraphs per block
    std::vector<std::int32_t> lineTree_;  // Fenwick tree of display lines per block
    std::int32_t paraCount_ = 0;
    std::int32_t lineCount_ = 0;
    std::int64_t byteCount_ = 0;

    std::int32_t paraLengthLimit_ = kMaxParaLength;
    std::int32_t paraLimit_ = kNoLimit;
    std::int64_t byteLimit_ = kNoLimit;
    std::uint32_t undoSize_ = TEditUndoBuffer::kDefaultSize;
    bool wordWrap_ = false;
    std::int32_t wrapColumn_ = 80;
    std::int32_t tabSize_ = 8;
    bool trimWhiteSpace_ = true;

    bool modified_ = false;
    std::array<TextPos, kMarkerCount> markers_{};
    std::unique_ptr<TEditUndoBuffer> undo_;
    bool suspendRecording_ = false;
    bool suspendMarkers_ = false;

    // Every change of the text or its layout counts here (what caches check).
    std::uint64_t changes_ = 0;
    struct ColumnMemo {
        std::uint64_t changes = ~std::uint64_t(0);
        LineNum line;
        std::int32_t tabSize = 0;
        std::size_t bytes = 0;
        std::int32_t cols = 0;
    };
    mutable ColumnMemo columnMemo_;  // the last displayColumn answer

    LineNum changedFirst_{1};
    LineNum changedLast_{kToEndOfText};
    int notifyDepth_ = 0;
    bool pendingChange_ = false;
    ParaChange paraChange_;
    TextObserver* observer_ = nullptr;
    EditListener* editListener_ = nullptr;

    std::string fileName_;
    bool isOpen_ = false;
    bool makeBackup_ = false;
    std::string backupExt_ = "BAK";
    durable::Batch* saveBatch_ = nullptr;
    bool lfLineEnds_ = false;
    std::int64_t loadDroppedLines_ = 0;
    std::vector<std::string_view> loadBatch_;  // pieces of the next block while loading
    std::size_t loadBatchBytes_ = 0;
};

}  // namespace qm
