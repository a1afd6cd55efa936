#include "DisplayText.h"

#include "Utf8.h"

namespace displaytext {

namespace {
// Windows-1252 0x80..0x9F; 0 marks the five undefined bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char32_t decodeSequence(const char* p, std::size_t len) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(p[i]); };
    switch (len) {
    case 2: return (char32_t(b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return (char32_t(b(0) & 0x0F) << 12) | (char32_t(b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    case 4:
        return (char32_t(b(0) & 0x07) << 18) | (char32_t(b(1) & 0x3F) << 12) |
               (char32_t(b(2) & 0x3F) << 6) | (b(3) & 0x3F);
    default: return b(0);
    }
}

char32_t byteChar(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) {
        const char16_t m = kCp1252High[c - 0x80];
        return m ? m : 0xFFFD;
    }
    return c;
}
}  // namespace

char32_t displayChar(const char* p, std::size_t len) {
    if (len > 1) return decodeSequence(p, len);
    const auto c = static_cast<unsigned char>(*p);
    if (c < 0x20) return 0x2400 + c;  // the Control Pictures block
    if (c == 0x7F) return 0x2421;
    return byteChar(c);
}

QString decode(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t len = utf8::charLength(bytes.data() + i, bytes.size() - i);
        const char32_t c = len > 1 ? decodeSequence(bytes.data() + i, len)
                                   : byteChar(static_cast<unsigned char>(bytes[i]));
        if (c >= 0x10000) {
            out.append(QChar::highSurrogate(c));
            out.append(QChar::lowSurrogate(c));
        } else {
            out.append(QChar(static_cast<char16_t>(c)));
        }
        i += len;
    }
    return out;
}

std::string encode(const QString& text) {
    return text.toStdString();  // UTF-8
}

}  // namespace displaytext
