// Painting of TTextEditControl. Only the rows in the update rectangle are
// drawn, each from its own display line and only its visible columns, so a
// repaint costs the same on a one-line text and on a 20 MB one, and on a
// short line and on a 10 MB one.

#include "TTextEditControl.h"

#include "DisplayText.h"
#include "LineLayout.h"
#include "Utf8.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int kBefore = std::numeric_limits<int>::min();
constexpr int kAfter = std::numeric_limits<int>::max();

// Bytes of a paragraph asked for beyond the line being painted, so the
// next rows of a long wrapped paragraph use the same spans.
constexpr int kSpanAhead = 16 * 1024;

// How a character is drawn: colour and face.
struct Look {
    QColor color;
    bool bold = false;
    bool italic = false;
    bool operator==(const Look&) const = default;
};

// Colour markers apart at a glance: ten hues around the wheel.
QColor markerColor(int i) { return QColor::fromHsv((i * 36 + 200) % 360, 170, 150); }
}  // namespace

void TTextEditControl::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    const QRect area = e->rect();
    p.fillRect(area, background_);
    p.setFont(font_.font());

    const int firstRow = std::max(0, area.top() / lineHeight_);
    const int lastRow = area.bottom() / lineHeight_;
    const int top = editor_.TopLine();
    const int lineCount = editor_.LineCount();
    p.save();
    p.setClipRect(QRect(leftMargin_, area.top(), viewport()->width() - leftMargin_, area.height()));
    SpanWindow spans;
    for (int row = firstRow; row <= lastRow && top + row <= lineCount; ++row)
        paintLine(p, row, qm::LineNum(top + row), spans);
    if (hasFocus() && caretOn_ && isEnabled()) paintCaret(p);
    p.restore();
    if (showLineNumbers_ && area.left() < leftMargin_) paintLineNumbers(p, area);
    if (showBookmarks_ && area.left() < markerMargin_) paintMarkers(p);
}

