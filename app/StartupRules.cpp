#include "StartupRules.h"

#include <system_error>

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

fs::path imageToolsProgram() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return exe.parent_path() / "quilimg";
}

}  // namespace startup
