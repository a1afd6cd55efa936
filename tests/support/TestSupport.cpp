#include "TestSupport.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/mount.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace qmtest {

namespace {
fs::path makeUniqueDir(const std::string& stem) {
    std::random_device rd;
    std::mt19937_64 rng(rd());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path p = fs::temp_directory_path() / (stem + std::to_string(rng() % 100000000));
        std::error_code ec;
        if (fs::create_directory(p, ec)) return p;
    }
    throw std::runtime_error("cannot create a temporary folder");
}

fs::path g_xdgRoot;

void removeXdgRoot() {
    std::error_code ec;
    if (!g_xdgRoot.empty()) fs::remove_all(g_xdgRoot, ec);
}
}  // namespace

TempDir::TempDir() : path_(makeUniqueDir("quillmar-test-")) {}

SmallDisk::SmallDisk(const TempDir& dir) : path_(dir.file("disk")) {
    std::filesystem::create_directory(path_);
    if (::geteuid() != 0) error_ = "mounting a small tmpfs needs root";
    else if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, "size=64k") != 0)
        error_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
}

SmallDisk::~SmallDisk() {
    if (error_.empty()) ::umount(path_.c_str());
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may leave read-only folders behind; make them removable first.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + p.string());
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFile(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + p.string());
    out << bytes;
}

fs::path sourceDir() {
    const char* s = std::getenv("QUILLMAR_SOURCE_DIR");
    return s ? fs::path(s) : fs::path(QUILLMAR_TEST_SOURCE_DIR);
}

fs::path binaryDir() {
    const char* s = std::getenv("QUILLMAR_BINARY_DIR");
    return s ? fs::path(s) : fs::path(QUILLMAR_TEST_BINARY_DIR);
}

void installFreshXdgFolders() {
    g_xdgRoot = makeUniqueDir("quillmar-xdg-");
    for (const char* sub : {"config", "data", "runtime"}) fs::create_directories(g_xdgRoot / sub);
    fs::permissions(g_xdgRoot / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    setenv("XDG_CONFIG_HOME", (g_xdgRoot / "config").c_str(), 1);
    setenv("XDG_DATA_HOME", (g_xdgRoot / "data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (g_xdgRoot / "runtime").c_str(), 1);
    setenv("HOME", g_xdgRoot.c_str(), 1);
    std::atexit(removeXdgRoot);
}

void clearXdgFolders() {
    for (const char* sub : {"config", "data"}) {
        std::error_code ec;
        fs::remove_all(g_xdgRoot / sub, ec);
        fs::create_directories(g_xdgRoot / sub);
    }
}

}  // namespace qmtest
