// InsertTag on real document windows: insertion at the caret, wrapping a
// selection, the tag case, the last tag pair, pnlTag and the status text.

#include <QDateTime>
#include <QLocale>

#include "CommandTable.h"
#include "EditPositions.h"
#include "ETextEditError.h"
#include "TagCommands.h"
#include "TagInsertion.h"
#include "TagTestSupport.h"

namespace {

int caretColumn(const TTextEditControl& c, int* line = nullptr) {
    int column = 0;
    const int l = c.GetCaret(column);
    if (line) *line = l;
    return column;
}

}  // namespace

TEST_F(TagCommandTest, BoldAtTheCaretLeavesTheCaretBetweenTheTags) {
    TTextEditControl& c = newDocument("ab");
    c.SetCaret(1, 2);
    main->runCommand("Bold1Click");
    EXPECT_EQ(textOf(c), "a<B></B>b");
    EXPECT_EQ(caretColumn(c), 5);
    EXPECT_FALSE(c.HasSelection());
    EXPECT_TRUE(c.Modified());
    EXPECT_EQ(tagPanel(), "<B> : </B>");
    EXPECT_EQ(status(), "Ready ...");
    EXPECT_EQ(lastTagPair().start, "<B>");
    EXPECT_EQ(lastTagPair().end, "</B>");
}

TEST_F(TagCommandTest, WrappingAWordSelectsItAgainOrLeavesTheCaretAfterTheStartTag) {
    TTextEditControl& c = newDocument("one word here");
    c.SelectRange(1, 5, 1, 9);
    main->runCommand("Bold1Click");
    EXPECT_EQ(textOf(c), "one <B>word</B> here");
    EXPECT_EQ(selected(c), "word");
    EXPECT_EQ(caretColumn(c), 12);
    // Wrapping reports nothing: the first status text stays, pnlTag is untouched.
    EXPECT_EQ(status(), "Adding Command ...");
    EXPECT_EQ(tagPanel(), "");
    EXPECT_EQ(lastTagPair().start, "<B>");

    setSetting("Tags", "Stay Selected", "N");
    TTextEditControl& d = newDocument("one word here");
    d.SelectRange(1, 5, 1, 9);
    main->runCommand("Italics1Click");
    EXPECT_EQ(textOf(d), "one <I>word</I> here");
    EXPECT_FALSE(d.HasSelection());
    EXPECT_EQ(caretColumn(d), 8);
}

TEST_F(TagCommandTest, ASelectionOverTwoLinesGetsTheTagsOnItsFirstAndLastLine) {
    TTextEditControl& c = newDocument("first line\r\nsecond line");
    c.SelectRange(1, 7, 2, 7);
    main->runCommand("Strong1Click");
    EXPECT_EQ(textOf(c), "first <STRONG>line\nsecond</STRONG> line");
    EXPECT_EQ(selected(c), "line\r\nsecond");
    int line = 0;
    EXPECT_EQ(caretColumn(c, &line), 7);
    EXPECT_EQ(line, 2);
}

TEST_F(TagCommandTest, CaseSettingChangesAsciiLettersOfBothTexts) {
    setSetting("Tags", "Case", "L");
    TTextEditControl& c = newDocument();
    main->runCommand("Size1Click");
    EXPECT_EQ(textOf(c), "<font size=n></font>");
    EXPECT_EQ(lastTagPair().start, "<font size=n>");
    EXPECT_EQ(tagPanel(), "<font size=n> : </font>");

    setSetting("Tags", "Case", "U");
    TTextEditControl& d = newDocument();
    main->runCommand("Simple1Click");  // URL Link > Simple, no selection
    EXPECT_EQ(textOf(d), "<A HREF=\"YOUR LINK HERE\">DESCRIPTION_HERE</A>");

    // Only ASCII letters change; "W" (and anything else) keeps the texts.
    EXPECT_EQ(applyTagCase(QStringLiteral("<p title=\"é\">Straße"), "U"), QStringLiteral("<P TITLE=\"é\">STRAßE"));
    EXPECT_EQ(applyTagCase(QStringLiteral("<Ä Bc>"), "L"), QStringLiteral("<Ä bc>"));
    setSetting("Tags", "Case", "W");
    TTextEditControl& e = newDocument();
    main->runCommand("LastUpdated1Click");
    EXPECT_EQ(textOf(e).substr(0, 17), "<i>Last Updated b");
}

TEST_F(TagCommandTest, EveryTagRowInsertsItsOwnPair) {
    TTextEditControl& c = newDocument();
    for (const commands::MenuRow& row : commands::menuRows()) {
        if (row.kind != commands::RowKind::Tag) continue;
        SCOPED_TRACE(std::string(row.handler));
        c.ClearAll();
        main->runCommand(row.handler);
        EXPECT_EQ(textOf(c), std::string(row.startText) + std::string(row.endText));
        EXPECT_EQ(c.editor().caret().pos.value, int(row.startText.size()) + 1);
    }
}

TEST_F(TagCommandTest, RepeatLastTagBeforeAnyInsertionInsertsNothing) {
    TTextEditControl& c = newDocument("text");
    main->runCommand("RepeatLastTag1Click");
    EXPECT_EQ(textOf(c), "text");
    EXPECT_TRUE(c.Modified());
    EXPECT_EQ(tagPanel(), " : ");

    main->runCommand("HeadingLevel12Click");
    c.SetCaret(1, 1);
    main->runCommand("RepeatLastTag1Click");
    EXPECT_EQ(textOf(c), "<H1 ALIGN=LEFT></H1><H1 ALIGN=LEFT></H1>text");
}

