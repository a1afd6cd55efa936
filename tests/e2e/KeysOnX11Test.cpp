// Keys pressed on a real X server (run_on_xvfb.sh starts one; xdotool
// presses the keys), where key events carry what X11 reports: Ctrl+Shift+1
// arrives as Ctrl+Shift+"!". Offscreen key events cannot show these faults.

#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <functional>
#include <map>

#include "CommandTable.h"
#include "DocumentFixture.h"
#include "FileCommands.h"
#include "FindReplace.h"
#include "TTextEditControl.h"
#include "TfHTML.h"

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// xdotool's name of a key combination ("ctrl+shift+F3").
QString xdotoolName(QKeyCombination key) {
    QStringList parts;
    const Qt::KeyboardModifiers mods = key.keyboardModifiers();
    if (mods & Qt::ControlModifier) parts << "ctrl";
    if (mods & Qt::ShiftModifier) parts << "shift";
    if (mods & Qt::AltModifier) parts << "alt";
    const int k = key.key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z) parts << QChar('a' + (k - Qt::Key_A));
    else if (k >= Qt::Key_0 && k <= Qt::Key_9) parts << QChar('0' + (k - Qt::Key_0));
    else if (k >= Qt::Key_F1 && k <= Qt::Key_F12) parts << QStringLiteral("F%1").arg(k - Qt::Key_F1 + 1);
    else if (k == Qt::Key_Delete) parts << "Delete";
    else return {};
    return parts.join('+');
}

}  // namespace

class KeysOnX11Test : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs a real X server: run through run_on_xvfb.sh";
    }

    // A wired main window with one document whose control has the focus.
    void startWithDocument() {
        w = startWired();
        doc = FileNew(*w);
        ASSERT_NE(doc, nullptr);
        doc->txtHTML()->ClearAll();
        focusDocument();
    }

    void focusDocument() {
        if (QApplication::activeWindow() != w.get()) {
            QProcess::execute("xdotool", {"windowfocus", "--sync", QString::number(w->winId())});
            (void)QTest::qWaitFor([&] { return QApplication::activeWindow() == w.get(); }, 3000);
        }
        doc->txtHTML()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == doc->txtHTML(); }, 3000));
    }

    // Presses the key through the X server and lets the events arrive: until
    // done() holds (at most two seconds), then a little more, in which a
    // second command would arrive.
    void press(const QKeySequence& key, const std::function<bool()>& done) {
        const QString name = xdotoolName(key[0]);
        ASSERT_FALSE(name.isEmpty()) << "no xdotool name for " << key.toString().toStdString();
        ASSERT_EQ(QProcess::execute("xdotool", {"key", name}), 0);
        (void)QTest::qWaitFor(done, 2000);  // a key that reaches nothing fails below
        QTest::qWait(30);
    }

    QStringList ran;  // outlives the window, whose commands record here
    std::unique_ptr<TmdiMain> w;
    TfHTML* doc = nullptr;
};

TEST_F(KeysOnX11Test, CtrlShiftDigitsInsertHeadingsAndTheOtherDigitsStayMarkers) {
    startWithDocument();
    TTextEditControl* c = doc->txtHTML();
    for (int n = 1; n <= 6; ++n) {
        c->ClearAll();
        const std::string want = "<H" + std::to_string(n) + "></H" + std::to_string(n) + ">";
        auto text = [&] { return QString::fromStdString(textOf(doc)).toUpper().toStdString(); };
        press(QKeySequence(QStringLiteral("Ctrl+Shift+%1").arg(n)), [&] { return !text().empty(); });
        EXPECT_EQ(text(), want) << "Ctrl+Shift+" << n;
    }
    // No menu item claims Ctrl+Shift+7: the control sets marker 7 with it.
    c->ClearAll();
    c->InsertText(std::string_view("abc\r\ndef"));
    c->SetCaret(1, 3);
    press(QKeySequence("Ctrl+Shift+7"), [] { return true; });  // nothing to see until it is used
    QTest::qWait(200);
    c->SetCaret(2, 1);
    int column = 0;
    press(QKeySequence("Ctrl+7"), [&] { return c->GetCaret(column) == 1; });
    EXPECT_EQ(c->GetCaret(column), 1);
    EXPECT_EQ(column, 3);
}

