// suudokuan-admin lists: the rows of one level's list of the level menu, exactly as the menu
// shows them, one a line — a ranking or a day's results exported as text.
#include "admin/command.h"
#include "reports/rankings.h"
#include "reports/resultlists.h"
#include "results/resultsfile.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "startup/identity.h"
#include "startup/settings.h"
#include "text/loaderror.h"

#include <QDateTime>
#include <memory>
#include <optional>

namespace {

const char* const kUsage =
    "lists PROGRAM_FOLDER VIEW [--student N] [--level L] [--filter TEXT] [--period P] "
    "[--points] [--now \"YYYY-MM-DD HH:MM:SS\"]   (VIEW: best, points, todaypoints, today, "
    "period, personal)";

class ListsClock : public Clock {
public:
    explicit ListsClock(QDateTime when) : when_(std::move(when)) {}
    QDateTime now() const override { return when_; }
    std::int64_t tickMs() const override { return 0; }

private:
    QDateTime when_;
};

class ListsMessages : public UserMessages {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString&, const QString&) override {}
    bool confirm(const QString&, const QString&) override { return false; }
};

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

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// Reads the arguments; an unknown or incomplete option gives nullopt.
std::optional<ListsRequest> parseArguments(const QStringList& args) {
    ListsRequest r;
    QStringList words;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--points") {
            r.points = true;
        } else if (a == u"--filter" && hasValue) {
            r.filter = args[++i];
        } else if (a == u"--now" && hasValue) {
            r.now = QDateTime::fromString(args[++i], QStringLiteral("yyyy-MM-dd HH:mm:ss"));
            if (!r.now.isValid())
                return std::nullopt;
        } else if ((a == u"--student" || a == u"--level" || a == u"--period") && hasValue) {
            const auto n = wholeNumber(args[++i]);
            if (!n)
                return std::nullopt;
            (a == u"--student" ? r.student : a == u"--level" ? r.level : r.period) = *n;
        } else if (a.startsWith(u"--")) {
            return std::nullopt;
        } else {
            words.append(a);
        }
    }
    if (words.size() != 2)
        return std::nullopt;
    r.folder = words[0];
    r.view = words[1];
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
    if (!request) {
        io.err << "usage: suudokuan-admin " << kUsage << "\n";
        return 2;
    }
    ListsClock clock(request->now);
    ListsMessages messages;
    AppState state;
    try {
        prepareState(state, *request, clock, messages);
        if (request->level < 1 || request->level > state.program.levelCount) {
            io.err << "レベル " << request->level << " はありません (1〜"
                   << state.program.levelCount << ")\n";
            return 1;
        }
        for (const QString& row : listRows(state, *request, messages))
            io.out << row << "\n";
    } catch (const LoadError& e) {
        io.err << e.message() << "\n";
        return 1;
    } catch (const ResultsFileError& e) {
        io.err << e.message() << "\n";
        return 1;
    }
    return 0;
}

AdminCommand reg("lists", kUsage, runLists);

} // namespace
