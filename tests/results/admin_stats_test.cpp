// suudokuan-admin stats on a small school: the table of figures, the level best times, errors.
#include "resultstestutil.h"
#include "support/adminrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(AdminStats, PrintsEveryStudentAndLevelWithFiguresThenTheLevelBests) {
    QTemporaryDir dir;
    SchoolOptions options;
    options.criteria =
        QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
                       "60,90,300,20,1,0,0,7,1,,,\n"
                       "80,120,300,20,1.5,10,0,7,1,,,\n"
                       "100,150,300,20,2,0,3000,14,2,,,\n"
                       "150,220,10,1,3,1,0,30,1,,,\n");
    const QString program = makeSchool(dir.path(), options);
    const double today = serialOf(QDate(2026, 12, 11));
    writeRecords(program, {
                              makeRecord(today, 1, 1, 30),        // 11 points
                              makeRecord(today - 1, 1, 1, 99999), // timed out
                              makeRecord(today - 3, 2, 2, 40),    // 11 x 1.5
                              makeRecord(today, 4500, 3, 100),    // 5 x 2
                              makeRecord(today, 3, 4, 150),       // 5 x 3: cleared, overdone
                              makeRecord(today, 0, 1, 5),         // nobody: skipped
                          });
    const ProcessRun r = runAdmin({QStringLiteral("stats"), program, QStringLiteral("--now"),
                                   QStringLiteral("2026-12-11 10:00:00")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString expected = QStringLiteral(
        "student\tlevel\tcountAll\tpointsAll\tcountToday\tpointsToday\tcountPass\tpointsPass\t"
        "countOverdo\tpointsOverdo\tbestTime\tcleared\tpassed\toverdone\n"
        "1\t1\t1\t11\t1\t11\t1\t11\t1\t11\t30\t0\t0\t0\n"
        "2\t2\t1\t16\t0\t0\t1\t16\t0\t0\t40\t0\t0\t0\n"
        "3\t4\t1\t15\t1\t15\t1\t15\t1\t15\t150\t1\t1\t1\n"
        "4500\t3\t1\t10\t1\t10\t1\t10\t1\t10\t100\t0\t0\t0\n"
        "levelBestTime\t1\t30\n"
        "levelBestTime\t2\t40\n"
        "levelBestTime\t3\t100\n"
        "levelBestTime\t4\t150\n");
    EXPECT_EQ(r.outText(), expected);
}

TEST(AdminStats, ErrorsGoToStandardErrorWithStatusOne) {
    QTemporaryDir dir;
    const QString program = makeSchool(dir.path());
    ProcessRun r = runAdmin(
        {QStringLiteral("stats"), program, QStringLiteral("--now"), QStringLiteral("yesterday")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("yesterday")));

    QFile::remove(program + QStringLiteral("タイム回数データ.txt"));
    r = runAdmin({QStringLiteral("stats"), program});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("タイム回数データ.txt"))) << r.err.toStdString();
}

} // namespace
