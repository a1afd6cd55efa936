#pragma once
// One block of the paragraph store: a run of consecutive paragraphs, their
// bytes back to back, and the starts of their wrapped display lines.
//
// Invariants: start.size() == brk.size() == paras() + 1; start[0] == brk[0] == 0;
// start and brk never decrease; start.back() == text.size();
// brk.back() == breaks.size(); the breaks of paragraph i are
// breaks[brk[i] .. brk[i+1]), strictly increasing offsets inside (0, length).
// A paragraph of k breaks has k + 1 display lines.
//
// Display-line index: a block with breaks keeps, once a display line of it is
// asked for, lineOff (lines() + 1 offsets into text, the last text.size()) and
// linePara (the paragraph of each line), so a line is found by one array
// lookup. Every change of the block drops them; they are rebuilt on the next
// query. A block without breaks needs none: its lines are its paragraphs and
// start is already the offset table.

#include "LoadArena.h"
#include "TParagraphStore.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm {

struct TParagraphStore::Block {
    // Bytes and starts of a loaded block live in the load's arena until the
    // block outgrows them; every other block's on the heap.
    using Text = std::basic_string<char, std::char_traits<char>, ArenaAllocator<char>>;
    using Offsets = std::vector<std::uint32_t, ArenaAllocator<std::uint32_t>>;

    Block() = default;
    explicit Block(LoadArena* arena)
        : text(ArenaAllocator<char>(arena)), start(1, 0, ArenaAllocator<std::uint32_t>(arena)),
          brk(1, 0, ArenaAllocator<std::uint32_t>(arena)) {}

    Text text;
    Offsets start{0};
    Offsets brk{0};
    std::vector<std::uint32_t> breaks;
    // Lazily built from the above (single-threaded, like every store query).
    mutable Offsets lineOff;
    mutable std::vector<std::uint16_t> linePara;
    mutable std::int32_t longest = -1;  // length of the longest paragraph; -1: not known

    std::int32_t paras() const { return static_cast<std::int32_t>(start.size()) - 1; }
    std::int32_t lines() const { return paras() + static_cast<std::int32_t>(breaks.size()); }
    std::string_view para(std::int32_t i) const {
        return std::string_view(text).substr(start[i], start[i + 1] - start[i]);
    }
    std::int32_t length(std::int32_t i) const { return static_cast<std::int32_t>(start[i + 1] - start[i]); }
    std::int32_t lineCount(std::int32_t i) const { return 1 + static_cast<std::int32_t>(brk[i + 1] - brk[i]); }
    std::int32_t linesBefore(std::int32_t i) const { return i + static_cast<std::int32_t>(brk[i]); }
    // Offset of display line k (0-based) of paragraph i.
    std::uint32_t lineOffset(std::int32_t i, std::int32_t k) const { return k == 0 ? 0 : breaks[brk[i] + k - 1]; }

    // The paragraph holding block-local display line l (0-based).
    std::int32_t paraOfLine(std::int32_t l) const {
        if (breaks.empty()) return l;
        if (lineOff.empty()) buildLineIndex();
        return linePara[static_cast<std::size_t>(l)];
    }

    // Byte offsets [first, second) in text of block-local display line l.
    // Paragraphs lie back to back, so a line ends where the next one starts.
    std::pair<std::uint32_t, std::uint32_t> lineSpan(std::int32_t l) const {
        const Offsets& off = breaks.empty() ? start : lineIndex();
        return {off[static_cast<std::size_t>(l)], off[static_cast<std::size_t>(l) + 1]};
    }

    const Offsets& lineIndex() const {
        if (lineOff.empty()) buildLineIndex();
        return lineOff;
    }

    void buildLineIndex() const {
        assert(paras() <= 65536);  // blocks split long before
        const std::size_t n = static_cast<std::size_t>(lines());
        lineOff.resize(n + 1);
        linePara.resize(n);
        std::size_t l = 0;
        for (std::int32_t i = 0; i < paras(); ++i) {
            lineOff[l] = start[i];
            linePara[l++] = static_cast<std::uint16_t>(i);
            for (std::uint32_t b = brk[i]; b < brk[i + 1]; ++b) {
                lineOff[l] = start[i] + breaks[b];
                linePara[l++] = static_cast<std::uint16_t>(i);
            }
        }
        lineOff[n] = start.back();
    }

    // Every change of text, start, brk or breaks calls this. Capacity is kept:
    // a block being edited is re-indexed again and again.
    void dropLineIndex() {
        lineOff.clear();
        linePara.clear();
        longest = -1;
    }

