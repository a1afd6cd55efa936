#include "TfTableWiz.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "Application.h"
#include "Help.h"
#include "Prompter.h"
#include "TableGridView.h"

namespace {

std::string bytesOf(const QString& text) { return text.toUtf8().toStdString(); }
std::string pathOf(const QString& path) { return QFile::encodeName(path).toStdString(); }

void showError(const std::string& text) {
    Prompter::current().message(QStringLiteral("Error"), QString::fromUtf8(text.data(), qsizetype(text.size())),
                                Prompter::Icon::Critical);
}

Prompter::FileRequest tableFileRequest(const QString& caption) {
    Prompter::FileRequest r;
    r.caption = caption;
    r.filter = QString::fromLatin1(TfTableWiz::kFilter);
    r.defaultExt = QStringLiteral("qtb");
    return r;
}

}  // namespace

const QString TfTableWiz::kHint = QStringLiteral("Set the number of Rows and Columns.  Then enter") +
                                  QStringLiteral(" your text into the Cells.") + QStringLiteral("\n\r\n\r") +
                                  QStringLiteral("When ready, click on the \"OK\" button") +
                                  QStringLiteral(" to copy the table definition to the") +
                                  QStringLiteral(" current document.");

TfTableWiz::TfTableWiz(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Table Wizard") {
    setObjectName(QStringLiteral("fTableWiz"));
    setWindowTitle(QStringLiteral("Quillmar Table Wizard"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);

    // Widgets are made in reading order, which is their tab order.
    auto spin = [this](const char* name, int value, int max, const char* hint) {
        auto* s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(1, max);
        s->setValue(value);
        // Typed digits count once the box is left: typing 12 must not cut
        // the grid to 1 row on the way.
        s->setKeyboardTracking(false);
        s->setToolTip(QString::fromLatin1(hint));
        s->setStatusTip(s->toolTip());
        return s;
    };
    auto check = [this](const char* name, const char* caption, bool ticked) {
        auto* c = new QCheckBox(QString::fromLatin1(caption), this);
        c->setObjectName(QString::fromLatin1(name));
        c->setChecked(ticked);
        return c;
    };
    auto edit = [this](const char* name, const char* text) {
        auto* e = new QLineEdit(QString::fromLatin1(text), this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    spnRows = spin("spnRows", 2, 500, "Set No of Rows");
    spnCols = spin("spnCols", 2, 500, "Set No of Columns");
    spnBorder = spin("spnBorder", 1, 50, "Set the Table Border Width");
    chkHeader = check("chkHeader", "First Row is Header", true);
    chkHeader->setToolTip(QStringLiteral("If Selected all Text in first Row will be treated as Headings"));
    chkHeader->setStatusTip(chkHeader->toolTip());
    txtHead = edit("txtHead", "Heading");
    btnSetHead = button("btnSetHead", "Set");
    txtTitle1 = edit("txtTitle1", "My Title");
    optUseTitle1 = check("optUseTitle1", "Use Title 1 ?", true);
    txtTitle2 = edit("txtTitle2", "");
    optUseTitle2 = check("optUseTitle2", "Use Title 2 ?", false);
    opt2asfooter = check("opt2asfooter", "As Footer ?", true);

    model_ = new TableGridModel(this);
    model_->change([](tHTMLStringGrid& g) {
        g.SetRowCount(2);
        g.SetColCount(2);
        g.SetColWidth(0, 146);
        g.SetColWidth(1, 159);
    });
    grdTable = new TableGridView(model_, this);
    grdTable->setObjectName(QStringLiteral("grdTable"));
    grdTable->setMinimumSize(360, 160);

    btnLoadTable = button("btnLoadTable", "Load Table ...");
    btnSaveTable = button("btnSaveTable", "Save Table ...");
    btnSaveTableAs = button("btnSaveTableAs", "Save Table As ...");
    cmdClear = button("cmdClear", "Clear Text");
    OKBtn = button("OKBtn", "OK");
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", "&Cancel");
    HelpBtn = button("HelpBtn", "&Help");
    pnlHint = new QLabel(this);
    pnlHint->setObjectName(QStringLiteral("pnlHint"));
    pnlHint->setTextFormat(Qt::PlainText);
    pnlHint->setWordWrap(true);
    pnlHint->setMinimumWidth(220);
    pnlHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(text), this);
        l->setBuddy(buddy);
        return l;
    };
    auto* fields = new QGridLayout;
    auto* sizes = new QHBoxLayout;
    sizes->addWidget(label("Rows", spnRows));
    sizes->addWidget(spnRows);
    sizes->addWidget(label("Columns", spnCols));
    sizes->addWidget(spnCols);
    sizes->addWidget(label("Border Width", spnBorder));
    sizes->addWidget(spnBorder);
    sizes->addStretch();
    fields->addLayout(sizes, 0, 0, 1, 4);
    fields->addWidget(chkHeader, 1, 0);
    fields->addWidget(label("Heading", txtHead), 1, 1);
    fields->addWidget(txtHead, 1, 2);
    fields->addWidget(btnSetHead, 1, 3);
    fields->addWidget(label("Table Title 1", txtTitle1), 2, 1);
    fields->addWidget(txtTitle1, 2, 2);
    fields->addWidget(optUseTitle1, 2, 3);
    fields->addWidget(label("Table Title 2", txtTitle2), 3, 1);
    fields->addWidget(txtTitle2, 3, 2);
    fields->addWidget(optUseTitle2, 3, 3);
    fields->addWidget(opt2asfooter, 4, 3);
    auto* head = new QHBoxLayout;
    head->addLayout(fields, 1);
    head->addWidget(pnlHint);
    auto* foot = new QHBoxLayout;
    for (QPushButton* b : {btnLoadTable, btnSaveTable, btnSaveTableAs, cmdClear}) foot->addWidget(b);
    foot->addStretch();
    for (QPushButton* b : {OKBtn, CancelBtn, HelpBtn}) foot->addWidget(b);
    auto* top = new QVBoxLayout(this);
    top->addLayout(head);
    top->addWidget(grdTable, 1);
    top->addLayout(foot);

    // Handlers run under the dispatcher: an error reaches the main window's
    // handler and the dialog stays as it was.
    auto run = [this](void (TfTableWiz::*handler)()) {
        return [this, handler] { dispatch([&] { (this->*handler)(); }); };
    };
    connect(spnRows, &QSpinBox::valueChanged, this, run(&TfTableWiz::SetRows));
    connect(spnCols, &QSpinBox::valueChanged, this, run(&TfTableWiz::SetCols));
    connect(spnBorder, &QSpinBox::valueChanged, this, run(&TfTableWiz::SetBorder));
    connect(chkHeader, &QCheckBox::clicked, this, run(&TfTableWiz::chkHeaderClick));
    connect(txtHead, &QLineEdit::editingFinished, this, run(&TfTableWiz::SetHeading));
    connect(btnSetHead, &QPushButton::clicked, this, run(&TfTableWiz::SetHeading));
    for (QLineEdit* e : {txtTitle1, txtTitle2}) connect(e, &QLineEdit::editingFinished, this, run(&TfTableWiz::SetTitles));
    for (QCheckBox* c : {optUseTitle1, optUseTitle2, opt2asfooter})
        connect(c, &QCheckBox::clicked, this, run(&TfTableWiz::SetTitles));
    connect(cmdClear, &QPushButton::clicked, this, run(&TfTableWiz::cmdClearClick));
    connect(btnLoadTable, &QPushButton::clicked, this, run(&TfTableWiz::btnLoadTableClick));
    connect(btnSaveTable, &QPushButton::clicked, this, run(&TfTableWiz::btnSaveTableClick));
    connect(btnSaveTableAs, &QPushButton::clicked, this, run(&TfTableWiz::btnSaveTableAsClick));
    connect(OKBtn, &QPushButton::clicked, this, run(&TfTableWiz::SaveHTMLClick));
    connect(CancelBtn, &QPushButton::clicked, this, run(&TfTableWiz::CancelBtnClick));
    connect(HelpBtn, &QPushButton::clicked, this, run(&TfTableWiz::HelpBtnClick));
    connect(model_, &TableGridModel::reshaped, this, run(&TfTableWiz::SetOption));
    SetTitles();
    grdTable->setCurrentCell(0, 1);
}

tHTMLStringGrid& TfTableWiz::grid() { return model_->grid(); }

bool TfTableWiz::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) dispatch([this] { FormActivate(); });
    return QDialog::event(e);
}

