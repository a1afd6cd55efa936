#pragma once
// Colours HTML in the editing control: the scanner's spans in the colours of
// a scheme. Paragraph start states are kept lazily (see HtmlStates), and the
// spans of the last paragraph asked for are kept until the text changes, so
// repainting a long wrapped paragraph does not scan it again.

#include "HtmlScan.h"
#include "LineColorizer.h"

#include <QColor>
#include <QString>
#include <array>

namespace qm { class TParagraphStore; }

struct SyntaxStyle {
    QColor color;
    bool bold = false;
    bool italic = false;
};

struct SyntaxScheme {
    static constexpr std::size_t kKinds = static_cast<std::size_t>(qm::html::Kind::Count);
    std::array<SyntaxStyle, kKinds> styles;  // by qm::html::Kind; Text is the font colour
    QColor background;
    QColor text;
    QColor tagMark;  // behind the tag at the caret and its partner
    bool isDark = false;  // which built-in scheme it starts from

    static SyntaxScheme light();
    static SyntaxScheme dark();
    // The key of each kind in the settings ("Tag Name", ...); empty for Text.
    static QString keyOf(qm::html::Kind k);
};

class HtmlColorizer : public LineColorizer {
public:
    explicit HtmlColorizer(const qm::TParagraphStore& store) : store_(store) {}
    void setScheme(const SyntaxScheme& s);
    const SyntaxScheme& scheme() const { return scheme_; }

    std::vector<ColorSpan> spans(int paragraph, std::string_view text, int from, int to) override;
    void textChanged(int firstParagraph, int lastParagraph, int firstByte, int paragraphDelta) override;
    // The scanner state at the start of a paragraph (from 1).
    qm::html::State startOf(int paragraph);
    // The tag at byte `pos` (from 0) of a paragraph and its partner.
    qm::html::TagPair matchAt(int paragraph, int pos);
    std::size_t memoryBytes() const;

private:
    // Fills the kept spans for bytes [from, to) of a paragraph and more around them.
    void scan(int paragraph, std::string_view text, int from, int to);

    const qm::TParagraphStore& store_;
    SyntaxScheme scheme_ = SyntaxScheme::light();
    qm::html::HtmlStates states_;
    // The last answer, for the next repaint of the same bytes.
    int cachedPara_ = 0;
    int cachedFrom_ = 0, cachedTo_ = 0;
    std::vector<ColorSpan> cached_;
};
