#pragma once
// The journals a killed or stopped program left behind, as the recovery
// window lists them: which document, when it last changed, and whether its
// edits can go back onto its file. Each is locked while listed, so another
// instance neither lists it nor removes it meanwhile.

#include <cstdint>
#include <string>
#include <vector>

#include "Journal.h"
#include "JournalLock.h"

namespace recovery {

struct FoundJournal {
    enum class Base {
        Untitled,  // never saved: the edits stand alone
        Same,      // the file is the version the edits were made against
        Changed,   // the file changed or went since: only a whole text can come back
    };
    enum class Choice { Recover, Discard, Later };

    std::string file;  // the journal
    JournalHeader header;
    std::vector<JournalEdit> edits;
    Base base = Base::Untitled;
    bool damaged = false;           // cut short or damaged: the edits before the damage
    std::int64_t lastChangeMs = 0;  // the last readable edit
    Choice choice = Choice::Later;
    JournalLock lock;

    // Untitled, the same file, or a journal whose edits stand alone.
    bool recoverable() const { return base != Base::Changed || standsAlone(edits); }
    // The file's path, or "Untitled".
    std::string name() const { return header.path.empty() ? std::string("Untitled") : header.path; }
};

// The journals in folder that nobody holds, oldest change first. A journal
// with no readable edit holds nothing to recover: it is removed.
std::vector<FoundJournal> findJournals(const std::string& folder);

// Removes the journal (discarded, or recovered into a document that keeps a
// journal of its own) and drops its lock.
void removeJournal(FoundJournal& found);

}  // namespace recovery
