// Sound cues: the choice of a file among a cue's list, the failure count of the checked cues,
// and real playback through SDL's "disk" audio driver, whose output file shows the samples
// that went to the device.
#include "sound/cueplayer.h"
#include "sound/sdlaudio.h"
#include "sound/wavfile.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct CueFixture {
    CueFixture() {
        for (int c = 1; c < kCueColumns; ++c)
            sound.soundCueTable[c][0] = QStringLiteral("cue%1").arg(c);
        setList(2,
                {QStringLiteral("seikai1"), QStringLiteral("seikai2"), QStringLiteral("seikai3")});
        setList(3, {QStringLiteral("bubu")});
        setList(4, {QStringLiteral("noname")});
        setList(8, {QStringLiteral("jiko")});
        setList(10, {QStringLiteral("yoku")});
    }
    void setList(int column, const QStringList& names) {
        for (int r = 0; r < names.size(); ++r)
            sound.soundCueTable[column][r + 1] = names[r];
        sound.soundCueTable[column][21] = QString::number(names.size());
    }
    SoundContext ctx() { return SoundContext{sound, folder, audio, random}; }

    SoundState sound;
    QString folder = QStringLiteral("/school/音 フォルダ/");
    FakeAudio audio;
    FakeRandom random;
};

TEST(CueChoice, EachNameOfAListOfThreeHasItsThird) {
    CueFixture f;
    // k = Int(Rnd × 3 + 1)
    f.random.values = {0.0, 0.3333, 0.3334, 0.6666, 0.6667, 0.9999999};
    for (int i = 0; i < 6; ++i)
        playCorrectCue(f.ctx());
    const QString d = f.folder;
    EXPECT_EQ(f.audio.played,
              (QStringList{d + "seikai1.wav", d + "seikai1.wav", d + "seikai2.wav",
                           d + "seikai2.wav", d + "seikai3.wav", d + "seikai3.wav"}));
    // The folder goes into the command as it is, blanks and all.
    EXPECT_EQ(f.sound.mciCommandText, QStringLiteral("play ") + d + "seikai3.wav wait");
    EXPECT_EQ(f.sound.mciResultCode, QStringLiteral("0"));
}

TEST(CueChoice, EveryCueHasItsFileAndACueWithoutAListPlaysRowOne) {
    CueFixture f;
    playWrongCue(f.ctx());
    playNoNameCue(f.ctx());
    playPersonalBestCue(f.ctx());
    playGoodTimeCue(f.ctx());
    playLevelBestCue(f.ctx());
    playPassCue(f.ctx());
    f.sound.soundCueTable[3][1].clear();
    f.sound.soundCueTable[3][21].clear();
    playWrongCue(f.ctx());
    const QString d = f.folder;
    EXPECT_EQ(f.audio.played,
              (QStringList{d + "bubu.wav", d + "noname.wav", d + "jiko.wav", d + "yoku.wav",
                           d + "最高1.wav", d + "合格.wav", d + ".wav"}));
}

TEST(CueFailures, ThreeInARowPassSilentlyTheFourthGivesUp) {
    CueFixture f;
    f.audio.failAll = true;
    EXPECT_EQ(playCorrectCue(f.ctx()), CueOutcome::FailedSilently);
    EXPECT_EQ(playWrongCue(f.ctx()), CueOutcome::FailedSilently);
    EXPECT_EQ(playNoNameCue(f.ctx()), CueOutcome::FailedSilently);
    EXPECT_EQ(f.sound.soundRetry, 3);
    EXPECT_EQ(f.sound.mciResultCode, QStringLiteral("263"));
    EXPECT_EQ(f.sound.mciReturnText, QStringLiteral("test failure"));
    // Unchecked cues neither count nor give up.
    playPersonalBestCue(f.ctx());
    playGoodTimeCue(f.ctx());
    playLevelBestCue(f.ctx());
    playPassCue(f.ctx());
    EXPECT_EQ(f.sound.soundRetry, 3);
    EXPECT_EQ(playCorrectCue(f.ctx()), CueOutcome::GiveUp);
}

