// Storage, index, queries and settings of the paragraph store. Edits are in
// StoreEdits.cpp, undo and redo in StoreUndo.cpp, files in StoreFiles.cpp.

#include "TParagraphStore.h"

#include "EngineCheck.h"
#include "LineLayout.h"
#include "LoadArena.h"
#include "StoreBlock.h"
#include "StoreNotifier.h"
#include "Utf8.h"

#include <algorithm>
#include <cassert>

namespace qm {

namespace {
// Block bounds: small enough that an edit moves little memory, large enough
// that the index stays short. A paragraph longer than the byte bound is a
// block of its own.
constexpr std::int32_t kBlockParas = 256;
constexpr std::size_t kBlockBytes = 65536;
}  // namespace

const char* textEditErrorMessage(int code) {
    switch (code) {
        case kErrNoMemory: return "insufficient memory for requested operation";
        case kErrBadIndex: return "Invalid line or paragraph index";
        case kErrTooManyParagraphs: return "Current operation will exceed the maximum number of allowed paragraphs";
        case kErrJoinTooLong: return "Cannot join paragraphs. New paragraph size exceeds maximum paragraph size";
        case kErrTextTooLarge: return "Current operation will exceed the maximum editor text size";
        case kErrParagraphTooLong: return "Current operation will exceed the maximum paragraph size";
        default: return "Unknown Error condition";
    }
}

TParagraphStore::TParagraphStore() : undo_(std::make_unique<TEditUndoBuffer>(undoSize_)) { resetText(); }

TParagraphStore::~TParagraphStore() { dropBlocks(); }

void TParagraphStore::dropBlocks() {
    if (loadArena_) loadArena_->retire();
    blocks_.clear();
    loadArena_.reset();
}

// ---------------------------------------------------------------- index

void TParagraphStore::rebuildIndex() {
    const std::size_t n = blocks_.size();
    paraTree_.assign(n + 1, 0);
    lineTree_.assign(n + 1, 0);
    for (std::size_t i = 1; i <= n; ++i) {
        paraTree_[i] += blocks_[i - 1].paras();
        lineTree_[i] += blocks_[i - 1].lines();
        const std::size_t parent = i + (i & (~i + 1));
        if (parent <= n) {
            paraTree_[parent] += paraTree_[i];
            lineTree_[parent] += lineTree_[i];
        }
    }
}

void TParagraphStore::indexAdd(std::size_t block, std::int32_t paras, std::int32_t lines) {
    for (std::size_t i = block + 1; i < paraTree_.size(); i += i & (~i + 1)) {
        paraTree_[i] += paras;
        lineTree_[i] += lines;
    }
}

std::int32_t TParagraphStore::parasBefore(std::size_t block) const {
    std::int32_t sum = 0;
    for (std::size_t i = block; i > 0; i -= i & (~i + 1)) sum += paraTree_[i];
    return sum;
}

std::int32_t TParagraphStore::linesBefore(std::size_t block) const {
    std::int32_t sum = 0;
    for (std::size_t i = block; i > 0; i -= i & (~i + 1)) sum += lineTree_[i];
    return sum;
}

namespace {
// The block holding 0-based item k of a Fenwick tree over positive counts;
// k becomes the index inside that block.
std::size_t findInTree(const std::vector<std::int32_t>& tree, std::int32_t& k) {
    const std::size_t n = tree.size() - 1;
    std::size_t pos = 0, stepSize = 1;
    while (stepSize * 2 <= n) stepSize *= 2;
    for (; stepSize > 0; stepSize /= 2) {
        if (pos + stepSize <= n && tree[pos + stepSize] <= k) {
            pos += stepSize;
            k -= tree[pos];
        }
    }
    return pos;
}
}  // namespace

TParagraphStore::Located TParagraphStore::locate(ParaNum n) const {
    assert(validPara(n));
    std::int32_t k = std::clamp(n.value, 1, paraCount_) - 1;
    const std::size_t b = findInTree(paraTree_, k);
    return {b, k};
}

TParagraphStore::Located TParagraphStore::locateLine(LineNum line, std::int32_t* lineInPara) const {
    assert(line.value >= 1 && line.value <= lineCount_);
    std::int32_t k = std::clamp(line.value, 1, lineCount_) - 1;
    const std::size_t b = findInTree(lineTree_, k);
    const Block& blk = blocks_[b];
    const std::int32_t i = blk.paraOfLine(k);
    if (lineInPara) *lineInPara = k - blk.linesBefore(i);
    return {b, i};
}

std::string_view TParagraphStore::textOf(const Located& at) const { return blocks_[at.block].para(at.index); }

// Too many paragraphs: halves. Too many bytes: cut at the paragraph start
// nearest the middle of the bytes and again in each half, so a paragraph
// larger than a block's usual size ends up in a block of its own.
void TParagraphStore::splitBlockIfLarge(std::size_t b) {
    bool split = false;
    std::vector<std::size_t> todo{b};
    while (!todo.empty()) {
        const std::size_t at = todo.back();
        todo.pop_back();
        Block& blk = blocks_[at];
        std::int32_t cut;
        if (blk.paras() > kBlockParas) {
            cut = blk.paras() / 2;
        } else if (blk.text.size() > kBlockBytes && blk.paras() > 1) {
            const std::uint32_t middle = static_cast<std::uint32_t>(blk.text.size() / 2);
            cut = static_cast<std::int32_t>(std::lower_bound(blk.start.begin(), blk.start.end(), middle) -
                                            blk.start.begin());
            if (cut > 1 && middle - blk.start[cut - 1] < blk.start[cut] - middle) --cut;
            cut = std::clamp(cut, 1, blk.paras() - 1);
        } else {
            continue;
        }
        Block tail = blk.splitOff(cut);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(at) + 1, std::move(tail));
        for (std::size_t& t : todo) t += t > at ? 1 : 0;
        todo.push_back(at);
        todo.push_back(at + 1);
        split = true;
    }
    if (split) rebuildIndex();
}

