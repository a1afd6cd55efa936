#include "TfPickList.h"

#include <QListWidget>

namespace {
constexpr int kBytesRole = Qt::UserRole;  // the entry's bytes, as read
}

TfPickList::TfPickList(const Setup& setup, QWidget* parent)
    : TfToolWindow(setup.caption, setup.section, parent), kind_(setup.kind) {
    list_ = new QListWidget(this);
    list_->setObjectName(setup.listName);
    list_->setToolTip(setup.hint);
    list_->setStatusTip(setup.hint);
    list_->setSelectionMode(setup.multiSelect ? QAbstractItemView::ExtendedSelection
                                              : QAbstractItemView::SingleSelection);
    // The drag starts once the mouse moves past the drag distance, so a
    // double-click is never taken for a drop.
    list_->setDragEnabled(true);
    list_->setDragDropMode(QAbstractItemView::DragOnly);
    list_->setDefaultDropAction(Qt::CopyAction);
    setCentralWidget(list_);
    resize(320, 360);

    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { send(insert_, item); });
    connect(list_, &QAbstractItemView::pressed, this, [this] {
        if (QListWidgetItem* item = list_->currentItem(); item && item->isSelected()) send(dragStart_, item);
    });
}

void TfPickList::setEntries(const std::vector<std::string>& entries) {
    list_->clear();
    for (const std::string& entry : entries) {
        auto* item = new QListWidgetItem(QString::fromUtf8(entry), list_);
        item->setData(kBytesRole, QByteArray::fromStdString(entry));
    }
}

QStringList TfPickList::entries() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i) out << list_->item(i)->text();
    return out;
}

picklists::TagTexts TfPickList::textsOf(const QListWidgetItem* item) const {
    return picklists::entryTexts(item->data(kBytesRole).toByteArray().toStdString(), kind_);
}

void TfPickList::send(const TextsHandler& handler, const QListWidgetItem* item) const {
    if (!handler || !item) return;
    const picklists::TagTexts texts = textsOf(item);
    handler(QString::fromUtf8(texts.start), QString::fromUtf8(texts.end));
}

void TfPickList::FormShow() {
    if (onShow_) onShow_();
}
