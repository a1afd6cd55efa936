// The Java, URL, browser-extension and Body wizards on a wired main window:
// their real buttons into a real document, and the files the URL wizard keeps.

#include <QComboBox>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "DocumentFixture.h"
#include "EditPositions.h"
#include "Paths.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "RecordingHooks.h"
#include "TMegaRegistry.h"
#include "HtmlViewer.h"
#include "TfWizBody.h"
#include "TfrmIE.h"
#include "TfrmJavaWiz.h"
#include "TfrmURLWizard.h"

namespace {

class WizardsTwoTest : public DocumentTest {
protected:
    void TearDown() override {
        if (main) {
            closeDocuments();
            main.reset();
        }
        DocumentTest::TearDown();
    }
    template <class Wizard>
    Wizard* start() {
        main = startWired();
        auto* wiz = main->findChild<Wizard*>();
        EXPECT_NE(wiz, nullptr);
        return wiz;
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
    // A new document holding `marked` without its "|" marks, with the text
    // between the two marks selected.
    TTextEditControl& documentWith(std::string marked) {
        const auto from = marked.find('|');
        if (from != std::string::npos) marked.erase(from, 1);
        const auto to = marked.find('|');
        if (to != std::string::npos) marked.erase(to, 1);
        TTextEditControl& c = newDocument(marked);
        if (to != std::string::npos) c.SelectRange(1, int(from) + 1, 1, int(to) + 1);
        return c;
    }
    void closeDocuments() {
        for (QMdiSubWindow* sub : main->mdiArea()->subWindowList())
            if (auto* doc = qobject_cast<TfHTML*>(sub->widget())) doc->txtHTML()->setModified(false);
        main->mdiArea()->closeAllSubWindows();
    }
    static std::string text(const TTextEditControl& c) {
        std::string out;
        for (int p = 1; p <= c.ParagraphCount(); ++p) out += (p > 1 ? "\n" : "") + std::string(c.GetParagraphText(p));
        return out;
    }
    static int caretColumn(const TTextEditControl& c) { return editpos::caret(c).pos.value; }
    static std::string dataText(const char* name) {
        std::ifstream in(paths::dataFile(name), std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<none>";
    }
    static QStringList items(const QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
        return out;
    }

    std::unique_ptr<TmdiMain> main;
};

}  // namespace

TEST_F(WizardsTwoTest, JavaWizardSendsItsAppletAndCloses) {
    auto* wiz = start<TfrmJavaWiz>();
    const struct {
        const char* what;
        std::function<void(TfrmJavaWiz&)> fill;
        const char* before;  // "|" marks a selection's ends
        const char* after;
    } cases[] = {
        {"defaults at the caret", [](TfrmJavaWiz&) {}, "",
         "<APPLET CODE=AppletFile WIDTH=100 HEIGHT=100 ALIGN=Left CODEBASE=CodeBaseURL NAME=AppletInstanceName "
         "ALT=AlternateText ></APPLET>"},
        {"fields around a selection",
         [](TfrmJavaWiz& w) {
             w.tCBase->clear();
             w.tName->clear();
             w.tAlt->setText("no java");
             w.tAlign->setCurrentIndex(4);
             w.tVSpace->stepUp();
             w.tWidth->stepDown();
         },
         "x|y|z", "x<APPLET CODE=AppletFile WIDTH=90 HEIGHT=100 ALIGN=Middle VSPACE=10 ALT=no java >y</APPLET>z"},
    };
    for (const auto& c : cases) {
        TTextEditControl& doc = documentWith(c.before);
        wiz->show();
        c.fill(*wiz);
        QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);
        EXPECT_EQ(text(doc), c.after) << c.what;
        EXPECT_FALSE(wiz->isVisible()) << c.what;
    }
    // No document: nothing to insert into, and the wizard still closes.
    closeDocuments();
    wiz->show();
    QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);
    EXPECT_FALSE(wiz->isVisible());
}

TEST_F(WizardsTwoTest, URLWizardInsertsTheLinkAndKeepsItsLists) {
    auto* wiz = start<TfrmURLWizard>();
    EXPECT_EQ(wiz->cmbURL->currentText(), "http://");
    EXPECT_EQ(wiz->cmbDesc->currentText(), "Description");
    TTextEditControl& doc = newDocument();
    wiz->show();
    wiz->cmbURL->setEditText("index.htm");
    wiz->cmbDesc->setEditText("Home");
    QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);
    EXPECT_EQ(text(doc), "<A HREF=\"index.htm\">Home</A>");
    EXPECT_EQ(caretColumn(doc), 25);  // before "</A>"
    EXPECT_FALSE(wiz->isVisible());
    EXPECT_EQ(dataText("WURLD.fil"), "Home\r\nSend Mail to Me\r\n");
    const std::string locations = dataText("WURLU.fil");

    // The same location again is not added; another case of it is.
    for (const char* location : {"index.htm", "Index.htm"}) {
        wiz->show();
        wiz->cmbURL->setEditText(location);
        QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);
    }
    EXPECT_EQ(items(wiz->cmbURL).count("index.htm"), 1);
    EXPECT_EQ(items(wiz->cmbURL).count("Index.htm"), 1);
    EXPECT_EQ(dataText("WURLU.fil").size(), locations.size() + std::string("Index.htm\r\n").size());
}

TEST_F(WizardsTwoTest, URLWizardLoadsWhatFilesThereAre) {
    std::ofstream(paths::dataFile("WURLU.fil"), std::ios::binary) << "page.htm\r\nabout.htm\r\n";
    auto* wiz = start<TfrmURLWizard>();
    EXPECT_EQ(items(wiz->cmbURL), (QStringList{"about.htm", "page.htm"}));
    EXPECT_EQ(items(wiz->cmbDesc), QStringList{"Send Mail to Me"});
}

TEST_F(WizardsTwoTest, URLWizardSaysWhenAListCannotBeWritten) {
    std::filesystem::create_directories(paths::dataFile("WURLD.fil"));  // a folder where the file belongs
    auto* wiz = start<TfrmURLWizard>();
    TTextEditControl& doc = newDocument();
    wiz->show();
    QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);
    EXPECT_EQ(text(doc), "<A HREF=\"http://\">Description</A>");
    ASSERT_EQ(prompter->texts().size(), 1);
    EXPECT_TRUE(prompter->texts().first().contains("WURLD.fil")) << prompter->texts().first().toStdString();
    EXPECT_TRUE(wiz->isVisible());
    EXPECT_NE(dataText("WURLU.fil"), "<none>");
}

TEST_F(WizardsTwoTest, ExtensionTagsGoInAtTheCaret) {
    auto* wiz = start<TfrmIE>();
    const struct {
        const char* what;
        std::function<void(TfrmIE&)> fill;
        const char* after;
    } cases[] = {
        {"marquee defaults", [](TfrmIE& w) { w.Notebook->setCurrentIndex(TfrmIE::MarqueesPage); },
         "<marquee behaviour=scroll direction=left height=20 width=100% scrollamount=5 scrolldelay=1 "
         "loop=infinite>Quillmar Pro Sample Text</marquee>|ab"},
        {"alternate, right, 50",
         [](TfrmIE& w) {
             w.Notebook->setCurrentIndex(TfrmIE::MarqueesPage);
             w.btnMAlternate->setChecked(true);
             w.btnMRight->setChecked(true);
             w.spnMarqueeWidth->setValue(50);
             w.tMarquee->setText("Hi");
         },
         "<marquee behaviour=alternate direction=right height=20 width=50% scrollamount=5 scrolldelay=1 "
         "loop=infinite>Hi</marquee>|ab"},
        {"sound, three times",
         [](TfrmIE& w) {
             w.Notebook->setCurrentIndex(TfrmIE::SoundsPage);
             w.tSound->setText("sound.wav");
             w.spnSoundReps->setValue(3);
         },
         "<bgsound src=\"sound.wav\" loop=3>|ab"},
        {"sound, no name, repetitions bounded at a byte",
         [](TfrmIE& w) {
             w.tSound->clear();
             w.spnSoundReps->setValue(300);
         },
         "<bgsound src=\"\" loop=255>|ab"},
        {"sound forever", [](TfrmIE& w) { w.spnSoundReps->setValue(0); }, "<bgsound src=\"\" loop=infinite>|ab"},
    };
    for (const auto& c : cases) {
        TTextEditControl& doc = documentWith("|ab");
        wiz->show();
        c.fill(*wiz);
        QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);
        std::string expected = c.after;
        const int caret = int(expected.find('|')) + 1;
        expected.erase(caret - 1, 1);
        EXPECT_EQ(text(doc), expected) << c.what;
        EXPECT_EQ(caretColumn(doc), caret) << c.what;
        EXPECT_FALSE(wiz->isVisible()) << c.what;
    }
}

TEST_F(WizardsTwoTest, ExtensionTagsFollowTheTagCase) {
    auto* wiz = start<TfrmIE>();
    main->IniControl().WriteString("Tags", "Case", "U");
    TTextEditControl& doc = newDocument();
    wiz->show();
    wiz->Notebook->setCurrentIndex(TfrmIE::MarqueesPage);
    wiz->spnMarqueeWidth->setValue(1);
    QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);
    EXPECT_EQ(text(doc),
              "<MARQUEE BEHAVIOUR=SCROLL DIRECTION=LEFT HEIGHT=20 WIDTH=1% SCROLLAMOUNT=5 SCROLLDELAY=1 "
              "LOOP=INFINITE>QUILLMAR PRO SAMPLE TEXT</MARQUEE>");
}

TEST_F(WizardsTwoTest, SoundBrowseAndPlayer) {
    auto* wiz = start<TfrmIE>();
    RecordingSoundPlayer sound;
    wiz->show();
    prompter->answerOpen({"/snd/Ring.WAV"});
    QTest::mouseClick(wiz->btnBrowse, Qt::LeftButton);
    EXPECT_EQ(wiz->tSound->text(), "/snd/Ring.WAV");
    QTest::mouseClick(wiz->MediaPlayer1->findChild<QPushButton*>("btnPlay"), Qt::LeftButton);
    EXPECT_EQ(sound.played, QStringList{"/snd/Ring.WAV"});
    QTest::mouseClick(wiz->CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(wiz->isVisible());
    EXPECT_EQ(sound.stops, 1);  // closing the dialog silences it
}

TEST_F(WizardsTwoTest, BodyWizardComposesTheTagAndRendersTheSample) {
    auto* wiz = start<TfWizBody>();
    wiz->show();
    const QString defaults = "<BODY BACKGROUND=\"\" BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" LINK=\"#00FFFF\" "
                             "VLINK=\"#00FF00\" ALINK=\"#0000FF\" >";
    EXPECT_EQ(wiz->Memo1->toPlainText(), defaults + "\n<H2>This is a heading</H2>\nThis is some text\n"
                                                    "<A HREF=\"Link.htm\">This is a link.</a>");
    const struct {
        QLineEdit* field;
        const char* text;
    } worked[] = {{wiz->tBGCOLOR, "FFFFFF"}, {wiz->tText, "C0C0C0"}, {wiz->tLink, "FF0000"},
                  {wiz->tVLink, "800080"},   {wiz->tALink, "FF00FF"}};
    for (const auto& w : worked) w.field->setText(w.text);
    wiz->tImage->setText("back.gif");  // a change of the image regenerates at once
    const QString tag = "<BODY BACKGROUND=\"back.gif\" BGCOLOR=\"#FFFFFF\" TEXT=\"#C0C0C0\" LINK=\"#FF0000\" "
                        "VLINK=\"#800080\" ALINK=\"#FF00FF\" >";
    EXPECT_EQ(wiz->Memo1->toPlainText().section('\n', 0, 0), tag);
    ASSERT_TRUE(wiz->prevHTML->waitForLoad());
    EXPECT_EQ(wiz->prevHTML->CurrentFile(), wiz->sampleFile());
    std::ifstream sample(wiz->sampleFile().toStdString(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(sample), {}), wiz->Memo1->toPlainText().toStdString());
}

TEST_F(WizardsTwoTest, BodyWizardFieldsAndButtons) {
    auto* wiz = start<TfWizBody>();
    wiz->show();
    // Colour fields take hexadecimal digits only and show six of them.
    wiz->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(wiz));
    wiz->tLink->setFocus();
    wiz->tLink->selectAll();
    QTest::keyClicks(wiz->tLink, "fgz1");
    EXPECT_EQ(wiz->tLink->text(), "f1");
    wiz->tImage->setFocus();  // leaving the field
    EXPECT_EQ(wiz->tLink->text(), "0000F1");
    const struct {
        std::function<void()> act;
        QLineEdit* field;
        const char* text;
    } steps[] = {
        {[&] { QTest::mouseClick(wiz->sBG.up, Qt::LeftButton); }, wiz->tBGCOLOR, "000040"},
        {[&] { QTest::mouseClick(wiz->sBG.down, Qt::LeftButton); }, wiz->tBGCOLOR, "000000"},
        {[&] { QTest::mouseClick(wiz->sBG.down, Qt::LeftButton); }, wiz->tBGCOLOR, "000000"},
        {[&] { QTest::mouseClick(wiz->sTC.up, Qt::LeftButton); }, wiz->tText, "FFFFFF"},
        {[&] { QTest::keyClick(wiz->tALink, Qt::Key_Down); }, wiz->tALink, "0000BF"},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(s.field->text(), s.text);
    }
    EXPECT_TRUE(wiz->Memo1->toPlainText().contains("ALINK=\"#0000BF\""));

    prompter->answerOpen({"/pics/Back.GIF"});
    QTest::mouseClick(wiz->btnBrowse, Qt::LeftButton);
    EXPECT_EQ(wiz->tImage->text(), "/pics/Back.GIF");
    wiz->tImage->setText("c:\\web\\Back.gif");
    const struct {
        QPushButton* button;
        const char* text;
    } edits[] = {{wiz->btnSlash, "c:/web/Back.gif"}, {wiz->btnUpper, "C:/WEB/BACK.GIF"}, {wiz->btnLower, "c:/web/back.gif"}};
    for (const auto& e : edits) {
        QTest::mouseClick(e.button, Qt::LeftButton);
        EXPECT_EQ(wiz->tImage->text(), e.text);
    }
    EXPECT_TRUE(wiz->Memo1->toPlainText().startsWith("<BODY BACKGROUND=\"c:/web/back.gif\" "));
}

