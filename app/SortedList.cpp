#include "SortedList.h"

#include <algorithm>

namespace sortedlist {

qsizetype insertIndex(const QStringList& items, const QString& item) {
    const auto it = std::upper_bound(items.begin(), items.end(), item, [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return it - items.begin();
}

qsizetype insert(QStringList& items, const QString& item) {
    const qsizetype at = insertIndex(items, item);
    items.insert(at, item);
    return at;
}

}  // namespace sortedlist
