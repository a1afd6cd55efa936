#include "LinkLists.h"

#include <algorithm>
#include <cerrno>
#include <cctype>

namespace linklists {

std::string startText(std::string_view location, std::string_view description) {
    return "<A HREF=\"" + std::string(location) + "\">" + std::string(description);
}

std::vector<std::string> defaultLocations() {
    return {".htm", ".html", "http://", "http://www.example.com/", "index.htm", "index.html", "mailto:"};
}

std::vector<std::string> defaultDescriptions() { return {"Send Mail to Me"}; }

namespace {
bool lessIgnoringCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}
}  // namespace

bool addItem(std::vector<std::string>& list, std::string_view item) {
    if (std::find(list.begin(), list.end(), item) != list.end()) return false;
    const auto at = std::upper_bound(list.begin(), list.end(), item,
                                     [](std::string_view a, const std::string& b) { return lessIgnoringCase(a, b); });
    list.insert(at, std::string(item));
    return true;
}

ListFile readList(const std::string& path) {
    ListFile out;
    const durable::ReadResult r = durable::readFile(path);
    if (r.error == ENOENT) return out;
    out.exists = true;
    out.error = r.error;
    out.reason = r.reason;
    if (!r) return out;
    std::size_t from = 0;
    while (from < r.bytes.size()) {
        std::size_t to = r.bytes.find('\n', from);
        if (to == std::string::npos) to = r.bytes.size();
        std::string line = r.bytes.substr(from, to - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.items.push_back(std::move(line));
        from = to + 1;
    }
    // A list edited by hand may be out of order; the list shows it sorted.
    std::stable_sort(out.items.begin(), out.items.end(), lessIgnoringCase);
    return out;
}

durable::WriteResult writeList(const std::string& path, const std::vector<std::string>& items) {
    std::string bytes;
    for (const std::string& item : items) bytes += item + "\r\n";
    return durable::writeFile(path, bytes);
}

}  // namespace linklists
