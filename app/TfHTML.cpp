#include "TfHTML.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include "Application.h"
#include "DurableFile.h"
#include "FileCommands.h"
#include "FindReplace.h"
#include "Paths.h"
#include "Prompter.h"
#include "StartupRules.h"
#include "SyntaxCommands.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TagInsertion.h"
#include "TextTools.h"
#include "TmdiMain.h"
#include "Utf8.h"

namespace {

QString lastSearch;  // shared by every document window

QString appTitle() { return QString::fromUtf8(startup::kAppTitle); }

std::string bytesOf(const QString& s) { return s.toStdString(); }

}  // namespace

QString fileErrorText(const QString& verb, const QString& path, const qm::FileResult& r) {
    QString reason = QString::fromStdString(r.message);
    if (reason.isEmpty()) reason = QString::fromLocal8Bit(std::strerror(r.error));
    return QStringLiteral("Unable to %1 %2.\n\n%3").arg(verb, path, reason);
}

QString displayPath(const std::string& path) { return QString::fromStdString(path); }

namespace {

// Too large (a file or one of its lines): the reason is the whole sentence.
QString openErrorText(const QString& shown, const qm::FileResult& r) {
    return r.error == EFBIG ? QString::fromStdString(r.message) : fileErrorText(QStringLiteral("open"), shown, r);
}

}  // namespace

// ---------------------------------------------------------------------------

TfHTML::TfHTML(TmdiMain& main) : main_(main) {
    setObjectName(QStringLiteral("fHTML"));
    txtHTML_ = new TTextEditControl(this);
    txtHTML_->setObjectName(QStringLiteral("txtHTML"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtHTML_);

    // Design-time properties of the control.
    txtHTML_->setColor(Qt::white);
    txtHTML_->FixedFont().setName(QStringLiteral("Courier New"));
    txtHTML_->FixedFont().setSize(10);
    txtHTML_->FixedFont().setColor(Qt::black);
    txtHTML_->setCaretOvr(TTextEditControl::csBlock);
    txtHTML_->setRightMargin(5);
    txtHTML_->setAutoIndent(true);
    txtHTML_->setWordWrap(true);
    txtHTML_->setScrollBars(TTextEditControl::ssVertical);
    txtHTML_->setWantTab(true);
    txtHTML_->setMakeBackup(false);
    txtHTML_->editor().store().setUndoBufferSize(texttools::kDocumentUndoBytes);
    // An unedited save must give back every byte, trailing blanks included.
    txtHTML_->editor().store().setTrimWhiteSpace(false);
    useNewDocumentLineEnds();

    Prefs.SetIniFile("quilopt.ini");
    Prefs.SetIniSect("Edit Window");

    txtHTML_->viewport()->setAcceptDrops(true);
    txtHTML_->viewport()->installEventFilter(this);
    txtHTML_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtHTML_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_->popup(txtHTML_->mapToGlobal(p)); });
    createMenus();
    setFocusProxy(txtHTML_);
    // The position panel follows the caret at once, not at the next tick.
    txtHTML_->editor().OnShowStatus = [this](int, int) {
        if (activeHtmlDocument(main_) == this) main_.ShowPosition();
    };
    // Another program's save arrives in several writes: look once it settles.
    watcher_ = new QFileSystemWatcher(this);
    diskSettle_ = new QTimer(this);
    diskSettle_->setSingleShot(true);
    diskSettle_->setInterval(150);
    connect(diskSettle_, &QTimer::timeout, this, [this] { checkDisk(); });
    connect(watcher_, &QFileSystemWatcher::fileChanged, diskSettle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::directoryChanged, diskSettle_, qOverload<>(&QTimer::start));
    // Unsaved edits go to the recovery journal within about two seconds;
    // typing itself only adds to a buffer in memory.
    journal_ = std::make_unique<recovery::DocumentJournal>(txtHTML_->editor().store(),
                                                           (paths::dataDir() / "recovery").string());
    journalTick_ = new QTimer(this);
    journalTick_->setInterval(100);
    journal_->onPending = [this] { journalTick_->start(); };
    connect(journalTick_, &QTimer::timeout, this, [this] {
        if (journal_->due(recovery::nowMs())) dispatch([this] { flushJournal(); });
        if (!journal_->pending()) journalTick_->stop();
    });
}

TfHTML::~TfHTML() = default;

