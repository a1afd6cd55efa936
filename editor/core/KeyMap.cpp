#include "KeyMap.h"

#include <algorithm>

namespace qm {

namespace {
constexpr int kFirstSel = static_cast<int>(EditCommand::SelLeft);
constexpr int kLastSel = static_cast<int>(EditCommand::SelTextEnd);
constexpr int kFirstMove = static_cast<int>(EditCommand::Left);
constexpr int kMoveCount = kFirstSel - kFirstMove;
}  // namespace

bool isSelectingMove(EditCommand c) {
    const int v = static_cast<int>(c);
    return v >= kFirstSel && v <= kLastSel;
}

EditCommand plainMove(EditCommand c) {
    return isSelectingMove(c) ? static_cast<EditCommand>(static_cast<int>(c) - kMoveCount) : c;
}

bool isMove(EditCommand c) {
    const int v = static_cast<int>(c);
    return v >= kFirstMove && v <= kLastSel;
}

std::optional<EditCommand> TKeyMap::lookup(int key, unsigned shift) const {
    auto it = std::find_if(bindings_.begin(), bindings_.end(),
                           [&](const KeyBinding& b) { return b.key == key && b.shift == shift; });
    if (it == bindings_.end()) return std::nullopt;
    return it->command;
}

void TKeyMap::bind(int key, unsigned shift, EditCommand command) {
    for (auto& b : bindings_) {
        if (b.key == key && b.shift == shift) {
            b.command = command;
            return;
        }
    }
    bindings_.push_back({key, shift, command});
}

TKeyMap TKeyMap::defaultMap() {
    using C = EditCommand;
    TKeyMap m;
    // Each move, and the same move with Shift extending the selection (the
    // Ctrl moves keep Ctrl and add Shift).
    struct Move { int key; unsigned shift; C command; };
    const Move moves[] = {
        {kKeyLeft, ssNone, C::Left},           {kKeyRight, ssNone, C::Right},
        {kKeyUp, ssNone, C::Up},               {kKeyDown, ssNone, C::Down},
        {kKeyHome, ssNone, C::LineStart},      {kKeyEnd, ssNone, C::LineEnd},
        {kKeyLeft, ssCtrl, C::WordLeft},       {kKeyRight, ssCtrl, C::WordRight},
        {kKeyPageUp, ssNone, C::PageUp},       {kKeyPageDown, ssNone, C::PageDown},
        {kKeyPageUp, ssCtrl, C::PageTop},      {kKeyPageDown, ssCtrl, C::PageBottom},
        {kKeyHome, ssCtrl, C::TextStart},      {kKeyEnd, ssCtrl, C::TextEnd},
    };
    for (const Move& mv : moves) {
        m.bind(mv.key, mv.shift, mv.command);
        m.bind(mv.key, mv.shift | ssShift,
               static_cast<C>(static_cast<int>(mv.command) + kMoveCount));
    }
    m.bind(kKeyDelete, ssNone, C::Delete);
    m.bind(kKeyBackspace, ssNone, C::Backspace);
    m.bind(kKeyBackspace, ssShift, C::Backspace);
    m.bind(kKeyInsert, ssNone, C::ToggleMode);
    m.bind(kKeyEnter, ssCtrl, C::NewLine);
    m.bind(kKeyTab, ssNone, C::Tab);
    m.bind(kKeyTab, ssCtrl, C::Tab);
    m.bind('Z', ssCtrl, C::Undo);
    m.bind('Z', ssCtrl | ssShift, C::Redo);
    m.bind('X', ssCtrl, C::Cut);
    m.bind(kKeyDelete, ssShift, C::Cut);
    m.bind('C', ssCtrl, C::Copy);
    m.bind(kKeyInsert, ssCtrl, C::Copy);
    m.bind('V', ssCtrl, C::Paste);
    m.bind(kKeyInsert, ssShift, C::Paste);
    for (int d = 0; d <= 9; ++d) {
        m.bind('0' + d, ssCtrl, static_cast<C>(static_cast<int>(C::GotoMarker0) + d));
        m.bind('0' + d, ssCtrl | ssShift, static_cast<C>(static_cast<int>(C::SetMarker0) + d));
    }
    return m;
}

}  // namespace qm
