#pragma once
// A tool window of the pick lists: created once, hidden between uses, above
// the other windows until "&Keep on Top" is cleared, with a "&File" menu
// holding "&Close" and "&Keep on Top". Its placement lives in its own
// section of quilopt.ini: loaded when shown, saved when closed.

#include <QMainWindow>
#include <string>

#include "TBag.h"

class QAction;
class QMenu;

class TfToolWindow : public QMainWindow {
    Q_OBJECT
public:
    TfToolWindow(const QString& caption, const std::string& section, QWidget* parent);

    QMenu* fileMenu() const { return fileMenu_; }
    QAction* keepOnTopItem() const { return keepOnTop_; }
    bool keepOnTop() const;
    void setKeepOnTop(bool on);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // The window's own files: read after the bag is loaded, written after
    // it is saved.
    virtual void FormShow() {}
    virtual void FormClose() {}

    TBag Prefs;

private:
    QMenu* fileMenu_ = nullptr;
    QAction* keepOnTop_ = nullptr;
    bool reshowing_ = false;  // shown again after a flag change: no reload
};
