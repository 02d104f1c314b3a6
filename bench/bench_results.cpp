// Speed of the results file: loading 20,000 records and computing the statistics, set against a
// plain read of the same file, and one append with its lock and flush.
#include "results/resultsfile.h"
#include "results/statistics.h"
#include "text/dateserial.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(16, 0));

class BenchClock : public Clock {
public:
    QDateTime now() const override { return kNow; }
    std::int64_t tickMs() const override { return 0; }
};

class BenchMessages : public UserMessages {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString&, const QString&) override {}
    bool confirm(const QString&, const QString&) override { return true; }
};

// 20,000 rounds of 5,000 students at 4 levels over the last 60 days.
QByteArray schoolResults() {
    QByteArray bytes;
    const int today = toDateSerial(kNow.date());
    std::uint32_t seed = 12345;
    auto next = [&seed](std::uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % bound;
    };
    for (int n = 0; n < 20000; ++n) {
        ResultRecord r;
        r.recordDate = today - static_cast<int>(next(60));
        r.recordClock = next(86400) / 86400.0;
        r.Bangou = static_cast<std::int16_t>(1 + next(5000));
        r.level = static_cast<std::int16_t>(1 + next(4));
        r.time = next(20) == 0 ? 99999 : static_cast<std::int32_t>(20 + next(400));
        r.siteCode = QByteArrayLiteral("12345");
        r.carriedPoints = QByteArrayLiteral("0    ");
        bytes += serializeRecord(r);
    }
    return bytes;
}

std::unique_ptr<AppState> benchState(const QString& folder) {
    auto state = std::make_unique<AppState>();
    state->installation.dataFolder = folder;
    for (int l = 1; l <= 4; ++l) {
        state->program.targetTime[l] = 40 + 30 * l;
        state->program.pointRate[l] = 1.0f + 0.5f * static_cast<float>(l - 1);
        state->program.judgePeriod[l] = Value::fromNumber(7);
        state->program.overdoPeriod[l] = Value::fromNumber(1);
    }
    return state;
}

// Reads the whole file into memory with nothing else: the floor any loader stands on.
std::int64_t plainRead(const QByteArray& path, std::vector<char>& buffer) {
    int fd = ::open(path.constData(), O_RDONLY);
    struct stat st {};
    ::fstat(fd, &st);
    buffer.resize(static_cast<std::size_t>(st.st_size));
    std::int64_t got = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    return got;
}

// The same read as the program's other files do it: QFile::readAll.
qsizetype qtRead(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().size();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void BM_LoadAndComputeStatistics(benchmark::State& st) {
    QTemporaryDir dir;
    const QString folder = QDir(dir.path()).absolutePath() + u'/';
    QFile file(folder + kResultsFileName);
    file.open(QIODevice::WriteOnly);
    file.write(schoolResults());
    file.close();
    auto state = benchState(folder);
    BenchClock clock;
    BenchMessages messages;
    const QByteArray path = QFile::encodeName(folder + kResultsFileName);
    std::vector<char> buffer;
    std::vector<double> reads, readAlls, loads;
    using Clk = std::chrono::steady_clock;
    for (auto _ : st) {
        const auto t0 = Clk::now();
        benchmark::DoNotOptimize(plainRead(path, buffer));
        const auto t0b = Clk::now();
        benchmark::DoNotOptimize(qtRead(folder + kResultsFileName));
        const auto t1 = Clk::now();
        computeStatistics(*state, clock, messages);
        const auto t2 = Clk::now();
        benchmark::DoNotOptimize(state->results.pointsAll(1, 1));
        const double read = std::chrono::duration<double>(t0b - t0).count();
        readAlls.push_back(std::chrono::duration<double>(t1 - t0b).count());
        const double load = std::chrono::duration<double>(t2 - t1).count();
        reads.push_back(read);
        loads.push_back(load);
        st.SetIterationTime(load);
    }
    st.counters["loaded"] = state->results.loadedCount;
    st.counters["medianLoadUs"] = median(loads) * 1e6;
    st.counters["medianPlainReadUs"] = median(reads) * 1e6;
    st.counters["medianReadAllUs"] = median(readAlls) * 1e6;
    st.counters["ratioToPlainRead"] = median(loads) / median(reads);
    st.counters["ratioToReadAll"] = median(loads) / median(readAlls);
}
BENCHMARK(BM_LoadAndComputeStatistics)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_AppendOneRound(benchmark::State& st) {
    QTemporaryDir dir;
    auto state = benchState(QDir(dir.path()).absolutePath() + u'/');
    state->student.studentNumber = 1;
    state->round.levelIndex = 1;
    state->round.roundTime = 75;
    BenchClock clock;
    for (auto _ : st)
        benchmark::DoNotOptimize(appendResult(*state, clock));
}
BENCHMARK(BM_AppendOneRound)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
