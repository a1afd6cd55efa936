#pragma once
// The rules of the project outline: where an item goes when it is moved, added
// or removed, and which items are shown. An item is addressed by its path (its
// index in each list from the top level down); the shown order lists the items
// whose parents are all expanded, top to bottom. Plain C++.

#include <optional>
#include <string>
#include <vector>

#include "ProjectFile.h"

namespace project {

using Path = std::vector<std::size_t>;

// The item at path; nullptr when there is none.
Item* itemAt(std::vector<Item>& items, const Path& path);
const Item* itemAt(const std::vector<Item>& items, const Path& path);

// The paths of the items the outline shows, top to bottom.
std::vector<Path> shownOrder(const std::vector<Item>& items);
// Every item's text in display order (each item followed by its sub-items),
// shown or not.
std::vector<std::string> allTexts(const std::vector<Item>& items);

void expandAll(std::vector<Item>& items);
void collapseAll(std::vector<Item>& items);

// Each move returns the item's new path, or nullopt (and changes nothing)
// when its rule does not apply. The moved item keeps its sub-items, and its
// new parent is expanded so that it stays in sight.
//
// Up: not the first shown item; takes the place (and level) of the item shown
// just above it.
std::optional<Path> moveUp(std::vector<Item>& items, const Path& path);
// Down: an item is shown below it and its sub-items; goes to the end of that
// item's sibling group.
std::optional<Path> moveDown(std::vector<Item>& items, const Path& path);
// Left: below the top level; goes one level up, just above its parent.
std::optional<Path> moveLeft(std::vector<Item>& items, const Path& path);
// Right: has a sibling before it; becomes that sibling's last sub-item.
std::optional<Path> moveRight(std::vector<Item>& items, const Path& path);

// Inserts the texts, in order, in front of the item at `before` at its level;
// with no such item (an empty outline, nothing selected) after the last
// top-level item. Returns the path the item at `before` has afterwards, or
// that of the first inserted item when there was none.
Path insertBefore(std::vector<Item>& items, const std::optional<Path>& before, const std::vector<std::string>& texts);

// Removes the item with all its sub-items; returns the path to select next
// (the item now in its place, else the one before it, else its parent), or
// nullopt when the outline is empty.
std::optional<Path> remove(std::vector<Item>& items, const Path& path);

}  // namespace project
