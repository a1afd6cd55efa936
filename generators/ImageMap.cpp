#include "ImageMap.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace imagemap {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlnum(char c) { return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The length of the entity starting at text[i] ("&amp;", "&#160;", "&#x41;"), or 0.
std::size_t entityAt(std::string_view text, std::size_t i) {
    std::size_t j = i + 1;
    if (j < text.size() && text[j] == '#') {
        ++j;
        const bool hex = j < text.size() && (text[j] == 'x' || text[j] == 'X');
        if (hex) ++j;
        const std::size_t digits = j;
        while (j < text.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text[j])) != 0 : isDigit(text[j]))) ++j;
        if (j == digits) return 0;
    } else {
        const std::size_t letters = j;
        while (j < text.size() && isAlnum(text[j])) ++j;
        if (j == letters) return 0;
    }
    return j < text.size() && text[j] == ';' ? j + 1 - i : 0;
}

}  // namespace

std::string_view shapeName(Shape s) {
    switch (s) {
    case Shape::Rect: return "RECT";
    case Shape::Circle: return "CIRCLE";
    case Shape::Poly: return "POLY";
    }
    return "RECT";
}

std::optional<std::vector<int>> parseCoords(Shape s, std::string_view text) {
    std::vector<int> out;
    std::size_t i = 0;
    const auto separator = [](char c) { return c == ',' || c == ' ' || c == '\t'; };
    while (i < text.size()) {
        while (i < text.size() && separator(text[i])) ++i;
        if (i == text.size()) break;
        if (!isDigit(text[i])) return std::nullopt;
        long long v = 0;
        while (i < text.size() && isDigit(text[i])) {
            v = v * 10 + (text[i] - '0');
            if (v > INT_MAX) return std::nullopt;
            ++i;
        }
        if (i < text.size() && !separator(text[i])) return std::nullopt;
        out.push_back(int(v));
    }
    const std::size_t n = out.size();
    const bool fits = s == Shape::Rect     ? n == 4
                      : s == Shape::Circle ? n == 3 && out[2] > 0
                                           : n >= 6 && n % 2 == 0;
    if (!fits) return std::nullopt;
    return out;
}

std::string coordsText(const std::vector<int>& coords) {
    std::string out;
    for (std::size_t i = 0; i < coords.size(); ++i) out += (i ? "," : "") + std::to_string(coords[i]);
    return out;
}

std::vector<int> normalised(Shape s, std::vector<int> c, int width, int height) {
    const auto clampX = [width](int x) { return std::clamp(x, 0, std::max(0, width - 1)); };
    const auto clampY = [height](int y) { return std::clamp(y, 0, std::max(0, height - 1)); };
    if (s == Shape::Rect && c.size() == 4) {
        const int left = clampX(std::min(c[0], c[2])), right = clampX(std::max(c[0], c[2]));
        const int top = clampY(std::min(c[1], c[3])), bottom = clampY(std::max(c[1], c[3]));
        return {left, top, right, bottom};
    }
    if (s == Shape::Circle && c.size() == 3) return {clampX(c[0]), clampY(c[1]), std::max(1, c[2])};
    for (std::size_t i = 0; i + 1 < c.size(); i += 2) {
        c[i] = clampX(c[i]);
        c[i + 1] = clampY(c[i + 1]);
    }
    return c;
}

std::string nameFor(std::string_view imagePath) {
    const std::size_t slash = imagePath.find_last_of("/\\");
    std::string_view base = slash == std::string_view::npos ? imagePath : imagePath.substr(slash + 1);
    if (const std::size_t dot = base.rfind('.'); dot != std::string_view::npos && dot > 0) base = base.substr(0, dot);
    std::string out;
    for (char c : base) out += isAlnum(c) || c == '-' || c == '_' ? c : '_';
    return out.empty() ? "map" : out;
}

std::string attributeValue(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') out += "&quot;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '&' && entityAt(text, i) == 0) out += "&amp;";
        else out += c;
    }
    return out;
}

std::string html(const Map& m) {
    const auto word = [&m](std::string_view w) {
        std::string s(w);
        if (m.lowerCase)
            for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    const auto attr = [&](std::string_view name, std::string_view value) {
        return " " + word(name) + "=\"" + attributeValue(value) + "\"";
    };
    std::string out = "<" + word("IMG") + attr("SRC", m.src);
    if (m.width > 0) out += attr("WIDTH", std::to_string(m.width));
    if (m.height > 0) out += attr("HEIGHT", std::to_string(m.height));
    out += attr("ALT", "") + attr("USEMAP", "#" + m.name) + attr("BORDER", "0") + ">\r\n";
    out += "<" + word("MAP") + attr("NAME", m.name) + ">\r\n";
    for (const Area& a : m.areas) {
        out += "<" + word("AREA") + attr("SHAPE", word(shapeName(a.shape))) + attr("COORDS", coordsText(a.coords));
        out += a.href.empty() ? " " + word("NOHREF") : attr("HREF", a.href);
        out += attr("ALT", a.alt) + ">\r\n";
    }
    return out + "</" + word("MAP") + ">\r\n";
}

}  // namespace imagemap
