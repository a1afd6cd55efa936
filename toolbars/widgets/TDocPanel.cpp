#include "TDocPanel.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <stdexcept>

#include "DockHost.h"
#include "IniFile.h"
#include "SettingsErrors.h"
#include "TDocForm.h"

using toolbars::DockSide;

namespace {

constexpr int kSeparatorAdvance = 8;

// The floating window is kept on the screen it is on.
QPoint keptOnScreen(QPoint at, QSize size) {
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return at;
    const QRect s = screen->geometry();
    at.setX(std::max(s.left(), std::min(at.x(), s.right() + 1 - size.width())));
    at.setY(std::max(s.top(), std::min(at.y(), s.bottom() + 1 - size.height())));
    return at;
}

}  // namespace

TDocPanel::TDocPanel(const QString& component, const QString& title, DockHost* host)
    : component_(component), host_(host) {
    setObjectName(component);
    setWindowTitle(title);
    setAttribute(Qt::WA_StyledBackground);
}

TDocPanel::~TDocPanel() = default;

QToolButton* TDocPanel::addButton(QAction* action) {
    auto* b = new QToolButton(this);
    b->setDefaultAction(action);
    b->setAutoRaise(true);
    b->setFixedSize(toolbars::kButtonSize, toolbars::kButtonSize);
    b->setIconSize(QSize(toolbars::kButtonSize - 4, toolbars::kButtonSize - 4));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addAction(action);
    items_.push_back(b);
    buttons_.emplace(action, b);
    return b;
}

void TDocPanel::addSeparator() {
    auto* line = new QFrame(this);
    line->setFrameShadow(QFrame::Sunken);
    items_.push_back(line);
}

QWidget* TDocPanel::widgetForAction(QAction* action) const {
    auto it = buttons_.find(action);
    return it == buttons_.end() ? nullptr : it->second;
}

std::vector<int> TDocPanel::advances() const {
    std::vector<int> a;
    for (QWidget* w : items_) a.push_back(qobject_cast<QToolButton*>(w) ? toolbars::kButtonStep : kSeparatorAdvance);
    return a;
}

int TDocPanel::naturalLength() const {
    const std::vector<int> a = advances();
    return toolbars::flowItems(a, 1 << 20).longest;
}

toolbars::Flow TDocPanel::flowTo(int length, bool vertical) {
    const std::vector<int> a = advances();
    const toolbars::Flow flow = toolbars::flowItems(a, length);
    const int inset = (toolbars::kThickness - toolbars::kButtonSize) / 2;
    for (size_t i = 0; i < items_.size(); ++i) {
        const int along = flow.places[i].along;
        const int across = inset + flow.places[i].line * toolbars::kButtonStep;
        QWidget* w = items_[i];
        if (auto* line = qobject_cast<QFrame*>(w)) {
            line->setFrameShape(vertical ? QFrame::HLine : QFrame::VLine);
            w->setGeometry(vertical ? QRect(across, along, toolbars::kButtonSize, kSeparatorAdvance - 2)
                                    : QRect(along, across, kSeparatorAdvance - 2, toolbars::kButtonSize));
        } else {
            w->move(vertical ? QPoint(across, along) : QPoint(along, across));
        }
    }
    return flow;
}

toolbars::PanelState TDocPanel::state() const {
    toolbars::PanelState s = state_;
    if (s.docked && placed_.isValid()) {
        s.top = placed_.y();
        s.left = placed_.x();
        s.width = placed_.width();
        s.height = placed_.height();
    }
    if (!s.docked && form_) {
        s.floatTop = form_->y();
        s.floatLeft = form_->x();
    }
    return s;
}

void TDocPanel::rememberDocked() { state_ = state(); }

void TDocPanel::setDocked(bool docked) {
    if (docked == state_.docked) return;
    if (docked)
        becomeDocked(state_.align, false);
    else
        becomeFloating(mapToGlobal(QPoint(0, 0)), false);
}

void TDocPanel::floatByDrag(const QPoint& screenPos) {
    if (state_.docked) becomeFloating(screenPos, true);
}

void TDocPanel::dockByDrag(DockSide side) {
    if (side == DockSide::None || !(sides_ & toolbars::sideBit(side))) return;
    if (state_.docked) rememberDocked();
    becomeDocked(side, true);
}

void TDocPanel::becomeFloating(const QPoint& screenPos, bool byDrag) {
    if (state_.docked) {
        rememberDocked();
        host_->renumber(state_.align);
        dockedLine_ = lineHint_;
        dockedOrder_ = orderHint_;
    }
    const bool horizontal = !toolbars::isVertical(state_.align);
    state_.docked = false;
    form_ = new TDocForm(this, host_->window());
    host_->relayout();
    form_->fitToWidth(TDocForm::widthFor(horizontal && placed_.isValid() ? placed_.width() : std::min(naturalLength(), 480)));
    form_->move(keptOnScreen(screenPos, form_->size()));
    if (!byDrag) {
        // A window placed by an earlier double-click goes back there, as stored.
        const std::string section = component_.toStdString();
        const auto top = host_->layoutFile().ReadValue(section, "FTop");
        const auto left = host_->layoutFile().ReadValue(section, "FLeft");
        if (top && left) form_->move(std::atoi(left->c_str()), std::atoi(top->c_str()));
    }
    setVisible(true);
    if (shown_ && host_->isVisible()) form_->show();
    emit dockChanged();
}

