// The menu bar and toolbars as built from the command table: captions,
// shortcuts, hints, which items are enabled, and that every key reaches
// exactly its own command.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include "TDocPanel.h"
#include <map>
#include <stdexcept>

#include "CommandTable.h"
#include "MainWindowFixture.h"
#include "RecordingHooks.h"
#include "StatusLineLabel.h"

namespace {

void collect(const QList<QAction*>& actions, QList<QAction*>& out) {
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        out << a;
        if (a->menu()) collect(a->menu()->actions(), out);
    }
}

QList<QAction*> allMenuItems(TmdiMain& w) {
    QList<QAction*> out;
    collect(w.menuBar()->actions(), out);
    return out;
}

}  // namespace

TEST_F(MainWindowTest, MenuBarReadsInOrder) {
    auto w = start();
    QStringList tops;
    for (QAction* a : w->menuBar()->actions()) tops << a->text();
    EXPECT_EQ(tops, (QStringList{"&File", "&Edit", "&Insert", "Wi&zards", "&Tools", "&View", "&Options", "&Window",
                                 "&Help"}));
}

TEST_F(MainWindowTest, ItemsCarryExactCaptionsShortcutsAndHints) {
    auto w = start();
    struct Expect {
        QStringList path;
        QString shortcut;
        QString hint;
    };
    const Expect items[] = {
        {{"&File", "&Open Document(s) ..."}, "Ctrl+O", "Open an existing file"},
        {{"&File", "&Web Preview ..."}, "F9", "Preview the current document as a web page"},
        {{"&File", "&New Document"}, "Ctrl+N", "Create a new document from the default template"},
        {{"&File", "&Close"}, "Ctrl+W", "Close the current document"},
        {{"&File", "Save &As..."}, "Ctrl+Shift+S", "Save the current document under a new name"},
        {{"&File", "E&xit"}, "Ctrl+Q", "Save the settings and leave Quillmar"},
        {{"&Edit", "&Undo"}, "Ctrl+U; Ctrl+Z", "Undo the last action"},
        {{"&Edit", "&Redo"}, "Ctrl+Y", "Redo the last undone action"},
        {{"&Edit", "Select &All"}, "Ctrl+A", "Select the whole document"},
        {{"&Edit", "Go to Li&ne ..."}, "", "Move the caret to a line of the file"},
        {{"&Edit", "&Delete"}, "Ctrl+Del", "Delete the selected text"},
        {{"&Edit", "Check &Spelling ..."}, "", "Check the spelling of the document"},
        {{"&Edit", "&Goto", "Next &Mailto URL"}, "", "Select the next mail link"},
        {{"&Insert", "&Font Styles", "&Bold"}, "Ctrl+B", "Bold"},
        {{"&Insert", "Headings - &Aligned", "Heading Level &6"}, "Ctrl+Alt+6", "Insert <H6 ALIGN=LEFT> ... </H6>"},
        {{"&Insert", "&Lists", "Definintion &Term"}, "", "Definition Term"},
        {{"&Insert", "&Images", "&Pick ..."}, "", "Pick an image with the Image Browser"},
        {{"Wi&zards", "&Shortcuts", "Last U&pdated"}, "", "Insert Last Updated String"},
        {{"&Tools", "&Plug Ins .."}, "F10", "Display Plug Ins"},
        {{"&Tools", "&Set Bookmark", "&7"}, "Ctrl+F7", "Set bookmark 7 at the caret"},
        {{"&Tools", "&Goto Bookmark", "&3"}, "Ctrl+Shift+F3", "Go to bookmark 3"},
        {{"&View", "Tab&le Toolbar"}, "", "Show / Hide Table Toolbar"},
        {{"&Window", "&Arrange All"}, "", "Arrange Icons"},
        {{"&Help", "&About..."}, "Shift+F1", "About Quillmar"},
    };
    for (const Expect& e : items) {
        SCOPED_TRACE(e.path.join(" > ").toStdString());
        QAction* a = item(*w, e.path);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(QKeySequence::listToString(a->shortcuts(), QKeySequence::PortableText), e.shortcut);
        EXPECT_EQ(a->statusTip(), e.hint);
    }
    EXPECT_EQ(item(*w, {"&Edit", "&Goto"})->shortcut().toString(QKeySequence::PortableText), "Ctrl+G");
    // A menu shows one key per item by itself; Undo shows both of its keys.
    EXPECT_EQ(item(*w, {"&Edit", "&Undo"})->text(), "&Undo\tCtrl+U / Ctrl+Z");
}

