// Start-up and leaving: what is read, what is shown, what is written by
// File > Exit and by the close box.

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <stdexcept>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include "TDocPanel.h"
#include <filesystem>
#include <functional>

#include "CommandTable.h"
#include "MainWindowFixture.h"
#include "Paths.h"
#include "RecordingHooks.h"
#include "TestSupport.h"
#include "TfrmTitle.h"

namespace fs = std::filesystem;

TEST_F(MainWindowTest, FirstStartIsMaximisedWithEverythingShown) {
    auto w = start();
    EXPECT_EQ(w->windowTitle(), "Quillmar Pro HTML Editor");
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    for (const commands::ToolbarInfo& t : commands::toolbarInfo()) {
        TDocPanel* bar = w->toolbar(t.component);
        ASSERT_NE(bar, nullptr) << t.component;
        EXPECT_TRUE(bar->isVisible()) << t.component;
        EXPECT_EQ(bar->windowTitle().toStdString(), t.title);
    }
    EXPECT_TRUE(w->tabStrip()->isVisible());
    EXPECT_TRUE(item(*w, {"&View", "&Document Tabs"})->isChecked());
    // The splash came first, with its caption; nothing else was modal.
    EXPECT_EQ(modalTitles, QStringList{"Quillmar HTML Editor"});
    EXPECT_EQ(w->panel("pnlApp")->text(), "Quillmar User");
    EXPECT_EQ(w->statusText(), "   Ready ...");
    // Nothing is written by starting.
    EXPECT_EQ(iniText(), "");
}

TEST_F(MainWindowTest, StoredBoundsAreUsedWhenStateIsNormal) {
    writeIni("[Application Options]\r\nMDI State=0\r\nMDI Left=40\r\nMDI Top=30\r\nMDI Height=500\r\nMDI Width=700\r\n");
    auto w = start();
    EXPECT_FALSE(w->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(w->size(), QSize(700, 500));
    EXPECT_EQ(w->pos(), QPoint(40, 30));

    // Exit writes the bounds back as they are.
    w->resize(720, 510);
    w->runCommand("FileExit");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(iniValue("Application Options", "MDI State"), "0");
    EXPECT_EQ(iniValue("Application Options", "MDI Width"), "720");
    EXPECT_EQ(iniValue("Application Options", "MDI Height"), "510");
}

TEST_F(MainWindowTest, ExitWhileMinimisedStartsMaximisedNextTime) {
    {
        auto w = start();
        w->showMinimized();
        w->runCommand("FileExit");
    }
    EXPECT_EQ(iniValue("Application Options", "MDI State"), "1");
    EXPECT_EQ(iniValue("Application Options", "MDI Width"), "<none>");
    auto w = start();
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
}

TEST_F(MainWindowTest, ExitAndTheCloseBoxBothKeepTheToolbarState) {
    {
        auto w = start();
        item(*w, {"&View", "&List Toolbar"})->trigger();
        EXPECT_FALSE(w->toolbar("ListToolBar")->isVisible());
        w->runCommand("FileExit");
    }
    const std::string text = iniText();
    EXPECT_NE(text.find("[Application Options]"), std::string::npos) << text;
    EXPECT_EQ(iniValue("Application Options", "List ToolBar"), "0");
    EXPECT_EQ(iniValue("Application Options", "Edit ToolBar"), "1");
    EXPECT_EQ(iniValue("Application Options", "Document Tabs"), "1");
    EXPECT_EQ(iniValue("Application Header", "Programe Name"), "Quillmar Pro 32 HTML Editor");
    EXPECT_EQ(iniValue("Application Header", "Version"), "Version 32.2.4.1");
    EXPECT_NE(iniValue("Application Header", "Author"), "<none>");
    EXPECT_EQ(iniValue("MRU", "0"), "");
    EXPECT_EQ(iniValue("MRU", "3"), "");

    {
        auto w = start();
        EXPECT_FALSE(w->toolbar("ListToolBar")->isVisible());
        EXPECT_FALSE(item(*w, {"&View", "&List Toolbar"})->isChecked());
        EXPECT_TRUE(w->toolbar("TableToolBar")->isVisible());
        // Show it again and leave through the close box, as the window
        // manager closes a window: that is leaving, and it is kept too.
        item(*w, {"&View", "&List Toolbar"})->trigger();
        EXPECT_TRUE(w->toolbar("ListToolBar")->isVisible());
        EXPECT_TRUE(w->close());
        EXPECT_EQ(iniValue("Application Options", "List ToolBar"), "1");
    }
    auto w = start();
    EXPECT_TRUE(w->toolbar("ListToolBar")->isVisible());
}

// The help window used to stay open after File > Exit, and the program with it.
TEST_F(MainWindowTest, ExitClosesEveryWindowOfTheProgram) {
    auto w = start();
    w->runCommand("HelpContents");
    QStringList shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top != w.get()) shown << top->metaObject()->className();
    EXPECT_EQ(shown, QStringList{"HelpWindow"});
    w->runCommand("FileExit");
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible()) << top->metaObject()->className();
}

