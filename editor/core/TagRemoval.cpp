#include "TagRemoval.h"

namespace qm {

TagRemoval removeTags(TParagraphStore& store, bool apply) {
    TagRemoval r;
    const std::uint64_t record = TEditUndoBuffer::replaceRecordBytes(0, 0);
    std::string kept;
    std::int32_t n = 1;
    std::size_t from = 0;  // where the search goes on in paragraph n
    while (n <= store.ParagraphCount()) {
        const std::string_view text = store.paragraphText(ParaNum(n));
        // The tags that end in this paragraph, in one pass.
        kept.clear();
        std::size_t first = std::string_view::npos, done = from, open = std::string_view::npos;
        for (std::size_t i = from;;) {
            const std::size_t lt = text.find('<', i);
            if (lt == std::string_view::npos) break;
            const std::size_t gt = text.find('>', lt + 1);
            if (gt == std::string_view::npos) {
                open = lt;
                break;
            }
            if (first == std::string_view::npos) first = lt;
            else kept.append(text.substr(done, lt - done));
            r.lastTag.assign(text.substr(lt, gt + 1 - lt));
            ++r.removed;
            done = i = gt + 1;
        }
        std::size_t shift = 0;  // bytes the replacement took out before `open`
        if (first != std::string_view::npos) {
            r.lastStart = {ParaNum(n), ParaPos(static_cast<std::int32_t>(first + kept.size()) + 1)};
            r.undoBytes += TEditUndoBuffer::replaceRecordBytes(done - first, kept.size());
            shift = done - first - kept.size();
            if (apply)
                store.replaceBytes(ParaNum(n), ParaPos(static_cast<std::int32_t>(first) + 1),
                                   static_cast<std::int32_t>(done - first), kept);
        }
        if (open == std::string_view::npos) {
            ++n;
            from = 0;
            continue;
        }
        // A tag that goes on past the line end: it ends at the first ">" of
        // a later paragraph, or nothing more is removed.
        const std::int32_t paragraphs = store.ParagraphCount();
        std::int32_t m = n + 1;
        std::size_t gt = std::string_view::npos;
        for (; m <= paragraphs; ++m)
            if ((gt = store.paragraphText(ParaNum(m)).find('>')) != std::string_view::npos) break;
        if (m > paragraphs) break;
        const std::size_t at = apply ? open - shift : open;  // the "<" in paragraph n as it is now
        r.lastTag.assign(store.paragraphText(ParaNum(n)).substr(at));
        std::uint64_t bytes = store.paragraphText(ParaNum(n)).size() - at;
        for (std::int32_t k = n + 1; k <= m; ++k) {
            const std::string_view t = store.paragraphText(ParaNum(k));
            const std::string_view part = k == m ? t.substr(0, gt + 1) : t;
            r.lastTag.append("\r\n").append(part);
            bytes += part.size();
        }
        ++r.removed;
        r.lastStart = {ParaNum(n), ParaPos(static_cast<std::int32_t>(at) + 1)};
        // The removed bytes, the rest of paragraph m moved up into paragraph
        // n by the join, and a few records per paragraph the tag spans.
        bytes += store.paragraphText(ParaNum(m)).size();
        r.undoBytes += bytes + record * static_cast<std::uint64_t>(2 * (m - n) + 4);
        if (!apply) {
            // Nothing changed: judge the rest of paragraph m as the join would leave it.
            n = m;
            from = gt + 1;
            continue;
        }
        if (store.deleteRange({ParaNum(n), ParaPos(static_cast<std::int32_t>(at) + 1)},
                              {ParaNum(m), ParaPos(static_cast<std::int32_t>(gt) + 2)}) != kEditOk) {
            --r.removed;  // the joined line would be too long: it stays, and so does the rest
            break;
        }
        from = at;  // the joined rest of paragraph m follows here
    }
    return r;
}

}  // namespace qm
