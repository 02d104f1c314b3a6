// Counts and points per student and level (all, today, pass window, overdo window), the points
// of one round, and the cleared, passed and overdone judgements.
#pragma once
#include "app/services.h"
#include "results/resultsfile.h"
#include "startup/appstate.h"

#include <cstdint>

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
