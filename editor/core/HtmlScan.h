#pragma once
// Splitting HTML into coloured spans, one paragraph at a time. The scanner
// works on the stored bytes (UTF-8 or not: only ASCII bytes mean anything to
// it) and carries its state over paragraph breaks, so a comment, a tag, a
// quoted value or a script may span lines. HtmlStates keeps the state at the
// start of each paragraph and recomputes it lazily, only as far as asked.

#include <cstddef>
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

// A place inside a paragraph where a scan may start: the scanner state at
// byte `pos`, which depends only on the bytes before pos + kResumeReach.
struct ResumePoint {
    std::size_t pos = 0;
    State state = kTextState;
    bool operator==(const ResumePoint&) const = default;
};
inline constexpr std::size_t kResumeReach = 16;
// The resume points of an earlier scan of a paragraph that an edit has
// since moved by `shift` bytes (those after the edit).
struct Realign {
    const std::vector<ResumePoint>* old = nullptr;
    std::ptrdiff_t shift = 0;
    std::size_t met = static_cast<std::size_t>(-1);  // out: the old point met
};
// scanParagraph from a resume point (spans and state are those of a scan
// from the paragraph start). With `points`, appends a resume point about
// every `every` bytes scanned (before the limit). With `realign`, points go
// where the old ones now are; on meeting one exactly (same place, same
// state) the scan stops there: from there on it would find what the old
// scan found, as far as the bytes are the same. It then returns that state
// and sets realign->met.
State scanFrom(std::string_view text, ResumePoint at, std::vector<Span>* out, std::size_t from = 0,
               std::size_t limit = static_cast<std::size_t>(-1), std::size_t every = 0,
               std::vector<ResumePoint>* points = nullptr, Realign* realign = nullptr);

// A start or end tag found in a paragraph: bytes [start, end) from its "<"
// to its ">" (or to the paragraph end when it goes on).
struct TagRef {
    std::int32_t start = 0;
    std::int32_t end = 0;
    std::string_view name;  // as written; compare case-blind
    bool closing = false;   // </name>
    bool selfClosing = false;  // <name ... />
    bool ended = false;     // its ">" is in this paragraph
};
// The tags that start in a paragraph, skipping comments, declarations and
// the contents of script and style.
std::vector<TagRef> tagsIn(std::string_view text, State in);

// Elements that never have an end tag (<br>, <img>, ...).
bool isVoidElement(std::string_view name);
// Whether a paragraph starting in this state starts inside a tag.
bool insideTag(State s);

// A tag's bytes: from byte `start` of paragraph `para` (from 1) up to byte
// `end` of paragraph `endPara` (the same one unless the tag spans lines).
struct TagPlace {
    int para = 0;
    std::int32_t start = 0, end = 0;
    int endPara = 0;
    bool operator==(const TagPlace&) const = default;
};
struct TagPair {
    TagPlace tag;      // the start or end tag at the position
    TagPlace partner;  // para 0: none (a void element, unbalanced, or too far)
    bool operator==(const TagPair&) const = default;
};
// The tag around byte `pos` of paragraph `para` (from 1) and its partner,
// nesting counted by case-blind name; comments and script skipped. The
// position may be on any line of a tag that spans lines. The search gives
// up after `budget` bytes, and does not start in a paragraph longer than
// that. tag.para == 0: no tag there (or not looked for).
TagPair matchingTag(int para, std::int32_t pos, int paragraphCount,
                    const std::function<std::string_view(int)>& textOf,
                    const std::function<State(int)>& stateOf, std::size_t budget = 1 << 20);

// The state at each paragraph start, and resume points inside long
// paragraphs. After an edit, changed() says which paragraphs changed;
// startOf() rescans forward from the last state it is sure of, and stops at
// the first paragraph after the changed ones whose starting state is the
// one it had: from there on nothing differs. So an edit costs nothing until
// a later paragraph is shown, and then only the paragraphs up to it (or up
// to that stop) are scanned. A long paragraph is scanned from the nearest
// resume point before the bytes asked for; each point keeps a checksum of
// the bytes it depends on, so a point an edit may have moved is checked
// against the text before it is used.
class HtmlStates {
public:
    using TextOf = std::function<std::string_view(int paragraph)>;  // from 1
    explicit HtmlStates(std::size_t longParagraph = 64 * 1024, std::size_t resumeEvery = 8 * 1024)
        : longParagraph_(longParagraph), every_(resumeEvery) {}
    // Paragraphs first..last changed, bytes before `firstByte` (from 0) of
    // the first are as they were, and they took the place of `delta` fewer
    // paragraphs (first..last - delta, which may be none): the kept states
    // of those after them move by delta. last 0: everything from the first
    // on may have changed or moved.
    void changed(int first, int last = 0, std::size_t firstByte = 0, int delta = 0);
    void clear();
    State startOf(int paragraph, const TextOf& textOf);
    // scanParagraph of paragraph `paragraph`, whose bytes are `text` and
    // whose start state is `in`, from a resume point where it has them.
    State scan(int paragraph, std::string_view text, State in, std::vector<Span>* out, std::size_t from = 0,
               std::size_t limit = static_cast<std::size_t>(-1));
    std::size_t memoryBytes() const;

private:
    struct LongParagraph {
        int para = 0;
        State in = kTextState;  // the start state the points were found from
        std::vector<ResumePoint> points;
        std::vector<std::uint64_t> sums;  // sums[k]: the bytes points[k] depends on, from points[k - 1]
        std::size_t checked = 0;          // points[0, checked) hold for the text as it is
        std::size_t length = 0;           // of the text all points held for
        // Points after the first an edit reached, `shift` bytes on, to be met
        // again by a scan past the edit.
        std::vector<ResumePoint> moved;
        std::vector<std::uint64_t> movedSums;
        std::ptrdiff_t shift = 0;
        std::uint64_t used = 0;
    };
    static LongParagraph fresh(int paragraph, State in);
    // The kept points of a paragraph (none yet, or none for another start state).
    LongParagraph& longParagraph(int paragraph, State in);
    std::uint64_t sumOf(std::string_view text, const LongParagraph& lp, std::size_t k) const;
    // Renumbers what is kept after paragraphs first..last - delta became first..last.
    void move(int first, int last, int delta);
    // Checks the points up to byte `need` against the text; on a difference
    // keeps those after it as moved.
    void check(LongParagraph& lp, std::string_view text, std::size_t need) const;
    // Takes the moved points from old point `met` on, which a scan has just met.
    void realign(LongParagraph& lp, std::size_t met) const;

    std::size_t longParagraph_, every_;
    std::vector<State> known_;  // known_[i]: state at the start of paragraph i + 1
    std::size_t verified_ = 0;  // known_[0, verified_) are right for the text as it is
    // Beyond paragraph dirtyTo_, each kept state is the one its predecessor
    // and text give: a rescan meeting a kept state there may stop.
    int dirtyTo_ = 0;
    std::vector<LongParagraph> long_;
    std::uint64_t clock_ = 0;
};

}  // namespace qm::html