void TParagraphStore::dropBlockIfEmpty(std::size_t b) {
    if (blocks_[b].paras() == 0) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
        rebuildIndex();
        return;
    }
    // Keep blocks from fragmenting under many deletions: merge a small block
    // into its successor when both together stay small.
    if (b + 1 < blocks_.size() && blocks_[b].paras() + blocks_[b + 1].paras() <= kBlockParas / 2 &&
        blocks_[b].text.size() + blocks_[b + 1].text.size() <= kBlockBytes / 2) {
        blocks_[b].absorb(blocks_[b + 1]);
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1);
        rebuildIndex();
    }
}

// ---------------------------------------------------------------- raw changes

void TParagraphStore::wrapParagraph(std::string_view text, std::vector<std::uint32_t>& breaks) const {
    breaks.clear();
    if (!wordWrap_ || text.empty()) return;
    layout::breakParagraph(text, 0, wrapColumn_, tabSize_, breaks);
}

void TParagraphStore::rawReplace(ParaNum n, std::int32_t offset, std::int32_t eraseCount, std::string_view bytes) {
    if (editListener_) editListener_->bytesReplaced(n, offset, eraseCount, bytes);
    const Located at = locate(n);
    Block& blk = blocks_[at.block];
    const LineNum first = firstLineOf(n);
    const std::int32_t oldLines = blk.lineCount(at.index);
    blk.replaceText(at.index, static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(eraseCount), bytes);
    byteCount_ += static_cast<std::int64_t>(bytes.size()) - eraseCount;
    noteParagraphs(n.value, n.value, 0);

    if (!wordWrap_) {
        noteChanged(first, first);
        splitBlockIfLarge(at.block);
        return;
    }
    // Re-break from the last line start whose earlier lines cannot have read
    // the edited bytes; stop at the first new line start that equals an old
    // one moved by the edit: from there on the text and so the breaks are the
    // same as before. Breaking a line reads its bytes up to the wrap column
    // (at most four bytes a column, a few more to judge a UTF-8 sequence) and
    // the blanks after its break, which end where the next line starts.
    const std::string_view t = blk.para(at.index);
    const std::int32_t delta = static_cast<std::int32_t>(bytes.size()) - eraseCount;
    const std::uint32_t oldEditEnd = static_cast<std::uint32_t>(offset + eraseCount);
    std::vector<std::uint32_t> old(blk.breaks.begin() + blk.brk[at.index],
                                   blk.breaks.begin() + blk.brk[at.index + 1]);
    const std::int64_t reach = 4 * static_cast<std::int64_t>(wrapColumn_) + 8;
    // Old breaks kept as they are: those of lines that start far enough before the edit.
    std::size_t keep = static_cast<std::size_t>(
        std::lower_bound(old.begin(), old.end(), offset - reach,
                         [](std::uint32_t b, std::int64_t limit) { return static_cast<std::int64_t>(b) < limit; }) -
        old.begin());
    std::vector<std::uint32_t> nb(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(keep));
    std::size_t s = keep == 0 ? 0 : old[keep - 1];
    std::int32_t realignedAt = -1;  // index in nb of the first realigned start
    for (;;) {
        const std::size_t next = layout::nextLineStart(t, s, wrapColumn_, tabSize_);
        if (next >= t.size()) break;
        if (next >= offset + bytes.size()) {
            const std::int64_t oldStart = static_cast<std::int64_t>(next) - delta;
            const auto it = std::lower_bound(old.begin(), old.end(), oldStart);
            if (oldStart >= oldEditEnd && it != old.end() && *it == oldStart) {
                realignedAt = static_cast<std::int32_t>(nb.size());
                for (auto j = it; j != old.end(); ++j) nb.push_back(static_cast<std::uint32_t>(*j + delta));
                break;
            }
        }
        nb.push_back(static_cast<std::uint32_t>(next));
        s = next;
    }
    blk.setBreaks(at.index, nb);
    const std::int32_t newLines = blk.lineCount(at.index);
    const LineNum from = first + static_cast<std::int32_t>(keep);
    if (newLines != oldLines) {
        lineCount_ += newLines - oldLines;
        indexAdd(at.block, 0, newLines - oldLines);
        noteChanged(from, LineNum(kToEndOfText));
    } else {
        // Lines up to the realigned one (exclusive) may differ.
        const std::int32_t lastIdx = realignedAt >= 0 ? realignedAt : newLines - 1;
        noteChanged(from, first + std::max<std::int32_t>(lastIdx, static_cast<std::int32_t>(keep)));
    }
    splitBlockIfLarge(at.block);
}

