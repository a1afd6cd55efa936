#include "ProjectFile.h"

#include <cerrno>
#include <cstring>

#include "DurableFile.h"

namespace project {
namespace {

void formatItems(std::string& out, const std::vector<Item>& items, int depth) {
    for (const Item& item : items) {
        out.append(static_cast<size_t>(depth), '\t');
        out += item.text;
        out += "\r\n";
        formatItems(out, item.children, depth + 1);
    }
}

// The list that receives an item of the given depth: the last item's
// children, depth times down.
std::vector<Item>& listAt(std::vector<Item>& top, int depth) {
    std::vector<Item>* list = &top;
    for (int d = 0; d < depth; ++d) list = &list->back().children;
    return *list;
}

}  // namespace

std::string format(const std::string& title, const std::vector<Item>& items) {
    std::string out = title + "\r\n";
    formatItems(out, items, 0);
    return out;
}

WriteResult write(const std::filesystem::path& path, const std::string& title, const std::vector<Item>& items) {
    const durable::WriteResult r = durable::writeFile(path.string(), format(title, items));
    if (r) return {};
    return {false, "Unable to save the project " + path.string() + ": " +
                       (r.readOnly ? r.message : std::string(std::strerror(r.error)))};
}

ReadResult parse(const std::string& bytes) {
    ReadResult r;
    std::vector<Item> all;
    int lastDepth = -1;
    size_t pos = 0;
    const size_t end = std::min(bytes.find('\x1a'), bytes.size());
    while (pos < end) {
        size_t nl = bytes.find('\n', pos);
        if (nl == std::string::npos || nl > end) nl = end;
        std::string line = bytes.substr(pos, nl - pos);
        pos = nl + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() + 2 > kReadBuffer) {
            r.error = "Line too long";
            break;
        }
        size_t indent = 0;
        while (indent < line.size() && (line[indent] == '\t' || line[indent] == ' ')) ++indent;
        const int depth = static_cast<int>(indent);
        if (depth > lastDepth + 1) {
            r.error = "File load error";
            break;
        }
        listAt(all, depth).push_back(Item{line.substr(indent), {}});
        lastDepth = depth;
    }
    if (!all.empty()) {
        r.title = all.front().text;
        all.erase(all.begin());
    }
    r.items = std::move(all);
    return r;
}

ReadResult read(const std::filesystem::path& path) {
    const durable::ReadResult file = durable::readFile(path.string());
    if (!file) {
        ReadResult r;
        r.error = "Unable to open the project " + path.string() + ": " + file.reason;
        r.opened = false;
        return r;
    }
    return parse(file.bytes);
}

}  // namespace project
