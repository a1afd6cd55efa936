#include "TmdiMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>
#include <utility>

#include "Application.h"
#include "CommandTable.h"
#include "DockHost.h"
#include "DocumentStatus.h"
#include "Help.h"
#include "Launcher.h"
#include "ModalRunner.h"
#include "OptionsRules.h"
#include "Paths.h"
#include "Sound.h"
#include "RecoveryWindow.h"
#include "StartupRules.h"
#include "StatusLineLabel.h"
#include "TAboutBox.h"
#include "TDocPanel.h"
#include "TMegaRegistry.h"
#include "TfHTML.h"
#include "TfrmTitle.h"

namespace {

const std::string kHeader = "Application Header";
const std::string kOptions = "Application Options";

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string ss(const QString& s) { return s.toStdString(); }

// A document's identity is its caption; Qt's "[*]" modified marker is not part of it.
QString captionOf(const QMdiSubWindow* sub) {
    QString t = sub->widget() ? sub->widget()->windowTitle() : sub->windowTitle();
    t.remove(QStringLiteral("[*]"));
    return t;
}

QLabel* makePanel(QWidget* parent, int width, const QString& hint, int pointSize) {
    auto* l = new QLabel(parent);
    // Panels show tags and the user's name as written, never as markup.
    l->setTextFormat(Qt::PlainText);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setLineWidth(1);
    if (width > 0) l->setFixedWidth(width);
    if (!hint.isEmpty()) {
        l->setStatusTip(hint);
        l->setToolTip(hint);
    }
    QFont f = l->font();
    f.setPointSize(pointSize);
    l->setFont(f);
    return l;
}

std::vector<std::string> utf8Paths(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& s : list) out.push_back(s.toStdString());
    return out;
}

// Widens a panel (never narrows it) so that `sample` fits inside its frame.
void fitPanelTo(QLabel* panel, const QString& sample) {
    const int needed = panel->fontMetrics().horizontalAdvance(sample) + 2 * panel->frameWidth() + 2 * panel->margin() + 6;
    if (needed > panel->width()) panel->setFixedWidth(needed);
}

}  // namespace

QString keysText(const QList<QKeySequence>& keys) {
    QStringList shown;
    for (const QKeySequence& k : keys) shown << k.toString(QKeySequence::NativeText);
    return shown.join(QStringLiteral(" / "));
}

TmdiMain::TmdiMain(const QStringList& arguments, QWidget* parent) : TmdiMain(utf8Paths(arguments), parent) {}

TmdiMain::TmdiMain(std::vector<std::string> arguments, QWidget* parent)
    : QMainWindow(parent), iniControl_(std::make_unique<TMegaRegistry>()), arguments_(std::move(arguments)) {
    setObjectName(QStringLiteral("mdiMain"));
    setWindowTitle(QString::fromUtf8(startup::kMainCaption));
    iniControl_->SetApp("Quillmar HTML Editor Version 2");
    iniControl_->SetCompany("Quillmar Software");
    iniControl_->SetIniName("QUILLMAR.INI");
    iniControl_->SetPreference(TMRPreference::mrpIni);
    iniControl_->Open();

    mdiArea_ = new QMdiArea;
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TabSet1 = new QTabBar;
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setExpanding(false);
    TabSet1->setDrawBase(true);
    // An empty strip would collapse to nothing; it keeps its row while shown.
    TabSet1->setMinimumHeight(fontMetrics().height() + 8);
    connect(TabSet1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index < 0) return;
        TabSet1->setCurrentIndex(index);
        dispatch([this] { DisplayTabName(); });
    });
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub) settleDocumentKeys(sub);
    });
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mdiArea_, 1);
    layout->addWidget(TabSet1);
    dockHost_ = new DockHost("quil32tb.ini");
    dockHost_->setCenter(central);
    setCentralWidget(dockHost_);

    createActions();
    createMenus();
    createToolBars();
    dockHost_->loadLayout();
    createStatusBar();
    createHandlers();

    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, [this] { dispatch([this] { ShowStatus(); }); });
    Timer1->start();

    // A size worth having when the window is not maximised (no window
    // manager, or "MDI State" 0 with nothing stored yet).
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        resize(qMin(1100, avail.width() * 9 / 10), qMin(760, avail.height() * 9 / 10));
    }
    setWindowState(Qt::WindowMaximized);
    FormCreate();
}

TmdiMain::~TmdiMain() {
    // The handler captures this window; the process may outlive it (tests).
    setExceptionHandler(std::move(previousHandler_));
}

