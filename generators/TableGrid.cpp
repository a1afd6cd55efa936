#include "TableGrid.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <exception>
#include <optional>
#include <sys/stat.h>

#include "DurableFile.h"

namespace {

const std::string kEmpty;

// A decimal integer with an optional sign; leading blanks are allowed,
// nothing may follow.
std::optional<int> parseInt(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

TableFileResult invalidInteger(std::string_view text) {
    return {false, "'" + std::string(text) + "' is not a valid integer value"};
}

template <class T>
void moveItem(std::vector<T>& v, int from, int to) {
    const auto f = v.begin() + from, t = v.begin() + to;
    if (from < to) std::rotate(f, f + 1, t + 1);
    else if (to < from) std::rotate(t, f, f + 1);
}

bool fileExists(const std::string& name) {
    struct stat st;
    return ::lstat(name.c_str(), &st) == 0;
}

}  // namespace

tHTMLStringGrid::tHTMLStringGrid() {
    SetColCount(5);
    SetRowCount(5);
}

tHTMLStringGrid::~tHTMLStringGrid() {
    if (!AutoSave || fileName_.empty()) return;
    try {
        const TableFileResult r = SaveToFile(fileName_);
        if (!r) std::fprintf(stderr, "quillmar: %s\n", r.message.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quillmar: %s\n", e.what());
    } catch (...) {
    }
}

void tHTMLStringGrid::SetRowCount(int count) {
    count = std::clamp(count, 1, kMaxRows);
    rows_.resize(static_cast<std::size_t>(count), std::vector<std::string>(colWidths_.size()));
    rowHeights_.resize(static_cast<std::size_t>(count), defaultRowHeight_);
}

void tHTMLStringGrid::SetColCount(int count) {
    count = std::clamp(count, 1, kMaxCols);
    colWidths_.resize(static_cast<std::size_t>(count), kDefaultColWidth);
    for (auto& row : rows_) row.resize(colWidths_.size());
}

void tHTMLStringGrid::SetDefaultRowHeight(int height) {
    defaultRowHeight_ = height;
    std::fill(rowHeights_.begin(), rowHeights_.end(), height);
}

const std::string& tHTMLStringGrid::Cell(int col, int row) const {
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return kEmpty;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void tHTMLStringGrid::SetCell(int col, int row, std::string text) {
    if (row < 0 || row >= RowCount() || col < 0 || col >= ColCount()) return;
    rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(text);
}

void tHTMLStringGrid::ClearCells() {
    for (auto& row : rows_) std::fill(row.begin(), row.end(), std::string());
}

void tHTMLStringGrid::InsertRow(int row) {
    if (RowCount() >= kMaxRows) return;
    SetRowCount(RowCount() + 1);
    MoveRow(RowCount() - 1, std::clamp(row, 0, RowCount() - 1));
}

void tHTMLStringGrid::DeleteRow(int row) {
    if (RowCount() <= 1 || row < 0 || row >= RowCount()) return;
    MoveRow(row, RowCount() - 1);
    rows_.pop_back();
    rowHeights_.pop_back();
}

void tHTMLStringGrid::MoveRow(int from, int to) {
    if (from < 0 || to < 0 || from >= RowCount() || to >= RowCount()) return;
    moveItem(rows_, from, to);
    moveItem(rowHeights_, from, to);
}

void tHTMLStringGrid::MoveCol(int from, int to) {
    if (from < 0 || to < 0 || from >= ColCount() || to >= ColCount()) return;
    for (auto& row : rows_) moveItem(row, from, to);
    moveItem(colWidths_, from, to);
}

void tHTMLStringGrid::GenerateHTML(std::vector<std::string>& lines) const {
    const std::string cols = std::to_string(ColCount());
    auto title = [&](const std::string& text) { return "<tr><th nowrap colspan=" + cols + ">" + text + "</th></tr>"; };
    auto text = [](const std::string& cell) { return cell.empty() ? std::string("<br>") : cell; };

    lines.push_back("<table border=" + std::to_string(GridLineWidth) + ">");
    if (!Caption1.empty()) lines.push_back(title(Caption1));
    if (Caption2Placement == TCaption2Placement::cpTop && !Caption2.empty()) lines.push_back(title(Caption2));
    // The first row keeps upper-case tag names whether or not it is a heading.
    const char* open = HeaderOn ? "<TH nowrap>" : "<TD nowrap>";
    const char* close = HeaderOn ? "</TH>" : "</TD>";
    lines.push_back("<tr>");
    for (const std::string& cell : rows_.front()) lines.push_back(open + text(cell) + close);
    lines.push_back("</tr>");
    for (std::size_t r = 1; r < rows_.size(); ++r) {
        lines.push_back("<tr>");
        for (const std::string& cell : rows_[r]) lines.push_back("<td nowrap>" + text(cell) + "</td>");
        lines.push_back("</tr>");
    }
    if (Caption2Placement == TCaption2Placement::cpBottom && !Caption2.empty()) lines.push_back(title(Caption2));
    lines.push_back("</table><p>");
}

std::string tHTMLStringGrid::FileText() const {
    const std::string d(1, CellDelimiter);
    std::string out;
    auto line = [&out](const std::string& text) { out += text + "\r\n"; };
    line(d);
    line(std::to_string(RowCount()) + d + std::to_string(ColCount()));
    line(std::to_string(defaultRowHeight_));
    line(Caption1);
    line(Caption2);
    line(Caption2Placement == TCaption2Placement::cpTop ? "Top" : "Bottom");
    for (int r = 0; r < RowCount(); ++r)
        if (RowHeight(r) != defaultRowHeight_) line("Row " + std::to_string(r) + " Height: " + std::to_string(RowHeight(r)));
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidth(c) != kDefaultColWidth) line("Column " + std::to_string(c) + " Width: " + std::to_string(ColWidth(c)));
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (!Cell(c, r).empty()) line(std::to_string(c) + d + std::to_string(r) + d + Cell(c, r));
    line("");
    return out;
}

TableFileResult tHTMLStringGrid::SaveToFile(const std::string& name) const {
    durable::WriteOptions options;
    const std::string backup = BackupName(name);
    // A move onto an existing backup fails and leaves that backup alone.
    if (AutoBackup && fileExists(name) && !fileExists(backup)) options.backupPath = backup;
    if (!durable::writeFile(name, FileText(), options)) return {false, name + " is not a valid file name."};
    return {};
}

TableFileResult tHTMLStringGrid::LoadFromFile(const std::string& name) {
    const durable::ReadResult file = durable::readFile(name);
    if (file.error == ENOENT) return {};
    if (!file) return {false, "Cannot open " + name + ": " + file.reason};
    return LoadFromText(file.bytes);
}

TableFileResult tHTMLStringGrid::SetFileName(const std::string& name) {
    fileName_ = name;
    return name.empty() ? TableFileResult{} : LoadFromFile(name);
}

TableFileResult tHTMLStringGrid::LoadFromText(std::string_view bytes) {
    // Lines end in LF, a CR before it dropped; a last line without one counts.
    std::vector<std::string_view> lines;
    for (std::size_t from = 0; from < bytes.size();) {
        std::size_t nl = bytes.find('\n', from);
        const std::size_t end = nl == std::string_view::npos ? bytes.size() : nl;
        std::string_view line = bytes.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        from = end + 1;
    }
    auto at = [&lines](std::size_t i) { return i < lines.size() ? lines[i] : std::string_view(); };
    // Splits at the first "|": the text before it (all of it when there is
    // none, as the number parser then sees nothing) and the rest.
    auto split = [](std::string_view s) {
        const std::size_t bar = s.find('|');
        if (bar == std::string_view::npos) return std::pair{std::string_view(), s};
        return std::pair{s.substr(0, bar), s.substr(bar + 1)};
    };
    // "<name> <index> <label>: <value>", the index starting at `from`.
    struct Sized {
        std::string_view index, value;
    };
    auto sized = [](std::string_view s, std::size_t from, std::string_view label) {
        const std::size_t k = s.find(label);
        if (k == std::string_view::npos || k < from + 1) return Sized{{}, {}};
        return Sized{s.substr(from, k - 1 - from), s.substr(k + label.size())};
    };

    if (lines.empty()) return {};
    if (!at(0).empty()) CellDelimiter = at(0).front();
    if (lines.size() < 2) return {};
    const auto [rowText, colText] = split(at(1));
    const std::optional<int> rows = parseInt(rowText);
    if (!rows) return invalidInteger(rowText);
    SetRowCount(*rows);
    const std::optional<int> cols = parseInt(colText);
    if (!cols) return invalidInteger(colText);
    SetColCount(*cols);
    if (lines.size() < 3) return {};
    const std::optional<int> height = parseInt(at(2));
    if (!height) return invalidInteger(at(2));
    SetDefaultRowHeight(std::clamp(*height, 0, kMaxSize));
    Caption1 = at(3);
    Caption2 = at(4);
    Caption2Placement = at(5) == "Top" ? TCaption2Placement::cpTop : TCaption2Placement::cpBottom;

    for (std::size_t i = 6; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const bool isRow = line.substr(0, 3) == "Row";
        if (isRow || line.substr(0, 6) == "Column") {
            const Sized s = isRow ? sized(line, 4, "Height: ") : sized(line, 7, "Width: ");
            const std::optional<int> index = parseInt(s.index);
            if (!index) return invalidInteger(s.index);
            const std::optional<int> size = parseInt(s.value);
            if (!size) return invalidInteger(s.value);
            if (*index < 0 || *index >= (isRow ? RowCount() : ColCount()) || *size < 0 || *size > kMaxSize) continue;
            if (isRow) SetRowHeight(*index, *size);
            else SetColWidth(*index, *size);
        } else if (line.find('|') != std::string_view::npos) {
            const auto [colPart, rest] = split(line);
            const auto [rowPart, text] = split(rest);
            const std::optional<int> col = parseInt(colPart);
            if (!col) return invalidInteger(colPart);
            const std::optional<int> row = parseInt(rowPart);
            if (!row) return invalidInteger(rowPart);
            SetCell(*col, *row, std::string(text));
        }
    }
    return {};
}
