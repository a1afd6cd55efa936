#pragma once
// The project window ("Project Organiser"): one project at a time as an
// outline of file paths under a title, built and rearranged here, saved as a
// .qpr file, and opened one file or all files at once through the document
// opener the main window installs. Created once and hidden between uses; the
// outline rules live in Outline.h, the file format in ProjectFile.h.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "Outline.h"
#include "ProjectFile.h"
#include "TBag.h"

class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TfProj : public QDialog {
    Q_OBJECT
public:
    using DocumentOpener = std::function<void(const std::string& path)>;

    explicit TfProj(QWidget* parent = nullptr);

    void setDocumentOpener(DocumentOpener opener) { opener_ = std::move(opener); }

    const project::Project& project() const { return project_; }
    // Puts a project in the window (the outline shows it fully expanded).
    void setProject(project::Project p);
    std::optional<project::Path> selectedPath() const;
    void select(const project::Path& path);

    // The save question: true to go on, false to stop (the save dialog was
    // cancelled or the file could not be written). Answering No goes on and
    // leaves the project modified.
    bool SaveQuestion();

    // ---- Handlers ----
    void btnNewProjClick();
    void btnOpenProjClick();
    void btnSaveProjectClick();
    void btnAddFileClick();
    void btnRemoveFileClick();
    void btnOpenFileClick();
    void btnOpenAllClick();
    void BitBtn1Click();  // Expand All
    void BitBtn2Click();  // Collapse All
    void MoveUp1Click();
    void MoveDown1Click();
    void MoveLeft1Click();
    void MoveRight1Click();
    void btnCloseClick();
    // Deletes the project's file after a confirmation and empties the window.
    void btnDeleteProjClick();

    QLineEdit* txtTitle = nullptr;
    QLineEdit* tFN = nullptr;
    QTreeWidget* outProj = nullptr;
    QMenu* outlineMenu = nullptr;
    QPushButton* btnNewProj = nullptr;
    QPushButton* btnOpenProj = nullptr;
    QPushButton* btnSaveProject = nullptr;
    QPushButton* btnAddFile = nullptr;
    QPushButton* btnRemoveFile = nullptr;
    QPushButton* btnOpenFile = nullptr;
    QPushButton* btnOpenAll = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* btnClose = nullptr;
    QPushButton* btnDeleteProj = nullptr;

public slots:
    // Every way of closing (Close, Escape, the title bar) ends here: the
    // placement is stored, then the save question runs.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    using Move = std::optional<project::Path> (*)(std::vector<project::Item>&, const project::Path&);
    void move(Move rule);
    // Rebuilds the outline from the project and selects path (or keeps the
    // selection when it still names an item).
    void refresh(std::optional<project::Path> path = std::nullopt);
    void addItems(QTreeWidgetItem* parent, const std::vector<project::Item>& items);
    project::Path pathOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* widgetAt(const project::Path& path) const;
    void showFileName();

    project::Project project_;
    DocumentOpener opener_;
    TBag Prefs;
    bool rebuilding_ = false;
};
