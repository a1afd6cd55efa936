// The one write and read routine: what other users can see while a file is
// written, what a failure, a full disk or a kill leaves behind, and which
// files a read refuses.

#include "DurableFile.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using durable::Step;

namespace {

// Installs a fault hook for one test and removes it again.
struct HookGuard {
    explicit HookGuard(durable::FaultHook h) { durable::setFaultHook(std::move(h)); }
    ~HookGuard() { durable::setFaultHook({}); }
};

std::set<std::string> namesIn(const fs::path& dir) {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
    return out;
}

unsigned modeOf(int fd) {
    struct stat st;
    return ::fstat(fd, &st) == 0 ? st.st_mode & 07777 : 0xFFFFu;
}

unsigned modeOf(const fs::path& p) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0xFFFFu;
}

// A text of several write chunks, so a kill can land between them.
std::string bigText(char c) { return std::string(200000, c) + "\n"; }

// Runs work in a child process that is killed (SIGKILL) the nth time a write
// reaches step; true when it was.
bool killedAt(Step step, int nth, const std::function<void()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int seen = 0;
        durable::setFaultHook([&](Step s, const std::string&, int) {
            if (s == step && ++seen == nth) ::raise(SIGKILL);
            return 0;
        });
        work();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// a.txt, b.txt and c.txt in dir, each holding text.
std::vector<std::string> threeFiles(const qmtest::TempDir& dir, const std::string& text) {
    std::vector<std::string> files;
    for (const char* n : {"a.txt", "b.txt", "c.txt"}) {
        files.push_back(dir.file(n).string());
        qmtest::writeFile(files.back(), text);
    }
    return files;
}

// One letter a file: 'n' when it holds newText, else 'o'.
std::string oldOrNew(const std::vector<std::string>& files, const std::string& newText) {
    std::string out;
    for (const std::string& f : files) out += qmtest::readFile(f) == newText ? 'n' : 'o';
    return out;
}

}  // namespace

// The temporary file is 0600 when created and has the target's mode before
// its first byte; it used to be 0666 less umask until just before (documents)
// or after (settings) the bytes were written.
TEST(DurableFile, TemporaryFileIsPrivateUntilItHasTheTargetsMode) {
    struct Case {
        const char* name;
        int targetMode;  // -1: no file yet
        unsigned expectFinal;
    };
    const mode_t mask = ::umask(022);
    const Case cases[] = {{"private", 0600, 0600}, {"group", 0640, 0640}, {"public", 0644, 0644}, {"new", -1, 0644}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qmtest::TempDir dir;
        const fs::path f = dir.file("doc.txt");
        if (c.targetMode >= 0) {
            qmtest::writeFile(f, "old");
            ::chmod(f.c_str(), static_cast<mode_t>(c.targetMode));
        }
        unsigned atCreate = 0, atFirstByte = 0;
        HookGuard hook([&](Step step, const std::string&, int fd) {
            if (step == Step::Created) atCreate = modeOf(fd);
            if (step == Step::Write && atFirstByte == 0) atFirstByte = modeOf(fd);
            return 0;
        });
        ASSERT_TRUE(durable::writeFile(f.string(), std::string_view("secret")));
        EXPECT_EQ(atCreate, 0600u);
        EXPECT_EQ(atFirstByte, c.expectFinal);
        EXPECT_EQ(modeOf(f), c.expectFinal);
        EXPECT_EQ(qmtest::readFile(f), "secret");
    }
    ::umask(mask);
}

// A failing write, sync or rename leaves the old file and no temporary file,
// and the message names the file.
TEST(DurableFile, FailureAtAnyStepLeavesTheOldFile) {
    for (Step failAt : {Step::Created, Step::Write, Step::Sync, Step::Rename}) {
        SCOPED_TRACE(static_cast<int>(failAt));
        qmtest::TempDir dir;
        const fs::path f = dir.file("doc.txt");
        qmtest::writeFile(f, "old");
        HookGuard hook([&](Step step, const std::string&, int) { return step == failAt ? EIO : 0; });
        const durable::WriteResult r = durable::writeFile(f.string(), std::string_view("new"));
        EXPECT_EQ(r.error, EIO);
        EXPECT_NE(r.message.find(f.string()), std::string::npos) << r.message;
        EXPECT_EQ(qmtest::readFile(f), "old");
        EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"doc.txt"});
    }
}

