#pragma once
// The macro pick list ("Macros"): the user macros of user.mcr followed by
// the system macros; a double-click inserts the entry's key, a press arms a
// drag that carries it as the last tag pair.

#include <functional>

#include "MacroFile.h"
#include "PickTree.h"
#include "TfToolWindow.h"

class TfAddMac : public TfToolWindow {
    Q_OBJECT
public:
    explicit TfAddMac(QWidget* parent = nullptr);

    // The app connects these: insertion through InsertTag, and the last tag
    // pair set when a drag is armed. Both get the key as start text.
    std::function<void(const QString& key)> insertKey;
    std::function<void(const QString& key)> setDragKey;

    // Refills the list (user.mcr, then the system macros); a user.mcr that
    // cannot be read gives its message and the list holds the system macros.
    void LoadMacs();
    void AddMac();
    void StartDrag();

    PickTree* lMac = nullptr;

protected:
    void FormShow() override { LoadMacs(); }

private:
    QString selectedKey() const;
};

// Fills a two-column macro list (key, expansion at 30 %) with entries.
void fillMacroList(QTreeWidget* list, const macros::Entries& entries);
// The entries of a macro list, as stored bytes.
macros::Entries macroListEntries(const QTreeWidget* list);
// The system macros: system.mcr when it can be read, else the built-in list.
macros::Entries systemMacros();
