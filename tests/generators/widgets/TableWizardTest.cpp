// The table wizard on a wired main window: its fields, OK into a document or
// onto the clipboard, the grid's keys, and its table files.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>

#include "DocumentFixture.h"
#include "Paths.h"
#include "RecordingHooks.h"
#include "TTextEditControl.h"
#include "TableGridView.h"
#include "TfHTML.h"
#include "TfTableWiz.h"

namespace {

const char* const kExample[] = {"<table border=1>", "<tr><th nowrap colspan=2>My Title</th></tr>", "<tr>",
                                "<TH nowrap>Name</TH>", "<TH nowrap>Age</TH>", "</tr>", "<tr>", "<td nowrap>Ann</td>",
                                "<td nowrap>30</td>", "</tr>", "<tr>", "<td nowrap>Bob</td>", "<td nowrap><br></td>",
                                "</tr>", "<tr><th nowrap colspan=2>Note</th></tr>", "</table><p>"};

std::string exampleText(const char* eol) {
    std::string out;
    for (const char* line : kExample) out += std::string(line) + eol;
    return out;
}

class TableWizardTest : public DocumentTest {
protected:
    TfTableWiz* open(TmdiMain& w) {
        w.runCommand("TableWizard1Click");
        auto* wiz = w.findChild<TfTableWiz*>();
        EXPECT_TRUE(wiz && wiz->isVisible());
        return wiz;
    }
    static void setCell(TfTableWiz* wiz, int col, int row, const QString& text) {
        TableGridModel* m = wiz->grdTable->gridModel();
        m->setData(m->index(row, col), text);
    }
    // The worked example, entered through the dialog's fields.
    static void fillExample(TfTableWiz* wiz) {
        wiz->spnRows->setValue(3);
        for (auto [col, heading] : {std::pair{0, "Name"}, std::pair{1, "Age"}}) {
            wiz->grdTable->setCurrentCell(col, 1);
            wiz->txtHead->setText(QString::fromLatin1(heading));
            wiz->btnSetHead->click();
        }
        setCell(wiz, 0, 1, "Ann");
        setCell(wiz, 1, 1, "30");
        setCell(wiz, 0, 2, "Bob");
        wiz->txtTitle2->setText("Note");
        wiz->optUseTitle2->click();
    }
    static void key(TfTableWiz* wiz, int col, int row, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        wiz->grdTable->setCurrentCell(col, row);
        QTest::keyClick(wiz->grdTable, k, mods);
    }
    static QStringList column0(TfTableWiz* wiz) {
        QStringList out;
        for (int r = 0; r < wiz->grid().RowCount(); ++r) out << QString::fromStdString(wiz->grid().Cell(0, r));
        return out;
    }
};

}  // namespace

