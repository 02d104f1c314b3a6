// Date serial conversions.
#include "text/dateserial.h"

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
}

int toDateSerial(const QDate& day) { return static_cast<int>(kEpoch.daysTo(day)); }

double toDateSerial(const QDateTime& when) {
    QTime t = when.time();
    double fraction = (t.msecsSinceStartOfDay() / 1000) / 86400.0;
    return toDateSerial(when.date()) + fraction;
}

int secondsOfDay(double serial) {
    double fraction = serial - std::floor(serial);
    int s = static_cast<int>(std::lround(fraction * 86400.0));
    return s >= 86400 ? 86399 : s;
}

QDateTime fromDateSerial(double serial) {
    double day = std::floor(serial);
    QDate date = kEpoch.addDays(static_cast<qint64>(day));
    return QDateTime(date, QTime(0, 0).addSecs(secondsOfDay(serial)));
}
