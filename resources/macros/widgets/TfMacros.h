#pragma once
// The macro definition dialog ("Quillmar Macros"): the read-only system
// macros and the editable user macros, each page a two-column list. "&Save"
// writes the user list to user.mcr; "&Cancel" leaves the file as it was, and
// the next showing reloads it.

#include <QDialog>

#include "MacroFile.h"
#include "TBag.h"

class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

class TfMacros : public QDialog {
    Q_OBJECT
public:
    explicit TfMacros(QWidget* parent = nullptr);

    static constexpr int kHelpContext = 100;

    // ---- Handlers ----
    // Loads system.mcr and user.mcr into their lists, each when it can be
    // read; a list whose file cannot be read keeps what it holds.
    void LoadUser();
    void cmdAddClick();
    void cmdRemoveClick();
    // Writes user.mcr, then closes; a failed write shows "Cannot create file
    // <path>" and closes too (the entries stay until the next showing).
    void SaveUser();
    void cmdCloseClick();
    void cmdHelpClick();

    QTabWidget* pages = nullptr;
    QTreeWidget* lstUserMacros = nullptr;
    QTreeWidget* lstSystemMacros = nullptr;
    QLineEdit* txtMacro = nullptr;
    QLineEdit* txtExpandTo = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdHelp = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int result) override;

private:
    TBag Prefs;
};
