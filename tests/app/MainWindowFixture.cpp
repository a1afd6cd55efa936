#include "MainWindowFixture.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "IniFile.h"
#include "Paths.h"
#include "TestSupport.h"
#include "TfrmTitle.h"

namespace fs = std::filesystem;

void MainWindowTest::SetUp() {
    qmtest::clearXdgFolders();
    cwd_ = fs::current_path();
    previousRunner_ = setModalRunner([this](QDialog& d) {
        modalTitles << d.windowTitle();
        // Close it as a user would: the splash through its button, others by OK.
        QTimer::singleShot(0, &d, [&d] {
            if (auto* title = qobject_cast<TfrmTitle*>(&d))
                title->closeButton()->click();
            else
                d.accept();
        });
        return d.exec();
    });
}

void MainWindowTest::TearDown() {
    setModalRunner(std::move(previousRunner_));
    fs::current_path(cwd_);
}

std::unique_ptr<TmdiMain> MainWindowTest::start(const QStringList& args) {
    auto w = std::make_unique<TmdiMain>(args);
    QSignalSpy done(w.get(), &TmdiMain::startUpFinished);
    w->show();
    if (!w->startUpDone()) {
        EXPECT_TRUE(done.wait(5000)) << "start-up did not finish";
    }
    return w;
}

fs::path MainWindowTest::iniPath() { return paths::settingsDir() / "QUILLMAR.INI"; }

std::string MainWindowTest::iniText() {
    std::error_code ec;
    return fs::exists(iniPath(), ec) ? qmtest::readFile(iniPath()) : std::string();
}

void MainWindowTest::writeIni(const std::string& text) { qmtest::writeFile(iniPath(), text); }

std::string MainWindowTest::iniValue(const std::string& section, const std::string& key) {
    return IniFile("QUILLMAR.INI").ReadString(section, key, "<none>");
}

QAction* MainWindowTest::item(TmdiMain& w, const QStringList& path) {
    QList<QAction*> actions = w.menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& caption : path) {
        found = nullptr;
        for (QAction* a : actions)
            if (a->text().section(u'\t', 0, 0) == caption) {  // without the key column
                found = a;
                break;
            }
        if (!found) return nullptr;
        if (found->menu()) actions = found->menu()->actions();
    }
    return found;
}
