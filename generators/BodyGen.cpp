#include "BodyGen.h"

#include <algorithm>
#include <cstdio>

namespace bodygen {

std::string bodyTag(const Body& b) {
    return "<BODY BACKGROUND=\"" + b.image + "\" BGCOLOR=\"#" + b.background + "\" TEXT=\"#" + b.text + "\" LINK=\"#" +
           b.link + "\" VLINK=\"#" + b.visited + "\" ALINK=\"#" + b.active + "\" >";
}

std::vector<std::string> sampleLines() {
    return {"<H2>This is a heading</H2>", "This is some text", "<A HREF=\"Link.htm\">This is a link.</a>"};
}

std::string colourText(std::uint32_t value) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", unsigned(std::min(value, kMaxColour)));
    return hex;
}

std::uint32_t colourValue(std::string_view text) {
    std::uint32_t v = 0;
    for (char c : text) {
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0) continue;
        v = ((v << 4) | std::uint32_t(d)) & kMaxColour;
    }
    return v;
}

std::uint32_t stepColour(std::uint32_t value, int steps) {
    const long long moved = static_cast<long long>(value) + static_cast<long long>(steps) * kColourStep;
    return std::uint32_t(std::clamp<long long>(moved, 0, kMaxColour));
}

}  // namespace bodygen
