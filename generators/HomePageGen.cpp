#include "HomePageGen.h"

#include <algorithm>
#include <array>

namespace homepage {

namespace {

std::string slashed(std::string name, bool change) {
    if (change) std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::string bodyLine(const Fields& f) {
    if (!f.textColour && !f.backgroundColour && !f.useBackgroundImage) return "<BODY>";
    std::string line = "<BODY ";
    if (f.useBackgroundImage) line += "BACKGROUND=\"" + slashed(f.backgroundImage, f.backgroundSlashes) + "\" ";
    if (f.backgroundColour) line += "BGCOLOR=\"" + colourCode(f.background) + "\" ";
    if (f.textColour) line += "TEXT=\"" + colourCode(f.foreground) + "\"";
    return line + ">";
}

}  // namespace

std::string colourCode(int index) {
    static constexpr std::array<const char*, kColourCount> codes{
        "#000000", "#770000", "#339933", "#999900", "#000099", "#993399", "#009999", "#CCCCCC",
        "#777777", "#FF3333", "#00FF33", "#FFFF00", "#3333FF", "#FF66CC", "#00FFFF", "#FFFFFF"};
    return index >= 0 && index < kColourCount ? codes[size_t(index)] : "";
}

std::vector<std::string> pageLines(const Fields& f, const User& user, const std::string& date) {
    std::vector<std::string> out{"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//3.0\">",
                                 "<HTML>",
                                 "<HEAD>",
                                 "<TITLE>" + f.title + "</TITLE>",
                                 "</HEAD>",
                                 "",
                                 bodyLine(f),
                                 ""};

    const std::string align = f.align == Align::Left ? "LEFT" : f.align == Align::Centre ? "CENTER" : "RIGHT";
    const std::string image =
        "<IMG SRC=\"" + slashed(f.headerImage, f.headerSlashes) + "\" BORDER=" + std::to_string(f.border) + ">";
    if (f.welcome) out.push_back("<h3 ALIGN=" + align + ">Welcome to</h3>");
    if (f.includeImage && f.imageBeforeHeading) out.push_back(image);
    out.push_back("<h1 ALIGN=" + align + ">" + f.title + "</h1>");
    if (!f.subTitle.empty()) out.push_back("<h2 ALIGN=" + align + ">" + f.subTitle + "</h2>");
    out.push_back("<p>");
    if (f.includeImage && !f.imageBeforeHeading) out.push_back(image);
    if (f.linesBetween) out.push_back("<HR SIZE=2>");

    for (const std::string& s : f.sections) {
        out.push_back("<h1>" + s + "</h1>");
        out.push_back("<!-- The text for \"" + s + "\" goes here. -->");
        out.push_back("<P>");
        if (f.linesBetween) out.push_back("<HR SIZE=1>");
    }

    if (f.mailLink)
        out.push_back("Send comments and mail to <A HREF=\"Mailto:" + user.email + "\">" + user.name + "</a><P>");
    if (f.address) {
        out.push_back("<ADDRESS>");
        for (size_t i = 0; i < f.addressLines.size(); ++i)
            out.push_back(i == 0 ? "<STRONG>" + f.addressLines[i] + "</STRONG><BR>" : f.addressLines[i] + "<BR>");
        out.push_back("</ADDRESS><P>");
    }
    if (f.lastUpdated) {
        out.push_back("<hr><p>");
        out.push_back("<I>Last updated by " + user.name + " on " + date + "</I>");
    }
    out.insert(out.end(), {"</BODY>", "</HTML>", ""});
    return out;
}

}  // namespace homepage
