#pragma once
// Sound output behind one replaceable hook: the default system sound (the
// error "ding") and asynchronous playback of a wave file. Without an audio
// device both do nothing and say nothing.

#include <QString>

class SoundPlayer {
public:
    virtual ~SoundPlayer();
    // The default system sound.
    virtual void playDefault() = 0;
    // Starts playing a wave (or other sound) file and returns at once;
    // a missing or unplayable file is silently ignored.
    virtual void playFile(const QString& path) = 0;
    // Stops what playFile started (the extension dialog's player).
    virtual void stop() = 0;
    // Holds playback where it is; playing the same file again goes on from there.
    virtual void pause() { stop(); }

    // The process-wide player; install(nullptr) restores the default one.
    // The caller keeps ownership and uninstalls before destroying it.
    static SoundPlayer& current();
    static SoundPlayer* install(SoundPlayer* p);
};

// The default player: QApplication::beep() for the system sound, Qt
// Multimedia for files. Without an audio device the file is opened and
// played into nothing: no message, no wait.
class DefaultSoundPlayer : public SoundPlayer {
public:
    void playDefault() override;
    void playFile(const QString& path) override;
    void stop() override;
    void pause() override;

private:
    QString source_;
};

// Chooses Qt Multimedia's GStreamer back end unless the user named one:
// the FFmpeg one crashes on machines without an audio device. Call before
// the application object exists (the player also calls it before its first
// use, for programs that play sound without the editor's start-up).
void selectSoundBackend();
