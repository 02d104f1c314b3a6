// Test doubles of the services and helpers that build school folders in code page 932.
#pragma once
#include "app/services.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class FakeClock : public Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 11), QTime(10, 0)))
        : now_(start) {}
    QDateTime now() const override { return now_; }
    std::int64_t tickMs() const override { return tick_; }
    void set(const QDateTime& when) { now_ = when; }
    // Moves the wall clock and the monotonic tick together.
    void advanceMs(std::int64_t ms) {
        now_ = now_.addMSecs(ms);
        tick_ += ms;
    }
    // Moves only the wall clock (a change of the system clock).
    void jumpWallClock(std::int64_t seconds) { now_ = now_.addSecs(seconds); }

private:
    QDateTime now_;
    std::int64_t tick_ = 1'000'000;
};

// Returns the queued values in turn, then 0.5 forever.
class FakeRandom : public Random {
public:
    void seed(std::uint32_t value) override { seeds.push_back(value); }
    double next() override {
        if (values.empty())
            return 0.5;
        double v = values.front();
        values.pop_front();
        return v;
    }
    std::deque<double> values;
    std::vector<std::uint32_t> seeds;
};

// Records every played file; files listed in `failing` (or everything when failAll) fail.
class FakeAudio : public AudioOut {
public:
    int play(const QString& wavPath, QString* errorText) override {
        played.append(wavPath);
        if (failAll || failing.contains(wavPath)) {
            if (errorText)
                *errorText = QStringLiteral("test failure");
            return 263;
        }
        return 0;
    }
    QStringList played;
    QStringList failing;
    bool failAll = false;
};

class FakeLauncher : public Launcher {
public:
    bool start(const QString& program, const QStringList& args, QString* errorText) override {
        started.append(program + u' ' + args.join(u' '));
        if (!succeed && errorText)
            *errorText = QStringLiteral("ファイルがありません");
        return succeed;
    }
    QStringList started;
    bool succeed = true;
};

class FakeMessages : public UserMessages {
public:
    void information(const QString& title, const QString& text) override {
        log.append(QStringLiteral("info|") + title + u'|' + text);
    }
    void error(const QString& title, const QString& text) override {
        log.append(QStringLiteral("error|") + title + u'|' + text);
    }
    bool confirm(const QString& title, const QString& text) override {
        log.append(QStringLiteral("confirm|") + title + u'|' + text);
        return confirmAnswer;
    }
    QStringList log;
    bool confirmAnswer = true;
};

// Writes a text file in code page 932 with CR LF line ends ("\n" in `text` becomes CR LF).
void writeCp932(const QString& path, const QString& text);
// Writes raw bytes.
void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);

// A finished child process: exit status, standard output (raw bytes) and standard error.
struct ProcessRun {
    int status = -1;
    QByteArray out;
    QString err;
    QString outText() const { return QString::fromUtf8(out); }
};
// Runs a program to its end (at most a minute) and collects what it printed.
ProcessRun runProgram(const QString& program, const QStringList& args);

// A complete small school below `root`: path file, common settings, roster, sound folder with
// its cue list and the program folder `programFolderName` with a criteria table of four levels.
// Returns the program folder.
struct SchoolOptions {
    QString commonSettings =
        QStringLiteral("4\n12345テスト塾\n0\n0\n0\n\"pass,word\"\n0\n0\n0\n0\n");
    QString criteria = QStringLiteral(
        "目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
        "60,90,300,20,1,0,0,7,1,,,\n"
        "80,120,300,20,1.5,10,0,7,1,,,\n"
        "100,150,300,20,2,0,3000,14,2,,,\n"
        "150,220,300,20,3,0,0,30,1,,,\n");
    QString roster; // empty: a small default roster
    QString cueList = QStringLiteral("正解音2\nseikai\n*\n間違い音1\nbubu\n*\n間違い音2\nbubu\n*\n"
                                     "自己最高音2\njiko\n*\n不合格音1\nyoku\n*\n");
    QString programFolderName = QStringLiteral("数読庵");
};
QString makeSchool(const QString& root, const SchoolOptions& options = {});
