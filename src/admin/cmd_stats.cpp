// suudokuan-admin stats: the program's own statistics of a program folder, as a tab-separated
// table of every student and level with figures, then the best time of each level.
#include "admin/command.h"
#include "admin/options.h"
#include "results/statistics.h"

#include <memory>

namespace {

const char* const kUsage = "stats PROGRAM_FOLDER [--now \"YYYY-MM-DD HH:MM:SS\"]";

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
    const std::optional<AdminArgs> a = parseFolderArgs(args, {QStringLiteral("--now")});
    if (!a)
        return usageError(io, kUsage);
    const std::unique_ptr<Clock> clock = commandClock(*a, io);
    if (!clock)
        return 1;
    return onInstallation(io, a->words[0], [&](AppState& state, UserMessages& messages) {
        computeStatistics(state, *clock, messages);
        printTable(state, io.out);
        return 0;
    });
}

AdminCommand reg("stats", kUsage, runStats);

} // namespace