    std::int32_t longestParagraph() const {
        if (longest < 0) {
            longest = 0;
            for (std::int32_t i = 0; i < paras(); ++i) longest = std::max(longest, length(i));
        }
        return longest;
    }
    // Frees the index memory too (a re-wrap may leave the block without breaks).
    void releaseLineIndex() {
        lineOff = {};
        linePara = {};
    }

    void replaceText(std::int32_t i, std::uint32_t off, std::uint32_t erase, std::string_view bytes) {
        dropLineIndex();
        text.replace(start[i] + off, erase, bytes);
        const std::int64_t delta = static_cast<std::int64_t>(bytes.size()) - erase;
        for (std::size_t j = i + 1; j < start.size(); ++j) start[j] = static_cast<std::uint32_t>(start[j] + delta);
    }

    void setBreaks(std::int32_t i, const std::vector<std::uint32_t>& nb) {
        dropLineIndex();
        const std::uint32_t old = brk[i + 1] - brk[i];
        const auto at = breaks.begin() + brk[i];
        if (nb.size() == old) {
            std::copy(nb.begin(), nb.end(), at);
            return;
        }
        breaks.erase(at, at + old);
        breaks.insert(breaks.begin() + brk[i], nb.begin(), nb.end());
        const std::int64_t delta = static_cast<std::int64_t>(nb.size()) - old;
        for (std::size_t j = i + 1; j < brk.size(); ++j) brk[j] = static_cast<std::uint32_t>(brk[j] + delta);
    }

    void insertPara(std::int32_t i, std::string_view t, const std::vector<std::uint32_t>& nb) {
        dropLineIndex();
        const std::uint32_t s0 = start[i], b0 = brk[i];
        text.insert(s0, t);
        start.insert(start.begin() + i, s0);
        for (std::size_t j = i + 1; j < start.size(); ++j) start[j] += static_cast<std::uint32_t>(t.size());
        breaks.insert(breaks.begin() + b0, nb.begin(), nb.end());
        brk.insert(brk.begin() + i, b0);
        for (std::size_t j = i + 1; j < brk.size(); ++j) brk[j] += static_cast<std::uint32_t>(nb.size());
    }

    void removePara(std::int32_t i) {
        dropLineIndex();
        const std::uint32_t len = start[i + 1] - start[i];
        const std::uint32_t nb = brk[i + 1] - brk[i];
        text.erase(start[i], len);
        breaks.erase(breaks.begin() + brk[i], breaks.begin() + brk[i] + nb);
        for (std::size_t j = i + 1; j < start.size(); ++j) {
            start[j] -= len;
            brk[j] -= nb;
        }
        start.erase(start.begin() + i + 1);
        brk.erase(brk.begin() + i + 1);
    }

    // Appends a paragraph at the end (file loading).
    void appendPara(std::string_view t, const std::vector<std::uint32_t>& nb) {
        dropLineIndex();
        text.append(t);
        start.push_back(static_cast<std::uint32_t>(text.size()));
        breaks.insert(breaks.end(), nb.begin(), nb.end());
        brk.push_back(static_cast<std::uint32_t>(breaks.size()));
    }

    // Moves paragraphs [from, paras()) into a new block.
    Block splitOff(std::int32_t from) {
        dropLineIndex();
        Block b;
        const std::uint32_t t0 = start[from], b0 = brk[from];
        b.text.assign(text, t0, Text::npos);
        b.breaks.assign(breaks.begin() + b0, breaks.end());
        b.start.clear();
        b.brk.clear();
        for (std::size_t j = from; j < start.size(); ++j) {
            b.start.push_back(start[j] - t0);
            b.brk.push_back(brk[j] - b0);
        }
        text.erase(t0);
        text.shrink_to_fit();
        breaks.erase(breaks.begin() + b0, breaks.end());
        start.resize(from + 1);
        brk.resize(from + 1);
        return b;
    }

    // Appends all paragraphs of b.
    void absorb(const Block& b) {
        dropLineIndex();
        const std::uint32_t t0 = static_cast<std::uint32_t>(text.size());
        const std::uint32_t b0 = static_cast<std::uint32_t>(breaks.size());
        text.append(b.text);
        breaks.insert(breaks.end(), b.breaks.begin(), b.breaks.end());
        for (std::size_t j = 1; j < b.start.size(); ++j) {
            start.push_back(b.start[j] + t0);
            brk.push_back(b.brk[j] + b0);
        }
    }
};

}  // namespace qm