TfHTML* TfHTML::create(TmdiMain& main) {
    auto* doc = new TfHTML(main);
    QMdiSubWindow* sub = main.mdiArea()->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(main.windowIcon());
    QObject::connect(main.mdiArea(), &QMdiArea::subWindowActivated, doc, [doc, sub](QMdiSubWindow* active) {
        if (active == sub) doc->SetFocustoMe();
    });
    main.placeNewDocument(sub);
    return doc;
}

void TfHTML::createMenus() {
    auto act = [this](QMenu* menu, const QString& text, auto fn) {
        QAction* a = menu->addAction(text);
        connect(a, &QAction::triggered, this, fn);
        return a;
    };
    searchMenu_ = new QMenu(QStringLiteral("&Search"), this);
    searchMenu_->setObjectName(QStringLiteral("SearchMenu"));
    QAction* find = act(searchMenu_, QStringLiteral("&Find"), [this] { Find1Click(); });
    find->setObjectName(QStringLiteral("Find1"));
    find->setStatusTip(QStringLiteral("Find text in this document"));
    findAgain_ = act(searchMenu_, QStringLiteral("Find &Again"), [this] { FindAgain1Click(); });
    findAgain_->setObjectName(QStringLiteral("FindAgain1"));
    findAgain_->setStatusTip(QStringLiteral("Find the last searched text again"));
    findAgain_->setEnabled(false);
    searchMenu_->addSeparator();
    QAction* replace = act(searchMenu_, QStringLiteral("&Replace"), [this] { Replace1Click(); });
    replace->setObjectName(QStringLiteral("Replace1"));
    replace->setStatusTip(QStringLiteral("Replace text in this document"));
    // The keys are given to the menu only while it is merged into the main
    // window (see Wiring), so two documents never claim the same key.
    find->setProperty("qmKey", QStringLiteral("Ctrl+F"));
    // Ctrl+F3 is Set Bookmark 3's (see the command table).
    findAgain_->setProperty("qmKey", QStringLiteral("Shift+F3"));
    replace->setProperty("qmKey", QStringLiteral("Ctrl+R"));

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    // The pop-up claims no key of its own (the menu bar owns them, and a
    // second owner would make each key ambiguous); its key column shows the
    // keys that run the same command from the menu bar.
    auto shownKeys = [this](const char* handler) {
        const QAction* item = main_.menuAction(handler);
        return item ? keysText(item->shortcuts()) : QString();
    };
    auto popupItem = [&](const QString& text, const QString& keys, auto fn) {
        return act(popup_, keys.isEmpty() ? text : text + u'\t' + keys, fn);
    };
    popupItem(QStringLiteral("&Undo"), shownKeys("EditUndo"), [this] {
        if (txtHTML_->Undo()) txtHTML_->setModified(true);
    });
    popupItem(QStringLiteral("&ReDo"), shownKeys("EditRedoClick"), [this] {
        if (txtHTML_->Redo()) txtHTML_->setModified(true);
    });
    popup_->addSeparator();
    popupItem(QStringLiteral("Repeat &Last Tag"), shownKeys("RepeatLastTag1Click"), [this] {
        const TagPair pair = lastTagPair();
        InsertTag(main_, txtHTML_, pair.start, pair.end);
    });
    popup_->addSeparator();
    popupItem(QStringLiteral("Cu&t"), shownKeys("EditCut"), [this] {
        if (txtHTML_->CutToClipboard()) txtHTML_->setModified(true);
    });
    popupItem(QStringLiteral("&Copy"), shownKeys("EditCopy"), [this] { txtHTML_->CopyToClipboard(); });
    popupItem(QStringLiteral("&Paste"), shownKeys("EditPaste"), [this] {
        txtHTML_->PasteFromClipboard();
        txtHTML_->setModified(true);
    });
    popup_->addSeparator();
    const auto searchKey = [](const QAction* a) {
        return QKeySequence(a->property("qmKey").toString(), QKeySequence::PortableText)
            .toString(QKeySequence::NativeText);
    };
    popupItem(QStringLiteral("Find ..."), searchKey(find), [this] { Find1Click(); });
    popupItem(QStringLiteral("Replace ..."), searchKey(replace), [this] { Replace1Click(); });
}

QMdiSubWindow* TfHTML::subWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

// ---------------------------------------------------------------------------
// Identity

QString TfHTML::caption() const { return windowTitle(); }

void TfHTML::setCaption(const QString& caption) {
    setWindowTitle(caption);
    journal_->setCaption(caption.toStdString());
}

bool TfHTML::isUntitled() const { return caption().left(17) == QLatin1String(kUntitled); }

