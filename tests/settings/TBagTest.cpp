// The settings bag: item names, merging loads, saving, its error messages,
// and FORM_PLACE through a real widget.

#include <gtest/gtest.h>

#include <QWidget>
#include <filesystem>

#include "IniFile.h"
#include "SettingsErrors.h"
#include "TBag.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

fs::path optionsFile() { return IniFile("quilopt.ini").path(); }

template <typename F>
std::string bagError(F&& f) {
    try {
        f();
    } catch (const EBagError& e) {
        return e.what();
    }
    return "(no EBagError)";
}

class BagTest : public ::testing::Test {
protected:
    void SetUp() override { qmtest::clearXdgFolders(); }
    TBag bag{"quilopt.ini", "Edit Window"};
};

TEST_F(BagTest, NamesAreUpperCaseAndFoundInAnyCase) {
    EXPECT_EQ(bag.GetItem("Edit_Font"), "");  // empty bag
    bag.SetItem("Edit_Font", "0,0<10>-13;0:Courier New");
    bag.SetItem("edit_color", "255");
    bag.SetItem("EDIT_COLOR", "0");  // same item
    EXPECT_EQ(bag.Count(), 2);
    EXPECT_EQ(bag.GetItem("edit_font"), "0,0<10>-13;0:Courier New");
    EXPECT_EQ(bag.GetItem("Edit_Color"), "0");
    EXPECT_EQ(bag.GetItem("Other"), "");
    bag.SetInteger("Count", -12);
    EXPECT_EQ(bag.GetItem("COUNT"), "-12");
}

TEST_F(BagTest, SaveWritesUpperCaseNamesInFirstAddedOrderAndKeepsOtherKeys) {
    qmtest::writeFile(optionsFile(), "[Edit Window]\r\nMine=kept\r\nEDIT_COLOR=1\r\n[Macros]\r\nFORM_PLACE=x\r\n");
    bag.SetItem("Edit_Font", "f");
    bag.SetItem("Edit_Color", "2");
    bag.SetItem("Edit_Font", "g");
    bag.Save();
    EXPECT_EQ(qmtest::readFile(optionsFile()),
              "[Edit Window]\r\nMine=kept\r\nEDIT_COLOR=2\r\nEDIT_FONT=g\r\n[Macros]\r\nFORM_PLACE=x\r\n");
}

TEST_F(BagTest, LoadMergesAndUpperCasesTheWholeEntry) {
    qmtest::writeFile(optionsFile(),
                      "[edit window]\r\nEdit_Font=0,0<10>-13;0:Courier New\r\nEmpty=\r\nlong=" + std::string(300, 'a') +
                          "\r\n[Other]\r\nnot=mine\r\n");
    bag.SetItem("Kept", "in memory");
    bag.SetItem("EDIT_FONT", "replaced by the file");
    bag.Load();
    EXPECT_EQ(bag.GetItem("Kept"), "in memory");
    EXPECT_EQ(bag.GetItem("edit_font"), "0,0<10>-13;0:COURIER NEW");
    EXPECT_EQ(bag.GetItem("long"), std::string(255, 'A'));
    EXPECT_EQ(bag.GetItem("Not"), "");
    EXPECT_EQ(bag.Count(), 3);  // the empty entry is skipped
}

TEST_F(BagTest, MixedCasePathComesBackUpperCaseAfterSaveAndLoad) {
    bag.SetItem("Folder", "/home/Ann/Web Pages");
    bag.Save();
    TBag next("QUILOPT.INI", "edit window");  // a new form, other spellings of the section
    next.SetIniFile("quilopt.ini");
    next.Load();
    EXPECT_EQ(next.GetItem("folder"), "/HOME/ANN/WEB PAGES");
}

TEST_F(BagTest, MissingFileOrSectionLoadsNothing) {
    bag.Load();
    EXPECT_EQ(bag.Count(), 0);
    qmtest::writeFile(optionsFile(), "[Macros]\r\nA=1\r\n");
    bag.Load();
    EXPECT_EQ(bag.Count(), 0);
}

TEST_F(BagTest, MisuseRaisesTheFiveMessagesAndKeepsTheItems) {
    EXPECT_EQ(bagError([&] { bag.SetItem("", "v"); }), "No item specified");
    EXPECT_EQ(bagError([&] { bag.GetItem(""); }), "No item specified");
    EXPECT_EQ(bagError([&] { bag.Save(); }), "No items to write to INI file");
    EXPECT_FALSE(fs::exists(optionsFile()));

    TBag noFile("", "Macros");
    noFile.SetItem("A", "1");
    EXPECT_EQ(bagError([&] { noFile.Load(); }), "No INI file specified");
    EXPECT_EQ(bagError([&] { noFile.Save(); }), "No INI file specified");
    TBag noSection("quilopt.ini", "");
    noSection.SetItem("A", "1");
    EXPECT_EQ(bagError([&] { noSection.Load(); }), "No INI file section specified");
    EXPECT_EQ(bagError([&] { noSection.Save(); }), "No INI file section specified");
    EXPECT_EQ(noSection.GetItem("a"), "1");

    TBag font("quilopt.ini", "Edit Window");
    font.SetItem("Edit_Font", "0,0<10>-13;0:");
    EXPECT_EQ(bagError([&] { font.GetFont("Edit_Font", TBagFont{}); }), "Invalid font in INI file");
}

TEST_F(BagTest, FormThatSavesItsPlacementFirstCanAlwaysSave) {
    QWidget form;
    form.setGeometry(40, 50, 300, 200);
    bag.SavePlacement("FORM_PLACE", form);
    EXPECT_NO_THROW(bag.Save());
    EXPECT_EQ(IniFile("quilopt.ini").ReadString("Edit Window", "FORM_PLACE", ""), "0,1,-1,-1,-1,-1,40,50,340,250");
}

TEST_F(BagTest, PlacementRoundTripsThroughTheFile) {
    QWidget form;
    form.setGeometry(120, 80, 420, 310);
    bag.SavePlacement("FORM_PLACE", form);
    bag.Save();

    TBag reopened("quilopt.ini", "Edit Window");
    reopened.Load();
    QWidget again;
    again.setGeometry(0, 0, 100, 100);
    reopened.RestorePlacement("FORM_PLACE", again);
    EXPECT_EQ(again.geometry(), QRect(120, 80, 420, 310));
}

TEST_F(BagTest, IncompleteOrEmptyPlacementLeavesTheFormAlone) {
    const QRect design(10, 20, 300, 200);
    for (const char* stored : {
             "0,0,0,0,0,0,0,0,0,0",            // right not greater than left
             "0,1,-1,-1,-1,-1,200,50,100,250",  // right left of left
             "0,1,-1,-1,-1,-1,40,50,340",       // nine numbers
             "0,1,-1,-1,-1,-1,40,,340,250",     // an empty field
             "",                                // no item at all
         }) {
        QWidget form;
        form.setGeometry(design);
        bag.SetItem("FORM_PLACE", stored);
        bag.RestorePlacement("FORM_PLACE", form);
        EXPECT_EQ(form.geometry(), design) << stored;
    }
}

TEST_F(BagTest, PlacementFieldThatIsNoNumberRaises) {
    QWidget form;
    form.setGeometry(10, 20, 300, 200);
    bag.SetItem("FORM_PLACE", "0,1,-1,-1,-1,-1,4O,50,340,250");
    try {
        bag.RestorePlacement("FORM_PLACE", form);
        FAIL() << "no error raised";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'4O' is not a valid integer value");
    }
    EXPECT_EQ(form.geometry(), QRect(10, 20, 300, 200));
}

}  // namespace
