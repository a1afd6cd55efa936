#include "HtmlGenerator.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace bench {

std::uint64_t Rng::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

constexpr std::string_view kWords[] = {
    "the", "of", "and", "to", "in", "is", "for", "that", "with", "on", "as", "by", "this",
    "page", "site", "document", "editor", "table", "link", "home", "list", "section", "more",
    "information", "please", "contact", "about", "our", "products", "services", "news",
    "updated", "weekly", "visitors", "browser", "frames", "images", "download", "version",
    "release", "support", "questions", "answers", "catalogue", "order", "price", "shipping",
    "community", "library", "archive", "members", "welcome", "index", "resources", "guide",
    "tutorial", "example", "reference", "manual", "chapter", "introduction", "summary",
    "department", "university", "research", "project", "meeting", "schedule", "calendar",
    "&nbsp;", "&amp;", "&copy;", "well-known", "up-to-date", "e-mail", "self-contained",
};
constexpr std::string_view kHosts[] = {
    "www.example.com", "www.example.org", "home.example.net", "ftp.example.edu",
    "members.example.com", "www.example.co.uk",
};
constexpr std::string_view kCellTexts[] = {
    "Name", "Price", "Quantity", "Total", "Date", "Status", "Yes", "No", "n/a", "Open", "Closed",
};

std::string_view word(Rng& rng) { return kWords[rng.below(std::size(kWords))]; }

std::string url(Rng& rng)
{
    std::string u = "http://";
    u += kHosts[rng.below(std::size(kHosts))];
    int depth = rng.between(0, 3);
    for (int i = 0; i < depth; ++i) {
        u += '/';
        u += word(rng).front() == '&' ? std::string_view("misc") : word(rng);
    }
    u += "/page";
    u += std::to_string(rng.below(5000));
    u += ".html";
    return u;
}

// One inline piece of prose: a word, or now and then a link or markup.
std::string phrase(Rng& rng)
{
    int roll = static_cast<int>(rng.below(100));
    if (roll < 5)
        return "<A HREF=\"" + url(rng) + "\">" + std::string(word(rng)) + " " + std::string(word(rng)) + "</A>";
    if (roll < 8)
        return "<B>" + std::string(word(rng)) + "</B>";
    if (roll < 10)
        return "<I>" + std::string(word(rng)) + "</I>";
    if (roll < 11)
        return "<FONT COLOR=\"#" + std::to_string(100000 + rng.below(899999)) + "\">" + std::string(word(rng)) + "</FONT>";
    return std::string(word(rng));
}

class Emitter {
public:
    explicit Emitter(std::function<void(std::string_view)> sink) : sink_(std::move(sink)) {}

    void line(std::string_view text)
    {
        buffer_ += text;
        buffer_ += "\r\n";
        stats_.bytes += text.size() + 2;
        ++stats_.lines;
        if (text.size() >= 2000)
            ++stats_.longLines;
        if (text.size() > stats_.maxLineLength)
            stats_.maxLineLength = text.size();
        if (text.find('\t') != std::string_view::npos)
            ++stats_.tabLines;
        for (auto p = text.find("<td>"); p != std::string_view::npos; p = text.find("<td>", p + 4))
            ++stats_.lowerTdCount;
        if (buffer_.size() >= (1u << 20))
            flush();
    }
    void flush()
    {
        sink_(buffer_);
        buffer_.clear();
    }
    const HtmlFileStats& stats() const { return stats_; }

private:
    std::function<void(std::string_view)> sink_;
    std::string buffer_;
    HtmlFileStats stats_;
};

