// suudokuan-admin names: the rows of the name screen's list as the screen shows them, the
// separator row first, for a display option and a grade filter.
#include "admin/command.h"
#include "results/statistics.h"
#include "roster/namelist.h"
#include "startup/settings.h"
#include "text/loaderror.h"

#include <QDateTime>
#include <memory>

namespace {

const char* const kUsage = "names PROGRAM_FOLDER [--option K] [--filter TEXT] "
                           "[--now \"YYYY-MM-DD HH:MM:SS\"]";

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

struct NamesArgs {
    QString folder;
    int option = 1;
    QString filter = QStringLiteral("全学年");
    QString now;
};

bool parseArgs(const QStringList& args, NamesArgs* out) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--option") && hasValue) {
            bool ok = false;
            out->option = args[++i].toInt(&ok);
            if (!ok || out->option < 0 || out->option >= kDisplayOptions)
                return false;
        } else if (a == QLatin1String("--filter") && hasValue) {
            out->filter = args[++i];
        } else if (a == QLatin1String("--now") && hasValue) {
            out->now = args[++i];
        } else if (out->folder.isEmpty() && !a.startsWith(QLatin1String("--"))) {
            out->folder = a;
        } else {
            return false;
        }
    }
    return !out->folder.isEmpty();
}

int runNames(const QStringList& args, AdminIo& io) {
    NamesArgs a;
    if (!parseArgs(args, &a)) {
        io.err << "usage: suudokuan-admin " << kUsage << "\n";
        return 2;
    }
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    if (!a.now.isEmpty()) {
        QDateTime when = QDateTime::fromString(a.now, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!when.isValid()) {
            io.err << "--now: 「" << a.now << "」は YYYY-MM-DD HH:MM:SS の形ではありません。\n";
            return 1;
        }
        clock = std::make_unique<FixedClock>(when);
    }
    auto state = std::make_unique<AppState>();
    QuietMessages messages;
    NameListing listing;
    try {
        loadSettings(*state, a.folder);
        computeStatistics(*state, *clock, messages);
        listing = buildNameListing(*state, clock->now().date(), a.option, a.filter);
    } catch (const LoadError& e) {
        io.err << e.message() << '\n';
        return 1;
    } catch (const ResultsFileError& e) {
        io.err << e.message() << '\n';
        return 1;
    }
    io.out << kSeparatorRow << '\n';
    for (const QString& row : listing.shown)
        io.out << row << '\n';
    return 0;
}

AdminCommand reg("names", kUsage, runNames);

} // namespace
