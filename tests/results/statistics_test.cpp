// Points of a round, the four kinds of counts and points, and the judgements built on them.
#include "results/statistics.h"
#include "resultstestutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(10, 0));
const double kToday = 46367; // 2026-12-11

TEST(PointsForTime, FollowTheTableOfALevelWithTargetSixtySeconds) {
    ProgramState p;
    p.targetTime[1] = 60;
    p.pointRate[1] = 1;
    struct Case {
        std::int32_t time;
        std::int32_t base;
    } cases[] = {{0, 55},  {30, 11}, {60, 5},   {61, 4},    {119, 4},   {120, 1},
                 {599, 1}, {600, 0}, {5999, 0}, {99997, 0}, {99998, 0}, {99999, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(basePointsForTime(p, c.time, 1), c.base) << c.time;
        EXPECT_EQ(pointsForTime(p, c.time, 1), c.base) << c.time;
    }
    p.pointRate[1] = 1.5f;
    EXPECT_EQ(pointsForTime(p, 30, 1), 16);
    EXPECT_EQ(pointsForTime(p, 0, 1), 82);
    EXPECT_EQ(pointsForTime(p, 99999, 1), 0);
}

TEST(PointsForTime, LongTargetsTakeTheFirstThreeDigitsAndTargetZeroEarnsNothing) {
    ProgramState p;
    p.targetTime[2] = 10000;
    p.pointRate[2] = 1;
    EXPECT_EQ(basePointsForTime(p, 6000, 2), 46); // (10000 - 600) / 10000, cubed, x50 + 5
    EXPECT_EQ(basePointsForTime(p, 1234, 2), 53); // 123 is taken for 1234
    EXPECT_EQ(basePointsForTime(p, 99998, 2), 0); // timed out, however long the target
    p.targetTime[3] = 0;
    p.pointRate[3] = 2;
    for (std::int32_t time : {0, 1, 30, 6000})
        EXPECT_EQ(pointsForTime(p, time, 3), 0) << time;
    EXPECT_EQ(pointsForTime(p, 0, 0), 0);
    EXPECT_EQ(pointsForTime(p, 0, 36), 0);
}

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override { state = makeState(dir.path()); }
    void compute(const std::vector<ResultRecord>& records) {
        writeRecords(state->installation.dataFolder, records);
        computeStatistics(*state, clock, messages);
    }
    QTemporaryDir dir;
    std::unique_ptr<AppState> state;
    FakeClock clock{kNow};
    FakeMessages messages;
};

TEST_F(StatisticsTest, CountsAndPointsOfAllTodayPassAndOverdoWindows) {
    state->program.targetTime[2] = 10000;
    compute({
        makeRecord(kToday, 1, 1, 30),       // 11 points, today
        makeRecord(kToday - 1, 1, 1, 60),   // 5, yesterday
        makeRecord(kToday - 6, 1, 1, 61),   // 4, still inside the 7-day pass window
        makeRecord(kToday - 7, 1, 1, 120),  // 1, outside it
        makeRecord(kToday, 1, 1, 99999),    // timed out: neither counted nor scored
        makeRecord(kToday, 1, 2, 6000),     // not completed, but 46 points
        makeRecord(kToday, 1, 0, 30),       // no level: dropped by the loader
        makeRecord(kToday, 1, 36, 30),      // beyond the levels: ignored
        makeRecord(kToday + 0.25, 2, 1, 0), // a date with a time part is not "today"
    });
    const ResultsTables& r = state->results;
    struct Row {
        int student, level, countAll, pointsAll, countToday, pointsToday, countPass, pointsPass,
            countOverdo, pointsOverdo;
    } rows[] = {{1, 1, 4, 21, 1, 11, 3, 20, 1, 11},
                {1, 2, 0, 46, 0, 46, 0, 46, 0, 46},
                {2, 1, 1, 55, 0, 0, 1, 55, 1, 55}};
    for (const Row& w : rows) {
        SCOPED_TRACE(testing::Message() << "student " << w.student << " level " << w.level);
        EXPECT_EQ(r.countAll(w.student, w.level), w.countAll);
        EXPECT_EQ(r.pointsAll(w.student, w.level), w.pointsAll);
        EXPECT_EQ(r.countToday(w.student, w.level), w.countToday);
        EXPECT_EQ(r.pointsToday(w.student, w.level), w.pointsToday);
        EXPECT_EQ(r.countPass(w.student, w.level), w.countPass);
        EXPECT_EQ(r.pointsPass(w.student, w.level), w.pointsPass);
        EXPECT_EQ(r.countOverdo(w.student, w.level), w.countOverdo);
        EXPECT_EQ(r.pointsOverdo(w.student, w.level), w.pointsOverdo);
    }
    EXPECT_EQ(r.countAll(1, 0), 0);
    EXPECT_EQ(r.pointsAll(1, 0), 0);
    EXPECT_EQ(r.bestTime(1, 1), 30);
    EXPECT_EQ(r.bestTime(1, 2), 6000);
}

