// The default player plays a real wave file through Qt Multimedia. These
// machines have no audio device: playback must neither crash nor hang, and
// the player must answer stop, pause and play again at once.

#include <gtest/gtest.h>

#include <QAudioOutput>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QTest>
#include <cstdint>
#include <fstream>

#include "Sound.h"
#include "TestSupport.h"

namespace {

// A mono 8 kHz 16-bit wave of `samples` samples of a square tone.
void writeWave(const std::filesystem::path& path, std::uint32_t samples) {
    auto le = [](std::ofstream& o, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) o.put(char((v >> (8 * i)) & 0xFF));
    };
    std::ofstream o(path, std::ios::binary);
    const std::uint32_t data = samples * 2;
    o << "RIFF";
    le(o, 36 + data, 4);
    o << "WAVEfmt ";
    le(o, 16, 4);
    le(o, 1, 2);         // PCM
    le(o, 1, 2);         // mono
    le(o, 8000, 4);      // sample rate
    le(o, 16000, 4);     // bytes per second
    le(o, 2, 2);         // block align
    le(o, 16, 2);        // bits per sample
    o << "data";
    le(o, data, 4);
    for (std::uint32_t i = 0; i < samples; ++i) le(o, (i / 10) % 2 ? 0x2000 : 0xE000, 2);
}

}  // namespace

TEST(Sound, WaveFilePlaysWithoutAnAudioDevice) {
    qmtest::TempDir dir;
    const QString wave = QString::fromStdString(dir.file("tone.wav").string());
    writeWave(dir.file("tone.wav"), 4000);  // half a second
    DefaultSoundPlayer player;

    player.playFile(wave);
    auto* media = QCoreApplication::instance()->findChild<QMediaPlayer*>();
    ASSERT_NE(media, nullptr) << "no media player was made for the file";
    EXPECT_EQ(media->source().toLocalFile(), wave);
    EXPECT_EQ(qgetenv("QT_MEDIA_BACKEND"), "gstreamer");
    QTest::qWait(800);  // the file plays (into nothing) while events run

    player.pause();
    player.playFile(wave);  // goes on from where it was held
    QTest::qWait(100);
    player.stop();
    EXPECT_EQ(media->playbackState(), QMediaPlayer::StoppedState);

    // A missing file leaves the player as it was.
    player.playFile(QString::fromStdString(dir.file("missing.wav").string()));
    EXPECT_EQ(media->source().toLocalFile(), wave);
    EXPECT_EQ(media->playbackState(), QMediaPlayer::StoppedState);
}
