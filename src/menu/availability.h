// Which levels of the menu a student may start: every level is open, but an overdone level is
// blocked until its overdo window moves on, unless the student has passed the last level.
#pragma once
#include "startup/appstate.h"

#include <vector>

struct LevelAvailability {
    // 1 when the student has passed the last level (the end-of-round screen reads it).
    int lastLevelPassed = 0;
    // Index 1..levelCount: true where "やりすぎ禁止" covers the start button.
    std::vector<bool> blocked;
    bool usable(int level) const {
        return level >= 1 && level < static_cast<int>(blocked.size()) &&
               !blocked[static_cast<std::size_t>(level)];
    }
};

// From the statistics as last computed. The last level is never blocked.
LevelAvailability levelAvailability(const AppState& state, int student);
