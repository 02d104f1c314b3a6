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
    const std::int64_t T = targetTime;
    const std::int64_t t = time;
    // A timed-out round earns nothing; a level without a target time earns nothing either
    // rather than dividing by zero.
    if (t >= 99998 || T == 0)
        return 0;
    if (t <= T) {
        const double r = static_cast<double>(T - firstThreeCharacters(t)) / static_cast<double>(T);
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

void addPoints(std::int32_t& total, std::int32_t points) {
    if (__builtin_add_overflow(total, points, &total))
        total = points > 0 ? std::numeric_limits<std::int32_t>::max()
                           : std::numeric_limits<std::int32_t>::min();
}

void addRound(std::int16_t& count) {
    if (count < std::numeric_limits<std::int16_t>::max())
        ++count;
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

// One loaded entry reduced to what the tables need.
struct Figure {
    std::int32_t points;
    std::int16_t student;
    std::int8_t level;
    std::uint8_t flags;
};
enum : std::uint8_t { kCompleted = 1, kInPass = 2, kInOverdo = 4, kToday = 8 };

// Students are handled in blocks whose rows of all eight tables fit the cache together.
constexpr int kStudentsPerBlock = 128;
constexpr int kBlocks = (kMaxStudent + kStudentsPerBlock - 1) / kStudentsPerBlock;
int blockOf(int student) {
    return (student - 1) / kStudentsPerBlock;
}

// Turns loaded entries into figures while they are fresh in the cache (the loader hands them
// over a chunk at a time), and groups them by block of students at the end.
class FigureCollector {
public:
    FigureCollector(const LevelRule* rules, double today)
        : rules_(rules), memo_(rules), today_(today) {
        figures_.reserve(static_cast<std::size_t>(kLoadWindow));
    }

    void add(const LoadedResult* entries, int count) {
        for (int k = 0; k < count; ++k) {
            const LoadedResult& e = entries[k];
            const int l = e.loadedLevel;
            if (!isLevel(l) || !isStudent(e.loadedBangou))
                continue;
            const LevelRule& rule = rules_[l];
            const double d = e.loadedDate;
            const std::uint8_t flags = (e.loadedTime < kCompletedBelow ? kCompleted : 0) |
                                       (d > rule.passFrom ? kInPass : 0) |
                                       (d > rule.overdoFrom ? kInOverdo : 0) |
                                       (d == today_ ? kToday : 0);
            figures_.push_back({memo_.points(l, e.loadedTime), e.loadedBangou,
                                static_cast<std::int8_t>(l), flags});
            ++blockCount_[blockOf(e.loadedBangou)];
        }
    }

    // The figures, block after block, in file order within a block; `start`[b] is where block
    // b begins and `start`[kBlocks] is the end.
    std::vector<Figure> grouped(std::array<int, kBlocks + 1>& start) const {
        start[0] = 0;
        for (int b = 0; b < kBlocks; ++b)
            start[b + 1] = start[b] + blockCount_[b];
        std::array<int, kBlocks> next;
        std::copy(start.begin(), start.end() - 1, next.begin());
        std::vector<Figure> out(figures_.size());
        for (const Figure& f : figures_)
            out[static_cast<std::size_t>(next[blockOf(f.student)]++)] = f;
        return out;
    }

private:
    const LevelRule* rules_;
    PointsMemo memo_;
    double today_;
    std::vector<Figure> figures_;
    int blockCount_[kBlocks] = {};
};

// Zeroes the rows of students first..last - 1 (rows are contiguous in every table).
template <typename T> void zeroRows(StudentLevelTable<T>& table, int first, int last) {
    std::fill(&table(first, 0), &table(last - 1, 0) + kTableLevels, T{});
}

void zeroRows(ResultsTables& r, int first, int last) {
    zeroRows(r.countAll, first, last);
    zeroRows(r.pointsAll, first, last);
    zeroRows(r.countToday, first, last);
    zeroRows(r.pointsToday, first, last);
    zeroRows(r.countPass, first, last);
    zeroRows(r.pointsPass, first, last);
    zeroRows(r.countOverdo, first, last);
    zeroRows(r.pointsOverdo, first, last);
}

void addFigure(ResultsTables& r, const Figure& f) {
    const int s = f.student;
    const int l = f.level;
    const bool completed = f.flags & kCompleted;
    if (completed)
        addRound(r.countAll(s, l));
    if (f.flags & kInPass) {
        if (completed)
            addRound(r.countPass(s, l));
        addPoints(r.pointsPass(s, l), f.points);
    }
    if (f.flags & kInOverdo) {
        if (completed)
            addRound(r.countOverdo(s, l));
        addPoints(r.pointsOverdo(s, l), f.points);
    }
    addPoints(r.pointsAll(s, l), f.points);
    if (f.flags & kToday) {
        if (completed)
            r.countToday(s, l) += 1;
        addPoints(r.pointsToday(s, l), f.points);
    }
}

} // namespace

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
    FigureCollector collector(rules, clock.todaySerial());
    loadResults(state, messages, wait, [&](int first, int last) {
        collector.add(&r.loaded[static_cast<std::size_t>(first)], last - first + 1);
    });

    std::array<int, kBlocks + 1> start;
    const std::vector<Figure> figures = collector.grouped(start);
    // The tables start from zero on every computation; each block of students is cleared and
    // filled while its rows are in the cache.
    for (int b = 0; b < kBlocks; ++b) {
        const int first = 1 + b * kStudentsPerBlock;
        zeroRows(r, first, std::min(first + kStudentsPerBlock, kMaxStudent + 1));
        for (int i = start[b]; i < start[b + 1]; ++i)
            addFigure(r, figures[static_cast<std::size_t>(i)]);
    }
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
