#include "Navigation.h"

#include "EditPositions.h"
#include "Prompter.h"
#include "StartupRules.h"
#include "TTextEditControl.h"
#include "TmdiMain.h"
#include "TextSearch.h"

#include <array>

namespace navigation {

namespace {

constexpr GotoRow kGoto[] = {
    {"TitleSection1Click", "<HEAD", ">", true, "No HEAD Section Found !"},
    {"TitleDeclaration1Click", "<TITLE", ">", true, "No Document Title Found !"},
    {"BodySection1Click", "<BODY", ">", true, "No BODY Section Found !"},
    {"NextURL1Click", "<A HREF", "</A>", false, "End of Document Reached : No URLs Found !"},
    {"NextMailtoURL1Click", "<A HREF=\"Mail", "</A>", false, "End of Document Reached : No Mail URLs Found !"},
    {"NextTable1Click", "<Table", "</Table>", false, "End of Document Reached : No Tables Found !"},
    {"NextForm1Click", "<FORM", "</FORM>", false, "End of Document Reached : No Forms Found !"},
    {"NextImage1Click", "<IMG", ">", false, "End of Document Reached : No Images Found !"},
    {"NextJavaApplet1Click", "<APPLET", "</APPLET>", false, "End of Document Reached : No Java Applets Found !"},
    {"NextListItem1Click", "<LI", ">", false, "End of Document Reached : No More List Items Found !"},
    {"LastUpdatedSection1Click", "Last Updated", ">", false,
     "End of Document Reached : No Update Section Found !"},
};

constexpr std::array<std::string_view, 9> kSetMark{"N110Click", "N210Click", "N34Click", "N41Click", "N51Click",
                                                   "N61Click",  "N71Click",  "N81Click", "N91Click"};
constexpr std::array<std::string_view, 9> kGotoMark{"N111Click", "N211Click", "N35Click", "N42Click", "N52Click",
                                                    "N62Click",  "N72Click",  "N82Click", "N92Click"};

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

std::span<const GotoRow> gotoRows() { return kGoto; }
std::span<const std::string_view> setBookmarkHandlers() { return kSetMark; }
std::span<const std::string_view> gotoBookmarkHandlers() { return kGotoMark; }

bool runGoto(TmdiMain& main, TTextEditControl* control, const GotoRow& row) {
    const bool found = FindTagPair(main, control, qs(row.start), qs(row.end), row.fromTop);
    if (!found) Prompter::current().message(QString::fromUtf8(startup::kAppTitle), qs(row.notFound));
    return found;
}

void SetBookmark(TTextEditControl* control, int n) {
    if (control && n >= 1 && n <= 9) control->SetMarker(n);
}

void GotoBookmark(TTextEditControl* control, int n) {
    // An unset marker leaves the caret where it is (GotoMarker's own rule).
    if (control && n >= 1 && n <= 9) control->GotoMarker(n);
}

}  // namespace navigation

bool FindTagPair(TmdiMain& main, TTextEditControl* control, const QString& start, const QString& end,
                 bool fromTop) {
    if (!control) {
        main.SetStatusText(QStringLiteral("Ready ..."));
        return false;
    }
    main.SetStatusText(QStringLiteral("Searching for ") + start + QStringLiteral(" ..."));
    // The selection is given up only for a new match: when there is none,
    // the element found last stays selected for the user to see.
    const qm::TextPos anchor = control->editor().anchor();
    const qm::TextPos caret = editpos::caret(*control);
    if (control->HasSelection()) editpos::setCaret(*control, editpos::selectionEnd(*control));
    bool found = false;
    const unsigned first = fromTop ? (qm::soForward | qm::soWholeText) : qm::soForward;
    if (!control->FindText(start.toStdString(), first)) {
        if (anchor != caret) editpos::select(*control, anchor, caret);
    } else {
        // Remembered as the store addresses it: a wrap point inside the
        // match must not move the start of the selection.
        const qm::TextPos matchStart = editpos::selectionStart(*control);
        if (control->FindText(end.toStdString(), qm::soForward)) {
            editpos::select(*control, matchStart, editpos::caret(*control));
            found = true;
        }
    }
    main.SetStatusText(QStringLiteral("Ready ..."));
    return found;
}
