// The command table as data: exact texts checked against the wording
// written out here (not read back from the table), and the table's
// own consistency rules.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "CommandTable.h"

using namespace commands;

namespace {

// The menu row at this path and caption, or a failure.
const MenuRow& row(std::string_view path, std::string_view caption) {
    for (const MenuRow& r : menuRows())
        if (r.path == path && r.caption == caption) return r;
    ADD_FAILURE() << "no menu row " << path << " > " << caption;
    static const MenuRow none{};
    return none;
}

std::vector<std::string> hintsOf(std::string_view toolbar) {
    std::vector<std::string> out;
    for (const ButtonRow& b : buttonRows())
        if (b.toolbar == toolbar) out.emplace_back(b.hint);
    return out;
}

}  // namespace

TEST(CommandTable, TagRowsCarryTheirExactTexts) {
    struct Expect {
        const char* path;
        const char* caption;
        const char* shortcut;
        const char* start;
        const char* end;
        const char* handler;
    };
    const Expect rows[] = {
        {"&Insert|&Alignment", "&Center Paragraph ", "", "<CENTER>", "</CENTER>", "Center1Click"},
        {"&Insert|&Font Styles", "&Size ", "", "<FONT SIZE=n>", "</FONT>", "Size1Click"},
        {"&Insert|&Font Styles", "&Bold", "Ctrl+B", "<B>", "</B>", "Bold1Click"},
        {"&Insert|&Font Styles", "&Underline", "Ctrl+Shift+U", "<U>", "</U>", "Underline1Click"},
        {"&Insert|&Font Styles", "&Variable", "", "<VAR>", "</VAR>", "Varibale1Click"},
        {"&Insert|&Forms", "Text &Input Line", "", "<INPUT TYPE=\"TEXT\" NAME=\"\" VALUE=\"\" MAXLENGTH=50>", "",
         "btnFTextClick"},
        {"&Insert|F&rame Sets", "&Frame (Abbr)", "", "<FRAME>", "<-- END OF FRAME -->", "FrameAbbr1Click"},
        {"&Insert|Headings - &Aligned", "Heading Level &4", "Ctrl+Alt+4", "<H4 ALIGN=LEFT>", "</H4>",
         "HeadingLevel42Click"},
        {"&Insert|Hori&zontal Line", "Hori&zontal Line with Size", "Ctrl+Shift+H", "<HR SIZE=n>", "",
         "HorizontalLinewithSize1Click"},
        {"&Insert|HTML St&ructures", "&Document Type", "", "<!DOCTYPE HTML PUBLIC ",
         "\"-//IETF//DTD HTML//EN//3.0\">", "DocumentType1Click"},
        {"&Insert|HTML St&ructures", "Document &Header", "", "<HEAD>", "</HEAD>", "Body1Click"},
        {"&Insert|&Images", "As an Image &Map", "", "<IMG SRC=\"", "\" ALT=\"\" ISMAP>", "AsanImageMap1Click"},
        {"&Insert|&Java Applet", "&Parameter", "", "<PARAM NAME=\"AppletAttribute\" VALUE=\"Value\">", "",
         "Parameter1Click"},
        {"&Insert|&Lists", "Definintion &Term", "", "<DT>", "</DT>", "DefinintionTerm1Click"},
        {"&Insert|Para&graph Format", "&Paragraph Marker with End", "", "<P>", "", "ParagraphMarkerwithEnd1Click"},
        {"&Insert", "Mar&k as Comment", "", "<!--", "-->", "MarkasComment1Click"},
        {"Wi&zards|&Shortcuts", "&Big Characters", "", "<FONT SIZE=\"+4\"><B>", "</B></FONT>",
         "BigCharacters1Click"},
    };
    for (const Expect& e : rows) {
        SCOPED_TRACE(e.caption);
        const MenuRow& r = row(e.path, e.caption);
        EXPECT_EQ(r.kind, RowKind::Tag);
        EXPECT_EQ(r.shortcut, e.shortcut);
        EXPECT_EQ(r.startText, e.start);
        EXPECT_EQ(r.endText, e.end);
        EXPECT_EQ(r.handler, e.handler);
    }
}

