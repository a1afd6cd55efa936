#include "HTMLWriter.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string loopText(int count) { return count != 0 ? " loop=" + std::to_string(count) : " loop=infinite"; }

// Out-of-range indexes fall back to the first word, as an unset choice would.
std::string_view word(std::initializer_list<std::string_view> words, int index) {
    return index >= 0 && index < int(words.size()) ? words.begin()[index] : *words.begin();
}

std::string size(std::string_view name, int value) {
    if (value == 0) return {};
    return " " + std::string(name) + "=" + std::to_string(std::abs(static_cast<long long>(value))) +
           (value < 0 ? "%" : "");
}

std::string number(std::string_view name, int value) {
    return value != 0 ? " " + std::string(name) + "=" + std::to_string(value) : std::string();
}

}  // namespace

std::string THTMLWriter::BackgroundSoundTag(std::string_view url, std::uint8_t loops) const {
    if ((Errors & erErrors) && url.empty()) throw EHTMLError("Missing URL for background sound", kSoundCode);
    std::string tag = "<bgsound src=\"" + std::string(url) + "\"" + loopText(loops) + ">";
    if (Errors & erIExplorer) throw EHTMLWarning("BGSOUND is IExplorer extension", kSoundCode, tag);
    return tag;
}

std::string THTMLWriter::MarqueeTag(std::string_view text, const Marquee& m) const {
    std::string tag = "<marquee behaviour=" + std::string(word({"scroll", "slide", "alternate"}, m.behaviour)) +
                      " direction=" + std::string(word({"left", "right"}, m.direction));
    if (m.align >= 1 && m.align <= 3) tag += " align=" + std::string(word({"", "top", "middle", "bottom"}, m.align));
    tag += size("height", m.height) + size("width", m.width) + number("hspace", m.hspace) +
           number("vspace", m.vspace) + number("scrollamount", m.scrollAmount) +
           number("scrolldelay", m.scrollDelay) + loopText(m.loop);
    if (m.bgColour != kNoColour) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%02X%02X%02X", unsigned(m.bgColour & 0xFF), unsigned((m.bgColour >> 8) & 0xFF),
                      unsigned((m.bgColour >> 16) & 0xFF));
        tag += " bgcolor=" + std::string(hex);
    }
    tag += ">" + std::string(text) + "</marquee>";
    if (Errors & erIExplorer) throw EHTMLWarning("MARQUEE is IExplorer extension", kMarqueeCode, tag);
    return tag;
}