// Prose wrapped at a column of 60..78, as people and tools wrote HTML.
void prose(Emitter& out, Rng& rng, std::string_view indent)
{
    out.line(std::string(indent) + "<P>");
    int lines = rng.between(2, 9);
    int width = rng.between(60, 78);
    std::string current(indent);
    for (int n = 0; n < lines;) {
        std::string p = phrase(rng);
        if (current.size() > indent.size() && current.size() + 1 + p.size() > static_cast<std::size_t>(width)) {
            out.line(current);
            current.assign(indent);
            ++n;
        }
        if (current.size() > indent.size())
            current += ' ';
        current += p;
    }
    if (current.size() > indent.size())
        out.line(current);
    out.line(std::string(indent) + "</P>");
}

void table(Emitter& out, Rng& rng)
{
    out.line("<TABLE BORDER=\"1\" CELLPADDING=\"" + std::to_string(rng.between(0, 6)) + "\" WIDTH=\"100%\">");
    int cols = rng.between(2, 6);
    int rows = rng.between(3, 24);
    out.line("\t<TR>");
    for (int c = 0; c < cols; ++c)
        out.line("\t\t<TH>" + std::string(kCellTexts[rng.below(std::size(kCellTexts))]) + "</TH>");
    out.line("\t</TR>");
    // Half the tables put a whole row on one line, half one cell per line.
    bool rowPerLine = rng.chance(50);
    for (int r = 0; r < rows; ++r) {
        std::string row = "\t<TR>";
        if (!rowPerLine)
            out.line(row);
        for (int c = 0; c < cols; ++c) {
            std::string cell = rowPerLine ? std::string() : std::string("\t\t");
            int kind = static_cast<int>(rng.below(10));
            if (kind < 6)
                cell += "<td>" + std::string(word(rng)) + " " + std::string(word(rng)) + "</td>";
            else if (kind < 8)
                cell += "<td ALIGN=\"right\">" + std::to_string(rng.below(100000)) + "." + std::to_string(rng.between(10, 99)) + "</td>";
            else if (kind < 9)
                cell += "<td><A HREF=\"" + url(rng) + "\">" + std::string(word(rng)) + "</A></td>";
            else
                cell += "<TD>" + std::string(kCellTexts[rng.below(std::size(kCellTexts))]) + "</TD>";
            if (rowPerLine)
                row += cell;
            else
                out.line(cell);
        }
        if (rowPerLine)
            out.line(row + "</TR>");
        else
            out.line("\t</TR>");
    }
    out.line("</TABLE>");
}

void linkList(Emitter& out, Rng& rng)
{
    out.line("<UL>");
    int items = rng.between(3, 15);
    for (int i = 0; i < items; ++i)
        out.line("\t<LI><A HREF=\"" + url(rng) + "\">" + std::string(word(rng)) + " " + std::string(word(rng)) + "</A> - " +
                 std::string(word(rng)) + " " + std::string(word(rng)) + " " + std::string(word(rng)));
    out.line("</UL>");
}

// 2,000..10,000 bytes on one line: a paragraph pasted without line breaks,
// or a script packed onto one line.
void longLine(Emitter& out, Rng& rng)
{
    std::size_t length = static_cast<std::size_t>(rng.between(2000, 10000));
    std::string text;
    if (rng.chance(50)) {
        text = "<P>";
        while (text.size() < length) {
            text += phrase(rng);
            text += ' ';
        }
        text.resize(length - 4);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        text += "</P>";
    } else {
        text = "<SCRIPT>var d=[";
        while (text.size() + 40 < length) {  // one item adds under 30 bytes
            text += '"';
            text += word(rng);
            text += "\",";
            text += std::to_string(rng.below(1000));
            text += ',';
        }
        text += "0];</SCRIPT>";
    }
    out.line(text);
}

