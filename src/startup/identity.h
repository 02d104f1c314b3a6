// What the program is and which levels it offers.
#pragma once
#include "startup/appstate.h"

constexpr int kOfferedLevels = 4;

void setProgramIdentity(ProgramState& program);
// Fills the level table (four levels, ﾚﾍﾞﾙ1..ﾚﾍﾞﾙ4, all timed). Showing the menu is App's part.
void fillLevelTable(ProgramState& program);