TEST_F(MainWindowTest, EveryShortcutIsUniqueAndReachesItsOwnCommand) {
    auto w = start();
    std::map<QString, QString> owner;
    QList<QAction*> keyed;
    for (QAction* a : allMenuItems(*w)) {
        if (a->shortcut().isEmpty()) continue;
        for (const QKeySequence& k : a->shortcuts()) {
            const QString key = k.toString(QKeySequence::PortableText);
            auto [it, fresh] = owner.emplace(key, a->text());
            EXPECT_TRUE(fresh) << key.toStdString() << " on " << it->second.toStdString() << " and "
                               << a->text().toStdString();
        }
        if (!a->menu()) keyed << a;
    }
    ASSERT_GT(keyed.size(), 50);

    // Give every command a recording handler and press each key once.
    QString ran;
    for (QAction* a : keyed) {
        const std::string name = a->objectName().toStdString();
        w->setHandler(name, [&ran, name] { ran = QString::fromStdString(name); });
    }
    w->setTagInserter([&ran](const QString& s, const QString&) { ran = "tag " + s; });
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    for (QAction* a : keyed) {
        ran.clear();
        const QKeyCombination key = a->shortcut()[0];
        QTest::keyClick(w.get(), key.key(), key.keyboardModifiers());
        const commands::MenuRow* row = commands::findMenuRow(a->objectName().toStdString());
        ASSERT_NE(row, nullptr);
        const QString expected = row->kind == commands::RowKind::Tag
                                     ? "tag " + QString::fromUtf8(row->startText.data(), row->startText.size())
                                     : a->objectName();
        EXPECT_EQ(ran, expected) << a->shortcut().toString().toStdString();
    }
}

TEST_F(MainWindowTest, ItemsWithoutACommandAreDisabledUntilOneIsInstalled) {
    auto w = start();
    QAction* newDoc = item(*w, {"&File", "&New Document"});
    EXPECT_FALSE(newDoc->isEnabled());
    for (QAction* a : w->actionsFor("FileNew")) EXPECT_FALSE(a->isEnabled());
    int runs = 0;
    w->setHandler("FileNew", [&] { ++runs; });
    for (QAction* a : w->actionsFor("FileNew")) {
        EXPECT_TRUE(a->isEnabled());
        a->trigger();
    }
    EXPECT_EQ(runs, 2);  // the menu item and the Edit bar's button
    w->setHandler("FileNew", {});
    EXPECT_FALSE(newDoc->isEnabled());

    // Window, help and View commands are the main window's own.
    EXPECT_TRUE(item(*w, {"&Window", "&Tile"})->isEnabled());
    EXPECT_TRUE(item(*w, {"&Help", "HTML &Primer"})->isEnabled());
    EXPECT_TRUE(item(*w, {"&View", "&Edit Toolbar"})->isEnabled());
    EXPECT_TRUE(item(*w, {"&File", "E&xit"})->isEnabled());
    // The image tools are not installed beside the test program.
    EXPECT_FALSE(item(*w, {"&Tools", "&Quillmar Image Tools ..."})->isEnabled());
}

TEST_F(MainWindowTest, TagItemsAndButtonsHandTheirTextsToTheInserter) {
    auto w = start();
    QAction* bold = item(*w, {"&Insert", "&Font Styles", "&Bold"});
    EXPECT_FALSE(bold->isEnabled());
    QStringList inserted;
    w->setTagInserter([&](const QString& s, const QString& e) { inserted << s + "|" + e; });
    EXPECT_TRUE(bold->isEnabled());
    bold->trigger();
    item(*w, {"&Insert", "HTML St&ructures", "&Document Type"})->trigger();
    // The Lists bar's DT button and the Forms bar's Sub button.
    for (QAction* a : w->toolbar("ListToolBar")->actions())
        if (a->text() == "DT") a->trigger();
    for (QAction* a : w->toolbar("FormToolBar")->actions())
        if (a->text() == "Sub") a->trigger();
    EXPECT_EQ(inserted, (QStringList{"<B>|</B>", "<!DOCTYPE HTML PUBLIC |\"-//IETF//DTD HTML//EN//3.0\">", "<DT>|</DT>",
                                     "<INPUT TYPE=\"SUBMIT\" VALUE=\"Submit\">|"}));
}

TEST_F(MainWindowTest, AnExceptionInACommandIsReportedOnTheStatusLine) {
    RecordingSoundPlayer sound;
    auto w = start();
    w->setHandler("FileOpen", [] { throw std::runtime_error("disk on fire"); });
    item(*w, {"&File", "&Open Document(s) ..."})->trigger();
    EXPECT_EQ(w->statusText(), "   An Internal Error was detected and corrected.");
    EXPECT_EQ(sound.defaultSounds, 1);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(modalTitles == QStringList{"Quillmar HTML Editor"});  // no dialog
    // The program goes on: the next command runs normally.
    item(*w, {"&View", "&Tags Toolbar"})->trigger();
    EXPECT_FALSE(w->toolbar("Tagsbar")->isVisible());
}