void TParagraphStore::rawInsertParagraph(ParaNum before, std::string_view text) {
    if (editListener_) editListener_->paragraphInserted(before, text);
    std::size_t b;
    std::int32_t idx;
    if (before.value > paraCount_) {
        b = blocks_.size() - 1;
        idx = blocks_[b].paras();
    } else {
        const Located at = locate(before);
        b = at.block;
        idx = at.index;
    }
    std::vector<std::uint32_t> nb;
    wrapParagraph(text, nb);
    blocks_[b].insertPara(idx, text, nb);
    const std::int32_t lines = 1 + static_cast<std::int32_t>(nb.size());
    ++paraCount_;
    lineCount_ += lines;
    byteCount_ += static_cast<std::int64_t>(text.size()) + (paraCount_ > 1 ? 2 : 0);
    indexAdd(b, 1, lines);
    splitBlockIfLarge(b);
    noteParagraphs(before.value, before.value, 1);
    noteChanged(firstLineOf(before), LineNum(kToEndOfText));
}

std::string TParagraphStore::rawRemoveParagraph(ParaNum n) {
    assert(paraCount_ > 1);
    if (editListener_) editListener_->paragraphRemoved(n);
    const Located at = locate(n);
    Block& blk = blocks_[at.block];
    const LineNum first = firstLineOf(n);
    std::string text(blk.para(at.index));
    const std::int32_t lines = blk.lineCount(at.index);
    blk.removePara(at.index);
    --paraCount_;
    lineCount_ -= lines;
    byteCount_ -= static_cast<std::int64_t>(text.size()) + 2;
    indexAdd(at.block, -1, -lines);
    dropBlockIfEmpty(at.block);
    // Named by a paragraph that is still there: the one before, or the new first.
    noteParagraphs(std::max(1, n.value - 1), std::max(1, n.value - 1), -1);
    noteChanged(first.value > lineCount_ ? LineNum(lineCount_) : first, LineNum(kToEndOfText));
    return text;
}

