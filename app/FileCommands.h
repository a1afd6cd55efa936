#pragma once
// The File-menu commands of the main window and the recent-files list
// operations. Documents are TfHTML windows; a document's caption is its
// identity (its file's path, or "New HTML Document <n>").

#include <QString>
#include <string>

class TfHTML;
class TmdiMain;

// The run-wide counter of new documents: 0 at start, one more per FileNew.
int newDocumentCount();

// A new untitled document from the default template standard.tpl.
TfHTML* FileNew(TmdiMain& main);
// A new, empty document window captioned "New HTML Document <n>" with the
// next number of the counter (new documents, templates and the home page
// wizard share it), with the line ends chosen for new documents.
TfHTML* newUntitledDocument(TmdiMain& main);
void FileOpen(TmdiMain& main);
void FileSave(TmdiMain& main);
void FileSaveAs(TmdiMain& main);
void FileCloseChild(TmdiMain& main);
void CloseAll1Click(TmdiMain& main);
void InsertFile1Click(TmdiMain& main);

// Puts the name first in the recent-files list and refreshes the File menu.
void MRUUpdate(TmdiMain& main, const std::string& name);
// Save As for the given document (the dialog, then the save); true when saved.
bool saveDocumentAs(TmdiMain& main, TfHTML* doc);
// Opens recent-file entry index (0..3) when it is not empty.
void MRUOpenChild(TmdiMain& main, int index);

// Asks every document whether it may close, topmost first; the first
// refusal stops and the documents already asked stay open with their tabs.
// True when all agreed (they then close without asking again).
bool queryCloseAllDocuments(TmdiMain& main);

void installFileCommands(TmdiMain& main);
