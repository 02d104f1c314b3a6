// The level menu's logic: availability and the overdo block, the column and header texts, the
// column layout and the student list of the report panel.
#include "menu/availability.h"
#include "menu/menutexts.h"
#include "menu/studentlist.h"
#include "startup/identity.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Availability : public ::testing::Test {
protected:
    void SetUp() override {
        fillLevelTable(state.program);
        for (int l = 1; l <= 4; ++l) {
            state.program.clearCount[static_cast<std::size_t>(l)] = 20;
            state.program.clearPoints[static_cast<std::size_t>(l)] = 300;
            state.program.overdoCount[static_cast<std::size_t>(l)] = Value::fromNumber(5);
            state.program.overdoPoints[static_cast<std::size_t>(l)] = Value::fromNumber(0);
        }
    }
    void overdo(int level, int count, int points = 0) {
        state.results.countOverdo(s, level) = static_cast<std::int16_t>(count);
        state.results.pointsOverdo(s, level) = points;
    }
    void passLast(int count, int points) {
        state.results.countPass(s, 4) = static_cast<std::int16_t>(count);
        state.results.pointsPass(s, 4) = points;
    }
    std::vector<bool> blocked() { return levelAvailability(state, s).blocked; }
    AppState state;
    const int s = 12;
};

TEST_F(Availability, OverdoneLevelIsBlockedOthersUsable) {
    overdo(1, 5);
    overdo(2, 4);
    const auto a = levelAvailability(state, s);
    EXPECT_EQ(a.lastLevelPassed, 0);
    EXPECT_EQ(a.blocked, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_FALSE(a.usable(1));
    EXPECT_TRUE(a.usable(2));
    EXPECT_TRUE(a.usable(4));
    EXPECT_FALSE(a.usable(0));
    EXPECT_FALSE(a.usable(5));
}

TEST_F(Availability, PassingTheLastLevelLiftsEveryBlock) {
    overdo(1, 9);
    passLast(20, 300); // equality passes
    const auto a = levelAvailability(state, s);
    EXPECT_EQ(a.lastLevelPassed, 1);
    EXPECT_EQ(a.blocked, (std::vector<bool>(5, false)));
    passLast(20, 299);
    EXPECT_EQ(levelAvailability(state, s).lastLevelPassed, 0);
}

TEST_F(Availability, LastLevelNeverBlockedAndZeroLimitsOff) {
    overdo(4, 50, 99999);
    EXPECT_EQ(blocked()[4], false);
    // The points half alone.
    state.program.overdoCount[2] = Value::fromNumber(0);
    state.program.overdoPoints[2] = Value::fromNumber(3000);
    overdo(2, 100, 2999);
    EXPECT_EQ(blocked()[2], false);
    overdo(2, 0, 3000);
    EXPECT_EQ(blocked()[2], true);
    // Both limits off: never blocked, however much was played.
    state.program.overdoPoints[2] = Value::fromNumber(0);
    overdo(2, 1000, 100000);
    EXPECT_EQ(blocked()[2], false);
}

TEST(MenuTexts, HeaderLines) {
    const struct {
        const char16_t* name;
        bool teacher;
    } names[] = {{u"山田先生", true},
                 {u"先生山田", true},
                 {u"★田中", true},
                 {u"先山生田", false},
                 {u"山田太郎", false}};
    for (const auto& n : names)
        EXPECT_EQ(isTeacher(QString::fromUtf16(n.name)), n.teacher);

    EXPECT_EQ(minutesSinceSignInText(36059, 36000), QStringLiteral("起動後0分"));
    EXPECT_EQ(minutesSinceSignInText(36060, 36000), QStringLiteral("起動後1分"));
    // Signed in at 23:50, now 00:10: twenty minutes, not a negative count.
    EXPECT_EQ(minutesSinceSignInText(600, 85800), QStringLiteral("起動後20分"));
    EXPECT_EQ(todayTotalText(7), QStringLiteral("本日総回数＝7回"));
    EXPECT_EQ(gradeAndNameText(QStringLiteral("小４"), QStringLiteral("  山田　太郎   ")),
              QStringLiteral("小４ 山田　太郎"));
    EXPECT_EQ(siteAndNumberText(QStringLiteral("テスト塾"), 12), QStringLiteral("テスト塾:12"));
    EXPECT_EQ(titlePointSize(QStringLiteral("数読庵")), 24);
    EXPECT_EQ(titlePointSize(QStringLiteral("かんすうじよみドリル")), 20);
    EXPECT_EQ(startCaption(3), QStringLiteral("ｽﾀｰﾄ(&3)"));
}

TEST(MenuTexts, ColumnTexts) {
    AppState state;
    auto& p = state.program;
    p.targetTime[1] = 60;
    p.clearCount[1] = 20;
    p.clearPoints[1] = 300;
    p.pointRate[1] = 1.5f;
    p.targetTime[2] = 60;
    p.clearPoints[2] = 9999;
    p.pointRate[3] = 1;
    p.clearPoints[3] = 300;
    p.judgePeriod[1] = Value::fromNumber(7);
    EXPECT_EQ(targetLineText(p, 1), QStringLiteral("目標=60秒 20回/300点(×1.5)"));
    EXPECT_EQ(targetLineText(p, 2), QStringLiteral("目標=60秒 --------"));
    EXPECT_EQ(targetLineText(p, 3), QStringLiteral("目標=0秒 0回/300点(×1)"));

    const int s = 5;
    EXPECT_EQ(passWindowText(state, s, 1), QStringLiteral("最近7日=0回 / 0点"));
    EXPECT_EQ(todayCountsText(state, s, 1), QStringLiteral("-----"));
    EXPECT_EQ(allCountsText(state, s, 1), QStringLiteral("------"));
    state.results.countToday(s, 1) = 3;
    state.results.pointsToday(s, 1) = 40;
    state.results.countAll(s, 1) = 12;
    state.results.pointsAll(s, 1) = 150;
    state.results.countToday(s, 35) = 2;
    EXPECT_EQ(todayCountsText(state, s, 1), QStringLiteral("3回/40点"));
    EXPECT_EQ(allCountsText(state, s, 1), QStringLiteral("12回/150点"));
    EXPECT_EQ(todayRoundTotal(state, s), 5); // levels 1 to 35
}

TEST(MenuLayout, FourColumnsFromWidthAndMargin) {
    const ColumnLayout c = columnLayout(4);
    EXPECT_DOUBLE_EQ(c.columnWidth, 3648);
    EXPECT_DOUBLE_EQ(c.left(1), 0.02 * 15360);
    EXPECT_DOUBLE_EQ(c.left(4), 0.02 * 15360 + 3 * 3648);
    const RowTops t = rowTops();
    EXPECT_DOUBLE_EQ(t.levelName, 1200 + 1.05 * 525);
    EXPECT_DOUBLE_EQ(t.list, t.levelName + 420 + 450 + 3 * 300);
    EXPECT_LE(t.targetLine + 300, kListOverlayBottom);
}

TEST(StudentList, RowsOfListedStudentsAndTrimmedNames) {
    QTemporaryDir dir;
    SchoolOptions options;
    options.roster = QStringLiteral("12,2016,0,0,\"  山田　太郎  \",0,\"\",\"\"\n"
                                    "13,2015,0,0,\"佐藤\",1,\"\",\"\"\n"
                                    "27,1980,0,0,\"★先生\",0,\"\",\"\"\n");
    makeSchool(dir.path(), options);
    AppState state;
    state.installation.rootFolder = dir.path() + u'/';
    state.installation.schoolYearStartMonth = Value::fromNumber(4);
    const QStringList rows = fillStudentList(state, QDate(2026, 12, 11));
    // 2026 − 2016 − 6 = 4: 小４; the teacher has no full-width label.
    EXPECT_EQ(rows, (QStringList{QStringLiteral("小４ /  山田　太郎/12"),
                                 QStringLiteral(" /  ★先生/27")}));
    EXPECT_EQ(state.roster.studentNames[13], QStringLiteral("佐藤")); // status 1: no row
    EXPECT_EQ(state.roster.studentBirthYears[13], 2015);
}

} // namespace
