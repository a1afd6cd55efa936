// The practical floor: the file split into a std::vector<std::string>, with
// an unbounded undo list. No limits, no line index beyond the vector, no
// bookkeeping that an editor needs; nothing real can be faster by much.

#include "BenchSubject.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace bench {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Display lines of one line wrapped at `column` (tab stops every `tab`):
// break after a run of blanks or after a hyphen, else inside the word.
std::int64_t wrappedLines(std::string_view s, int column, int tab)
{
    std::int64_t lines = 1;
    std::size_t start = 0;
    while (true) {
        // The byte at which the display column reaches `column`.
        std::size_t candidate = start;
        int col = 0;
        while (candidate < s.size()) {
            int next = s[candidate] == '\t' ? (col / tab + 1) * tab : col + 1;
            if (next > column)
                break;
            col = next;
            ++candidate;
        }
        if (candidate >= s.size())
            return lines;
        // Look back from the candidate down to the line's first byte, so that
        // leading blanks followed by a long word end a line of their own.
        std::size_t breakAt = candidate;
        for (std::size_t p = candidate + 1; p-- > start;) {
            if (isBlank(s[p]) || s[p] == '-') {
                breakAt = p + (s[p] == '-' ? 1 : 0);
                while (breakAt < s.size() && isBlank(s[breakAt]))
                    ++breakAt;
                break;
            }
        }
        if (breakAt >= s.size())
            return lines;
        if (breakAt <= start)
            breakAt = candidate > start ? candidate : start + 1;
        start = breakAt;
        ++lines;
    }
}

class VectorSubject final : public BenchSubject {
public:
    void load(const std::string& path) override
    {
        std::string bytes;
        {
            std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
            if (!f)
                throw std::runtime_error("cannot open " + path);
            std::fseek(f.get(), 0, SEEK_END);
            long size = std::ftell(f.get());
            std::fseek(f.get(), 0, SEEK_SET);
            bytes.resize(static_cast<std::size_t>(size));
            if (std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
                throw std::runtime_error("cannot read " + path);
        }
        lines_.clear();
        std::size_t start = 0;
        while (true) {
            std::size_t lf = bytes.find('\n', start);
            if (lf == std::string::npos) {
                lines_.emplace_back(bytes, start);
                break;
            }
            std::size_t end = (lf > start && bytes[lf - 1] == '\r') ? lf - 1 : lf;
            lines_.emplace_back(bytes.data() + start, end - start);
            start = lf + 1;
        }
    }

    std::int64_t lineCount() override { return static_cast<std::int64_t>(lines_.size()); }
    std::size_t lineLength(std::int64_t line) override { return lines_[static_cast<std::size_t>(line)].size(); }
    std::string_view lineText(std::int64_t line) override { return lines_[static_cast<std::size_t>(line)]; }

    std::uint64_t readDisplayLine(std::int64_t line) override
    {
        std::uint64_t sum = 0;
        for (unsigned char c : lines_[static_cast<std::size_t>(line)])
            sum += c;
        return sum;
    }

    std::int64_t rewrap(int column) override
    {
        std::int64_t total = 0;
        for (const std::string& l : lines_)
            total += wrappedLines(l, column, 8);
        return total;
    }

    std::int64_t replaceAll(std::string_view from, std::string_view to) override
    {
        std::int64_t count = 0;
        for (std::string& l : lines_) {
            for (std::size_t p = l.find(from); p != std::string::npos; p = l.find(from, p + to.size())) {
                l.replace(p, from.size(), to);
                replaced_.push_back({static_cast<std::int64_t>(&l - lines_.data()), p});
                ++count;
            }
        }
        replacedFrom_ = from;
        return count;
    }

    void clearUndo() override
    {
        undo_.clear();
        replaced_.clear();
    }

    // The floor keeps one replace-all (where and what) or single inserts.
    void undoOnce() override
    {
        if (replaced_.empty()) {
            if (!undo_.empty()) {
                lines_[static_cast<std::size_t>(undo_.back().line)].erase(undo_.back().column, 1);
                undo_.pop_back();
            }
            return;
        }
        for (auto it = replaced_.rbegin(); it != replaced_.rend(); ++it)
            lines_[static_cast<std::size_t>(it->line)].replace(it->column, replacedFrom_.size(), replacedFrom_);
        replaced_.clear();
    }

    void insertChar(std::int64_t line, std::size_t column, char c) override
    {
        lines_[static_cast<std::size_t>(line)].insert(column, 1, c);
        undo_.push_back({line, column});
    }

    std::int64_t undoAll() override
    {
        std::int64_t steps = 0;
        while (!undo_.empty()) {
            lines_[static_cast<std::size_t>(undo_.back().line)].erase(undo_.back().column, 1);
            undo_.pop_back();
            ++steps;
        }
        return steps;
    }

    void save(const std::string& path) override
    {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "wb"), &std::fclose);
        if (!f)
            throw std::runtime_error("cannot create " + path);
        std::size_t n = lines_.size();
        if (n > 0 && lines_.back().empty())
            --n;
        for (std::size_t i = 0; i < n; ++i) {
            std::fwrite(lines_[i].data(), 1, lines_[i].size(), f.get());
            std::fwrite("\r\n", 1, 2, f.get());
        }
        if (std::fclose(f.release()) != 0)
            throw std::runtime_error("cannot write " + path);
    }

private:
    struct Insertion {
        std::int64_t line;
        std::size_t column;
    };
    std::vector<std::string> lines_;
    std::vector<Insertion> undo_;
    std::vector<Insertion> replaced_;  // same lengths here, so positions stay valid
    std::string replacedFrom_;
};

}  // namespace

std::unique_ptr<BenchSubject> makeVectorSubject() { return std::make_unique<VectorSubject>(); }

std::uint64_t textHash(BenchSubject& subject)
{
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](unsigned char c) { h = (h ^ c) * 1099511628211ull; };
    std::int64_t n = subject.lineCount();
    if (n > 0 && subject.lineLength(n - 1) == 0)
        --n;
    for (std::int64_t i = 0; i < n; ++i) {
        for (unsigned char c : subject.lineText(i))
            mix(c);
        mix('\n');
    }
    return h;
}

}  // namespace bench
