// Settings, criteria table and identity: what start-up loads, and every file problem it refuses.
#include "startup/criteria.h"
#include "startup/eradate.h"
#include "startup/identity.h"
#include "startup/settings.h"
#include "sound/soundcues.h"
#include "support/testsupport.h"
#include "text/cp932.h"
#include "text/loaderror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString root() const { return dir.path() + u'/'; }
    // Loads and returns the error message, or an empty text when loading succeeded.
    QString loadError(const QString& program) {
        try {
            loadSettings(state, program);
        } catch (const LoadError& e) {
            return e.message();
        }
        return {};
    }
    AppState state;
};

TEST_F(SettingsTest, LoadsFoldersCommonSettingsCriteriaAndCues) {
    const QString program = makeSchool(dir.path());
    ASSERT_EQ(loadError(program), QString());
    const InstallationState& in = state.installation;
    EXPECT_EQ(in.appFolder, program);
    EXPECT_EQ(in.rootFolder, root());
    EXPECT_EQ(in.programFolderName, QStringLiteral("数読庵"));
    EXPECT_EQ(in.dataFolder, root() + QStringLiteral("数読庵/"));
    EXPECT_EQ(in.soundFolder, root() + QStringLiteral("音フォルダ/"));
    EXPECT_EQ(in.schoolYearStartMonth.toNumber(), 4);
    EXPECT_EQ(in.siteCode, QStringLiteral("12345"));
    EXPECT_EQ(in.siteTitle, QStringLiteral("テスト塾"));
    EXPECT_EQ(in.dataChangePassword.toText(), QStringLiteral("pass,word")); // quoted comma
    EXPECT_EQ(state.program.programName, QStringLiteral("数読庵"));
    EXPECT_EQ(state.program.allLevelsOpen, 1);
    EXPECT_EQ(state.program.printButtonMode, 0);

    const ProgramState& p = state.program;
    EXPECT_EQ(p.criteriaLines, 5);
    // The heading line lands in entry 0: texts read as 0 in the numeric columns.
    EXPECT_EQ(p.targetTime[0], 0);
    EXPECT_EQ(p.pointRate[0], 0.0f);
    EXPECT_EQ(p.overdoCount[0].toText(), QStringLiteral("禁回"));
    EXPECT_EQ(p.targetTime[2], 80);
    EXPECT_EQ(p.minimumTime[2], 120);
    EXPECT_EQ(p.pointRate[2], 1.5f);
    EXPECT_EQ(p.overdoCount[2].toNumber(), 10);
    EXPECT_EQ(p.overdoPoints[3].toNumber(), 3000);
    EXPECT_EQ(p.judgePeriod[4].toNumber(), 30);
    EXPECT_TRUE(p.criteriaCol10[1].isEmpty());

    EXPECT_EQ(state.sound.soundCueTable[2][0], QStringLiteral("正解音2"));
    EXPECT_EQ(state.sound.soundCueTable[2][1], QStringLiteral("seikai"));
    EXPECT_EQ(cueFileCount(state.sound, 2), 1);
    EXPECT_EQ(cueFileCount(state.sound, 1), 0);
}

TEST(SiteTitle, FiveCharacterCodeSplitsOnlyWhenItsNumberIsNotZero) {
    struct Case {
        const char* item;
        const char* code;
        const char* title;
    } cases[] = {
        {"12345dudi", "12345", "dudi"},
        {"dudi", "", "dudi"},
        {"00000dudi", "", "00000dudi"},
        {"3年生クラス", "3年生クラ", "ス"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        QString code, title;
        splitSiteTitle(QString::fromUtf8(c.item), &code, &title);
        EXPECT_EQ(code, QString::fromUtf8(c.code)) << c.item;
        EXPECT_EQ(title, QString::fromUtf8(c.title)) << c.item;
    }
}

TEST_F(SettingsTest, PathFileMayUseBackslashesAndPointAtAnotherRoot) {
    // The program folder lives elsewhere; the path file names the root with backslashes.
    QTemporaryDir other;
    const QString program = makeSchool(dir.path());
    const QString elsewhere = other.path() + QStringLiteral("/数読庵");
    QDir().mkpath(elsewhere);
    QString rootWritten = root();
    rootWritten.replace(u'/', u'\\');
    writeCp932(other.path() + QStringLiteral("/パスデータ.txt"),
               rootWritten + QStringLiteral("\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
    ASSERT_EQ(loadError(elsewhere), QString());
    EXPECT_EQ(state.installation.rootFolder, root());
    EXPECT_EQ(state.installation.dataFolder, program);
}

// Each broken installation gives one message naming the file and the problem.
TEST_F(SettingsTest, BrokenInstallationsAreReportedByFile) {
    struct Case {
        const char* name;
        std::function<void(const QString& root, const QString& program)> breakIt;
        const char* file;
        const char* problem;
    } cases[] = {
        {"no path file",
         [](const QString& r, const QString&) { QFile::remove(r + QStringLiteral("パスデータ.txt")); },
         "パスデータ.txt", "ファイルがありません"},
        {"path file of nine items",
         [](const QString& r, const QString&) {
             writeCp932(r + QStringLiteral("パスデータ.txt"), r + QStringLiteral("\n2\n3\n4\n5\n6\n7\n8\n9\n"));
         },
         "パスデータ.txt", "10 番目"},
        {"root folder missing",
         [](const QString& r, const QString&) {
             writeCp932(r + QStringLiteral("パスデータ.txt"),
                        r + QStringLiteral("nowhere/\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
         },
         "パスデータ.txt", "ありません"},
        {"drive letter",
         [](const QString& r, const QString&) {
             writeCp932(r + QStringLiteral("パスデータ.txt"),
                        QStringLiteral("D:\\塾\\\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
         },
         "パスデータ.txt", "ドライブ"},
        {"no common settings",
         [](const QString& r, const QString&) { QFile::remove(r + QStringLiteral("共通データ.txt")); },
         "共通データ.txt", "ファイルがありません"},
        {"short common settings",
         [](const QString& r, const QString&) {
             writeCp932(r + QStringLiteral("共通データ.txt"), QStringLiteral("4\n12345塾\n0\n"));
         },
         "共通データ.txt", "4 番目"},
        {"no criteria table",
         [](const QString&, const QString& p) { QFile::remove(p + kCriteriaFileName); },
         "タイム回数データ.txt", "ファイルがありません"},
        {"criteria of 37 lines",
         [](const QString&, const QString& p) {
             QString text = QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n");
             for (int k = 1; k <= 36; ++k)
                 text += QStringLiteral("60,90,300,20,1,0,0,7,1,,,\n");
             writeCp932(p + kCriteriaFileName, text);
         },
         "タイム回数データ.txt", "36 行"},
        {"offered level with minimumTime 0",
         [](const QString&, const QString& p) {
             writeCp932(p + kCriteriaFileName,
                        QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
                                       "60,90,300,20,1,0,0,7,1,,,\n60,90,300,20,1,0,0,7,1,,,\n"
                                       "60,abc,300,20,1,0,0,7,1,,,\n60,90,300,20,1,0,0,7,1,,,\n"));
         },
         "タイム回数データ.txt", "ﾚﾍﾞﾙ3"},
        {"offered level missing (targetTime 0)",
         [](const QString&, const QString& p) {
             writeCp932(p + kCriteriaFileName,
                        QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
                                       "60,90,300,20,1,0,0,7,1,,,\n"));
         },
         "タイム回数データ.txt", "ﾚﾍﾞﾙ2"},
        {"no cue list",
         [](const QString& r, const QString&) {
             QFile::remove(r + QStringLiteral("音フォルダ/新音ファイル.txt"));
         },
         "新音ファイル.txt", "ファイルがありません"},
    };
    for (const auto& c : cases) {
        QTemporaryDir school;
        const QString program = makeSchool(school.path());
        c.breakIt(school.path() + u'/', program);
        state = AppState();
        const QString message = loadError(program);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.file))) << c.name << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.problem))) << c.name << ": " << message.toStdString();
    }
}

