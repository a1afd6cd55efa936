#pragma once
// A grid of the 16 standard colours, two across and eight down. The left
// mouse button picks the text (foreground) cell, the right one the
// background cell; the two chosen cells are marked "FG" and "BG". A grid
// that picks one colour only ignores the right button.

#include <QColor>
#include <QWidget>

class ColorGrid : public QWidget {
    Q_OBJECT
public:
    explicit ColorGrid(bool withBackground, QWidget* parent = nullptr);

    int foregroundIndex() const { return foreground_; }
    int backgroundIndex() const { return background_; }
    void setForegroundIndex(int cell);
    void setBackgroundIndex(int cell);
    QColor foregroundColor() const { return cellColor(foreground_); }
    QColor backgroundColor() const { return cellColor(background_); }

    static QColor cellColor(int cell);
    // The cell of a colour, or -1 when it is not one of the 16.
    static int cellOf(const QColor& c);
    // The cell under a point of the widget, or -1.
    int cellAt(const QPoint& p) const;
    QRect cellRect(int cell) const;

    QSize sizeHint() const override { return {60, 160}; }

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    bool withBackground_;
    int foreground_;
    int background_;
};
