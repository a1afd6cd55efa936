#pragma once
// Recovery at start-up: the documents a killed or stopped run left unsaved,
// one row each (name or "Untitled", time of the last change, a note), with
// Recover, Discard or Decide Later for each. The window only gathers the
// choices; offerRecovery() carries them out.

#include <QDialog>
#include <vector>

#include "PendingJournals.h"

class QComboBox;
class QPushButton;
class QTableWidget;
class TmdiMain;

class RecoveryWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kRecover = "Recover";
    static constexpr const char* kDiscard = "Discard";
    static constexpr const char* kLater = "Decide Later";

    RecoveryWindow(std::vector<recovery::FoundJournal>& found, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QComboBox* actionBox(int row) const;
    QPushButton* okButton() const { return ok_; }

    // The choices shown, written into the entries (OK).
    void takeChoices();

private:
    std::vector<recovery::FoundJournal>& found_;
    QTableWidget* table_;
    QPushButton* ok_;
};

// Looks for journals nobody holds and, when there are any, shows the window
// and carries out the choices: a recovered document opens modified with the
// recovered text and keeps a journal of its own before the old one goes.
// Called once, after the main window shows.
void offerRecovery(TmdiMain& main);
