#pragma once
// The file tools window ("Quillmar File Tools"): a list of files, and
// Search in Files / Replace in Files over all of them (the counts go into
// the Result column). Shown without blocking the main window.

#include <QDialog>
#include <functional>
#include <string>

#include "TBag.h"

class QCheckBox;
class QPushButton;
class QTableWidget;

class TfrmFileTools : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFileTools(QWidget* parent = nullptr);

    // The main window's status line.
    void setStatusSink(std::function<void(const QString&)> sink) { status_ = std::move(sink); }
    // True for a file open in a window with unsaved changes (Replace refuses it).
    void setOpenModifiedCheck(std::function<bool(const std::string&)> check) { openModified_ = std::move(check); }
    // Called after Replace in Files with each file it changed, so windows
    // showing one can load the new text; true when one did.
    void setReloadSink(std::function<bool(const std::string&)> sink) { reload_ = std::move(sink); }

    // ---- Handlers ----
    void btnSelectClick();
    void btnRemoveClick();
    void btnSearchClick();
    void btnReplaceClick();

    // The listed files, top to bottom.
    QStringList files() const;
    void addFiles(const QStringList& paths);

    QTableWidget* grdFiles = nullptr;
    QPushButton* btnSelect = nullptr;
    QPushButton* btnRemove = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnReplace = nullptr;
    QCheckBox* chkBackup = nullptr;
    QPushButton* btnOK = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void setStatus(const QString& text);
    std::function<void(const QString&)> status_;
    std::function<bool(const std::string&)> openModified_;
    std::function<bool(const std::string&)> reload_;
    TBag Prefs;
};
