// suudokuan-demo DIR: writes a complete demo school (a family root with the path file, common
// settings, roster, sound folder with synthesised WAV files, and the program folder with a
// criteria table and about 60 days of results) so the program can be tried at once.
#include "demo/wavsynth.h"
#include "results/resultsfile.h"
#include "text/cp932.h"
#include "text/dateserial.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <random>

namespace {

const char* const kStudentNames[] = {
    "青木　陽菜",   "石田　蓮",     "上野　結衣",   "遠藤　湊",     "大川　さくら", "加藤　悠真",
    "木村　芽依",   "久保　大翔",   "小林　葵",     "斎藤　陽翔",   "佐々木　凛",   "清水　樹",
    "杉山　美咲",   "高田　颯太",   "竹内　心春",   "千葉　悠人",   "土屋　莉子",   "中野　蒼",
    "西村　紬",     "野口　朝陽",   "橋本　陽葵",   "林　奏太",     "平野　咲良",   "福田　律",
    "藤井　杏",     "前田　新",     "松本　結菜",   "丸山　湊斗",   "三浦　優奈",   "宮崎　陸",
    "村上　彩花",   "森　隼",       "山口　美月",   "山本　航",     "横山　七海",   "吉田　春樹",
    "和田　ひなた", "渡辺　健太",   "岡本　真央",   "内田　翔",
};
constexpr int kStudentCount = sizeof kStudentNames / sizeof kStudentNames[0];

struct Student {
    int number;
    int birthYear;
    QString name;
    int status;
    int grade;
};

bool writeText(const QString& path, const QString& text) {
    QString why;
    if (!cp932::writeFile(path, text, &why)) {
        QTextStream(stderr) << "suudokuan-demo: " << path << ": " << why << "\n";
        return false;
    }
    return true;
}

int schoolYearOf(const QDate& today, int startMonth) {
    return today.month() < startMonth ? today.year() - 1 : today.year();
}

std::vector<Student> makeStudents(int schoolYear) {
    std::vector<Student> students;
    // Grades from the pre-school year (-1, 0) to the first year of senior high (10).
    for (int i = 0; i < kStudentCount; ++i) {
        const int grade = -1 + (i * 12) / kStudentCount;
        const int status = (i == 7 || i == 23) ? 1 : (i == 15 || i == 31) ? 2 : 0;
        students.push_back({i + 1, schoolYear - grade - 6, QString::fromUtf8(kStudentNames[i]),
                            status, grade});
    }
    students.push_back({901, 1975, QStringLiteral("★高橋　理恵"), 0, 99});
    students.push_back({902, 1982, QStringLiteral("森本先生"), 0, 99});
    return students;
}

QString rosterText(const std::vector<Student>& students) {
    QString text;
    for (const Student& s : students)
        text += QStringLiteral("%1,%2,0,0,\"%3\",%4,\"\",\"\"\n")
                    .arg(s.number)
                    .arg(s.birthYear)
                    .arg(s.name)
                    .arg(s.status);
    return text;
}

// Criteria of the four levels: target, lowest pass line, target points and rounds, multiplier,
// overdo limits and the two windows.
const char* const kCriteria =
    "目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
    "60,90,300,20,1,12,0,7,1,,,\n"
    "80,120,300,20,1.5,10,0,7,1,,,\n"
    "100,150,300,20,2,8,0,14,1,,,\n"
    "150,220,300,20,3,6,0,14,1,,,\n";
const int kTarget[5] = {0, 60, 80, 100, 150};
const int kMinimum[5] = {0, 90, 120, 150, 220};

struct Round {
    double when; // date serial with time
    int student;
    int level;
    int time;
};

// Rounds of the last 60 days: each student practises on some days, at a level that suits the
// grade, and gets faster over the weeks; a few rounds run out of time.
std::vector<Round> makeRounds(const std::vector<Student>& students, const QDateTime& now) {
    std::mt19937 rng(20261211);
    std::uniform_real_distribution<double> uni(0.0, 1.0);
    std::vector<Round> rounds;
    const QDate today = now.date();
    for (int back = 60; back >= 0; --back) {
        const QDate day = today.addDays(-back);
        if (day.dayOfWeek() == 7)
            continue; // the school is closed on Sundays
        for (const Student& s : students) {
            if (s.grade == 99 || s.status == 1)
                continue;
            if (uni(rng) > 0.45)
                continue;
            const int level = std::clamp(1 + (s.grade + 1) / 3, 1, 4);
            const int playLevel = (uni(rng) < 0.2 && level > 1) ? level - 1 : level;
            const int count = 1 + static_cast<int>(uni(rng) * 3);
            const double skill = 1.0 + 0.9 * (back / 60.0) + 0.5 * ((s.number * 37) % 10) / 10.0;
            // Lessons run from 15:00 to 19:00; today's rounds fall in the three hours before
            // now, so today's lists have content whenever the demo is written.
            const int nowSecond = now.time().msecsSinceStartOfDay() / 1000;
            int startSecond = back == 0
                                  ? std::max(0, nowSecond - 3 * 3600) +
                                        static_cast<int>(uni(rng) * std::min(nowSecond, 3 * 3600))
                                  : 15 * 3600 + static_cast<int>(uni(rng) * 4 * 3600);
            for (int r = 0; r < count; ++r) {
                int time = static_cast<int>(kTarget[playLevel] * skill * (0.8 + 0.4 * uni(rng)));
                if (uni(rng) < 0.03)
                    time = 99999;
                startSecond += 60 + std::min(time, kMinimum[playLevel] * 5);
                if (back == 0 && startSecond >= nowSecond)
                    break; // nothing from later today
                rounds.push_back({toDateSerial(day) + startSecond / 86400.0, s.number, playLevel,
                                  time});
            }
        }
    }
    std::sort(rounds.begin(), rounds.end(),
              [](const Round& a, const Round& b) { return a.when < b.when; });
    return rounds;
}

QByteArray resultsBytes(const std::vector<Round>& rounds) {
    QByteArray out;
    for (const Round& r : rounds) {
        ResultRecord rec;
        rec.recordDate = std::floor(r.when);
        rec.recordClock = r.when - rec.recordDate;
        rec.Bangou = static_cast<std::int16_t>(r.student);
        rec.level = static_cast<std::int16_t>(r.level);
        rec.time = r.time;
        rec.siteCode = cp932::fixedField(QStringLiteral("10001"), 5);
        rec.spareText = QByteArray(5, ' ');
        rec.carriedPoints = cp932::fixedField(QStringLiteral("0"), 5);
        out += serializeRecord(rec);
    }
    return out;
}

bool writeSounds(const QString& folder) {
    QDir().mkpath(folder);
    const QString cueList = QStringLiteral(
        "正解音2\nseikai1\nseikai2\n*\n間違い音1\nbubu\n*\n間違い音2\nbubu\n*\n"
        "自己最高音2\njikosaikou\n*\n不合格音1\nyokudekita\n*\n");
    return writeText(folder + QStringLiteral("新音ファイル.txt"), cueList) &&
           writeWav(folder + QStringLiteral("seikai1.wav"), chime({1047, 1319}, 0.18)) &&
           writeWav(folder + QStringLiteral("seikai2.wav"), chime({1319, 1568}, 0.18)) &&
           writeWav(folder + QStringLiteral("bubu.wav"), buzz(0.45)) &&
           writeWav(folder + QStringLiteral("jikosaikou.wav"), chime({784, 988, 1175, 1568}, 0.16)) &&
           writeWav(folder + QStringLiteral("yokudekita.wav"), chime({880, 1109, 1319}, 0.16)) &&
           writeWav(folder + QStringLiteral("最高1.wav"), fanfare(false)) &&
           writeWav(folder + QStringLiteral("合格.wav"), fanfare(true));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: suudokuan-demo DIR\n";
        return 2;
    }
    const QString root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/';
    const QString program = root + QStringLiteral("数読庵/");
    if (!QDir().mkpath(program)) {
        err << "suudokuan-demo: cannot create " << program << "\n";
        return 1;
    }
    const QDateTime now = QDateTime::currentDateTime();
    const auto students = makeStudents(schoolYearOf(now.date(), 4));
    QString pathFile = root;
    for (int i = 2; i <= 10; ++i)
        pathFile += QStringLiteral("\n") + QString::number(i);
    const bool ok =
        writeText(root + QStringLiteral("パスデータ.txt"), pathFile + u'\n') &&
        writeText(root + QStringLiteral("共通データ.txt"),
                  QStringLiteral("4\n10001数読庵デモ塾\n0\n0\n0\n1234\n0\n0\n0\n0\n")) &&
        writeText(root + QStringLiteral("新名簿.txt"), rosterText(students)) &&
        writeSounds(root + QStringLiteral("音フォルダ/")) &&
        writeText(program + QStringLiteral("タイム回数データ.txt"), QString::fromUtf8(kCriteria));
    if (!ok)
        return 1;
    QFile results(program + kResultsFileName);
    const auto rounds = makeRounds(students, now);
    if (!results.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        results.write(resultsBytes(rounds)) < 0) {
        err << "suudokuan-demo: cannot write " << results.fileName() << "\n";
        return 1;
    }
    results.close();
    QTextStream(stdout) << "demo school written to " << root << " (" << students.size()
                        << " names, " << rounds.size() << " rounds)\n";
    return 0;
}
