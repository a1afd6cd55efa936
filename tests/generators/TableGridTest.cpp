// The table grid: its HTML, its table file (write, tolerant read, backup)
// and its row operations.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TableGrid.h"
#include "TestSupport.h"

namespace {

// A grid of that size that writes no file when it goes.
void shape(tHTMLStringGrid& g, int rows, int cols) {
    g.AutoSave = false;
    g.SetRowCount(rows);
    g.SetColCount(cols);
}

std::vector<std::string> html(const tHTMLStringGrid& g) {
    std::vector<std::string> out;
    g.GenerateHTML(out);
    return out;
}

// The wizard's example table: 3 rows, 2 columns, headings, one empty cell,
// title 1 and title 2 as footer, the form's column widths.
void fillExample(tHTMLStringGrid& g) {
    shape(g, 3, 2);
    g.SetColWidth(0, 146);
    g.SetColWidth(1, 159);
    g.SetCell(0, 0, "Name");
    g.SetCell(1, 0, "Age");
    g.SetCell(0, 1, "Ann");
    g.SetCell(1, 1, "30");
    g.SetCell(0, 2, "Bob");
    g.Caption1 = "My Title";
    g.Caption2 = "Note";
    g.Caption2Placement = TCaption2Placement::cpBottom;
}

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

std::vector<std::string> column(const tHTMLStringGrid& g, int col) {
    std::vector<std::string> out;
    for (int r = 0; r < g.RowCount(); ++r) out.push_back(g.Cell(col, r));
    return out;
}

}  // namespace

TEST(TableGrid, WorkedExampleHtml) {
    tHTMLStringGrid g;
    g.AutoSave = false;
    fillExample(g);
    EXPECT_EQ(html(g), (std::vector<std::string>{
                           "<table border=1>", "<tr><th nowrap colspan=2>My Title</th></tr>", "<tr>",
                           "<TH nowrap>Name</TH>", "<TH nowrap>Age</TH>", "</tr>", "<tr>", "<td nowrap>Ann</td>",
                           "<td nowrap>30</td>", "</tr>", "<tr>", "<td nowrap>Bob</td>", "<td nowrap><br></td>",
                           "</tr>", "<tr><th nowrap colspan=2>Note</th></tr>", "</table><p>"}));
}

TEST(TableGrid, WorkedExampleFile) {
    tHTMLStringGrid g;
    g.AutoSave = false;
    fillExample(g);
    EXPECT_EQ(g.FileText(), crlf({"|", "3|2", "16", "My Title", "Note", "Bottom", "Column 0 Width: 146",
                                  "Column 1 Width: 159", "0|0|Name", "1|0|Age", "0|1|Ann", "1|1|30", "0|2|Bob", ""}));
}

// Variations of a one-column table: each changes one input and gives the whole output.
TEST(TableGrid, HtmlVariants) {
    struct Case {
        const char* name;
        std::function<void(tHTMLStringGrid&)> set;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"one row: heading row, bottom title, end",
         [](tHTMLStringGrid& g) {
             g.SetRowCount(1);
             g.Caption2 = "F";
             g.Caption2Placement = TCaption2Placement::cpBottom;
         },
         {"<table border=1>", "<tr>", "<TH nowrap>H</TH>", "</tr>", "<tr><th nowrap colspan=1>F</th></tr>",
          "</table><p>"}},
        {"no header: upper-case TD in row 0 only",
         [](tHTMLStringGrid& g) { g.HeaderOn = false; },
         {"<table border=1>", "<tr>", "<TD nowrap>H</TD>", "</tr>", "<tr>", "<td nowrap>x</td>", "</tr>",
          "</table><p>"}},
        {"title 2 on top, after title 1, and the border width",
         [](tHTMLStringGrid& g) {
             g.Caption1 = "A";
             g.Caption2 = "B";
             g.GridLineWidth = 7;
         },
         {"<table border=7>", "<tr><th nowrap colspan=1>A</th></tr>", "<tr><th nowrap colspan=1>B</th></tr>", "<tr>",
          "<TH nowrap>H</TH>", "</tr>", "<tr>", "<td nowrap>x</td>", "</tr>", "</table><p>"}},
        {"markup and empty heading copied unchanged",
         [](tHTMLStringGrid& g) {
             g.SetCell(0, 0, "");
             g.SetCell(0, 1, "<b>&amp;\"</b>");
         },
         {"<table border=1>", "<tr>", "<TH nowrap><br></TH>", "</tr>", "<tr>", "<td nowrap><b>&amp;\"</b></td>",
          "</tr>", "</table><p>"}},
    };
    for (const Case& c : cases) {
        tHTMLStringGrid g;
        shape(g, 2, 1);
        g.SetCell(0, 0, "H");
        g.SetCell(0, 1, "x");
        c.set(g);
        EXPECT_EQ(html(g), c.lines) << c.name;
    }
}

