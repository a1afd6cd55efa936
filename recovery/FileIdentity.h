#pragma once
// What a document remembers of its file when it loads or saves it, so that a
// change made by another program is noticed before it is overwritten.

#include <cstdint>
#include <string>

namespace recovery {

struct FileIdentity {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;  // modification time, nanoseconds since the epoch
    std::uint64_t hash = 0;    // of the content (64-bit FNV-1a)
};

// The identity of the file at path now (symbolic links followed); exists is
// false when it is missing or not a regular file that can be read.
FileIdentity identityOf(const std::string& path);

enum class DiskChange {
    None,     // the same content (a touch, or a rewrite with the same bytes)
    Changed,  // other content: written in place or replaced by a rename
    Gone,     // deleted or renamed away
};

// How the file at path differs from what was noted. When device, inode, size
// and time all match the content is not read again. now receives the current
// identity (for noting it once the user has decided).
DiskChange diskChange(const FileIdentity& noted, const std::string& path, FileIdentity* now = nullptr);

std::uint64_t contentHash(const char* bytes, std::size_t n, std::uint64_t seed = 14695981039346656037ull);

}  // namespace recovery
