#pragma once
// The source text as it is printed: each display line with its tabs
// expanded and cut to 1024 bytes, or only the selection, with the columns
// before its start blanked so the selected text keeps its place; then cut
// into rows that fit the page's width and into pages. Plain C++.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sourceprint {

constexpr std::size_t kMaxLineBytes = 1024;

// Display lines and byte columns from 1; the end column is that of the
// position after the last selected character.
struct Selection {
    int startLine = 0;
    int startColumn = 0;
    int endLine = 0;
    int endColumn = 0;
};

// A display line's stored bytes (tabs not expanded).
using LineSource = std::function<std::string_view(int line)>;

// Every display line, 1 to lineCount, as printed.
std::vector<std::string> allLines(const LineSource& line, int lineCount, int tabSize);

// The selected lines as printed. The selection's byte columns are mapped
// onto the expanded line: a tab inside the selection prints whole.
std::vector<std::string> selectedLines(const LineSource& line, const Selection& sel, int tabSize);

// A printed line cut into rows of at most `columns` characters (at least
// one row, even for an empty line).
std::vector<std::string> rowsOf(const std::string& line, int columns);

// How many rows fit a page: a row starts a new page when it would come
// within two line heights of the bottom. At least one.
int rowsPerPage(int pageHeight, int lineHeight);

}  // namespace sourceprint