TEST_F(TableWizardTest, DialogAsFormed) {
    auto w = startWired();
    TfTableWiz* wiz = open(*w);
    ASSERT_TRUE(wiz);
    EXPECT_EQ(wiz->windowTitle(), "Quillmar Table Wizard");
    EXPECT_TRUE(wiz->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(wiz->isModal());
    struct Spin {
        QSpinBox* box;
        int value, min, max;
        const char* hint;
    };
    for (const Spin& s : {Spin{wiz->spnRows, 2, 1, 500, "Set No of Rows"}, Spin{wiz->spnCols, 2, 1, 500, "Set No of Columns"},
                          Spin{wiz->spnBorder, 1, 1, 50, "Set the Table Border Width"}}) {
        EXPECT_EQ(s.box->value(), s.value) << s.hint;
        EXPECT_EQ(s.box->minimum(), s.min) << s.hint;
        EXPECT_EQ(s.box->maximum(), s.max) << s.hint;
        EXPECT_EQ(s.box->toolTip(), s.hint);
    }
    for (auto [box, caption, ticked] :
         {std::tuple{wiz->chkHeader, "First Row is Header", true}, std::tuple{wiz->optUseTitle1, "Use Title 1 ?", true},
          std::tuple{wiz->optUseTitle2, "Use Title 2 ?", false}, std::tuple{wiz->opt2asfooter, "As Footer ?", true}}) {
        EXPECT_EQ(box->text(), caption);
        EXPECT_EQ(box->isChecked(), ticked) << caption;
    }
    EXPECT_EQ(wiz->txtHead->text(), "Heading");
    EXPECT_EQ(wiz->txtTitle1->text(), "My Title");
    EXPECT_EQ(wiz->txtTitle2->text(), "");
    EXPECT_EQ(wiz->grdTable->horizontalHeader()->sectionSize(0), 146);
    EXPECT_EQ(wiz->grdTable->horizontalHeader()->sectionSize(1), 159);
    EXPECT_EQ(wiz->grdTable->verticalHeader()->sectionSize(1), 16);
    EXPECT_TRUE(wiz->OKBtn->isDefault());
    EXPECT_EQ(wiz->CancelBtn->text(), "&Cancel");
    EXPECT_EQ(w->actionsFor("TableWizard1Click").size(), 3) << "the menu item and two toolbar buttons";

    wiz->FormActivate();
    EXPECT_EQ(TfTableWiz::kHint,
              "Set the number of Rows and Columns.  Then enter your text into the Cells.\n\r\n\rWhen ready, click on the "
              "\"OK\" button to copy the table definition to the current document.");
    EXPECT_EQ(wiz->pnlHint->text(), QString(TfTableWiz::kHint).remove('\r'));
    RecordingHelp help;
    wiz->HelpBtn->click();
    EXPECT_EQ(help.calls, QStringList{"context quillmar.hlp 100"});

    // Closed and shown again: the same window, the same contents.
    setCell(wiz, 0, 1, "kept");
    wiz->CancelBtn->click();
    EXPECT_FALSE(wiz->isVisible());
    EXPECT_EQ(open(*w), wiz);
    EXPECT_EQ(wiz->grid().Cell(0, 1), "kept");
    EXPECT_EQ(w->findChildren<TfTableWiz*>().size(), 1);
    wiz->close();
    EXPECT_NE(qmtest::readFile(paths::profileFile("quilopt.ini")).find("[Table Wizard]\r\nFORM_PLACE="),
              std::string::npos);
}

TEST_F(TableWizardTest, WorkedExamplePastedIntoTheDocument) {
    auto w = startWired();
    w->runCommand("FileNew");
    TfHTML* doc = activeHtmlDocument(*w);
    ASSERT_TRUE(doc);
    doc->txtHTML()->ClearAll();
    doc->txtHTML()->InsertText("before\nafter");
    doc->txtHTML()->SelectRange(1, 7, 2, 1);  // the line end: replaced by the table
    TfTableWiz* wiz = open(*w);
    fillExample(wiz);
    wiz->OKBtn->click();
    EXPECT_FALSE(wiz->isVisible());
    EXPECT_EQ(textOf(doc), "before" + exampleText("\n") + "after");
    const QByteArray clip = QApplication::clipboard()->mimeData()->data("application/x-quillmar-text-bytes");
    EXPECT_EQ(clip.toStdString(), exampleText("\r\n"));
    EXPECT_TRUE(prompter->shown().isEmpty());
}

TEST_F(TableWizardTest, NoDocumentLeavesTheTableOnTheClipboard) {
    auto w = startWired();
    TfTableWiz* wiz = open(*w);
    fillExample(wiz);
    wiz->optUseTitle1->click();  // title 1 unticked: no title-1 line though the field has text
    wiz->OKBtn->click();
    EXPECT_FALSE(wiz->isVisible());
    EXPECT_EQ(prompter->lastText(), "No current document : Table definition copied to Clipboard instead");
    std::string expected = exampleText("\r\n");
    expected.erase(expected.find("<tr><th nowrap colspan=2>My Title</th></tr>\r\n"), 45);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), expected);
}

