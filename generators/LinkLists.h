#pragma once
// The URL wizard's link and its two self-extending pick lists (locations and
// descriptions), kept in small files in the data folder. A list is sorted
// without regard to case; an item is new unless exactly the same text
// (case counts) is already there, so "Index.htm" and "index.htm" are two.

#include <string>
#include <string_view>
#include <vector>

#include "DurableFile.h"

namespace linklists {

inline constexpr std::string_view kLocationFile = "WURLU.fil";
inline constexpr std::string_view kDescriptionFile = "WURLD.fil";
inline constexpr std::string_view kEndText = "</A>";

// The link's start text: location in quotes, then the description.
std::string startText(std::string_view location, std::string_view description);

std::vector<std::string> defaultLocations();
std::vector<std::string> defaultDescriptions();

// Puts `item` in its sorted place (after items equal but for case) unless
// the very same text is there; true when it was added.
bool addItem(std::vector<std::string>& list, std::string_view item);

// A list file's lines (LF or CR LF; a last line without a break counts),
// in the list's sorted order.
// exists is false for a missing file, which leaves the defaults in place.
struct ListFile {
    bool exists = false;
    int error = 0;
    std::string reason;
    std::vector<std::string> items;
};
ListFile readList(const std::string& path);

// Rewrites the whole file, CR LF after every item.
durable::WriteResult writeList(const std::string& path, const std::vector<std::string>& items);

}  // namespace linklists
