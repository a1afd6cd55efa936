#pragma once
// The rules of the options dialogs, without widgets: which settings the
// application options dialog shows and writes (keys, defaults, value
// mapping, the start-up directory check), the 16-colour grid of the editing
// colours dialog and the values and sample page of the default font dialog.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TMegaRegistry;

namespace options {

// The user's details while none are stored.
inline constexpr const char* kPlaceholderUserName = "Quillmar User";
inline constexpr const char* kPlaceholderEmail = "your.name@your.domain";
inline constexpr const char* kPlaceholderHomePage = "http://your.home.page/";
inline constexpr const char* kPlaceholderOrganisation = "Your Organisation";

// "Tags"/"Case": the three choices of the " Insert Tags in " group.
enum class TagCase { Lower, Upper, Decide };
// "L" and "U" exactly; anything else is "Let Quillmar Decide".
TagCase tagCaseOf(const std::string& stored);
const char* tagCaseValue(TagCase c);

// Every setting the application options dialog edits, as its controls hold it.
struct ApplicationOptions {
    TagCase tagCase = TagCase::Decide;
    bool staySelected = true;
    bool wordWrap = true;
    bool smartTabs = false;
    int tabSize = 8;          // 1 to 99
    bool lineNumbers = false;
    std::string userName, email, homePage, organisation;
    std::string startupDirectory;
    bool openTemplate = true;
    bool createBackup = true;
    bool showTips = true;
    bool newDocumentsCrLf = false;
};

// The dialog's fields filled from the store, with the defaults the reading
// parts use (the start-up directory defaults to fallbackDir).
ApplicationOptions readOptions(const TMegaRegistry& ini, const std::string& fallbackDir);

// "Save": writes every setting except "Start Options"/"Tips", which its
// check box writes the moment it is clicked (writeShowTips).
void writeOptions(TMegaRegistry& ini, const ApplicationOptions& o, const std::string& fallbackDir);
void writeShowTips(TMegaRegistry& ini, bool show);

// The start-up directory to store for a typed one: one trailing '/' dropped
// ("/" stays), then kept when it names an existing directory, else
// fallbackDir without a trailing '/'.
std::string startupDirectoryToStore(const std::string& typed, const std::string& fallbackDir);

// ---- Colours ----
// Platform colour numbers (red in the low byte); system colours are negative.
using ColorValue = std::int32_t;

struct NamedColor {
    const char* name;
    ColorValue value;
};
// The standard 16-colour palette, grid cells 0 to 15.
extern const std::array<NamedColor, 16> kStandardColors;
// The three system colours of the default font dialog's background list.
extern const std::array<NamedColor, 3> kSystemColors;
inline constexpr int kTextCellDefault = 0;        // black
inline constexpr int kBackgroundCellDefault = 15; // white

// The name of a colour in the standard or system lists, else its number
// written as "$" and eight hexadecimal digits.
std::string colorName(ColorValue c);

// ---- Default font dialog ----
struct FontFormValues {
    std::string fontName = "Times New Roman";
    int fontSize = 12;
    ColorValue fontColor = 0;
    ColorValue linkColor = 0xFF0000; // blue
    ColorValue background = 0xFFFFFF;
};
inline constexpr std::size_t kMaxFontName = 31;
inline constexpr int kMinFontSize = 6, kMaxFontSize = 24;
// The values as the dialog can hold them: the name cut to 31 characters,
// the size kept within 6 to 24.
FontFormValues clampedFontValues(FontFormValues v);

// "#RRGGBB" for a colour number (system colours become "" for the caller
// to resolve).
std::string htmlColor(ColorValue c);

// The fixed sample page of the default font dialog, in the given colours
// (HTML colour codes) and font.
std::string fontSampleHtml(const FontFormValues& v, const std::string& background, const std::string& fontColor,
                           const std::string& linkColor);

}  // namespace options
