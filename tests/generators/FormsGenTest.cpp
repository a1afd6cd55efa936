// The Forms wizard's generators: every element's exact text, the clipboard
// form of each kind, the box-line rules and the form definition reader.

#include <gtest/gtest.h>

#include <filesystem>

#include "FormsGen.h"
#include "TestSupport.h"

using namespace formsgen;

namespace {

struct Case {
    const char* what;
    Element got;
    Send send;
    const char* start;
    const char* body;
    const char* end;
};

}  // namespace

TEST(FormsGen, EveryElementIsBuiltExactly) {
    const std::vector<std::string> noLines;
    const Case cases[] = {
        // The page defaults.
        {"form", formDeclaration(kMethods[0], kDefaultActionUrl, kDefaultMime), Send::Pair,
         "<FORM METHOD=\"POST\" ACTION=\"http://\" ENCTYPE=\"application/x-www-form-urlencoded\">", "", "</FORM>"},
        {"submit", submitButton("SUBMIT", ""), Send::Pair, "<INPUT TYPE=SUBMIT VALUE=\"SUBMIT\">", "", ""},
        {"reset", resetButton("RESET"), Send::Pair, "<INPUT TYPE=\"RESET\" VALUE=\"RESET\">", "", ""},
        {"text field", textField("NAME", "", 50, 50), Send::Pair,
         "<INPUT TYPE=TEXT NAME=\"NAME\" VALUE=\"\" SIZE=\"50\" MAXLENGTH=\"50\">", "", ""},
        {"text box", textBox("NAME", noLines, 3, 50), Send::Split, "<TEXTAREA NAME=\"NAME\" ROWS=3 COLS=50>", "",
         "</TEXTAREA>"},
        {"radio", optionButton("NAME", "", false, Align::Left), Send::Pair,
         "<INPUT TYPE=\"RADIO\" NAME=\"NAME\" VALUE=\"\" ALIGN=left>", "", ""},
        {"select", selectList("NAME", 1, false, {"Option 1"}), Send::Split, "<SELECT NAME=\"NAME\" SIZE=1 >",
         "<OPTION>Option 1", "</SELECT>"},
        // Changed fields.
        {"GET, own action and type", formDeclaration(kMethods[1], "/cgi/x?a=1&b=\"2\"", "text/plain"), Send::Pair,
         "<FORM METHOD=\"GET\" ACTION=\"/cgi/x?a=1&b=\"2\"\" ENCTYPE=\"text/plain\">", "", "</FORM>"},
        {"submit with a name", submitButton("SUBMIT", "go"), Send::Pair,
         "<INPUT TYPE=SUBMIT VALUE=\"SUBMIT\" NAME=\"go\">", "", ""},
        {"blank name is a name", submitButton("", " "), Send::Pair, "<INPUT TYPE=SUBMIT VALUE=\"\" NAME=\" \">", "",
         ""},
        {"size and length differ", textField("q", " a <b> ", 240, 1), Send::Pair,
         "<INPUT TYPE=TEXT NAME=\"q\" VALUE=\" a <b> \" SIZE=\"1\" MAXLENGTH=\"240\">", "", ""},
        {"box lines keep their breaks", textBox("t", {"one", "", "three "}, 1, 240), Send::Split,
         "<TEXTAREA NAME=\"t\" ROWS=1 COLS=240>", "one\n\nthree ", "</TEXTAREA>"},
        {"check box, centre", optionButton("NAME", "yes", true, Align::Centre), Send::Pair,
         "<INPUT TYPE=\"CHECKBOX\" NAME=\"NAME\" VALUE=\"yes\" ALIGN=center>", "", ""},
        {"radio, right", optionButton("r", "v", false, Align::Right), Send::Pair,
         "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"v\" ALIGN=right>", "", ""},
        {"multiple", selectList("s", 4, true, {"a", "", "c"}), Send::Split, "<SELECT NAME=\"s\" SIZE=4 MULTIPLE >",
         "<OPTION>a<OPTION><OPTION>c", "</SELECT>"},
        {"empty list", selectList("s", 1, false, {}), Send::Split, "<SELECT NAME=\"s\" SIZE=1 >", "", "</SELECT>"},
        {"predefined", predefinedForm({"<P>", "", "x"}), Send::Direct, "", "<P>\n\nx\n", ""},
        {"predefined, empty", predefinedForm({}), Send::Direct, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.got.send, c.send);
        EXPECT_EQ(c.got.start, c.start);
        EXPECT_EQ(c.got.body, c.body);
        EXPECT_EQ(c.got.end, c.end);
    }
}

