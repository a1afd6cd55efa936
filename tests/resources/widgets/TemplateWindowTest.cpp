// The template chooser on a wired main window: the document OK creates from
// each kind of page, and the counter it shares with "New Document".

#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

#include "DocumentFixture.h"
#include "FileCommands.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TfTemplate.h"
#include "Templates.h"

namespace {

std::string joinedWithBreaks(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

}  // namespace

class TemplateWindowTest : public DocumentTest {
protected:
    // Runs "New from Template ..." with the chooser on the given page; prepare
    // runs on the shown chooser before OK is clicked.
    TfHTML* newFromTemplate(TmdiMain& w, int tab, const std::function<void(TfTemplate&)>& prepare = {}) {
        const ModalRunner before = setModalRunner([&](QDialog& d) {
            auto& chooser = dynamic_cast<TfTemplate&>(d);
            chooser.show();
            chooser.TabSet->setCurrentIndex(tab);
            if (prepare) prepare(chooser);
            chooser.OKBtn->click();
            return chooser.result();
        });
        w.runCommand("NewfromTemplate1Click");
        setModalRunner(before);
        return activeHtmlDocument(w);
    }
};

TEST_F(TemplateWindowTest, SimplePageStartsANumberedUnmodifiedDocumentSharingTheCounter) {
    auto w = startWired();
    const int before = newDocumentCount();
    TfHTML* doc = newFromTemplate(*w, 0);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->caption(), QString("New HTML Document %1").arg(before + 1));
    EXPECT_EQ(textOf(doc), joinedWithBreaks(templates::builtIns()[0].lines));
    EXPECT_FALSE(doc->txtHTML()->Modified());
    EXPECT_EQ(w->statusText(), "   Created a New HTML Document from Template...");
    EXPECT_EQ(FileNew(*w)->caption(), QString("New HTML Document %1").arg(before + 2));
    EXPECT_EQ(newFromTemplate(*w, 3)->caption(), QString("New HTML Document %1").arg(before + 3));
}

TEST_F(TemplateWindowTest, UserPageUsesTheFileLastShownAndKeepsItOnAReadError) {
    auto w = startWired();
    // Before any file is shown the page holds one empty line.
    EXPECT_EQ(textOf(newFromTemplate(*w, TfTemplate::kUserPage)), "\n");

    makeFile("lf.tpl", "<P>\n\n</P>\n");
    makeFile("other.tpl", "x\r\n");
    std::filesystem::create_directory(dir.file("sub.tpl"));
    TfHTML* doc = newFromTemplate(*w, TfTemplate::kUserPage, [&](TfTemplate& t) {
        t.changeFolder(qpath(dir.path()));
        EXPECT_EQ(t.FileListBox->count(), 2) << "template files only, no folders";
        t.UpdateMemo("lf.tpl");
        t.UpdateMemo("sub.tpl");
    });
    EXPECT_EQ(prompter->lastText(), "Cannot open file " + qpath(dir.file("sub.tpl")));
    EXPECT_EQ(textOf(doc), "<P>\n\n</P>\n");
    auto* chooser = w->findChild<TfTemplate*>();
    EXPECT_EQ(chooser->Memo1->toPlainText(), "<P>\n\n</P>");
    EXPECT_EQ(chooser->folder(), qpath(dir.path())) << "the folder stays for the next use";
}