TEST(CommandTable, CommandRowsCarryCaptionShortcutAndHint) {
    EXPECT_EQ(row("&File", "&Open Document(s) ...").shortcut, "Ctrl+O");
    EXPECT_EQ(menuHint(row("&File", "&Open Document(s) ...")), "Open an existing file");
    EXPECT_EQ(row("&File", "Open P&roject Window ...").shortcut, "F2");
    EXPECT_EQ(row("&File", "&Web Preview ...").shortcut, "F9");
    EXPECT_EQ(row("&Edit", "&Undo").shortcut, "Ctrl+U; Ctrl+Z");  // the control's own undo key second
    EXPECT_EQ(row("&Edit", "&Delete").shortcut, "Ctrl+Del");
    EXPECT_EQ(row("&Edit", "Repeat &Last Tag").shortcut, "F4");
    EXPECT_EQ(row("&Tools", "&Plug Ins ..").shortcut, "F10");
    EXPECT_EQ(row("&Tools|&Goto Bookmark", "&9").shortcut, "Ctrl+Shift+F9");
    EXPECT_EQ(row("&Help", "&About...").shortcut, "Shift+F1");
    EXPECT_EQ(menuHint(row("&Tools", "Convert HTML to Te&xt ...")), "Removes all Tags from current Document");
    EXPECT_EQ(menuHint(row("&Tools", "Grab &URLs")), "Copy URLs in this document to the URL Library");
    // The keys two items wanted go to the bookmarks.
    EXPECT_EQ(row("&Tools|&Set Bookmark", "&7").shortcut, "Ctrl+F7");
    EXPECT_EQ(row("&Tools|&Set Bookmark", "&3").shortcut, "Ctrl+F3");
    EXPECT_EQ(row("&Edit", "Check &Spelling ...").shortcut, "");
}

TEST(CommandTable, EveryMenuRowHasAHintAndNoShortcutRepeats) {
    std::map<std::string, std::string> seen;
    for (const MenuRow& r : menuRows()) {
        if (r.kind == RowKind::Separator || r.kind == RowKind::RecentFiles) continue;
        EXPECT_FALSE(menuHint(r).empty()) << r.caption;
        EXPECT_FALSE(r.handler.empty()) << r.caption;
        // Every key of the row ("Ctrl+U; Ctrl+Z" holds two).
        for (std::string_view keys = r.shortcut; !keys.empty();) {
            const size_t end = keys.find("; ");
            const std::string key(keys.substr(0, end));
            keys = end == std::string_view::npos ? std::string_view() : keys.substr(end + 2);
            auto [it, fresh] = seen.emplace(key, std::string(r.caption));
            EXPECT_TRUE(fresh) << key << " on both " << it->second << " and " << r.caption;
        }
    }
    EXPECT_GE(seen.size(), 50u);
}

TEST(CommandTable, EveryButtonRunsACommandOfTheMenu) {
    std::set<std::string_view> bars;
    for (const ToolbarInfo& t : toolbarInfo()) bars.insert(t.component);
    for (const ButtonRow& b : buttonRows()) {
        EXPECT_TRUE(bars.count(b.toolbar)) << b.toolbar;
        EXPECT_NE(findMenuRow(b.handler), nullptr) << b.hint << " runs " << b.handler;
    }
}

