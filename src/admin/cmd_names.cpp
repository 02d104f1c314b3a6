// suudokuan-admin names: the rows of the name screen's list as the screen shows them, the
// separator row first, for a display option and a grade filter.
#include "admin/command.h"
#include "admin/options.h"
#include "results/statistics.h"
#include "roster/namelist.h"

#include <memory>

namespace {

const char* const kUsage = "names PROGRAM_FOLDER [--option K] [--filter TEXT] "
                           "[--now \"YYYY-MM-DD HH:MM:SS\"]";

int runNames(const QStringList& args, AdminIo& io) {
    const std::optional<AdminArgs> a = parseFolderArgs(
        args, {QStringLiteral("--option"), QStringLiteral("--filter"), QStringLiteral("--now")});
    int option = 1;
    if (!a || !readWholeNumber(*a, QStringLiteral("--option"), &option, 0, kDisplayOptions - 1))
        return usageError(io, kUsage);
    const QString filter = a->value(QStringLiteral("--filter"), QStringLiteral("全学年"));
    const std::unique_ptr<Clock> clock = commandClock(*a, io);
    if (!clock)
        return 1;
    return onInstallation(io, a->words[0], [&](AppState& state, UserMessages& messages) {
        computeStatistics(state, *clock, messages);
        const NameListing listing = buildNameListing(state, clock->now().date(), option, filter);
        io.out << kSeparatorRow << '\n';
        for (const QString& row : listing.shown)
            io.out << row << '\n';
        return 0;
    });
}

AdminCommand reg("names", kUsage, runNames);

} // namespace
