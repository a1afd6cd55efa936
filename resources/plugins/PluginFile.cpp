#include "PluginFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "DurableFile.h"
#include "MacroFile.h"

namespace plugins {

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) {
                                            return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
                                        });
}

// At most `limit` bytes of text, shortened so no UTF-8 sequence is cut.
std::string_view cutAt(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return text;
    std::size_t n = limit;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    return text.substr(0, n);
}

}  // namespace

Command splitCommand(std::string_view line) {
    const std::size_t tab = line.find('\t');
    const std::string_view rest = cutAt(tab == std::string_view::npos ? line : line.substr(tab + 1), kCommandLimit);
    const std::size_t second = rest.find('\t');
    if (second == std::string_view::npos) return {{}, std::string(rest)};
    return {std::string(rest.substr(0, second)), std::string(rest.substr(second + 1))};
}

std::string_view descriptionOf(std::string_view line) { return line.substr(0, line.find('\t')); }

Lines sampleCommands() {
    Lines lines;
    const std::pair<const char*, const char*> colours[] = {
        {"Black", "#000000"}, {"Blue", "#0000FF"},    {"Cyan", "#00FFFF"},
        {"Green", "#00FF00"}, {"Magenta", "#FF00FF"}, {"Nice Yellow", "#FFE27F\" TEXT=\"#000000"},
        {"Red", "#FF0000"},   {"White", "#FFFFFF"},   {"Yellow", "#FFFF00"},
    };
    for (const auto& [name, code] : colours)
        lines.push_back(std::string("Background Color : ") + name + "\t<BODY BGCOLOR=\"" + code + "\">\t");
    lines.push_back(
        "Background Extended\t<BODY BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#FF0000\" VLINK=\"#C000C0\" "
        "ALINK=\"#FF0000\">\t");
    lines.push_back("Background Simple\t<BODY BACKGROUND=\"\t\">");
    return lines;
}

void sortLines(Lines& lines) { std::stable_sort(lines.begin(), lines.end(), lessNoCase); }

ReadResult readPluginFile(const std::string& path) {
    const durable::ReadResult r = durable::readFile(path);
    if (!r) return {false, "Cannot open file " + path, {}};
    ReadResult out{true, {}, macros::splitLines(r.bytes)};
    sortLines(out.commands);
    return out;
}

std::vector<std::string> findPluginFiles(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() < 5 || !it->is_regular_file(ec)) continue;
        std::string ext = name.substr(name.size() - 4);
        for (char& c : ext) c = lower(c);
        if (ext == ".plg") names.push_back(name);
    }
    return names;
}

FileList chooseFiles(std::vector<std::string> foundOrder) {
    FileList list;
    if (foundOrder.empty()) return list;
    list.selected = foundOrder.front();
    list.names = std::move(foundOrder);
    sortLines(list.names);
    return list;
}

}  // namespace plugins