TEST_F(SettingsTest, CriteriaWriteReadsBackAndKeepsLevelsBeyondTheFile) {
    const QString program = makeSchool(dir.path());
    ASSERT_EQ(loadError(program), QString());
    ProgramState& p = state.program;
    // Entries beyond the file's last line keep their values across a reread.
    p.targetTime[9] = 777;
    p.pointRate[5] = 1.1f;
    p.targetTime[5] = 200;
    p.minimumTime[5] = 300;
    p.criteriaCol11[5] = Value::fromItem(QStringLiteral("メモ"));
    QString why;
    ASSERT_TRUE(writeCriteriaTable(p, 5, state.installation.dataFolder, &why)) << why.toStdString();
    const QByteArray bytes = readBytes(program + kCriteriaFileName);
    const QString text = *cp932::readFile(program + kCriteriaFileName);
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\r\n"
                       "60,90,300,20,1,0,0,7,1,,,\r\n80,120,300,20,1.5,10,0,7,1,,,\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("200,300,0,0,1.1,,,,,,メモ,\r\n")));
    ProgramState reread = p;
    reread.targetTime[5] = 0;
    readCriteriaTable(reread, state.installation.dataFolder);
    EXPECT_EQ(reread.criteriaLines, 6);
    EXPECT_EQ(reread.targetTime[5], 200);
    EXPECT_EQ(reread.pointRate[5], 1.1f);
    EXPECT_EQ(reread.targetTime[9], 777);
    EXPECT_EQ(reread.criteriaCol11[5].toText(), QStringLiteral("メモ"));
    EXPECT_FALSE(bytes.isEmpty());
}

TEST(LevelTable, AlwaysFourLevelsWhateverTheCriteriaHold) {
    ProgramState p;
    p.levelNames[7] = QStringLiteral("old");
    fillLevelTable(p);
    EXPECT_EQ(p.levelCount, 4);
    EXPECT_EQ(p.lastLevel, 4);
    EXPECT_EQ(p.levelNames[1], QStringLiteral("ﾚﾍﾞﾙ1"));
    EXPECT_EQ(p.levelNames[4], QStringLiteral("ﾚﾍﾞﾙ4"));
    EXPECT_EQ(p.levelNames[5], QString());
    EXPECT_EQ(p.levelTimed[4], 1);
}

TEST(EraDate, SplashDateInTheEraCalendar) {
    EXPECT_EQ(eraDateText(QDate(2026, 12, 11)), QStringLiteral("令和8年 12月 11日（金）"));
    EXPECT_EQ(eraDateText(QDate(2004, 3, 12)), QStringLiteral("平成16年 3月 12日（金）"));
    EXPECT_EQ(eraDateText(QDate(2019, 5, 1)), QStringLiteral("令和1年 5月 01日（水）"));
    EXPECT_EQ(eraDateText(QDate(2019, 4, 30)), QStringLiteral("平成31年 4月 30日（火）"));
}

TEST(SeasonColour, ByMonth) {
    const std::uint32_t expected[13] = {0,        0xFF8000, 0xFF8000, 0xC0FFC0, 0xC0FFC0,
                                        0xC0FFC0, 0x00C0C0, 0x00C0C0, 0x00C0C0, 0xC04000,
                                        0xC04000, 0xC04000, 0xC0FFC0};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(seasonColourForMonth(m), expected[m]) << m;
}

} // namespace
