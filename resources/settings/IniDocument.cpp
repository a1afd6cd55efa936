#include "IniDocument.h"

#include <algorithm>

namespace {

std::string trimmed(const std::string& s) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string oneLine(std::string s) {
    std::replace_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    return s;
}

const std::string kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

bool IniDocument::sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

IniDocument::Line IniDocument::classify(std::string text, std::string eol, bool firstLine) {
    Line line{std::move(text), std::move(eol), Kind::Malformed, {}, {}};
    std::string t = line.text;
    // A byte-order mark left by a text editor is not part of the first name.
    if (firstLine && t.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0) t.erase(0, kUtf8Bom.size());
    t = trimmed(t);
    if (t.empty()) {
        line.kind = Kind::Blank;
    } else if (t[0] == ';') {
        line.kind = Kind::Comment;
    } else if (t[0] == '[') {
        const auto close = t.find(']');
        if (close != std::string::npos) {
            line.kind = Kind::Section;
            line.name = trimmed(t.substr(1, close - 1));
        }
    } else if (const auto eq = t.find('='); eq != std::string::npos) {
        line.name = trimmed(t.substr(0, eq));
        line.value = trimmed(t.substr(eq + 1));
        if (!line.name.empty()) line.kind = Kind::Entry;
    }
    return line;
}

IniDocument IniDocument::parse(const std::string& bytes) {
    IniDocument doc;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto end = bytes.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            doc.lines_.push_back(classify(bytes.substr(pos), "", doc.lines_.empty()));
            break;
        }
        const std::size_t eolLength = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        doc.lines_.push_back(classify(bytes.substr(pos, end - pos), bytes.substr(end, eolLength), doc.lines_.empty()));
        pos = end + eolLength;
    }
    return doc;
}

std::string IniDocument::serialize() const {
    std::string out;
    for (const Line& l : lines_) out += l.text + l.eol;
    return out;
}

std::optional<std::pair<std::size_t, std::size_t>> IniDocument::findSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Kind::Section || !sameName(lines_[i].name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != Kind::Section) ++end;
        return std::make_pair(i + 1, end);
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(const std::string& section, const std::string& key) const {
    const auto range = findSection(oneLine(section));
    if (!range) return std::nullopt;
    const std::string name = oneLine(key);
    for (std::size_t i = range->first; i < range->second; ++i)
        if (lines_[i].kind == Kind::Entry && sameName(lines_[i].name, name)) return lines_[i].value;
    return std::nullopt;
}

std::vector<std::string> IniDocument::keys(const std::string& section) const {
    std::vector<std::string> result;
    const auto range = findSection(oneLine(section));
    if (!range) return result;
    for (std::size_t i = range->first; i < range->second; ++i) {
        if (lines_[i].kind != Kind::Entry) continue;
        const bool seen = std::any_of(result.begin(), result.end(),
                                      [&](const std::string& k) { return sameName(k, lines_[i].name); });
        if (!seen) result.push_back(lines_[i].name);
    }
    return result;
}

std::string IniDocument::newLineEnd() const {
    // A file whose lines all end in a bare LF stays that way; otherwise CR LF.
    bool anyEol = false;
    for (const Line& l : lines_) {
        if (l.eol.empty()) continue;
        if (l.eol != "\n") return "\r\n";
        anyEol = true;
    }
    return anyEol ? "\n" : "\r\n";
}

void IniDocument::set(const std::string& section, const std::string& key, const std::string& value) {
    const std::string sect = oneLine(section), name = oneLine(key), val = oneLine(value);
    if (trimmed(name).empty()) return;  // "=value" could never be read back as an entry
    const std::string eol = newLineEnd();
    const auto makeEntry = [&](const std::string& spelling) {
        return Line{spelling + "=" + val, eol, Kind::Entry, spelling, trimmed(val)};
    };

    if (const auto range = findSection(sect)) {
        std::size_t insertAt = range->first;
        for (std::size_t i = range->first; i < range->second; ++i) {
            if (lines_[i].kind != Kind::Entry) continue;
            if (sameName(lines_[i].name, name)) {
                const std::string oldEol = lines_[i].eol;
                lines_[i] = makeEntry(lines_[i].name);
                lines_[i].eol = oldEol.empty() ? eol : oldEol;
                return;
            }
            insertAt = i + 1;
        }
        if (lines_[insertAt - 1].eol.empty()) lines_[insertAt - 1].eol = eol;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), makeEntry(name));
        return;
    }

    if (!lines_.empty()) {
        if (lines_.back().eol.empty()) lines_.back().eol = eol;
        if (lines_.back().kind != Kind::Blank) lines_.push_back(Line{"", eol, Kind::Blank, {}, {}});
    }
    lines_.push_back(Line{"[" + sect + "]", eol, Kind::Section, trimmed(sect), {}});
    lines_.push_back(makeEntry(name));
}
