// What the suudokuan-admin commands share: sorting the words after a command's name into words and
// options, the moment given with --now, quiet services, and reporting the program's load errors.
#pragma once
#include "admin/command.h"
#include "app/services.h"
#include "startup/appstate.h"

#include <QDateTime>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <functional>
#include <limits>
#include <memory>
#include <optional>

// The words after a command's name, sorted.
struct AdminArgs {
    QStringList words;                 // the words that are not options, in order
    QMap<QString, QStringList> values; // each value given with an option, in order
    QSet<QString> flags;               // the options without a value that were given

    bool has(const QString& option) const { return values.contains(option); }
    // The value of an option given more than once is the last; each of them must be sound.
    QString value(const QString& option, const QString& fallback = {}) const {
        return has(option) ? values[option].last() : fallback;
    }
};

// Sorts `args`: each of `valueOptions` takes the word after it as its value, each of `flags`
// stands alone. Any other word starting with "--", or a value option with nothing after it,
// makes the arguments unusable: nullopt.
std::optional<AdminArgs> parseAdminArgs(const QStringList& args, const QStringList& valueOptions,
                                        const QStringList& flags = {});

// As parseAdminArgs, for a command that takes one PROGRAM_FOLDER (words[0]) besides its options:
// nullopt also unless exactly one non-empty word was given.
std::optional<AdminArgs> parseFolderArgs(const QStringList& args, const QStringList& valueOptions);

// Reads the whole number given with `option` into *target (left alone when the option is not
// given); false when a value given is not a whole number from `lowest` to `highest`.
bool readWholeNumber(const AdminArgs& args, const QString& option, int* target,
                     int lowest = std::numeric_limits<int>::min(),
                     int highest = std::numeric_limits<int>::max());

// Prints "usage: suudokuan-admin USAGE" on io.err; returns the usage exit status, 2.
int usageError(AdminIo& io, const QString& usage);

// A moment in the form --now takes, "YYYY-MM-DD HH:MM:SS"; nullopt when the text is not one.
std::optional<QDateTime> parseMoment(const QString& text);

// The moment given with --now, fixed for the whole command.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime when) : when_(std::move(when)) {}
    QDateTime now() const override { return when_; }
    std::int64_t tickMs() const override { return 0; }

private:
    QDateTime when_;
};

// No window to keep alive and nobody to ask: waiting for another installation's lock just sleeps.
class QuietMessages : public UserMessages {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString&, const QString&) override {}
    bool confirm(const QString&, const QString&) override { return false; }
};

// The clock of a command: fixed at the moment given with --now, the system clock without it.
// A malformed moment (any one given) is reported on io.err and gives nullptr (the command then
// exits 1).
std::unique_ptr<Clock> commandClock(const AdminArgs& args, AdminIo& io);

// Runs `work`, the part of a command that reads the installation's files. A LoadError or a
// ResultsFileError it throws is reported on io.err with the program's message and gives exit
// status 1 (a results error also names its file when the message does not); otherwise the
// status is what `work` returns.
int reportingLoadErrors(AdminIo& io, const std::function<int()>& work);

// Runs `work` on the installation whose program folder is `folder`: a fresh state with its
// settings loaded, and messages that never ask. Load errors, from the settings or from `work`,
// are reported as reportingLoadErrors does.
int onInstallation(AdminIo& io, const QString& folder,
                   const std::function<int(AppState& state, UserMessages& messages)>& work);
