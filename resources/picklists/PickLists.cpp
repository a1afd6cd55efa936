#include "PickLists.h"

#include <algorithm>
#include <cstdio>

#include "DurableFile.h"

namespace picklists {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The closing tag of a start text's element: "<FONT SIZE="">" gives "</FONT>".
std::string closingTag(std::string_view start) {
    const std::size_t from = 1;
    const std::size_t to = start.find_first_of(" >", from);
    return "</" + std::string(start.substr(from, to - from)) + ">";
}

// "Aacute" gives "capital A, acute accent".
std::string accentDescription(std::string_view name) {
    static constexpr std::pair<std::string_view, std::string_view> kMarks[] = {
        {"acute", "acute accent"}, {"circ", "circumflex"}, {"grave", "grave accent"}, {"uml", "umlaut"},
        {"tilde", "tilde"},        {"ring", "ring"},       {"cedil", "cedilla"},      {"slash", "slash"},
    };
    const char letter = name.front();
    const std::string_view mark = name.substr(1);
    std::string text = (letter >= 'A' && letter <= 'Z' ? "capital " : "small ") + std::string(1, letter);
    for (const auto& [suffix, words] : kMarks)
        if (mark == suffix) return text + ", " + std::string(words);
    return text;
}

}  // namespace

TagTexts entryTexts(std::string_view entry, EntryKind kind) {
    const std::size_t tab = entry.find('\t');
    if (kind == EntryKind::Whole || tab == std::string_view::npos) return {std::string(entry), {}};
    TagTexts texts{std::string(entry.substr(0, tab)), {}};
    if (kind == EntryKind::TagPair) texts.end = std::string(entry.substr(tab + 1));
    return texts;
}

const std::vector<std::string>& htmlTagEntries() {
    static const std::vector<std::string> entries = [] {
        static constexpr std::string_view kPaired[] = {
            "<A HREF=\"\">", "<ADDRESS>", "<APPLET>", "<B>", "<BIG>", "<BLINK>", "<BLOCKQUOTE>", "<BODY>",
            "<CAPTION>", "<CENTER>", "<CITE>", "<CODE>", "<DIR>", "<DIV ALIGN=\"\">", "<DL>", "<EM>",
            "<FONT SIZE=\"\" COLOR=\"\" FACE=\"\">", "<FONT SIZE=\"\">", "<FORM METHOD=\"\" ACTION=\"\">", "<FRAME>",
            "<FRAMESET>", "<H ALIGN=>", "<H1>", "<H2>", "<H3>", "<H4>", "<H5>", "<H6>", "<HEAD>", "<HTML>", "<I>",
            "<KBD>", "<MAP NAME=\"\">", "<MAP NAME=\"\"><AREA SHAPE=\"\" COORDS=\",\" HREF=\"\">",
            "<MARQUEE ALIGN=TOP BEHAVIOUR=SLIDE HEIGHT=50% WIDTH=50%>", "<MARQUEE>", "<MENU>", "<NOBR>",
            "<NOFRAMES>", "<OL>", "<P>", "<PRE>", "<SAMP>", "<SCRIPT>", "<SELECT NAME=\"\">", "<SMALL>", "<STRIKE>",
            "<STRONG>", "<SUB>", "<SUP>", "<TABLE>", "<TD>", "<TEXTAREA>", "<TH>", "<TITLE>", "<TR>", "<TT>",
            "<U>", "<UL>", "<VAR>",
        };
        static constexpr std::string_view kSingle[] = {
            "<BASE>", "<BASEFONT SIZE=>", "<BGSOUND SRC=\"\">", "<BR>", "<DD>", "<DT>",
            "<EMBED SRC=\"\" WIDTH=100 HEIGHT=100>", "<HR>", "<IMG>", "<INPUT>", "<ISINDEX ACTION=\">",
            "<ISINDEX>", "<LI>", "<LINK>", "<META NAME=\"\" CONTENT=\"\">", "<NEXTID N=000>",
            "<OPTION SELECTED=yes VALUE=\"\">", "<SOUND SRC=\"\">", "<WBR>",
        };
        std::vector<std::string> out;
        for (std::string_view start : kPaired) out.push_back(std::string(start) + "\t" + closingTag(start));
        for (std::string_view start : kSingle) out.push_back(std::string(start) + "\t");
        out.push_back("<!--\t-->");
        return out;
    }();
    return entries;
}

