// Per-student, per-level counts and points drawn from the loaded results, the points of one
// round, and the judgements built on them.
#include "results/statistics.h"
#include "results/statisticsfill.h"

#include <cmath>
#include <limits>
#include <memory>

namespace {

// The number formed by the first three characters of the decimal text of `time`: 1234 gives
// 123, -1234 gives -12, and times of up to three characters are themselves.
std::int64_t firstThreeCharacters(std::int64_t time) {
    while (time >= 1000)
        time /= 10;
    while (time <= -100)
        time /= 10;
    return time;
}

// Int(): the largest whole number not above `value`, held to the 32-bit range (NaN gives 0).
// Written out because the library floor is a slow call on the processors we build for.
std::int32_t clampedFloor(double value) {
    if (!(value > -2147483648.0))
        return value != value ? 0 : std::numeric_limits<std::int32_t>::min();
    if (value >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    const auto whole = static_cast<std::int64_t>(value); // toward zero
    return static_cast<std::int32_t>(value < static_cast<double>(whole) ? whole - 1 : whole);
}

std::int32_t basePoints(std::int32_t targetTime, std::int32_t time) {
    return basePointsAgainst(targetTime, time, firstThreeCharacters(time));
}

} // namespace

std::int32_t basePointsAgainst(std::int32_t targetTime, std::int32_t time,
                               std::int64_t formulaTime) {
    const std::int64_t T = targetTime;
    const std::int64_t t = time;
    // A timed-out round earns nothing; a level without a target time earns nothing either
    // rather than dividing by zero.
    if (t >= 99998 || T == 0)
        return 0;
    if (t <= T) {
        const double r = static_cast<double>(T - formulaTime) / static_cast<double>(T);
        return clampedFloor(r * r * r * 50.0 + 5.0);
    }
    if (t < 2 * T)
        return 4;
    if (t < 10 * T)
        return 1;
    return 0;
}

std::int32_t ratedPoints(double rate, std::int32_t base) {
    return clampedFloor(rate * static_cast<double>(base));
}

std::int32_t basePointsForTime(const ProgramState& program, std::int32_t time, int level) {
    if (level < 0 || level > kMaxLevel)
        return 0;
    return basePoints(program.targetTime[level], time);
}

std::int32_t pointsForTime(const ProgramState& program, std::int32_t time, int level) {
    if (level < 0 || level > kMaxLevel)
        return 0;
    return ratedPoints(program.pointRate[level], basePointsForTime(program, time, level));
}

// One computation sees at most the loader's window of records, so a count never passes the
// range of its 16-bit cell.
static_assert(kLoadWindow <= std::numeric_limits<std::int16_t>::max());

void computeStatistics(AppState& state, const Clock& clock, UserMessages& messages,
                       const ResultsWait& wait) {
    StatisticsFill fill(state.results, state.program, clock.nowSerial(), clock.todaySerial());
    loadResults(state, messages, wait, &fill);
}

// ---- StatisticsFill -------------------------------------------------------------------------

StatisticsFill::StatisticsFill(ResultsTables& r, const ProgramState& program, double now,
                               double today)
    : r_(r), today_(today), memo_(pointsMemo()), countAll_(r.countAll.cells()),
      pointsAll_(r.pointsAll.cells()), countToday_(r.countToday.cells()),
      pointsToday_(r.pointsToday.cells()), countPass_(r.countPass.cells()),
      pointsPass_(r.pointsPass.cells()), countOverdo_(r.countOverdo.cells()),
      pointsOverdo_(r.pointsOverdo.cells()) {
    for (int l = 1; l <= kMaxLevel; ++l) {
        const double passFrom = now - program.judgePeriod[l].toNumber();
        const double overdoFrom = now - program.overdoPeriod[l].toNumber();
        // Below all three windows: after neither start (a start that is not a number admits
        // nothing, and fmin passes over it) and before today.
        const double windowsFrom =
            std::fmin(std::fmin(passFrom, overdoFrom),
                      std::nextafter(today, -std::numeric_limits<double>::infinity()));
        rules_[l] = {program.targetTime[l], static_cast<double>(program.pointRate[l]), passFrom,
                     overdoFrom, windowsFrom};
        LevelRule& known = memo_.rules[l];
        if (known.targetTime != rules_[l].targetTime || known.pointRate != rules_[l].pointRate) {
            memo_.points[l].fill(kUnknown);
            known = rules_[l];
        }
    }
}

StatisticsFill::PointsMemo& StatisticsFill::pointsMemo() {
    thread_local const std::unique_ptr<PointsMemo> memo = [] {
        auto m = std::make_unique<PointsMemo>();
        for (auto& row : m->points)
            row.fill(kUnknown);
        return m;
    }();
    return *memo;
}

void StatisticsFill::reset() {
    r_.forEachStatistic([](auto& table) { table.reset(); });
}

void StatisticsFill::finish(std::uint64_t levels) {
    // Only the levels that occur are marked as written, so the next reset clears only those.
    r_.forEachStatistic([levels](auto& table) { table.markWritten(levels); });
}

std::int32_t StatisticsFill::pointsOf(int level, std::int32_t time) const {
    const LevelRule& rule = rules_[level];
    return ratedPoints(rule.pointRate, basePoints(rule.targetTime, time));
}

bool isCleared(const AppState& state, int student, int level) {
    if (student < 0 || student > kMaxStudent || level < 0 || level > kMaxLevel)
        return false;
    const ResultsTables& r = state.results;
    return r.countAll(student, level) >= state.program.clearCount[level] &&
           r.pointsAll(student, level) >= state.program.clearPoints[level];
}

bool isPassed(const AppState& state, int student, int level) {
    if (student < 0 || student > kMaxStudent || level < 0 || level > kMaxLevel)
        return false;
    const ResultsTables& r = state.results;
    return r.countPass(student, level) >= state.program.clearCount[level] &&
           r.pointsPass(student, level) >= state.program.clearPoints[level];
}

bool isOverdone(const AppState& state, int student, int level) {
    if (student < 0 || student > kMaxStudent || level < 0 || level > kMaxLevel)
        return false;
    const ResultsTables& r = state.results;
    const double byCount = state.program.overdoCount[level].toNumber();
    const double byPoints = state.program.overdoPoints[level].toNumber();
    return (byCount != 0 && r.countOverdo(student, level) >= byCount) ||
           (byPoints != 0 && r.pointsOverdo(student, level) >= byPoints);
}
