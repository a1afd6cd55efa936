#pragma once
// Removing every tag from a text in one pass (Convert HTML to Text): each
// "<" up to the first ">" after it, across line ends, goes; a "<" with no
// ">" after it stays, and so does everything after it. Each paragraph's
// tags go in one replacement of the bytes from its first tag to its last,
// so a 10 MB line of markup costs one copy of the line, not one per tag.

#include "TParagraphStore.h"

#include <cstdint>
#include <string>

namespace qm {

struct TagRemoval {
    int removed = 0;
    std::string lastTag;       // the last tag removed, CR LF where it spanned lines
    TextPos lastStart;         // where it stood
    std::uint64_t undoBytes = 0;  // undo history the removal takes (at most)
};

// apply false: nothing changes; the result says what would be removed and
// the undo history it would take. Edits go through the store's edits, as
// the caller's one undo group.
TagRemoval removeTags(TParagraphStore& store, bool apply);

}  // namespace qm
