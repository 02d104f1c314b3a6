// The results file under bad input: partial records, invalid records, empty, missing and
// unreachable files, more records than the loader's window, and changing and removing records.
#include "results/statistics.h"
#include "resultstestutil.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(10, 0));
const double kToday = 46367; // 2026-12-11

class ResultsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        state = makeState(dir.path());
        folder = state->installation.dataFolder;
    }
    QString resultsPath() const { return folder + kResultsFileName; }
    void load() { loadResults(*state, messages); }

    QTemporaryDir dir;
    std::unique_ptr<AppState> state;
    QString folder;
    FakeClock clock{kNow};
    FakeMessages messages;
};

TEST_F(ResultsFileTest, AMissingFileIsCreatedEmptyAndAnEmptyFileLoadsNothing) {
    ASSERT_FALSE(QFile::exists(resultsPath()));
    load();
    EXPECT_TRUE(QFile::exists(resultsPath()));
    EXPECT_EQ(QFile(resultsPath()).size(), 0);
    const ResultsTables& r = state->results;
    EXPECT_EQ(r.loadedCount, 0);
    EXPECT_EQ(r.loaded.size(), 1u);
    for (int l = 0; l <= kMaxLevel; ++l)
        EXPECT_EQ(r.levelBestTime[l], kNoTime);
    EXPECT_EQ(r.bestTime(1, 1), kNoTime);
    EXPECT_EQ(r.bestTime(kMaxStudent, kMaxLevel), kNoTime);

    QFile::remove(resultsPath());
    EXPECT_NO_THROW(openResultsFile(folder));
    EXPECT_TRUE(QFile::exists(resultsPath()));
}

TEST_F(ResultsFileTest, TrailingBytesAreIgnoredAndTheNextAppendOverwritesThem) {
    QByteArray bytes = recordBytes({makeRecord(kToday, 1, 1, 50), makeRecord(kToday, 2, 1, 40)});
    bytes += QByteArray(17, '\x7f');
    writeBytes(resultsPath(), bytes);
    load();
    EXPECT_EQ(state->results.loadedCount, 2);

    state->student.studentNumber = 3;
    state->round.levelIndex = 2;
    state->round.roundTime = 77;
    recordRound(*state, clock);
    const QByteArray after = readBytes(resultsPath());
    ASSERT_EQ(after.size(), 3 * kRecordSize);
    EXPECT_EQ(after.left(2 * kRecordSize), bytes.left(2 * kRecordSize));
    EXPECT_EQ(parseRecord(after.mid(2 * kRecordSize)).time, 77);
}

TEST_F(ResultsFileTest, InvalidRecordsAreSkippedButStillLowerTheBestTime) {
    writeRecords(folder, {
                             makeRecord(-1, 1, 1, 10),        // date below 0
                             makeRecord(kToday, 0, 1, 11),    // nobody
                             makeRecord(kToday, 1, 0, 12),    // no level
                             makeRecord(kToday, 1, -3, 13),   // no level, no table cell
                             makeRecord(kToday, -4, 1, 14),   // no student, no table cell
                             makeRecord(kToday, 6000, 1, 15), // beyond the roster's numbers
                             makeRecord(kToday, 1, 1, 60),
                             makeRecord(kToday, 4500, 1, 45), // students above 1000 count too
                             makeRecord(kToday, 1, 36, 16),   // kept, but has no best time
                         });
    load();
    const ResultsTables& r = state->results;
    ASSERT_EQ(r.loadedCount, 3);
    EXPECT_EQ(r.loaded[1].loadedTime, 60);
    EXPECT_EQ(r.loaded[1].recordNumber, 7);
    EXPECT_EQ(r.loaded[2].loadedBangou, 4500);
    EXPECT_EQ(r.loaded[3].loadedLevel, 36);
    EXPECT_EQ(r.bestTime(1, 1), 10); // lowered by the record dated below 0
    EXPECT_EQ(r.bestTime(0, 1), 11);
    EXPECT_EQ(r.bestTime(1, 0), 12);
    EXPECT_EQ(r.bestTime(4500, 1), 45);
    EXPECT_EQ(r.levelBestTime[1], 10);
    EXPECT_EQ(r.levelBestTime[0], kNoTime);

    computeStatistics(*state, clock, messages); // nothing out of range is indexed
    EXPECT_EQ(state->results.countAll(1, 1), 1);
    EXPECT_EQ(state->results.countAll(4500, 1), 1);
}