void TDocPanel::becomeDocked(DockSide side, bool byDrag) {
    TDocForm* form = form_;
    if (form) {
        state_.floatTop = form->y();
        state_.floatLeft = form->x();
        if (!byDrag) {
            try {
                host_->layoutFile().WriteStrings(component_.toStdString(),
                                                 {{"FTop", std::to_string(form->y())}, {"FLeft", std::to_string(form->x())}});
            } catch (const ESettingsError&) {
                // The layout is written again on the way out, where a failure is reported.
            }
        }
    }
    if (byDrag) {
        // A new line at the outer end of the side, with the remembered
        // thickness: across a turn, length and thickness swap.
        if (toolbars::isVertical(side) != toolbars::isVertical(state_.align)) std::swap(state_.width, state_.height);
        state_.align = side;
        setHints(1 << 20, 0);
    } else {
        setHints(dockedLine_, dockedOrder_);
    }
    state_.docked = true;
    placed_ = QRect();
    form_ = nullptr;
    host_->attach(this);
    if (form) {
        form->hide();
        form->deleteLater();
    }
    emit dockChanged();
}

void TDocPanel::setShown(bool shown) {
    shown_ = shown;
    if (state_.docked) {
        setVisible(shown);
        host_->relayout();
    } else if (form_) {
        form_->setVisible(shown && host_->isVisible());
    }
}

void TDocPanel::setDockingSides(unsigned sides) {
    if (!state_.docked) throw std::logic_error("The Panel must be docked to change this property");
    sides_ = sides;
}

void TDocPanel::loadLayout(const IniFile& file) {
    // No record keeps the designed place (and the designed sharing of lines).
    if (file.ReadSection(component_.toStdString()).empty()) return;
    const toolbars::PanelState s = toolbars::readPanelState(file, component_.toStdString(), state());
    state_ = s;
    if (state_.align == DockSide::None) state_.align = DockSide::Top;
    if (s.docked) {
        setHints(s.top, s.left);
        placed_ = QRect();
        host_->attach(this);
        return;
    }
    // Floated from the docked place the file remembers, to the stored window position.
    state_.docked = true;
    placed_ = QRect(s.left, s.top, s.width, s.height);
    becomeFloating(QPoint(s.floatLeft, s.floatTop), true);
    form_->move(s.floatLeft, s.floatTop);
    dockedLine_ = s.top;
    dockedOrder_ = s.left;
}

void TDocPanel::saveLayout(IniFile& file) const { toolbars::writePanelState(file, component_.toStdString(), state()); }

void TDocPanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !state_.docked) return QWidget::mousePressEvent(e);
    pressAt_ = e->globalPosition().toPoint();
    dragging_ = false;
}

void TDocPanel::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton) || !state_.docked) return QWidget::mouseMoveEvent(e);
    const QPoint at = e->globalPosition().toPoint();
    if (!dragging_) {
        if ((at - pressAt_).manhattanLength() < toolbars::kDragThreshold) return;
        dragging_ = true;
        outline_ = std::make_unique<QRubberBand>(QRubberBand::Rectangle);
        outlineOffset_ = pressAt_ - mapToGlobal(QPoint(0, 0));
        outline_->resize(size());
    }
    outline_->move(at - outlineOffset_);
    outline_->show();
    const QRect o = outline_->geometry();
    setCursor(dockCursor(toolbars::chooseSide({o.x(), o.y(), o.width(), o.height()}, host_->clientRect(), sides_)));
}

void TDocPanel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !dragging_) return QWidget::mouseReleaseEvent(e);
    dragging_ = false;
    const QRect o = outline_->geometry();
    outline_.reset();
    unsetCursor();
    const DockSide side = toolbars::chooseSide({o.x(), o.y(), o.width(), o.height()}, host_->clientRect(), sides_);
    if (side == DockSide::None)
        floatByDrag(o.topLeft());
    else
        dockByDrag(side);
}

void TDocPanel::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && state_.docked)
        setDocked(false);
    else
        QWidget::mouseDoubleClickEvent(e);
}

void TDocPanel::paintEvent(QPaintEvent*) {
    if (!state_.docked) return;
    // A grip at the start of a docked toolbar shows where to take it.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    const bool vertical = toolbars::isVertical(state_.align);
    if (vertical) {
        p.drawLine(3, 1, width() - 4, 1);
        p.drawLine(0, height() - 1, width() - 1, height() - 1);
    } else {
        p.drawLine(1, 3, 1, height() - 4);
        p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    }
}
