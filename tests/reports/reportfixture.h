// A small school in memory for the report tests: four levels, a roster of named students with
// birth years, and helpers to set best times and points directly.
#pragma once
#include "startup/appstate.h"
#include "startup/identity.h"

#include <QString>
#include <initializer_list>
#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

struct FixtureStudent {
    int number;
    QString name;
    int grade; // grade number in the fixture's school year
};

inline void setRoster(AppState& state, std::initializer_list<FixtureStudent> students,
                      int schoolYear = 2026) {
    auto& roster = state.roster;
    roster.schoolYear = schoolYear;
    roster.rosterCount = 0;
    for (const auto& s : students) {
        roster.rosterNumbers[static_cast<std::size_t>(++roster.rosterCount)] = s.number;
        // The name screen keeps names in their 20-character form.
        roster.studentNames[static_cast<std::size_t>(s.number)] =
            s.name + QString(std::max<qsizetype>(0, 20 - s.name.size()), u' ');
        roster.studentBirthYears[static_cast<std::size_t>(s.number)] =
            static_cast<std::int16_t>(schoolYear - s.grade - 6);
    }
}

// Four levels with targets 60/80/100/150 s and lowest pass times 90/120/150/220 s.
inline void setFourLevels(AppState& state) {
    fillLevelTable(state.program);
    const int targets[] = {0, 60, 80, 100, 150};
    const int minimums[] = {0, 90, 120, 150, 220};
    for (int l = 1; l <= 4; ++l) {
        state.program.targetTime[static_cast<std::size_t>(l)] = targets[l];
        state.program.minimumTime[static_cast<std::size_t>(l)] = minimums[l];
        state.program.pointRate[static_cast<std::size_t>(l)] = 1;
    }
}
