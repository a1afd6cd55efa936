#pragma once
// One text system under test, driven through the same operations so that the
// benchmark times like with like. Lines are numbered from 0 here and columns
// are byte offsets; each adapter converts to its system's own addressing.
// A line is a paragraph of the file (its bytes without CR LF); "display line"
// reads happen with wrapping off, where a display line is a whole paragraph.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace bench {

class BenchSubject {
public:
    virtual ~BenchSubject() = default;

    // Reads the file (CR LF line ends) into an empty system.
    virtual void load(const std::string& path) = 0;

    // Number of lines, counting the empty line after the final CR LF.
    virtual std::int64_t lineCount() = 0;
    virtual std::size_t lineLength(std::int64_t line) = 0;
    // The line's bytes (a view valid until the next call).
    virtual std::string_view lineText(std::int64_t line) = 0;

    // Reads display line `line` the way a painter would; returns a checksum so
    // the read cannot be optimised away.
    virtual std::uint64_t readDisplayLine(std::int64_t line) = 0;

    // Wraps every line at `column` display columns (tabs of 8) and returns the
    // number of display lines, or -1 when the system cannot wrap at a column.
    virtual std::int64_t rewrap(int column) = 0;

    // Replaces every occurrence of `from` by `to` (same length here) as one
    // editing step; returns the number of replacements.
    virtual std::int64_t replaceAll(std::string_view from, std::string_view to) = 0;

    // Forgets the undo history (untimed, between operations).
    virtual void clearUndo() = 0;

    // Inserts one byte as its own undo step.
    virtual void insertChar(std::int64_t line, std::size_t column, char c) = 0;

    // Undoes one step (the replace-all right after it was made).
    virtual void undoOnce() = 0;

    // Undoes until nothing is left; returns the number of undo steps taken.
    virtual std::int64_t undoAll() = 0;

    // Writes the text with CR LF after every line (an empty last line is not
    // written, so a loaded file saves back unchanged).
    virtual void save(const std::string& path) = 0;
};

// The systems this build knows, by the names used on the command line.
std::unique_ptr<BenchSubject> makeVectorSubject();
std::unique_ptr<BenchSubject> makeStoreSubject();
std::unique_ptr<BenchSubject> makeTextDocumentSubject();
std::unique_ptr<BenchSubject> makeScintillaSubject();  // nullptr when not built

// Hash of the whole text as lines joined by "\n" (the empty last line left
// out), for checking that every system holds the same text.
std::uint64_t textHash(BenchSubject& subject);

}  // namespace bench