void TmdiMain::FormCreate() {
    previousHandler_ = setExceptionHandler([this](const QString& what) { AppException(what); });
    // Decided once, at start-up; a program removed since is not started.
    if (!startup::imageToolsProgram().empty())
        setHandler("QuillmarImageTools1Click", [] {
            const std::filesystem::path program = startup::imageToolsProgram();
            if (!program.empty()) Launcher::current().start(QFile::decodeName(QByteArray::fromStdString(program)));
        });
    SetStatusText(QStringLiteral("Ready ..."));
}

// ---------------------------------------------------------------------------
// Building the window from the command table

void TmdiMain::createActions() {
    const auto rows = commands::menuRows();
    for (size_t index = 0; index < rows.size(); ++index) {
        const commands::MenuRow& row = rows[index];
        if (row.kind == commands::RowKind::Separator || row.kind == commands::RowKind::RecentFiles ||
            row.kind == commands::RowKind::Submenu)
            continue;
        auto* a = new QAction(qs(row.caption), this);
        a->setObjectName(qs(row.handler));
        if (!row.shortcut.empty()) {
            const QList<QKeySequence> keys = QKeySequence::listFromString(qs(row.shortcut), QKeySequence::PortableText);
            a->setShortcuts(keys);
            // A menu shows only the first key; an item with more shows them
            // all in its key column (the text after the tab).
            if (keys.size() > 1) a->setText(qs(row.caption) + u'\t' + keysText(keys));
        }
        a->setStatusTip(QString::fromStdString(commands::menuHint(row)));
        if (row.kind == commands::RowKind::Check) {
            a->setCheckable(true);
            a->setChecked(row.checked);
        }
        a->setEnabled(false);
        if (row.kind == commands::RowKind::Tag) {
            const QString start = qs(row.startText), end = qs(row.endText);
            a->setProperty("qmTag", true);
            connect(a, &QAction::triggered, this, [this, start, end] {
                dispatch([&] {
                    if (tagInserter_) tagInserter_(start, end);
                });
            });
        } else {
            const std::string handler(row.handler);
            connect(a, &QAction::triggered, this, [this, handler] { runCommand(handler); });
        }
        actions_.emplace(std::string(row.handler), a);
        a->setProperty("qmRow", qlonglong(index));
    }
}

QMenu* TmdiMain::menuForPath(std::string_view path) {
    if (auto it = menus_.find(path); it != menus_.end()) return it->second;
    const size_t bar = path.rfind('|');
    QMenu* menu = nullptr;
    if (bar == std::string_view::npos) {
        menu = menuBar()->addMenu(qs(path));
    } else {
        QMenu* parentMenu = menuForPath(path.substr(0, bar));
        menu = parentMenu->addMenu(qs(path.substr(bar + 1)));
    }
    menus_.emplace(std::string(path), menu);
    return menu;
}

void TmdiMain::addMenuRow(const commands::MenuRow& row) {
    QMenu* menu = menuForPath(row.path);
    switch (row.kind) {
    case commands::RowKind::Separator:
        menu->addSeparator();
        return;
    case commands::RowKind::RecentFiles:
        for (int i = 0; i < RecentFiles::kCount; ++i) {
            auto* a = menu->addAction(QStringLiteral("&%1 ").arg(i + 1));
            a->setObjectName(QStringLiteral("MRU%1").arg(i + 1));
            a->setStatusTip(QStringLiteral("Open this recently used file"));
            a->setVisible(false);
            a->setEnabled(false);
            // The item opens the path it shows (set by MRUDisplay), never
            // whatever the list holds at its index by now.
            connect(a, &QAction::triggered, this, [this, a] {
                dispatch([&] {
                    const QByteArray path = a->data().toByteArray();
                    if (!path.isEmpty() && opener_) opener_(path.toStdString());
                });
            });
            mruItems_.push_back(a);
        }
        mruSeparator_ = menu->addSeparator();
        mruSeparator_->setVisible(false);
        return;
    case commands::RowKind::Submenu: {
        std::string subPath = std::string(row.path) + "|" + std::string(row.caption);
        QMenu* sub = menuForPath(subPath);
        QAction* a = sub->menuAction();
        a->setObjectName(qs(row.handler));
        a->setStatusTip(qs(row.hint));
        if (!row.shortcut.empty()) a->setShortcut(QKeySequence(qs(row.shortcut), QKeySequence::PortableText));
        // The key pops the submenu up over the documents.
        connect(a, &QAction::triggered, this, [this, sub] {
            sub->popup(mdiArea_->mapToGlobal(QPoint(mdiArea_->width() / 3, mdiArea_->height() / 4)));
        });
        actions_.emplace(std::string(row.handler), a);
        return;
    }
    default:
        break;
    }
    auto range = actions_.equal_range(row.handler);
    for (auto it = range.first; it != range.second; ++it) {
        QAction* a = it->second;
        if (a->property("qmRow").isValid() && a->property("qmRow").toLongLong() == qlonglong(&row - commands::menuRows().data())) {
            menu->addAction(a);
            return;
        }
    }
}

