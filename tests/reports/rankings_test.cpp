// Level rankings: order, ties, ranks, the grade filter, the marks and the scroll row.
#include "reports/rankings.h"

#include "reportfixture.h"

#include <gtest/gtest.h>

namespace {

class Rankings : public ::testing::Test {
protected:
    void SetUp() override {
        setFourLevels(state);
        setRoster(state, {{1, QStringLiteral("山田"), 4},
                          {2, QStringLiteral("佐藤花子"), 7},
                          {3, QStringLiteral("鈴木"), 7},
                          {4, QStringLiteral("高橋"), 9},
                          {5, QStringLiteral("田中"), 1},
                          {6, QStringLiteral("伊藤"), 7},
                          {7, QStringLiteral("渡辺"), 7}});
        const int times[] = {0, 50, 45, 40, 45, kNoTime, 60, 30};
        for (int s = 1; s <= 7; ++s)
            state.results.bestTime(s, 1) = times[s];
    }
    void points(int student, int level, int all, int today) {
        state.results.pointsAll(student, level) = all;
        state.results.pointsToday(student, level) = today;
    }
    RankingRows rows(int level, int mode, int kind, const QString& filter, int current) {
        return levelRankingRows(state, level, RankingView{mode, kind, filter, current});
    }
    AppState state;
};

TEST_F(Rankings, TimesWithTiesAndNoResultLast) {
    const auto r = rows(1, 1, 1, QStringLiteral("全学年"), 1);
    const QStringList expected = {
        QStringLiteral(" 1Ⅰ渡辺　　　    30 　"), QStringLiteral(" 2Ⅰ鈴木　　　    40 　"),
        QStringLiteral(" 3Ⅰ佐藤花子　    45 　"), QStringLiteral(" 3Ⅲ高橋　　　    45 　"),
        QStringLiteral(" 5●山田　　　    50 ●"),  QStringLiteral(" 6Ⅰ伊藤　　　    60 　"),
        QStringLiteral("--①田中　　　------ 　")};
    EXPECT_EQ(r.rows, expected);
    EXPECT_EQ(r.scrollRow, 3); // the row above the current student's
}

TEST_F(Rankings, GradeFilterKeepsSchoolWideRanks) {
    const auto r = rows(1, 1, 1, QStringLiteral("中１"), 0);
    const QStringList expected = {
        QStringLiteral(" 1Ⅰ渡辺　　　    30 　"), QStringLiteral(" 2Ⅰ鈴木　　　    40 　"),
        QStringLiteral(" 3Ⅰ佐藤花子　    45 　"), QStringLiteral(" 6Ⅰ伊藤　　　    60 　")};
    EXPECT_EQ(r.rows, expected);
    EXPECT_EQ(r.scrollRow, -1);
    // A filter that hides everyone leaves the list empty.
    EXPECT_TRUE(rows(1, 1, 1, QStringLiteral("小２"), 0).rows.isEmpty());
    EXPECT_TRUE(rows(1, 2, 1, QStringLiteral("どれでもない"), 0).rows.isEmpty());
}

TEST_F(Rankings, PointsSoFarAndToday) {
    points(1, 2, 100, 10);
    points(2, 2, 100, 20);
    points(3, 2, 50, 0);
    // Lots of points today must not outweigh the points so far.
    points(4, 2, 5, 1500);
    points(6, 2, 6, 0);
    const auto soFar = rows(2, 2, 1, QStringLiteral("全学年"), 2);
    ASSERT_EQ(soFar.rows.size(), 7);
    EXPECT_EQ(soFar.rows[0], QStringLiteral(" 1●佐藤花子　 20/  100"));
    EXPECT_EQ(soFar.rows[1], QStringLiteral(" 1④山田　　　 10/  100"));
    EXPECT_EQ(soFar.rows[2], QStringLiteral(" 3Ⅰ鈴木　　　  0/   50"));
    EXPECT_EQ(soFar.rows[3], QStringLiteral(" 4Ⅰ伊藤　　　  0/    6"));
    EXPECT_EQ(soFar.rows[4], QStringLiteral(" 5Ⅲ高橋　　　500/    5"));
    EXPECT_EQ(soFar.rows[5], QStringLiteral(" 6①田中　　　  0/    0"));
    EXPECT_EQ(soFar.rows[6], QStringLiteral(" 6Ⅰ渡辺　　　  0/    0"));
    EXPECT_EQ(soFar.scrollRow, -1); // the current student heads the list

    const auto today = rows(2, 2, 2, QStringLiteral("全学年"), 0);
    const QStringList expected = {QStringLiteral(" 1Ⅲ高橋　　　500/    5"),
                                  QStringLiteral(" 2Ⅰ佐藤花子　 20/  100"),
                                  QStringLiteral(" 3④山田　　　 10/  100")};
    EXPECT_EQ(today.rows, expected);
}

TEST_F(Rankings, NobodyWithPointsTodayGivesAnEmptyList) {
    points(1, 3, 40, 0);
    EXPECT_TRUE(rows(3, 2, 2, QStringLiteral("全学年"), 1).rows.isEmpty());
    // Display state 0 counts as times / points so far.
    EXPECT_EQ(rows(1, 0, 0, QStringLiteral("全学年"), 0).rows.first(),
              QStringLiteral(" 1Ⅰ渡辺　　　    30 　"));
}

TEST_F(Rankings, FailedBestAndLongNames) {
    state.results.bestTime(2, 4) = 99998;
    state.roster.studentNames[2] = QStringLiteral("寿限無寿限無寿");
    const auto r = rows(4, 1, 1, QStringLiteral("全学年"), 0);
    EXPECT_EQ(r.rows.first(), QStringLiteral(" 1Ⅰ寿限無寿限*失敗* 　"));
}

TEST(RankingsLarge, RanksOfHundredAndMoreShowTheirLastTwoDigits) {
    AppState state;
    setFourLevels(state);
    state.roster.schoolYear = 2026;
    for (int s = 1; s <= 120; ++s) {
        state.roster.rosterNumbers[static_cast<std::size_t>(s)] = s;
        state.roster.studentNames[static_cast<std::size_t>(s)] = QStringLiteral("生徒");
        state.roster.studentBirthYears[static_cast<std::size_t>(s)] = 2016;
        state.results.bestTime(s, 1) = 10 + s;
    }
    state.roster.rosterCount = 120;
    const auto r = levelRankingRows(state, 1, RankingView{1, 1, QStringLiteral("全学年"), 115});
    EXPECT_TRUE(r.rows[99].startsWith(QStringLiteral("00④")));
    EXPECT_TRUE(r.rows[114].startsWith(QStringLiteral("15●")));
    EXPECT_EQ(r.scrollRow, 113);
}

} // namespace
