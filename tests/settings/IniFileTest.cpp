// The profile functions over real files: where the file lives, the read
// limits, and that a rewrite is all-or-nothing and never loses the user's file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>

#include "IniFile.h"
#include "SettingsErrors.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

std::string configDir() { return std::string(std::getenv("XDG_CONFIG_HOME")) + "/quillmar"; }

// Files of a folder whose name starts with ".": leftover temporaries.
int hiddenFiles(const fs::path& dir) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(dir)) n += e.path().filename().string()[0] == '.';
    return n;
}

struct HelperRun {
    int status = -1;
    std::string output;
};

// Runs the write helper, optionally under a wrapper command (another user, a fault).
HelperRun runHelper(const std::string& wrapper, const fs::path& file, const qmtest::TempDir& scratch) {
    const fs::path out = scratch.file("helper-output.txt");
    const std::string cmd = wrapper + " '" SETTINGS_WRITE_HELPER "' '" + file.string() + "' Tags Case Lower > '" +
                            out.string() + "' 2>/dev/null";
    HelperRun run;
    run.status = std::system(cmd.c_str());
    std::error_code ec;
    if (fs::exists(out, ec)) run.output = qmtest::readFile(out);
    while (!run.output.empty() && run.output.back() == '\n') run.output.pop_back();
    return run;
}

const char* kUnprivileged = "setpriv --reuid=65534 --regid=65534 --clear-groups";

bool canRunUnprivileged() {
    const std::string probe = std::string(kUnprivileged) + " '" SETTINGS_WRITE_HELPER "' >/dev/null 2>&1";
    const int status = std::system(probe.c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 2;  // the helper ran and printed its usage
}

TEST(IniFile, BareNameLivesInTheSettingsFolder) {
    IniFile ini("QUILLMAR.INI");
    EXPECT_EQ(ini.path(), fs::path(configDir()) / "QUILLMAR.INI");
    ini.WriteString("Tags", "Case", "Upper");
    EXPECT_EQ(qmtest::readFile(ini.path()), "[Tags]\r\nCase=Upper\r\n");

    qmtest::TempDir dir;
    EXPECT_EQ(IniFile(dir.file("own.ini").string()).path(), dir.file("own.ini"));
}

TEST(IniFile, MissingFileReadsAsEmpty) {
    IniFile ini("never-written.ini");
    EXPECT_EQ(ini.ReadString("Tags", "Case", "dflt"), "dflt");
    EXPECT_TRUE(ini.ReadSection("Tags").empty());
    EXPECT_FALSE(fs::exists(ini.path()));  // reading creates nothing
}

TEST(IniFile, EmptyValueIsReadAsEmptyNotAsDefault) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("a.ini"), "[S]\r\nEmpty=\r\nFull=x\r\n");
    IniFile ini(dir.file("a.ini").string());
    EXPECT_EQ(ini.ReadString("S", "Empty", "dflt"), "");
    EXPECT_EQ(ini.ReadString("S", "Absent", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadSection("s"), (std::vector<std::string>{"Empty", "Full"}));
    // Listing entries leaves out the empty one.
    EXPECT_EQ(ini.ReadSectionValues("S"), (std::vector<std::pair<std::string, std::string>>{{"Full", "x"}}));
}

TEST(IniFile, LongValueIsCutTo1023Characters) {
    qmtest::TempDir dir;
    IniFile ini(dir.file("a.ini").string());
    const std::string longValue(2000, 'v');
    ini.WriteString("S", "Long", longValue);
    EXPECT_NE(qmtest::readFile(ini.path()).find(longValue), std::string::npos);  // stored whole
    EXPECT_EQ(ini.ReadString("S", "Long", ""), std::string(1023, 'v'));
    EXPECT_EQ(ini.ReadString("S", "Long", "", 256), std::string(255, 'v'));
    EXPECT_EQ(ini.ReadSectionValues("S").at(0).second.size(), 1023u);
}

TEST(IniFile, KeyListHoldsOnlyWholeNamesThatFit) {
    qmtest::TempDir dir;
    std::string text = "[S]\r\n";
    for (int i = 0; i < 1000; ++i) text += "key-number-" + std::to_string(1000 + i) + "=v\r\n";  // 15 bytes + NUL
    qmtest::writeFile(dir.file("a.ini"), text);
    const auto keys = IniFile(dir.file("a.ini").string()).ReadSection("S");
    // The closing NUL plus 511 names take 8177 bytes; a 512th would need 8193.
    ASSERT_EQ(keys.size(), 511u);
    EXPECT_EQ(keys.front(), "key-number-1000");
    EXPECT_EQ(keys.back(), "key-number-1510");
}

