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
    if (e.kind != JournalEdit::Kind::Text) putU64(p, e.offset);
    if (e.kind == JournalEdit::Kind::Delete) putU64(p, e.length);
    else putBytes(p, e.bytes);
    return frame(char(e.kind), p);
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
            case JournalEdit::Kind::Text: ok = ok && c.bytes(e.bytes); break;
            case JournalEdit::Kind::Insert: ok = ok && c.u64(e.offset) && c.bytes(e.bytes); break;
            case JournalEdit::Kind::Delete: ok = ok && c.u64(e.offset) && c.u64(e.length); break;
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

Replayed replay(const std::vector<JournalEdit>& edits, std::string base) {
    Replayed out;
    out.text = std::move(base);
    for (const JournalEdit& e : edits) {
        switch (e.kind) {
        case JournalEdit::Kind::Text:
            out.text = e.bytes;
            break;
        case JournalEdit::Kind::Insert:
            if (e.offset > out.text.size()) {
                out.damaged = true;
                return out;
            }
            out.text.insert(std::size_t(e.offset), e.bytes);
            break;
        case JournalEdit::Kind::Delete:
            if (e.offset > out.text.size() || e.length > out.text.size() - e.offset) {
                out.damaged = true;
                return out;
            }
            out.text.erase(std::size_t(e.offset), std::size_t(e.length));
            break;
        }
        out.lastChangeMs = e.timeMs;
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
