#pragma once
// "Color Chooser": a grid of colours and the full colour dialog fill the text
// field with an HTML colour code ("#RRGGBB"); "Insert" puts the field's text
// into the active document. Placement in section "Color Chooser".

#include <QDialog>
#include <QtGlobal>
#include <functional>

#include "TBag.h"

class QLineEdit;
class QPushButton;
class QToolButton;

class TfColorChooser : public QDialog {
    Q_OBJECT
public:
    using Inserter = std::function<void(const QString& start, const QString& end)>;

    explicit TfColorChooser(QWidget* parent);

    void setInserter(Inserter inserter) { insert_ = std::move(inserter); }

    // The colour of grid cell i (0 … kCells − 1), a platform colour number.
    static constexpr int kColumns = 8;
    static constexpr int kCells = 48;
    static quint32 cellColor(int i);
    QToolButton* cell(int i) const;

    // A colour picked in the grid or the dialog.
    void chooseColor(quint32 colorNumber);
    void MoreColorsClick();
    void InsertClick();

    QLineEdit* txtCl = nullptr;
    QPushButton* btnMore = nullptr;
    QPushButton* btnInsert = nullptr;
    QPushButton* btnClose = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Inserter insert_;
    TBag Prefs;
};
