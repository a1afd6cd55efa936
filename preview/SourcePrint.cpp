#include "SourcePrint.h"

#include <algorithm>

#include "LineLayout.h"
#include "Utf8.h"

namespace sourceprint {

namespace {

// Cut to at most max bytes, whole characters only.
std::string cut(std::string s, std::size_t max) {
    if (s.size() <= max) return s;
    std::size_t at = max;
    while (at > 0 && !utf8::isBoundary(s.data(), s.size(), at)) --at;
    s.resize(at);
    return s;
}

std::size_t charCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += std::max<std::size_t>(1, utf8::charLength(s.data() + i, s.size() - i))) ++n;
    return n;
}

}  // namespace

std::vector<std::string> allLines(const LineSource& line, int lineCount, int tabSize) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(std::max(0, lineCount)));
    for (int i = 1; i <= lineCount; ++i) out.push_back(cut(qm::layout::expandTabs(line(i), tabSize), kMaxLineBytes));
    return out;
}

std::vector<std::string> selectedLines(const LineSource& line, const Selection& sel, int tabSize) {
    std::vector<std::string> out;
    for (int i = sel.startLine; i <= sel.endLine; ++i) {
        const std::string_view raw = line(i);
        const std::string full = qm::layout::expandTabs(raw, tabSize);
        // Byte columns of the stored line become offsets into the expanded one.
        auto expandedAt = [&](int column) {
            const std::size_t bytes = std::min<std::size_t>(raw.size(), static_cast<std::size_t>(std::max(0, column - 1)));
            return qm::layout::expandTabs(raw.substr(0, bytes), tabSize).size();
        };
        const std::size_t from = i == sel.startLine ? expandedAt(sel.startColumn) : 0;
        const std::size_t to = i == sel.endLine ? expandedAt(sel.endColumn) : full.size();
        std::string text(charCount(std::string_view(full).substr(0, from)), ' ');
        if (to > from) text += full.substr(from, to - from);
        out.push_back(cut(std::move(text), kMaxLineBytes));
    }
    return out;
}

std::vector<std::string> rowsOf(const std::string& line, int columns) {
    std::vector<std::string> rows;
    const std::size_t width = static_cast<std::size_t>(std::max(1, columns));
    std::size_t start = 0;
    std::size_t count = 0;
    for (std::size_t i = 0; i < line.size();) {
        if (count == width) {
            rows.push_back(line.substr(start, i - start));
            start = i;
            count = 0;
        }
        i += std::max<std::size_t>(1, utf8::charLength(line.data() + i, line.size() - i));
        ++count;
    }
    rows.push_back(line.substr(start));
    return rows;
}

int rowsPerPage(int pageHeight, int lineHeight) {
    if (lineHeight <= 0) return 1;
    // Row k (from 0) ends at (k + 1) * lineHeight and must stay above
    // pageHeight - 2 * lineHeight.
    return std::max(1, pageHeight / lineHeight - 2);
}

}  // namespace sourceprint
