// Several installations on one results file, as real processes: simultaneous appends, a loader
// that meets an append in progress, appends during a removal, and a removal cut short.
#include "resultstestutil.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace {

const double kToday = 46367; // 2026-12-11

class CountingMessages : public FakeMessages {
public:
    void keepResponsive() override { ++responsiveCalls; }
    int responsiveCalls = 0;
};

std::unique_ptr<QProcess> startHelper(const QStringList& args) {
    auto p = std::make_unique<QProcess>();
    p->start(QStringLiteral(RESULTS_HELPER), args);
    EXPECT_TRUE(p->waitForStarted(10000));
    return p;
}

// Waits until the helper prints `line` (it then holds the lock).
void waitForLine(QProcess& p, const QByteArray& line) {
    QByteArray seen;
    QElapsedTimer timer;
    timer.start();
    while (!seen.contains(line) && timer.elapsed() < 20000) {
        p.waitForReadyRead(200);
        seen += p.readAllStandardOutput();
    }
    ASSERT_TRUE(seen.contains(line)) << p.readAllStandardError().toStdString();
}

void expectFinished(QProcess& p, int code = 0) {
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), code) << p.readAllStandardError().toStdString();
}

std::vector<std::int32_t> timesOnDisk(const QString& folder) {
    std::vector<std::int32_t> times;
    for (const ResultRecord& r : recordsOnDisk(folder))
        times.push_back(r.time);
    return times;
}

class ResultsLockingTest : public ::testing::Test {
protected:
    void SetUp() override { folder = QDir(dir.path()).absolutePath() + u'/'; }
    QTemporaryDir dir;
    QString folder;
};

TEST_F(ResultsLockingTest, FourProcessesAppendingAtOnceLoseNothing) {
    std::vector<std::unique_ptr<QProcess>> helpers;
    for (int student = 1; student <= 4; ++student) {
        helpers.push_back(startHelper(
            {QStringLiteral("append"), folder, QString::number(student), QStringLiteral("250")}));
    }
    for (auto& p : helpers)
        expectFinished(*p);

    ASSERT_EQ(QFile(folder + kResultsFileName).size(), 1000 * kRecordSize);
    std::map<int, int> nextRound; // each process's rounds arrive whole and in its order
    for (const ResultRecord& r : recordsOnDisk(folder)) {
        ASSERT_GE(r.Bangou, 1);
        ASSERT_LE(r.Bangou, 4);
        const int i = nextRound[r.Bangou]++;
        EXPECT_EQ(r.time, r.Bangou * 1000 + i);
        EXPECT_EQ(r.level, 1 + i % 4);
        EXPECT_EQ(r.siteCode, QByteArray("12345"));
        EXPECT_EQ(r.spareText, QByteArray("     "));
        EXPECT_EQ(r.carriedPoints, QByteArray("0    "));
        EXPECT_GT(r.recordDate, kToday - 3650);
        EXPECT_GE(r.recordClock, 0.0);
        EXPECT_LT(r.recordClock, 1.0);
    }
    for (int student = 1; student <= 4; ++student)
        EXPECT_EQ(nextRound[student], 250);
}

TEST_F(ResultsLockingTest, TheLoaderWaitsForAnAppendAndThenReadsEverything) {
    writeRecords(folder, {makeRecord(kToday, 1, 1, 50), makeRecord(kToday, 2, 1, 60),
                          makeRecord(kToday, 3, 2, 70)});
    auto holder = startHelper({QStringLiteral("hold"), folder, QStringLiteral("2000")});
    waitForLine(*holder, "locked\n");

    auto state = makeState(folder);
    CountingMessages messages;
    QElapsedTimer timer;
    timer.start();
    loadResults(*state, messages);
    EXPECT_GE(timer.elapsed(), 1000);
    EXPECT_GT(messages.responsiveCalls, 10); // the window kept running while it waited
    ASSERT_EQ(state->results.loadedCount, 4);
    EXPECT_EQ(state->results.loaded[4].loadedBangou, 4999);
    EXPECT_EQ(state->results.levelBestTime[1], 42);
    expectFinished(*holder);
}

TEST_F(ResultsLockingTest, AnAppendWaitingDuringARemovalLandsInTheNewFile) {
    writeRecords(folder, {makeRecord(kToday, 1, 1, 1), makeRecord(kToday, 2, 1, 2),
                          makeRecord(kToday, 3, 1, 3)});
    auto remover = startHelper(
        {QStringLiteral("remove"), folder, QStringLiteral("2"), QStringLiteral("1500")});
    waitForLine(*remover, "written\n");
    // Blocks on the old file until the removal has renamed the new one over it.
    EXPECT_EQ(appendRecord(folder, makeRecord(kToday, 4, 1, 77)), 3);
    expectFinished(*remover);
    EXPECT_EQ(timesOnDisk(folder), (std::vector<std::int32_t>{1, 3, 77}));
}

TEST_F(ResultsLockingTest, ARemovalCutShortLeavesTheOldFileWholeAndTheNextOneWorks) {
    std::vector<ResultRecord> records;
    for (int n = 1; n <= 5; ++n)
        records.push_back(makeRecord(kToday, n, 1, n));
    writeRecords(folder, records);
    const QByteArray before = readBytes(folder + kResultsFileName);

    auto remover =
        startHelper({QStringLiteral("remove"), folder, QStringLiteral("2"), QStringLiteral("-1")});
    expectFinished(*remover, 3);
    EXPECT_EQ(readBytes(folder + kResultsFileName), before);
    EXPECT_TRUE(QFile::exists(folder + kResultsTempFileName));

    auto state = makeState(folder);
    FakeMessages messages;
    loadResults(*state, messages);
    EXPECT_EQ(state->results.loadedCount, 5);

    removeResult(folder, 2);
    EXPECT_EQ(timesOnDisk(folder), (std::vector<std::int32_t>{1, 3, 4, 5}));
    EXPECT_FALSE(QFile::exists(folder + kResultsTempFileName));
}

} // namespace
