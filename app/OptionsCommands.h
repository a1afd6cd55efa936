#pragma once
// The Options menu: "&Application Options ..." (TfOptions) and "Set Editor
// &Properties ..." (TfColor, on the active document). Both dialogs are made
// once, on the main window, and hidden between uses.

class TmdiMain;

void installOptionsCommands(TmdiMain& main);
