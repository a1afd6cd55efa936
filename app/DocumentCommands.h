#pragma once
// The main window's editing commands on the active document (Undo, Redo,
// Cut, Copy, Paste, Delete, Clear, Select All, Go to Line, WordWrap, Auto
// Indent) and the merging of the active document's Search menu into the menu
// bar.

class TmdiMain;

void EditUndo(TmdiMain& main);
void EditRedoClick(TmdiMain& main);
void EditCut(TmdiMain& main);
void EditCopy(TmdiMain& main);
void EditPaste(TmdiMain& main);
void EditDelete(TmdiMain& main);
void EditClear(TmdiMain& main);
void EditSelectAll(TmdiMain& main);
// Asks for a file line number and puts the caret at that line's start (the
// last line for a larger number).
void EditGotoLine(TmdiMain& main);
void WordWrap1Click(TmdiMain& main);
// View > "Line &Numbers": file line numbers in every document's margin; the
// state is kept in "Editor" / "Line Numbers".
void LineNumbers1Click(TmdiMain& main);
void SmartTabs1Click(TmdiMain& main);

// Puts the active document's "&Search" menu between Edit and Insert (and
// gives its items their keys); none while no document is open.
void mergeSearchMenu(TmdiMain& main);

void installDocumentCommands(TmdiMain& main);
