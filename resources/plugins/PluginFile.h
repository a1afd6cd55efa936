#pragma once
// Plug-in files (*.plg): one command a line, "description TAB start TAB end".
// Everything is bytes, as the files hold them; no Qt.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plugins {

using Lines = std::vector<std::string>;

// Only this many bytes after the first TAB are used.
inline constexpr std::size_t kCommandLimit = 255;

struct Command {
    std::string start;  // inserted before the selection (or at the caret)
    std::string end;    // inserted after the selection
};

// The texts of a command line: the text after the first TAB, cut to 255
// bytes (never inside a UTF-8 sequence), split at its first TAB. Without a
// second TAB the start is empty and the end is all of it; a line without any
// TAB is all end text.
Command splitCommand(std::string_view line);
// The first field: the text before the first TAB.
std::string_view descriptionOf(std::string_view line);

// The commands the window holds before any plug-in file was found.
Lines sampleCommands();

// Lines sorted as a list box sorts them: without regard to ASCII case, equal
// lines keeping their order.
void sortLines(Lines& lines);

struct ReadResult {
    bool ok = false;
    std::string message;  // "Cannot open file <path>" when !ok
    Lines commands;       // sorted
};
// Reads through the checked-read routine.
ReadResult readPluginFile(const std::string& path);

// The names of the regular files "*.plg" in a folder (the extension in any
// case), in the order the folder lists them.
std::vector<std::string> findPluginFiles(const std::string& folder);

// What the file list shows after a scan: the names sorted, and the file
// whose commands are shown, which is the first one the folder listed.
struct FileList {
    std::vector<std::string> names;
    std::string selected;
};
FileList chooseFiles(std::vector<std::string> foundOrder);

}  // namespace plugins
