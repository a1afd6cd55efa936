#pragma once
// The main window's commands as data. One table of menu rows builds the menu
// bar, one table of button rows builds the six toolbars, and the tests walk
// the same tables. Plain C++: no Qt here, so the table can be checked alone.
//
// A command is named by its handler. Menu items and toolbar buttons that run
// the same command share the handler name; the main window keeps one handler
// per name and disables every item whose handler is not installed.

#include <span>
#include <string>
#include <string_view>

namespace commands {

enum class RowKind {
    Command,    // runs the handler of that name
    Tag,        // inserts the row's fixed start and end texts (InsertTag)
    StateTag,   // inserts texts that depend on the selection or the user's
                // details (see MenuRow); runs its handler like a Command row
    Check,      // a checkable item; the handler flips the check mark
    Separator,  // a line between groups
    Submenu,    // the submenu named by caption; only rows that give it a shortcut
    RecentFiles // the four recent-file items and their separator
};

struct MenuRow {
    std::string_view path;      // top menu and submenus, joined by '|': "&Insert|&Font Styles"
    std::string_view caption;   // exact, '&' marks the access key
    // Qt portable text ("Ctrl+Shift+F1"), empty for none. Several keys are
    // separated by "; " (QKeySequence::listFromString): the first is the
    // item's own key, the others the desktop's usual keys for the command.
    std::string_view shortcut;
    std::string_view hint;      // status-line hint; empty: see menuHint()
    std::string_view startText; // Tag rows
    std::string_view endText;   // Tag rows; empty means a single insertion
    std::string_view handler;
    RowKind kind = RowKind::Command;
    bool checked = false;       // Check rows: the state at creation
    // StateTag rows: startText/endText are inserted with a selection,
    // plainStart/plainEnd without one. Both may hold the fields {User Name},
    // {EMail}, {Home Page}, {Organisation} and {Date}, filled in when the
    // command runs.
    std::string_view plainStart = {};
    std::string_view plainEnd = {};
};

enum class ButtonKind {
    Command, // runs its handler, as the menu item of that handler does
    Toggle   // a toolbar show/hide button on the Edit bar; stays down while shown
};

struct ButtonRow {
    std::string_view toolbar; // component name: SpeedBar, Tagsbar, FormattingBar, ...
    std::string_view label;   // the short caption drawn on the button
    std::string_view hint;    // exact
    std::string_view handler;
    ButtonKind kind = ButtonKind::Command;
};

struct ToolbarInfo {
    std::string_view component; // SpeedBar, ...
    std::string_view title;     // "Edit", ...
    std::string_view iniKey;    // "Edit ToolBar", ... in "Application Options"
    std::string_view viewHandler; // the View item toggling it
};

// Every menu item, in menu order (top menus in menu-bar order).
std::span<const MenuRow> menuRows();
// Every toolbar button, grouped by toolbar in toolbarInfo() order, each
// toolbar's buttons left to right.
std::span<const ButtonRow> buttonRows();
// The six toolbars, top to bottom.
std::span<const ToolbarInfo> toolbarInfo();

// The top-level menus in menu-bar order.
std::span<const std::string_view> topMenus();

// The hint shown for a menu row: its own hint, else the hint of the first
// toolbar button with the same handler, else (tag rows) the texts it inserts.
std::string menuHint(const MenuRow& row);

// The first menu row with this handler, or nullptr.
const MenuRow* findMenuRow(std::string_view handler);

// Captions with '&' removed ("&&" stays one '&'): for readable messages and tests.
std::string stripAccel(std::string_view caption);

}  // namespace commands
