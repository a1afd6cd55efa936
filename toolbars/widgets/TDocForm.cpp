#include "TDocForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QStyle>
#include <QToolButton>

#include "DockHost.h"
#include "TDocPanel.h"

TDocForm::TDocForm(TDocPanel* panel, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), panel_(panel) {
    setObjectName(panel->objectName() + QStringLiteral("Form"));
    setWindowTitle(panel->windowTitle());
    title_ = new QWidget(this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setAutoFillBackground(true);
    QPalette pal = title_->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Highlight));
    pal.setColor(QPalette::WindowText, pal.color(QPalette::HighlightedText));
    title_->setPalette(pal);
    auto* row = new QHBoxLayout(title_);
    row->setContentsMargins(4, 1, 1, 1);
    row->setSpacing(1);
    caption_ = new QLabel(panel->windowTitle(), title_);
    caption_->setTextFormat(Qt::PlainText);
    QFont f = caption_->font();
    f.setBold(true);
    caption_->setFont(f);
    dropDown_ = new QToolButton(title_);
    dropDown_->setObjectName(QStringLiteral("dropDown"));
    dropDown_->setArrowType(Qt::DownArrow);
    close_ = new QToolButton(title_);
    close_->setObjectName(QStringLiteral("closeBox"));
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    for (QToolButton* b : {dropDown_, close_}) {
        b->setFixedSize(16, 16);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QToolButton::clicked, this, [this] { setRolledUp(!rolledUp_); });
    }
    row->addWidget(caption_, 1);
    row->addWidget(dropDown_);
    row->addWidget(close_);
    title_->installEventFilter(this);
    caption_->installEventFilter(this);
    panel->setParent(this);
    grip_ = new QSizeGrip(this);
}

int TDocForm::titleHeight() const { return 20; }

void TDocForm::fitToWidth(int width) {
    fitting_ = true;
    const int inner = std::max(width - 2 * kBorder, toolbars::kThickness);
    const toolbars::Flow flow = panel_->flowTo(inner, false);
    const int body = toolbars::flowThickness(flow.lines);
    const int h = titleHeight() + 2 * kBorder + (rolledUp_ ? 0 : body + grip_->sizeHint().height() / 2);
    title_->setGeometry(kBorder, kBorder, width - 2 * kBorder, titleHeight());
    panel_->setGeometry(kBorder, kBorder + titleHeight(), inner, body);
    panel_->setVisible(!rolledUp_);
    grip_->setVisible(!rolledUp_);
    setMinimumWidth(toolbars::kThickness + 2 * kBorder + 40);
    setFixedHeight(h);
    resize(width, h);
    grip_->move(width - grip_->sizeHint().width(), h - grip_->sizeHint().height());
    fitting_ = false;
}

void TDocForm::setRolledUp(bool up) {
    rolledUp_ = up;
    dropDown_->setArrowType(up ? Qt::RightArrow : Qt::DownArrow);
    fitToWidth(width());
}

void TDocForm::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!fitting_) fitToWidth(width());
}

void TDocForm::closeEvent(QCloseEvent* e) {
    // The close box rolls the window up or down; only the owner's end closes it.
    e->ignore();
    setRolledUp(!rolledUp_);
}

void TDocForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool TDocForm::event(QEvent* e) {
    // A button's hint goes to the main window's status line, as when docked.
    if (e->type() == QEvent::StatusTip && parentWidget()) return QCoreApplication::sendEvent(parentWidget(), e);
    return QWidget::event(e);
}

bool TDocForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched != title_ && watched != caption_) return QWidget::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::MouseButtonDblClick:
        moving_ = false;
        panel_->setDocked(true);
        return true;
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton) break;
        pressOffset_ = m->globalPosition().toPoint() - pos();
        moving_ = false;
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (!(m->buttons() & Qt::LeftButton)) break;
        moving_ = true;
        move(m->globalPosition().toPoint() - pressOffset_);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!moving_) break;
        moving_ = false;
        const QRect g = frameGeometry();
        const toolbars::DockSide side = toolbars::chooseSide(
            {g.x(), g.y(), g.width(), g.height()}, panel_->host_->clientRect(), panel_->dockingSides());
        if (side != toolbars::DockSide::None) panel_->dockByDrag(side);
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, e);
}
