// The pick-list windows on the wired main window: shown by their commands,
// double-click and press on a list, the colour chooser and the placement
// kept in quilopt.ini.

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "DocumentFixture.h"
#include "IniFile.h"
#include "Paths.h"
#include "TTextEditControl.h"
#include "TagInsertion.h"
#include "TfColorChooser.h"
#include "TfHTML.h"
#include "TfPickList.h"

namespace {

class PickListWindowTest : public DocumentTest {
protected:
    // A wired main window with one document holding `text`, active.
    TTextEditControl& startWithDocument(const char* text) {
        main = startWired();
        main->runCommand("FileNew");
        TfHTML* doc = activeHtmlDocument(*main);
        EXPECT_NE(doc, nullptr);
        TTextEditControl& c = *doc->txtHTML();
        c.ClearAll();
        c.InsertText(text);
        return c;
    }
    TfPickList* shown(const char* handler, const QString& caption) {
        main->runCommand(handler);
        for (auto* w : main->findChildren<TfPickList*>())
            if (w->windowTitle() == caption) return w->isVisible() ? w : nullptr;
        return nullptr;
    }
    std::string text() const { return textOf(activeHtmlDocument(*main)); }

    std::unique_ptr<TmdiMain> main;
};

QListWidgetItem* itemStarting(QListWidget* list, const QString& start) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(start + u'\t') || list->item(i)->text() == start) return list->item(i);
    return nullptr;
}

void doubleClick(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    // QTest's double-click is the second click alone: press once first.
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

TEST_F(PickListWindowTest, EachCommandShowsItsListOnTop) {
    startWithDocument("");
    struct Case {
        const char* handler;
        QString caption, listName, hint;
        int minEntries;
    } cases[] = {
        {"HTMLTagsChooser1Click", "HTML Tags", "lstHTML", "Double Click or Drag & Drop to Insert HTML Tag", 80},
        {"Symbol1Click", "Symbols", "lSym", "Double Click or Drag & Drop to Insert Symbol", 100},  // symbols.web
        {"URLLibrary1Click", "URL Library", "lstURL", "Double Click or Drag & Drop to Insert URL", 0},
    };
    for (const Case& c : cases) {
        TfPickList* w = shown(c.handler, c.caption);
        ASSERT_NE(w, nullptr) << c.handler;
        EXPECT_EQ(w->list()->objectName(), c.listName);
        EXPECT_EQ(w->list()->toolTip(), c.hint);
        EXPECT_GE(w->list()->count(), c.minEntries) << c.handler;
        EXPECT_TRUE(w->keepOnTop() && w->keepOnTopItem()->isChecked());
        w->close();
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(shown(c.handler, c.caption), w) << "made once, shown again";
    }
}

TEST_F(PickListWindowTest, DoubleClickInsertsThroughTagInsertion) {
    TTextEditControl& c = startWithDocument("one word");
    TfPickList* tags = shown("HTMLTagsChooser1Click", "HTML Tags");
    ASSERT_NE(tags, nullptr);
    struct Case {
        QString entry;
        std::string want;
    } cases[] = {
        {"<!--", "one <!--word-->"},  // the comment wraps the selection
        {"<BR>", "one <BR>word"},     // nothing after the selection
    };
    for (const Case& k : cases) {
        c.ClearAll();
        c.InsertText("one word");
        c.SelectRange(1, 5, 1, 9);
        doubleClick(tags->list(), itemStarting(tags->list(), k.entry));
        EXPECT_EQ(text(), k.want) << k.entry.toStdString();
    }
    EXPECT_EQ(lastTagPair().start, "<BR>");
}

TEST_F(PickListWindowTest, ListsInsertWhatTheirKindTakes) {
    startWithDocument("");
    qmtest::writeFile(paths::dataFile("library.fil"), "<A HREF=\"b.html\">b</A>\r\n<A HREF=\"a.html\">a</A>\r\n");
    TfPickList* urls = shown("URLLibrary1Click", "URL Library");
    ASSERT_NE(urls, nullptr);
    ASSERT_EQ(urls->entries(), (QStringList{"<A HREF=\"a.html\">a</A>", "<A HREF=\"b.html\">b</A>"}));
    doubleClick(urls->list(), urls->list()->item(1));
    TfPickList* symbols = shown("Symbol1Click", "Symbols");
    doubleClick(symbols->list(), itemStarting(symbols->list(), "&copy;"));
    EXPECT_EQ(text(), "<A HREF=\"b.html\">b</A>&copy;");
}

TEST_F(PickListWindowTest, APressOnASelectedEntrySetsTheLastTagPairForTheDrop) {
    startWithDocument("x");
    TfPickList* tags = shown("HTMLTagsChooser1Click", "HTML Tags");
    QListWidgetItem* item = itemStarting(tags->list(), "<TT>");
    tags->list()->scrollToItem(item);
    QTest::mousePress(tags->list()->viewport(), Qt::RightButton, {}, tags->list()->visualItemRect(item).center());
    EXPECT_EQ(lastTagPair().start, "<TT>");
    EXPECT_EQ(lastTagPair().end, "</TT>");
    QTest::mouseRelease(tags->list()->viewport(), Qt::RightButton, {}, tags->list()->visualItemRect(item).center());
    // The document window receiving the drop inserts that pair.
    activeHtmlDocument(*main)->AcceptDrop();
    EXPECT_EQ(text(), "x<TT></TT>");  // at the caret, not where the mouse let go
}

TEST_F(PickListWindowTest, MissingSymbolsFileKeepsTheBuiltInList) {
    std::filesystem::remove(paths::dataFile("symbols.web"));
    startWithDocument("");
    TfPickList* symbols = shown("Symbol1Click", "Symbols");
    EXPECT_EQ(symbols->list()->count(), 74);
}

TEST_F(PickListWindowTest, KeepOnTopTogglesAndPlacementIsKept) {
    startWithDocument("");
    TfPickList* tags = shown("HTMLTagsChooser1Click", "HTML Tags");
    tags->keepOnTopItem()->trigger();
    EXPECT_FALSE(tags->keepOnTop());
    EXPECT_TRUE(tags->isVisible()) << "still shown after the flag change";
    tags->move(140, 90);
    tags->close();
    const std::string place = IniFile("quilopt.ini").ReadString("HTML Tags", "FORM_PLACE", "");
    EXPECT_FALSE(place.empty());
    tags->move(0, 0);
    main->runCommand("HTMLTagsChooser1Click");
    EXPECT_EQ(tags->pos(), QPoint(140, 90));
}

TEST_F(PickListWindowTest, ColorChooserShowsGridAndDialogColoursAndInsertsTheField) {
    startWithDocument("");
    main->runCommand("ColorChooser1Click");
    auto* cc = main->findChild<TfColorChooser*>();
    ASSERT_TRUE(cc && cc->isVisible());
    EXPECT_EQ(cc->txtCl->text(), "#FFFFFF");
    int blue = -1;
    for (int i = 0; i < TfColorChooser::kCells; ++i)
        if (TfColorChooser::cellColor(i) == 0xFF0000) blue = i;
    ASSERT_GE(blue, 0) << "pure blue in the grid";
    QTest::mouseClick(cc->cell(blue), Qt::LeftButton);
    EXPECT_EQ(cc->txtCl->text(), "#0000FF");
    prompter->answerColor(0x00FF80);  // red 0x80, green 0xFF
    cc->btnMore->click();
    EXPECT_EQ(cc->txtCl->text(), "#80FF00");
    cc->btnInsert->click();
    EXPECT_EQ(text(), "#80FF00");
}