void TParagraphStore::rewrapAll() {
    std::int32_t lines = 0;
    std::vector<std::uint32_t> nb, all;
    for (Block& blk : blocks_) {
        all.clear();
        for (std::int32_t i = 0; i < blk.paras(); ++i) {
            wrapParagraph(blk.para(i), nb);
            all.insert(all.end(), nb.begin(), nb.end());
            blk.brk[i + 1] = static_cast<std::uint32_t>(all.size());
        }
        blk.breaks = all;
        blk.releaseLineIndex();
        lines += blk.lines();
    }
    lineCount_ = lines;
    rebuildIndex();
    noteChanged(LineNum(1), LineNum(kToEndOfText));
}

void TParagraphStore::resetText() {
    Notifier note(*this);
    dropBlocks();
    blocks_.emplace_back();
    blocks_[0].appendPara({}, {});
    paraCount_ = 1;
    lineCount_ = 1;
    byteCount_ = 0;
    rebuildIndex();
    markers_.fill(TextPos{});
    undo_ = std::make_unique<TEditUndoBuffer>(undoSize_);
    modified_ = false;
    lfLineEnds_ = false;
    if (editListener_) editListener_->textReset();
    paraChange_.all = true;
    noteChanged(LineNum(1), LineNum(kToEndOfText));
}

void TParagraphStore::reset() { resetText(); }

void TParagraphStore::noteChanged(LineNum first, LineNum last) {
    ++changes_;
    if (first.value < 1) first = LineNum(1);
    if (!pendingChange_) {
        changedFirst_ = first;
        changedLast_ = last;
        pendingChange_ = true;
        return;
    }
    changedFirst_ = std::min(changedFirst_, first);
    changedLast_ = std::max(changedLast_, last);
}

void TParagraphStore::noteParagraphs(std::int32_t first, std::int32_t last, std::int32_t delta) {
    ParaChange& c = paraChange_;
    if (c.first == 0) {
        c.first = first;
        c.last = last;
        c.delta = delta;
        return;
    }
    // Both ranges numbered as between the two edits: the earlier one's new
    // paragraphs and this one's old ones. Their union (with any gap between)
    // is then numbered as now.
    const std::int32_t oldLast = last - delta;
    const std::int32_t end = std::max(c.last, oldLast);
    c.first = std::min(c.first, first);
    c.last = end > oldLast ? end + delta : last;
    c.delta += delta;
}

// ---------------------------------------------------------------- settings

void TParagraphStore::setParaLengthLimit(std::int32_t v) {
    if (v >= 1 && v <= kMaxParaLength) paraLengthLimit_ = v;
}

void TParagraphStore::setParaLimit(std::int32_t v) {
    if (v > 0) paraLimit_ = v;
}

void TParagraphStore::setByteLimit(std::int64_t v) {
    if (v >= 0) byteLimit_ = v;
}

void TParagraphStore::setUndoBufferSize(std::uint32_t v) {
    if (v > TEditUndoBuffer::kMaxSize) return;
    undoSize_ = v;
    undo_ = std::make_unique<TEditUndoBuffer>(undoSize_);
}

void TParagraphStore::setWordWrap(bool on) {
    if (on == wordWrap_) return;
    Notifier note(*this);
    wordWrap_ = on;
    rewrapAll();
}

void TParagraphStore::setWrapColumn(std::int32_t v) {
    if (v <= 0 || v == wrapColumn_) return;
    Notifier note(*this);
    wrapColumn_ = v;
    if (wordWrap_) rewrapAll();
}

void TParagraphStore::setTabSize(std::int32_t v) {
    if (v < 1 || v > 255 || v == tabSize_) return;
    Notifier note(*this);
    tabSize_ = v;
    if (wordWrap_) rewrapAll();
    else noteChanged(LineNum(1), LineNum(kToEndOfText));  // tabs are drawn differently
}

std::int32_t TParagraphStore::effectiveWrapColumn() const { return wordWrap_ ? wrapColumn_ : kMaxParaLength; }

void TParagraphStore::setModified(bool on) { setModifiedInternal(on); }

void TParagraphStore::setModifiedInternal(bool on) {
    modified_ = on;
    if (!on) undo_->markSavePoint();
}

bool TParagraphStore::CanUndo() const { return undo_->canUndo(); }
bool TParagraphStore::CanRedo() const { return undo_->canRedo(); }

// ---------------------------------------------------------------- queries

