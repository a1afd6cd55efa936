#include "TfURLGrab.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "Application.h"
#include "DisplayText.h"
#include "DurableFile.h"
#include "Help.h"
#include "Paths.h"
#include "SortedList.h"
#include "TabStopDelegate.h"

namespace {

constexpr const char* kLibraryFile = "library.fil";

QStringList itemsOf(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

// The file's lines as bytes decoded for display; CR LF, LF and a last line
// without an end all count as lines.
QStringList readLines(const std::filesystem::path& file) {
    QStringList lines;
    const std::string bytes = durable::readFile(file.string()).bytes;
    size_t from = 0;
    while (from < bytes.size()) {
        size_t nl = bytes.find('\n', from);
        size_t end = nl == std::string::npos ? bytes.size() : nl;
        size_t stop = end > from && bytes[end - 1] == '\r' ? end - 1 : end;
        lines << displaytext::decode(std::string_view(bytes).substr(from, stop - from));
        if (nl == std::string::npos) break;
        from = nl + 1;
    }
    return lines;
}

}  // namespace

TfURLGrab::TfURLGrab(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "URL Library Mgr") {
    setObjectName(QStringLiteral("fURLGrab"));
    setWindowTitle(QStringLiteral("URL Library"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto makeList = [this](const char* name) {
        auto* list = new QListWidget(this);
        list->setObjectName(QString::fromLatin1(name));
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setMinimumWidth(260);
        list->setItemDelegate(new TabStopDelegate(0.75, list));
        // One line per item, as a list box shows it: the view need not
        // measure every item of a large library.
        list->setUniformItemSizes(true);
        return list;
    };
    srcList = makeList("srcList");
    dstList = makeList("dstList");
    auto makeButton = [this](const QString& text, const char* name, const QString& hint) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setStatusTip(hint);
        return b;
    };
    IncludeBtn = makeButton(QStringLiteral(">"), "IncludeBtn", QStringLiteral("Move Selected to Library"));
    IncAllBtn = makeButton(QStringLiteral(">>"), "IncAllBtn", QStringLiteral("Move All to Library"));
    ExcludeBtn = makeButton(QStringLiteral("<"), "ExcludeBtn", QStringLiteral("Remove Selected from Library"));
    ExAllBtn = makeButton(QStringLiteral("<<"), "ExAllBtn", QStringLiteral("Remove All from Library"));
    for (QPushButton* b : {IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn}) {
        b->setEnabled(false);
        b->setAutoDefault(false);
    }
    OKBtn = makeButton(QStringLiteral("&Save"), "OKBtn", QString());
    CancelBtn = makeButton(QStringLiteral("&Cancel"), "CancelBtn", QString());
    HelpBtn = makeButton(QStringLiteral("&Help"), "HelpBtn", QString());
    CancelBtn->setAutoDefault(false);
    HelpBtn->setAutoDefault(false);
    OKBtn->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("New URLs"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("URL Library"), this), 0, 2);
    grid->addWidget(srcList, 1, 0);
    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (QPushButton* b : {IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn}) moves->addWidget(b);
    moves->addStretch();
    grid->addLayout(moves, 1, 1);
    grid->addWidget(dstList, 1, 2);
    auto* foot = new QHBoxLayout;
    foot->addStretch();
    foot->addWidget(OKBtn);
    foot->addWidget(CancelBtn);
    foot->addWidget(HelpBtn);
    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(foot);

    // Button handlers run under the dispatcher: a failed save reaches the
    // main window's handler and leaves the dialog open.
    auto wire = [this](QPushButton* b, void (TfURLGrab::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { dispatch([&] { (this->*handler)(); }); });
    };
    wire(IncludeBtn, &TfURLGrab::IncludeBtnClick);
    wire(IncAllBtn, &TfURLGrab::IncAllBtnClick);
    wire(ExcludeBtn, &TfURLGrab::ExcludeBtnClick);
    wire(ExAllBtn, &TfURLGrab::ExcAllBtnClick);
    wire(OKBtn, &TfURLGrab::OKBtnClick);
    wire(CancelBtn, &TfURLGrab::CancelBtnClick);
    wire(HelpBtn, &TfURLGrab::HelpBtnClick);
}

void TfURLGrab::clearNewUrls() {
    srcList->clear();
    SetButtons();
}

void TfURLGrab::addNewUrls(const QStringList& urls) {
    addSorted(srcList, urls);
    SetButtons();
}

QStringList TfURLGrab::newUrls() const { return itemsOf(srcList); }
QStringList TfURLGrab::libraryUrls() const { return itemsOf(dstList); }

void TfURLGrab::addSorted(QListWidget* list, const QStringList& added) {
    // One merge and one refill: inserting row by row costs a copy of the
    // list and a view update per item, minutes on a large bookmark file.
    QStringList items = itemsOf(list);
    sortedlist::insertAll(items, added);
    list->clear();
    list->addItems(items);
}

void TfURLGrab::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) dispatch([this] { LoadList(); });
}

void TfURLGrab::closeEvent(QCloseEvent* e) {
    dispatch([this] { FormClose(); });
    QDialog::closeEvent(e);
}

void TfURLGrab::LoadList() {
    Prefs.Load();
    Prefs.RestorePlacement("FORM_PLACE", *this);
    const std::filesystem::path library = paths::dataFile(kLibraryFile);
    std::error_code ec;
    if (std::filesystem::exists(library, ec)) {
        dstList->clear();
        addSorted(dstList, readLines(library));
    }
    SetButtons();
    OKBtn->setFocus();
}

void TfURLGrab::FormClose() {
    Prefs.SavePlacement("FORM_PLACE", *this);
    Prefs.Save();
}

void TfURLGrab::SetButtons() {
    const bool haveNew = srcList->count() > 0;
    const bool haveLibrary = dstList->count() > 0;
    IncludeBtn->setEnabled(haveNew);
    IncAllBtn->setEnabled(haveNew);
    ExcludeBtn->setEnabled(haveLibrary);
    ExAllBtn->setEnabled(haveLibrary);
}

void TfURLGrab::MoveSelected(QListWidget* from, QListWidget* to) {
    QStringList moved, kept;
    for (int i = from->count() - 1; i >= 0; --i) (from->item(i)->isSelected() ? moved : kept) << from->item(i)->text();
    std::reverse(kept.begin(), kept.end());
    from->clear();
    from->addItems(kept);
    addSorted(to, moved);
    SetButtons();
}

void TfURLGrab::moveAll(QListWidget* from, QListWidget* to) {
    addSorted(to, itemsOf(from));
    from->clear();
    SetButtons();
}

void TfURLGrab::IncludeBtnClick() { MoveSelected(srcList, dstList); }
void TfURLGrab::ExcludeBtnClick() { MoveSelected(dstList, srcList); }
void TfURLGrab::IncAllBtnClick() { moveAll(srcList, dstList); }
void TfURLGrab::ExcAllBtnClick() { moveAll(dstList, srcList); }

void TfURLGrab::OKBtnClick() {
    std::string bytes;
    for (const QString& item : libraryUrls()) bytes += displaytext::encode(item) + "\r\n";
    const std::filesystem::path library = paths::dataFile(kLibraryFile);
    if (const durable::WriteResult r = durable::writeFile(library.string(), bytes); !r)
        throw std::runtime_error(r.message);
    close();
}

void TfURLGrab::CancelBtnClick() { close(); }

void TfURLGrab::HelpBtnClick() { HelpSystem::current().showContext(kHelpContext); }
