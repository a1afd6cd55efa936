#include "TfrmFileTools.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressDialog>
#include <algorithm>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Application.h"
#include "FileTools.h"
#include "Prompter.h"

namespace {

const QString kCaption = QStringLiteral("Quillmar File Tools");

std::vector<std::string> pathsOf(const QStringList& files) {
    std::vector<std::string> out;
    for (const QString& f : files) out.push_back(f.toStdString());
    return out;
}

// A progress bar with Cancel for runs long enough to notice.
class Progress {
public:
    Progress(QWidget* parent, const QString& text, int total)
        : dialog_(text, QStringLiteral("Cancel"), 0, total, parent) {
        dialog_.setWindowTitle(kCaption);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
    }
    bool step(std::size_t done) {
        dialog_.setValue(static_cast<int>(done));
        QCoreApplication::processEvents();
        return !dialog_.wasCanceled();
    }
    bool cancelled() const { return dialog_.wasCanceled(); }

private:
    QProgressDialog dialog_;
};

}  // namespace

TfrmFileTools::TfrmFileTools(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "File Tools") {
    setObjectName(QStringLiteral("frmFileTools"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);

    grdFiles = new QTableWidget(0, 2, this);
    grdFiles->setObjectName(QStringLiteral("grdFiles"));
    grdFiles->setHorizontalHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Result")});
    grdFiles->setColumnWidth(0, 285);
    grdFiles->setColumnWidth(1, 64);
    grdFiles->verticalHeader()->setDefaultSectionSize(16);
    grdFiles->verticalHeader()->hide();
    grdFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    grdFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFiles->setTabKeyNavigation(false);  // Tab leaves the list for the buttons
    grdFiles->setMinimumWidth(285 + 64 + 24);

    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    btnSelect = button(QStringLiteral("&Select Files to Work On..."), "btnSelect");
    btnRemove = button(QStringLiteral("Remove Selected File"), "btnRemove");
    btnSearch = button(QStringLiteral("Search in Files"), "btnSearch");
    btnReplace = button(QStringLiteral("Replace in Files"), "btnReplace");
    chkBackup = new QCheckBox(QStringLiteral("Create Backup"), this);
    chkBackup->setObjectName(QStringLiteral("chkBackup"));
    chkBackup->setChecked(true);
    btnOK = button(QStringLiteral("OK"), "btnOK");
    btnOK->setDefault(true);

    auto* side = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{btnSelect, btnRemove, btnSearch, btnReplace, chkBackup})
        side->addWidget(w);
    side->addStretch();
    side->addWidget(btnOK);
    auto* top = new QHBoxLayout(this);
    top->addWidget(grdFiles, 1);
    top->addLayout(side);

    auto wire = [this](QPushButton* b, void (TfrmFileTools::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] { dispatch([&] { (this->*handler)(); }); });
    };
    wire(btnSelect, &TfrmFileTools::btnSelectClick);
    wire(btnRemove, &TfrmFileTools::btnRemoveClick);
    wire(btnSearch, &TfrmFileTools::btnSearchClick);
    wire(btnReplace, &TfrmFileTools::btnReplaceClick);
    connect(btnOK, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmFileTools::setStatus(const QString& text) {
    if (status_) status_(text);
}

QStringList TfrmFileTools::files() const {
    QStringList out;
    for (int r = 0; r < grdFiles->rowCount(); ++r) out << grdFiles->item(r, 0)->text();
    return out;
}

void TfrmFileTools::addFiles(const QStringList& paths) {
    for (const QString& p : paths) {
        setStatus(QStringLiteral("Adding File : ") + p + QStringLiteral(" ..."));
        const int row = grdFiles->rowCount();
        grdFiles->insertRow(row);
        // The path as chosen: the file tools open it, and on a file system
        // that tells cases apart a lower-cased path may name no file.
        grdFiles->setItem(row, 0, new QTableWidgetItem(p));
        grdFiles->setItem(row, 1, new QTableWidgetItem);
    }
    setStatus(QStringLiteral("Ready ..."));
}

void TfrmFileTools::btnSelectClick() {
    Prompter::FileRequest request;
    request.caption = QStringLiteral("Open");
    request.filter = QStringLiteral("HTML Documents (*.htm)|*.htm;*.html|Text Files (*.txt)|*.txt|All Files (*.*)|*");
    request.multiple = true;
    const QStringList chosen = Prompter::current().openFiles(request);
    if (!chosen.isEmpty()) addFiles(chosen);
}

void TfrmFileTools::btnRemoveClick() {
    const int row = grdFiles->currentRow();
    if (row >= 0 && grdFiles->selectionModel()->isRowSelected(row, {})) grdFiles->removeRow(row);
}

void TfrmFileTools::btnSearchClick() {
    const QStringList list = files();
    if (list.isEmpty()) return;
    const auto pattern = Prompter::current().input(kCaption, QStringLiteral("Search for:"));
    if (!pattern || pattern->isEmpty()) return;
    Progress progress(this, QStringLiteral("Searching ..."), int(list.size()));
    filetools::Options o;
    o.progress = [&](std::size_t done) { return progress.step(done); };
    const auto out = filetools::searchInFiles(pathsOf(list), pattern->toStdString(), o);
    for (std::size_t r = 0; r < out.size(); ++r)
        grdFiles->item(int(r), 1)->setText(out[r].count < 0 ? QStringLiteral("-") : QString::number(out[r].count));
    setStatus(QStringLiteral("Ready ..."));
}

void TfrmFileTools::btnReplaceClick() {
    const QStringList list = files();
    if (list.isEmpty()) return;
    Prompter& ask = Prompter::current();
    const auto pattern = ask.input(kCaption, QStringLiteral("Replace:"));
    if (!pattern || pattern->isEmpty()) return;
    const auto replacement = ask.input(kCaption, QStringLiteral("With:"));
    if (!replacement) return;
    const QString question = QStringLiteral("Replace \"%1\" with \"%2\" in %3 files?")
                                 .arg(*pattern, *replacement)
                                 .arg(list.size());
    if (ask.confirm(kCaption, question, Prompter::Yes | Prompter::No, Prompter::No) != Prompter::Yes) return;

    Progress progress(this, QStringLiteral("Replacing ..."), int(list.size()));
    filetools::Options o;
    o.backup = chkBackup->isChecked();
    o.isOpenModified = openModified_;
    o.progress = [&](std::size_t done) { return progress.step(done); };
    const auto out = filetools::replaceInFiles(pathsOf(list), pattern->toStdString(), replacement->toStdString(), o);
    int total = 0, changed = 0;
    QStringList problems, reloaded;
    for (std::size_t r = 0; r < out.size(); ++r) {
        grdFiles->item(int(r), 1)->setText(out[r].count < 0 ? QStringLiteral("-") : QString::number(out[r].count));
        if (out[r].count > 0) {
            total += out[r].count;
            ++changed;
            if (reload_ && reload_(out[r].path)) reloaded << list[int(r)];
        }
        if (!out[r].problem.empty())
            problems << list[int(r)] + QStringLiteral(": ") + QString::fromStdString(out[r].problem);
    }
    QString report = QStringLiteral("%1 replacements in %2 of %3 files.").arg(total).arg(changed).arg(list.size());
    if (progress.cancelled()) {
        const auto left = std::count_if(out.begin(), out.end(), [](const auto& r) { return r.count < 0 && r.problem.empty(); });
        report += QStringLiteral("\n\nCancelled: %1 files were left as they were.").arg(left);
    }
    if (!problems.isEmpty()) report += QStringLiteral("\n\nNot changed:\n") + problems.join(QLatin1Char('\n'));
    ask.message(kCaption, report, problems.isEmpty() ? Prompter::Icon::Information : Prompter::Icon::Warning);
    // What happened first: the status panel shows the start of a long text.
    if (reloaded.isEmpty()) setStatus(QStringLiteral("Ready ..."));
    else if (reloaded.size() == 1) setStatus(QStringLiteral("Reloaded after Replace in Files: ") + reloaded[0]);
    else setStatus(QStringLiteral("Reloaded after Replace in Files: %1 open documents").arg(reloaded.size()));
}

void TfrmFileTools::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) dispatch([this] {
        Prefs.Load();
        Prefs.RestorePlacement("FORM_PLACE", *this);
    });
}

void TfrmFileTools::closeEvent(QCloseEvent* e) {
    dispatch([this] {
        Prefs.SavePlacement("FORM_PLACE", *this);
        Prefs.Save();
    });
    QDialog::closeEvent(e);
}
