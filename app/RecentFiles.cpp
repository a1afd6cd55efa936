#include "RecentFiles.h"

#include <vector>

void RecentFiles::update(const std::string& name) {
    if (name.find_first_of("\r\n") != std::string::npos) return;
    std::vector<std::string> list(entries_.begin(), entries_.end());
    // Only entries before the last are searched; the last one falls off anyway.
    for (size_t i = 0; i + 1 < list.size();) {
        if (list[i] == name)
            list.erase(list.begin() + static_cast<long>(i));
        else
            ++i;
    }
    while (list.size() > 3) list.pop_back();
    while (list.size() < 3) list.emplace_back();
    list.insert(list.begin(), name);
    for (int i = 0; i < kCount; ++i) entries_[static_cast<size_t>(i)] = list[static_cast<size_t>(i)];
}
