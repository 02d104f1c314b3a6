// Rebuilding the name list (名簿表示) on an offscreen name screen: statistics over 20,000
// records, a roster of 5,000 students, the rows, the sort and the fill of the list.
#include "app/app.h"
#include "benchsupport.h"
#include "results/statistics.h"
#include "roster/namesel.h"
#include "text/dateserial.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(15, 0));

// A school of 5,000 listed students and 20,000 results; returns the program folder.
QString writeSchool(const QString& root) {
    const QStringList family = {QStringLiteral("山田"), QStringLiteral("佐藤"),
                                QStringLiteral("鈴木"), QStringLiteral("高橋"),
                                QStringLiteral("田中"), QStringLiteral("渡辺")};
    const QStringList given = {QStringLiteral("太郎"),   QStringLiteral("花子"),
                               QStringLiteral("ゆう"),   QStringLiteral("健"),
                               QStringLiteral("さくら"), QStringLiteral("翔")};
    const auto name = [&](int n) {
        return family[n % family.size()] + QStringLiteral("　") + given[(n / 7) % given.size()];
    };
    const QString program =
        bench::writeSchool(root, {5000, name, [](int n) { return 2008 + n % 15; }});
    const int today = toDateSerial(kNow.date());
    bench::writeResults(program, 0, 19999, [today](int k) {
        return bench::record(today - (k % 40), 0.5, 1 + (k * 37) % 5000, 1 + k % 4,
                             30 + (k * 13) % 300);
    });
    return program;
}

// The name screen's App on the school, started as the program starts.
std::unique_ptr<App> startApp(const QString& program) {
    bench::qtApp();
    auto app = std::make_unique<App>(bench::services(kNow, 0), program);
    app->startProgram();
    return app;
}

void BM_NameListRebuild(benchmark::State& st) {
    QTemporaryDir dir;
    const auto app = startApp(writeSchool(dir.path()));
    namesel* screen = app->screen<namesel>();
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
    const auto app = startApp(writeSchool(dir.path()));
    const int part = static_cast<int>(st.range(0));
    for (auto _ : st) {
        if (part == 0) {
            computeStatistics(app->state(), app->clock(), app->messages());
        } else if (part == 1) {
            benchmark::DoNotOptimize(readRoster(app->state(), kNow.date()).size());
        } else if (part == 3) {
            namesel* screen = app->screen<namesel>();
            screen->List1->clear();
            screen->List1->addItems(screen->listing().shown);
        } else {
            NameListing l =
                buildNameListing(app->state(), kNow.date(), 1, QStringLiteral("全学年"));
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

BENCHMARK_MAIN();
