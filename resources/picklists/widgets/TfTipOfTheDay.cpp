#include "TfTipOfTheDay.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfTipOfTheDay::TfTipOfTheDay(std::vector<std::string> lines, std::size_t start, QWidget* parent)
    : QDialog(parent), ring_(std::move(lines), start) {
    setObjectName(QStringLiteral("fTipOfTheDay"));
    setWindowTitle(QStringLiteral("Tip of the day"));

    // Tips are the user's text: never read as markup.
    lTitle = new QLabel(this);
    lTitle->setObjectName(QStringLiteral("lTitle"));
    lTitle->setTextFormat(Qt::PlainText);
    QFont big = lTitle->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    lTitle->setFont(big);
    lTip = new QLabel(this);
    lTip->setObjectName(QStringLiteral("lTip"));
    lTip->setTextFormat(Qt::PlainText);
    lTip->setWordWrap(true);
    lTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lTip->setMinimumSize(360, 120);

    chkShowTips = new QCheckBox(QStringLiteral("Show Tips at Startup"), this);
    btnPrevious = new QPushButton(QStringLiteral("Previous Tip"), this);
    btnNext = new QPushButton(QStringLiteral("Next Tip"), this);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setDefault(true);
    connect(btnPrevious, &QPushButton::clicked, this, &TfTipOfTheDay::PreviousTipClick);
    connect(btnNext, &QPushButton::clicked, this, &TfTipOfTheDay::NextTipClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkShowTips);
    buttons->addStretch();
    buttons->addWidget(btnPrevious);
    buttons->addWidget(btnNext);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lTitle);
    layout->addWidget(lTip, 1);
    layout->addLayout(buttons);

    if (ring_.empty()) {
        showTip(tips::noTips());
        btnPrevious->setEnabled(false);
        btnNext->setEnabled(false);
    } else {
        NextTipClick();
    }
}

void TfTipOfTheDay::NextTipClick() { showTip(ring_.next()); }

void TfTipOfTheDay::PreviousTipClick() { showTip(ring_.previous()); }

void TfTipOfTheDay::showTip(const tips::Tip& tip) {
    lTitle->setText(QString::fromUtf8(tip.title));
    lTip->setText(QString::fromUtf8(tip.text));
}
