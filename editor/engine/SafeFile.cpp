#include "SafeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

bool ChunkWriter::flush() {
    if (!buf_.empty()) {
        writeOut(buf_);
        buf_.clear();
    }
    return error_ == 0;
}

void ChunkWriter::writeOut(std::string_view bytes) {
    while (error_ == 0 && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            error_ = errno;
        } else if (static_cast<std::size_t>(n) < bytes.size()) {
            // A short write means the device could not take it all (a full disk).
            error_ = ENOSPC;
        } else {
            bytes = {};
        }
    }
}

namespace {

namespace fs = std::filesystem;

SaveOutcome failure(int err, const std::string& what, const std::string& path) {
    return {err ? err : EIO, what + " \"" + path + "\": " + std::strerror(err ? err : EIO)};
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

int syncAndClose(int fd) {
    int err = 0;
    if (::fdatasync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    return err;
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
    ChunkWriter w(out);
    char buf[65536];
    int err = 0;
    for (;;) {
        const ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            err = errno;
            break;
        }
        if (n == 0) break;
        w.write(std::string_view(buf, static_cast<std::size_t>(n)));
        if (w.error()) break;
    }
    ::close(in);
    if (!w.flush() && err == 0) err = w.error();
    const int closeErr = syncAndClose(out);
    return err ? err : closeErr;
}

// The old contents under the backup name: a second link to the old file when
// the file system allows it (nothing is copied), else a copy.
int makeBackupOf(const std::string& real, const std::string& backup, bool mayLink) {
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT) return errno;
    if (mayLink && ::link(real.c_str(), backup.c_str()) == 0) return 0;
    return copyFile(real, backup);
}

int openTemporary(const std::string& dir, const std::string& base, std::string& tmpPath) {
    std::random_device rd;
    std::mt19937_64 rng((static_cast<std::uint64_t>(rd()) << 32) ^ rd() ^ static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[20];
        std::snprintf(suffix, sizeof suffix, "%012llx", static_cast<unsigned long long>(rng() & 0xFFFFFFFFFFFFull));
        tmpPath = (fs::path(dir) / ("." + base + ".qmsave-" + suffix)).string();
        const int fd = ::open(tmpPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

SaveOutcome saveFileSafely(const std::string& path, const std::string& backupPath,
                           const std::function<void(ChunkWriter&)>& produce) {
    const std::string real = resolveLinks(path);
    struct stat st;
    const bool exists = ::stat(real.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) return failure(S_ISDIR(st.st_mode) ? EISDIR : EINVAL, "Cannot write", path);
    const bool backup = exists && !backupPath.empty() && backupPath != path;
    fs::path dirPath = fs::path(real).parent_path();
    const std::string dir = dirPath.empty() ? std::string(".") : dirPath.string();
    const std::string base = fs::path(real).filename().string();

    bool inPlace = exists && st.st_nlink > 1;  // renaming would split the hard links
    std::string tmp;
    int fd = -1;
    if (!inPlace) {
        fd = openTemporary(dir, base, tmp);
        if (fd < 0) {
            const int err = errno;
            if (exists && (err == EACCES || err == EPERM || err == EROFS) && ::access(real.c_str(), W_OK) == 0)
                inPlace = true;
            else
                return failure(err, "Cannot create a file beside", path);
        }
    }

    if (inPlace) {
        if (backup) {
            if (const int err = makeBackupOf(real, backupPath, false)) return failure(err, "Cannot make the backup", backupPath);
        }
        fd = ::open(real.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) return failure(errno, "Cannot write", path);
        ChunkWriter w(fd);
        produce(w);
        w.flush();
        const int closeErr = syncAndClose(fd);
        if (w.error() || closeErr) return failure(w.error() ? w.error() : closeErr, "Cannot write", path);
        return {};
    }

    auto abandon = [&](int err, const std::string& what, const std::string& name) {
        ::unlink(tmp.c_str());
        return failure(err, what, name);
    };
    if (exists) {
        if (::fchmod(fd, st.st_mode & 07777) != 0) {
            const int err = errno;
            ::close(fd);
            return abandon(err, "Cannot keep the permissions of", path);
        }
        (void)!::fchown(fd, st.st_uid, st.st_gid);  // only possible for the owner's own group or root
    }
    ChunkWriter w(fd);
    produce(w);
    w.flush();
    const int closeErr = syncAndClose(fd);
    if (w.error() || closeErr) return abandon(w.error() ? w.error() : closeErr, "Cannot write", path);
    if (backup) {
        if (const int err = makeBackupOf(real, backupPath, true)) return abandon(err, "Cannot make the backup", backupPath);
    }
    if (::rename(tmp.c_str(), real.c_str()) != 0) return abandon(errno, "Cannot replace", path);

    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        const int err = (::fsync(dfd) != 0 && errno != EINVAL) ? errno : 0;
        ::close(dfd);
        if (err) return failure(err, "Cannot sync the folder of", path);
    }
    return {};
}

}  // namespace qm