void TmdiMain::createMenus() {
    // Top menus first, so the bar keeps its order whatever the rows say.
    for (std::string_view top : commands::topMenus()) menuForPath(top);
    for (const commands::MenuRow& row : commands::menuRows()) addMenuRow(row);

    windowMenu_ = menus_.at("&Window");
    for (QAction* a : windowMenu_->actions()) windowMenuFixed_.push_back(a);
    connect(windowMenu_, &QMenu::aboutToShow, this, &TmdiMain::updateWindowMenu);

    // The main window has a settings-file role for the document commands; the
    // View toggles and Window/Help commands are its own (createHandlers).
    documentTabsItem_ = menuAction("DocumentTabs1Click");
}

void TmdiMain::createToolBars() {
    for (const commands::ToolbarInfo& info : commands::toolbarInfo()) {
        auto* bar = new TDocPanel(qs(info.component), qs(info.title), dockHost_);
        dockHost_->addPanel(bar, toolbars::DockSide::Top);
        toolbars_.emplace(std::string(info.component), bar);
        Toolbar t;
        t.bar = bar;
        t.viewItem = menuAction(info.viewHandler);
        t.iniKey = std::string(info.iniKey);
        t.handler = std::string(info.viewHandler);
        toolbarState_.push_back(t);
    }
    bool toggleGroupStarted = false;
    for (const commands::ButtonRow& b : commands::buttonRows()) {
        TDocPanel* bar = toolbars_.at(std::string(b.toolbar));
        const bool isToggle = b.kind == commands::ButtonKind::Toggle;
        if (isToggle && !toggleGroupStarted) {
            bar->addSeparator();
            toggleGroupStarted = true;
        } else if (!isToggle && toggleGroupStarted && b.toolbar == "SpeedBar") {
            bar->addSeparator();
            toggleGroupStarted = false;
        }
        auto* a = new QAction(QIcon(QStringLiteral(":/quillmar/toolbar/%1.svg").arg(qs(b.handler))), qs(b.label), this);
        a->setObjectName(qs(b.handler));
        a->setStatusTip(qs(b.hint));
        a->setToolTip(qs(b.hint));
        a->setProperty("qmButton", true);
        if (const commands::MenuRow* row = commands::findMenuRow(b.handler); row && row->kind == commands::RowKind::Tag)
            a->setProperty("qmTag", true);
        a->setEnabled(false);
        if (isToggle) {
            a->setCheckable(true);
            a->setChecked(true);
            for (Toolbar& t : toolbarState_)
                if (t.handler == b.handler) t.toggle = a;
        }
        const std::string handler(b.handler);
        connect(a, &QAction::triggered, this, [this, handler] { runCommand(handler); });
        bar->addButton(a);
        actions_.emplace(handler, a);
    }
}

void TmdiMain::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setSizeGripEnabled(false);
    bar->setMinimumHeight(26);
    StatusLine = new StatusLineLabel(bar);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setTextFormat(Qt::PlainText);
    StatusLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusLine->setFixedWidth(194);
    QFont f = StatusLine->font();
    f.setPointSize(9);
    StatusLine->setFont(f);
    pnlMode = makePanel(bar, 65, QStringLiteral("Current Editing Mode"), 8);
    pnlPos = makePanel(bar, 52, QStringLiteral("Current Position"), 8);
    pnlSize = makePanel(bar, 72, QStringLiteral("Files Size in Bytes"), 8);
    pnlApp = makePanel(bar, 110, QStringLiteral("Your User Name"), 8);
    pnlTag = makePanel(bar, 0, QStringLiteral("Last Tag inserted - to reuse press \"F4\""), 8);
    pnlMode->setObjectName(QStringLiteral("pnlMode"));
    pnlPos->setObjectName(QStringLiteral("pnlPos"));
    pnlSize->setObjectName(QStringLiteral("pnlSize"));
    // Seven-digit line numbers and a 20 MB file's size fit their panels.
    fitPanelTo(pnlPos, QStringLiteral("0000000:000000"));
    fitPanelTo(pnlSize, QStringLiteral("Bytes: 000000000"));
    pnlApp->setObjectName(QStringLiteral("pnlApp"));
    pnlTag->setObjectName(QStringLiteral("pnlTag"));
    // Permanent widgets are never hidden by status messages; pnlTag takes
    // whatever width is left, which is what AdjustControls did on resize.
    bar->addPermanentWidget(StatusLine);
    bar->addPermanentWidget(pnlMode);
    bar->addPermanentWidget(pnlPos);
    bar->addPermanentWidget(pnlSize);
    bar->addPermanentWidget(pnlApp);
    bar->addPermanentWidget(pnlTag, 1);
    StatusLine->setCaption(QStringLiteral("Ready ..."));
}

