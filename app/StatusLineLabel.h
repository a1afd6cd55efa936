#pragma once
// The StatusLine panel: a label that reports each change of its caption, so
// the "set only when different" rule of the status routine can be observed.

#include <QLabel>

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

signals:
    void captionChanged(const QString& text);
};
