#pragma once
// The table wizard's grid as data (tHTMLStringGrid): cell texts addressed as
// column and row from 0, row heights, column widths, the titles and the
// border, which writes itself as HTML and as a table definition file (.qtb).
// Plain C++: the dialog's view shows it, and the fuzz target reads files
// through it alone.
//
// Cell and title texts are bytes, copied into the HTML and the file
// unchanged. Invariants: RowCount() >= 1, ColCount() >= 1, every row holds
// ColCount() cells, rowHeights_.size() == RowCount(), colWidths_.size() ==
// ColCount().

#include <string>
#include <string_view>
#include <vector>

enum class TCaption2Placement { cpTop, cpBottom };

// What a load or a save did. A failed load keeps what was read before the
// failing line; message is the text for the user.
struct TableFileResult {
    bool ok = true;
    std::string message;
    explicit operator bool() const { return ok; }
};

class tHTMLStringGrid {
public:
    static constexpr int kDefaultRowHeight = 16;
    static constexpr int kDefaultColWidth = 64;
    // Bounds a table file may ask for: beyond them a file could make the
    // program allocate without limit. The dialog's spin boxes stay well inside.
    static constexpr int kMaxRows = 2000;
    static constexpr int kMaxCols = 500;
    static constexpr int kMaxSize = 10000;  // pixels, for heights and widths

    tHTMLStringGrid();
    // With AutoSave and a FileName, saves to it (a failure is written to the
    // standard error stream: there is no window left to show it in).
    ~tHTMLStringGrid();
    tHTMLStringGrid(const tHTMLStringGrid&) = delete;  // the destructor writes a file
    tHTMLStringGrid& operator=(const tHTMLStringGrid&) = delete;

    // ---- Published properties ----
    bool HeaderOn = true;
    bool AutoSave = true;
    bool AutoBackup = true;
    char CellDelimiter = '|';
    std::string Caption1;
    std::string Caption2;
    TCaption2Placement Caption2Placement = TCaption2Placement::cpTop;
    // The table's border, as the grid's own line width.
    int GridLineWidth = 1;

    // ---- Sizes (counts are clamped to 1..kMaxRows / 1..kMaxCols) ----
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int ColCount() const { return static_cast<int>(colWidths_.size()); }
    void SetRowCount(int count);
    void SetColCount(int count);
    int RowHeight(int row) const { return rowHeights_.at(static_cast<std::size_t>(row)); }
    void SetRowHeight(int row, int height) { rowHeights_.at(static_cast<std::size_t>(row)) = height; }
    int ColWidth(int col) const { return colWidths_.at(static_cast<std::size_t>(col)); }
    void SetColWidth(int col, int width) { colWidths_.at(static_cast<std::size_t>(col)) = width; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Resets every row to the new height.
    void SetDefaultRowHeight(int height);
    int DefaultColWidth() const { return kDefaultColWidth; }

    // ---- Cells (out-of-range reads give an empty text) ----
    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);
    // Empties every cell, the heading row included; sizes and titles stay.
    void ClearCells();

    // ---- Rows ----
    // A blank row at index row; the rows from there on move down by one.
    void InsertRow(int row);
    // Removes that row (never the last one left); the rows below move up.
    void DeleteRow(int row);
    // Moves a row or a column, with its height or width, as a drag does.
    void MoveRow(int from, int to);
    void MoveCol(int from, int to);

    // ---- HTML and the table file ----
    // Appends the table, one HTML line per item.
    void GenerateHTML(std::vector<std::string>& lines) const;
    // The table definition file's bytes (CR LF after every line).
    std::string FileText() const;
    // Writes FileText() through the durable-write routine, first moving an
    // existing file to BackupName() when AutoBackup is set and no such
    // backup exists yet (an existing backup is kept, as it was).
    TableFileResult SaveToFile(const std::string& name) const;
    // Reads a table file over the grid (cells it does not name keep their
    // text). A missing file does nothing. Counts are clamped to the bounds;
    // lines naming rows, columns or cells outside the grid, or sizes outside
    // 0..kMaxSize, are skipped.
    TableFileResult LoadFromFile(const std::string& name);
    TableFileResult LoadFromText(std::string_view bytes);
    static std::string BackupName(const std::string& name) { return name + "BAK"; }

    const std::string& FileName() const { return fileName_; }
    // Stores the name and loads the file when the name is not empty.
    TableFileResult SetFileName(const std::string& name);
    // Stores the name alone (the save dialogs name a file without loading it).
    void NameFile(const std::string& name) { fileName_ = name; }

private:
    std::vector<std::vector<std::string>> rows_;  // rows_[row][col]
    std::vector<int> rowHeights_;
    std::vector<int> colWidths_;
    int defaultRowHeight_ = kDefaultRowHeight;
    std::string fileName_;
};