void TmdiMain::createHandlers() {
    setHandler("FileExit", [this] { FileExit(); });
    // Print preview never did anything.
    setHandler("PrintPreview1Click", [] {});
    setHandler("WindowTile", [this] { WindowTile(); });
    setHandler("WindowCascade", [this] { WindowCascade(); });
    setHandler("WindowArrange", [this] { WindowArrange(); });
    setHandler("HelpContents", [this] { HelpContents(); });
    setHandler("HelpSearch", [this] { HelpSearch(); });
    setHandler("HelpHowToUse", [this] { HelpHowToUse(); });
    setHandler("HTMLPrimer1Click", [this] { HTMLPrimer1Click(); });
    setHandler("HelpAbout", [this] { HelpAbout(); });
    setHandler("DocumentTabs1Click", [this] { DocumentTabs1Click(); });
    setHandler("GotoMenu", [] {});
    for (size_t i = 0; i < toolbarState_.size(); ++i)
        setHandler(toolbarState_[i].handler, [this, i] { toggleToolbar(i); });
}

// ---------------------------------------------------------------------------
// Commands

void TmdiMain::setHandler(std::string_view name, Handler handler) {
    if (handler)
        handlers_[std::string(name)] = std::move(handler);
    else if (auto it = handlers_.find(name); it != handlers_.end())
        handlers_.erase(it);
    updateEnabled(name);
}

bool TmdiMain::hasHandler(std::string_view name) const { return handlers_.find(name) != handlers_.end(); }

void TmdiMain::updateEnabled(std::string_view handler) {
    auto range = actions_.equal_range(handler);
    for (auto it = range.first; it != range.second; ++it) {
        QAction* a = it->second;
        const bool tag = a->property("qmTag").toBool();
        a->setEnabled(hasHandler(handler) || (tag && tagInserter_));
    }
}

void TmdiMain::runCommand(std::string_view name) {
    dispatch([&] {
        if (auto it = handlers_.find(name); it != handlers_.end()) {
            Handler h = it->second;  // a handler may replace itself while running
            h();
            return;
        }
        const commands::MenuRow* row = commands::findMenuRow(name);
        if (row && row->kind == commands::RowKind::Tag && tagInserter_)
            tagInserter_(qs(row->startText), qs(row->endText));
    });
}

void TmdiMain::setTagInserter(TagInserter inserter) {
    tagInserter_ = std::move(inserter);
    for (const auto& [handler, action] : actions_)
        if (action->property("qmTag").toBool()) updateEnabled(handler);
}

void TmdiMain::setDocumentOpener(DocumentOpener opener) {
    opener_ = std::move(opener);
    MRUDisplay();
}

void TmdiMain::setTipsHandler(Handler handler) { tips_ = std::move(handler); }

void TmdiMain::setCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }

QAction* TmdiMain::menuAction(std::string_view handler) const {
    auto range = actions_.equal_range(handler);
    for (auto it = range.first; it != range.second; ++it)
        if (!it->second->property("qmButton").toBool()) return it->second;
    return nullptr;
}

QList<QAction*> TmdiMain::actionsFor(std::string_view handler) const {
    QList<QAction*> out;
    auto range = actions_.equal_range(handler);
    for (auto it = range.first; it != range.second; ++it) out << it->second;
    return out;
}

QMenu* TmdiMain::topMenu(const QString& caption) const {
    auto it = menus_.find(ss(caption));
    return it == menus_.end() ? nullptr : it->second;
}

