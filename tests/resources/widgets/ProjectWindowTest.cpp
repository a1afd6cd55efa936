// The project window on a wired main window: building, saving and reopening
// a project, the save question's branches, removing, opening its files, the
// reader's errors and deleting the project file.

#include <QLineEdit>
#include <QTreeWidget>

#include "DocumentFixture.h"
#include "TfHTML.h"
#include "TfProj.h"

namespace fs = std::filesystem;

class ProjectWindowTest : public DocumentTest {
protected:
    TfProj& window(TmdiMain& w) { return *w.findChild<TfProj*>(); }
    void add(TfProj& p, const QString& file) {
        prompter->answerOpen({file});
        p.btnAddFileClick();
    }
    // The outline as shown: one line per item, indented by one '>' per level.
    static std::string shown(const TfProj& p) {
        QStringList out;
        std::function<void(QTreeWidgetItem*, int)> walk = [&](QTreeWidgetItem* item, int depth) {
            out << QString(depth, '>') + item->text(0);
            if (item->isExpanded())
                for (int i = 0; i < item->childCount(); ++i) walk(item->child(i), depth + 1);
        };
        for (int i = 0; i < p.outProj->topLevelItemCount(); ++i) walk(p.outProj->topLevelItem(i), 0);
        return out.join('|').toStdString();
    }
};

TEST_F(ProjectWindowTest, SiteWithASubPageIsSavedAsThreeLinesAndReopens) {
    auto w = startWired();
    TfProj& p = window(*w);
    const QString a = makeFile("a.htm", ""), b = makeFile("b.htm", "");
    prompter->answerInput("Site");
    p.btnNewProjClick();
    EXPECT_EQ(prompter->shown().last().text, "Enter a name for this Project");
    EXPECT_EQ(prompter->shown().last().detail, "HTML Project");
    add(p, a);
    add(p, b);  // in front of the selected a, which stays selected
    EXPECT_EQ(shown(p), (b + "|" + a).toStdString());
    p.select({0});
    p.MoveRight1Click();  // b is first: nothing happens
    p.MoveDown1Click();   // b after a
    p.MoveRight1Click();  // b under a
    EXPECT_EQ(shown(p), (a + "|>" + b).toStdString());

    prompter->answerConfirm(Prompter::Yes);
    prompter->answerSave(qpath(dir.file("site.qpr")));
    p.btnSaveProjectClick();
    EXPECT_EQ(qmtest::readFile(dir.file("site.qpr")), "Site\r\n" + a.toStdString() + "\r\n\t" + b.toStdString() + "\r\n");
    EXPECT_EQ(p.tFN->text(), qpath(dir.file("site.qpr")));
    EXPECT_FALSE(p.project().modified);

    prompter->answerInput("Other");
    p.btnNewProjClick();
    prompter->answerConfirm(Prompter::No);  // the new, unsaved "Other"
    prompter->answerOpen({qpath(dir.file("site.qpr"))});
    p.btnOpenProjClick();
    EXPECT_EQ(p.txtTitle->text(), "Site");
    EXPECT_EQ(shown(p), (a + "|>" + b).toStdString()) << "opened fully expanded";
    EXPECT_FALSE(p.project().modified);
    EXPECT_TRUE(prompter->errors().isEmpty()) << prompter->errors().join('\n').toStdString();
}

TEST_F(ProjectWindowTest, TheSaveQuestionInEachOfItsBranches) {
    auto w = startWired();
    TfProj& p = window(*w);
    const fs::path file = dir.file("p.qpr");
    qmtest::writeFile(file, "P\r\nx.htm\r\ny.htm\r\n");
    prompter->answerOpen({qpath(file)});
    p.btnOpenProjClick();
    p.show();

    // Save on an unchanged project still asks; the file exists, so no dialog.
    prompter->answerConfirm(Prompter::Yes);
    p.btnSaveProjectClick();
    EXPECT_EQ(prompter->lastText().toStdString(), "Save changes to " + file.string() + " ?");
    EXPECT_TRUE(p.project().fileName == file.string());

    // No when closing keeps the change in the window, not on disk, and asks again.
    p.MoveDown1Click();
    for (int round = 0; round < 2; ++round) {
        p.show();
        prompter->clearShown();
        prompter->answerConfirm(Prompter::No);
        p.btnCloseClick();
        EXPECT_EQ(prompter->texts(), QStringList{"Save changes to " + qpath(file) + " ?"});
    }
    EXPECT_EQ(qmtest::readFile(file), "P\r\nx.htm\r\ny.htm\r\n");
    EXPECT_TRUE(p.project().modified);

    // A cancelled save dialog stops: the new project is not made.
    fs::remove(file);
    prompter->answerInput("Next");
    prompter->answerConfirm(Prompter::Yes);
    prompter->answerCancel();
    p.btnNewProjClick();
    EXPECT_EQ(p.txtTitle->text(), "P");
    EXPECT_EQ(prompter->shown().last().file.filter, "Quillmar Project File (*.qpr)|*.qpr");
    EXPECT_TRUE(prompter->errors().isEmpty()) << prompter->errors().join('\n').toStdString();
}

