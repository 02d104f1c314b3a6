// suudokuan-admin lists: the rows of one level's list of the level menu, exactly as the menu
// shows them, one a line — a ranking or a day's results exported as text.
#include "admin/command.h"
#include "admin/options.h"
#include "reports/rankings.h"
#include "reports/resultlists.h"
#include "results/resultsfile.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "startup/identity.h"
#include "startup/settings.h"

#include <QDateTime>
#include <memory>
#include <optional>

namespace {

const char* const kUsage =
    "lists PROGRAM_FOLDER VIEW [--student N] [--level L] [--filter TEXT] [--period P] "
    "[--points] [--now \"YYYY-MM-DD HH:MM:SS\"]   (VIEW: best, points, todaypoints, today, "
    "period, personal)";

struct ListsRequest {
    QString folder;
    QString view;
    int student = 0;
    int level = 1;
    QString filter = QStringLiteral("全学年");
    int period = 3;
    bool points = false;
    QDateTime now = QDateTime::currentDateTime();
};

// Reads the arguments; an unknown, incomplete or malformed option gives nullopt.
std::optional<ListsRequest> parseArguments(const QStringList& args) {
    const std::optional<AdminArgs> a = parseAdminArgs(
        args,
        {QStringLiteral("--student"), QStringLiteral("--level"), QStringLiteral("--filter"),
         QStringLiteral("--period"), QStringLiteral("--now")},
        {QStringLiteral("--points")});
    if (!a || a->words.size() != 2)
        return std::nullopt;
    ListsRequest r;
    r.folder = a->words[0];
    r.view = a->words[1];
    r.points = a->flags.contains(QStringLiteral("--points"));
    r.filter = a->value(QStringLiteral("--filter"), r.filter);
    for (const QString& text : a->values.value(QStringLiteral("--now"))) {
        const std::optional<QDateTime> when = parseMoment(text);
        if (!when)
            return std::nullopt;
        r.now = *when;
    }
    if (!readWholeNumber(*a, QStringLiteral("--student"), &r.student) ||
        !readWholeNumber(*a, QStringLiteral("--level"), &r.level) ||
        !readWholeNumber(*a, QStringLiteral("--period"), &r.period))
        return std::nullopt;
    static const QStringList views = {"best",  "points", "todaypoints",
                                      "today", "period", "personal"};
    if (!views.contains(r.view) || r.student < 0 || r.student > kMaxStudent)
        return std::nullopt;
    return r;
}

// The state the menu would have: settings, the level table, the name screen's roster read and
// the statistics at the given moment.
void prepareState(AppState& state, const ListsRequest& r, const Clock& clock,
                  UserMessages& messages) {
    QString folder = r.folder;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    loadSettings(state, folder);
    fillLevelTable(state.program);
    readRoster(state, r.now.date());
    computeStatistics(state, clock, messages);
}

QStringList listRows(const AppState& state, const ListsRequest& r, UserMessages& messages) {
    if (r.view == u"best" || r.view == u"points" || r.view == u"todaypoints") {
        const RankingView view{r.view == u"best" ? 1 : 2, r.view == u"todaypoints" ? 2 : 1,
                               r.filter, r.student};
        return levelRankingRows(state, r.level, view).rows;
    }
    const QString dataFolder = state.installation.dataFolder;
    LevelLists lists;
    if (r.view == u"today") {
        const RecordTail tail = readRecordTail(dataFolder, kTodayListRecords, messages);
        lists = todayResultLists(state, tail, r.now, {r.filter, r.student, 1});
    } else if (r.view == u"period") {
        const RecordTail tail = readRecordTail(dataFolder, kPeriodListRecords, messages);
        const int days = periodDaysFor(r.period, r.now.date(), 30);
        lists =
            periodResultLists(state, tail, r.now, days, {r.filter, r.student, r.points ? 2 : 1});
    } else {
        const RecordTail tail = readRecordTail(dataFolder, kPeriodListRecords, messages);
        lists = personalTimeLists(state, tail, r.now, r.student, r.filter);
    }
    if (r.level < 1 || static_cast<std::size_t>(r.level) >= lists.size())
        return {};
    return lists[static_cast<std::size_t>(r.level)].rows;
}

int runLists(const QStringList& args, AdminIo& io) {
    const std::optional<ListsRequest> request = parseArguments(args);
    if (!request)
        return usageError(io, kUsage);
    FixedClock clock(request->now);
    QuietMessages messages;
    AppState state;
    return reportingLoadErrors(io, [&] {
        prepareState(state, *request, clock, messages);
        if (request->level < 1 || request->level > state.program.levelCount) {
            io.err << "レベル " << request->level << " はありません (1〜"
                   << state.program.levelCount << ")\n";
            return 1;
        }
        for (const QString& row : listRows(state, *request, messages))
            io.out << row << "\n";
        return 0;
    });
}

AdminCommand reg("lists", kUsage, runLists);

} // namespace
