#include "TfNetscapeError.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QVBoxLayout>

#include "Paths.h"

QString TfNetscapeError::messageText() {
    return QStringList{
        QStringLiteral("Quillmar was unable to find the Netscape Bookmark File."),
        QString(),
        QStringLiteral("Some possible reasons are :"),
        QString(),
        // The browser's INI file is looked for in the settings folder.
        QStringLiteral("The Netscape Initialisation File was not in your settings "),
        QStringLiteral("folder, ") + QString::fromStdString(paths::settingsDir().string()) + u'.',
        QString(),
        QStringLiteral("The Location of the Bookmark File that was reported by the "),
        QStringLiteral("Initialisation file was incorrect"),
        QString(),
        QStringLiteral("You can still load the Bookmark File manually then select "),
        QStringLiteral("the Grab URLs option to complete the task."),
    }
        .join(QLatin1Char('\n'));
}

TfNetscapeError::TfNetscapeError(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fNetscapeError"));
    setWindowTitle(QStringLiteral("Bookmark File"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    text = new QPlainTextEdit(messageText(), this);
    text->setObjectName(QStringLiteral("text"));
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    QPalette pal = text->palette();
    pal.setColor(QPalette::Base, QColor(0xc0, 0xc0, 0xc0));
    text->setPalette(pal);
    text->setMinimumSize(420, 220);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* foot = new QHBoxLayout;
    foot->addStretch();
    foot->addWidget(ok);
    foot->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(foot);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
