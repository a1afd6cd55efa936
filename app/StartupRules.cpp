#include "StartupRules.h"

#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace startup {

std::optional<fs::path> startupDirectory(const std::string& stored) {
    std::string dir = stored;
    if (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    if (dir.empty()) return std::nullopt;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return std::nullopt;
    return fs::path(dir);
}

fs::path editorFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

fs::path imageToolsProgram(const fs::path& folder) {
    if (folder.empty()) return {};
    const fs::path program = folder / "quilimg";
    std::error_code ec;
    if (!fs::is_regular_file(program, ec) || ::access(program.c_str(), X_OK) != 0) return {};
    return program;
}

}  // namespace startup
