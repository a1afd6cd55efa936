#include "PreviewLinks.h"

#include <algorithm>
#include <cctype>

namespace preview {

namespace {

std::string upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

LinkAction classifyLink(const std::string& link) {
    constexpr std::size_t kMaxLink = 80;
    const std::size_t colon = link.find(':');
    const bool local = colon == std::string::npos || colon < 2 || upper(link).find("FILE:") != std::string::npos;
    if (!local) return {LinkKind::Web, link, {}};
    const std::string cut = link.substr(0, std::min(link.size(), kMaxLink));
    const std::size_t space = cut.find(' ');
    LinkAction a;
    a.target = cut.substr(0, space);
    if (space != std::string::npos) a.parameters = cut.substr(space);
    const std::string ext = upper(a.target);
    a.kind = endsWith(ext, ".WAV") ? LinkKind::Sound : endsWith(ext, ".EXE") ? LinkKind::Program : LinkKind::LocalFile;
    return a;
}

}  // namespace preview
