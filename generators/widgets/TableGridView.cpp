#include "TableGridView.h"

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPalette>
#include <QStyledItemDelegate>
#include <algorithm>

#include "Prompter.h"

TableGridModel::TableGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int TableGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.RowCount(); }
int TableGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.ColCount(); }

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const std::string& text = grid_.Cell(index.column(), index.row());
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    // The heading row is the grid's fixed row: shown as such, never edited in place.
    if (role == Qt::BackgroundRole && grid_.HeaderOn && index.row() == 0) return QPalette().button();
    return {};
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const QByteArray bytes = value.toString().toUtf8();
    grid_.SetCell(index.column(), index.row(), bytes.toStdString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !(grid_.HeaderOn && index.row() == 0)) f |= Qt::ItemIsEditable;
    return f;
}

QVariant TableGridModel::headerData(int section, Qt::Orientation, int role) const {
    return role == Qt::DisplayRole ? QVariant(QString::number(section + 1)) : QVariant();
}

// ---------------------------------------------------------------------------

namespace {

// Grid lines as wide as the table's border, so the grid shows the border
// the table will have: each cell draws its right and bottom line.
class BorderDelegate : public QStyledItemDelegate {
public:
    BorderDelegate(const tHTMLStringGrid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const int w = std::max(1, grid_.GridLineWidth);
        const QRect r = option.rect;
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(option.palette.mid());
        painter->drawRect(r.right() + 1 - w, r.top(), w, r.height());
        painter->drawRect(r.left(), r.bottom() + 1 - w, r.width(), w);
        painter->restore();
    }

private:
    const tHTMLStringGrid& grid_;
};

}  // namespace

TableGridView::TableGridView(TableGridModel* model, QWidget* parent) : QTableView(parent), model_(model) {
    setModel(model);
    setTabKeyNavigation(true);  // Tab moves between cells
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    setShowGrid(false);
    setItemDelegate(new BorderDelegate(model->grid(), this));
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionsMovable(true);
        h->setSectionResizeMode(QHeaderView::Interactive);
        h->setMinimumSectionSize(4);
        h->setHighlightSections(false);
    }
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        if (!applying_) model_->grid().SetColWidth(col, size);
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int size) {
        if (!applying_) model_->grid().SetRowHeight(row, size);
    });
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { sectionMoved(Qt::Horizontal, from, to); });
    connect(verticalHeader(), &QHeaderView::sectionMoved, this,
            [this](int, int from, int to) { sectionMoved(Qt::Vertical, from, to); });
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        lastCol_ = currentCol();
        lastRow_ = currentRow();
    });
    connect(model_, &TableGridModel::reshaped, this, &TableGridView::applySizes);
    applySizes();
}

int TableGridView::currentCol() const { return currentIndex().isValid() ? currentIndex().column() : 0; }
int TableGridView::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : 0; }

void TableGridView::setCurrentCell(int col, int row) {
    const tHTMLStringGrid& g = model_->grid();
    setCurrentIndex(model_->index(std::clamp(row, 0, g.RowCount() - 1), std::clamp(col, 0, g.ColCount() - 1)));
}

void TableGridView::applySizes() {
    const tHTMLStringGrid& g = model_->grid();
    applying_ = true;
    for (int c = 0; c < g.ColCount(); ++c) horizontalHeader()->resizeSection(c, g.ColWidth(c));
    for (int r = 0; r < g.RowCount(); ++r) verticalHeader()->resizeSection(r, g.RowHeight(r));
    applying_ = false;
    setCurrentCell(lastCol_, lastRow_);
}

void TableGridView::sectionMoved(Qt::Orientation orientation, int oldVisual, int newVisual) {
    // The header only moved its picture of the section: put it back and move
    // the grid's row or column itself, so that the data and the file follow.
    QHeaderView* h = orientation == Qt::Horizontal ? horizontalHeader() : verticalHeader();
    const bool blocked = h->blockSignals(true);
    h->moveSection(newVisual, oldVisual);
    h->blockSignals(blocked);
    model_->change([&](tHTMLStringGrid& g) {
        if (orientation == Qt::Horizontal) g.MoveCol(oldVisual, newVisual);
        else g.MoveRow(oldVisual, newVisual);
    });
}

void TableGridView::commitEditor() {
    if (state() != EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TableGridView::keyPressEvent(QKeyEvent* e) {
    const int row = currentRow();
    const tHTMLStringGrid& g = model_->grid();
    const bool append = e->key() == Qt::Key_Down && e->modifiers() == Qt::NoModifier && row == g.RowCount() - 1;
    const bool insert = e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier;
    const bool remove = e->key() == Qt::Key_Delete && e->modifiers() == Qt::ControlModifier;
    // These reshape the table, which drops an open editor: its text goes
    // into the cell first.
    if (append || insert || remove) commitEditor();
    if (append) {
        if (g.RowCount() < tHTMLStringGrid::kMaxRows) {
            model_->change([](tHTMLStringGrid& grid) { grid.SetRowCount(grid.RowCount() + 1); });
            setCurrentCell(currentCol(), row + 1);
        }
        return;
    }
    if (insert) {
        model_->change([row](tHTMLStringGrid& grid) { grid.InsertRow(row); });
        return;
    }
    if (remove) {
        if (g.RowCount() > 2 &&
            Prompter::current().confirm(QStringLiteral("Confirm"), QString::fromLatin1(kDeleteQuestion),
                                        Prompter::Ok | Prompter::Cancel, Prompter::Ok) == Prompter::Ok)
            model_->change([row](tHTMLStringGrid& grid) { grid.DeleteRow(row); });
        return;
    }
    // Tab moves between cells, so Ctrl+Tab and Ctrl+Shift+Tab leave the grid.
    if ((e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) && (e->modifiers() & Qt::ControlModifier)) {
        QWidget::focusNextPrevChild(e->key() == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier));
        return;
    }
    QTableView::keyPressEvent(e);
}

void TableGridView::dragEnterEvent(QDragEnterEvent* e) {
    if (qobject_cast<QListWidget*>(e->source())) e->acceptProposedAction();
    else e->ignore();
}

void TableGridView::dragMoveEvent(QDragMoveEvent* e) {
    if (qobject_cast<QListWidget*>(e->source())) e->acceptProposedAction();
    else e->ignore();
}

void TableGridView::dropEvent(QDropEvent* e) {
    // The item goes into the cell that has the focus, not the one under the mouse.
    const auto* list = qobject_cast<QListWidget*>(e->source());
    if (!list || !list->currentItem()) return e->ignore();
    model_->setData(model_->index(currentRow(), currentCol()), list->currentItem()->text());
    e->acceptProposedAction();
}
