// FindTagPair, the Goto commands with their messages, and bookmarks per
// document, on real document windows.

#include "Navigation.h"
#include "TagTestSupport.h"

namespace {

int caretLine(const TTextEditControl& c, int* column = nullptr) {
    int col = 0;
    const int line = c.GetCaret(col);
    if (column) *column = col;
    return line;
}

}  // namespace

TEST_F(TagCommandTest, NextUrlWalksTheLinksThenSaysTheEndIsReached) {
    TTextEditControl& c = newDocument(
        "<P>See <A HREF=\"a.html\">A</A> and\r\n<a href=\"b.html\">B</a> too.");
    main->runCommand("NextURL1Click");
    EXPECT_EQ(selected(c), "<A HREF=\"a.html\">A</A>");
    main->runCommand("NextURL1Click");
    EXPECT_EQ(selected(c), "<a href=\"b.html\">B</a>");
    EXPECT_TRUE(prompter->texts().isEmpty());
    main->runCommand("NextURL1Click");
    EXPECT_EQ(prompter->lastText(), "End of Document Reached : No URLs Found !");
    EXPECT_EQ(selected(c), "<a href=\"b.html\">B</a>");
    EXPECT_EQ(status(), "Ready ...");
}

TEST_F(TagCommandTest, DeclarationsAreFoundFromTheTopAndOnlyTheStartTagIsSelected) {
    TTextEditControl& c = newDocument("<HTML><HEAD><TITLE>T</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\ntext</BODY>");
    c.SetCaret(3, 5);
    main->runCommand("BodySection1Click");
    EXPECT_EQ(selected(c), "<BODY BGCOLOR=\"#FFFFFF\">");
    main->runCommand("TitleDeclaration1Click");
    EXPECT_EQ(selected(c), "<TITLE>");
    main->runCommand("TitleSection1Click");
    EXPECT_EQ(selected(c), "<HEAD>");
    EXPECT_TRUE(prompter->texts().isEmpty());
}

TEST_F(TagCommandTest, MatchingIgnoresCase) {
    TTextEditControl& c = newDocument("x <img src=\"p.gif\"> <table><tr></tr></TABLE>");
    main->runCommand("NextImage1Click");
    EXPECT_EQ(selected(c), "<img src=\"p.gif\">");
    main->runCommand("NextTable1Click");
    EXPECT_EQ(selected(c), "<table><tr></tr></TABLE>");
}

TEST_F(TagCommandTest, AStartWithoutItsEndStaysSelectedAndTheMessageIsShown) {
    TTextEditControl& c = newDocument("<FORM ACTION=\"x\"> no end");
    main->runCommand("NextForm1Click");
    EXPECT_EQ(selected(c), "<FORM");
    EXPECT_EQ(prompter->lastText(), "End of Document Reached : No Forms Found !");
}

TEST_F(TagCommandTest, GotoWithoutADocumentShowsTheMessage) {
    main->runCommand("TitleSection1Click");
    EXPECT_EQ(prompter->lastText(), "No HEAD Section Found !");
    EXPECT_FALSE(FindTagPair(*main, QStringLiteral("<A"), QStringLiteral(">"), true));
    EXPECT_EQ(status(), "Ready ...");
}

TEST_F(TagCommandTest, AWrapPointInsideTheMatchDoesNotMoveTheSelectionStart) {
    TTextEditControl& c = newDocument("text text <A HREF=\"somewhere.html\">go</A> more");
    wrapAt(c, 14);
    ASSERT_GT(c.LineCount(), 2);
    main->runCommand("NextURL1Click");
    EXPECT_EQ(selected(c), "<A HREF=\"somewhere.html\">go</A>");
}

TEST_F(TagCommandTest, BookmarksReturnToTheirPlaceAndBelongToTheirDocument) {
    TTextEditControl& first = newDocument("line one\r\nline two\r\nline three");
    first.SetCaret(2, 3);
    main->runCommand("N34Click");  // Set Bookmark > 3
    first.SetCaret(3, 1);
    first.InsertText(std::string_view("typed "));
    main->runCommand("N35Click");  // Goto Bookmark > 3
    int column = 0;
    EXPECT_EQ(caretLine(first, &column), 2);
    EXPECT_EQ(column, 3);
    // Marker 4 was never set: the caret stays.
    main->runCommand("N42Click");
    EXPECT_EQ(caretLine(first, &column), 2);
    EXPECT_EQ(column, 3);

    TTextEditControl& second = newDocument("other\r\ndocument\r\nhere");
    second.SetCaret(3, 2);
    main->runCommand("N35Click");
    EXPECT_EQ(caretLine(second, &column), 3);
    EXPECT_EQ(column, 2);
}
