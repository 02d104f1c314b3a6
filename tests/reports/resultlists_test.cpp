// Result lists by date: the rows of today's, period and personal lists, the periods, the colours
// and the reading of only the newest records.
#include "reports/resultlists.h"

#include "reportfixture.h"
#include "results/resultsfile.h"
#include "support/records.h"
#include "support/testsupport.h"
#include "text/dateserial.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

RecordTail tailOf(std::vector<ResultRecord> records) {
    RecordTail tail;
    tail.recordCount = static_cast<std::int64_t>(records.size());
    tail.records = std::move(records);
    return tail;
}

class ResultLists : public ::testing::Test {
protected:
    void SetUp() override {
        setFourLevels(state);
        setRoster(state, {{1, QStringLiteral("山田"), 4},
                          {2, QStringLiteral("佐藤花子"), 7},
                          {3, QString(), 2}});
    }
    AppState state;
    const QDate friday{2026, 12, 11};
    const QDateTime fridayMorning{friday, QTime(10, 0)};
};

TEST(ResultCells, TimeClockDayAndDate) {
    EXPECT_EQ(timeCell(45), QStringLiteral("  45秒"));
    EXPECT_EQ(timeCell(1234), QStringLiteral("1234秒"));
    EXPECT_EQ(clockCell(toDateSerial(QDateTime(QDate(2004, 5, 12), QTime(9, 5, 3)))),
              QStringLiteral("09:05"));
    EXPECT_EQ(clockCell((13 * 3600 + 7 * 60) / 86400.0), QStringLiteral("13:07"));
    EXPECT_EQ(dayCell(toDateSerial(QDate(2004, 5, 12))), QStringLiteral("05/12"));
    EXPECT_EQ(dateText(toDateSerial(QDate(2004, 5, 12))), QStringLiteral("2004/05/12"));
    EXPECT_EQ(timeOfDayText((9 * 3600 + 5 * 60 + 3) / 86400.0), QStringLiteral("9:05:03"));
}

TEST(PeriodDays, FivePeriodsByWeekday) {
    const QDate wednesday(2026, 12, 9), sunday(2026, 12, 13);
    const struct {
        int period;
        QDate day;
        int days;
    } cases[] = {{1, wednesday, 3},    {2, wednesday, 10}, {1, sunday, 7},
                 {2, sunday, 14},      {3, sunday, 30},    {4, wednesday, 365},
                 {5, wednesday, 3650}, {0, wednesday, 42}, {6, sunday, 42}};
    for (const auto& c : cases)
        EXPECT_EQ(periodDaysFor(c.period, c.day, 42), c.days) << c.period;
}

TEST_F(ResultLists, TodayRowsOfAFourthGraderAndATimeOut) {
    const auto tail = tailOf({roundRecord(friday, QTime(9, 5), 1, 1, 45),
                              roundRecord(friday.addDays(-1), QTime(9, 0), 1, 1, 50),
                              roundRecord(friday, QTime(9, 30), 2, 1, 99999),
                              roundRecord(friday, QTime(9, 40), 2, 3, 100),
                              roundRecord(friday, QTime(9, 50), 3, 9, 40)}); // no list for level 9
    const auto lists =
        todayResultLists(state, tail, fridayMorning, {QStringLiteral("全学年"), 2, 1});
    ASSERT_EQ(lists.size(), 5u);
    EXPECT_EQ(lists[1].rows, (QStringList{QStringLiteral("  45秒 09:05④山田　　　④5"),
                                          QStringLiteral("　　× 09:30●佐藤花子　●")}));
    EXPECT_EQ(lists[3].rows, (QStringList{QStringLiteral(" 100秒 09:40●佐藤花子　●5")}));
    EXPECT_TRUE(lists[2].rows.isEmpty());
    EXPECT_TRUE(lists[4].rows.isEmpty());
}

TEST_F(ResultLists, TodayListFollowsTheGradeGroupAndShowsEmptyNames) {
    const auto tail = tailOf(
        {roundRecord(friday, QTime(9, 5), 1, 2, 45), roundRecord(friday, QTime(9, 6), 3, 2, 61)});
    EXPECT_EQ(todayResultLists(state, tail, fridayMorning, {QStringLiteral("小２"), 0, 1})[2].rows,
              (QStringList{QStringLiteral("  61秒 09:06②　　　　②5")}));
    EXPECT_TRUE(todayResultLists(state, tail, fridayMorning, {QStringLiteral("中３"), 0, 1})[2]
                    .rows.isEmpty());
}

TEST_F(ResultLists, ThisWeekRunsMondayToToday) {
    const QDate wednesday(2026, 12, 9);
    std::vector<ResultRecord> records;
    for (int back = 4; back >= 0; --back) // Saturday before .. Wednesday
        records.push_back(roundRecord(wednesday.addDays(-back), QTime(11, 0), 1, 1, 45));
    const auto tail = tailOf(records);
    const QDateTime now(wednesday, QTime(10, 0));
    const auto week = periodResultLists(state, tail, now, periodDaysFor(1, wednesday, 30),
                                        {QStringLiteral("全学年"), 0, 1});
    EXPECT_EQ(week[1].rows, (QStringList{QStringLiteral("  45秒 12/07④山田　　　④5"),
                                         QStringLiteral("  45秒 12/08④山田　　　④5"),
                                         QStringLiteral("  45秒 12/09④山田　　　④5")}));
    const QDate sunday(2026, 12, 13);
    records.push_back(roundRecord(sunday, QTime(9, 0), 1, 1, 45));
    const auto sundayWeek =
        periodResultLists(state, tailOf(records), QDateTime(sunday, QTime(10, 0)),
                          periodDaysFor(1, sunday, 30), {QStringLiteral("全学年"), 0, 1});
    EXPECT_EQ(sundayWeek[1].rows.size(), 4); // Monday 12/07 .. Sunday 12/13
    EXPECT_TRUE(sundayWeek[1].rows.first().contains(QStringLiteral("12/07")));
}

