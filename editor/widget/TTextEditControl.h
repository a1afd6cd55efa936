#pragma once
// TTextEditControl: the window of the editing control. It shows the text of
// its TextEditor core in one fixed-pitch font and turns keys, input-method
// commits and the mouse into the core's commands; all document and view
// state lives in the core. Operations keep the names the rest of the program
// uses; lines and columns are display lines and byte columns from 1.

#include "HtmlColorizer.h"
#include "LineColorizer.h"
#include "QtEditClipboard.h"
#include "TFixedFontSet.h"
#include "TextEditor.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QColor>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class HourglassGuard;

class TTextEditControl : public QAbstractScrollArea, private qm::EditorView {
    Q_OBJECT
public:
    enum ScrollBarKind { ssNone, ssHorizontal, ssVertical, ssBoth };
    enum CaretShape { csLine, csBlock, csHalfBlock };

    explicit TTextEditControl(QWidget* parent = nullptr);
    ~TTextEditControl() override;

    qm::TextEditor& editor() { return editor_; }
    const qm::TextEditor& editor() const { return editor_; }

    // ---- Operations (as the core's, plus the window's share) ----
    int GetCaret(int& column) const { return editor_.GetCaret(column); }
    void SetCaret(int line, int column) { editor_.SetCaret(line, column); }
    bool HasSelection() const { return editor_.HasSelection(); }
    bool GetSelection(int& sl, int& sc, int& el, int& ec) const { return editor_.GetSelection(sl, sc, el, ec); }
    void SelectRange(int sl, int sc, int el, int ec) { editor_.SelectRange(sl, sc, el, ec); }
    int InsertText(std::string_view bytes) { return editor_.InsertText(bytes); }
    int InsertText(const char* bytes) { return editor_.InsertText(bytes); }  // a literal is bytes
    int InsertText(const QString& text);  // stored as UTF-8
    void DeleteSelection() { editor_.DeleteSelection(); }
    void ClearAll(bool repaint = true) { editor_.ClearAll(repaint); }
    bool Undo() { return editor_.Undo(); }
    bool Redo() { return editor_.Redo(); }
    bool CutToClipboard() { return editor_.CutToClipboard(); }
    bool CopyToClipboard() { return editor_.CopyToClipboard(); }
    int PasteFromClipboard() { return editor_.PasteFromClipboard(); }
    bool FindText(std::string_view pattern, unsigned options) { return editor_.FindText(pattern, options); }
    int ReplaceText(std::string_view pattern, std::string_view replacement, unsigned options) {
        return editor_.ReplaceText(pattern, replacement, options);
    }
    qm::FileResult LoadFromFile(const std::string& fileName) { return editor_.LoadFromFile(fileName); }
    qm::FileResult SaveToFile(const std::string& fileName) { return editor_.SaveToFile(fileName); }
    bool Modified() const { return editor_.Modified(); }
    void setModified(bool on) { editor_.setModified(on); }
    int LineCount() const { return editor_.LineCount(); }
    int ParagraphCount() const { return editor_.ParagraphCount(); }
    std::int64_t ByteCount() const { return editor_.ByteCount(); }
    std::string GetDisplayLine(int line, int maxLength = 0x7fffffff) const { return editor_.GetDisplayLine(line, maxLength); }
    std::string_view GetParagraphText(int paragraph) const { return editor_.GetParagraphText(paragraph); }
    int VisibleColumns() const { return editor_.VisibleColumns(); }
    int VisibleLines() const { return editor_.VisibleLines(); }
    void SetMarker(int marker) { editor_.SetMarker(marker); }
    void GotoMarker(int marker) { editor_.GotoMarker(marker); }

    // ---- Properties of the core ----
    bool WordWrap() const { return editor_.WordWrap(); }
    void setWordWrap(bool on) { editor_.setWordWrap(on); }
    int WrapColumn() const { return editor_.WrapColumn(); }
    void setWrapColumn(int column) { editor_.setWrapColumn(column); }
    bool WrapToWindow() const { return editor_.WrapToWindow(); }
    void setWrapToWindow(bool on) { editor_.setWrapToWindow(on); }
    int TabSize() const { return editor_.TabSize(); }
    void setTabSize(int size) { editor_.setTabSize(size); }
    qm::TabType TabType() const { return editor_.tabType(); }
    void setTabType(qm::TabType t) { editor_.setTabType(t); }
    bool InsertMode() const { return editor_.InsertMode(); }
    void setInsertMode(bool on) { editor_.setInsertMode(on); }
    bool AutoIndent() const { return editor_.AutoIndent(); }
    void setAutoIndent(bool on) { editor_.setAutoIndent(on); }
    bool WantTab() const { return editor_.WantTab(); }
    void setWantTab(bool on) { editor_.setWantTab(on); }
    bool WantEnter() const { return editor_.WantEnter(); }
    void setWantEnter(bool on) { editor_.setWantEnter(on); }
    bool ReadOnly() const { return editor_.ReadOnly(); }
    void setReadOnly(bool on) { editor_.setReadOnly(on); }
    bool ScrollPastEnd() const { return editor_.ScrollPastEnd(); }
    void setScrollPastEnd(bool on) { editor_.setScrollPastEnd(on); }
    bool MakeBackup() const { return editor_.store().MakeBackup(); }
    void setMakeBackup(bool on) { editor_.store().setMakeBackup(on); }

