// suudokuan-admin as a support person runs it: real processes, stdout, stderr and exit status.
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

ProcessRun admin(const QStringList& args) {
    return runProgram(QStringLiteral(SUUDOKUAN_ADMIN), args);
}

TEST(AdminCheck, PrintsWhatTheProgramLoads) {
    QTemporaryDir dir;
    const QString program = makeSchool(dir.path());
    const ProcessRun r = admin({QStringLiteral("check"), program});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString root = dir.path() + u'/';
    const QString expected =
        QStringLiteral("appFolder=%1数読庵/\nrootFolder=%1\nprogramFolderName=数読庵\n"
                       "dataFolder=%1数読庵/\nsoundFolder=%1音フォルダ/\nschoolYearStartMonth=4\n"
                       "siteCode=12345\nsiteTitle=テスト塾\ncommonItem3=0\n"
                       "dataChangePassword=pass,word\nprogramName=数読庵\ncueCount=5\n"
                       "criteria k=1 targetTime=60 minimumTime=90 clearPoints=300 clearCount=20 "
                       "pointRate=1 overdoCount=0 overdoPoints=0 judgePeriod=7 overdoPeriod=1\n"
                       "criteria k=2 targetTime=80 minimumTime=120 clearPoints=300 clearCount=20 "
                       "pointRate=1.5 overdoCount=10 overdoPoints=0 judgePeriod=7 overdoPeriod=1\n")
            .arg(root);
    EXPECT_TRUE(r.outText().startsWith(expected)) << r.out.toStdString();
    EXPECT_EQ(r.outText().count(QStringLiteral("criteria k=")), 4);
}

TEST(AdminCheck, ABrokenInstallationPrintsTheProgramsMessageAndExitsOne) {
    QTemporaryDir dir;
    const QString program = makeSchool(dir.path());
    QFile::remove(program + QStringLiteral("タイム回数データ.txt"));
    const ProcessRun r = admin({QStringLiteral("check"), program});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("タイム回数データ.txt"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("ファイルがありません")));
}

TEST(AdminKanji, PrintsEachNumberAndRefusesNonDigits) {
    ProcessRun r = admin({QStringLiteral("kanji"), QStringLiteral("20300000"), QStringLiteral("0"),
                   QStringLiteral("1000")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.outText(), QStringLiteral("二千三十万\n\n千\n"));
    for (const char* bad : {"12a", "-5", "1.5", ""}) {
        r = admin({QStringLiteral("kanji"), QString::fromUtf8(bad)});
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_TRUE(r.out.isEmpty()) << bad;
    }
}

} // namespace
