#include "MacroFile.h"

#include "DurableFile.h"

namespace macros {

Entries defaultUserEntries() {
    return {makeEntry("COUNT", "<IMG SRC=\"http://counter.example.com/count.cgi?page=index.html\" ALT=\"Visitors\">"),
            makeEntry("IM", "Plimo Image Mapper"), makeEntry("ORG", "Your Organisation")};
}

Entries defaultSystemEntries() {
    return {makeEntry("HURL", "<A HREF=\"index.html\"></A>"),
            makeEntry("CREDIT", "<!-- This page was created by Quillmar Pro-->"),
            makeEntry("QUIL", "Quillmar Pro for Windows")};
}

Entries splitLines(std::string_view bytes) {
    Entries lines;
    std::size_t from = 0;
    while (from < bytes.size()) {
        const std::size_t nl = bytes.find('\n', from);
        const std::size_t end = nl == std::string_view::npos ? bytes.size() : nl;
        const std::size_t stop = nl != std::string_view::npos && end > from && bytes[end - 1] == '\r' ? end - 1 : end;
        lines.emplace_back(bytes.substr(from, stop - from));
        if (nl == std::string_view::npos) break;
        from = nl + 1;
    }
    return lines;
}

std::string joinLines(const Entries& entries) {
    std::string out;
    for (const std::string& e : entries) {
        out += e;
        out += "\r\n";
    }
    return out;
}

ReadResult readMacroFile(const std::string& path) {
    const durable::ReadResult r = durable::readFile(path);
    if (!r) return {false, "Cannot open file " + path, {}};
    return {true, {}, splitLines(r.bytes)};
}

WriteResult writeMacroFile(const std::string& path, const Entries& entries) {
    if (!durable::writeFile(path, joinLines(entries))) return {false, "Cannot create file " + path};
    return {true, {}};
}

std::string makeEntry(std::string_view key, std::string_view expansion) {
    std::string e = "[";
    e += key;
    e += "]\t";
    e += expansion;
    return e;
}

std::string_view keyOf(std::string_view entry) { return entry.substr(0, entry.find('\t')); }

std::string_view expansionOf(std::string_view entry) {
    const std::size_t tab = entry.find('\t');
    return tab == std::string_view::npos ? std::string_view{} : entry.substr(tab + 1);
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return out;
}

const std::string* findEntry(const Entries& table, std::string_view bracketed) {
    const std::string wanted = lowerAscii(bracketed);
    for (const std::string& entry : table)
        if (entry.size() >= wanted.size() && lowerAscii(std::string_view(entry).substr(0, wanted.size())) == wanted)
            return &entry;
    return nullptr;
}

std::string_view expansionFor(std::string_view entry, std::size_t keyLength) {
    return keyLength + 1 >= entry.size() ? std::string_view{} : entry.substr(keyLength + 1);
}

std::vector<Found> scanMacros(std::string_view text, const Entries& table) {
    std::vector<Found> found;
    std::size_t from = 0;
    while (true) {
        const std::size_t open = text.find('[', from);
        if (open == std::string_view::npos) break;
        const std::size_t close = text.find(']', open + 1);
        // No "]" after this "[" means none after any later "[" either.
        if (close == std::string_view::npos) break;
        Found f;
        f.offset = open;
        f.length = close + 1 - open;
        f.bracketed = std::string(text.substr(open, f.length));
        if (const std::string* entry = findEntry(table, f.bracketed)) {
            f.matched = true;
            f.replacement = std::string(expansionFor(*entry, f.length));
        }
        found.push_back(std::move(f));
        from = close + 1;
    }
    return found;
}

std::string foundMessage(std::size_t count) {
    return count == 0 ? std::string("No Macros found !") : std::to_string(count) + " Macros found !";
}

}  // namespace macros
