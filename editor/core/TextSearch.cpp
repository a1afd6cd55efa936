#include "TextSearch.h"

#include "TextRules.h"
#include "Utf8.h"

namespace qm {

bool acceptableMatch(std::string_view text, std::size_t at, std::size_t len, bool wholeWords) {
    const std::size_t n = text.size();
    if (!utf8::isBoundary(text.data(), n, at) || !utf8::isBoundary(text.data(), n, at + len))
        return false;
    if (!wholeWords) return true;
    const bool leftOk = at == 0 || isWordDelimiter(text[at - 1]);
    const bool rightOk = at + len == n || isWordDelimiter(text[at + len]);
    return leftOk && rightOk;
}

std::optional<std::size_t> findInParagraph(std::string_view text, std::string_view folded,
                                           std::string_view pattern, std::size_t from,
                                           std::size_t limit, bool backwards, bool wholeWords) {
    const std::size_t len = pattern.size();
    if (len == 0) return std::nullopt;
    if (limit > folded.size()) limit = folded.size();
    if (limit < len || from > limit - len) return std::nullopt;
    const std::size_t lastStart = limit - len;
    if (!backwards) {
        std::size_t at = from;
        while (at <= lastStart) {
            const std::size_t hit = folded.find(pattern, at);
            if (hit == std::string_view::npos || hit > lastStart) return std::nullopt;
            if (acceptableMatch(text, hit, len, wholeWords)) return hit;
            at = hit + 1;
        }
        return std::nullopt;
    }
    std::size_t at = lastStart;
    for (;;) {
        const std::size_t hit = folded.rfind(pattern, at);
        if (hit == std::string_view::npos || hit < from) return std::nullopt;
        if (acceptableMatch(text, hit, len, wholeWords)) return hit;
        if (hit == 0) return std::nullopt;
        at = hit - 1;
    }
}

}  // namespace qm
