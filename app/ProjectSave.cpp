#include "ProjectSave.h"

#include <QString>
#include <filesystem>

#include "Paths.h"
#include "Prompter.h"

namespace {
const QString kCaption = QStringLiteral("Project Organiser");
}

bool projectSaveQuestion(project::Project& p) {
    if (!p.modified) return true;
    Prompter& prompter = Prompter::current();
    const QString name = p.fileName.empty() ? QStringLiteral("Untitled Project") : QString::fromStdString(p.fileName);
    const Prompter::Button answer = prompter.confirm(kCaption, QStringLiteral("Save changes to ") + name +
                                                                  QStringLiteral(" ?"),
                                                     Prompter::Yes | Prompter::No, Prompter::Yes);
    if (answer != Prompter::Yes) return true;

    std::error_code ec;
    if (p.fileName.empty() || !std::filesystem::exists(p.fileName, ec)) {
        Prompter::FileRequest req;
        req.caption = QStringLiteral("Save Project As");
        req.filter = QStringLiteral("Quillmar Project File (*.qpr)|*.qpr");
        req.defaultExt = QStringLiteral("qpr");
        req.overwritePrompt = true;
        const QString chosen = prompter.saveFile(req);
        if (chosen.isEmpty()) return false;
        p.fileName = paths::documentIdentity(chosen.toStdString());
    }
    const project::WriteResult r = project::write(p.fileName, p.title, p.items);
    if (!r.ok) {
        // Sound behaviour: the user hears of it and the project stays unsaved.
        prompter.message(kCaption, QString::fromStdString(r.message), Prompter::Icon::Warning);
        return false;
    }
    p.modified = false;
    return true;
}
