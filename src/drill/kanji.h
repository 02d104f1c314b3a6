// Whole numbers written in kanji numerals, in the reading form of the drill.
#pragma once
#include <QString>
#include <cstdint>

// The kanji text of a value of up to 16 digits (0 gives the empty text; 17 digits or more too).
QString renderKanji(std::uint64_t value);
// The same for a decimal digit string (the typed answer); digits beyond the 兆 group are ignored.
QString renderKanjiDigits(const QString& digits);

// Point size of the problem labels for a rendered text: 40 when longer than 10 characters.
int problemFontSize(const QString& text);
