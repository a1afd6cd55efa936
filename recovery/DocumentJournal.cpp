#include "DocumentJournal.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <sys/stat.h>
#include <unistd.h>

namespace recovery {

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

namespace {

// Journal names: unique per process and document, never reused in a run.
std::string journalName(const std::string& folder) {
    static std::atomic<unsigned> serial{0};
    return folder + "/" + std::to_string(::getpid()) + "-" + std::to_string(nowMs()) + "-" +
           std::to_string(++serial) + ".journal";
}

}  // namespace

DocumentJournal::DocumentJournal(qm::TParagraphStore& store, std::string folder)
    : store_(store), folder_(std::move(folder)) {
    store_.setEditListener(this);
    restart({}, {});
}

DocumentJournal::~DocumentJournal() {
    store_.setEditListener(nullptr);
    removeFile();
}

void DocumentJournal::restart(const std::string& path, const FileIdentity& base) {
    removeFile();
    header_.path = path;
    header_.base = base;
    buffer_.clear();
    edits_ = 0;
    dirty_ = false;
    // An untitled text has no file to replay onto.
    needWhole_ = path.empty() || store_.ByteCount() <= kStandAloneBytes;
}

bool DocumentJournal::due(std::int64_t now) const {
    return pending() && (edits_ >= kFlushEdits || now - oldestMs_ >= kMaxAgeMs);
}

void DocumentJournal::noteEdit() {
    if (!dirty_) {
        dirty_ = true;
        oldestMs_ = nowMs();
        if (onPending) onPending();
    }
    ++edits_;
}

void DocumentJournal::bytesReplaced(qm::ParaNum n, std::int32_t offset, std::int32_t erased, std::string_view bytes) {
    noteEdit();
    appendReplace(buffer_, nowMs(), std::uint64_t(n.value), std::uint64_t(offset), std::uint64_t(erased), bytes);
}

void DocumentJournal::paragraphInserted(qm::ParaNum before, std::string_view text) {
    noteEdit();
    JournalEdit e;
    e.kind = JournalEdit::Kind::InsertParagraph;
    e.timeMs = nowMs();
    e.para = std::uint64_t(before.value);
    e.bytes = text;
    buffer_ += encodeEdit(e);
}

void DocumentJournal::paragraphRemoved(qm::ParaNum n) {
    noteEdit();
    JournalEdit e;
    e.kind = JournalEdit::Kind::RemoveParagraph;
    e.timeMs = nowMs();
    e.para = std::uint64_t(n.value);
    buffer_ += encodeEdit(e);
}

void DocumentJournal::textReset() {
    // What the buffer holds applies to the text before; from now on only the
    // whole text will do.
    noteEdit();
    buffer_.clear();
    needWhole_ = true;
}

JournalEdit DocumentJournal::wholeText() const {
    JournalEdit e;
    e.kind = JournalEdit::Kind::Text;
    e.timeMs = nowMs();
    e.paragraphs.reserve(std::size_t(store_.ParagraphCount()));
    for (std::int32_t p = 1; p <= store_.ParagraphCount(); ++p) e.paragraphs.emplace_back(store_.paragraphText(qm::ParaNum(p)));
    return e;
}

durable::WriteResult DocumentJournal::create() {
    // A private folder: journals hold the user's unsaved text.
    if (::mkdir(folder_.c_str(), 0700) != 0 && errno != EEXIST) {
        durable::WriteResult r;
        r.error = errno;
        r.message = "Cannot create the folder " + folder_ + ".";
        return r;
    }
    ::chmod(folder_.c_str(), 0700);
    const std::string file = journalName(folder_);
    durable::WriteResult r = writer_.open(file, header_);
    if (r && !lock_.acquire(file)) {
        // Another instance's start-up took it in the moment before: leave it
        // to that one (it removes it as empty) and try another name next time.
        writer_.close();
        r.error = EWOULDBLOCK;
        r.message = "Cannot lock " + file + ".";
        return r;
    }
    if (!r) {
        writer_.close();
        ::unlink(file.c_str());
        return r;
    }
    file_ = file;
    return r;
}

durable::WriteResult DocumentJournal::flush() {
    if (!pending()) return {};
    if (!store_.Modified()) {
        // Back at the file's text (undone, or never changed): nothing to recover.
        const std::string path = header_.path;
        const FileIdentity base = header_.base;
        restart(path, base);
        return {};
    }
    // After a failure the next try waits as a new edit would.
    const auto retryLater = [this](durable::WriteResult r) {
        oldestMs_ = nowMs();
        edits_ = 0;
        return r;
    };
    if (file_.empty()) {
        if (durable::WriteResult r = create(); !r) return retryLater(r);
    }
    // The whole text replaces the edits when it is smaller.
    const bool whole = needWhole_ || std::int64_t(buffer_.size()) > store_.ByteCount() + 64;
    const std::string wholeRecord = whole ? encodeEdit(wholeText()) : std::string();
    const std::string_view out = whole ? std::string_view(wholeRecord) : std::string_view(buffer_);
    durable::WriteResult r = writer_.appendEncoded(out);
    if (!r) {
        // Part of it may be on disk, or a record cut short: that file can no
        // longer take edits. The next try starts a new one with the whole text.
        removeFile();
        needWhole_ = true;
        return retryLater(r);
    }
    lastFlushBytes_ = out.size();
    buffer_.clear();
    edits_ = 0;
    dirty_ = false;
    needWhole_ = false;
    return r;
}

void DocumentJournal::removeFile() {
    if (file_.empty()) return;
    writer_.close();
    ::unlink(file_.c_str());
    lock_.release();
    file_.clear();
}

}  // namespace recovery
