#pragma once
// The rule of the program's sorted lists: items compare without regard to
// case, and an item goes in after the items that compare equal to it.

#include <QString>
#include <QStringList>

namespace sortedlist {

// The index at which `item` goes into the sorted `items`.
qsizetype insertIndex(const QStringList& items, const QString& item);
// Inserts `item` into the sorted `items`; returns its index.
qsizetype insert(QStringList& items, const QString& item);

}  // namespace sortedlist
