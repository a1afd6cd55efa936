#pragma once
// The tip of the day: TIPS.TXT holds one tip a line, its first character
// choosing the title ("?" "Did you know..." and so on), the rest the tip,
// where each of up to five "%s" is a line break and "%%" a percent sign.
// The tips are shown in a ring from a random start.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tips {

struct Tip {
    std::string title;
    std::string text;
    bool operator==(const Tip&) const = default;
};

// The longest tip text taken from a line (the title character not counted).
constexpr std::size_t kMaxTipLength = 255;

// The texts shown when no tip can be read.
Tip noTips();

// The title of a tip line's first character ("" for any other character).
std::string titleFor(char category);

// One line as shown. A "%" before anything but "s" or "%" stays as written,
// and a sixth "%s" or later is left as "%s".
Tip formatTip(std::string_view line);

// The tips of TIPS.TXT (empty lines skipped) through the checked read;
// empty when the file is missing, unreadable or holds no tip.
std::vector<std::string> readTips(const std::string& path);
std::vector<std::string> parseTips(std::string_view bytes);

// The ring of tips: next and previous wrap around at both ends.
class TipRing {
public:
    // Starts at `index` (taken modulo the count); the window then shows
    // next() first, as the tip after the random start.
    TipRing(std::vector<std::string> lines, std::size_t index);

    bool empty() const { return lines_.empty(); }
    std::size_t index() const { return index_; }
    Tip current() const;
    Tip next();
    Tip previous();

private:
    std::vector<std::string> lines_;
    std::size_t index_ = 0;
};

}  // namespace tips
