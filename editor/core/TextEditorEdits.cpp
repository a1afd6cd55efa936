// Editing commands, clipboard, markers, files and the key dispatch of
// TextEditor. Every change goes through the store's edits; a command places
// the caret first and reports an error code last, so a raised error never
// leaves the caret outside the text.

#include "TextEditor.h"
#include "TextRules.h"
#include "Utf8.h"

#include <algorithm>
#include <optional>

namespace qm {

namespace {
// Bytes taken by `chars` characters of t from byte index i (fewer at the end).
std::int32_t bytesOfChars(std::string_view t, std::size_t i, std::int32_t chars) {
    std::size_t j = i;
    for (std::int32_t k = 0; k < chars && j < t.size(); ++k) j += utf8::charLength(t.data() + j, t.size() - j);
    return static_cast<std::int32_t>(j - i);
}
}  // namespace

int TextEditor::removeSelection() {
    if (!HasSelection()) return 0;
    const TextPos s = clampToText(selectionStart());
    TextPos e = selectionEnd();
    e.pos = ParaPos(std::min(e.pos.value, store_.paragraphLength(e.para) + 1));
    const int code = store_.deleteRange(s, e);
    caret_ = anchor_ = s;
    return code;
}

// ---- Typing ----

int TextEditor::overwriteOrInsert(std::string_view bytes, std::int32_t charsToReplace) {
    const std::string_view t = store_.paragraphText(caret_.para);
    const std::size_t i = caret_.pos.value - 1;
    if (i >= t.size()) return store_.insertBytes(caret_.para, caret_.pos, bytes);
    return store_.replaceBytes(caret_.para, caret_.pos, bytesOfChars(t, i, charsToReplace), bytes);
}

void TextEditor::typeBytes(std::string_view bytes, bool overwriteChars) {
    const LineNum lineBefore = caretLinePos().line;
    int code = 0;
    {
        std::optional<TParagraphStore::EditGroup> group;  // a plain keystroke must stay mergeable
        if (HasSelection()) {
            group.emplace(store_);  // the selection and the character: one step
            code = removeSelection();
            if (code == 0) code = store_.insertBytes(caret_.para, caret_.pos, bytes);
        } else if (insertMode_ || !overwriteChars) {
            code = store_.insertBytes(caret_.para, caret_.pos, bytes);
        } else {
            code = overwriteOrInsert(bytes, 1);
        }
    }
    TextPos p = caret_;
    if (code == 0) p.pos += static_cast<std::int32_t>(bytes.size());
    placeCaret(p);
    if (code == 0 && caretLinePos().line != lineBefore && leftColumn_ != 0) {
        leftColumn_ = 0;  // the paragraph re-wrapped under the caret
        syncView();
    }
    report(code);
}

void TextEditor::typeChar(std::string_view bytes) {
    if (readOnly_ || bytes.empty()) return;
    if (static_cast<unsigned char>(bytes[0]) < 0x20) return;  // control keys never type
    typeBytes(bytes, true);
    changed();
}

// ---- Deleting ----

void TextEditor::backspace() {
    if (readOnly_) return;
    if (HasSelection()) {
        const int code = removeSelection();
        placeCaret(caret_);
        report(code);
        return;
    }
    const TextPos p = caret_;
    const std::string_view t = store_.paragraphText(p.para);
    const auto len = static_cast<std::int32_t>(t.size());
    if (p.para.value == 1 && p.pos.value == 1) return;
    if (p.pos.value > len + 1) {  // beyond the end: nothing to delete, only the caret moves
        placeCaret({p.para, p.pos - 1});
        return;
    }
    int code;
    TextPos to;
    if (p.pos.value == 1) {
        const ParaNum prev = p.para - 1;
        to = {prev, ParaPos(store_.paragraphLength(prev) + 1)};
        code = store_.join(to);
    } else {
        const std::size_t start = utf8::previousBoundary(t.data(), t.size(), p.pos.value - 1);
        to = {p.para, ParaPos(static_cast<std::int32_t>(start) + 1)};
        code = store_.deleteBytes(p.para, to.pos, p.pos.value - 1 - static_cast<std::int32_t>(start));
    }
    placeCaret(code == 0 ? to : p);
    report(code);
}

void TextEditor::deleteChar() {
    if (readOnly_) return;
    int code;
    if (HasSelection()) {
        code = removeSelection();
    } else {
        const std::string_view t = store_.paragraphText(caret_.para);
        const std::size_t i = caret_.pos.value - 1;
        if (i < t.size())
            code = store_.deleteBytes(caret_.para, caret_.pos, static_cast<std::int32_t>(utf8::charLength(t.data() + i, t.size() - i)));
        else
            code = store_.join(caret_);
    }
    placeCaret(caret_);
    report(code);
}

void TextEditor::deleteLine() {
    if (readOnly_) return;
    const LineNum line = caretLinePos().line;
    const TextPos start = store_.lineStart(line);
    int code;
    if (line.value < store_.LineCount()) {
        code = store_.deleteRange(start, store_.lineStart(line + 1));
    } else {
        code = store_.deleteBytes(start.para, start.pos, static_cast<std::int32_t>(store_.lineText(line).size()));
    }
    placeCaret(code == 0 ? start : caret_);
    report(code);
}

void TextEditor::deleteToLineStart() {
    if (readOnly_) return;
    const TextPos start = store_.lineStart(caretLinePos().line);
    const std::int32_t end = std::min(caret_.pos.value, store_.paragraphLength(caret_.para) + 1);
    const int code = end > start.pos.value ? store_.deleteBytes(start.para, start.pos, end - start.pos.value) : 0;
    placeCaret(code == 0 ? start : caret_);
    report(code);
}

void TextEditor::deleteToLineEnd() {
    if (readOnly_) return;
    const LineNum line = caretLinePos().line;
    const TextPos start = store_.lineStart(line);
    const std::int32_t lineEnd = start.pos.value + static_cast<std::int32_t>(store_.lineText(line).size());
    const int code = lineEnd > caret_.pos.value ? store_.deleteBytes(caret_.para, caret_.pos, lineEnd - caret_.pos.value) : 0;
    placeCaret(caret_);
    report(code);
}

void TextEditor::deleteWord() {
    if (readOnly_) return;
    const std::string_view t = store_.paragraphText(caret_.para);
    const std::size_t i = caret_.pos.value - 1;
    int code;
    if (i >= t.size()) {
        code = store_.join(caret_);
    } else {
        std::size_t e = i;
        if (isWordDelimiter(t[i]) && !isBlank(t[i])) {
            e = i + 1;
        } else {
            while (e < t.size() && !isWordDelimiter(t[e])) ++e;
            while (e < t.size() && isBlank(t[e])) ++e;
        }
        code = store_.deleteBytes(caret_.para, caret_.pos, static_cast<std::int32_t>(e - i));
    }
    placeCaret(caret_);
    report(code);
}

// ---- New line and tab ----

void TextEditor::newLine() {
    int code = 0;
    TextPos to = caret_;
    {
        std::optional<TParagraphStore::EditGroup> group;
        if (HasSelection() && !readOnly_) group.emplace(store_);  // deletion and split: one step
        if (!readOnly_) code = removeSelection();
        to = caret_;
        if (code == 0 && insertMode_ && !readOnly_) {
            std::int32_t indent = 0;
            if (autoIndent_) {
                // Width of the line's leading blanks, counted only up to the caret.
                const std::string_view t = store_.paragraphText(caret_.para);
                const std::size_t upTo = std::min<std::size_t>(caret_.pos.value - 1, t.size());
                const std::int32_t tabSize = store_.TabSize();
                for (std::size_t k = 0; k < upTo && isBlank(t[k]); ++k)
                    indent = t[k] == '\t' ? (indent / tabSize + 1) * tabSize : indent + 1;
            }
            const bool tabs = tabType_ == TabType::ttReal;
            const std::int32_t tabSize = store_.TabSize();
            code = store_.split(caret_, true, indent, tabs ? tabSize : 0);
            const std::int32_t indentBytes = tabs ? indent / tabSize + indent % tabSize : indent;
            if (code == 0) to = {caret_.para + 1, ParaPos(indentBytes + 1)};
        } else if (code == 0) {
            to = caret_.para.value < store_.ParagraphCount() ? TextPos{caret_.para + 1, ParaPos(1)} : endOfText();
        }
    }
    placeCaret(to);
    report(code);
}

std::int32_t TextEditor::smartTabColumn(LineNum line, DisplayCol dc) const {
    if (caret_.para.value == 1 || line.value == 1) return 0;
    std::string ref = store_.expandedLine(line - 1);
    if (ref.empty()) {
        if (line.value >= store_.LineCount()) return 0;
        ref = store_.expandedLine(line + 1);
    }
    // Walk characters (not bytes) to the caret's column, then over the rest
    // of that word and the blanks after it; the next word starts the column.
    std::size_t i = 0;
    std::int32_t col = 1;
    auto step = [&] {
        i += utf8::charLength(ref.data() + i, ref.size() - i);
        ++col;
    };
    while (i < ref.size() && col < dc.value) step();
    if (i >= ref.size()) return 0;
    while (i < ref.size() && ref[i] != ' ') step();
    while (i < ref.size() && ref[i] == ' ') step();
    if (i >= ref.size() || col <= dc.value) return 0;
    return col;
}

void TextEditor::tab() {
    if (readOnly_) return;
    std::optional<TParagraphStore::EditGroup> group;
    if (HasSelection()) group.emplace(store_);  // a selection goes with the tab, as one step
    const int removed = removeSelection();
    if (removed != 0) {
        placeCaret(caret_);
        report(removed);
        return;
    }
    if (tabType_ == TabType::ttReal) {
        typeBytes("\t", true);
        return;
    }
    const LinePos lp = caretLinePos();
    const DisplayCol dc = store_.displayColumn(lp.line, lp.col);
    const std::int32_t t = store_.TabSize();
    std::int32_t spaces = t * ((dc.value - 1) / t + 1) - dc.value + 1;
    if (tabType_ == TabType::ttSmart) {
        const std::int32_t target = smartTabColumn(lp.line, dc);
        if (target > dc.value) spaces = target - dc.value;
    }
    const std::string blanks(spaces, ' ');
    const int code = insertMode_ ? store_.insertBytes(caret_.para, caret_.pos, blanks)
                                 : overwriteOrInsert(blanks, spaces);
    TextPos p = caret_;
    if (code == 0) p.pos += spaces;
    placeCaret(p);
    report(code);
}

// ---- Operations ----

int TextEditor::InsertText(std::string_view given) {
    if (readOnly_) return 0;
    // The caller may hand in a view of this very text (a paragraph, say),
    // which the first edit would invalidate.
    const std::string text(given);
    int code = 0;
    {
        std::optional<TParagraphStore::EditGroup> group;
        if (HasSelection()) group.emplace(store_);  // the selection goes with the text, as one step
        code = removeSelection();
        TextPos at = clampToText(caret_);
        std::size_t from = 0;
        while (code == 0 && from < text.size()) {
            std::size_t to = std::min(text.size(), from + kInsertPiece);
            // Never split a CR LF pair (nor a run of line ends) between pieces.
            const std::size_t cap = std::min(text.size(), to + kInsertPieceSlack);
            while (to < cap && (text[to] == '\r' || text[to] == '\n')) ++to;
            TextPos end = at;
            code = store_.insertText(at, std::string_view(text).substr(from, to - from), &end);
            if (code == 0) at = end;
            from = to;
        }
        caret_ = anchor_ = at;
    }
    placeCaret(caret_);
    return report(code);
}

void TextEditor::DeleteSelection() {
    if (readOnly_ || !HasSelection()) return;
    const int code = removeSelection();
    placeCaret(caret_);
    report(code);
}

void TextEditor::ClearAll(bool repaint) {
    // The document's line ends outlive its text: a cleared LF file stays LF.
    const bool lf = store_.lfLineEnds();
    store_.reset();
    store_.setLfLineEnds(lf);
    knownLineCount_ = store_.LineCount();
    caret_ = anchor_ = {ParaNum(1), ParaPos(1)};
    topLine_ = 1;
    leftColumn_ = 0;
    if (repaint && view_) view_->viewChanged();
    syncView();
    caretMoved();
}

bool TextEditor::Undo() {
    const UndoResult r = readOnly_ ? UndoResult{} : store_.undo();
    if (!r.done) {
        if (view_) view_->beep();
        return false;
    }
    placeCaret(r.caret);
    return true;
}

bool TextEditor::Redo() {
    const UndoResult r = readOnly_ ? UndoResult{} : store_.redo();
    if (!r.done) {
        if (view_) view_->beep();
        return false;
    }
    placeCaret(r.caret);
    return true;
}

bool TextEditor::CopyToClipboard() {
    if (!HasSelection()) return false;
    if (!clipboard_->setBytes(selectedText())) {
        report(kErrNoMemory);
        return false;
    }
    return true;
}

bool TextEditor::CutToClipboard() {
    if (readOnly_ || !HasSelection()) return false;
    if (!CopyToClipboard()) return false;
    DeleteSelection();
    return true;
}

int TextEditor::PasteFromClipboard() {
    if (readOnly_) return 0;
    const std::optional<std::string> bytes = clipboard_->bytes();
    if (!bytes) return 0;
    return InsertText(*bytes);
}

void TextEditor::SetMarker(int marker) {
    if (marker < 0 || marker >= TParagraphStore::kMarkerCount || !store_.setMarker(marker, caret_))
        throw ETextEditError(kErrInvalidLineColumn);
    if (view_) view_->viewChanged();  // the margin shows the glyph
}

void TextEditor::GotoMarker(int marker) {
    if (marker < 0 || marker >= TParagraphStore::kMarkerCount) return;
    const TextPos m = store_.marker(marker);
    if (m.para.value != 0 && m.pos.value != 0) placeCaret(m);
}

FileResult TextEditor::LoadFromFile(const std::string& fileName) {
    FileResult r = store_.LoadFromFile(fileName);
    knownLineCount_ = store_.LineCount();
    caret_ = anchor_ = {ParaNum(1), ParaPos(1)};
    topLine_ = 1;
    leftColumn_ = 0;
    if (view_) view_->viewChanged();
    syncView();
    caretMoved();
    return r;
}

FileResult TextEditor::SaveToFile(const std::string& fileName) {
    FileResult r = store_.SaveToFile(fileName);
    if (view_) view_->viewChanged();
    return r;
}

// ---- Keys ----

bool TextEditor::wantsKey(int key, unsigned shift) const {
    if (key == kKeyTab && !(shift & ssCtrl) && !wantTab_) return false;  // Tab moves the focus
    if (keyMap_.lookup(key, shift)) return true;
    if (key == kKeyEnter && (shift & ~ssShift) == 0) return wantEnter_;
    return false;
}

bool TextEditor::handleKey(int key, unsigned shift) {
    if (!wantsKey(key, shift)) return false;
    if (const auto command = keyMap_.lookup(key, shift)) executeCommand(*command);
    else executeCommand(EditCommand::NewLine);  // Enter with WantEnter
    return true;
}

void TextEditor::executeCommand(EditCommand command) {
    using C = EditCommand;
    if (isMove(command)) {
        const bool extend = isSelectingMove(command);
        switch (plainMove(command)) {
        case C::Left: moveLeft(extend); break;
        case C::Right: moveRight(extend); break;
        case C::Up: moveUp(extend); break;
        case C::Down: moveDown(extend); break;
        case C::LineStart: moveLineStart(extend); break;
        case C::LineEnd: moveLineEnd(extend); break;
        case C::WordLeft: moveWordLeft(extend); break;
        case C::WordRight: moveWordRight(extend); break;
        case C::PageUp: pageUp(extend); break;
        case C::PageDown: pageDown(extend); break;
        case C::PageTop: pageTop(extend); break;
        case C::PageBottom: pageBottom(extend); break;
        case C::TextStart: textStart(extend); break;
        case C::TextEnd: textEnd(extend); break;
        default: break;
        }
        return;
    }
    const int n = static_cast<int>(command);
    if (n >= static_cast<int>(C::GotoMarker0) && n <= static_cast<int>(C::GotoMarker9)) {
        GotoMarker(n - static_cast<int>(C::GotoMarker0));
        return;
    }
    if (n >= static_cast<int>(C::SetMarker0) && n <= static_cast<int>(C::SetMarker9)) {
        SetMarker(n - static_cast<int>(C::SetMarker0));
        return;
    }
    if (n >= static_cast<int>(C::UserFirst)) {
        if (OnUserCommand) OnUserCommand(n);
        return;
    }
    bool edit = !readOnly_;
    switch (command) {
    case C::Delete: deleteChar(); break;
    case C::Backspace: backspace(); break;
    case C::ToggleMode: toggleInsertMode(); edit = false; break;
    case C::NewLine: newLine(); break;
    case C::Tab: tab(); break;
    case C::Undo: edit = Undo(); break;
    case C::Redo: edit = Redo(); break;
    case C::Cut: edit = CutToClipboard(); break;
    case C::Copy: CopyToClipboard(); edit = false; break;
    case C::Paste: PasteFromClipboard(); break;
    case C::DeleteLine: deleteLine(); break;
    case C::DeleteToLineStart: deleteToLineStart(); break;
    case C::DeleteToLineEnd: deleteToLineEnd(); break;
    case C::DeleteWord: deleteWord(); break;
    default: edit = false; break;
    }
    if (edit) changed();
}

}  // namespace qm