TEST_F(StatisticsTest, AWindowOfNDaysCoversTodayAndTheNMinusOneDaysBefore) {
    struct Case {
        double passPeriod, overdoPeriod;
        int daysAgo;
        bool inPass, inOverdo;
    } cases[] = {{1, 1, 0, true, true},    {1, 1, 1, false, false}, {2, 2, 1, true, true},
                 {2, 2, 2, false, false},  {0, 0, 0, false, false}, {1, 3, 2, false, true},
                 {30, 1, 20, true, false}, {0, 0.5, 0, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "periods " << c.passPeriod << "/" << c.overdoPeriod
                                        << " days ago " << c.daysAgo);
        state->program.judgePeriod[1] = Value::fromNumber(c.passPeriod);
        state->program.overdoPeriod[1] = Value::fromNumber(c.overdoPeriod);
        compute({makeRecord(kToday - c.daysAgo, 1, 1, 60)});
        EXPECT_EQ(state->results.countPass(1, 1), c.inPass ? 1 : 0);
        EXPECT_EQ(state->results.pointsPass(1, 1), c.inPass ? 5 : 0);
        EXPECT_EQ(state->results.countOverdo(1, 1), c.inOverdo ? 1 : 0);
        EXPECT_EQ(state->results.pointsOverdo(1, 1), c.inOverdo ? 5 : 0);
        EXPECT_EQ(state->results.pointsToday(1, 1), c.daysAgo == 0 ? 5 : 0);
    }
}

TEST_F(StatisticsTest, EachComputationStartsFromEmptyTables) {
    state->program.targetTime[35] = 60;
    state->program.pointRate[35] = 1;
    state->program.clearCount[35] = 20;
    state->program.clearPoints[35] = 300;
    const int students[] = {1, 128, 129, 4999, 5000};
    std::vector<ResultRecord> records;
    for (int s : students) {
        records.push_back(makeRecord(kToday, s, 1, 30));
        records.push_back(makeRecord(kToday, s, 35, 30));
    }
    compute(records);
    for (int s : students) {
        for (int l : {1, 35}) {
            EXPECT_EQ(state->results.countAll(s, l), 1) << s << "/" << l;
            EXPECT_EQ(state->results.pointsToday(s, l), 11) << s << "/" << l;
        }
    }
    compute({});
    const ResultsTables& r = state->results;
    EXPECT_EQ(r.loadedCount, 0);
    EXPECT_EQ(r.loaded.size(), 1u);
    for (int s : students) {
        for (int l : {1, 35}) {
            SCOPED_TRACE(testing::Message() << "student " << s << " level " << l);
            EXPECT_EQ(r.countAll(s, l), 0);
            EXPECT_EQ(r.pointsAll(s, l), 0);
            EXPECT_EQ(r.countToday(s, l), 0);
            EXPECT_EQ(r.pointsToday(s, l), 0);
            EXPECT_EQ(r.countPass(s, l), 0);
            EXPECT_EQ(r.pointsPass(s, l), 0);
            EXPECT_EQ(r.countOverdo(s, l), 0);
            EXPECT_EQ(r.pointsOverdo(s, l), 0);
            EXPECT_EQ(r.bestTime(s, l), kNoTime);
            EXPECT_FALSE(isCleared(*state, s, l));
            EXPECT_FALSE(isPassed(*state, s, l));
            EXPECT_FALSE(isOverdone(*state, s, l));
        }
    }
}

