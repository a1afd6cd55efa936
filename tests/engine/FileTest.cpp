// Loading and saving: line ends, Ctrl+Z, NUL, long lines, backups, links,
// permissions, and failures that must leave the old file as it was.

#include "DurableFile.h"
#include "TParagraphStore.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace qm;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> paras(const TParagraphStore& s) {
    std::vector<std::string> out;
    for (int i = 1; i <= s.ParagraphCount(); ++i) out.emplace_back(s.paragraphText(ParaNum(i)));
    return out;
}

using Lines = std::vector<std::string>;

// Loads bytes from a file and returns the store's paragraphs.
Lines loadBytes(const qmtest::TempDir& dir, const std::string& bytes, TParagraphStore& s) {
    const fs::path f = dir.file("in.txt");
    qmtest::writeFile(f, bytes);
    const FileResult r = s.LoadFromFile(f.string());
    EXPECT_TRUE(r.ok) << r.message;
    s.check();
    return paras(s);
}

// Leaves no stray temporary file behind.
bool onlyFiles(const fs::path& dir, std::set<std::string> names) {
    std::set<std::string> seen;
    for (const auto& e : fs::directory_iterator(dir)) seen.insert(e.path().filename().string());
    return seen == names;
}

}  // namespace

TEST(Files, LinesBecomeParagraphsPlusAnEmptyLastOne) {
    qmtest::TempDir dir;
    TParagraphStore s;
    EXPECT_EQ(loadBytes(dir, "a\r\nbb\r\nccc\r\n", s), (Lines{"a", "bb", "ccc", ""}));
    EXPECT_EQ(s.ByteCount(), 1 + 2 + 3 + 2 * 3);
    EXPECT_TRUE(s.IsOpen());
    EXPECT_FALSE(s.Modified());
    ASSERT_TRUE(s.SaveToFile(dir.file("out.txt").string()).ok);
    EXPECT_EQ(qmtest::readFile(dir.file("out.txt")), "a\r\nbb\r\nccc\r\n");
    // A last line without a terminator is saved with one; an empty file is one empty paragraph.
    EXPECT_EQ(loadBytes(dir, "x\r\ny", s), (Lines{"x", "y", ""}));
    s.SaveToFile(dir.file("out.txt").string());
    EXPECT_EQ(qmtest::readFile(dir.file("out.txt")), "x\r\ny\r\n");
    EXPECT_EQ(loadBytes(dir, "", s), (Lines{""}));
}

TEST(Files, LineEndsLfCrAndMixed) {
    qmtest::TempDir dir;
    TParagraphStore s;
    EXPECT_EQ(loadBytes(dir, "a\nb\n", s), (Lines{"a", "b", ""}));
    EXPECT_TRUE(s.lfLineEnds());
    EXPECT_EQ(s.ByteCount(), 1 + 1 + 2 * 2);  // counted as CR LF all the same
    s.SaveToFile(dir.file("lf.txt").string());
    EXPECT_EQ(qmtest::readFile(dir.file("lf.txt")), "a\nb\n");  // an LF file stays an LF file

    EXPECT_EQ(loadBytes(dir, "a\rb\r\nc\n\n\rd", s), (Lines{"a", "b", "c", "", "", "d", ""}));
    EXPECT_FALSE(s.lfLineEnds());
    s.SaveToFile(dir.file("mixed.txt").string());
    EXPECT_EQ(qmtest::readFile(dir.file("mixed.txt")), "a\r\nb\r\nc\r\n\r\n\r\nd\r\n");

    s.reset();  // a new document is written with CR LF
    s.insertText({ParaNum(1), ParaPos(1)}, "n\r\n");
    s.SaveToFile(dir.file("new.txt").string());
    EXPECT_EQ(qmtest::readFile(dir.file("new.txt")), "n\r\n");
}

