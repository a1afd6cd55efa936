#pragma once
// What the image browser tells about an image file, read from the file's
// own header: no pixel is decoded here, so a huge or damaged image costs
// only the bytes of its header. Plain C++, no Qt.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ImageInfo {
    std::int64_t height = 0;
    std::int64_t width = 0;
    int bitsPerPixel = 0;
    int planes = 0;
    std::int64_t colors = 0;  // 2^bits, capped at 16,777,216; a palette's own count where given
    std::string fileType;     // "BMP", "PNG", "GIF", "JPEG", "TIFF", "PCX", "WebP"
    std::string compression;
    std::uint64_t sizeBytes = 0;  // the whole file
};

// One reader per format; each returns nothing for bytes that are not a
// complete header of its format. sizeBytes is left at 0.
std::optional<ImageInfo> readBmpInfo(std::string_view bytes);
std::optional<ImageInfo> readPngInfo(std::string_view bytes);
std::optional<ImageInfo> readGifInfo(std::string_view bytes);
std::optional<ImageInfo> readJpegInfo(std::string_view bytes);
std::optional<ImageInfo> readTiffInfo(std::string_view bytes);
std::optional<ImageInfo> readPcxInfo(std::string_view bytes);
std::optional<ImageInfo> readWebpInfo(std::string_view bytes);

// Tries every reader by the file's leading bytes; sizeBytes = bytes.size().
std::optional<ImageInfo> readImageInfo(std::string_view bytes);

// The text the image box shows when the file cannot be read: chosen by the
// file name's extension.
std::string imageErrorText(std::string_view fileName);
