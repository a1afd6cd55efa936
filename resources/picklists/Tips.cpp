#include "Tips.h"

#include "DurableFile.h"
#include "PickLists.h"

namespace tips {

Tip noTips() {
    return {"Oops...",
            "Sorry, no tips are available. You can disable this message by unchecking \"Show Tips at Startup\" at "
            "the bottom of this dialog. Alternatively, re-install this program."};
}

std::string titleFor(char category) {
    switch (category) {
    case '!': return "Today's joke...";
    case '#': return "Today's message...";
    case '\'': return "Today's quote...";
    case '?': return "Did you know...";
    case '^': return "Today's tip...";
    default: return {};
    }
}

Tip formatTip(std::string_view line) {
    if (line.empty()) return {};
    const std::string_view pattern = line.substr(1, kMaxTipLength);
    Tip tip{titleFor(line.front()), {}};
    int breaks = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char after = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c == '%' && after == '%') {
            tip.text += '%';
            ++i;
        } else if (c == '%' && after == 's' && breaks < 5) {
            tip.text += '\n';
            ++breaks;
            ++i;
        } else {
            tip.text += c;
        }
    }
    return tip;
}

std::vector<std::string> parseTips(std::string_view bytes) { return picklists::splitLines(bytes); }

std::vector<std::string> readTips(const std::string& path) {
    const durable::ReadResult r = durable::readFile(path, 1u << 20);
    return r ? parseTips(r.bytes) : std::vector<std::string>{};
}

TipRing::TipRing(std::vector<std::string> lines, std::size_t index)
    : lines_(std::move(lines)), index_(lines_.empty() ? 0 : index % lines_.size()) {}

Tip TipRing::current() const { return lines_.empty() ? noTips() : formatTip(lines_[index_]); }

Tip TipRing::next() {
    if (!lines_.empty()) index_ = index_ + 1 == lines_.size() ? 0 : index_ + 1;
    return current();
}

Tip TipRing::previous() {
    if (!lines_.empty()) index_ = index_ == 0 ? lines_.size() - 1 : index_ - 1;
    return current();
}

}  // namespace tips