// The size shown to the user is the size of the file a save writes.
TEST(Files, FileByteCountIsTheSizeOfTheSavedFile) {
    qmtest::TempDir dir;
    const char* cases[] = {"", "a", "a\n", "a\nb\n", "ab\nc", "\n\n\n", "a\r\nb\r\n", "x\r\ny", "a\rb\r\nc\n",
                           "\xC3\xA9t\xC3\xA9\n"};
    for (const char* bytes : cases) {
        for (const bool lf : {false, true}) {
            TParagraphStore s;
            loadBytes(dir, bytes, s);
            s.setLfLineEnds(lf);
            ASSERT_TRUE(s.SaveToFile(dir.file("out.txt").string()).ok);
            EXPECT_EQ(s.fileByteCount(), static_cast<std::int64_t>(fs::file_size(dir.file("out.txt"))))
                << testing::PrintToString(std::string(bytes)) << (lf ? " LF" : " CR LF");
        }
    }
}

TEST(Files, CtrlZEndsTheFileOnlyWhenOnlyLineEndsFollow) {
    qmtest::TempDir dir;
    TParagraphStore s;
    EXPECT_EQ(loadBytes(dir, "a\r\nb\x1A\r\n", s), (Lines{"a", "b", ""}));
    EXPECT_EQ(loadBytes(dir, "a\r\n\x1A", s), (Lines{"a", ""}));
    EXPECT_EQ(loadBytes(dir, "a\x1A" "b\r\nc\r\n", s), (Lines{"a\x1A" "b", "c", ""}));
    s.SaveToFile(dir.file("z.txt").string());
    EXPECT_EQ(qmtest::readFile(dir.file("z.txt")), "a\x1A" "b\r\nc\r\n");
    // A text that ends in a Ctrl+Z is saved with an end mark so it survives reloading.
    EXPECT_EQ(loadBytes(dir, "x\x1A\x1A", s), (Lines{"x\x1A", ""}));
    s.SaveToFile(dir.file("z2.txt").string());
    TParagraphStore again;
    ASSERT_TRUE(again.LoadFromFile(dir.file("z2.txt").string()).ok);
    EXPECT_EQ(paras(again), (Lines{"x\x1A", ""}));
}

TEST(Files, NulBytesAreKeptAndSurviveUndo) {
    qmtest::TempDir dir;
    TParagraphStore s;
    const std::string bytes("a\0b\r\n\0\r\n", 8);
    EXPECT_EQ(loadBytes(dir, bytes, s), (Lines{std::string("a\0b", 3), std::string("\0", 1), ""}));
    s.replaceBytes(ParaNum(1), ParaPos(2), 1, std::string("\0\0", 2));
    s.undo();
    EXPECT_EQ(s.paragraphText(ParaNum(1)), std::string("a\0b", 3));
    s.SaveToFile(dir.file("nul.txt").string());
    EXPECT_EQ(qmtest::readFile(dir.file("nul.txt")), bytes);
}

TEST(Files, TrailingBlanksAreTrimmedWhenAsked) {
    qmtest::TempDir dir;
    TParagraphStore s;
    EXPECT_EQ(loadBytes(dir, "a \t\r\n  b  \r\n", s), (Lines{"a", "  b", ""}));
    s.setTrimWhiteSpace(false);
    EXPECT_EQ(loadBytes(dir, "a \t\r\n", s), (Lines{"a \t", ""}));
}