TDocPanel* TmdiMain::toolbar(std::string_view component) const {
    auto it = toolbars_.find(component);
    return it == toolbars_.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------------------
// Status line

void TmdiMain::setStatusLine(const QString& caption) {
    if (StatusLine->text() != caption) StatusLine->setCaption(caption);
}

void TmdiMain::SetStatusText(const QString& text) { setStatusLine(QStringLiteral("   ") + text); }

void TmdiMain::ShowHint(const QString& hint) { setStatusLine(hint); }

QString TmdiMain::statusText() const { return StatusLine->text(); }

QLabel* TmdiMain::panel(std::string_view name) const {
    if (name == "StatusLine") return StatusLine;
    if (name == "pnlMode") return pnlMode;
    if (name == "pnlPos") return pnlPos;
    if (name == "pnlSize") return pnlSize;
    if (name == "pnlApp") return pnlApp;
    if (name == "pnlTag") return pnlTag;
    return nullptr;
}

void TmdiMain::setLastTagPanel(const QString& text) { pnlTag->setText(text); }

void TmdiMain::ShowPosition() {
    if (const DocumentStatus* doc = activeDocument())
        pnlPos->setText(QStringLiteral("%1:%2").arg(doc->caretLine()).arg(doc->caretColumn()));
}

void TmdiMain::ShowStatus() {
    const DocumentStatus* doc = activeDocument();
    if (!doc) return;  // the panels keep the last document's values
    ShowPosition();
    pnlPos->repaint();
    pnlSize->setText(QStringLiteral("Bytes: %1").arg(doc->byteCount()));
    // A read-only file is shown where the editing mode is: Save will not replace it.
    pnlMode->setText(doc->readOnly()     ? QStringLiteral("Read-only")
                     : doc->insertMode() ? QStringLiteral("Insert")
                                         : QStringLiteral("Overwrite"));
    pnlApp->setText(userName_);
    pnlPos->repaint();
}

void TmdiMain::AppException(const QString& /*what*/) {
    SetStatusText(QStringLiteral("An Internal Error was detected and corrected."));
    SoundPlayer::current().playDefault();
}

bool TmdiMain::event(QEvent* e) {
    // Hints go to StatusLine (ShowHint), never to QStatusBar's message area,
    // which would hide the panels.
    if (e->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

// ---------------------------------------------------------------------------
// Documents and the tab strip

QMdiSubWindow* TmdiMain::activeDocumentWindow() const { return mdiArea_->currentSubWindow(); }

DocumentStatus* TmdiMain::activeDocument() const {
    QMdiSubWindow* sub = activeDocumentWindow();
    if (!sub) return nullptr;
    if (auto* d = dynamic_cast<DocumentStatus*>(sub->widget())) return d;
    return dynamic_cast<DocumentStatus*>(sub);
}

void TmdiMain::TabsUpdate(const QString& name) {
    for (int i = 0; i < TabSet1->count(); ++i)
        if (TabSet1->tabText(i) == name) return;
    const QSignalBlocker block(TabSet1);
    TabSet1->addTab(name);
    setTabToolTips();
}

void TmdiMain::setTabToolTips() {
    for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        const auto* doc = dynamic_cast<const DocumentStatus*>(sub->widget());
        const QString name = captionOf(sub);
        for (int i = 0; i < TabSet1->count(); ++i)
            if (TabSet1->tabText(i) == name)
                TabSet1->setTabToolTip(i, doc && doc->readOnly() ? name + QStringLiteral(" (read-only)") : name);
    }
}

void TmdiMain::TabsRefresh() {
    const QSignalBlocker block(TabSet1);
    while (TabSet1->count() > 0) TabSet1->removeTab(TabSet1->count() - 1);
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) TabSet1->addTab(captionOf(sub));
    setTabToolTips();
    // A rebuilt strip would select its first tab: keep the active document's.
    if (QMdiSubWindow* active = activeDocumentWindow()) SelectTabName(captionOf(active));
}

void TmdiMain::SelectTabName(const QString& name) {
    for (int i = TabSet1->count() - 1; i >= 0; --i) {
        if (TabSet1->tabText(i) == name) {
            const QSignalBlocker block(TabSet1);
            TabSet1->setCurrentIndex(i);
            return;
        }
    }
}

void TmdiMain::RemovefromTabs(const QString& name) {
    for (int i = TabSet1->count() - 1; i >= 0; --i) {
        if (TabSet1->tabText(i) == name) {
            const QSignalBlocker block(TabSet1);
            TabSet1->removeTab(i);
            return;
        }
    }
}

void TmdiMain::DisplayTabName() {
    const int index = TabSet1->currentIndex();
    if (TabSet1->count() == 0 || index < 0) return;
    const QString text = TabSet1->tabText(index);
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (captionOf(sub) != text) continue;
        if (sub->isMinimized()) sub->showNormal();
        mdiArea_->setActiveSubWindow(sub);
        sub->raise();
    }
}

