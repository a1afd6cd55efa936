#pragma once
// Writing a file so that a failure never leaves the user with neither the old
// nor the new contents, and reading one whole. POSIX only, no Qt.

#include <functional>
#include <string>
#include <string_view>

namespace qm {

// Collects output in chunks and writes them to a descriptor. A short write
// or any failed call is remembered (errno) and ends all further writing.
class ChunkWriter {
public:
    explicit ChunkWriter(int fd) : fd_(fd) { buf_.reserve(kChunk); }
    ChunkWriter(const ChunkWriter&) = delete;  // one writer per descriptor
    ChunkWriter& operator=(const ChunkWriter&) = delete;

    void write(std::string_view bytes) {
        if (buf_.size() + bytes.size() > kChunk) flush();
        if (bytes.size() >= kChunk) writeOut(bytes);
        else buf_.append(bytes);
    }
    bool flush();
    int error() const { return error_; }

private:
    static constexpr std::size_t kChunk = 65536;
    void writeOut(std::string_view bytes);
    int fd_;
    int error_ = 0;
    std::string buf_;
};

struct SaveOutcome {
    int error = 0;        // errno of the failing step, 0 when saved
    std::string message;  // what failed, for the user
};

// Writes the bytes that produce() emits to path. The file is written beside
// the target under a temporary name, synced, and renamed over the target
// (through symbolic links, keeping the link; keeping the old file's
// permissions). A target with several hard links, or in a folder where no new
// file can be made, is written in place instead. With a backupPath different
// from path, the old contents end up under backupPath (replacing any file
// there) before the new contents replace them.
SaveOutcome saveFileSafely(const std::string& path, const std::string& backupPath,
                           const std::function<void(ChunkWriter&)>& produce);

}  // namespace qm
