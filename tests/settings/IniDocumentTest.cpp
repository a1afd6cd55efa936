// The profile-file rules on bytes in memory: lenient reads, and rewrites
// that keep every line the caller did not change.

#include <gtest/gtest.h>

#include "IniDocument.h"

namespace {

// Byte strings with NULs inside.
template <std::size_t N>
std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

const std::string kMessy =
    "; leading comment\r\n"
    "stray line before any section\r\n"
    "[Tags]\r\n"
    "  Case = Upper  \r\n"
    "Stay Selected=Y\r\n"
    "this line has no equals sign\r\n"
    "=no key\r\n"
    "[broken header\r\n"
    "Empty=\r\n"
    "case=lower\r\n"
    "\r\n"
    "[tags]\r\n"
    "Other=in second copy\r\n"
    "[Editor]\rTab Size=8\nWord Wrap=1";  // lone CR, bare LF, no final line end

TEST(IniDocument, ReadsLenientlyIgnoringMalformedLines) {
    const IniDocument doc = IniDocument::parse(kMessy);
    EXPECT_EQ(doc.value("TAGS", "case"), "Upper");  // names ignore case, values are trimmed
    EXPECT_EQ(doc.value("Tags", "Stay Selected"), "Y");
    EXPECT_EQ(doc.value("Tags", "Empty"), "");      // present but empty is not absent
    EXPECT_EQ(doc.value("Tags", "Missing"), std::nullopt);
    EXPECT_EQ(doc.value("Tags", "Other"), std::nullopt);  // only the first copy of a section counts
    EXPECT_EQ(doc.value("Editor", "Tab Size"), "8");
    EXPECT_EQ(doc.value("Editor", "Word Wrap"), "1");
    EXPECT_EQ(doc.value("Nowhere", "Case"), std::nullopt);
    // Malformed lines give no keys; a repeated key is listed once.
    EXPECT_EQ(doc.keys("tags"), (std::vector<std::string>{"Case", "Stay Selected", "Empty"}));
}

TEST(IniDocument, SerializesTheParsedBytesUnchanged) {
    EXPECT_EQ(IniDocument::parse(kMessy).serialize(), kMessy);
    const std::string nulBytes = bytes("\xEF\xBB\xBF[A]\r\nkey=va\0lue\r\n");
    const IniDocument doc = IniDocument::parse(nulBytes);
    EXPECT_EQ(doc.serialize(), nulBytes);
    // The header behind the byte-order mark is found; NUL is an ordinary byte.
    EXPECT_EQ(doc.value("A", "key"), bytes("va\0lue"));
}

TEST(IniDocument, SetReplacesInPlaceAndKeepsEverythingElse) {
    IniDocument doc = IniDocument::parse(kMessy);
    doc.set("tags", "CASE", "Lower");
    std::string expected = kMessy;
    expected.replace(expected.find("  Case = Upper  "), 16, "Case=Lower");  // the key keeps its spelling
    EXPECT_EQ(doc.serialize(), expected);
}

TEST(IniDocument, NewKeyGoesAfterTheLastEntryOfItsSection) {
    IniDocument doc = IniDocument::parse("[A]\r\nx=1\r\n; about B\r\n\r\n[B]\r\ny=2\r\n");
    doc.set("a", "z", "3");
    EXPECT_EQ(doc.serialize(), "[A]\r\nx=1\r\nz=3\r\n; about B\r\n\r\n[B]\r\ny=2\r\n");

    IniDocument emptySection = IniDocument::parse("[A]\n[B]\n");
    emptySection.set("B", "k", "v");
    emptySection.set("A", "k", "v");
    EXPECT_EQ(emptySection.serialize(), "[A]\nk=v\n[B]\nk=v\n");
}

TEST(IniDocument, NewSectionIsAppendedAfterABlankLine) {
    IniDocument doc = IniDocument::parse("[A]\r\nx=1");  // no final line end
    doc.set("New One", "k", "v");
    EXPECT_EQ(doc.serialize(), "[A]\r\nx=1\r\n\r\n[New One]\r\nk=v\r\n");

    IniDocument fresh;
    fresh.set("S", "k", "v");
    EXPECT_EQ(fresh.serialize(), "[S]\r\nk=v\r\n");  // new files use CR LF
}

TEST(IniDocument, FileWithBareLineFeedsStaysThatWay) {
    IniDocument doc = IniDocument::parse("[A]\nx=1\n");
    doc.set("A", "y", "2");
    doc.set("B", "z", "3");
    EXPECT_EQ(doc.serialize(), "[A]\nx=1\ny=2\n\n[B]\nz=3\n");
}

TEST(IniDocument, LineBreaksAndNulInWrittenTextBecomeSpaces) {
    IniDocument doc = IniDocument::parse("[A]\r\nx=1\r\n");
    doc.set("A", "path", bytes("one\r\n[Evil]\nkey=two\0three"));
    doc.set("A\nB", "k\rl", "v");
    const IniDocument reread = IniDocument::parse(doc.serialize());
    EXPECT_EQ(reread.value("A", "path"), "one  [Evil] key=two three");
    EXPECT_EQ(reread.value("A B", "k l"), "v");
    EXPECT_EQ(reread.value("Evil", "key"), std::nullopt);
    EXPECT_EQ(reread.keys("A"), (std::vector<std::string>{"x", "path"}));
}

TEST(IniDocument, EmptyKeyChangesNothing) {
    IniDocument doc = IniDocument::parse("[A]\r\n");
    doc.set("A", "  ", "v");
    EXPECT_EQ(doc.serialize(), "[A]\r\n");
}

}  // namespace