void TmdiMain::settleDocumentKeys(QMdiSubWindow* sub) {
    // A child window's system menu claims Ctrl+F4 and Ctrl+W (close); two
    // owners make a key ambiguous in Qt and neither fires, so the menu bar
    // keeps every key any of its items has.
    QMenu* system = sub->systemMenu();
    if (!system) return;
    for (QAction* a : system->actions()) {
        QList<QKeySequence> keep;
        for (const QKeySequence& k : a->shortcuts()) {
            bool taken = false;
            for (const auto& [handler, mine] : actions_)
                if (mine->shortcuts().contains(k)) taken = true;
            if (!taken) keep << k;
        }
        if (keep.size() != a->shortcuts().size()) a->setShortcuts(keep);
    }
}

void TmdiMain::updateWindowMenu() {
    for (QAction* a : windowMenu_->actions())
        if (std::find(windowMenuFixed_.begin(), windowMenuFixed_.end(), a) == windowMenuFixed_.end()) {
            windowMenu_->removeAction(a);
            a->deleteLater();
        }
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    windowMenu_->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows.at(i);
        const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(captionOf(sub))
                                   : QStringLiteral("%1 %2").arg(i + 1).arg(captionOf(sub));
        QAction* a = windowMenu_->addAction(text);
        a->setCheckable(true);
        a->setChecked(sub == mdiArea_->activeSubWindow());
        connect(a, &QAction::triggered, sub, [this, sub] { mdiArea_->setActiveSubWindow(sub); });
    }
}

// ---------------------------------------------------------------------------
// Window commands

void TmdiMain::WindowTile() {
    // Horizontal tiling: every window as wide as the area, stacked top to bottom.
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder))
        if (sub->isVisible() && !sub->isMinimized()) windows << sub;
    if (windows.isEmpty()) return;
    documentsMaximised_ = false;
    const QRect area = mdiArea_->viewport()->rect();
    const int h = qMax(1, area.height() / int(windows.size()));
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows.at(i);
        if (sub->isMaximized()) sub->showNormal();
        const int bottom = (i == windows.size() - 1) ? area.height() : (i + 1) * h;
        sub->setGeometry(0, i * h, area.width(), bottom - i * h);
    }
}

void TmdiMain::WindowCascade() {
    mdiArea_->cascadeSubWindows();
    documentsMaximised_ = false;
}

void TmdiMain::WindowArrange() {
    // The minimised windows' icons in a row along the bottom of the area.
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0, y = -1;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isMinimized()) continue;
        const QSize s = sub->size();
        if (y < 0) y = area.height() - s.height();
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            y -= s.height();
        }
        sub->move(x, y);
        x += s.width();
    }
}

// ---------------------------------------------------------------------------
// Help

void TmdiMain::HelpContents() { HelpSystem::current().showContents(); }
void TmdiMain::HelpSearch() { HelpSystem::current().search(QString()); }
void TmdiMain::HelpHowToUse() { HelpSystem::current().helpOnHelp(); }

void TmdiMain::HTMLPrimer1Click() {
    HelpSystem& help = HelpSystem::current();
    help.setHelpFile(QStringLiteral("html.hlp"));
    help.showContents();
    help.setHelpFile(QStringLiteral("quillmar.hlp"));
}

void TmdiMain::HelpAbout() {
    TAboutBox box(this);
    runModal(box);
}

// ---------------------------------------------------------------------------
// View toggles. The state lives here; the View item's check mark, the
// toggle button and the toolbar follow it. None of them writes settings.

void TmdiMain::setToolbarShown(size_t index, bool shown) {
    Toolbar& t = toolbarState_.at(index);
    t.shown = shown;
    if (t.viewItem) t.viewItem->setChecked(shown);
    if (t.toggle) t.toggle->setChecked(shown);
    t.bar->setShown(shown);
}

void TmdiMain::toggleToolbar(size_t index) { setToolbarShown(index, !toolbarState_.at(index).shown); }

