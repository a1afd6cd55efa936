#pragma once
// Tag-pair insertion: the one operation through which menus, toolbars, pick
// lists, drops and most wizards put HTML into a document, and the
// process-wide last tag pair behind "Repeat Last Tag" and every drag out of a
// pick list.
//
// Positions are worked out in paragraph positions (the store's own
// addresses), never by column arithmetic on display lines, so a wrap point
// inside the selection or the inserted texts cannot shift the result.

#include <QString>
#include <string_view>

class TmdiMain;
class TTextEditControl;

struct TagPair {
    QString start;
    QString end;
};

// The last tag pair as inserted (after case conversion); both empty at start.
const TagPair& lastTagPair();
// Pick lists set it when a drag starts; InsertTag sets it on every insertion.
void setLastTagPair(const QString& start, const QString& end);

// "Tags"/"Case": "U" upper case, "L" lower case, anything else as written.
// Only ASCII letters change, attribute values and placeholders included.
QString applyTagCase(const QString& text, std::string_view caseSetting);

// Wraps the control's selection in start and end, or inserts both at the
// caret with the caret left between them (end empty: a single insertion).
// control == nullptr means no document is open: only the status text
// "Adding Command ..." is shown. Errors of the editing control propagate
// after the document state, the status text and pnlTag have been settled.
void InsertTag(TmdiMain& main, TTextEditControl* control, const QString& start, const QString& end);
// The same on the active document.
void InsertTag(TmdiMain& main, const QString& start, const QString& end);

// True when a document is open and its editing control has a selection.
bool HasSelection(TTextEditControl* control);
bool HasSelection(TmdiMain& main);

// "Repeat Last Tag" (F4 and the document pop-up menu).
void RepeatLastTag(TmdiMain& main);
