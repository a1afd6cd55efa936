#pragma once
// The handlers of the tag, navigation and text-tool commands of the command
// table: every Tag row (through the main window's tag inserter), the rows
// whose texts depend on the selection or the user's details, Repeat Last
// Tag, the Goto submenu, the bookmarks, Convert HTML to Text, Grab URLs,
// Import URLs and Check Spelling.

#include <QDateTime>
#include <QString>

#include "TagInsertion.h"

class TmdiMain;
class TTextEditControl;

namespace commands {
struct MenuRow;
}

// Installs every handler named above on the main window. Call once, before
// the window is shown (installAllCommands does).
void installTagCommands(TmdiMain& main);

// The active document's editing control, or nullptr when none is open.
TTextEditControl* activeEditControl(TmdiMain& main);

// The current user's details ("Application Header"), placeholders for
// missing keys.
struct UserDetails {
    QString userName;
    QString email;
    QString homePage;
    QString organisation;
};
UserDetails readUserDetails(TmdiMain& main);

// "dddd, d mmmm, yyyy "at" h:mm AM/PM" in the system locale's names.
QString lastUpdatedDate(const QDateTime& when);

// The texts a state-dependent row inserts (RowKind::StateTag).
TagPair stateTagTexts(const commands::MenuRow& row, bool hasSelection, const UserDetails& user,
                      const QDateTime& now);
