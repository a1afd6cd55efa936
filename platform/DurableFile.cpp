#include "DurableFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace durable {

namespace {

namespace fs = std::filesystem;

FaultHook& hook() {
    static FaultHook h;
    return h;
}

std::string& defaultFallback() {
    static std::string dir;
    return dir;
}

int fault(Step step, const std::string& file, int fd) { return hook() ? hook()(step, file, fd) : 0; }

constexpr const char* kTempMark = ".qmsave-";
constexpr const char* kCopyMark = ".qmcopy-";
constexpr std::size_t kSuffixDigits = 12;

std::string inQuotes(const std::string& path) { return "\"" + path + "\""; }

WriteResult failure(int err, const std::string& what, const std::string& path) {
    if (err == 0) err = EIO;
    return {err, false, what + " " + inQuotes(path) + ": " + std::strerror(err), {}};
}

// Follows symbolic links to the file they finally name (which may not exist yet).
std::string resolveLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) return path;
        target.resize(static_cast<std::size_t>(n));
        if (!target.empty() && target[0] != '/') target = (fs::path(path).parent_path() / target).string();
        path = target;
    }
    return path;
}

int syncAndClose(int fd, const std::string& file) {
    int err = fault(Step::Sync, file, fd);
    if (err == 0 && ::fdatasync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    return err;
}

// Makes a rename or a new name in dir durable. Some file systems refuse to
// sync a folder (EINVAL): nothing more can be done there.
int syncFolder(const std::string& dir) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return 0;
    const int err = (::fsync(fd) != 0 && errno != EINVAL) ? errno : 0;
    ::close(fd);
    return err;
}

// Copies the bytes of descriptor in (from offset 0) to out.
int copyBytes(int in, ChunkWriter& out) {
    char buf[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(in, buf, sizeof buf, at);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) break;
        out.write(std::string_view(buf, static_cast<std::size_t>(n)));
        if (out.error()) return out.error();
        at += n;
    }
    return out.flush() ? 0 : out.error();
}

// Copies src to dst (replacing dst), with src's permissions, synced.
int copyFile(const std::string& src, const std::string& dst) {
    const int in = ::open(src.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return errno;
    struct stat st;
    if (::fstat(in, &st) != 0) {
        const int err = errno;
        ::close(in);
        return err;
    }
    const int out = ::open(dst.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, st.st_mode & 07777);
    if (out < 0) {
        const int err = errno;
        ::close(in);
        return err;
    }
    ChunkWriter w(out, dst);
    const int err = copyBytes(in, w);
    ::close(in);
    const int closeErr = syncAndClose(out, dst);
    return err ? err : closeErr;
}

// The old contents under the backup name: a second link to the old file when
// the file system allows it (nothing is copied), else a copy.
int makeBackupOf(const std::string& real, const std::string& backup, bool mayLink) {
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT) return errno;
    if (mayLink && ::link(real.c_str(), backup.c_str()) == 0) return 0;
    return copyFile(real, backup);
}

// A new file <dir>/<prefix><12 hex digits>, exclusive, mode 0600, so no other
// user can open it while it is written.
int createUnique(const std::string& dir, const std::string& prefix, std::string& created, int flags) {
    static std::mt19937_64 rng(std::random_device{}() ^ (static_cast<std::uint64_t>(::getpid()) << 32));
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[kSuffixDigits + 1];
        std::snprintf(suffix, sizeof suffix, "%012llx", static_cast<unsigned long long>(rng() & 0xFFFFFFFFFFFFull));
        created = (fs::path(dir) / (prefix + suffix)).string();
        const int fd = ::open(created.c_str(), flags | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            if (const int err = fault(Step::Created, created, fd)) {
                ::close(fd);
                ::unlink(created.c_str());
                errno = err;
                return -1;
            }
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

std::string tempPrefix(const std::string& base) { return "." + base + kTempMark; }

bool isHexSuffix(std::string_view s) {
    if (s.size() != kSuffixDigits) return false;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

// Calls found(name, base) for each temporary file in dir that an earlier
// save never renamed (the program was killed): only our own name pattern
// (".<base>.qmsave-<12 hex digits>"), only our own regular files.
template <typename Found>
void forEachStaleTemporary(const std::string& dir, Found found) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    const std::size_t mark = std::strlen(kTempMark);
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name(e->d_name);
        if (name.size() <= 1 + mark + kSuffixDigits || name[0] != '.') continue;
        const std::size_t at = name.size() - kSuffixDigits - mark;
        if (name.substr(at, mark) != kTempMark || !isHexSuffix(name.substr(at + mark))) continue;
        struct stat st;
        if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) found(::dirfd(d), name, name.substr(1, at - 1));
    }
    ::closedir(d);
}

