#pragma once
// THTMLWriter: formats the browser-extension tags, a background sound and a
// scrolling text (marquee). Errors decides which problems raise while a tag
// is formatted; with it empty nothing ever raises.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A tag that cannot be written as asked. code names the tag (6 the sound,
// 13 the marquee).
class EHTMLError : public std::runtime_error {
public:
    EHTMLError(const std::string& message, int code) : std::runtime_error(message), code(code) {}
    int code;
};

// A tag that was written but that not every browser understands; tag is the
// finished text.
class EHTMLWarning : public EHTMLError {
public:
    EHTMLWarning(const std::string& message, int code, std::string tag)
        : EHTMLError(message, code), tag(std::move(tag)) {}
    std::string tag;
};

class THTMLWriter {
public:
    enum THTMLError : unsigned { erErrors = 1, erWarnings = 2, erNetscape = 4, erIExplorer = 8, erHTML3 = 16 };
    // A set of THTMLError values.
    unsigned Errors = 0;

    static constexpr int kSoundCode = 6;
    static constexpr int kMarqueeCode = 13;
    // A platform colour number (red in the low byte) that means "no colour".
    static constexpr std::uint32_t kNoColour = 0xFE09F1;

    // "<bgsound src="url" loop=N>", loop=infinite for 0.
    std::string BackgroundSoundTag(std::string_view url, std::uint8_t loops) const;

    // Indexes: align 0 none, 1 top, 2 middle, 3 bottom; behaviour 0 scroll,
    // 1 slide, 2 alternate; direction 0 left, 1 right. A negative height or
    // width is a percentage; 0 leaves a number out (loop 0 is infinite).
    struct Marquee {
        int align = 0;
        int height = 0;
        int width = 0;
        int hspace = 0;
        int vspace = 0;
        int scrollAmount = 0;
        int scrollDelay = 0;
        int loop = 0;
        int behaviour = 0;
        int direction = 0;
        std::uint32_t bgColour = kNoColour;
    };
    // Start tag, text and "</marquee>" as one string.
    std::string MarqueeTag(std::string_view text, const Marquee& m) const;
};
