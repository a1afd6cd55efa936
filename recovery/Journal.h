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
#include "TParagraphStore.h"

namespace recovery {

struct JournalHeader {
    std::string path;       // the document's file; empty while untitled
    std::string caption;    // the window's caption ("New HTML Document 2")
    FileIdentity base;      // the file the edits apply to
};

// One raw edit of the store (see qm::EditListener), or the whole text.
struct JournalEdit {
    enum class Kind : char { Text = 'T', Replace = 'R', InsertParagraph = 'P', RemoveParagraph = 'X' };
    Kind kind = Kind::Text;
    std::int64_t timeMs = 0;   // when it was made, milliseconds since the epoch
    std::uint64_t para = 0;    // Replace, RemoveParagraph: the paragraph; InsertParagraph: the one it goes before
    std::uint64_t offset = 0;  // Replace: byte offset in the paragraph (0-based)
    std::uint64_t length = 0;  // Replace: bytes given up
    std::string bytes;         // Replace: the bytes put in; InsertParagraph: the paragraph
    std::vector<std::string> paragraphs;  // Text: the whole text
};

// The bytes of a new journal (its header) and of one edit record.
std::string encodeHeader(const JournalHeader& header);
std::string encodeEdit(const JournalEdit& edit);
// The same bytes as encodeEdit of a Replace, without building one (typing).
void appendReplace(std::string& out, std::int64_t timeMs, std::uint64_t para, std::uint64_t offset,
                   std::uint64_t length, std::string_view bytes);

struct JournalContents {
    bool valid = false;    // the header was read
    bool damaged = false;  // something after the last good record could not be read
    JournalHeader header;
    std::vector<JournalEdit> edits;  // every whole record before any damage
};

JournalContents readJournal(std::string_view bytes);

// Where the edits stand alone (need no file to start from): the index of
// their last whole text, or edits.size() when they carry none.
std::size_t lastWholeText(const std::vector<JournalEdit>& edits);
inline bool standsAlone(const std::vector<JournalEdit>& edits) { return lastWholeText(edits) < edits.size(); }

struct Replayed {
    std::int64_t lastChangeMs = 0;
    bool damaged = false;  // an edit did not fit the text: it and the rest were left out
};

// Replays the edits from `from` on onto the store, which holds the text they
// were made against (the file's text as loaded; any text when they start
// with a whole text), through its primitive edits: the store's own edit
// listener sees them as if they were typed, and one undo step takes them back.
Replayed replayInto(qm::TParagraphStore& store, const std::vector<JournalEdit>& edits, std::size_t from = 0);

// Appends to one journal, each record synced before append() returns.
class JournalWriter {
public:
    // Starts a new journal in file (0600), replacing any older one.
    durable::WriteResult open(const std::string& file, const JournalHeader& header);
    durable::WriteResult append(const JournalEdit& edit) { return out_.append(encodeEdit(edit)); }
    // Records already encoded (encodeEdit, appendReplace), in one write.
    durable::WriteResult appendEncoded(std::string_view records) { return out_.append(records); }
    void close() { out_.close(); }

private:
    durable::Appender out_;
};

}  // namespace recovery
