// One image header reader (chosen by QM_IMAGE_READER at build time) on any
// bytes: it never reads past the end, and what it reports fits the bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ImageInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto info = QM_IMAGE_READER(bytes)) {
        if (info->width < 0 || info->height < 0 || info->colors < 0 || info->fileType.empty()) std::abort();
    }
    if (const auto any = readImageInfo(bytes); any && any->sizeBytes != size) std::abort();
    return 0;
}
