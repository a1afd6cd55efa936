#pragma once
// Shared helpers for the test executables: fresh temporary folders and the
// XDG folders every test process runs in (never the real home folder).

#include <filesystem>
#include <string>

namespace qmtest {

// A fresh folder under the system temp folder, removed with everything in it
// when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;            // one owner removes the folder
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// A 64 KiB tmpfs mounted at a new folder "disk" in dir, unmounted when the
// object goes away: a full disk for tests. Needs root; error() says why not.
class SmallDisk {
public:
    explicit SmallDisk(const TempDir& dir);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;  // one owner unmounts
    SmallDisk& operator=(const SmallDisk&) = delete;

    const std::string& error() const { return error_; }  // empty when mounted
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::string error_;
};

// Whole-file helpers for byte-exact comparisons.
std::string readFile(const std::filesystem::path& p);
void writeFile(const std::filesystem::path& p, const std::string& bytes);

// The source tree (for delivered data files) and the build tree.
std::filesystem::path sourceDir();
std::filesystem::path binaryDir();

// Points XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_RUNTIME_DIR at fresh folders for
// the whole process; called by the test mains before anything else runs.
void installFreshXdgFolders();

// Empties the XDG config and data folders again (for tests that need a first start).
void clearXdgFolders();

}  // namespace qmtest
