// The line-number column of the editing control: file lines (paragraphs),
// numbered on the first display line of each, between the bookmark margin
// and the text.

#include "TTextEditControl.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>

namespace {

int digitsOf(int n) { return int(std::to_string(std::max(1, n)).size()); }

}  // namespace

void TTextEditControl::setShowLineNumbers(bool on) {
    if (showLineNumbers_ == on) return;
    showLineNumbers_ = on;
    numberedParagraphs_ = editor_.ParagraphCount();
    recomputeMetrics();  // the text moves right or back; visible columns change
    viewport()->update();
}

int TTextEditControl::numbersWidth() const {
    if (!showLineNumbers_) return 0;
    // At least three digits, so small documents do not shift the text as they grow.
    const int digits = std::max(3, digitsOf(editor_.ParagraphCount()));
    return static_cast<int>(std::ceil((digits + 1) * charWidth_));
}

void TTextEditControl::refreshLineNumbers() {
    if (!showLineNumbers_ || numberedParagraphs_ == editor_.ParagraphCount()) return;
    numberedParagraphs_ = editor_.ParagraphCount();
    if (markerMargin_ + numbersWidth() != leftMargin_) {
        recomputeMetrics();
        viewport()->update();
    } else {
        viewport()->update(QRect(markerMargin_, 0, leftMargin_ - markerMargin_, viewport()->height()));
    }
}

void TTextEditControl::paintLineNumbers(QPainter& p, const QRect& area) {
    const qm::TParagraphStore& store = editor_.store();
    const int width = leftMargin_ - markerMargin_;
    p.fillRect(QRect(markerMargin_, area.top(), width, area.height()), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    p.setFont(font_.font());
    const int top = editor_.TopLine();
    const int firstRow = std::max(0, area.top() / lineHeight_);
    const int lastRow = area.bottom() / lineHeight_;
    const int gap = static_cast<int>(charWidth_ / 2);
    for (int row = firstRow; row <= lastRow && top + row <= editor_.LineCount(); ++row) {
        const qm::TextPos start = store.lineStart(qm::LineNum(top + row));
        if (start.pos.value != 1) continue;  // a wrapped continuation line
        const QRect cell(markerMargin_, row * lineHeight_, width - gap, lineHeight_);
        p.drawText(cell, Qt::AlignRight | Qt::AlignTop, QString::number(start.para.value));
    }
}