TEST(IniFile, RewriteKeepsMalformedLinesCommentsAndOrder) {
    qmtest::TempDir dir;
    const std::string before = "; mine\r\n[Tags]\r\ngarbage without equals\r\nCase=Upper\r\n[Other]\r\nx=1\r\n";
    qmtest::writeFile(dir.file("a.ini"), before);
    IniFile ini(dir.file("a.ini").string());
    ini.WriteString("TAGS", "case", "Lower");
    ini.WriteString("Tags", "Stay Selected", "Y");
    EXPECT_EQ(qmtest::readFile(ini.path()),
              "; mine\r\n[Tags]\r\ngarbage without equals\r\nCase=Lower\r\nStay Selected=Y\r\n[Other]\r\nx=1\r\n");
    EXPECT_EQ(hiddenFiles(dir.path()), 0);
}

TEST(IniFile, WriteKeepsPermissionsAndSymbolicLinks) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("real.ini"), "[S]\r\nk=1\r\n");
    fs::permissions(dir.file("real.ini"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.ini", dir.file("link.ini"));
    IniFile(dir.file("link.ini").string()).WriteString("S", "k", "2");
    EXPECT_TRUE(fs::is_symlink(dir.file("link.ini")));
    EXPECT_EQ(qmtest::readFile(dir.file("real.ini")), "[S]\r\nk=2\r\n");
    EXPECT_EQ(fs::status(dir.file("real.ini")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(IniFile, UnreachableFileRaisesUnableToWrite) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("plain-file"), "not a folder");
    const fs::path bad = dir.file("plain-file") / "QUILLMAR.INI";
    IniFile ini(bad.string());
    try {
        ini.WriteString("Tags", "Case", "Upper");
        FAIL() << "the write should fail";
    } catch (const EIniWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + bad.string());
    }
    EXPECT_EQ(ini.ReadString("Tags", "Case", "dflt"), "dflt");
}

// A settings file without write permission is never replaced (it was, even
// as an ordinary user, since the rename needs only the folder).
TEST(IniFile, ReadOnlyFileRaisesUnableToWriteAndStaysAsItWas) {
    qmtest::TempDir dir;
    const fs::path file = dir.file("QUILLMAR.INI");
    qmtest::writeFile(file, "[Tags]\r\nCase=Upper\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    IniFile ini(file.string());
    EXPECT_THROW(
        try { ini.WriteString("Tags", "Case", "Lower"); } catch (const EIniWriteError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + file.string());
            throw;
        },
        EIniWriteError);
    EXPECT_EQ(qmtest::readFile(file), "[Tags]\r\nCase=Upper\r\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0444));
}

TEST(IniFile, ReadOnlyFolderRaisesAndLeavesTheFileIntact) {
    if (!canRunUnprivileged()) GTEST_SKIP() << "cannot run the helper as an unprivileged user here";
    qmtest::TempDir dir;  // owned by root, not writable by the helper's user
    const fs::path file = dir.file("QUILLMAR.INI");
    qmtest::writeFile(file, "[Tags]\r\nCase=Upper\r\n");
    const HelperRun run = runHelper(kUnprivileged, file, dir);
    EXPECT_EQ(run.output, "Unable to write to " + file.string());
    EXPECT_EQ(qmtest::readFile(file), "[Tags]\r\nCase=Upper\r\n");
}

TEST(IniFile, UnreadableFileIsNotReplaced) {
    if (!canRunUnprivileged()) GTEST_SKIP() << "cannot run the helper as an unprivileged user here";
    qmtest::TempDir dir;
    fs::permissions(dir.path(), fs::perms::all);  // the folder is writable, the file is not readable
    const fs::path file = dir.file("QUILLMAR.INI");
    qmtest::writeFile(file, "[Tags]\r\nCase=Upper\r\n[Lots]\r\nof=settings\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    const HelperRun run = runHelper(kUnprivileged, file, dir);
    EXPECT_EQ(run.output, "Unable to write to " + file.string());
    EXPECT_EQ(qmtest::readFile(file), "[Tags]\r\nCase=Upper\r\n[Lots]\r\nof=settings\r\n");
    EXPECT_EQ(hiddenFiles(dir.path()), 0);
}

TEST(IniFile, FailedSyncLeavesTheOldFileAndNoTemporary) {
    if (std::system("strace -o /dev/null true >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "strace cannot trace processes here";
    qmtest::TempDir dir;
    const fs::path file = dir.file("QUILLMAR.INI");
    qmtest::writeFile(file, "[Tags]\r\nCase=Upper\r\n");
    const HelperRun run = runHelper("strace -o /dev/null -e trace=fsync,fdatasync -e inject=fsync,fdatasync:error=EIO", file, dir);
    EXPECT_EQ(run.output, "Unable to write to " + file.string());
    EXPECT_EQ(qmtest::readFile(file), "[Tags]\r\nCase=Upper\r\n");
    EXPECT_EQ(hiddenFiles(dir.path()), 0);
}

}  // namespace
