// Date serials as the results file stores them: days since 30 December 1899, with the time of
// day as the fraction.
#pragma once
#include <QDate>
#include <QDateTime>

double toDateSerial(const QDateTime& when);
int toDateSerial(const QDate& day);
QDateTime fromDateSerial(double serial);
// Seconds since midnight of the time of day in a serial (rounded to the nearest second).
int secondsOfDay(double serial);
