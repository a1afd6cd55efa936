#pragma once
// One settings file in memory, with the profile-file rules: "[Section]"
// headers, "key=value" lines, sections and keys matched without regard to
// ASCII case, blanks around names and values ignored, lines starting with ";"
// are comments. Reading is lenient: any other line is malformed and ignored.
// Invariant: serialize() gives back the parsed bytes exactly, except for the
// lines that set() wrote, so nothing of a user's file is lost on a rewrite.

#include <optional>
#include <string>
#include <utility>
#include <vector>

class IniDocument {
public:
    IniDocument() = default;
    static IniDocument parse(const std::string& bytes);
    std::string serialize() const;

    // The value of the first entry named key in the first section named
    // section; nullopt when either is absent.
    std::optional<std::string> value(const std::string& section, const std::string& key) const;

    // The entry names of the section in file order, each name once (first spelling).
    std::vector<std::string> keys(const std::string& section) const;

    // Replaces the value of an existing entry (its name keeps its spelling),
    // or adds the entry after the last entry of the section, or appends the
    // section. CR, LF and NUL in any of the three texts become spaces: a value
    // is one line and can never start a new entry or section. An empty key
    // names no entry and changes nothing.
    void set(const std::string& section, const std::string& key, const std::string& value);

    // Case rule shared with the callers (ASCII only: settings text is bytes).
    static bool sameName(const std::string& a, const std::string& b);

private:
    enum class Kind { Blank, Comment, Section, Entry, Malformed };
    struct Line {
        std::string text;  // raw bytes without the line end
        std::string eol;   // "\r\n", "\n", "\r" or "" for a last line without one
        Kind kind = Kind::Blank;
        std::string name;   // section name or entry key, trimmed
        std::string value;  // entry value, trimmed
    };

    static Line classify(std::string text, std::string eol, bool firstLine);
    // [begin, end) line range of the first section named section, the header excluded.
    std::optional<std::pair<std::size_t, std::size_t>> findSection(const std::string& section) const;
    std::string newLineEnd() const;

    std::vector<Line> lines_;
};