void TfTableWiz::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) dispatch([this] { FormShow(); });
}

void TfTableWiz::closeEvent(QCloseEvent* e) {
    dispatch([this] { FormClose(); });
    QDialog::closeEvent(e);
}

void TfTableWiz::FormShow() {
    Prefs.Load();
    Prefs.RestorePlacement("FORM_PLACE", *this);
    spnRows->setFocus();
}

void TfTableWiz::FormClose() {
    Prefs.SavePlacement("FORM_PLACE", *this);
    Prefs.Save();
}

void TfTableWiz::FormActivate() {
    // The hint's paragraphs are parted by LF CR LF CR; a label would show each
    // CR as a blank at the start of the next line, so it shows the LFs alone.
    pnlHint->setText(QString(kHint).remove(QLatin1Char('\r')));
}

void TfTableWiz::SetRows() {
    model_->change([v = spnRows->value()](tHTMLStringGrid& g) { g.SetRowCount(v); });
}

void TfTableWiz::SetCols() {
    model_->change([v = spnCols->value()](tHTMLStringGrid& g) { g.SetColCount(v); });
}

void TfTableWiz::SetBorder() {
    grid().GridLineWidth = spnBorder->value();
    grdTable->viewport()->update();
}

void TfTableWiz::chkHeaderClick() {
    model_->change([on = chkHeader->isChecked()](tHTMLStringGrid& g) { g.HeaderOn = on; });
}

