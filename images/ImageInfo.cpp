#include "ImageInfo.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

constexpr std::int64_t kTrueColor = 16777216;

// Reads little- and big-endian integers; false once a read leaves the bytes.
class Bytes {
public:
    explicit Bytes(std::string_view b) : b_(b) {}
    bool has(std::size_t at, std::size_t n) const { return at <= b_.size() && n <= b_.size() - at; }
    std::uint32_t u8(std::size_t at) const { return static_cast<unsigned char>(b_[at]); }
    std::uint32_t le16(std::size_t at) const { return u8(at) | u8(at + 1) << 8; }
    std::uint32_t be16(std::size_t at) const { return u8(at) << 8 | u8(at + 1); }
    std::uint32_t le32(std::size_t at) const { return le16(at) | le16(at + 2) << 16; }
    std::uint32_t be32(std::size_t at) const { return be16(at) << 16 | be16(at + 2); }
    std::uint32_t le24(std::size_t at) const { return le16(at) | u8(at + 2) << 16; }
    bool startsWith(std::string_view s, std::size_t at = 0) const { return has(at, s.size()) && b_.substr(at, s.size()) == s; }
    std::size_t size() const { return b_.size(); }

private:
    std::string_view b_;
};

std::int64_t colorsOf(int bits) { return bits <= 0 ? 0 : bits >= 24 ? kTrueColor : std::int64_t{1} << bits; }

ImageInfo make(const char* type, std::int64_t w, std::int64_t h, int bits, int planes, std::string compression) {
    ImageInfo i;
    i.fileType = type;
    i.width = w;
    i.height = h;
    i.bitsPerPixel = bits;
    i.planes = planes;
    i.colors = colorsOf(bits);
    i.compression = std::move(compression);
    return i;
}

}  // namespace

std::optional<ImageInfo> readBmpInfo(std::string_view bytes) {
    const Bytes b(bytes);
    if (!b.startsWith("BM") || !b.has(14, 4)) return std::nullopt;
    const std::uint32_t header = b.le32(14);
    if (header == 12) {  // the oldest header: 16-bit sizes, no compression
        if (!b.has(14, 12)) return std::nullopt;
        return make("BMP", b.le16(18), b.le16(20), b.le16(24), b.le16(22), "None");
    }
    if (header < 40 || !b.has(14, 40)) return std::nullopt;
    static constexpr std::array<const char*, 7> kCompression{"None", "RLE8", "RLE4", "Bitfields", "JPEG", "PNG", "Bitfields"};
    const std::uint32_t c = b.le32(30);
    const auto w = static_cast<std::int32_t>(b.le32(18));
    const auto h = static_cast<std::int32_t>(b.le32(22));  // negative: stored top-down
    ImageInfo i = make("BMP", std::abs(std::int64_t{w}), std::abs(std::int64_t{h}), b.le16(28), b.le16(26),
                       c < kCompression.size() ? kCompression[c] : "Unknown");
    if (const std::uint32_t used = b.le32(46); used != 0 && i.bitsPerPixel <= 8) i.colors = used;
    return i;
}

std::optional<ImageInfo> readPngInfo(std::string_view bytes) {
    const Bytes b(bytes);
    if (!b.startsWith("\x89PNG\r\n\x1a\n") || !b.startsWith("IHDR", 12) || !b.has(16, 13)) return std::nullopt;
    const int depth = static_cast<int>(b.u8(24));
    const std::uint32_t type = b.u8(25);
    static constexpr std::array<int, 7> kChannels{1, 0, 3, 1, 2, 0, 4};
    if (type >= kChannels.size() || kChannels[type] == 0) return std::nullopt;
    ImageInfo i = make("PNG", b.be32(16), b.be32(20), depth * kChannels[type], 1, "Deflate");
    if (type == 3) {
        i.colors = colorsOf(depth);
        // A palette image has as many colours as its palette holds.
        for (std::size_t at = 8; b.has(at, 8);) {
            const std::uint32_t len = b.be32(at);
            if (b.startsWith("PLTE", at + 4)) {
                i.colors = len / 3;
                break;
            }
            if (b.startsWith("IDAT", at + 4) || len > b.size()) break;
            at += 12 + std::size_t{len};
        }
    } else if (type == 4 || type == 6) {
        i.colors = colorsOf(depth * (kChannels[type] - 1));  // alpha adds no colours
    }
    return i;
}

