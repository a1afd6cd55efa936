#include "OptionsRules.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "TMegaRegistry.h"

namespace options {

namespace {

const std::string kTags = "Tags";
const std::string kEditor = "Editor";
const std::string kHeader = "Application Header";
const std::string kAppOptions = "Application Options";
const std::string kSystem = "System";

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

std::string withoutTrailingSlash(std::string dir) {
    if (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

}  // namespace

TagCase tagCaseOf(const std::string& stored) {
    if (stored == "L") return TagCase::Lower;
    if (stored == "U") return TagCase::Upper;
    return TagCase::Decide;
}

const char* tagCaseValue(TagCase c) {
    switch (c) {
    case TagCase::Lower: return "L";
    case TagCase::Upper: return "U";
    case TagCase::Decide: break;
    }
    return "W";
}

ApplicationOptions readOptions(const TMegaRegistry& ini, const std::string& fallbackDir) {
    ApplicationOptions o;
    o.tagCase = tagCaseOf(ini.ReadString(kTags, "Case", "W"));
    o.staySelected = ini.ReadString(kTags, "Stay Selected", "Y") == "Y";
    o.wordWrap = ini.ReadBool(kEditor, "Word Wrap", true);
    o.smartTabs = ini.ReadBool(kEditor, "Smart Tabs", false);
    o.tabSize = std::clamp(ini.ReadInteger(kEditor, "Tab Size", 8), 1, 99);
    o.lineNumbers = ini.ReadBool(kEditor, "Line Numbers", false);
    o.userName = ini.ReadString(kHeader, "User Name", kPlaceholderUserName);
    o.email = ini.ReadString(kHeader, "EMail", kPlaceholderEmail);
    o.homePage = ini.ReadString(kHeader, "Home Page", kPlaceholderHomePage);
    o.organisation = ini.ReadString(kHeader, "Organisation", kPlaceholderOrganisation);
    o.startupDirectory = ini.ReadString(kAppOptions, "Startup Directory", fallbackDir);
    o.openTemplate = ini.ReadBool(kSystem, "Open Template", true);
    o.createBackup = ini.ReadBool(kSystem, "Create Backup", true);
    o.showTips = ini.ReadBool("Start Options", "Tips", true);
    o.newDocumentsCrLf = ini.ReadBool(kAppOptions, "New Documents CR LF", false);
    return o;
}

void writeOptions(TMegaRegistry& ini, const ApplicationOptions& o, const std::string& fallbackDir) {
    ini.WriteString(kAppOptions, "Startup Directory", startupDirectoryToStore(o.startupDirectory, fallbackDir));
    ini.WriteString(kTags, "Case", tagCaseValue(o.tagCase));
    ini.WriteString(kTags, "Stay Selected", o.staySelected ? "Y" : "N");
    ini.WriteString(kHeader, "User Name", o.userName);
    // Keys match without regard to case: this replaces an "EMail" line.
    ini.WriteString(kHeader, "Email", o.email);
    ini.WriteString(kHeader, "Home Page", o.homePage);
    ini.WriteString(kHeader, "Organisation", o.organisation);
    ini.WriteBool(kEditor, "Word Wrap", o.wordWrap);
    ini.WriteBool(kEditor, "Smart Tabs", o.smartTabs);
    ini.WriteBool(kSystem, "Open Template", o.openTemplate);
    ini.WriteBool(kSystem, "Create Backup", o.createBackup);
    ini.WriteInteger(kEditor, "Tab Size", std::clamp(o.tabSize, 1, 99));
    ini.WriteBool(kEditor, "Line Numbers", o.lineNumbers);
    ini.WriteBool(kAppOptions, "New Documents CR LF", o.newDocumentsCrLf);
}

void writeShowTips(TMegaRegistry& ini, bool show) { ini.WriteBool("Start Options", "Tips", show); }

std::string startupDirectoryToStore(const std::string& typed, const std::string& fallbackDir) {
    const std::string dir = withoutTrailingSlash(typed);
    return isDirectory(dir) ? dir : withoutTrailingSlash(fallbackDir);
}

// Colour numbers: red in the low byte, so navy is 0x800000.
const std::array<NamedColor, 16> kStandardColors{{
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clSilver", 0xC0C0C0},
    {"clGray", 0x808080},   {"clRed", 0x0000FF},    {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
}};

// System colours: the high bit set, then the system colour index.
const std::array<NamedColor, 3> kSystemColors{{
    {"clBackground", ColorValue(0x80000001u)},
    {"clWindow", ColorValue(0x80000005u)},
    {"clBtnFace", ColorValue(0x8000000Fu)},
}};

std::string colorName(ColorValue c) {
    for (const NamedColor& n : kStandardColors)
        if (n.value == c) return n.name;
    for (const NamedColor& n : kSystemColors)
        if (n.value == c) return n.name;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(c));
    return buf;
}

FontFormValues clampedFontValues(FontFormValues v) {
    if (v.fontName.size() > kMaxFontName) v.fontName.resize(kMaxFontName);
    v.fontSize = std::clamp(v.fontSize, kMinFontSize, kMaxFontSize);
    return v;
}

std::string htmlColor(ColorValue c) {
    if (c < 0) return {};
    const auto u = static_cast<unsigned>(c);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", u & 0xFF, (u >> 8) & 0xFF, (u >> 16) & 0xFF);
    return buf;
}

std::string fontSampleHtml(const FontFormValues& v, const std::string& background, const std::string& fontColor,
                           const std::string& linkColor) {
    // The font name is the user's own choice from the font list; quotes
    // would end the attribute, so they are dropped.
    std::string face;
    for (char ch : v.fontName)
        if (ch != '"' && ch != '<' && ch != '>') face += ch;
    const std::string size = std::to_string(v.fontSize) + "pt";
    return "<html><body bgcolor=\"" + background + "\" text=\"" + fontColor + "\" link=\"" + linkColor +
           "\" style=\"color:" + fontColor + "; font-family:'" + face + "'; font-size:" + size + "\">"
           "<h1 align=\"center\">Heading</h1>"
           "<ul><li>Normal text in a bulleted list</li>"
           "<li><a href=\"#\" style=\"color:" + linkColor + "\">First HotSpot Item</a></li>"
           "<li><b>Bold text</b>, <i>italic text</i> and <code>code text</code></li></ul>"
           "<hr></body></html>";
}

}  // namespace options
