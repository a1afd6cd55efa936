#include "TabStopDelegate.h"

#include <QAbstractItemView>
#include <algorithm>
#include <QApplication>
#include <QPainter>
#include <QTextOption>

TabStopDelegate::TabStopDelegate(double share, QObject* parent) : QStyledItemDelegate(parent), share_(share) {}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();  // the style draws background, focus and selection only
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const auto* view = qobject_cast<const QAbstractItemView*>(widget);
    const int width = view ? view->viewport()->width() : opt.rect.width();
    // The stop is a position in the list, the text starts after the item's margin.
    const qreal stop = std::max<qreal>(1, width * share_ - textRect.left());
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabs({QTextOption::Tab(stop, QTextOption::LeftTab)});

    painter->save();
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    painter->setClipRect(textRect);
    painter->drawText(QRectF(textRect), text, layout);
    painter->restore();
}
