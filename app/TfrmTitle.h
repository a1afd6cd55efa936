#pragma once
// The splash window shown modally at start-up. It closes by itself after
// kShowMs, or at once on its button, any key or a click; start-up opens the
// command-line files while it shows.

#include <QDialog>

class QPushButton;

class TfrmTitle : public QDialog {
    Q_OBJECT
public:
    static constexpr int kShowMs = 2000;

    explicit TfrmTitle(QWidget* parent = nullptr);

    QPushButton* closeButton() const { return button_; }

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QPushButton* button_;
};
