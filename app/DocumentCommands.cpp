#include "DocumentCommands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>
#include <optional>

#include "Application.h"
#include "EditPositions.h"

#include "Prompter.h"
#include "StartupRules.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TmdiMain.h"

namespace {

TTextEditControl* active(TmdiMain& main) {
    TfHTML* doc = activeHtmlDocument(main);
    return doc ? doc->txtHTML() : nullptr;
}

void setCheck(TmdiMain& main, const char* handler, bool on) {
    for (QAction* a : main.actionsFor(handler))
        if (a->isCheckable()) a->setChecked(on);
}

}  // namespace

void EditUndo(TmdiMain& main) {
    if (TTextEditControl* c = active(main)) {
        // Nothing to undo leaves the document as it was, saved or not.
        if (c->Undo()) c->setModified(true);
    }
}

void EditRedoClick(TmdiMain& main) {
    if (TTextEditControl* c = active(main)) {
        if (c->Redo()) c->setModified(true);
    }
}

void EditCut(TmdiMain& main) {
    if (TTextEditControl* c = active(main)) {
        if (c->CutToClipboard()) c->setModified(true);
    }
}

void EditCopy(TmdiMain& main) {
    if (TTextEditControl* c = active(main)) c->CopyToClipboard();
}

void EditPaste(TmdiMain& main) {
    if (TTextEditControl* c = active(main)) {
        c->PasteFromClipboard();
        c->setModified(true);
    }
}

void EditDelete(TmdiMain& main) {
    if (TTextEditControl* c = active(main)) {
        c->DeleteSelection();
        c->setModified(true);
    }
}

void EditSelectAll(TmdiMain& main) {
    TTextEditControl* c = active(main);
    if (!c) return;
    const int last = c->ParagraphCount();
    const auto end = static_cast<std::int32_t>(c->GetParagraphText(last).size()) + 1;
    editpos::select(*c, {qm::ParaNum(1), qm::ParaPos(1)}, {qm::ParaNum(last), qm::ParaPos(end)});
}

void EditGotoLine(TmdiMain& main) {
    TfHTML* doc = activeHtmlDocument(main);
    if (!doc) return;
    TTextEditControl* c = doc->txtHTML();
    // File lines, as validators and browsers count them: a wrapped line is
    // one line however many display lines it takes.
    const int count = c->ParagraphCount();
    const std::optional<QString> answer = Prompter::current().input(
        QStringLiteral("Go to Line"), QStringLiteral("Line number (1 - %1):").arg(count),
        QString::number(editpos::caret(*c).para.value));
    if (!answer) return;
    bool ok = false;
    const int line = answer->trimmed().toInt(&ok);
    if (!ok || line < 1) {
        Prompter::current().message(QString::fromUtf8(startup::kAppTitle),
                                    QStringLiteral("\"%1\" is not a line number.").arg(answer->trimmed()),
                                    Prompter::Icon::Warning);
        return;
    }
    editpos::setCaret(*c, {qm::ParaNum(std::min(line, count)), qm::ParaPos(1)});
    doc->bringToFront();
}

void EditClear(TmdiMain& main) {
    TTextEditControl* c = active(main);
    if (!c) return;
    main.SetStatusText(QStringLiteral("Clearing Contents ..."));
    const Prompter::Button answer = Prompter::current().confirm(
        QString::fromUtf8(startup::kAppTitle),
        QStringLiteral("This action will remove all data from the document.\n\r\n\rAre You Sure ?"),
        Prompter::Yes | Prompter::No, Prompter::No, Prompter::Icon::Warning);
    if (answer == Prompter::Yes) {
        c->ClearAll();
        c->setModified(true);
    }
    main.SetStatusText(QStringLiteral("Ready ..."));
}

void WordWrap1Click(TmdiMain& main) {
    TfHTML* doc = activeHtmlDocument(main);
    if (!doc) {
        // The item toggles itself when clicked; with no document nothing changes.
        setCheck(main, "WordWrap1Click", !main.menuAction("WordWrap1Click")->isChecked());
        return;
    }
    TTextEditControl* c = doc->txtHTML();
    const bool wrap = !c->WordWrap();
    c->setWordWrap(wrap);
    c->setScrollBars(wrap ? TTextEditControl::ssVertical : TTextEditControl::ssBoth);
    setCheck(main, "WordWrap1Click", wrap);
    doc->FormResize();
    main.IniControl().WriteBool("Editor", "Word Wrap", wrap);
}

