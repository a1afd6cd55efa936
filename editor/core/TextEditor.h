#pragma once
// TextEditor: the editing control without its window. It owns the paragraph
// store and the view state (caret, selection, top line, horizontal offset),
// runs every command of the key map and the operations the rest of the
// program calls, and tells its view what to repaint. Lines and columns at the
// public operations are display lines and byte columns counted from 1.
//
// Invariants: the caret and the selection anchor are positions in the text
// (with ScrollPastEnd the caret may lie beyond its paragraph's end, never
// beyond the horizontal scroll range + 1); neither is ever inside a UTF-8 sequence; the
// caret is on the display line that toLinePos gives for it.

#include "EditClipboard.h"
#include "ETextEditError.h"
#include "KeyMap.h"
#include "Positions.h"
#include "TParagraphStore.h"
#include "TextSearch.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace qm {

enum class TabType { ttReal, ttFixed, ttSmart };

// What the core tells the window that shows it. All calls come after the
// state they report is complete.
class EditorView {
public:
    virtual ~EditorView() = default;
    // Display lines first..last changed (last may be kToEndOfText).
    virtual void linesChanged(LineNum first, LineNum last) = 0;
    // Top line, horizontal offset, ranges or colours changed: repaint all.
    virtual void viewChanged() = 0;
    // The caret or the selection moved (place the window caret, repaint the
    // selection, post the position for OnShowStatus).
    virtual void caretMoved() = 0;
    virtual void beep() = 0;
    // A long operation starts (true) or ends (false): the hourglass.
    virtual void busy(bool on) = 0;
};

class TextEditor : private TextObserver {
public:
    // Bytes of text that InsertText hands to the store at a time.
    static constexpr std::size_t kInsertPiece = 61440;
    static constexpr std::size_t kInsertPieceSlack = 4080;

    TextEditor();
    ~TextEditor() override;
    TextEditor(const TextEditor&) = delete;  // the store and its history are unique
    TextEditor& operator=(const TextEditor&) = delete;

    void setView(EditorView* view) { view_ = view; }        // not owned
    void setClipboard(EditClipboard* clipboard);             // not owned; null: the in-process one
    TParagraphStore& store() { return store_; }
    const TParagraphStore& store() const { return store_; }

    // ---- Events (unset ones are not called) ----
    std::function<void()> OnChange;
    // Gets an edit's error code and may change it; without it the error is raised.
    std::function<void(int& code)> OnError;
    // Caret line and column after a move; the widget delivers it later.
    std::function<void(int line, int column)> OnShowStatus;
    std::function<void()> OnTopLineChanged;
    std::function<void(int command)> OnUserCommand;

    // ---- View geometry (set by the window) ----
    void setViewSize(int visibleLines, int visibleColumns);
    int VisibleLines() const { return visibleLines_; }
    int VisibleColumns() const { return visibleColumns_; }
    int TopLine() const { return topLine_; }
    void setTopLine(int line);             // clamped to 1 .. maxTopLine()
    int maxTopLine() const;
    int LeftColumn() const { return leftColumn_; }  // display columns scrolled off to the left
    void setLeftColumn(int columns);
    // Display columns the horizontal scroll bar covers.
    int horizontalRange() const;

    // ---- Properties ----
    bool InsertMode() const { return insertMode_; }
    void setInsertMode(bool on);
    bool AutoIndent() const { return autoIndent_; }
    void setAutoIndent(bool on) { autoIndent_ = on; }
    TabType tabType() const { return tabType_; }
    void setTabType(TabType t) { tabType_ = t; }
    int TabSize() const { return store_.TabSize(); }
    void setTabSize(int size);
    bool WordWrap() const { return store_.WordWrap(); }
    void setWordWrap(bool on);             // on turns ScrollPastEnd off
    int WrapColumn() const { return store_.WrapColumn(); }
    void setWrapColumn(int column);
    bool WrapToWindow() const { return wrapToWindow_; }
    void setWrapToWindow(bool on);
    bool WrapAtLeft() const { return wrapAtLeft_ || store_.WordWrap(); }
    void setWrapAtLeft(bool on) { wrapAtLeft_ = on; }
    bool ScrollPastEnd() const { return scrollPastEnd_; }
    void setScrollPastEnd(bool on);        // on turns word wrap off
    bool WantEnter() const { return wantEnter_; }
    void setWantEnter(bool on) { wantEnter_ = on; }
    bool WantTab() const { return wantTab_; }
    void setWantTab(bool on) { wantTab_ = on; }
    bool ReadOnly() const { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }
    TKeyMap& keyMap() { return keyMap_; }

    // ---- Counts, flags, queries ----
    int LineCount() const { return store_.LineCount(); }
    int ParagraphCount() const { return store_.ParagraphCount(); }
    std::int64_t ByteCount() const { return store_.ByteCount(); }
    bool Modified() const { return store_.Modified(); }
    void setModified(bool on);
    // The line's text with tabs expanded, cut to maxLength bytes.
    std::string GetDisplayLine(int line, int maxLength = 0x7fffffff) const;
    std::string_view GetParagraphText(int paragraph) const;

    // ---- Caret and selection ----
    int GetCaret(int& column) const;
    LinePos caretLinePos() const { return store_.toLinePos(caret_); }
    TextPos caret() const { return caret_; }
    TextPos anchor() const { return anchor_; }
    void SetCaret(int line, int column);
    bool HasSelection() const { return caret_ != anchor_; }
    bool GetSelection(int& startLine, int& startColumn, int& endLine, int& endColumn) const;
    TextPos selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    TextPos selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    void SelectRange(int startLine, int startColumn, int endLine, int endColumn);
    // The selected bytes, paragraphs joined by CR LF.
    std::string selectedText() const;

