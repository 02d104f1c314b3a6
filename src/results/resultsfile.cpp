// Opening, locking, appending to, loading, changing and removing records of the results file.
// Several installations may share the file: appends and changes hold an exclusive fcntl lock,
// readers a shared one, and every write reaches the disk before the call returns.
#include "results/resultsfile.h"

#include "results/statistics.h"
#include "results/statisticsfill.h"
#include "text/cp932.h"
#include "text/dateserial.h"
#include "text/numparse.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kMissingFolderTries = 4; // the loader gives up on a missing folder after this
constexpr int kMissingFolderWaitMs = 5000;
constexpr int kLockedWaitMs = 1000;
constexpr int kWaitSliceMs = 20;   // the window stays responsive at this pace
constexpr int kReopenLimit = 1000; // replaced-file reopenings before giving up

// Error numbers and descriptions the program reports, as its users have always seen them.
struct ErrorText {
    int number;
    QString description;
};

ErrorText errorText(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return {53, QStringLiteral("ファイルが見つかりません。")};
    case EACCES:
    case EPERM:
    case EROFS:
        return {70, QStringLiteral("書き込みできません。")};
    case EIO:
        return {57, QStringLiteral("デバイス I/O エラーです。")};
    case ENOSPC:
    case EDQUOT:
        return {61, QStringLiteral("ディスクの空き容量が不足しています。")};
    default:
        return {
            75,
            QStringLiteral("パス名が無効です。（%1）").arg(QString::fromLocal8Bit(strerror(err)))};
    }
}

ResultsFileError fileError(const QString& action, const QString& path, int err) {
    ErrorText e = errorText(err);
    return ResultsFileError(
        QStringLiteral("成績ファイル「%1」を%2できません。\nファイル: %3\n理由: %4 (%5)")
            .arg(kResultsFileName, action, path, e.description)
            .arg(e.number),
        path);
}

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