void SmartTabs1Click(TmdiMain& main) {
    TTextEditControl* c = active(main);
    if (!c) {
        setCheck(main, "SmartTabs1Click", !main.menuAction("SmartTabs1Click")->isChecked());
        return;
    }
    const bool indent = !c->AutoIndent();
    c->setAutoIndent(indent);
    setCheck(main, "SmartTabs1Click", indent);
    main.IniControl().WriteBool("Editor", "Smart Tabs", indent);
}

void LineNumbers1Click(TmdiMain& main) {
    // A view setting of every document, kept at once like "Word Wrap".
    const bool shown = !main.IniControl().ReadBool("Editor", "Line Numbers", false);
    main.IniControl().WriteBool("Editor", "Line Numbers", shown);
    setCheck(main, "LineNumbers1Click", shown);
    for (TfHTML* doc : htmlDocuments(main)) doc->txtHTML()->setShowLineNumbers(shown);
}

namespace {

// Works on the widgets alone: it also runs while the main window is being
// destroyed and its area deactivates the last document.
void mergeInto(QMenuBar* bar, QAction* before, QMdiArea* area) {
    QMdiSubWindow* sub = area->currentSubWindow();
    auto* doc = sub ? qobject_cast<TfHTML*>(sub->widget()) : nullptr;
    QMenu* wanted = doc ? doc->searchMenu() : nullptr;
    for (QAction* a : bar->actions()) {
        QMenu* m = a->menu();
        if (!m || m == wanted || m->objectName() != QLatin1String("SearchMenu")) continue;
        bar->removeAction(a);
        for (QAction* item : m->actions()) item->setShortcut(QKeySequence());
    }
    if (!wanted || bar->actions().contains(wanted->menuAction())) return;
    bar->insertMenu(before, wanted);
    for (QAction* a : wanted->actions()) {
        const QString key = a->property("qmKey").toString();
        if (!key.isEmpty()) a->setShortcut(QKeySequence(key, QKeySequence::PortableText));
    }
}

}  // namespace

void mergeSearchMenu(TmdiMain& main) {
    QMenu* insert = main.topMenu(QStringLiteral("&Insert"));
    mergeInto(main.menuBar(), insert ? insert->menuAction() : nullptr, main.mdiArea());
}

void installDocumentCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    main.setHandler("EditUndo", [m] { EditUndo(*m); });
    main.setHandler("EditRedoClick", [m] { EditRedoClick(*m); });
    main.setHandler("EditCut", [m] { EditCut(*m); });
    main.setHandler("EditCopy", [m] { EditCopy(*m); });
    main.setHandler("EditPaste", [m] { EditPaste(*m); });
    main.setHandler("EditDelete", [m] { EditDelete(*m); });
    main.setHandler("EditClear", [m] { EditClear(*m); });
    main.setHandler("EditSelectAll", [m] { EditSelectAll(*m); });
    main.setHandler("EditGotoLine", [m] { EditGotoLine(*m); });
    main.setHandler("WordWrap1Click", [m] { WordWrap1Click(*m); });
    main.setHandler("SmartTabs1Click", [m] { SmartTabs1Click(*m); });
    main.setHandler("LineNumbers1Click", [m] { LineNumbers1Click(*m); });
    setCheck(main, "LineNumbers1Click", main.IniControl().ReadBool("Editor", "Line Numbers", false));
    QMenuBar* bar = main.menuBar();
    QMenu* insert = main.topMenu(QStringLiteral("&Insert"));
    QPointer<QAction> before = insert ? insert->menuAction() : nullptr;
    QMdiArea* area = main.mdiArea();
    QObject::connect(area, &QMdiArea::subWindowActivated, bar, [bar, before, area] {
        dispatch([&] { mergeInto(bar, before.data(), area); });
    });
}
