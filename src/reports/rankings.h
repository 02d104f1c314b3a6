// The level rankings of the menu's lists: the listed students of the roster ranked at one level
// by best time, by points so far or by today's points, with ranks, marks and the grade filter.
#pragma once
#include "startup/appstate.h"

#include <QString>
#include <QStringList>

// What the ranking lists show (the level menu's display state).
struct RankingView {
    int displayMode = 2;    // 1 times, 2 points (0 counts as 1)
    int pointsRankKind = 1; // 1 points so far, 2 today's points (0 counts as 1)
    QString filterText = QStringLiteral("全学年");
    int currentStudent = 0; // marked "●"; 0 marks nobody
};

struct RankingRows {
    QStringList rows;
    // The row to bring to the top of the list: the one just above the current student's row,
    // so that the student's neighbourhood shows; -1 leaves the list at its top.
    int scrollRow = -1;
};

// The ranking of `level` over the roster's listed students (rosterNumbers 1..rosterCount), from
// the best times and the statistics as last computed.
RankingRows levelRankingRows(const AppState& state, int level, const RankingView& view);
