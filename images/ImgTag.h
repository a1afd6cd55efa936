#pragma once
// The IMG tag the image browser inserts: a start text ending in an open ALT
// value, and the end text that closes it, so that the selection becomes the
// ALT text. Plain C++, no Qt.

#include <cstdint>
#include <string>
#include <utility>

struct ImgTagFields {
    std::string name;
    bool slashes = true;      // every backslash of the name becomes a slash
    std::int64_t width = 0;   // 0: no WIDTH
    std::int64_t height = 0;  // 0: no HEIGHT
    int border = 1;
};

// {start, end}
std::pair<std::string, std::string> imgTagPair(const ImgTagFields& f);
