#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RecentFiles.h"
#include "StartupRules.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

TEST(RecentFiles, NewNameGoesFirstAndTheOldestDropsOff) {
    RecentFiles r;
    for (const char* p : {"/a", "/b", "/c", "/d", "/e"}) r.update(p);
    EXPECT_EQ(r.entries(), (std::array<std::string, 4>{"/e", "/d", "/c", "/b"}));
}

TEST(RecentFiles, AnEntryAlreadyListedMovesUpInsteadOfRepeating) {
    RecentFiles r;
    r.setEntry(0, "/a");
    r.setEntry(1, "/b");
    r.setEntry(2, "/c");
    r.setEntry(3, "/d");
    r.update("/c");
    EXPECT_EQ(r.entries(), (std::array<std::string, 4>{"/c", "/a", "/b", "/d"}));
    r.update("/c");
    EXPECT_EQ(r.entries(), (std::array<std::string, 4>{"/c", "/a", "/b", "/d"}));
}

TEST(RecentFiles, EmptySlotsStayEmptyAndCaseMatters) {
    RecentFiles r;
    r.update("/x/Page.html");
    r.update("/x/page.html");
    EXPECT_EQ(r.entries(), (std::array<std::string, 4>{"/x/page.html", "/x/Page.html", "", ""}));
}

// Names are bytes; one with a line break would come back from the settings
// file as another name, so it is not listed.
TEST(RecentFiles, NamesAreBytesAndLineBreaksAreNotListed) {
    RecentFiles r;
    for (const char* p : {"/x/lat\xe9.htm", "/x/a\rb.htm", "/x/a\nb.htm", "/x/a\r\nb.htm"}) r.update(p);
    EXPECT_EQ(r.entries(), (std::array<std::string, 4>{"/x/lat\xe9.htm", "", "", ""}));
}

TEST(StartupDirectory, TrailingSlashIsDroppedAndMissingFoldersIgnored) {
    qmtest::TempDir dir;
    const fs::path sub = dir.path() / "site";
    fs::create_directory(sub);
    auto got = startup::startupDirectory(sub.string() + "/");
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, sub);
    EXPECT_EQ(startup::startupDirectory(sub.string()), sub);
    EXPECT_FALSE(startup::startupDirectory((dir.path() / "gone/").string()).has_value());
    EXPECT_FALSE(startup::startupDirectory("").has_value());
    EXPECT_EQ(startup::startupDirectory("/"), fs::path("/"));
    // A file is no directory to start in.
    qmtest::writeFile(dir.file("f.txt"), "x");
    EXPECT_FALSE(startup::startupDirectory(dir.file("f.txt").string()).has_value());
}

// Only a program that can be started enables the image-tools item.
TEST(ImageTools, OnlyAnExecutableFileNamedQuilimgCounts) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;  // makes dir/quilimg, or not
        bool found;
    };
    auto script = [](unsigned mode) {
        return [mode](const fs::path& p) {
            qmtest::writeFile(p, "#!/bin/sh\n");
            fs::permissions(p, static_cast<fs::perms>(mode));
        };
    };
    const Case cases[] = {
        {"missing", [](const fs::path&) {}, false},
        {"executable", script(0755), true},
        {"not executable", script(0644), false},
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, false},
        {"a link to a program",
         [&](const fs::path& p) {
             script(0700)(p.parent_path() / "real");
             fs::create_symlink("real", p);
         },
         true},
    };
    for (const Case& c : cases) {
        qmtest::TempDir dir;
        c.make(dir.file("quilimg"));
        const fs::path expected = c.found ? dir.file("quilimg") : fs::path();
        EXPECT_EQ(startup::imageToolsProgram(dir.path()), expected) << c.what;
    }
    EXPECT_EQ(startup::imageToolsProgram(fs::path()), fs::path());
}
