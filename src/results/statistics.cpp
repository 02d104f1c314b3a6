// Per-student, per-level counts and points drawn from the loaded results, the points of one
// round, and the judgements built on them.
#include "results/statistics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

bool isLevel(int level) {
    return level >= 1 && level <= kMaxLevel;
}
bool isStudent(int student) {
    return student >= 1 && student <= kMaxStudent;
}

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

void addPoints(std::int32_t& total, std::int32_t points) {
    if (__builtin_add_overflow(total, points, &total))
        total = points > 0 ? std::numeric_limits<std::int32_t>::max()
                           : std::numeric_limits<std::int32_t>::min();
}

// The criteria of one level as the computation uses them.
struct LevelRule {
    std::int32_t targetTime = 0;
    double pointRate = 0;
    double passFrom = 0;   // records dated after this serial are inside the pass window
    double overdoFrom = 0; // ... inside the overdo window
};

// The points of each level and time, worked out once per computation: most rounds share a
// few hundred times.
class PointsMemo {
public:
    explicit PointsMemo(const LevelRule* rules)
        : rules_(rules), memo_(static_cast<std::size_t>(kLevelSlots) * kTimes, kUnknown) {}

    std::int32_t points(int level, std::int32_t time) {
        const LevelRule& rule = rules_[level];
        if (time < 0 || time >= kTimes)
            return ratedPoints(rule.pointRate, basePoints(rule.targetTime, time));
        std::int32_t& p = memo_[static_cast<std::size_t>(level) * kTimes + time];
        if (p == kUnknown)
            p = ratedPoints(rule.pointRate, basePoints(rule.targetTime, time));
        return p;
    }

private:
    static constexpr int kTimes = 512;
    static constexpr std::int32_t kUnknown = std::numeric_limits<std::int32_t>::min();
    const LevelRule* rules_;
    std::vector<std::int32_t> memo_;
};

void resetTables(ResultsTables& r) {
    r.countAll.reset();
    r.pointsAll.reset();
    r.countToday.reset();
    r.pointsToday.reset();
    r.countPass.reset();
    r.pointsPass.reset();
    r.countOverdo.reset();
    r.pointsOverdo.reset();
}

// One computation sees at most the loader's window of records, so a count never passes the
// range of its 16-bit cell.
static_assert(kLoadWindow <= std::numeric_limits<std::int16_t>::max());

// Adds loaded entries into the tables as the loader hands them over, while they are still in
// the cache. The eight tables share one cell layout, so one index serves them all; only the
// levels that occur are marked as written, so the next computation clears only those.
class TableFiller {
public:
    TableFiller(ResultsTables& r, const LevelRule* rules, double today)
        : r_(r), rules_(rules), memo_(rules), today_(today), countAll_(r.countAll.cells()),
          pointsAll_(r.pointsAll.cells()), countToday_(r.countToday.cells()),
          pointsToday_(r.pointsToday.cells()), countPass_(r.countPass.cells()),
          pointsPass_(r.pointsPass.cells()), countOverdo_(r.countOverdo.cells()),
          pointsOverdo_(r.pointsOverdo.cells()) {}

    void add(const LoadedResult* entries, int count) {
        std::uint64_t levels = 0;
        for (int k = 0; k < count; ++k) {
            if (k + kPrefetchAhead < count)
                prefetch(entries[k + kPrefetchAhead]);
            const LoadedResult& e = entries[k];
            const int l = e.loadedLevel;
            const int s = e.loadedBangou;
            if (!isLevel(l) || !isStudent(s))
                continue;
            levels |= StudentLevelTable<std::int32_t>::levelBit(l);
            const std::size_t i = StudentLevelTable<std::int32_t>::index(s, l);
            const LevelRule& rule = rules_[l];
            const double d = e.loadedDate;
            const int completed = e.loadedTime < kCompletedBelow ? 1 : 0;
            const std::int32_t p = memo_.points(l, e.loadedTime);
            countAll_[i] = static_cast<std::int16_t>(countAll_[i] + completed);
            addPoints(pointsAll_[i], p);
            if (d > rule.passFrom) {
                countPass_[i] = static_cast<std::int16_t>(countPass_[i] + completed);
                addPoints(pointsPass_[i], p);
            }
            if (d > rule.overdoFrom) {
                countOverdo_[i] = static_cast<std::int16_t>(countOverdo_[i] + completed);
                addPoints(pointsOverdo_[i], p);
            }
            if (d == today_) {
                countToday_[i] += static_cast<float>(completed);
                addPoints(pointsToday_[i], p);
            }
        }
        markWritten(levels);
    }

private:
    // Asks for the cells of an entry a few entries ahead: they are visited in no particular
    // order and would each wait for memory otherwise.
    static constexpr int kPrefetchAhead = 8;
    void prefetch(const LoadedResult& e) const {
        const int l = e.loadedLevel;
        const int s = e.loadedBangou;
        if (!isLevel(l) || !isStudent(s))
            return;
        const std::size_t i = StudentLevelTable<std::int32_t>::index(s, l);
        __builtin_prefetch(countAll_ + i, 1);
        __builtin_prefetch(pointsAll_ + i, 1);
        __builtin_prefetch(countToday_ + i, 1);
        __builtin_prefetch(pointsToday_ + i, 1);
        __builtin_prefetch(countPass_ + i, 1);
        __builtin_prefetch(pointsPass_ + i, 1);
        __builtin_prefetch(countOverdo_ + i, 1);
        __builtin_prefetch(pointsOverdo_ + i, 1);
    }

    void markWritten(std::uint64_t levels) {
        r_.countAll.markWritten(levels);
        r_.pointsAll.markWritten(levels);
        r_.countToday.markWritten(levels);
        r_.pointsToday.markWritten(levels);
        r_.countPass.markWritten(levels);
        r_.pointsPass.markWritten(levels);
        r_.countOverdo.markWritten(levels);
        r_.pointsOverdo.markWritten(levels);
    }

    ResultsTables& r_;
    const LevelRule* rules_;
    PointsMemo memo_;
    double today_;
    std::int16_t* countAll_;
    std::int32_t* pointsAll_;
    float* countToday_;
    std::int32_t* pointsToday_;
    std::int16_t* countPass_;
    std::int32_t* pointsPass_;
    std::int16_t* countOverdo_;
    std::int32_t* pointsOverdo_;
};

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

void computeStatistics(AppState& state, const Clock& clock, UserMessages& messages,
                       const ResultsWait& wait) {
    ResultsTables& r = state.results;
    const double now = clock.nowSerial();
    LevelRule rules[kLevelSlots];
    for (int l = 1; l <= kMaxLevel; ++l) {
        const ProgramState& p = state.program;
        rules[l] = {p.targetTime[l], static_cast<double>(p.pointRate[l]),
                    now - p.judgePeriod[l].toNumber(), now - p.overdoPeriod[l].toNumber()};
    }
    // The tables start from zero on every computation, once the loader holds the file.
    TableFiller filler(r, rules, clock.todaySerial());
    loadResults(
        state, messages, wait,
        [&](int first, int last) {
            filler.add(&r.loaded[static_cast<std::size_t>(first)], last - first + 1);
        },
        [&] { resetTables(r); });
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
