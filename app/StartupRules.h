#pragma once
// Start-up decisions that need no window: plain C++, tested alone.

#include <filesystem>
#include <optional>
#include <string>

namespace startup {

// The directory to change to at start-up from the stored "Startup
// Directory": one trailing '/' is dropped ("/" itself stays); an empty or
// non-existent directory gives nullopt (the current directory is kept).
std::optional<std::filesystem::path> startupDirectory(const std::string& stored);

// The folder of the running executable (empty when it cannot be told).
std::filesystem::path editorFolder();
// The image-tools program "quilimg" in folder when it can be started: a
// regular file (links followed) the user may execute. Empty otherwise, and
// its menu item stays disabled.
std::filesystem::path imageToolsProgram(const std::filesystem::path& folder = editorFolder());

// The "Author" written at exit.
inline constexpr const char* kAuthor = "The Quillmar Developers";
inline constexpr const char* kAppTitle = "Quillmar Pro 32 HTML Editor";
inline constexpr const char* kMainCaption = "Quillmar Pro HTML Editor";
inline constexpr const char* kVersion = "Version 32.2.4.1";

}  // namespace startup
