#include "TAboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "AppIcon.h"
#include "StartupRules.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Quillmar"));
    setModal(true);

    auto* icon = new QLabel;
    icon->setPixmap(appIcon().pixmap(48, 48));
    auto* title = new QLabel(QString::fromUtf8(startup::kAppTitle));
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    auto* version = new QLabel(QString::fromUtf8(startup::kVersion));
    auto* line1 = new QLabel(QStringLiteral("A desktop editor for HTML source."));
    auto* line2 = new QLabel(QStringLiteral("Written in C++ with Qt for Linux."));
    ok_ = new QPushButton(QStringLiteral("OK"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(6);
    text->addWidget(line1);
    text->addWidget(line2);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(10);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}