// A computation clears only the levels the tables were written at since the last one: cells
// written by the previous file, by a round, or directly by a screen must all start from nothing.
TEST_F(StatisticsTest, ANewComputationLeavesNothingOfTheLastOne) {
    for (int l : {2, 5, 35}) {
        state->program.targetTime[l] = 60;
        state->program.pointRate[l] = 1;
    }
    compute({makeRecord(kToday, 7, 35, 30), makeRecord(kToday, 4000, 5, 30),
             makeRecord(kToday, 0, 3, 40), makeRecord(-1, 8, 3, 41)});
    ResultsTables& r = state->results;
    ASSERT_EQ(r.pointsToday(7, 35), 11);
    ASSERT_EQ(r.bestTime(0, 3), 40);
    ASSERT_EQ(r.levelBestTime[3], 41);
    state->student.studentNumber = 9;
    state->round.levelIndex = 4;
    state->round.roundTime = 50;
    recordRound(*state, clock); // lowers bestTime(9, 4) and levelBestTime[4] in memory
    ASSERT_EQ(r.bestTime(9, 4), 50);
    r.countAll(11, 6) = 3; // as a screen's own figures would
    r.bestTime(12, 7) = 20;

    compute({makeRecord(kToday, 1, 2, 30)}); // a new file without any of those
    EXPECT_EQ(r.pointsAll(1, 2), 11);
    for (int l = 0; l <= kMaxLevel; ++l) {
        EXPECT_EQ(r.levelBestTime[l], l == 2 ? 30 : kNoTime) << "level " << l;
        for (int s = 0; s <= kMaxStudent; ++s) {
            if (s == 1 && l == 2)
                continue;
            const bool empty = r.countAll(s, l) == 0 && r.pointsAll(s, l) == 0 &&
                               r.countToday(s, l) == 0 && r.pointsToday(s, l) == 0 &&
                               r.countPass(s, l) == 0 && r.pointsPass(s, l) == 0 &&
                               r.countOverdo(s, l) == 0 && r.pointsOverdo(s, l) == 0 &&
                               r.bestTime(s, l) == kNoTime;
            ASSERT_TRUE(empty) << "student " << s << " level " << l;
        }
    }
}

// Points of a time are worked out once and kept between computations: a change of a level's
// target time or point rate, or another installation's criteria, must be seen at once.
TEST_F(StatisticsTest, PointsFollowTheCriteriaOfEachComputation) {
    struct Case {
        std::int32_t targetTime;
        float pointRate;
        std::int32_t points; // of a round of 30 s
    } cases[] = {{60, 1, 11}, {60, 2, 22}, {120, 2, 52}, {60, 1, 11}, {0, 1, 0}, {60, 1.5f, 16}};
    const std::vector<ResultRecord> records = {makeRecord(kToday, 3, 1, 30),
                                               makeRecord(kToday, 3, 1, 99999)};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "target " << c.targetTime << " rate " << c.pointRate);
        state->program.targetTime[1] = c.targetTime;
        state->program.pointRate[1] = c.pointRate;
        compute(records);
        EXPECT_EQ(state->results.pointsAll(3, 1), c.points);
        EXPECT_EQ(state->results.loadedCount, 2);
    }
    auto other = makeState(dir.path()); // a second installation on the same file
    other->program.targetTime[1] = 120;
    other->program.pointRate[1] = 1;
    computeStatistics(*other, clock, messages);
    EXPECT_EQ(other->results.pointsAll(3, 1), 26);
}

