#pragma once
// Key bindings of the editing control as data: a table of (key, shift state,
// command). The core runs commands; the widget only translates its toolkit's
// key codes into EditKey values and looks them up here.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace qm {

// Keys the map can name. Letters and digits are their upper-case ASCII codes;
// the other keys live above the ASCII range so the two never collide.
enum EditKey : int {
    kKeyNone = 0,
    kKeyLeft = 0x100,
    kKeyRight,
    kKeyUp,
    kKeyDown,
    kKeyHome,
    kKeyEnd,
    kKeyPageUp,
    kKeyPageDown,
    kKeyInsert,
    kKeyDelete,
    kKeyBackspace,
    kKeyEnter,
    kKeyTab,
    kKeyEscape,
};

// Shift state bits, combined with |.
enum ShiftState : unsigned {
    ssNone = 0,
    ssShift = 1,
    ssCtrl = 2,
    ssAlt = 4,
};

enum class EditCommand : int {
    None = 0,
    Left, Right, Up, Down, LineStart, LineEnd, WordLeft, WordRight,
    PageUp, PageDown, PageTop, PageBottom, TextStart, TextEnd,
    SelLeft, SelRight, SelUp, SelDown, SelLineStart, SelLineEnd, SelWordLeft, SelWordRight,
    SelPageUp, SelPageDown, SelPageTop, SelPageBottom, SelTextStart, SelTextEnd,
    Delete, Backspace, ToggleMode, NewLine, Tab, Undo, Redo, Cut, Copy, Paste,
    DeleteLine, DeleteToLineStart, DeleteToLineEnd, DeleteWord,
    GotoMarker0, GotoMarker9 = GotoMarker0 + 9,
    SetMarker0, SetMarker9 = SetMarker0 + 9,
    // Commands from 256 up belong to the owner of the control (OnUserCommand).
    UserFirst = 256,
};

struct KeyBinding {
    int key = kKeyNone;
    unsigned shift = ssNone;
    EditCommand command = EditCommand::None;
};

// True for the caret moves that extend the selection, and the plain move for
// a selecting one (SelLeft -> Left); other commands map to themselves.
bool isSelectingMove(EditCommand c);
EditCommand plainMove(EditCommand c);
bool isMove(EditCommand c);

class TKeyMap {
public:
    TKeyMap() = default;
    explicit TKeyMap(std::vector<KeyBinding> bindings) : bindings_(std::move(bindings)) {}

    // The command bound to key with exactly this shift state, if any.
    std::optional<EditCommand> lookup(int key, unsigned shift) const;

    // Adds or replaces the binding of (key, shift).
    void bind(int key, unsigned shift, EditCommand command);
    void clear() { bindings_.clear(); }
    const std::vector<KeyBinding>& bindings() const { return bindings_; }

    // The map the document windows use.
    static TKeyMap defaultMap();

private:
    std::vector<KeyBinding> bindings_;
};

}  // namespace qm
