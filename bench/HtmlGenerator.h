#pragma once
// A seeded generator of large, realistic HTML source files for the text
// engine benchmark: headings, prose wrapped at 60..78 columns with links and
// entities, tab-indented tables (one cell per line), link lists, and now and
// then one very long line (a paragraph or a script written on one line).
// Same seed and size, same bytes: every run and every system sees one file.
// Plain C++: no Qt.

#include <cstdint>
#include <string>

namespace bench {

// A small deterministic generator (splitmix64). std::uniform_int_distribution
// is not specified bit-for-bit, so the file would differ between libraries.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, n); n > 0.
    std::uint64_t below(std::uint64_t n) { return next() % n; }
    // Uniform in [lo, hi].
    int between(int lo, int hi) { return lo + static_cast<int>(below(static_cast<std::uint64_t>(hi - lo + 1))); }
    bool chance(int percent) { return below(100) < static_cast<std::uint64_t>(percent); }

private:
    std::uint64_t state_;
};

struct HtmlFileStats {
    std::uint64_t bytes = 0;
    std::uint64_t lines = 0;          // every line ends in CR LF
    std::uint64_t longLines = 0;      // lines of 2,000 bytes or more
    std::uint64_t maxLineLength = 0;  // bytes, without CR LF
    std::uint64_t tabLines = 0;       // lines holding a tab
    std::uint64_t lowerTdCount = 0;   // occurrences of "<td>"
};

// Writes about targetBytes bytes of HTML (ASCII, CR LF after every line, no
// trailing blanks) to path; the document is closed properly, so the result
// may exceed the target by a few hundred bytes. Throws std::runtime_error
// when the file cannot be written.
HtmlFileStats writeHtmlFile(const std::string& path, std::uint64_t targetBytes, std::uint64_t seed);

// Minified HTML: `lines` lines of lineBytes bytes each (tags, attributes,
// text and "<td>" cells packed together, as generated pages and inline SVG
// are), ASCII, CR LF after every line.
HtmlFileStats writeLongLineHtmlFile(const std::string& path, int lines, std::uint64_t lineBytes, std::uint64_t seed);

// The same text in memory (for tests and small sizes).
std::string generateHtml(std::uint64_t targetBytes, std::uint64_t seed, HtmlFileStats* stats = nullptr);

}  // namespace bench
