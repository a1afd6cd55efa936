#pragma once
// Stand-ins for the sound, launcher and help hooks, for tests: each records
// what the program asked for instead of doing it. Constructing one installs
// it; destroying it puts the previous hook back.

#include <QString>
#include <QStringList>

#include "Help.h"
#include "Launcher.h"
#include "Sound.h"

class RecordingSoundPlayer : public SoundPlayer {
public:
    RecordingSoundPlayer();
    ~RecordingSoundPlayer() override;
    RecordingSoundPlayer(const RecordingSoundPlayer&) = delete; // installed by address
    RecordingSoundPlayer& operator=(const RecordingSoundPlayer&) = delete;

    void playDefault() override { ++defaultSounds; played << QStringLiteral("<default>"); }
    void playFile(const QString& path) override { played << path; }
    void stop() override { ++stops; }

    int defaultSounds = 0;
    int stops = 0;
    QStringList played; // "<default>" for the system sound, else the file path

private:
    SoundPlayer* previous_;
};

class RecordingLauncher : public Launcher {
public:
    RecordingLauncher();
    ~RecordingLauncher() override;
    RecordingLauncher(const RecordingLauncher&) = delete; // installed by address
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    bool start(const QString& program, const QStringList& arguments = {},
               const QString& workingDir = QString()) override;

    struct Start {
        QString program;
        QStringList arguments;
        QString workingDir;
    };
    QList<Start> started;
    bool result = true; // what start() answers

private:
    Launcher* previous_;
};

// Records each call as one line: "setHelpFile html.hlp", "contents quillmar.hlp",
// "search quillmar.hlp <keyword>", "helpOnHelp", "context quillmar.hlp 100".
class RecordingHelp : public HelpSystem {
public:
    RecordingHelp();
    ~RecordingHelp() override;
    RecordingHelp(const RecordingHelp&) = delete; // installed by address
    RecordingHelp& operator=(const RecordingHelp&) = delete;

    void setHelpFile(const QString& file) override;
    QString helpFile() const override { return file_; }
    bool showContents() override;
    bool search(const QString& keyword) override;
    bool helpOnHelp() override;
    bool showContext(int context) override;

    QStringList calls;

private:
    HelpSystem* previous_;
    QString file_ = QStringLiteral("quillmar.hlp");
};
