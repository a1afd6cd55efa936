// What counts as another program's change to a document's file.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

#include "FileIdentity.h"
#include "TestSupport.h"

namespace fs = std::filesystem;
using recovery::DiskChange;

namespace {

void replaceByRename(const fs::path& p, const std::string& bytes) {
    const fs::path tmp = p.string() + ".new";
    qmtest::writeFile(tmp, bytes);
    fs::rename(tmp, p);
}

// A later modification time with the same bytes.
void touchLater(const fs::path& p) {
    fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(5));
}

}  // namespace

TEST(FileIdentity, ChangesByAnotherProgram) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> act;
        DiskChange expected;
    };
    const Case cases[] = {
        {"untouched", [](const fs::path&) {}, DiskChange::None},
        {"touched, same bytes", touchLater, DiskChange::None},
        {"rewritten in place, same bytes", [](const fs::path& p) { qmtest::writeFile(p, "<p>one</p>\n"); touchLater(p); },
         DiskChange::None},
        {"rewritten in place, same size",
         [](const fs::path& p) { qmtest::writeFile(p, "<p>two</p>\n"); touchLater(p); }, DiskChange::Changed},
        {"rewritten in place, shorter", [](const fs::path& p) { qmtest::writeFile(p, "<p>"); }, DiskChange::Changed},
        {"replaced by rename, same bytes", [](const fs::path& p) { replaceByRename(p, "<p>one</p>\n"); },
         DiskChange::None},
        {"replaced by rename", [](const fs::path& p) { replaceByRename(p, "<p>new</p>\n"); }, DiskChange::Changed},
        {"deleted", [](const fs::path& p) { fs::remove(p); }, DiskChange::Gone},
        {"renamed away", [](const fs::path& p) { fs::rename(p, p.string() + ".old"); }, DiskChange::Gone},
        {"replaced by a folder", [](const fs::path& p) { fs::remove(p); fs::create_directory(p); }, DiskChange::Gone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qmtest::TempDir dir;
        const fs::path page = dir.file("page.html");
        qmtest::writeFile(page, "<p>one</p>\n");
        const recovery::FileIdentity noted = recovery::identityOf(page.string());
        ASSERT_TRUE(noted.exists);
        c.act(page);
        recovery::FileIdentity now;
        EXPECT_EQ(recovery::diskChange(noted, page.string(), &now), c.expected);
        EXPECT_EQ(now.exists, c.expected != DiskChange::Gone);
    }
}

TEST(FileIdentity, AFileThatAppearsWhereNoneWasIsAChange) {
    qmtest::TempDir dir;
    const fs::path page = dir.file("page.html");
    const recovery::FileIdentity missing = recovery::identityOf(page.string());
    EXPECT_FALSE(missing.exists);
    EXPECT_EQ(recovery::diskChange(missing, page.string()), DiskChange::None);
    qmtest::writeFile(page, "x");
    EXPECT_EQ(recovery::diskChange(missing, page.string()), DiskChange::Changed);
}