    // ---- Properties of the window ----
    TFixedFontSet& FixedFont() { return font_; }
    QColor Color() const { return background_; }
    void setColor(const QColor& c);
    QColor HighlightText() const { return highlightText_; }
    QColor Highlight() const { return highlight_; }
    void setHighlightColors(const QColor& text, const QColor& background);
    bool HideSelection() const { return hideSelection_; }
    void setHideSelection(bool on);
    bool ShowBookmarks() const { return showBookmarks_; }
    void setShowBookmarks(bool on);
    // File line (paragraph) numbers beside the first display line of each
    // paragraph; wrapped continuation lines carry none.
    bool ShowLineNumbers() const { return showLineNumbers_; }
    void setShowLineNumbers(bool on);
    // The margin left of the text for bookmarks (the line numbers, when
    // shown, come between it and the text).
    int LeftMargin() const { return markerMargin_; }
    void setLeftMargin(int pixels);
    int RightMargin() const { return rightMargin_; }
    void setRightMargin(int pixels);
    ScrollBarKind ScrollBars() const { return scrollBars_; }
    void setScrollBars(ScrollBarKind kind);
    CaretShape CaretIns() const { return caretIns_; }
    void setCaretIns(CaretShape s);
    CaretShape CaretOvr() const { return caretOvr_; }
    void setCaretOvr(CaretShape s);

    // Colours of painted text come from here when set (not owned).
    void setColorizer(LineColorizer* colorizer);
    // HTML colouring with the control's own colorizer: on sets it as the
    // colorizer, off sets none. The scheme's colours are its business.
    bool SyntaxColouring() const { return colorizer_ && colorizer_ == html_.get(); }
    void setSyntaxColouring(bool on);
    HtmlColorizer& htmlColorizer() { return *html_; }
    // With colouring on, the tag at the caret and its partner are marked;
    // this moves the caret to the partner's "<". False when there is none.
    bool GotoMatchingTag();
    const qm::html::TagPair& TagMarks() const { return tagMarks_; }

    // Drops onto the text: the owner decides what a drag may drop
    // (OnDragOver returns whether to accept) and what a drop does; without
    // them nothing is accepted.
    std::function<bool(QDragMoveEvent*)> OnDragOver;
    std::function<void(QDropEvent*)> OnDragDrop;

    // Metrics in pixels: one character cell and one line.
    qreal charWidth() const { return charWidth_; }
    int lineHeight() const { return lineHeight_; }
    // The viewport rectangle of a display line's row, and the caret's.
    QRect caretRect() const;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // EditorView
    void linesChanged(qm::LineNum first, qm::LineNum last) override;
    void viewChanged() override;
    void caretMoved() override;
    void beep() override;
    void busy(bool on) override;

    void recomputeMetrics();
    void updateScrollBars();
    void updateRows(int firstLine, int lastLine);
    bool selectionVisible() const;
    // Whether a QAction or QShortcut of this window already uses the key sequence.
    bool windowHasShortcut(const QKeyEvent* e) const;
    // Display line and display column (from 1) under a viewport point;
    // `nearest` rounds to the nearest character boundary.
    std::pair<int, int> hit(const QPoint& p, bool nearest) const;
    void dragTo(const QPoint& p);

    // painting (TextEditPaint.cpp)
    // The colorizer's answer for bytes [from, to) of one paragraph, kept
    // for the consecutive lines of it painted in one go.
    struct SpanWindow {
        int para = 0;
        int from = 0, to = 0;
        std::vector<ColorSpan> spans;
    };
    void paintLine(QPainter& p, int row, qm::LineNum line, SpanWindow& window);
    void paintMarkers(QPainter& p);
    void paintCaret(QPainter& p);
    // line numbers (TextEditLineNumbers.cpp)
    int numbersWidth() const;  // pixels of the number column, 0 when hidden
    void paintLineNumbers(QPainter& p, const QRect& area);
    // After a text change: widens the column or repaints it when the
    // paragraph count changed (every number below a new paragraph moves).
    void refreshLineNumbers();
    // Finds the tag at the caret and its partner again, repainting both.
    void updateTagMarks();

    qm::TextEditor editor_;
    QtEditClipboard clipboard_;
    TFixedFontSet font_;
    LineColorizer* colorizer_ = nullptr;
    std::unique_ptr<HtmlColorizer> html_;
    qm::html::TagPair tagMarks_;

    QColor background_ = Qt::white;
    QColor highlight_;
    QColor highlightText_;
    bool hideSelection_ = true;
    bool showBookmarks_ = true;
    int markerMargin_ = 15;
    int leftMargin_ = 15;  // where the text starts: markerMargin_ + numbersWidth()
    bool showLineNumbers_ = false;
    int numberedParagraphs_ = 0;
    int rightMargin_ = 5;
    ScrollBarKind scrollBars_ = ssBoth;
    CaretShape caretIns_ = csLine;
    CaretShape caretOvr_ = csBlock;

    qreal charWidth_ = 8;
    int lineHeight_ = 16;
    int ascent_ = 12;

    bool syncingScrollBars_ = false;
    bool caretOn_ = false;
    QBasicTimer caretTimer_;
    QBasicTimer dragTimer_;
    enum class Drag { None, Text, Margin } drag_ = Drag::None;
    QPoint dragPoint_;
    int shownCaretLine_ = 1;
    int shownAnchorLine_ = 1;
    bool shownSelection_ = false;
    std::unique_ptr<HourglassGuard> hourglass_;
};