std::string TfHTML::filePath() const { return path_.empty() ? caption().toStdString() : path_; }

void TfHTML::setFilePath(const std::string& path) {
    path_ = path;
    setCaption(displayPath(path));
}

// ---------------------------------------------------------------------------
// Files

bool TfHTML::saveTo(const std::string& path) {
    if (path == diskPath_ && recovery::diskChange(disk_, path) == recovery::DiskChange::Changed) {
        bool saved = false;
        if (!askAboutDiskChange(saved)) return saved;
    }
    const qm::FileResult r = txtHTML_->SaveToFile(path);
    if (r.ok) {
        txtHTML_->setModified(false);
        noteDisk(path);
        return true;
    }
    // The engine leaves the old file whole (or names the file holding the
    // text); the text stays unsaved here.
    txtHTML_->setModified(true);
    const QString shown = displayPath(path);
    if (r.readOnly) {
        const Prompter::Button answer =
            Prompter::current().confirm(appTitle(), shown + QStringLiteral(" is read-only.\n\nSave it under another name?"),
                                        Prompter::Yes | Prompter::No, Prompter::Yes);
        return answer == Prompter::Yes && saveDocumentAs(main_, this);
    }
    Prompter::current().message(appTitle(), fileErrorText(QStringLiteral("save"), shown, r), Prompter::Icon::Warning);
    return false;
}

bool TfHTML::loadFrom(const std::string& path) {
    const qm::FileResult r = txtHTML_->LoadFromFile(path);
    const QString shown = displayPath(path);
    if (!r.ok) {
        Prompter::current().message(appTitle(), openErrorText(shown, r), Prompter::Icon::Warning);
        return false;
    }
    QStringList notes;
    if (r.droppedLines > 0)
        notes << QStringLiteral("%1 line(s) (%2 bytes) at its end were not loaded: it is larger than the editor can "
                                "hold. Saving the document under the same name would lose them.")
                     .arg(r.droppedLines)
                     .arg(r.droppedBytes);
    if (r.looksBinary)
        notes << QStringLiteral("It looks like a binary file (it has NUL bytes); saving it will rewrite its line ends.");
    else if (r.lineEndsChange)
        notes << QStringLiteral("It has CR-only or mixed line ends; saving it will write every line end as CR LF.");
    if (!notes.isEmpty())
        Prompter::current().message(appTitle(), shown + QStringLiteral(":\n\n") + notes.join(QStringLiteral("\n\n")),
                                    Prompter::Icon::Warning);
    txtHTML_->setModified(false);
    // Templates load into untitled documents: only the document's own file is watched.
    if (path == path_) noteDisk(path);
    return true;
}

void TfHTML::noteDisk(const std::string& path) {
    disk_ = recovery::identityOf(path);
    diskPath_ = path;
    declined_ = {};
    // A save by rename (ours or another program's) puts a new file under the
    // name, and the watch on the old one is gone: watch the name afresh, and
    // its folder, which sees the file come back after a delete.
    if (!watcher_->files().isEmpty()) watcher_->removePaths(watcher_->files());
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    if (disk_.exists) watcher_->addPath(file);
    watcher_->addPath(QFileInfo(file).absolutePath());
    // The text is the file's now: the journal starts again from this version.
    journal_->restart(path, disk_);
}

bool TfHTML::flushJournal() {
    const durable::WriteResult r = journal_->flush();
    if (!r) main_.SetStatusText(QStringLiteral("Unsaved changes cannot be kept for recovery: ") +
                                QString::fromStdString(r.message));
    return bool(r);
}

void TfHTML::checkDisk() {
    if (diskPath_.empty() || askingDisk_) return;
    recovery::FileIdentity now;
    const recovery::DiskChange change = recovery::diskChange(disk_, diskPath_, &now);
    const QString file = QFile::decodeName(QByteArray::fromStdString(diskPath_));
    if (now.exists && !watcher_->files().contains(file)) watcher_->addPath(file);
    const QString shown = displayPath(diskPath_);
    switch (change) {
    case recovery::DiskChange::None:
        return;
    case recovery::DiskChange::Gone:
        // Reported once; the text now exists only here.
        disk_ = now;
        txtHTML_->setModified(true);
        main_.SetStatusText(shown + QStringLiteral(" was deleted or renamed by another program."));
        return;
    case recovery::DiskChange::Changed:
        break;
    }
    if (!txtHTML_->Modified()) {
        const std::string path = diskPath_;
        if (loadFrom(path))
            main_.SetStatusText(shown + QStringLiteral(" was changed by another program and has been reloaded."));
        return;
    }
    // Asked about this version already: Save asks again, the watcher not.
    if (declined_.exists && recovery::diskChange(declined_, diskPath_) == recovery::DiskChange::None) return;
    bool saved = false;
    if (askAboutDiskChange(saved)) {
        // Overwrite: the user's text replaces the other program's now.
        disk_ = now;
        saveTo(diskPath_);
    } else if (!saved && txtHTML_->Modified()) {
        declined_ = now;
    }
}

