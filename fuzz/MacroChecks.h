#pragma once
// What must hold for any bytes read as a macro file and any document scanned
// with them; shared by the fuzz target and the replay of its corpus.

#include <string>
#include <string_view>

#include "MacroFile.h"

namespace fuzzchecks {

// Empty when every property holds, else the first that failed.
inline std::string checkMacroBytes(std::string_view bytes) {
    const macros::Entries lines = macros::splitLines(bytes);
    for (const std::string& line : lines)
        if (line.find('\n') != std::string::npos) return "a line holds a line feed";
    if (macros::splitLines(macros::joinLines(lines)) != lines) return "lines do not survive a write and a read";
    // The file's own bytes as a document, its lines as the macro table.
    std::size_t after = 0;
    for (const macros::Found& f : macros::scanMacros(bytes, lines)) {
        if (f.offset < after || f.offset + f.length > bytes.size()) return "a bracketed text outside the scan";
        if (f.length < 2 || bytes[f.offset] != '[' || bytes[f.offset + f.length - 1] != ']') return "not bracketed";
        if (f.bracketed.find(']') != f.length - 1) return "a bracketed text holds an inner ]";
        if (f.matched != (macros::findEntry(lines, f.bracketed) != nullptr)) return "match and lookup disagree";
        after = f.offset + f.length;
    }
    return {};
}

}  // namespace fuzzchecks
