#pragma once
// How the control turns stored bytes into characters on screen and on the
// clipboard: a valid UTF-8 sequence is one character, any other byte is its
// Windows-1252 character, and control characters are shown as visible
// symbols so that a NUL or a lone CR never disappears.

#include <QString>
#include <string>
#include <string_view>

namespace displaytext {

// The character shown for one stored character (len bytes at p, as
// utf8::charLength measured them). Tabs are not handled here.
char32_t displayChar(const char* p, std::size_t len);

// The text of bytes as characters, for the clipboard's plain text: control
// characters other than tab, CR and LF are kept as they are.
QString decode(std::string_view bytes);

// Text typed or pasted from elsewhere, as the bytes to store (UTF-8).
std::string encode(const QString& text);

}  // namespace displaytext
