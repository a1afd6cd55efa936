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

// Every match of one paragraph replaced forwards in one pass: the new bytes
// from the first match to the end of the last replacement, built once, so a
// long line with many matches costs one copy of the line instead of one per
// match. Each match is judged against the text as the replacements before
// it have left it (the bytes just before a match may be a replacement's), as
// replacing one at a time would; the search goes on after each replacement.
struct ParagraphReplace {
    int count = 0;
    std::size_t first = 0;   // where the first match starts
    std::size_t oldEnd = 0;  // where the last match ends in the old bytes
    std::string bytes;       // what replaces [first, oldEnd)
};

ParagraphReplace replaceAllInParagraph(std::string_view text, std::string_view folded, std::string_view key,
                                       std::string_view replacement, std::size_t lo, std::size_t hi,
                                       bool wholeWords) {
    ParagraphReplace r;
    const std::size_t len = key.size();
    std::size_t done = lo;  // old bytes before this are in r.bytes (from r.first on)
    std::string around;     // the bytes around a match as they are now
    for (std::size_t q = lo; hi <= text.size() && hi >= len && q + len <= hi;) {
        const std::size_t hit = folded.find(key, q);
        if (hit == std::string_view::npos || hit + len > hi) break;
        // Up to four bytes before the match (enough to judge a UTF-8 boundary
        // and a word edge) and four after it.
        around.clear();
        if (r.count == 0 || hit - done >= 4) {
            around.append(text.substr(hit - std::min<std::size_t>(hit, 4), std::min<std::size_t>(hit, 4)));
        } else {
            const std::string_view made = r.bytes;
            const std::string_view head = text.substr(0, r.first);
            const std::size_t gap = hit - done;
            const std::size_t fromMade = std::min(made.size(), 4 - gap);
            const std::size_t fromHead = std::min(head.size(), 4 - gap - fromMade);
            around.append(head.substr(head.size() - fromHead));
            around.append(made.substr(made.size() - fromMade));
            around.append(text.substr(done, gap));
        }
        const std::size_t at = around.size();
        around.append(text.substr(hit, len + 4));
        if (!acceptableMatch(around, at, len, wholeWords)) {
            q = hit + 1;
            continue;
        }
        if (r.count == 0) r.first = hit;
        else r.bytes.append(text.substr(done, hit - done));
        r.bytes.append(replacement);
        done = r.oldEnd = hit + len;
        q = done;
        ++r.count;
    }
    return r;
}
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
    // What no text can exceed (a record per match backwards; forwards a
    // record per paragraph of the old and new bytes from its first match to
    // its last): mostly no need to count.
    const std::uint64_t bytes = static_cast<std::uint64_t>(store_.ByteCount());
    const std::uint64_t growth = (replacement.size() + pattern.size() - 1) / pattern.size();
    const std::uint64_t most = std::max(
        (bytes / pattern.size() + 1) * each,
        static_cast<std::uint64_t>(store_.ParagraphCount()) * TEditUndoBuffer::replaceRecordBytes(0, 0) +
            bytes * (1 + growth));
    if (most <= room) return most;
    const std::string p(pattern.substr(0, kMaxSearchText));
    const std::string r(replacement.substr(0, kMaxSearchText));
    std::uint64_t need = 0;
    doReplace(p, r, options | soReplaceAll, &need);
    return need;
}

int TextEditor::doReplace(std::string_view pattern, std::string_view replacement, unsigned options,
                          std::uint64_t* undoBytes) {
    const bool countOnly = undoBytes != nullptr;
    if (pattern.empty()) return 0;
    const bool backwards = options & soBackwards;
    const bool matchCase = options & soMatchCase;
    const bool wholeWords = options & soWholeWords;
    const bool replaceAll = options & soReplaceAll;
    const bool replaceOne = (options & soReplaceOne) && !replaceAll;
    const bool replacing = replaceAll || replaceOne;
    if (replacing && readOnly_) return -1;
    const std::string key = matchCase ? std::string(pattern) : upperCaseForSearch(pattern);
    // Folding changes letters only: a pattern without any ("<", "</td>")
    // is found in the text itself, and a long paragraph is not copied.
    const bool foldText = !matchCase && std::any_of(pattern.begin(), pattern.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x80 || ((u | 0x20) >= 'a' && (u | 0x20) <= 'z');
    });
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
        if (countOnly) *undoBytes += 2 * TEditUndoBuffer::replaceRecordBytes(pattern.size(), replacement.size());
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
        std::string foldedCopy;
        std::string_view folded = text;
        if (foldText && !replacing) {
            if (foldedPara_ != n) {
                foldedText_ = fold(text);
                foldedPara_ = n;
            }
            folded = foldedText_;
        } else if (foldText) {
            folded = foldedCopy = fold(text);
        }
        std::size_t lo = n == from.para ? from.pos.value - 1 : 0;
        std::size_t hi = n == to.para ? to.pos.value - 1 : text.size();
        if (replaceAll && !backwards) {
            ParagraphReplace r = replaceAllInParagraph(text, folded, key, replacement, lo, hi, wholeWords);
            if (r.count == 0) continue;
            if (countOnly) {
                count += r.count;
                *undoBytes += TEditUndoBuffer::replaceRecordBytes(r.oldEnd - r.first, r.bytes.size());
                continue;
            }
            const TextPos start{n, ParaPos(static_cast<std::int32_t>(r.first) + 1)};
            if (store_.replaceBytes(n, start.pos, static_cast<std::int32_t>(r.oldEnd - r.first), r.bytes) == 0) {
                count += r.count;
                lastEnd = {n, start.pos + static_cast<std::int32_t>(r.bytes.size())};
                if (n == to.para) to.pos += r.count * delta;  // the range end moves with the text
                continue;
            }
            // Over a limit: nothing changed; go match by match below, so the
            // replacements before the one that fails stay.
        }
        for (;;) {
            const auto hit = findInParagraph(text, folded, key, lo, hi, backwards, wholeWords);
            if (!hit) break;
            const TextPos start{n, ParaPos(static_cast<std::int32_t>(*hit) + 1)};
            if (countOnly) {  // backwards: one record per match
                ++count;
                *undoBytes += TEditUndoBuffer::replaceRecordBytes(pattern.size(), replacement.size());
                if (*hit == 0) break;
                hi = *hit;
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
            if (foldText) folded = foldedCopy.replace(*hit, len, fold(replacement));
            else folded = text;
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
