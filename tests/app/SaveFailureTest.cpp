// Saves that the file system or the file's permissions refuse.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLabel>
#include <QTabBar>
#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

#include "DocumentFixture.h"
#include "TTextEditControl.h"
#include "TfHTML.h"

namespace fs = std::filesystem;

// A file without write permission is never replaced: Save says so and offers
// Save As (it used to be silently replaced). Runs as root (no write bit at all)
// and as an unprivileged user (the *_unprivileged CTest entry).
TEST_F(DocumentTest, UnprivilegedReadOnlyFileIsNeverReplacedAndSaveAsIsOffered) {
    auto w = startWired();
    fs::create_directory(dir.file("site"));
    const fs::path page = dir.file("site") / "page.html";
    const fs::path copy = dir.file("site") / "copy.html";
    qmtest::writeFile(page, "old\r\n");
    ::chmod(page.c_str(), 0444);
    TfHTML* doc = OpenDocument(*w, qpath(page));
    ASSERT_NE(doc, nullptr);
    doc->txtHTML()->InsertText(std::string_view("new "));
    w->ShowStatus();
    EXPECT_EQ(w->panel("pnlMode")->text(), "Read-only");
    EXPECT_EQ(w->tabStrip()->tabToolTip(0), qpath(page) + " (read-only)");

    prompter->answerConfirm(Prompter::No);
    w->runCommand("FileSave");
    EXPECT_EQ(prompter->lastText(), qpath(page) + " is read-only.\n\nSave it under another name?");
    EXPECT_TRUE(doc->txtHTML()->Modified());
    EXPECT_EQ(qmtest::readFile(page), "old\r\n");
    EXPECT_EQ(fs::status(page).permissions(), fs::perms(0444));

    // Closing: Yes to saving, No to another name: the window stays.
    prompter->answerConfirm(Prompter::Yes);
    prompter->answerConfirm(Prompter::No);
    w->runCommand("FileCloseChild");
    EXPECT_EQ(w->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(qmtest::readFile(page), "old\r\n");

    // Yes: Save As writes elsewhere and the window takes the new name.
    prompter->answerConfirm(Prompter::Yes);
    prompter->answerSave(qpath(copy));
    w->runCommand("FileSave");
    EXPECT_EQ(qmtest::readFile(copy), "new old\r\n");
    EXPECT_EQ(qmtest::readFile(page), "old\r\n");
    EXPECT_EQ(doc->filePath(), fs::canonical(copy).string());
    EXPECT_FALSE(doc->txtHTML()->Modified());
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.file("site"))) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"copy.html", "page.html"}));
    EXPECT_TRUE(prompter->errors().isEmpty()) << prompter->errors().join("; ").toStdString();
}
