#pragma once
// Display layout of paragraph bytes: where wrapped lines start, and how bytes
// map to display columns. A character is one valid UTF-8 sequence or one
// other byte and takes one column; a tab advances to the next multiple of the
// tab size, counted from the start of its display line. No line start and no
// column boundary ever falls inside a UTF-8 sequence.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm::layout {

inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The start of the display line after the one that starts at byte s, for
// wrap column w and tab size t; text.size() when the rest of the paragraph
// fits on the line. Blanks at a break stay at the end of the line, a hyphen
// ends its line, and a word with no break before it is cut at the column.
std::size_t nextLineStart(std::string_view text, std::size_t s, std::int32_t w, std::int32_t t);

// Appends to out the line starts after byte `from` (itself a line start).
void breakParagraph(std::string_view text, std::size_t from, std::int32_t w, std::int32_t t,
                    std::vector<std::uint32_t>& out);

// Display columns taken by the first `bytes` bytes of a display line.
std::int32_t columnsOf(std::string_view line, std::size_t bytes, std::int32_t t);
// The same, going on from byte `from` (a character start) at column `col`.
std::int32_t columnsFrom(std::string_view line, std::size_t from, std::int32_t col, std::size_t bytes, std::int32_t t);

// The byte offset of the character covering 0-based display column `col`;
// past the end: line.size() plus the columns beyond. startCol, if given,
// receives the column where that character starts (before col for a tab
// that covers it). Runs of plain ASCII are passed sixteen bytes at a time.
std::size_t byteAtColumn(std::string_view line, std::int32_t col, std::int32_t t, std::int32_t* startCol = nullptr);

// The line with every tab replaced by the spaces it stands for.
std::string expandTabs(std::string_view line, std::int32_t t);

}  // namespace qm::layout
