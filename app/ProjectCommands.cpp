#include "ProjectCommands.h"

#include "ModalRunner.h"
#include "Prompter.h"
#include "StartupRules.h"
#include "TfHTML.h"
#include "TfProj.h"
#include "TmdiMain.h"

void SaveOpenasNewProject1Click(TmdiMain& main, TfProj& projects) {
    const QList<TfHTML*> docs = htmlDocuments(main);
    Prompter& prompter = Prompter::current();
    if (docs.isEmpty()) {
        prompter.message(QString::fromUtf8(startup::kAppTitle), QStringLiteral("No current document."));
        return;
    }
    const std::optional<QString> name =
        prompter.input(QStringLiteral("New Project"), QStringLiteral("Enter a name for this New Project"), QString());
    if (!name || name->isEmpty()) return;
    projects.show();
    // The window's own project is not dropped unasked.
    if (!projects.SaveQuestion()) return;
    project::Project p;
    p.title = name->toStdString();
    // A titled document's item is its path as bytes (the caption shows a
    // name that is not UTF-8 with replacement characters).
    for (TfHTML* doc : docs)
        p.items.push_back(project::Item{doc->isUntitled() ? doc->caption().toStdString() : doc->filePath(), {}});
    projects.setProject(std::move(p));
    projects.btnSaveProjectClick();
}

void installProjectCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    auto* projects = new TfProj(m);
    projects->setDocumentOpener([m](const std::string& path) { OpenDocument(*m, path); });
    m->setHandler("OpenProjectWindow1Click", [projects] { runModal(*projects); });
    m->setHandler("SaveOpenasNewProject1Click", [m, projects] { SaveOpenasNewProject1Click(*m, *projects); });
}
