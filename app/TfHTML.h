#pragma once
// The document window: one editing control (txtHTML) inside an MDI child of
// the main window. Its caption is the document's identity: the file's path
// (paths::documentIdentity, case kept) or "New HTML Document <n>" while
// untitled. The save prompt, the editor settings applied on show and the
// Search menu belong here; the file commands (FileCommands.h) create and
// save documents through it.

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "DocumentJournal.h"
#include "DocumentStatus.h"
#include "FileIdentity.h"
#include "TBag.h"
#include "TParagraphStore.h"

class QAction;
class QFileSystemWatcher;
class QTimer;
class QMdiSubWindow;
class QMenu;
class TTextEditControl;
class TmdiMain;
class TfFind;
class TfReplace;

class TfHTML : public QWidget, public DocumentStatus {
    Q_OBJECT
public:
    static constexpr const char* kUntitled = "New HTML Document";

    // Creates the window as a child of the main window's MDI area and shows
    // it (SetProperties runs then). Owned by its QMdiSubWindow.
    static TfHTML* create(TmdiMain& main);

    TTextEditControl* txtHTML() const { return txtHTML_; }
    TmdiMain& mainWindow() const { return main_; }
    QMdiSubWindow* subWindow() const;

    // ---- Identity ----
    QString caption() const;
    void setCaption(const QString& caption);
    // The first 17 characters of the caption are "New HTML Document".
    bool isUntitled() const;
    // The file's path as bytes (titled documents only); the caption shows it
    // with replacement characters where it is not UTF-8.
    std::string filePath() const;
    void setFilePath(const std::string& path);

    // ---- Operations ----
    // Saves the text to path; on failure tells the user (naming the file)
    // and returns false, leaving the document modified and the old file as
    // it was. On success the document is unmodified.
    // A read-only file is never replaced: the user is offered Save As.
    bool saveTo(const std::string& path);
    bool saveTo(const QString& path) { return saveTo(path.toStdString()); }
    // Loads a file; false (with a message) when it cannot be read. Lines
    // dropped on load, and line ends a save would rewrite, are reported
    // once, in plain words.
    bool loadFrom(const std::string& path);
    // Line ends for a document that has no file yet: LF, or CR LF when the
    // user chose it ("Application Options" / "New Documents CR LF").
    void useNewDocumentLineEnds();
    // The file's identity is noted when it is loaded or saved here and the
    // file is watched from then on. checkDisk compares it with the noted
    // identity: reloads an unmodified document (saying so in the status
    // line), asks about a modified one, and reports a file deleted or renamed
    // away. A save over such a change asks first (see saveTo).
    void checkDisk();
    // Brings the window to the front with the editing control focused.
    void bringToFront();
    // The recovery journal of the unsaved changes; flushJournal writes what
    // waits now (false, with a note in the status line, when it cannot).
    recovery::DocumentJournal& journal() { return *journal_; }
    bool flushJournal();

    // ---- Event handlers ----
    void SetProperties();
    void SetFocustoMe();
    // Asks to save a modified document; true when closing may go on.
    bool FormQueryClose();
    void FormClose();
    void FormResize();
    // Closing already agreed by the main window's query of every document
    // (no second prompt); programEnding also skips FormClose's settings.
    void approveClose(bool programEnding);
    void withdrawApproval();

    // ---- Search (shared last search text across windows) ----
    void Find1Click();
    void FindAgain1Click();
    void Replace1Click();
    // Find Next pressed with this text; false when not found.
    bool doFind(const QString& text);
    // Replace (all = false) or Replace All; returns the count replaced.
    int HandleReplace(const QString& findText, const QString& replaceText, bool all, bool matchCase,
                      bool wholeWord);
    static QString lastSearchText();
    static void setLastSearchText(const QString& text);
    QAction* findAgainAction() const { return findAgain_; }
    QMenu* searchMenu() const { return searchMenu_; }
    QMenu* popupMenu() const { return popup_; }
    TfFind* findDialog();
    TfReplace* replaceDialog();

    // ---- Drop from pick lists: inserts the last tag pair ----
    void AcceptDrop();

    // ---- DocumentStatus ----
    int caretLine() const override;
    int caretColumn() const override;
    long long byteCount() const override;
    bool insertMode() const override;
    bool readOnly() const override;

    ~TfHTML() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    explicit TfHTML(TmdiMain& main);
    void createMenus();
    void noteDisk(const std::string& path);
    // The question about a file another program changed; true when the
    // caller may go on and replace the file (the user chose Overwrite).
    bool askAboutDiskChange(bool& saved);  // saved: Save As was chosen and saved

    TmdiMain& main_;
    TTextEditControl* txtHTML_ = nullptr;
    QMenu* searchMenu_ = nullptr;
    QAction* findAgain_ = nullptr;
    QMenu* popup_ = nullptr;
    TfFind* find_ = nullptr;
    TfReplace* replace_ = nullptr;
    TBag Prefs;
    std::string path_;
    recovery::FileIdentity disk_;
    std::string diskPath_;  // the file disk_ describes
    recovery::FileIdentity declined_;  // a version the user chose not to take yet
    QFileSystemWatcher* watcher_ = nullptr;
    QTimer* diskSettle_ = nullptr;
    std::unique_ptr<recovery::DocumentJournal> journal_;
    QTimer* journalTick_ = nullptr;  // runs while edits wait for the journal
    bool askingDisk_ = false;
    bool propertiesSet_ = false;
    bool closeApproved_ = false;
    bool programEnding_ = false;
};

// The active document window of the main window, or nullptr.
TfHTML* activeHtmlDocument(TmdiMain& main);

// Every open document window, in the main window's document-window order.
QList<TfHTML*> htmlDocuments(TmdiMain& main);

// Text of a save or load failure, naming the file.
QString fileErrorText(const QString& verb, const QString& path, const qm::FileResult& r);

// A path's bytes for display: UTF-8 decoded, other bytes as replacement characters.
QString displayPath(const std::string& path);

// ---- Document operations used across the program ----
// Opens a file as a new document window: refuses a file already open
// (path + " is already open.") and a missing one ("Unable to find " + path +
// "."); a file that cannot be read gets a message and opens nothing.
// Returns the new window, or nullptr.
TfHTML* OpenDocument(TmdiMain& main, const std::string& path);
inline TfHTML* OpenDocument(TmdiMain& main, const QString& path) { return OpenDocument(main, path.toStdString()); }
// True when no document window's identity equals the path's.
bool IsNotOpen(TmdiMain& main, const std::string& path);
// Deletes the active document's selection (nothing when none is open).
void DeleteActiveSelection(TmdiMain& main);
