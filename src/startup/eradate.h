// Today's date in the Japanese era calendar for the splash, and the season colour by month.
#pragma once
#include <QDate>
#include <QString>
#include <cstdint>

// "令和8年 12月 11日（金）": era, year of the era, month without leading zero, two-digit day
// and the short weekday between full-width parentheses.
QString eraDateText(const QDate& day);

// Background colour of the name screen and the level menu for a month (1..12), as 0xRRGGBB.
std::uint32_t seasonColourForMonth(int month);
