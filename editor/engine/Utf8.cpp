#include "Utf8.h"

namespace utf8 {

std::size_t charLength(const char* p, std::size_t n) {
    if (n == 0) return 0;
    const auto b0 = static_cast<unsigned char>(p[0]);
    if (b0 < 0x80) return 1;
    std::size_t len;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0) lo = 0xA0;        // no overlong forms
        else if (b0 == 0xED) hi = 0x9F;   // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0) lo = 0x90;
        else if (b0 == 0xF4) hi = 0x8F;   // nothing above U+10FFFF
    } else {
        return 1;
    }
    if (n < len) return 1;
    const auto b1 = static_cast<unsigned char>(p[1]);
    if (b1 < lo || b1 > hi) return 1;
    for (std::size_t k = 2; k < len; ++k) {
        const auto b = static_cast<unsigned char>(p[k]);
        if (b < 0x80 || b > 0xBF) return 1;
    }
    return len;
}

bool isBoundary(const char* s, std::size_t n, std::size_t i) {
    if (i == 0 || i >= n) return true;
    // A sequence is at most 4 bytes: look back for a lead byte whose valid
    // sequence covers i.
    for (std::size_t back = 1; back <= 3 && back <= i; ++back) {
        const std::size_t start = i - back;
        const auto b = static_cast<unsigned char>(s[start]);
        if (b < 0x80) return true;
        if (b >= 0xC0) {
            std::size_t len = charLength(s + start, n - start);
            return start + len <= i;
        }
    }
    return true;
}

std::size_t previousBoundary(const char* s, std::size_t n, std::size_t i) {
    if (i == 0) return 0;
    std::size_t j = i - 1;
    while (j > 0 && !isBoundary(s, n, j)) --j;
    return j;
}

}  // namespace utf8
