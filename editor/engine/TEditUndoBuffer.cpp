#include "TEditUndoBuffer.h"

#include "EngineCheck.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>

namespace qm {

namespace {

constexpr std::size_t kOffPrev = 0;
constexpr std::size_t kOffKind = 4;
constexpr std::size_t kOffGroup = 5;
constexpr std::size_t kOffPara = 8;
constexpr std::size_t kOffPos = 12;
constexpr std::size_t kOffLen = 16;
constexpr std::size_t kMaxData = TEditUndoBuffer::kMaxSize;
using Len = std::uint32_t;  // record sizes and replacement lengths
constexpr std::size_t kPointerSize = sizeof(DetachedParagraph*);

bool holdsParagraph(UndoKind k) {
    return k == UndoKind::ParaInsertedBefore || k == UndoKind::ParaInsertedAfter ||
           k == UndoKind::ParaDeleted;
}

template <class T>
T load(const unsigned char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

template <class T>
void store(unsigned char* p, T v) {
    std::memcpy(p, &v, sizeof v);
}

}  // namespace

struct TEditUndoBuffer::Header {
    Len prevSize = 0;
    UndoKind kind = UndoKind::Caret;
    bool modifiedBefore = false;
    std::uint8_t group = 0;
    std::int32_t paragraph = 0;
    std::int32_t position = 0;
    Len dataLen = 0;
};

TEditUndoBuffer::TEditUndoBuffer(std::uint32_t size, AllocGate gate) : gate_(gate) {
    std::size_t want = std::min(size, kMaxSize);
    while (want > 0) {
        const std::size_t first = std::min<std::size_t>(want, kFirstAllocation);
        if (!gate || gate(first)) {
            area_.reset(new (std::nothrow) unsigned char[first]);
            if (area_) {
                capacity_ = first;
                break;
            }
        }
        if (want <= 16) {
            want = 0;
            break;
        }
        want = (want + 1) / 2;
    }
    size_ = area_ ? want : 0;
}

// Makes the allocated part of the area reach at least `end` bytes (at most
// size_). On failure the area stops growing: size_ becomes what it has.
bool TEditUndoBuffer::grow(std::size_t end) {
    if (end <= capacity_) return true;
    if (end > size_) return false;
    const std::size_t want = std::min(size_, std::max(end, capacity_ * 2));
    std::unique_ptr<unsigned char[]> bigger;
    if (!gate_ || gate_(want)) bigger.reset(new (std::nothrow) unsigned char[want]);
    if (!bigger) {
        size_ = capacity_;
        return false;
    }
    std::memcpy(bigger.get(), area_.get(), used_);
    area_ = std::move(bigger);
    capacity_ = want;
    return true;
}

TEditUndoBuffer::~TEditUndoBuffer() { clear(); }

TEditUndoBuffer::Header TEditUndoBuffer::headerAt(std::size_t off) const {
    const unsigned char* p = area_.get() + off;
    Header h;
    h.prevSize = load<Len>(p + kOffPrev);
    h.kind = static_cast<UndoKind>(p[kOffKind] & 0x7F);
    h.modifiedBefore = (p[kOffKind] & 0x80) != 0;
    h.group = p[kOffGroup];
    h.paragraph = load<std::int32_t>(p + kOffPara);
    h.position = load<std::int32_t>(p + kOffPos);
    h.dataLen = load<Len>(p + kOffLen);
    return h;
}

void TEditUndoBuffer::writeHeader(std::size_t off, const Header& h) {
    unsigned char* p = area_.get() + off;
    store<Len>(p + kOffPrev, h.prevSize);
    p[kOffKind] = static_cast<unsigned char>(static_cast<unsigned>(h.kind) | (h.modifiedBefore ? 0x80u : 0u));
    p[kOffGroup] = h.group;
    store<std::int32_t>(p + kOffPara, h.paragraph);
    store<std::int32_t>(p + kOffPos, h.position);
    store<std::uint16_t>(p + kOffGroup + 1, 0);
    store<Len>(p + kOffLen, h.dataLen);
}

std::size_t TEditUndoBuffer::recordSize(std::size_t off) const {
    return kHeaderSize + load<Len>(area_.get() + off + kOffLen);
}

std::size_t TEditUndoBuffer::undoEnd() const {
    return undoCount_ > 0 ? newestUndo_ + recordSize(newestUndo_) : 0;
}

std::size_t TEditUndoBuffer::redoEnd() const { return used_; }

std::size_t TEditUndoBuffer::freeBytes() const { return size_ - undoEnd(); }

// The paragraph pointer of a record is non-null exactly while the record owns
// the paragraph, so freeing never needs to know which side the record is on.
void TEditUndoBuffer::freeObjectAt(std::size_t off) {
    const Header h = headerAt(off);
    if (!holdsParagraph(h.kind)) return;
    unsigned char* p = area_.get() + off + kHeaderSize;
    delete load<DetachedParagraph*>(p);
    store<DetachedParagraph*>(p, nullptr);
}

void TEditUndoBuffer::discardRedo() {
    for (std::size_t off = undoEnd(); off < used_; off += recordSize(off)) freeObjectAt(off);
    used_ = undoEnd();
    redoCount_ = 0;
    haveTaken_ = false;
}

void TEditUndoBuffer::clear() {
    for (std::size_t off = 0; off < used_; off += recordSize(off)) freeObjectAt(off);
    undoCount_ = redoCount_ = 0;
    newestUndo_ = used_ = 0;
    groupCounter_ = 0;
    haveTaken_ = false;
}

bool TEditUndoBuffer::makeRoom(std::size_t n) {
    if (groupBroken_) return false;
    if (n > size_) {
        clear();
        if (groupOpen_) groupBroken_ = true;
        return false;
    }
    if (n <= freeBytes() && grow(undoEnd() + n)) return true;
    if (n > size_) return makeRoom(n);  // growth failed and the area stayed smaller than n

    discardRedo();
    const std::size_t want = std::max(n, size_ / 16);
    const std::size_t end = undoEnd();
    std::size_t cut = 0;  // records before cut are discarded
    while (undoCount_ > 0 && size_ - (end - cut) < want) {
        const std::uint8_t g = headerAt(cut).group;
        while (undoCount_ > 0 && cut < end && headerAt(cut).group == g) {
            const std::size_t sz = recordSize(cut);
            freeObjectAt(cut);
            cut += sz;
            --undoCount_;
        }
    }
    if (undoCount_ == 0) {
        clear();
        if (groupOpen_) {
            groupBroken_ = true;
            return false;
        }
        return grow(n) || makeRoom(n);
    }
    std::memmove(area_.get(), area_.get() + cut, end - cut);
    newestUndo_ -= cut;
    used_ = end - cut;
    store<Len>(area_.get() + kOffPrev, 0);
    return grow(used_ + n) || makeRoom(n);
}

bool TEditUndoBuffer::appendRecord(UndoKind kind, bool modifiedBefore, std::int32_t paragraph,
                                   std::int32_t position, std::string_view data,
                                   std::string_view newData, const void* object) {
    std::size_t dataLen;
    if (kind == UndoKind::Replaced) dataLen = kReplaceLengths + data.size() + newData.size();
    else if (holdsParagraph(kind)) dataLen = kPointerSize;
    else dataLen = data.size();
    if (dataLen > kMaxData) {
        // Larger than any area can hold: the same outcome as an oversized record.
        makeRoom(size_ + 1);
        return false;
    }
    if (!makeRoom(kHeaderSize + dataLen)) return false;
    discardRedo();

    const std::size_t off = undoEnd();
    Header h;
    h.prevSize = undoCount_ > 0 ? static_cast<Len>(recordSize(newestUndo_)) : 0;
    h.kind = kind;
    h.modifiedBefore = modifiedBefore;
    h.group = groupCounter_;
    h.paragraph = paragraph;
    h.position = position;
    h.dataLen = static_cast<Len>(dataLen);
    writeHeader(off, h);
    unsigned char* p = area_.get() + off + kHeaderSize;
    if (kind == UndoKind::Replaced) {
        store<Len>(p, static_cast<Len>(data.size()));
        store<Len>(p + 4, static_cast<Len>(newData.size()));
        std::memcpy(p + kReplaceLengths, data.data(), data.size());
        std::memcpy(p + kReplaceLengths + data.size(), newData.data(), newData.size());
    } else if (holdsParagraph(kind)) {
        store<const void*>(p, object);
    } else if (!data.empty()) {
        std::memcpy(p, data.data(), data.size());
    }
    newestUndo_ = off;
    ++undoCount_;
    used_ = off + kHeaderSize + dataLen;
    if (stepPending_) {
        stepPending_ = false;
        ++stepsStarted_;
    }
    return true;
}

bool TEditUndoBuffer::tryMerge(UndoKind kind, std::int32_t paragraph, std::int32_t position,
                               std::string_view data, std::string_view newData) {
    if (undoCount_ == 0 || groupOpen_) return false;
    Header h = headerAt(newestUndo_);
    if (h.kind != kind || h.paragraph != paragraph) return false;

    enum { Append, Prepend, ExtendReplace } how;
    std::size_t added;
    if (kind == UndoKind::Inserted && position == h.position + static_cast<std::int64_t>(h.dataLen)) {
        how = Append;
        added = data.size();
    } else if (kind == UndoKind::Deleted && position == h.position) {
        how = Append;
        added = data.size();
    } else if (kind == UndoKind::Deleted &&
               position + static_cast<std::int64_t>(data.size()) == h.position) {
        how = Prepend;
        added = data.size();
    } else if (kind == UndoKind::Replaced &&
               position == h.position + static_cast<std::int64_t>(load<Len>(area_.get() + newestUndo_ + kHeaderSize + 4))) {
        // Only a replacement that starts where the record's new bytes end
        // touches it; the old bytes' length says nothing about today's text.
        how = ExtendReplace;
        added = data.size() + newData.size();
    } else {
        return false;
    }
    if (h.dataLen + added > kMaxData) return false;

    if (!makeRoom(added)) return true;  // history cleared: the change goes unrecorded
    if (undoCount_ == 0) return false;     // the record itself was discarded: record anew
    discardRedo();

    const std::size_t off = newestUndo_;
    h = headerAt(off);
    unsigned char* d = area_.get() + off + kHeaderSize;
    if (how == Append) {
        std::memcpy(d + h.dataLen, data.data(), data.size());
    } else if (how == Prepend) {
        std::memmove(d + added, d, h.dataLen);
        std::memcpy(d, data.data(), data.size());
        h.position = position;
    } else {
        const std::size_t oldLen = load<Len>(d);
        const std::size_t newLen = load<Len>(d + 4);
        unsigned char* oldEnd = d + kReplaceLengths + oldLen;
        std::memmove(oldEnd + data.size(), oldEnd, newLen);
        std::memcpy(oldEnd, data.data(), data.size());
        std::memcpy(oldEnd + data.size() + newLen, newData.data(), newData.size());
        store<Len>(d, static_cast<Len>(oldLen + data.size()));
        store<Len>(d + 4, static_cast<Len>(newLen + newData.size()));
    }
    h.dataLen = static_cast<Len>(h.dataLen + added);
    writeHeader(off, h);
    used_ = off + kHeaderSize + h.dataLen;
    return true;
}

bool TEditUndoBuffer::recordChange(UndoKind kind, bool modifiedBefore, std::int32_t paragraph,
                                   std::int32_t position, std::string_view data) {
    assert(kind == UndoKind::Caret || kind == UndoKind::Inserted || kind == UndoKind::Deleted);
    if (size_ == 0) return false;
    if (kind != UndoKind::Caret && tryMerge(kind, paragraph, position, data, {}))
        return undoCount_ > 0;
    if (!groupOpen_) newStep();
    return appendRecord(kind, modifiedBefore, paragraph, position, data, {}, nullptr);
}

bool TEditUndoBuffer::recordReplace(bool modifiedBefore, std::int32_t paragraph, std::int32_t position,
                                    std::string_view oldBytes, std::string_view newBytes) {
    if (size_ == 0) return false;
    if (tryMerge(UndoKind::Replaced, paragraph, position, oldBytes, newBytes)) return undoCount_ > 0;
    if (!groupOpen_) newStep();
    return appendRecord(UndoKind::Replaced, modifiedBefore, paragraph, position, oldBytes, newBytes,
                        nullptr);
}

bool TEditUndoBuffer::recordParagraph(UndoKind kind, bool modifiedBefore, std::int32_t paragraph,
                                      std::int32_t position, std::unique_ptr<DetachedParagraph> object) {
    assert(holdsParagraph(kind));
    assert((kind == UndoKind::ParaDeleted) == (object != nullptr));
    if (size_ == 0) return false;
    if (!groupOpen_) newStep();
    if (!appendRecord(kind, modifiedBefore, paragraph, position, {}, {}, object.get())) return false;
    object.release();  // now owned by the record
    return true;
}

void TEditUndoBuffer::newStep() {
    ++groupCounter_;
    stepPending_ = true;  // counted when its first record is written
}

bool TEditUndoBuffer::openGroup() {
    if (groupOpen_) return true;
    groupOpen_ = true;
    newStep();
    return false;
}

void TEditUndoBuffer::closeGroup(bool wasOpen) {
    if (wasOpen) return;
    groupOpen_ = false;
    groupBroken_ = false;
}

UndoRecord TEditUndoBuffer::recordAt(std::size_t off) const {
    const Header h = headerAt(off);
    UndoRecord r;
    r.kind = h.kind;
    r.group = h.group;
    r.modifiedBefore = h.modifiedBefore;
    r.paragraph = h.paragraph;
    r.position = h.position;
    const char* d = reinterpret_cast<const char*>(area_.get() + off + kHeaderSize);
    if (h.kind == UndoKind::Replaced) {
        const std::size_t oldLen = load<Len>(area_.get() + off + kHeaderSize);
        const std::size_t newLen = load<Len>(area_.get() + off + kHeaderSize + 4);
        r.data = std::string_view(d + kReplaceLengths, oldLen);
        r.newData = std::string_view(d + kReplaceLengths + oldLen, newLen);
    } else if (holdsParagraph(h.kind)) {
        r.paragraphObject = load<DetachedParagraph*>(area_.get() + off + kHeaderSize);
    } else {
        r.data = std::string_view(d, h.dataLen);
    }
    return r;
}

bool TEditUndoBuffer::takeUndo(UndoRecord& out) {
    if (undoCount_ == 0) return false;
    const std::size_t off = newestUndo_;
    out = recordAt(off);
    const Len prev = load<Len>(area_.get() + off + kOffPrev);
    --undoCount_;
    ++redoCount_;
    if (undoCount_ > 0) newestUndo_ = off - prev;
    lastTaken_ = off;
    haveTaken_ = true;
    return true;
}

int TEditUndoBuffer::nextUndoGroup() const {
    return undoCount_ > 0 ? area_[newestUndo_ + kOffGroup] : kNoGroup;
}

bool TEditUndoBuffer::takeRedo(bool modifiedNow, UndoRecord& out) {
    if (redoCount_ == 0) return false;
    const std::size_t off = undoEnd();
    unsigned char& kindByte = area_[off + kOffKind];
    kindByte = static_cast<unsigned char>((kindByte & 0x7F) | (modifiedNow ? 0x80 : 0));
    out = recordAt(off);
    --redoCount_;
    ++undoCount_;
    newestUndo_ = off;
    lastTaken_ = off;
    haveTaken_ = true;
    return true;
}

int TEditUndoBuffer::nextRedoGroup() const {
    return redoCount_ > 0 ? area_[undoEnd() + kOffGroup] : kNoGroup;
}

void TEditUndoBuffer::keepParagraph(std::unique_ptr<DetachedParagraph> object) {
    assert(haveTaken_ && holdsParagraph(headerAt(lastTaken_).kind));
    if (!haveTaken_ || !holdsParagraph(headerAt(lastTaken_).kind)) return;  // freed by unique_ptr
    unsigned char* p = area_.get() + lastTaken_ + kHeaderSize;
    delete load<DetachedParagraph*>(p);  // never set here; kept for safety
    store<DetachedParagraph*>(p, object.release());
}

std::unique_ptr<DetachedParagraph> TEditUndoBuffer::takeParagraph() {
    if (!haveTaken_ || !holdsParagraph(headerAt(lastTaken_).kind)) return nullptr;
    unsigned char* p = area_.get() + lastTaken_ + kHeaderSize;
    std::unique_ptr<DetachedParagraph> obj(load<DetachedParagraph*>(p));
    store<DetachedParagraph*>(p, nullptr);
    return obj;
}

void TEditUndoBuffer::markSavePoint() {
    for (std::size_t off = 0; off < used_; off += recordSize(off)) area_[off + kOffKind] |= 0x80;
}

bool TEditUndoBuffer::ownsObject(std::size_t off, bool undoSide) const {
    const UndoKind k = headerAt(off).kind;
    if (k == UndoKind::ParaDeleted) return undoSide;
    if (k == UndoKind::ParaInsertedBefore || k == UndoKind::ParaInsertedAfter) return !undoSide;
    return false;
}

void TEditUndoBuffer::check() const {
    QM_CHECK(used_ <= capacity_ && capacity_ <= size_);
    std::size_t off = 0, prevSize = 0, count = 0;
    while (off < used_) {
        const Header h = headerAt(off);
        QM_CHECK(h.prevSize == prevSize);
        QM_CHECK(static_cast<unsigned>(h.kind) <= 6);
        const std::size_t sz = kHeaderSize + h.dataLen;
        QM_CHECK(off + sz <= used_);
        const bool undoSide = count < undoCount_;
        if (undoSide && count + 1 == undoCount_) QM_CHECK(off == newestUndo_);
        if (holdsParagraph(h.kind)) {
            QM_CHECK(h.dataLen == kPointerSize);
            const bool held = load<DetachedParagraph*>(area_.get() + off + kHeaderSize) != nullptr;
            QM_CHECK(held == ownsObject(off, undoSide));
        }
        if (h.kind == UndoKind::Replaced) {
            QM_CHECK(h.dataLen >= kReplaceLengths);
            const std::size_t oldLen = load<Len>(area_.get() + off + kHeaderSize);
            const std::size_t newLen = load<Len>(area_.get() + off + kHeaderSize + 4);
            QM_CHECK(kReplaceLengths + oldLen + newLen == h.dataLen);
        }
        prevSize = sz;
        off += sz;
        ++count;
    }
    QM_CHECK(off == used_);
    QM_CHECK(count == undoCount_ + redoCount_);
}

}  // namespace qm
