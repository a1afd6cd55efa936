#pragma once
// Whole-file replacement that never leaves a truncated file behind: the new
// bytes go to a fresh file beside the target, every write is checked, the
// data is synced and only then renamed over the target.

#include <filesystem>
#include <string>

namespace atomicfile {

// Replaces target's content by bytes. A symbolic link is followed so the
// link itself survives; an existing file keeps its permission bits.
// Returns false (errno set, target untouched, no temporary left) on failure.
bool replaceContents(const std::filesystem::path& target, const std::string& bytes);

}  // namespace atomicfile
