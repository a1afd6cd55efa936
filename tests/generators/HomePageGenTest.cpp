// The Home page wizard's generator: the default page line by line, and each
// option's effect on the lines it owns.

#include <gtest/gtest.h>

#include <algorithm>

#include "HomePageGen.h"

using namespace homepage;

namespace {

const User kJo{"Jo", "jo@example.org"};

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The lines between the first line equal to `from` and the next equal to `to`, both excluded.
std::vector<std::string> between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
    auto a = std::find(lines.begin(), lines.end(), from);
    auto b = a == lines.end() ? a : std::find(a + 1, lines.end(), to);
    if (b == lines.end()) return {"<missing " + from + " .. " + to + ">"};
    return {a + 1, b};
}

}  // namespace

TEST(HomePageGen, DefaultPageIsWrittenExactly) {
    const std::vector<std::string> expected{
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//3.0\">",
        "<HTML>",
        "<HEAD>",
        "<TITLE>My Home Page</TITLE>",
        "</HEAD>",
        "",
        "<BODY BACKGROUND=\"Image Name\" BGCOLOR=\"#CCCCCC\" TEXT=\"#000099\">",
        "",
        "<h3 ALIGN=LEFT>Welcome to</h3>",
        "<IMG SRC=\"Image Name\" BORDER=1>",
        "<h1 ALIGN=LEFT>My Home Page</h1>",
        "<p>",
        "<HR SIZE=2>",
        "<h1>Introduction</h1>",
        "<!-- The text for \"Introduction\" goes here. -->",
        "<P>",
        "<HR SIZE=1>",
        "<h1>About Me</h1>",
        "<!-- The text for \"About Me\" goes here. -->",
        "<P>",
        "<HR SIZE=1>",
        "Send comments and mail to <A HREF=\"Mailto:jo@example.org\">Jo</a><P>",
        "<ADDRESS>",
        "<STRONG>Your Address</STRONG><BR>",
        "</ADDRESS><P>",
        "<hr><p>",
        "<I>Last updated by Jo on 12/8/26</I>",
        "</BODY>",
        "</HTML>",
        "",
    };
    EXPECT_EQ(pageLines(Fields{}, kJo, "12/8/26"), expected);
}

TEST(HomePageGen, BodyLineFollowsTheAppearanceOptions) {
    const struct {
        bool image, bg, text, slash;
        const char* line;
    } cases[] = {
        {false, false, false, true, "<BODY>"},
        {true, false, false, true, "<BODY BACKGROUND=\"x/y.gif\" >"},
        {true, false, false, false, "<BODY BACKGROUND=\"x\\y.gif\" >"},
        {false, true, false, true, "<BODY BGCOLOR=\"#FFFFFF\" >"},
        {false, false, true, true, "<BODY TEXT=\"#FF3333\">"},
        {false, true, true, true, "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#FF3333\">"},
    };
    for (const auto& c : cases) {
        Fields f;
        f.useBackgroundImage = c.image;
        f.backgroundColour = c.bg;
        f.textColour = c.text;
        f.backgroundSlashes = c.slash;
        f.backgroundImage = "x\\y.gif";
        f.foreground = 9;
        f.background = 15;
        EXPECT_EQ(pageLines(f, kJo, "d")[6], c.line);
    }
    // Only the grid's sixteen colours have codes.
    EXPECT_EQ(colourCode(16), "");
    EXPECT_EQ(colourCode(-1), "");
}

TEST(HomePageGen, HeadingBlockFollowsTitleImageAndAlignment) {
    const struct {
        const char* what;
        void (*change)(Fields&);
        std::vector<std::string> block;  // between the blank after BODY and the first section heading
    } cases[] = {
        {"after heading, centred, sub-title, no greeting",
         [](Fields& f) {
             f.imageBeforeHeading = false;
             f.align = Align::Centre;
             f.subTitle = "Sub";
             f.welcome = false;
         },
         {"<h1 ALIGN=CENTER>My Home Page</h1>", "<h2 ALIGN=CENTER>Sub</h2>", "<p>", "<IMG SRC=\"Image Name\" BORDER=1>",
          "<HR SIZE=2>"}},
        {"image not included, right, slashes kept",
         [](Fields& f) {
             f.includeImage = false;
             f.imageBeforeHeading = false;
             f.align = Align::Right;
         },
         {"<h3 ALIGN=RIGHT>Welcome to</h3>", "<h1 ALIGN=RIGHT>My Home Page</h1>", "<p>", "<HR SIZE=2>"}},
        {"backslashes kept, border 0, no lines",
         [](Fields& f) {
             f.headerImage = "c:\\pics\\me.gif";
             f.headerSlashes = false;
             f.border = 0;
             f.linesBetween = false;
             f.welcome = false;
         },
         {"<IMG SRC=\"c:\\pics\\me.gif\" BORDER=0>", "<h1 ALIGN=LEFT>My Home Page</h1>", "<p>"}},
        {"backslashes changed",
         [](Fields& f) {
             f.headerImage = "c:\\pics\\me.gif";
             f.welcome = false;
         },
         {"<IMG SRC=\"c:/pics/me.gif\" BORDER=1>", "<h1 ALIGN=LEFT>My Home Page</h1>", "<p>", "<HR SIZE=2>"}},
    };
    for (const auto& c : cases) {
        Fields f;
        c.change(f);
        const auto lines = pageLines(f, kJo, "d");
        const auto first = std::find(lines.begin() + 8, lines.end(), "<h1>Introduction</h1>");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, first), c.block) << c.what;
    }
}

TEST(HomePageGen, SectionsAndFooterFollowTheirFields) {
    Fields f;
    f.title = "";
    f.sections = {"", "B"};
    f.linesBetween = false;
    f.addressLines = {"1 Road", "", "Town"};
    auto lines = pageLines(f, kJo, "d");
    EXPECT_TRUE(has(lines, "<TITLE></TITLE>"));
    EXPECT_EQ(between(lines, "<p>", "Send comments and mail to <A HREF=\"Mailto:jo@example.org\">Jo</a><P>"),
              (std::vector<std::string>{"<h1></h1>", "<!-- The text for \"\" goes here. -->", "<P>", "<h1>B</h1>",
                                        "<!-- The text for \"B\" goes here. -->", "<P>"}));
    EXPECT_EQ(between(lines, "<ADDRESS>", "</ADDRESS><P>"),
              (std::vector<std::string>{"<STRONG>1 Road</STRONG><BR>", "<BR>", "Town<BR>"}));

    f.sections.clear();
    f.addressLines.clear();
    f.mailLink = false;
    f.lastUpdated = false;
    lines = pageLines(f, kJo, "d");
    EXPECT_EQ(between(lines, "<p>", "</BODY>"), (std::vector<std::string>{"<ADDRESS>", "</ADDRESS><P>"}));

    f.address = false;
    lines = pageLines(f, kJo, "d");
    EXPECT_EQ(between(lines, "<p>", "</HTML>"), (std::vector<std::string>{"</BODY>"}));
}
