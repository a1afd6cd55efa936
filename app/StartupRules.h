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

// The image-tools program beside the editor's executable; exists() decides
// whether its menu item is enabled.
std::filesystem::path imageToolsProgram();

// The "Author" written at exit.
inline constexpr const char* kAuthor = "The Quillmar Developers";
inline constexpr const char* kAppTitle = "Quillmar Pro 32 HTML Editor";
inline constexpr const char* kMainCaption = "Quillmar Pro HTML Editor";
inline constexpr const char* kVersion = "Version 32.2.4.1";

}  // namespace startup
