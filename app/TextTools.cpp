#include "TextTools.h"

#include <QApplication>
#include <filesystem>
#include <string>
#include <system_error>

#include "DisplayText.h"
#include "EditPositions.h"
#include "HourglassGuard.h"
#include "ModalRunner.h"
#include "Paths.h"
#include "Prompter.h"
#include "QtEditClipboard.h"
#include "StartupRules.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TagCommands.h"
#include "TagRemoval.h"
#include "TextSearch.h"
#include "TfHTML.h"
#include "TfNetscapeError.h"
#include "TfProgress.h"
#include "TfURLGrab.h"
#include "TmdiMain.h"

namespace texttools {

namespace {

constexpr unsigned kFromTop = qm::soForward | qm::soWholeText;
constexpr unsigned kFromCaret = qm::soForward;

QString appTitle() { return QString::fromUtf8(startup::kAppTitle); }

}  // namespace

bool undoFitsOrGoOn(TTextEditControl& control, std::uint64_t undoBytes) {
    if (undoBytes <= control.editor().store().undoBuffer().size()) return true;
    return Prompter::current().confirm(appTitle(),
                                       QStringLiteral("This change is too large to be undone.\n\n"
                                                      "Go on without undo?"),
                                       Prompter::Yes | Prompter::No, Prompter::No) == Prompter::Yes;
}

int ConvertToText(TmdiMain& main, TTextEditControl* control) {
    if (!control) {
        main.SetStatusText(QStringLiteral("Ready ..."));
        return 0;
    }
    qm::TParagraphStore& store = control->editor().store();
    if (!undoFitsOrGoOn(*control, qm::removeTags(store, false).undoBytes)) return 0;
    HourglassGuard hourglass;
    main.SetStatusText(QStringLiteral("Converting to Text ..."));
    qm::TagRemoval r;
    {
        qm::TParagraphStore::EditGroup oneStep(store);
        r = qm::removeTags(store, true);
    }
    const int removed = r.removed;
    if (removed > 0) {
        editpos::setCaret(*control, r.lastStart);
        // Only the last removed tag matters on the clipboard; putting each one
        // there in turn would flood other programs watching it.
        QtEditClipboard().setBytes(r.lastTag);
    }
    main.SetStatusText(QStringLiteral("Ready ..."));
    return removed;
}

int GrabURLsFromDocument(TmdiMain& main, TTextEditControl* control, TfURLGrab& grab) {
    if (!control) {
        main.SetStatusText(QStringLiteral("Ready ..."));
        return 0;
    }
    int count = 0;
    {
        HourglassGuard hourglass;
        main.SetStatusText(QStringLiteral("Search for URLs ..."));
        grab.clearNewUrls();
        QStringList links;
        qm::TextPos lastStart{}, lastEnd{};
        for (bool found = control->FindText("<A HREF=", kFromTop); found;
             found = control->FindText("<A HREF=", kFromCaret)) {
            const qm::TextPos linkStart = editpos::selectionStart(*control);
            if (!control->FindText("</A>", kFromCaret)) continue;
            lastStart = linkStart;
            lastEnd = editpos::caret(*control);
            editpos::select(*control, lastStart, lastEnd);
            const QString link = displaytext::decode(control->editor().selectedText());
            links << link;
            main.SetStatusText(QStringLiteral("Found URL ") + link);
            ++count;
        }
        grab.addNewUrls(links);
        if (count > 0) {
            // The last link found stays selected and on the clipboard, even
            // when a later "<A HREF=" without its end was matched after it.
            editpos::select(*control, lastStart, lastEnd);
            control->CopyToClipboard();
        }
    }
    if (count == 0) {
        Prompter::current().message(appTitle(), QStringLiteral("No URLs found !"));
    } else {
        grab.show();
        grab.raise();
        grab.activateWindow();
    }
    main.SetStatusText(QStringLiteral("Ready ..."));
    return count;
}

bool ImportURLsfromNetscape(TmdiMain& main, TfURLGrab& grab, TfProgress& progress, TfNetscapeError& error) {
    main.SetStatusText(QStringLiteral("Searching for Netscape ..."));
    progress.show();
    progress.setPercent(1);
    // The progress window goes away on every way out, a failed open included.
    struct CloseProgress {
        TfProgress& window;
        ~CloseProgress() { window.close(); }
    } closeProgress{progress};
    bool imported = false;
    const std::filesystem::path ini = paths::profileFile(kBrowserIni);
    std::error_code ec;
    if (std::filesystem::is_regular_file(ini, ec)) {
        progress.setPercent(5);
        main.SetStatusText(QStringLiteral("Reading bookmark.htm ..."));
        TMegaRegistry NetINI;
        NetINI.SetApp("Netscape");
        NetINI.SetCompany("Netscape");
        NetINI.SetIniName(kBrowserIni);
        NetINI.SetPreference(TMRPreference::mrpIni);
        NetINI.Open();
        const std::string bookmarks = NetINI.ReadString(kBookmarkSection, kBookmarkEntry, "???");
        if (bookmarks != "???" && !bookmarks.empty() && std::filesystem::is_regular_file(bookmarks, ec)) {
            progress.setPercent(8);
            // Already open: OpenDocument says so, and the grab runs on the
            // active document.
            OpenDocument(main, bookmarks);
            GrabURLsFromDocument(main, activeEditControl(main), grab);
            imported = true;
        }
    }
    if (!imported) runModal(error);
    main.SetStatusText(QStringLiteral("Ready ..."));
    return imported;
}

void CheckSpelling(TTextEditControl* control) {
    if (control) Prompter::current().message(appTitle(), QStringLiteral("Sorry.  This feature is temporarily unavailable"));
}

}  // namespace texttools
