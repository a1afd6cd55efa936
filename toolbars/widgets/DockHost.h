#pragma once
// The main window's client area with its four docking sides. Docked panels
// are laid out along their side in lines: panels share a line while they
// fit, a panel longer than the side re-flows its buttons over more lines.

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "DockLayout.h"

class IniFile;
class TDocPanel;

class DockHost : public QWidget {
    Q_OBJECT
public:
    // `layoutFile` is the toolbar layout file's name (kept in the settings folder).
    explicit DockHost(const std::string& layoutFile, QWidget* parent = nullptr);
    ~DockHost() override;

    void setCenter(QWidget* center);
    QWidget* center() const { return center_; }
    IniFile& layoutFile() { return *file_; }

    // Docks `panel` on `side` after the panels already there.
    void addPanel(TDocPanel* panel, toolbars::DockSide side);
    const std::vector<TDocPanel*>& panels() const { return all_; }

    // The client rectangle in screen coordinates: where docking is judged.
    toolbars::Rect clientRect() const;

    void loadLayout();
    void saveLayout();

    // Puts a panel that docks on its side; panels call relayout as they
    // float, show or hide.
    void attach(TDocPanel* panel);
    void relayout();
    // Gives the toolbars of a side order hints 0, 1000, 2000, ... in their
    // present order, so one taken away can come back between them.
    void renumber(toolbars::DockSide side);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QWidget* area(toolbars::DockSide side) const;
    void layoutSide(toolbars::DockSide side);
    std::vector<TDocPanel*> docked(toolbars::DockSide side) const;

    std::unique_ptr<IniFile> file_;
    QWidget* center_ = nullptr;
    std::array<QWidget*, 5> areas_{};  // indexed by DockSide; None unused
    std::vector<TDocPanel*> all_;
    bool inLayout_ = false;
};

// The cursors shown while dragging: the side a toolbar would dock to, or the arrow.
QCursor dockCursor(toolbars::DockSide side);
