#pragma once
// What a previewed page may read from disk: the page itself and files under
// its folder, but never the program's own settings or data, wherever the
// page is. Plain C++; paths are compared after being made absolute and
// clean, with symbolic links resolved where the file exists.

#include <string>
#include <vector>

namespace viewer {

struct FileAccessRule {
    std::string shownFile;                // the file shown: always readable
    std::string pageFolder;               // the folder of the file shown
    std::vector<std::string> denied;      // folders never readable
    std::vector<std::string> allowedInDenied; // exceptions inside a denied folder
};

// True when path lies in (or is) folder; both already canonical.
bool isInside(const std::string& path, const std::string& folder);

// The canonical form used for the comparison (weakly canonical: the part
// that exists has its links resolved).
std::string canonicalPath(const std::string& path);

bool mayRead(const FileAccessRule& rule, const std::string& path);

}  // namespace viewer
