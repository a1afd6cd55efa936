#include "TextEditor.h"

#include "Utf8.h"

#include <algorithm>

namespace qm {

TextEditor::TextEditor() {
    store_.setObserver(this);
    knownLineCount_ = store_.LineCount();
}

TextEditor::~TextEditor() { store_.setObserver(nullptr); }

void TextEditor::setClipboard(EditClipboard* clipboard) {
    clipboard_ = clipboard ? clipboard : &ownClipboard_;
}

// ---- Store notifications ----

void TextEditor::linesChanged(LineNum first, LineNum last) {
    foldedPara_ = ParaNum(0);
    // Keep the same text at the top: an edit above the top line moves the top
    // line by the lines it added or removed (never above the edit). The store
    // reports from the line before the edited one, so first == top - 1 is an
    // edit on the top line itself, which must not scroll the view.
    const int delta = store_.LineCount() - knownLineCount_;
    knownLineCount_ = store_.LineCount();
    if (first.value < topLine_ - 1 && delta != 0) topLine_ = std::max(first.value + 1, topLine_ + delta);
    topLine_ = std::clamp(topLine_, 1, maxTopLine());
    if (view_) view_->linesChanged(first, last);
    syncView();
}

// ---- Geometry ----

void TextEditor::setViewSize(int visibleLines, int visibleColumns) {
    visibleLines = std::max(1, visibleLines);
    visibleColumns = std::max(1, visibleColumns);
    const bool columnsChanged = visibleColumns != visibleColumns_;
    visibleLines_ = visibleLines;
    visibleColumns_ = visibleColumns;
    if (columnsChanged && wrapToWindow_ && store_.WordWrap())
        setWrapColumn(std::max(1, visibleColumns_ - 2));
    topLine_ = std::clamp(topLine_, 1, maxTopLine());
    if (view_) view_->viewChanged();
    syncView();
}

int TextEditor::maxTopLine() const { return std::max(1, store_.LineCount() - visibleLines_ + 1); }

void TextEditor::setTopLine(int line) {
    topLine_ = std::clamp(line, 1, maxTopLine());
    syncView();
}

void TextEditor::setLeftColumn(int columns) {
    leftColumn_ = std::clamp(columns, 0, std::max(0, horizontalRange()));
    syncView();
}

// With wrap on, the wrap column (at most 512); without, 512 columns or the
// longest paragraph's bytes, so the end of a very long line can be reached.
int TextEditor::horizontalRange() const {
    if (store_.WordWrap()) return std::min(store_.WrapColumn(), 512);
    return std::max(512, store_.longestParagraph());
}

void TextEditor::syncView() {
    const bool topMoved = topLine_ != shownTopLine_;
    const bool leftMoved = leftColumn_ != shownLeftColumn_;
    if (!topMoved && !leftMoved) return;
    shownTopLine_ = topLine_;
    shownLeftColumn_ = leftColumn_;
    if (view_) view_->viewChanged();
    if (topMoved && OnTopLineChanged) OnTopLineChanged();
}

// ---- Properties ----

void TextEditor::setInsertMode(bool on) {
    insertMode_ = on;
    if (view_) view_->caretMoved();
}

void TextEditor::keepTopTextWhile(const std::function<void()>& rewrap) {
    const TextPos topText = store_.lineStart(LineNum(std::min(topLine_, store_.LineCount())));
    rewrap();
    knownLineCount_ = store_.LineCount();
    topLine_ = std::clamp(store_.toLinePos(topText).line.value, 1, maxTopLine());
    caret_ = clampToText(caret_);
    anchor_ = clampToText(anchor_);
    if (view_) view_->viewChanged();
    syncView();
    caretMoved();
}

void TextEditor::setTabSize(int size) {
    if (size < 1 || size > 255 || size == store_.TabSize()) return;
    keepTopTextWhile([&] { store_.setTabSize(size); });
}

void TextEditor::setWordWrap(bool on) {
    if (on) scrollPastEnd_ = false;
    if (on == store_.WordWrap()) return;
    if (on) leftColumn_ = 0;
    keepTopTextWhile([&] { store_.setWordWrap(on); });
}

void TextEditor::setWrapColumn(int column) {
    if (column <= 0 || column == store_.WrapColumn()) return;
    keepTopTextWhile([&] { store_.setWrapColumn(column); });
}

void TextEditor::setWrapToWindow(bool on) {
    wrapToWindow_ = on;
    if (on && store_.WordWrap()) setWrapColumn(std::max(1, visibleColumns_ - 2));
}

void TextEditor::setScrollPastEnd(bool on) {
    scrollPastEnd_ = on;
    if (on && store_.WordWrap()) {
        keepTopTextWhile([&] { store_.setWordWrap(false); });
    } else if (!on) {
        caret_ = clampToText(caret_);
        anchor_ = clampToText(anchor_);
        caretMoved();
    }
}

void TextEditor::setModified(bool on) {
    store_.setModified(on);
    if (view_) view_->viewChanged();
}

// ---- Queries ----

std::string TextEditor::GetDisplayLine(int line, int maxLength) const {
    if (line < 1 || line > store_.LineCount()) throw ETextEditError(kErrInvalidIndex);
    std::string s = store_.expandedLine(LineNum(line));
    if (maxLength >= 0 && s.size() > static_cast<std::size_t>(maxLength)) {
        std::size_t cut = static_cast<std::size_t>(maxLength);
        while (cut > 0 && !utf8::isBoundary(s.data(), s.size(), cut)) --cut;  // whole characters only
        s.resize(cut);
    }
    return s;
}

std::string_view TextEditor::GetParagraphText(int paragraph) const {
    if (paragraph < 1 || paragraph > store_.ParagraphCount()) throw ETextEditError(kErrInvalidIndex);
    return store_.paragraphText(ParaNum(paragraph));
}

int TextEditor::GetCaret(int& column) const {
    const LinePos lp = caretLinePos();
    column = lp.col.value;
    return lp.line.value;
}

bool TextEditor::GetSelection(int& startLine, int& startColumn, int& endLine, int& endColumn) const {
    const LinePos s = store_.toLinePos(selectionStart());
    const LinePos e = store_.toLinePos(selectionEnd());
    startLine = s.line.value;
    startColumn = s.col.value;
    endLine = e.line.value;
    endColumn = e.col.value;
    return HasSelection();
}

std::string TextEditor::selectedText() const {
    const TextPos s = selectionStart();
    const TextPos e = selectionEnd();
    auto slice = [&](ParaNum n, std::int32_t from, std::int32_t to) {
        const std::string_view t = store_.paragraphText(n);
        const auto len = static_cast<std::int32_t>(t.size());
        from = std::min(from, len);
        to = std::min(to, len);
        return from < to ? std::string(t.substr(from, to - from)) : std::string();
    };
    if (s.para == e.para) return slice(s.para, s.pos.value - 1, e.pos.value - 1);
    std::string out = slice(s.para, s.pos.value - 1, 0x7fffffff);
    for (ParaNum n = s.para + 1; n < e.para; ++n) {
        out += "\r\n";
        out += store_.paragraphText(n);
    }
    out += "\r\n";
    out += slice(e.para, 0, e.pos.value - 1);
    return out;
}

// ---- Positions ----

std::int32_t TextEditor::maxCaretPos(ParaNum n) const {
    // Past the end, but no further than the view scrolls: with paragraphs of
    // up to a gigabyte, the length limit would let the caret wander off.
    if (scrollPastEnd_) return std::max(store_.paragraphLength(n), horizontalRange()) + 1;
    return store_.paragraphLength(n) + 1;
}

TextPos TextEditor::endOfText() const {
    const ParaNum last(store_.ParagraphCount());
    return {last, ParaPos(store_.paragraphLength(last) + 1)};
}

TextPos TextEditor::clampToText(TextPos p) const {
    p.para = ParaNum(std::clamp(p.para.value, 1, store_.ParagraphCount()));
    const std::int32_t maxPos = std::max(maxCaretPos(p.para), store_.paragraphLength(p.para) + 1);
    p.pos = ParaPos(std::clamp(p.pos.value, 1, maxPos));
    const std::string_view t = store_.paragraphText(p.para);
    const auto i = static_cast<std::size_t>(p.pos.value - 1);
    if (i < t.size() && !utf8::isBoundary(t.data(), t.size(), i))
        p.pos = ParaPos(static_cast<std::int32_t>(utf8::previousBoundary(t.data(), t.size(), i)) + 1);
    return p;
}

ByteCol TextEditor::maxColumn(LineNum line) const {
    const TextPos start = store_.lineStart(line);
    const auto lineLen = static_cast<std::int32_t>(store_.lineText(line).size());
    const LineNum lastOfPara = store_.firstLineOf(start.para) + (store_.paragraphLineCount(start.para) - 1);
    if (line == lastOfPara) return ByteCol(maxCaretPos(start.para) - (start.pos.value - 1));
    // A position at the end of a wrapped line is the next line's start, so
    // the caret stays on this line only up to its last character.
    return ByteCol(std::max(1, lineLen));
}

// ---- The caret move ----

void TextEditor::moveTo(LineNum line, ByteCol col, bool extend) {
    line = LineNum(std::clamp(line.value, 1, store_.LineCount()));
    col = ByteCol(std::clamp(col.value, 1, maxColumn(line).value));
    placeCaret(store_.toTextPos({line, col}), extend);
}

void TextEditor::placeCaret(TextPos p, bool extend) {
    caret_ = clampToText(p);
    if (!extend) anchor_ = caret_;
    scrollToCaret();
    caretMoved();
}

void TextEditor::moveToLine(LineNum line, bool extend) {
    const LinePos lp = caretLinePos();
    const DisplayCol dc = store_.displayColumn(lp.line, lp.col);
    line = LineNum(std::clamp(line.value, 1, store_.LineCount()));
    moveTo(line, store_.byteColumn(line, dc), extend);
}

void TextEditor::scrollToCaret() {
    const LinePos lp = caretLinePos();
    if (lp.line.value < topLine_) topLine_ = lp.line.value;
    else if (lp.line.value > topLine_ + visibleLines_ - 1) topLine_ = lp.line.value - visibleLines_ + 1;
    topLine_ = std::clamp(topLine_, 1, std::max(maxTopLine(), lp.line.value));
    const int dc = store_.displayColumn(lp.line, lp.col).value;
    if (dc > leftColumn_ + visibleColumns_) leftColumn_ = dc - visibleColumns_;
    else if (dc <= leftColumn_) leftColumn_ = std::max(0, dc - 2);
    syncView();
}

void TextEditor::caretMoved() {
    if (view_) {
        view_->caretMoved();
    } else if (OnShowStatus) {
        const LinePos lp = caretLinePos();
        OnShowStatus(lp.line.value, lp.col.value);
    }
}

void TextEditor::SetCaret(int line, int column) {
    if (line < 1 || line > store_.LineCount() || column < 1) throw ETextEditError(kErrInvalidIndex);
    moveTo(LineNum(line), ByteCol(column), false);
}

void TextEditor::SelectRange(int startLine, int startColumn, int endLine, int endColumn) {
    if (store_.ByteCount() == 0) return;
    auto clampPos = [&](int line, int column) {
        const LineNum l(std::clamp(line, 1, store_.LineCount()));
        const auto len = static_cast<int>(store_.lineText(l).size());
        return clampToText(store_.toTextPos({l, ByteCol(std::clamp(column, 1, len + 1))}));
    };
    anchor_ = clampPos(startLine, startColumn);
    caret_ = clampPos(endLine, endColumn);
    scrollToCaret();
    caretMoved();
}

// ---- Errors and events ----

int TextEditor::report(int code) {
    if (code == 0) return 0;
    if (OnError) {
        OnError(code);
        return code;
    }
    throw ETextEditError(code);
}

void TextEditor::changed() {
    if (OnChange) OnChange();
}

}  // namespace qm
