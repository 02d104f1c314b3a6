// Drill speed: a key press through the answer board and the redraw of the cells, and the time
// from Enter to the first samples of the answer's sound reaching the audio device.
#include "app/app.h"
#include "benchsupport.h"
#include "drill/mainfrm.h"
#include "sound/sdlaudio.h"
#include "sound/wavfile.h"
#include "startup/identity.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <thread>

namespace {

// The drill screen of a level-1 round on `audio`, the correct-answer cue in `soundFolder`.
std::unique_ptr<App> makeApp(std::unique_ptr<AudioOut> audio, const QString& soundFolder) {
    bench::qtApp();
    // The random numbers are all 0.5: every level-1 problem is 55000.
    Services s = bench::services(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    s.audio = std::move(audio);
    auto app = std::make_unique<App>(std::move(s), QDir::tempPath());
    AppState& st = app->state();
    setProgramIdentity(st.program);
    fillLevelTable(st.program);
    st.program.targetTime[1] = 60;
    st.program.minimumTime[1] = 90;
    st.installation.soundFolder = soundFolder;
    st.sound.soundCueTable[2][1] = QStringLiteral("seikai");
    st.sound.soundCueTable[2][21] = QStringLiteral("1");
    st.student.studentNumber = 1;
    st.student.studentName = QStringLiteral("山田　太郎");
    st.round.levelIndex = 1;
    app->startDrill();
    return app;
}

void sendKey(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

// One key in sequence mode (a 16th character wipes the entry, so the board never fills up),
// then the board's cells painted into an image as the window would paint them.
void BM_KeyPressAndCellRedraw(benchmark::State& state) {
    auto app = makeApp(bench::silentAudio(), QDir::tempPath() + u'/');
    MainFrm* drill = app->screen<MainFrm>();
    drill->resize(1024, 768);
    sendKey(drill, Qt::Key_Down, {});
    const QRect board = drill->Label3[15]
                            ->geometry()
                            .united(drill->Label3[1]->geometry())
                            .united(drill->Label7[15]->geometry());
    QImage image(board.size(), QImage::Format_ARGB32_Premultiplied);
    int digit = 0;
    for (auto _ : state) {
        const QChar c(u'0' + digit);
        digit = (digit + 1) % 10;
        sendKey(drill, Qt::Key_0 + (c.unicode() - u'0'), QString(c));
        QPainter painter(&image);
        drill->render(&painter, QPoint(), QRegion(board));
    }
}
BENCHMARK(BM_KeyPressAndCellRedraw)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A 16-bit mono WAV of 50 ms whose samples are never silent.
QByteArray wavFile() {
    QByteArray samples;
    for (int i = 0; i < 2205; ++i) {
        const auto v = qToLittleEndian(static_cast<std::int16_t>(1000 + (i * 37) % 8000));
        samples.append(reinterpret_cast<const char*>(&v), 2);
    }
    return pcm16MonoWav(samples, 44100);
}

// Watches the disk driver's output file for the first sample that is not silence: the moment
// the device has been handed the sound's first buffer.
class DeviceWatcher {
public:
    explicit DeviceWatcher(QString path) : path_(std::move(path)) {
        thread_ = std::thread([this] { run(); });
    }
    ~DeviceWatcher() {
        stop_ = true;
        thread_.join();
    }
    void arm() {
        firstSoundNs_ = 0;
        armed_ = true;
    }
    std::int64_t firstSoundNs() const { return firstSoundNs_; }

private:
    void run() {
        while (!stop_) {
            if (armed_ && firstSoundNs_ == 0) {
                QFile f(path_);
                if (f.open(QIODevice::ReadOnly)) {
                    const QByteArray bytes = f.readAll();
                    for (char b : bytes)
                        if (b != 0) {
                            firstSoundNs_ = now();
                            armed_ = false;
                            break;
                        }
                }
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    static std::int64_t now() {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    QString path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> armed_{false};
    std::atomic<std::int64_t> firstSoundNs_{0};
};

// Enter on a correct answer until the first samples of the correct-answer cue reach SDL's
// "disk" device (which writes every buffer the device is handed to a file).
void BM_EnterToFirstSoundBuffer(benchmark::State& state) {
    QTemporaryDir dir;
    const QString deviceFile = dir.filePath(QStringLiteral("device.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(deviceFile));
    const QString sound = dir.path() + u'/';
    QFile wav(sound + QStringLiteral("seikai.wav"));
    wav.open(QIODevice::WriteOnly);
    wav.write(wavFile());
    wav.close();
    auto app = makeApp(std::make_unique<SdlAudioOut>(), sound);
    MainFrm* drill = app->screen<MainFrm>();
    DeviceWatcher watcher(deviceFile);
    for (auto _ : state) {
        app->state().round.answeredCount = 0; // the round never ends
        sendKey(drill, Qt::Key_Down, {});
        for (QChar c : QStringLiteral("55000"))
            sendKey(drill, Qt::Key_0 + (c.unicode() - u'0'), QString(c));
        QFile::remove(deviceFile);
        watcher.arm();
        const auto enter = std::chrono::steady_clock::now();
        sendKey(drill, Qt::Key_Return, QStringLiteral("\r"));
        // play() returns when the sound has finished, so its first buffer has gone out.
        while (watcher.firstSoundNs() == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        const double seconds =
            static_cast<double>(
                watcher.firstSoundNs() -
                std::chrono::duration_cast<std::chrono::nanoseconds>(enter.time_since_epoch())
                    .count()) /
            1e9;
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_EnterToFirstSoundBuffer)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