int openPath(const QString& path, int flags) {
    int fd;
    do {
        fd = ::open(nativePath(path).constData(), flags | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Reads exactly `size` bytes at `offset`; false (errno set) on an error or an early end.
bool readAt(int fd, char* into, std::int64_t size, std::int64_t offset) {
    while (size > 0) {
        ssize_t got = ::pread(fd, into, static_cast<size_t>(size), offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            if (got == 0)
                errno = EIO;
            return false;
        }
        into += got;
        size -= got;
        offset += got;
    }
    return true;
}

bool writeAt(int fd, const char* from, std::int64_t size, std::int64_t offset) {
    while (size > 0) {
        ssize_t put = ::pwrite(fd, from, static_cast<size_t>(size), offset);
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return false;
        from += put;
        size -= put;
        offset += put;
    }
    return true;
}

bool syncFd(int fd) {
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc < 0 && errno == EINTR);
    return rc == 0;
}

struct flock wholeFile(short type) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // to the end of the file, however far it grows
    return fl;
}

// True when `fd` is still the file that `path` names (a removal renames a new file over it).
bool stillAtPath(int fd, const QString& path) {
    struct stat open {
    }, named{};
    if (::fstat(fd, &open) != 0 || ::stat(nativePath(path).constData(), &named) != 0)
        return false;
    return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

std::int64_t fileSize(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return -1;
    return static_cast<std::int64_t>(st.st_size);
}

QString resultsPath(const QString& dataFolder) {
    return dataFolder + kResultsFileName;
}

ResultsWait defaultWait(UserMessages& messages) {
    return [&messages](int milliseconds) {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            messages.keepResponsive();
            qint64 left = milliseconds - timer.elapsed();
            if (left <= 0)
                return;
            std::this_thread::sleep_for(
                std::chrono::milliseconds(std::min<qint64>(left, kWaitSliceMs)));
        }
    };
}

// ---- The loader's read: a shared lock, retries while locked, the program's messages --------

// Where the loader stands, for its diagnostic message.
struct LoadProgress {
    int step = 0;
    std::int64_t recordNumber = 0;
};

// Entry `index` of the loaded table, empty past the entries loaded so far (the table is refilled
// in place, so entries further on may be left from an earlier load).
QString entryText(const ResultsTables* tables, std::int64_t index) {
    LoadedResult e;
    if (tables && index >= 0 && index <= tables->loadedCount)
        e = tables->loaded[static_cast<std::size_t>(index)];
    return QStringLiteral("/date%1/i=%2/time=%3/name=/Bangou=%4/level=%5/time=%6")
        .arg(shortestDecimal(e.loadedDate))
        .arg(index)
        .arg(shortestDecimal(e.loadedClock))
        .arg(e.loadedBangou)
        .arg(e.loadedLevel)
        .arg(e.loadedTime);
}

ResultsFileError notFoundError(const LoadProgress& at, const QString& path, int err) {
    ErrorText e = errorText(err);
    return ResultsFileError(
        QStringLiteral("ファイルがありません%1%2%3").arg(at.step).arg(e.description).arg(e.number),
        path);
}

ResultsFileError diagnosticError(const LoadProgress& at, const QString& path, int err,
                                 const ResultsTables* tables) {
    ErrorText e = errorText(err);
    return ResultsFileError(QStringLiteral("成績ランダムファイル表示%1%2%3%4")
                                    .arg(at.step)
                                    .arg(e.number)
                                    .arg(e.description)
                                    .arg(e.number) +
                                entryText(tables, at.recordNumber) +
                                QStringLiteral("line%1").arg(at.step),
                            path);
}

// The loader reads the file a chunk at a time into one buffer; `consume` gets the whole records
// of each chunk and the number of the first of them. A chunk of 4,096 records (180 KB) takes a
// window of 20,000 in five reads and still stays in the processor's second-level cache.
using ChunkConsumer =
    std::function<void(const char* records, std::int64_t count, std::int64_t firstNumber)>;
constexpr std::int64_t kChunkRecords = 4096;

class LockedReader {
public:
    // `tables`, when the read fills them, name the entry being loaded in the diagnostic message.
    LockedReader(const QString& dataFolder, const ResultsWait& wait,
                 const ResultsTables* tables = nullptr)
        : path_(resultsPath(dataFolder)), wait_(wait), tables_(tables) {}

    // Reads the newest `window` records (all when window <= 0) under a shared lock; returns
    // the number of records in the file. `start` runs once the lock is held: the waits before
    // it let window events run, and those may load the results themselves.
    std::int64_t read(std::int64_t window, const std::function<void()>& start,
                      const ChunkConsumer& consume) {
        progress_.step = 3;
        ResultsFile file = openLocked();
        start();
        progress_.step = 4;
        std::int64_t size = fileSize(file.fd());
        if (size < 0)
            fail(errno);
        const std::int64_t count = size / kRecordSize;
        const std::int64_t first = window > 0 && count > window ? count - window + 1 : 1;
        // Not cleared first: every byte handed on has just been read into it.
        const auto buffer = std::make_unique_for_overwrite<char[]>(
            static_cast<std::size_t>(kChunkRecords * kRecordSize));
        for (std::int64_t number = first; number <= count; number += kChunkRecords) {
            progress_.step = 5;
            progress_.recordNumber = number;
            const std::int64_t n = std::min(kChunkRecords, count - number + 1);
            if (!readAt(file.fd(), buffer.get(), n * kRecordSize, (number - 1) * kRecordSize))
                fail(errno);
            consume(buffer.get(), n, number);
        }
        progress_.step = 11;
        return count;
    }

private:
    [[noreturn]] void fail(int err) { throw diagnosticError(progress_, path_, err, tables_); }

    // Opens the file (creating it when missing) and takes the shared lock, waiting a second at
    // a time while an append holds the file and a few times five seconds while the folder is
    // missing (a file server that is briefly away).
    ResultsFile openLocked() {
        int missing = 0;
        for (int reopen = 0; reopen < kReopenLimit; ++reopen) {
            int fd = openPath(path_, O_RDWR | O_CREAT);
            if (fd < 0 && (errno == EACCES || errno == EROFS))
                fd = openPath(path_, O_RDONLY); // a read-only share still shows the results
            if (fd < 0) {
                int err = errno;
                if (err != ENOENT && err != ENOTDIR)
                    fail(err);
                if (++missing >= kMissingFolderTries)
                    throw notFoundError(progress_, path_, err);
                wait_(kMissingFolderWaitMs);
                continue;
            }
            ResultsFile file(fd, path_);
            if (lockShared(file.fd()) && !stillAtPath(file.fd(), path_))
                continue; // replaced by a removal while we waited: read the new file
            return file;
        }
        fail(ESTALE);
    }

    // True when the lock is held; false when the file system has no locks (read unlocked).
    bool lockShared(int fd) {
        for (;;) {
            struct flock fl = wholeFile(F_RDLCK);
            if (::fcntl(fd, F_SETLK, &fl) == 0)
                return true;
            int err = errno;
            if (err == EINTR)
                continue;
            if (err == EAGAIN || err == EACCES) {
                wait_(kLockedWaitMs);
                continue;
            }
            if (err == ENOLCK || err == EOPNOTSUPP)
                return false;
            fail(err);
        }
    }

    QString path_;
    const ResultsWait& wait_;
    const ResultsTables* tables_;
    LoadProgress progress_;
};

// ---- Filling the loaded table and the best times ------------------------------------------

bool inTable(int student, int level) {
    return student >= 0 && student <= kMaxStudent && level >= 0 && level <= kMaxLevel;
}

double doubleAt(const char* p) {
    const std::uint64_t bits = qFromLittleEndian<std::uint64_t>(p);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A record that the statistics skip: no date, nobody, no level. A student number outside the
// roster's range has no row in any table either.
bool isValidEntry(double date, int student, int level) {
    return !(date < 0) && student >= 1 && student <= kMaxStudent && level >= 1;
}

void startLoaded(ResultsTables& r) {
    r.bestTime.reset();
    std::fill(r.levelBestTime.begin(), r.levelBestTime.end(), kNoTime);
    r.loaded.reserve(static_cast<std::size_t>(kLoadWindow) + 1);
    if (r.loaded.empty())
        r.loaded.emplace_back();
    r.loaded[0] = LoadedResult{};
    r.loadedCount = 0;
}

// Asks for the cells of a record a few records ahead: its best time and, with a fill, its
// statistics cells. They are visited in no particular order and would each wait for memory
// otherwise.
constexpr std::int64_t kPrefetchAhead = 16;
template <bool kFill>
void prefetchCells(const std::int32_t* best, const StatisticsFill* fill, const char* record) {
    const int s = qFromLittleEndian<std::int16_t>(record + 16);
    const int l = qFromLittleEndian<std::int16_t>(record + 18);
    if (!inTable(s, l))
        return;
    const std::size_t cell = StudentLevelTable<std::int32_t>::index(s, l);
    __builtin_prefetch(best + cell, 1);
    if constexpr (kFill)
        fill->prefetch(cell);
}

// Takes `count` records into the loaded table, the best times and (with a fill) the
// statistics, straight from their bytes; returns the levels (as bits) whose cells it wrote.
template <bool kFill>
std::uint64_t addRecords(ResultsTables& r, StatisticsFill* fill, const char* p, std::int64_t count,
                         std::int64_t firstNumber) {
    std::int32_t* const best = r.bestTime.cells();
    std::uint64_t levels = 0;
    if (r.loaded.size() < static_cast<std::size_t>(r.loadedCount + 1 + count))
        r.loaded.resize(static_cast<std::size_t>(r.loadedCount + 1 + count));
    LoadedResult* next = r.loaded.data() + r.loadedCount + 1;
    for (std::int64_t j = 0; j < count; ++j, p += kRecordSize) {
        if (j + kPrefetchAhead < count)
            prefetchCells<kFill>(best, fill, p + kPrefetchAhead * kRecordSize);
        const double date = doubleAt(p);
        const std::int16_t student = qFromLittleEndian<std::int16_t>(p + 16);
        const std::int16_t level = qFromLittleEndian<std::int16_t>(p + 18);
        const std::int32_t time = qFromLittleEndian<std::int32_t>(p + 20);
        // Every record read lowers its student's best time, valid or not.
        const bool cell = inTable(student, level);
        const std::size_t index = StudentLevelTable<std::int32_t>::index(student, level);
        if (cell) {
            levels |= StudentLevelTable<std::int32_t>::levelBit(level);
            best[index] = std::min(best[index], time);
        }
        if (!isValidEntry(date, student, level))
            continue; // dropped; its time has been taken into the best time
        LoadedResult& e = *next++;
        e.loadedDate = date;
        e.loadedClock = doubleAt(p + 8);
        e.loadedBangou = student;
        e.loadedLevel = level;
        e.loadedTime = time;
        // A round always writes "0" and four blanks; anything else takes the general parse.
        e.loadedCarried = std::memcmp(p + 34, "0    ", 5) == 0 ? 0 : fieldNumber(p + 34, 5);
        e.recordNumber = firstNumber + j;
        if constexpr (kFill) {
            if (cell)
                fill->add(index, level, date, time);
        }
    }
    r.loadedCount = static_cast<int>(next - r.loaded.data()) - 1;
    return levels;
}

// levelBestTime: the least best time of students 1..5000 at each level 1..35. Only the levels
// written since the reset can hold anything below kNoTime.
void findLevelBestTimes(ResultsTables& r, std::uint64_t levels) {
    using Table = StudentLevelTable<std::int32_t>;
    const std::int32_t* const best = r.bestTime.cells();
    for (int level = 1; level <= kMaxLevel; ++level) {
        if (!(levels & Table::levelBit(level)))
            continue;
        const std::int32_t* column = best + Table::index(0, level);
        std::int32_t least = kNoTime;
        for (int student = 1; student <= kMaxStudent; ++student)
            least = std::min(least, column[student]);
        r.levelBestTime[level] = least;
    }
}

} // namespace

// ---- ResultsFileError, ResultsFile ----------------------------------------------------------

ResultsFileError::ResultsFileError(QString message, QString path)
    : std::runtime_error(message.toStdString()), message_(std::move(message)),
      path_(std::move(path)) {}

ResultsFile::ResultsFile(ResultsFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

ResultsFile& ResultsFile::operator=(ResultsFile&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

ResultsFile::~ResultsFile() {
    close();
}

void ResultsFile::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

void ResultsFile::lockExclusive() {
    for (int reopen = 0; reopen < kReopenLimit; ++reopen) {
        struct flock fl = wholeFile(F_WRLCK);
        while (::fcntl(fd_, F_SETLKW, &fl) != 0) {
            if (errno != EINTR)
                throw fileError(QStringLiteral("ロック"), path_, errno);
        }
        if (stillAtPath(fd_, path_))
            return;
        close();
        fd_ = openPath(path_, O_RDWR | O_CREAT);
        if (fd_ < 0)
            throw fileError(QStringLiteral("開くことが"), path_, errno);
    }
    throw fileError(QStringLiteral("ロック"), path_, ESTALE);
}

std::int64_t ResultsFile::recordCount() const {
    std::int64_t size = fileSize(fd_);
    if (size < 0)
        throw fileError(QStringLiteral("読むことが"), path_, errno);
    return size / kRecordSize;
}

ResultsFile openResultsFile(const QString& dataFolder) {
    const QString path = resultsPath(dataFolder);
    int fd = openPath(path, O_RDWR | O_CREAT);
    if (fd < 0)
        throw fileError(QStringLiteral("開くことが"), path, errno);
    return ResultsFile(fd, path);
}

// ---- Appending ------------------------------------------------------------------------------

std::int64_t appendRecord(const QString& dataFolder, const ResultRecord& record) {
    const QByteArray bytes = serializeRecord(record);
    ResultsFile file = openResultsFile(dataFolder);
    file.lockExclusive();
    // Just past the last whole record: a partial record left by a failed write is overwritten.
    const std::int64_t number = file.recordCount() + 1;
    if (!writeAt(file.fd(), bytes.constData(), kRecordSize, (number - 1) * kRecordSize))
        throw fileError(QStringLiteral("書くことが"), file.path(), errno);
    if (!syncFd(file.fd()))
        throw fileError(QStringLiteral("書くことが"), file.path(), errno);
    return number;
}

std::int64_t appendResult(AppState& state, const Clock& clock) {
    const QDateTime now = clock.now();
    ResultRecord& r = state.results.resultBuffer;
    r.recordDate = toDateSerial(now.date());
    r.recordClock = (now.time().msecsSinceStartOfDay() / 1000) / 86400.0;
    r.Bangou = state.student.studentNumber;
    r.level = state.round.levelIndex;
    r.time = state.round.roundTime;
    r.siteCode = cp932::fixedField(state.installation.siteCode, 5);
    r.spareText = QByteArray(5, ' ');
    r.carriedPoints = QByteArrayLiteral("0    ");
    r.reserved = QByteArray(5, '\0'); // carries no meaning; zero bytes, never stale ones
    return appendRecord(state.installation.dataFolder, r);
}

void recordRound(AppState& state, const Clock& clock) {
    const int s = state.student.studentNumber;
    const int level = state.round.levelIndex;
    const std::int32_t t = state.round.roundTime;
    ResultsTables& r = state.results;
    const bool cell = inTable(s, level);
    // Judged on the counts as last computed, so this round is not part of them.
    r.clearedBefore = cell && isCleared(state, s, level) ? 1 : 0;
    appendResult(state, clock);
    r.newPersonalBest = 0;
    r.newLevelBest = 0;
    if (cell && r.bestTime(s, level) > t) {
        r.newPersonalBest = 1;
        r.bestTime(s, level) = t;
    }
    if (cell && r.levelBestTime[level] > t) {
        r.levelBestTime[level] = t;
        r.newLevelBest = 1;
    }
}

// ---- Loading --------------------------------------------------------------------------------

void loadResults(AppState& state, UserMessages& messages, const ResultsWait& wait,
                 StatisticsFill* fill) {
    const ResultsWait waitFor = wait ? wait : defaultWait(messages);
    LockedReader reader(state.installation.dataFolder, waitFor, &state.results);
    ResultsTables& r = state.results;
    std::uint64_t levels = 0;
    reader.read(
        kLoadWindow,
        [&r, fill, &levels] {
            startLoaded(r);
            levels = 0;
            if (fill)
                fill->reset();
        },
        [&](const char* records, std::int64_t count, std::int64_t first) {
            levels |= fill ? addRecords<true>(r, fill, records, count, first)
                           : addRecords<false>(r, nullptr, records, count, first);
        });
    r.loaded.resize(r.loadedCount + 1);
    r.bestTime.markWritten(levels);
    if (fill)
        fill->finish(levels);
    findLevelBestTimes(r, levels);
}

std::vector<ResultRecord> readResultRecords(const QString& dataFolder, UserMessages& messages,
                                            const ResultsWait& wait) {
    const ResultsWait waitFor = wait ? wait : defaultWait(messages);
    LockedReader reader(dataFolder, waitFor);
    std::vector<ResultRecord> records;
    reader.read(
        0, [&records] { records.clear(); },
        [&records](const char* p, std::int64_t count, std::int64_t) {
            for (std::int64_t j = 0; j < count; ++j, p += kRecordSize)
                records.push_back(parseRecord(QByteArray(p, kRecordSize)));
        });
    return records;
}

// ---- Changing and removing ------------------------------------------------------------------

namespace {

void checkRecordNumber(const ResultsFile& file, std::int64_t number, std::int64_t count) {
    if (number < 1 || number > count)
        throw ResultsFileError(
            QStringLiteral(
                "成績ファイル「%1」にレコード %2 はありません（全 %3 件）。\nファイル: %4")
                .arg(kResultsFileName)
                .arg(number)
                .arg(count)
                .arg(file.path()),
            file.path());
}

// Writes `bytes` as a new file at `path`, with `mode`, flushed to disk.
void writeNewFile(const QString& path, const QByteArray& bytes, mode_t mode) {
    int fd = openPath(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0)
        throw fileError(QStringLiteral("作ることが"), path, errno);
    ResultsFile temp(fd, path);
    ::fchmod(fd, mode); // keep the old file's permissions; a failure here is harmless
    if (!writeAt(fd, bytes.constData(), bytes.size(), 0) || !syncFd(fd)) {
        int err = errno;
        temp.close();
        ::unlink(nativePath(path).constData());
        throw fileError(QStringLiteral("書くことが"), path, err);
    }
}

void syncFolder(const QString& folder) {
    int fd = openPath(folder, O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    syncFd(fd);
    ::close(fd);
}

} // namespace

void changeResult(const QString& dataFolder, std::int64_t recordNumber, std::int32_t time,
                  std::int16_t student) {
    ResultsFile file = openResultsFile(dataFolder);
    file.lockExclusive();
    checkRecordNumber(file, recordNumber, file.recordCount());
    const std::int64_t offset = (recordNumber - 1) * kRecordSize;
    QByteArray bytes(kRecordSize, '\0');
    if (!readAt(file.fd(), bytes.data(), kRecordSize, offset))
        throw fileError(QStringLiteral("読むことが"), file.path(), errno);
    ResultRecord record = parseRecord(bytes);
    record.time = time;
    record.Bangou = student;
    bytes = serializeRecord(record);
    if (!writeAt(file.fd(), bytes.constData(), kRecordSize, offset) || !syncFd(file.fd()))
        throw fileError(QStringLiteral("書くことが"), file.path(), errno);
}

void removeResult(const QString& dataFolder, std::int64_t recordNumber,
                  const std::function<void()>& beforeReplace) {
    ResultsFile file = openResultsFile(dataFolder);
    file.lockExclusive();
    const std::int64_t count = file.recordCount();
    checkRecordNumber(file, recordNumber, count);
    QByteArray bytes(static_cast<qsizetype>(count * kRecordSize), '\0');
    if (!readAt(file.fd(), bytes.data(), bytes.size(), 0))
        throw fileError(QStringLiteral("読むことが"), file.path(), errno);
    bytes.remove((recordNumber - 1) * kRecordSize, kRecordSize);

    struct stat old {};
    ::fstat(file.fd(), &old);
    const QString tempPath = dataFolder + kResultsTempFileName;
    writeNewFile(tempPath, bytes, old.st_mode & 07777);
    if (beforeReplace)
        beforeReplace();
    // The rename swaps the whole file at once, while our lock keeps every other installation
    // waiting on the old one; they find the new file when they check the path after locking.
    if (::rename(nativePath(tempPath).constData(), nativePath(file.path()).constData()) != 0) {
        int err = errno;
        ::unlink(nativePath(tempPath).constData());
        throw fileError(QStringLiteral("置き換えることが"), file.path(), err);
    }
    syncFolder(dataFolder);
}