void TmdiMain::setTabsShown(bool shown) {
    tabsShown_ = shown;
    documentTabsItem_->setChecked(shown);
    TabSet1->setVisible(shown);
}

void TmdiMain::DocumentTabs1Click() { setTabsShown(!tabsShown_); }

// ---------------------------------------------------------------------------
// Start-up

void TmdiMain::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!startUpScheduled_) {
        startUpScheduled_ = true;
        // After the window is on screen, as the first shown event did.
        QTimer::singleShot(0, this, [this] { dispatch([this] { GetCommandLine(); }); });
    }
}

void TmdiMain::showSplash(const std::function<void()>& whileShown) {
    TfrmTitle title(this);
    QTimer::singleShot(0, &title, whileShown);
    runModal(title);
}

void TmdiMain::GetCommandLine() {
    startUpScheduled_ = true;
    // Each step runs on its own, so one failing step does not cancel the rest.
    dispatch([] { HelpSystem::current().setHelpFile(QStringLiteral("quillmar.hlp")); });
    userName_ = QString::fromStdString(
        iniControl_->ReadString(kHeader, "User Name", options::kPlaceholderUserName));
    // The settings, the first document and the command-line files load while
    // the splash shows, so the user does not wait twice; they run after it
    // when it closed before its first turn of events.
    bool loaded = false;
    const auto load = [this, &loaded] {
        if (std::exchange(loaded, true)) return;
        dispatch([this] { LoadIniSettings(); });
        if (iniControl_->ReadBool("System", "Open Template", true) && hasHandler("FileNew")) runCommand("FileNew");
        if (opener_) {
            for (const std::string& arg : arguments_) {
                SetStatusText(QStringLiteral("Opening File : ") + QString::fromStdString(arg) + QStringLiteral(" ..."));
                dispatch([&] { opener_(arg); });
                SetStatusText(QStringLiteral("Ready ..."));
            }
        }
    };
    dispatch([&] { showSplash(load); });
    load();
    // Unsaved documents of a run that was killed, once the window is up.
    dispatch([this] { offerRecovery(*this); });
    if (iniControl_->ReadBool("Start Options", "Tips", true) && tips_) dispatch([this] { tips_(); });
    dispatch([this] {
        const std::string stored = iniControl_->ReadString(kOptions, "Startup Directory", paths::homeDir().string());
        if (auto dir = startup::startupDirectory(stored)) {
            std::error_code ec;
            std::filesystem::current_path(*dir, ec);
        }
    });
    startUpDone_ = true;
    emit startUpFinished();
}

void TmdiMain::LoadIniSettings() {
    SetStatusText(QStringLiteral("Retrieving Application Settings ..."));
    pnlApp->setText(userName_);
    LoadWindowPlacement();
    LoadDocumentPlacement();
    LoadToolbarState();
    for (int i = 0; i < RecentFiles::kCount; ++i)
        recent_.setEntry(i, iniControl_->ReadString("MRU", std::to_string(i), ""));
    MRUDisplay();
    SetStatusText(QStringLiteral("Ready ..."));
}

void TmdiMain::LoadWindowPlacement() {
    const int state = iniControl_->ReadInteger(kOptions, "MDI State", 1);
    if (state != 0) {
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowFullScreen)) | Qt::WindowMaximized);
        return;
    }
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    const int left = iniControl_->ReadInteger(kOptions, "MDI Left", 1);
    const int top = iniControl_->ReadInteger(kOptions, "MDI Top", 1);
    const int height = iniControl_->ReadInteger(kOptions, "MDI Height", 480);
    const int width = iniControl_->ReadInteger(kOptions, "MDI Width", 640);
    move(left, top);
    resize(width, height);
}

void TmdiMain::SaveWindowPlacement() {
    const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    iniControl_->WriteInteger(kOptions, "MDI State", state);
    if (state != 0) return;
    iniControl_->WriteInteger(kOptions, "MDI Width", width());
    iniControl_->WriteInteger(kOptions, "MDI Height", height());
    iniControl_->WriteInteger(kOptions, "MDI Top", y());
    iniControl_->WriteInteger(kOptions, "MDI Left", x());
}

void TmdiMain::LoadDocumentPlacement() {
    documentsMaximised_ = iniControl_->ReadInteger(kOptions, "Document State", 2) != 0;
    const int width = iniControl_->ReadInteger(kOptions, "Document Width", 0);
    const int height = iniControl_->ReadInteger(kOptions, "Document Height", 0);
    documentSize_ = width > 0 && height > 0 ? QSize(width, height) : QSize();
}

