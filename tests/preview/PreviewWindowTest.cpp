// Web Preview, the preview window and Print on a fully wired main window,
// with the real engine (offscreen) and real PDF files read back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "DocumentFixture.h"
#include "FileCommands.h"
#include "HtmlViewer.h"
#include "Paths.h"
#include "PreviewCommands.h"
#include "Printing.h"
#include "RecordingHooks.h"
#include "TTextEditControl.h"
#include "TfHTML.h"
#include "TFontForm.h"
#include "TfPreview.h"

namespace fs = std::filesystem;

class PreviewTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        main = startWired();
    }
    void TearDown() override {
        main.reset();
        DocumentTest::TearDown();
    }
    TfHTML* document(const std::string& text) {
        TfHTML* doc = FileNew(*main);
        doc->txtHTML()->ClearAll();  // not the default template's text
        doc->txtHTML()->InsertText(text);
        return doc;
    }
    TfPreview& preview() { return previewWindow(*main); }
    void previewNow() {
        main->runCommand("WebPreview1Click");
        ASSERT_TRUE(preview().Viewer()->waitForLoad());
    }
    // The text of the PDF the printer wrote, as pdftotext lays it out.
    std::string printedText() {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), qpath(pdf), QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(10000));
        return p.readAllStandardOutput().toStdString();
    }
    void printToPdf(QPrinter::PrintRange range) {
        QPrinter& printer = sharedPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(qpath(pdf));
        printer.setPrintRange(range);
        prompter->answerPrint(true);
        main->runCommand("FilePrint");
    }

    std::unique_ptr<TmdiMain> main;
    fs::path pdf = dir.file("out.pdf");
};

TEST_F(PreviewTest, NoDocumentSaysSo) {
    main->runCommand("WebPreview1Click");
    EXPECT_EQ(prompter->lastText(), "No current document.");
    EXPECT_EQ(main->statusText().trimmed(), "Ready ...");
}

TEST_F(PreviewTest, UntitledPreviewWritesThePrivateFolderAndKeepsTheModifiedFlag) {
    TfHTML* doc = document("<title>Mine</title><p>hello</p>");
    for (bool modified : {true, false}) {
        doc->txtHTML()->setModified(modified);
        previewNow();
        EXPECT_EQ(doc->txtHTML()->Modified(), modified);
    }
    const fs::path temp = paths::dataDir() / "preview" / "temp.qlm";
    EXPECT_EQ(qmtest::readFile(temp), "<title>Mine</title><p>hello</p>\n");
    EXPECT_EQ(preview().Viewer()->CurrentFile().toStdString(), temp.string());
    EXPECT_EQ(preview().windowTitle(), "Quillmar Preview : Mine");
}

TEST_F(PreviewTest, TwoPreviewsMakeTwoEntriesAndBackShowsTheFirst) {
    const QString file = makeFile("page.html", "<title>One</title>");
    TfHTML* doc = OpenDocument(*main, file);
    ASSERT_NE(doc, nullptr);
    previewNow();
    EXPECT_FALSE(preview().backButton()->isEnabled());
    doc->txtHTML()->SelectRange(1, 1, 1, 19);
    doc->txtHTML()->InsertText("<title>Two</title>");
    previewNow();
    const QString temp = qpath(dir.file("temp.qlm"));
    EXPECT_EQ(preview().Viewer()->History(), (QStringList{temp, temp}));
    EXPECT_TRUE(preview().backButton()->isEnabled());
    EXPECT_FALSE(preview().forwardButton()->isEnabled());
    EXPECT_TRUE(preview().historyMenu()->menuAction()->isVisible());
    // Reload stays disabled after a preview, until the window's own Open.
    EXPECT_FALSE(preview().reloadButton()->isEnabled());
    preview().backButton()->click();
    ASSERT_TRUE(preview().Viewer()->waitForLoad());
    EXPECT_EQ(preview().Viewer()->HistoryIndex(), 1);
    EXPECT_TRUE(preview().forwardButton()->isEnabled());
    prompter->answerOpen({file});
    preview().Open1Click();
    ASSERT_TRUE(preview().Viewer()->waitForLoad());
    EXPECT_TRUE(preview().reloadButton()->isEnabled());
    EXPECT_EQ(preview().windowTitle(), "Quillmar Preview : One");
}

