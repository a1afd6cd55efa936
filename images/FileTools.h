#pragma once
// Search and replace across a list of files, each loaded, searched and saved
// by the editing engine exactly as a document is: the same matching rules,
// line ends, backup copy and safe save. Plain C++, no Qt.

#include <functional>
#include <string>
#include <vector>

namespace filetools {

struct FileOutcome {
    std::string path;
    int count = -1;       // matches found or replaced; -1 when the file was not done
    std::string problem;  // why not: the load or save message, or a refusal
};

struct Options {
    bool matchCase = false;
    bool wholeWords = false;
    bool backup = false;  // replace: keep the old file as <name>.bak first
    // Replace: a file open in a window with unsaved changes is refused; this
    // answers whether path is one.
    std::function<bool(const std::string& path)> isOpenModified;
    // Called after each file with the number done; false cancels the rest.
    std::function<bool(std::size_t done)> progress;
};

// Counts the matches in each file.
std::vector<FileOutcome> searchInFiles(const std::vector<std::string>& paths, const std::string& pattern,
                                       const Options& options);
// Replaces every match in each file and saves the files that changed. Each
// file is replaced whole by a safe save, so after a failure every file holds
// either its old or its new text; the outcomes say which were done. Files
// after a cancel are left alone (count -1, no problem).
std::vector<FileOutcome> replaceInFiles(const std::vector<std::string>& paths, const std::string& pattern,
                                        const std::string& replacement, const Options& options);

}  // namespace filetools
