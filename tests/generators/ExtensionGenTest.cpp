// The applet, link, body and browser-extension generators: the exact texts
// they write for the wizards' fields, and the link lists' files.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "AppletGen.h"
#include "BodyGen.h"
#include "HTMLWriter.h"
#include "LinkLists.h"
#include "TestSupport.h"

TEST(AppletGen, StartTextKeepsItsPiecesInOrder) {
    const struct {
        const char* what;
        std::function<void(appletgen::Applet&)> fill;
        const char* start;
    } cases[] = {
        {"defaults", [](appletgen::Applet&) {},
         "<APPLET CODE=AppletFile WIDTH=100 HEIGHT=100 ALIGN=Left CODEBASE=CodeBaseURL NAME=AppletInstanceName "
         "ALT=AlternateText >"},
        {"optional texts emptied, spaces 5",
         [](appletgen::Applet& a) {
             a.codeBase = a.name = a.alt = "";
             a.vspace = a.hspace = 5;
         },
         "<APPLET CODE=AppletFile WIDTH=100 HEIGHT=100 ALIGN=Left VSPACE=5 HSPACE=5 >"},
        {"empty code still written, spaces 0 omitted",
         [](appletgen::Applet& a) {
             a.code = a.codeBase = a.name = a.alt = "";
             a.align = "AbsBottom";
             a.width = appletgen::kMaxNumber;
             a.height = 0;
         },
         "<APPLET CODE= WIDTH=2147483647 HEIGHT=0 ALIGN=AbsBottom >"},
        {"alternate text with blanks, unquoted",
         [](appletgen::Applet& a) {
             a.codeBase = a.name = "";
             a.alt = "No Java here";
             a.hspace = 3;
         },
         "<APPLET CODE=AppletFile WIDTH=100 HEIGHT=100 ALIGN=Left HSPACE=3 ALT=No Java here >"},
    };
    for (const auto& c : cases) {
        appletgen::Applet a;
        c.fill(a);
        EXPECT_EQ(appletgen::startText(a), c.start) << c.what;
    }
}

TEST(LinkLists, StartTextCopiesLocationAndDescription) {
    EXPECT_EQ(linklists::startText("index.htm", "Home") + std::string(linklists::kEndText),
              "<A HREF=\"index.htm\">Home</A>");
    EXPECT_EQ(linklists::startText("", ""), "<A HREF=\"\">");
}

