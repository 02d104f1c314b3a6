// The results file "成績累積データ.dat": 44-byte little-endian records, appended under an
// exclusive fcntl lock and flushed to disk; loaded under a shared lock with retries.
#pragma once
#include "app/services.h"
#include "startup/appstate.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

extern const QString kResultsFileName;     // "成績累積データ.dat"
extern const QString kResultsTempFileName; // "成績累積データtemp.dat"
constexpr int kRecordSize = 44;
constexpr std::int64_t kLoadWindow = 20000; // the loader looks at the newest 20,000 records

QByteArray serializeRecord(const ResultRecord& record);
ResultRecord parseRecord(const QByteArray& bytes); // exactly 44 bytes

// The numeric value of a 5-byte text field such as carriedPoints: the leading number, blanks
// ignored, rounded to a whole number (halves to even); no number gives 0.
std::int32_t fieldNumber(const char* bytes, int size);

// A failure of the results file that the program cannot work around (a data folder that is
// missing or unreadable, a write that fails). The message is the program's own Japanese text;
// screens show it through App::fatal.
class ResultsFileError : public std::runtime_error {
public:
    ResultsFileError(QString message, QString path = {});
    const QString& message() const { return message_; }
    const QString& path() const { return path_; }

private:
    QString message_;
    QString path_;
};

// An open results file. Closing it (destruction) releases every lock it holds.
class ResultsFile {
public:
    ResultsFile() = default;
    ResultsFile(int fd, QString path) : fd_(fd), path_(std::move(path)) {}
    ResultsFile(ResultsFile&& other) noexcept;
    ResultsFile& operator=(ResultsFile&& other) noexcept;
    ResultsFile(const ResultsFile&) = delete;
    ResultsFile& operator=(const ResultsFile&) = delete;
    ~ResultsFile();

    int fd() const { return fd_; }
    const QString& path() const { return path_; }
    bool isOpen() const { return fd_ >= 0; }
    void close();

    // Takes the exclusive lock on the whole file, waiting as long as another process holds it,
    // then makes sure the descriptor is still the file at the path (a removal may have renamed
    // a new file over it) and reopens and locks again if not.
    void lockExclusive();
    // Number of whole records (a trailing partial record is not counted).
    std::int64_t recordCount() const;

private:
    int fd_ = -1;
    QString path_;
};

// Opens the results file of `dataFolder` for reading and writing, creating it when missing.
ResultsFile openResultsFile(const QString& dataFolder);

// How the loader waits while the file is locked by another installation (or while the data
// folder is missing). The default waits in small slices and calls keepResponsive() in between.
using ResultsWait = std::function<void(int milliseconds)>;

// Appends the round just played (state.round.roundTime, student, level) and sets the flags
// newPersonalBest, newLevelBest and clearedBefore. Returns only after the record is on disk.
// Throws ResultsFileError when the file cannot be opened, locked or written.
void recordRound(AppState& state, const Clock& clock);

// Appends one record built from the shared state and the clock; returns its record number.
std::int64_t appendResult(AppState& state, const Clock& clock);
// Appends a ready record at the end of the file (after the last whole record), locked and
// flushed; returns its record number.
std::int64_t appendRecord(const QString& dataFolder, const ResultRecord& record);

class StatisticsFill;

// Rebuilds the loaded table, bestTime and levelBestTime from the file. While another
// installation holds the append lock it waits a second at a time, calling
// messages.keepResponsive(), without limit. Throws ResultsFileError when the file cannot be
// opened or read for another reason. With `fill`, the statistics tables are reset once the
// file is locked (after any waits: window events during them may load the results themselves)
// and each entry is added to them as it is loaded.
void loadResults(AppState& state, UserMessages& messages, const ResultsWait& wait = {},
                 StatisticsFill* fill = nullptr);

// Every whole record of the file, in file order (record n at index n - 1). Waits like the
// loader while the file is locked.
std::vector<ResultRecord> readResultRecords(const QString& dataFolder, UserMessages& messages,
                                            const ResultsWait& wait = {});

// Replaces the time and the student of record n (1-based) in place; the other fields keep the
// stored bytes. Throws ResultsFileError when there is no record n.
void changeResult(const QString& dataFolder, std::int64_t recordNumber, std::int32_t time,
                  std::int16_t student);

// Removes record n (1-based): the other whole records are written, in order, to
// "成績累積データtemp.dat" beside the file, flushed, and renamed over the file while its lock is
// held, so the results are never without a whole copy. `beforeReplace` runs after the new file
// is on disk and before it replaces the old one (tests interrupt the removal there).
void removeResult(const QString& dataFolder, std::int64_t recordNumber,
                  const std::function<void()>& beforeReplace = {});
