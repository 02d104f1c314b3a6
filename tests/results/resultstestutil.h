// Small helpers of the results tests: records in a few words, a results file written as bytes,
// and a shared state whose data folder is a temporary folder.
#pragma once
#include "results/resultsfile.h"
#include "startup/appstate.h"
#include "support/records.h"
#include "support/testsupport.h"
#include "text/dateserial.h"

#include <QDir>
#include <memory>
#include <vector>

inline ResultRecord makeRecord(double date, int student, int level, std::int32_t time,
                               double clock = 0.5) {
    return roundRecord(date, clock, student, level, time);
}

inline QByteArray recordBytes(const std::vector<ResultRecord>& records) {
    QByteArray bytes;
    for (const ResultRecord& r : records)
        bytes += serializeRecord(r);
    return bytes;
}

inline void writeRecords(const QString& dataFolder, const std::vector<ResultRecord>& records) {
    writeBytes(dataFolder + kResultsFileName, recordBytes(records));
}

inline std::vector<ResultRecord> recordsOnDisk(const QString& dataFolder) {
    const QByteArray bytes = readBytes(dataFolder + kResultsFileName);
    std::vector<ResultRecord> out;
    for (qsizetype at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize)
        out.push_back(parseRecord(bytes.mid(at, kRecordSize)));
    return out;
}

// A state on `dataFolder` with four levels: level 1 has the target time 60 s, pass line 300
// points and 20 rounds, a pass window of 7 days and an overdo window of 1 day.
inline std::unique_ptr<AppState> makeState(const QString& dataFolder) {
    auto state = std::make_unique<AppState>();
    state->installation.dataFolder = QDir(dataFolder).absolutePath() + u'/';
    state->installation.siteCode = QStringLiteral("12345");
    ProgramState& p = state->program;
    for (int l = 1; l <= 4; ++l) {
        p.targetTime[l] = 60 * l;
        p.minimumTime[l] = 90 * l;
        p.clearPoints[l] = 300;
        p.clearCount[l] = 20;
        p.pointRate[l] = 1;
        p.overdoCount[l] = Value::fromNumber(0);
        p.overdoPoints[l] = Value::fromNumber(0);
        p.judgePeriod[l] = Value::fromNumber(7);
        p.overdoPeriod[l] = Value::fromNumber(1);
    }
    return state;
}

inline double serialOf(const QDate& day) {
    return toDateSerial(day);
}
