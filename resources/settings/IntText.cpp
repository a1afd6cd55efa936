#include "IntText.h"

#include "SettingsErrors.h"

namespace inttext {

namespace {

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

}  // namespace

std::optional<std::int32_t> parse(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    bool hasSign = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        hasSign = true;
        negative = text[i++] == '-';
    }
    // A sign belongs to decimal text only: "-0x10" and "-$10" are no numbers,
    // they fail on the "x" or the "$" below.
    int base = 10;
    if (!hasSign && i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (!hasSign && i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    // Accumulate in 64 bits and stop as soon as the value leaves the 32-bit range.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) return std::nullopt;
        value = value * base + static_cast<std::uint64_t>(d);
        if (value > limit) return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(negative ? (~value + 1) : value);
    return static_cast<std::int32_t>(bits);
}

std::int32_t StrToInt(const std::string& text) {
    if (auto v = parse(text)) return *v;
    throw EConvertError(text);
}

std::int32_t StrToIntDef(const std::string& text, std::int32_t def) { return parse(text).value_or(def); }

}  // namespace inttext