TEST(StudentLevelTable, ResetRestoresTheInitialValueWhereverTheTableWasWritten) {
    StudentLevelTable<std::int32_t> table(kNoTime);
    table(0, 0) = 1;
    table(kMaxStudent, kMaxLevel) = 2;
    table.cells()[StudentLevelTable<std::int32_t>::index(17, 9)] = 3;
    table.markWritten(StudentLevelTable<std::int32_t>::levelBit(9));
    const StudentLevelTable<std::int32_t>& view = table;
    EXPECT_EQ(view(17, 9), 3);
    EXPECT_EQ(view(kMaxStudent, kMaxLevel), 2);
    table.reset();
    for (int l = 0; l <= kMaxLevel; ++l)
        for (int s = 0; s <= kMaxStudent; ++s)
            ASSERT_EQ(view(s, l), kNoTime) << s << "/" << l;
    table.fill(5);
    table.reset();
    for (int l = 0; l <= kMaxLevel; ++l)
        for (int s = 0; s <= kMaxStudent; ++s)
            ASSERT_EQ(view(s, l), kNoTime) << s << "/" << l;
}

TEST_F(StatisticsTest, JudgementsCompareWithTheLevelsCriteria) {
    ProgramState& p = state->program;
    p.clearCount[1] = 2;
    p.clearPoints[1] = 60;
    p.judgePeriod[1] = Value::fromNumber(1);
    compute({makeRecord(kToday - 3, 1, 1, 0), makeRecord(kToday, 1, 1, 30)}); // 55 + 11
    EXPECT_TRUE(isCleared(*state, 1, 1));
    EXPECT_FALSE(isPassed(*state, 1, 1)); // only today's round is inside the pass window

    struct Case {
        double overdoCount, overdoPoints;
        bool overdone;
    } cases[] = {{0, 0, false}, {1, 0, true}, {2, 0, false}, {0, 11, true}, {0, 12, false}};
    for (const Case& c : cases) {
        p.overdoCount[1] = Value::fromNumber(c.overdoCount);
        p.overdoPoints[1] = Value::fromNumber(c.overdoPoints);
        EXPECT_EQ(isOverdone(*state, 1, 1), c.overdone)
            << c.overdoCount << " rounds, " << c.overdoPoints << " points";
    }
}

TEST_F(StatisticsTest, RecordRoundSetsTheFlagsOnStrictlyLowerTimes) {
    compute({makeRecord(kToday, 2, 1, 70)});
    AppState& s = *state;
    s.round.levelIndex = 1;
    struct Step {
        int student;
        std::int32_t time;
        int personal, level;
    } steps[] = {{1, 99999, 0, 0}, // a first round that timed out leaves no best time
                 {1, 80, 1, 0},    // first result of student 1, slower than student 2
                 {1, 80, 0, 0},    // equal time: no new record
                 {1, 70, 1, 0},    // equals the level's best: only a personal best
                 {1, 65, 1, 1},    {2, 66, 1, 0}};
    for (const Step& st : steps) {
        SCOPED_TRACE(testing::Message() << "student " << st.student << " time " << st.time);
        s.student.studentNumber = static_cast<std::int16_t>(st.student);
        s.round.roundTime = st.time;
        recordRound(s, clock);
        EXPECT_EQ(s.results.newPersonalBest, st.personal);
        EXPECT_EQ(s.results.newLevelBest, st.level);
    }
    EXPECT_EQ(s.results.bestTime(1, 1), 65);
    EXPECT_EQ(s.results.bestTime(2, 1), 66);
    EXPECT_EQ(s.results.levelBestTime[1], 65);
    EXPECT_EQ(recordsOnDisk(s.installation.dataFolder).size(), 7u);
}

TEST_F(StatisticsTest, ClearedBeforeUsesTheCountsFromBeforeTheRound) {
    state->program.clearCount[1] = 2;
    state->program.clearPoints[1] = 100;
    compute({makeRecord(kToday, 1, 1, 0), makeRecord(kToday, 1, 1, 0), // 110 points, 2 rounds
             makeRecord(kToday, 2, 1, 0)});
    state->round.levelIndex = 1;
    state->round.roundTime = 0;
    state->student.studentNumber = 1;
    recordRound(*state, clock);
    EXPECT_EQ(state->results.clearedBefore, 1);
    state->student.studentNumber = 2;
    recordRound(*state, clock);
    EXPECT_EQ(state->results.clearedBefore, 0); // the round just played is not counted yet
}

} // namespace