TEST(CommandTable, ToolbarsHoldTheirButtonsInOrder) {
    EXPECT_EQ(hintsOf("SpeedBar"),
              (std::vector<std::string>{"New Document", "New from Template", "Home Page Wizard",
                                        "Open an Existing Document", "Open the Project Window",
                                        "Save Current Document", "Print Current Document", "Preview HTML",
                                        "Undo Last Action", "Cut Selected Text", "Copy Selected Text",
                                        "Paste Contents of Clipboard", "Tile Windows", "Cascade Windows",
                                        "Arrange Icons", "Show / Hide Edit Toolbar", "Show / Hide Tags Toolbar",
                                        "Show / Hide Formatting Toolbar", "Show / Hide List Toolbar",
                                        "Show / Hide Table Toolbar", "Show / Hide Forms Toolbar", "Help Contents"}));
    EXPECT_EQ(hintsOf("Tagsbar").size(), 20u);
    EXPECT_EQ(hintsOf("Tagsbar").front(), "Display Plug Ins");
    EXPECT_EQ(hintsOf("Tagsbar").back(), "Send Mail to Me");
    EXPECT_EQ(hintsOf("FormattingBar"),
              (std::vector<std::string>{"Heading Level 1", "Heading Level 2", "Heading Level 3", "Heading Level 4",
                                        "Heading Level 5", "Heading Level 6", "Bold", "Italics", "Font Size Tag",
                                        "Center", "Line Break", "Paragraph Marker", "Horizontal Rule"}));
    EXPECT_EQ(hintsOf("TableToolBar"), (std::vector<std::string>{"Table Wizard", "Table Definition", "Table Row",
                                                                 "Table Heading", "Table Data"}));
    EXPECT_EQ(hintsOf("FormToolBar").size(), 10u);

    // The toggle buttons are labelled as on the old bar and toggle the View items.
    std::vector<std::string> toggles;
    for (const ButtonRow& b : buttonRows())
        if (b.kind == ButtonKind::Toggle) {
            toggles.emplace_back(b.label);
            EXPECT_EQ(findMenuRow(b.handler)->kind, RowKind::Check);
        }
    EXPECT_EQ(toggles, (std::vector<std::string>{"Edit", "Tag", "Fmt", "List", "Tbl", "Frm"}));
}

TEST(CommandTable, ButtonsOfTheFormattingBarRunTheirMenuTags) {
    // "P" runs "Paragraph Marker with End"; "-C-" centres.
    for (const ButtonRow& b : buttonRows()) {
        if (b.label == "P") {
            EXPECT_EQ(findMenuRow(b.handler)->caption, "&Paragraph Marker with End");
        }
        if (b.label == "-C-") {
            EXPECT_EQ(findMenuRow(b.handler)->startText, "<CENTER>");
        }
    }
}

TEST(CommandTable, MenuHintFallsBackToButtonThenTexts) {
    // A tag item with a button takes the button's hint; one without names its texts.
    EXPECT_EQ(menuHint(row("&Insert|&Font Styles", "&Bold")), "Bold");
    EXPECT_EQ(menuHint(row("&Insert|&Font Styles", "S&trong")), "Insert <STRONG> ... </STRONG>");
    EXPECT_EQ(menuHint(row("&Insert|&Lists", "&List Item")), "List Item");
    EXPECT_EQ(menuHint(row("&Insert|&Java Applet", "&Parameter")),
              "Insert <PARAM NAME=\"AppletAttribute\" VALUE=\"Value\">");
}

TEST(CommandTable, StripAccel) {
    EXPECT_EQ(stripAccel("Open P&roject Window ..."), "Open Project Window ...");
    EXPECT_EQ(stripAccel("Tom && Jerry"), "Tom & Jerry");
    EXPECT_EQ(stripAccel("&"), "");
}