const std::vector<std::string>& builtInSymbols() {
    static const std::vector<std::string> entries = [] {
        static constexpr std::string_view kAccented[] = {
            "Aacute", "aacute", "Acirc",  "acirc",  "Agrave", "agrave", "Aring",  "aring",  "Atilde", "atilde",
            "Auml",   "auml",   "Ccedil", "ccedil", "Eacute", "eacute", "Ecirc",  "ecirc",  "Egrave", "egrave",
            "Euml",   "euml",   "Iacute", "iacute", "Icirc",  "icirc",  "Igrave", "igrave", "Iuml",   "iuml",
            "Ntilde", "ntilde", "Oacute", "oacute", "Ocirc",  "ocirc",  "Ograve", "ograve", "Oslash", "oslash",
            "Otilde", "otilde", "Ouml",   "ouml",   "Uacute", "uacute", "Ucirc",  "ucirc",  "Ugrave", "ugrave",
            "Uuml",   "uuml",   "Yacute", "yacute", "yuml",
        };
        static constexpr std::pair<std::string_view, std::string_view> kOthers[] = {
            {"&aelig;", "small ae ligature"},   {"&AElig;", "capital AE ligature"},
            {"&amp;", "ampersand"},             {"&copy;", "copyright"},
            {"&emdash;", "em dash"},            {"&emsp;", "em space"},
            {"&endash;", "en dash"},            {"&ensp;", "en space"},
            {"&ETH;", "capital Eth"},           {"&eth;", "small eth"},
            {"&gt;", "greater than"},           {"&lt;", "less than"},
            {"&nbsp;", "non-breaking space"},   {"&quot;", "double quote"},
            {"&reg;", "registered trademark"},  {"&szlig;", "small sharp s"},
            {"&THORN;", "capital Thorn"},       {"&thorn;", "small thorn"},
            {"<SUP><FONT SIZE=1>tm</FONT></SUP>", "trademark (tm)"},
        };
        std::vector<std::string> out;
        for (std::string_view name : kAccented)
            out.push_back("&" + std::string(name) + ";\t" + accentDescription(name));
        for (const auto& [entity, description] : kOthers)
            out.push_back(std::string(entity) + "\t" + std::string(description));
        sortEntries(out);
        return out;
    }();
    return entries;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < bytes.size()) {
        const std::size_t nl = bytes.find('\n', from);
        const std::size_t end = nl == std::string_view::npos ? bytes.size() : nl;
        const std::size_t stop = end > from && bytes[end - 1] == '\r' ? end - 1 : end;
        if (stop > from) lines.emplace_back(bytes.substr(from, stop - from));
        if (nl == std::string_view::npos) break;
        from = nl + 1;
    }
    return lines;
}

void sortEntries(std::vector<std::string>& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return lowerAscii(x) < lowerAscii(y); });
    });
}

ListFile readListFile(const std::string& path) {
    durable::ReadResult r = durable::readFile(path);
    ListFile file{r.error, r.reason, {}};
    if (!r) return file;
    file.entries = splitLines(r.bytes);
    sortEntries(file.entries);
    return file;
}

std::string colorCode(std::uint32_t colorNumber) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", unsigned(colorNumber & 0xFF), unsigned((colorNumber >> 8) & 0xFF),
                  unsigned((colorNumber >> 16) & 0xFF));
    return text;
}

const std::string& welcomeNotes() {
    static const std::string text =
        "Welcome to the Quillmar NotePad.\n\nHints:\n\n"
        "Click the right mouse button to perform Clipboard functions.\n\n"
        "Your Notepad contents will be automatically saved between \nsessions.";
    return text;
}

NotesFile readNotes(const std::string& path) {
    durable::ReadResult r = durable::readFile(path);
    NotesFile notes{r.error, r.reason, {}};
    if (!r) return notes;
    notes.text.reserve(r.bytes.size());
    for (std::size_t i = 0; i < r.bytes.size(); ++i)
        if (!(r.bytes[i] == '\r' && i + 1 < r.bytes.size() && r.bytes[i + 1] == '\n')) notes.text += r.bytes[i];
    return notes;
}

std::string writeNotes(const std::string& path, std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    const durable::WriteResult r = durable::writeFile(path, bytes);
    return r ? std::string() : "Cannot create file " + path + "\n\n" + r.message;
}

}  // namespace picklists
