// The overdo block and the last-level flag.
#include "menu/availability.h"

#include "results/statistics.h"

LevelAvailability levelAvailability(const AppState& state, int student) {
    const auto& program = state.program;
    LevelAvailability out;
    out.lastLevelPassed = isPassed(state, student, program.lastLevel) ? 1 : 0;
    out.blocked.assign(static_cast<std::size_t>(std::max<int>(0, program.levelCount)) + 1, false);
    if (out.lastLevelPassed)
        return out;
    for (int level = 1; level < program.levelCount; ++level)
        out.blocked[static_cast<std::size_t>(level)] = isOverdone(state, student, level);
    return out;
}
