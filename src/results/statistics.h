// Counts and points per student and level (all, today, pass window, overdo window), the points
// of one round, and the cleared, passed and overdone judgements.
#pragma once
#include "app/services.h"
#include "results/resultsfile.h"
#include "startup/appstate.h"

#include <cstdint>

// Base points of one round of `time` seconds against a target time: Int(((T - f) / T)^3 × 50 + 5)
// up to T, 4 below 2T, 1 below 10T, else 0, where f is `formulaTime` (the results tables use the
// first three digits of the recorded time, the end-of-round screen the whole time). A timed-out
// round and a level without a target time earn 0.
std::int32_t basePointsAgainst(std::int32_t targetTime, std::int32_t time, std::int64_t formulaTime);
// Int(rate × base).
std::int32_t ratedPoints(double rate, std::int32_t base);

// Points of one round of `time` seconds at `level`.
std::int32_t pointsForTime(const ProgramState& program, std::int32_t time, int level);
// Base points before the level's point rate.
std::int32_t basePointsForTime(const ProgramState& program, std::int32_t time, int level);

// Loads the results file and fills the eight tables; `now` is the current moment.
void computeStatistics(AppState& state, const Clock& clock, UserMessages& messages,
                       const ResultsWait& wait = {});

bool isCleared(const AppState& state, int student, int level);
bool isPassed(const AppState& state, int student, int level);
bool isOverdone(const AppState& state, int student, int level);
