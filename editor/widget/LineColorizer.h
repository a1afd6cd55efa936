#pragma once
// The seam for colouring text while painting: the control asks a colorizer
// (if one is set) for the colour spans of each paragraph it paints. Spans
// outside the text are ignored and bytes without a span keep the font colour.

#include <QColor>
#include <string_view>
#include <vector>

struct ColorSpan {
    int start = 0;    // byte offset in the paragraph, from 0
    int length = 0;   // bytes
    QColor color;
    bool bold = false;    // drawn in the font's bold or italic face, in the
    bool italic = false;  // same cells: widths never change
};

class LineColorizer {
public:
    virtual ~LineColorizer() = default;
    // Spans of paragraph number `paragraph` (from 1) whose bytes are `text`,
    // at least those covering bytes [from, to). Called only for paragraphs
    // being painted, so it must not walk the whole text.
    virtual std::vector<ColorSpan> spans(int paragraph, std::string_view text, int from, int to) = 0;
    // Paragraphs firstParagraph..lastParagraph (from 1, numbered as now)
    // changed and took the place of `paragraphDelta` fewer ones; those after
    // them moved by paragraphDelta. Bytes before `firstByte` (from 0) of the
    // first are as they were. lastParagraph 0: anything from the first on
    // may have changed, and paragraphs may have come or gone.
    virtual void textChanged(int /*firstParagraph*/, int /*lastParagraph*/, int /*firstByte*/,
                             int /*paragraphDelta*/) {}
};
