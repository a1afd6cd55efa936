#pragma once
// The list the macro and plug-in windows share: entries inserted by
// double-click or dragged onto a document.

#include <QTreeWidget>
#include <functional>
#include <vector>

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