TEST_F(TableWizardTest, GridKeys) {
    auto w = startWired();
    TfTableWiz* wiz = open(*w);
    for (int r = 0; r < 2; ++r) setCell(wiz, 0, r, QString(QChar('a' + r)));

    key(wiz, 0, 1, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(column0(wiz), (QStringList{"a", "b"})) << "two rows: nothing deleted";
    EXPECT_TRUE(prompter->shown().isEmpty()) << "and nothing asked";

    key(wiz, 0, 1, Qt::Key_Down);
    EXPECT_EQ(column0(wiz), (QStringList{"a", "b", ""})) << "Down on the last row appends";
    EXPECT_EQ(wiz->grdTable->currentRow(), 2);
    EXPECT_EQ(wiz->spnRows->value(), 3) << "the row count follows the grid";

    // Keys typed into a cell's editor are kept when a row key reshapes the table.
    wiz->grdTable->setCurrentCell(1, 2);
    QTest::keyClick(wiz->grdTable, 't');
    QWidget* editor = wiz->grdTable->indexWidget(wiz->grdTable->currentIndex());
    ASSERT_TRUE(editor) << "typing opens the cell's editor";
    QTest::keyClicks(editor, "yped");
    QTest::keyClick(editor, Qt::Key_Down);
    EXPECT_EQ(wiz->grid().Cell(1, 2), "typed");
    EXPECT_EQ(wiz->grid().RowCount(), 4);
    wiz->spnRows->setValue(3);

    key(wiz, 0, 0, Qt::Key_Insert);
    EXPECT_EQ(column0(wiz), (QStringList{"", "a", "b", ""})) << "Insert on row 0 moves the heading row down";

    prompter->answerConfirm(Prompter::Cancel);
    key(wiz, 0, 1, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(column0(wiz).size(), 4);
    prompter->answerConfirm(Prompter::Ok);
    key(wiz, 0, 1, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(column0(wiz), (QStringList{"", "b", ""}));
    EXPECT_EQ(prompter->texts(), QStringList(2, TableGridView::kDeleteQuestion));
    EXPECT_EQ(prompter->shown().back().buttons, Prompter::Ok | Prompter::Cancel);

    // A row count typed digit by digit never passes through the smaller number.
    wiz->spnRows->selectAll();
    QTest::keyClicks(wiz->spnRows, "12");
    QTest::keyClick(wiz->spnRows, Qt::Key_Return);
    EXPECT_EQ(wiz->grid().RowCount(), 12);
    EXPECT_EQ(wiz->grid().Cell(0, 1), "b");
    wiz->spnRows->setValue(3);

    // Dragging a header sizes or moves the grid's own column, not a picture of it.
    QHeaderView* columns = wiz->grdTable->horizontalHeader();
    columns->resizeSection(0, 200);
    columns->moveSection(0, 1);
    EXPECT_EQ(columns->visualIndex(0), 0);
    EXPECT_EQ(wiz->grid().Cell(1, 1), "b");
    EXPECT_EQ(wiz->grid().ColWidth(1), 200);
    EXPECT_EQ(columns->sectionSize(1), 200);

    // Without the header row, row 0 is edited in place like any other.
    const QModelIndex head = wiz->grdTable->gridModel()->index(0, 0);
    EXPECT_FALSE(head.flags() & Qt::ItemIsEditable);
    wiz->chkHeader->click();
    EXPECT_FALSE(wiz->grid().HeaderOn);
    EXPECT_TRUE(wiz->grdTable->gridModel()->index(0, 0).flags() & Qt::ItemIsEditable);
    wiz->txtHead->setText("ignored");
    wiz->btnSetHead->click();
    EXPECT_EQ(wiz->grid().Cell(0, 0), "") << "no heading without the header row";
}

TEST_F(TableWizardTest, TableFiles) {
    auto w = startWired();
    TfTableWiz* wiz = open(*w);
    fillExample(wiz);
    wiz->SetTitles();
    const QString file = qpath(dir.file("t.qtb"));

    prompter->answerSave(file);
    wiz->btnSaveTable->click();
    EXPECT_EQ(prompter->shown().back().file.filter, "Quillmar Table (*.qtb)|*.qtb");
    EXPECT_EQ(prompter->shown().back().file.defaultExt, "qtb");
    const std::string saved = qmtest::readFile(dir.file("t.qtb"));
    EXPECT_EQ(saved, wiz->grid().FileText());
    EXPECT_NE(saved.find("Column 1 Width: 159\r\n0|0|Name\r\n"), std::string::npos);

    // Named now: saving again asks nothing.
    prompter->clearShown();
    setCell(wiz, 1, 2, "a|b");
    wiz->btnSaveTable->click();
    EXPECT_TRUE(prompter->shown().isEmpty());
    EXPECT_EQ(qmtest::readFile(dir.file("t.qtb")), wiz->grid().FileText());

    // Save As cancelled still saves to the name the grid has.
    setCell(wiz, 0, 1, "Ann2");
    prompter->answerCancel();
    wiz->btnSaveTableAs->click();
    EXPECT_EQ(qmtest::readFile(dir.file("t.qtb")), wiz->grid().FileText());

    // Loading sets the boxes from the file; the border and the titles stay.
    wiz->spnBorder->setValue(4);
    qmtest::writeFile(dir.file("big.qtb"), "|\r\n600|3\r\n16\r\n\r\n\r\nTop\r\n2|5|x|y\r\n");
    prompter->answerOpen({qpath(dir.file("big.qtb"))});
    wiz->btnLoadTable->click();
    EXPECT_EQ(wiz->grid().FileName(), dir.file("big.qtb").string());
    EXPECT_EQ(wiz->grid().Cell(2, 5), "x|y");
    EXPECT_EQ(wiz->grid().Cell(0, 2), "Bob") << "loading does not clear";
    EXPECT_EQ(wiz->spnRows->value(), 500) << "the box shows what it can";
    EXPECT_EQ(wiz->grid().RowCount(), 600) << "and does not cut the grid to it";
    EXPECT_EQ(wiz->spnCols->value(), 3);
    EXPECT_EQ(wiz->spnBorder->value(), 4);
    EXPECT_EQ(wiz->txtTitle2->text(), "Note");

    // A bad number: the message, and what came before it stays.
    qmtest::writeFile(dir.file("bad.qtb"), "|\r\n3|2\r\n16\r\n\r\n\r\nTop\r\n0|0|seen\r\nx|1|never\r\n");
    prompter->answerOpen({qpath(dir.file("bad.qtb"))});
    wiz->btnLoadTable->click();
    EXPECT_EQ(prompter->lastText(), "'x' is not a valid integer value");
    EXPECT_EQ(wiz->grid().Cell(0, 0), "seen");
    EXPECT_EQ(wiz->spnRows->value(), 3);
}

TEST_F(TableWizardTest, SavedToItsFileWhenTheProgramEnds) {
    const std::filesystem::path file = dir.file("auto.qtb");
    {
        auto w = startWired();
        TfTableWiz* wiz = open(*w);
        prompter->answerSave(qpath(file));
        wiz->btnSaveTableAs->click();
        setCell(wiz, 1, 1, "late");
        w->FileExit();
    }
    tHTMLStringGrid back;
    back.AutoSave = false;
    ASSERT_TRUE(back.LoadFromFile(file.string()));
    EXPECT_EQ(back.Cell(1, 1), "late");
}
