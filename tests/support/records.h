// Results records for tests, filled in as the program fills in the records it appends.
#pragma once
#include "results/resultstables.h"
#include "text/dateserial.h"

#include <QDateTime>
#include <cstdint>

// One round of `student` at `level` taking `time` s, on the day and time of day given as
// serials, from site 12345 with no points carried over.
inline ResultRecord roundRecord(double date, double clock, int student, int level,
                                std::int32_t time) {
    ResultRecord r;
    r.recordDate = date;
    r.recordClock = clock;
    r.Bangou = static_cast<std::int16_t>(student);
    r.level = static_cast<std::int16_t>(level);
    r.time = time;
    r.siteCode = QByteArrayLiteral("12345");
    r.carriedPoints = QByteArrayLiteral("0    ");
    return r;
}

// The same at a moment; the time of day is kept to the whole second.
inline ResultRecord roundRecord(const QDateTime& when, int student, int level, std::int32_t time) {
    return roundRecord(toDateSerial(when.date()),
                       when.time().msecsSinceStartOfDay() / 1000 / 86400.0, student, level, time);
}

inline ResultRecord roundRecord(const QDate& day, const QTime& clock, int student, int level,
                                std::int32_t time) {
    return roundRecord(QDateTime(day, clock), student, level, time);
}