// Lines of any length load, edit, undo, redo and save byte for byte: the
// old 16-bit limits' boundaries, lines far beyond them, and a line whose old
// cut at 32,767 bytes fell inside a UTF-8 sequence.
TEST(Files, LongLinesRoundTripThroughEditsUndoAndRedo) {
    qmtest::TempDir dir;
    for (const std::size_t length : {32767u, 32768u, 65535u, 65536u, 100000u, 3000000u}) {
        SCOPED_TRACE(length);
        std::string line;
        while (line.size() < length) line += "<td class=\"x\">\xC3\xA9</td>";
        line.resize(length);
        line.replace(32765, 2, "\xC3\xA9");  // a two-byte character across the old limit
        const std::string file = "<html>\n" + line + "\n</html>\n";
        const fs::path f = dir.file("long.htm");
        qmtest::writeFile(f, file);
        TParagraphStore s;
        s.setTrimWhiteSpace(false);
        s.setWordWrap(length % 2 == 0);
        s.setUndoBufferSize(64u << 20);  // a join records the whole long line
        const FileResult r = s.LoadFromFile(f.string());
        ASSERT_TRUE(r.ok) << r.message;
        ASSERT_EQ(s.ParagraphCount(), 4);
        ASSERT_EQ(s.paragraphText(ParaNum(2)), line);
        s.setModified(false);

        const auto middle = static_cast<std::int32_t>(length / 2);
        std::string edited = line;
        ASSERT_EQ(s.insertBytes(ParaNum(2), ParaPos(middle + 1), "INSERTED"), kEditOk);
        edited.insert(static_cast<std::size_t>(middle), "INSERTED");
        ASSERT_EQ(s.replaceBytes(ParaNum(2), ParaPos(11), 3, "R"), kEditOk);
        edited.replace(10, 3, "R");
        ASSERT_EQ(s.deleteBytes(ParaNum(2), ParaPos(static_cast<std::int32_t>(edited.size()) - 4), 5), kEditOk);
        edited.erase(edited.size() - 5);
        ASSERT_EQ(s.join({ParaNum(1), ParaPos(7)}), kEditOk);
        edited = "<html>" + edited;
        ASSERT_EQ(s.paragraphText(ParaNum(1)), edited);
        s.check();

        const fs::path out = dir.file("out.htm");
        ASSERT_TRUE(s.SaveToFile(out.string()).ok);
        EXPECT_EQ(qmtest::readFile(out), edited + "\n</html>\n");
        while (s.undo().done) {}
        ASSERT_TRUE(s.SaveToFile(out.string()).ok);
        EXPECT_EQ(qmtest::readFile(out), file) << "undone to the original bytes";
        while (s.redo().done) {}
        EXPECT_EQ(s.paragraphText(ParaNum(1)), edited);
        s.check();
    }
}

// A line longer than the paragraph limit is refused, never cut.
TEST(Files, ALineBeyondTheParagraphLimitFailsTheLoad) {
    qmtest::TempDir dir;
    TParagraphStore s;
    s.setParaLengthLimit(5);
    EXPECT_EQ(loadBytes(dir, "abcde\r\n", s), (Lines{"abcde", ""}));
    qmtest::writeFile(dir.file("u.txt"), "abc\r\nabcd\xC3\xA9\r\n");
    const FileResult r = s.LoadFromFile(dir.file("u.txt").string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, EFBIG);
    EXPECT_NE(r.message.find("Line 2 of"), std::string::npos) << r.message;
    EXPECT_FALSE(s.IsOpen());
    EXPECT_EQ(paras(s), (Lines{""}));
}

TEST(Files, LinesBeyondTheParagraphLimitAreCountedAsDropped) {
    qmtest::TempDir dir;
    TParagraphStore s;
    s.setParaLimit(2);
    qmtest::writeFile(dir.file("many.txt"), "1\r\n2\r\n3\r\n4\r\n");
    const FileResult r = s.LoadFromFile(dir.file("many.txt").string());
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.droppedLines, 2);
    EXPECT_EQ(r.droppedBytes, 6);
    EXPECT_EQ(paras(s), (Lines{"1", "2", ""}));
}

