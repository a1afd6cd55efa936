#pragma once
// "Tip of the day": made when needed, shown modally at start-up, destroyed
// after use. Shows the tips of TIPS.TXT in a ring from a random start; with
// no tips it keeps the "Oops..." texts and disables both tip buttons.

#include <QDialog>
#include <string>
#include <vector>

#include "Tips.h"

class QCheckBox;
class QLabel;
class QPushButton;

class TfTipOfTheDay : public QDialog {
    Q_OBJECT
public:
    // `start` is the random index; the first tip shown is the one after it.
    TfTipOfTheDay(std::vector<std::string> lines, std::size_t start, QWidget* parent = nullptr);

    void NextTipClick();
    void PreviousTipClick();

    QLabel* lTitle = nullptr;
    QLabel* lTip = nullptr;
    QPushButton* btnPrevious = nullptr;
    QPushButton* btnNext = nullptr;
    QPushButton* btnClose = nullptr;
    QCheckBox* chkShowTips = nullptr;

private:
    void showTip(const tips::Tip& tip);

    tips::TipRing ring_;
};
