// Template texts: line ends of template files, the built-in pages' exact
// lines, and the folder and file lists of the user page.

#include <gtest/gtest.h>

#include "Templates.h"
#include "TestSupport.h"

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(TemplateFiles, EveryKindOfLineEndGivesTheSameLines) {
    const struct {
        const char* bytes;
        Lines lines;
    } cases[] = {
        {"<P>\r\n\r\n</P>\r\n", {"<P>", "", "</P>"}},
        {"<P>\n\n</P>\n", {"<P>", "", "</P>"}},
        {"<P>\r\r</P>\r", {"<P>", "", "</P>"}},
        {"<P>\r\n\n</P>\r", {"<P>", "", "</P>"}},
        {"no end", {"no end"}},
        {"", {}},
        {"\n", {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(templates::splitLines(c.bytes), c.lines) << c.bytes;
}

TEST(TemplateFiles, FilesAreReadThroughTheCheckedRoutine) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("lf.tpl"), "<HTML>\n</HTML>\n");
    qmtest::writeFile(dir.file("cr.tpl"), "<HTML>\r</HTML>");
    EXPECT_EQ(templates::readTemplate(dir.file("lf.tpl")).lines, (Lines{"<HTML>", "</HTML>"}));
    EXPECT_EQ(templates::readTemplate(dir.file("cr.tpl")).lines, (Lines{"<HTML>", "</HTML>"}));
    for (const fs::path& bad : {dir.file("missing.tpl"), dir.path()}) {
        const templates::FileText t = templates::readTemplate(bad);
        EXPECT_EQ(t.error, "Cannot open file " + bad.string());
        EXPECT_TRUE(t.lines.empty());
    }
}

TEST(TemplateFiles, BuiltInPagesKeepTheirExactLines) {
    const struct {
        const char* tab;
        size_t count;
        size_t line;  // 0-based
        const char* text;
    } cases[] = {
        {"&Simple", 16, 0, "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//2.0\"> "},
        {"&Simple", 16, 15, ""},
        {"&Coloured", 18, 9,
         "<body bgcolor=\"#0F0F8F\" text=\"#FFE27F\" LINK=\"#FFFFFF\" VLINK=\"#FF0000\" ALINK=\"#FFFFFF\">"},
        {"&Graphical", 18, 11, "<IMG SRC=\"YourImageHere\" ALT=\" \" BORDER=1 ALIGN=LEFT>"},
        {"&Frame Sets", 13, 9, "      <FRAME SRC=\"\" NAME=\"\">"},
    };
    for (const auto& c : cases) {
        const templates::BuiltIn* page = nullptr;
        for (const templates::BuiltIn& p : templates::builtIns())
            if (std::string(p.tab) == c.tab) page = &p;
        ASSERT_NE(page, nullptr) << c.tab;
        EXPECT_EQ(page->lines.size(), c.count) << c.tab;
        EXPECT_EQ(page->lines.at(c.line), c.text) << c.tab;
    }
    EXPECT_EQ(templates::documentText({"a", ""}), "a\r\n\r\n") << "the last line ends in a break too";
}

TEST(TemplateFiles, UserPageListsFoldersAndFilesByMask) {
    qmtest::TempDir dir;
    for (const char* f : {"b.tpl", "A.TPL", "page.htm", "README", ".hidden.tpl"}) qmtest::writeFile(dir.file(f), "x");
    for (const char* d : {"sub", "Other", ".git", "x.tpl"}) fs::create_directory(dir.file(d));
    const struct {
        const char* mask;
        Lines files;
    } cases[] = {
        {"*.tpl", {"A.TPL", "b.tpl"}},
        {"*.htm", {"page.htm"}},
        {"*.*", {"A.TPL", "b.tpl", "page.htm", "README"}},
    };
    for (const auto& c : cases) EXPECT_EQ(templates::matchingFiles(dir.path(), c.mask), c.files) << c.mask;
    EXPECT_EQ(templates::subfolders(dir.path()), (Lines{"..", "Other", "sub", "x.tpl"}));
    EXPECT_EQ(templates::subfolders("/").front(), "bin") << "the root has no parent entry";
}