TEST_F(MainWindowTest, HelpCommandsGoThroughTheHelpSystem) {
    RecordingHelp help;
    auto w = start();
    help.calls.clear();
    item(*w, {"&Help", "&Contents"})->trigger();
    item(*w, {"&Help", "&Search for Help On..."})->trigger();
    item(*w, {"&Help", "&How to Use Help"})->trigger();
    item(*w, {"&Help", "HTML &Primer"})->trigger();
    EXPECT_EQ(help.calls, (QStringList{"contents quillmar.hlp", "search quillmar.hlp ", "helpOnHelp",
                                       "setHelpFile html.hlp", "contents html.hlp", "setHelpFile quillmar.hlp"}));
    EXPECT_EQ(help.helpFile(), "quillmar.hlp");
}

TEST_F(MainWindowTest, AboutBoxIsModal) {
    auto w = start();
    item(*w, {"&Help", "&About..."})->trigger();
    EXPECT_EQ(modalTitles, (QStringList{"Quillmar HTML Editor", "About Quillmar"}));
}

TEST_F(MainWindowTest, TileStacksDocumentsAndCascadeOverlapsThem) {
    auto w = start();
    for (int i = 0; i < 3; ++i) {
        auto* edit = new QTextEdit;
        edit->setWindowTitle(QStringLiteral("/doc%1.html").arg(i));
        w->mdiArea()->addSubWindow(edit)->show();
    }
    item(*w, {"&Window", "&Tile"})->trigger();
    const QList<QMdiSubWindow*> subs = w->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    const QRect area = w->mdiArea()->viewport()->rect();
    int y = 0;
    for (QMdiSubWindow* s : subs) {
        EXPECT_EQ(s->geometry().x(), 0);
        EXPECT_EQ(s->geometry().width(), area.width());
        EXPECT_EQ(s->geometry().y(), y);
        y += s->geometry().height();
    }
    EXPECT_EQ(y, area.height());
    item(*w, {"&Window", "&Cascade"})->trigger();
    EXPECT_LT(subs[0]->geometry().y(), subs[2]->geometry().y());
    EXPECT_LT(subs[0]->geometry().x(), subs[2]->geometry().x());
}

TEST_F(MainWindowTest, HoveringAButtonOrAMenuItemShowsItsHint) {
    auto w = start();
    TDocPanel* bar = w->toolbar("FormattingBar");
    QAction* center = nullptr;
    for (QAction* a : bar->actions())
        if (a->text() == "-C-") center = a;
    ASSERT_NE(center, nullptr);
    QWidget* button = bar->widgetForAction(center);
    QTest::mouseMove(button, button->rect().center());
    EXPECT_EQ(w->statusText(), "Center");

    // Qt gives disabled menu items no hover, so an enabled one is used.
    QMenu* window = w->topMenu("&Window");
    window->popup(w->mapToGlobal(QPoint(40, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QAction* tile = item(*w, {"&Window", "&Tile"});
    // A menu ignores the first small move after it opens, as a user's hand would not.
    QTest::mouseMove(window, QPoint(2, 2));
    QTest::mouseMove(window, window->actionGeometry(tile).center());
    EXPECT_EQ(window->activeAction(), tile);
    EXPECT_EQ(w->statusText(), "Tile Windows");
    window->hide();

    // Status panels carry hints too.
    QWidget* pos = w->panel("pnlPos");
    QTest::mouseMove(pos, pos->rect().center());
    EXPECT_EQ(w->statusText(), "Current Position");
}

TEST_F(MainWindowTest, BookmarkKeysWinOverTheDocumentAreaKeys) {
    // Qt's MDI children know Ctrl+F4 and Ctrl+F6 too; with a document focused
    // the keys must still set the bookmarks and leave the document open.
    auto w = start();
    auto* doc = new QWidget;
    doc->setFocusPolicy(Qt::StrongFocus);
    doc->setWindowTitle("/doc.html");
    QMdiSubWindow* sub = w->mdiArea()->addSubWindow(doc);
    sub->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    doc->setFocus();
    QStringList ran;
    for (const char* name : {"N41Click", "N61Click", "N71Click"})
        w->setHandler(name, [&ran, name] { ran << name; });
    QTest::keyClick(doc, Qt::Key_F4, Qt::ControlModifier);
    QTest::keyClick(doc, Qt::Key_F6, Qt::ControlModifier);
    QTest::keyClick(doc, Qt::Key_F7, Qt::ControlModifier);
    EXPECT_EQ(ran.join(" "), "N41Click N61Click N71Click");
    EXPECT_EQ(w->mdiArea()->subWindowList().size(), 1);
}

TEST_F(MainWindowTest, CtrlGOpensTheGotoSubmenu) {
    auto w = start();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QMenu* gotoMenu = item(*w, {"&Edit", "&Goto"})->menu();
    ASSERT_NE(gotoMenu, nullptr);
    EXPECT_FALSE(gotoMenu->isVisible());
    QTest::keyClick(w.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(gotoMenu->isVisible());
    gotoMenu->hide();
}
