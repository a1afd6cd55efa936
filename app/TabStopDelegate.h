#pragma once
// Draws list items with one tab stop at a fixed share of the list's width,
// as the program's list boxes show "text<Tab>more" in two columns.

#include <QStyledItemDelegate>

class TabStopDelegate : public QStyledItemDelegate {
public:
    // `share` of the list's visible width, measured from its left edge.
    TabStopDelegate(double share, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    double share_;
};
