#include "SortedList.h"

#include <algorithm>
#include <iterator>

namespace sortedlist {

namespace {

bool lessNoCase(const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; }

}  // namespace

void insertAll(QStringList& items, const QStringList& added) {
    // Both sorts are stable and a merge takes equal items from its first range
    // first: equal items keep the order one-by-one insertion gives them.
    QStringList sortedAdded = added;
    std::stable_sort(sortedAdded.begin(), sortedAdded.end(), lessNoCase);
    QStringList merged;
    merged.reserve(items.size() + sortedAdded.size());
    std::merge(items.cbegin(), items.cend(), sortedAdded.cbegin(), sortedAdded.cend(), std::back_inserter(merged),
               lessNoCase);
    items = std::move(merged);
}

}  // namespace sortedlist
