#pragma once
// The recovery journal of one document while it has unsaved changes. Every
// raw edit of the document's store is encoded into a memory buffer as it
// happens (no I/O while typing); flush() appends the buffer, or the whole
// text when that is smaller, to the journal through the durable appender.
// The journal is locked while this object holds it, so that another
// instance never offers to recover a document that is still open.

#include <cstdint>
#include <functional>
#include <string>

#include "DurableFile.h"
#include "FileIdentity.h"
#include "Journal.h"
#include "JournalLock.h"
#include "TParagraphStore.h"

namespace recovery {

// Milliseconds since the epoch, the journals' clock.
std::int64_t nowMs();

class DocumentJournal : public qm::EditListener {
public:
    static constexpr int kFlushEdits = 200;          // edits that make a flush due
    static constexpr std::int64_t kMaxAgeMs = 2000;  // no edit waits longer in memory
    // Up to this size a titled document's journal starts with its whole text,
    // so that it can be recovered even when its file changes afterwards.
    static constexpr std::int64_t kStandAloneBytes = 1 << 20;

    // Listens to store (which must outlive this) and keeps its journals in folder.
    DocumentJournal(qm::TParagraphStore& store, std::string folder);
    ~DocumentJournal() override;  // the document closed: its journal goes
    DocumentJournal(const DocumentJournal&) = delete;  // one listener per store
    DocumentJournal& operator=(const DocumentJournal&) = delete;

    // The text now equals the file's (loaded or saved; path empty while
    // untitled): the journal goes, and later edits start one against base.
    void restart(const std::string& path, const FileIdentity& base);
    // The caption a journal started from now on shows.
    void setCaption(const std::string& caption) { header_.caption = caption; }

    bool pending() const { return dirty_; }
    // A flush is due: kFlushEdits edits wait, or the oldest waits kMaxAgeMs.
    bool due(std::int64_t now) const;
    // Writes what waits (creating the journal first). When that fails nothing
    // is lost: the next try (2 s or 200 edits later) starts a new journal
    // with the whole text. An unmodified document needs no journal: it goes.
    durable::WriteResult flush();
    // The journal's file while one exists, else empty.
    const std::string& file() const { return file_; }
    // Bytes the last flush appended (the benchmark reads it).
    std::size_t lastFlushBytes() const { return lastFlushBytes_; }

    // Called at the first edit after a flush, so the owner can start its timer.
    std::function<void()> onPending;

    // qm::EditListener
    void bytesReplaced(qm::ParaNum n, std::int32_t offset, std::int32_t erased, std::string_view bytes) override;
    void paragraphInserted(qm::ParaNum before, std::string_view text) override;
    void paragraphRemoved(qm::ParaNum n) override;
    void textReset() override;

private:
    void noteEdit();
    void removeFile();
    durable::WriteResult create();
    JournalEdit wholeText() const;

    qm::TParagraphStore& store_;
    std::string folder_;
    JournalHeader header_;
    std::string file_;
    JournalWriter writer_;
    JournalLock lock_;
    std::string buffer_;        // encoded edits not yet written
    int edits_ = 0;             // since the last flush (or failed try)
    std::int64_t oldestMs_ = 0; // of the first edit in buffer_
    bool dirty_ = false;        // edited since the last flush
    bool needWhole_ = false;    // the next flush writes the whole text
    std::size_t lastFlushBytes_ = 0;
};

}  // namespace recovery
