#pragma once
// What the stay-on-top list windows (macros, plug-ins) share: a tool window
// with a "&File" menu holding "&Close" and a checked "&Keep on Top", its
// placement kept in a settings bag section of quilopt.ini, and a list whose
// entries are inserted by double-click or dragged onto a document.

#include <QString>
#include <QTreeWidget>
#include <QWidget>
#include <functional>
#include <vector>

#include "TBag.h"

class QAction;
class QMenu;
class QMenuBar;

// A list of columns whose press on an entry arms a drag: pressed() runs at
// once (the window sets the last tag pair there), and moving the mouse past
// the drag distance starts the drag. A drag that began on the press itself
// would swallow the release, and with it the double-click.
class PickTree : public QTreeWidget {
    Q_OBJECT
public:
    // stops: where each column after the first begins, as shares of the width.
    PickTree(std::vector<double> stops, QWidget* parent = nullptr);

    // The entry's stored bytes (as read from its file), or empty.
    static QByteArray bytesOf(const QTreeWidgetItem* item);
    static void setBytes(QTreeWidgetItem* item, const QByteArray& bytes);
    // The selected entry, or nullptr.
    QTreeWidgetItem* selectedEntry() const;

    std::function<void()> pressed;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    std::vector<double> stops_;
    QPoint pressAt_;
    bool armed_ = false;
};

class PickWindow : public QWidget {
    Q_OBJECT
public:
    PickWindow(const QString& caption, const std::string& bagSection, QWidget* parent);

    // "&Keep on Top": checked keeps the window above the others.
    void KeeponTop1Click();
    bool keepOnTop() const;

    QMenuBar* menuBar = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* Close1 = nullptr;
    QAction* KeeponTop1 = nullptr;

protected:
    // Runs on every show before the placement is restored.
    virtual void activate() {}
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    TBag Prefs;

private:
    bool reflagging_ = false;  // a Keep on Top change shows the window again
};
