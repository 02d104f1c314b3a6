// The large school and the quiet services of the benchmark programs.
#include "benchsupport.h"

#include "results/resultsfile.h"
#include "text/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace bench {

namespace {

class FixedRandom : public Random {
public:
    void seed(std::uint32_t) override {}
    double next() override { return 0.5; }
};

class SilentAudio : public AudioOut {
public:
    int play(const QString&, QString*) override { return 0; }
};

class NoLauncher : public Launcher {
public:
    bool start(const QString&, const QStringList&, QString*) override { return false; }
};

class YesMessages : public UserMessages {
public:
    void information(const QString&, const QString&) override {}
    void error(const QString& title, const QString& text) override {
        qFatal("%s: %s", qPrintable(title), qPrintable(text));
    }
    bool confirm(const QString&, const QString&) override { return true; }
};

void writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    cp932::writeFile(path, text);
}

} // namespace

QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    // Made once and never destroyed: torn down among the exit handlers, after Qt's own statics,
    // it would crash the program at its very end.
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

std::unique_ptr<AudioOut> silentAudio() {
    return std::make_unique<SilentAudio>();
}

Services services(const QDateTime& now, std::int64_t tickMs) {
    Services s;
    s.clock = std::make_unique<FixedClock>(now, tickMs);
    s.random = std::make_unique<FixedRandom>();
    s.audio = silentAudio();
    s.launcher = std::make_unique<NoLauncher>();
    s.messages = std::make_unique<YesMessages>();
    return s;
}

QString writeSchool(const QString& root, const RosterSpec& roster) {
    const QString r = root + u'/';
    writeText(r + QStringLiteral("パスデータ.txt"),
              r + QStringLiteral("\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
    writeText(r + QStringLiteral("共通データ.txt"),
              QStringLiteral("4\n12345ベンチ塾\n0\n0\n0\npass\n0\n0\n0\n0\n"));
    writeText(r + QStringLiteral("音フォルダ/新音ファイル.txt"),
              QStringLiteral("正解音2\nseikai\n*\n間違い音2\nbubu\n*\n"));
    QString lines;
    for (int n = 1; n <= roster.students; ++n)
        lines += QStringLiteral("%1,%2,0,0,\"%3\",0,\"\",\"\"\n")
                     .arg(n)
                     .arg(roster.birthYear(n))
                     .arg(roster.name(n));
    writeText(r + QStringLiteral("新名簿.txt"), lines);
    const QString program = r + QStringLiteral("数読庵/");
    writeText(
        program + QStringLiteral("タイム回数データ.txt"),
        QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
                       "60,90,300,20,1,0,0,7,1,,,\n80,120,300,20,1.5,10,0,7,1,,,\n"
                       "100,150,300,20,2,0,3000,14,2,,,\n150,220,300,20,3,0,0,30,1,,,\n"));
    return program;
}

ResultRecord record(double date, double clock, int student, int level, std::int32_t time) {
    ResultRecord r;
    r.recordDate = date;
    r.recordClock = clock;
    r.Bangou = static_cast<std::int16_t>(student);
    r.level = static_cast<std::int16_t>(level);
    r.time = time;
    return r;
}

void writeResults(const QString& programFolder, int first, int last,
                  const std::function<ResultRecord(int k)>& make) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(last - first + 1) * kRecordSize);
    for (int k = first; k <= last; ++k)
        bytes += serializeRecord(make(k));
    QFile f(programFolder + kResultsFileName);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

} // namespace bench
