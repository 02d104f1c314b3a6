// The level menu's read of the roster.
#include "menu/studentlist.h"

#include "roster/roster.h"

QStringList fillStudentList(AppState& state, const QDate& today) {
    const int schoolYear = schoolYearFor(today, state.installation.schoolYearStartMonth);
    const std::vector<RosterEntry> entries = parseRosterFile(rosterPath(state.installation));
    auto& tables = state.roster;
    QStringList rows;
    for (const RosterEntry& entry : entries) {
        rememberStudent(tables, entry, schoolYear, NameForm::Trimmed);
        if (entry.status != 0)
            continue;
        const auto n = static_cast<std::size_t>(entry.record.number);
        rows.append(tables.studentGradeLabels[n] + QStringLiteral(" /  ") + tables.studentNames[n] +
                    u'/' + QString::number(entry.record.number));
    }
    return rows;
}
