#pragma once
// Qt key events in the editing core's terms: the key of the map and the
// shift state, and the characters a key event types.

#include "KeyMap.h"

#include <QString>
#include <string>
#include <vector>

class QKeyEvent;

namespace keytranslate {

// The map key of a Qt key code (0 when the map cannot name it). A shifted
// digit arrives as its symbol ("!" for Shift+1 on a US layout); it is named
// as the digit so that Ctrl+Shift+digit sets markers.
int editKey(int qtKey);
unsigned shiftState(Qt::KeyboardModifiers modifiers);

// True for a press of Shift, Ctrl, Alt, Meta alone (QTest sends those first).
bool isModifierKey(int qtKey);

// The characters the event types, each as UTF-8 bytes: only characters of
// code 32 or more, and none while Ctrl or Alt alone is held (AltGr, which
// some systems report as Ctrl+Alt, still types).
std::vector<std::string> typedCharacters(const QString& text, Qt::KeyboardModifiers modifiers);

}  // namespace keytranslate
