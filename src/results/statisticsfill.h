// The adding-up of the eight statistics tables, one loaded entry at a time. The loader calls it
// for each entry in the same pass that parses the record and lowers its best time, so that a
// record's bytes and its table cells are each visited once, while they are in the cache.
#pragma once
#include "results/resultstables.h"
#include "startup/appstate.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

class StatisticsFill {
public:
    // `now` and `today` as date serials: the pass and overdo windows end at `now`.
    StatisticsFill(ResultsTables& tables, const ProgramState& program, double now, double today);

    // Every table back to zero; the loader calls it once it holds the file.
    void reset();

    // Asks for the cells of all rounds that a coming entry will add to: they are visited in
    // no particular order and would each wait for memory otherwise. The window cells are left
    // alone: few entries reach them, and asking on the others' behalf costs more than it saves.
    void prefetch(std::size_t cell) const {
        __builtin_prefetch(countAll_ + cell, 1);
        __builtin_prefetch(pointsAll_ + cell, 1);
    }

    // Adds one round of student and level 1.. (cell is their common table index).
    void add(std::size_t cell, int level, double date, std::int32_t time) {
        const LevelRule& rule = rules_[level];
        const int completed = time < kCompletedBelow ? 1 : 0;
        const std::int32_t p = points(level, time);
        countAll_[cell] = static_cast<std::int16_t>(countAll_[cell] + completed);
        addPoints(pointsAll_[cell], p);
        // Most rounds are older than every window: one test lets them by.
        if (date > rule.windowsFrom)
            addToWindows(cell, rule, date, completed, p);
    }

    // The levels (as bits) that add() was given since the reset.
    void finish(std::uint64_t levels);

private:
    struct LevelRule {
        std::int32_t targetTime = 0;
        double pointRate = 0;
        double passFrom = 0;    // records dated after this serial are inside the pass window
        double overdoFrom = 0;  // ... inside the overdo window
        double windowsFrom = 0; // no record dated up to this serial is inside any window
    };

    void addToWindows(std::size_t cell, const LevelRule& rule, double date, int completed,
                      std::int32_t p) {
        if (date > rule.passFrom) {
            countPass_[cell] = static_cast<std::int16_t>(countPass_[cell] + completed);
            addPoints(pointsPass_[cell], p);
        }
        if (date > rule.overdoFrom) {
            countOverdo_[cell] = static_cast<std::int16_t>(countOverdo_[cell] + completed);
            addPoints(pointsOverdo_[cell], p);
        }
        if (date == today_) {
            countToday_[cell] += static_cast<float>(completed);
            addPoints(pointsToday_[cell], p);
        }
    }

    // The points of each level for times below kTimes, kept from one computation to the
    // next: most rounds share a few hundred times, and a level's points change only with its
    // target time and point rate.
    static constexpr int kTimes = 512;
    static constexpr std::int32_t kTimedOut = 99998;
    static constexpr std::int32_t kUnknown = std::numeric_limits<std::int32_t>::min();
    struct PointsMemo {
        std::array<std::array<std::int32_t, kTimes>, kLevelSlots> points;
        std::array<LevelRule, kLevelSlots> rules; // the rules each level's points were for
    };
    static PointsMemo& pointsMemo();

    std::int32_t points(int level, std::int32_t time) {
        if (static_cast<std::uint32_t>(time) < kTimes) {
            std::int32_t& p =
                memo_.points[static_cast<std::size_t>(level)][static_cast<std::size_t>(time)];
            if (p == kUnknown)
                p = pointsOf(level, time);
            return p;
        }
        if (time >= kTimedOut)
            return 0; // a timed-out round earns nothing at any rate
        return pointsOf(level, time);
    }
    std::int32_t pointsOf(int level, std::int32_t time) const;

    static void addPoints(std::int32_t& total, std::int32_t points) {
        if (__builtin_add_overflow(total, points, &total))
            total = points > 0 ? std::numeric_limits<std::int32_t>::max()
                               : std::numeric_limits<std::int32_t>::min();
    }

    ResultsTables& r_;
    std::array<LevelRule, kLevelSlots> rules_{};
    double today_;
    PointsMemo& memo_;
    std::int16_t* countAll_;
    std::int32_t* pointsAll_;
    float* countToday_;
    std::int32_t* pointsToday_;
    std::int16_t* countPass_;
    std::int32_t* pointsPass_;
    std::int16_t* countOverdo_;
    std::int32_t* pointsOverdo_;
};