TEST_F(ResultLists, PeriodLayoutsForTimesPointsAndTimeOuts) {
    const auto tail = tailOf({roundRecord(friday, QTime(9, 5), 1, 1, 45),
                              roundRecord(friday, QTime(9, 6), 1, 1, 99999)});
    const auto times =
        periodResultLists(state, tail, fridayMorning, 30, {QStringLiteral("全学年"), 1, 1});
    EXPECT_EQ(times[1].rows, (QStringList{QStringLiteral("  45秒 12/11●山田　　　●5"),
                                          QStringLiteral("　　× 12/11●山田　　　●")}));
    const auto points =
        periodResultLists(state, tail, fridayMorning, 30, {QStringLiteral("全学年"), 1, 2});
    EXPECT_EQ(points[1].rows.first(), QStringLiteral("    5 12/11●山田　　　●45秒"));
}

TEST_F(ResultLists, PersonalTimesOfTheStudentOnly) {
    const QDate day(2004, 5, 12);
    const auto tail = tailOf({roundRecord(day, QTime(9, 5, 3), 1, 2, 45),
                              roundRecord(day, QTime(9, 7, 0), 2, 2, 41),
                              roundRecord(day, QTime(9, 9, 30), 1, 2, 99999),
                              roundRecord(QDate(1990, 1, 1), QTime(9, 0), 1, 2, 40)}); // too old
    const QDateTime now(QDate(2010, 1, 1), QTime(12, 0));
    setRoster(state, {{1, QStringLiteral("山田"), 4}}, 2009);
    const auto lists = personalTimeLists(state, tail, now, 1, QStringLiteral("全学年"));
    EXPECT_EQ(lists[2].rows, (QStringList{QStringLiteral("2004/05/12 9:05:03  45秒"),
                                          QStringLiteral("2004/05/12 9:09:30    ×")}));
    // The grade group hides the student's own rounds too.
    EXPECT_TRUE(personalTimeLists(state, tail, now, 1, QStringLiteral("中１"))[2].rows.isEmpty());
}

TEST(ListColour, LastRoundDecides) {
    const struct {
        std::vector<std::int32_t> times;
        std::uint32_t colour;
    } cases[] = {
        {{50}, kListGreen},    {{50, 70}, kListLightGreen}, {{70, 60}, kListGreen},
        {{50, 95}, kListGrey}, {{50, 99999}, kListGreen}, // a time-out leaves the colour
        {{}, kListInitial},    {{1234}, kListGrey}, // judged by its whole time, not by its last
                                                    // digits
    };
    for (const auto& c : cases) {
        LevelList list;
        list.times = c.times;
        list.rows = QStringList(static_cast<qsizetype>(c.times.size()), QStringLiteral("row"));
        EXPECT_EQ(listColour(list, 60, 90, kListInitial), c.colour);
    }
}

TEST(RecordTailRead, TodayListReadsOnlyTheNewestThousand) {
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    QByteArray bytes;
    const QDate day(2026, 12, 11);
    for (int k = 1; k <= 1500; ++k)
        bytes += serializeRecord(roundRecord(day, QTime(9, 0), k <= 500 ? 1 : 2, 1, 45));
    bytes += QByteArray(10, 'x'); // a partial record at the end is not counted
    writeBytes(folder + kResultsFileName, bytes);
    FakeMessages messages;
    const RecordTail tail = readRecordTail(folder, kTodayListRecords, messages);
    EXPECT_EQ(tail.recordCount, 1500);
    EXPECT_EQ(tail.firstNumber, 501);
    ASSERT_EQ(tail.records.size(), 1000u);

    AppState state;
    setFourLevels(state);
    setRoster(state, {{1, QStringLiteral("山田"), 4}, {2, QStringLiteral("林"), 5}});
    std::int64_t lastValue = 0, maximum = 0;
    const auto lists = todayResultLists(state, tail, QDateTime(day, QTime(10, 0)),
                                        {QStringLiteral("全学年"), 0, 1},
                                        [&](std::int64_t value, std::int64_t max) {
                                            lastValue = value;
                                            maximum = max;
                                        });
    EXPECT_EQ(lists[1].rows.size(), 1000);
    EXPECT_FALSE(lists[1].rows.join(QString()).contains(QStringLiteral("山田")));
    EXPECT_EQ(lastValue, 1500);
    EXPECT_EQ(maximum, 1651); // (1500 + 1) × 1.1

    EXPECT_EQ(readRecordTail(folder + QStringLiteral("nowhere/"), 10, messages).recordCount, 0);
}

} // namespace
