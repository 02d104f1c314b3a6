// Program identity and the level table.
#include "startup/identity.h"

void setProgramIdentity(ProgramState& program) {
    program.programName = QStringLiteral("数読庵");
    program.printButtonMode = 0;
    program.allLevelsOpen = 1;
}

void fillLevelTable(ProgramState& program) {
    program.levelCount = kOfferedLevels;
    program.lastLevel = program.levelCount;
    for (int i = 1; i <= 4; ++i)
        program.levelNames[i].clear();
    program.levelTimed.fill(1);
    for (int i = 1; i <= 12; ++i)
        if (program.levelNames[i].isEmpty() && i <= program.levelCount)
            program.levelNames[i] = QStringLiteral("ﾚﾍﾞﾙ") + QString::number(i);
}