// Reading: each file is read over a 2x2 grid holding "keep" in (1,1); the
// grid afterwards is shown by the file it would write.
TEST(TableGrid, TolerantReader) {
    const std::string top = "|\r\n2|2\r\n16\r\n\r\n\r\nTop\r\n";
    struct Case {
        const char* name;
        std::string file;
        bool ok;
        std::vector<std::string> after;
    };
    const std::vector<Case> cases = {
        {"the example's lines; cells not named keep their text",
         crlf({"|", "3|2", "16", "My Title", "Note", "Bottom", "Column 0 Width: 146", "0|0|Name", "0|2|Bob", ""}), true,
         {"|", "3|2", "16", "My Title", "Note", "Bottom", "Column 0 Width: 146", "0|0|Name", "1|1|keep", "0|2|Bob", ""}},
        {"lower-case top means bottom", crlf({"|", "2|2", "16", "", "", "top"}), true,
         {"|", "2|2", "16", "", "", "Bottom", "1|1|keep", ""}},
        {"LF-only lines, no last line end", "|\n2|2\n20\n\n\nTop\nRow 1 Height: 30", true,
         {"|", "2|2", "20", "", "", "Top", "Row 1 Height: 30", "1|1|keep", ""}},
        {"a cell text keeps every later bar", top + "1|0|a|b||c\r\n", true,
         {"|", "2|2", "16", "", "", "Top", "1|0|a|b||c", "1|1|keep", ""}},
        {"another delimiter is kept; the reader still splits at bars", crlf({";", "2|2", "16", "", "", "Top", "0|1|x"}),
         true, {";", "2;2", "16", "", "", "Top", "0;1;x", "1;1;keep", ""}},
        {"an empty first line keeps the delimiter", crlf({"", "2|2", "16", "", "", "Top"}), true,
         {"|", "2|2", "16", "", "", "Top", "1|1|keep", ""}},
        {"rows, columns, cells and sizes out of range are skipped; other lines ignored",
         top + crlf({"Row 9 Height: 30", "Column 2 Width: 1", "5|0|far", "0|-1|neg", "Row 0 Height: 99999", "hi", ""}),
         true, {"|", "2|2", "16", "", "", "Top", "1|1|keep", ""}},
        {"counts beyond the bounds are clamped", crlf({"|", "9999|0", "16", "", "", "Top"}), true,
         {"|", "2000|1", "16", "", "", "Top", ""}},
        {"a bad number stops the load, keeping what was read",
         crlf({"|", "3|2", "16", "T", "", "Top", "0|0|first", "Row x Height: 3", "0|1|never"}), false,
         {"|", "3|2", "16", "T", "", "Top", "0|0|first", "1|1|keep", ""}},
        {"a size line without its label", top + "Rowan\r\n", false, {"|", "2|2", "16", "", "", "Top", "1|1|keep", ""}},
        {"a count line without a bar", crlf({"|", "22", "16"}), false, {"|", "2|2", "16", "", "", "Top", "1|1|keep", ""}},
        {"a cell line with one bar", top + "0|x\r\n", false, {"|", "2|2", "16", "", "", "Top", "1|1|keep", ""}},
        {"an empty file", "", true, {"|", "2|2", "16", "", "", "Top", "1|1|keep", ""}},
    };
    for (const Case& c : cases) {
        tHTMLStringGrid g;
        shape(g, 2, 2);
        g.SetCell(1, 1, "keep");
        const TableFileResult r = g.LoadFromText(c.file);
        EXPECT_EQ(r.ok, c.ok) << c.name << ": " << r.message;
        EXPECT_EQ(g.FileText(), crlf(c.after)) << c.name;
    }
}

TEST(TableGrid, SaveLoadRoundTripKeepsEverything) {
    qmtest::TempDir dir;
    const std::string name = dir.file("t.qtb").string();
    tHTMLStringGrid a;
    a.AutoSave = false;
    fillExample(a);
    a.SetCell(1, 2, "a|b");  // a bar in a cell survives
    a.SetCell(0, 1, "\xe9t\xe9");  // bytes that are not UTF-8 stay bytes
    a.SetRowHeight(2, 24);
    a.Caption2Placement = TCaption2Placement::cpTop;
    ASSERT_TRUE(a.SaveToFile(name));
    tHTMLStringGrid b;
    b.AutoSave = false;
    ASSERT_TRUE(b.SetFileName(name));
    EXPECT_EQ(b.FileName(), name);
    EXPECT_EQ(b.FileText(), a.FileText());
    EXPECT_EQ(b.Cell(1, 2), "a|b");
    EXPECT_EQ(html(b), html(a));
}

