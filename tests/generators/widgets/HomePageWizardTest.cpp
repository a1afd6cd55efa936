// The Home page wizard on a wired main window: "Create it" writes the page
// into a new document, Cancel writes nothing, and the dialog's own buttons.

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "ColourGrid.h"
#include "DocumentFixture.h"
#include "FileCommands.h"
#include "HomePageCommands.h"
#include "IniFile.h"
#include "RecordingHooks.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TfHPWiz.h"
#include "TfHTML.h"

namespace {

class HomePageWizardTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        main = startWired();
        wiz = main->findChild<TfHPWiz*>();
        ASSERT_NE(wiz, nullptr);
        main->IniControl().WriteString("Application Header", "User Name", "Jo");
        main->IniControl().WriteString("Application Header", "Email", "jo@example.org");
    }
    void TearDown() override {
        setModalRunner(std::move(previous_));
        for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
            if (auto* doc = qobject_cast<TfHTML*>(sub->widget())) doc->txtHTML()->setModified(false);
        main->mdiArea()->closeAllSubWindows();
        main.reset();
        DocumentTest::TearDown();
    }
    // Runs the wizard from its menu item; `user` acts on the shown dialog and
    // returns how it closed.
    void runWizard(const std::function<int(TfHPWiz&)>& user) {
        previous_ = setModalRunner([&](QDialog& d) {
            statusWhileShown = main->statusText().trimmed();
            return user(static_cast<TfHPWiz&>(d));
        });
        main->runCommand("NewHomePage1Click");
    }
    std::vector<std::string> lines(const TfHTML* doc) const {
        std::vector<std::string> out;
        for (int p = 1; p <= doc->txtHTML()->ParagraphCount(); ++p)
            out.emplace_back(doc->txtHTML()->GetParagraphText(p));
        return out;
    }

    std::unique_ptr<TmdiMain> main;
    TfHPWiz* wiz = nullptr;
    QString statusWhileShown;

private:
    ModalRunner previous_;
};

}  // namespace

TEST_F(HomePageWizardTest, CreateItWritesTheDefaultPageIntoANewDocument) {
    runWizard([](TfHPWiz& w) {
        w.OKBtn->click();
        return w.result();
    });
    EXPECT_EQ(statusWhileShown, "Loading Home Page Wizard ...");
    TfHTML* doc = activeHtmlDocument(*main);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->caption(), QString("New HTML Document %1").arg(newDocumentCount()));
    EXPECT_TRUE(doc->txtHTML()->Modified());
    EXPECT_EQ(main->tabStrip()->tabText(main->tabStrip()->currentIndex()), doc->caption());
    EXPECT_EQ(main->statusText().trimmed(), "Ready ...");

    std::vector<std::string> expected =
        homepage::pageLines(homepage::Fields{}, {"Jo", "jo@example.org"}, shortDateToday().toStdString());
    expected.push_back("");  // the caret's line after the last written one
    EXPECT_EQ(lines(doc), expected);
}

TEST_F(HomePageWizardTest, FieldsOfEveryPageReachThePage) {
    runWizard([](TfHPWiz& w) {
        w.tTitle->setText("T");
        w.tSubTitle->setText("S");
        w.optWelcome->setChecked(false);
        w.btnRight->setChecked(true);
        w.optIA->setChecked(true);
        w.txtIM->setText("a\\b.gif");
        w.optSlash2->setChecked(false);
        w.mSections->setPlainText("One");
        w.optMail->setChecked(false);
        w.optUpdated->setChecked(false);
        w.mAddress->setPlainText("Street\nTown");
        w.optFColor->setChecked(false);
        w.optUseBGImage->setChecked(false);
        QTest::mouseClick(w.grdColor, Qt::RightButton, {}, w.grdColor->cellRect(15).center());
        return int(QDialog::Accepted);
    });
    const std::vector<std::string> got = lines(activeHtmlDocument(*main));
    // clang-format off
    const std::vector<std::string> expected{
        "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN//3.0\">", "<HTML>", "<HEAD>", "<TITLE>T</TITLE>", "</HEAD>", "",
        "<BODY BGCOLOR=\"#FFFFFF\" >", "", "<h1 ALIGN=RIGHT>T</h1>", "<h2 ALIGN=RIGHT>S</h2>", "<p>",
        "<IMG SRC=\"a\\b.gif\" BORDER=1>", "<HR SIZE=2>", "<h1>One</h1>", "<!-- The text for \"One\" goes here. -->",
        "<P>", "<HR SIZE=1>", "<ADDRESS>", "<STRONG>Street</STRONG><BR>", "Town<BR>", "</ADDRESS><P>", "</BODY>",
        "</HTML>", "", ""};
    // clang-format on
    EXPECT_EQ(got, expected);
}