void TfTableWiz::SetHeading() {
    if (!chkHeader->isChecked()) return;
    model_->setData(model_->index(0, grdTable->currentCol()), txtHead->text());
}

void TfTableWiz::SetTitles() {
    tHTMLStringGrid& g = grid();
    g.Caption1 = optUseTitle1->isChecked() ? bytesOf(txtTitle1->text()) : std::string();
    g.Caption2 = optUseTitle2->isChecked() ? bytesOf(txtTitle2->text()) : std::string();
    g.Caption2Placement = opt2asfooter->isChecked() ? TCaption2Placement::cpBottom : TCaption2Placement::cpTop;
}

void TfTableWiz::cmdClearClick() {
    model_->change([](tHTMLStringGrid& g) { g.ClearCells(); });
}

void TfTableWiz::btnLoadTableClick() {
    const QStringList chosen = Prompter::current().openFiles(tableFileRequest(QStringLiteral("Load Table")));
    if (chosen.isEmpty()) return;
    const TableFileResult r = model_->change([&](tHTMLStringGrid& g) { return g.SetFileName(pathOf(chosen.front())); });
    if (!r) showError(r.message);
    SetOption();
}

void TfTableWiz::SetOption() {
    // Blocked, so that setting the boxes does not size the grid again (a
    // grid longer than the box's range would be cut to it).
    const tHTMLStringGrid& g = grid();
    for (auto [box, value] : {std::pair{spnRows, g.RowCount()}, std::pair{spnCols, g.ColCount()},
                              std::pair{spnBorder, g.GridLineWidth}}) {
        const bool blocked = box->blockSignals(true);
        box->setValue(value);
        box->blockSignals(blocked);
    }
}

void TfTableWiz::chooseSaveName() {
    const QString name = Prompter::current().saveFile(tableFileRequest(QStringLiteral("Save Table")));
    if (!name.isEmpty()) grid().NameFile(pathOf(name));
}

void TfTableWiz::saveTable() {
    if (grid().FileName().empty()) return;
    const TableFileResult r = grid().SaveToFile(grid().FileName());
    if (!r) showError(r.message);
}

void TfTableWiz::btnSaveTableClick() {
    if (grid().FileName().empty()) chooseSaveName();
    saveTable();
}

void TfTableWiz::btnSaveTableAsClick() {
    chooseSaveName();
    saveTable();
}

void TfTableWiz::SaveHTMLClick() {
    SetTitles();
    std::vector<std::string> lines;
    grid().GenerateHTML(lines);
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (tableHandler_) tableHandler_(text);
    close();
}

void TfTableWiz::CancelBtnClick() { close(); }

void TfTableWiz::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }
