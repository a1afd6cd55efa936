// The Forms wizard on a wired main window: each page's element through its
// real buttons into a real document or onto the clipboard, the Action URL
// setting, form definition files and the window's own behaviour.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <functional>

#include "DocumentFixture.h"
#include "EditPositions.h"
#include "IniFile.h"
#include "RecordingHooks.h"
#include "TMegaRegistry.h"
#include "TTextEditControl.h"
#include "TfFormWiz.h"
#include "TfHTML.h"

namespace {

class FormsWizardTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        main = startWired();
        wiz = main->findChild<TfFormWiz*>();
        ASSERT_NE(wiz, nullptr);
    }
    void TearDown() override {
        for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
            if (auto* doc = qobject_cast<TfHTML*>(sub->widget())) doc->txtHTML()->setModified(false);
        main->mdiArea()->closeAllSubWindows();
        main.reset();
        DocumentTest::TearDown();
    }
    // A new active document holding `text`, caret at the start.
    TTextEditControl& newDocument(const std::string& text = {}) {
        TfHTML* doc = TfHTML::create(*main);
        main->mdiArea()->setActiveSubWindow(doc->subWindow());
        TTextEditControl& c = *doc->txtHTML();
        c.InsertText(std::string_view(text));
        c.SetCaret(1, 1);
        return c;
    }
    static std::string text(const TTextEditControl& c) {
        std::string out;
        for (int p = 1; p <= c.ParagraphCount(); ++p) out += (p > 1 ? "\n" : "") + std::string(c.GetParagraphText(p));
        return out;
    }
    // The caret's place in its paragraph (display columns change with the wrap).
    static int caretColumn(const TTextEditControl& c) { return editpos::caret(c).pos.value; }
    QString status() const { return main->statusText().trimmed(); }

    std::unique_ptr<TmdiMain> main;
    TfFormWiz* wiz = nullptr;
};

}  // namespace

TEST_F(FormsWizardTest, DefaultsOfEveryPageGoIntoTheDocument) {
    const struct {
        int page;
        const char* text;
        int caret;  // the caret's place in the line after sending
    } cases[] = {
        {TfFormWiz::FormPage,
         "<FORM METHOD=\"POST\" ACTION=\"http://\" ENCTYPE=\"application/x-www-form-urlencoded\"></FORM>", 82},
        {TfFormWiz::SubmitPage, "<INPUT TYPE=SUBMIT VALUE=\"SUBMIT\">", 35},
        {TfFormWiz::ResetPage, "<INPUT TYPE=\"RESET\" VALUE=\"RESET\">", 35},
        {TfFormWiz::TextLinePage, "<INPUT TYPE=TEXT NAME=\"NAME\" VALUE=\"\" SIZE=\"50\" MAXLENGTH=\"50\">", 64},
        {TfFormWiz::MultiLinePage, "<TEXTAREA NAME=\"NAME\" ROWS=3 COLS=50></TEXTAREA>", 38},
        {TfFormWiz::OptionPage, "<INPUT TYPE=\"RADIO\" NAME=\"NAME\" VALUE=\"\" ALIGN=left>", 53},
        {TfFormWiz::SelectPage, "<SELECT NAME=\"NAME\" SIZE=1 ><OPTION>Option 1</SELECT>", 45},
    };
    for (const auto& c : cases) {
        TTextEditControl& doc = newDocument();
        wiz->selectPage(c.page);
        QTest::mouseClick(wiz->btnToDoc, Qt::LeftButton);
        EXPECT_EQ(text(doc), c.text) << c.page;
        EXPECT_EQ(caretColumn(doc), c.caret) << c.page;
        EXPECT_TRUE(doc.Modified());
    }
    EXPECT_EQ(TfFormWiz::sendMode(), TfFormWiz::SendMode::Document);
    EXPECT_EQ(status(), "Ready ...");
}

TEST_F(FormsWizardTest, FieldsShapeTheElementTheDocumentGets) {
    const struct {
        const char* what;
        int page;
        std::function<void(TfFormWiz&)> fill;
        const char* before;  // document text, "|" marks a selection's ends
        const char* after;
    } cases[] = {
        {"check box, value, centre", TfFormWiz::OptionPage,
         [](TfFormWiz& w) {
             w.oOptCB->setChecked(true);
             w.tOptRetVal->setText("yes");
             w.btnCentre->setChecked(true);
         },
         "", "<INPUT TYPE=\"CHECKBOX\" NAME=\"NAME\" VALUE=\"yes\" ALIGN=center>"},
        {"submit name", TfFormWiz::SubmitPage, [](TfFormWiz& w) { w.tSubName->setText("go"); }, "",
         "<INPUT TYPE=SUBMIT VALUE=\"SUBMIT\" NAME=\"go\">"},
        {"numbers", TfFormWiz::TextLinePage,
         [](TfFormWiz& w) {
             w.sTextMax->setValue(240);
             w.sTextSize->setValue(7);
             w.tTextDefault->setText("d");
         },
         "", "<INPUT TYPE=TEXT NAME=\"NAME\" VALUE=\"d\" SIZE=\"7\" MAXLENGTH=\"240\">"},
        {"selection enclosed by the form", TfFormWiz::FormPage, [](TfFormWiz& w) { w.tAction->setText("/go"); },
         "a|b|c", "a<FORM METHOD=\"POST\" ACTION=\"/go\" ENCTYPE=\"application/x-www-form-urlencoded\">b</FORM>c"},
        {"multiple and lines", TfFormWiz::SelectPage,
         [](TfFormWiz& w) {
             w.oSelMulti->setChecked(true);
             w.oSelLines->setValue(2);
             w.mSel->setPlainText("x\ny\n");
         },
         "", "<SELECT NAME=\"NAME\" SIZE=2 MULTIPLE ><OPTION>x<OPTION>y</SELECT>"},
        {"empty list; the other fields kept from before", TfFormWiz::SelectPage, [](TfFormWiz& w) { w.mSel->clear(); },
         "", "<SELECT NAME=\"NAME\" SIZE=2 MULTIPLE ></SELECT>"},
        {"box text keeps its lines; a selection stays", TfFormWiz::MultiLinePage,
         [](TfFormWiz& w) { w.mMultiText->setPlainText("one\ntwo"); }, "|kept|",
         "kept<TEXTAREA NAME=\"NAME\" ROWS=3 COLS=50>one\ntwo</TEXTAREA>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string before = c.before;
        const size_t s1 = before.find('|');
        const size_t s2 = s1 == std::string::npos ? s1 : before.find('|', s1 + 1);
        if (s1 != std::string::npos) before.erase(s2, 1), before.erase(s1, 1);
        TTextEditControl& doc = newDocument(before);
        if (s1 != std::string::npos) doc.SelectRange(1, int(s1) + 1, 1, int(s2));
        wiz->selectPage(c.page);
        c.fill(*wiz);
        wiz->btnToDocClick();
        EXPECT_EQ(text(doc), c.after);
    }
}

TEST_F(FormsWizardTest, UpperCaseSettingChangesTheWholeDeclarationButNotTypedLines) {
    main->IniControl().WriteString("Tags", "Case", "U");
    TTextEditControl& doc = newDocument();
    wiz->tAction->setText("http://x.org/cgi");
    wiz->selectPage(TfFormWiz::FormPage);
    wiz->btnToDocClick();
    EXPECT_EQ(
        text(doc),
        "<FORM METHOD=\"POST\" ACTION=\"HTTP://X.ORG/CGI\" ENCTYPE=\"APPLICATION/X-WWW-FORM-URLENCODED\"></FORM>");

    TTextEditControl& list = newDocument();
    wiz->mSel->setPlainText("small");
    wiz->tSelName->setText("size");
    wiz->selectPage(TfFormWiz::SelectPage);
    wiz->btnToDocClick();
    EXPECT_EQ(text(list), "<SELECT NAME=\"SIZE\" SIZE=1 ><OPTION>small</SELECT>");
}

TEST_F(FormsWizardTest, ClipboardModeCopiesTheWholeElementAndSaysSo) {
    TTextEditControl& doc = newDocument("x");
    main->SetStatusText("");
    wiz->selectPage(TfFormWiz::FormPage);
    QTest::mouseClick(wiz->btnToClip, Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "<FORM METHOD=\"POST\" ACTION=\"http://\" ENCTYPE=\"application/x-www-form-urlencoded\">\n</FORM>");
    EXPECT_EQ(status(), "Form Element copied to Clipboard.");
    EXPECT_EQ(text(doc), "x");
    EXPECT_EQ(TfFormWiz::sendMode(), TfFormWiz::SendMode::Clipboard);

    wiz->selectPage(TfFormWiz::PredefinedPage);
    wiz->btnToClipClick();
    EXPECT_EQ(QApplication::clipboard()->text().split('\n').size(), 8);  // seven lines, each ended
}

TEST_F(FormsWizardTest, WithoutADocumentNothingHappensButTheActionUrlIsKept) {
    wiz->tAction->setText("http://mine/");
    wiz->selectPage(TfFormWiz::FormPage);
    wiz->btnToDocClick();
    EXPECT_TRUE(prompter->shown().isEmpty());
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 0);
    EXPECT_EQ(main->IniControl().ReadString("Form Defaults", "Action URL", "?"), "http://mine/");
    // A wizard made later starts with it.
    TfFormWiz next(main->IniControl());
    EXPECT_EQ(next.tAction->text(), "http://mine/");
}

TEST_F(FormsWizardTest, PredefinedFormComesFromTheSampleOrAFile) {
    TTextEditControl& doc = newDocument();
    wiz->selectPage(TfFormWiz::PredefinedPage);
    wiz->btnToDocClick();
    EXPECT_EQ(doc.ParagraphCount(), 8);
    EXPECT_EQ(std::string(doc.GetParagraphText(1)), "<H1>My Questionnaire</H1>");
    EXPECT_EQ(std::string(doc.GetParagraphText(7)), "</FORM><P>");

    const QString good = makeFile("f.qfd", "<FORM>\r\n  <INPUT TYPE=X>\r\n</FORM>\r\n");
    prompter->answerOpen({good});
    wiz->btnLoadForm->click();
    EXPECT_EQ(prompter->shown().at(0).detail, "Quillmar Form Definition|*.qfd");
    EXPECT_EQ(wiz->mSample->toPlainText(), "<FORM>\n  <INPUT TYPE=X>\n</FORM>");

    prompter->answerOpen({qpath(dir.path())});  // a folder is refused
    wiz->btnLoadForm->click();
    EXPECT_TRUE(prompter->lastText().startsWith("Unable to read " + qpath(dir.path())));
    EXPECT_EQ(wiz->mSample->toPlainText(), "<FORM>\n  <INPUT TYPE=X>\n</FORM>");

    wiz->BitBtn1->click();
    EXPECT_TRUE(wiz->mSample->toPlainText().startsWith("<H1>My Questionnaire</H1>\n"));
}

TEST_F(FormsWizardTest, StyleBoxesExcludeEachOtherAndSamplesSelectPages) {
    EXPECT_FALSE(wiz->oOptCB->isChecked() || wiz->oOptRB->isChecked());
    wiz->oOptCB->click();
    wiz->oOptRB->click();
    EXPECT_FALSE(wiz->oOptCB->isChecked());
    wiz->oOptRB->click();
    EXPECT_FALSE(wiz->oOptRB->isChecked());

    wiz->show();
    const QList<QPair<QWidget*, int>> samples{
        {wiz->btnFSubmit, TfFormWiz::SubmitPage},        {wiz->btnFRefresh, TfFormWiz::ResetPage},
        {wiz->btnFText, TfFormWiz::TextLinePage},        {wiz->btnFMulti->viewport(), TfFormWiz::MultiLinePage},
        {wiz->btnFOpt, TfFormWiz::OptionPage},           {wiz->optList->viewport(), TfFormWiz::SelectPage},
        {wiz->btnPredefined, TfFormWiz::PredefinedPage}, {wiz->btnFForm, TfFormWiz::FormPage},
    };
    for (const auto& [w, page] : samples) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(wiz->Notebook1->currentIndex(), page) << w->objectName().toStdString();
    }
    wiz->close();
}

TEST_F(FormsWizardTest, MenuShowsTheOneWizardWhichKeepsItsPlaceAndFields) {
    RecordingHelp help;
    ASSERT_TRUE(main->menuAction("FormsWizard1Click")->isEnabled());
    main->runCommand("FormsWizard1Click");
    EXPECT_TRUE(wiz->isVisible());
    EXPECT_FALSE(wiz->isModal());
    EXPECT_TRUE(wiz->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(wiz->windowTitle(), "Quillmar Forms Wizard");
    wiz->tSubName->setText("kept");
    wiz->HelpBtn->click();
    EXPECT_EQ(help.calls, QStringList{"context quillmar.hlp 100"});

    QTest::keyClick(wiz, Qt::Key_Escape);
    EXPECT_FALSE(wiz->isVisible());
    const std::string place = IniFile("quilopt.ini").ReadString("Forms Wizard", "FORM_PLACE", "");
    EXPECT_EQ(std::count(place.begin(), place.end(), ','), 9) << place;

    main->runCommand("FormsWizard1Click");
    EXPECT_EQ(main->findChildren<TfFormWiz*>().size(), 1);
    EXPECT_EQ(wiz->tSubName->text(), "kept");
    wiz->btnCancel->click();
    EXPECT_FALSE(wiz->isVisible());
}