std::string_view TParagraphStore::paragraphText(ParaNum n) const {
    if (!validPara(n)) return {};
    return textOf(locate(n));
}

std::int32_t TParagraphStore::paragraphLength(ParaNum n) const {
    return static_cast<std::int32_t>(paragraphText(n).size());
}

std::int32_t TParagraphStore::longestParagraph() const {
    std::int32_t most = 0;
    for (const Block& blk : blocks_) most = std::max(most, blk.longestParagraph());
    return most;
}

std::int32_t TParagraphStore::paragraphLineCount(ParaNum n) const {
    if (!validPara(n)) return 0;
    const Located at = locate(n);
    return blocks_[at.block].lineCount(at.index);
}

LineNum TParagraphStore::firstLineOf(ParaNum n) const {
    if (n.value > paraCount_) return LineNum(lineCount_ + 1);
    if (!validPara(n)) return LineNum(1);
    const Located at = locate(n);
    return LineNum(linesBefore(at.block) + blocks_[at.block].linesBefore(at.index) + 1);
}

std::string_view TParagraphStore::lineText(LineNum line) const {
    if (line.value < 1 || line.value > lineCount_) return {};
    // The hot path of painting: the block, then one lookup in its line index.
    std::int32_t k = line.value - 1;
    const Block& blk = blocks_[findInTree(lineTree_, k)];
    const auto [from, to] = blk.lineSpan(k);
    return std::string_view(blk.text.data() + from, to - from);
}

TextPos TParagraphStore::lineStart(LineNum line) const {
    if (line.value < 1 || line.value > lineCount_) return {};
    std::int32_t k;
    const Located at = locateLine(line, &k);
    const std::int32_t paraNum = parasBefore(at.block) + at.index + 1;
    return {ParaNum(paraNum), ParaPos(static_cast<std::int32_t>(blocks_[at.block].lineOffset(at.index, k)) + 1)};
}

LinePos TParagraphStore::toLinePos(TextPos p) const {
    if (!validPara(p.para)) return {};
    const Located at = locate(p.para);
    const Block& blk = blocks_[at.block];
    const std::int32_t count = blk.lineCount(at.index);
    const std::uint32_t offset = static_cast<std::uint32_t>(std::max(p.pos.value, 1) - 1);
    // The last line whose start is at or before the offset.
    const auto begin = blk.breaks.begin() + blk.brk[at.index];
    const auto end = begin + (count - 1);
    const std::int32_t k = static_cast<std::int32_t>(std::upper_bound(begin, end, offset) - begin);
    const std::int32_t line = linesBefore(at.block) + blk.linesBefore(at.index) + 1 + k;
    return {LineNum(line), ByteCol(static_cast<std::int32_t>(offset - blk.lineOffset(at.index, k)) + 1)};
}

TextPos TParagraphStore::toTextPos(LinePos p) const {
    const TextPos s = lineStart(p.line);
    if (s.para.value == 0) return {};
    return {s.para, ParaPos(s.pos.value + p.col.value - 1)};
}

DisplayCol TParagraphStore::displayColumn(LineNum line, ByteCol col) const {
    const std::string_view t = lineText(line);
    const std::size_t bytes = static_cast<std::size_t>(std::max(col.value, 1) - 1);
    // Asked again and again further along one long line (a caret moving
    // through it), the count goes on from the last answer instead of the
    // line start, as long as nothing changed.
    ColumnMemo& m = columnMemo_;
    const bool goOn = m.changes == changes_ && m.line == line && m.tabSize == tabSize_ && m.bytes <= bytes &&
                      m.bytes <= t.size();
    const std::int32_t cols = goOn ? layout::columnsFrom(t, m.bytes, m.cols, bytes, tabSize_)
                                   : layout::columnsOf(t, bytes, tabSize_);
    if (bytes <= t.size() && utf8::isBoundary(t.data(), t.size(), bytes))
        m = {changes_, line, tabSize_, bytes, cols};
    return DisplayCol(cols + 1);
}

ByteCol TParagraphStore::byteColumn(LineNum line, DisplayCol dc) const {
    const std::string_view t = lineText(line);
    return ByteCol(static_cast<std::int32_t>(layout::byteAtColumn(t, std::max(dc.value, 1) - 1, tabSize_)) + 1);
}

