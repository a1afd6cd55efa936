// The key map as data and the keys outside it.

#include "EditorTestUtil.h"

using namespace qm;
using C = EditCommand;

TEST(KeyMap, DefaultBindings) {
    const TKeyMap m = TKeyMap::defaultMap();
    EXPECT_EQ(m.lookup(kKeyLeft, ssNone), C::Left);
    EXPECT_EQ(m.lookup(kKeyLeft, ssShift), C::SelLeft);
    EXPECT_EQ(m.lookup(kKeyRight, ssCtrl | ssShift), C::SelWordRight);
    EXPECT_EQ(m.lookup(kKeyEnd, ssCtrl | ssShift), C::SelTextEnd);
    EXPECT_EQ(m.lookup(kKeyPageDown, ssCtrl), C::PageBottom);
    EXPECT_EQ(m.lookup(kKeyBackspace, ssShift), C::Backspace);
    EXPECT_EQ(m.lookup(kKeyDelete, ssShift), C::Cut);
    EXPECT_EQ(m.lookup(kKeyInsert, ssCtrl), C::Copy);
    EXPECT_EQ(m.lookup(kKeyInsert, ssShift), C::Paste);
    EXPECT_EQ(m.lookup('Z', ssCtrl | ssShift), C::Redo);
    EXPECT_EQ(m.lookup('3', ssCtrl), static_cast<C>(static_cast<int>(C::GotoMarker0) + 3));
    EXPECT_EQ(m.lookup('9', ssCtrl | ssShift), C::SetMarker9);
    EXPECT_EQ(m.lookup(kKeyEnter, ssCtrl), C::NewLine);
    EXPECT_FALSE(m.lookup(kKeyEnter, ssNone)) << "plain Enter is not in the map (WantEnter decides)";
    EXPECT_FALSE(m.lookup('Z', ssAlt)) << "Alt combinations have no effect";
    EXPECT_FALSE(m.lookup(kKeyLeft, ssAlt));
    EXPECT_EQ(plainMove(C::SelPageTop), C::PageTop);
    EXPECT_FALSE(isSelectingMove(C::TextEnd));
}

TEST(KeyMap, EnterAndTabFollowWantEnterAndWantTab) {
    TextEditor ed;
    edtest::load(ed, "ab");
    ed.SetCaret(1, 2);
    EXPECT_FALSE(ed.handleKey(kKeyTab, ssNone)) << "WantTab off: Tab moves the focus";
    EXPECT_TRUE(ed.handleKey(kKeyTab, ssCtrl));
    EXPECT_EQ(edtest::text(ed), "a\tb");
    ed.setWantTab(true);
    EXPECT_TRUE(ed.handleKey(kKeyTab, ssNone));
    EXPECT_TRUE(ed.handleKey(kKeyEnter, ssNone));
    EXPECT_EQ(edtest::text(ed), "a\r\nb") << "Tab typed, then Enter split and trimmed the blanks before the caret";
    ed.setWantEnter(false);
    EXPECT_FALSE(ed.handleKey(kKeyEnter, ssNone));
    EXPECT_TRUE(ed.handleKey(kKeyEnter, ssCtrl)) << "Ctrl+Enter is in the map";
    EXPECT_FALSE(ed.handleKey('A', ssNone)) << "typing is not a key command";
}

TEST(KeyMap, MarkersAndUserCommands) {
    TextEditor ed;
    edtest::load(ed, "one\r\ntwo");
    ed.SetCaret(2, 3);
    ASSERT_TRUE(ed.handleKey('4', ssCtrl | ssShift));
    ed.SetCaret(1, 1);
    ASSERT_TRUE(ed.handleKey('4', ssCtrl));
    EXPECT_EQ(edtest::caret(ed), (edtest::Caret{2, 3}));
    int user = 0;
    ed.OnUserCommand = [&](int c) { user = c; };
    ed.keyMap().bind(kKeyHome, ssAlt, static_cast<C>(300));
    EXPECT_TRUE(ed.handleKey(kKeyHome, ssAlt));
    EXPECT_EQ(user, 300);
}
