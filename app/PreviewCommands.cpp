#include "PreviewCommands.h"

#include <QPrinter>
#include <filesystem>

#include "Paths.h"
#include "Printing.h"
#include "Prompter.h"
#include "SourcePrint.h"
#include "StartupRules.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TfPreview.h"
#include "TmdiMain.h"

namespace {

QString appTitle() { return QString::fromUtf8(startup::kAppTitle); }
void ready(TmdiMain& main) { main.SetStatusText(QStringLiteral("Ready ...")); }

// The folder of temp.qlm: the document's own, or for an untitled document a
// private folder in the data folder (not the data folder itself, whose
// files a previewed page must never read).
std::string previewFolder(const TfHTML& doc) {
    if (!doc.isUntitled()) return std::filesystem::path(doc.filePath()).parent_path().string();
    const std::filesystem::path dir = paths::dataDir() / "preview";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return dir.string();
}

void WebPreview1Click(TmdiMain& main) {
    TfHTML* doc = activeHtmlDocument(main);
    if (!doc) {
        Prompter::current().message(appTitle(), QStringLiteral("No current document."));
        ready(main);
        return;
    }
    TTextEditControl* ed = doc->txtHTML();
    const bool modified = ed->Modified();
    main.SetStatusText(QStringLiteral("Previewing ") + doc->caption() + QStringLiteral(" ..."));
    const std::string file = (std::filesystem::path(previewFolder(*doc)) / "temp.qlm").string();
    const qm::FileResult r = ed->SaveToFile(file);
    ed->setModified(modified);
    if (!r.ok) {
        Prompter::current().message(appTitle(), fileErrorText(QStringLiteral("save"), displayPath(file), r),
                                    Prompter::Icon::Warning);
        ready(main);
        return;
    }
    previewWindow(main).previewFile(QString::fromStdString(file));
    ready(main);
}

void FilePrint(TmdiMain& main) {
    TfHTML* doc = activeHtmlDocument(main);
    if (!doc) return;
    TTextEditControl* ed = doc->txtHTML();
    QPrinter& printer = sharedPrinter();
    Prompter::PrintRequest request;
    request.selectionAvailable = ed->HasSelection();
    request.pageRangeAllowed = false;
    if (!request.selectionAvailable && printer.printRange() == QPrinter::Selection)
        printer.setPrintRange(QPrinter::AllPages);
    if (!Prompter::current().print(printer, request) || !choosePdfWithoutPrinter(printer)) return;

    const qm::TParagraphStore& store = ed->editor().store();
    const sourceprint::LineSource line = [&](int i) { return store.lineText(qm::LineNum(i)); };
    const int tabSize = ed->editor().TabSize();
    std::vector<std::string> lines;
    if (request.selectionAvailable && printer.printRange() == QPrinter::Selection) {
        sourceprint::Selection s;
        ed->GetSelection(s.startLine, s.startColumn, s.endLine, s.endColumn);
        lines = sourceprint::selectedLines(line, s, tabSize);
    } else {
        lines = sourceprint::allLines(line, ed->LineCount(), tabSize);
    }
    const QString error = printSourceLines(printer, ed->FixedFont().font(), ed->FixedFont().color(), lines);
    if (!error.isEmpty()) Prompter::current().message(appTitle(), error, Prompter::Icon::Warning);
    ready(main);
}

}  // namespace

TfPreview& previewWindow(TmdiMain& main) {
    auto* existing = main.findChild<TfPreview*>(QString(), Qt::FindDirectChildrenOnly);
    if (existing) return *existing;
    auto* w = new TfPreview(&main);
    w->setPrinter(&sharedPrinter());
    // The first file of the command line is shown when the window first
    // opens, so a preview then adds to its history.
    if (!main.commandLineFiles().empty())
        w->setStartFile(QString::fromStdString(std::filesystem::absolute(main.commandLineFiles().front()).string()));
    w->setAboutHandler([&main] { main.runCommand("HelpAbout"); });
    return *w;
}

void installPreviewCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    m->setHandler("WebPreview1Click", [m] { WebPreview1Click(*m); });
    m->setHandler("FilePrint", [m] { FilePrint(*m); });
    m->setHandler("FilePrintSetup", [m] {
        Prompter::current().printSetup(sharedPrinter());
        ready(*m);
    });
}
