// The settings store: typed reads and writes, its back-end choice, and the
// registry stand-in's stricter reading rules.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "IniFile.h"
#include "IntText.h"
#include "SettingsErrors.h"
#include "TMegaRegistry.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

fs::path settingsFolder() { return fs::path(std::getenv("XDG_CONFIG_HOME")) / "quillmar"; }

TEST(IntText, AcceptsDecimalAndBothHexForms) {
    const std::pair<const char*, std::int32_t> good[] = {
        {"31", 31},        {"$1F", 31},       {"0x1F", 31},          {"0X1f", 31},
        {"-5", -5},        {"+7", 7},         {"  12", 12},          {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1}, {"$80000000", INT32_MIN},
    };
    for (const auto& [text, value] : good) EXPECT_EQ(inttext::parse(text), value) << text;
    for (const char* bad : {"", "0x", "$", "-", "abc", "12 ", "1.5", "2147483648", "-2147483649", "$100000000", "Y",
                            "-0x10", "-$10", "+0x1F", "+$1F"})
        EXPECT_EQ(inttext::parse(bad), std::nullopt) << bad;
}

TEST(IntText, StrictConversionNamesTheText) {
    try {
        inttext::StrToInt("twelve");
        FAIL() << "no error raised";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'twelve' is not a valid integer value");
    }
    EXPECT_EQ(inttext::StrToIntDef("twelve", 7), 7);
}

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        qmtest::clearXdgFolders();
        store.SetApp("Quillmar HTML Editor Version 2");
        store.SetCompany("Quillmar Software");
        store.SetIniName("QUILLMAR.INI");
        store.SetPreference(TMRPreference::mrpIni);
        store.Open();
    }
    void writeSettings(const std::string& bytes) { qmtest::writeFile(settingsFolder() / "QUILLMAR.INI", bytes); }

    TMegaRegistry store;
};

TEST_F(StoreTest, ReadIntegerAcceptsHexAndFallsBackOnText) {
    writeSettings("[N]\r\nhex=0x1F\r\ndollar=$1F\r\nword=twelve\r\nbare=0x\r\nempty=\r\nneg=-3\r\nneghex=-0x10\r\n");
    EXPECT_EQ(store.ReadInteger("N", "hex", 5), 31);
    EXPECT_EQ(store.ReadInteger("N", "dollar", 5), 31);
    EXPECT_EQ(store.ReadInteger("N", "word", 5), 5);
    EXPECT_EQ(store.ReadInteger("N", "bare", 5), 5);
    EXPECT_EQ(store.ReadInteger("N", "empty", 5), 5);
    EXPECT_EQ(store.ReadInteger("N", "neg", 5), -3);
    EXPECT_EQ(store.ReadInteger("N", "neghex", 5), 5);
    EXPECT_EQ(store.ReadInteger("N", "absent", 5), 5);
}

TEST_F(StoreTest, ReadBoolIsTrueForAnyNonZeroNumber) {
    writeSettings("[B]\r\ntwo=2\r\nzero=0\r\nletter=Y\r\n");
    EXPECT_TRUE(store.ReadBool("B", "two", false));
    EXPECT_FALSE(store.ReadBool("B", "zero", true));
    EXPECT_TRUE(store.ReadBool("B", "letter", true));
    EXPECT_FALSE(store.ReadBool("B", "letter", false));
}