TEST_F(HomePageWizardTest, CancelCreatesNothingAndFieldsKeepTheirValues) {
    const int before = newDocumentCount();
    runWizard([](TfHPWiz& w) {
        w.tTitle->setText("Kept");
        QTest::keyClick(&w, Qt::Key_Escape);
        return w.result();
    });
    EXPECT_EQ(newDocumentCount(), before);
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 0);
    EXPECT_EQ(main->statusText().trimmed(), "Ready ...");
    EXPECT_EQ(wiz->tTitle->text(), "Kept");
    EXPECT_EQ(main->findChildren<TfHPWiz*>().size(), 1);
    const std::string place = IniFile("quilopt.ini").ReadString("HP Wizard", "FORM_PLACE", "");
    EXPECT_EQ(std::count(place.begin(), place.end(), ','), 9) << place;
}

TEST_F(HomePageWizardTest, ImageNamesAreBrowsedAndChangeCase) {
    RecordingHelp help;
    const struct {
        QPushButton* browse;
        QPushButton* upper;
        QPushButton* lower;
        QLineEdit* field;
    } pages[] = {{wiz->btnBrowse2, wiz->btnUC, wiz->btnLC, wiz->txtIM},
                 {wiz->btnBrowse, wiz->btnUpper, wiz->btnLower, wiz->txtImageName}};
    for (const auto& p : pages) {
        prompter->answerOpen({"/pics/Me.gif"});
        p.browse->click();
        EXPECT_EQ(prompter->shown().last().file.filter,
                  "Graphics Files|*.gif;*.jpg|GIF Files (*.gif)|*.gif|JPEG Files (*.jpg)|*.jpg|All Files (*.*)|*.*");
        EXPECT_EQ(prompter->shown().last().file.defaultExt, "gif");
        EXPECT_EQ(p.field->text(), "/pics/Me.gif");
        p.upper->click();
        EXPECT_EQ(p.field->text(), "/PICS/ME.GIF");
        p.lower->click();
        EXPECT_EQ(p.field->text(), "/pics/me.gif");
        prompter->answerCancel();
        p.browse->click();
        EXPECT_EQ(p.field->text(), "/pics/me.gif");
    }
    wiz->HelpBtn->click();
    EXPECT_EQ(help.calls, QStringList{"context quillmar.hlp 200"});
}

TEST_F(HomePageWizardTest, ColourGridAndLoneLinesOptionRespondToMouseAndKeys) {
    ColourGrid* g = wiz->grdColor;
    wiz->show();
    wiz->Notebook->setCurrentIndex(TfHPWiz::AppearancePage);
    EXPECT_EQ(g->foreground(), 4);
    EXPECT_EQ(g->background(), 7);
    QTest::mouseClick(g, Qt::LeftButton, {}, g->cellRect(9).center());
    QTest::mouseClick(g, Qt::RightButton, {}, g->cellRect(0).center());
    EXPECT_EQ(g->foreground(), 9);
    EXPECT_EQ(g->background(), 0);
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Down);   // from cell 0 to 8
    QTest::keyClick(g, Qt::Key_Right);  // 9
    QTest::keyClick(g, Qt::Key_Right);  // 10
    QTest::keyClick(g, Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClick(g, Qt::Key_Up);  // 2
    QTest::keyClick(g, Qt::Key_Space);
    EXPECT_EQ(g->foreground(), 2);
    EXPECT_EQ(g->background(), 10);

    wiz->Notebook->setCurrentIndex(TfHPWiz::SectionsPage);
    QTest::mouseClick(wiz->optLines, Qt::LeftButton);
    EXPECT_TRUE(wiz->optLines->isChecked());
    wiz->reject();
}