TEST_F(ProjectWindowTest, RemovingOpeningAndDeleting) {
    auto w = startWired();
    TfProj& p = window(*w);
    const QString page = makeFile("page.htm", "hello\r\n");
    const QString gone = qpath(dir.file("gone.htm"));
    const fs::path file = dir.file("r.qpr");
    qmtest::writeFile(file, "R\r\n" + page.toStdString() + "\r\n\t" + gone.toStdString() + "\r\nlast\r\n");
    prompter->answerOpen({qpath(file)});
    p.btnOpenProjClick();

    p.btnOpenAllClick();
    EXPECT_EQ(htmlDocuments(*w).size(), 1);
    EXPECT_TRUE(prompter->texts().contains("Unable to find " + gone + ".")) << "reported by the open routine";
    p.select({0, 0});
    prompter->clearShown();
    p.btnOpenFileClick();
    EXPECT_EQ(prompter->texts(), QStringList{"Unable to find " + gone + "."});
    EXPECT_EQ(shown(p), (page + "|>" + gone + "|last").toStdString()) << "the project keeps a missing file";

    p.select({0});
    prompter->answerConfirm(Prompter::No);
    p.btnRemoveFileClick();
    EXPECT_EQ(prompter->lastText(), "This will remove all sub files as well \n\nContinue ?");
    EXPECT_FALSE(p.project().modified);
    prompter->answerConfirm(Prompter::Yes);
    p.btnRemoveFileClick();
    EXPECT_EQ(shown(p), "last");
    EXPECT_TRUE(p.project().modified);

    prompter->answerConfirm(Prompter::Yes);
    p.btnDeleteProjClick();
    EXPECT_EQ(prompter->lastText(), "Delete the project file " + qpath(file) + " ?");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(shown(p), "");
    EXPECT_EQ(p.tFN->text(), "");
    EXPECT_TRUE(prompter->errors().isEmpty()) << prompter->errors().join('\n').toStdString();
}

TEST_F(ProjectWindowTest, ALoadErrorKeepsWhatWasReadButNotTheFileName) {
    auto w = startWired();
    TfProj& p = window(*w);
    const struct {
        const char* bytes;
        const char* error;  // nullptr: read whole
        const char* outline;
    } cases[] = {
        {"S\r\na\r\n b\r\n  c\r\n", nullptr, "a|>b|>>c"},
        {"S\r\na\r\n\t\tdeep\r\nlater\r\n", "File load error", "a"},
    };
    for (const auto& c : cases) {
        const fs::path file = dir.file("load.qpr");
        qmtest::writeFile(file, c.bytes);
        prompter->clearShown();
        if (p.project().modified) prompter->answerConfirm(Prompter::No);
        prompter->answerOpen({qpath(file)});
        p.btnOpenProjClick();
        EXPECT_EQ(shown(p), c.outline) << c.bytes;
        EXPECT_EQ(p.tFN->text(), c.error ? QString() : qpath(file)) << c.bytes;
        EXPECT_EQ(prompter->lastText(), c.error ? QString(c.error) : QString()) << c.bytes;
    }
}

TEST_F(ProjectWindowTest, MenusShowTheWindowModallyOrWithTheOpenDocuments) {
    auto w = startWired();
    w->runCommand("OpenProjectWindow1Click");
    EXPECT_TRUE(modalTitles.contains("Project Organiser"));

    const QString a = makeFile("a.htm", "");
    OpenDocument(*w, a);
    prompter->answerInput("Open Now");
    prompter->answerConfirm(Prompter::Yes);
    prompter->answerSave(qpath(dir.file("now.qpr")));
    w->runCommand("SaveOpenasNewProject1Click");
    TfProj& p = window(*w);
    EXPECT_TRUE(p.isVisible());
    EXPECT_FALSE(p.isModal());
    EXPECT_EQ(p.txtTitle->text(), "Open Now");
    EXPECT_EQ(shown(p), a.toStdString());
    EXPECT_EQ(p.tFN->text(), qpath(dir.file("now.qpr")));
}
