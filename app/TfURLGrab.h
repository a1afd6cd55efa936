#pragma once
// The URL-grab dialog ("URL Library"): the links found in a document on the
// left, the URL library file's entries on the right, both sorted without
// regard to case; four buttons move items between them and "&Save" writes
// the right-hand list to library.fil in the data folder.

#include <QDialog>
#include <QStringList>

#include "TBag.h"

class QLabel;
class QListWidget;
class QPushButton;

class TfURLGrab : public QDialog {
    Q_OBJECT
public:
    explicit TfURLGrab(QWidget* parent = nullptr);

    // The left-hand list, refilled by each grab.
    void clearNewUrls();
    // Adds the links in one go, sorted in among those already there.
    void addNewUrls(const QStringList& urls);

    QStringList newUrls() const;     // srcList, top to bottom
    QStringList libraryUrls() const; // dstList, top to bottom

    // ---- Handlers ----
    void LoadList();
    void SetButtons();
    void IncludeBtnClick();
    void ExcludeBtnClick();
    void IncAllBtnClick();
    void ExcAllBtnClick();
    // Writes library.fil and closes; a failed write raises and the dialog
    // stays open.
    void OKBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

    QListWidget* srcList = nullptr;
    QListWidget* dstList = nullptr;
    QPushButton* IncludeBtn = nullptr;
    QPushButton* IncAllBtn = nullptr;
    QPushButton* ExcludeBtn = nullptr;
    QPushButton* ExAllBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

    // The help topic of the Help button.
    static constexpr int kHelpContext = 1;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Moves the selected items of `from` into `to`, last to first.
    void MoveSelected(QListWidget* from, QListWidget* to);
    void moveAll(QListWidget* from, QListWidget* to);
    static void addSorted(QListWidget* list, const QStringList& added);
    void FormClose();

    TBag Prefs;
};
