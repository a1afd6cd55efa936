#include "CommandTable.h"

#include <array>

namespace commands {

namespace {

constexpr MenuRow cmd(std::string_view path, std::string_view caption, std::string_view shortcut,
                      std::string_view hint, std::string_view handler) {
    return {path, caption, shortcut, hint, {}, {}, handler, RowKind::Command, false};
}

constexpr MenuRow tag(std::string_view path, std::string_view caption, std::string_view shortcut,
                      std::string_view start, std::string_view end, std::string_view handler) {
    return {path, caption, shortcut, {}, start, end, handler, RowKind::Tag, false};
}

// A tag row whose menu item carries its own hint.
constexpr MenuRow tagHint(std::string_view path, std::string_view caption, std::string_view hint,
                          std::string_view start, std::string_view end, std::string_view handler) {
    return {path, caption, {}, hint, start, end, handler, RowKind::Tag, false};
}

// Texts that differ with a selection: (selStart, selEnd) wrap it, (start, end)
// go in at the caret. Rows built from the user's details give the same pair
// twice.
constexpr MenuRow stateTag(std::string_view path, std::string_view caption, std::string_view hint,
                           std::string_view selStart, std::string_view selEnd, std::string_view start,
                           std::string_view end, std::string_view handler) {
    return {path, caption, {}, hint, selStart, selEnd, handler, RowKind::StateTag, false, start, end};
}
constexpr MenuRow userTag(std::string_view path, std::string_view caption, std::string_view hint,
                          std::string_view start, std::string_view end, std::string_view handler) {
    return stateTag(path, caption, hint, start, end, start, end, handler);
}

constexpr MenuRow check(std::string_view path, std::string_view caption, std::string_view hint,
                        std::string_view handler, bool checked) {
    return {path, caption, {}, hint, {}, {}, handler, RowKind::Check, checked};
}

constexpr MenuRow sep(std::string_view path) { return {path, {}, {}, {}, {}, {}, {}, RowKind::Separator, false}; }

constexpr std::string_view kFile = "&File";
constexpr std::string_view kEdit = "&Edit";
constexpr std::string_view kGoto = "&Edit|&Goto";
constexpr std::string_view kInsert = "&Insert";
constexpr std::string_view kWizards = "Wi&zards";
constexpr std::string_view kShortcuts = "Wi&zards|&Shortcuts";
constexpr std::string_view kTools = "&Tools";
constexpr std::string_view kSetMark = "&Tools|&Set Bookmark";
constexpr std::string_view kGotoMark = "&Tools|&Goto Bookmark";
constexpr std::string_view kView = "&View";
constexpr std::string_view kOptions = "&Options";
constexpr std::string_view kWindow = "&Window";
constexpr std::string_view kHelp = "&Help";

constexpr std::array kTopMenus{kFile, kEdit, kInsert, kWizards, kTools, kView, kOptions, kWindow, kHelp};

// Insert-menu submenus.
constexpr std::string_view kAlign = "&Insert|&Alignment";
constexpr std::string_view kFont = "&Insert|&Font Styles";
constexpr std::string_view kForms = "&Insert|&Forms";
constexpr std::string_view kFrames = "&Insert|F&rame Sets";
constexpr std::string_view kHead = "&Insert|&Headings";
constexpr std::string_view kHeadA = "&Insert|Headings - &Aligned";
constexpr std::string_view kRule = "&Insert|Hori&zontal Line";
constexpr std::string_view kStruct = "&Insert|HTML St&ructures";
constexpr std::string_view kImages = "&Insert|&Images";
constexpr std::string_view kJava = "&Insert|&Java Applet";
constexpr std::string_view kLists = "&Insert|&Lists";
constexpr std::string_view kMail = "&Insert|&Mail To";
constexpr std::string_view kPara = "&Insert|Para&graph Format";
constexpr std::string_view kTable = "&Insert|&Table Elements";
constexpr std::string_view kUrl = "&Insert|&URL Link";

// Two actions sharing a key are ambiguous in Qt and neither would fire, so
// each key has one owner. Ctrl+F7 and Ctrl+F3 belong to Tools > Set Bookmark
// (the nine bookmark keys stay one series with Goto Bookmark's
// Ctrl+Shift+F1..F9); Check Spelling has no key and Find Again moves to
// Shift+F3. Ctrl+N, Ctrl+W, Ctrl+Q, Ctrl+Shift+S, Ctrl+Y, Ctrl+A and Undo's
// Ctrl+Z are the keys Linux desktops use for these commands; each was free.
constexpr MenuRow kMenu[] = {
    // File
    cmd(kFile, "&New Document", "Ctrl+N", "Create a new document from the default template", "FileNew"),
    cmd(kFile, "New from &Template ...", "", "Create a new document from a template", "NewfromTemplate1Click"),
    cmd(kFile, "New &Home Page ...", "", "Build a new home page with the Home Page Wizard", "NewHomePage1Click"),
    sep(kFile),
    cmd(kFile, "&Open Document(s) ...", "Ctrl+O", "Open an existing file", "FileOpen"),
    cmd(kFile, "Open P&roject Window ...", "F2", "Open the Project Window", "OpenProjectWindow1Click"),
    cmd(kFile, "&Close", "Ctrl+W", "Close the current document", "FileCloseChild"),
    cmd(kFile, "Close &All", "", "Close every open document", "CloseAll1Click"),
    sep(kFile),
    cmd(kFile, "&Save", "Ctrl+S", "Save the current document", "FileSave"),
    cmd(kFile, "Save &As...", "Ctrl+Shift+S", "Save the current document under a new name", "FileSaveAs"),
    cmd(kFile, "Sav&e Open as New Project ...", "", "Save the open documents as a new project",
        "SaveOpenasNewProject1Click"),
    sep(kFile),
    cmd(kFile, "&Print", "Ctrl+P", "Print the current document", "FilePrint"),
    cmd(kFile, "Pr&int Setup...", "", "Choose and set up the printer", "FilePrintSetup"),
    cmd(kFile, "Print Pre&view ...", "", "Print preview", "PrintPreview1Click"),
    sep(kFile),
    cmd(kFile, "&Web Preview ...", "F9", "Preview the current document as a web page", "WebPreview1Click"),
    sep(kFile),
    {kFile, {}, {}, {}, {}, {}, "MRUOpenChild", RowKind::RecentFiles, false},
    cmd(kFile, "E&xit", "Ctrl+Q", "Save the settings and leave Quillmar", "FileExit"),

    // Edit
    cmd(kEdit, "&Undo", "Ctrl+U; Ctrl+Z", "Undo the last action", "EditUndo"),
    cmd(kEdit, "&Redo", "Ctrl+Y", "Redo the last undone action", "EditRedoClick"),
    sep(kEdit),
    cmd(kEdit, "Cu&t", "Ctrl+X", "Cut the selected text to the clipboard", "EditCut"),
    cmd(kEdit, "&Copy", "Ctrl+C", "Copy the selected text to the clipboard", "EditCopy"),
    cmd(kEdit, "&Paste", "Ctrl+V", "Paste the contents of the clipboard", "EditPaste"),
    cmd(kEdit, "&Delete", "Ctrl+Del", "Delete the selected text", "EditDelete"),
    cmd(kEdit, "C&lear", "", "Remove all text from the document", "EditClear"),
    cmd(kEdit, "Select &All", "Ctrl+A", "Select the whole document", "EditSelectAll"),
    sep(kEdit),
    cmd(kEdit, "Repeat &Last Tag", "F4", "Insert the last tag again", "RepeatLastTag1Click"),
    cmd(kEdit, "Check &Spelling ...", "", "Check the spelling of the document", "CheckSpelling1Click"),
    sep(kEdit),
    cmd(kEdit, "Go to Li&ne ...", "", "Move the caret to a line of the file", "EditGotoLine"),
    {kEdit, "&Goto", "Ctrl+G", "Find a part of the document", {}, {}, "GotoMenu", RowKind::Submenu, false},
    cmd(kGoto, "&Head Section", "", "Select the HEAD section", "TitleSection1Click"),
    cmd(kGoto, "&Title Declaration", "", "Select the document title", "TitleDeclaration1Click"),
    cmd(kGoto, "&Body Declaration", "", "Select the BODY declaration", "BodySection1Click"),
    cmd(kGoto, "Next &URL", "", "Select the next link", "NextURL1Click"),
    cmd(kGoto, "Next &Mailto URL", "", "Select the next mail link", "NextMailtoURL1Click"),
    cmd(kGoto, "Next T&able", "", "Select the next table", "NextTable1Click"),
    cmd(kGoto, "Next &Form", "", "Select the next form", "NextForm1Click"),
    cmd(kGoto, "Next &Image", "", "Select the next image", "NextImage1Click"),
    cmd(kGoto, "Next &Java Applet", "", "Select the next Java applet", "NextJavaApplet1Click"),
    cmd(kGoto, "Next &List Item", "", "Select the next list item", "NextListItem1Click"),
    cmd(kGoto, "Last U&pdated Section", "", "Select the next Last Updated line", "LastUpdatedSection1Click"),
    cmd(kGoto, "Mat&ching Tag", "Ctrl+M", "Move to the partner of the tag at the caret", "MatchingTag1Click"),

    // Insert
    tag(kAlign, "&Center Paragraph ", "", "<CENTER>", "</CENTER>", "Center1Click"),
    stateTag(kInsert, "A&nchor", "Insert an anchor", "<A NAME=", "></NAME>", "<A NAME=Anchor_Name", "></NAME>",
             "Anchor1Click"),
    tag(kFont, "&Size ", "", "<FONT SIZE=n>", "</FONT>", "Size1Click"),
    tag(kFont, "&Bold", "Ctrl+B", "<B>", "</B>", "Bold1Click"),
    tag(kFont, "&Emphasis", "", "<EM>", "</EM>", "Emphasis1Click"),
    tag(kFont, "&Italics", "Ctrl+I", "<I>", "</I>", "Italics1Click"),
    tag(kFont, "S&trong", "", "<STRONG>", "</STRONG>", "Strong1Click"),
    tag(kFont, "&Underline", "Ctrl+Shift+U", "<U>", "</U>", "Underline1Click"),
    tag(kFont, "&Address", "", "<ADDRESS>", "</ADDRESS>", "Address1Click"),
    tag(kFont, "Bli&nk", "", "<BLINK>", "</BLINK>", "Blink1Click"),
    tag(kFont, "Block &Quote", "", "<BLOCKQUOTE>", "</BLOCKQUOTE>", "BlockQuote1Click"),
    tag(kFont, "&Citation", "", "<CITE>", "</CITE>", "Citation1Click"),
    tag(kFont, "Co&de", "", "<CODE>", "</CODE>", "Code1Click"),
    tag(kFont, "&Keyboard", "", "<KBD>", "</KBD>", "Keyboard1Click"),
    tag(kFont, "&Preformatted Text", "", "<PRE>", "</PRE>", "PreformattedText1Click"),
    tag(kFont, "Pre&formatted Text with Width", "", "<PRE WIDTH=\"80\">", "</PRE>",
        "PreformattedTextwithWidth1Click"),
    tag(kFont, "Sa&mple", "", "<SAMP>", "</SAMP>", "Sample1Click"),
    tag(kFont, "&Variable", "", "<VAR>", "</VAR>", "Varibale1Click"),
    tag(kForms, "&Form Declare", "", "<FORM METHOD=\"POST\" ACTION=\"http://\">", "</FORM>", "btnFormClick"),
    tag(kForms, "Text &Input Line", "", "<INPUT TYPE=\"TEXT\" NAME=\"\" VALUE=\"\" MAXLENGTH=50>", "",
        "btnFTextClick"),
    tag(kForms, "&Text Area", "", "<TEXTAREA NAME=\"\" ROWS=\"\" COLS=\"\">", "</TEXTAREA>", "btnFMultiClick"),
    tag(kForms, "&Check Box", "", "<INPUT TYPE=\"CHECKBOX\" NAME=\"\" VALUE=\"\" ALIGN=Left>", "", "btnCheckClick"),
    tag(kForms, "&Radio Style Button", "", "<INPUT TYPE=\"RADIO\" NAME=\"\" VALUE=\"\" ALIGN=Left>", "",
        "btnRadioClick"),
    tag(kForms, "R&eset Button", "", "<INPUT TYPE=\"RESET\" VALUE=\"Reset\">", "", "btnResetClick"),
    tag(kForms, "Su&bmit Button", "", "<INPUT TYPE=\"SUBMIT\" VALUE=\"Submit\">", "", "btnsubClick"),
    tag(kForms, "&Option", "", "<OPTION>", "", "btnOptionClick"),
    tag(kForms, "&Select Options Area", "", "<SELECT NAME=\"\" SIZE=\"\" MULTIPLE>", "</SELECT>", "btnSelectClick"),
    tag(kFrames, "Frame&Set Declaration (Abbr)", "", "<FRAMESET>", "</FRAMESET>", "FrameSetDeclarationAbbr1Click"),
    tag(kFrames, "FrameSet &Declaration (Full)", "", "<FRAMESET ROWS=\"\" COLS=\"\">", "</FRAMESET>",
        "FrameSetDeclarationFull1Click"),
    tag(kFrames, "&Frame (Abbr)", "", "<FRAME>", "<-- END OF FRAME -->", "FrameAbbr1Click"),
    tag(kFrames, "Fra&me (Full)", "",
        "<FRAME SRC=\"\" NAME=\"\" MARGINWIDTH=\"\" MARGINHEIGHT=\"\" SCROLLING=\"YES\">", "<-- END OF FRAME -->",
        "FrameFull1Click"),
    tag(kFrames, "Frame - Non &Resizeable (Full)", "",
        "<FRAME SRC=\"\" NAME=\"\" MARGINWIDTH=\"\" MARGINHEIGHT=\"\" SCROLLING=\"YES\" NORESIZE>",
        "<-- END OF FRAME -->", "FrameNonResizeableFull1Click"),
    tag(kFrames, "&No Frame Option", "", "<NOFRAMES>", "</NOFRAMES>", "NoFrameOption1Click"),
    tag(kHead, "Heading Level &1", "Ctrl+Shift+1", "<H1>", "</H1>", "HeadingLevel1Click"),
    tag(kHead, "Heading Level &2", "Ctrl+Shift+2", "<H2>", "</H2>", "HeadingLevel21Click"),
    tag(kHead, "Heading Level &3", "Ctrl+Shift+3", "<H3>", "</H3>", "HeadingLevel31Click"),
    tag(kHead, "Heading Level &4", "Ctrl+Shift+4", "<H4>", "</H4>", "HeadingLevel41Click"),
    tag(kHead, "Heading Level &5", "Ctrl+Shift+5", "<H5>", "</H5>", "HeadingLevel51Click"),
    tag(kHead, "Heading Level &6", "Ctrl+Shift+6", "<H6>", "</H6>", "HeadingLevel61Click"),
    tag(kHeadA, "Heading Level &1", "Ctrl+Alt+1", "<H1 ALIGN=LEFT>", "</H1>", "HeadingLevel12Click"),
    tag(kHeadA, "Heading Level &2", "Ctrl+Alt+2", "<H2 ALIGN=LEFT>", "</H2>", "HeadingLevel22Click"),
    tag(kHeadA, "Heading Level &3", "Ctrl+Alt+3", "<H3 ALIGN=LEFT>", "</H3>", "HeadingLevel32Click"),
    tag(kHeadA, "Heading Level &4", "Ctrl+Alt+4", "<H4 ALIGN=LEFT>", "</H4>", "HeadingLevel42Click"),
    tag(kHeadA, "Heading Level &5", "Ctrl+Alt+5", "<H5 ALIGN=LEFT>", "</H5>", "HeadingLevel52Click"),
    tag(kHeadA, "Heading Level &6", "Ctrl+Alt+6", "<H6 ALIGN=LEFT>", "</H6>", "HeadingLevel62Click"),
    tag(kRule, "&Horizontal Line", "Ctrl+H", "<HR>", "", "HorizontalLine1Click"),
    tag(kRule, "Hori&zontal Line with Size", "Ctrl+Shift+H", "<HR SIZE=n>", "", "HorizontalLinewithSize1Click"),
    tag(kStruct, "&Document Type", "", "<!DOCTYPE HTML PUBLIC ", "\"-//IETF//DTD HTML//EN//3.0\">",
        "DocumentType1Click"),
    tag(kStruct, "H&TML", "", "<HTML>", "</HTML>", "HTML1Click"),
    tag(kStruct, "Document &Header", "", "<HEAD>", "</HEAD>", "Body1Click"),
    tag(kStruct, "Document &Title", "", "<TITLE>", "</TITLE>", "DocumentTitle1Click"),
    tag(kStruct, "Document &Body", "", "<BODY>", "</BODY>", "Body2Click"),
    tag(kStruct, "Document Body w/ Bac&kground", "",
        "<BODY BACKGROUND=\"\" BGCOLOR=\"#rrggbb\" TEXT=\"#rrggbb\" LINK=\"#rrggbb\" VLINK=\"#rrggbb\" "
        "ALINK=\"#rrggbb\">",
        "</BODY>", "DocumentBodywBackground1Click"),
    sep(kStruct),
    cmd(kStruct, "Body Wi&zard ...", "", "Compose the BODY declaration with the Body Wizard", "BodyWizard1Click"),
    stateTag(kImages, "&Simple", "Insert an Image", "<IMG SRC=\"", "\" ALT=\"\">", "<IMG SRC=\"your image",
             "\" ALT=\"Text Version\">", "Simple2Click"),
    cmd(kImages, "&Pick ...", "", "Pick an image with the Image Browser", "Pick2Click"),
    tag(kImages, "As an Image &Map", "", "<IMG SRC=\"", "\" ALT=\"\" ISMAP>", "AsanImageMap1Click"),
    tag(kImages, "Full &Netscape Declaration", "", "<IMG SRC=\"",
        "\" ALT=\"\" WIDTH=value HEIGHT=value BORDER=0 ALIGN=TOP VSPACE=value HSPACE=value>",
        "FullNetscapeDeclaration1Click"),
    cmd(kJava, "Java Wizard ...", "", "Build an applet with the Java Wizard", "JavaWizard1Click"),
    tag(kJava, "&Java Simple", "", "<APPLET CODE=\"MyApplet.class\" WIDTH=100 HEIGHT=110>", "</APPLET>",
        "JavaSimple1Click"),
    tag(kJava, "Java &Extended (without Prompts)", "",
        "<APPLET CODEBASE=\"\" CODE=\"\" ALT=\"\" NAME=\"\" WIDTH= HEIGHT= ALIGN= VSPACE= HSPACE=>", "</APPLET>",
        "JavaExtendedwithoutPrompts1Click"),
    tag(kJava, "Java E&xtended (with Prompts)", "",
        "<APPLET CODEBASE=\"CodeBaseURL\" CODE=\"AppletFile\" ALT=\"AlternateText\" NAME=\"AppletInstanceName\" "
        "WIDTH=pixels HEIGHT=pixels ALIGN=Alignment VSPACE=pixels HSPACE=pixels>",
        "</APPLET>", "JavaExtended1Click"),
    tag(kJava, "&Parameter", "", "<PARAM NAME=\"AppletAttribute\" VALUE=\"Value\">", "", "Parameter1Click"),
    tag(kLists, "&Definition List", "", "<DL>", "</DL>", "DefinitionList1Click"),
    tag(kLists, "Di&rectory", "", "<DIR>", "</DIR>", "Directory1Click"),
    tag(kLists, "&Menu", "", "<MENU>", "</MENU>", "Menu1Click"),
    tag(kLists, "&Ordered List", "", "<OL>", "</OL>", "OrderedList1Click"),
    tag(kLists, "&Unordered List", "", "<UL>", "</UL>", "UnorderedList1Click"),
    tag(kLists, "&List Item", "", "<LI>", "", "ListItem1Click"),
    tagHint(kLists, "Definintion &Term", "Definition Term", "<DT>", "</DT>", "DefinintionTerm1Click"),
    tag(kLists, "Term De&finition", "", "<DD>", "</DD>", "Definition1Click"),
    stateTag(kMail, "&Simple", "Insert a MailTo link", "<A HREF=\"MailTo:", "\">YourName</A>",
             "<A HREF=\"MailTo:your.name@your.domain\"> ", "Your_Name</A>", "Simple3Click"),
    userTag(kMail, "&Mail to Me (User Name)", "Insert a link that sends mail to you",
            "<A HREF=\"MailTo:{EMail}\">", "{User Name}</A>", "MailtoMe1Click"),
    tag(kPara, "Line &Break", "", "<BR>", "", "LineBreak1Click"),
    tag(kPara, "&Paragraph Marker", "", "<P>", "", "ParagraphMarker1Click"),
    tag(kPara, "&Paragraph Marker with End", "", "<P>", "", "ParagraphMarkerwithEnd1Click"),
    tag(kTable, "&Table", "", "<TABLE>", "</TABLE>", "TableClick"),
    tag(kTable, "&Row", "", "<TR>", "</TR>", "TRClick"),
    tag(kTable, "Row &Header", "", "<TH>", "</TH>", "THClick"),
    tag(kTable, "Row &Data", "", "<TD>", "</TD>", "TDClick"),
    stateTag(kUrl, "&Simple", "Insert a URL link", "<A HREF=\"", "\">description_here</A>",
             "<A HREF=\"your link here", "\">description_here</A>", "Simple1Click"),
    cmd(kUrl, "&Pick from Library ...", "", "Pick a link from the URL Library", "URLLibrary1Click"),
    cmd(kUrl, "&URL Wizard ...", "", "Build a link with the URL Wizard", "URLWizardShow"),
    tag(kInsert, "Mar&k as Comment", "", "<!--", "-->", "MarkasComment1Click"),
    sep(kInsert),
    cmd(kInsert, "&Symbol ...", "", "Insert a symbol", "Symbol1Click"),
    cmd(kInsert, "Ma&cro ...", "", "Insert a macro", "Macro1Click"),
    cmd(kInsert, "Text Fi&le ...", "", "Insert a text file at the caret", "InsertFile1Click"),

    // Wizards
    userTag(kShortcuts, "Send &Mail to Me (URL)", "Insert a link that sends mail to you",
            "<A HREF=\"MailTo:{EMail}\"> ", "Send mail to {User Name}</A>", "SendMailtoMe1Click"),
    userTag(kShortcuts, "Link to my &Home Page (URL)", "Insert a link to your home page",
            "<A HREF=\"{Home Page}\"> ", "Home Page</A>", "LinktomyHomePage1Click"),
    userTag(kShortcuts, "My &Company Name", "Insert your organisation's name", "<STRONG>{Organisation}",
            "</STRONG>", "MyCompanyName1Click"),
    userTag(kShortcuts, "Last U&pdated", "Insert Last Updated String", "<i>Last Updated by {User Name}",
            " on {Date}.</i>", "LastUpdated1Click"),
    tag(kShortcuts, "&Small Font", "", "<FONT SIZE=\"1\">", "</FONT>", "SmallFont1Click"),
    tag(kShortcuts, "&Big Characters", "", "<FONT SIZE=\"+4\"><B>", "</B></FONT>", "BigCharacters1Click"),
    sep(kWizards),
    cmd(kWizards, "&Image Wizard", "", "Pick an image with the Image Browser", "Pick2Click"),
    cmd(kWizards, "URL &Library", "", "Show the URL Library", "URLLibrary1Click"),
    cmd(kWizards, "&URL Wizard", "", "Build a link with the URL Wizard", "URLWizardShow"),
    cmd(kWizards, "&Body Wizard", "", "Compose the BODY declaration", "BodyWizard1Click"),
    cmd(kWizards, "&Java Wizard", "", "Build a Java applet declaration", "JavaWizard1Click"),
    cmd(kWizards, "Client Side Image &Map Wizard", "", "Client side image maps", "ClientSideImageMapWizard1Click"),
    cmd(kWizards, "&Forms Wizard", "", "Build forms and form elements", "FormsWizard1Click"),
    cmd(kWizards, "&Home Page Wizard", "", "Build a new home page", "NewHomePage1Click"),
    cmd(kWizards, "&Table Wizard", "", "Lay out a table", "TableWizard1Click"),
    sep(kWizards),
    cmd(kWizards, "&Netscape Extensions ...", "", "Netscape extensions", "NetscapeExtensions1Click"),
    cmd(kWizards, "HTML &3 Extensions ...", "", "HTML 3 extensions", "HTML3Extensions1Click"),
    cmd(kWizards, "Internet &Explorer Extensions ...", "", "Background sound and scrolling text",
        "InternetExplorerExtensions1Click"),

    // Tools
    cmd(kTools, "&Color Chooser ...", "F7", "Color Chooser", "ColorChooser1Click"),
    cmd(kTools, "HTML &Tags Chooser", "F3", "Display the HTML Tag Chooser", "HTMLTagsChooser1Click"),
    cmd(kTools, "&Plug Ins ..", "F10", "Display Plug Ins", "PlugIns1Click"),
    sep(kTools),
    cmd(kTools, "Convert HTML to Te&xt ...", "", "Removes all Tags from current Document", "ExportasText1Click"),
    cmd(kTools, "Grab &URLs", "", "Copy URLs in this document to the URL Library", "GrabURLs1Click"),
    cmd(kTools, "&Import URLs from Netscape", "", "Import the links of the browser's bookmark file",
        "ImportURLsfromNetscape1Click"),
    sep(kTools),
    cmd(kTools, "Quillmar &File Tools", "", "Show the File Tools", "FileTools1Click"),
    cmd(kTools, "Display &Note Pad", "F5", "Show Notepad", "DisplayNotePad1Click"),
    sep(kTools),
    cmd(kTools, "Define &Macros ...", "", "Define your macros", "DefineMacros1Click"),
    cmd(kTools, "&Expand Macros Now !", "", "Expand the macros of the current document", "ExpandMacrosNow1Click"),
    sep(kTools),
    cmd(kSetMark, "&1", "Ctrl+F1", "Set bookmark 1 at the caret", "N110Click"),
    cmd(kSetMark, "&2", "Ctrl+F2", "Set bookmark 2 at the caret", "N210Click"),
    cmd(kSetMark, "&3", "Ctrl+F3", "Set bookmark 3 at the caret", "N34Click"),
    cmd(kSetMark, "&4", "Ctrl+F4", "Set bookmark 4 at the caret", "N41Click"),
    cmd(kSetMark, "&5", "Ctrl+F5", "Set bookmark 5 at the caret", "N51Click"),
    cmd(kSetMark, "&6", "Ctrl+F6", "Set bookmark 6 at the caret", "N61Click"),
    cmd(kSetMark, "&7", "Ctrl+F7", "Set bookmark 7 at the caret", "N71Click"),
    cmd(kSetMark, "&8", "Ctrl+F8", "Set bookmark 8 at the caret", "N81Click"),
    cmd(kSetMark, "&9", "Ctrl+F9", "Set bookmark 9 at the caret", "N91Click"),
    cmd(kGotoMark, "&1", "Ctrl+Shift+F1", "Go to bookmark 1", "N111Click"),
    cmd(kGotoMark, "&2", "Ctrl+Shift+F2", "Go to bookmark 2", "N211Click"),
    cmd(kGotoMark, "&3", "Ctrl+Shift+F3", "Go to bookmark 3", "N35Click"),
    cmd(kGotoMark, "&4", "Ctrl+Shift+F4", "Go to bookmark 4", "N42Click"),
    cmd(kGotoMark, "&5", "Ctrl+Shift+F5", "Go to bookmark 5", "N52Click"),
    cmd(kGotoMark, "&6", "Ctrl+Shift+F6", "Go to bookmark 6", "N62Click"),
    cmd(kGotoMark, "&7", "Ctrl+Shift+F7", "Go to bookmark 7", "N72Click"),
    cmd(kGotoMark, "&8", "Ctrl+Shift+F8", "Go to bookmark 8", "N82Click"),
    cmd(kGotoMark, "&9", "Ctrl+Shift+F9", "Go to bookmark 9", "N92Click"),
    sep(kTools),
    cmd(kTools, "&Quillmar Image Tools ...", "", "Start the Quillmar Image Tools", "QuillmarImageTools1Click"),

    // View
    check(kView, "&Auto Indent", "Indent new lines like the line above", "SmartTabs1Click", true),
    check(kView, "&WordWrap", "Wrap long lines at the window's edge", "WordWrap1Click", true),
    check(kView, "Line &Numbers", "Show / Hide the file line numbers", "LineNumbers1Click", false),
    check(kView, "&Syntax Colouring", "Colour the HTML by its parts", "SyntaxColouring1Click", true),
    sep(kView),
    check(kView, "&Edit Toolbar", "Show / Hide Edit Toolbar", "FileToolbar1Click", true),
    check(kView, "&Tags Toolbar", "Show / Hide Tags Toolbar", "TagsToolbar1Click", true),
    check(kView, "&Formatting Toolbar", "Show / Hide Formatting Toolbar", "FormattingToolbar1Click", true),
    check(kView, "Tab&le Toolbar", "Show / Hide Table Toolbar", "TableToolbar1Click", true),
    check(kView, "Fo&rms Toolbar", "Show / Hide Forms Toolbar", "FormsToolbar1Click", true),
    check(kView, "&List Toolbar", "Show / Hide List Toolbar", "ListToolBarClick", true),
    sep(kView),
    check(kView, "&Document Tabs", "Show / Hide the Document Tabs", "DocumentTabs1Click", true),

    // Options
    cmd(kOptions, "&Application Options ...", "", "Set the application options", "ApplicationOptions1Click"),
    cmd(kOptions, "Set Editor &Properties ...", "", "Set the editor's colours and font", "SetEditorProperties1Click"),

    // Window (the open documents are listed below these)
    cmd(kWindow, "&Tile", "", "Tile Windows", "WindowTile"),
    cmd(kWindow, "&Cascade", "", "Cascade Windows", "WindowCascade"),
    cmd(kWindow, "&Arrange All", "", "Arrange Icons", "WindowArrange"),

    // Help
    cmd(kHelp, "&Contents", "F1", "Help Contents", "HelpContents"),
    cmd(kHelp, "&Search for Help On...", "", "Search the help for a topic", "HelpSearch"),
    cmd(kHelp, "HTML &Primer", "", "Show the HTML Primer", "HTMLPrimer1Click"),
    cmd(kHelp, "&How to Use Help", "", "How to use the help system", "HelpHowToUse"),
    sep(kHelp),
    cmd(kHelp, "&About...", "Shift+F1", "About Quillmar", "HelpAbout"),
};

constexpr ButtonRow btn(std::string_view bar, std::string_view label, std::string_view hint,
                        std::string_view handler) {
    return {bar, label, hint, handler, ButtonKind::Command};
}
constexpr ButtonRow toggle(std::string_view label, std::string_view hint, std::string_view handler) {
    return {"SpeedBar", label, hint, handler, ButtonKind::Toggle};
}

constexpr ButtonRow kButtons[] = {
    btn("SpeedBar", "New", "New Document", "FileNew"),
    btn("SpeedBar", "Tpl", "New from Template", "NewfromTemplate1Click"),
    btn("SpeedBar", "Home", "Home Page Wizard", "NewHomePage1Click"),
    btn("SpeedBar", "Open", "Open an Existing Document", "FileOpen"),
    btn("SpeedBar", "Proj", "Open the Project Window", "OpenProjectWindow1Click"),
    btn("SpeedBar", "Save", "Save Current Document", "FileSave"),
    btn("SpeedBar", "Print", "Print Current Document", "FilePrint"),
    btn("SpeedBar", "View", "Preview HTML", "WebPreview1Click"),
    btn("SpeedBar", "Undo", "Undo Last Action", "EditUndo"),
    btn("SpeedBar", "Cut", "Cut Selected Text", "EditCut"),
    btn("SpeedBar", "Copy", "Copy Selected Text", "EditCopy"),
    btn("SpeedBar", "Paste", "Paste Contents of Clipboard", "EditPaste"),
    btn("SpeedBar", "Tile", "Tile Windows", "WindowTile"),
    btn("SpeedBar", "Casc", "Cascade Windows", "WindowCascade"),
    btn("SpeedBar", "Arr", "Arrange Icons", "WindowArrange"),
    toggle("Edit", "Show / Hide Edit Toolbar", "FileToolbar1Click"),
    toggle("Tag", "Show / Hide Tags Toolbar", "TagsToolbar1Click"),
    toggle("Fmt", "Show / Hide Formatting Toolbar", "FormattingToolbar1Click"),
    toggle("List", "Show / Hide List Toolbar", "ListToolBarClick"),
    toggle("Tbl", "Show / Hide Table Toolbar", "TableToolbar1Click"),
    toggle("Frm", "Show / Hide Forms Toolbar", "FormsToolbar1Click"),
    btn("SpeedBar", "?", "Help Contents", "HelpContents"),

    btn("Tagsbar", "Plug", "Display Plug Ins", "PlugIns1Click"),
    btn("Tagsbar", "Mac", "Insert a Macro", "Macro1Click"),
    btn("Tagsbar", "Col", "Color Chooser", "ColorChooser1Click"),
    btn("Tagsbar", "Sym", "Insert Symbols", "Symbol1Click"),
    btn("Tagsbar", "Note", "Show Notepad", "DisplayNotePad1Click"),
    btn("Tagsbar", "Tags", "Display the HTML Tag Chooser", "HTMLTagsChooser1Click"),
    btn("Tagsbar", "A", "URL Link", "Simple1Click"),
    btn("Tagsbar", "Lib", "Opens the URL Library", "URLLibrary1Click"),
    btn("Tagsbar", "Grab", "Add URLs to Library", "GrabURLs1Click"),
    btn("Tagsbar", "@", "MailTo Link", "Simple3Click"),
    btn("Tagsbar", "Img", "Insert an Image", "Simple2Click"),
    btn("Tagsbar", "ImgW", "Image Wizard", "Pick2Click"),
    btn("Tagsbar", "URLW", "URL Wizard", "URLWizardShow"),
    btn("Tagsbar", "FrmW", "Forms Wizard", "FormsWizard1Click"),
    btn("Tagsbar", "TblW", "Table Wizard", "TableWizard1Click"),
    btn("Tagsbar", "Body", "Body Wizard", "BodyWizard1Click"),
    btn("Tagsbar", "Java", "Java Applet Wizard", "JavaWizard1Click"),
    btn("Tagsbar", "Upd", "Insert Last Updated String", "LastUpdated1Click"),
    btn("Tagsbar", "<!>", "Comment", "MarkasComment1Click"),
    btn("Tagsbar", "Me", "Send Mail to Me", "MailtoMe1Click"),

    btn("FormattingBar", "H1", "Heading Level 1", "HeadingLevel1Click"),
    btn("FormattingBar", "H2", "Heading Level 2", "HeadingLevel21Click"),
    btn("FormattingBar", "H3", "Heading Level 3", "HeadingLevel31Click"),
    btn("FormattingBar", "H4", "Heading Level 4", "HeadingLevel41Click"),
    btn("FormattingBar", "H5", "Heading Level 5", "HeadingLevel51Click"),
    btn("FormattingBar", "H6", "Heading Level 6", "HeadingLevel61Click"),
    btn("FormattingBar", "B", "Bold", "Bold1Click"),
    btn("FormattingBar", "I", "Italics", "Italics1Click"),
    btn("FormattingBar", "Size", "Font Size Tag", "Size1Click"),
    btn("FormattingBar", "-C-", "Center", "Center1Click"),
    btn("FormattingBar", "BR", "Line Break", "LineBreak1Click"),
    btn("FormattingBar", "P", "Paragraph Marker", "ParagraphMarkerwithEnd1Click"),
    btn("FormattingBar", "HR", "Horizontal Rule", "HorizontalLine1Click"),

    btn("ListToolBar", "OL", "Ordered List", "OrderedList1Click"),
    btn("ListToolBar", "UL", "UnOrdered List", "UnorderedList1Click"),
    btn("ListToolBar", "DL", "Definition List", "DefinitionList1Click"),
    btn("ListToolBar", "Dir", "Directory List", "Directory1Click"),
    btn("ListToolBar", "MN", "Menu List", "Menu1Click"),
    btn("ListToolBar", "LI", "List Item", "ListItem1Click"),
    // The DT button's hint really is "Ordered List" (users know the bar by
    // it); the menu item carries its own hint "Definition Term".
    btn("ListToolBar", "DT", "Ordered List", "DefinintionTerm1Click"),
    btn("ListToolBar", "DD", "Term Definition", "Definition1Click"),

    btn("TableToolBar", "TblW", "Table Wizard", "TableWizard1Click"),
    btn("TableToolBar", "Tbl", "Table Definition", "TableClick"),
    btn("TableToolBar", "TR", "Table Row", "TRClick"),
    btn("TableToolBar", "TH", "Table Heading", "THClick"),
    btn("TableToolBar", "TD", "Table Data", "TDClick"),

    btn("FormToolBar", "FrmW", "Forms Wizard", "FormsWizard1Click"),
    btn("FormToolBar", "Form", "Form Definition", "btnFormClick"),
    btn("FormToolBar", "Text", "Text Entry (Single Line)", "btnFTextClick"),
    btn("FormToolBar", "Area", "Text Entry (Multi Line)", "btnFMultiClick"),
    btn("FormToolBar", "Rad", "Radio Button", "btnRadioClick"),
    btn("FormToolBar", "Chk", "Check Box", "btnCheckClick"),
    btn("FormToolBar", "Sub", "Submit Button", "btnsubClick"),
    btn("FormToolBar", "Res", "Reset Button", "btnResetClick"),
    btn("FormToolBar", "Sel", "Select Area", "btnSelectClick"),
    btn("FormToolBar", "Opt", "Select Option", "btnOptionClick"),
};

constexpr ToolbarInfo kToolbars[] = {
    {"SpeedBar", "Edit", "Edit ToolBar", "FileToolbar1Click"},
    {"Tagsbar", "Tags", "Tags ToolBar", "TagsToolbar1Click"},
    {"FormattingBar", "Formatting", "Format ToolBar", "FormattingToolbar1Click"},
    {"ListToolBar", "Lists", "List ToolBar", "ListToolBarClick"},
    {"TableToolBar", "Tables", "Table ToolBar", "TableToolbar1Click"},
    {"FormToolBar", "Forms", "Forms ToolBar", "FormsToolbar1Click"},
};

}  // namespace

std::span<const MenuRow> menuRows() { return kMenu; }
std::span<const ButtonRow> buttonRows() { return kButtons; }
std::span<const ToolbarInfo> toolbarInfo() { return kToolbars; }
std::span<const std::string_view> topMenus() { return kTopMenus; }

std::string menuHint(const MenuRow& row) {
    if (!row.hint.empty()) return std::string(row.hint);
    for (const ButtonRow& b : kButtons)
        if (b.handler == row.handler) return std::string(b.hint);
    if (row.kind == RowKind::Tag) {
        std::string h = "Insert " + std::string(row.startText);
        if (!row.endText.empty()) h += " ... " + std::string(row.endText);
        return h;
    }
    return {};
}

const MenuRow* findMenuRow(std::string_view handler) {
    for (const MenuRow& r : kMenu)
        if (r.handler == handler && r.kind != RowKind::Separator) return &r;
    return nullptr;
}

std::string stripAccel(std::string_view caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += caption[i];
    }
    return out;
}

}  // namespace commands