bool TfHTML::askAboutDiskChange(bool& saved) {
    saved = false;
    askingDisk_ = true;
    const int answer = Prompter::current().choose(
        appTitle(), displayPath(diskPath_) + QStringLiteral(" was changed by another program."),
        {QStringLiteral("Reload"), QStringLiteral("Overwrite"), QStringLiteral("Save As"), QStringLiteral("Cancel")}, 3);
    askingDisk_ = false;
    switch (answer) {
    case 0: {
        // Reload, keeping the user's text in a new untitled document.
        std::string text;
        for (int p = 1; p <= txtHTML_->ParagraphCount(); ++p) {
            if (p > 1) text += '\n';
            text += txtHTML_->GetParagraphText(p);
        }
        const std::string path = diskPath_;
        if (TfHTML* kept = newUntitledDocument(main_)) {
            kept->txtHTML()->InsertText(std::string_view(text));
            kept->txtHTML()->setModified(true);
        }
        loadFrom(path);
        bringToFront();
        return false;
    }
    case 1:
        return true;
    case 2:
        saved = saveDocumentAs(main_, this);
        return false;
    default:
        return false;
    }
}

void TfHTML::useNewDocumentLineEnds() {
    const bool crlf = main_.IniControl().ReadBool("Application Options", "New Documents CR LF", false);
    txtHTML_->editor().store().setLfLineEnds(!crlf);
}

void TfHTML::bringToFront() {
    if (QMdiSubWindow* sub = subWindow()) {
        if (sub->isMinimized()) sub->showNormal();
        main_.mdiArea()->setActiveSubWindow(sub);
        sub->raise();
    }
    txtHTML_->setFocus();
}

// ---------------------------------------------------------------------------
// Events

void TfHTML::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!propertiesSet_) {
        propertiesSet_ = true;
        SetProperties();
    }
}

void TfHTML::SetProperties() {
    Prefs.Load();
    txtHTML_->setColor(Qt::white);
    txtHTML_->FixedFont().setColor(Qt::black);
    TMegaRegistry& ini = main_.IniControl();
    const bool wrap = ini.ReadBool("Editor", "Word Wrap", true);
    txtHTML_->setWordWrap(wrap);
    txtHTML_->setScrollBars(wrap ? TTextEditControl::ssVertical : TTextEditControl::ssBoth);
    txtHTML_->setTabType(ini.ReadBool("Editor", "Smart Tabs", false) ? qm::TabType::ttSmart : qm::TabType::ttReal);
    txtHTML_->setTabSize(ini.ReadInteger("Editor", "Tab Size", 8));
    txtHTML_->setShowLineNumbers(ini.ReadBool("Editor", "Line Numbers", false));
    applySyntaxSettings(*txtHTML_, ini);
    const TBagFont current{txtHTML_->FixedFont().font(), 0};
    const TBagFont stored = Prefs.GetFont("Edit_Font", current);
    // Only face and size; a face that is not fixed pitch is refused by the control.
    const QString face = TFixedFontSet::fixedPitchName(stored.font.family());
    if (!face.isEmpty()) txtHTML_->FixedFont().setName(face);
    if (stored.font.pointSize() > 0) txtHTML_->FixedFont().setSize(stored.font.pointSize());
    FormResize();
}

void TfHTML::SetFocustoMe() { main_.SelectTabName(caption()); }

void TfHTML::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    FormResize();
}

void TfHTML::FormResize() {
    const QAction* wrapItem = main_.menuAction("WordWrap1Click");
    if (!wrapItem || !wrapItem->isChecked()) {
        txtHTML_->setWrapToWindow(false);
        return;
    }
    // The control keeps the wrap column at its visible columns - 2 from now on.
    txtHTML_->setWrapToWindow(true);
    txtHTML_->setWrapColumn(std::max(1, txtHTML_->VisibleColumns() - 2));
}

