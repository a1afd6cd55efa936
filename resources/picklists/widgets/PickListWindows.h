#pragma once
// The three list windows as the program builds them: their captions,
// sections, hints and what each entry inserts, and the data file each one
// reads when shown.

#include "TfPickList.h"

class QWidget;

namespace picklists {

// "HTML Tags": the fixed tag list.
TfPickList* makeHtmlTagsWindow(QWidget* parent);
// "Symbols": the built-in list, replaced by symbols.web when that is read.
TfPickList* makeSymbolsWindow(QWidget* parent);
// "URL Library": library.fil, read each time the window is shown.
TfPickList* makeUrlLibraryWindow(QWidget* parent);

}  // namespace picklists