TEST_F(MainWindowTest, SplashClosesByItselfOrAtOnceOnAKeyOrClick) {
    {
        TfrmTitle title;
        QTimer::singleShot(10 * TfrmTitle::kShowMs, &title, &QDialog::reject);  // a splash that stays
        EXPECT_EQ(title.exec(), QDialog::Accepted);
    }
    const std::function<void(QWidget*)> answers[] = {
        [](QWidget* t) { QTest::keyClick(t, Qt::Key_A); },
        [](QWidget* t) { QTest::keyClick(t, Qt::Key_Escape); },
        [](QWidget* t) { QTest::mouseClick(t, Qt::LeftButton, {}, QPoint(5, 5)); },
    };
    for (const auto& answer : answers) {
        TfrmTitle title;
        title.show();
        QTest::keyClick(&title, Qt::Key_Shift);  // a modifier alone is no answer
        EXPECT_TRUE(title.isVisible());
        answer(&title);
        EXPECT_FALSE(title.isVisible());
    }
}

TEST_F(MainWindowTest, ToggleButtonViewItemAndToolbarMoveTogether) {
    auto w = start();
    QAction* viewItem = item(*w, {"&View", "Fo&rms Toolbar"});
    QAction* button = nullptr;
    for (QAction* a : w->actionsFor("FormsToolbar1Click"))
        if (a != viewItem) button = a;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Frm");
    EXPECT_TRUE(button->isChecked());

    button->trigger();  // the button on the Edit bar
    EXPECT_FALSE(w->toolbar("FormToolBar")->isVisible());
    EXPECT_FALSE(viewItem->isChecked());
    EXPECT_FALSE(button->isChecked());
    viewItem->trigger();
    EXPECT_TRUE(w->toolbar("FormToolBar")->isVisible());
    EXPECT_TRUE(button->isChecked());
    EXPECT_TRUE(viewItem->isChecked());

    item(*w, {"&View", "&Document Tabs"})->trigger();
    EXPECT_FALSE(w->tabStrip()->isVisible());
    // Toggling never writes settings.
    EXPECT_EQ(iniText(), "");
}

TEST_F(MainWindowTest, StartupDirectoryWithTrailingSlashBecomesCurrent) {
    qmtest::TempDir dir;
    const fs::path site = dir.path() / "site";
    fs::create_directory(site);
    writeIni("[Application Options]\r\nStartup Directory=" + site.string() + "/\r\n");
    auto w = start();
    EXPECT_EQ(fs::current_path(), site);
}

TEST_F(MainWindowTest, MissingStartupDirectoryLeavesTheCurrentOne) {
    qmtest::TempDir dir;
    fs::current_path(dir.path());
    writeIni("[Application Options]\r\nStartup Directory=" + (dir.path() / "nowhere").string() + "/\r\n");
    auto w = start();
    EXPECT_EQ(fs::current_path(), dir.path());
}

TEST_F(MainWindowTest, DefaultStartupDirectoryIsHome) {
    auto w = start();
    EXPECT_EQ(fs::current_path(), fs::canonical(paths::homeDir()));
}

TEST_F(MainWindowTest, RecentFilesAreReadAndShownAndWrittenBackAtExit) {
    writeIni("[MRU]\r\n0=/web/Index.html\r\n1=\r\n2=/web/b.htm\r\n3=\r\n");
    auto w = start();
    QMenu* file = w->topMenu("&File");
    QStringList visible;
    for (QAction* a : file->actions())
        if (a->isVisible() && a->text().startsWith("&") && a->text().at(1).isDigit()) visible << a->text();
    EXPECT_EQ(visible, (QStringList{"&1 /web/Index.html", "&3 /web/b.htm"}));
    w->recentFiles().update("/web/new.html");
    w->runCommand("FileExit");
    EXPECT_EQ(iniValue("MRU", "0"), "/web/new.html");
    EXPECT_EQ(iniValue("MRU", "1"), "/web/Index.html");
    EXPECT_EQ(iniValue("MRU", "2"), "");
    EXPECT_EQ(iniValue("MRU", "3"), "/web/b.htm");
}

TEST_F(MainWindowTest, StartUpRunsTheDocumentHooksInOrder) {
    // The document code plugs in here; start-up calls it as specified.
    QStringList calls;
    auto w = std::make_unique<TmdiMain>(QStringList{"/a.html", "/b.html"});
    w->setHandler("FileNew", [&] { calls << "new"; });
    w->setDocumentOpener([&](const std::string& bytes) {
        const QString p = QString::fromStdString(bytes);
        calls << "open " + p + " [" + w->statusText() + "]";
        if (p == "/a.html") throw std::runtime_error("cannot open");
    });
    w->setTipsHandler([&] { calls << "tips"; });
    QSignalSpy done(w.get(), &TmdiMain::startUpFinished);
    w->show();
    ASSERT_TRUE(done.wait(5000));
    // A failing file does not stop the next one.
    EXPECT_EQ(calls, (QStringList{"new", "open /a.html [   Opening File : /a.html ...]",
                                  "open /b.html [   Opening File : /b.html ...]", "tips"}));
}

TEST_F(MainWindowTest, OpenTemplateAndTipsCanBeSwitchedOff) {
    writeIni("[System]\r\nOpen Template=0\r\n[Start Options]\r\nTips=0\r\n");
    QStringList calls;
    auto w = std::make_unique<TmdiMain>();
    w->setHandler("FileNew", [&] { calls << "new"; });
    w->setTipsHandler([&] { calls << "tips"; });
    QSignalSpy done(w.get(), &TmdiMain::startUpFinished);
    w->show();
    ASSERT_TRUE(done.wait(5000));
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(MainWindowTest, UserNameComesFromTheSettings) {
    writeIni("[Application Header]\r\nUser Name=Ada Lovelace\r\n");
    auto w = start();
    EXPECT_EQ(w->panel("pnlApp")->text(), "Ada Lovelace");
    EXPECT_EQ(w->userName(), "Ada Lovelace");
}