HtmlFileStats generate(std::uint64_t targetBytes, std::uint64_t seed, std::function<void(std::string_view)> sink)
{
    Rng rng(seed);
    Emitter out(std::move(sink));
    out.line("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">");
    out.line("<HTML>");
    out.line("<HEAD>");
    out.line("\t<TITLE>Generated test page " + std::to_string(seed) + "</TITLE>");
    out.line("\t<META NAME=\"GENERATOR\" CONTENT=\"Quillmar benchmark\">");
    out.line("</HEAD>");
    out.line("<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\">");
    int section = 0;
    // Leave room for the closing lines so that the target is met closely.
    while (out.stats().bytes + 40 < targetBytes) {
        ++section;
        out.line("<H2><A NAME=\"s" + std::to_string(section) + "\">" + std::to_string(section) + ". " +
                 std::string(word(rng)) + " " + std::string(word(rng)) + "</A></H2>");
        int blocks = rng.between(2, 6);
        for (int b = 0; b < blocks && out.stats().bytes + 40 < targetBytes; ++b) {
            int kind = static_cast<int>(rng.below(100));
            if (kind < 2)
                longLine(out, rng);
            else if (kind < 52)
                prose(out, rng, rng.chance(20) ? "\t" : "");
            else if (kind < 80)
                table(out, rng);
            else
                linkList(out, rng);
            if (rng.chance(40))
                out.line("");
        }
    }
    out.line("</BODY>");
    out.line("</HTML>");
    out.flush();
    return out.stats();
}

}  // namespace

HtmlFileStats writeHtmlFile(const std::string& path, std::uint64_t targetBytes, std::uint64_t seed)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        throw std::runtime_error("cannot create " + path);
    bool failed = false;
    HtmlFileStats stats = generate(targetBytes, seed, [&](std::string_view chunk) {
        if (!chunk.empty() && std::fwrite(chunk.data(), 1, chunk.size(), file.get()) != chunk.size())
            failed = true;
    });
    if (std::fclose(file.release()) != 0 || failed)
        throw std::runtime_error("cannot write " + path);
    return stats;
}

HtmlFileStats writeLongLineHtmlFile(const std::string& path, int lines, std::uint64_t lineBytes, std::uint64_t seed)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file)
        throw std::runtime_error("cannot create " + path);
    Rng rng(seed);
    HtmlFileStats stats;
    bool failed = false;
    std::string line;
    for (int n = 0; n < lines; ++n) {
        line.clear();
        while (line.size() < lineBytes) {
            switch (rng.below(4)) {
            case 0:
                line += "<div class=\"c" + std::to_string(rng.below(50)) + "\"><a href=\"" + url(rng) + "\">" +
                        phrase(rng) + "</a></div>";
                break;
            case 1:
                line += "<tr><td>" + std::string(word(rng)) + "</td><td>" + std::to_string(rng.below(10000)) + "</td></tr>";
                stats.lowerTdCount += 2;
                break;
            case 2:
                line += "<path d=\"M" + std::to_string(rng.below(500)) + " " + std::to_string(rng.below(500)) + "l" +
                        std::to_string(rng.below(90)) + "-" + std::to_string(rng.below(90)) + "z\"/>";
                break;
            default:
                line += "<p>" + phrase(rng) + "</p>";
            }
        }
        // Cut to size without splitting a "<td>" (the count stays exact).
        while (line.size() > lineBytes) {
            if (line.compare(line.size() - 4, 4, "<td>") == 0)
                --stats.lowerTdCount;
            line.pop_back();
        }
        if (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.back() = '.';  // no trailing blanks: every system holds the same text
        line += "\r\n";
        failed = failed || std::fwrite(line.data(), 1, line.size(), file.get()) != line.size();
        stats.bytes += line.size();
        ++stats.lines;
        ++stats.longLines;
        stats.maxLineLength = std::max<std::uint64_t>(stats.maxLineLength, line.size() - 2);
    }
    if (std::fclose(file.release()) != 0 || failed)
        throw std::runtime_error("cannot write " + path);
    return stats;
}

std::string generateHtml(std::uint64_t targetBytes, std::uint64_t seed, HtmlFileStats* stats)
{
    std::string text;
    HtmlFileStats s = generate(targetBytes, seed, [&](std::string_view chunk) { text += chunk; });
    if (stats)
        *stats = s;
    return text;
}

}  // namespace bench