TEST(TableGrid, BackupOnSave) {
    qmtest::TempDir dir;
    const std::string name = dir.file("t.qtb").string();
    const std::string backup = name + "BAK";
    EXPECT_EQ(tHTMLStringGrid::BackupName(name), backup);
    tHTMLStringGrid g;
    g.AutoSave = false;
    g.SetCell(0, 0, "one");
    ASSERT_TRUE(g.SaveToFile(name));
    EXPECT_FALSE(std::filesystem::exists(backup)) << "no file to move yet";
    const std::string first = qmtest::readFile(name);
    g.SetCell(0, 0, "two");
    ASSERT_TRUE(g.SaveToFile(name));
    EXPECT_EQ(qmtest::readFile(backup), first);
    g.SetCell(0, 0, "three");
    ASSERT_TRUE(g.SaveToFile(name));
    EXPECT_EQ(qmtest::readFile(backup), first) << "an existing backup stays";
    EXPECT_EQ(qmtest::readFile(name), g.FileText());

    g.AutoBackup = false;
    std::filesystem::remove(backup);
    ASSERT_TRUE(g.SaveToFile(name));
    EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST(TableGrid, FileFailures) {
    qmtest::TempDir dir;
    tHTMLStringGrid g;
    g.AutoSave = false;
    g.SetCell(0, 0, "x");
    const std::string bad = dir.file("no/such/folder/t.qtb").string();
    const TableFileResult saved = g.SaveToFile(bad);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.message, bad + " is not a valid file name.");

    EXPECT_TRUE(g.LoadFromFile(dir.file("missing.qtb").string())) << "a missing file is ignored";
    EXPECT_EQ(g.Cell(0, 0), "x");
    const TableFileResult folder = g.LoadFromFile(dir.path().string());
    EXPECT_FALSE(folder) << "a folder is refused before it is read";
    EXPECT_EQ(g.Cell(0, 0), "x");
}

TEST(TableGrid, RowOperations) {
    auto grid = [](tHTMLStringGrid& g) {
        shape(g, 3, 1);
        for (int r = 0; r < 3; ++r) g.SetCell(0, r, std::string(1, char('a' + r)));
        g.SetRowHeight(0, 30);
    };
    struct Case {
        const char* name;
        std::function<void(tHTMLStringGrid&)> op;
        std::vector<std::string> cells;
        int heightOfA;  // row now holding "a" has height 30
    };
    const std::vector<Case> cases = {
        {"insert on row 0 moves the heading row down", [](tHTMLStringGrid& g) { g.InsertRow(0); }, {"", "a", "b", "c"}, 1},
        {"insert in the middle", [](tHTMLStringGrid& g) { g.InsertRow(2); }, {"a", "b", "", "c"}, 0},
        {"delete the first row", [](tHTMLStringGrid& g) { g.DeleteRow(0); }, {"b", "c"}, -1},
        {"delete the last row", [](tHTMLStringGrid& g) { g.DeleteRow(2); }, {"a", "b"}, 0},
        {"delete out of range does nothing", [](tHTMLStringGrid& g) { g.DeleteRow(3); }, {"a", "b", "c"}, 0},
        {"move a row down", [](tHTMLStringGrid& g) { g.MoveRow(0, 2); }, {"b", "c", "a"}, 2},
        {"clear keeps sizes", [](tHTMLStringGrid& g) { g.ClearCells(); }, {"", "", ""}, -1},
    };
    for (const Case& c : cases) {
        tHTMLStringGrid g;
        grid(g);
        c.op(g);
        EXPECT_EQ(column(g, 0), c.cells) << c.name;
        if (c.heightOfA >= 0) {
            EXPECT_EQ(g.RowHeight(c.heightOfA), 30) << c.name;
        }
    }
    tHTMLStringGrid one;
    one.AutoSave = false;
    one.SetRowCount(1);
    one.DeleteRow(0);
    EXPECT_EQ(one.RowCount(), 1) << "the last row stays";
}

TEST(TableGrid, ColumnsMoveWithTheirWidths) {
    tHTMLStringGrid g;
    g.AutoSave = false;
    g.SetColCount(3);
    g.SetCell(0, 0, "x");
    g.SetColWidth(0, 100);
    g.MoveCol(0, 2);
    EXPECT_EQ(g.Cell(2, 0), "x");
    EXPECT_EQ(g.ColWidth(2), 100);
    EXPECT_EQ(g.ColWidth(0), tHTMLStringGrid::kDefaultColWidth);
}
