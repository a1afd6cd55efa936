#include "PickListWindows.h"

#include "Paths.h"

namespace picklists {

namespace {

// A missing or unreadable file leaves what the list shows.
void loadListFile(TfPickList& window, const char* name) {
    const ListFile file = readListFile(paths::dataFile(name).string());
    if (file.error == 0) window.setEntries(file.entries);
}

}  // namespace

TfPickList* makeHtmlTagsWindow(QWidget* parent) {
    auto* w = new TfPickList({QStringLiteral("HTML Tags"), "HTML Tags", QStringLiteral("lstHTML"),
                              EntryKind::TagPair, QStringLiteral("Double Click or Drag & Drop to Insert HTML Tag"),
                              true},
                             parent);
    std::vector<std::string> entries = htmlTagEntries();
    sortEntries(entries);
    w->setEntries(entries);
    return w;
}

TfPickList* makeSymbolsWindow(QWidget* parent) {
    auto* w = new TfPickList({QStringLiteral("Symbols"), "Symbols", QStringLiteral("lSym"), EntryKind::StartOnly,
                              QStringLiteral("Double Click or Drag & Drop to Insert Symbol"), false},
                             parent);
    w->setEntries(builtInSymbols());
    w->setShowHandler([w] { loadListFile(*w, "symbols.web"); });
    return w;
}

TfPickList* makeUrlLibraryWindow(QWidget* parent) {
    auto* w = new TfPickList({QStringLiteral("URL Library"), "URL Lib", QStringLiteral("lstURL"), EntryKind::Whole,
                              QStringLiteral("Double Click or Drag & Drop to Insert URL"), true},
                             parent);
    w->setShowHandler([w] { loadListFile(*w, "library.fil"); });
    return w;
}

}  // namespace picklists
