// Every system runs the same operations on the same text: same text after
// load and after replace-all, every peer undoes every insert, and what is
// saved is the file with the replacements. A wrong adapter would make the
// benchmark time different work.

#include "BenchSubject.h"
#include "HtmlGenerator.h"
#include "Operations.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::uint64_t fnv(std::string_view bytes)
{
    std::uint64_t h = 1469598103934665603ull;
    for (unsigned char c : bytes)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

// The hash textHash gives: lines joined by "\n", after the last a "\n" too.
std::uint64_t linesHash(std::string crlfText)
{
    std::string joined;
    for (std::size_t p = 0; p < crlfText.size();) {
        std::size_t cr = crlfText.find("\r\n", p);
        joined.append(crlfText, p, cr - p);
        joined += '\n';
        p = cr + 2;
    }
    return fnv(joined);
}

std::string replacedAll(std::string text)
{
    for (auto p = text.find("<td>"); p != std::string::npos; p = text.find("<td>", p + 4))
        text.replace(p, 4, "<TD>");
    return text;
}

TEST(BenchSubjects, AllSystemsDoTheSameWork)
{
    qmtest::TempDir dir;
    bench::HtmlFileStats stats;
    const std::string text = bench::generateHtml(150000, 5, &stats);
    qmtest::writeFile(dir.file("in.html"), text);
    const std::string replaced = replacedAll(text);

    bench::RunConfig config;
    config.file = dir.file("in.html").string();
    config.savePath = dir.file("out.html").string();
    config.reads = 300;
    config.inserts = 600;  // more than the store's old 8,192-byte undo area could hold

    std::vector<std::pair<std::string, std::unique_ptr<bench::BenchSubject>>> subjects;
    subjects.emplace_back("store", bench::makeStoreSubject());
    subjects.emplace_back("qtextdocument", bench::makeTextDocumentSubject());
    subjects.emplace_back("vector", bench::makeVectorSubject());
    if (auto sci = bench::makeScintillaSubject())
        subjects.emplace_back("scintilla", std::move(sci));

    std::string storeLines, floorLines;
    for (auto& [name, subject] : subjects) {
        SCOPED_TRACE(name);
        auto f = bench::runOperations(*subject, config);
        EXPECT_EQ(f["hash_load"], std::to_string(linesHash(text)));
        EXPECT_EQ(f["lines"], std::to_string(stats.lines + 1));  // the empty line after the last CR LF
        EXPECT_EQ(f["replaced"], std::to_string(stats.lowerTdCount));
        EXPECT_EQ(f["hash_replace"], std::to_string(linesHash(replaced)));
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.html")));  // the run cleans up
        // One undo takes back the whole replace-all; the inserts then land in
        // the original text, and every system undoes all of them.
        EXPECT_EQ(f["hash_undo_replace"], f["hash_load"]);
        EXPECT_EQ(f["undo_steps"], std::to_string(config.inserts));
        EXPECT_EQ(f["hash_final"], f["hash_load"]);
        EXPECT_EQ(f["hash_saved"], std::to_string(fnv(text)));
        if (name == "store")
            storeLines = f["display_lines"];
        if (name == "vector")
            floorLines = f["display_lines"];
        if (name == "scintilla")
            EXPECT_EQ(f["rewrap"], "na");
        else
            EXPECT_GT(std::stoll(f["display_lines"]), static_cast<long long>(stats.lines));
    }
    // The floor wraps by the same rule as the store, so the wrap does equal work.
    EXPECT_EQ(storeLines, floorLines);
}

}  // namespace

namespace {

// The floor's wrap count follows the store's rule on the cases where wrap
// rules differ: a word longer than the column after leading blanks, hyphens,
// runs of blanks at the break, tabs, and a word with no break at all.
TEST(BenchSubjects, FloorWrapsLikeTheStore)
{
    struct Case {
        const char* line;
        std::int64_t lines;  // display lines at column 10, tabs of 8
    };
    const Case cases[] = {
        {"", 1},
        {"0123456789", 1},
        {"01234567890", 2},               // no blank: broken inside the word
        {"abc defgh ijk", 2},             // break after the blank
        {"abc     defgh", 2},             // the run of blanks stays on the first line
        {"well-known-words", 2},          // break after a hyphen
        {"\tabcdefghijklmnop", 3},        // tab then a long word: the tab alone, then the word broken
        {"  abcdefghijklmnopqrstu", 4},   // same with spaces
        {"a\tb\tc\td", 2},                // tabs advance to multiples of 8: "a<tab>b<tab>" then "c<tab>d"
    };
    qmtest::TempDir dir;
    std::string file;
    for (const Case& c : cases)
        file += std::string(c.line) + "\r\n";
    qmtest::writeFile(dir.file("wrap.txt"), file);

    auto floor = bench::makeVectorSubject();
    auto store = bench::makeStoreSubject();
    floor->load(dir.file("wrap.txt").string());
    store->load(dir.file("wrap.txt").string());
    std::int64_t expected = 1;  // the empty line after the last CR LF
    for (const Case& c : cases)
        expected += c.lines;
    EXPECT_EQ(floor->rewrap(10), expected);
    EXPECT_EQ(store->rewrap(10), expected);
}

}  // namespace
