#include "TTextEditControl.h"

#include "DisplayText.h"
#include "HourglassGuard.h"
#include "Sound.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QFocusEvent>
#include <QPalette>
#include <QPointer>
#include <QTimerEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

TTextEditControl::TTextEditControl(QWidget* parent) : QAbstractScrollArea(parent) {
    editor_.setView(this);
    html_ = std::make_unique<HtmlColorizer>(editor_.store());
    editor_.setClipboard(&clipboard_);
    const QPalette pal = QApplication::palette();
    highlight_ = pal.color(QPalette::Active, QPalette::Highlight);
    highlightText_ = pal.color(QPalette::Active, QPalette::HighlightedText);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    setScrollBars(ssBoth);
    setAcceptDrops(true);  // drops go to OnDragOver / OnDragDrop; none are taken without them
    viewport()->setAcceptDrops(true);
    font_.onChange = [this] {
        recomputeMetrics();
        viewport()->update();
    };
    recomputeMetrics();
}

TTextEditControl::~TTextEditControl() { editor_.setView(nullptr); }

int TTextEditControl::InsertText(const QString& text) { return editor_.InsertText(displaytext::encode(text)); }

// ---- Window properties ----

void TTextEditControl::setColor(const QColor& c) {
    background_ = c;
    viewport()->update();
}

void TTextEditControl::setHighlightColors(const QColor& text, const QColor& background) {
    highlightText_ = text;
    highlight_ = background;
    viewport()->update();
}

void TTextEditControl::setHideSelection(bool on) {
    hideSelection_ = on;
    viewport()->update();
}

void TTextEditControl::setShowBookmarks(bool on) {
    showBookmarks_ = on;
    viewport()->update();
}

void TTextEditControl::setLeftMargin(int pixels) {
    markerMargin_ = std::max(0, pixels);
    recomputeMetrics();
    viewport()->update();
}

void TTextEditControl::setRightMargin(int pixels) {
    rightMargin_ = std::max(0, pixels);
    recomputeMetrics();
    viewport()->update();
}

void TTextEditControl::setScrollBars(ScrollBarKind kind) {
    scrollBars_ = kind;
    // Always shown when wanted: bars that come and go would change the
    // visible columns and, with WrapToWindow, re-wrap back and forth.
    const bool h = kind == ssHorizontal || kind == ssBoth;
    const bool v = kind == ssVertical || kind == ssBoth;
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TTextEditControl::setCaretIns(CaretShape s) {
    caretIns_ = s;
    viewport()->update(caretRect());
}

void TTextEditControl::setCaretOvr(CaretShape s) {
    caretOvr_ = s;
    viewport()->update(caretRect());
}

void TTextEditControl::setColorizer(LineColorizer* colorizer) {
    colorizer_ = colorizer;
    if (colorizer_) colorizer_->textChanged(1, 0, 0, 0);  // it heard of no change meanwhile
    viewport()->update();
}

void TTextEditControl::setSyntaxColouring(bool on) {
    if (on != SyntaxColouring()) setColorizer(on ? html_.get() : nullptr);
    updateTagMarks();
}

void TTextEditControl::updateTagMarks() {
    const qm::TParagraphStore& store = editor_.store();
    auto repaint = [&](const qm::html::TagPlace& t) {
        if (t.para < 1 || t.para > store.ParagraphCount()) return;
        const int first = store.toLinePos({qm::ParaNum(t.para), qm::ParaPos(1)}).line.value;
        // After an edit an old mark may reach past its paragraph's end, or the text's.
        const qm::ParaNum endPara(std::clamp(t.endPara, t.para, store.ParagraphCount()));
        const int end = std::min(t.end, store.paragraphLength(endPara));
        const int last = store.toLinePos({endPara, qm::ParaPos(end + 1)}).line.value;
        updateRows(first, last);
    };
    const qm::html::TagPair old = tagMarks_;
    tagMarks_ = {};
    if (SyntaxColouring()) {
        const qm::TextPos c = editor_.caret();
        tagMarks_ = html_->matchAt(c.para.value, c.pos.value - 1);
    }
    if (old == tagMarks_) return;
    for (const auto& t : {old.tag, old.partner, tagMarks_.tag, tagMarks_.partner}) repaint(t);
}

bool TTextEditControl::GotoMatchingTag() {
    updateTagMarks();
    if (tagMarks_.partner.para == 0) return false;
    const qm::LinePos at =
        editor_.store().toLinePos({qm::ParaNum(tagMarks_.partner.para), qm::ParaPos(tagMarks_.partner.start + 1)});
    SetCaret(at.line.value, at.col.value);
    return true;
}

// ---- Metrics and scroll bars ----

void TTextEditControl::recomputeMetrics() {
    const QFontMetricsF fm(font_.font());
    // A fixed-pitch font: every character cell is as wide as any glyph.
    charWidth_ = std::max<qreal>(1.0, fm.horizontalAdvance(QLatin1Char('x')));
    lineHeight_ = std::max(1, static_cast<int>(std::ceil(fm.height() + fm.leading())) + 1);
    ascent_ = static_cast<int>(std::ceil(fm.ascent()));
    leftMargin_ = markerMargin_ + numbersWidth();
    const QSize vs = viewport()->size();
    const int columns = static_cast<int>((vs.width() - leftMargin_ - rightMargin_) / charWidth_);
    editor_.setViewSize(vs.height() / lineHeight_, columns);
    updateScrollBars();
}

void TTextEditControl::updateScrollBars() {
    syncingScrollBars_ = true;
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, editor_.maxTopLine() - 1);
    v->setPageStep(editor_.VisibleLines());
    v->setSingleStep(1);
    v->setValue(editor_.TopLine() - 1);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(editor_.LeftColumn(), editor_.horizontalRange() - editor_.VisibleColumns()));
    h->setPageStep(editor_.VisibleColumns());
    h->setSingleStep(1);
    h->setValue(editor_.LeftColumn());
    syncingScrollBars_ = false;
}

