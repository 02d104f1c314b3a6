// suudokuan-admin check: loads an installation's settings exactly as the program does and prints
// what it loaded, so an installer can see at once whether the folders and files are right.
#include "admin/command.h"
#include "admin/options.h"
#include "sound/soundcues.h"
#include "text/numparse.h"

namespace {

const char* const kUsage = "check PROGRAM_FOLDER";

QString number(double v) {
    return shortestDecimal(v);
}

void printCriteria(const ProgramState& p, QTextStream& out) {
    for (int k = 1; k < p.criteriaLines && k < kLevelSlots; ++k) {
        out << "criteria k=" << k << " targetTime=" << p.targetTime[k]
            << " minimumTime=" << p.minimumTime[k] << " clearPoints=" << p.clearPoints[k]
            << " clearCount=" << p.clearCount[k] << " pointRate=" << shortestDecimal(p.pointRate[k])
            << " overdoCount=" << number(p.overdoCount[k].toNumber())
            << " overdoPoints=" << number(p.overdoPoints[k].toNumber())
            << " judgePeriod=" << number(p.judgePeriod[k].toNumber())
            << " overdoPeriod=" << number(p.overdoPeriod[k].toNumber()) << "\n";
    }
}

void printInstallation(const AppState& state, QTextStream& out) {
    const InstallationState& in = state.installation;
    int cueCount = 0;
    for (int c = 1; c < kCueColumns; ++c)
        if (!state.sound.soundCueTable[c][21].isEmpty())
            ++cueCount;
    out << "appFolder=" << in.appFolder << "\n"
        << "rootFolder=" << in.rootFolder << "\n"
        << "programFolderName=" << in.programFolderName << "\n"
        << "dataFolder=" << in.dataFolder << "\n"
        << "soundFolder=" << in.soundFolder << "\n"
        << "schoolYearStartMonth=" << in.schoolYearStartMonth.toText() << "\n"
        << "siteCode=" << in.siteCode << "\n"
        << "siteTitle=" << in.siteTitle << "\n"
        << "commonItem3=" << in.commonItem3.toText() << "\n"
        << "dataChangePassword=" << in.dataChangePassword.toText() << "\n"
        << "programName=" << state.program.programName << "\n"
        << "cueCount=" << cueCount << "\n";
    printCriteria(state.program, out);
}

int check(const QStringList& args, AdminIo& io) {
    if (args.size() != 1)
        return usageError(io, kUsage);
    return onInstallation(io, args[0], [&](AppState& state, UserMessages&) {
        printInstallation(state, io.out);
        return 0;
    });
}

AdminCommand reg("check", kUsage, check);

} // namespace
