// Round rules shared by the drill screen and its tests.
#include "drill/round.h"

#include "drill/kanji.h"
#include "drill/problems.h"
#include "text/numparse.h"

#include <cmath>

void resetRoundForStart(RoundState& round) {
    round.roundComplete = 0;
    round.roundEnded = 0;
    round.judgeBusy = 0;
    round.answeredCount = 0;
    round.roundOutcome = 0;
}

std::int32_t timeLimitFor(const ProgramState& program, int level) {
    if (level < 1 || level > kMaxLevel)
        return 0;
    return 5 * program.minimumTime[static_cast<std::size_t>(level)];
}

bool levelCanBeStarted(const ProgramState& program, int level) {
    return problemBaseDigits(level) > 0 && timeLimitFor(program, level) >= 5;
}

std::int32_t elapsedSeconds(std::int64_t startTickMs, std::int64_t nowTickMs) {
    return static_cast<std::int32_t>(
        roundHalfEven(static_cast<double>(nowTickMs - startTickMs) / 1000.0));
}

int minutesSinceSignIn(int nowSecondsOfDay, std::int32_t signInTime) {
    int seconds = nowSecondsOfDay - signInTime;
    if (seconds < 0)
        seconds += 24 * 60 * 60;
    return seconds / 60;
}

double typedValue(const QString& answerText) {
    return leadingNumber(answerText);
}

bool answerIsCorrect(const QString& answerText, std::uint64_t problemValue) {
    return typedValue(answerText) == static_cast<double>(problemValue);
}

QString typedReading(const QString& answerText) {
    const double value = std::floor(typedValue(answerText));
    if (!(value >= 1))
        return QStringLiteral("零");
    if (value >= 1e16)
        return QString(); // beyond the 兆 group, like any value of 17 digits or more
    return renderKanji(static_cast<std::uint64_t>(value));
}

std::int16_t todayRoundsOverLevels(const ResultsTables& results, int student, int first, int last) {
    float total = 0;
    for (int level = first; level <= last; ++level)
        total += results.countToday(student, level);
    return static_cast<std::int16_t>(roundHalfEven(total));
}

int barWidth(double seconds, double barScale) {
    return static_cast<int>(roundHalfEven(seconds * barScale));
}