// A read-only file is never replaced, not even by root (no write bit at all).
TEST(DurableFile, ReadOnlyFileIsNotTouched) {
    qmtest::TempDir dir;
    const fs::path f = dir.file("doc.txt");
    qmtest::writeFile(f, "old");
    ::chmod(f.c_str(), 0444);
    const durable::WriteResult r = durable::writeFile(f.string(), std::string_view("new"));
    EXPECT_TRUE(r.readOnly);
    EXPECT_EQ(r.message, f.string() + " is read-only.");
    EXPECT_EQ(qmtest::readFile(f), "old");
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"doc.txt"});
}

// What a killed save left behind is removed by the next save of the same
// file, and nothing else is.
TEST(DurableFile, NextSaveRemovesOnlyItsOwnStaleTemporaries) {
    qmtest::TempDir dir;
    const fs::path f = dir.file("doc.txt");
    qmtest::writeFile(f, "old");
    const std::set<std::string> kept = {".other.txt.qmsave-0123456789ab", ".doc.txt.qmsave-notours",
                                        ".doc.txt.qmsave-0123456789abc", "doc.txt.qmcopy-0123456789ab"};
    for (const std::string& n : kept) qmtest::writeFile(dir.file(n), "x");
    qmtest::writeFile(dir.file(".doc.txt.qmsave-0123456789ab"), "stale");
    ASSERT_TRUE(durable::writeFile(f.string(), std::string_view("new")));
    std::set<std::string> expect = kept;
    expect.insert("doc.txt");
    EXPECT_EQ(namesIn(dir.path()), expect);
}

// kill -9 at several points of an in-place save (hard-linked file, no
// backup): at every point the new text is whole somewhere the user can reach,
// and the target is whole (old or new) unless that copy exists.
TEST(DurableFile, KilledInPlaceSaveAlwaysLeavesTheTextWhole) {
    struct Case {
        const char* name;
        Step step;
        int nth;  // kill at the nth time the step is reached
        bool targetOld, copyLeft;
    };
    const Case cases[] = {
        {"copy being written", Step::Write, 1, true, false},
        {"copy synced", Step::CopyReady, 1, true, true},
        {"first chunk in place", Step::InPlace, 1, true, true},
        {"middle of the rewrite", Step::InPlace, 3, false, true},
        {"before the final sync", Step::Sync, 2, false, true},
    };
    const std::string oldText = bigText('o'), newText = bigText('n');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qmtest::TempDir dir;
        const fs::path f = dir.file("doc.txt");
        qmtest::writeFile(f, oldText);
        fs::create_hard_link(f, dir.file("other-name.txt"));
        ASSERT_TRUE(killedAt(c.step, c.nth, [&] { durable::writeFile(f.string(), std::string_view(newText)); }));
        std::string copy;
        for (const std::string& n : namesIn(dir.path()))
            if (n.rfind("doc.txt.qmcopy-", 0) == 0) copy = n;
        const std::string target = qmtest::readFile(f);
        EXPECT_TRUE(qmtest::readFile(dir.file("other-name.txt")) == target);  // still one file
        EXPECT_EQ(!copy.empty(), c.copyLeft);
        if (c.targetOld) {
            EXPECT_TRUE(target == oldText);
        }
        if (!copy.empty()) {
            EXPECT_TRUE(qmtest::readFile(dir.file(copy)) == newText);
        } else {
            EXPECT_TRUE(target == oldText || target == newText);
        }
        // The next save finishes the job and removes the partial files; a
        // complete copy stays for the user to remove.
        ASSERT_TRUE(durable::writeFile(f.string(), std::string_view(newText)));
        EXPECT_TRUE(qmtest::readFile(dir.file("other-name.txt")) == newText);
        std::set<std::string> expect = {"doc.txt", "other-name.txt"};
        if (!copy.empty()) expect.insert(copy);
        EXPECT_EQ(namesIn(dir.path()), expect);
    }
}

