#include "LineLayout.h"

#include "Utf8.h"

#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// Bytes from i (up to n) that are printable ASCII other than a tab: one
// column each, whatever the column. Sixteen bytes a step where the processor
// has SSE2, so a position far along a long line is reached quickly.
inline std::size_t plainRun(const char* d, std::size_t i, std::size_t n) {
    const std::size_t from = i;
#ifdef __SSE2__
    const __m128i low = _mm_set1_epi8(0x1F), high = _mm_set1_epi8(0x7F);
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        // Signed compares: bytes >= 0x80 are negative and fail the first test.
        const __m128i ok = _mm_and_si128(_mm_cmpgt_epi8(v, low), _mm_cmplt_epi8(v, high));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(ok));
        if (mask != 0xFFFF) return i + static_cast<std::size_t>(__builtin_ctz(~mask)) - from;
    }
#endif
    while (i < n && d[i] > 0x1F && d[i] < 0x7F) ++i;
    return i - from;
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
    return columnsFrom(line, 0, 0, bytes, t);
}

std::int32_t columnsFrom(std::string_view line, std::size_t from, std::int32_t startCol, std::size_t bytes,
                         std::int32_t t) {
    std::int64_t col = startCol;
    std::size_t i = from;
    const std::size_t end = std::min(bytes, line.size());
    while (i < end) {
        const std::size_t run = plainRun(line.data(), i, end);
        col += static_cast<std::int64_t>(run);
        i += run;
        if (i >= end) break;
        std::int32_t width;
        i += step(line, i, static_cast<std::int32_t>(col), t, width);
        col += width;
    }
    if (bytes > line.size()) col += static_cast<std::int64_t>(bytes - line.size());
    return static_cast<std::int32_t>(col);
}

std::size_t byteAtColumn(std::string_view line, std::int32_t target, std::int32_t t, std::int32_t* startCol) {
    std::int32_t col = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t run = plainRun(line.data(), i, line.size());
        if (static_cast<std::int64_t>(col) + static_cast<std::int64_t>(run) > target) {
            if (startCol) *startCol = target;
            return i + static_cast<std::size_t>(target - col);
        }
        col += static_cast<std::int32_t>(run);
        i += run;
        if (i >= line.size()) break;
        std::int32_t width;
        const std::size_t len = step(line, i, col, t, width);
        if (col + width > target) {
            if (startCol) *startCol = col;
            return i;
        }
        col += width;
        i += len;
    }
    if (startCol) *startCol = target;
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
