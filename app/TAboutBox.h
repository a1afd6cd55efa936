#pragma once
// Help > About: the application title, the version, two lines about the
// program and an OK button.

#include <QDialog>

class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QPushButton* okButton() const { return ok_; }

private:
    QPushButton* ok_;
};
