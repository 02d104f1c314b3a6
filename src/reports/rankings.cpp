// Level rankings by best time or points.
#include "reports/rankings.h"

#include "reports/reporthelpers.h"

#include <vector>

namespace {

// The sort key of a student. Points rank on the primary points, higher first, and break ties
// on the other points, higher first; the two are packed into 64 bits so that no amount of
// either can spill into the other.
std::int64_t rankKey(const AppState& state, int student, int level, const RankingView& view) {
    const auto& results = state.results;
    if (view.displayMode != 2)
        return results.bestTime(student, level);
    const std::int64_t all = results.pointsAll(student, level);
    const std::int64_t today = results.pointsToday(student, level);
    const std::int64_t primary = view.pointsRankKind == 2 ? today : all;
    const std::int64_t secondary = view.pointsRankKind == 2 ? all : today;
    return -(primary * (std::int64_t{1} << 32) + secondary);
}

// The value that decides ranks: equal values share a rank.
std::int64_t rankValue(const AppState& state, int student, int level, const RankingView& view) {
    const auto& results = state.results;
    if (view.displayMode != 2)
        return results.bestTime(student, level);
    return view.pointsRankKind == 2 ? results.pointsToday(student, level)
                                    : results.pointsAll(student, level);
}

QString timesRow(const QString& rank, const QString& mark, const QString& name, std::int32_t best,
                 const QString& end) {
    if (best == 99998)
        return rank + mark + name + QStringLiteral("*失敗*") + u' ' + end;
    if (best == kNoTime)
        return QStringLiteral("--") + mark + name + QStringLiteral("------") + u' ' + end;
    return rank + mark + name + rightAligned(best, 6) + u' ' + end;
}

QString pointsRow(const QString& rank, const QString& mark, const QString& name, std::int32_t today,
                  std::int32_t all) {
    return rank + mark + name + rightAligned(today, 3) + u'/' + rightAligned(all, 5);
}

} // namespace

RankingRows levelRankingRows(const AppState& state, int level, const RankingView& requested) {
    RankingView view = requested;
    if (view.displayMode == 0)
        view.displayMode = 1;
    if (view.pointsRankKind == 0)
        view.pointsRankKind = 1;

    const auto& roster = state.roster;
    const int n = roster.rosterCount;
    std::vector<std::int64_t> keys(static_cast<std::size_t>(n) + 1);
    std::vector<int> items(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        const int s = roster.rosterNumbers[static_cast<std::size_t>(i)];
        keys[static_cast<std::size_t>(i)] = rankKey(state, s, level, view);
        items[static_cast<std::size_t>(i)] = s;
    }
    // Two passes, as the rankings always sorted: the first puts equal keys in reverse roster
    // order, the second brings them back to roster order.
    mergeSortByKey(n, keys, items);
    mergeSortByKey(n, keys, items);

    RankingRows out;
    int rank = 0;
    std::int64_t previous = 0;
    for (int i = 1; i <= n; ++i) {
        const int s = items[static_cast<std::size_t>(i)];
        const std::int64_t value = rankValue(state, s, level, view);
        if (i == 1 || value != previous)
            rank = i;
        previous = value;

        const int grade = reportGradeNumber(roster, s);
        if (!reportGradeFilter(view.filterText, grade))
            continue;
        const QString rankText = rightAligned(rank, 2);
        const QString mark = rowMark(s, view.currentStudent, grade);
        const QString name = nameCell(roster.studentNames[static_cast<std::size_t>(s)]);
        const std::int32_t today = state.results.pointsToday(s, level);
        if (view.displayMode == 1) {
            out.rows.append(timesRow(rankText, mark, name, state.results.bestTime(s, level),
                                     endMark(s, view.currentStudent)));
        } else if (view.pointsRankKind == 1 || today != 0) {
            out.rows.append(
                pointsRow(rankText, mark, name, today, state.results.pointsAll(s, level)));
        } else {
            continue;
        }
        if (s == view.currentStudent && out.scrollRow < 0)
            out.scrollRow = static_cast<int>(out.rows.size()) - 2;
    }
    return out;
}
