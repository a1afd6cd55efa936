#pragma once
// Navigation through the HTML of a document: the element search behind the
// Goto submenu (also used by the body wizard) and the nine bookmarks of each
// document, which are its editing control's markers 1 to 9.

#include <QString>
#include <span>
#include <string_view>

class TmdiMain;
class TTextEditControl;

// Selects the next stretch of the document that begins with `start` and ends
// with the first `end` after it, ignoring case; from the top of the text or
// from the caret (from the end of a selection, so a repeated command finds
// the next element). Found: the stretch is selected, caret at its end, true.
// Start found without end: the start text stays selected, false.
// control == nullptr (no document): status "Ready ...", false.
bool FindTagPair(TmdiMain& main, TTextEditControl* control, const QString& start, const QString& end,
                 bool fromTop);
// The same on the active document.
bool FindTagPair(TmdiMain& main, const QString& start, const QString& end, bool fromTop);

namespace navigation {

// One command of the Goto submenu.
struct GotoRow {
    std::string_view handler;
    std::string_view start;
    std::string_view end;
    bool fromTop;
    std::string_view notFound; // the message shown when FindTagPair fails
};
std::span<const GotoRow> gotoRows();

// Runs a Goto row: FindTagPair, and the row's message when it fails.
bool runGoto(TmdiMain& main, TTextEditControl* control, const GotoRow& row);

// Bookmark n (1..9) of the control: set at the caret / go there when set.
// Nothing without a control or for another n.
void SetBookmark(TTextEditControl* control, int n);
void GotoBookmark(TTextEditControl* control, int n);

// The handlers of "Set Bookmark" and "Goto Bookmark" > 1..9, in order.
std::span<const std::string_view> setBookmarkHandlers();
std::span<const std::string_view> gotoBookmarkHandlers();

}  // namespace navigation
