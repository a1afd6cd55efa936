#include "HtmlScan.h"

#include <algorithm>
#include <cstring>

namespace qm::html {

namespace {
// Long paragraphs whose resume points are kept; the least recently used goes.
constexpr std::size_t kLongParagraphsKept = 4;

// A 64-bit checksum of some bytes and their count: fast enough to check the
// bytes of a 10 MB line on each keystroke.
std::uint64_t checksum(std::string_view b) {
    std::uint64_t h = 0x243F6A8885A308D3ull ^ b.size();
    auto mix = [&h](std::uint64_t w) {
        h = (h ^ w) * 0x9E3779B97F4A7C15ull;
        h ^= h >> 31;
    };
    std::size_t i = 0;
    for (; i + 8 <= b.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, b.data() + i, 8);
        mix(w);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, b.data() + i, b.size() - i);
    mix(tail);
    return h;
}
}  // namespace

void HtmlStates::changed(int first, int last, std::size_t firstByte, int delta) {
    if (first < 1) {
        first = 1;
        firstByte = 0;
    }
    const std::size_t f = static_cast<std::size_t>(first);
    verified_ = std::min(verified_, f);  // the start of `first` is as it was
    if (last <= 0) {
        if (f < known_.size()) known_.resize(f);  // paragraphs moved: nothing after `first` to stop at
    } else {
        last = std::max(last, first);
        if (delta != 0) move(first, last, delta);
        dirtyTo_ = std::max(dirtyTo_, last);
    }
    for (LongParagraph& lp : long_) {
        if (lp.para < first || (last > 0 && lp.para > last)) continue;
        std::size_t keep = 0;
        if (lp.para == first)
            while (keep < lp.checked && lp.points[keep].pos + kResumeReach <= firstByte) ++keep;
        lp.checked = std::min(lp.checked, keep);
    }
}

void HtmlStates::move(int first, int last, int delta) {
    const int oldLast = std::max(last - delta, first - 1);
    // known_[i] is the start of paragraph i + 1: from index `last` on the
    // kept states are those the old ones had, delta places on. Those in
    // between belong to changed paragraphs and are rescanned before use.
    if (delta > 0) {
        const auto at = static_cast<std::size_t>(oldLast);  // >= first - 1: the start of `first` stays
        if (at < known_.size()) known_.insert(known_.begin() + static_cast<std::ptrdiff_t>(at),
                                              static_cast<std::size_t>(delta), known_[at]);
    } else {
        const auto at = static_cast<std::size_t>(last);
        if (at < known_.size())
            known_.erase(known_.begin() + static_cast<std::ptrdiff_t>(at),
                         known_.begin() + static_cast<std::ptrdiff_t>(
                                              std::min(known_.size(), at + static_cast<std::size_t>(-delta))));
    }
    if (dirtyTo_ > oldLast) dirtyTo_ += delta;
    // Resume points of a paragraph that went are of no use to another.
    std::erase_if(long_, [&](const LongParagraph& lp) { return lp.para > first && lp.para <= oldLast; });
    for (LongParagraph& lp : long_)
        if (lp.para > oldLast) lp.para += delta;
}

void HtmlStates::clear() {
    known_.clear();
    verified_ = 0;
    dirtyTo_ = 0;
    long_.clear();
}

State HtmlStates::startOf(int paragraph, const TextOf& textOf) {
    if (paragraph < 1) return kTextState;
    if (known_.empty()) known_.push_back(kTextState);
    verified_ = std::max<std::size_t>(verified_, 1);  // the text starts as text
    const std::size_t want = static_cast<std::size_t>(paragraph);
    while (verified_ < want) {
        const std::size_t k = verified_;  // the start of paragraph k is right: find that of k + 1
        const State next = scan(static_cast<int>(k), textOf(static_cast<int>(k)), known_[k - 1], nullptr);
        if (k < known_.size()) {
            if (known_[k] == next && static_cast<int>(k) + 1 > dirtyTo_) {
                verified_ = known_.size();  // the states kept from here on follow from this one
                continue;
            }
            known_[k] = next;
        } else {
            known_.push_back(next);
        }
        verified_ = k + 1;
    }
    // The state just rewritten may not lead to the one kept after it.
    if (verified_ < known_.size()) dirtyTo_ = std::max(dirtyTo_, static_cast<int>(verified_));
    else dirtyTo_ = 0;
    return known_[want - 1];
}

HtmlStates::LongParagraph HtmlStates::fresh(int paragraph, State in) {
    LongParagraph lp;
    lp.para = paragraph;
    lp.in = in;
    return lp;
}

