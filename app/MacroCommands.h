#pragma once
// The macro commands: "Define &Macros ..." (the definition dialog, modal),
// "Ma&cro ..." (the pick list, shown beside the documents) and "&Expand
// Macros Now !". The windows are made once and hidden between uses.

class TmdiMain;
class TTextEditControl;

void installMacroCommands(TmdiMain& main);

// Replaces every bracketed key of the document by its expansion (user macros
// before system macros), reports the count, and leaves the caret after the
// last expansion (or the last unknown key selected). Nothing without a
// document. A user.mcr that cannot be read is reported, and the system
// macros still expand.
void ExpandMacrosNow(TmdiMain& main, TTextEditControl* control);
