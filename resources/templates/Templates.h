#pragma once
// Templates: the starting text of a new document. Four built-in texts and any
// template file on disk (plain text; CR LF, LF or CR line ends all give the
// same lines). Plain C++: the chooser window shows what these return.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace templates {

struct BuiltIn {
    const char* tab;    // the page's tab caption
    const char* group;  // the caption of the box around the text
    std::vector<std::string> lines;
};

// "&Simple", "&Coloured", "&Graphical", "&Frame Sets", in tab order.
const std::array<BuiltIn, 4>& builtIns();

// The tab of the page that shows a template file.
constexpr const char* kUserTab = "&User Defined";
constexpr const char* kFileTypes = "Template Files (*.tpl)|*.tpl|HTML Documents|*.htm|All files (*.*)|*.*";

// The lines of a text: each of CR LF, LF and CR ends a line; text after the
// last line end is a line of its own, a final line end adds none.
std::vector<std::string> splitLines(std::string_view bytes);

// The document text for those lines: every line, the last included, followed
// by a line break (CR LF, as the editing control takes a typed break).
std::string documentText(const std::vector<std::string>& lines);

struct FileText {
    std::vector<std::string> lines;
    std::string error;  // "Cannot open file <path>" when it could not be read
    explicit operator bool() const { return error.empty(); }
};
// Reads a template file through the checked read routine.
FileText readTemplate(const std::filesystem::path& path);

// The folder part of the user page: the sub-folders of dir (with ".." first
// unless dir is the root), hidden ones left out, sorted without regard to case.
std::vector<std::string> subfolders(const std::filesystem::path& dir);
// The regular files of dir whose names match the mask ("*.tpl"; "*.*" is every
// file, as it was where masks came from), letter case ignored; hidden files
// left out; sorted without regard to case.
std::vector<std::string> matchingFiles(const std::filesystem::path& dir, const std::string& mask);

}  // namespace templates
