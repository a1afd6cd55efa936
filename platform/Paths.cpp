#include "Paths.h"

#include "DurableFile.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace paths {

namespace {

fs::path envDir(const char* var, const char* fallbackUnderHome) {
    const char* v = std::getenv(var);
    // The XDG rules ignore relative paths.
    if (v && *v && fs::path(v).is_absolute()) return fs::path(v);
    return homeDir() / fallbackUnderHome;
}

fs::path ensured(fs::path p) {
    std::error_code ec;
    fs::create_directories(p, ec);
    return p;
}

fs::path executableDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

}  // namespace

fs::path homeDir() {
    const char* h = std::getenv("HOME");
    return (h && *h) ? fs::path(h) : fs::current_path();
}

fs::path settingsDir() { return ensured(envDir("XDG_CONFIG_HOME", ".config") / "quillmar"); }

fs::path dataDir() { return ensured(envDir("XDG_DATA_HOME", ".local/share") / "quillmar"); }

fs::path deliveredDataDir() {
    std::error_code ec;
    // Installed layout: <prefix>/bin/quillmar and <prefix>/share/quillmar.
    fs::path exeDir = executableDir();
    if (!exeDir.empty()) {
        fs::path installed = exeDir.parent_path() / "share" / "quillmar";
        if (fs::is_directory(installed, ec)) return installed;
    }
    fs::path configured = QUILLMAR_INSTALLED_DATA_DIR;
    if (fs::is_directory(configured, ec)) return configured;
    return fs::path(QUILLMAR_SOURCE_DATA_DIR);
}

fs::path helpDir() { return deliveredDataDir() / "help"; }

int installDeliveredData() {
    std::error_code ec;
    const fs::path from = deliveredDataDir();
    const fs::path to = dataDir();
    int copied = 0;
    for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        const fs::path rel = fs::relative(it->path(), from, ec);
        if (ec) break;
        if (*rel.begin() == "help") {
            it.disable_recursion_pending();
            continue;
        }
        const fs::path target = to / rel;
        if (it->is_directory()) {
            fs::create_directories(target, ec);
            continue;
        }
        if (fs::exists(target, ec) || fs::is_symlink(target, ec)) continue;
        const durable::ReadResult delivered = durable::readFile(it->path().string());
        if (delivered && durable::writeFile(target.string(), delivered.bytes)) ++copied;
    }
    return copied;
}

fs::path profileFile(const std::string& name) {
    fs::path p(name);
    if (p.has_parent_path()) return p;
    return settingsDir() / p;
}

fs::path dataFile(const std::string& name) {
    fs::path p(name);
    if (p.has_parent_path()) return p;
    return dataDir() / p;
}

std::string documentIdentity(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(path), ec);
    if (ec) p = fs::path(path);
    // A trailing separator is dropped, so a folder has one identity.
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    // The canonical folder plus the name: the same before and after the file
    // exists, so Save As and Open agree through a linked folder. A name that
    // is itself a link resolves to the file it names.
    fs::path c = fs::weakly_canonical(fs::path(s), ec);
    return ec ? s : c.string();
}

bool sameDocument(const std::string& a, const std::string& b) { return documentIdentity(a) == documentIdentity(b); }

}  // namespace paths