TEST(FormsGen, TheClipboardGetsTheWholeElement) {
    const struct {
        Element e;
        const char* text;
    } cases[] = {
        {formDeclaration("\"POST\"", "u", "m"), "<FORM METHOD=\"POST\" ACTION=\"u\" ENCTYPE=\"m\">\n</FORM>"},
        {resetButton("R"), "<INPUT TYPE=\"RESET\" VALUE=\"R\">"},
        {textBox("t", {"a", "b"}, 3, 50), "<TEXTAREA NAME=\"t\" ROWS=3 COLS=50>a\nb</TEXTAREA>"},
        {selectList("s", 1, false, {"x", "y"}), "<SELECT NAME=\"s\" SIZE=1 ><OPTION>x<OPTION>y</SELECT>"},
        {predefinedForm({"a", "b"}), "a\nb\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(clipboardText(c.e), c.text);
}

TEST(FormsGen, SampleQuestionnaireHasSevenLinesWithTheMiddleOnesIndented) {
    const std::vector<std::string> s = sampleQuestionnaire();
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[0], "<H1>My Questionnaire</H1>");
    EXPECT_EQ(s[1].rfind("<FORM METHOD=\"POST\" ACTION=\"", 0), 0u);
    EXPECT_EQ(s[1].substr(s[1].size() - 2), "\">");
    EXPECT_EQ(s[3], "  Your Address:<BR><TEXTAREA NAME=\"addr\" cols=50 rows=5></TEXTAREA><P><BR>");
    EXPECT_EQ(s[5], "  <INPUT VALUE=\"SUBMIT\" TYPE=SUBMIT> <INPUT VALUE=\"RESET\" TYPE=RESET>");
    EXPECT_EQ(s[6], "</FORM><P>");
    for (size_t i = 2; i <= 5; ++i) EXPECT_EQ(s[i].substr(0, 3).find_first_not_of(' '), 2u) << s[i];
}

TEST(FormsGen, BoxTextSplitsIntoLines) {
    const struct {
        const char* text;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},           {"a", {"a"}},
        {"a\n", {"a"}},     {"a\r\nb", {"a", "b"}},
        {"\n", {""}},       {"a\n\nb\n\n", {"a", "", "b", ""}},
        {" x \r", {" x "}},
    };
    for (const auto& c : cases) EXPECT_EQ(textLines(c.text), c.lines) << c.text;
}

TEST(FormsGen, FormDefinitionFileIsReadAsLinesOrRefused) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("f.qfd"), "<FORM>\r\n  <P>\xe9\r\n\r\n</FORM>");
    const DefinitionFile ok = readFormDefinition(dir.file("f.qfd").string());
    EXPECT_EQ(ok.error, 0);
    EXPECT_EQ(ok.lines, (std::vector<std::string>{"<FORM>", "  <P>\xe9", "", "</FORM>"}));

    for (const std::filesystem::path& bad : {dir.file("missing.qfd"), dir.path()}) {
        const DefinitionFile r = readFormDefinition(bad.string());
        EXPECT_NE(r.error, 0) << bad;
        EXPECT_FALSE(r.reason.empty());
        EXPECT_TRUE(r.lines.empty());
    }
}