TEST_F(PreviewTest, ProgramLinksAskFirstAndPassTheirParameters) {
    const fs::path setup = dir.file("setup.exe");
    qmtest::writeFile(setup, "#!/bin/sh\n");
    fs::permissions(setup, fs::perms::owner_all);
    qmtest::writeFile(dir.file("plain.exe"), "not executable");
    fs::permissions(dir.file("plain.exe"), fs::perms::owner_read | fs::perms::owner_write);
    OpenDocument(*main, makeFile("page.html", "<a href='setup.exe /q'>x</a>"));
    previewNow();
    RecordingLauncher launcher;
    RecordingSoundPlayer sound;
    struct Case {
        QString link;
        std::optional<Prompter::Button> answer;  // none: no question
        QStringList started;                   // program and its arguments
    };
    const QString exe = qpath(setup);
    const std::vector<Case> cases = {
        {exe + " /q", Prompter::No, {}},
        {exe + " /q", Prompter::Yes, {exe, "/q"}},
        {exe + " \"two words\" -x", Prompter::Yes, {exe, "two words", "-x"}},
        {qpath(dir.file("plain.exe")), std::nullopt, {}},
        {qpath(dir.file("missing.exe")), std::nullopt, {}},
    };
    for (const Case& c : cases) {
        launcher.started.clear();
        prompter->clearShown();
        if (c.answer) prompter->answerConfirm(*c.answer);
        bool handled = false;
        preview().HotSpotClick(c.link, handled);
        EXPECT_TRUE(handled) << c.link.toStdString();
        EXPECT_EQ(preview().lastLinkField()->text(), c.link);
        EXPECT_EQ(prompter->shown().size(), c.answer ? 1 : 0) << c.link.toStdString();
        if (c.answer) {
            EXPECT_EQ(prompter->lastText(), "Start program " + c.link + " ?");
        }
        QStringList started;
        for (const RecordingLauncher::Start& s : launcher.started) started << s.program << s.arguments;
        EXPECT_EQ(started, c.started) << c.link.toStdString();
    }
    bool handled = false;
    preview().HotSpotClick("ding.wav", handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(sound.played, QStringList{qpath(dir.file("ding.wav"))});
    handled = false;
    preview().HotSpotClick("other.html", handled);
    EXPECT_FALSE(handled);  // the viewer follows local pages
}

TEST_F(PreviewTest, FindTellsWhenTheTextIsMissing) {
    document("<p>needle</p>");
    previewNow();
    EXPECT_TRUE(preview().findText("needle", false));
    EXPECT_TRUE(prompter->shown().isEmpty());
    EXPECT_FALSE(preview().findText("hay", false));
    EXPECT_EQ(prompter->lastText(), "Unable to find \"hay\"");
}

TEST_F(PreviewTest, PrintsTheSourceAsDisplayed) {
    const std::string longLine(300, 'L');
    TfHTML* doc = document("first line\n\tindented\n" + longLine + "\n<p>the selection starts here</p>\nend of text");
    doc->txtHTML()->setWordWrap(false);
    printToPdf(QPrinter::AllPages);
    ASSERT_EQ(prompter->shown().size(), 1);
    EXPECT_FALSE(prompter->shown().front().printRequest.selectionAvailable);
    EXPECT_FALSE(prompter->shown().front().printRequest.pageRangeAllowed);
    std::string text = printedText();
    EXPECT_NE(text.find("first line"), std::string::npos);
    EXPECT_NE(text.find("        indented"), std::string::npos);  // the tab as spaces
    // The long line continues on the next printed line.
    std::string ls;
    for (char c : text) if (c == 'L') ls += c; else if (c == '\n' && !ls.empty() && ls.back() != '\n') ls += '\n';
    EXPECT_GT(std::count(ls.begin(), ls.end(), '\n'), 1) << text;
    EXPECT_EQ(std::count(ls.begin(), ls.end(), 'L'), 300);

    doc->txtHTML()->SelectRange(4, 8, 5, 4);  // from "selection" to "end"
    prompter->clearShown();
    printToPdf(QPrinter::Selection);
    EXPECT_TRUE(prompter->shown().front().printRequest.selectionAvailable);
    text = printedText();
    EXPECT_EQ(text.find("first line"), std::string::npos);
    // Spaces stand for the unselected start, so the text keeps its column
    // against the next line, which starts at the left edge.
    // (pdftotext places columns only roughly: six or seven spaces.)
    const std::size_t at = text.find("selection starts here</p>\nend\n");
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_GE(at, 6u);
    EXPECT_EQ(text.substr(at - 6, 6), "      ") << text;
    EXPECT_EQ(text.find("end of"), std::string::npos);
}

TEST_F(PreviewTest, WrappedLinesPrintAsSeparateLines) {
    TfHTML* doc = document("alpha beta gamma delta epsilon");
    doc->txtHTML()->setWrapColumn(12);
    doc->txtHTML()->setWordWrap(true);
    ASSERT_GT(doc->txtHTML()->LineCount(), 1);
    printToPdf(QPrinter::AllPages);
    const std::string text = printedText();
    EXPECT_EQ(text.find("alpha beta gamma"), std::string::npos) << text;
    EXPECT_NE(text.find("delta"), std::string::npos) << text;
}

TEST_F(PreviewTest, PreviewWindowPrintsThePage) {
    document("<p>rendered words</p>");
    previewNow();
    QPrinter& printer = sharedPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(qpath(pdf));
    prompter->answerPrint(true);
    preview().Print1Click();
    ASSERT_EQ(prompter->shown().size(), 1);
    EXPECT_TRUE(prompter->shown().front().printRequest.pageRangeAllowed);
    EXPECT_NE(printedText().find("rendered words"), std::string::npos);
}

TEST_F(PreviewTest, OptionsChangeTheViewerAndClosingKeepsThePlacement) {
    document("<p>x</p>");
    previewNow();
    preview().showImagesItem()->trigger();
    EXPECT_FALSE(preview().Viewer()->ViewImages());
    EXPECT_FALSE(preview().showImagesItem()->isChecked());
    // The default font dialog is a real window: it shows the viewer's values,
    // and what is chosen in it reaches the viewer on O&K, nothing on Cancel.
    const QString shownName = preview().Viewer()->DefFontName();
    auto answerDialog = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* form = qobject_cast<TFontForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            options::FontFormValues v = form->values();
            v.fontName = "DejaVu Serif";
            v.fontSize = 15;
            v.fontColor = 0x0000FF;   // red
            v.linkColor = 0x00FF00;   // green
            v.background = 0xFF0000;  // blue
            form->setValues(v);
            ok ? form->accept() : form->reject();
        });
    };
    answerDialog(false);
    preview().DefaultFontColors1Click();
    EXPECT_EQ(preview().Viewer()->DefFontName(), shownName);
    answerDialog(true);
    preview().DefaultFontColors1Click();
    EXPECT_EQ(preview().Viewer()->DefFontName(), "DejaVu Serif");
    EXPECT_EQ(preview().Viewer()->DefFontSize(), 15);
    EXPECT_EQ(preview().Viewer()->DefFontColor(), QColor(255, 0, 0));
    EXPECT_EQ(preview().Viewer()->DefHotSpotColor(), QColor(0, 255, 0));
    EXPECT_EQ(preview().Viewer()->DefBackground(), QColor(0, 0, 255));
    preview().close();
    EXPECT_NE(qmtest::readFile(paths::profileFile("quilopt.ini")).find("[Preview]"), std::string::npos);
    EXPECT_FALSE(preview().isVisible());
}

TEST_F(PreviewTest, TheCommandLineFileBecomesTheOldestEntry) {
    const QString file = makeFile("start.html", "<title>Start</title>");
    main.reset();
    main = startWired({file});
    previewNow();
    EXPECT_EQ(preview().Viewer()->History(), (QStringList{qpath(dir.file("temp.qlm")), file}));
}
