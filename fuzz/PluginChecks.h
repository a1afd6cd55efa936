#pragma once
// What must hold for any bytes read as a plug-in file; shared by the fuzz
// target and the replay of its corpus.

#include <string>
#include <string_view>

#include "MacroFile.h"
#include "PluginFile.h"

namespace fuzzchecks {

// Empty when every property holds, else the first that failed.
inline std::string checkPluginBytes(std::string_view bytes) {
    plugins::Lines lines = macros::splitLines(bytes);
    plugins::sortLines(lines);
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (macros::lowerAscii(lines[i]) < macros::lowerAscii(lines[i - 1])) return "lines out of order";
    for (const std::string& line : lines) {
        const plugins::Command c = plugins::splitCommand(line);
        if (c.start.size() + c.end.size() > plugins::kCommandLimit) return "texts longer than the limit";
        if (c.start.find('\t') != std::string::npos) return "a start text holds a TAB";
        // The texts begin the line's rest: the end text alone, or start, TAB, end.
        const std::size_t tab = line.find('\t');
        const std::string_view rest = std::string_view(line).substr(tab == std::string::npos ? 0 : tab + 1);
        const bool endOnly = c.start.empty() && rest.substr(0, c.end.size()) == c.end;
        if (!endOnly && rest.substr(0, c.start.size() + 1 + c.end.size()) != c.start + "\t" + c.end)
            return "texts are not taken from the line";
    }
    return {};
}

}  // namespace fuzzchecks
