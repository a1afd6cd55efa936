// The options rules without windows: what the application options dialog
// shows for stored values and what it writes, the start-up directory check,
// colour names and the default font dialog's limits.

#include <gtest/gtest.h>

#include <filesystem>

#include "OptionsRules.h"
#include "Paths.h"
#include "TMegaRegistry.h"
#include "TestSupport.h"

using options::TagCase;

namespace {

class OptionsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        qmtest::clearXdgFolders();
        store.SetApp("Quillmar HTML Editor Version 2");
        store.SetCompany("Quillmar Software");
        store.SetIniName("QUILLMAR.INI");
        store.SetPreference(TMRPreference::mrpIni);
        store.Open();
    }
    void writeSettings(const std::string& bytes) { qmtest::writeFile(iniPath(), bytes); }
    static std::filesystem::path iniPath() { return paths::settingsDir() / "QUILLMAR.INI"; }

    TMegaRegistry store;
    qmtest::TempDir dir;
};

}  // namespace

TEST(OptionsRules, StoredTagCaseShowsAChoiceAndSavesItsLetter) {
    const struct {
        const char* stored;
        TagCase shown;
        const char* saved;
    } cases[] = {
        {"L", TagCase::Lower, "L"}, {"U", TagCase::Upper, "U"}, {"W", TagCase::Decide, "W"},
        {"X", TagCase::Decide, "W"}, {"l", TagCase::Decide, "W"}, {"", TagCase::Decide, "W"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(options::tagCaseOf(c.stored), c.shown) << c.stored;
        EXPECT_STREQ(options::tagCaseValue(options::tagCaseOf(c.stored)), c.saved) << c.stored;
    }
}

TEST_F(OptionsStoreTest, StartupDirectoryIsKeptOnlyWhenItExists) {
    const std::string real = dir.path().string();
    const std::string fallback = "/fallback/home/";
    const struct {
        std::string typed;
        std::string stored;
    } cases[] = {
        {real + "/", real},                // the trailing slash is dropped
        {real, real},
        {real + "/missing", "/fallback/home"},
        {"", "/fallback/home"},
        {"/", "/"},                        // the root keeps its slash
    };
    for (const auto& c : cases) EXPECT_EQ(options::startupDirectoryToStore(c.typed, fallback), c.stored) << c.typed;
}

TEST_F(OptionsStoreTest, AnEmptyStoreShowsTheDefaultsOfTheReadingParts) {
    const options::ApplicationOptions o = options::readOptions(store, "/home/someone");
    EXPECT_EQ(o.tagCase, TagCase::Decide);
    EXPECT_TRUE(o.staySelected);
    EXPECT_TRUE(o.wordWrap);
    EXPECT_FALSE(o.smartTabs);
    EXPECT_EQ(o.tabSize, 8);
    EXPECT_EQ(o.userName, options::kPlaceholderUserName);
    EXPECT_EQ(o.email, options::kPlaceholderEmail);
    EXPECT_EQ(o.startupDirectory, "/home/someone");
    EXPECT_TRUE(o.openTemplate);
    EXPECT_TRUE(o.createBackup);
    EXPECT_TRUE(o.showTips);
    EXPECT_FALSE(o.newDocumentsCrLf);
    EXPECT_FALSE(o.lineNumbers);
}

TEST_F(OptionsStoreTest, SaveWritesEveryKeyButTipsAndReplacesTheEMailLine) {
    writeSettings("[Application Header]\r\nEMail=old@example.org\r\n[Tags]\r\nStay Selected=y\r\n"
                  "[Editor]\r\nTab Size=250\r\n[Start Options]\r\nTips=1\r\n");
    options::ApplicationOptions o = options::readOptions(store, dir.path().string());
    EXPECT_FALSE(o.staySelected) << "only \"Y\" leaves the text selected";
    EXPECT_EQ(o.tabSize, 99) << "the field holds two digits";
    o.tagCase = TagCase::Upper;
    o.userName = "Ada {EMail}";
    o.email = "ada@example.org";
    o.wordWrap = false;
    o.smartTabs = true;
    o.tabSize = 4;
    o.openTemplate = false;
    o.createBackup = false;
    o.showTips = false;
    o.lineNumbers = true;
    o.newDocumentsCrLf = true;
    o.startupDirectory = dir.path().string() + "/";
    options::writeOptions(store, o, "/nowhere");

    const struct {
        const char* section;
        const char* key;
        const char* value;
    } written[] = {
        {"Tags", "Case", "U"},           {"Tags", "Stay Selected", "N"},   {"Application Header", "User Name", "Ada {EMail}"},
        {"Application Header", "EMail", "ada@example.org"},                 {"Editor", "Word Wrap", "0"},
        {"Editor", "Smart Tabs", "1"},   {"Editor", "Tab Size", "4"},      {"Editor", "Line Numbers", "1"},
        {"System", "Open Template", "0"}, {"System", "Create Backup", "0"},
        {"Application Options", "New Documents CR LF", "1"},
        {"Start Options", "Tips", "1"},  // written by its check box alone
    };
    for (const auto& w : written) EXPECT_EQ(store.ReadString(w.section, w.key, "<none>"), w.value) << w.key;
    EXPECT_EQ(store.ReadString("Application Options", "Startup Directory", ""), dir.path().string());
    const std::string text = qmtest::readFile(iniPath());
    // The existing line keeps its spelling and takes the new value.
    EXPECT_NE(text.find("EMail=ada@example.org"), std::string::npos) << text;
    EXPECT_EQ(text.find("old@example.org"), std::string::npos) << text;

    options::writeShowTips(store, false);
    EXPECT_FALSE(store.ReadBool("Start Options", "Tips", true)) << qmtest::readFile(iniPath());
}

TEST(OptionsRules, ColourNamesAndCodes) {
    const struct {
        options::ColorValue value;
        const char* name;
        const char* html;
    } cases[] = {
        {0x000080, "clMaroon", "#800000"}, {0x800000, "clNavy", "#000080"}, {0x00FFFF, "clYellow", "#FFFF00"},
        {0xFFFFFF, "clWhite", "#FFFFFF"},  {0x123456, "$00123456", "#563412"},
        {options::ColorValue(0x80000005u), "clWindow", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(options::colorName(c.value), c.name);
        EXPECT_EQ(options::htmlColor(c.value), c.html) << c.name;
    }
}

TEST(OptionsRules, FontValuesAreKeptWithinTheDialogsLimits) {
    options::FontFormValues v;
    v.fontName = std::string(40, 'F');
    const struct {
        int size;
        int kept;
    } sizes[] = {{5, 6}, {6, 6}, {12, 12}, {24, 24}, {25, 24}};
    for (const auto& s : sizes) {
        v.fontSize = s.size;
        const options::FontFormValues kept = options::clampedFontValues(v);
        EXPECT_EQ(kept.fontSize, s.kept);
        EXPECT_EQ(kept.fontName.size(), options::kMaxFontName);
    }
}
