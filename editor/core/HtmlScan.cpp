#include "HtmlScan.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace qm::html {

namespace {
// State layout: bits 0-7 the mode, 8-9 the raw-text element a start tag
// opens (script or style), bit 10 set inside an end tag, 16-23 the dashes
// seen at the end of a comment so far.
enum Mode : std::uint32_t { mText, mTag, mAfterAttr, mBeforeValue, mValueDq, mValueSq, mComment, mDecl, mRaw };
enum Raw : std::uint32_t { rNone, rScript, rStyle };

constexpr State make(Mode m, Raw r = rNone, bool closing = false, std::uint32_t dashes = 0) {
    return m | (r << 8) | (closing ? 1u << 10 : 0u) | (dashes << 16);
}
constexpr Mode modeOf(State s) { return static_cast<Mode>(s & 0xFF); }
constexpr Raw rawOf(State s) { return static_cast<Raw>((s >> 8) & 3); }
constexpr bool closingOf(State s) { return (s >> 10) & 1; }
constexpr std::uint32_t dashesOf(State s) { return (s >> 16) & 0xFF; }

bool isAlpha(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isHex(unsigned char c) { return isDigit(c) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }
bool isSpace(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
// Ends a tag name or an attribute name.
bool endsName(unsigned char c) { return isSpace(c) || c == '>' || c == '/' || c == '=' || c == '<'; }

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

struct Scanner {
    std::string_view t;
    std::vector<Span>* out;
    std::vector<TagRef>* tags;
    std::size_t from;
    std::size_t limit;
    // Each mode returns to run() once it reaches `pause`, at a place where
    // its state says all: run() records a resume point there.
    std::size_t pause = static_cast<std::size_t>(-1);

    void emit(std::size_t at, std::size_t to, Kind k) const {
        if (!out) return;
        at = std::max(at, from);
        to = std::min(to, limit);
        if (at >= to) return;
        if (!out->empty() && out->back().kind == k && std::size_t(out->back().start + out->back().length) == at)
            out->back().length += static_cast<std::int32_t>(to - at);
        else
            out->push_back({static_cast<std::int32_t>(at), static_cast<std::int32_t>(to - at), k});
    }

    // Length of the entity starting at the '&' at i, or 0 when it is none.
    std::size_t entityAt(std::size_t i) const {
        std::size_t j = i + 1;
        if (j < t.size() && t[j] == '#') {
            ++j;
            const bool hex = j < t.size() && (t[j] | 0x20) == 'x';
            if (hex) ++j;
            const std::size_t digits = j;
            while (j < t.size() && (hex ? isHex(t[j]) : isDigit(t[j]))) ++j;
            if (j == digits) return 0;
        } else {
            if (j >= t.size() || !isAlpha(t[j])) return 0;
            while (j < t.size() && (isAlpha(t[j]) || isDigit(t[j]))) ++j;
        }
        if (j < t.size() && t[j] == ';') ++j;
        return j - i;
    }

    // Plain text from i: stops at a '<' that starts markup.
    State text(std::size_t& i) const {
        while (i < t.size() && i < limit && i < pause) {
            const unsigned char c = t[i];
            if (c == '&') {
                const std::size_t n = entityAt(i);
                emit(i, i + n, Kind::Entity);
                i += std::max<std::size_t>(n, 1);
                continue;
            }
            if (c != '<' || i + 1 >= t.size()) {
                ++i;
                continue;
            }
            const unsigned char d = t[i + 1];
            if (isAlpha(d) || (d == '/' && i + 2 < t.size() && isAlpha(t[i + 2]))) {
                const bool closing = d == '/';
                emit(i, i + (closing ? 2 : 1), Kind::Punct);
                i += closing ? 2 : 1;
                return tagName(i, closing);
            }
            if (d == '!' && t.substr(i + 2, 2) == "--") {
                emit(i, i + 4, Kind::Comment);
                i += 4;
                return make(mComment);
            }
            if (d == '!' || d == '?') {
                emit(i, i + 2, Kind::Declaration);
                i += 2;
                return make(mDecl);
            }
            ++i;
        }
        return kTextState;
    }

    State tagName(std::size_t& i, bool closing) const {
        const std::size_t begin = i;
        while (i < t.size() && !endsName(t[i])) ++i;
        emit(begin, i, Kind::TagName);
        const std::string_view name = t.substr(begin, i - begin);
        if (tags) tags->push_back({static_cast<std::int32_t>(begin - (closing ? 2 : 1)), static_cast<std::int32_t>(t.size()), name, closing, false});
        Raw raw = rNone;
        if (!closing) raw = equalsNoCase(name, "script") ? rScript : equalsNoCase(name, "style") ? rStyle : rNone;
        return make(mTag, raw, closing);
    }

    // Inside a tag, after its name: attributes up to the '>'.
    State tag(std::size_t& i, State s) const {
        const Raw raw = rawOf(s);
        const bool closing = closingOf(s);
        Mode m = modeOf(s);
        while (i < t.size() && i < limit && i < pause) {
            const unsigned char c = t[i];
            if (m == mValueDq || m == mValueSq) {
                const char quote = m == mValueDq ? '"' : '\'';
                const std::size_t end = t.find(quote, i);
                const bool closed = end != std::string_view::npos && end < pause;
                const std::size_t stop = closed ? end + 1 : std::min(t.size(), pause);
                emit(i, stop, Kind::AttrValue);
                i = stop;
                if (closed) m = mTag;
                continue;
            }
            if (isSpace(c)) {
                ++i;
                continue;
            }
            if (c == '>') {
                emit(i, i + 1, Kind::Punct);
                ++i;
                if (tags && !tags->empty() && !tags->back().ended) {
                    tags->back().end = static_cast<std::int32_t>(i);
                    tags->back().selfClosing = i >= 2 && t[i - 2] == '/';
                    tags->back().ended = true;
                }
                return raw != rNone ? make(mRaw, raw) : kTextState;
            }
            if (c == '/') {
                emit(i, i + 1, Kind::Punct);
                ++i;
                m = mTag;
                continue;
            }
            if (c == '=') {
                emit(i, i + 1, Kind::Punct);
                ++i;
                m = mBeforeValue;
                continue;
            }
            if (m == mBeforeValue) {
                if (c == '"' || c == '\'') {
                    emit(i, i + 1, Kind::AttrValue);
                    ++i;
                    m = c == '"' ? mValueDq : mValueSq;
                    continue;
                }
                const std::size_t begin = i;
                while (i < t.size() && !isSpace(t[i]) && t[i] != '>') ++i;
                emit(begin, i, Kind::AttrValue);
                m = mTag;
                continue;
            }
            const std::size_t begin = i;  // an attribute name
            ++i;
            while (i < t.size() && !endsName(t[i])) ++i;
            emit(begin, i, Kind::AttrName);
            m = mAfterAttr;
        }
        // A paragraph break ends an unquoted value or a name; quotes go on.
        return make(m == mBeforeValue || m == mValueDq || m == mValueSq ? m : mTag, raw, closing);
    }

    State comment(std::size_t& i, State s) const {
        std::uint32_t dashes = dashesOf(s);
        const std::size_t begin = i;
        while (i < t.size() && i < limit && i < pause) {
            const unsigned char c = t[i++];
            if (c == '>' && dashes >= 2) {
                emit(begin, i, Kind::Comment);
                return kTextState;
            }
            dashes = c == '-' ? std::min<std::uint32_t>(dashes + 1, 2) : 0;
        }
        emit(begin, i, Kind::Comment);
        if (i < t.size()) return make(mComment, rNone, false, dashes);  // paused
        return make(mComment, rNone, false, 0);  // a break between dashes is not "--"
    }

    State declaration(std::size_t& i) const {
        const std::size_t end = t.find('>', i);
        const bool closed = end != std::string_view::npos && end < pause;
        const std::size_t stop = closed ? end + 1 : std::min(t.size(), pause);
        emit(i, stop, Kind::Declaration);
        i = stop;
        return closed ? kTextState : make(mDecl);
    }

    // Script or style contents up to their end tag.
    State raw(std::size_t& i, State s) const {
        const Raw r = rawOf(s);
        const std::string_view name = r == rScript ? "script" : "style";
        const Kind k = r == rScript ? Kind::Script : Kind::Style;
        std::size_t j = i;
        while (true) {
            j = t.find("</", j);
            if (j == std::string_view::npos || j >= pause) {
                // No end tag starts before the pause (one that reaches past
                // it was judged), so the scan may resume there.
                const std::size_t stop = std::min(t.size(), pause);
                emit(i, stop, k);
                i = stop;
                return s;
            }
            if (j >= limit) break;
            const std::size_t after = j + 2 + name.size();
            if (equalsNoCase(t.substr(j + 2, name.size()), name) && (after >= t.size() || endsName(t[after]))) {
                emit(i, j, k);
                emit(j, j + 2, Kind::Punct);
                i = j + 2;
                return tagName(i, true);
            }
            j += 2;
        }
        emit(i, t.size(), k);
        i = t.size();
        return s;
    }
};
}  // namespace

// Scans from byte `i` in state `s`; with `points`, records a resume point
// each time the scan is `every` bytes or more past the last one, or, with
// `realign`, at the next old point; it stops at an old point met exactly.
static State run(Scanner& sc, std::size_t i, State s, std::size_t every = 0,
                 std::vector<ResumePoint>* points = nullptr, Realign* realign = nullptr) {
    std::size_t next = 0;  // the old point looked for
    auto oldAt = [&](std::size_t k) {
        return static_cast<std::size_t>(static_cast<std::ptrdiff_t>((*realign->old)[k].pos) + realign->shift);
    };
    auto pauseAfter = [&](std::size_t at) {
        if (realign) {
            while (next < realign->old->size() && oldAt(next) <= at) ++next;
            if (next < realign->old->size()) return oldAt(next);
        }
        return at + every;
    };
    if (points && every > 0) sc.pause = pauseAfter(i);
    while (i < sc.t.size() && i < sc.limit) {
        switch (modeOf(s)) {
        case mText: s = sc.text(i); break;
        case mComment: s = sc.comment(i, s); break;
        case mDecl: s = sc.declaration(i); break;
        case mRaw: s = sc.raw(i, s); break;
        default: s = sc.tag(i, s); break;
        }
        if (i >= sc.pause && i < sc.t.size() && i < sc.limit) {
            points->push_back({i, s});
            if (realign && next < realign->old->size() && i == oldAt(next) && s == (*realign->old)[next].state) {
                realign->met = next;
                return s;
            }
            sc.pause = pauseAfter(i);
        }
    }
    // A break ends a name or an unquoted value: what follows is a new attribute.
    if (modeOf(s) == mAfterAttr) s = make(mTag, rawOf(s), closingOf(s));
    return s;
}

State scanParagraph(std::string_view text, State in, std::vector<Span>* out, std::size_t from, std::size_t limit) {
    Scanner sc{text, out, nullptr, from, limit};
    return run(sc, 0, in);
}

State scanFrom(std::string_view text, ResumePoint at, std::vector<Span>* out, std::size_t from, std::size_t limit,
               std::size_t every, std::vector<ResumePoint>* points, Realign* realign) {
    Scanner sc{text, out, nullptr, from, limit};
    return run(sc, at.pos, at.state, every, points, realign);
}

std::vector<TagRef> tagsIn(std::string_view text, State in) {
    std::vector<TagRef> tags;
    Scanner sc{text, nullptr, &tags, 0, static_cast<std::size_t>(-1)};
    run(sc, 0, in);
    return tags;
}

bool isVoidElement(std::string_view name) {
    static constexpr std::array<std::string_view, 16> kVoid = {
        "area", "base", "br", "col", "embed", "hr", "img", "input",
        "link", "meta", "param", "source", "track", "wbr", "basefont", "frame"};
    return std::any_of(kVoid.begin(), kVoid.end(), [&](std::string_view v) { return equalsNoCase(v, name); });
}

bool insideTag(State s) {
    const Mode m = modeOf(s);
    return m == mTag || m == mAfterAttr || m == mBeforeValue || m == mValueDq || m == mValueSq;
}

namespace {
// Where a tag that goes on into a paragraph starting in state `in` ends:
// the byte after its ">", or npos when it goes on past the paragraph.
std::size_t tagEndIn(std::string_view text, State in) {
    Scanner sc{text, nullptr, nullptr, 0, static_cast<std::size_t>(-1)};
    std::size_t i = 0;
    return insideTag(sc.tag(i, in)) ? std::string_view::npos : i;
}

struct TagSearch {
    int paragraphCount;
    const std::function<std::string_view(int)>& textOf;
    const std::function<State(int)>& stateOf;
    std::size_t budget;
    std::size_t spent = 0;

    // Paragraph p, or an empty view when the budget is spent.
    bool affords(int p) {
        spent += textOf(p).size() + 1;
        return spent <= budget;
    }
    // The place of a tag found in paragraph p, followed to its ">" when it
    // spans lines; nullopt when that lies beyond the budget.
    std::optional<TagPlace> placeOf(int p, const TagRef& t) {
        TagPlace place{p, t.start, t.end, p};
        for (int q = p + 1; !t.ended; ++q) {
            if (q > paragraphCount || !affords(q)) return std::nullopt;
            const std::size_t end = tagEndIn(textOf(q), stateOf(q));
            place.endPara = q;
            place.end = static_cast<std::int32_t>(end == std::string_view::npos ? textOf(q).size() : end);
            if (end != std::string_view::npos) break;
        }
        return place;
    }
};
}  // namespace

TagPair matchingTag(int para, std::int32_t pos, int paragraphCount,
                    const std::function<std::string_view(int)>& textOf,
                    const std::function<State(int)>& stateOf, std::size_t budget) {
    TagPair pair;
    // A paragraph longer than the budget is not searched at all.
    if (para < 1 || para > paragraphCount || textOf(para).size() > budget) return pair;
    TagSearch search{paragraphCount, textOf, stateOf, budget};
    int p = para;
    std::vector<TagRef> tags = tagsIn(textOf(para), stateOf(para));
    // The tag the position is in, or the one it directly follows.
    auto at = std::find_if(tags.begin(), tags.end(), [&](const TagRef& t) { return t.start <= pos && pos < t.end; });
    if (at == tags.end())
        at = std::find_if(tags.begin(), tags.end(), [&](const TagRef& t) { return t.end == pos; });
    if (at == tags.end()) {
        // On a later line of a tag that spans lines: its start is the last
        // tag begun in the nearest paragraph before that begins one.
        const std::size_t end = insideTag(stateOf(para)) ? tagEndIn(textOf(para), stateOf(para)) : 0;
        if (end == 0 || (end != std::string_view::npos && static_cast<std::size_t>(pos) > end)) return pair;
        do {
            if (--p < 1 || !search.affords(p)) return pair;
            tags = tagsIn(textOf(p), stateOf(p));
        } while (tags.empty());
        at = tags.end() - 1;
        if (at->ended) return pair;
    }
    const std::optional<TagPlace> tag = search.placeOf(p, *at);
    if (!tag) return pair;
    pair.tag = *tag;
    if (!at->closing && (at->selfClosing || isVoidElement(at->name))) return pair;
    const std::string name(at->name);  // tags are replaced as paragraphs go by
    const bool forward = !at->closing;
    int depth = 0;
    std::size_t index = static_cast<std::size_t>(at - tags.begin());
    for (;;) {
        // Walk the tags of paragraph p from `index` in the search direction.
        for (std::size_t k = index; k < tags.size(); forward ? ++k : --k) {
            const TagRef& t = tags[k];
            if (equalsNoCase(t.name, name) && !(t.selfClosing && !t.closing)) {
                depth += t.closing == forward ? -1 : 1;
                if (depth == 0) {
                    if (const std::optional<TagPlace> partner = search.placeOf(p, t)) pair.partner = *partner;
                    return pair;
                }
            }
            if (!forward && k == 0) break;
        }
        p += forward ? 1 : -1;
        if (p < 1 || p > paragraphCount || !search.affords(p)) return pair;
        tags = tagsIn(textOf(p), stateOf(p));
        if (tags.empty()) continue;
        index = forward ? 0 : tags.size() - 1;
    }
}

}  // namespace qm::html
