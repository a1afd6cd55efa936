#pragma once
// The list windows ("HTML Tags", "Symbols", "URL Library"): a sorted list
// whose entry goes into the active document by double-click, or by a drag
// onto a document window. A press on a selected entry makes it the last tag
// pair, which the document window inserts when the drop arrives.

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "PickLists.h"
#include "TfToolWindow.h"

class QListWidget;
class QListWidgetItem;

class TfPickList : public TfToolWindow {
    Q_OBJECT
public:
    using TextsHandler = std::function<void(const QString& start, const QString& end)>;

    struct Setup {
        QString caption;
        std::string section;     // of quilopt.ini
        QString listName;        // the list's object name
        picklists::EntryKind kind;
        QString hint;
        bool multiSelect = false;
    };

    TfPickList(const Setup& setup, QWidget* parent);

    QListWidget* list() const { return list_; }
    // Replaces the entries (bytes as the data files hold them), in order.
    void setEntries(const std::vector<std::string>& entries);
    QStringList entries() const;
    picklists::TagTexts textsOf(const QListWidgetItem* item) const;

    // Double-click: the texts go into the active document.
    void setInserter(TextsHandler handler) { insert_ = std::move(handler); }
    // A press on a selected entry: the texts become the last tag pair.
    void setDragStarter(TextsHandler handler) { dragStart_ = std::move(handler); }
    // Runs each time a command shows the window (reads its data file).
    void setShowHandler(std::function<void()> handler) { onShow_ = std::move(handler); }

protected:
    void FormShow() override;

private:
    void send(const TextsHandler& handler, const QListWidgetItem* item) const;

    picklists::EntryKind kind_;
    QListWidget* list_ = nullptr;
    TextsHandler insert_;
    TextsHandler dragStart_;
    std::function<void()> onShow_;
};
