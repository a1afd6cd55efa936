#pragma once
// The table wizard on the main window: "&Table Wizard" and its toolbar
// buttons show the one wizard dialog, and its OK puts the table on the
// clipboard and pastes it into the active document.

#include <string>

class TmdiMain;

void installTableWizardCommands(TmdiMain& main);

// The clipboard receives the table whether or not a document is open; the
// active document pastes it at the caret (replacing a selection), else a
// message says where it went.
void pasteTable(TmdiMain& main, const std::string& html);
