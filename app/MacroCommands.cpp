#include "MacroCommands.h"

#include <algorithm>

#include "EditPositions.h"
#include "HourglassGuard.h"
#include "MacroFile.h"
#include "ModalRunner.h"
#include "Paths.h"
#include "Prompter.h"
#include "StartupRules.h"
#include "TTextEditControl.h"
#include "TagCommands.h"
#include "TagInsertion.h"
#include "TfAddMac.h"
#include "TfMacros.h"
#include "TmdiMain.h"

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Where each paragraph starts in the text joined by "\n".
struct ParagraphStarts {
    std::vector<std::size_t> starts;
    qm::TextPos at(std::size_t offset) const {
        const auto it = std::upper_bound(starts.begin(), starts.end(), offset) - 1;
        return {qm::ParaNum(int(it - starts.begin()) + 1), qm::ParaPos(std::int32_t(offset - *it) + 1)};
    }
};

std::string documentText(const TTextEditControl& control, ParagraphStarts& starts) {
    std::string text;
    for (int p = 1; p <= control.ParagraphCount(); ++p) {
        if (p > 1) text += '\n';
        starts.starts.push_back(text.size());
        text += control.GetParagraphText(p);
    }
    return text;
}

}  // namespace

void ExpandMacrosNow(TmdiMain& main, TTextEditControl* control) {
    if (!control) return;
    HourglassGuard hourglass;
    macros::ReadResult user = macros::readMacroFile(paths::dataFile(macros::kUserFile).string());
    if (!user.ok)
        Prompter::current().message(QString::fromUtf8(startup::kAppTitle), qs(user.message), Prompter::Icon::Critical);
    macros::Entries table = std::move(user.entries);
    for (std::string& e : systemMacros()) table.push_back(std::move(e));

    main.SetStatusText(QStringLiteral("Searching for Macros ..."));
    ParagraphStarts starts;
    const std::string text = documentText(*control, starts);
    const std::vector<macros::Found> found = macros::scanMacros(text, table);

    // Back to front, so every earlier place still holds.
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        if (!it->matched) continue;
        editpos::select(*control, starts.at(it->offset), starts.at(it->offset + it->length));
        control->InsertText(std::string_view(it->replacement));
        control->setModified(true);
    }
    if (!found.empty()) {
        // The last bracketed text moved only by the expansions before it in
        // its own paragraph (an expansion is one line; a key spans none).
        const macros::Found& last = found.back();
        qm::TextPos from = starts.at(last.offset);
        std::int32_t shift = 0;
        for (std::size_t i = 0; i + 1 < found.size(); ++i)
            if (found[i].matched && starts.at(found[i].offset).para == from.para)
                shift += std::int32_t(found[i].replacement.size()) - std::int32_t(found[i].length);
        from.pos += shift;
        const bool oneLine = last.bracketed.find('\n') == std::string::npos;
        if (last.matched)
            editpos::setCaret(*control, {from.para, from.pos + std::int32_t(last.replacement.size())});
        else
            editpos::select(*control, from,
                            oneLine ? qm::TextPos{from.para, from.pos + std::int32_t(last.length)}
                                    : starts.at(last.offset + last.length));
        for (const macros::Found& f : found)
            main.SetStatusText(QStringLiteral("Macro ") + qs(f.matched ? f.replacement : f.bracketed));
    }
    Prompter::current().message(QString::fromUtf8(startup::kAppTitle), qs(macros::foundMessage(found.size())));
    main.SetStatusText(QStringLiteral("Ready ..."));
}

void installMacroCommands(TmdiMain& main) {
    TmdiMain* w = &main;
    auto* define = new TfMacros(w);
    auto* pick = new TfAddMac(w);
    pick->insertKey = [w](const QString& key) { InsertTag(*w, key, QString()); };
    pick->setDragKey = [](const QString& key) { setLastTagPair(key, QString()); };
    // The pick list reads the files each time it is shown; a list already
    // open is refreshed when asked for again and after the macros are saved.
    w->setHandler("DefineMacros1Click", [define, pick] {
        runModal(*define);
        if (pick->isVisible()) pick->LoadMacs();
    });
    w->setHandler("Macro1Click", [pick] {
        if (pick->isVisible()) pick->LoadMacs();
        pick->show();
        pick->raise();
    });
    w->setHandler("ExpandMacrosNow1Click", [w] { ExpandMacrosNow(*w, activeEditControl(*w)); });
}
