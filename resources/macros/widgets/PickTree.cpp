#include "PickTree.h"

#include <QApplication>
#include <QDrag>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>

#include "Application.h"

PickTree::PickTree(std::vector<double> stops, QWidget* parent) : QTreeWidget(parent), stops_(std::move(stops)) {
    setColumnCount(int(stops_.size()) + 1);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(false);  // drags start from our own mouse handling
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(true);
}

QByteArray PickTree::bytesOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, Qt::UserRole).toByteArray() : QByteArray();
}

void PickTree::setBytes(QTreeWidgetItem* item, const QByteArray& bytes) { item->setData(0, Qt::UserRole, bytes); }

QTreeWidgetItem* PickTree::selectedEntry() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

void PickTree::mousePressEvent(QMouseEvent* e) {
    QTreeWidget::mousePressEvent(e);
    armed_ = false;
    if (e->button() != Qt::LeftButton || !selectedEntry()) return;
    pressAt_ = e->position().toPoint();
    armed_ = true;
    if (pressed) dispatch(pressed);
}

void PickTree::mouseMoveEvent(QMouseEvent* e) {
    if (!armed_ || !(e->buttons() & Qt::LeftButton) ||
        (e->position().toPoint() - pressAt_).manhattanLength() < QApplication::startDragDistance()) {
        if (!armed_) QTreeWidget::mouseMoveEvent(e);
        return;
    }
    armed_ = false;
    // The drop handler inserts the last tag pair; the text is for other targets.
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    if (QTreeWidgetItem* item = selectedEntry()) mime->setText(item->text(0));
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}

void PickTree::resizeEvent(QResizeEvent* e) {
    QTreeWidget::resizeEvent(e);
    const int width = viewport()->width();
    double from = 0;
    for (std::size_t i = 0; i < stops_.size(); ++i) {
        setColumnWidth(int(i), int(width * (stops_[i] - from)));
        from = stops_[i];
    }
}
