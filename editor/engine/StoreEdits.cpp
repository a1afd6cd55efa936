// The primitive and compound edits of the paragraph store, the limit check
// and the marker rules.

#include "TParagraphStore.h"

#include "LineLayout.h"
#include "StoreBlock.h"
#include "StoreNotifier.h"

#include <algorithm>
#include <cassert>

namespace qm {

namespace {

// Restores a flag when a compound edit ends, however it ends.
class FlagScope {
public:
    FlagScope(bool& flag, bool value) : flag_(flag), old_(flag) { flag_ = value; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool old_;
};

std::string indentation(std::int32_t columns, std::int32_t tabSize) {
    if (columns <= 0) return {};
    if (tabSize <= 0) return std::string(static_cast<std::size_t>(columns), ' ');
    return std::string(static_cast<std::size_t>(columns / tabSize), '\t') +
           std::string(static_cast<std::size_t>(columns % tabSize), ' ');
}

}  // namespace

TParagraphStore::EditGroup::EditGroup(TParagraphStore& store)
    : store_(store), wasOpen_(store.undo_->openGroup()) {}

TParagraphStore::EditGroup::~EditGroup() { store_.undo_->closeGroup(wasOpen_); }

// ---------------------------------------------------------------- limits

int TParagraphStore::checkLimits(ParaNum n, std::int32_t addParas, std::int64_t addBytes) const {
    if (addParas > 0 || n.value > paraLimit_) {
        std::int64_t allowed = paraLimit_;
        const bool lastEmpty = paragraphLength(ParaNum(paraCount_)) == 0;
        if (n.value <= paraLimit_ && lastEmpty && paraLimit_ != kNoLimit) ++allowed;
        if (static_cast<std::int64_t>(addParas) + paraCount_ > allowed) return kErrTooManyParagraphs;
    }
    if (addBytes > 0 && addBytes + byteCount_ > byteLimit_) return kErrTextTooLarge;
    if (addParas == 0 && addBytes > 0 && validPara(n) && paragraphLength(n) + addBytes > paraLengthLimit_)
        return kErrParagraphTooLong;
    return kEditOk;
}

// ---------------------------------------------------------------- markers

void TParagraphStore::markersParagraphDeleted(ParaNum n) {
    if (suspendMarkers_) return;
    for (TextPos& m : markers_) {
        if (m.para == n) m = TextPos{};
        else if (m.para > n) --m.para;
    }
}

void TParagraphStore::markersParagraphInserted(ParaNum before) {
    if (suspendMarkers_) return;
    for (TextPos& m : markers_)
        if (m.para.value != 0 && m.para >= before) ++m.para;
}

void TParagraphStore::markersBytesDeleted(ParaNum n, ParaPos at, std::int32_t count) {
    if (suspendMarkers_) return;
    for (TextPos& m : markers_) {
        if (m.para != n || m.pos < at) continue;
        if (m.pos.value < at.value + count) m = TextPos{};
        else m.pos -= count;
    }
}

void TParagraphStore::markersBytesInserted(ParaNum n, ParaPos at, std::int32_t count) {
    if (suspendMarkers_) return;
    for (TextPos& m : markers_)
        if (m.para == n && m.pos >= at) m.pos += count;
}

// ---------------------------------------------------------------- inner steps

void TParagraphStore::recordCaret(TextPos p) {
    if (!suspendRecording_) undo_->recordChange(UndoKind::Caret, modified_, p.para.value, p.pos.value);
}

void TParagraphStore::doInsertBytes(ParaNum n, ParaPos at, std::string_view bytes, bool record) {
    const std::int32_t len = paragraphLength(n);
    std::string padded;
    ParaPos from = at;
    if (at.value > len + 1) {
        // Inserting beyond the end pads the gap; padding and bytes are one change.
        padded.assign(static_cast<std::size_t>(at.value - 1 - len), ' ');
        padded.append(bytes);
        bytes = padded;
        from = ParaPos(len + 1);
    }
    if (bytes.empty()) return;
    if (record && !suspendRecording_)
        undo_->recordChange(UndoKind::Inserted, modified_, n.value, from.value, bytes);
    rawReplace(n, from.value - 1, 0, bytes);
    markersBytesInserted(n, from, static_cast<std::int32_t>(bytes.size()));
    modified_ = true;
}

void TParagraphStore::doDeleteBytes(ParaNum n, ParaPos at, std::int32_t count, bool record) {
    const std::int32_t len = paragraphLength(n);
    count = std::min(count, len - (at.value - 1));
    if (count <= 0) return;
    if (record && !suspendRecording_) {
        const std::string_view gone = paragraphText(n).substr(static_cast<std::size_t>(at.value - 1),
                                                              static_cast<std::size_t>(count));
        undo_->recordChange(UndoKind::Deleted, modified_, n.value, at.value, gone);
    }
    rawReplace(n, at.value - 1, count, {});
    markersBytesDeleted(n, at, count);
    modified_ = true;
}

void TParagraphStore::doReplaceBytes(ParaNum n, ParaPos at, std::int32_t oldCount, std::string_view bytes,
                                     bool record) {
    const std::int32_t len = paragraphLength(n);
    std::string padded;
    if (at.value > len + 1) {
        padded.assign(static_cast<std::size_t>(at.value - 1 - len), ' ');
        padded.append(bytes);
        bytes = padded;
        at = ParaPos(len + 1);
    }
    oldCount = std::clamp(oldCount, 0, len - (at.value - 1));
    if (oldCount == 0 && bytes.empty()) return;
    if (record && !suspendRecording_) {
        const std::string_view old = paragraphText(n).substr(static_cast<std::size_t>(at.value - 1),
                                                             static_cast<std::size_t>(oldCount));
        undo_->recordReplace(modified_, n.value, at.value, old, bytes);
    }
    rawReplace(n, at.value - 1, oldCount, bytes);
    if (!suspendMarkers_) {
        const std::int32_t newCount = static_cast<std::int32_t>(bytes.size());
        for (TextPos& m : markers_) {
            if (m.para != n || m.pos < at) continue;
            if (m.pos.value >= at.value + oldCount) m.pos += newCount - oldCount;
            else m.pos = std::min(m.pos, at + newCount);  // inside the replaced bytes
        }
    }
    modified_ = true;
}

void TParagraphStore::doInsertParagraph(ParaNum before, std::string_view text, bool record, UndoKind kind) {
    if (record && !suspendRecording_) {
        // Kind 2 records the paragraph it went before, kind 3 the one it went after.
        if (kind == UndoKind::ParaInsertedBefore)
            undo_->recordParagraph(kind, modified_, before.value, 1, nullptr);
        else
            undo_->recordParagraph(kind, modified_, before.value - 1,
                                   paragraphLength(before - 1) + 1, nullptr);
    }
    rawInsertParagraph(before, text);
    markersParagraphInserted(before);
    modified_ = true;
}

void TParagraphStore::doDeleteParagraph(ParaNum n, bool record) {
    const bool wasModified = modified_;
    auto object = std::make_unique<DetachedParagraph>();
    object->text = rawRemoveParagraph(n);
    if (record && !suspendRecording_)
        undo_->recordParagraph(UndoKind::ParaDeleted, wasModified, n.value, 1, std::move(object));
    // Not recorded: the object goes here.
    markersParagraphDeleted(n);
    modified_ = true;
}

// ---------------------------------------------------------------- primitive edits

int TParagraphStore::insertBytes(ParaNum n, ParaPos at, std::string_view bytes) {
    if (!validPara(n) || at.value < 1) return kErrBadIndex;
    if (bytes.empty()) return kEditOk;
    const std::int64_t pad = std::max(0, at.value - 1 - paragraphLength(n));
    if (const int rc = checkLimits(n, 0, pad + static_cast<std::int64_t>(bytes.size()))) return rc;
    Notifier note(*this);
    doInsertBytes(n, at, bytes, true);
    return kEditOk;
}

int TParagraphStore::deleteBytes(ParaNum n, ParaPos at, std::int32_t count) {
    if (!validPara(n) || at.value < 1 || count < 0) return kErrBadIndex;
    Notifier note(*this);
    doDeleteBytes(n, at, count, true);
    return kEditOk;
}

int TParagraphStore::replaceBytes(ParaNum n, ParaPos at, std::int32_t oldCount, std::string_view bytes) {
    if (!validPara(n) || at.value < 1 || oldCount < 0) return kErrBadIndex;
    const std::int32_t len = paragraphLength(n);
    const std::int64_t pad = std::max(0, at.value - 1 - len);
    const std::int32_t old = std::clamp(oldCount, 0, std::max(0, len - (at.value - 1)));
    if (const int rc = checkLimits(n, 0, pad + static_cast<std::int64_t>(bytes.size()) - old)) return rc;
    Notifier note(*this);
    doReplaceBytes(n, at, oldCount, bytes, true);
    return kEditOk;
}

int TParagraphStore::insertParagraphBefore(ParaNum n, std::string_view text) {
    if (!validPara(n)) return kErrBadIndex;
    if (const int rc = checkLimits(n, 1, static_cast<std::int64_t>(text.size()) + 2)) return rc;
    if (static_cast<std::int64_t>(text.size()) > paraLengthLimit_) return kErrParagraphTooLong;
    Notifier note(*this);
    doInsertParagraph(n, text, true, UndoKind::ParaInsertedBefore);
    return kEditOk;
}

int TParagraphStore::insertParagraphAfter(ParaNum n, std::string_view text) {
    if (!validPara(n)) return kErrBadIndex;
    if (const int rc = checkLimits(n, 1, static_cast<std::int64_t>(text.size()) + 2)) return rc;
    if (static_cast<std::int64_t>(text.size()) > paraLengthLimit_) return kErrParagraphTooLong;
    Notifier note(*this);
    doInsertParagraph(n + 1, text, true, UndoKind::ParaInsertedAfter);
    return kEditOk;
}

int TParagraphStore::deleteParagraph(ParaNum n) {
    // The text always keeps one paragraph; the last one left can only be emptied.
    if (!validPara(n) || paraCount_ < 2) return kErrBadIndex;
    Notifier note(*this);
    doDeleteParagraph(n, true);
    return kEditOk;
}

// ---------------------------------------------------------------- compound edits

int TParagraphStore::split(TextPos at, bool trim, std::int32_t indentColumns, std::int32_t indentTabSize) {
    const ParaNum n = at.para;
    if (!validPara(n) || at.pos.value < 1) return kErrBadIndex;
    const std::int32_t len = paragraphLength(n);
    const std::int32_t c = std::min(at.pos.value, len + 1);
    if (c == 1) return insertParagraphBefore(n, {});

    const std::string indent = indentation(indentColumns, indentTabSize);
    const std::int32_t i = static_cast<std::int32_t>(indent.size());
    const std::string_view full = paragraphText(n);
    std::int32_t trimmed = 0;
    if (trim && c <= len)
        while (c - 1 - trimmed > 0 && layout::isBlank(full[static_cast<std::size_t>(c - 2 - trimmed)])) ++trimmed;
    const std::string tail(full.substr(static_cast<std::size_t>(c - 1)));
    if (const int rc = checkLimits(n, 1, 2 + i - trimmed)) return rc;
    if (static_cast<std::int64_t>(tail.size()) + i > paraLengthLimit_) return kErrParagraphTooLong;

    Notifier note(*this);
    EditGroup group(*this);
    {
        FlagScope quiet(suspendMarkers_, true);
        recordCaret({n, ParaPos(c)});
        doInsertParagraph(n + 1, tail, true, UndoKind::ParaInsertedAfter);
        if (c <= len) doDeleteBytes(n, ParaPos(c - trimmed), len - (c - 1) + trimmed, true);
        if (i > 0) doInsertBytes(n + 1, ParaPos(1), indent, true);
        recordCaret({n + 1, ParaPos(i + 1)});
    }
    if (!suspendMarkers_) {
        const std::int32_t newEnd = paragraphLength(n) + 1;
        for (TextPos& m : markers_) {
            if (m.para.value == 0) continue;
            if (m.para > n) ++m.para;
            else if (m.para == n && m.pos.value >= c) m = {n + 1, ParaPos(i + m.pos.value - c + 1)};
            else if (m.para == n && m.pos.value > newEnd) m.pos = ParaPos(newEnd);  // on trimmed blanks
        }
    }
    return kEditOk;
}

int TParagraphStore::join(TextPos at) {
    const ParaNum n = at.para;
    if (!validPara(n) || at.pos.value < 1) return kErrBadIndex;
    if (n.value == paraCount_) return kEditOk;
    const std::int32_t len = paragraphLength(n);
    // Joining appends at or beyond the end; a position inside the text would
    // splice the next paragraph into the middle of this one.
    const std::int32_t c = (len == 0) ? at.pos.value : std::max(at.pos.value, len + 1);
    const std::int32_t nextLen = paragraphLength(n + 1);
    if (c != 1) {
        const std::int64_t joined = static_cast<std::int64_t>(c - 1) + nextLen;
        if (joined > paraLengthLimit_) return kErrJoinTooLong;
        const std::int64_t pad = nextLen > 0 ? c - 1 - len : 0;
        if (pad - 2 > 0 && pad - 2 + byteCount_ > byteLimit_) return kErrTextTooLarge;
    }

    Notifier note(*this);
    EditGroup group(*this);
    {
        FlagScope quiet(suspendMarkers_, true);
        if (c == 1) {
            doDeleteParagraph(n, true);
        } else {
            const std::string next(paragraphText(n + 1));
            if (!next.empty()) doInsertBytes(n, ParaPos(c), next, true);
            doDeleteParagraph(n + 1, true);
        }
        recordCaret({n, ParaPos(c)});
    }
    if (!suspendMarkers_) {
        // Joining an empty paragraph beyond the end pads nothing: keep its
        // markers at the real end.
        const std::int32_t newEnd = paragraphLength(n) + 1;
        for (TextPos& m : markers_) {
            if (m.para.value == 0) continue;
            if (m.para.value > n.value + 1) --m.para;
            else if (m.para == n + 1) m = {n, ParaPos(std::min(c + m.pos.value - 1, newEnd))};
        }
    }
    return kEditOk;
}

int TParagraphStore::deleteRange(TextPos from, TextPos to) {
    if (to < from) std::swap(from, to);
    if (!validPara(from.para) || !validPara(to.para) || from.pos.value < 1 || to.pos.value < 1)
        return kErrBadIndex;
    Notifier note(*this);
    EditGroup group(*this);
    const ParaNum p1 = from.para, p2 = to.para;
    if (p1 == p2) {
        doDeleteBytes(p1, from.pos, to.pos.value - from.pos.value, true);
        return kEditOk;
    }
    if (from.pos.value == 1 && to.pos.value == 1) {
        for (std::int32_t k = p1.value; k < p2.value; ++k) doDeleteParagraph(p1, true);
        return kEditOk;
    }
    doDeleteBytes(p2, ParaPos(1), to.pos.value - 1, true);
    doDeleteBytes(p1, from.pos, paragraphLength(p1) - (from.pos.value - 1), true);
    for (std::int32_t k = p1.value + 1; k < p2.value; ++k) doDeleteParagraph(p1 + 1, true);
    return join({p1, from.pos});
}

int TParagraphStore::insertText(TextPos at, std::string_view text, TextPos* end) {
    if (!validPara(at.para) || at.pos.value < 1) return kErrBadIndex;
    Notifier note(*this);
    EditGroup group(*this);
    ParaNum n = at.para;
    std::int32_t c = at.pos.value;
    const LineNum firstLine = toLinePos({n, ParaPos(std::min(c, paragraphLength(n) + 1))}).line;
    int rc = kEditOk;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t lf = text.find('\n', pos);
        std::string_view piece = text.substr(pos, lf == std::string_view::npos ? std::string_view::npos : lf + 1 - pos);
        pos += piece.size();
        // A piece ends in a line break when it ends in LF, or (the last piece)
        // in a lone CR; all CRs and LFs at its end go.
        const bool lineBreak = !piece.empty() && (piece.back() == '\n' || piece.back() == '\r');
        while (!piece.empty() && (piece.back() == '\n' || piece.back() == '\r')) piece.remove_suffix(1);
        if (lineBreak && c == 1) {
            if ((rc = insertParagraphBefore(n, piece)) != kEditOk) break;
            ++n;
            continue;
        }
        if (!piece.empty()) {
            if ((rc = insertBytes(n, ParaPos(c), piece)) != kEditOk) break;
            c += static_cast<std::int32_t>(piece.size());
        }
        if (lineBreak) {
            if ((rc = split({n, ParaPos(c)}, true, 0, 0)) != kEditOk) break;
            ++n;
            c = 1;
        }
    }
    if (end) *end = {n, ParaPos(c)};
    noteChanged(firstLine - 1, LineNum(kToEndOfText));
    return rc;
}

}  // namespace qm