std::optional<ImageInfo> readGifInfo(std::string_view bytes) {
    const Bytes b(bytes);
    if (!(b.startsWith("GIF87a") || b.startsWith("GIF89a")) || !b.has(6, 7)) return std::nullopt;
    const std::uint32_t packed = b.u8(10);
    // The global colour table's size when there is one, else the colour resolution.
    const int bits = (packed & 0x80) ? static_cast<int>(packed & 7) + 1 : static_cast<int>((packed >> 4) & 7) + 1;
    return make("GIF", b.le16(6), b.le16(8), bits, 1, "LZW");
}

std::optional<ImageInfo> readJpegInfo(std::string_view bytes) {
    const Bytes b(bytes);
    if (!b.startsWith("\xff\xd8")) return std::nullopt;
    std::size_t at = 2;
    while (b.has(at, 4)) {
        if (b.u8(at) != 0xff) return std::nullopt;
        const std::uint32_t marker = b.u8(at + 1);
        if (marker == 0xff) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xd8 || marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {  // no length
            at += 2;
            continue;
        }
        if (marker == 0xd9 || marker == 0xda) return std::nullopt;  // end or scan before a frame
        const std::uint32_t len = b.be16(at + 2);
        if (len < 2) return std::nullopt;
        const bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame) {
            if (!b.has(at + 4, 6)) return std::nullopt;
            const int precision = static_cast<int>(b.u8(at + 4));
            const int components = static_cast<int>(b.u8(at + 9));
            const char* kind = marker == 0xc0 || marker == 0xc1 ? "JPEG baseline"
                               : marker == 0xc2 || marker == 0xc6 || marker == 0xca || marker == 0xce
                                   ? "JPEG progressive"
                                   : "JPEG lossless";
            return make("JPEG", b.be16(at + 7), b.be16(at + 5), precision * components, 1, kind);
        }
        at += 2 + std::size_t{len};
    }
    return std::nullopt;
}

std::optional<ImageInfo> readTiffInfo(std::string_view bytes) {
    const Bytes b(bytes);
    const bool little = b.startsWith(std::string_view("II*\0", 4));
    if ((!little && !b.startsWith(std::string_view("MM\0*", 4))) || !b.has(4, 4)) return std::nullopt;
    auto u16 = [&](std::size_t at) { return little ? b.le16(at) : b.be16(at); };
    auto u32 = [&](std::size_t at) { return little ? b.le32(at) : b.be32(at); };
    const std::size_t ifd = u32(4);
    if (!b.has(ifd, 2)) return std::nullopt;
    const std::uint32_t count = u16(ifd);
    std::int64_t w = -1, h = -1;
    std::uint32_t bitsPerSample = 1, samples = 1, compression = 1, planar = 1;
    for (std::uint32_t n = 0; n < count; ++n) {
        const std::size_t e = ifd + 2 + std::size_t{n} * 12;
        if (!b.has(e, 12)) return std::nullopt;
        const std::uint32_t tag = u16(e), type = u16(e + 2), values = u32(e + 4);
        // A SHORT value sits in the first half of the value field, a LONG fills it.
        std::uint32_t value = type == 3 ? u16(e + 8) : u32(e + 8);
        if (tag == 258 && type == 3 && values > 2) {  // several samples: the first one, stored elsewhere
            const std::size_t at = u32(e + 8);
            if (!b.has(at, 2)) return std::nullopt;
            value = u16(at);
        }
        switch (tag) {
        case 256: w = value; break;
        case 257: h = value; break;
        case 258: bitsPerSample = value; break;
        case 259: compression = value; break;
        case 277: samples = value; break;
        case 284: planar = value; break;
        default: break;
        }
    }
    if (w < 0 || h < 0 || bitsPerSample > 64 || samples > 16) return std::nullopt;
    const char* kind = "Unknown";
    switch (compression) {
    case 1: kind = "None"; break;
    case 2: kind = "CCITT RLE"; break;
    case 3: kind = "CCITT Group 3"; break;
    case 4: kind = "CCITT Group 4"; break;
    case 5: kind = "LZW"; break;
    case 6:
    case 7: kind = "JPEG"; break;
    case 8:
    case 32946: kind = "Deflate"; break;
    case 32773: kind = "PackBits"; break;
    default: break;
    }
    return make("TIFF", w, h, static_cast<int>(bitsPerSample * samples), planar == 2 ? static_cast<int>(samples) : 1,
                kind);
}

