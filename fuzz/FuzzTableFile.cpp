// Any bytes read as a table file leave a grid that keeps its invariants and
// whose own file reads back to the same grid. The reader works on the bytes
// in memory; ASan catches a read past them.

#include "TableGrid.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tHTMLStringGrid a;
    a.AutoSave = false;
    a.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (a.RowCount() < 1 || a.RowCount() > tHTMLStringGrid::kMaxRows || a.ColCount() < 1 ||
        a.ColCount() > tHTMLStringGrid::kMaxCols)
        std::abort();
    std::vector<std::string> html;
    a.GenerateHTML(html);
    // The writer uses the file's delimiter; the reader always splits at "|".
    if (a.CellDelimiter != '|') return 0;
    const std::string text = a.FileText();
    tHTMLStringGrid b;
    b.AutoSave = false;
    if (!b.LoadFromText(text) || b.FileText() != text) std::abort();
    return 0;
}
