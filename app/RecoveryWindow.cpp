#include "RecoveryWindow.h"

#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <unistd.h>

#include "FileCommands.h"
#include "ModalRunner.h"
#include "Paths.h"
#include "Prompter.h"
#include "StartupRules.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TmdiMain.h"

using recovery::FoundJournal;

namespace {

QString noteOf(const FoundJournal& f) {
    QStringList notes;
    if (f.base == FoundJournal::Base::Changed)
        notes << (f.recoverable() ? QStringLiteral("The file changed since: recovers as a new document.")
                                  : QStringLiteral("The file changed since: cannot be recovered."));
    if (f.damaged) notes << QStringLiteral("Damaged: recovers up to the damage.");
    return notes.join(QLatin1Char(' '));
}

}  // namespace

RecoveryWindow::RecoveryWindow(std::vector<FoundJournal>& found, QWidget* parent)
    : QDialog(parent), found_(found) {
    setObjectName(QStringLiteral("RecoveryWindow"));
    setWindowTitle(QStringLiteral("Recover Documents"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("These documents had changes that were not saved when Quillmar last "
                                            "stopped. Choose what to do with each."),
                             this);
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    table_ = new QTableWidget(int(found.size()), 4, this);
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Document"), QStringLiteral("Last Change"), QStringLiteral("Note"), QStringLiteral("Action")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < int(found.size()); ++row) {
        const FoundJournal& f = found[std::size_t(row)];
        table_->setItem(row, 0, new QTableWidgetItem(displayPath(f.name())));
        table_->setItem(row, 1, new QTableWidgetItem(QDateTime::fromMSecsSinceEpoch(f.lastChangeMs)
                                                         .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
        table_->setItem(row, 2, new QTableWidgetItem(noteOf(f)));
        auto* box = new QComboBox(table_);
        if (f.recoverable()) box->addItem(QString::fromLatin1(kRecover), int(FoundJournal::Choice::Recover));
        box->addItem(QString::fromLatin1(kDiscard), int(FoundJournal::Choice::Discard));
        box->addItem(QString::fromLatin1(kLater), int(FoundJournal::Choice::Later));
        box->setCurrentIndex(box->findData(int(f.choice)));
        table_->setCellWidget(row, 3, box);
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        takeChoices();
        accept();
    });
    layout->addWidget(buttons);
    // Every column in view: the paths are what the user decides by.
    resize(std::max(640, table_->horizontalHeader()->length() + 120), 160 + 30 * std::min(int(found.size()), 12));
}

QComboBox* RecoveryWindow::actionBox(int row) const { return qobject_cast<QComboBox*>(table_->cellWidget(row, 3)); }

void RecoveryWindow::takeChoices() {
    for (int row = 0; row < int(found_.size()); ++row)
        found_[std::size_t(row)].choice = FoundJournal::Choice(actionBox(row)->currentData().toInt());
}

namespace {

TfHTML* openDocumentOf(TmdiMain& main, const std::string& path) {
    for (TfHTML* doc : htmlDocuments(main))
        if (doc->filePath() == path) return doc;
    return OpenDocument(main, path);
}

// Opens the document of f with its recovered text; nullptr when it could not.
TfHTML* recover(TmdiMain& main, FoundJournal& f, QStringList& notes) {
    const QString name = displayPath(f.name());
    TfHTML* doc = nullptr;
    if (f.base == FoundJournal::Base::Same) {
        doc = openDocumentOf(main, f.header.path);
        if (!doc) return nullptr;
        if (doc->txtHTML()->Modified()) {
            notes << name + QStringLiteral(" is open with other changes: its recovered text opens as a new document.");
            doc = nullptr;
            if (!recovery::standsAlone(f.edits)) return nullptr;
        }
    } else if (f.base == FoundJournal::Base::Changed) {
        // The file's current version stays as it is, beside the recovered text.
        if (::access(f.header.path.c_str(), F_OK) == 0) openDocumentOf(main, f.header.path);
        notes << name + QStringLiteral(" changed after its unsaved changes were made: they open as a new document.");
    }
    // A new document takes the text from the journal's last whole text on.
    const std::size_t from = doc || !recovery::standsAlone(f.edits) ? 0 : recovery::lastWholeText(f.edits);
    if (!doc) doc = newUntitledDocument(main);
    const recovery::Replayed r = recovery::replayInto(doc->txtHTML()->editor().store(), f.edits, from);
    if (f.damaged || r.damaged)
        notes << name + QStringLiteral(": its journal was damaged; the text was recovered up to the damage.");
    doc->txtHTML()->setModified(true);
    main.TabsUpdate(doc->caption());
    main.SelectTabName(doc->caption());
    doc->bringToFront();
    return doc;
}

}  // namespace

void offerRecovery(TmdiMain& main) {
    std::vector<FoundJournal> found = recovery::findJournals((paths::dataDir() / "recovery").string());
    if (found.empty()) return;
    RecoveryWindow window(found, &main);
    // Closed without OK: every document waits for the next start.
    if (runModal(window) != QDialog::Accepted)
        for (FoundJournal& f : found) f.choice = FoundJournal::Choice::Later;
    QStringList notes;
    for (FoundJournal& f : found) {
        switch (f.choice) {
        case FoundJournal::Choice::Discard:
            recovery::removeJournal(f);
            break;
        case FoundJournal::Choice::Later:
            f.lock.release();
            break;
        case FoundJournal::Choice::Recover:
            // The old journal goes only once the new document's own holds the text.
            if (TfHTML* doc = recover(main, f, notes); doc && doc->flushJournal())
                recovery::removeJournal(f);
            else
                f.lock.release();
            break;
        }
    }
    if (!notes.isEmpty())
        Prompter::current().message(QString::fromUtf8(startup::kAppTitle), notes.join(QStringLiteral("\n\n")),
                                    Prompter::Icon::Warning);
}