TEST_F(StoreTest, WritesGoToTheFileAtOnce) {
    store.WriteBool("System", "Open Template", true);
    store.WriteBool("System", "Create Backup", false);
    store.WriteInteger("Editor", "Tab Size", -8);
    store.WriteString("Application Header", "User Name", "Ann");
    EXPECT_EQ(qmtest::readFile(settingsFolder() / "QUILLMAR.INI"),
              "[System]\r\nOpen Template=1\r\nCreate Backup=0\r\n\r\n[Editor]\r\nTab Size=-8\r\n\r\n"
              "[Application Header]\r\nUser Name=Ann\r\n");
    // A second store over the same file sees the values without reopening.
    TMegaRegistry other;
    other.SetApp("a");
    other.SetCompany("c");
    other.SetIniName("QUILLMAR.INI");
    other.SetPreference(TMRPreference::mrpIni);
    other.Open();
    EXPECT_EQ(other.ReadInteger("editor", "TAB SIZE", 0), -8);
    store.WriteString("Application Header", "User Name", "Bob");
    EXPECT_EQ(other.ReadString("application header", "user name", ""), "Bob");
}

TEST_F(StoreTest, SettingsFolderRemovedWhileRunningIsMadeAgain) {
    qmtest::clearXdgFolders();
    store.WriteString("Tags", "Case", "Upper");
    EXPECT_EQ(store.ReadString("Tags", "Case", ""), "Upper");
}

TEST_F(StoreTest, AssigningAPropertyClosesTheStore) {
    EXPECT_EQ(store.ChosenBackend(), TMegaRegistry::Backend::Ini);
    store.SetApp("Other");
    EXPECT_EQ(store.ChosenBackend(), TMegaRegistry::Backend::None);
    store.WriteString("S", "k", "v");  // no back end: nothing happens
    EXPECT_EQ(store.ReadString("S", "k", "dflt"), "dflt");
    EXPECT_FALSE(fs::exists(settingsFolder() / "QUILLMAR.INI"));
    store.Open();
    EXPECT_EQ(store.ChosenBackend(), TMegaRegistry::Backend::Ini);
}

TEST_F(StoreTest, EmptyNameLeavesTheStoreWithoutBackEnd) {
    store.SetCompany("");
    store.Open();
    EXPECT_EQ(store.ChosenBackend(), TMegaRegistry::Backend::None);
    EXPECT_EQ(store.ReadInteger("S", "k", 9), 9);
    EXPECT_TRUE(store.ReadBool("S", "k", true));
    store.WriteBool("S", "k", false);
    EXPECT_FALSE(fs::exists(settingsFolder() / "QUILLMAR.INI"));
}

TEST_F(StoreTest, AutomaticPreferenceChoosesTheIniFile) {
    store.SetPreference(TMRPreference::mrpAuto);
    store.Open();
    EXPECT_EQ(store.ChosenBackend(), TMegaRegistry::Backend::Ini);
}

TEST_F(StoreTest, WriteFailureReachesTheCaller) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("file"), "");
    store.SetIniName((dir.file("file") / "QUILLMAR.INI").string());
    store.Open();
    EXPECT_THROW(store.WriteString("S", "k", "v"), EIniWriteError);
}

TEST_F(StoreTest, RegistryModeKeepsItsOwnFileWithRegistryReadRules) {
    store.SetCompany("Netscape Corp");
    store.SetApp("Netscape");
    store.SetPreference(TMRPreference::mrpRegistry);
    store.Open();
    ASSERT_EQ(store.ChosenBackend(), TMegaRegistry::Backend::Registry);

    store.WriteInteger("Main", "Count", 12);
    store.WriteBool("Main", "On", true);
    store.WriteString("Main", "Long", std::string(600, 'x'));
    store.WriteString("Main", "Word", "abc");
    const fs::path file = settingsFolder() / "Netscape Corp - Netscape.reg";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_FALSE(fs::exists(settingsFolder() / "QUILLMAR.INI"));

    EXPECT_EQ(store.ReadInteger("Main", "Count", 0), 12);
    EXPECT_TRUE(store.ReadBool("Main", "On", false));
    EXPECT_EQ(store.ReadString("Main", "Long", ""), std::string(255, 'x'));
    EXPECT_EQ(store.ReadInteger("Main", "Absent", 4), 4);
    try {
        store.ReadInteger("Main", "Word", 4);
        FAIL() << "a word is no integer";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

}  // namespace