bool TfHTML::FormQueryClose() {
    if (!txtHTML_->Modified()) {
        main_.RemovefromTabs(caption());
        return true;
    }
    const Prompter::Button answer = Prompter::current().confirm(
        appTitle(), QStringLiteral("Save changes to : ") + caption(),
        Prompter::Yes | Prompter::No | Prompter::Cancel, Prompter::Yes);
    if (answer == Prompter::Cancel) return false;
    if (answer == Prompter::Yes) {
        const QString before = caption();
        std::string path = filePath();
        if (isUntitled()) {
            Prompter::FileRequest req;
            req.caption = QStringLiteral("Save HTML Document As ...");
            req.defaultExt = QStringLiteral("htm");
            req.filter = QStringLiteral("HTML Document|*.htm|Text File|*.txt|All Files|*.*");
            const QString chosen = Prompter::current().saveFile(req);
            if (chosen.isEmpty()) return false;
            path = paths::documentIdentity(chosen.toStdString());
        }
        // A failed save keeps the window (and the unsaved text) open. A
        // read-only file may have been saved under another name instead.
        const std::string named = filePath();
        if (!saveTo(path)) return false;
        main_.RemovefromTabs(before);
        if (filePath() == named) setFilePath(path);
        return true;
    }
    main_.RemovefromTabs(caption());
    return true;
}

void TfHTML::FormClose() {
    Prefs.SetFont("Edit_Font", TBagFont{txtHTML_->FixedFont().font(), 0});
    Prefs.Save();
    main_.RemovefromTabs(caption());
}

void TfHTML::closeEvent(QCloseEvent* e) {
    if (!closeApproved_ && !FormQueryClose()) {
        e->ignore();
        return;
    }
    closeApproved_ = false;
    if (!programEnding_) dispatch([this] { FormClose(); });
    e->accept();
}

void TfHTML::approveClose(bool programEnding) {
    closeApproved_ = true;
    programEnding_ = programEnding;
}

void TfHTML::withdrawApproval() {
    closeApproved_ = false;
    programEnding_ = false;
}

// ---------------------------------------------------------------------------
// Search

QString TfHTML::lastSearchText() { return lastSearch; }
void TfHTML::setLastSearchText(const QString& text) { lastSearch = text; }

TfFind* TfHTML::findDialog() {
    if (!find_) {
        find_ = new TfFind(this);
        find_->setWindowFlag(Qt::Tool);
        find_->onFind = [this](const QString& text) { dispatch([&] { doFind(text); }); };
    }
    return find_;
}

TfReplace* TfHTML::replaceDialog() {
    if (!replace_) {
        replace_ = new TfReplace(this);
        replace_->setWindowFlag(Qt::Tool);
        replace_->onReplace = [this](const QString& f, const QString& r, bool all, bool mc, bool ww) {
            dispatch([&] { HandleReplace(f, r, all, mc, ww); });
        };
    }
    return replace_;
}

void TfHTML::Find1Click() {
    TfFind* d = findDialog();
    d->findField()->setText(lastSearch);
    d->findField()->selectAll();
    d->show();
    d->raise();
    d->activateWindow();
}

void TfHTML::Replace1Click() {
    TfReplace* d = replaceDialog();
    if (d->findField()->text().isEmpty()) d->findField()->setText(lastSearch);
    d->show();
    d->raise();
    d->activateWindow();
}

bool TfHTML::doFind(const QString& text) {
    lastSearch = text;
    if (txtHTML_->FindText(bytesOf(text), 0x01)) {
        findAgain_->setEnabled(true);
        bringToFront();
        return true;
    }
    findAgain_->setEnabled(false);
    Prompter::current().message(appTitle(), QStringLiteral("Search string not found !"));
    return false;
}

void TfHTML::FindAgain1Click() {
    if (txtHTML_->FindText(bytesOf(lastSearch), 0x01)) {
        bringToFront();
        return;
    }
    findAgain_->setEnabled(false);
    Prompter::current().message(appTitle(), QStringLiteral("Search string not found !"));
}

int TfHTML::HandleReplace(const QString& findText, const QString& replaceText, bool all, bool matchCase,
                          bool wholeWord) {
    unsigned options = all ? 0x28 : 0x18;
    if (matchCase) options |= 0x04;
    if (wholeWord) options |= 0x40;
    if (all && !texttools::undoFitsOrGoOn(*txtHTML_, txtHTML_->editor().replaceAllUndoBytes(
                                                           bytesOf(findText), bytesOf(replaceText), options)))
        return 0;
    const int n = txtHTML_->ReplaceText(bytesOf(findText), bytesOf(replaceText), options);
    if (n < 1)
        main_.SetStatusText(QStringLiteral("Ready ..."));
    else
        main_.SetStatusText(QString::number(n) + QStringLiteral(" : occurences were replaced."));
    return n;
}

