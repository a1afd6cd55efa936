#include "FileAccess.h"

#include <filesystem>
#include <system_error>

namespace viewer {

std::string canonicalPath(const std::string& path) {
    if (path.empty()) return {};
    std::error_code ec;
    const std::filesystem::path abs = std::filesystem::absolute(path, ec);
    if (ec) return {};
    std::filesystem::path p = std::filesystem::weakly_canonical(abs, ec);
    if (ec) p = abs.lexically_normal();
    std::string s = p.string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

bool isInside(const std::string& path, const std::string& folder) {
    if (folder.empty() || path.size() < folder.size()) return false;
    if (path.compare(0, folder.size(), folder) != 0) return false;
    return path.size() == folder.size() || folder == "/" || path[folder.size()] == '/';
}

bool mayRead(const FileAccessRule& rule, const std::string& path) {
    const std::string p = canonicalPath(path);
    if (p.empty()) return false;
    if (!rule.shownFile.empty() && p == canonicalPath(rule.shownFile)) return true;
    if (!isInside(p, canonicalPath(rule.pageFolder))) return false;
    for (const std::string& d : rule.denied) {
        if (!isInside(p, canonicalPath(d))) continue;
        bool excepted = false;
        for (const std::string& a : rule.allowedInDenied) excepted = excepted || isInside(p, canonicalPath(a));
        if (!excepted) return false;
    }
    return true;
}

}  // namespace viewer
