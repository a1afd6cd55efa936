// Reading and writing text files for the paragraph store.

#include "TParagraphStore.h"

#include "LineLayout.h"
#include "LoadArena.h"
#include "DurableFile.h"
#include "StoreBlock.h"
#include "StoreNotifier.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace qm {

namespace {

constexpr std::int32_t kLoadBlockParas = 256;
constexpr std::size_t kLoadBlockBytes = 65536;

// The whole file, mapped when possible (no copy, no anonymous memory), else read.
class FileBytes {
public:
    FileBytes() = default;
    ~FileBytes() {
        if (map_) ::munmap(map_, size_);
    }
    FileBytes(const FileBytes&) = delete;  // owns the mapping
    FileBytes& operator=(const FileBytes&) = delete;

    // Regular files of at most limit bytes only, checked before reading.
    int open(const std::string& name, std::uint64_t limit, std::string& reason) {
        durable::CheckedFile file(name, limit);
        if (file.error()) {
            reason = file.reason();
            return file.error();
        }
        if (file.size() > 0) {
            void* p = ::mmap(nullptr, static_cast<std::size_t>(file.size()), PROT_READ, MAP_PRIVATE | MAP_POPULATE,
                             file.fd(), 0);
            if (p != MAP_FAILED) {
                map_ = p;
                size_ = static_cast<std::size_t>(file.size());
                return 0;
            }
        }
        const durable::ReadResult r = durable::readFile(name, limit);
        copy_ = r.bytes;
        reason = r.reason;
        return r.error;
    }
    std::string_view bytes() const {
        return map_ ? std::string_view(static_cast<const char*>(map_), size_) : std::string_view(copy_);
    }

private:
    void* map_ = nullptr;
    std::size_t size_ = 0;
    std::string copy_;
};

// The first CR or LF at or after i, or n. Sixteen bytes a step where the
// processor has SSE2 (every x86-64), so loading runs at memory speed.
std::size_t findLineEnd(const char* d, std::size_t i, std::size_t n) {
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const int hits = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
        if (hits != 0) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(hits)));
    }
#endif
    while (i < n && d[i] != '\r' && d[i] != '\n') ++i;
    return i;
}

std::string backupNameOf(const std::string& fileName, const std::string& ext) {
    std::filesystem::path p(fileName);
    p.replace_extension("." + ext);
    return p.string();
}

}  // namespace

// Loading builds the blocks directly: lines go in order before the final
// empty paragraph, which is added at the end. Pieces are gathered per block
// so each block's bytes are allocated once.
void TParagraphStore::flushLoadBatch() {
    if (loadBatch_.empty()) return;
    Block& blk = blocks_.emplace_back(loadArena_.get());
    // A little room to grow, so typing into a loaded block does not move it
    // out of the arena at the first keystroke.
    blk.text.reserve(loadBatchBytes_ + loadBatchBytes_ / 32 + 64);
    blk.start.reserve(loadBatch_.size() + 2);
    blk.brk.reserve(loadBatch_.size() + 2);
    std::vector<std::uint32_t> nb;
    for (std::string_view piece : loadBatch_) {
        wrapParagraph(piece, nb);
        blk.appendPara(piece, nb);
        lineCount_ += 1 + static_cast<std::int32_t>(nb.size());
    }
    loadBatch_.clear();
    loadBatchBytes_ = 0;
}

void TParagraphStore::appendLoadedLine(std::string_view line) {
    if (trimWhiteSpace_)
        while (!line.empty() && layout::isBlank(line.back())) line.remove_suffix(1);
    // Limit check for one paragraph before the last (which is empty).
    std::int64_t allowed = paraLimit_;
    if (paraCount_ <= paraLimit_ && paraLimit_ != kNoLimit) ++allowed;
    if (1 + static_cast<std::int64_t>(paraCount_) > allowed ||
        static_cast<std::int64_t>(line.size()) + 2 + byteCount_ > byteLimit_) {
        ++loadDroppedLines_;
        return;
    }
    // A line is never cut: one longer than a block's usual size becomes a
    // block of its own.
    if (static_cast<std::int32_t>(loadBatch_.size()) >= kLoadBlockParas ||
        (!loadBatch_.empty() && loadBatchBytes_ + line.size() > kLoadBlockBytes))
        flushLoadBatch();
    loadBatch_.push_back(line);
    loadBatchBytes_ += line.size();
    ++paraCount_;
    byteCount_ += static_cast<std::int64_t>(line.size()) + 2;
}

