#include "HtmlColorizer.h"

#include "TParagraphStore.h"

#include <algorithm>

using qm::html::Kind;

namespace {
// Ask for a little more than is painted, so scrolling a few lines within a
// long paragraph is answered from the kept spans.
constexpr int kAhead = 16 * 1024;

void set(SyntaxScheme& s, Kind k, QColor c, bool bold = false, bool italic = false) {
    s.styles[static_cast<std::size_t>(k)] = {c, bold, italic};
}
}  // namespace

SyntaxScheme SyntaxScheme::light() {
    SyntaxScheme s;
    s.background = Qt::white;
    s.text = Qt::black;
    s.tagMark = QColor(255, 236, 150);
    set(s, Kind::Punct, QColor(0, 0, 160));
    set(s, Kind::TagName, QColor(0, 0, 200), true);
    set(s, Kind::AttrName, QColor(150, 0, 150));
    set(s, Kind::AttrValue, QColor(0, 120, 0));
    set(s, Kind::Comment, QColor(128, 128, 128), false, true);
    set(s, Kind::Entity, QColor(180, 90, 0));
    set(s, Kind::Declaration, QColor(120, 60, 0));
    set(s, Kind::Script, QColor(140, 20, 20));
    set(s, Kind::Style, QColor(0, 110, 130));
    return s;
}

SyntaxScheme SyntaxScheme::dark() {
    SyntaxScheme s;
    s.isDark = true;
    s.background = QColor(30, 30, 34);
    s.text = QColor(220, 220, 215);
    s.tagMark = QColor(80, 80, 40);
    set(s, Kind::Punct, QColor(130, 170, 230));
    set(s, Kind::TagName, QColor(110, 170, 255), true);
    set(s, Kind::AttrName, QColor(220, 150, 230));
    set(s, Kind::AttrValue, QColor(150, 220, 120));
    set(s, Kind::Comment, QColor(130, 135, 140), false, true);
    set(s, Kind::Entity, QColor(240, 180, 90));
    set(s, Kind::Declaration, QColor(200, 160, 110));
    set(s, Kind::Script, QColor(240, 130, 120));
    set(s, Kind::Style, QColor(110, 210, 220));
    return s;
}

QString SyntaxScheme::keyOf(Kind k) {
    switch (k) {
    case Kind::Punct: return QStringLiteral("Tag Punctuation");
    case Kind::TagName: return QStringLiteral("Tag Name");
    case Kind::AttrName: return QStringLiteral("Attribute Name");
    case Kind::AttrValue: return QStringLiteral("Attribute Value");
    case Kind::Comment: return QStringLiteral("Comment");
    case Kind::Entity: return QStringLiteral("Entity");
    case Kind::Declaration: return QStringLiteral("Declaration");
    case Kind::Script: return QStringLiteral("Script");
    case Kind::Style: return QStringLiteral("Style");
    default: return {};
    }
}

void HtmlColorizer::setScheme(const SyntaxScheme& s) {
    scheme_ = s;
    cachedPara_ = 0;
}

void HtmlColorizer::textChanged(int firstParagraph, int lastParagraph, int firstByte, int paragraphDelta) {
    states_.changed(firstParagraph, lastParagraph, static_cast<std::size_t>(std::max(0, firstByte)), paragraphDelta);
    cachedPara_ = 0;
}

qm::html::State HtmlColorizer::startOf(int paragraph) {
    return states_.startOf(paragraph, [this](int p) { return store_.paragraphText(qm::ParaNum(p)); });
}

qm::html::TagPair HtmlColorizer::matchAt(int paragraph, int pos) {
    return qm::html::matchingTag(
        paragraph, pos, store_.ParagraphCount(), [this](int p) { return store_.paragraphText(qm::ParaNum(p)); },
        [this](int p) { return startOf(p); });
}

std::size_t HtmlColorizer::memoryBytes() const {
    return states_.memoryBytes() + cached_.capacity() * sizeof(ColorSpan);
}

std::vector<ColorSpan> HtmlColorizer::spans(int paragraph, std::string_view text, int from, int to) {
    if (paragraph != cachedPara_ || from < cachedFrom_ || to > cachedTo_) scan(paragraph, text, from, to);
    // Only those asked for: a long line's kept spans are many.
    const auto first = std::partition_point(cached_.begin(), cached_.end(),
                                            [from](const ColorSpan& sp) { return sp.start + sp.length <= from; });
    const auto last = std::partition_point(first, cached_.end(), [to](const ColorSpan& sp) { return sp.start < to; });
    return {first, last};
}

void HtmlColorizer::scan(int paragraph, std::string_view text, int from, int to) {
    const int length = static_cast<int>(text.size());
    to = std::min(length, std::max(to, from) + kAhead);
    from = std::max(0, from - kAhead);
    std::vector<qm::html::Span> found;
    states_.scan(paragraph, text, startOf(paragraph), &found, static_cast<std::size_t>(from),
                 static_cast<std::size_t>(to));
    cached_.clear();
    cached_.reserve(found.size());
    for (const qm::html::Span& sp : found) {
        const SyntaxStyle& st = scheme_.styles[static_cast<std::size_t>(sp.kind)];
        cached_.push_back({sp.start, sp.length, st.color, st.bold, st.italic});
    }
    cachedPara_ = paragraph;
    cachedFrom_ = from;
    cachedTo_ = to;
}