// The temporaries of this file's own earlier saves.
void removeStaleTemporaries(const std::string& dir, const std::string& base) {
    forEachStaleTemporary(dir, [&](int dirFd, std::string_view name, std::string_view of) {
        if (of == base) ::unlinkat(dirFd, std::string(name).c_str(), 0);
    });
}

mode_t newFileMode() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string folderOf(const std::string& real) {
    const fs::path dirPath = fs::path(real).parent_path();
    return dirPath.empty() ? std::string(".") : dirPath.string();
}

// Gives the finished copy a name of its own that no earlier copy has.
int nameCopy(const std::string& tmp, const std::string& where, const std::string& base, std::string& copy) {
    const std::string stem = (fs::path(where) / (base + kCopyMark + tmp.substr(tmp.size() - kSuffixDigits))).string();
    for (int k = 0; k < 100; ++k) {
        copy = k == 0 ? stem : stem + "-" + std::to_string(k);
        if (::renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, copy.c_str(), RENAME_NOREPLACE) == 0) return 0;
        if (errno == EEXIST) continue;
        if (errno != EINVAL) return errno;
        // No exclusive rename on this file system: a second link cannot replace either.
        if (::link(tmp.c_str(), copy.c_str()) == 0) return ::unlink(tmp.c_str()) == 0 ? 0 : errno;
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

// The complete new bytes, synced, in a file of their own: beside the target
// when possible, else in the fallback folder. They are written under the
// temporary-name pattern and get the copy's name only once whole, so a killed
// save never leaves a partial copy that looks complete. Returns its
// descriptor (open for reading) or -1 with errno.
int makeSafeCopy(const std::string& dir, const std::string& base, const Producer& produce,
                 const WriteOptions& options, std::string& copy) {
    int err = 0;
    const std::string& fallback = options.fallbackDir.empty() ? defaultFallback() : options.fallbackDir;
    for (const std::string& where : {dir, fallback}) {
        if (where.empty()) continue;
        if (where != dir) removeStaleTemporaries(where, base);
        std::string tmp;
        const int fd = createUnique(where, tempPrefix(base), tmp, O_RDWR);
        if (fd < 0) {
            err = errno;
            continue;
        }
        ChunkWriter w(fd, tmp);
        produce(w);
        w.flush();
        err = w.error();
        if (err == 0) err = fault(Step::Sync, tmp, fd);
        if (err == 0 && ::fdatasync(fd) != 0) err = errno;
        const bool named = err == 0 && (err = nameCopy(tmp, where, base, copy)) == 0;
        if (err == 0) err = syncFolder(where);
        if (err == 0) return fd;
        ::close(fd);
        ::unlink(named ? copy.c_str() : tmp.c_str());
    }
    copy.clear();
    errno = err ? err : EACCES;
    return -1;
}

// Rewrites real in place from the safe copy. Space for the new bytes is
// reserved first where the file system can, so a full disk fails before the
// first byte changes.
WriteResult rewriteInPlace(const std::string& path, const std::string& real, const std::string& dir,
                           const std::string& base, const Producer& produce, const WriteOptions& options) {
    if (!options.backupPath.empty() && options.backupPath != path) {
        if (const int err = makeBackupOf(real, options.backupPath, false))
            return failure(err, "Cannot make the backup", options.backupPath);
    }
    std::string copy;
    const int in = makeSafeCopy(dir, base, produce, options, copy);
    if (in < 0) return failure(errno, "Cannot write", path);
    auto keepCopy = [&](int err) {
        WriteResult r = failure(err, "Cannot write", path);
        r.message += "\nThe complete new text is in " + inQuotes(copy) + ".";
        r.heldIn = copy;
        return r;
    };
    struct stat cst;
    int err = ::fstat(in, &cst) != 0 ? errno : fault(Step::CopyReady, copy, in);
    const int out = err ? -1 : ::open(real.c_str(), O_WRONLY | O_CLOEXEC);
    if (!err && out < 0) err = errno;
    if (!err && cst.st_size > 0 && ::fallocate(out, FALLOC_FL_KEEP_SIZE, 0, cst.st_size) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        err = errno;
    if (!err) {
        ChunkWriter w(out, real, Step::InPlace);
        err = copyBytes(in, w);
        if (!err && ::ftruncate(out, cst.st_size) != 0) err = errno;
    }
    if (out >= 0) {
        const int closeErr = syncAndClose(out, real);
        if (!err) err = closeErr;
    }
    ::close(in);
    if (err) return keepCopy(err);
    ::unlink(copy.c_str());
    return {};
}

// A file about to be written: the target as found, and the temporary file
// that takes its new bytes.
struct Target {
    std::string path, real, dir, base, tmp;
    struct stat st {};
    bool exists = false;
};

// Follows the links and refuses what is no regular file or is read-only.
WriteResult examine(const std::string& path, Target& t) {
    t.path = path;
    t.real = resolveLinks(path);
    t.exists = ::stat(t.real.c_str(), &t.st) == 0;
    if (t.exists && !S_ISREG(t.st.st_mode))
        return failure(S_ISDIR(t.st.st_mode) ? EISDIR : ENODEV, "Cannot write", path);
    if (t.exists && isReadOnly(t.real)) return {EACCES, true, readOnlyText(path), {}};
    t.dir = folderOf(t.real);
    t.base = fs::path(t.real).filename().string();
    return {};
}

// The new bytes in a temporary file beside the target, with the target's
// permissions, synced when sync is set. inPlace is set (and nothing made)
// when the folder lets no file be created but the target may be rewritten.
WriteResult writeTemporary(Target& t, const Producer& produce, bool sync, bool& inPlace) {
    const int fd = createUnique(t.dir, tempPrefix(t.base), t.tmp, O_WRONLY);
    if (fd < 0) {
        const int err = errno;
        inPlace = t.exists && (err == EACCES || err == EPERM);
        return failure(err, "Cannot create a file beside", t.path);
    }
    auto abandon = [&](int err, const char* what) {
        ::unlink(t.tmp.c_str());
        return failure(err, what, t.path);
    };
    // The final mode before the first byte: the file was 0600 until here.
    if (::fchmod(fd, t.exists ? (t.st.st_mode & 07777) : newFileMode()) != 0) {
        const int err = errno;
        ::close(fd);
        return abandon(err, "Cannot keep the permissions of");
    }
    if (t.exists) (void)!::fchown(fd, t.st.st_uid, t.st.st_gid);  // only possible for the owner's own group or root
    ChunkWriter w(fd, t.tmp);
    produce(w);
    w.flush();
    int closeErr = 0;
    if (sync) closeErr = syncAndClose(fd, t.tmp);
    else if (::close(fd) != 0) closeErr = errno;
    if (w.error() || closeErr) return abandon(w.error() ? w.error() : closeErr, "Cannot write");
    return {};
}

// Keeps the old file under the backup name and renames the finished
// temporary over the target; the temporary is removed on failure.
WriteResult replaceTarget(const Target& t, const WriteOptions& options) {
    auto abandon = [&](int err, const std::string& what, const std::string& name) {
        ::unlink(t.tmp.c_str());
        return failure(err, what, name);
    };
    if (t.exists && !options.backupPath.empty() && options.backupPath != t.path) {
        if (const int err = makeBackupOf(t.real, options.backupPath, true))
            return abandon(err, "Cannot make the backup", options.backupPath);
    }
    int err = fault(Step::Rename, t.real, -1);
    if (err == 0 && ::rename(t.tmp.c_str(), t.real.c_str()) != 0) err = errno;
    if (err) return abandon(err, "Cannot replace", t.path);
    return {};
}

}  // namespace

void setFaultHook(FaultHook h) { hook() = std::move(h); }

void setDefaultFallbackDir(const std::string& dir) { defaultFallback() = dir; }

// ---------------------------------------------------------------------------

ChunkWriter::ChunkWriter(int fd, std::string file, Step step) : fd_(fd), file_(std::move(file)), step_(step) {
    buf_.reserve(kChunk);
}

void ChunkWriter::write(std::string_view bytes) {
    if (buf_.size() + bytes.size() > kChunk) flush();
    if (bytes.size() >= kChunk) writeOut(bytes);
    else buf_.append(bytes);
}

bool ChunkWriter::flush() {
    if (!buf_.empty()) {
        writeOut(buf_);
        buf_.clear();
    }
    return error_ == 0;
}

void ChunkWriter::writeOut(std::string_view bytes) {
    while (error_ == 0 && !bytes.empty()) {
        if ((error_ = fault(step_, file_, fd_)) != 0) return;
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
        } else if (n == 0) {
            error_ = ENOSPC;
        } else {
            // A short write is retried: the next call reports why (a full disk).
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
    }
}

// ---------------------------------------------------------------------------

std::string readOnlyText(const std::string& path) { return path + " is read-only."; }

std::string tooLargeText(const std::string& path, std::uint64_t size, std::uint64_t limit) {
    return path + " is too large to edit (" + std::to_string(size) + " bytes; the limit is " + std::to_string(limit) +
           " bytes).";
}

bool isReadOnly(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return false;
    return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

WriteResult writeFile(const std::string& path, std::string_view bytes, const WriteOptions& options) {
    return writeFile(path, [bytes](ChunkWriter& w) { w.write(bytes); }, options);
}

WriteResult writeFile(const std::string& path, const Producer& produce, const WriteOptions& options) {
    if (options.batch) return options.batch->add(path, produce, options);
    Target t;
    if (WriteResult r = examine(path, t); !r) return r;
    removeStaleTemporaries(t.dir, t.base);
    bool inPlace = t.exists && t.st.st_nlink > 1;  // renaming would split the hard links
    if (!inPlace) {
        WriteResult r = writeTemporary(t, produce, true, inPlace);
        if (!inPlace && !r) return r;
    }
    if (inPlace) return rewriteInPlace(path, t.real, t.dir, t.base, produce, options);
    if (WriteResult r = replaceTarget(t, options); !r) return r;
    if (const int syncErr = syncFolder(t.dir)) return failure(syncErr, "Cannot sync the folder of", path);
    return {};
}

// ---------------------------------------------------------------------------

struct Batch::Entry {
    Target target;
    WriteOptions options;
    std::size_t device = 0;  // index into devices
    bool done = false;       // written at once: result holds the outcome
    WriteResult result;
};

struct Batch::State {
    std::vector<Entry> entries;
    // One open folder per file system, opened before its first file was
    // written, so its sync reports every write error since.
    std::vector<std::pair<dev_t, int>> devices;
    // Leftover temporaries per folder, listed once when the folder is first used.
    std::map<std::string, std::multimap<std::string, std::string>> stale;
};

Batch::Batch() : state_(std::make_unique<State>()) {}

Batch::~Batch() {
    for (const Entry& e : state_->entries)
        if (!e.done) ::unlink(e.target.tmp.c_str());
    for (const auto& [dev, fd] : state_->devices) ::close(fd);
}

bool Batch::empty() const { return state_->entries.empty(); }

bool Batch::holds(const std::string& path) const {
    struct stat st;
    const bool exists = ::stat(path.c_str(), &st) == 0;
    const std::string real = exists ? std::string() : resolveLinks(path);
    for (const Entry& e : state_->entries) {
        if (e.done) continue;
        if (exists ? (e.target.exists && e.target.st.st_dev == st.st_dev && e.target.st.st_ino == st.st_ino)
                   : (!e.target.exists && e.target.real == real))
            return true;
    }
    return false;
}

WriteResult Batch::add(const std::string& path, const Producer& produce, const WriteOptions& options) {
    WriteOptions now = options;
    now.batch = nullptr;
    Entry e;
    e.options = now;
    Target& t = e.target;
    if (WriteResult r = examine(path, t); !r) return r;

    auto [folder, fresh] = state_->stale.try_emplace(t.dir);
    if (fresh)
        forEachStaleTemporary(t.dir, [&](int, std::string_view name, std::string_view base) {
            folder->second.emplace(std::string(base), std::string(name));
        });
    const auto [from, to] = folder->second.equal_range(t.base);
    for (auto it = from; it != to; ++it) ::unlink((fs::path(t.dir) / it->second).string().c_str());
    folder->second.erase(from, to);

    // Written at once: in place (several hard links, a folder where no file
    // can be made), or when no folder can be opened to sync the file system.
    bool atOnce = t.exists && t.st.st_nlink > 1;
    if (!atOnce) {
        struct stat dst;
        const bool known = ::stat(t.dir.c_str(), &dst) == 0;
        auto& devices = state_->devices;
        auto dev = std::find_if(devices.begin(), devices.end(), [&](const auto& d) { return d.first == dst.st_dev; });
        if (known && dev == devices.end()) {
            const int fd = ::open(t.dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (fd >= 0) dev = devices.insert(devices.end(), {dst.st_dev, fd});
        }
        atOnce = dev == devices.end();
        if (!atOnce) {
            e.device = static_cast<std::size_t>(dev - devices.begin());
            WriteResult r = writeTemporary(t, produce, false, atOnce);
            if (!atOnce && !r) return r;
        }
    }
    if (atOnce) {
        e.result = writeFile(path, produce, now);
        if (!e.result) return e.result;
        e.done = true;
    }
    state_->entries.push_back(std::move(e));
    return {};
}

std::vector<WriteResult> Batch::commit(const std::function<bool(std::size_t)>& keep) {
    std::vector<int> deviceErr(state_->devices.size(), -1);  // -1: nothing staged there
    for (const Entry& e : state_->entries)
        if (!e.done) deviceErr[e.device] = 0;
    for (std::size_t d = 0; d < deviceErr.size(); ++d) {
        if (deviceErr[d] < 0) continue;
        const int fd = state_->devices[d].second;
        int err = fault(Step::Sync, {}, fd);
        if (err == 0 && ::syncfs(fd) != 0) err = errno;
        deviceErr[d] = err;
    }
    std::vector<WriteResult> out;
    std::vector<std::string> folders;
    for (Entry& e : state_->entries) {
        if (e.done) {
            out.push_back(std::move(e.result));
            continue;
        }
        if (keep && !keep(out.size())) {
            ::unlink(e.target.tmp.c_str());
            out.push_back({ECANCELED, false, e.target.path + " was not written.", {}});
            continue;
        }
        const int err = deviceErr[e.device];
        if (err) ::unlink(e.target.tmp.c_str());
        out.push_back(err ? failure(err, "Cannot write", e.target.path) : replaceTarget(e.target, e.options));
        if (out.back() && std::find(folders.begin(), folders.end(), e.target.dir) == folders.end())
            folders.push_back(e.target.dir);
    }
    // Each folder once, after all its renames.
    for (const std::string& dir : folders) {
        const int err = syncFolder(dir);
        if (err == 0) continue;
        for (std::size_t i = 0; i < out.size(); ++i)
            if (out[i] && !state_->entries[i].done && state_->entries[i].target.dir == dir)
                out[i] = failure(err, "Cannot sync the folder of", state_->entries[i].target.path);
    }
    state_->entries.clear();
    return out;
}

// ---------------------------------------------------------------------------

Appender::~Appender() { close(); }

WriteResult Appender::open(const std::string& path) {
    close();
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    const bool created = fd >= 0;
    if (!created && errno == EEXIST) fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return failure(errno, "Cannot open", path);
    if (created) {
        if (const int err = fault(Step::Created, path, fd)) {
            ::close(fd);
            return failure(err, "Cannot open", path);
        }
        if (const int err = syncFolder(folderOf(path))) {
            ::close(fd);
            return failure(err, "Cannot sync the folder of", path);
        }
    }
    fd_ = fd;
    path_ = path;
    return {};
}

WriteResult Appender::append(std::string_view bytes) {
    if (fd_ < 0) return failure(EBADF, "Cannot write", path_);
    ChunkWriter w(fd_, path_);
    w.write(bytes);
    w.flush();
    int err = w.error();
    if (err == 0) err = fault(Step::Sync, path_, fd_);
    if (err == 0 && ::fdatasync(fd_) != 0) err = errno;
    return err ? failure(err, "Cannot write", path_) : WriteResult{};
}

void Appender::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

// ---------------------------------------------------------------------------

CheckedFile::CheckedFile(const std::string& path, std::uint64_t maxBytes) : path_(path), limit_(maxBytes) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    struct stat st;
    if (::fstat(fd_, &st) != 0) error_ = errno;
    else if (S_ISDIR(st.st_mode)) error_ = EISDIR;
    else if (!S_ISREG(st.st_mode)) error_ = ENODEV;
    else if ((size_ = static_cast<std::uint64_t>(st.st_size)) > maxBytes) error_ = EFBIG;
    else {
        const int flags = ::fcntl(fd_, F_GETFL);
        if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) error_ = errno;
    }
    if (error_) {
        ::close(fd_);
        fd_ = -1;
    }
}

CheckedFile::~CheckedFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::string CheckedFile::reason() const {
    switch (error_) {
    case 0: return {};
    case EISDIR: return "It is a folder, not a file.";
    case ENODEV: return "It is not a plain file (a device, pipe or socket).";
    case EFBIG: return tooLargeText(path_, size_, limit_);
    default: return std::strerror(error_);
    }
}

ReadResult readFile(const std::string& path, std::uint64_t maxBytes) {
    ReadResult r;
    CheckedFile f(path, maxBytes);
    if (f.error()) {
        r.error = f.error();
        r.reason = f.reason();
        return r;
    }
    r.bytes.resize(static_cast<std::size_t>(f.size()));
    std::size_t got = 0;
    // A file that grows while it is read is read up to the limit only.
    for (;;) {
        if (got == r.bytes.size()) {
            if (got > maxBytes) {
                r.error = EFBIG;
                r.reason = tooLargeText(path, got, maxBytes);
                r.bytes.clear();
                return r;
            }
            r.bytes.resize(got + 65536);
        }
        const ssize_t n = ::read(f.fd(), r.bytes.data() + got, r.bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            r.error = errno;
            r.reason = std::strerror(errno);
            r.bytes.clear();
            return r;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    r.bytes.resize(got);
    return r;
}

}  // namespace durable
