#pragma once
// The rule of the program's sorted lists: items compare without regard to
// case, and an item goes in after the items that compare equal to it.

#include <QString>
#include <QStringList>

namespace sortedlist {

// Adds every item of `added` to the sorted `items`, as inserting them one by
// one in their order would, in O((n + m) log m) rather than O(n) per item.
void insertAll(QStringList& items, const QStringList& added);

}  // namespace sortedlist
