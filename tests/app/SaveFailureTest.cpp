// Saves that the file system refuses. Permissions do not stop root, so this
// case runs in an unprivileged process (the *_unprivileged CTest entry) and
// skips when run as root.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <sys/stat.h>
#include <unistd.h>

#include "DocumentFixture.h"
#include "TTextEditControl.h"
#include "TfHTML.h"

namespace fs = std::filesystem;

TEST_F(DocumentTest, UnprivilegedFailedSaveKeepsTheOldFileAndTheWindowModified) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files; run by app_document_test_unprivileged";
    auto w = startWired();
    fs::create_directory(dir.file("site"));
    const fs::path page = dir.file("site") / "page.html";
    qmtest::writeFile(page, "old\r\n");
    TfHTML* doc = OpenDocument(*w, qpath(page));
    ASSERT_NE(doc, nullptr);
    ::chmod(page.c_str(), 0444);
    ::chmod(dir.file("site").c_str(), 0555);
    doc->txtHTML()->InsertText(std::string_view("new "));

    w->runCommand("FileSave");
    EXPECT_TRUE(prompter->lastText().startsWith("Unable to save " + qpath(page)))
        << prompter->lastText().toStdString();
    EXPECT_TRUE(doc->txtHTML()->Modified());
    EXPECT_EQ(qmtest::readFile(page), "old\r\n");
    EXPECT_FALSE(fs::exists(dir.file("site") / "page.BAK"));

    // Closing: Yes fails the same way and the window stays.
    prompter->answerConfirm(Prompter::Yes);
    w->runCommand("FileCloseChild");
    EXPECT_EQ(w->mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(qmtest::readFile(page), "old\r\n");

    ::chmod(dir.file("site").c_str(), 0755);  // so the folder can be removed
    doc->txtHTML()->setModified(false);
}
