// The menu's result lists by date: today's rounds, the rounds of a period and the current
// student's own rounds, one list per level, with the colour a times list takes from its most
// recent round.
#pragma once
#include "reports/recordtail.h"
#include "startup/appstate.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

constexpr std::int64_t kTodayListRecords = 1000;   // today's list reads the newest 1,000
constexpr std::int64_t kPeriodListRecords = 20000; // period and personal lists the newest 20,000
constexpr std::int32_t kTimedOutFrom = 90000;      // a round of this time or more timed out
constexpr int kPersonalDays = 3650;

// List colours: green at or under the target time, light green at or under the lowest pass
// time, grey above; a list never coloured keeps its first colour.
constexpr std::uint32_t kListGreen = 0x00C000;
constexpr std::uint32_t kListLightGreen = 0xC0FFC0;
constexpr std::uint32_t kListGrey = 0xC0C0C0;
constexpr std::uint32_t kListInitial = 0xFFFFC0;

// One level's list: the rows, and beside each row the round's time for the colour.
struct LevelList {
    QStringList rows;
    std::vector<std::int32_t> times;
};
// Index 1..levelCount; index 0 stays empty.
using LevelLists = std::vector<LevelList>;

struct DateListView {
    QString filterText = QStringLiteral("全学年");
    int currentStudent = 0; // marked "●"; 0 marks nobody
    int displayMode = 1;    // period lists: 1 times layout, 2 points layout
};

// Moves the progress bar: value is the number of the record just read.
using ListProgress = std::function<void(std::int64_t value, std::int64_t maximum)>;

// The window in days of period 1..5 (this week, since last week, one month, one year, all
// results) on `today`; any other period keeps `previousDays`.
int periodDaysFor(int allResultsPeriod, const QDate& today, int previousDays);
bool isListedPeriod(int allResultsPeriod);

// The cells of a row.
QString timeCell(std::int32_t time);
QString clockCell(double recordClock);
QString dayCell(double recordDate);
QString dateText(double recordDate);       // yyyy/mm/dd
QString timeOfDayText(double recordClock); // h:mm:ss, hours without a leading zero

// Today's rounds of the listed grade group, oldest first, each in its level's list.
LevelLists todayResultLists(const AppState& state, const RecordTail& tail, const QDateTime& now,
                            const DateListView& view, const ListProgress& progress = {});
// The rounds of the last `periodDays` days.
LevelLists periodResultLists(const AppState& state, const RecordTail& tail, const QDateTime& now,
                             int periodDays, const DateListView& view,
                             const ListProgress& progress = {});
// The rounds of `student` of the last ten years, when the grade group shows the student.
LevelLists personalTimeLists(const AppState& state, const RecordTail& tail, const QDateTime& now,
                             int student, const QString& filterText,
                             const ListProgress& progress = {});

// The colour of a times list after its rows: each round that did not time out sets it, so the
// list ends with the colour of its most recent round; `current` when there is none.
std::uint32_t listColour(const LevelList& list, std::int32_t targetTime, std::int32_t minimumTime,
                         std::uint32_t current);
