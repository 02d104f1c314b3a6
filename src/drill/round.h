// The rules of a timed round that do not need a window: the reset, the time limit, the clock
// from the monotonic tick, the judging of a typed answer and the counts of the status area.
#pragma once
#include "startup/appstate.h"

#include <QString>
#include <cstdint>

// startDrill's reset: nothing complete, ended or being judged; no answers; no time-out.
void resetRoundForStart(RoundState& round);
// Five times the level's lowest pass line; 0 when the level has none (such a level is not
// started).
std::int32_t timeLimitFor(const ProgramState& program, int level);
// True when a round of `level` can be played: it has problems (levels 1..4) and a lowest pass
// line of at least a second to time it against.
bool levelCanBeStarted(const ProgramState& program, int level);

// Whole seconds between two monotonic ticks, halves to even. Unlike the time of day, the tick
// runs straight through midnight and through a change of the system clock.
std::int32_t elapsedSeconds(std::int64_t startTickMs, std::int64_t nowTickMs);
// Whole minutes since the student signed in, from seconds since midnight; a sign-in before
// midnight is counted from the day before instead of going negative.
int minutesSinceSignIn(int nowSecondsOfDay, std::int32_t signInTime);

// The value of a typed answer: its leading number with blanks ignored (no number gives 0).
double typedValue(const QString& answerText);
bool answerIsCorrect(const QString& answerText, std::uint64_t problemValue);
// How a wrong answer reads: the kanji of its whole value, or "零" when that is 0 or less.
QString typedReading(const QString& answerText);

// The student's completed rounds today over levels first..last, as the status area and the
// end-of-round screen count them.
std::int16_t todayRoundsOverLevels(const ResultsTables& results, int student, int first, int last);
// A width on the time bar: seconds × scale, to the nearest whole unit.
int barWidth(double seconds, double barScale);
