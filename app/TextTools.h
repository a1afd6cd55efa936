#pragma once
// Tools over the whole active document: Convert HTML to Text, Grab URLs,
// Import URLs from the browser's bookmark file, and Check Spelling.
//
// Places found by the searches are remembered as paragraph positions, so a
// wrap point inside a tag or a link never changes what is removed or copied.

#include <QString>
#include <cstdint>

class TmdiMain;
class TTextEditControl;
class TfURLGrab;
class TfProgress;
class TfNetscapeError;

namespace texttools {

// The entry of the browser INI file's section "Bookmark List" that holds the
// full path of its bookmark file (an HTML file).
inline constexpr const char* kBookmarkSection = "Bookmark List";
inline constexpr const char* kBookmarkEntry = "File Location";
inline constexpr const char* kBrowserIni = "netscape.ini";

// Document windows keep this much undo history at most (taken from memory
// as it grows).
inline constexpr std::uint32_t kDocumentUndoBytes = 64u << 20;

// True when an edit needing `undoBytes` of undo history fits the control's
// history, or when the user, asked, chooses to go on without undo for it.
bool undoFitsOrGoOn(TTextEditControl& control, std::uint64_t undoBytes);

// Removes everything from each "<" to the next ">" (across lines), all of it
// one undoable step; a "<" with no ">" after it stays. When that step may
// not fit the undo history the user is asked first (No: nothing changes). The clipboard
// holds the last removed tag afterwards. Returns the number removed.
// control == nullptr: status "Ready ..." only.
int ConvertToText(TmdiMain& main, TTextEditControl* control);

// Collects every link element ("<A HREF=" to the next "</A>", any case) into
// the dialog's New URLs and shows it; the last link stays selected and on
// the clipboard. No link: the message "No URLs found !". Returns the count.
int GrabURLsFromDocument(TmdiMain& main, TTextEditControl* control, TfURLGrab& grab);

// Reads the bookmark file's path from netscape.ini in the settings folder,
// opens the file as a document and grabs its links; otherwise shows the
// "Bookmark File" window (modally). True when the import ran.
bool ImportURLsfromNetscape(TmdiMain& main, TfURLGrab& grab, TfProgress& progress, TfNetscapeError& error);

// "Check Spelling": only a message, and only with a document open.
void CheckSpelling(TTextEditControl* control);

}  // namespace texttools