TEST_F(WizardsTwoTest, BodyWizardReplacesOrKeepsTheOldTag) {
    auto* wiz = start<TfWizBody>();
    wiz->show();
    QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);  // no document: nothing asked
    EXPECT_TRUE(prompter->texts().isEmpty());

    const std::string tag = wiz->Memo1->toPlainText().section('\n', 0, 0).toStdString();
    const struct {
        const char* what;
        const char* before;  // caret at the start
        Prompter::Button answer;
        std::string after;
    } cases[] = {
        {"no BODY tag", "<HTML>", Prompter::NoButton, tag + "<HTML>"},
        {"replaced", "<HTML>\n<body bgcolor=red>x", Prompter::Yes, "<HTML>\n" + tag + "x"},
        {"kept", "<BODY>x", Prompter::No, tag + "<BODY>x"},
    };
    for (const auto& c : cases) {
        TTextEditControl& doc = newDocument(c.before);
        prompter->clearShown();
        if (c.answer != Prompter::NoButton) prompter->answerConfirm(c.answer);
        QTest::mouseClick(wiz->OKBtn, Qt::LeftButton);
        EXPECT_EQ(text(doc), c.after) << c.what;
        EXPECT_EQ(prompter->texts(),
                  c.answer == Prompter::NoButton ? QStringList{} : QStringList{"Replace existing Body Definition ?"})
            << c.what;
        EXPECT_TRUE(wiz->isVisible()) << c.what;  // it stays open
    }
}