// ---------------------------------------------------------------------------
// Drops from the pick lists: the text is the last tag pair, put at the caret
// or around the selection, not where the mouse was released.

static bool fromListBox(const QDropEvent* e) { return qobject_cast<QAbstractItemView*>(e->source()) != nullptr; }

bool TfHTML::eventFilter(QObject* watched, QEvent* e) {
    if (watched == txtHTML_->viewport()) {
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* d = static_cast<QDropEvent*>(e);
            if (fromListBox(d)) d->acceptProposedAction();
            else d->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* d = static_cast<QDropEvent*>(e);
            if (!fromListBox(d)) return false;
            d->acceptProposedAction();
            AcceptDrop();
            return true;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void TfHTML::AcceptDrop() {
    const TagPair pair = lastTagPair();
    InsertTag(main_, txtHTML_, pair.start, pair.end);
}

// ---------------------------------------------------------------------------
// DocumentStatus

int TfHTML::caretLine() const { return txtHTML_->editor().caret().para.value; }

int TfHTML::caretColumn() const {
    const qm::TextPos caret = txtHTML_->editor().caret();
    const std::string_view text = txtHTML_->GetParagraphText(caret.para.value);
    const std::size_t before = std::min<std::size_t>(text.size(), std::size_t(caret.pos.value - 1));
    int characters = 0;
    for (std::size_t i = 0; i < before; i += utf8::charLength(text.data() + i, text.size() - i)) ++characters;
    return characters + 1;
}

long long TfHTML::byteCount() const { return txtHTML_->editor().store().fileByteCount(); }

bool TfHTML::insertMode() const { return txtHTML_->InsertMode(); }

bool TfHTML::readOnly() const { return !isUntitled() && durable::isReadOnly(filePath()); }

// ---------------------------------------------------------------------------
// Document operations

QList<TfHTML*> htmlDocuments(TmdiMain& main) {
    QList<TfHTML*> out;
    for (QMdiSubWindow* sub : main.mdiArea()->subWindowList(QMdiArea::CreationOrder))
        if (auto* doc = qobject_cast<TfHTML*>(sub->widget())) out << doc;
    return out;
}

TfHTML* activeHtmlDocument(TmdiMain& main) {
    QMdiSubWindow* sub = main.activeDocumentWindow();
    return sub ? qobject_cast<TfHTML*>(sub->widget()) : nullptr;
}

bool IsNotOpen(TmdiMain& main, const std::string& path) {
    const std::string id = paths::documentIdentity(path);
    for (TfHTML* doc : htmlDocuments(main))
        if (doc->filePath() == id) return false;
    return true;
}

TfHTML* OpenDocument(TmdiMain& main, const std::string& path) {
    Prompter& prompter = Prompter::current();
    const QString shown = displayPath(path);
    if (!IsNotOpen(main, path)) {
        prompter.message(appTitle(), shown + QStringLiteral(" is already open."));
        return nullptr;
    }
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0) {
        prompter.message(appTitle(), QStringLiteral("Unable to find ") + shown + QStringLiteral("."));
        return nullptr;
    }
    const std::string id = paths::documentIdentity(path);
    // Folders, pipes, devices and files above a document's size limit are
    // refused before a window opens (the load checks again, on what it opens).
    if (const durable::CheckedFile probe(id, qm::TParagraphStore::kNoLimit); probe.error()) {
        qm::FileResult r;
        r.error = probe.error();
        r.message = probe.reason();
        prompter.message(appTitle(), openErrorText(shown, r), Prompter::Icon::Warning);
        return nullptr;
    }
    TfHTML* doc = TfHTML::create(main);
    doc->txtHTML()->setMakeBackup(main.IniControl().ReadBool("System", "Create Backup", true));
    doc->setFilePath(id);
    if (!doc->loadFrom(id)) {
        doc->txtHTML()->setModified(false);
        doc->subWindow()->close();
        return nullptr;
    }
    doc->bringToFront();
    main.recentFiles().update(id);
    main.MRUDisplay();
    main.TabsUpdate(doc->caption());
    main.SelectTabName(doc->caption());
    return doc;
}

void DeleteActiveSelection(TmdiMain& main) {
    if (TfHTML* doc = activeHtmlDocument(main)) doc->txtHTML()->DeleteSelection();
}
