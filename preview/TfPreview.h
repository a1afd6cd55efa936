#pragma once
// The preview window: the rendering control between a top bar (Close,
// Reload, Back, Forward and the last link clicked) and a bottom bar (the link
// under the mouse), with its own File, Edit, Options, History and About
// menus. Created once and hidden when closed, so its history lives as long
// as the program.

#include <QLineEdit>
#include <QMainWindow>
#include <array>
#include <functional>

#include "TBag.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class HtmlViewer;

class TfPreview : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Quillmar Preview";

    explicit TfPreview(QWidget* parent = nullptr);
    ~TfPreview() override;

    HtmlViewer* Viewer() const { return Viewer_; }
    QPushButton* reloadButton() const { return Reload_; }
    QPushButton* backButton() const { return BackButton_; }
    QPushButton* forwardButton() const { return FwdButton_; }
    QLineEdit* lastLinkField() const { return Edit1_; }
    QLabel* hoverBar() const { return Panel1_; }
    QMenu* historyMenu() const { return History1_; }
    QAction* showImagesItem() const { return ShowImages1_; }
    QAction* printItem() const { return Print1_; }

    // Shows the window and loads a file into it (the Web Preview command).
    void previewFile(const QString& fileName);
    // The file given on the program's command line, loaded when the window
    // is first shown.
    void setStartFile(const QString& fileName) { startFile_ = fileName; }
    // The printer shared with the main window's Print Setup.
    void setPrinter(QPrinter* printer) { printer_ = printer; }
    // The About box of the program (the main window installs it).
    void setAboutHandler(std::function<void()> about) { about_ = std::move(about); }

    // ---- Handlers ----
    void Open1Click();
    void ReloadClick();
    void BackButtonClick();
    void FwdButtonClick();
    void ShowImages1Click();
    void DefaultFontColors1Click();
    void Print1Click();
    void Find1Click();
    // The Find dialog's search; tells the user when the text is not there.
    bool findText(const QString& text, bool matchCase);
    void HistoryChange();
    void HotSpotClick(const QString& link, bool& handled);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void createMenus();
    void updateCaption();

    HtmlViewer* Viewer_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    QPushButton* Reload_ = nullptr;
    QPushButton* BackButton_ = nullptr;
    QPushButton* FwdButton_ = nullptr;
    QLineEdit* Edit1_ = nullptr;
    QLabel* Panel1_ = nullptr;
    QMenu* History1_ = nullptr;
    QAction* HistoryMenuItem_ = nullptr;
    std::array<QAction*, 6> historyItems_{};
    QAction* ShowImages1_ = nullptr;
    QAction* Print1_ = nullptr;
    QPrinter* printer_ = nullptr;
    std::function<void()> about_;
    QString startFile_;
    QString lastFind_;
    bool lastFindCase_ = false;
    bool shownOnce_ = false;
    TBag Prefs;
};
