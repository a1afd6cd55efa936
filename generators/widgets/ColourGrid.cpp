#include "ColourGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "HomePageGen.h"

ColourGrid::ColourGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("grdColor"));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ColourGrid::setForeground(int index) {
    if (index < 0 || index >= homepage::kColourCount || index == foreground_) return;
    foreground_ = index;
    update();
    emit changed();
}

void ColourGrid::setBackground(int index) {
    if (index < 0 || index >= homepage::kColourCount || index == background_) return;
    background_ = index;
    update();
    emit changed();
}

QSize ColourGrid::sizeHint() const { return {kColumns * 36, kRows * 30}; }

QRect ColourGrid::cellRect(int index) const {
    const int w = width() / kColumns, h = height() / kRows;
    return {(index % kColumns) * w, (index / kColumns) * h, w, h};
}

int ColourGrid::cellAt(const QPoint& p) const {
    for (int i = 0; i < homepage::kColourCount; ++i)
        if (cellRect(i).contains(p)) return i;
    return -1;
}

void ColourGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < homepage::kColourCount; ++i) {
        const QRect r = cellRect(i).adjusted(1, 1, -1, -1);
        const QColor colour(QString::fromStdString(homepage::colourCode(i)));
        painter.fillRect(r, colour);
        // "FG" and "BG" in whichever of black and white stands out on the cell.
        painter.setPen(colour.lightness() > 128 ? Qt::black : Qt::white);
        QString mark;
        if (i == foreground_) mark += QStringLiteral("FG");
        if (i == background_) mark += mark.isEmpty() ? QStringLiteral("BG") : QStringLiteral("/BG");
        if (!mark.isEmpty()) painter.drawText(r, Qt::AlignCenter, mark);
        if (i == current_ && hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
            painter.drawRect(r.adjusted(2, 2, -2, -2));
        }
    }
}

void ColourGrid::mousePressEvent(QMouseEvent* e) {
    const int cell = cellAt(e->position().toPoint());
    if (cell < 0) return;
    current_ = cell;
    if (e->button() == Qt::LeftButton)
        setForeground(cell);
    else if (e->button() == Qt::RightButton)
        setBackground(cell);
    update();
}

void ColourGrid::keyPressEvent(QKeyEvent* e) {
    int next = current_;
    switch (e->key()) {
    case Qt::Key_Left: next = current_ % kColumns ? current_ - 1 : current_; break;
    case Qt::Key_Right: next = current_ % kColumns < kColumns - 1 ? current_ + 1 : current_; break;
    case Qt::Key_Up: next = current_ >= kColumns ? current_ - kColumns : current_; break;
    case Qt::Key_Down: next = current_ + kColumns < homepage::kColourCount ? current_ + kColumns : current_; break;
    case Qt::Key_Space:
        if (e->modifiers() & Qt::ShiftModifier)
            setBackground(current_);
        else
            setForeground(current_);
        return;
    default: QWidget::keyPressEvent(e); return;
    }
    current_ = next;
    update();
}
