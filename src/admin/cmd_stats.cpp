// suudokuan-admin stats: the program's own statistics of a program folder, as a tab-separated
// table of every student and level with figures, then the best time of each level.
#include "admin/command.h"
#include "results/statistics.h"
#include "startup/settings.h"
#include "text/loaderror.h"

#include <QDateTime>
#include <memory>

namespace {

// The moment given with --now, fixed for the whole command.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime when) : when_(std::move(when)) {}
    QDateTime now() const override { return when_; }
    std::int64_t tickMs() const override { return 0; }

private:
    QDateTime when_;
};

// No window to keep alive: waiting for another installation's lock just sleeps.
class QuietMessages : public UserMessages {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString&, const QString&) override {}
    bool confirm(const QString&, const QString&) override { return false; }
};

bool hasFigures(const ResultsTables& r, int s, int l) {
    return r.countAll(s, l) != 0 || r.pointsAll(s, l) != 0 || r.countToday(s, l) != 0 ||
           r.pointsToday(s, l) != 0 || r.countPass(s, l) != 0 || r.pointsPass(s, l) != 0 ||
           r.countOverdo(s, l) != 0 || r.pointsOverdo(s, l) != 0 || r.bestTime(s, l) < kNoTime;
}

void printTable(const AppState& state, QTextStream& out) {
    const ResultsTables& r = state.results;
    out << "student\tlevel\tcountAll\tpointsAll\tcountToday\tpointsToday\tcountPass\tpointsPass"
           "\tcountOverdo\tpointsOverdo\tbestTime\tcleared\tpassed\toverdone\n";
    for (int s = 1; s <= kMaxStudent; ++s) {
        for (int l = 1; l <= kMaxLevel; ++l) {
            if (!hasFigures(r, s, l))
                continue;
            out << s << '\t' << l << '\t' << r.countAll(s, l) << '\t' << r.pointsAll(s, l) << '\t'
                << static_cast<qint64>(r.countToday(s, l)) << '\t' << r.pointsToday(s, l) << '\t'
                << r.countPass(s, l) << '\t' << r.pointsPass(s, l) << '\t' << r.countOverdo(s, l)
                << '\t' << r.pointsOverdo(s, l) << '\t' << r.bestTime(s, l) << '\t'
                << int(isCleared(state, s, l)) << '\t' << int(isPassed(state, s, l)) << '\t'
                << int(isOverdone(state, s, l)) << '\n';
        }
    }
    for (int l = 1; l <= kMaxLevel; ++l) {
        if (r.levelBestTime[l] < kNoTime)
            out << "levelBestTime\t" << l << '\t' << r.levelBestTime[l] << '\n';
    }
}

int runStats(const QStringList& args, AdminIo& io) {
    QString folder;
    QString nowText;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--now") && i + 1 < args.size())
            nowText = args[++i];
        else if (folder.isEmpty() && !args[i].startsWith(QLatin1String("--")))
            folder = args[i];
        else {
            io.err
                << "usage: suudokuan-admin stats PROGRAM_FOLDER [--now \"YYYY-MM-DD HH:MM:SS\"]\n";
            return 2;
        }
    }
    if (folder.isEmpty()) {
        io.err << "usage: suudokuan-admin stats PROGRAM_FOLDER [--now \"YYYY-MM-DD HH:MM:SS\"]\n";
        return 2;
    }
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    if (!nowText.isEmpty()) {
        QDateTime when = QDateTime::fromString(nowText, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!when.isValid()) {
            io.err << "--now: 「" << nowText << "」は YYYY-MM-DD HH:MM:SS の形ではありません。\n";
            return 1;
        }
        clock = std::make_unique<FixedClock>(when);
    }
    auto state = std::make_unique<AppState>();
    QuietMessages messages;
    try {
        loadSettings(*state, folder);
        computeStatistics(*state, *clock, messages);
    } catch (const LoadError& e) {
        io.err << e.message() << '\n';
        return 1;
    } catch (const ResultsFileError& e) {
        io.err << e.message() << '\n';
        if (!e.path().isEmpty() && !e.message().contains(e.path()))
            io.err << "ファイル: " << e.path() << '\n';
        return 1;
    }
    printTable(*state, io.out);
    return 0;
}

AdminCommand reg("stats", "stats PROGRAM_FOLDER [--now \"YYYY-MM-DD HH:MM:SS\"]", runStats);

} // namespace
