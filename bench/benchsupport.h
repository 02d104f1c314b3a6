// What the benchmark programs share: the offscreen QApplication, services that never wait or ask,
// and a large school written to disk (installation files, roster, results file).
#pragma once
#include "app/services.h"
#include "results/resultstables.h"

#include <QApplication>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace bench {

// One QApplication for the whole program, on the offscreen platform unless QT_QPA_PLATFORM
// names another. It lives until the program ends.
QApplication& qtApp();

// A clock standing still at `now`.
class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime now, std::int64_t tickMs = 1'000'000)
        : now_(std::move(now)), tick_(tickMs) {}
    QDateTime now() const override { return now_; }
    std::int64_t tickMs() const override { return tick_; }

private:
    QDateTime now_;
    std::int64_t tick_;
};

// Services for a benchmark: the clock standing at `now`, 0.5 for every random number, audio that
// plays nothing, a launcher that starts nothing, and messages that answer yes and stop the
// program on an error (a benchmark must not measure a failing path).
Services services(const QDateTime& now, std::int64_t tickMs = 1'000'000);

// Audio that plays nothing and always succeeds.
std::unique_ptr<AudioOut> silentAudio();

// The roster line of student `number`: its name and birth year.
struct RosterSpec {
    int students = 5000;
    std::function<QString(int number)> name;
    std::function<int(int number)> birthYear;
};

// A complete installation below `root` (path file, common settings, cue list, the program folder
// "数読庵" with a criteria table of four levels) with the roster `roster`; returns the program
// folder.
QString writeSchool(const QString& root, const RosterSpec& roster);

// One round, with blank text fields.
ResultRecord record(double date, double clock, int student, int level, std::int32_t time);

// The results file of `programFolder`: the records made by `make` for `first`..`last`, in order.
void writeResults(const QString& programFolder, int first, int last,
                  const std::function<ResultRecord(int k)>& make);

} // namespace bench
