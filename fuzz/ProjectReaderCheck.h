#pragma once
// What must hold for any bytes read as a project file: no item keeps its
// indentation, and a project read whole is written and read back unchanged.
// Shared by the fuzz target and the test that replays its corpus.

#include <string>
#include <string_view>

#include "ProjectFile.h"

namespace projectcheck {

inline bool indentationTaken(const std::vector<project::Item>& items) {
    for (const project::Item& item : items) {
        if (!item.text.empty() && (item.text[0] == '\t' || item.text[0] == ' ')) return false;
        if (!indentationTaken(item.children)) return false;
    }
    return true;
}

// Empty when the bytes read as they should; else what went wrong.
inline std::string readerFault(std::string_view bytes) {
    const project::ReadResult r = project::parse(std::string(bytes));
    if (!indentationTaken(r.items)) return "an item kept its indentation";
    if (!r.error.empty() && r.error != "File load error" && r.error != "Line too long")
        return "unexpected error: " + r.error;
    if (r.error.empty()) {
        const project::ReadResult again = project::parse(project::format(r.title, r.items));
        if (!again.error.empty() || again.title != r.title || !(again.items == r.items))
            return "the written project reads back differently";
    }
    return {};
}

}  // namespace projectcheck
