#pragma once
// Helpers of the tests of the macro and plug-in windows.

#include <QStringList>
#include <QTreeWidget>
#include <string>

#include "FileCommands.h"
#include "TTextEditControl.h"
#include "TfHTML.h"

namespace picktest {

// A new, active document holding only `text`, the caret at its start.
inline TfHTML* documentWith(TmdiMain& main, const std::string& text) {
    TfHTML* doc = FileNew(main);
    doc->txtHTML()->ClearAll();
    doc->txtHTML()->InsertText(std::string_view(text));
    doc->txtHTML()->SetCaret(1, 1);
    return doc;
}

// The first column of a list, "|" between the rows.
inline std::string firstColumn(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(0);
    return out.join(u'|').toStdString();
}

}  // namespace picktest
