#include "TfNotePad.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <cerrno>

#include "Paths.h"
#include "PickLists.h"
#include "Prompter.h"

namespace {
std::string notesPath() { return paths::dataFile("notes.txt").string(); }
}  // namespace

TfNotePad::TfNotePad(QWidget* parent) : TfToolWindow(QStringLiteral("Quillmar NotePad"), "NotePad", parent) {
    mNP = new QPlainTextEdit(this);
    mNP->setObjectName(QStringLiteral("mNP"));
    mNP->setPlainText(QString::fromUtf8(picklists::welcomeNotes()));
    setCentralWidget(mNP);
    resize(420, 320);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("Cu&t"), mNP, &QPlainTextEdit::cut);
    edit->addAction(QStringLiteral("&Copy"), mNP, &QPlainTextEdit::copy);
    edit->addAction(QStringLiteral("&Paste"), mNP, &QPlainTextEdit::paste);

    mNP->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(mNP, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("&Undo"), mNP, &QPlainTextEdit::undo)->setEnabled(mNP->document()->isUndoAvailable());
        menu.addSeparator();
        menu.addAction(QStringLiteral("Cu&t"), mNP, &QPlainTextEdit::cut);
        menu.addAction(QStringLiteral("&Copy"), mNP, &QPlainTextEdit::copy);
        menu.addAction(QStringLiteral("&Paste"), mNP, &QPlainTextEdit::paste);
        menu.exec(mNP->viewport()->mapToGlobal(at));
    });

    autoSave_ = new QTimer(this);
    autoSave_->setSingleShot(true);
    autoSave_->setInterval(kAutoSaveMs);
    connect(autoSave_, &QTimer::timeout, this, &TfNotePad::saveIfChanged);
    connect(mNP, &QPlainTextEdit::textChanged, this, [this] {
        changed_ = true;
        if (loaded_) autoSave_->start();
    });
}

TfNotePad::~TfNotePad() {
    // The program is ending: the last words typed must not be lost. No
    // message box from a destructor: a failure leaves the previous file.
    if (loaded_ && changed_) picklists::writeNotes(notesPath(), mNP->toPlainText().toStdString());
}

void TfNotePad::LoadNotes() {
    const picklists::NotesFile notes = picklists::readNotes(notesPath());
    if (notes.error == 0) {
        const QSignalBlocker quiet(mNP);
        mNP->setPlainText(QString::fromUtf8(notes.text));
    }
    // An unreadable file (too large, not a regular file) is kept as it is.
    loaded_ = notes.error == 0 || notes.error == ENOENT;
    changed_ = false;
}

bool TfNotePad::SaveNotes() {
    if (!loaded_) return true;
    autoSave_->stop();
    const std::string failure = picklists::writeNotes(notesPath(), mNP->toPlainText().toStdString());
    if (!failure.empty()) {
        Prompter::current().message(windowTitle(), QString::fromStdString(failure), Prompter::Icon::Warning);
        return false;
    }
    changed_ = false;
    return true;
}

void TfNotePad::saveIfChanged() {
    if (changed_) SaveNotes();
}

void TfNotePad::FormShow() {
    // Read once: later shows keep the text box, which is already the newest.
    if (!loaded_) LoadNotes();
}

void TfNotePad::FormClose() { SaveNotes(); }
