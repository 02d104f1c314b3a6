// Reading the newest records of the results file under a shared POSIX record lock.
#include "reports/recordtail.h"

#include "results/resultsfile.h"

#include <QFile>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor (and with it the lock) however the read ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

bool tryLockShared(int fd) {
    struct flock lock {};
    lock.l_type = F_RDLCK;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_SETLK, &lock) == 0;
}

// An appender holds the file for a moment: wait a second in small slices, keeping the window
// drawn, and try again, as long as it takes.
void lockShared(int fd, UserMessages& messages) {
    while (!tryLockShared(fd)) {
        if (errno != EACCES && errno != EAGAIN && errno != EINTR)
            return; // a file system without record locks: read without one
        for (int slice = 0; slice < 10; ++slice) {
            QThread::msleep(100);
            messages.keepResponsive();
        }
    }
}

bool readAll(int fd, char* into, std::int64_t size, std::int64_t offset) {
    while (size > 0) {
        const ssize_t got = ::pread(fd, into, static_cast<size_t>(size), offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        into += got;
        size -= got;
        offset += got;
    }
    return true;
}

} // namespace

RecordTail readRecordTail(const QString& dataFolder, std::int64_t maxRecords,
                          UserMessages& messages) {
    const QString path = dataFolder + kResultsFileName;
    RecordTail tail;
    Descriptor file;
    file.fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (file.fd < 0) {
        if (errno == ENOENT)
            return tail;
        throw ResultsFileError(QStringLiteral("成績ファイルを読めません: ") + path, path);
    }
    lockShared(file.fd, messages);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        throw ResultsFileError(QStringLiteral("成績ファイルを読めません: ") + path, path);
    tail.recordCount = info.st_size / kRecordSize;
    const std::int64_t start = std::max<std::int64_t>(0, tail.recordCount - maxRecords);
    const std::int64_t count = tail.recordCount - start;
    tail.firstNumber = start + 1;
    QByteArray block(static_cast<qsizetype>(count * kRecordSize), Qt::Uninitialized);
    if (count > 0 && !readAll(file.fd, block.data(), block.size(), start * kRecordSize))
        throw ResultsFileError(QStringLiteral("成績ファイルを読めません: ") + path, path);
    tail.records.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i)
        tail.records.push_back(
            parseRecord(QByteArray::fromRawData(block.constData() + i * kRecordSize, kRecordSize)));
    return tail;
}
