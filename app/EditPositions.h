#pragma once
// Caret and selection moves by paragraph position. The editing control's
// operations take display lines and byte columns, which shift whenever a
// wrap point moves; the commands here remember places as the store
// addresses them and convert only at the moment of the move.

#include "Positions.h"

class TTextEditControl;

namespace editpos {

qm::TextPos caret(const TTextEditControl& control);
// The selection's start and end (equal when nothing is selected).
qm::TextPos selectionStart(const TTextEditControl& control);
qm::TextPos selectionEnd(const TTextEditControl& control);

// Moves the caret (dropping the selection).
void setCaret(TTextEditControl& control, qm::TextPos p);
// Selects from `from` to `to`, the caret at `to`.
void select(TTextEditControl& control, qm::TextPos from, qm::TextPos to);

}  // namespace editpos