// A full disk during an in-place save with no backup: the file is never left
// as neither version (it used to keep 65,536 bytes of neither).
TEST(DurableFile, FullDiskInPlaceSaveKeepsTheOldFileAndNamesTheCopy) {
    struct Case {
        const char* name;
        bool fallback;
    };
    for (const Case& c : {Case{"copy in the fallback folder", true}, Case{"no room for a copy anywhere", false}}) {
        SCOPED_TRACE(c.name);
        qmtest::TempDir dir;
        const qmtest::SmallDisk disk(dir);
        if (!disk.error().empty()) GTEST_SKIP() << disk.error();
        const fs::path& mnt = disk.path();
        const fs::path f = mnt / "doc.txt";
        const std::string oldText(20000, 'o'), newText(80000, 'n');
        qmtest::writeFile(f, oldText);
        fs::create_hard_link(f, mnt / "link.txt");
        durable::WriteOptions options;
        if (c.fallback) options.fallbackDir = dir.path().string();
        const durable::WriteResult r = durable::writeFile(f.string(), std::string_view(newText), options);
        EXPECT_EQ(r.error, ENOSPC) << r.message;
        EXPECT_TRUE(qmtest::readFile(f) == oldText);
        EXPECT_EQ(namesIn(mnt), (std::set<std::string>{"doc.txt", "link.txt"}));
        if (c.fallback) {
            ASSERT_FALSE(r.heldIn.empty());
            EXPECT_NE(r.message.find(r.heldIn), std::string::npos) << r.message;
            EXPECT_TRUE(qmtest::readFile(r.heldIn) == newText);
        } else {
            EXPECT_TRUE(r.heldIn.empty());
        }
    }
}

// A batch: no target changes before commit(); then each file is new unless
// its own step failed, and no temporary is left behind either way.
TEST(DurableBatch, TargetsChangeAtCommitAndEachFailureStaysWithItsFile) {
    struct Case {
        const char* name;
        const char* failFile;  // null: no fault; empty: every file
        Step failAt;
        bool commit;
        std::string expect;  // the three files afterwards, o = old, n = new
        std::vector<int> errors;  // commit()'s results
    };
    const Case cases[] = {
        {"all written", nullptr, Step::Write, true, "nnn", {0, 0, 0}},
        {"b cannot be written", "b.txt", Step::Write, true, "non", {0, 0}},
        {"the shared sync fails", "", Step::Sync, true, "ooo", {EIO, EIO, EIO}},
        {"b cannot be renamed", "b.txt", Step::Rename, true, "non", {0, EIO, 0}},
        {"never committed", nullptr, Step::Write, false, "ooo", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qmtest::TempDir dir;
        const std::vector<std::string> files = threeFiles(dir, "old");
        qmtest::writeFile(dir.file(".a.txt.qmsave-0123456789ab"), "stale");  // a killed save of a.txt
        qmtest::writeFile(dir.file(".x.txt.qmsave-0123456789ab"), "stale");  // of another file: kept
        auto fails = [&](Step step, const std::string& f) {
            return c.failFile && step == c.failAt && f.find(c.failFile) != std::string::npos;
        };
        HookGuard hook([&](Step step, const std::string& f, int) { return fails(step, f) ? EIO : 0; });
        std::vector<int> errors;
        {
            durable::Batch batch;
            durable::WriteOptions options;
            options.batch = &batch;
            options.backupPath = dir.file("a.bak").string();
            for (const std::string& f : files) {
                const bool staged = bool(durable::writeFile(f, std::string_view("new"), options));
                EXPECT_EQ(staged, !fails(Step::Write, f)) << f;
                options.backupPath.clear();
            }
            EXPECT_TRUE(batch.holds(files[0]));
            for (const std::string& f : files) EXPECT_EQ(qmtest::readFile(f), "old");
            if (c.commit)
                for (const durable::WriteResult& r : batch.commit()) errors.push_back(r.error);
            EXPECT_FALSE(c.commit && batch.holds(files[0]));
        }
        EXPECT_EQ(errors, c.errors);
        EXPECT_EQ(oldOrNew(files, "new"), c.expect);
        std::set<std::string> names = {"a.txt", "b.txt", "c.txt", ".x.txt.qmsave-0123456789ab"};
        if (c.expect[0] == 'n') {
            names.insert("a.bak");
            EXPECT_EQ(qmtest::readFile(dir.file("a.bak")), "old");
        }
        EXPECT_EQ(namesIn(dir.path()), names);
    }
}

// The same file under another name is held by the batch; a file with several
// hard links cannot be renamed over and is written at once, in place.
TEST(DurableBatch, KnowsItsFilesHoweverNamedAndWritesHardLinkedOnesAtOnce) {
    qmtest::TempDir dir;
    const fs::path a = dir.file("a.txt"), linked = dir.file("linked.txt");
    qmtest::writeFile(a, "old");
    qmtest::writeFile(linked, "old");
    fs::create_symlink(a, dir.file("alias.txt"));
    fs::create_hard_link(linked, dir.file("second-name.txt"));
    durable::Batch batch;
    durable::WriteOptions options;
    options.batch = &batch;
    ASSERT_TRUE(durable::writeFile(a.string(), std::string_view("new"), options));
    ASSERT_TRUE(durable::writeFile(linked.string(), std::string_view("new"), options));
    EXPECT_TRUE(batch.holds(dir.file("alias.txt").string()));
    EXPECT_FALSE(batch.holds(linked.string()));
    EXPECT_EQ(qmtest::readFile(dir.file("second-name.txt")), "new");
    EXPECT_EQ(qmtest::readFile(a), "old");
    const std::vector<durable::WriteResult> out = batch.commit();
    ASSERT_EQ(out.size(), 2u);
    EXPECT_TRUE(out[0] && out[1]);
    EXPECT_EQ(qmtest::readFile(a), "new");
    EXPECT_TRUE(fs::is_symlink(dir.file("alias.txt")));
}

// kill -9 during a commit: every file holds its old or its new text whole,
// and the next save of each removes what the batch left.
TEST(DurableBatch, KilledCommitLeavesEachFileOldOrNew) {
    struct Case {
        const char* name;
        Step step;
        int nth;
        std::string expect;
    };
    const Case cases[] = {{"before the shared sync", Step::Sync, 1, "ooo"},
                          {"before the second rename", Step::Rename, 2, "noo"}};
    const std::string oldText = bigText('o'), newText = bigText('n');
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qmtest::TempDir dir;
        const std::vector<std::string> files = threeFiles(dir, oldText);
        ASSERT_TRUE(killedAt(c.step, c.nth, [&] {
            durable::Batch batch;
            durable::WriteOptions options;
            options.batch = &batch;
            for (const std::string& f : files) durable::writeFile(f, std::string_view(newText), options);
            batch.commit();
        }));
        for (const std::string& f : files) {
            const std::string text = qmtest::readFile(f);
            EXPECT_TRUE(text == oldText || text == newText);
        }
        EXPECT_EQ(oldOrNew(files, newText), c.expect);
        for (const std::string& f : files) ASSERT_TRUE(durable::writeFile(f, std::string_view("last")));
        EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"a.txt", "b.txt", "c.txt"}));
    }
}

