#include "KeyTranslate.h"

#include "DisplayText.h"

#include <QList>

namespace keytranslate {

int editKey(int qtKey) {
    using namespace qm;
    switch (qtKey) {
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_PageUp: return kKeyPageUp;
    case Qt::Key_PageDown: return kKeyPageDown;
    case Qt::Key_Insert: return kKeyInsert;
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_Backspace: return kKeyBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kKeyTab;
    case Qt::Key_Escape: return kKeyEscape;
    default: break;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
    // Shift+digit on a US layout.
    static const char kShiftedDigits[] = ")!@#$%^&*(";
    for (int d = 0; d < 10; ++d)
        if (qtKey == kShiftedDigits[d]) return '0' + d;
    return kKeyNone;
}

unsigned shiftState(Qt::KeyboardModifiers modifiers) {
    unsigned s = qm::ssNone;
    if (modifiers & Qt::ShiftModifier) s |= qm::ssShift;
    if (modifiers & Qt::ControlModifier) s |= qm::ssCtrl;
    if (modifiers & Qt::AltModifier) s |= qm::ssAlt;
    return s;
}

bool isModifierKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta:
    case Qt::Key_AltGr: case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_Super_L:
    case Qt::Key_Super_R:
        return true;
    default:
        return false;
    }
}

std::vector<std::string> typedCharacters(const QString& text, Qt::KeyboardModifiers modifiers) {
    std::vector<std::string> out;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    if (ctrl != alt) return out;
    const QList<uint> chars = text.toUcs4();
    for (const uint u : chars) {
        const char32_t c = u;
        if (c < 0x20 || c == 0x7F) continue;
        out.push_back(displaytext::encode(QString::fromUcs4(&c, 1)));
    }
    return out;
}

}  // namespace keytranslate

