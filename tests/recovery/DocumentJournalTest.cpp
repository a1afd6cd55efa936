// Documents' journals: written while the program runs, found and replayed
// after it was killed (a forked child that ends without cleaning up).

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "DocumentJournal.h"
#include "DurableFile.h"
#include "PendingJournals.h"
#include "TestSupport.h"

using recovery::FoundJournal;
using qm::ParaNum;
using qm::ParaPos;
using qm::TextPos;

namespace {

using Script = std::function<void(qm::TParagraphStore&)>;

TextPos at(int para, int pos) { return {ParaNum(para), ParaPos(pos)}; }

// Runs fn in a child process that ends like a killed program: no
// destructors, no clean-up. Returns the child's exit status.
int inKilledChild(const std::function<int()>& fn) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(fn());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void load(qm::TParagraphStore& store, const std::string& file) {
    if (!file.empty()) {
        ASSERT_TRUE(store.LoadFromFile(file).ok);
    }
}

// The edits a user makes: typing, Enter, a paste over lines, undo and redo.
const Script kTyping = [](qm::TParagraphStore& s) {
    s.insertText(at(1, 1), "<p>");
    s.split(at(1, 4), false, 0, 0);
    s.insertText(at(2, 1), "hello\r\nworld");
    s.deleteRange(at(1, 2), at(2, 3));
    s.undo();
    s.undo();
    s.redo();
    s.replaceBytes(ParaNum(1), ParaPos(1), 1, "[");
};

}  // namespace

