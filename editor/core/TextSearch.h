#pragma once
// Option bits of FindText / ReplaceText and the matching inside one paragraph.

#include <cstddef>
#include <optional>
#include <string_view>

namespace qm {

enum SearchOption : unsigned {
    soForward = 0x01,       // no effect of its own
    soBackwards = 0x02,
    soMatchCase = 0x04,
    soWholeText = 0x08,     // start at the beginning (or the end, backwards)
    soReplaceOne = 0x10,
    soReplaceAll = 0x20,
    soWholeWords = 0x40,
    soSelectedOnly = 0x80,
};

// Longest pattern or replacement; longer ones are cut.
constexpr std::size_t kMaxSearchText = 255;

// One paragraph's matching. `text` is the paragraph as stored and `folded`
// the text to compare (text itself, or its upper case for a case-blind
// search, same length); `pattern` is compared with `folded` as given.
// Forwards: the first match starting at or after `from` that ends at or
// before `limit`. Backwards: the last match ending at or before `limit` that
// starts at or after `from`. A match must start and end on character
// boundaries of the text and, with wholeWords, have a delimiter or the
// paragraph edge on both sides. Returns the 0-based start of the match.
// Whether a match of len bytes at `at` in text meets the rules above.
bool acceptableMatch(std::string_view text, std::size_t at, std::size_t len, bool wholeWords);

std::optional<std::size_t> findInParagraph(std::string_view text, std::string_view folded,
                                           std::string_view pattern, std::size_t from,
                                           std::size_t limit, bool backwards, bool wholeWords);

}  // namespace qm