TEST(LinkLists, AddItemKeepsOrderAndAddsOnlyNewTexts) {
    const struct {
        const char* what;
        std::vector<std::string> before;
        const char* item;
        bool added;
        std::vector<std::string> after;
    } cases[] = {
        {"sorted place", {"Send Mail to Me"}, "Home", true, {"Home", "Send Mail to Me"}},
        {"same text twice", {"Home", "index.htm"}, "index.htm", false, {"Home", "index.htm"}},
        {"case makes a new item, after its equal", {"index.htm", "mailto:"}, "Index.htm", true,
         {"index.htm", "Index.htm", "mailto:"}},
        {"empty text is an item", {"a"}, "", true, {"", "a"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> list = c.before;
        EXPECT_EQ(linklists::addItem(list, c.item), c.added) << c.what;
        EXPECT_EQ(list, c.after) << c.what;
    }
}

TEST(LinkLists, FilesRoundTripAndMissingFilesAreNotErrors) {
    qmtest::TempDir dir;
    const std::string path = (dir.path() / "WURLD.fil").string();
    const linklists::ListFile missing = linklists::readList(path);
    EXPECT_FALSE(missing.exists);
    EXPECT_EQ(missing.error, 0);

    ASSERT_TRUE(linklists::writeList(path, {"Home", "Send Mail to Me"}));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "Home\r\nSend Mail to Me\r\n");

    // Written by hand: LF ends, out of order, no final line break.
    std::ofstream(path, std::ios::binary) << "zeta\nAlpha\r\nbeta";
    const linklists::ListFile read = linklists::readList(path);
    EXPECT_TRUE(read.exists);
    EXPECT_EQ(read.items, (std::vector<std::string>{"Alpha", "beta", "zeta"}));
}

TEST(BodyGen, TagCarriesAllSixAttributes) {
    bodygen::Body worked{"back.gif", "FFFFFF", "C0C0C0", "FF0000", "800080", "FF00FF"};
    EXPECT_EQ(bodygen::bodyTag(worked),
              "<BODY BACKGROUND=\"back.gif\" BGCOLOR=\"#FFFFFF\" TEXT=\"#C0C0C0\" LINK=\"#FF0000\" VLINK=\"#800080\" "
              "ALINK=\"#FF00FF\" >");
    EXPECT_EQ(bodygen::bodyTag({}),
              "<BODY BACKGROUND=\"\" BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" VLINK=\"#00FF00\" "
              "ALINK=\"#0000FF\" >");
}

TEST(BodyGen, ColourNumbersTextsAndSteps) {
    const struct {
        const char* text;
        std::uint32_t value;
        const char* shown;
    } texts[] = {{"", 0, "000000"}, {"ff", 0xFF, "0000FF"}, {"c0C0c0", 0xC0C0C0, "C0C0C0"}, {"1FFFFFF", 0xFFFFFF, "FFFFFF"}};
    for (const auto& t : texts) {
        EXPECT_EQ(bodygen::colourValue(t.text), t.value) << t.text;
        EXPECT_EQ(bodygen::colourText(t.value), t.shown) << t.text;
    }
    const struct {
        std::uint32_t from;
        int steps;
        std::uint32_t to;
    } steps[] = {{0, 1, 64}, {0x40, -1, 0}, {10, -1, 0}, {0xFFFFF0, 1, 0xFFFFFF}, {0x100, 2, 0x180}};
    for (const auto& s : steps) EXPECT_EQ(bodygen::stepColour(s.from, s.steps), s.to) << s.from << " " << s.steps;
}

TEST(HTMLWriter, BackgroundSound) {
    THTMLWriter w;
    EXPECT_EQ(w.BackgroundSoundTag("sound.wav", 3), "<bgsound src=\"sound.wav\" loop=3>");
    EXPECT_EQ(w.BackgroundSoundTag("sound.wav", 0), "<bgsound src=\"sound.wav\" loop=infinite>");
    EXPECT_EQ(w.BackgroundSoundTag("", 1), "<bgsound src=\"\" loop=1>");
}

TEST(HTMLWriter, MarqueePiecesInOrder) {
    const struct {
        const char* what;
        THTMLWriter::Marquee m;
        const char* tag;
    } cases[] = {
        {"the dialog's defaults", {0, 20, -100, 0, 0, 5, 1, 0, 0, 0, THTMLWriter::kNoColour},
         "<marquee behaviour=scroll direction=left height=20 width=100% scrollamount=5 scrolldelay=1 "
         "loop=infinite>T</marquee>"},
        {"alternate, right, 1%", {0, 20, -1, 0, 0, 5, 1, 0, 2, 1, THTMLWriter::kNoColour},
         "<marquee behaviour=alternate direction=right height=20 width=1% scrollamount=5 scrolldelay=1 "
         "loop=infinite>T</marquee>"},
        {"every attribute", {3, -50, 300, 4, 6, 7, 8, 9, 1, 0, 0x3020A0},
         "<marquee behaviour=slide direction=left align=bottom height=50% width=300 hspace=4 vspace=6 "
         "scrollamount=7 scrolldelay=8 loop=9 bgcolor=#A02030>T</marquee>"},
        {"nothing set", {}, "<marquee behaviour=scroll direction=left loop=infinite>T</marquee>"},
    };
    THTMLWriter w;
    for (const auto& c : cases) EXPECT_EQ(w.MarqueeTag("T", c.m), c.tag) << c.what;
}

TEST(HTMLWriter, ErrorsRaiseWhenAskedFor) {
    THTMLWriter w;
    w.Errors = THTMLWriter::erErrors;
    try {
        w.BackgroundSoundTag("", 1);
        ADD_FAILURE() << "no error";
    } catch (const EHTMLWarning&) {
        ADD_FAILURE() << "a warning, not an error";
    } catch (const EHTMLError& e) {
        EXPECT_STREQ(e.what(), "Missing URL for background sound");
        EXPECT_EQ(e.code, 6);
    }
    EXPECT_EQ(w.BackgroundSoundTag("a.wav", 2), "<bgsound src=\"a.wav\" loop=2>");

    w.Errors = THTMLWriter::erIExplorer;
    const struct {
        std::function<std::string()> write;
        const char* message;
        int code;
        const char* tag;
    } warnings[] = {
        {[&] { return w.BackgroundSoundTag("a.wav", 0); }, "BGSOUND is IExplorer extension", 6,
         "<bgsound src=\"a.wav\" loop=infinite>"},
        {[&] { return w.MarqueeTag("x", {}); }, "MARQUEE is IExplorer extension", 13,
         "<marquee behaviour=scroll direction=left loop=infinite>x</marquee>"},
    };
    for (const auto& c : warnings) {
        try {
            c.write();
            ADD_FAILURE() << c.message << ": not raised";
        } catch (const EHTMLWarning& e) {
            EXPECT_STREQ(e.what(), c.message);
            EXPECT_EQ(e.code, c.code);
            EXPECT_EQ(e.tag, c.tag);
        }
    }
}
