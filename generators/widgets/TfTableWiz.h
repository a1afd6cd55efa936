#pragma once
// The table wizard ("Quillmar Table Wizard"): a non-modal, stay-on-top
// dialog made once and hidden between uses, so the grid keeps its contents,
// sizes and file name for the whole run. It gathers the table in its grid;
// OK hands the table's HTML (CR LF after every line) to the table handler,
// which the main window sets, and closes. Files go through the grid; every
// question goes through the Prompter.

#include <QDialog>
#include <functional>
#include <string>

#include "TBag.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TableGridModel;
class TableGridView;
class tHTMLStringGrid;

class TfTableWiz : public QDialog {
    Q_OBJECT
public:
    explicit TfTableWiz(QWidget* parent = nullptr);

    using TableHandler = std::function<void(const std::string& html)>;
    void setTableHandler(TableHandler handler) { tableHandler_ = std::move(handler); }

    tHTMLStringGrid& grid();

    // ---- Handlers ----
    void FormShow();
    void FormActivate();
    void SetRows();
    void SetCols();
    void SetBorder();
    void chkHeaderClick();
    void SetHeading();
    void SetTitles();
    void cmdClearClick();
    void btnLoadTableClick();
    // Also after every change of the grid's shape (keys, moves), so the
    // boxes always show the grid's size.
    void SetOption();
    void btnSaveTableClick();
    void btnSaveTableAsClick();
    void SaveHTMLClick();
    void CancelBtnClick();
    void HelpBtnClick();
    void FormClose();

    QSpinBox* spnRows = nullptr;
    QSpinBox* spnCols = nullptr;
    QSpinBox* spnBorder = nullptr;
    QCheckBox* chkHeader = nullptr;
    QLineEdit* txtHead = nullptr;
    QPushButton* btnSetHead = nullptr;
    QLineEdit* txtTitle1 = nullptr;
    QCheckBox* optUseTitle1 = nullptr;
    QLineEdit* txtTitle2 = nullptr;
    QCheckBox* optUseTitle2 = nullptr;
    QCheckBox* opt2asfooter = nullptr;
    TableGridView* grdTable = nullptr;
    QPushButton* btnLoadTable = nullptr;
    QPushButton* btnSaveTable = nullptr;
    QPushButton* btnSaveTableAs = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QLabel* pnlHint = nullptr;

    static constexpr int kHelpContext = 100;
    static constexpr const char* kFilter = "Quillmar Table (*.qtb)|*.qtb";
    static const QString kHint;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Asks for a file to save to; names the grid's file on OK.
    void chooseSaveName();
    void saveTable();

    TableGridModel* model_ = nullptr;
    TableHandler tableHandler_;
    TBag Prefs;
};
