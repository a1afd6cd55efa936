#pragma once
// One dockable toolbar. Docked, it is a strip on one side of its DockHost;
// floating, the same widget sits in a TDocForm. Its buttons re-flow to the
// length it is given (the host's side, or the floating window's width).

#include <QWidget>
#include <map>
#include <memory>

#include "DockLayout.h"

class QAction;
class QRubberBand;
class QToolButton;
class DockHost;
class TDocForm;
class IniFile;

class TDocPanel : public QWidget {
    Q_OBJECT
public:
    TDocPanel(const QString& component, const QString& title, DockHost* host);
    ~TDocPanel() override;

    const QString& component() const { return component_; }

    QToolButton* addButton(QAction* action);
    void addSeparator();
    QWidget* widgetForAction(QAction* action) const;

    bool docked() const { return state_.docked; }
    toolbars::DockSide align() const { return state_.docked ? state_.align : toolbars::DockSide::None; }
    // The record as it would be saved: docked, the place in the host.
    toolbars::PanelState state() const;
    TDocForm* floatingWindow() const { return form_; }

    // Double-click semantics: floats at the on-screen place (then at FTop,
    // FLeft from the layout file), or docks back at the remembered place.
    void setDocked(bool docked);
    // Drag semantics: floats with the window's top left at `screenPos`, or
    // docks on `side` with the remembered thickness.
    void floatByDrag(const QPoint& screenPos);
    void dockByDrag(toolbars::DockSide side);

    // The View toggles: shows or hides the panel, or its floating window.
    void setShown(bool shown);
    bool shown() const { return shown_; }

    // Raises std::logic_error while floating.
    void setDockingSides(unsigned sides);
    unsigned dockingSides() const { return sides_; }

    void loadLayout(const IniFile& file);
    void saveLayout(IniFile& file) const;

    // Lays the buttons out along `length`; returns the flow used.
    toolbars::Flow flowTo(int length, bool vertical);
    int naturalLength() const;
    // Order among the toolbars of one side: toolbars with the same line hint
    // share lines while they fit, in the order of their order hints.
    int lineHint() const { return lineHint_; }
    int orderHint() const { return orderHint_; }
    void setHints(int line, int order) { lineHint_ = line; orderHint_ = order; }
    void setPlaced(const QRect& r) { placed_ = r; }

signals:
    void dockChanged();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    friend class TDocForm;
    void rememberDocked();
    void becomeFloating(const QPoint& screenPos, bool byDrag);
    void becomeDocked(toolbars::DockSide side, bool byDrag);
    std::vector<int> advances() const;

    QString component_;
    DockHost* host_;
    TDocForm* form_ = nullptr;  // owned by the main window, as its tool windows are
    toolbars::PanelState state_;
    QRect placed_;  // last geometry in the host
    int lineHint_ = 0, orderHint_ = 0;
    int dockedLine_ = 0, dockedOrder_ = 0;  // the hints to dock back with
    bool shown_ = true;
    unsigned sides_ = toolbars::kAllSides;
    std::vector<QWidget*> items_;  // buttons and separators in order
    std::map<QAction*, QToolButton*> buttons_;
    // Dragging a docked panel: the outline follows the mouse.
    std::unique_ptr<QRubberBand> outline_;
    QPoint pressAt_, outlineOffset_;
    bool dragging_ = false;
};