FileResult TParagraphStore::LoadFromFile(const std::string& fileName) {
    std::string name = fileName;
    // A trailing "." is how Windows names a file without extension; here it
    // is dropped only when no file of the exact name exists.
    if (name.size() >= 2 && name.back() == '.' && name[name.size() - 2] != '/' && name[name.size() - 2] != '.') {
        struct stat st;
        if (::stat(name.c_str(), &st) != 0) name.pop_back();
    }
    fileName_ = name;

    Notifier note(*this);
    resetText();
    FileResult result;
    FileBytes file;
    std::string reason;
    if (const int err = file.open(name, static_cast<std::uint64_t>(byteLimit_), reason)) {
        isOpen_ = false;
        result.ok = false;
        result.error = err;
        result.message = std::move(reason);
        return result;
    }
    std::string_view data = file.bytes();
    // A Ctrl+Z followed by nothing but line ends ends the file.
    std::size_t k = data.size();
    while (k > 0 && (data[k - 1] == '\r' || data[k - 1] == '\n')) --k;
    if (k > 0 && data[k - 1] == '\x1A') data = data.substr(0, k - 1);

    dropBlocks();
    // The blocks' bytes and starts: at most the file's bytes plus 8 bytes per
    // line and block; a file of very short lines may go over, and the rest
    // then comes from the heap.
    loadArena_ = std::make_unique<LoadArena>(data.size() + data.size() / 2 + 65536);
    loadBatch_.clear();
    loadBatchBytes_ = 0;
    paraCount_ = 1;  // the final empty paragraph, added below
    lineCount_ = 1;
    byteCount_ = 0;
    loadDroppedLines_ = 0;
    std::int64_t crEnds = 0, lfEnds = 0, bareCrEnds = 0, droppedBytes = 0;
    std::size_t pos = 0;
    const std::size_t n = data.size();
    const char* d = data.data();
    std::int64_t lineNo = 0;
    while (pos < n) {
        const std::size_t e = findLineEnd(d, pos, n);
        ++lineNo;
        if (e - pos > static_cast<std::size_t>(paraLengthLimit_)) {
            // Refused rather than cut: a cut line would be saved as two.
            resetText();
            isOpen_ = false;
            result.ok = false;
            result.error = EFBIG;
            result.message = "Line " + std::to_string(lineNo) + " of \"" + name + "\" is longer than a line can be (" +
                             std::to_string(e - pos) + " bytes; the limit is " + std::to_string(paraLengthLimit_) +
                             " bytes).";
            return result;
        }
        const std::int64_t droppedBefore = loadDroppedLines_;
        const std::size_t from = pos;
        if (e == n) {  // a last line without a line end
            appendLoadedLine(data.substr(pos));
            pos = n;
        } else {
            appendLoadedLine(data.substr(pos, e - pos));
            if (d[e] == '\r') {
                ++crEnds;
                const bool pair = e + 1 < n && d[e + 1] == '\n';
                if (!pair) ++bareCrEnds;
                pos = pair ? e + 2 : e + 1;
            } else {
                ++lfEnds;
                pos = e + 1;
            }
        }
        if (loadDroppedLines_ != droppedBefore) droppedBytes += static_cast<std::int64_t>(pos - from);
    }
    flushLoadBatch();
    loadArena_->close();
    if (blocks_.empty() || blocks_.back().paras() >= kLoadBlockParas) blocks_.emplace_back();
    blocks_.back().appendPara({}, {});
    rebuildIndex();
    lfLineEnds_ = lfEnds > 0 && crEnds == 0;
    isOpen_ = true;
    result.droppedLines = loadDroppedLines_;
    result.droppedBytes = droppedBytes;
    // A save writes LF when every line ended in LF, else CR LF everywhere.
    result.lineEndsChange = bareCrEnds > 0 || (lfEnds > 0 && crEnds > 0);
    result.looksBinary = std::memchr(d, 0, std::min<std::size_t>(n, 8192)) != nullptr;
    paraChange_.all = true;
    noteChanged(LineNum(1), LineNum(kToEndOfText));
    return result;
}

std::int64_t TParagraphStore::fileByteCount() const {
    const std::int64_t textBytes = byteCount_ - 2 * (paraCount_ - 1);
    const std::int64_t lineEnds = paraCount_ - (paragraphText(ParaNum(paraCount_)).empty() ? 1 : 0);
    // Not counted: the one Ctrl+Z marker added after text that ends in one.
    return textBytes + lineEnds * (lfLineEnds_ ? 1 : 2);
}

FileResult TParagraphStore::SaveToFile(const std::string& fileName) {
    FileResult result;
    if (fileName.empty()) return result;
    const std::string backup = makeBackup_ ? backupNameOf(fileName, backupExt_) : std::string();
    const std::string_view lineEnd = lfLineEnds_ ? std::string_view("\n") : std::string_view("\r\n");
    durable::WriteOptions options;
    options.backupPath = backup;
    options.batch = saveBatch_;
    const durable::WriteResult out = durable::writeFile(fileName, [&](durable::ChunkWriter& w) {
        std::int32_t number = 0;
        char lastByte = 0;  // the last byte written other than a line end
        for (const Block& blk : blocks_) {
            for (std::int32_t i = 0; i < blk.paras(); ++i) {
                ++number;
                const std::string_view t = blk.para(i);
                if (number == paraCount_ && t.empty()) break;  // an empty last paragraph is not written
                w.write(t);
                w.write(lineEnd);
                if (w.error()) return;
                for (auto k = t.size(); k > 0; --k) {
                    if (t[k - 1] != '\r' && t[k - 1] != '\n') {
                        lastByte = t[k - 1];
                        break;
                    }
                }
            }
        }
        // Text ending in a Ctrl+Z would lose it on the next load (a Ctrl+Z
        // followed only by line ends ends the file): mark the end explicitly.
        if (lastByte == '\x1A') w.write("\x1A");
    }, options);
    if (out.error) {
        result.ok = false;
        result.error = out.error;
        result.message = out.message;
        result.readOnly = out.readOnly;
        result.heldIn = out.heldIn;
        return result;
    }
    setModifiedInternal(false);
    return result;
}

void TParagraphStore::setFileName(const std::string& name) {
    if (name != fileName_) isOpen_ = false;
    fileName_ = name;
}

FileResult TParagraphStore::setIsOpen(bool open) {
    if (fileName_.empty()) return {};
    if (open) return LoadFromFile(fileName_);
    isOpen_ = false;
    resetText();
    return {};
}

void TParagraphStore::setBackupExt(const std::string& ext) { backupExt_ = ext.substr(0, 3); }

}  // namespace qm
