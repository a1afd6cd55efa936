#include "TagInsertion.h"

#include "EditPositions.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TmdiMain.h"

namespace {

TagPair& lastPair() {
    static TagPair pair;
    return pair;
}

// Runs on every way out of the insertion at the caret, a failing insertion
// included: the document counts as changed and pnlTag shows the pair.
class CaretInsertFinish {
public:
    CaretInsertFinish(TmdiMain& main, TTextEditControl& control, const QString& start, const QString& end)
        : main_(main), control_(control), start_(start), end_(end) {}
    ~CaretInsertFinish() {
        control_.setModified(true);
        main_.SetStatusText(QStringLiteral("Ready ..."));
        main_.setLastTagPanel(start_ + QStringLiteral(" : ") + end_);
    }
    CaretInsertFinish(const CaretInsertFinish&) = delete;  // finishes once
    CaretInsertFinish& operator=(const CaretInsertFinish&) = delete;

private:
    TmdiMain& main_;
    TTextEditControl& control_;
    const QString& start_;
    const QString& end_;
};

void wrapSelection(TmdiMain& main, TTextEditControl& control, const QString& start, const QString& end) {
    const qm::TextPos from = editpos::selectionStart(control);
    const qm::TextPos to = editpos::selectionEnd(control);
    editpos::setCaret(control, to);
    control.InsertText(end);
    editpos::setCaret(control, from);
    control.InsertText(start);
    if (main.IniControl().ReadString("Tags", "Stay Selected", "Y") != "Y") return;
    // The wrapped text now starts where the caret stands. Its end moved with
    // the start text only when both lay in one paragraph; a start text with
    // line breaks moves the later paragraphs down.
    const qm::TextPos wrappedStart = editpos::caret(control);
    const qm::TextPos wrappedEnd =
        to.para == from.para ? qm::TextPos{wrappedStart.para, wrappedStart.pos + (to.pos - from.pos)}
                             : qm::TextPos{to.para + (wrappedStart.para - from.para), to.pos};
    editpos::select(control, wrappedStart, wrappedEnd);
}

void insertAtCaret(TmdiMain& main, TTextEditControl& control, const QString& start, const QString& end) {
    CaretInsertFinish finish(main, control, start, end);
    control.InsertText(start);
    if (end.isEmpty()) return;
    const qm::TextPos between = editpos::caret(control);
    control.InsertText(end);
    editpos::setCaret(control, between);
}

}  // namespace

const TagPair& lastTagPair() { return lastPair(); }

void setLastTagPair(const QString& start, const QString& end) { lastPair() = {start, end}; }

QString applyTagCase(const QString& text, std::string_view caseSetting) {
    const bool upper = caseSetting == "U";
    if (!upper && caseSetting != "L") return text;
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (upper && u >= u'a' && u <= u'z') c = QChar(char16_t(u - 32));
        else if (!upper && u >= u'A' && u <= u'Z') c = QChar(char16_t(u + 32));
    }
    return out;
}

void InsertTag(TmdiMain& main, TTextEditControl* control, const QString& start, const QString& end) {
    main.SetStatusText(QStringLiteral("Adding Command ..."));
    if (!control) return;
    control->setModified(true);
    const std::string caseSetting = main.IniControl().ReadString("Tags", "Case", "W");
    const QString s = applyTagCase(start, caseSetting);
    const QString e = applyTagCase(end, caseSetting);
    setLastTagPair(s, e);
    control->setModified(true);
    if (control->HasSelection())
        wrapSelection(main, *control, s, e);
    else
        insertAtCaret(main, *control, s, e);
    control->setFocus();
}

bool HasSelection(TTextEditControl* control) { return control && control->HasSelection(); }