// A file above the byte limit is refused before a byte is read (it used to be
// half-loaded, and a save then cut it short).
TEST(Files, FileAboveTheByteLimitIsRefusedUnread) {
    qmtest::TempDir dir;
    TParagraphStore s;
    s.setByteLimit(10);
    s.insertBytes(ParaNum(1), ParaPos(1), "kept");
    const fs::path f = dir.file("big.txt");
    qmtest::writeFile(f, "0123456789\r\n");
    const FileResult r = s.LoadFromFile(f.string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, EFBIG);
    EXPECT_EQ(r.message, f.string() + " is too large to edit (12 bytes; the limit is 10 bytes).");
}

TEST(Files, MissingFileResetsAndIsNotOpen) {
    qmtest::TempDir dir;
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "keep?");
    const FileResult r = s.LoadFromFile(dir.file("nope.txt").string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOENT);
    EXPECT_FALSE(s.IsOpen());
    EXPECT_EQ(paras(s), (Lines{""}));
    EXPECT_FALSE(s.LoadFromFile(dir.path().string()).ok);  // a folder
}

TEST(Files, TrailingDotIsDroppedOnlyWhenNoSuchFileExists) {
    qmtest::TempDir dir;
    TParagraphStore s;
    qmtest::writeFile(dir.file("page"), "plain\r\n");
    ASSERT_TRUE(s.LoadFromFile(dir.file("page.").string()).ok);
    EXPECT_EQ(s.FileName(), dir.file("page").string());
    qmtest::writeFile(dir.file("page."), "dotted\r\n");
    ASSERT_TRUE(s.LoadFromFile(dir.file("page.").string()).ok);
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "dotted");
}

TEST(Files, FileNameAndIsOpenProperties) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("a.txt"), "A\r\n");
    TParagraphStore s;
    s.setFileName(dir.file("a.txt").string());
    EXPECT_FALSE(s.IsOpen());
    ASSERT_TRUE(s.setIsOpen(true).ok);
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "A");
    s.setFileName(dir.file("b.txt").string());
    EXPECT_FALSE(s.IsOpen());
    EXPECT_EQ(s.paragraphText(ParaNum(1)), "A");  // the text stays
    s.setIsOpen(false);
    EXPECT_EQ(s.ParagraphCount(), 1);
    EXPECT_EQ(s.paragraphLength(ParaNum(1)), 0);
}

TEST(Files, SaveClearsModifiedAndMarksASavePoint) {
    qmtest::TempDir dir;
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "x");
    EXPECT_TRUE(s.Modified());
    ASSERT_TRUE(s.SaveToFile(dir.file("m.txt").string()).ok);
    EXPECT_FALSE(s.Modified());
    s.undo();
    EXPECT_TRUE(s.Modified());
    EXPECT_TRUE(s.SaveToFile("").ok);  // an empty name does nothing
}

TEST(Files, BackupKeepsTheOldContentsUnderTheBackupName) {
    qmtest::TempDir dir;
    const fs::path f = dir.file("page.html");
    qmtest::writeFile(f, "old\r\n");
    qmtest::writeFile(dir.file("page.BAK"), "older\r\n");
    TParagraphStore s;
    s.setMakeBackup(true);
    s.insertBytes(ParaNum(1), ParaPos(1), "new");
    ASSERT_TRUE(s.SaveToFile(f.string()).ok);
    EXPECT_EQ(qmtest::readFile(f), "new\r\n");
    EXPECT_EQ(qmtest::readFile(dir.file("page.BAK")), "old\r\n");
    // A file already named like its backup is not backed up onto itself.
    s.setBackupExt("bakup");
    EXPECT_EQ(s.BackupExt(), "bak");
    ASSERT_TRUE(s.SaveToFile(dir.file("x.bak").string()).ok);
    ASSERT_TRUE(s.SaveToFile(dir.file("x.bak").string()).ok);
    EXPECT_EQ(qmtest::readFile(dir.file("x.bak")), "new\r\n");
    EXPECT_TRUE(onlyFiles(dir.path(), {"page.html", "page.BAK", "x.bak"}));
}

