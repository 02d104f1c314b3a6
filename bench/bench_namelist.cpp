// Rebuilding the name list (名簿表示) on an offscreen name screen: statistics over 20,000
// records, a roster of 5,000 students, the rows, the sort and the fill of the list.
#include "app/app.h"
#include "results/resultsfile.h"
#include "results/statistics.h"
#include "roster/namesel.h"
#include "text/cp932.h"
#include "text/dateserial.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class BenchClock : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 11), QTime(15, 0)); }
    std::int64_t tickMs() const override { return 0; }
};

class BenchRandom : public Random {
public:
    void seed(std::uint32_t) override {}
    double next() override { return 0.5; }
};

class SilentAudio : public AudioOut {
public:
    int play(const QString&, QString*) override { return 0; }
};

class NoLauncher : public Launcher {
public:
    bool start(const QString&, const QStringList&, QString*) override { return false; }
};

class SilentMessages : public UserMessages {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString& title, const QString& text) override {
        qFatal("%s: %s", qPrintable(title), qPrintable(text));
    }
    bool confirm(const QString&, const QString&) override { return true; }
};

// A school of 5,000 listed students and 20,000 results; returns the program folder.
QString writeSchool(const QString& root) {
    const QString r = root + u'/';
    const QString program = r + QStringLiteral("数読庵/");
    QDir().mkpath(program);
    QDir().mkpath(r + QStringLiteral("音フォルダ"));
    cp932::writeFile(r + QStringLiteral("パスデータ.txt"),
                     r + QStringLiteral("\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
    cp932::writeFile(r + QStringLiteral("共通データ.txt"),
                     QStringLiteral("4\n12345ベンチ塾\n0\n0\n0\npass\n0\n0\n0\n0\n"));
    cp932::writeFile(r + QStringLiteral("音フォルダ/新音ファイル.txt"),
                     QStringLiteral("間違い音2\nbubu\n*\n"));
    cp932::writeFile(
        program + QStringLiteral("タイム回数データ.txt"),
        QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
                       "60,90,300,20,1,0,0,7,1,,,\n80,120,300,20,1.5,10,0,7,1,,,\n"
                       "100,150,300,20,2,0,3000,14,2,,,\n150,220,300,20,3,0,0,30,1,,,\n"));
    const QStringList family = {QStringLiteral("山田"), QStringLiteral("佐藤"),
                                QStringLiteral("鈴木"), QStringLiteral("高橋"),
                                QStringLiteral("田中"), QStringLiteral("渡辺")};
    const QStringList given = {QStringLiteral("太郎"),   QStringLiteral("花子"),
                               QStringLiteral("ゆう"),   QStringLiteral("健"),
                               QStringLiteral("さくら"), QStringLiteral("翔")};
    QString roster;
    for (int n = 1; n <= 5000; ++n)
        roster += QStringLiteral("%1,%2,0,0,\"%3　%4\",0,\"\",\"\"\n")
                      .arg(n)
                      .arg(2008 + n % 15)
                      .arg(family[n % family.size()], given[(n / 7) % given.size()]);
    cp932::writeFile(r + QStringLiteral("新名簿.txt"), roster);
    QByteArray bytes;
    const int today = toDateSerial(QDate(2026, 12, 11));
    for (int k = 0; k < 20000; ++k) {
        ResultRecord rec;
        rec.recordDate = today - (k % 40);
        rec.recordClock = 0.5;
        rec.Bangou = static_cast<std::int16_t>(1 + (k * 37) % 5000);
        rec.level = static_cast<std::int16_t>(1 + k % 4);
        rec.time = 30 + (k * 13) % 300;
        bytes += serializeRecord(rec);
    }
    QFile f(program + kResultsFileName);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return program;
}

void BM_NameListRebuild(benchmark::State& st) {
    QTemporaryDir dir;
    const QString program = writeSchool(dir.path());
    Services s;
    s.clock = std::make_unique<BenchClock>();
    s.random = std::make_unique<BenchRandom>();
    s.audio = std::make_unique<SilentAudio>();
    s.launcher = std::make_unique<NoLauncher>();
    s.messages = std::make_unique<SilentMessages>();
    App app(std::move(s), program);
    app.startProgram();
    namesel* screen = app.screen<namesel>();
    if (!screen) {
        st.SkipWithError("the name screen did not open");
        return;
    }
    for (auto _ : st) {
        screen->名簿表示();
        benchmark::DoNotOptimize(screen->List1->count());
    }
    st.counters["rows"] = screen->List1->count();
}
// The parts of a rebuild, to see where the time goes.
void BM_NameListParts(benchmark::State& st) {
    QTemporaryDir dir;
    const QString program = writeSchool(dir.path());
    Services s;
    s.clock = std::make_unique<BenchClock>();
    s.random = std::make_unique<BenchRandom>();
    s.audio = std::make_unique<SilentAudio>();
    s.launcher = std::make_unique<NoLauncher>();
    s.messages = std::make_unique<SilentMessages>();
    App app(std::move(s), program);
    app.startProgram();
    const int part = static_cast<int>(st.range(0));
    for (auto _ : st) {
        if (part == 0) {
            computeStatistics(app.state(), app.clock(), app.messages());
        } else if (part == 1) {
            benchmark::DoNotOptimize(readRoster(app.state(), QDate(2026, 12, 11)).size());
        } else if (part == 3) {
            namesel* screen = app.screen<namesel>();
            screen->List1->clear();
            screen->List1->addItems(screen->listing().shown);
        } else {
            NameListing l =
                buildNameListing(app.state(), QDate(2026, 12, 11), 1, QStringLiteral("全学年"));
            benchmark::DoNotOptimize(l.shown.size());
        }
    }
}
BENCHMARK(BM_NameListParts)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_NameListRebuild)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
