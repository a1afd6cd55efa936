#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QTest>
#include <stdexcept>

#include "HourglassGuard.h"
#include "RecordingHooks.h"
#include "TestSupport.h"

TEST(Launcher, StartsRealProgramsAndRefusesMissingOnes) {
    ProcessLauncher launcher;
    EXPECT_FALSE(launcher.start("/nonexistent/quilimg", {}, {}));
    EXPECT_FALSE(launcher.start("", {}, {}));
    qmtest::TempDir dir;
    const QString marker = QString::fromStdString(dir.file("started").string());
    ASSERT_TRUE(launcher.start("touch", {marker}, {}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
}

TEST(Hooks, RecordersStandInWhileTheyLive) {
    SoundPlayer* defaultSound = &SoundPlayer::current();
    Launcher* defaultLauncher = &Launcher::current();
    HelpSystem* defaultHelp = &HelpSystem::current();
    {
        RecordingSoundPlayer sound;
        RecordingLauncher launcher;
        RecordingHelp help;
        launcher.result = false;
        SoundPlayer::current().playDefault();
        SoundPlayer::current().playFile("/x/ding.wav");
        EXPECT_FALSE(Launcher::current().start("/x/quilimg", {"a"}, "/x"));
        HelpSystem& h = HelpSystem::current();
        h.showContext(100);
        h.setHelpFile("html.hlp");
        h.showContents();
        h.setHelpFile("quillmar.hlp");
        h.search("");
        h.helpOnHelp();
        EXPECT_EQ(sound.played, (QStringList{"<default>", "/x/ding.wav"}));
        ASSERT_EQ(launcher.started.size(), 1);
        EXPECT_EQ(launcher.started[0].arguments, QStringList{"a"});
        EXPECT_EQ(help.calls, (QStringList{"context quillmar.hlp 100", "setHelpFile html.hlp", "contents html.hlp",
                                           "setHelpFile quillmar.hlp", "search quillmar.hlp ", "helpOnHelp"}));
    }
    EXPECT_EQ(&SoundPlayer::current(), defaultSound);
    EXPECT_EQ(&Launcher::current(), defaultLauncher);
    EXPECT_EQ(&HelpSystem::current(), defaultHelp);
}

TEST(HourglassGuard, RestoresTheCursorOnEveryPath) {
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        HourglassGuard outer;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        try {
            HourglassGuard inner;
            throw std::runtime_error("mid-operation");
        } catch (const std::runtime_error&) {
        }
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