TEST_F(ResultsFileTest, LevelBestTimeLooksAtEveryStudent) {
    writeRecords(folder, {makeRecord(kToday, 2, 3, 70), makeRecord(kToday, 5000, 3, 42)});
    load();
    EXPECT_EQ(state->results.levelBestTime[3], 42);
}

TEST_F(ResultsFileTest, TheNewestTwentyThousandRecordsAreAllLoaded) {
    const int total = 25003;
    std::vector<ResultRecord> records;
    for (int n = 1; n <= total; ++n) {
        // Every tenth record is invalid (student 0); every record's time is its number.
        records.push_back(makeRecord(kToday, n % 10 == 0 ? 0 : 1 + n % 4000, 1 + n % 4, n));
    }
    writeRecords(folder, records);
    load();
    const ResultsTables& r = state->results;
    const int first = total - 19999;
    int expected = 0;
    for (int n = first; n <= total; ++n)
        expected += n % 10 != 0;
    ASSERT_EQ(r.loadedCount, expected);
    EXPECT_EQ(r.loaded[1].recordNumber, first);
    EXPECT_EQ(r.loaded[1].loadedTime, first);
    EXPECT_EQ(r.loaded.back().recordNumber, total);
    // Best times come from the window only: records before it are not read.
    EXPECT_EQ(r.bestTime(1 + first % 4000, 1 + first % 4), first);
    EXPECT_EQ(r.levelBestTime[1 + first % 4], first);
}

TEST_F(ResultsFileTest, AMissingDataFolderIsRetriedThenReported) {
    state->installation.dataFolder = folder + QStringLiteral("ない/");
    std::vector<int> waits;
    try {
        loadResults(*state, messages, [&](int ms) { waits.push_back(ms); });
        FAIL() << "no error";
    } catch (const ResultsFileError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("ファイルがありません3ファイルが見つかりません。53"));
        EXPECT_TRUE(e.path().endsWith(QStringLiteral("ない/成績累積データ.dat")));
    }
    EXPECT_EQ(waits, (std::vector<int>{5000, 5000, 5000}));
}

TEST_F(ResultsFileTest, AnUnreadableFileGivesTheDiagnosticMessage) {
    QDir().mkpath(resultsPath()); // a folder where the file should be
    try {
        load();
        FAIL() << "no error";
    } catch (const ResultsFileError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("成績ランダムファイル表示3")))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().endsWith(QStringLiteral("line3"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("/Bangou=0/level=0/time=0")));
    }
}

TEST_F(ResultsFileTest, ChangeReplacesTimeAndStudentOnly) {
    ResultRecord second = makeRecord(kToday - 2, 7, 2, 88, 0.75);
    second.reserved = QByteArray::fromHex("0102030405");
    writeRecords(folder, {makeRecord(kToday, 1, 1, 50), second});
    changeResult(folder, 2, 99, 27);
    const auto records = recordsOnDisk(folder);
    ASSERT_EQ(records.size(), 2u);
    ResultRecord expected = second;
    expected.time = 99;
    expected.Bangou = 27;
    EXPECT_EQ(serializeRecord(records[1]), serializeRecord(expected));
    EXPECT_EQ(records[0].time, 50);
    EXPECT_THROW(changeResult(folder, 3, 1, 1), ResultsFileError);
    EXPECT_THROW(changeResult(folder, 0, 1, 1), ResultsFileError);
}

TEST_F(ResultsFileTest, RemovalKeepsTheOtherRecordsInOrder) {
    writeRecords(folder, {makeRecord(kToday, 1, 1, 1), makeRecord(kToday, 2, 1, 2),
                          makeRecord(kToday, 3, 1, 3)});
    QFile::setPermissions(resultsPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    removeResult(folder, 2);
    auto records = recordsOnDisk(folder);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].time, 1);
    EXPECT_EQ(records[1].time, 3);
    EXPECT_FALSE(QFile::exists(folder + kResultsTempFileName));
    const QFile::Permissions kept = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    const QFile::Permissions looked = kept | QFile::WriteGroup | QFile::ReadOther;
    EXPECT_EQ(QFile::permissions(resultsPath()) & looked, kept);

    EXPECT_THROW(removeResult(folder, 3), ResultsFileError);
    removeResult(folder, 1);
    removeResult(folder, 1);
    EXPECT_TRUE(QFile::exists(resultsPath())); // the last removal leaves an empty file
    EXPECT_EQ(QFile(resultsPath()).size(), 0);
    EXPECT_EQ(readResultRecords(folder, messages).size(), 0u);
}

} // namespace