void TTextEditControl::scrollContentsBy(int, int) {
    if (syncingScrollBars_) return;
    // The user moved a scroll bar: the view scrolls, the caret stays.
    editor_.setTopLine(verticalScrollBar()->value() + 1);
    editor_.setLeftColumn(horizontalScrollBar()->value());
    viewport()->update();
}

void TTextEditControl::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    recomputeMetrics();
}

// ---- What the core reports ----

void TTextEditControl::updateRows(int firstLine, int lastLine) {
    const int top = editor_.TopLine();
    const int firstRow = std::max(0, firstLine - top);
    const int lastRow = std::min(editor_.VisibleLines(), lastLine - top);
    if (lastRow < firstRow) return;
    viewport()->update(QRect(0, firstRow * lineHeight_, viewport()->width(), (lastRow - firstRow + 1) * lineHeight_));
}

void TTextEditControl::linesChanged(qm::LineNum first, qm::LineNum last) {
    if (colorizer_) {
        // The store reports lines from one whose start no edit moved, so the
        // bytes of its paragraph before that line are unchanged.
        const qm::TParagraphStore& store = editor_.store();
        const qm::TParagraphStore::ParaChange& paras = store.changedParagraphs();
        const qm::TextPos from = store.lineStart(qm::LineNum(std::clamp(first.value, 1, editor_.LineCount())));
        if (paras.all) colorizer_->textChanged(1, 0, 0, 0);
        else if (paras.first > 0)
            colorizer_->textChanged(paras.first, paras.last, paras.first == from.para.value ? from.pos.value - 1 : 0,
                                    paras.delta);
    }
    updateTagMarks();
    refreshLineNumbers();
    updateScrollBars();
    updateRows(first.value, last.value == qm::kToEndOfText ? editor_.LineCount() + editor_.VisibleLines()
                                                           : last.value);
}

void TTextEditControl::viewChanged() {
    updateScrollBars();
    viewport()->update();
}

void TTextEditControl::caretMoved() {
    updateTagMarks();
    // Repaint the rows whose caret or selection look may have changed.
    const int caretLine = editor_.caretLinePos().line.value;
    const int anchorLine = editor_.store().toLinePos(editor_.anchor()).line.value;
    const bool selection = editor_.HasSelection();
    int lo = std::min(caretLine, shownCaretLine_);
    int hi = std::max(caretLine, shownCaretLine_);
    if (selection || shownSelection_) {
        lo = std::min({lo, anchorLine, shownAnchorLine_});
        hi = std::max({hi, anchorLine, shownAnchorLine_});
    }
    updateRows(lo, hi);
    if (shownCaretLine_ != caretLine) updateRows(shownCaretLine_, shownCaretLine_);
    shownCaretLine_ = caretLine;
    shownAnchorLine_ = anchorLine;
    shownSelection_ = selection;
    caretOn_ = true;
    if (hasFocus()) caretTimer_.start(std::max(100, QApplication::cursorFlashTime() / 2), this);
    updateMicroFocus();
    // OnShowStatus is posted, so it arrives after the command that moved the caret.
    if (editor_.OnShowStatus) {
        QPointer<TTextEditControl> self(this);
        QMetaObject::invokeMethod(
            this,
            [self] {
                if (!self || !self->editor_.OnShowStatus) return;
                const qm::LinePos lp = self->editor_.caretLinePos();
                self->editor_.OnShowStatus(lp.line.value, lp.col.value);
            },
            Qt::QueuedConnection);
    }
}

void TTextEditControl::beep() { SoundPlayer::current().playDefault(); }

void TTextEditControl::busy(bool on) {
    if (on) hourglass_ = std::make_unique<HourglassGuard>();
    else hourglass_.reset();
}

// ---- Focus, enabling, caret blink ----

bool TTextEditControl::selectionVisible() const {
    if (!isEnabled()) return false;
    return hasFocus() || !hideSelection_;
}

void TTextEditControl::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    caretOn_ = true;
    caretTimer_.start(std::max(100, QApplication::cursorFlashTime() / 2), this);
    viewport()->update();
}

void TTextEditControl::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    caretTimer_.stop();
    caretOn_ = false;
    viewport()->update();
}

void TTextEditControl::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) viewport()->update();
}

void TTextEditControl::timerEvent(QTimerEvent* e) {
    if (e->timerId() == caretTimer_.timerId()) {
        caretOn_ = !caretOn_;
        viewport()->update(caretRect());
    } else if (e->timerId() == dragTimer_.timerId()) {
        dragTo(dragPoint_);  // outside the window: keep scrolling while the button is held
    } else {
        QAbstractScrollArea::timerEvent(e);
    }
}

QRect TTextEditControl::caretRect() const {
    const qm::LinePos lp = editor_.caretLinePos();
    const int row = lp.line.value - editor_.TopLine();
    const int dc = editor_.store().displayColumn(lp.line, lp.col).value;
    const int x = leftMargin_ + static_cast<int>(std::floor((dc - 1 - editor_.LeftColumn()) * charWidth_));
    return QRect(x - 1, row * lineHeight_, static_cast<int>(std::ceil(charWidth_)) + 2, lineHeight_);
}
