#include "TfToolWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QVBoxLayout>

#include "Application.h"

TfToolWindow::TfToolWindow(const QString& caption, const std::string& section, QWidget* parent, Qt::WindowType kind)
    : QMainWindow(parent, kind | Qt::WindowStaysOnTopHint), Prefs("quilopt.ini", section) {
    setWindowTitle(caption);
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    close_ = fileMenu_->addAction(QStringLiteral("&Close"), this, &QWidget::close);
    keepOnTop_ = fileMenu_->addAction(QStringLiteral("&Keep on Top"));
    keepOnTop_->setCheckable(true);
    keepOnTop_->setChecked(true);
    connect(keepOnTop_, &QAction::toggled, this, &TfToolWindow::setKeepOnTop);
}

QVBoxLayout* TfToolWindow::body() {
    if (!body_) {
        auto* w = new QWidget(this);
        body_ = new QVBoxLayout(w);
        setCentralWidget(w);
    }
    return body_;
}

bool TfToolWindow::keepOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void TfToolWindow::setKeepOnTop(bool on) {
    keepOnTop_->setChecked(on);
    if (keepOnTop() == on) return;
    // Changing the flag hides the window; put it back where it was.
    const bool shown = isVisible();
    const QRect where = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) {
        setGeometry(where);
        reshowing_ = true;
        QMainWindow::show();
        reshowing_ = false;
    }
}

void TfToolWindow::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (e->spontaneous() || reshowing_) return;  // not shown by a command
    dispatch([this] {
        Prefs.Load();
        Prefs.RestorePlacement("FORM_PLACE", *this);
        FormShow();
    });
}

void TfToolWindow::closeEvent(QCloseEvent* e) {
    dispatch([this] {
        Prefs.SavePlacement("FORM_PLACE", *this);
        Prefs.Save();
        FormClose();
    });
    QMainWindow::closeEvent(e);
}
