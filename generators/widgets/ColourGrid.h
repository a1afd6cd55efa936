#pragma once
// The Home page wizard's 16-colour grid: the left mouse button picks the
// text (foreground) colour, the right button the background colour. From
// the keyboard the arrow keys move among the cells, Space picks the text
// colour and Shift+Space the background colour.

#include <QWidget>

class ColourGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 8;
    static constexpr int kRows = 2;

    explicit ColourGrid(QWidget* parent = nullptr);

    int foreground() const { return foreground_; }
    int background() const { return background_; }
    void setForeground(int index);
    void setBackground(int index);
    // The cell at a point of the widget, -1 outside every cell.
    int cellAt(const QPoint& p) const;
    QRect cellRect(int index) const;

    QSize sizeHint() const override;

signals:
    void changed();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

private:
    int foreground_ = 0;
    int background_ = 0;
    int current_ = 0;  // the keyboard's cell
};
