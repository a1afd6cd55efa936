#pragma once
// Every file the program writes goes through writeFile() (or Appender for
// journals), and every file it reads through CheckedFile / readFile(). Plain
// POSIX C++, no Qt: the engine and the settings store link it alone.
//
// Writing never leaves the user with neither version: new bytes go to a
// temporary file beside the target (created 0600, given the target's mode
// before the first byte), which is synced and renamed over the target. When a
// rename cannot be used (a file with several hard links, a folder where no
// file can be created) the file is rewritten in place, but only after a
// complete, synced copy of the new bytes exists beside it or in the fallback
// folder; on failure the message names the file that holds the text.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace durable {

// ---- Test seam ----
// Steps of a write at which a test may fail the call (return an errno) or
// look at the descriptor (fd is -1 where none is open yet).
enum class Step {
    Created,    // the temporary file was just created (before its mode is set)
    Write,      // before each write() of bytes
    Sync,       // before each fdatasync()
    Rename,     // before the rename over the target
    CopyReady,  // an in-place write: the complete copy is synced, the target not yet touched
    InPlace,    // an in-place write: before each write() into the target
};
using FaultHook = std::function<int(Step step, const std::string& file, int fd)>;
void setFaultHook(FaultHook hook);  // empty hook: none

// Collects output in chunks and writes them to a descriptor. The first failed
// call is remembered (errno; a write that takes nothing counts as ENOSPC) and
// ends all further writing.
class ChunkWriter {
public:
    explicit ChunkWriter(int fd, std::string file = {}, Step step = Step::Write);
    ChunkWriter(const ChunkWriter&) = delete;  // one writer per descriptor
    ChunkWriter& operator=(const ChunkWriter&) = delete;

    void write(std::string_view bytes);
    bool flush();
    int error() const { return error_; }

private:
    static constexpr std::size_t kChunk = 65536;
    void writeOut(std::string_view bytes);
    int fd_;
    std::string file_;
    Step step_;
    int error_ = 0;
    std::string buf_;
};

class Batch;

struct WriteOptions {
    // With a name different from the target, the old contents end up there
    // (replacing any file of that name) before the new contents replace them.
    std::string backupPath;
    // Where the complete copy of an in-place write goes when it cannot be
    // made beside the file; empty: the default fallback folder.
    std::string fallbackDir;
    // When set, the file is only staged in the batch (see Batch::add): the
    // result says whether staging worked, the batch's commit() whether the
    // file was written.
    Batch* batch = nullptr;
};

// The program sets its data folder here once at start.
void setDefaultFallbackDir(const std::string& dir);

struct WriteResult {
    int error = 0;          // errno of the failing step, 0 when written
    bool readOnly = false;  // the target is read-only: nothing was touched
    std::string message;    // what failed, naming the file, for the user
    std::string heldIn;     // after a failure: a file that holds the complete new bytes
    explicit operator bool() const { return error == 0; }
};

using Producer = std::function<void(ChunkWriter&)>;

// True for an existing file the user may not write, or one without any write
// permission bit (read-only even for root): writeFile() never replaces it.
bool isReadOnly(const std::string& path);

// Replaces the contents of path by what produce() emits (symbolic links are
// followed and kept; the old file's permissions and group are kept). A file
// the user may not write, or one without any write permission bit, is never
// replaced: the result is EACCES with readOnly set and "<path> is read-only."
// Temporary files of earlier saves of the same file that were never renamed
// (a killed save) are removed first.
WriteResult writeFile(const std::string& path, const Producer& produce, const WriteOptions& options = {});
WriteResult writeFile(const std::string& path, std::string_view bytes, const WriteOptions& options = {});

// Many files written as one durable step. Each file's new bytes go to a
// temporary file of its own as writeFile() does, but the syncs are shared:
// commit() syncs every staged file with one call per file system, then keeps
// each backup, renames each temporary over its target and syncs each folder
// once. A crash at any moment leaves each target with its old or its new
// bytes, never a mix. A file that must be rewritten in place (several hard
// links, a folder where no file can be made), or whose folder cannot be
// opened to sync it, is written at once by writeFile() instead. Until
// commit() the other targets are untouched; a batch destroyed without it
// removes its temporaries.
class Batch {
public:
    Batch();
    ~Batch();
    Batch(const Batch&) = delete;  // owns temporaries and descriptors
    Batch& operator=(const Batch&) = delete;

    // Writes the new bytes of path beside it; a failure here is final for
    // this file (the same refusals and messages as writeFile()).
    WriteResult add(const std::string& path, const Producer& produce, const WriteOptions& options = {});
    // True when a file staged and not yet committed is path (the same file,
    // however named): its new bytes are not on disk yet.
    bool holds(const std::string& path) const;
    bool empty() const;
    // The outcome of every successful add() since the last commit, in order.
    // A file for which keep(i) (i counts those add() calls) is false is left
    // as it was: ECANCELED, "<path> was not written."
    std::vector<WriteResult> commit(const std::function<bool(std::size_t)>& keep = {});

private:
    struct Entry;
    struct State;
    std::unique_ptr<State> state_;
};

// A journal that grows by small appends, each synced before it returns.
// Created 0600 when missing.
class Appender {
public:
    Appender() = default;
    ~Appender();
    Appender(const Appender&) = delete;  // owns the descriptor
    Appender& operator=(const Appender&) = delete;

    WriteResult open(const std::string& path);
    WriteResult append(std::string_view bytes);
    void close();

private:
    int fd_ = -1;
    std::string path_;
};

// ---- Reading ----

// The default size limit of settings and data files.
constexpr std::uint64_t kDataFileLimit = 64ull << 20;

// A file opened for reading only when it is a regular file of at most
// maxBytes (checked before a byte is read; a FIFO never blocks the open).
class CheckedFile {
public:
    CheckedFile(const std::string& path, std::uint64_t maxBytes);
    ~CheckedFile();
    CheckedFile(const CheckedFile&) = delete;  // owns the descriptor
    CheckedFile& operator=(const CheckedFile&) = delete;

    int fd() const { return fd_; }
    std::uint64_t size() const { return size_; }
    // errno of the refusal: ENOENT, EACCES..., EISDIR, ENODEV (not a regular
    // file) or EFBIG (above the limit); 0 when open.
    int error() const { return error_; }
    // The reason in the words the document messages use.
    std::string reason() const;

private:
    std::string path_;
    int fd_ = -1;
    int error_ = 0;
    std::uint64_t size_ = 0;
    std::uint64_t limit_ = 0;
};

struct ReadResult {
    int error = 0;
    std::string reason;  // see CheckedFile::reason
    std::string bytes;
    explicit operator bool() const { return error == 0; }
};

// The whole file through CheckedFile.
ReadResult readFile(const std::string& path, std::uint64_t maxBytes = kDataFileLimit);

std::string tooLargeText(const std::string& path, std::uint64_t size, std::uint64_t limit);
std::string readOnlyText(const std::string& path);

}  // namespace durable
