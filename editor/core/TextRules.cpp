#include "TextRules.h"

#include "Utf8.h"

namespace qm {

bool isWordDelimiter(unsigned char c) {
    switch (c) {
    case '\t': case '\'': case '\r': case '\n': case ' ': case '@': case '`':
    case ',': case '.': case '/': case '?': case ';': case ':': case '"':
    case '<': case '>': case '[': case ']': case '{': case '}': case '-':
    case '=': case '\\': case '+': case '|': case '(': case ')': case '%':
    case '&': case '^': case '$': case '#': case '!': case '~': case '*':
        return true;
    default:
        return false;
    }
}

namespace {

// Upper case of a code point when it has the same UTF-8 length; else itself.
char32_t upperSameLength(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;           // Latin-1
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x137 && (c & 1) && c != 0x131) return c - 1;             // Latin Extended-A pairs
    if (c >= 0x139 && c <= 0x148 && !(c & 1)) return c - 1;
    if (c >= 0x14A && c <= 0x177 && (c & 1)) return c - 1;
    if (c == 0x17A || c == 0x17C || c == 0x17E) return c - 1;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;        // Greek
    if (c == 0x3C2) return 0x3A3;
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;                      // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    return c;
}

// Windows-1252 upper case of a lone byte.
unsigned char upperAnsi(unsigned char b) {
    if (b >= 'a' && b <= 'z') return b - 0x20;
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return b - 0x20;
    switch (b) {
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    case 0x9E: return 0x8E;
    case 0xFF: return 0x9F;
    default: return b;
    }
}

char32_t decode2(const char* p) {
    return (char32_t(static_cast<unsigned char>(p[0]) & 0x1F) << 6) |
           (static_cast<unsigned char>(p[1]) & 0x3F);
}

}  // namespace

std::string upperCaseForSearch(std::string_view text) {
    std::string out(text);
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const std::size_t len = utf8::charLength(text.data() + i, n - i);
        if (len == 1) {
            out[i] = static_cast<char>(upperAnsi(static_cast<unsigned char>(text[i])));
        } else if (len == 2) {
            // Every mapped letter above ASCII is two bytes long, before and after.
            const char32_t up = upperSameLength(decode2(text.data() + i));
            out[i] = static_cast<char>(0xC0 | (up >> 6));
            out[i + 1] = static_cast<char>(0x80 | (up & 0x3F));
        }
        i += len;
    }
    return out;
}

}  // namespace qm
