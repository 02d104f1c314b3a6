// The results file "成績累積データ.dat": 44-byte little-endian records, appended under an
// exclusive fcntl lock and flushed to disk; loaded under a shared lock with retries.
#pragma once
#include "app/services.h"
#include "startup/appstate.h"

#include <QByteArray>
#include <QString>

extern const QString kResultsFileName;     // "成績累積データ.dat"
extern const QString kResultsTempFileName; // "成績累積データtemp.dat"
constexpr int kRecordSize = 44;

QByteArray serializeRecord(const ResultRecord& record);
ResultRecord parseRecord(const QByteArray& bytes); // exactly 44 bytes

// Appends the round just played (state.round.roundTime, student, level) and sets the flags
// newPersonalBest, newLevelBest and clearedBefore. Returns only after the record is on disk.
// Throws ResultsFileError when the file cannot be opened, locked or written.
void recordRound(AppState& state, const Clock& clock);

// Rebuilds the loaded table, bestTime and levelBestTime from the file. While another
// installation holds the append lock it waits a second at a time, calling
// messages.keepResponsive(), without limit.
void loadResults(AppState& state, UserMessages& messages);
