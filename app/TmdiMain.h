#pragma once
// The main window: the multiple-document frame with the menu bar and the six
// toolbars built from the command table, the document tab strip, the status
// bar, the start-up sequence and what is stored at exit.
//
// Commands are named by their handlers (see CommandTable.h). The main window
// installs the handlers it owns; the document window and the tool windows
// install theirs through setHandler. An item whose handler is not installed
// is disabled.

#include <QKeySequence>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "RecentFiles.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabBar;
class QTimer;
class QToolBar;
class DocumentStatus;
class StatusLineLabel;
class TMegaRegistry;

namespace commands {
struct MenuRow;
}

// Keys as a menu's key column shows them: "Ctrl+U / Ctrl+Z".
QString keysText(const QList<QKeySequence>& keys);

class TmdiMain : public QMainWindow {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using TagInserter = std::function<void(const QString& start, const QString& end)>;
    // Paths are bytes, as the command line and the recent-files list hold them.
    using DocumentOpener = std::function<void(const std::string& path)>;

    explicit TmdiMain(std::vector<std::string> arguments = {}, QWidget* parent = nullptr);
    explicit TmdiMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~TmdiMain() override;

    // ---- Commands ----
    // Installs (or with an empty handler removes) the handler of that name
    // and enables or disables every menu item and button that runs it.
    void setHandler(std::string_view name, Handler handler);
    bool hasHandler(std::string_view name) const;
    // Runs a command as its menu item would; an exception goes to AppException.
    void runCommand(std::string_view name);
    // Tag rows call this with their fixed texts (the document code installs
    // InsertTag here); without it they are disabled.
    void setTagInserter(TagInserter inserter);
    // Opens a file as a document (command line, recent files).
    void setDocumentOpener(DocumentOpener opener);
    // Shows the tip of the day at start-up (when "Start Options"/"Tips" is set).
    void setTipsHandler(Handler handler);
    // Asked before the window closes: every document may refuse (its save
    // prompt); false keeps the program running with every document open.
    void setCloseQuery(std::function<bool()> query);

    // The menu item of this handler (the first one when several share it), and
    // every action (menu items and toolbar buttons) that runs it.
    QAction* menuAction(std::string_view handler) const;
    QList<QAction*> actionsFor(std::string_view handler) const;
    QMenu* topMenu(const QString& caption) const;
    QToolBar* toolbar(std::string_view component) const;

    // ---- Status line (the one routine through which commands report) ----
    void SetStatusText(const QString& text);
    void ShowHint(const QString& hint);
    void ShowStatus();
    // Refreshes pnlPos alone from the active document (after each caret move).
    void ShowPosition();
    QString statusText() const;
    StatusLineLabel* statusLine() const { return StatusLine; }
    QLabel* panel(std::string_view name) const;

    // The current user name (shown in pnlApp); the options dialog changes it.
    QString userName() const { return userName_; }
    void setUserName(const QString& name) { userName_ = name; }
    // Part of the status bar owned by tag insertion.
    void setLastTagPanel(const QString& text);

    // ---- Documents ----
    QMdiArea* mdiArea() const { return mdiArea_; }
    // The active document's status source, or nullptr when none is open.
    DocumentStatus* activeDocument() const;
    QMdiSubWindow* activeDocumentWindow() const;
    // Sizes and shows a new document window: maximised, so it fills the
    // document area, until the user tiles, cascades or restores the windows;
    // then at the last normal size, cascaded. Kept between runs.
    void placeNewDocument(QMdiSubWindow* sub);

    // ---- Tab strip: one tab per document, its text the caption ----
    void TabsUpdate(const QString& name);
    void TabsRefresh();
    // Each tab's tooltip: the document's path, and whether it is read-only.
    void setTabToolTips();
    void SelectTabName(const QString& name);
    void RemovefromTabs(const QString& name);
    void DisplayTabName();
    QTabBar* tabStrip() const { return TabSet1; }

    // ---- Settings and start-up ----
    TMegaRegistry& IniControl() { return *iniControl_; }
    RecentFiles& recentFiles() { return recent_; }
    void MRUDisplay();
    // Runs the rest of start-up (splash, settings, documents, tips, start-up
    // directory); called once when the window is first shown. Emits
    // startUpFinished at the end.
    void GetCommandLine();
    bool startUpDone() const { return startUpDone_; }
    // The files named on the command line (bytes, as given).
    const std::vector<std::string>& commandLineFiles() const { return arguments_; }

    // Closes the window; closing by any means writes the settings and the
    // recent files first (closeEvent).
    void FileExit();
    void AppException(const QString& what);

signals:
    void startUpFinished();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    struct Toolbar {
        QToolBar* bar = nullptr;
        QAction* viewItem = nullptr; // the View menu's check item
        QAction* toggle = nullptr;   // the SpeedBar toggle button
        std::string iniKey;
        std::string handler;
        bool shown = true;
    };

    void FormCreate();
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createHandlers();
    void LoadIniSettings();
    void doIniSettings();
    void LoadWindowPlacement();
    void SaveWindowPlacement();
    void LoadDocumentPlacement();
    void SaveDocumentPlacement();
    void LoadToolbarState();
    void SaveToolbarState();
    // Runs whileShown as soon as the splash is up.
    void showSplash(const std::function<void()>& whileShown);
    void WindowTile();
    void WindowCascade();
    void WindowArrange();
    void HelpContents();
    void HelpSearch();
    void HelpHowToUse();
    void HTMLPrimer1Click();
    void HelpAbout();
    void toggleToolbar(size_t index);
    void setToolbarShown(size_t index, bool shown);
    void DocumentTabs1Click();
    void setTabsShown(bool shown);
    void updateWindowMenu();
    void settleDocumentKeys(QMdiSubWindow* sub);
    void updateEnabled(std::string_view handler);
    QMenu* menuForPath(std::string_view path);
    void addMenuRow(const commands::MenuRow& row);
    void setStatusLine(const QString& caption);

    std::unique_ptr<TMegaRegistry> iniControl_;
    std::vector<std::string> arguments_;
    QString userName_;
    RecentFiles recent_;
    bool startUpScheduled_ = false;
    bool startUpDone_ = false;

    QMdiArea* mdiArea_ = nullptr;
    QTabBar* TabSet1 = nullptr;
    bool tabsShown_ = true;
    bool documentsMaximised_ = true;
    QSize documentSize_;  // invalid: a share of the area
    QAction* documentTabsItem_ = nullptr;

    StatusLineLabel* StatusLine = nullptr;
    QLabel* pnlMode = nullptr;
    QLabel* pnlPos = nullptr;
    QLabel* pnlSize = nullptr;
    QLabel* pnlApp = nullptr;
    QLabel* pnlTag = nullptr;
    QTimer* Timer1 = nullptr;

    std::map<std::string, QMenu*, std::less<>> menus_;     // by path
    std::map<std::string, Handler, std::less<>> handlers_;
    std::multimap<std::string, QAction*, std::less<>> actions_; // by handler
    std::map<std::string, QToolBar*, std::less<>> toolbars_;
    std::vector<Toolbar> toolbarState_;
    std::vector<QAction*> mruItems_;
    QAction* mruSeparator_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    std::vector<QAction*> windowMenuFixed_;
    TagInserter tagInserter_;
    DocumentOpener opener_;
    Handler tips_;
    std::function<bool()> closeQuery_;
    std::function<void(const QString&)> previousHandler_;
};
