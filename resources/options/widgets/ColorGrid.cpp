#include "ColorGrid.h"

#include <QMouseEvent>
#include <algorithm>
#include <QPainter>

#include "ColorNumber.h"
#include "OptionsRules.h"

namespace {
constexpr int kColumns = 2, kRows = 8;
}

ColorGrid::ColorGrid(bool withBackground, QWidget* parent)
    : QWidget(parent), withBackground_(withBackground), foreground_(options::kTextCellDefault),
      background_(options::kBackgroundCellDefault) {
    setMinimumSize(48, 128);
}

void ColorGrid::setForegroundIndex(int cell) {
    if (cell < 0 || cell > 15 || cell == foreground_) return;
    foreground_ = cell;
    update();
    emit changed();
}

void ColorGrid::setBackgroundIndex(int cell) {
    if (!withBackground_ || cell < 0 || cell > 15 || cell == background_) return;
    background_ = cell;
    update();
    emit changed();
}

QColor ColorGrid::cellColor(int cell) {
    return colorFromNumber(quint32(options::kStandardColors[std::size_t(std::clamp(cell, 0, 15))].value));
}

int ColorGrid::cellOf(const QColor& c) {
    for (int i = 0; i < 16; ++i)
        if (cellColor(i).rgb() == c.rgb()) return i;
    return -1;
}

QRect ColorGrid::cellRect(int cell) const {
    const int w = width() / kColumns, h = height() / kRows;
    return {(cell % kColumns) * w, (cell / kColumns) * h, w, h};
}

int ColorGrid::cellAt(const QPoint& p) const {
    for (int i = 0; i < 16; ++i)
        if (cellRect(i).contains(p)) return i;
    return -1;
}

void ColorGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (int i = 0; i < 16; ++i) {
        const QRect r = cellRect(i).adjusted(1, 1, -1, -1);
        p.fillRect(r, cellColor(i));
        p.setPen(Qt::darkGray);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        QString mark;
        if (i == foreground_) mark = QStringLiteral("FG");
        if (withBackground_ && i == background_) mark = mark.isEmpty() ? QStringLiteral("BG") : QStringLiteral("FB");
        if (mark.isEmpty()) continue;
        // The mark in the colour that stands out on the cell.
        p.setPen(qGray(cellColor(i).rgb()) < 128 ? Qt::white : Qt::black);
        p.drawText(r, Qt::AlignCenter, mark);
    }
}

void ColorGrid::mousePressEvent(QMouseEvent* e) {
    const int cell = cellAt(e->position().toPoint());
    if (cell < 0) return;
    if (e->button() == Qt::LeftButton) setForegroundIndex(cell);
    else if (e->button() == Qt::RightButton) setBackgroundIndex(cell);
}
