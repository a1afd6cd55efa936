#include "TfProgress.h"

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

TfProgress::TfProgress(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fProgress"));
    setWindowTitle(QStringLiteral("Quillmar Progress"));
    // No border icons; stays over the main window while the import runs.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowStaysOnTopHint);
    gS = new QProgressBar(this);
    gS->setObjectName(QStringLiteral("gS"));
    gS->setRange(0, 100);
    gS->setTextVisible(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gS);
    resize(300, 60);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfProgress::setPercent(int percent) {
    gS->setValue(percent);
    gS->repaint();
}

int TfProgress::percent() const { return gS->value(); }
