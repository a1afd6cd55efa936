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

// The pages' defaults and the wizard's fields are checked through the
// dialog (FormsWizardTest); here the quoting and the field texts at their edges.
TEST(FormsGen, ElementsCopyFieldsUnchangedWithTheirOwnQuoting) {
    const Case cases[] = {
        {"GET, own action and type", formDeclaration(kMethods[1], "/cgi/x?a=1&b=\"2\"", "text/plain"), Send::Pair,
         "<FORM METHOD=\"GET\" ACTION=\"/cgi/x?a=1&b=\"2\"\" ENCTYPE=\"text/plain\">", "", "</FORM>"},
        {"blank name is a name", submitButton("", " "), Send::Pair, "<INPUT TYPE=SUBMIT VALUE=\"\" NAME=\" \">", "",
         ""},
        {"size and length differ", textField("q", " a <b> ", 240, 1), Send::Pair,
         "<INPUT TYPE=TEXT NAME=\"q\" VALUE=\" a <b> \" SIZE=\"1\" MAXLENGTH=\"240\">", "", ""},
        {"box lines keep their breaks", textBox("t", {"one", "", "three "}, 1, 240), Send::Split,
         "<TEXTAREA NAME=\"t\" ROWS=1 COLS=240>", "one\n\nthree ", "</TEXTAREA>"},
        {"radio, right", optionButton("r", "v", false, Align::Right), Send::Pair,
         "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"v\" ALIGN=right>", "", ""},
        {"empty option", selectList("s", 4, true, {"a", "", "c"}), Send::Split,
         "<SELECT NAME=\"s\" SIZE=4 MULTIPLE >", "<OPTION>a<OPTION><OPTION>c", "</SELECT>"},
        {"predefined", predefinedForm({"<P>", "", "x"}), Send::Direct, "", "<P>\n\nx\n", ""},
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
        {resetButton("R"), "<INPUT TYPE=\"RESET\" VALUE=\"R\">"},
        {textBox("t", {"a", "b"}, 3, 50), "<TEXTAREA NAME=\"t\" ROWS=3 COLS=50>a\nb</TEXTAREA>"},
        {selectList("s", 1, false, {"x", "y"}), "<SELECT NAME=\"s\" SIZE=1 ><OPTION>x<OPTION>y</SELECT>"},
        {predefinedForm({"a", "b"}), "a\nb\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(clipboardText(c.e), c.text);
}

TEST(FormsGen, SampleQuestionnaireIsAFormOfSevenLines) {
    const std::vector<std::string> s = sampleQuestionnaire();
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[1].rfind("<FORM METHOD=\"POST\" ACTION=\"", 0), 0u);
    EXPECT_EQ(s[6], "</FORM><P>");
    for (size_t i = 2; i <= 5; ++i) EXPECT_EQ(s[i].find_first_not_of(' '), 2u) << s[i];
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
