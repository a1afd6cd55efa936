#pragma once
// Installs every command handler of the main window: the document and file
// commands, the editing commands and the tag commands. main() and tests that
// need a fully working main window call it once, before the window is shown.

class TmdiMain;

void installAllCommands(TmdiMain& main);
