// The loaded results, best times and statistics tables, shared by every screen. Tables are
// indexed by student 0..5000 and level 0..35; index 0 of either stays zero.
#pragma once
#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <vector>

constexpr int kTableStudents = 5001;
constexpr int kTableLevels = 36;
constexpr std::int32_t kNoTime = 99999;        // timed out, and "no result" in best-time tables
constexpr std::int32_t kCompletedBelow = 6000; // a round counts as completed below this time

// A table over students 0..5000 and levels 0..35. The students of one level lie side by side:
// a program uses a few of its levels, so the cells in use stay close together in memory. The
// table remembers the levels that may have been written (any non-const access counts), so that
// reset() puts the initial value back in those levels' cells alone.
template <typename T> class StudentLevelTable {
public:
    explicit StudentLevelTable(T initial = T{})
        : cells_(static_cast<std::size_t>(kTableStudents) * kTableLevels, initial),
          initial_(initial) {}
    T& operator()(int student, int level) {
        markWritten(levelBit(level));
        return cells_[index(student, level)];
    }
    const T& operator()(int student, int level) const { return cells_[index(student, level)]; }
    void fill(T value) {
        std::fill(cells_.begin(), cells_.end(), value);
        written_ = value == initial_ ? 0 : kEveryLevel;
    }
    // Every cell back to the initial value, touching only the levels written since the last
    // reset or fill.
    void reset() {
        for (int level = 0; level < kTableLevels; ++level) {
            if (written_ & levelBit(level))
                std::fill_n(cells_.begin() + index(0, level), kTableStudents, initial_);
        }
        written_ = 0;
    }
    // Every cell, level after level (cell (s, l) at index(s, l)), for loops that write many
    // of them; such a loop names the levels it wrote with markWritten.
    T* cells() { return cells_.data(); }
    void markWritten(std::uint64_t levels) { written_ |= levels; }
    static std::uint64_t levelBit(int level) {
        return std::uint64_t{1} << (static_cast<unsigned>(level) & 63u);
    }
    static std::size_t index(int student, int level) {
        return static_cast<std::size_t>(level) * kTableStudents + static_cast<std::size_t>(student);
    }

private:
    static constexpr std::uint64_t kEveryLevel = (std::uint64_t{1} << kTableLevels) - 1;
    std::vector<T> cells_;
    T initial_;
    std::uint64_t written_ = 0; // bit l: level l may differ from the initial value
};

// One 44-byte record of the results file, as held in memory. Text fields are the raw 5 bytes
// of code page 932 as stored.
struct ResultRecord {
    double recordDate = 0;  // whole date serial of the day
    double recordClock = 0; // time of day as a fraction
    std::int16_t Bangou = 0;
    std::int16_t level = 0;
    std::int32_t time = 0;
    QByteArray siteCode = QByteArray(5, ' ');
    QByteArray spareText = QByteArray(5, ' ');
    QByteArray carriedPoints = QByteArray(5, ' ');
    QByteArray reserved = QByteArray(5, '\0');
};

// One entry of the loaded table.
struct LoadedResult {
    double loadedDate = 0;
    double loadedClock = 0;
    std::int16_t loadedBangou = 0;
    std::int16_t loadedLevel = 0;
    std::int32_t loadedTime = 0;
    std::int32_t loadedCarried = 0;
    std::int64_t recordNumber = 0; // 1-based position in the file
};

struct ResultsTables {
    ResultRecord resultBuffer;
    // Entries 1..loadedCount in file order; entry 0 holds nothing.
    std::vector<LoadedResult> loaded = std::vector<LoadedResult>(1);
    int loadedCount = 0;
    StudentLevelTable<std::int32_t> bestTime{kNoTime};
    std::vector<std::int32_t> levelBestTime = std::vector<std::int32_t>(kTableLevels, kNoTime);

    StudentLevelTable<std::int16_t> countAll;
    StudentLevelTable<std::int32_t> pointsAll;
    StudentLevelTable<float> countToday;
    StudentLevelTable<std::int32_t> pointsToday;
    StudentLevelTable<std::int16_t> countPass;
    StudentLevelTable<std::int32_t> pointsPass;
    StudentLevelTable<std::int16_t> countOverdo;
    StudentLevelTable<std::int32_t> pointsOverdo;

    // Calls `f` with each of the eight tables above.
    template <typename F> void forEachStatistic(F&& f) {
        f(countAll);
        f(pointsAll);
        f(countToday);
        f(pointsToday);
        f(countPass);
        f(pointsPass);
        f(countOverdo);
        f(pointsOverdo);
    }

    // Flags of the last recorded round for the end-of-round screen.
    std::int16_t newPersonalBest = 0;
    std::int16_t newLevelBest = 0;
    std::int16_t clearedBefore = 0;
};
