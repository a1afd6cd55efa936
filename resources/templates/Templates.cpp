#include "Templates.h"

#include <algorithm>
#include <cctype>

#include <fnmatch.h>

#include "DurableFile.h"

namespace templates {
namespace {

namespace fs = std::filesystem;

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}

void sortIgnoringCase(std::vector<std::string>& names) { std::stable_sort(names.begin(), names.end(), lessIgnoringCase); }

bool hidden(const std::string& name) { return !name.empty() && name.front() == '.'; }

}  // namespace

const std::array<BuiltIn, 4>& builtIns() {
    static const std::array<BuiltIn, 4> pages{{
        {"&Simple",
         "Simple Template",
         {"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//2.0\"> ", "<HTML>",
          "<!-- Sample Template for a HTML Document created by Quillmar Pro Version 2 -->", "", "<HEAD>",
          "<TITLE>Document Title</TITLE>", "</HEAD>", "", "<BODY>", "<H1>Main Page Heading</H1>",
          "<H2>Heading Level 2</H2>", "<P>Body Text.</P>", "</BODY>", "", "</HTML>", ""}},
        {"&Coloured",
         "Coloured Template",
         {"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//2.0\">", "<HTML>",
          "<!-- Sample Coloured Template for a HTML Document created by Quillmar for Windows Version 2 -->", "",
          "<HEAD>", "<TITLE>Document Title</TITLE>", "</HEAD>", "", "<BODY>",
          "<body bgcolor=\"#0F0F8F\" text=\"#FFE27F\" LINK=\"#FFFFFF\" VLINK=\"#FF0000\" ALINK=\"#FFFFFF\">",
          "<A Name=Home></a>", "<H1>Main Page Heading</H1>", "<H2>Heading Level 2</H2>", "<P>Body Text.</P>", "",
          "</BODY>", "</HTML>", ""}},
        {"&Graphical",
         "Grahpical Template",
         {"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//3.0\">", "<HTML>",
          "<!-- Sample Template for a HTML Document created by Quillmar Pro Version 2 -->", "", "<HEAD>",
          "<TITLE>Document Title</TITLE>", "</HEAD>", "", "<BODY>", "<CENTER>", "<H1>Quillmar Pro HTML Editor</H1>",
          "<IMG SRC=\"YourImageHere\" ALT=\" \" BORDER=1 ALIGN=LEFT>", "</CENTER>", "<HR SIZE=6>",
          "<H1>About Quillmar Pro HTML Editor for Windows</H1>", "", "</BODY>", "</HTML>"}},
        {"&Frame Sets",
         "FramesetTemplate",
         {"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//3.0\">", "<HTML>",
          "<!-- Sample Frames Template for a HTML Document created by Quillmar Pro Version 2 -->", "", "<HEAD>",
          "<TITLE>Document Title</TITLE>", "</HEAD>", "", "<FRAMESET ROWS=\"\" COLS=\"\">",
          "      <FRAME SRC=\"\" NAME=\"\">", "</FRAMESET>", "", "</HTML>"}},
    }};
    return pages;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", from);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(from));
            break;
        }
        lines.emplace_back(bytes.substr(from, end - from));
        from = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string documentText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

FileText readTemplate(const fs::path& path) {
    const durable::ReadResult read = durable::readFile(path.string());
    if (!read) return {{}, "Cannot open file " + path.string()};
    return {splitLines(read.bytes), {}};
}

std::vector<std::string> subfolders(const fs::path& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeEc;
        if (!hidden(name) && it->is_directory(typeEc)) names.push_back(name);
    }
    sortIgnoringCase(names);
    if (dir.has_relative_path()) names.insert(names.begin(), "..");
    return names;
}

std::vector<std::string> matchingFiles(const fs::path& dir, const std::string& mask) {
    const std::string pattern = mask == "*.*" ? std::string("*") : mask;
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeEc;
        if (hidden(name) || !it->is_regular_file(typeEc)) continue;
        if (::fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0) names.push_back(name);
    }
    sortIgnoringCase(names);
    return names;
}

}  // namespace templates
