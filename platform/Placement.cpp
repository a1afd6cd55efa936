#include "Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QRect normalRect(const QWidget& w) {
    if (!w.isWindow()) return w.geometry();
    // For a top-level window that was never shown (or never maximised) Qt
    // has no separate normal geometry: then the current one is it.
    const QRect normal = w.normalGeometry();
    return normal.isValid() ? normal : w.geometry();
}

QRect keptOnScreen(const QRect& r) {
    for (const QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().intersects(r)) return r;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return r;
    return QRect(primary->availableGeometry().topLeft(), r.size());
}

}  // namespace

WindowPlacement placementOf(const QWidget& widget) {
    WindowPlacement p;
    const Qt::WindowStates state = widget.windowState();
    if (state & Qt::WindowMinimized) {
        p.showCmd = WindowPlacement::kShowMinimized;
        if (state & Qt::WindowMaximized) p.flags |= WindowPlacement::kRestoreToMaximized;
    } else if (state & Qt::WindowMaximized) {
        p.showCmd = WindowPlacement::kShowMaximized;
    }
    const QRect r = normalRect(widget);
    p.left = r.x();
    p.top = r.y();
    p.right = r.x() + r.width();
    p.bottom = r.y() + r.height();
    return p;
}

void applyPlacement(QWidget& widget, const WindowPlacement& p) {
    QRect r(p.left, p.top, p.right - p.left, p.bottom - p.top);
    if (r.width() <= 0 || r.height() <= 0) return;
    if (widget.isWindow()) r = keptOnScreen(r);

    Qt::WindowStates state = widget.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    // The normal geometry goes in first, in the normal state, so that leaving
    // the maximised or minimised state later returns to it.
    widget.setWindowState(state);
    widget.setGeometry(r);
    switch (p.showCmd) {
    case WindowPlacement::kShowMaximized:
        state |= Qt::WindowMaximized;
        break;
    case WindowPlacement::kShowMinimized:
    case 6:  // minimise
    case 7:  // show minimised without activating
        state |= Qt::WindowMinimized;
        if (p.flags & WindowPlacement::kRestoreToMaximized) state |= Qt::WindowMaximized;
        break;
    default:
        break;
    }
    widget.setWindowState(state);
}
