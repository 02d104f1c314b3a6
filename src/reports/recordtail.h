// The newest records of the results file, read under a shared lock: the date lists look only at
// the last 1,000 or 20,000 records, so their cost stays bounded however long the file grows.
#pragma once
#include "app/services.h"
#include "results/resultstables.h"

#include <QString>
#include <cstdint>
#include <vector>

struct RecordTail {
    std::int64_t recordCount = 0; // whole records in the file
    std::int64_t firstNumber = 1; // record number of records[0]
    std::vector<ResultRecord> records;
};

// Reads the last `maxRecords` whole records of the data folder's results file. A missing file
// has no records. While another installation holds the append lock it waits, keeping the
// window responsive. Throws ResultsFileError when the file exists but cannot be read.
RecordTail readRecordTail(const QString& dataFolder, std::int64_t maxRecords,
                          UserMessages& messages);
