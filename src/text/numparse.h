// The lenient leading-number parse used wherever a number is read from a file or typed by a user:
// blanks are skipped, the leading number is taken, the rest is ignored, and no number gives 0.
#pragma once
#include <QString>
#include <QStringView>
#include <cstdint>

// The value of the leading number (sign, digits, fraction and exponent).
double leadingNumber(QStringView text);

// The whole part of the leading number as an exact integer (for values of up to 18 digits,
// where a double would lose digits). Negative numbers keep their sign.
std::int64_t leadingWholeNumber(QStringView text);

// True when the whole text (blanks aside) is one number.
bool isNumeric(QStringView text);

// Rounds halves to the even number, as every whole-number conversion of the program does.
std::int64_t roundHalfEven(double value);

// The shortest decimal text that reads back as the same value ("1.5", "60", "0.1").
QString shortestDecimal(double value);
QString shortestDecimal(float value);
