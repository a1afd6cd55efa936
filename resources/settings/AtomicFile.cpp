#include "AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace atomicfile {

namespace {

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Creates a new, exclusive temporary file in dir; the umask applies to its mode.
int createTemporary(const fs::path& dir, const std::string& stem, fs::path& created) {
    static std::mt19937 rng{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = dir / ("." + stem + ".new-" + std::to_string(rng() % 1000000000u));
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void syncFolder(const fs::path& dir) {
    // Best effort: makes the rename itself durable; some file systems refuse it.
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool replaceContents(const fs::path& target, const std::string& bytes) {
    fs::path real = target;
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) real = resolved;
    }
    const fs::path dir = real.has_parent_path() ? real.parent_path() : fs::path(".");

    fs::path temp;
    const int fd = createTemporary(dir, real.filename().string(), temp);
    if (fd < 0) return false;

    struct stat old {};
    bool ok = writeAll(fd, bytes);
    if (ok && ::stat(real.c_str(), &old) == 0) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    ok = ok && ::rename(temp.c_str(), real.c_str()) == 0;
    if (!ok) {
        const int saved = errno;
        ::unlink(temp.c_str());
        errno = saved;
        return false;
    }
    syncFolder(dir);
    return true;
}

}  // namespace atomicfile
