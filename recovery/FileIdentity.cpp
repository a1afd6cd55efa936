#include "FileIdentity.h"

#include <sys/stat.h>
#include <unistd.h>

#include "DurableFile.h"

namespace recovery {

namespace {

// Documents are far below this; a larger file is still watched, only its
// content is not compared.
constexpr std::uint64_t kHashLimit = std::uint64_t(1) << 32;

bool sameStat(const FileIdentity& a, const FileIdentity& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size && a.mtimeNs == b.mtimeNs;
}

}  // namespace

std::uint64_t contentHash(const char* bytes, std::size_t n, std::uint64_t seed) {
    std::uint64_t h = seed;
    for (std::size_t i = 0; i < n; ++i) {
        h ^= static_cast<unsigned char>(bytes[i]);
        h *= 1099511628211ull;
    }
    return h;
}

FileIdentity identityOf(const std::string& path) {
    FileIdentity id;
    durable::CheckedFile file(path, kHashLimit);
    if (file.error() != 0) return id;
    struct stat st {};
    if (::fstat(file.fd(), &st) != 0) return id;
    id.exists = true;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = std::uint64_t(st.st_size);
    id.mtimeNs = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.hash = contentHash(nullptr, 0);
    char buf[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd(), buf, sizeof buf);
        if (got <= 0) break;
        id.hash = contentHash(buf, std::size_t(got), id.hash);
    }
    return id;
}

DiskChange diskChange(const FileIdentity& noted, const std::string& path, FileIdentity* now) {
    FileIdentity seen;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        seen.exists = true;
        seen.device = st.st_dev;
        seen.inode = st.st_ino;
        seen.size = std::uint64_t(st.st_size);
        seen.mtimeNs = std::int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        if (noted.exists && sameStat(noted, seen)) {
            if (now) *now = noted;
            return DiskChange::None;
        }
        seen = identityOf(path);
    }
    if (now) *now = seen;
    if (!seen.exists) return noted.exists ? DiskChange::Gone : DiskChange::None;
    if (!noted.exists) return DiskChange::Changed;
    return seen.size == noted.size && seen.hash == noted.hash ? DiskChange::None : DiskChange::Changed;
}

}  // namespace recovery
