#include "FileCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <filesystem>

#include "DurableFile.h"
#include "Paths.h"
#include "Prompter.h"
#include "StartupRules.h"
#include "StatusLineLabel.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TmdiMain.h"

namespace {

int newDocuments = 0;

QString appTitle() { return QString::fromUtf8(startup::kAppTitle); }
void status(TmdiMain& main, const QString& text) { main.SetStatusText(text); }
void ready(TmdiMain& main) { main.SetStatusText(QStringLiteral("Ready ...")); }

Prompter::FileRequest openDialog() {
    Prompter::FileRequest req;
    req.caption = QStringLiteral("Open");
    req.filter = QStringLiteral(
        "HTML Documents (*.html;*.htm)|*.html;*.htm|Plimo Plug In Files (*.plg)|*.plg|Text Files (*.txt)|*.txt|"
        "Template Files (*.tpl)|*.tpl|Form Definition (*.qtb)|*.qfd|All Files (*.*)|*.*");
    req.multiple = true;
    return req;
}

Prompter::FileRequest saveDialog() {
    Prompter::FileRequest req;
    req.caption = QStringLiteral("Save As");
    req.filter = QStringLiteral(
        "HTML Document (*.html)|*.html|Plimo Plug In Files (*.plg)|*.plg|Text Files (*.txt)|*.txt|"
        "Template Files (*.tpl)|*.tpl|Form Definition (*.qtb)|*.qfd|All Files (*.*)|*.*");
    return req;
}

// Another window already holding this identity: saving there would give one
// file two windows whose saves overwrite each other.
bool openElsewhere(TmdiMain& main, const TfHTML* doc, const std::string& id) {
    for (TfHTML* other : htmlDocuments(main))
        if (other != doc && other->filePath() == id) return true;
    return false;
}

// Saves an untitled document (or Save As) under a name from the dialog;
// false when cancelled or the save failed.
bool saveUnderNewName(TmdiMain& main, TfHTML* doc) {
    const QString chosen = Prompter::current().saveFile(saveDialog());
    if (chosen.isEmpty()) return false;
    // The dialog gives names as text: a name that is not UTF-8 cannot be
    // chosen there (the command line can open it).
    const std::string id = paths::documentIdentity(chosen.toStdString());
    if (openElsewhere(main, doc, id)) {
        Prompter::current().message(appTitle(), chosen + QStringLiteral(" is already open."));
        return false;
    }
    status(main, QStringLiteral("Saving ") + chosen + QStringLiteral(" ..."));
    // A read-only choice was answered inside (another name, or nothing).
    const std::string before = doc->filePath();
    if (!doc->saveTo(id)) return false;
    if (doc->filePath() == before) doc->setFilePath(id);
    MRUUpdate(main, doc->filePath());
    return true;
}

}  // namespace

int newDocumentCount() { return newDocuments; }

TfHTML* newUntitledDocument(TmdiMain& main) {
    TfHTML* doc = TfHTML::create(main);
    ++newDocuments;
    doc->setCaption(QStringLiteral("New HTML Document ") + QString::number(newDocuments));
    doc->useNewDocumentLineEnds();
    return doc;
}

TfHTML* FileNew(TmdiMain& main) {
    status(main, QStringLiteral("Created a New HTML Document ..."));
    TfHTML* doc = newUntitledDocument(main);
    const std::filesystem::path tpl = paths::dataFile("standard.tpl");
    std::error_code ec;
    if (std::filesystem::exists(tpl, ec)) {
        doc->loadFrom(tpl.string());
        doc->useNewDocumentLineEnds();  // the template's own line ends do not carry over
    } else {
        Prompter::current().message(
            appTitle(), QStringLiteral("Quillmar was unable to find the default template (standard.tpl)  in the "
                                       "Quillmar Directory.  You will need to create a new version."));
    }
    doc->bringToFront();
    doc->txtHTML()->setModified(false);
    main.TabsUpdate(doc->caption());
    main.SelectTabName(doc->caption());
    ready(main);
    return doc;
}

void FileOpen(TmdiMain& main) {
    const QStringList files = Prompter::current().openFiles(openDialog());
    for (const QString& file : files) {
        status(main, QStringLiteral("Opening File : ") + file + QStringLiteral(" ..."));
        OpenDocument(main, file);
    }
    ready(main);
}

void FileSave(TmdiMain& main) {
    if (TfHTML* doc = activeHtmlDocument(main)) {
        if (doc->isUntitled()) {
            if (saveUnderNewName(main, doc)) main.TabsUpdate(doc->caption());
        } else {
            status(main, QStringLiteral("Saving ") + doc->caption() + QStringLiteral(" ..."));
            if (doc->saveTo(doc->filePath())) MRUUpdate(main, doc->filePath());
        }
    }
    main.TabsRefresh();
    ready(main);
}

