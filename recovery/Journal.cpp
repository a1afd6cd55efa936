#include "Journal.h"

#include <unistd.h>

namespace recovery {

namespace {

constexpr std::string_view kMagic = "QMJOURNAL1\n";
constexpr char kHeader = 'H';
// A record: kind (1 byte), payload length (8), payload, check (8) of kind
// and payload. Nothing in a journal is trusted before its check matches.
constexpr std::size_t kFrame = 1 + 8 + 8;

void putU64(std::string& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out += char((v >> (8 * i)) & 0xff);
}

void putBytes(std::string& out, std::string_view bytes) {
    putU64(out, bytes.size());
    out += bytes;
}

class Cursor {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}
    bool u64(std::uint64_t& v) {
        if (bytes_.size() - pos_ < 8) return false;
        v = 0;
        for (int i = 0; i < 8; ++i) v |= std::uint64_t(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        pos_ += 8;
        return true;
    }
    bool i64(std::int64_t& v) {
        std::uint64_t u = 0;
        if (!u64(u)) return false;
        v = std::int64_t(u);
        return true;
    }
    bool bytes(std::string& out) {
        std::uint64_t n = 0;
        if (!u64(n) || n > bytes_.size() - pos_) return false;
        out.assign(bytes_.substr(pos_, n));
        pos_ += n;
        return true;
    }
    bool atEnd() const { return pos_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::string frame(char kind, std::string_view payload) {
    std::string out;
    out.reserve(kFrame + payload.size());
    out += kind;
    putU64(out, payload.size());
    out += payload;
    putU64(out, contentHash(payload.data(), payload.size(), contentHash(&kind, 1)));
    return out;
}

}  // namespace

std::string encodeHeader(const JournalHeader& h) {
    std::string p;
    putBytes(p, h.path);
    putBytes(p, h.caption);
    putU64(p, h.base.exists ? 1 : 0);
    putU64(p, h.base.device);
    putU64(p, h.base.inode);
    putU64(p, h.base.size);
    putU64(p, std::uint64_t(h.base.mtimeNs));
    putU64(p, h.base.hash);
    return std::string(kMagic) + frame(kHeader, p);
}

std::string encodeEdit(const JournalEdit& e) {
    std::string p;
    putU64(p, std::uint64_t(e.timeMs));
    switch (e.kind) {
    case JournalEdit::Kind::Text:
        putU64(p, e.paragraphs.size());
        for (const std::string& para : e.paragraphs) putBytes(p, para);
        break;
    case JournalEdit::Kind::Replace:
        putU64(p, e.para);
        putU64(p, e.offset);
        putU64(p, e.length);
        putBytes(p, e.bytes);
        break;
    case JournalEdit::Kind::InsertParagraph:
        putU64(p, e.para);
        putBytes(p, e.bytes);
        break;
    case JournalEdit::Kind::RemoveParagraph:
        putU64(p, e.para);
        break;
    }
    return frame(char(e.kind), p);
}

void appendReplace(std::string& out, std::int64_t timeMs, std::uint64_t para, std::uint64_t offset,
                   std::uint64_t length, std::string_view bytes) {
    // frame() of the payload, written in place.
    const char kind = char(JournalEdit::Kind::Replace);
    out += kind;
    putU64(out, 8 * 5 + bytes.size());
    const std::size_t payload = out.size();
    putU64(out, std::uint64_t(timeMs));
    putU64(out, para);
    putU64(out, offset);
    putU64(out, length);
    putBytes(out, bytes);
    const std::uint64_t check = contentHash(out.data() + payload, out.size() - payload, contentHash(&kind, 1));
    putU64(out, check);
}

JournalContents readJournal(std::string_view bytes) {
    JournalContents out;
    if (bytes.substr(0, kMagic.size()) != kMagic) {
        out.damaged = !bytes.empty();
        return out;
    }
    std::size_t pos = kMagic.size();
    bool first = true;
    while (pos < bytes.size()) {
        // One whole record with a matching check, or the damage starts here.
        Cursor head(bytes.substr(pos + 1));
        std::uint64_t n = 0;
        if (bytes.size() - pos < kFrame || !head.u64(n) || n > bytes.size() - pos - kFrame) break;
        const char kind = bytes[pos];
        const std::string_view payload = bytes.substr(pos + 9, n);
        Cursor tail(bytes.substr(pos + 9 + n, 8));
        std::uint64_t check = 0;
        tail.u64(check);
        if (check != contentHash(payload.data(), payload.size(), contentHash(&kind, 1))) break;
        Cursor c(payload);
        bool ok = false;
        if (first) {
            std::uint64_t exists = 0, mtime = 0;
            ok = kind == kHeader && c.bytes(out.header.path) && c.bytes(out.header.caption) && c.u64(exists) &&
                 c.u64(out.header.base.device) && c.u64(out.header.base.inode) && c.u64(out.header.base.size) &&
                 c.u64(mtime) && c.u64(out.header.base.hash) && c.atEnd();
            out.header.base.exists = exists != 0;
            out.header.base.mtimeNs = std::int64_t(mtime);
            if (!ok) break;
            out.valid = true;
        } else {
            JournalEdit e;
            e.kind = JournalEdit::Kind(kind);
            ok = c.i64(e.timeMs);
            switch (e.kind) {
            case JournalEdit::Kind::Text: {
                std::uint64_t count = 0;
                // Each paragraph takes at least its 8-byte length.
                ok = ok && c.u64(count) && count <= n / 8;
                for (std::uint64_t i = 0; ok && i < count; ++i) ok = c.bytes(e.paragraphs.emplace_back());
                ok = ok && count > 0;
                break;
            }
            case JournalEdit::Kind::Replace:
                ok = ok && c.u64(e.para) && c.u64(e.offset) && c.u64(e.length) && c.bytes(e.bytes);
                break;
            case JournalEdit::Kind::InsertParagraph: ok = ok && c.u64(e.para) && c.bytes(e.bytes); break;
            case JournalEdit::Kind::RemoveParagraph: ok = ok && c.u64(e.para); break;
            default: ok = false;
            }
            if (!ok || !c.atEnd()) break;
            out.edits.push_back(std::move(e));
        }
        first = false;
        pos += kFrame + n;
    }
    out.damaged = pos < bytes.size() || !out.valid;
    return out;
}

std::size_t lastWholeText(const std::vector<JournalEdit>& edits) {
    for (std::size_t i = edits.size(); i > 0; --i)
        if (edits[i - 1].kind == JournalEdit::Kind::Text) return i - 1;
    return edits.size();
}

namespace {

// One edit onto the store; false when it does not fit the text there.
bool apply(qm::TParagraphStore& store, const JournalEdit& e) {
    using qm::ParaNum;
    using qm::ParaPos;
    const std::uint64_t count = std::uint64_t(store.ParagraphCount());
    switch (e.kind) {
    case JournalEdit::Kind::Text: {
        const ParaNum last(store.ParagraphCount());
        if (store.deleteRange({ParaNum(1), ParaPos(1)}, {last, ParaPos(store.paragraphLength(last) + 1)}) != 0)
            return false;
        if (store.replaceBytes(ParaNum(1), ParaPos(1), 0, e.paragraphs.front()) != 0) return false;
        for (std::size_t i = 1; i < e.paragraphs.size(); ++i)
            if (store.insertParagraphAfter(ParaNum(std::int32_t(i)), e.paragraphs[i]) != 0) return false;
        return true;
    }
    case JournalEdit::Kind::Replace: {
        if (e.para < 1 || e.para > count) return false;
        const std::uint64_t len = std::uint64_t(store.paragraphLength(ParaNum(std::int32_t(e.para))));
        if (e.offset > len || e.length > len - e.offset || e.bytes.size() > std::size_t(qm::TParagraphStore::kMaxParaLength))
            return false;
        return store.replaceBytes(ParaNum(std::int32_t(e.para)), ParaPos(std::int32_t(e.offset) + 1),
                                  std::int32_t(e.length), e.bytes) == 0;
    }
    case JournalEdit::Kind::InsertParagraph:
        if (e.para < 1 || e.para > count + 1) return false;
        if (e.para == count + 1) return store.insertParagraphAfter(ParaNum(std::int32_t(count)), e.bytes) == 0;
        return store.insertParagraphBefore(ParaNum(std::int32_t(e.para)), e.bytes) == 0;
    case JournalEdit::Kind::RemoveParagraph:
        if (e.para < 1 || e.para > count || count < 2) return false;
        return store.deleteParagraph(ParaNum(std::int32_t(e.para))) == 0;
    }
    return false;
}

}  // namespace

Replayed replayInto(qm::TParagraphStore& store, const std::vector<JournalEdit>& edits, std::size_t from) {
    Replayed out;
    qm::TParagraphStore::EditGroup group(store);
    for (std::size_t i = from; i < edits.size(); ++i) {
        if (!apply(store, edits[i])) {
            out.damaged = true;
            break;
        }
        out.lastChangeMs = edits[i].timeMs;
    }
    return out;
}

durable::WriteResult JournalWriter::open(const std::string& file, const JournalHeader& header) {
    // A journal starts afresh: one left from before the last save goes.
    out_.close();
    ::unlink(file.c_str());
    durable::WriteResult r = out_.open(file);
    if (r) r = out_.append(encodeHeader(header));
    return r;
}

}  // namespace recovery
