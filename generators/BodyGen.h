#pragma once
// The Body wizard's BODY start tag and the sample page it is shown in. A
// colour is a number of up to six hexadecimal digits, meant as RRGGBB; it is
// shown and written as six upper-case digits with leading zeros, the form
// browsers expect after "#".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bodygen {

inline constexpr std::uint32_t kMaxColour = 0xFFFFFF;
inline constexpr int kColourStep = 64;

struct Body {
    std::string image;
    // Field texts, each written after "#" as it stands.
    std::string background = "000000";
    std::string text = "FFFFFF";
    std::string link = "00FFFF";
    std::string visited = "00FF00";
    std::string active = "0000FF";
};

// All six attributes in order, the image's even when empty, a blank before ">".
std::string bodyTag(const Body& b);

// The heading, the text and the link shown under the tag in the sample.
std::vector<std::string> sampleLines();

// The field text of a number, clamped to six digits: "0000FF".
std::string colourText(std::uint32_t value);
// The number of a field text (hexadecimal digits only; empty is 0; more
// than six digits keep the last six).
std::uint32_t colourValue(std::string_view text);
// One spinner click: the number moved by `steps` times 64, kept in 0..FFFFFF.
std::uint32_t stepColour(std::uint32_t value, int steps);

}  // namespace bodygen