// A journal: created 0600, each append synced, appends accumulate, and a
// failed sync is reported.
TEST(DurableFile, AppenderCreatesPrivateFileAndReportsFailedSync) {
    qmtest::TempDir dir;
    const fs::path f = dir.file("journal");
    durable::Appender a;
    ASSERT_TRUE(a.open(f.string()));
    EXPECT_EQ(modeOf(f), 0600u);
    ASSERT_TRUE(a.append("one\n"));
    ASSERT_TRUE(a.append("two\n"));
    {
        HookGuard hook([](Step step, const std::string&, int) { return step == Step::Sync ? EIO : 0; });
        EXPECT_EQ(a.append("three\n").error, EIO);
    }
    a.close();
    durable::Appender again;
    ASSERT_TRUE(again.open(f.string()));
    ASSERT_TRUE(again.append("four\n"));
    EXPECT_EQ(qmtest::readFile(f), "one\ntwo\nthree\nfour\n");
}

// Only regular files within the limit are read; a FIFO or a device never
// blocks or fills memory.
TEST(DurableFile, CheckedReadRefusesWhatIsNotAPlainFileOfBoundedSize) {
    qmtest::TempDir dir;
    qmtest::writeFile(dir.file("small"), "12345");
    qmtest::writeFile(dir.file("big"), std::string(101, 'x'));
    fs::create_directory(dir.file("folder"));
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.file("zero"));
    struct Case {
        const char* name;
        int error;
        std::string reason;
    };
    const Case cases[] = {
        {"small", 0, ""},
        {"big", EFBIG, dir.file("big").string() + " is too large to edit (101 bytes; the limit is 100 bytes)."},
        {"folder", EISDIR, "It is a folder, not a file."},
        {"pipe", ENODEV, "It is not a plain file (a device, pipe or socket)."},
        {"zero", ENODEV, "It is not a plain file (a device, pipe or socket)."},
        {"missing", ENOENT, std::strerror(ENOENT)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const durable::ReadResult r = durable::readFile(dir.file(c.name).string(), 100);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(r.reason, c.reason);
        EXPECT_EQ(r.bytes, c.error ? "" : "12345");
    }
}
