#pragma once
// The splash window shown modally at start-up; start-up goes on when the
// user closes it with its one button.

#include <QDialog>

class QPushButton;

class TfrmTitle : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTitle(QWidget* parent = nullptr);

    QPushButton* closeButton() const { return button_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    QPushButton* button_;
};
