#include "PendingJournals.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <unistd.h>

#include "DurableFile.h"

namespace recovery {

namespace {

// Larger journals are not read (a document is at most a few hundred MB).
constexpr std::uint64_t kJournalLimit = 1ull << 31;

}  // namespace

std::vector<FoundJournal> findJournals(const std::string& folder) {
    std::vector<FoundJournal> out;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.path().extension() != ".journal") continue;
        FoundJournal f;
        f.file = entry.path().string();
        // Held: its document is open in a running instance.
        if (!f.lock.acquire(f.file)) continue;
        const durable::ReadResult read = durable::readFile(f.file, kJournalLimit);
        if (!read) continue;
        JournalContents contents = readJournal(read.bytes);
        if (!contents.valid || contents.edits.empty()) {
            // Killed before its first edit was written: nothing to give back.
            // A young one may be another instance's, created a moment before
            // it could lock it: left alone.
            const auto age = std::filesystem::file_time_type::clock::now() - entry.last_write_time(ec);
            if (!ec && age > std::chrono::seconds(10)) removeJournal(f);
            continue;
        }
        f.header = std::move(contents.header);
        f.edits = std::move(contents.edits);
        f.damaged = contents.damaged;
        f.lastChangeMs = f.edits.back().timeMs;
        if (f.header.path.empty())
            f.base = FoundJournal::Base::Untitled;
        else
            f.base = f.header.base.exists && diskChange(f.header.base, f.header.path) == DiskChange::None
                         ? FoundJournal::Base::Same
                         : FoundJournal::Base::Changed;
        f.choice = f.recoverable() ? FoundJournal::Choice::Recover : FoundJournal::Choice::Later;
        out.push_back(std::move(f));
    }
    std::sort(out.begin(), out.end(),
              [](const FoundJournal& a, const FoundJournal& b) { return a.lastChangeMs < b.lastChangeMs; });
    return out;
}

void removeJournal(FoundJournal& found) {
    ::unlink(found.file.c_str());
    found.lock.release();
}

}  // namespace recovery
