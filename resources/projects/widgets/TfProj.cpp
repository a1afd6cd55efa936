#include "TfProj.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "Application.h"
#include "Paths.h"
#include "Prompter.h"

namespace {

const QString kCaption = QStringLiteral("Project Organiser");
const QString kProjectFilter = QStringLiteral("Quillmar Project File (*.qpr)|*.qpr");

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

TfProj::TfProj(QWidget* parent) : QDialog(parent), Prefs("quilopt.ini", "Project Org") {
    setObjectName(QStringLiteral("fProj"));
    setWindowTitle(kCaption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    txtTitle = new QLineEdit(this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtTitle->setStyleSheet(QStringLiteral("QLineEdit { background: navy; color: white; font-weight: bold; }"));
    tFN = new QLineEdit(this);
    tFN->setObjectName(QStringLiteral("tFN"));
    tFN->setReadOnly(true);
    tFN->setFocusPolicy(Qt::NoFocus);
    tFN->setStyleSheet(QStringLiteral("QLineEdit { background: grey; color: white; }"));
    outProj = new QTreeWidget(this);
    outProj->setObjectName(QStringLiteral("outProj"));
    outProj->setHeaderHidden(true);
    outProj->setColumnCount(1);
    outProj->header()->setStretchLastSection(true);
    outProj->setContextMenuPolicy(Qt::CustomContextMenu);

    auto button = [this](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    btnNewProj = button("&New Project", "btnNewProj");
    btnOpenProj = button("&Open Project", "btnOpenProj");
    btnSaveProject = button("&Save Project", "btnSaveProject");
    btnAddFile = button("&Add File(s)", "btnAddFile");
    btnRemoveFile = button("&Remove File", "btnRemoveFile");
    btnOpenFile = button("Open &File", "btnOpenFile");
    btnOpenAll = button("Open A&ll", "btnOpenAll");
    BitBtn1 = button("Expand All &>", "BitBtn1");
    BitBtn2 = button("Collapse All &<", "BitBtn2");
    Button1 = button("&Up", "Button1");
    Button2 = button("&Down", "Button2");
    Button3 = button("&<", "Button3");
    Button4 = button("&>", "Button4");
    btnClose = button("&Close", "btnClose");
    btnDeleteProj = button("&Delete Project", "btnDeleteProj");

    outlineMenu = new QMenu(this);
    QAction* moveUp = outlineMenu->addAction(QStringLiteral("Move &Up"));
    QAction* moveDown = outlineMenu->addAction(QStringLiteral("Move &Down"));
    QAction* moveLeft = outlineMenu->addAction(QStringLiteral("Move &Left"));
    QAction* moveRight = outlineMenu->addAction(QStringLiteral("Move &Right"));
    moveUp->setObjectName(QStringLiteral("MoveUp1"));
    moveDown->setObjectName(QStringLiteral("MoveDown1"));
    moveLeft->setObjectName(QStringLiteral("MoveLeft1"));
    moveRight->setObjectName(QStringLiteral("MoveRight1"));

    auto* head = new QGridLayout;
    head->addWidget(new QLabel(QStringLiteral("Title"), this), 0, 0);
    head->addWidget(txtTitle, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("File"), this), 1, 0);
    head->addWidget(tFN, 1, 1);
    auto* moves = new QHBoxLayout;
    for (QPushButton* b : {Button1, Button2, Button3, Button4, BitBtn1, BitBtn2}) moves->addWidget(b);
    auto* left = new QVBoxLayout;
    left->addLayout(head);
    left->addWidget(outProj, 1);
    left->addLayout(moves);
    auto* right = new QVBoxLayout;
    for (QPushButton* b : {btnNewProj, btnOpenProj, btnSaveProject, btnDeleteProj}) right->addWidget(b);
    right->addSpacing(12);
    for (QPushButton* b : {btnAddFile, btnRemoveFile, btnOpenFile, btnOpenAll}) right->addWidget(b);
    right->addStretch();
    right->addWidget(btnClose);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(right);
    resize(620, 440);

    auto wire = [this](auto* sender, auto signal, void (TfProj::*handler)()) {
        connect(sender, signal, this, [this, handler] { dispatch([&] { (this->*handler)(); }); });
    };
    wire(btnNewProj, &QPushButton::clicked, &TfProj::btnNewProjClick);
    wire(btnOpenProj, &QPushButton::clicked, &TfProj::btnOpenProjClick);
    wire(btnSaveProject, &QPushButton::clicked, &TfProj::btnSaveProjectClick);
    wire(btnAddFile, &QPushButton::clicked, &TfProj::btnAddFileClick);
    wire(btnRemoveFile, &QPushButton::clicked, &TfProj::btnRemoveFileClick);
    wire(btnOpenFile, &QPushButton::clicked, &TfProj::btnOpenFileClick);
    wire(btnOpenAll, &QPushButton::clicked, &TfProj::btnOpenAllClick);
    wire(BitBtn1, &QPushButton::clicked, &TfProj::BitBtn1Click);
    wire(BitBtn2, &QPushButton::clicked, &TfProj::BitBtn2Click);
    wire(Button1, &QPushButton::clicked, &TfProj::MoveUp1Click);
    wire(Button2, &QPushButton::clicked, &TfProj::MoveDown1Click);
    wire(Button3, &QPushButton::clicked, &TfProj::MoveLeft1Click);
    wire(Button4, &QPushButton::clicked, &TfProj::MoveRight1Click);
    wire(btnClose, &QPushButton::clicked, &TfProj::btnCloseClick);
    wire(btnDeleteProj, &QPushButton::clicked, &TfProj::btnDeleteProjClick);
    wire(moveUp, &QAction::triggered, &TfProj::MoveUp1Click);
    wire(moveDown, &QAction::triggered, &TfProj::MoveDown1Click);
    wire(moveLeft, &QAction::triggered, &TfProj::MoveLeft1Click);
    wire(moveRight, &QAction::triggered, &TfProj::MoveRight1Click);
    wire(outProj, &QTreeWidget::itemDoubleClicked, &TfProj::btnOpenFileClick);
    connect(outProj, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { outlineMenu->popup(outProj->viewport()->mapToGlobal(at)); });
    // The title is the user's to edit; it alone does not make the project modified.
    connect(txtTitle, &QLineEdit::textEdited, this, [this](const QString& t) { project_.title = t.toStdString(); });
    // Opening and closing a branch by hand is remembered, so moves keep it.
    auto remember = [this](QTreeWidgetItem* item, bool open) {
        if (rebuilding_) return;
        if (project::Item* it = project::itemAt(project_.items, pathOf(item))) it->expanded = open;
    };
    connect(outProj, &QTreeWidget::itemExpanded, this, [remember](QTreeWidgetItem* i) { remember(i, true); });
    connect(outProj, &QTreeWidget::itemCollapsed, this, [remember](QTreeWidgetItem* i) { remember(i, false); });
}

void TfProj::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) dispatch([this] {
            Prefs.Load();
            Prefs.RestorePlacement("FORM_PLACE", *this);
            // The outline has the keys first, so Alt and a button's letter
            // press the button instead of editing the title.
            outProj->setFocus();
        });
}

void TfProj::done(int result) {
    dispatch([this] {
        Prefs.SavePlacement("FORM_PLACE", *this);
        Prefs.Save();
        // A cancelled question leaves the project here, still modified.
        SaveQuestion();
    });
    QDialog::done(result);
}

// ---- The outline on screen ----

void TfProj::setProject(project::Project p) {
    project_ = std::move(p);
    project::expandAll(project_.items);
    txtTitle->setText(qs(project_.title));
    showFileName();
    refresh(project_.items.empty() ? std::nullopt : std::optional<project::Path>(project::Path{0}));
}

void TfProj::showFileName() { tFN->setText(qs(project_.fileName)); }

void TfProj::addItems(QTreeWidgetItem* parent, const std::vector<project::Item>& items) {
    for (const project::Item& item : items) {
        auto* w = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(outProj);
        w->setText(0, qs(item.text));
        addItems(w, item.children);
        w->setExpanded(item.expanded);
    }
}

void TfProj::refresh(std::optional<project::Path> path) {
    if (!path) path = selectedPath();
    rebuilding_ = true;
    outProj->clear();
    addItems(nullptr, project_.items);
    rebuilding_ = false;
    if (path && project::itemAt(project_.items, *path))
        select(*path);
    else if (!project_.items.empty())
        select({0});
}

project::Path TfProj::pathOf(const QTreeWidgetItem* item) const {
    project::Path path;
    for (; item; item = item->parent()) {
        const int index = item->parent() ? item->parent()->indexOfChild(const_cast<QTreeWidgetItem*>(item))
                                         : outProj->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
        path.insert(path.begin(), std::size_t(index));
    }
    return path;
}

QTreeWidgetItem* TfProj::widgetAt(const project::Path& path) const {
    QTreeWidgetItem* item = nullptr;
    for (std::size_t index : path) {
        const int i = int(index);
        item = item ? item->child(i) : outProj->topLevelItem(i);
        if (!item) return nullptr;
    }
    return item;
}

std::optional<project::Path> TfProj::selectedPath() const {
    if (const QTreeWidgetItem* item = outProj->currentItem()) return pathOf(item);
    return std::nullopt;
}

void TfProj::select(const project::Path& path) {
    if (QTreeWidgetItem* item = widgetAt(path)) outProj->setCurrentItem(item);
}

// ---- The save question ----

bool TfProj::SaveQuestion() {
    if (!project_.modified) return true;
    if (!isVisible()) show();
    Prompter& prompter = Prompter::current();
    const QString name = project_.fileName.empty() ? QStringLiteral("Untitled Project") : qs(project_.fileName);
    if (prompter.confirm(kCaption, QStringLiteral("Save changes to ") + name + QStringLiteral(" ?"),
                         Prompter::Yes | Prompter::No, Prompter::Yes) != Prompter::Yes)
        return true;

    std::error_code ec;
    if (project_.fileName.empty() || !std::filesystem::exists(project_.fileName, ec)) {
        Prompter::FileRequest req;
        req.caption = QStringLiteral("Save Project As");
        req.filter = kProjectFilter;
        req.defaultExt = QStringLiteral("qpr");
        req.overwritePrompt = true;
        const QString chosen = prompter.saveFile(req);
        if (chosen.isEmpty()) return false;
        project_.fileName = paths::documentIdentity(chosen.toStdString());
        showFileName();
    }
    const project::WriteResult written = project::write(project_.fileName, project_.title, project_.items);
    if (!written.ok) {
        // The user hears of it and the project stays unsaved.
        prompter.message(kCaption, qs(written.message), Prompter::Icon::Warning);
        return false;
    }
    project_.modified = false;
    // The outline is rebuilt from the file as written, so it shows what a
    // later Open will show. Reading back the project file itself needs no
    // scratch file of our own beside the user's files.
    project::ReadResult back = project::read(project_.fileName);
    if (back.error.empty()) {
        project_.items = std::move(back.items);
        project::expandAll(project_.items);
    }
    refresh();
    return true;
}

// ---- Buttons ----

void TfProj::btnNewProjClick() {
    const std::optional<QString> name = Prompter::current().input(
        QStringLiteral("New Project"), QStringLiteral("Enter a name for this Project"), QStringLiteral("HTML Project"));
    if (!name) return;
    if (project_.modified && !SaveQuestion()) return;
    project::Project fresh;
    fresh.title = name->toStdString();
    fresh.modified = true;
    setProject(std::move(fresh));
}

void TfProj::btnOpenProjClick() {
    if (!SaveQuestion()) return;
    Prompter& prompter = Prompter::current();
    Prompter::FileRequest req;
    req.caption = QStringLiteral("Open Project");
    req.filter = kProjectFilter;
    req.defaultExt = QStringLiteral("qpr");
    const QStringList chosen = prompter.openFiles(req);
    if (chosen.isEmpty()) return;
    const std::string path = paths::documentIdentity(chosen.first().toStdString());
    project::ReadResult r = project::read(path);
    if (!r.opened) {
        prompter.message(kCaption, qs(r.error), Prompter::Icon::Warning);
        return;
    }
    project::Project loaded;
    loaded.title = std::move(r.title);
    loaded.items = std::move(r.items);
    if (r.error.empty()) {
        loaded.fileName = path;
    } else {
        // What was read before the error stays in the window, but not under
        // the file's name: saving it there would cut the file short.
        loaded.modified = true;
    }
    setProject(std::move(loaded));
    outProj->setFocus();
    if (!r.error.empty()) prompter.message(kCaption, qs(r.error), Prompter::Icon::Warning);
}

void TfProj::btnSaveProjectClick() {
    project_.modified = true;
    SaveQuestion();
}

void TfProj::btnAddFileClick() {
    Prompter::FileRequest req;
    req.caption = QStringLiteral("Add File(s)");
    req.filter = QStringLiteral(
        "HTML Document (*.htm;*.html)|*.htm;*.html|Plimo Plug In Files (*.plg)|*.plg|Text Files (*.txt)|*.txt|"
        "All Files (*.*)|*.*");
    req.defaultExt = QStringLiteral("htm");
    req.multiple = true;
    const QStringList files = Prompter::current().openFiles(req);
    if (files.isEmpty()) return;
    std::vector<std::string> paths;
    for (const QString& f : files) paths.push_back(paths::documentIdentity(f.toStdString()));
    const project::Path at = project::insertBefore(project_.items, selectedPath(), paths);
    project_.modified = true;
    refresh(at);
}

void TfProj::btnRemoveFileClick() {
    const std::optional<project::Path> path = selectedPath();
    const project::Item* item = path ? project::itemAt(project_.items, *path) : nullptr;
    if (!item) return;
    if (!item->children.empty() &&
        Prompter::current().confirm(kCaption,
                                    QStringLiteral("This will remove all sub files as well \n\nContinue ?"),
                                    Prompter::Yes | Prompter::No, Prompter::No) != Prompter::Yes)
        return;
    const std::optional<project::Path> next = project::remove(project_.items, *path);
    project_.modified = true;
    refresh(next);
}

void TfProj::btnOpenFileClick() {
    const std::optional<project::Path> path = selectedPath();
    const project::Item* item = path ? project::itemAt(project_.items, *path) : nullptr;
    if (item && opener_) opener_(item->text);
}

void TfProj::btnOpenAllClick() {
    if (!opener_) return;
    for (const std::string& text : project::allTexts(project_.items)) opener_(text);
}

void TfProj::BitBtn1Click() {
    project::expandAll(project_.items);
    refresh();
}

void TfProj::BitBtn2Click() {
    std::optional<project::Path> path = selectedPath();
    project::collapseAll(project_.items);
    // The selection moves to the top-level item that now hides it.
    if (path) path->resize(1);
    refresh(path);
}

void TfProj::move(Move rule) {
    const std::optional<project::Path> path = selectedPath();
    if (!path) return;
    if (const std::optional<project::Path> moved = rule(project_.items, *path)) {
        project_.modified = true;
        refresh(moved);
    }
}

void TfProj::MoveUp1Click() { move(&project::moveUp); }
void TfProj::MoveDown1Click() { move(&project::moveDown); }
void TfProj::MoveLeft1Click() { move(&project::moveLeft); }
void TfProj::MoveRight1Click() { move(&project::moveRight); }

void TfProj::btnCloseClick() { close(); }

void TfProj::btnDeleteProjClick() {
    Prompter& prompter = Prompter::current();
    if (project_.fileName.empty()) {
        prompter.message(kCaption, QStringLiteral("This project has no file to delete."));
        return;
    }
    const QString name = qs(project_.fileName);
    if (prompter.confirm(kCaption, QStringLiteral("Delete the project file ") + name + QStringLiteral(" ?"),
                         Prompter::Yes | Prompter::No, Prompter::No) != Prompter::Yes)
        return;
    std::error_code ec;
    std::filesystem::remove(project_.fileName, ec);
    if (ec) {
        prompter.message(kCaption, QStringLiteral("Unable to delete ") + name + QStringLiteral(": ") +
                                       QString::fromStdString(ec.message()),
                         Prompter::Icon::Warning);
        return;
    }
    // The files it listed stay where they are; only the project is gone.
    setProject({});
}
