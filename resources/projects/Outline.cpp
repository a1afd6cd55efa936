#include "Outline.h"

#include <algorithm>

namespace project {
namespace {

// The list that holds the item at path (the path must name an item).
std::vector<Item>& siblingsOf(std::vector<Item>& items, const Path& path) {
    if (path.size() == 1) return items;
    return itemAt(items, Path(path.begin(), path.end() - 1))->children;
}

Item take(std::vector<Item>& items, const Path& path) {
    std::vector<Item>& list = siblingsOf(items, path);
    Item item = std::move(list[path.back()]);
    list.erase(list.begin() + std::ptrdiff_t(path.back()));
    return item;
}

void insertAt(std::vector<Item>& items, const Path& path, Item item) {
    std::vector<Item>& list = siblingsOf(items, path);
    list.insert(list.begin() + std::ptrdiff_t(path.back()), std::move(item));
}

bool within(const Path& path, const Path& ancestor) {
    return path.size() >= ancestor.size() && std::equal(ancestor.begin(), ancestor.end(), path.begin());
}

void collectShown(const std::vector<Item>& items, Path& at, std::vector<Path>& out) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        at.push_back(i);
        out.push_back(at);
        if (items[i].expanded) collectShown(items[i].children, at, out);
        at.pop_back();
    }
}

void collectTexts(const std::vector<Item>& items, std::vector<std::string>& out) {
    for (const Item& item : items) {
        out.push_back(item.text);
        collectTexts(item.children, out);
    }
}

void setExpanded(std::vector<Item>& items, bool on) {
    for (Item& item : items) {
        item.expanded = on;
        setExpanded(item.children, on);
    }
}

// The position of path in the shown order, or nullopt when it is not shown.
std::optional<std::size_t> shownIndex(const std::vector<Path>& shown, const Path& path) {
    const auto it = std::find(shown.begin(), shown.end(), path);
    if (it == shown.end()) return std::nullopt;
    return std::size_t(it - shown.begin());
}

}  // namespace

const Item* itemAt(const std::vector<Item>& items, const Path& path) {
    if (path.empty()) return nullptr;
    const std::vector<Item>* list = &items;
    const Item* item = nullptr;
    for (std::size_t index : path) {
        if (index >= list->size()) return nullptr;
        item = &(*list)[index];
        list = &item->children;
    }
    return item;
}

Item* itemAt(std::vector<Item>& items, const Path& path) {
    return const_cast<Item*>(itemAt(static_cast<const std::vector<Item>&>(items), path));
}

std::vector<Path> shownOrder(const std::vector<Item>& items) {
    std::vector<Path> out;
    Path at;
    collectShown(items, at, out);
    return out;
}

std::vector<std::string> allTexts(const std::vector<Item>& items) {
    std::vector<std::string> out;
    collectTexts(items, out);
    return out;
}

void expandAll(std::vector<Item>& items) { setExpanded(items, true); }
void collapseAll(std::vector<Item>& items) { setExpanded(items, false); }

std::optional<Path> moveUp(std::vector<Item>& items, const Path& path) {
    const std::vector<Path> shown = shownOrder(items);
    const std::optional<std::size_t> at = shownIndex(shown, path);
    if (!at || *at == 0) return std::nullopt;
    // The item above comes earlier in display order, so taking this one
    // leaves its path as it was.
    const Path above = shown[*at - 1];
    insertAt(items, above, take(items, path));
    return above;
}

std::optional<Path> moveDown(std::vector<Item>& items, const Path& path) {
    const std::vector<Path> shown = shownOrder(items);
    const std::optional<std::size_t> at = shownIndex(shown, path);
    if (!at) return std::nullopt;
    std::size_t next = *at + 1;
    while (next < shown.size() && within(shown[next], path)) ++next;
    if (next == shown.size()) return std::nullopt;
    Path below = shown[next];
    Item item = take(items, path);
    // Taking the item moves a later sibling of it (or of an ancestor of the
    // item below) one place up.
    const std::size_t level = path.size() - 1;
    if (within(below, Path(path.begin(), path.end() - 1)) && below[level] > path.back()) --below[level];
    std::vector<Item>& group = siblingsOf(items, below);
    group.push_back(std::move(item));
    below.back() = group.size() - 1;
    return below;
}

std::optional<Path> moveLeft(std::vector<Item>& items, const Path& path) {
    if (path.size() < 2 || !itemAt(items, path)) return std::nullopt;
    const Path parent(path.begin(), path.end() - 1);
    insertAt(items, parent, take(items, path));
    return parent;
}

std::optional<Path> moveRight(std::vector<Item>& items, const Path& path) {
    if (path.empty() || path.back() == 0 || !itemAt(items, path)) return std::nullopt;
    Path before = path;
    --before.back();
    Item item = take(items, path);
    Item* sibling = itemAt(items, before);
    sibling->children.push_back(std::move(item));
    sibling->expanded = true;
    before.push_back(sibling->children.size() - 1);
    return before;
}

Path insertBefore(std::vector<Item>& items, const std::optional<Path>& before, const std::vector<std::string>& texts) {
    if (before && itemAt(items, *before)) {
        std::vector<Item>& list = siblingsOf(items, *before);
        std::vector<Item> added;
        for (const std::string& text : texts) added.push_back(Item{text, {}});
        list.insert(list.begin() + std::ptrdiff_t(before->back()), added.begin(), added.end());
        Path moved = *before;
        moved.back() += texts.size();
        return moved;
    }
    const std::size_t first = items.size();
    for (const std::string& text : texts) items.push_back(Item{text, {}});
    return first < items.size() ? Path{first} : Path{};
}

std::optional<Path> remove(std::vector<Item>& items, const Path& path) {
    if (!itemAt(items, path)) return std::nullopt;
    take(items, path);
    Path next = path;
    if (itemAt(items, next)) return next;
    if (next.back() > 0) {
        --next.back();
        return next;
    }
    next.pop_back();
    if (next.empty()) return std::nullopt;
    return next;
}

}  // namespace project
