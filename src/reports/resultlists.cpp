// Today's, period and personal result lists and their colours.
#include "reports/resultlists.h"

#include "reports/reporthelpers.h"
#include "results/statistics.h"
#include "text/dateserial.h"

#include <cmath>
#include <cstdio>

namespace {

const QString kTimedOutLead = QStringLiteral("　　× ");

// The student of a record when the roster tables have a place for it.
bool knownStudentNumber(int student) {
    return student >= 0 && student <= kMaxStudent;
}

bool isOfferedLevel(const AppState& state, int level) {
    return level >= 1 && level <= state.program.levelCount;
}

std::int64_t progressMaximum(const RecordTail& tail) {
    return std::llround(static_cast<double>(tail.recordCount + 1) * 1.1);
}

// Runs `each` for every record of the tail with its record number, moving the progress bar.
template <typename Each>
void forEachRecord(const RecordTail& tail, const ListProgress& progress, Each each) {
    const std::int64_t maximum = progressMaximum(tail);
    if (progress)
        progress(0, maximum);
    std::int64_t number = tail.firstNumber;
    for (const ResultRecord& record : tail.records) {
        if (progress)
            progress(number, maximum);
        each(record);
        ++number;
    }
}

LevelLists emptyLists(const AppState& state) {
    return LevelLists(static_cast<std::size_t>(std::max<int>(0, state.program.levelCount)) + 1);
}

void append(LevelLists& lists, int level, QString row, std::int32_t time) {
    auto& list = lists[static_cast<std::size_t>(level)];
    list.rows.append(std::move(row));
    list.times.push_back(time);
}

// Inside a window of `days` days back from `now`: later than now minus the days.
bool insideWindow(double recordDate, double nowSerial, int days) {
    return std::isfinite(recordDate) && recordDate > nowSerial - days;
}

struct StudentCells {
    QString who; // mark, short name, mark
    int grade = 0;
    bool shown = false; // by the list's grade filter
    bool known = false;
};

// The cells of each student, built once per list: a student has many rounds.
class StudentCellCache {
public:
    StudentCellCache(const AppState& state, int currentStudent, const QString& filterText)
        : state_(state), current_(currentStudent), filter_(filterText), cells_(kStudentSlots) {}
    const StudentCells& of(int student) {
        StudentCells& c = cells_[static_cast<std::size_t>(student)];
        if (!c.known) {
            c.grade = reportGradeNumber(state_.roster, student);
            c.shown = reportGradeFilter(filter_, c.grade);
            const QString mark = rowMark(student, current_, c.grade);
            c.who = mark +
                    shortName(state_.roster.studentNames[static_cast<std::size_t>(student)]) + mark;
            c.known = true;
        }
        return c;
    }

private:
    const AppState& state_;
    int current_;
    QString filter_;
    std::vector<StudentCells> cells_;
};

// The day's texts of consecutive records, which mostly share their day.
class DayTexts {
public:
    const QString& day(double recordDate) {
        update(recordDate);
        return day_;
    }
    const QString& date(double recordDate) {
        update(recordDate);
        return date_;
    }

private:
    void update(double recordDate) {
        if (valid_ && recordDate == last_)
            return;
        date_ = dateText(recordDate);
        day_ = date_.right(5);
        last_ = recordDate;
        valid_ = true;
    }
    bool valid_ = false;
    double last_ = 0;
    QString date_;
    QString day_;
};

QString joined(std::initializer_list<QStringView> parts) {
    qsizetype size = 0;
    for (QStringView p : parts)
        size += p.size();
    QString out;
    out.reserve(size);
    for (QStringView p : parts)
        out.append(p);
    return out;
}

} // namespace

bool isListedPeriod(int allResultsPeriod) {
    return allResultsPeriod >= 1 && allResultsPeriod <= 5;
}

int periodDaysFor(int allResultsPeriod, const QDate& today, int previousDays) {
    const int weekday = today.dayOfWeek() % 7 + 1; // Sunday 1 .. Saturday 7
    const bool sunday = weekday == 1;
    switch (allResultsPeriod) {
    case 1:
        return sunday ? 7 : weekday - 1;
    case 2:
        return sunday ? 14 : weekday - 1 + 7;
    case 3:
        return 30;
    case 4:
        return 365;
    case 5:
        return 3650;
    default:
        return previousDays;
    }
}

QString timeCell(std::int32_t time) {
    return rightAligned(QString::number(time) + u'秒', 5);
}

QString timeOfDayText(double recordClock) {
    const int seconds = secondsOfDay(recordClock);
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return QString::fromLatin1(text);
}

