// The recovery journal reader on any bytes: it never reads past the input,
// keeps only whole records, and every replay stays within the text it grows
// (the store's invariants hold after it).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Journal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const recovery::JournalContents read = recovery::readJournal(bytes);
    if (!read.valid && !read.edits.empty()) std::abort();
    // Reading what was read, written again, gives the same records.
    if (read.valid) {
        std::string again = recovery::encodeHeader(read.header);
        for (const auto& e : read.edits) again += recovery::encodeEdit(e);
        const recovery::JournalContents reread = recovery::readJournal(again);
        if (reread.damaged || reread.edits.size() != read.edits.size()) std::abort();
    }
    qm::TParagraphStore store;
    store.insertText({qm::ParaNum(1), qm::ParaPos(1)}, "base\r\ntext");
    recovery::replayInto(store, read.edits);
    store.check();
    return 0;
}
