// The argument reading, --now and load error reporting shared by the suudokuan-admin commands.
#include "admin/options.h"

#include "results/resultsfile.h"
#include "startup/settings.h"
#include "text/loaderror.h"

std::optional<AdminArgs> parseAdminArgs(const QStringList& args, const QStringList& valueOptions,
                                        const QStringList& flags) {
    AdminArgs out;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (flags.contains(a))
            out.flags.insert(a);
        else if (valueOptions.contains(a) && i + 1 < args.size())
            out.values[a].append(args[++i]);
        else if (a.startsWith(QLatin1String("--")))
            return std::nullopt;
        else
            out.words.append(a);
    }
    return out;
}

std::optional<AdminArgs> parseFolderArgs(const QStringList& args, const QStringList& valueOptions) {
    std::optional<AdminArgs> out = parseAdminArgs(args, valueOptions);
    if (!out || out->words.size() != 1 || out->words[0].isEmpty())
        return std::nullopt;
    return out;
}

bool readWholeNumber(const AdminArgs& args, const QString& option, int* target, int lowest,
                     int highest) {
    for (const QString& text : args.values.value(option)) {
        bool ok = false;
        const int n = text.toInt(&ok);
        if (!ok || n < lowest || n > highest)
            return false;
        *target = n;
    }
    return true;
}

int usageError(AdminIo& io, const QString& usage) {
    io.err << "usage: suudokuan-admin " << usage << "\n";
    return 2;
}

std::optional<QDateTime> parseMoment(const QString& text) {
    const QDateTime when = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return when.isValid() ? std::optional<QDateTime>(when) : std::nullopt;
}

std::unique_ptr<Clock> commandClock(const AdminArgs& args, AdminIo& io) {
    if (!args.has(QStringLiteral("--now")))
        return std::make_unique<SystemClock>();
    std::optional<QDateTime> when;
    for (const QString& text : args.values.value(QStringLiteral("--now"))) {
        when = parseMoment(text);
        if (!when) {
            io.err << "--now: 「" << text << "」は YYYY-MM-DD HH:MM:SS の形ではありません。\n";
            return nullptr;
        }
    }
    return std::make_unique<FixedClock>(*when);
}

int reportingLoadErrors(AdminIo& io, const std::function<int()>& work) {
    try {
        return work();
    } catch (const LoadError& e) {
        io.err << e.message() << '\n';
    } catch (const ResultsFileError& e) {
        io.err << e.message() << '\n';
        // The file a results error is about, when its message does not name it.
        if (!e.path().isEmpty() && !e.message().contains(e.path()))
            io.err << "ファイル: " << e.path() << '\n';
    }
    return 1;
}

int onInstallation(AdminIo& io, const QString& folder,
                   const std::function<int(AppState& state, UserMessages& messages)>& work) {
    auto state = std::make_unique<AppState>(); // large tables: not on the stack
    QuietMessages messages;
    return reportingLoadErrors(io, [&] {
        loadSettings(*state, folder);
        return work(*state, messages);
    });
}