void TTextEditControl::paintLine(QPainter& p, int row, qm::LineNum line, SpanWindow& window) {
    const qm::TParagraphStore& store = editor_.store();
    const std::string_view text = store.lineText(line);
    const qm::TextPos start = store.lineStart(line);
    const int lineOffset = start.pos.value - 1;  // byte offset of the line in its paragraph
    const int y = row * lineHeight_;
    const int baseline = y + ascent_;
    const int tabSize = store.TabSize();
    const int leftCol = editor_.LeftColumn();
    const int lastCol = leftCol + editor_.VisibleColumns() + 2;

    // The selected bytes of this line as offsets from the line start.
    int selFrom = kAfter, selTo = kAfter;
    if (editor_.HasSelection() && selectionVisible()) {
        const qm::TextPos s = editor_.selectionStart();
        const qm::TextPos en = editor_.selectionEnd();
        auto offsetOf = [&](qm::TextPos q) {
            if (q.para < start.para) return kBefore;
            if (q.para > start.para) return kAfter;
            return q.pos.value - 1 - lineOffset;
        };
        selFrom = offsetOf(s);
        selTo = offsetOf(en);
    }

    const int lineEnd = lineOffset + static_cast<int>(text.size());
    const std::vector<ColorSpan>& spans = window.spans;
    // The tag at the caret and its partner on a light background.
    for (const qm::html::TagPlace& t : {tagMarks_.tag, tagMarks_.partner}) {
        const int para = start.para.value;
        if (para < t.para || para > t.endPara || !SyntaxColouring() || !isEnabled()) continue;
        const int from = std::max(para == t.para ? t.start : 0, lineOffset) - lineOffset;
        const int to = std::min(para == t.endPara ? t.end : lineEnd, lineEnd) - lineOffset;
        if (from >= to) continue;
        const int c0 = qm::layout::columnsOf(text, static_cast<std::size_t>(from), tabSize);
        const int c1 = qm::layout::columnsOf(text, static_cast<std::size_t>(to), tabSize);
        p.fillRect(QRectF(leftMargin_ + (c0 - leftCol) * charWidth_, y, (c1 - c0) * charWidth_, lineHeight_),
                   html_->scheme().tagMark);
    }
    const Look plain{isEnabled() ? font_.color() : palette().color(QPalette::Disabled, QPalette::Text)};
    std::size_t spanIndex = 0;
    auto lookAt = [&](int byte) {
        if (!colorizer_ || !isEnabled()) return plain;
        const int at = lineOffset + byte;
        while (spanIndex < spans.size() && spans[spanIndex].start + spans[spanIndex].length <= at) ++spanIndex;
        if (spanIndex < spans.size() && spans[spanIndex].start <= at) {
            const ColorSpan& sp = spans[spanIndex];
            return Look{sp.color, sp.bold, sp.italic};
        }
        return plain;
    };
    auto xOf = [&](int col) { return leftMargin_ + (col - leftCol) * charWidth_; };

    // Runs of printable ASCII with one look are drawn in one call; other
    // characters one by one in their own cell, so a glyph from a fallback
    // font never shifts the columns after it.
    QString run;
    int runCol = 0;
    bool runSelected = false;
    Look runLook;
    auto flush = [&] {
        if (run.isEmpty()) return;
        const qreal x = xOf(runCol);
        if (runSelected) p.fillRect(QRectF(x, y, run.size() * charWidth_, lineHeight_), highlight_);
        p.setPen(runSelected ? highlightText_ : runLook.color);
        if (runLook.bold || runLook.italic) {
            // Another face may advance differently: each character in its own cell.
            QFont styled = font_.font();
            styled.setBold(runLook.bold);
            styled.setItalic(runLook.italic);
            p.setFont(styled);
            for (int k = 0; k < run.size(); ++k) p.drawText(QPointF(x + k * charWidth_, baseline), QString(run[k]));
            p.setFont(font_.font());
        } else {
            p.drawText(QPointF(x, baseline), run);
        }
        run.clear();
    };

    // Start at the character covering the first visible column, so a long
    // line scrolled far to the right is not walked from its start.
    int col = 0;
    std::size_t i = leftCol > 0 ? qm::layout::byteAtColumn(text, leftCol, tabSize, &col) : 0;
    if (i >= text.size()) {
        i = text.size();
        col = qm::layout::columnsOf(text, i, tabSize);
    }
    if (colorizer_) {
        // Spans are asked for once per paragraph and stretch of it painted;
        // a visible column holds at most four bytes, so a long line is asked
        // for no more than is shown.
        const int shownFrom = lineOffset + static_cast<int>(i);
        const int shownTo = static_cast<int>(std::min<std::int64_t>(
            lineEnd, std::int64_t(shownFrom) + 4 * std::int64_t(lastCol - col + 1)));
        if (window.para != start.para.value || shownFrom < window.from || shownTo > window.to) {
            window.para = start.para.value;
            window.from = shownFrom;
            // Beyond this display line: the wrapped lines after it share the answer.
            window.to = std::min(store.paragraphLength(start.para), shownTo + kSpanAhead);
            window.spans = colorizer_->spans(window.para, store.paragraphText(start.para), window.from, window.to);
        }
    }
    if (colorizer_)
        spanIndex = static_cast<std::size_t>(
            std::partition_point(spans.begin(), spans.end(),
                                 [&](const ColorSpan& sp) { return sp.start + sp.length <= lineOffset + int(i); }) -
            spans.begin());
    while (i < text.size() && col < lastCol) {
        const std::size_t len = utf8::charLength(text.data() + i, text.size() - i);
        const int b = static_cast<int>(i);
        const bool selected = b >= selFrom && b < selTo;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int width = c == '\t' ? tabSize - col % tabSize : 1;
        if (col + width <= leftCol) {  // scrolled off to the left
            col += width;
            i += len;
            continue;
        }
        if (c == '\t') {
            flush();
            if (selected) p.fillRect(QRectF(xOf(col), y, width * charWidth_, lineHeight_), highlight_);
        } else {
            const Look look = lookAt(b);
            if (len == 1 && c >= 0x20 && c < 0x7F) {
                if (!run.isEmpty() && (runSelected != selected || runLook != look || runCol + run.size() != col))
                    flush();
                if (run.isEmpty()) {
                    runCol = col;
                    runSelected = selected;
                    runLook = look;
                }
                run.append(QLatin1Char(static_cast<char>(c)));
            } else {
                flush();
                const qreal x = xOf(col);
                if (selected) p.fillRect(QRectF(x, y, charWidth_, lineHeight_), highlight_);
                if (len == 1 && (c < 0x20 || c == 0x7F)) {
                    // A control byte (NUL above all) in caret notation, reversed
                    // in its cell: visible whatever glyphs the font has.
                    p.fillRect(QRectF(x + 0.5, y + 1, charWidth_ - 1, lineHeight_ - 3), QColor(160, 40, 40));
                    p.setPen(Qt::white);
                    p.drawText(QPointF(x, baseline), QString(QLatin1Char(c == 0x7F ? '?' : char('@' + c))));
                } else {
                    const char32_t shown = displaytext::displayChar(text.data() + i, len);
                    p.setPen(selected ? highlightText_ : look.color);
                    p.drawText(QPointF(x, baseline), QString::fromUcs4(&shown, 1));
                }
            }
        }
        col += width;
        i += len;
    }
    flush();

    // A selected paragraph break shows as one highlighted cell after the text.
    const bool lastLineOfPara = text.size() + lineOffset == static_cast<std::size_t>(store.paragraphLength(start.para));
    const int breakOffset = static_cast<int>(text.size());
    if (lastLineOfPara && breakOffset >= selFrom && breakOffset < selTo && i >= text.size())
        p.fillRect(QRectF(xOf(col), y, charWidth_, lineHeight_), highlight_);
}

void TTextEditControl::paintMarkers(QPainter& p) {
    const qm::TParagraphStore& store = editor_.store();
    const int top = editor_.TopLine();
    QFont small = font_.font();
    small.setPointSizeF(std::max(5.0, small.pointSizeF() * 0.75));
    small.setBold(true);
    p.setFont(small);
    p.setRenderHint(QPainter::Antialiasing);
    for (int m = 0; m < qm::TParagraphStore::kMarkerCount; ++m) {
        const qm::TextPos at = store.marker(m);
        if (at.para.value == 0 || at.pos.value == 0) continue;
        const int row = store.toLinePos(at).line.value - top;
        if (row < 0 || row > editor_.VisibleLines()) continue;
        const QRectF box(1.5, row * lineHeight_ + 1.5, std::max(6, markerMargin_ - 3), lineHeight_ - 3);
        p.setPen(Qt::NoPen);
        p.setBrush(markerColor(m));
        p.drawRoundedRect(box, 3, 3);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, QString::number(m));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void TTextEditControl::paintCaret(QPainter& p) {
    const QRect r = caretRect().adjusted(1, 0, -1, 0);  // the cell itself
    if (r.right() < leftMargin_) return;
    const CaretShape shape = editor_.InsertMode() ? caretIns_ : caretOvr_;
    QRect shown = r;
    if (shape == csLine) shown = QRect(r.left(), r.top(), 2, r.height());
    else if (shape == csHalfBlock) shown = QRect(r.left(), r.top() + r.height() / 2, r.width(), r.height() - r.height() / 2);
    // Inverting keeps the character under a block caret readable.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(shown, Qt::white);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
