#pragma once
// The position vocabulary of the text engine. Each kind of number is its own
// type, so a byte column can never be passed where a display column belongs,
// nor a display line where a paragraph number belongs. All count from 1.
//
//   ParaNum     paragraph number, 1 .. ParagraphCount()
//   ParaPos     position in a paragraph: byte index + 1, 1 .. length + 1 (the end)
//   LineNum     display line number over the whole text, 1 .. LineCount()
//   ByteCol     column in a display line counted in bytes, 1 .. line length + 1
//   DisplayCol  column on screen: one per character (UTF-8 sequence or other
//               byte), tabs advancing to the next multiple of the tab size

#include <compare>
#include <cstdint>

namespace qm {

template <class Tag>
struct Index {
    std::int32_t value = 0;

    constexpr Index() = default;
    constexpr explicit Index(std::int32_t v) : value(v) {}

    friend constexpr auto operator<=>(Index, Index) = default;
    friend constexpr bool operator==(Index, Index) = default;

    // Offsets keep the type; the distance between two indexes is a plain count.
    friend constexpr Index operator+(Index a, std::int32_t d) { return Index(a.value + d); }
    friend constexpr Index operator-(Index a, std::int32_t d) { return Index(a.value - d); }
    friend constexpr std::int32_t operator-(Index a, Index b) { return a.value - b.value; }
    constexpr Index& operator+=(std::int32_t d) { value += d; return *this; }
    constexpr Index& operator-=(std::int32_t d) { value -= d; return *this; }
    constexpr Index& operator++() { ++value; return *this; }
    constexpr Index& operator--() { --value; return *this; }
};

using ParaNum = Index<struct ParaNumTag>;
using ParaPos = Index<struct ParaPosTag>;
using LineNum = Index<struct LineNumTag>;
using ByteCol = Index<struct ByteColTag>;
using DisplayCol = Index<struct DisplayColTag>;

// A place in the text as the store addresses it. (0, 0) means "unset" for markers.
struct TextPos {
    ParaNum para;
    ParaPos pos;
    friend constexpr auto operator<=>(const TextPos&, const TextPos&) = default;
    friend constexpr bool operator==(const TextPos&, const TextPos&) = default;
};

// A place in the text as the view addresses it.
struct LinePos {
    LineNum line;
    ByteCol col;
    friend constexpr auto operator<=>(const LinePos&, const LinePos&) = default;
    friend constexpr bool operator==(const LinePos&, const LinePos&) = default;
};

// "Up to the end of the text" as the last line of a changed-line range.
inline constexpr std::int32_t kToEndOfText = 2147483647;

}  // namespace qm
