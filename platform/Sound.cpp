#include "Sound.h"

#include <QApplication>

namespace {
SoundPlayer*& installed() {
    static SoundPlayer* p = nullptr;
    return p;
}
}  // namespace

SoundPlayer::~SoundPlayer() = default;

SoundPlayer& SoundPlayer::current() {
    static DefaultSoundPlayer fallback;
    return installed() ? *installed() : fallback;
}

SoundPlayer* SoundPlayer::install(SoundPlayer* p) {
    SoundPlayer* previous = installed();
    installed() = p;
    return previous;
}

void DefaultSoundPlayer::playDefault() { QApplication::beep(); }

// Qt Multimedia is not linked: files are not played, and nothing is said,
// as with no audio device.
void DefaultSoundPlayer::playFile(const QString&) {}

void DefaultSoundPlayer::stop() {}
