// FindText and ReplaceText of TextEditor.

#include "TextEditor.h"
#include "TextRules.h"
#include "TextSearch.h"

#include <algorithm>
#include <optional>

namespace qm {

namespace {
// Shows the hourglass for the whole search, on every way out.
class BusyGuard {
public:
    explicit BusyGuard(EditorView* view) : view_(view) {
        if (view_) view_->busy(true);
    }
    ~BusyGuard() {
        if (view_) view_->busy(false);
    }
    BusyGuard(const BusyGuard&) = delete;  // one end per start
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    EditorView* view_;
};
}  // namespace

bool TextEditor::FindText(std::string_view pattern, unsigned options) {
    return ReplaceText(pattern, {}, options & ~unsigned(soReplaceOne | soReplaceAll)) == 0 && !pattern.empty();
}

int TextEditor::ReplaceText(std::string_view pattern, std::string_view replacement, unsigned options) {
    BusyGuard busy(view_);
    // Own copies: the texts may be views of the document being changed.
    const std::string p(pattern.substr(0, kMaxSearchText));
    const std::string r(replacement.substr(0, kMaxSearchText));
    return doReplace(p, r, options);
}

std::uint64_t TextEditor::replaceAllUndoBytes(std::string_view pattern, std::string_view replacement,
                                              unsigned options) {
    if (pattern.empty() || readOnly_) return 0;
    const std::uint64_t each =
        TEditUndoBuffer::replaceRecordBytes(std::min(pattern.size(), kMaxSearchText),
                                            std::min(replacement.size(), kMaxSearchText));
    const std::uint64_t room = store_.undoBuffer().size();
    // No text holds more matches than bytes per pattern: mostly no need to count.
    const std::uint64_t most = static_cast<std::uint64_t>(store_.ByteCount()) / pattern.size() + 1;
    if (most * each <= room) return most * each;
    const std::string p(pattern.substr(0, kMaxSearchText));
    const std::string r(replacement.substr(0, kMaxSearchText));
    const int count = doReplace(p, r, options | soReplaceAll, true);
    return count > 0 ? static_cast<std::uint64_t>(count) * each : 0;
}

int TextEditor::doReplace(std::string_view pattern, std::string_view replacement, unsigned options,
                          bool countOnly) {
    if (pattern.empty()) return 0;
    const bool backwards = options & soBackwards;
    const bool matchCase = options & soMatchCase;
    const bool wholeWords = options & soWholeWords;
    const bool replaceAll = options & soReplaceAll;
    const bool replaceOne = (options & soReplaceOne) && !replaceAll;
    const bool replacing = replaceAll || replaceOne;
    if (replacing && readOnly_) return -1;
    const std::string key = matchCase ? std::string(pattern) : upperCaseForSearch(pattern);
    auto fold = [&](std::string_view t) { return matchCase ? std::string(t) : upperCaseForSearch(t); };

    int count = 0;
    // Replace All is one undo step, however many matches it changes.
    std::optional<TParagraphStore::EditGroup> group;
    if (replaceAll && !countOnly) group.emplace(store_);
    // A selection that already is the pattern is replaced first.
    if (replacing && HasSelection() && selectionStart().para == selectionEnd().para &&
        fold(selectedText()) == key) {
        const int code = countOnly ? 0 : InsertText(replacement);
        if (code != 0) return code;
        ++count;
    }

    // The range to search, [from, to), and whether it is the selection.
    const bool inSelection = (options & soSelectedOnly) && HasSelection();
    TextPos from{ParaNum(1), ParaPos(1)};
    TextPos to = endOfText();
    if (inSelection) {
        from = selectionStart();
        to = selectionEnd();
    } else if (!(options & soWholeText)) {
        const TextPos c = clampToText(caret_);
        (backwards ? to : from) = c;
    }
    to.pos = ParaPos(std::min(to.pos.value, store_.paragraphLength(to.para) + 1));

    const std::int32_t delta = static_cast<std::int32_t>(replacement.size()) - static_cast<std::int32_t>(pattern.size());
    const std::int32_t len = static_cast<std::int32_t>(pattern.size());
    TextPos lastEnd{};
    const int step = backwards ? -1 : 1;
    for (ParaNum n = backwards ? to.para : from.para; n >= from.para && n <= to.para; n += step) {
        std::string_view text = store_.paragraphText(n);
        std::string folded = fold(text);
        std::size_t lo = n == from.para ? from.pos.value - 1 : 0;
        std::size_t hi = n == to.para ? to.pos.value - 1 : text.size();
        for (;;) {
            const auto hit = findInParagraph(text, folded, key, lo, hi, backwards, wholeWords);
            if (!hit) break;
            const TextPos start{n, ParaPos(static_cast<std::int32_t>(*hit) + 1)};
            if (countOnly) {
                ++count;
                if (backwards) {
                    if (*hit == 0) break;
                    hi = *hit;
                } else {
                    lo = *hit + pattern.size();
                }
                continue;
            }
            if (!replaceAll) {
                const TextPos end{n, start.pos + len};
                anchor_ = backwards ? end : start;
                placeCaret(backwards ? start : end, true);
                return count > 0 ? count : 0;
            }
            const int code = store_.replaceBytes(n, start.pos, len, replacement);
            if (code != 0) {
                placeCaret(start);
                return report(code);
            }
            ++count;
            lastEnd = {n, start.pos + static_cast<std::int32_t>(replacement.size())};
            text = store_.paragraphText(n);
            folded.replace(*hit, len, fold(replacement));
            // Go on after the replacement, so a replacement holding the
            // pattern is never searched again.
            if (n == to.para) to.pos += delta;  // the range end moves with the text
            if (backwards) {
                if (*hit == 0) break;
                hi = *hit;
            } else {
                lo = *hit + replacement.size();
                hi = static_cast<std::size_t>(static_cast<std::int64_t>(hi) + delta);
            }
        }
    }
    if (countOnly) return count;
    if (replaceAll && count > 0) {
        if (inSelection) {
            anchor_ = from;
            placeCaret(to, true);
        } else if (lastEnd.para.value != 0) {
            placeCaret(backwards ? TextPos{lastEnd.para, lastEnd.pos - static_cast<std::int32_t>(replacement.size())}
                                 : lastEnd);
        }
        return count;
    }
    return count > 0 ? count : -1;
}

}  // namespace qm
