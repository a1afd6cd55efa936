// Keys through the real widget: the key map, typing, modes, Tab kinds,
// Enter, undo and redo, and who gets a key that a menu also uses.

#include "WidgetTestUtil.h"

#include "Application.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QMainWindow>

using P = std::pair<int, int>;

TEST_F(EditWidgetTest, TypingAndShiftSelection) {
    QTest::keyClicks(w.get(), "hello world");
    EXPECT_EQ(text(), "hello world");
    key(Qt::Key_Home);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    int sl, sc, el, ec;
    ASSERT_TRUE(w->GetSelection(sl, sc, el, ec));
    EXPECT_EQ(P(sl, sc), P(1, 1));
    EXPECT_EQ(P(el, ec), P(1, 3));
    QTest::keyClicks(w.get(), "J");
    EXPECT_EQ(text(), "Jllo world");
    key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w->editor().selectedText(), "llo ");
}

TEST_F(EditWidgetTest, CtrlShiftEndSelectsToTheEnd) {
    setText("one\r\ntwo\r\nthree");
    w->SetCaret(2, 2);
    key(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w->editor().selectedText(), "wo\r\nthree");
    EXPECT_EQ(caret(), P(3, 6));
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_FALSE(w->HasSelection());
    EXPECT_EQ(caret(), P(1, 1));
}

TEST_F(EditWidgetTest, InsertKeyTogglesOverwrite) {
    setText("abcd");
    key(Qt::Key_Insert);
    EXPECT_FALSE(w->InsertMode());
    QTest::keyClicks(w.get(), "XY");
    EXPECT_EQ(text(), "XYcd");
    key(Qt::Key_Insert);
    QTest::keyClicks(w.get(), "Z");
    EXPECT_EQ(text(), "XYZcd");
}

TEST_F(EditWidgetTest, TabKindsAndFocus) {
    setText("ab");
    w->SetCaret(1, 2);
    key(Qt::Key_Tab);
    EXPECT_EQ(text(), "ab") << "WantTab off: Tab is not typed";
    w->setFocus();
    w->setWantTab(true);
    key(Qt::Key_Tab);
    EXPECT_EQ(text(), "a\tb");
    w->setTabType(qm::TabType::ttFixed);
    w->setTabSize(4);
    setText("ab");
    w->SetCaret(1, 2);
    key(Qt::Key_Tab);
    EXPECT_EQ(text(), "a   b");
    w->setTabType(qm::TabType::ttSmart);
    setText("<td>   x\r\n<");
    w->SetCaret(2, 2);
    key(Qt::Key_Tab);
    EXPECT_EQ(text(), "<td>   x\r\n<      ");
}

TEST_F(EditWidgetTest, EnterWithAutoIndent) {
    w->setAutoIndent(true);
    setText("  <ul>");
    key(Qt::Key_End);
    key(Qt::Key_Return);
    QTest::keyClicks(w.get(), "<li>");
    EXPECT_EQ(text(), "  <ul>\r\n  <li>");
    w->SetCaret(2, 1);
    key(Qt::Key_Enter);
    EXPECT_EQ(text(), "  <ul>\r\n\r\n  <li>") << "Enter at column 1 opens an empty line above";
}

TEST_F(EditWidgetTest, UndoAndRedoKeys) {
    QTest::keyClicks(w.get(), "abc");
    key(Qt::Key_Left);
    QTest::keyClicks(w.get(), "X");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), "abc");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), "");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(), "abc");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(), "abXc");
}

TEST_F(EditWidgetTest, MarkerKeys) {
    setText("one\r\ntwo\r\nthree");
    w->SetCaret(3, 4);
    key(Qt::Key_5, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_Home, Qt::ControlModifier);
    key(Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(caret(), P(3, 4));
    key(Qt::Key_Home, Qt::ControlModifier);
    key(Qt::Key_Percent, Qt::ControlModifier | Qt::ShiftModifier);  // Shift+5 as a US keyboard reports it
    w->SetCaret(3, 2);
    key(Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(caret(), P(1, 1)) << "marker 5 moved to (1, 1)";
}

TEST_F(EditWidgetTest, MultiByteTypingAndInputMethodCommits) {
    typeText(QString::fromUtf8("é€"));
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("日本"));
    QApplication::sendEvent(w.get(), &commit);
    EXPECT_EQ(text(), "\xC3\xA9\xE2\x82\xAC\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(caret(), P(1, 12));
    key(Qt::Key_Left);
    key(Qt::Key_Backspace);
    EXPECT_EQ(text(), "\xC3\xA9\xE2\x82\xAC\xE6\x9C\xAC") << "Backspace removes one whole character";
    EXPECT_EQ(caret(), P(1, 6));
}

TEST_F(EditWidgetTest, ControlKeysNeverType) {
    QTest::keyClick(w.get(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    QTest::keyClick(w.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(text(), "");
}

TEST_F(EditWidgetTest, ShowStatusArrivesAfterTheCommand) {
    std::vector<P> seen;
    w->editor().OnShowStatus = [&](int line, int col) { seen.emplace_back(line, col); };
    QTest::keyClicks(w.get(), "ab");
    EXPECT_TRUE(seen.empty()) << "posted, not called inside the command";
    QApplication::processEvents();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), P(1, 3));
}

TEST(EditWidgetShortcuts, MenuShortcutsTakePrecedence) {
    QMainWindow win;
    auto* edit = new TTextEditControl;
    win.setCentralWidget(edit);
    int undoCalls = 0;
    QAction* undo = win.addAction(QStringLiteral("Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QObject::connect(undo, &QAction::triggered, [&] { ++undoCalls; });
    win.resize(400, 300);
    win.show();
    win.activateWindow();
    edit->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&win));

    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(undoCalls, 1) << "the window's action gets Ctrl+Z";
    EXPECT_EQ(edit->editor().store().text(), "ab") << "and the control leaves the text alone";

    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->editor().store().text(), "abb") << "keys no action uses stay the control's";
}

TEST_F(EditWidgetTest, EditErrorsFromKeysReachTheDispatcherNotQt) {
    QString seen;
    const ExceptionHandler previous = setExceptionHandler([&](const QString& what) { seen = what; });
    w->editor().store().setParaLengthLimit(3);
    QTest::keyClicks(w.get(), "abcd");
    setExceptionHandler(previous);
    EXPECT_EQ(text(), "abc");
    EXPECT_EQ(seen, QStringLiteral("Current operation will exceed the maximum paragraph size"));
}
