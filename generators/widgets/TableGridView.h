#pragma once
// The table wizard's grid on screen: a table model over tHTMLStringGrid and
// the view that edits it in place. The grid is the one copy of the table;
// the view only shows it (cells decoded as UTF-8 for display, the bytes kept
// until a cell is edited) and hands every change back to it.

#include <QAbstractTableModel>
#include <utility>
#include <QTableView>
#include <functional>

#include "TableGrid.h"

class TableGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TableGridModel(QObject* parent = nullptr);

    const tHTMLStringGrid& grid() const { return grid_; }
    // Changes that keep the shape of the table (titles, border, names).
    tHTMLStringGrid& grid() { return grid_; }
    // Any change of rows, columns, sizes or many cells at once; the views
    // re-read the whole table and `reshaped` follows.
    template <class F>
    auto change(F&& f) {
        beginResetModel();
        struct End {
            TableGridModel* m;
            ~End() {
                m->endResetModel();
                emit m->reshaped();
            }
        } end{this};
        return std::forward<F>(f)(grid_);
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void reshaped();

private:
    tHTMLStringGrid grid_;
};

// Keys, handled before the view's own: Down on the last row appends a row,
// Insert inserts one at the current row, Ctrl+Delete deletes the current row
// after a question (only while more than two rows are left); Tab moves
// between cells and Ctrl+Tab leaves the grid. Rows and
// columns are sized and moved by dragging the headers; a drag from a list
// box drops its selected item into the current cell.
class TableGridView : public QTableView {
    Q_OBJECT
public:
    explicit TableGridView(TableGridModel* model, QWidget* parent = nullptr);

    TableGridModel* gridModel() const { return model_; }
    // The current cell's column and row (0 when there is none).
    int currentCol() const;
    int currentRow() const;
    void setCurrentCell(int col, int row);

    static constexpr const char* kDeleteQuestion = "Are you sure you want to delete this row?";

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // Ends in-place editing, keeping the text typed.
    void commitEditor();
    // Sizes from the grid into the headers, and the current cell back.
    void applySizes();
    void sectionMoved(Qt::Orientation orientation, int oldVisual, int newVisual);

    TableGridModel* model_;
    bool applying_ = false;
    int lastCol_ = 0, lastRow_ = 0;
};