    // ---- Operations ----
    int InsertText(std::string_view text);
    void DeleteSelection();
    void ClearAll(bool repaint = true);
    bool Undo();
    bool Redo();
    bool CutToClipboard();
    bool CopyToClipboard();
    int PasteFromClipboard();
    bool FindText(std::string_view pattern, unsigned options);
    int ReplaceText(std::string_view pattern, std::string_view replacement, unsigned options);
    // Bytes of undo history that ReplaceText with soReplaceAll and these
    // arguments would need at most (0 when nothing would be replaced), so a
    // caller can ask before an edit the history cannot hold.
    std::uint64_t replaceAllUndoBytes(std::string_view pattern, std::string_view replacement,
                                      unsigned options);
    void SetMarker(int marker);
    void GotoMarker(int marker);
    FileResult LoadFromFile(const std::string& fileName);
    FileResult SaveToFile(const std::string& fileName);

    // ---- Keys ----
    // Looks the key up in the map (Enter and Tab also by WantEnter and
    // WantTab) and runs it; false when the key is no command.
    bool handleKey(int key, unsigned shift);
    // True when handleKey would take the key (for shortcut arbitration).
    bool wantsKey(int key, unsigned shift) const;
    void executeCommand(EditCommand command);
    // A typed character: its bytes (one UTF-8 character, code 32 or more).
    void typeChar(std::string_view bytes);

    // ---- Mouse (positions as display line and display column) ----
    // The text position nearest to display column `dc` (from 1, already
    // rounded to a character boundary by the caller) of display line `line`,
    // both clamped into the text.
    LinePos hitTest(int line, int dc) const;
    void mouseDown(int line, int dc, bool extend);
    void mouseDrag(int line, int dc);
    void marginDown(int line, bool extend);   // whole display lines
    void marginDrag(int line);
    void selectWordAt(int line, int dc, bool extend);
    void selectParagraphAt(int line);
    void selectLines(LineNum from, LineNum to);

    // ---- The commands, callable directly ----
    void moveLeft(bool extend);
    void moveRight(bool extend);
    void moveUp(bool extend);
    void moveDown(bool extend);
    void moveLineStart(bool extend);
    void moveLineEnd(bool extend);
    void moveWordLeft(bool extend);
    void moveWordRight(bool extend);
    void pageUp(bool extend);
    void pageDown(bool extend);
    void pageTop(bool extend);
    void pageBottom(bool extend);
    void textStart(bool extend);
    void textEnd(bool extend);
    void backspace();
    void deleteChar();
    void deleteLine();
    void deleteToLineStart();
    void deleteToLineEnd();
    void deleteWord();
    void newLine();
    void tab();
    void toggleInsertMode() { setInsertMode(!insertMode_); }

private:
    // TextObserver
    void linesChanged(LineNum first, LineNum last) override;

    // The one caret move: to (line, col) clamped, extending or collapsing the
    // selection, then scrolled into view.
    void moveTo(LineNum line, ByteCol col, bool extend);
    // The same for a text position (after edits).
    void placeCaret(TextPos p, bool extend = false);
    // Keeps the display column when moving to another line.
    void moveToLine(LineNum line, bool extend);
    void scrollToCaret();
    // Tells the view and OnTopLineChanged when top line or offset moved.
    void syncView();
    void caretMoved();
    ByteCol maxColumn(LineNum line) const;
    TextPos clampToText(TextPos p) const;
    TextPos endOfText() const;
    std::int32_t maxCaretPos(ParaNum n) const;
    int report(int code);
    void changed();
    int removeSelection();  // no report: callers report after placing the caret
    void keepTopTextWhile(const std::function<void()>& rewrap);
    void typeBytes(std::string_view bytes, bool overwriteChars);
    int overwriteOrInsert(std::string_view bytes, std::int32_t charsToReplace);
    std::int32_t smartTabColumn(LineNum line, DisplayCol dc) const;
    // With undoBytes, nothing changes: Replace All is only counted, and the
    // undo history it would take is added to *undoBytes.
    int doReplace(std::string_view pattern, std::string_view replacement, unsigned options,
                  std::uint64_t* undoBytes = nullptr);

    TParagraphStore store_;
    EditorView* view_ = nullptr;
    MemoryClipboard ownClipboard_;
    EditClipboard* clipboard_ = &ownClipboard_;
    TKeyMap keyMap_ = TKeyMap::defaultMap();

    TextPos caret_{ParaNum(1), ParaPos(1)};
    TextPos anchor_{ParaNum(1), ParaPos(1)};
    int topLine_ = 1;
    int leftColumn_ = 0;
    int shownTopLine_ = 1;       // as last reported to the view
    int shownLeftColumn_ = 0;
    int visibleLines_ = 1;
    int visibleColumns_ = 1;
    std::int32_t knownLineCount_ = 1;
    LineNum marginAnchor_{1};

    bool insertMode_ = true;
    bool autoIndent_ = false;
    TabType tabType_ = TabType::ttReal;
    bool wrapToWindow_ = false;
    bool wrapAtLeft_ = true;
    bool scrollPastEnd_ = false;
    bool wantEnter_ = true;
    bool wantTab_ = false;
    // The case-folded bytes of the paragraph searched last, so that searches
    // one after another in a long line (Grab URLs, Goto) fold it once; any
    // change of the text drops it.
    ParaNum foldedPara_{0};
    std::string foldedText_;
    bool readOnly_ = false;
};

}  // namespace qm
