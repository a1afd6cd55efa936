// The tip reader on any bytes: every line formats within its bounds and the
// ring of tips wraps both ways without leaving its range.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Tips.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto lines = tips::parseTips(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& line : lines)
        if (tips::formatTip(line).text.size() > tips::kMaxTipLength) std::abort();
    tips::TipRing ring(lines, size);
    for (std::size_t i = 0; i < lines.size() + 2; ++i) ring.next();
    for (std::size_t i = 0; i < lines.size() + 3; ++i) ring.previous();
    if (!lines.empty() && ring.index() >= lines.size()) std::abort();
    return 0;
}
