#include "PcxImage.h"

#include <QBuffer>
#include <QImageReader>
#include <cstdint>
#include <vector>

namespace {

constexpr int kHeader = 128;

int word(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8);
}

}  // namespace

QImage decodePcx(const QByteArray& b) {
    if (b.size() < kHeader || static_cast<std::uint8_t>(b[0]) != 0x0A) return {};
    const int encoding = static_cast<std::uint8_t>(b[2]);
    const int bits = static_cast<std::uint8_t>(b[3]);
    const int width = word(b, 8) - word(b, 4) + 1;
    const int height = word(b, 10) - word(b, 6) + 1;
    const int planes = static_cast<std::uint8_t>(b[65]);
    const int bytesPerLine = word(b, 66);
    const bool known = (planes == 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8)) ||
                       (planes == 4 && bits == 1) || (planes == 3 && bits == 8);
    if (!known || encoding > 1 || width <= 0 || height <= 0 || width > 16384 || height > 16384 ||
        bytesPerLine * 8 < width * bits)
        return {};

    // Unpack every scan line (all planes of a line follow each other).
    const std::size_t lineBytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(planes);
    const std::size_t rawBytes = lineBytes * static_cast<std::size_t>(height);
    // A data byte gives at most 63 bytes of image: a header asking for more
    // than the file can hold is refused before anything is allocated.
    if (rawBytes > 63 * static_cast<std::size_t>(b.size() - kHeader)) return {};
    std::vector<std::uint8_t> raw(rawBytes);
    int at = kHeader;
    const int end = static_cast<int>(b.size());
    for (std::size_t i = 0; i < raw.size();) {
        if (at >= end) return {};  // truncated
        std::uint8_t v = static_cast<std::uint8_t>(b[at++]);
        std::size_t run = 1;
        if (encoding == 1 && (v & 0xC0) == 0xC0) {
            run = v & 0x3F;
            if (at >= end) return {};
            v = static_cast<std::uint8_t>(b[at++]);
        }
        for (; run > 0 && i < raw.size(); --run) raw[i++] = v;
    }

    // The palette: 256 colours after a 12 at the end of 8-bit files, else
    // the 16 in the header.
    std::vector<QRgb> palette(256, qRgb(0, 0, 0));
    const bool tail = planes == 1 && bits == 8;
    const int palAt = tail ? end - 768 : 16;
    if (tail && (end - 769 < kHeader || static_cast<std::uint8_t>(b[end - 769]) != 12)) {
        for (int i = 0; i < 256; ++i) palette[static_cast<std::size_t>(i)] = qRgb(i, i, i);
    } else {
        const int count = tail ? 256 : 16;
        for (int i = 0; i < count; ++i)
            palette[static_cast<std::size_t>(i)] = qRgb(static_cast<std::uint8_t>(b[palAt + 3 * i]),
                                                         static_cast<std::uint8_t>(b[palAt + 3 * i + 1]),
                                                         static_cast<std::uint8_t>(b[palAt + 3 * i + 2]));
    }
    if (planes == 1 && bits == 1) palette[0] = qRgb(0, 0, 0), palette[1] = qRgb(255, 255, 255);

    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* line = raw.data() + lineBytes * static_cast<std::size_t>(y);
        QRgb* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (planes == 3) {
                out[x] = qRgb(line[x], line[bytesPerLine + x], line[2 * bytesPerLine + x]);
                continue;
            }
            int index = 0;
            if (planes == 4) {
                for (int p = 0; p < 4; ++p)
                    index |= ((line[p * bytesPerLine + x / 8] >> (7 - x % 8)) & 1) << p;
            } else {
                const int perByte = 8 / bits;
                const int shift = 8 - bits * (x % perByte + 1);
                index = (line[x / perByte] >> shift) & ((1 << bits) - 1);
            }
            out[x] = palette[static_cast<std::size_t>(index)];
        }
    }
    return img;
}

QImage decodeImage(const QByteArray& bytes) {
    if (QImage pcx = decodePcx(bytes); !pcx.isNull()) return pcx;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return reader.read();
}
