#include "TfrmTitle.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "AppIcon.h"
#include "StartupRules.h"

TfrmTitle::TfrmTitle(QWidget* parent)
    // A dialog border with a title and no border icons.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmTitle"));
    setWindowTitle(QStringLiteral("Quillmar HTML Editor"));
    setModal(true);

    auto* icon = new QLabel;
    icon->setPixmap(appIcon().pixmap(64, 64));
    auto* title = new QLabel(QString::fromUtf8(startup::kAppTitle));
    QFont f = title->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    title->setFont(f);
    auto* version = new QLabel(QString::fromUtf8(startup::kVersion));
    auto* blurb = new QLabel(QStringLiteral("The HTML source editor that knows its tags."));
    button_ = new QPushButton(QStringLiteral("Let Loose the &Quillmar ..."));
    button_->setDefault(true);
    button_->setAutoDefault(true);
    connect(button_, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(blurb);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(button_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void TfrmTitle::showEvent(QShowEvent* e) {
    // Centred on the screen, not on the (maybe still hidden) main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    QDialog::showEvent(e);
    button_->setFocus();
    QTimer::singleShot(kShowMs, this, &QDialog::accept);
}

void TfrmTitle::keyPressEvent(QKeyEvent* e) {
    // A modifier alone (the first half of Alt+Tab) is no answer.
    switch (e->key()) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta: case Qt::Key_AltGr:
        QDialog::keyPressEvent(e);
        return;
    default:
        accept();
    }
}

void TfrmTitle::mousePressEvent(QMouseEvent*) { accept(); }
