// The tag operations on the active document. Kept apart from TagInsertion.cpp
// so the insertion itself links without the document window.

#include "TTextEditControl.h"
#include "TagCommands.h"
#include "Navigation.h"
#include "TagInsertion.h"
#include "TfHTML.h"
#include "TmdiMain.h"

TTextEditControl* activeEditControl(TmdiMain& main) {
    TfHTML* doc = activeHtmlDocument(main);
    return doc ? doc->txtHTML() : nullptr;
}

void InsertTag(TmdiMain& main, const QString& start, const QString& end) {
    InsertTag(main, activeEditControl(main), start, end);
}

bool HasSelection(TmdiMain& main) { return HasSelection(activeEditControl(main)); }

void RepeatLastTag(TmdiMain& main) {
    // A copy: InsertTag replaces the pair it reads.
    const TagPair pair = lastTagPair();
    InsertTag(main, pair.start, pair.end);
}

bool FindTagPair(TmdiMain& main, const QString& start, const QString& end, bool fromTop) {
    return FindTagPair(main, activeEditControl(main), start, end, fromTop);
}
