// Level menu speed: the activation over 20,000 records and a roster of 5,000 students (the
// statistics, the four points rankings, the column texts and the availability), today's list
// (the newest 1,000 records) and the one-year period list (the newest 20,000 records).
#include "app/app.h"
#include "benchsupport.h"
#include "menu/seisekitime1.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "startup/identity.h"
#include "startup/settings.h"
#include "text/dateserial.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(10, 0));

// A school of 5,000 students and 20,000 rounds over the last year; the newest 1,000 are today's.
QString makeBigSchool(const QString& root) {
    const QString program =
        bench::writeSchool(root, {5000, [](int n) { return QStringLiteral("生徒%1").arg(n); },
                                  [](int n) { return 2012 + n % 9; }});
    const double today = toDateSerial(kNow.date());
    bench::writeResults(program, 1, 20000, [today](int k) {
        return bench::record(k > 19000 ? today : today - 1 - (19000 - k) / 53,
                             (8 * 3600 + k % 30000) / 86400.0, 1 + (k * 7919) % 5000, 1 + k % 4,
                             k % 97 == 0 ? 99999 : 25 + (k * 31) % 200);
    });
    return program;
}

struct BigSchool {
    QTemporaryDir dir;
    std::unique_ptr<App> app;
    BigSchool() {
        bench::qtApp();
        const QString program = makeBigSchool(dir.path());
        app = std::make_unique<App>(bench::services(kNow), program);
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
