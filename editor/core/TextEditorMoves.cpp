// Caret moves and mouse selection of TextEditor.

#include "TextEditor.h"
#include "TextRules.h"
#include "Utf8.h"

#include <algorithm>

namespace qm {

void TextEditor::moveLeft(bool extend) {
    TextPos p = caret_;
    const std::string_view t = store_.paragraphText(p.para);
    const auto len = static_cast<std::int32_t>(t.size());
    if (p.pos.value > len + 1) {
        --p.pos;  // beyond the end there are no characters to step over
    } else if (p.pos.value == 1) {
        if (WrapAtLeft() && p.para.value > 1) {
            --p.para;
            p.pos = ParaPos(store_.paragraphLength(p.para) + 1);
        }
    } else {
        p.pos = ParaPos(static_cast<std::int32_t>(utf8::previousBoundary(t.data(), t.size(), p.pos.value - 1)) + 1);
    }
    placeCaret(p, extend);
}

void TextEditor::moveRight(bool extend) {
    TextPos p = caret_;
    const std::string_view t = store_.paragraphText(p.para);
    const auto len = static_cast<std::int32_t>(t.size());
    if (p.pos.value >= len + 1) {
        if (scrollPastEnd_ && p.pos.value < maxCaretPos(p.para)) {
            ++p.pos;
        } else if (p.para.value < store_.ParagraphCount()) {
            p = {p.para + 1, ParaPos(1)};
        }
    } else {
        const std::size_t i = p.pos.value - 1;
        p.pos += static_cast<std::int32_t>(utf8::charLength(t.data() + i, t.size() - i));
    }
    placeCaret(p, extend);
}

void TextEditor::moveUp(bool extend) { moveToLine(caretLinePos().line - 1, extend); }

void TextEditor::moveDown(bool extend) {
    const LinePos lp = caretLinePos();
    if (lp.line.value >= store_.LineCount()) {
        placeCaret(caret_, extend);  // no line below: the caret stays
        return;
    }
    moveToLine(lp.line + 1, extend);
}

void TextEditor::moveLineStart(bool extend) { moveTo(caretLinePos().line, ByteCol(1), extend); }

void TextEditor::moveLineEnd(bool extend) {
    const LineNum line = caretLinePos().line;
    const TextPos start = store_.lineStart(line);
    const auto lineLen = static_cast<std::int32_t>(store_.lineText(line).size());
    const LineNum lastOfPara = store_.firstLineOf(start.para) + (store_.paragraphLineCount(start.para) - 1);
    if (line == lastOfPara) {
        moveTo(line, ByteCol(lineLen + 1), extend);
        return;
    }
    // A wrapped line that is not the paragraph's last: onto its last character.
    const std::string_view t = store_.paragraphText(start.para);
    const std::size_t end = start.pos.value - 1 + lineLen;
    const std::size_t last = utf8::previousBoundary(t.data(), t.size(), end);
    placeCaret({start.para, ParaPos(static_cast<std::int32_t>(last) + 1)}, extend);
}

void TextEditor::moveWordLeft(bool extend) {
    TextPos p = clampToText(caret_);
    const std::string_view t = store_.paragraphText(p.para);
    std::size_t i = std::min<std::size_t>(p.pos.value - 1, t.size());
    if (i == 0) {
        if (p.para.value > 1) {
            --p.para;
            p.pos = ParaPos(store_.paragraphLength(p.para) + 1);
        }
        placeCaret(p, extend);
        return;
    }
    while (i > 0 && isWordDelimiter(t[i - 1])) --i;
    while (i > 0 && !isWordDelimiter(t[i - 1])) --i;
    placeCaret({p.para, ParaPos(static_cast<std::int32_t>(i) + 1)}, extend);
}

void TextEditor::moveWordRight(bool extend) {
    TextPos p = caret_;
    const std::string_view t = store_.paragraphText(p.para);
    std::size_t i = p.pos.value - 1;
    if (i >= t.size()) {
        if (p.para.value < store_.ParagraphCount()) p = {p.para + 1, ParaPos(1)};
        placeCaret(p, extend);
        return;
    }
    while (i < t.size() && !isWordDelimiter(t[i])) ++i;
    while (i < t.size() && isWordDelimiter(t[i])) ++i;
    placeCaret({p.para, ParaPos(static_cast<std::int32_t>(i) + 1)}, extend);
}

void TextEditor::pageDown(bool extend) {
    const int step = std::max(1, visibleLines_ - 1);
    const LinePos lp = caretLinePos();
    if (lp.line.value >= store_.LineCount()) {
        placeCaret(caret_, extend);
        return;
    }
    topLine_ = std::min(topLine_ + step, maxTopLine());  // the caret keeps its screen row
    moveToLine(lp.line + step, extend);
    syncView();
}

void TextEditor::pageUp(bool extend) {
    const int step = std::max(1, visibleLines_ - 1);
    const LinePos lp = caretLinePos();
    topLine_ = std::max(1, topLine_ - step);
    moveToLine(lp.line - step, extend);
    syncView();
}

void TextEditor::pageTop(bool extend) {
    const int line = caretLinePos().line.value;
    if (line < topLine_ || line > topLine_ + visibleLines_ - 1) {
        setTopLine(line);  // caret out of view: bring its line to the top instead
        return;
    }
    moveToLine(LineNum(topLine_), extend);
}

void TextEditor::pageBottom(bool extend) {
    const int line = caretLinePos().line.value;
    if (line < topLine_ || line > topLine_ + visibleLines_ - 1) {
        setTopLine(line - visibleLines_ + 1);
        return;
    }
    moveToLine(LineNum(std::min(topLine_ + visibleLines_ - 1, store_.LineCount())), extend);
}

void TextEditor::textStart(bool extend) { placeCaret({ParaNum(1), ParaPos(1)}, extend); }

void TextEditor::textEnd(bool extend) { placeCaret(endOfText(), extend); }

// ---- Mouse ----

LinePos TextEditor::hitTest(int line, int dc) const {
    const LineNum l(std::clamp(line, 1, store_.LineCount()));
    ByteCol col = store_.byteColumn(l, DisplayCol(std::max(1, dc)));
    col = ByteCol(std::clamp(col.value, 1, maxColumn(l).value));
    return {l, col};
}

void TextEditor::mouseDown(int line, int dc, bool extend) {
    if (store_.ByteCount() == 0) return;
    const LinePos lp = hitTest(line, dc);
    moveTo(lp.line, lp.col, extend);
}

void TextEditor::mouseDrag(int line, int dc) {
    if (store_.ByteCount() == 0) return;
    const LinePos lp = hitTest(line, dc);
    moveTo(lp.line, lp.col, true);
}

void TextEditor::selectLines(LineNum from, LineNum to) {
    const int count = store_.LineCount();
    from = LineNum(std::clamp(from.value, 1, count));
    to = LineNum(std::clamp(to.value, 1, count));
    auto startOf = [&](LineNum l) { return store_.lineStart(l); };
    auto after = [&](LineNum l) { return l.value < count ? store_.lineStart(l + 1) : endOfText(); };
    if (to >= from) {
        anchor_ = startOf(from);
        caret_ = after(to);
    } else {
        anchor_ = after(from);
        caret_ = startOf(to);
    }
    scrollToCaret();
    caretMoved();
}

void TextEditor::marginDown(int line, bool extend) {
    if (store_.ByteCount() == 0) return;
    const LineNum clicked(std::clamp(line, 1, store_.LineCount()));
    marginAnchor_ = extend ? store_.toLinePos(anchor_).line : clicked;
    selectLines(marginAnchor_, clicked);
}

void TextEditor::marginDrag(int line) {
    if (store_.ByteCount() == 0) return;
    selectLines(marginAnchor_, LineNum(line));
}

void TextEditor::selectWordAt(int line, int dc, bool extend) {
    if (store_.ByteCount() == 0) return;
    const LinePos lp = hitTest(line, dc);
    const TextPos at = clampToText(store_.toTextPos(lp));
    const std::string_view t = store_.paragraphText(at.para);
    const std::size_t i = at.pos.value - 1;
    std::size_t s = i, e = i;
    if (i < t.size()) {
        if (!isWordDelimiter(t[i])) {
            while (s > 0 && !isWordDelimiter(t[s - 1])) --s;
            while (e < t.size() && !isWordDelimiter(t[e])) ++e;
        } else if (isBlank(t[i])) {
            while (s > 0 && isBlank(t[s - 1])) --s;
        } else {
            e = i + 1;
        }
        while (e < t.size() && isBlank(t[e])) ++e;
    }
    const TextPos ws{at.para, ParaPos(static_cast<std::int32_t>(s) + 1)};
    const TextPos we{at.para, ParaPos(static_cast<std::int32_t>(e) + 1)};
    if (extend) {
        caret_ = we > anchor_ ? we : ws;
    } else {
        anchor_ = ws;
        caret_ = we;
    }
    scrollToCaret();
    caretMoved();
}

void TextEditor::selectParagraphAt(int line) {
    if (store_.ByteCount() == 0) return;
    const ParaNum n = store_.lineStart(LineNum(std::clamp(line, 1, store_.LineCount()))).para;
    anchor_ = {n, ParaPos(1)};
    caret_ = n.value < store_.ParagraphCount() ? TextPos{n + 1, ParaPos(1)} : endOfText();
    scrollToCaret();
    caretMoved();
}

}  // namespace qm