TEST(CommandTable, OddRowsCarryTheirTextsAsWritten) {
    const MenuRow& frame = row("&Insert|F&rame Sets", "Frame - Non &Resizeable (Full)");
    EXPECT_EQ(frame.startText,
              "<FRAME SRC=\"\" NAME=\"\" MARGINWIDTH=\"\" MARGINHEIGHT=\"\" SCROLLING=\"YES\" NORESIZE>");
    EXPECT_EQ(frame.endText, "<-- END OF FRAME -->");
    EXPECT_EQ(row("&Insert|F&rame Sets", "FrameSet &Declaration (Full)").startText, "<FRAMESET ROWS=\"\" COLS=\"\">");
    const MenuRow& full = row("&Insert|&Images", "Full &Netscape Declaration");
    EXPECT_EQ(full.startText, "<IMG SRC=\"");
    EXPECT_EQ(full.endText, "\" ALT=\"\" WIDTH=value HEIGHT=value BORDER=0 ALIGN=TOP VSPACE=value HSPACE=value>");
    EXPECT_EQ(row("&Insert|&Java Applet", "Java &Extended (without Prompts)").startText,
              "<APPLET CODEBASE=\"\" CODE=\"\" ALT=\"\" NAME=\"\" WIDTH= HEIGHT= ALIGN= VSPACE= HSPACE=>");
    EXPECT_EQ(row("&Insert|HTML St&ructures", "Document Body w/ Bac&kground").startText,
              "<BODY BACKGROUND=\"\" BGCOLOR=\"#rrggbb\" TEXT=\"#rrggbb\" LINK=\"#rrggbb\" VLINK=\"#rrggbb\" "
              "ALINK=\"#rrggbb\">");
    // Both paragraph markers insert "<P>" alone.
    EXPECT_EQ(row("&Insert|Para&graph Format", "&Paragraph Marker").startText, "<P>");
    EXPECT_EQ(row("&Insert|Para&graph Format", "&Paragraph Marker").endText, "");
}

TEST(CommandTable, RowsThatDependOnTheSelectionHoldBothPairs) {
    struct Expect {
        const char* path;
        const char* caption;
        const char* selStart;
        const char* selEnd;
        const char* start;
        const char* end;
    };
    const Expect rows[] = {
        {"&Insert", "A&nchor", "<A NAME=", "></NAME>", "<A NAME=Anchor_Name", "></NAME>"},
        {"&Insert|&URL Link", "&Simple", "<A HREF=\"", "\">description_here</A>", "<A HREF=\"your link here",
         "\">description_here</A>"},
        {"&Insert|&Images", "&Simple", "<IMG SRC=\"", "\" ALT=\"\">", "<IMG SRC=\"your image",
         "\" ALT=\"Text Version\">"},
        {"&Insert|&Mail To", "&Simple", "<A HREF=\"MailTo:", "\">YourName</A>",
         "<A HREF=\"MailTo:your.name@your.domain\"> ", "Your_Name</A>"},
        {"Wi&zards|&Shortcuts", "Last U&pdated", "<i>Last Updated by {User Name}", " on {Date}.</i>",
         "<i>Last Updated by {User Name}", " on {Date}.</i>"},
        {"Wi&zards|&Shortcuts", "My &Company Name", "<STRONG>{Organisation}", "</STRONG>", "<STRONG>{Organisation}",
         "</STRONG>"},
    };
    for (const Expect& e : rows) {
        SCOPED_TRACE(e.caption);
        const MenuRow& r = row(e.path, e.caption);
        EXPECT_EQ(r.kind, RowKind::StateTag);
        EXPECT_EQ(r.startText, e.selStart);
        EXPECT_EQ(r.endText, e.selEnd);
        EXPECT_EQ(r.plainStart, e.start);
        EXPECT_EQ(r.plainEnd, e.end);
    }
}

TEST(CommandTable, ListsBarHintsAreAsWritten) {
    EXPECT_EQ(hintsOf("ListToolBar"),
              (std::vector<std::string>{"Ordered List", "UnOrdered List", "Definition List", "Directory List",
                                        "Menu List", "List Item", "Ordered List", "Term Definition"}));
    // The DT menu item keeps a hint that names its own tag.
    EXPECT_EQ(menuHint(row("&Insert|&Lists", "Definintion &Term")), "Definition Term");
    for (const ButtonRow& b : buttonRows()) {
        if (b.label == "DT") {
            EXPECT_EQ(b.handler, "DefinintionTerm1Click");
        }
    }
}
