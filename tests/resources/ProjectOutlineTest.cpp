// The project outline's rules: the four moves (and when they do nothing),
// adding and removing items, and which items are shown.

#include <gtest/gtest.h>

#include "Outline.h"

using project::Item;
using project::Path;

namespace {

// Outlines are written "a|>b|c": items separated by '|', one '>' per level;
// every item with sub-items is expanded unless its name starts with '-'.
std::vector<Item> outline(const std::string& shape) {
    std::string file = "T\r\n";
    for (char c : shape) file += c == '|' ? std::string("\r\n") : c == '>' ? std::string("\t") : std::string(1, c);
    std::vector<Item> items = project::parse(file).items;
    project::expandAll(items);
    std::function<void(std::vector<Item>&)> closeMarked = [&](std::vector<Item>& list) {
        for (Item& item : list) {
            if (item.text[0] == '-') item.expanded = false;
            closeMarked(item.children);
        }
    };
    closeMarked(items);
    return items;
}

std::string shape(const std::vector<Item>& items) {
    std::string out;
    for (char c : project::format("", items).substr(2)) out += c == '\t' ? std::string(">") : c == '\r' ? std::string() : c == '\n' ? std::string("|") : std::string(1, c);
    if (!out.empty()) out.pop_back();
    return out;
}

}  // namespace

TEST(ProjectOutline, MovesFollowTheShownOutline) {
    using Rule = std::optional<Path> (*)(std::vector<Item>&, const Path&);
    const Rule up = project::moveUp, down = project::moveDown, left = project::moveLeft, right = project::moveRight;
    const struct {
        const char* why;
        const char* before;
        Path selected;
        Rule rule;
        const char* after;  // nullptr: the rule does not apply
        Path at;
    } cases[] = {
        {"up past a sibling", "a|b|c", {1}, up, "b|a|c", {0}},
        {"up: the first item stays", "a|b|c", {0}, up, nullptr, {}},
        {"up takes the level of the item above", "a|>b|c", {1}, up, "a|>c|>b", {0, 0}},
        {"up from a first child goes above the parent", "a|>b|c", {0, 0}, up, "b|a|c", {0}},
        {"up past a closed branch stays at its level", "-a|>b|c", {1}, up, "c|-a|>b", {0}},
        {"down goes to the end of the group below", "a|b|c", {0}, down, "b|c|a", {2}},
        {"down: the last item stays", "a|b|c", {2}, down, nullptr, {}},
        {"down skips its own sub-items", "a|>b|c", {0}, down, "c|a|>b", {1}},
        {"down from a child into the group below", "a|>b|c", {0, 0}, down, "a|c|b", {2}},
        {"down: nothing below its sub-items", "a|>b", {0}, down, nullptr, {}},
        {"left on a top-level item does nothing", "a|b", {1}, left, nullptr, {}},
        {"left goes just above the parent", "a|>b|>c", {0, 1}, left, "c|a|>b", {0}},
        {"right on a first child does nothing", "a|>b|>c", {0, 0}, right, nullptr, {}},
        {"right under the sibling before, with sub-items", "a|b|>c", {1}, right, "a|>b|>>c", {0, 0}},
        {"right becomes the last sub-item", "-a|>x|b", {1}, right, "-a|>x|>b", {0, 1}},
    };
    for (const auto& c : cases) {
        std::vector<Item> items = outline(c.before);
        const std::vector<Item> original = items;
        const std::optional<Path> moved = c.rule(items, c.selected);
        if (!c.after) {
            EXPECT_FALSE(moved) << c.why;
            EXPECT_EQ(items, original) << c.why;
            continue;
        }
        ASSERT_TRUE(moved) << c.why;
        EXPECT_EQ(shape(items), c.after) << c.why;
        EXPECT_EQ(*moved, c.at) << c.why;
        EXPECT_NE(project::itemAt(items, *moved), nullptr) << c.why;
    }
    std::vector<Item> closed = outline("a|-b|>c");
    ASSERT_TRUE(project::moveRight(closed, {1}));
    EXPECT_TRUE(closed[0].expanded) << "the new parent opens so the item stays in sight";
}

TEST(ProjectOutline, AddingAndRemovingKeepASensibleSelection) {
    std::vector<Item> empty;
    EXPECT_EQ(project::insertBefore(empty, std::nullopt, {"p", "q"}), (Path{0}));
    EXPECT_EQ(shape(empty), "p|q");

    std::vector<Item> nested = outline("a|>b");
    EXPECT_EQ(project::insertBefore(nested, Path{0, 0}, {"p", "q"}), (Path{0, 2})) << "the selected item moves down";
    EXPECT_EQ(shape(nested), "a|>p|>q|>b");

    const struct {
        const char* before;
        Path removed;
        const char* after;
        std::optional<Path> next;
    } cases[] = {
        {"a|>b|>c", {0, 1}, "a|>b", Path{0, 0}},
        {"a|>b|>c", {0, 0}, "a|>c", Path{0, 0}},
        {"a|>b", {0, 0}, "a", Path{0}},
        {"a|>b|c", {0}, "c", Path{0}},
        {"a|>b", {0}, "", std::nullopt},
    };
    for (const auto& c : cases) {
        std::vector<Item> items = outline(c.before);
        EXPECT_EQ(project::remove(items, c.removed), c.next) << c.before;
        EXPECT_EQ(shape(items), c.after) << c.before;
    }
}

TEST(ProjectOutline, ShownItemsAndEveryItemInDisplayOrder) {
    const std::vector<Item> items = outline("a|>-b|>>c|d");
    EXPECT_EQ(project::shownOrder(items), (std::vector<Path>{{0}, {0, 0}, {1}}));
    EXPECT_EQ(project::allTexts(items), (std::vector<std::string>{"a", "-b", "c", "d"}));
}