TEST(CueFailures, ASuccessResetsTheCount) {
    CueFixture f;
    f.audio.failing = QStringList{f.folder + "bubu.wav"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(playWrongCue(f.ctx()), CueOutcome::FailedSilently);
    EXPECT_EQ(playCorrectCue(f.ctx()), CueOutcome::Played);
    EXPECT_EQ(f.sound.soundRetry, 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(playWrongCue(f.ctx()), CueOutcome::FailedSilently);
    EXPECT_EQ(playWrongCue(f.ctx()), CueOutcome::GiveUp);
}

// ---- real playback through SDL's disk driver ------------------------------------------------

// A mono 16-bit WAV at 44.1 kHz whose samples follow a pattern of its own.
QByteArray samplesFor(int seed, int count) {
    QByteArray data;
    for (int i = 0; i < count; ++i) {
        const auto v =
            qToLittleEndian(static_cast<std::int16_t>((i * 37 + seed * 1009) % 20000 + 100));
        data.append(reinterpret_cast<const char*>(&v), 2);
    }
    return data;
}


class DiskAudio : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        output = dir.filePath(QStringLiteral("device.raw"));
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
        folder = dir.path() + QStringLiteral("/音 フォルダ/");
        for (int i = 1; i <= 3; ++i) {
            samples[i] = samplesFor(i, 2205); // 50 ms each
            writeBytes(folder + QStringLiteral("seikai%1.wav").arg(i), pcm16MonoWav(samples[i], 44100));
        }
        writeBytes(folder + QStringLiteral("broken.wav"), QByteArray("RIFF\x10\0\0\0WAVEjunk", 16));
    }
    QTemporaryDir dir;
    QString output;
    QString folder;
    QByteArray samples[4];
};

TEST_F(DiskAudio, TheChosenFilesSamplesGoToTheDevice) {
    SdlAudioOut audio;
    CueFixture f;
    f.folder = folder;
    f.random.values = {0.5}; // k = Int(0.5 × 3 + 1) = 2
    SoundContext ctx{f.sound, folder, audio, f.random};
    EXPECT_EQ(playCorrectCue(ctx), CueOutcome::Played) << f.sound.mciReturnText.toStdString();
    const QByteArray out = readBytes(output);
    EXPECT_TRUE(out.contains(samples[2])) << "output of " << out.size() << " bytes";
    EXPECT_FALSE(out.contains(samples[1].left(400)));
    EXPECT_FALSE(out.contains(samples[3].left(400)));
}

TEST_F(DiskAudio, MissingOrUnreadableFilesFailWithAReadableReason) {
    SdlAudioOut audio;
    for (const QString& name : {QStringLiteral("nothing.wav"), QStringLiteral("broken.wav")}) {
        QString why;
        EXPECT_NE(audio.play(folder + name, &why), 0) << name.toStdString();
        EXPECT_TRUE(why.contains(folder + name)) << why.toStdString();
    }
}

TEST_F(DiskAudio, ASoundFolderWithoutTheFilesEndsOnTheFourthCheckedFailure) {
    SdlAudioOut audio;
    CueFixture f;
    const QString empty = dir.path() + QStringLiteral("/empty/");
    SoundContext ctx{f.sound, empty, audio, f.random};
    playLevelBestCue(ctx);
    playPassCue(ctx);
    EXPECT_EQ(f.sound.soundRetry, 0) << "end-of-round cues are not counted";
    EXPECT_EQ(playCorrectCue(ctx), CueOutcome::FailedSilently);
    EXPECT_EQ(playWrongCue(ctx), CueOutcome::FailedSilently);
    EXPECT_EQ(playCorrectCue(ctx), CueOutcome::FailedSilently);
    EXPECT_EQ(playWrongCue(ctx), CueOutcome::GiveUp);
    EXPECT_TRUE(f.sound.mciReturnText.contains(empty + QStringLiteral("bubu.wav")));
}

} // namespace
