#pragma once
// Character classes of the editing commands, on the bytes of a paragraph.

#include <string>
#include <string_view>

namespace qm {

// The 35 word delimiters: tab, apostrophe, CR, LF, space, '@', '`' and
// , . / ? ; : " < > [ ] { } - = \ + | ( ) % & ^ $ # ! ~ *
// Word moves, double-click and whole-word search share this set. Bytes of
// multi-byte characters are never delimiters, so such characters are letters.
bool isWordDelimiter(unsigned char c);
inline bool isWordDelimiter(char c) { return isWordDelimiter(static_cast<unsigned char>(c)); }

// A blank is a space or a tab.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Upper-cases text for case-blind comparison, character by character and
// keeping every character's byte length, so offsets into the result are
// offsets into the text. ASCII letters, the letters of the Latin-1, Latin
// Extended-A, Greek and Cyrillic blocks written as UTF-8, and the
// Windows-1252 letters of bytes that are not part of valid UTF-8 are mapped;
// everything else stays as it is.
std::string upperCaseForSearch(std::string_view text);

}  // namespace qm
