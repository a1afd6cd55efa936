#pragma once
// Splitting HTML into coloured spans, one paragraph at a time. The scanner
// works on the stored bytes (UTF-8 or not: only ASCII bytes mean anything to
// it) and carries its state over paragraph breaks, so a comment, a tag, a
// quoted value or a script may span lines. HtmlStates keeps the state at the
// start of each paragraph and recomputes it lazily, only as far as asked.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace qm::html {

enum class Kind : std::uint8_t {
    Text,        // never returned as a span: bytes without a span are text
    Punct,       // < > / = of a tag
    TagName,
    AttrName,
    AttrValue,   // quoted or unquoted, quotes included
    Comment,
    Entity,      // &amp; &#160; &#x41;, with or without the ;
    Declaration, // <!DOCTYPE ...>, <![CDATA[ ...>, <? ...>
    Script,      // contents of <script>
    Style,       // contents of <style>
    Count
};

struct Span {
    std::int32_t start = 0;   // byte offset in the paragraph
    std::int32_t length = 0;  // bytes
    Kind kind = Kind::Text;
    bool operator==(const Span&) const = default;
};

// Where the scanner is: opaque, compared for equality. 0 is plain text.
using State = std::uint32_t;
inline constexpr State kTextState = 0;

// Scans `text` (one paragraph, without its break) starting in state `in` and
// returns the state after it (the break counts as white space). Spans of
// bytes in [from, limit) are appended to `out` when given, clipped to that
// window, adjacent spans of one kind merged. With a limit below the length
// scanning stops there and the state returned means nothing.
State scanParagraph(std::string_view text, State in, std::vector<Span>* out, std::size_t from = 0,
                    std::size_t limit = static_cast<std::size_t>(-1));

// A start or end tag found in a paragraph: bytes [start, end) from its "<"
// to its ">" (or to the paragraph end when it goes on).
struct TagRef {
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::string_view name;  // as written; compare case-blind
    bool closing = false;   // </name>
    bool selfClosing = false;  // <name ... />
};
// The tags that start in a paragraph, skipping comments, declarations and
// the contents of script and style.
std::vector<TagRef> tagsIn(std::string_view text, State in);

// Elements that never have an end tag (<br>, <img>, ...).
bool isVoidElement(std::string_view name);

// A tag's bytes [start, end) in paragraph `para` (from 1).
struct TagPlace {
    int para = 0;
    std::int32_t start = 0, end = 0;
    bool operator==(const TagPlace&) const = default;
};
struct TagPair {
    TagPlace tag;      // the start or end tag at the position
    TagPlace partner;  // para 0: none (a void element, unbalanced, or too far)
    bool operator==(const TagPair&) const = default;
};
// The tag around byte `pos` of paragraph `para` (from 1) and its partner,
// nesting counted by case-blind name; comments and script skipped. The
// search gives up after `budget` bytes, and does not start in a paragraph
// longer than that. tag.para == 0: no tag there (or not looked for).
TagPair matchingTag(int para, std::int32_t pos, int paragraphCount,
                    const std::function<std::string_view(int)>& textOf,
                    const std::function<State(int)>& stateOf, std::size_t budget = 1 << 20);

// The state at each paragraph start. After an edit, `changed(p)` forgets the
// states after paragraph p; startOf() recomputes forward from the last state
// it still knows, so an edit costs nothing until a later paragraph is shown,
// and then only the paragraphs up to it are scanned.
class HtmlStates {
public:
    using TextOf = std::function<std::string_view(int paragraph)>;  // from 1
    void changed(int firstParagraph) {
        if (firstParagraph < 1) firstParagraph = 1;
        if (static_cast<std::size_t>(firstParagraph) < known_.size()) known_.resize(static_cast<std::size_t>(firstParagraph));
    }
    void clear() { known_.clear(); }
    State startOf(int paragraph, const TextOf& textOf);
    std::size_t memoryBytes() const { return known_.capacity() * sizeof(State); }

private:
    std::vector<State> known_;  // known_[i]: state at the start of paragraph i + 1
};

}  // namespace qm::html