// Every key of the menu bar, of the document's Search menu and of its pop-up
// menu reaches exactly its own command: not the editing control, not a
// second owner (two owners make Qt run neither), not nothing.
TEST_F(KeysOnX11Test, EveryMenuKeyReachesExactlyItsOwnCommand) {
    startWithDocument();
    // Each command records its name instead of running, so no command
    // changes what the next key meets; tag rows record their texts.
    for (const commands::MenuRow& row : commands::menuRows()) {
        if (row.kind == commands::RowKind::Separator || row.kind == commands::RowKind::RecentFiles ||
            row.kind == commands::RowKind::Submenu || row.kind == commands::RowKind::Tag)
            continue;
        const QString name = qs(row.handler);
        w->setHandler(row.handler, [this, name] { ran << name; });
    }
    w->setTagInserter([this](const QString& start, const QString& end) { ran << start + end; });
    QMenu* gotoMenu = w->topMenu(QStringLiteral("&Edit|&Goto"));
    ASSERT_NE(gotoMenu, nullptr);
    QObject::connect(gotoMenu, &QMenu::aboutToShow, [this] { ran << "&Goto menu"; });
    for (QAction* a : doc->searchMenu()->actions())
        QObject::connect(a, &QAction::triggered, [this, a] { ran << a->objectName(); });

    // Find Again is enabled once a search has found something; then its key
    // used to be ambiguous with Set Bookmark 3's.
    doc->txtHTML()->InsertText(std::string_view("needle needle needle"));
    doc->txtHTML()->SetCaret(1, 1);
    ASSERT_TRUE(doc->doFind(QStringLiteral("needle")));

    struct Case {
        QKeySequence key;
        QString command;
    };
    QList<Case> cases;
    for (const commands::MenuRow& row : commands::menuRows()) {
        if (row.shortcut.empty()) continue;
        const QString command = row.kind == commands::RowKind::Tag ? qs(row.startText) + qs(row.endText)
                                : row.kind == commands::RowKind::Submenu ? qs(row.caption) + " menu"
                                                                        : qs(row.handler);
        for (const QKeySequence& k : QKeySequence::listFromString(qs(row.shortcut), QKeySequence::PortableText))
            cases.push_back({k, command});
    }
    for (QAction* a : doc->searchMenu()->actions())
        for (const QKeySequence& k : a->shortcuts()) cases.push_back({k, a->objectName()});
    // The pop-up shows the keys of the commands it runs.
    const std::map<QString, QString> popupCommands = {
        {"&Undo", "EditUndo"},  {"&ReDo", "EditRedoClick"}, {"Repeat &Last Tag", "RepeatLastTag1Click"},
        {"Cu&t", "EditCut"},    {"&Copy", "EditCopy"},      {"&Paste", "EditPaste"},
        {"Find ...", "Find1"},  {"Replace ...", "Replace1"},
    };
    for (QAction* a : doc->popupMenu()->actions()) {
        if (a->isSeparator()) continue;
        const QString caption = a->text().section('\t', 0, 0), keys = a->text().section('\t', 1);
        ASSERT_TRUE(popupCommands.count(caption)) << caption.toStdString();
        EXPECT_FALSE(keys.isEmpty()) << caption.toStdString() << " shows no key";
        for (const QString& k : keys.split(QStringLiteral(" / "), Qt::SkipEmptyParts))
            cases.push_back({QKeySequence(k, QKeySequence::NativeText), popupCommands.at(caption)});
    }
    ASSERT_GT(cases.size(), 60);  // the tables really were read

    QStringList faults;
    for (const Case& c : cases) {
        focusDocument();
        ran.clear();
        press(c.key, [&] { return !ran.isEmpty(); });
        if (ran != QStringList{c.command})
            faults << c.key.toString() + ": ran [" + ran.join(", ") + "], wanted " + c.command;
        // Close what the key opened, so the next key meets the document again.
        gotoMenu->hide();
        doc->findDialog()->hide();
        doc->replaceDialog()->hide();
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}