std::optional<ImageInfo> readPcxInfo(std::string_view bytes) {
    const Bytes b(bytes);
    if (!b.has(0, 128) || b.u8(0) != 0x0a || b.u8(1) > 5 || b.u8(2) > 1) return std::nullopt;
    const std::int64_t xmin = b.le16(4), ymin = b.le16(6), xmax = b.le16(8), ymax = b.le16(10);
    const int bits = static_cast<int>(b.u8(3)), planes = static_cast<int>(b.u8(65));
    if (xmax < xmin || ymax < ymin || bits == 0 || planes == 0) return std::nullopt;
    return make("PCX", xmax - xmin + 1, ymax - ymin + 1, bits * planes, planes, b.u8(2) == 1 ? "RLE" : "None");
}

std::optional<ImageInfo> readWebpInfo(std::string_view bytes) {
    const Bytes b(bytes);
    if (!b.startsWith("RIFF") || !b.startsWith("WEBP", 8) || !b.has(12, 8)) return std::nullopt;
    if (b.startsWith("VP8X", 12)) {
        if (!b.has(24, 6)) return std::nullopt;
        const bool alpha = b.u8(20) & 0x10;
        return make("WebP", std::int64_t{b.le24(24)} + 1, std::int64_t{b.le24(27)} + 1, alpha ? 32 : 24, 1, "VP8");
    }
    if (b.startsWith("VP8L", 12)) {
        if (!b.has(20, 5) || b.u8(20) != 0x2f) return std::nullopt;
        const std::uint32_t bits = b.le32(21);
        const bool alpha = bits & (1u << 28);
        return make("WebP", std::int64_t{bits & 0x3fff} + 1, std::int64_t{(bits >> 14) & 0x3fff} + 1,
                    alpha ? 32 : 24, 1, "VP8L lossless");
    }
    if (b.startsWith("VP8 ", 12)) {
        if (!b.has(20, 10) || !b.startsWith("\x9d\x01\x2a", 23)) return std::nullopt;
        return make("WebP", b.le16(26) & 0x3fff, b.le16(28) & 0x3fff, 24, 1, "VP8 lossy");
    }
    return std::nullopt;
}

std::optional<ImageInfo> readImageInfo(std::string_view bytes) {
    using Reader = std::optional<ImageInfo> (*)(std::string_view);
    static constexpr std::array<Reader, 7> kReaders{readBmpInfo,  readPngInfo, readGifInfo, readJpegInfo,
                                                    readTiffInfo, readWebpInfo, readPcxInfo};
    for (Reader read : kReaders) {
        if (auto info = read(bytes)) {
            info->sizeBytes = bytes.size();
            return info;
        }
    }
    return std::nullopt;
}

std::string imageErrorText(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    const std::size_t slash = fileName.find_last_of("/\\");
    std::string ext;
    if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash)) {
        for (char c : fileName.substr(dot + 1)) ext += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (ext == "jpeg") ext = "jpg";
    if (ext == "tiff") ext = "tif";
    static constexpr std::array<std::string_view, 8> kKnown{"bmp", "jpg", "png", "gif", "tif", "pcx", "webp", "svg"};
    if (std::find(kKnown.begin(), kKnown.end(), ext) == kKnown.end()) return "Non TIF, JPeg, BMP, GIF, PNG or PCX Image";
    return "Reading " + ext + " file failed";
}
