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

    // The process-wide player; install(nullptr) restores the default one.
    // The caller keeps ownership and uninstalls before destroying it.
    static SoundPlayer& current();
    static SoundPlayer* install(SoundPlayer* p);
};

// The default player: QApplication::beep() for the system sound. File
// playback needs Qt Multimedia, which is not linked yet, so it does nothing;
// a multimedia player plugs in through SoundPlayer::install.
class DefaultSoundPlayer : public SoundPlayer {
public:
    void playDefault() override;
    void playFile(const QString& path) override;
    void stop() override;
};
