// Level menu speed: the activation over 20,000 records and a roster of 5,000 students (the
// statistics, the four points rankings, the column texts and the availability), today's list
// (the newest 1,000 records) and the one-year period list (the newest 20,000 records).
#include "app/app.h"
#include "menu/seisekitime1.h"
#include "results/resultsfile.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "startup/identity.h"
#include "startup/settings.h"
#include "text/cp932.h"
#include "text/dateserial.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(10, 0));

QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "bench_menu";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

class BenchClock : public Clock {
public:
    QDateTime now() const override { return kNow; }
    std::int64_t tickMs() const override { return 1'000'000; }
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
class NoMessages : public UserMessages {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString&, const QString&) override {}
    bool confirm(const QString&, const QString&) override { return true; }
};

void writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    cp932::writeFile(path, text);
}

// A school of 5,000 students and 20,000 rounds over the last year; the newest 1,000 are today's.
QString makeBigSchool(const QString& root) {
    const QString r = root + u'/';
    writeText(r + QStringLiteral("パスデータ.txt"),
              r + QStringLiteral("\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
    writeText(r + QStringLiteral("共通データ.txt"),
              QStringLiteral("4\n12345テスト塾\n0\n0\n0\npass\n0\n0\n0\n0\n"));
    QString roster;
    for (int n = 1; n <= 5000; ++n)
        roster += QStringLiteral("%1,%2,0,0,\"生徒%1\",0,\"\",\"\"\n").arg(n).arg(2012 + n % 9);
    writeText(r + QStringLiteral("新名簿.txt"), roster);
    writeText(r + QStringLiteral("音フォルダ/新音ファイル.txt"),
              QStringLiteral("正解音2\nseikai\n*\n"));
    const QString program = r + QStringLiteral("数読庵/");
    writeText(
        program + QStringLiteral("タイム回数データ.txt"),
        QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
                       "60,90,300,20,1,0,0,7,1,,,\n80,120,300,20,1.5,10,0,7,1,,,\n"
                       "100,150,300,20,2,0,3000,14,2,,,\n150,220,300,20,3,0,0,30,1,,,\n"));
    QByteArray bytes;
    const double today = toDateSerial(kNow.date());
    for (int k = 1; k <= 20000; ++k) {
        ResultRecord rec;
        rec.recordDate = k > 19000 ? today : today - 1 - (19000 - k) / 53;
        rec.recordClock = (8 * 3600 + k % 30000) / 86400.0;
        rec.Bangou = static_cast<std::int16_t>(1 + (k * 7919) % 5000);
        rec.level = static_cast<std::int16_t>(1 + k % 4);
        rec.time = k % 97 == 0 ? 99999 : 25 + (k * 31) % 200;
        bytes += serializeRecord(rec);
    }
    QFile f(program + kResultsFileName);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return program;
}

struct BigSchool {
    QTemporaryDir dir;
    std::unique_ptr<App> app;
    BigSchool() {
        qtApp();
        const QString program = makeBigSchool(dir.path());
        Services s;
        s.clock = std::make_unique<BenchClock>();
        s.random = std::make_unique<BenchRandom>();
        s.audio = std::make_unique<SilentAudio>();
        s.messages = std::make_unique<NoMessages>();
        app = std::make_unique<App>(std::move(s), program);
        AppState& st = app->state();
        loadSettings(st, program);
        fillLevelTable(st.program);
        readRoster(st, kNow.date());
        st.installation.seasonColour = 0xC0FFC0;
        st.student.studentNumber = 2500;
        st.student.studentName = st.roster.studentNames[2500];
        st.student.gradeFilterText = QStringLiteral("全学年");
        computeStatistics(st, app->clock(), app->messages());
    }
    seisekitime1* loadMenu() {
        auto* menu = app->load(new seisekitime1(*app));
        menu->show();
        return menu;
    }
    void unload(seisekitime1* menu) {
        app->unload(menu);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

BigSchool& school() {
    static BigSchool s;
    return s;
}

void BM_MenuActivation(benchmark::State& state) {
    BigSchool& s = school();
    for (auto _ : state) {
        state.PauseTiming();
        seisekitime1* menu = s.loadMenu();
        state.ResumeTiming();
        menu->activateScreen();
        state.PauseTiming();
        benchmark::DoNotOptimize(menu->List5[1]->count());
        s.unload(menu);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MenuActivation)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_MenuLoadAndActivation(benchmark::State& state) {
    BigSchool& s = school();
    for (auto _ : state) {
        seisekitime1* menu = s.loadMenu();
        menu->activateScreen();
        state.PauseTiming();
        s.unload(menu);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MenuLoadAndActivation)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_TodayList(benchmark::State& state) {
    BigSchool& s = school();
    seisekitime1* menu = s.loadMenu();
    menu->activateScreen();
    menu->displayMode = 1;
    for (auto _ : state)
        menu->showTodayResults();
    state.counters["rows_level1"] = menu->List5[1]->count();
    s.unload(menu);
}
BENCHMARK(BM_TodayList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_OneYearPeriodList(benchmark::State& state) {
    BigSchool& s = school();
    seisekitime1* menu = s.loadMenu();
    menu->activateScreen();
    menu->displayMode = 1;
    menu->allResultsPeriod = 4;
    for (auto _ : state)
        menu->showPeriodResults();
    state.counters["rows_level1"] = menu->List5[1]->count();
    s.unload(menu);
}
BENCHMARK(BM_OneYearPeriodList)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The rows alone, without the screen: reading the newest 20,000 records and building the rows.
void BM_OneYearPeriodRows(benchmark::State& state) {
    BigSchool& s = school();
    const AppState& st = s.app->state();
    for (auto _ : state) {
        const RecordTail tail =
            readRecordTail(st.installation.dataFolder, kPeriodListRecords, s.app->messages());
        const LevelLists lists =
            periodResultLists(st, tail, kNow, 365, {QStringLiteral("全学年"), 2500, 1});
        benchmark::DoNotOptimize(lists[1].rows.size());
    }
}
BENCHMARK(BM_OneYearPeriodRows)->Unit(benchmark::kMillisecond)->MinTime(1.0);

} // namespace

BENCHMARK_MAIN();
