// A second installation for the locking tests: appends rounds, holds the append lock for a
// while, or dies in the middle of a removal.
#include "results/resultsfile.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <unistd.h>

namespace {

// append FOLDER STUDENT COUNT: COUNT rounds of STUDENT, round i taking STUDENT * 1000 + i s.
int appendRounds(const QString& folder, int student, int count) {
    auto state = std::make_unique<AppState>();
    state->installation.dataFolder = folder;
    state->installation.siteCode = QStringLiteral("12345");
    state->student.studentNumber = static_cast<std::int16_t>(student);
    SystemClock clock;
    for (int i = 0; i < count; ++i) {
        state->round.levelIndex = static_cast<std::int16_t>(1 + i % 4);
        state->round.roundTime = student * 1000 + i;
        recordRound(*state, clock);
    }
    return 0;
}

// hold FOLDER MS: takes the append lock, says "locked", and after MS milliseconds appends one
// record of student 4999 before letting go.
int holdLock(const QString& folder, int ms) {
    ResultsFile file = openResultsFile(folder);
    file.lockExclusive();
    std::fputs("locked\n", stdout);
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    ResultRecord r;
    r.recordDate = 46367;
    r.Bangou = 4999;
    r.level = 1;
    r.time = 42;
    const QByteArray bytes = serializeRecord(r);
    if (::pwrite(file.fd(), bytes.constData(), kRecordSize, file.recordCount() * kRecordSize) !=
        kRecordSize)
        return 4;
    ::fsync(file.fd());
    return 0;
}

// remove FOLDER N MS: removes record N, pausing MS milliseconds (after saying "written") once
// the new file is on disk; with MS < 0 it dies there instead, as a crash or power cut would.
int removeSlowly(const QString& folder, int number, int ms) {
    removeResult(folder, number, [ms] {
        if (ms < 0)
            std::_Exit(3);
        std::fputs("written\n", stdout);
        std::fflush(stdout);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    });
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    const QString mode = args[1];
    const QString folder = args[2];
    try {
        if (mode == QLatin1String("append") && args.size() == 5)
            return appendRounds(folder, args[3].toInt(), args[4].toInt());
        if (mode == QLatin1String("hold"))
            return holdLock(folder, args[3].toInt());
        if (mode == QLatin1String("remove") && args.size() == 5)
            return removeSlowly(folder, args[3].toInt(), args[4].toInt());
    } catch (const ResultsFileError& e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 5;
    }
    return 2;
}