HtmlStates::LongParagraph& HtmlStates::longParagraph(int paragraph, State in) {
    ++clock_;
    for (LongParagraph& lp : long_) {
        if (lp.para != paragraph) continue;
        if (lp.in != in) lp = fresh(paragraph, in);
        lp.used = clock_;
        return lp;
    }
    if (long_.size() >= kLongParagraphsKept)
        long_.erase(std::min_element(long_.begin(), long_.end(),
                                     [](const LongParagraph& a, const LongParagraph& b) { return a.used < b.used; }));
    long_.push_back(fresh(paragraph, in));
    long_.back().used = clock_;
    return long_.back();
}

// Checksum of the bytes points[k] depends on: from the point before it (or
// the paragraph start) to kResumeReach past it, or to the end of the text.
// Empty when the text no longer reaches the point before.
std::uint64_t HtmlStates::sumOf(std::string_view text, const LongParagraph& lp, std::size_t k) const {
    const std::size_t begin = k == 0 ? 0 : lp.points[k - 1].pos;
    if (begin > text.size()) return 0;
    const std::size_t end = std::min(text.size(), lp.points[k].pos + kResumeReach);
    return checksum(text.substr(begin, end - begin)) | 1;  // never 0
}

void HtmlStates::check(LongParagraph& lp, std::string_view text, std::size_t need) const {
    for (; lp.checked < lp.points.size() && lp.points[lp.checked].pos <= need; ++lp.checked) {
        if (sumOf(text, lp, lp.checked) == lp.sums[lp.checked]) {
            if (lp.checked + 1 == lp.points.size() && lp.moved.empty()) lp.length = text.size();
            continue;
        }
        // An edit reached this point. Those after it may hold again past the
        // edit, moved by the change in length; a scan past it will tell.
        const auto k = static_cast<std::ptrdiff_t>(lp.checked);
        lp.moved.assign(lp.points.begin() + k + 1, lp.points.end());
        lp.movedSums.assign(lp.sums.begin() + k + 1, lp.sums.end());
        lp.shift = static_cast<std::ptrdiff_t>(text.size()) - static_cast<std::ptrdiff_t>(lp.length);
        lp.points.resize(lp.checked);
        lp.sums.resize(lp.checked);
        return;
    }
}

void HtmlStates::realign(LongParagraph& lp, std::size_t met) const {
    // The point met was just recorded; those after it come back moved, each
    // to be checked against its bytes before use.
    for (std::size_t k = met + 1; k < lp.moved.size(); ++k) {
        lp.points.push_back({lp.moved[k].pos + static_cast<std::size_t>(lp.shift), lp.moved[k].state});
        lp.sums.push_back(lp.movedSums[k]);
    }
    lp.moved.clear();
    lp.movedSums.clear();
}

State HtmlStates::scan(int paragraph, std::string_view text, State in, std::vector<Span>* out, std::size_t from,
                       std::size_t limit) {
    if (text.size() < longParagraph_) return scanParagraph(text, in, out, from, limit);
    LongParagraph& lp = longParagraph(paragraph, in);
    // The scan starts at the last point before the first byte it must see.
    const std::size_t need = out ? from : std::min(limit, text.size());
    const std::size_t spansBefore = out ? out->size() : 0;
    for (;;) {
        check(lp, text, need);
        const auto checkedEnd = lp.points.begin() + static_cast<std::ptrdiff_t>(lp.checked);
        const std::size_t before = static_cast<std::size_t>(
            std::upper_bound(lp.points.begin(), checkedEnd, need,
                             [](std::size_t n, const ResumePoint& p) { return n < p.pos; }) -
            lp.points.begin());
        const ResumePoint at = before == 0 ? ResumePoint{0, in} : lp.points[before - 1];
        if (before < lp.points.size()) return scanFrom(text, at, out, from, limit);
        // Beyond the last point: leave new ones on the way, where the moved
        // ones are, and stop on meeting one.
        Realign moved{&lp.moved, lp.shift};
        const std::size_t first = lp.points.size();
        const State s = scanFrom(text, at, out, from, limit, every_, &lp.points, lp.moved.empty() ? nullptr : &moved);
        for (std::size_t k = first; k < lp.points.size(); ++k) lp.sums.push_back(sumOf(text, lp, k));
        lp.checked = lp.points.size();
        lp.length = text.size();
        if (moved.met == static_cast<std::size_t>(-1)) {
            if (limit >= text.size()) lp.moved.clear();  // passed them all
            return s;
        }
        realign(lp, moved.met);
        if (out) out->resize(spansBefore);  // scanned again from the nearest point
    }
}

std::size_t HtmlStates::memoryBytes() const {
    std::size_t bytes = known_.capacity() * sizeof(State) + long_.capacity() * sizeof(LongParagraph);
    for (const LongParagraph& lp : long_)
        bytes += lp.points.capacity() * sizeof(ResumePoint) + lp.sums.capacity() * sizeof(std::uint64_t);
    return bytes;
}

}  // namespace qm::html
