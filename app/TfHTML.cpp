#include "TfHTML.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QLineEdit>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "Application.h"
#include "FindReplace.h"
#include "Paths.h"
#include "Prompter.h"
#include "StartupRules.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TagInsertion.h"
#include "TmdiMain.h"

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

    Prefs.SetIniFile("quilopt.ini");
    Prefs.SetIniSect("Edit Window");

    txtHTML_->viewport()->setAcceptDrops(true);
    txtHTML_->viewport()->installEventFilter(this);
    txtHTML_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(txtHTML_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popup_->popup(txtHTML_->mapToGlobal(p)); });
    createMenus();
    setFocusProxy(txtHTML_);
}

TfHTML::~TfHTML() = default;

TfHTML* TfHTML::create(TmdiMain& main) {
    auto* doc = new TfHTML(main);
    QMdiSubWindow* sub = main.mdiArea()->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(main.windowIcon());
    // A size to work in: most of the area, as a new window is cascaded.
    const QSize area = main.mdiArea()->viewport()->size();
    sub->resize(std::max(480, area.width() * 3 / 5), std::max(320, area.height() * 3 / 4));
    const int step = int(main.mdiArea()->subWindowList().size() - 1) % 8 * 24;
    sub->move(step, step);
    QObject::connect(main.mdiArea(), &QMdiArea::subWindowActivated, doc, [doc, sub](QMdiSubWindow* active) {
        if (active == sub) doc->SetFocustoMe();
    });
    sub->show();
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
        txtHTML_->Undo();
        txtHTML_->setModified(true);
    });
    popupItem(QStringLiteral("&ReDo"), shownKeys("EditRedoClick"), [this] {
        txtHTML_->Redo();
        txtHTML_->setModified(true);
    });
    popup_->addSeparator();
    popupItem(QStringLiteral("Repeat &Last Tag"), shownKeys("RepeatLastTag1Click"), [this] {
        const TagPair pair = lastTagPair();
        InsertTag(main_, txtHTML_, pair.start, pair.end);
    });
    popup_->addSeparator();
    popupItem(QStringLiteral("Cu&t"), shownKeys("EditCut"), [this] {
        txtHTML_->CutToClipboard();
        txtHTML_->setModified(true);
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

void TfHTML::setCaption(const QString& caption) { setWindowTitle(caption); }

bool TfHTML::isUntitled() const { return caption().left(17) == QLatin1String(kUntitled); }

std::string TfHTML::filePath() const { return caption().toStdString(); }

// ---------------------------------------------------------------------------
// Files

bool TfHTML::saveTo(const QString& path) {
    const qm::FileResult r = txtHTML_->SaveToFile(path.toStdString());
    if (!r.ok) {
        // The engine leaves the old file whole; the text stays unsaved here.
        txtHTML_->setModified(true);
        Prompter::current().message(appTitle(), fileErrorText(QStringLiteral("save"), path, r),
                                    Prompter::Icon::Warning);
        return false;
    }
    txtHTML_->setModified(false);
    return true;
}

bool TfHTML::loadFrom(const QString& path) {
    const qm::FileResult r = txtHTML_->LoadFromFile(path.toStdString());
    if (!r.ok) {
        Prompter::current().message(appTitle(), fileErrorText(QStringLiteral("open"), path, r),
                                    Prompter::Icon::Warning);
        return false;
    }
    if (r.splitLines > 0 || r.droppedLines > 0) {
        QString text = QStringLiteral("%1 has lines longer than the editor can hold in one line.").arg(path);
        if (r.splitLines > 0)
            text += QStringLiteral("\n\n%1 long line(s) were broken into several lines; saving the document "
                                   "will save them broken.")
                        .arg(r.splitLines);
        if (r.droppedLines > 0)
            text = QStringLiteral("%1 is larger than the editor can hold.\n\n%2 line(s) at its end were not "
                                  "loaded; saving the document under the same name would lose them.")
                       .arg(path)
                       .arg(r.droppedLines);
        Prompter::current().message(appTitle(), text, Prompter::Icon::Warning);
    }
    txtHTML_->setModified(false);
    return true;
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
        QString path = caption();
        if (isUntitled()) {
            Prompter::FileRequest req;
            req.caption = QStringLiteral("Save HTML Document As ...");
            req.defaultExt = QStringLiteral("htm");
            req.filter = QStringLiteral("HTML Document|*.htm|Text File|*.txt|All Files|*.*");
            const QString chosen = Prompter::current().saveFile(req);
            if (chosen.isEmpty()) return false;
            path = QString::fromStdString(paths::documentIdentity(chosen.toStdString()));
        }
        // A failed save keeps the window (and the unsaved text) open.
        if (!saveTo(path)) return false;
        main_.RemovefromTabs(caption());
        setCaption(path);
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

int TfHTML::caretLine() const {
    int column = 1;
    return txtHTML_->GetCaret(column);
}

int TfHTML::caretColumn() const {
    int column = 1;
    txtHTML_->GetCaret(column);
    return column;
}

long long TfHTML::byteCount() const { return txtHTML_->ByteCount(); }

bool TfHTML::insertMode() const { return txtHTML_->InsertMode(); }

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

bool IsNotOpen(TmdiMain& main, const QString& path) {
    const std::string id = paths::documentIdentity(path.toStdString());
    for (TfHTML* doc : htmlDocuments(main))
        if (doc->caption().toStdString() == id) return false;
    return true;
}

namespace {

// Why a path cannot be opened as a document, or empty when it can.
QString unreadableReason(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (fs::is_directory(st)) return QStringLiteral("It is a folder, not a file.");
    if (!fs::is_regular_file(st)) return QStringLiteral("It is not a plain file (a device, pipe or socket).");
    std::ifstream probe(path, std::ios::binary);
    if (!probe) return QString::fromLocal8Bit(std::strerror(errno));
    return {};
}

}  // namespace

TfHTML* OpenDocument(TmdiMain& main, const QString& path) {
    Prompter& prompter = Prompter::current();
    if (!IsNotOpen(main, path)) {
        prompter.message(appTitle(), path + QStringLiteral(" is already open."));
        return nullptr;
    }
    const std::string file = path.toStdString();
    std::error_code ec;
    if (path.isEmpty() || !std::filesystem::exists(file, ec)) {
        prompter.message(appTitle(), QStringLiteral("Unable to find ") + path + QStringLiteral("."));
        return nullptr;
    }
    if (const QString why = unreadableReason(file); !why.isEmpty()) {
        prompter.message(appTitle(), QStringLiteral("Unable to open %1.\n\n%2").arg(path, why),
                         Prompter::Icon::Warning);
        return nullptr;
    }
    const QString id = QString::fromStdString(paths::documentIdentity(file));
    TfHTML* doc = TfHTML::create(main);
    doc->txtHTML()->setMakeBackup(main.IniControl().ReadBool("System", "Create Backup", true));
    doc->setCaption(id);
    if (!doc->loadFrom(id)) {
        doc->txtHTML()->setModified(false);
        doc->subWindow()->close();
        return nullptr;
    }
    doc->bringToFront();
    main.recentFiles().update(id.toStdString());
    main.MRUDisplay();
    main.TabsUpdate(id);
    main.SelectTabName(id);
    return doc;
}

void DeleteActiveSelection(TmdiMain& main) {
    if (TfHTML* doc = activeHtmlDocument(main)) doc->txtHTML()->DeleteSelection();
}