QString clockCell(double recordClock) {
    return (QStringLiteral("00") + timeOfDayText(recordClock)).right(8).left(5);
}

// Formatted from the calendar date alone: a date with a time zone would look up the zone
// for every record.
QString dateText(double recordDate) {
    static const QDate epoch(1899, 12, 30);
    const QDate day = epoch.addDays(static_cast<qint64>(std::floor(recordDate)));
    if (!day.isValid())
        return QString();
    char text[16];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", day.year() % 10000, day.month(), day.day());
    return QString::fromLatin1(text);
}

QString dayCell(double recordDate) {
    return dateText(recordDate).right(5);
}

LevelLists todayResultLists(const AppState& state, const RecordTail& tail, const QDateTime& now,
                            const DateListView& view, const ListProgress& progress) {
    LevelLists lists = emptyLists(state);
    const double today = toDateSerial(now.date());
    StudentCellCache students(state, view.currentStudent, view.filterText);
    forEachRecord(tail, progress, [&](const ResultRecord& r) {
        if (r.recordDate != today || !knownStudentNumber(r.Bangou) ||
            !isOfferedLevel(state, r.level))
            return;
        const StudentCells& cells = students.of(r.Bangou);
        if (!cells.shown)
            return;
        const QString clock = clockCell(r.recordClock);
        if (r.time >= kTimedOutFrom) {
            append(lists, r.level, joined({kTimedOutLead, clock, cells.who}), r.time);
            return;
        }
        const int points = basePointsForTime(state.program, r.time, r.level);
        append(lists, r.level,
               joined({timeCell(r.time), u" ", clock, cells.who, QString::number(points)}), r.time);
    });
    return lists;
}

LevelLists periodResultLists(const AppState& state, const RecordTail& tail, const QDateTime& now,
                             int periodDays, const DateListView& view,
                             const ListProgress& progress) {
    LevelLists lists = emptyLists(state);
    const double nowSerial = toDateSerial(now);
    StudentCellCache students(state, view.currentStudent, view.filterText);
    DayTexts days;
    forEachRecord(tail, progress, [&](const ResultRecord& r) {
        if (!isOfferedLevel(state, r.level) || !insideWindow(r.recordDate, nowSerial, periodDays) ||
            !knownStudentNumber(r.Bangou))
            return;
        const StudentCells& cells = students.of(r.Bangou);
        if (!cells.shown)
            return;
        const QString& day = days.day(r.recordDate);
        if (r.time >= kTimedOutFrom) {
            append(lists, r.level, joined({kTimedOutLead, day, cells.who}), r.time);
            return;
        }
        const int points = basePointsForTime(state.program, r.time, r.level);
        if (view.displayMode == 1)
            append(lists, r.level,
                   joined({timeCell(r.time), u" ", day, cells.who, QString::number(points)}),
                   r.time);
        else
            append(lists, r.level,
                   joined({rightAligned(points, 5), u" ", day, cells.who, QString::number(r.time),
                           u"秒"}),
                   r.time);
    });
    return lists;
}

LevelLists personalTimeLists(const AppState& state, const RecordTail& tail, const QDateTime& now,
                             int student, const QString& filterText, const ListProgress& progress) {
    LevelLists lists = emptyLists(state);
    const double nowSerial = toDateSerial(now);
    forEachRecord(tail, progress, [&](const ResultRecord& r) {
        if (!isOfferedLevel(state, r.level) ||
            !insideWindow(r.recordDate, nowSerial, kPersonalDays) || r.Bangou != student ||
            !knownStudentNumber(r.Bangou))
            return;
        if (!reportGradeFilter(filterText, reportGradeNumber(state.roster, r.Bangou)))
            return;
        const QString when =
            dateText(r.recordDate).right(10) + u' ' + timeOfDayText(r.recordClock).right(10);
        // A timed-out round has no time to show: a cross stands where the unit would be.
        const QString cell = r.time >= kTimedOutFrom ? QStringLiteral("    ×") : timeCell(r.time);
        append(lists, r.level, when + cell, r.time);
    });
    return lists;
}

std::uint32_t listColour(const LevelList& list, std::int32_t targetTime, std::int32_t minimumTime,
                         std::uint32_t current) {
    for (std::int32_t t : list.times) {
        if (t >= kTimedOutFrom)
            continue;
        if (t <= targetTime)
            current = kListGreen;
        else if (t <= minimumTime)
            current = kListLightGreen;
        else
            current = kListGrey;
    }
    return current;
}
