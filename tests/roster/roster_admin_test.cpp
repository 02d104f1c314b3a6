// suudokuan-admin names and export, run as real processes on a small school.
#include "results/resultsfile.h"
#include "support/adminrun.h"
#include "support/records.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Students of school year 2026 (start month 4): 2019 is 小1, 2013 中1, 2021 幼2.
const QString kRoster = QStringLiteral("1,2019,0,0,\"山田　太郎\",0,\"\",\"\"\n"
                                       "2,2013,0,0,\"佐藤, 花子\",0,\"\",\"\"\n"
                                       "3,2021,0,0,\"川上\",0,\"\",\"\"\n"
                                       "4,2019,0,0,\"休み\",1,\"\",\"\"\n");

struct School {
    QTemporaryDir dir;
    QString program;
    School() {
        SchoolOptions o;
        o.roster = kRoster;
        program = makeSchool(dir.path(), o);
        const QDate today(2026, 12, 11), yesterday = today.addDays(-1);
        QByteArray bytes;
        bytes += serializeRecord(roundRecord(today, QTime(9, 15, 30), 1, 1, 30));    // 11 points
        bytes += serializeRecord(roundRecord(yesterday, QTime(16, 0, 5), 2, 2, 80)); // 5 × 1.5
        bytes += serializeRecord(roundRecord(today, QTime(10, 0), 9, 1, 99999));     // unknown
        writeBytes(program + kResultsFileName, bytes);
    }
};

TEST(AdminNames, PrintsTheRowsAsTheScreenShowsThem) {
    School s;
    const QString now = QStringLiteral("2026-12-11 12:00:00");
    ProcessRun r = runAdmin({QStringLiteral("names"), s.program, QStringLiteral("--now"), now});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QChar ideo(0x3000);
    const QString expected =
        QStringLiteral("－－－－－－\n") + QStringLiteral("幼2 川上") + QString(4, ideo) +
        QStringLiteral("  ") + ideo + QStringLiteral("/       \n") +
        QStringLiteral("小1 山田　太郎") + ideo + QStringLiteral("  11/     11\n") +
        QStringLiteral("中1 佐藤, 花子  ") + ideo + QStringLiteral("/      7\n");
    EXPECT_EQ(QString::fromUtf8(r.out), expected);

    r = runAdmin({QStringLiteral("names"), s.program, QStringLiteral("--option"),
                  QStringLiteral("0"), QStringLiteral("--filter"), QStringLiteral("小学生全体"),
                  QStringLiteral("--now"), now});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(r.out), QStringLiteral("－－－－－－\n小1 山田　太郎") + ideo +
                                            QStringLiteral("  1回/    1回\n"));
}

TEST(AdminNames, RefusesABadRosterAndBadOptions) {
    School s;
    writeCp932(
        s.dir.path() + QStringLiteral("/新名簿.txt"),
        QStringLiteral("1,2019,0,0,\"山田\",0,\"\",\"\"\n6000,2019,0,0,\"x\",0,\"\",\"\"\n"));
    ProcessRun r = runAdmin({QStringLiteral("names"), s.program});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("新名簿.txt"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("2 行目"))) << r.err.toStdString();
    r = runAdmin(
        {QStringLiteral("names"), s.program, QStringLiteral("--option"), QStringLiteral("4")});
    EXPECT_EQ(r.status, 2);
}

TEST(AdminExport, EveryRecordInFileOrderAsSpreadsheetCsv) {
    School s;
    ProcessRun r = runAdmin({QStringLiteral("export"), s.program, QStringLiteral("--now"),
                             QStringLiteral("2026-12-11 12:00:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray expected =
        "\xEF\xBB\xBF"
        "record,date,clock,student,name,grade,level,time,siteCode,basePoints,points\r\n" +
        QStringLiteral("1,2026/12/11,09:15:30,1,山田　太郎,小１,1,30,12345,11,11\r\n"
                       "2,2026/12/10,16:00:05,2,\"佐藤, 花子\",中１,2,80,12345,5,7\r\n"
                       "3,2026/12/11,10:00:00,9,,,1,99999,12345,0,0\r\n")
            .toUtf8();
    EXPECT_EQ(r.out, expected);
}

TEST(AdminExport, AMissingRosterIsReported) {
    School s;
    QFile::remove(s.dir.path() + QStringLiteral("/新名簿.txt"));
    ProcessRun r = runAdmin({QStringLiteral("export"), s.program});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("ファイルがありません"))) << r.err.toStdString();
}

} // namespace