void TmdiMain::SaveDocumentPlacement() {
    const QMdiSubWindow* sub = activeDocumentWindow();
    if (sub && !sub->isMaximized() && !sub->isMinimized()) documentSize_ = sub->size();
    iniControl_->WriteInteger(kOptions, "Document State", documentsMaximised_ ? 2 : 0);
    if (!documentSize_.isValid()) return;
    iniControl_->WriteInteger(kOptions, "Document Width", documentSize_.width());
    iniControl_->WriteInteger(kOptions, "Document Height", documentSize_.height());
}

void TmdiMain::placeNewDocument(QMdiSubWindow* sub) {
    // The user's choice follows what they do to any document window.
    connect(sub, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates before, Qt::WindowStates now) {
        if (now & Qt::WindowMaximized)
            documentsMaximised_ = true;
        else if ((before & Qt::WindowMaximized) && !(now & Qt::WindowMinimized))
            documentsMaximised_ = false;
    });
    const QSize area = mdiArea_->viewport()->size();
    sub->resize(documentSize_.isValid() ? documentSize_
                                        : QSize(std::max(480, area.width() * 3 / 5), std::max(320, area.height() * 3 / 4)));
    const int step = int(mdiArea_->subWindowList().size() - 1) % 8 * 24;
    sub->move(step, step);
    if (documentsMaximised_)
        sub->showMaximized();
    else
        sub->show();
}

void TmdiMain::LoadToolbarState() {
    setTabsShown(iniControl_->ReadBool(kOptions, "Document Tabs", true));
    for (size_t i = 0; i < toolbarState_.size(); ++i)
        setToolbarShown(i, iniControl_->ReadBool(kOptions, toolbarState_[i].iniKey, true));
}

void TmdiMain::SaveToolbarState() {
    iniControl_->WriteBool(kOptions, "Document Tabs", documentTabsItem_->isChecked());
    for (const Toolbar& t : toolbarState_) iniControl_->WriteBool(kOptions, t.iniKey, t.viewItem->isChecked());
}

void TmdiMain::MRUDisplay() {
    for (int i = 0; i < RecentFiles::kCount && i < int(mruItems_.size()); ++i) {
        const std::string& entry = recent_.entry(i);
        QAction* item = mruItems_[static_cast<size_t>(i)];
        // The label shows the name ("&" doubled so it is not taken as an
        // access key); the item keeps the bytes it opens.
        QString shown = displayPath(entry);
        shown.replace(u'&', QStringLiteral("&&"));
        item->setText(QStringLiteral("&%1 ").arg(i + 1) + shown);
        item->setData(QByteArray::fromStdString(entry));
        item->setVisible(!entry.empty());
        item->setEnabled(bool(opener_));
    }
    if (mruSeparator_) mruSeparator_->setVisible(!recent_.entry(0).empty());
}

// ---------------------------------------------------------------------------
// Leaving

void TmdiMain::doIniSettings() {
    SetStatusText(QStringLiteral("Writing Application Settings ..."));
    iniControl_->WriteString(kHeader, "Programe Name", startup::kAppTitle);
    iniControl_->WriteString(kHeader, "Version", startup::kVersion);
    iniControl_->WriteString(kHeader, "Author", startup::kAuthor);
    SaveWindowPlacement();
    SaveDocumentPlacement();
    SaveToolbarState();
    dockHost_->saveLayout();
    SetStatusText(QStringLiteral("Ready ..."));
}

void TmdiMain::FileExit() { close(); }

void TmdiMain::closeEvent(QCloseEvent* e) {
    // Leaving by the window manager (close box, logout) is leaving by
    // File > Exit: the settings and recent files are written first, and a
    // cancelled save prompt keeps the program running with them written.
    dispatch([this] {
        doIniSettings();
        for (int i = 0; i < RecentFiles::kCount; ++i)
            iniControl_->WriteString("MRU", std::to_string(i), recent_.entry(i));
    });
    // Every document is asked to close (its save prompt may refuse); one
    // refusal keeps the program and every document open.
    if (closeQuery_ && !closeQuery_()) {
        e->ignore();
        return;
    }
    mdiArea_->closeAllSubWindows();
    if (!mdiArea_->subWindowList().isEmpty()) {
        e->ignore();
        return;
    }
    e->accept();
    // Windows of their own (help, tool windows) go with the main window, so
    // the last window closes and the program ends.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible()) w->close();
}
