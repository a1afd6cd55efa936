#include "Sound.h"

#include <QApplication>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>

namespace {
SoundPlayer*& installed() {
    static SoundPlayer* p = nullptr;
    return p;
}

// One media player for the run, owned by the application object so that it
// goes before Qt does; created on first use.
QMediaPlayer* mediaPlayer() {
    static QPointer<QMediaPlayer> player;
    if (!player && QCoreApplication::instance()) {
        selectSoundBackend();
        player = new QMediaPlayer(QCoreApplication::instance());
        player->setAudioOutput(new QAudioOutput(player));
    }
    return player;
}
}  // namespace

void selectSoundBackend() {
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

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

void DefaultSoundPlayer::playFile(const QString& path) {
    if (!QFileInfo(path).isFile()) return;
    QMediaPlayer* player = mediaPlayer();
    if (!player) return;
    const bool resume = path == source_ && player->playbackState() == QMediaPlayer::PausedState;
    if (!resume) {
        player->stop();
        player->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
        source_ = path;
    }
    player->play();
}

void DefaultSoundPlayer::stop() {
    if (QMediaPlayer* player = mediaPlayer()) player->stop();
}

void DefaultSoundPlayer::pause() {
    if (QMediaPlayer* player = mediaPlayer()) player->pause();
}
