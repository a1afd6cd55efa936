#include <gtest/gtest.h>

#include "Paths.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

TEST(Paths, SettingsAndDataFoldersFollowXdgVariables) {
    EXPECT_EQ(paths::settingsDir(), fs::path(std::getenv("XDG_CONFIG_HOME")) / "quillmar");
    EXPECT_EQ(paths::dataDir(), fs::path(std::getenv("XDG_DATA_HOME")) / "quillmar");
    EXPECT_TRUE(fs::is_directory(paths::settingsDir()));
    EXPECT_EQ(paths::profileFile("QUILLMAR.INI"), paths::settingsDir() / "QUILLMAR.INI");
    EXPECT_EQ(paths::profileFile("/x/y.ini"), fs::path("/x/y.ini"));
}

TEST(Paths, DocumentIdentityKeepsCaseAndResolvesLinks) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("Page.html"), "x");
    fs::create_symlink(dir.file("Page.html"), dir.file("link.html"));
    const std::string canon = fs::canonical(dir.file("Page.html")).string();
    EXPECT_EQ(paths::documentIdentity(dir.file("Page.html").string()), canon);
    EXPECT_EQ(paths::documentIdentity((dir.path() / "sub" / ".." / "Page.html").string()), canon);
    EXPECT_TRUE(paths::sameDocument(dir.file("link.html").string(), dir.file("Page.html").string()));
    EXPECT_FALSE(paths::sameDocument(dir.file("page.html").string(), dir.file("Page.html").string()));
}

// Through a linked folder, a file has one identity before and after it
// exists (Save As used to name the window by the link, Open by the target).
TEST(Paths, IdentityComesFromTheCanonicalFolderWhetherOrNotTheFileExists) {
    qmtest::TempDir dir;
    fs::create_directory(dir.file("real"));
    fs::create_directory_symlink(dir.file("real"), dir.file("linked"));
    const std::string viaLink = (dir.file("linked") / "new.html").string();
    const std::string expected = (fs::canonical(dir.file("real")) / "new.html").string();
    EXPECT_EQ(paths::documentIdentity(viaLink), expected);
    qmtest::writeFile(dir.file("real") / "new.html", "x");
    EXPECT_EQ(paths::documentIdentity(viaLink), expected);
}

TEST(Paths, DeliveredDataIsCopiedButNeverOverwritten) {
    qmtest::clearXdgFolders();
    const int first = paths::installDeliveredData();
    EXPECT_GT(first, 0);
    const fs::path tpl = paths::dataDir() / "standard.tpl";
    ASSERT_TRUE(fs::exists(tpl));
    qmtest::writeFile(tpl, "mine");
    EXPECT_EQ(paths::installDeliveredData(), 0);
    EXPECT_EQ(qmtest::readFile(tpl), "mine");
    EXPECT_FALSE(fs::exists(paths::dataDir() / "help"));
}