TEST(DocumentJournal, AKilledDocumentIsRecovered) {
    enum class Disk { Untitled, Same, ChangedAfter, Deleted };
    struct Case {
        const char* name;
        std::string fileText;  // before the edits
        Disk disk;
        std::size_t cut;  // bytes cut from the journal's end
        FoundJournal::Base base;
        bool recoverable;
        bool damaged;
    };
    const std::string small = "<html>\n<body>\n</body>\n";
    // Over the stand-alone size: the journal holds edits only.
    std::string large;
    while (large.size() <= std::size_t(recovery::DocumentJournal::kStandAloneBytes)) large += std::string(63, 'x') + "\n";
    const Case cases[] = {
        {"untitled", "", Disk::Untitled, 0, FoundJournal::Base::Untitled, true, false},
        {"titled, file as it was", small, Disk::Same, 0, FoundJournal::Base::Same, true, false},
        {"titled large, file as it was", large, Disk::Same, 0, FoundJournal::Base::Same, true, false},
        {"file changed since: the whole text comes back beside it", small, Disk::ChangedAfter, 0,
         FoundJournal::Base::Changed, true, false},
        {"file deleted since", small, Disk::Deleted, 0, FoundJournal::Base::Changed, true, false},
        {"large file changed since: edits alone cannot be replayed", large, Disk::ChangedAfter, 0,
         FoundJournal::Base::Changed, false, false},
        {"journal cut inside its last record", small, Disk::Same, 3, FoundJournal::Base::Same, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qmtest::TempDir dir;
        const std::string folder = dir.file("recovery").string();
        const std::string doc = c.disk == Disk::Untitled ? std::string() : dir.file("page.html").string();
        if (!doc.empty()) {
        ASSERT_TRUE(durable::writeFile(doc, c.fileText));
    }

        // Two flushes: the second one's edits are the part a cut damages.
        const auto edit = [&](qm::TParagraphStore& s) {
            kTyping(s);
            s.insertText(at(1, 1), "!");
        };
        const int rc = inKilledChild([&] {
            // Left for the kill: nothing is destroyed.
            auto& store = *new qm::TParagraphStore;
            load(store, doc);
            auto& journal = *new recovery::DocumentJournal(store, folder);
            journal.restart(doc, recovery::identityOf(doc));
            kTyping(store);
            if (!journal.flush()) return 1;
            store.insertText(at(1, 1), "!");
            return journal.flush() ? 0 : 2;
        });
        ASSERT_EQ(rc, 0);
        if (c.disk == Disk::ChangedAfter) {
        ASSERT_TRUE(durable::writeFile(doc, c.fileText + "changed\n"));
    }
        if (c.disk == Disk::Deleted) {
        ASSERT_EQ(::unlink(doc.c_str()), 0);
    }

        std::vector<FoundJournal> found = recovery::findJournals(folder);
        ASSERT_EQ(found.size(), 1u);
        FoundJournal& f = found[0];
        if (c.cut) {
            std::string bytes = durable::readFile(f.file).bytes;
            ASSERT_TRUE(durable::writeFile(f.file, bytes.substr(0, bytes.size() - c.cut)));
            found = recovery::findJournals(folder);
            ASSERT_EQ(found.size(), 1u);
        }
        FoundJournal& g = found[0];
        EXPECT_EQ(g.base, c.base);
        EXPECT_EQ(g.recoverable(), c.recoverable);
        EXPECT_EQ(g.damaged, c.damaged);
        EXPECT_EQ(g.name(), doc.empty() ? "Untitled" : doc);
        EXPECT_GT(g.lastChangeMs, 0);
        if (!g.recoverable()) continue;

        // What the user had at each flush.
        qm::TParagraphStore atFirst, atLast;
        if (!doc.empty()) {
            ASSERT_TRUE(durable::writeFile(dir.file("was.html").string(), c.fileText));
            load(atFirst, dir.file("was.html").string());
            load(atLast, dir.file("was.html").string());
        }
        kTyping(atFirst);
        edit(atLast);
        qm::TParagraphStore recovered;
        if (g.base == FoundJournal::Base::Same) load(recovered, doc);
        const recovery::Replayed r = recovery::replayInto(recovered, g.edits);
        EXPECT_FALSE(r.damaged);
        EXPECT_EQ(recovered.text(), (c.damaged ? atFirst : atLast).text());
        recovery::removeJournal(g);
        EXPECT_TRUE(recovery::findJournals(folder).empty());
    }
}

// A journal stays locked while its document is open: another process does
// not offer it; once the owner is gone it does.
TEST(DocumentJournal, AnotherInstanceDoesNotSeeAnOpenDocument) {
    qmtest::TempDir dir;
    const std::string folder = dir.file("recovery").string();
    auto othersFind = [&] {
        return inKilledChild([&] { return int(recovery::findJournals(folder).size()); });
    };
    {
        qm::TParagraphStore store;
        recovery::DocumentJournal journal(store, folder);
        store.insertText(at(1, 1), "unsaved");
        ASSERT_TRUE(journal.flush());
        EXPECT_EQ(othersFind(), 0);
        EXPECT_TRUE(recovery::findJournals(folder).empty());  // nor this one's own start-up
    }
    EXPECT_EQ(othersFind(), 0);  // closed cleanly: the journal went with it
    ASSERT_EQ(inKilledChild([&] {
                  auto& store = *new qm::TParagraphStore;
                  auto& journal = *new recovery::DocumentJournal(store, folder);
                  store.insertText(at(1, 1), "unsaved");
                  return journal.flush() ? 0 : 1;
              }),
              0);
    EXPECT_EQ(othersFind(), 1);
}

TEST(DocumentJournal, FlushesTheEditsOrTheWholeTextWhenDue) {
    qmtest::TempDir dir;
    const std::string folder = dir.file("recovery").string();
    const std::string doc = dir.file("big.html").string();
    ASSERT_TRUE(durable::writeFile(doc, std::string(3 << 20, 'a') + "\n"));
    qm::TParagraphStore store;
    load(store, doc);
    recovery::DocumentJournal journal(store, folder);
    journal.restart(doc, recovery::identityOf(doc));
    int pendingCalls = 0;
    journal.onPending = [&] { ++pendingCalls; };

    // Nothing is written before the first edit, and unmodified text needs no journal.
    EXPECT_FALSE(journal.pending());
    const std::int64_t t0 = recovery::nowMs();
    for (int i = 0; i < recovery::DocumentJournal::kFlushEdits - 1; ++i) store.insertBytes(ParaNum(1), ParaPos(1), "k");
    EXPECT_EQ(pendingCalls, 1);
    EXPECT_FALSE(journal.due(t0));
    EXPECT_TRUE(journal.due(t0 + recovery::DocumentJournal::kMaxAgeMs + 1000));
    store.insertBytes(ParaNum(1), ParaPos(1), "k");
    EXPECT_TRUE(journal.due(t0));
    ASSERT_TRUE(journal.flush());
    // A titled document over the stand-alone size: 200 keys write about
    // their own size, not the 3 MB text.
    EXPECT_LT(journal.lastFlushBytes(), 200u * 64);
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(journal.file().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // Edits larger than the text: the text is written instead.
    store.reset();
    store.insertText(at(1, 1), "tiny");
    store.setModified(true);
    const std::string big(4096, 'p');
    store.insertText(at(1, 1), big);
    store.deleteRange(at(1, 1), at(1, 4097));
    ASSERT_TRUE(journal.flush());
    EXPECT_LT(journal.lastFlushBytes(), 100u);

    // Saved: the journal goes until the next edit.
    const std::string file = journal.file();
    journal.restart(doc, recovery::identityOf(doc));
    EXPECT_TRUE(journal.file().empty());
    EXPECT_NE(::access(file.c_str(), F_OK), 0);
    // Undone back to the file's text: the flush removes rather than writes.
    store.setModified(false);
    store.insertBytes(ParaNum(1), ParaPos(1), "x");
    store.undo();
    ASSERT_TRUE(journal.flush());
    EXPECT_TRUE(journal.file().empty());
    EXPECT_FALSE(journal.pending());
}

// A write that fails midway leaves a journal that cannot be trusted: the
// next flush starts a new one that still holds every edit.
TEST(DocumentJournal, AFailedFlushLosesNothing) {
    qmtest::TempDir dir;
    const std::string folder = dir.file("recovery").string();
    qm::TParagraphStore store;
    recovery::DocumentJournal journal(store, folder);
    store.insertText(at(1, 1), "first");
    ASSERT_TRUE(journal.flush());
    store.insertText(at(1, 6), " second");
    durable::setFaultHook([](durable::Step step, const std::string&, int) { return step == durable::Step::Sync ? EIO : 0; });
    EXPECT_FALSE(journal.flush());
    durable::setFaultHook({});
    EXPECT_TRUE(journal.pending());
    ASSERT_TRUE(journal.flush());
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++files;
    EXPECT_EQ(files, 1u);
    qm::TParagraphStore recovered;
    recovery::replayInto(recovered, recovery::readJournal(durable::readFile(journal.file()).bytes).edits);
    EXPECT_EQ(recovered.text(), "first second");
}