std::string TParagraphStore::expandedLine(LineNum line) const { return layout::expandTabs(lineText(line), tabSize_); }

std::string TParagraphStore::text() const {
    std::string out;
    out.reserve(static_cast<std::size_t>(byteCount_));
    bool first = true;
    for (const Block& blk : blocks_) {
        for (std::int32_t i = 0; i < blk.paras(); ++i) {
            if (!first) out += "\r\n";
            first = false;
            out += blk.para(i);
        }
    }
    return out;
}

// ---------------------------------------------------------------- markers

TextPos TParagraphStore::marker(int i) const {
    if (i < 0 || i >= kMarkerCount) return {};
    return markers_[static_cast<std::size_t>(i)];
}

bool TParagraphStore::setMarker(int i, TextPos p) {
    if (i < 0 || i >= kMarkerCount || !validPara(p.para) || p.pos.value < 1 ||
        p.pos.value > paragraphLength(p.para) + 1)
        return false;
    markers_[static_cast<std::size_t>(i)] = p;
    return true;
}

void TParagraphStore::clearMarker(int i) {
    if (i >= 0 && i < kMarkerCount) markers_[static_cast<std::size_t>(i)] = TextPos{};
}

// ---------------------------------------------------------------- check

void TParagraphStore::check() const {
    QM_CHECK(!blocks_.empty());
    QM_CHECK(paraTree_.size() == blocks_.size() + 1 && lineTree_.size() == blocks_.size() + 1);
    std::int64_t paras = 0, lines = 0, bytes = 0;
    std::vector<std::uint32_t> expect;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        const Block& blk = blocks_[b];
        QM_CHECK(blk.paras() >= 1);
        // Only a block of one paragraph goes over the byte bound.
        QM_CHECK(blk.paras() == 1 || blk.text.size() <= kBlockBytes);
        QM_CHECK(blk.start.size() == blk.brk.size());
        QM_CHECK(blk.start.front() == 0 && blk.brk.front() == 0);
        QM_CHECK(blk.start.back() == blk.text.size());
        QM_CHECK(blk.brk.back() == blk.breaks.size());
        QM_CHECK(parasBefore(b) == paras && linesBefore(b) == lines);
        for (std::int32_t i = 0; i < blk.paras(); ++i) {
            QM_CHECK(blk.start[i] <= blk.start[i + 1] && blk.brk[i] <= blk.brk[i + 1]);
            const std::string_view t = blk.para(i);
            QM_CHECK(t.size() <= static_cast<std::size_t>(kMaxParaLength));
            // The stored (possibly incrementally updated) breaks equal a full re-wrap.
            wrapParagraph(t, expect);
            QM_CHECK(std::equal(expect.begin(), expect.end(), blk.breaks.begin() + blk.brk[i],
                                blk.breaks.begin() + blk.brk[i + 1]));
            bytes += static_cast<std::int64_t>(t.size());
        }
        // A display-line index, where one is built, matches the breaks.
        if (!blk.lineOff.empty()) {
            QM_CHECK(!blk.breaks.empty());
            QM_CHECK(blk.lineOff.size() == static_cast<std::size_t>(blk.lines()) + 1 &&
                     blk.linePara.size() == static_cast<std::size_t>(blk.lines()));
            std::size_t l = 0;
            for (std::int32_t i = 0; i < blk.paras(); ++i) {
                for (std::int32_t k = 0; k < blk.lineCount(i); ++k, ++l) {
                    QM_CHECK(blk.linePara[l] == i);
                    QM_CHECK(blk.lineOff[l] == blk.start[i] + blk.lineOffset(i, k));
                }
            }
            QM_CHECK(blk.lineOff.back() == blk.text.size());
        }
        paras += blk.paras();
        lines += blk.lines();
    }
    QM_CHECK(paras == paraCount_ && lines == lineCount_);
    QM_CHECK(bytes + 2 * (paras - 1) == byteCount_);
    if (!wordWrap_) QM_CHECK(lineCount_ == paraCount_);
    for (const TextPos& m : markers_) {
        if (m == TextPos{}) continue;
        QM_CHECK(validPara(m.para));
        QM_CHECK(m.pos.value >= 1 && m.pos.value <= paragraphLength(m.para) + 1);
    }
    undo_->check();
}

}  // namespace qm
