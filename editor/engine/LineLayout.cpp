#include "LineLayout.h"

#include "Utf8.h"

#include <cstring>

namespace qm::layout {

namespace {

// Width of the character at text[i] (given the column it starts at) and its
// byte length.
inline std::size_t step(std::string_view text, std::size_t i, std::int32_t col, std::int32_t t,
                        std::int32_t& width) {
    const char c = text[i];
    if (c == '\t') {
        width = t - col % t;
        return 1;
    }
    width = 1;
    if (static_cast<unsigned char>(c) < 0x80) return 1;
    return utf8::charLength(text.data() + i, text.size() - i);
}

}  // namespace

std::size_t nextLineStart(std::string_view text, std::size_t s, std::int32_t w, std::int32_t t) {
    const std::size_t n = text.size();
    // Fast path: no tab and no more bytes than columns means it fits (a
    // character is never wider than its bytes unless it is a tab).
    if (n - s <= static_cast<std::size_t>(w) && !std::memchr(text.data() + s, '\t', n - s)) return n;

    // The break candidate: the first character at which the column reaches w.
    std::size_t i = s;
    std::int32_t col = 0;
    while (i < n && col < w) {
        std::int32_t width;
        i += step(text, i, col, t, width);
        col += width;
    }
    if (i >= n) return n;
    const std::size_t candidate = i;

    for (std::size_t k = candidate;;) {
        const char c = text[k];
        if (isBlank(c) || c == '-') {
            std::size_t j = (c == '-') ? k + 1 : k;
            while (j < n && isBlank(text[j])) ++j;
            return j;
        }
        if (k == s) break;
        k = utf8::previousBoundary(text.data(), n, k);
    }
    return candidate;
}

void breakParagraph(std::string_view text, std::size_t from, std::int32_t w, std::int32_t t,
                    std::vector<std::uint32_t>& out) {
    std::size_t s = from;
    for (;;) {
        const std::size_t next = nextLineStart(text, s, w, t);
        if (next >= text.size()) return;
        out.push_back(static_cast<std::uint32_t>(next));
        s = next;
    }
}

std::int32_t columnsOf(std::string_view line, std::size_t bytes, std::int32_t t) {
    std::int32_t col = 0;
    std::size_t i = 0;
    while (i < bytes && i < line.size()) {
        std::int32_t width;
        i += step(line, i, col, t, width);
        col += width;
    }
    if (bytes > line.size()) col += static_cast<std::int32_t>(bytes - line.size());
    return col;
}

std::size_t byteAtColumn(std::string_view line, std::int32_t target, std::int32_t t) {
    std::int32_t col = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        std::int32_t width;
        const std::size_t len = step(line, i, col, t, width);
        if (col + width > target) return i;
        col += width;
        i += len;
    }
    return line.size() + static_cast<std::size_t>(target - col);
}

std::string expandTabs(std::string_view line, std::int32_t t) {
    std::string out;
    out.reserve(line.size());
    std::int32_t col = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        std::int32_t width;
        const std::size_t len = step(line, i, col, t, width);
        if (line[i] == '\t') out.append(static_cast<std::size_t>(width), ' ');
        else out.append(line.substr(i, len));
        col += width;
        i += len;
    }
    return out;
}

}  // namespace qm::layout
