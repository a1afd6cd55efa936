#pragma once
// A tool window (pick lists, macros, plug-ins, notepad): created once, hidden
// between uses, above the other windows until "&Keep on Top" is cleared, with
// a "&File" menu holding "&Close" and "&Keep on Top". Its placement lives in
// its own section of quilopt.ini: loaded when shown, saved when closed.

#include <QMainWindow>
#include <string>

#include "TBag.h"

class QAction;
class QMenu;
class QVBoxLayout;

class TfToolWindow : public QMainWindow {
    Q_OBJECT
public:
    // kind: Qt::Window, or Qt::Tool for a list that belongs with the main
    // window (no task bar entry of its own).
    TfToolWindow(const QString& caption, const std::string& section, QWidget* parent,
                 Qt::WindowType kind = Qt::Window);

    QMenu* fileMenu() const { return fileMenu_; }
    QAction* closeItem() const { return close_; }
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
    // A column of controls as the window's body, for windows that are more
    // than one control.
    QVBoxLayout* body();

    TBag Prefs;

private:
    QMenu* fileMenu_ = nullptr;
    QAction* close_ = nullptr;
    QAction* keepOnTop_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    bool reshowing_ = false;  // shown again after a flag change: no reload
};
