// The PCX decoder on any bytes: an image it returns has the header's size.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "PcxImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QImage image = decodePcx(bytes);
    if (!image.isNull() && (size < 128 || image.width() <= 0 || image.height() <= 0)) std::abort();
    return 0;
}