TEST_F(TagCommandTest, WithoutADocumentOnlyTheStatusChanges) {
    setLastTagPair(QStringLiteral("<X>"), QStringLiteral("</X>"));
    main->runCommand("Bold1Click");
    EXPECT_EQ(status(), "Adding Command ...");
    EXPECT_EQ(lastTagPair().start, "<X>");
    EXPECT_EQ(tagPanel(), "");
    EXPECT_FALSE(HasSelection(*main));
}

TEST_F(TagCommandTest, AFailedInsertionStillSettlesTheDocumentAndTheStatus) {
    TTextEditControl& c = newDocument();
    c.editor().store().setParaLengthLimit(8);
    EXPECT_THROW(InsertTag(*main, &c, QStringLiteral("<BLOCKQUOTE>"), QStringLiteral("</BLOCKQUOTE>")),
                 qm::ETextEditError);
    EXPECT_TRUE(c.Modified());
    EXPECT_EQ(status(), "Ready ...");
    EXPECT_EQ(tagPanel(), "<BLOCKQUOTE> : </BLOCKQUOTE>");
}

// With word wrap on, display columns move whenever a wrap point does; the
// places must come out as paragraph positions say.
TEST_F(TagCommandTest, WrapPointsInsideTheTextsDoNotShiftCaretOrSelection) {
    TTextEditControl& c = newDocument("aaaa bbbb cccc dddd eeee");
    wrapAt(c, 8);
    ASSERT_GT(c.LineCount(), 1);
    // "cccc dddd" straddles a wrap point before and after wrapping.
    editpos::select(c, {qm::ParaNum(1), qm::ParaPos(11)}, {qm::ParaNum(1), qm::ParaPos(20)});
    ASSERT_EQ(selected(c), "cccc dddd");
    int startLine = 0, startColumn = 0, endLine = 0, endColumn = 0;
    ASSERT_TRUE(c.GetSelection(startLine, startColumn, endLine, endColumn));
    ASSERT_LT(startLine, endLine);
    main->runCommand("BlockQuote1Click");
    EXPECT_EQ(textOf(c), "aaaa bbbb <BLOCKQUOTE>cccc dddd</BLOCKQUOTE> eeee");
    EXPECT_EQ(selected(c), "cccc dddd");
    ASSERT_TRUE(c.GetSelection(startLine, startColumn, endLine, endColumn));
    EXPECT_LT(startLine, endLine);

    // At the caret: the end text wraps onto the next line; the caret still
    // stands right after the start text.
    TTextEditControl& d = newDocument("xxxxxxxx");
    wrapAt(d, 12);
    d.SetCaret(1, 9);
    main->runCommand("FrameAbbr1Click");
    ASSERT_GT(d.LineCount(), 1);
    EXPECT_EQ(textOf(d), "xxxxxxxx<FRAME><-- END OF FRAME -->");
    EXPECT_EQ(d.editor().caret().pos.value, 16);
}

TEST_F(TagCommandTest, StartTextsWithLineBreaksReselectTheWrappedText) {
    TTextEditControl& c = newDocument("say hi now");
    c.SelectRange(1, 5, 1, 7);
    InsertTag(*main, &c, QStringLiteral("<P>\r\n<B>"), QStringLiteral("</B>"));
    EXPECT_EQ(textOf(c), "say <P>\n<B>hi</B> now");
    EXPECT_EQ(selected(c), "hi");
}

TEST_F(TagCommandTest, UserDetailRowsTakeTheStoredDetails) {
    setSetting("Application Header", "User Name", "Ann Lee");
    setSetting("Application Header", "EMail", "ann@example.org");
    setSetting("Application Header", "Home Page", "http://ann.example.org/");
    setSetting("Application Header", "Organisation", "Lee & {Date} Ltd");
    TTextEditControl& c = newDocument();
    main->runCommand("MailtoMe1Click");
    EXPECT_EQ(textOf(c), "<A HREF=\"MailTo:ann@example.org\">Ann Lee</A>");
    c.ClearAll();
    main->runCommand("SendMailtoMe1Click");
    EXPECT_EQ(textOf(c), "<A HREF=\"MailTo:ann@example.org\"> Send mail to Ann Lee</A>");
    c.ClearAll();
    main->runCommand("LinktomyHomePage1Click");
    EXPECT_EQ(textOf(c), "<A HREF=\"http://ann.example.org/\"> Home Page</A>");
    c.ClearAll();
    // The user's own text goes in as written, field names included.
    main->runCommand("MyCompanyName1Click");
    EXPECT_EQ(textOf(c), "<STRONG>Lee & {Date} Ltd</STRONG>");
}

TEST(LastUpdatedDate, FollowsThePatternWithLocaleNames) {
    const QLocale locale = QLocale::system();
    const QDateTime afternoon(QDate(2026, 12, 7), QTime(14, 5));
    EXPECT_EQ(lastUpdatedDate(afternoon), locale.dayName(1) + ", 7 " + locale.monthName(12) + ", 2026 at 2:05 PM");
    const QDateTime midnight(QDate(2027, 3, 21), QTime(0, 30));
    EXPECT_EQ(lastUpdatedDate(midnight), locale.dayName(7) + ", 21 " + locale.monthName(3) + ", 2027 at 12:30 AM");
    const QDateTime noon(QDate(2027, 3, 21), QTime(12, 0));
    EXPECT_TRUE(lastUpdatedDate(noon).endsWith(" at 12:00 PM"));
}