void FileSaveAs(TmdiMain& main) {
    TfHTML* doc = activeHtmlDocument(main);
    if (!doc) return;
    main.statusLine()->setCaption(QStringLiteral("Saving ..."));
    saveUnderNewName(main, doc);
    main.TabsRefresh();
    ready(main);
}

void FileCloseChild(TmdiMain& main) {
    if (TfHTML* doc = activeHtmlDocument(main)) doc->subWindow()->close();
}

void CloseAll1Click(TmdiMain& main) {
    const QList<TfHTML*> docs = htmlDocuments(main);
    for (auto it = docs.rbegin(); it != docs.rend(); ++it) (*it)->subWindow()->close();
}

void InsertFile1Click(TmdiMain& main) {
    TfHTML* doc = activeHtmlDocument(main);
    if (!doc) return;
    Prompter::FileRequest req = openDialog();
    const QStringList files = Prompter::current().openFiles(req);
    if (files.isEmpty()) {
        ready(main);
        return;
    }
    const QString file = files.first();
    status(main, QStringLiteral("Inserting File : ") + file + QStringLiteral(" ..."));
    // The document's own limit: what it cannot hold is refused unread.
    const durable::ReadResult read =
        durable::readFile(file.toStdString(), static_cast<std::uint64_t>(doc->txtHTML()->editor().store().ByteLimit()));
    if (!read) {
        Prompter::current().message(appTitle(),
                                    QStringLiteral("Unable to read ") + file + QStringLiteral(".\n\n") +
                                        QString::fromStdString(read.reason),
                                    Prompter::Icon::Warning);
        ready(main);
        return;
    }
    const std::string& bytes = read.bytes;
    // Every line ends in a line break, the last one included; all lines go
    // in as one edit (one undo step) with the caret after the last.
    std::string text;
    text.reserve(bytes.size() + 2);
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t nl = bytes.find('\n', pos);
        const size_t end = nl == std::string::npos ? bytes.size() : nl;
        size_t lineEnd = end;
        if (lineEnd > pos && bytes[lineEnd - 1] == '\r') --lineEnd;
        text.append(bytes, pos, lineEnd - pos);
        text += "\r\n";
        pos = end + 1;
    }
    doc->txtHTML()->InsertText(std::string_view(text));
    doc->txtHTML()->setModified(true);
    ready(main);
}

// The menu is refreshed with every change of the list, so an item always
// names the file it opens.
void MRUUpdate(TmdiMain& main, const std::string& name) {
    main.recentFiles().update(name);
    main.MRUDisplay();
}

bool saveDocumentAs(TmdiMain& main, TfHTML* doc) {
    const bool saved = saveUnderNewName(main, doc);
    main.TabsRefresh();
    return saved;
}

void MRUOpenChild(TmdiMain& main, int index) {
    if (index < 0 || index >= RecentFiles::kCount) return;
    const std::string& entry = main.recentFiles().entry(index);
    if (!entry.empty()) OpenDocument(main, entry);
}

bool queryCloseAllDocuments(TmdiMain& main) {
    QList<TfHTML*> asked;
    const QList<QMdiSubWindow*> order = main.mdiArea()->subWindowList(QMdiArea::StackingOrder);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        auto* doc = qobject_cast<TfHTML*>((*it)->widget());
        if (!doc) continue;
        if (!doc->FormQueryClose()) {
            for (TfHTML* d : asked) d->withdrawApproval();
            // The prompt took the answered documents' tabs; they stay open.
            main.TabsRefresh();
            return false;
        }
        doc->approveClose(true);
        asked << doc;
    }
    return true;
}

void installFileCommands(TmdiMain& main) {
    TmdiMain* m = &main;
    main.setHandler("FileNew", [m] { FileNew(*m); });
    main.setHandler("FileOpen", [m] { FileOpen(*m); });
    main.setHandler("FileSave", [m] { FileSave(*m); });
    main.setHandler("FileSaveAs", [m] { FileSaveAs(*m); });
    main.setHandler("FileCloseChild", [m] { FileCloseChild(*m); });
    main.setHandler("CloseAll1Click", [m] { CloseAll1Click(*m); });
    main.setHandler("InsertFile1Click", [m] { InsertFile1Click(*m); });
    main.setDocumentOpener([m](const std::string& path) { OpenDocument(*m, path); });
    main.setCloseQuery([m] { return queryCloseAllDocuments(*m); });
}
