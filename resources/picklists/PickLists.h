#pragma once
// The contents of the pick-list windows as plain data: the fixed HTML tag
// list, the built-in symbol list and the symbols.web reader, what an entry
// inserts, the colour code of the colour chooser and the note pad's file.
// No Qt: entries are bytes, as the data files hold them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace picklists {

// What a double-click or a drag puts into the document.
struct TagTexts {
    std::string start;
    std::string end;
    bool operator==(const TagTexts&) const = default;
};

// How a list turns its entry into texts.
enum class EntryKind {
    TagPair,    // before the first TAB / after it
    StartOnly,  // before the first TAB / empty
    Whole,      // the whole entry / empty
};

// An entry without a TAB inserts the whole entry as its start text, so no
// entry ever inserts nothing.
TagTexts entryTexts(std::string_view entry, EntryKind kind);

// The 80 entries of the HTML tag list, "start<TAB>end".
const std::vector<std::string>& htmlTagEntries();

// The list shown until symbols.web is loaded: "entity<TAB>description".
const std::vector<std::string>& builtInSymbols();

// The lines of a data file: CR LF, LF and a last line without an end all end
// a line; empty lines are skipped (a list has no empty entries).
std::vector<std::string> splitLines(std::string_view bytes);

// Sorted as the program's list boxes sort: without regard to ASCII case,
// equal entries kept in their order.
void sortEntries(std::vector<std::string>& entries);

// A list data file (symbols.web, library.fil) through the checked read.
struct ListFile {
    int error = 0;  // errno; ENOENT for a missing file
    std::string reason;
    std::vector<std::string> entries;  // sorted
};
ListFile readListFile(const std::string& path);

// "#RRGGBB" of a platform colour number (red in the low byte).
std::string colorCode(std::uint32_t colorNumber);

// ---- Note pad ----

// The text the note pad starts with before notes.txt exists.
const std::string& welcomeNotes();

// notes.txt holds the text with CR LF line ends; the note pad works with LF.
struct NotesFile {
    int error = 0;  // errno; ENOENT for a missing file
    std::string reason;
    std::string text;  // LF line ends
};
NotesFile readNotes(const std::string& path);
// Empty on success, else "Cannot create file <path>" and what failed.
std::string writeNotes(const std::string& path, std::string_view text);

}  // namespace picklists
