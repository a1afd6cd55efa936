#pragma once
// Macro files (user.mcr, system.mcr) and the expansion of bracketed keys.
// An entry is one line: the key in square brackets, a TAB, the expansion.
// Everything is bytes, as the files hold them; no Qt.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace macros {

using Entries = std::vector<std::string>;

inline constexpr const char* kUserFile = "user.mcr";
inline constexpr const char* kSystemFile = "system.mcr";
// Keys typed in the definition dialog: upper case, at most this long.
inline constexpr int kMaxKeyLength = 12;

// The lists the windows hold before any file has been read.
Entries defaultUserEntries();
Entries defaultSystemEntries();

// The lines of a file's bytes: CR LF, LF and a last line without an end all
// end a line; a lone CR stays in its line.
Entries splitLines(std::string_view bytes);
// The file's bytes: every entry followed by CR LF.
std::string joinLines(const Entries& entries);

struct ReadResult {
    bool ok = false;
    std::string message;  // "Cannot open file <path>" when !ok
    Entries entries;
};
// Reads through the checked-read routine: a missing, unreadable, special or
// oversized file gives the file-open error.
ReadResult readMacroFile(const std::string& path);

struct WriteResult {
    bool ok = false;
    std::string message;  // "Cannot create file <path>" when !ok
};
// Replaces the file through the durable-write routine.
WriteResult writeMacroFile(const std::string& path, const Entries& entries);

// "[" + key + "]" + TAB + expansion.
std::string makeEntry(std::string_view key, std::string_view expansion);
// The text before the entry's first TAB (the whole line without one).
std::string_view keyOf(std::string_view entry);
// The entry's text after its first TAB (empty without one): what the lists
// show in their second column.
std::string_view expansionOf(std::string_view entry);

// ASCII lower case; other bytes unchanged.
std::string lowerAscii(std::string_view text);

// The first entry whose first characters equal the bracketed text, compared
// in lower case, or nullptr.
const std::string* findEntry(const Entries& table, std::string_view bracketed);
// What the entry expands to when it matched a bracketed text of `keyLength`
// bytes: its text from the second byte after the key (the byte right after
// the key, normally the TAB, is skipped).
std::string_view expansionFor(std::string_view entry, std::size_t keyLength);

// One bracketed text found by the scan: bytes [offset, offset + length) of
// the scanned text, and its replacement when a macro matched.
struct Found {
    std::size_t offset = 0;
    std::size_t length = 0;
    bool matched = false;
    std::string replacement;  // the expansion when matched
    std::string bracketed;    // the text as found
};

// The scan of the expansion command over a document's text: find "[", then
// the next "]" after it; each such bracketed text is counted and looked up
// (user entries before system entries in `table`). A "[" with no later "]"
// is skipped. The scan goes on after each bracketed text, so an expansion is
// never searched again. Offsets refer to the text as given.
std::vector<Found> scanMacros(std::string_view text, const Entries& table);

// "No Macros found !" or "<n> Macros found !".
std::string foundMessage(std::size_t count);

}  // namespace macros
