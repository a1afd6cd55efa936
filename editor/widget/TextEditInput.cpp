// Keys, input-method commits and the mouse of TTextEditControl. Every
// handler ends in a command of the core; exceptions go to the program's
// dispatcher so none reaches Qt.

#include "TTextEditControl.h"

#include "Application.h"
#include "KeyTranslate.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <cmath>

namespace {
// The key sequences a key event stands for. Under X11 Ctrl+Shift+1 arrives
// as Ctrl+Shift+"!" and Qt's shortcut map also tries the digit, so a menu
// item with Ctrl+Shift+1 runs; the check must try it too, or the control
// would take the key from the menu.
QList<QKeySequence> sequencesOf(const QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    QList<QKeySequence> out{QKeySequence(QKeyCombination(mods, Qt::Key(e->key())))};
    const int mapped = keytranslate::editKey(e->key());
    if (mapped >= '0' && mapped <= '9' && e->key() != Qt::Key_0 + (mapped - '0'))
        out << QKeySequence(QKeyCombination(mods, Qt::Key(Qt::Key_0 + (mapped - '0'))));
    return out;
}
}  // namespace

bool TTextEditControl::windowHasShortcut(const QKeyEvent* e) const {
    const QList<QKeySequence> wanted = sequencesOf(e);
    const auto claims = [&](const QList<QKeySequence>& keys) {
        for (const QKeySequence& k : keys)
            if (wanted.contains(k)) return true;
        return false;
    };
    const QList<QAction*> actions = window()->findChildren<QAction*>();
    for (const QAction* a : actions)
        if (a->isEnabled() && claims(a->shortcuts())) return true;
    const QList<QShortcut*> shortcuts = window()->findChildren<QShortcut*>();
    for (const QShortcut* s : shortcuts)
        if (s->isEnabled() && claims(s->keys())) return true;
    return false;
}

bool TTextEditControl::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        // Menu shortcuts of the main window come first: the control claims a
        // key only when no action (or shortcut) of the window uses it.
        auto* ke = static_cast<QKeyEvent*>(e);
        const int key = keytranslate::editKey(ke->key());
        const unsigned shift = keytranslate::shiftState(ke->modifiers());
        const bool wanted = (key != qm::kKeyNone && editor_.wantsKey(key, shift)) ||
                            !keytranslate::typedCharacters(ke->text(), ke->modifiers()).empty();
        if (wanted && !windowHasShortcut(ke)) {
            ke->accept();
            return true;
        }
        return QAbstractScrollArea::event(e);
    }
    if (e->type() == QEvent::KeyPress) {
        // Tab would otherwise move the focus before keyPressEvent sees it.
        auto* ke = static_cast<QKeyEvent*>(e);
        if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) &&
            editor_.wantsKey(qm::kKeyTab, keytranslate::shiftState(ke->modifiers()))) {
            keyPressEvent(ke);
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

void TTextEditControl::keyPressEvent(QKeyEvent* e) {
    if (keytranslate::isModifierKey(e->key())) {
        e->ignore();
        return;
    }
    bool handled = false;
    dispatch([&] {
        const int key = keytranslate::editKey(e->key());
        if (key != qm::kKeyNone && editor_.handleKey(key, keytranslate::shiftState(e->modifiers()))) {
            handled = true;
            return;
        }
        if (key == qm::kKeyBackspace || key == qm::kKeyEnter || key == qm::kKeyTab) return;
        for (const std::string& c : keytranslate::typedCharacters(e->text(), e->modifiers())) {
            editor_.typeChar(c);
            handled = true;
        }
    });
    e->setAccepted(handled);
}

void TTextEditControl::inputMethodEvent(QInputMethodEvent* e) {
    dispatch([&] {
        for (const std::string& c : keytranslate::typedCharacters(e->commitString(), Qt::NoModifier))
            editor_.typeChar(c);
    });
    e->accept();
}

QVariant TTextEditControl::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled: return !editor_.ReadOnly();
    case Qt::ImCursorRectangle: return caretRect();
    case Qt::ImFont: return font_.font();
    default: return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// ---- Mouse ----

std::pair<int, int> TTextEditControl::hit(const QPoint& p, bool nearest) const {
    const int row = static_cast<int>(std::floor(static_cast<double>(p.y()) / lineHeight_));
    const double cells = (p.x() - leftMargin_) / charWidth_;
    const int col = nearest ? static_cast<int>(std::lround(cells)) : static_cast<int>(std::floor(cells));
    return {editor_.TopLine() + row, editor_.LeftColumn() + std::max(0, col) + 1};
}

void TTextEditControl::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(e);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (editor_.ByteCount() == 0) return;
    const QPoint p = e->position().toPoint();
    const bool extend = e->modifiers() & Qt::ShiftModifier;
    dispatch([&] {
        if (p.x() < leftMargin_) {
            drag_ = Drag::Margin;
            editor_.marginDown(hit(p, false).first, extend);
        } else {
            drag_ = Drag::Text;
            const auto [line, dc] = hit(p, true);
            editor_.mouseDown(line, dc, extend);
        }
    });
}

void TTextEditControl::dragTo(const QPoint& p) {
    dispatch([&] {
        const QRect area = viewport()->rect();
        auto [line, dc] = hit(p, true);
        // Beyond the window the text scrolls a line (or column) per step.
        if (p.y() < 0) line = editor_.TopLine() - 1;
        else if (p.y() >= area.height()) line = editor_.TopLine() + editor_.VisibleLines();
        if (p.x() >= area.width()) dc = editor_.LeftColumn() + editor_.VisibleColumns() + 1;
        if (drag_ == Drag::Margin) editor_.marginDrag(line);
        else editor_.mouseDrag(line, dc);
    });
}

void TTextEditControl::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (drag_ == Drag::None || !(e->buttons() & Qt::LeftButton)) {
        viewport()->setCursor(p.x() < leftMargin_ ? Qt::ArrowCursor : Qt::IBeamCursor);
        return;
    }
    dragPoint_ = p;
    dragTo(p);
    if (viewport()->rect().contains(p)) dragTimer_.stop();
    else if (!dragTimer_.isActive()) dragTimer_.start(50, this);
}

void TTextEditControl::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        drag_ = Drag::None;
        dragTimer_.stop();
    }
    QAbstractScrollArea::mouseReleaseEvent(e);
}

void TTextEditControl::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || editor_.ByteCount() == 0) return;
    const QPoint p = e->position().toPoint();
    dispatch([&] {
        if (p.x() < leftMargin_) {
            editor_.selectParagraphAt(hit(p, false).first);
        } else {
            const auto [line, dc] = hit(p, false);
            editor_.selectWordAt(line, dc, e->modifiers() & Qt::ShiftModifier);
        }
    });
    drag_ = Drag::None;  // a double-click selects; moving afterwards must not undo it
}

// ---- Drops (the owner's hooks) ----

void TTextEditControl::dragEnterEvent(QDragEnterEvent* e) { dragMoveEvent(e); }

void TTextEditControl::dragMoveEvent(QDragMoveEvent* e) {
    bool accept = false;
    dispatch([&] { accept = OnDragOver && OnDragOver(e); });
    if (accept) e->acceptProposedAction();
    else e->ignore();
}

void TTextEditControl::dropEvent(QDropEvent* e) {
    if (!OnDragDrop) {
        e->ignore();
        return;
    }
    dispatch([&] { OnDragDrop(e); });
    e->acceptProposedAction();
    setFocus(Qt::OtherFocusReason);
}
