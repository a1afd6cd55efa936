#pragma once
// A document's recovery journal: what its file was when the document loaded
// or last saved it, then its edits as they happen (or its whole text, when
// that is smaller). Each record carries its own length and check, so a
// journal cut short by a kill or damaged on disk gives back everything up to
// the damage.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "DurableFile.h"
#include "FileIdentity.h"

namespace recovery {

struct JournalHeader {
    std::string path;       // the document's file; empty while untitled
    std::string caption;    // the window's caption ("New HTML Document 2")
    FileIdentity base;      // the file the edits apply to
};

struct JournalEdit {
    enum class Kind : char { Text = 'T', Insert = 'I', Delete = 'D' };
    Kind kind = Kind::Text;
    std::int64_t timeMs = 0;  // when it was made, milliseconds since the epoch
    std::uint64_t offset = 0; // Insert, Delete: byte offset in the text
    std::uint64_t length = 0; // Delete: bytes removed
    std::string bytes;        // Text: the whole text; Insert: the bytes inserted
};

// The bytes of a new journal (its header) and of one edit record.
std::string encodeHeader(const JournalHeader& header);
std::string encodeEdit(const JournalEdit& edit);

struct JournalContents {
    bool valid = false;    // the header was read
    bool damaged = false;  // something after the last good record could not be read
    JournalHeader header;
    std::vector<JournalEdit> edits;  // every whole record before any damage
};

JournalContents readJournal(std::string_view bytes);

struct Replayed {
    std::string text;
    std::int64_t lastChangeMs = 0;
    bool damaged = false;  // an edit did not fit the text: it and the rest were left out
};

// The text after the edits, starting from base (the file's text the journal
// was made against; unused once a Text record comes).
Replayed replay(const std::vector<JournalEdit>& edits, std::string base);

// Appends to one journal, each record synced before append() returns.
class JournalWriter {
public:
    // Starts a new journal in file (0600), replacing any older one.
    durable::WriteResult open(const std::string& file, const JournalHeader& header);
    durable::WriteResult append(const JournalEdit& edit) { return out_.append(encodeEdit(edit)); }
    void close() { out_.close(); }

private:
    durable::Appender out_;
};

}  // namespace recovery
