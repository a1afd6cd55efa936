// Scintilla's document, driven headless through the SCI_* messages of the
// QsciScintillaBase widget (never shown; no lexer, no styling). Scintilla
// keeps the CR LF line ends inside its text, so lines are read without them.

#include "BenchSubject.h"

#include <Qsci/qsciscintillabase.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace bench {
namespace {

using Sci = QsciScintillaBase;

class ScintillaSubject final : public BenchSubject {
public:
    ScintillaSubject()
    {
        sci_.SendScintilla(Sci::SCI_SETCODEPAGE, Sci::SC_CP_UTF8);
        sci_.SendScintilla(Sci::SCI_SETEOLMODE, Sci::SC_EOL_CRLF);
        sci_.SendScintilla(Sci::SCI_SETWRAPMODE, Sci::SC_WRAP_NONE);
        sci_.SendScintilla(Sci::SCI_SETSEARCHFLAGS, Sci::SCFIND_MATCHCASE);
        // No listener wants modification events here (our store runs without
        // an observer too); with them on, the Qt wrapper's handling of each
        // event made every edit cost time proportional to the text.
        sci_.SendScintilla(Sci::SCI_SETMODEVENTMASK, 0L);
    }

    void load(const std::string& path) override
    {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
        if (!f)
            throw std::runtime_error("cannot open " + path);
        std::fseek(f.get(), 0, SEEK_END);
        long size = std::ftell(f.get());
        std::fseek(f.get(), 0, SEEK_SET);
        // As Scintilla-based editors load: room once, then append in blocks
        // with undo collection off.
        sci_.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0L);
        sci_.SendScintilla(Sci::SCI_CLEARALL);
        sci_.SendScintilla(Sci::SCI_ALLOCATE, static_cast<unsigned long>(size) + 1000);
        std::vector<char> block(1 << 20);
        std::size_t n;
        while ((n = std::fread(block.data(), 1, block.size(), f.get())) > 0)
            sci_.SendScintilla(Sci::SCI_APPENDTEXT, static_cast<unsigned long>(n), block.data());
        sci_.SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1L);
        sci_.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
        sci_.SendScintilla(Sci::SCI_SETSAVEPOINT);
    }

    std::int64_t lineCount() override { return sci_.SendScintilla(Sci::SCI_GETLINECOUNT); }
    std::size_t lineLength(std::int64_t line) override
    {
        long start = sci_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        long end = sci_.SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
        return static_cast<std::size_t>(end - start);
    }
    std::string_view lineText(std::int64_t line) override
    {
        long full = sci_.SendScintilla(Sci::SCI_LINELENGTH, static_cast<unsigned long>(line));
        buffer_.assign(static_cast<std::size_t>(full) + 1, '\0');
        sci_.SendScintilla(Sci::SCI_GETLINE, static_cast<unsigned long>(line), buffer_.data());
        buffer_.resize(lineLength(line));
        return buffer_;
    }

    std::uint64_t readDisplayLine(std::int64_t line) override
    {
        // Wrapping is off, so a display line is a document line.
        std::string_view text = lineText(line);
        std::uint64_t sum = 0;
        for (unsigned char c : text)
            sum += c;
        return sum;
    }

    // Scintilla wraps in its view, at a pixel width, one screen at a time in
    // idle time; it has no wrap column and no way to wrap the whole text now.
    std::int64_t rewrap(int) override { return -1; }

    std::int64_t replaceAll(std::string_view from, std::string_view to) override
    {
        std::int64_t count = 0;
        const std::string needle(from);
        const std::string replacement(to);
        sci_.SendScintilla(Sci::SCI_BEGINUNDOACTION);
        long start = 0;
        while (true) {
            long end = sci_.SendScintilla(Sci::SCI_GETLENGTH);
            sci_.SendScintilla(Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
            long at = sci_.SendScintilla(Sci::SCI_SEARCHINTARGET, static_cast<unsigned long>(needle.size()), needle.c_str());
            if (at < 0)
                break;
            sci_.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<unsigned long>(replacement.size()), replacement.c_str());
            start = sci_.SendScintilla(Sci::SCI_GETTARGETEND);
            ++count;
        }
        sci_.SendScintilla(Sci::SCI_ENDUNDOACTION);
        return count;
    }

    void clearUndo() override { sci_.SendScintilla(Sci::SCI_EMPTYUNDOBUFFER); }

    void insertChar(std::int64_t line, std::size_t column, char c) override
    {
        long pos = sci_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)) + static_cast<long>(column);
        const char text[2] = {c, '\0'};
        sci_.SendScintilla(Sci::SCI_INSERTTEXT, static_cast<uintptr_t>(pos), text);
    }

    void undoOnce() override { sci_.SendScintilla(Sci::SCI_UNDO); }

    std::int64_t undoAll() override
    {
        std::int64_t steps = 0;
        while (sci_.SendScintilla(Sci::SCI_CANUNDO)) {
            sci_.SendScintilla(Sci::SCI_UNDO);
            ++steps;
        }
        return steps;
    }

    void save(const std::string& path) override
    {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
        if (!f)
            throw std::runtime_error("cannot create " + path);
        long length = sci_.SendScintilla(Sci::SCI_GETLENGTH);
        // Closes the gap once and hands out the text as one block.
        const char* text = static_cast<const char*>(sci_.SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
        if (std::fwrite(text, 1, static_cast<std::size_t>(length), f.get()) != static_cast<std::size_t>(length) ||
            std::fclose(f.release()) != 0)
            throw std::runtime_error("cannot write " + path);
    }

private:
    QsciScintillaBase sci_;
    std::string buffer_;
};

}  // namespace

std::unique_ptr<BenchSubject> makeScintillaSubject() { return std::make_unique<ScintillaSubject>(); }

}  // namespace bench
