#pragma once
// The StatusLine panel: a label that reports each change of its caption, so
// the "set only when different" rule of the status routine can be observed.
// The panel is narrow: a caption wider than it is drawn with its middle left
// out (both ends stay in view) and shown whole as the tooltip.

#include <QLabel>
#include <QPainter>
#include <QPaintEvent>

class StatusLineLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Sets the caption and emits captionChanged (every call, even with the
    // same text: the callers decide whether to write).
    void setCaption(const QString& text) {
        setText(text);
        emit captionChanged(text);
    }

    // The caption as drawn in the panel's width.
    QString shownText() const {
        const int room = contentsRect().width() - 2 * margin() - 2 * indentOrZero();
        return fontMetrics().elidedText(text(), Qt::ElideMiddle, room);
    }

signals:
    void captionChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* e) override {
        const QString shown = shownText();
        setToolTip(shown == text() ? QString() : text());
        if (shown == text()) return QLabel::paintEvent(e);
        QFrame::paintEvent(e);  // the bevel
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        p.drawText(contentsRect().adjusted(margin() + indentOrZero(), margin(), -margin(), -margin()),
                   int(alignment()) | Qt::TextSingleLine, shown);
    }

private:
    int indentOrZero() const { return indent() > 0 ? indent() : 0; }
};
