#include "TfAddMac.h"

#include <QVBoxLayout>

#include "Application.h"
#include "Paths.h"
#include "Prompter.h"

namespace {

QByteArray bytes(std::string_view s) { return QByteArray(s.data(), qsizetype(s.size())); }

}  // namespace

void fillMacroList(QTreeWidget* list, const macros::Entries& entries) {
    list->clear();
    for (const std::string& entry : entries) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, QString::fromUtf8(bytes(macros::keyOf(entry))));
        item->setText(1, QString::fromUtf8(bytes(macros::expansionOf(entry))));
        PickTree::setBytes(item, bytes(entry));
    }
}

macros::Entries macroListEntries(const QTreeWidget* list) {
    macros::Entries out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) out.push_back(PickTree::bytesOf(list->topLevelItem(i)).toStdString());
    return out;
}

macros::Entries systemMacros() {
    macros::ReadResult r = macros::readMacroFile(paths::dataFile(macros::kSystemFile).string());
    return r.ok ? std::move(r.entries) : macros::defaultSystemEntries();
}

TfAddMac::TfAddMac(QWidget* parent) : TfToolWindow(QStringLiteral("Macros"), "Macros", parent, Qt::Tool) {
    setObjectName(QStringLiteral("fAddMac"));
    lMac = new PickTree({0.30}, this);
    lMac->setObjectName(QStringLiteral("lMac"));
    lMac->setHeaderHidden(true);
    const QString hint = QStringLiteral("Double Click or Drag & Drop to Insert Macro");
    lMac->setToolTip(hint);
    lMac->setStatusTip(hint);
    setCentralWidget(lMac);
    resize(360, 260);
    connect(lMac, &QTreeWidget::itemDoubleClicked, this, [this] { dispatch([this] { AddMac(); }); });
    lMac->pressed = [this] { StartDrag(); };
}

void TfAddMac::LoadMacs() {
    macros::ReadResult user = macros::readMacroFile(paths::dataFile(macros::kUserFile).string());
    if (!user.ok) Prompter::current().message(windowTitle(), QString::fromStdString(user.message), Prompter::Icon::Critical);
    macros::Entries all = std::move(user.entries);
    for (std::string& e : systemMacros()) all.push_back(std::move(e));
    fillMacroList(lMac, all);
}

QString TfAddMac::selectedKey() const {
    const QTreeWidgetItem* item = lMac->selectedEntry();
    return item ? QString::fromUtf8(bytes(macros::keyOf(PickTree::bytesOf(item).toStdString()))) : QString();
}

void TfAddMac::AddMac() {
    if (!lMac->selectedEntry()) return;
    if (insertKey) insertKey(selectedKey());
}

void TfAddMac::StartDrag() {
    if (!lMac->selectedEntry()) return;
    if (setDragKey) setDragKey(selectedKey());
}
