// The problems of a level: how many digits, the random draw, and the zeros put into it; with the
// rules for the board's group markers and colours that help at the start of a round.
#pragma once
#include "app/services.h"

#include <QString>
#include <cstdint>

constexpr int kMaxDigits = 15; // digit cells of the answer board
constexpr int kProblemsPerRound = 10;

// The shortest length of a level's problems (4, 6, 8, 12 for levels 1..4), 0 for other levels.
int problemBaseDigits(int level);
// n = base + Int(Rnd × 3): one of the three lengths of the level, each equally likely.
int drawProblemLength(int level, Random& random);
// A whole problem of `level`: n digits with a non-zero leading digit, then each later digit
// forced to 0 when 2 × Rnd > 1. Levels outside 1..4 have no problems and give 0.
std::uint64_t drawProblem(int level, Random& random);

// A random number in [0, 1) at single precision, as the draws use it.
float singleRnd(Random& random);

// 万 / 億 / 兆 markers show for the first four problems of a ten-problem round.
bool markersShown(std::int32_t answeredCount, int problemCount);
// The four group colours show for the first seven problems; later all cells take group 1's.
bool groupColoursShown(std::int32_t answeredCount, int problemCount);
// The marker under cell i (1..15): 万 under cell 5, 億 under 9, 兆 under 13, a full-width blank
// under the others and nothing under cell 1.
QString markerText(int cell);
// The group (1..4) whose colour cell i takes: cells 1-4, 5-8, 9-12, 13-15.
int cellGroup(int cell);
// The palette of the four groups, 0xRRGGBB.
std::uint32_t groupColour(int group);