TEST(Files, SavingKeepsPermissionsAndSymbolicLinks) {
    qmtest::TempDir dir;
    const fs::path real = dir.file("real.txt");
    qmtest::writeFile(real, "old\r\n");
    ::chmod(real.c_str(), 0640);
    fs::create_symlink("real.txt", dir.file("link.txt"));
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "new");
    ASSERT_TRUE(s.SaveToFile(dir.file("link.txt").string()).ok);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    EXPECT_EQ(qmtest::readFile(real), "new\r\n");
    struct stat st;
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_TRUE(onlyFiles(dir.path(), {"real.txt", "link.txt"}));
}

TEST(Files, HardLinkedFileIsWrittenInPlace) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("a.txt"), "old\r\n");
    fs::create_hard_link(dir.file("a.txt"), dir.file("b.txt"));
    TParagraphStore s;
    s.setMakeBackup(true);
    s.insertBytes(ParaNum(1), ParaPos(1), "new");
    ASSERT_TRUE(s.SaveToFile(dir.file("a.txt").string()).ok);
    EXPECT_EQ(qmtest::readFile(dir.file("b.txt")), "new\r\n");  // still one file
    EXPECT_EQ(qmtest::readFile(dir.file("a.BAK")), "old\r\n");
}

TEST(Files, FullDiskLeavesTheOldFileAndNoStrayFile) {
    qmtest::TempDir dir;
    const qmtest::SmallDisk disk(dir);
    if (!disk.error().empty()) GTEST_SKIP() << disk.error();
    const fs::path& mnt = disk.path();
    const fs::path f = mnt / "doc.txt";
    const std::string old = std::string(20000, 'o') + "\r\n";
    qmtest::writeFile(f, old);
    TParagraphStore s;
    s.setMakeBackup(true);
    for (int i = 0; i < 10; ++i) s.insertParagraphBefore(ParaNum(1), std::string(10000, 'n'));
    const FileResult r = s.SaveToFile(f.string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOSPC) << r.message;
    EXPECT_FALSE(r.message.empty());
    EXPECT_EQ(qmtest::readFile(f), old);
    EXPECT_TRUE(s.Modified());
    EXPECT_TRUE(onlyFiles(mnt, {"doc.txt"}));
}

TEST(Files, ReadOnlyFolderWritesAWritableFileInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to switch to an unprivileged user";
    qmtest::TempDir dir;
    const fs::path folder = dir.file("ro");
    fs::create_directory(folder);
    // The complete copy goes to the fallback folder, as nothing can be made beside.
    const fs::path spare = dir.file("spare");
    fs::create_directory(spare);
    ::chmod(spare.c_str(), 0777);
    durable::setDefaultFallbackDir(spare.string());
    const fs::path f = folder / "doc.txt";
    qmtest::writeFile(f, "old\r\n");
    ::chown(f.c_str(), 65534, 65534);
    ::chmod(f.c_str(), 0644);
    ::chmod(folder.c_str(), 0755);  // owned by root: nobody cannot create files here
    ::chmod(dir.path().c_str(), 0755);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
        TParagraphStore s;
        s.insertBytes(ParaNum(1), ParaPos(1), "new");
        ::_exit(s.SaveToFile(f.string()).ok ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3) GTEST_SKIP() << "cannot switch user";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(qmtest::readFile(f), "new\r\n");
    EXPECT_TRUE(onlyFiles(folder, {"doc.txt"}));
    EXPECT_TRUE(fs::is_empty(spare));
    durable::setDefaultFallbackDir({});
}

TEST(Files, UnwritableTargetFailsAndLeavesIt) {
    qmtest::TempDir dir;
    TParagraphStore s;
    s.insertBytes(ParaNum(1), ParaPos(1), "x");
    const FileResult r = s.SaveToFile((dir.path() / "missing-folder" / "f.txt").string());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, ENOENT);
    EXPECT_FALSE(s.SaveToFile(dir.path().string()).ok);  // a folder is no file
    EXPECT_TRUE(s.Modified());
}
