#include "EditPositions.h"

#include "TTextEditControl.h"

namespace editpos {

qm::TextPos caret(const TTextEditControl& control) { return control.editor().caret(); }
qm::TextPos selectionStart(const TTextEditControl& control) { return control.editor().selectionStart(); }
qm::TextPos selectionEnd(const TTextEditControl& control) { return control.editor().selectionEnd(); }

void setCaret(TTextEditControl& control, qm::TextPos p) {
    const qm::LinePos lp = control.editor().store().toLinePos(p);
    control.SetCaret(lp.line.value, lp.col.value);
}

void select(TTextEditControl& control, qm::TextPos from, qm::TextPos to) {
    const auto& store = control.editor().store();
    const qm::LinePos a = store.toLinePos(from);
    const qm::LinePos b = store.toLinePos(to);
    control.SelectRange(a.line.value, a.col.value, b.line.value, b.col.value);
}

}  // namespace editpos
