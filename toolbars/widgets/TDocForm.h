#pragma once
// The floating window of a toolbar: stays on top, a title strip of its own
// (caption, drop-down button, close box), a sizeable border, the buttons
// re-flowed to its width. The drop-down button and the close box roll the
// window up to its title strip and down again; the close box never closes.

#include <QWidget>

class QLabel;
class QSizeGrip;
class QToolButton;
class TDocPanel;

class TDocForm : public QWidget {
    Q_OBJECT
public:
    TDocForm(TDocPanel* panel, QWidget* owner);

    bool rolledUp() const { return rolledUp_; }
    void setRolledUp(bool up);
    QWidget* titleStrip() const { return title_; }
    QToolButton* dropDownButton() const { return dropDown_; }
    QToolButton* closeBox() const { return close_; }
    // Sets the width and fits the height to the re-flowed buttons.
    void fitToWidth(int width);
    // The width that shows `length` pixels of toolbar on one line.
    static int widthFor(int length) { return length + 2 * kBorder; }
    static constexpr int kBorder = 2;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    int titleHeight() const;

    TDocPanel* panel_;
    QWidget* title_;
    QLabel* caption_;
    QToolButton* dropDown_;
    QToolButton* close_;
    QSizeGrip* grip_;
    bool rolledUp_ = false;
    bool fitting_ = false;
    QPoint pressOffset_;
    bool moving_ = false;
};
