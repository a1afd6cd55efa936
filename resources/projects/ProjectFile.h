#pragma once
// The project file (.qpr): line 1 is the title, then one line per outline
// item in display order, indented by one TAB per level below the top. Lines
// end in CR LF. Plain C++; the windows decide how to tell the user.

#include <filesystem>
#include <string>
#include <vector>

namespace project {

struct Item {
    std::string text;
    std::vector<Item> children;
    bool expanded = false;  // its sub-items are shown; never stored in the file

    bool operator==(const Item&) const = default;
};

struct Project {
    std::string title;
    std::string fileName;  // empty for a project not yet saved
    std::vector<Item> items;
    bool modified = false;
};

// The file's bytes: the title, then every item depth-first.
std::string format(const std::string& title, const std::vector<Item>& items);

struct WriteResult {
    bool ok = true;
    std::string message;  // what failed, naming the file
};
// Writes the project to path; the old file stays whole when writing fails.
WriteResult write(const std::filesystem::path& path, const std::string& title, const std::vector<Item>& items);

struct ReadResult {
    std::string title;
    std::vector<Item> items;  // what was read, up to an error
    std::string error;        // "File load error", "Line too long", or the open error; empty when read whole
    bool opened = true;       // false: the file could not be read at all
};
// Reads a project file: each leading TAB or space is one level, a line may
// be at most one level deeper than the line before it, a line longer than
// the read buffer is refused, Ctrl-Z ends the data. The first item becomes
// the title and is removed with its sub-items.
ReadResult read(const std::filesystem::path& path);
ReadResult parse(const std::string& bytes);

constexpr std::size_t kReadBuffer = 4096;

}  // namespace project
