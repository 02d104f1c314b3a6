// suudokuan-admin lists: the rows of one level's list as the menu shows them, and its errors.
#include "reportfixture.h"
#include "results/resultsfile.h"
#include "support/adminrun.h"
#include "support/records.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ListsRun {
    int status;
    QStringList lines;
    QString err;
};

ListsRun lists(const QStringList& args) {
    const ProcessRun p = runAdmin(QStringList{QStringLiteral("lists")} + args);
    QStringList lines = p.outText().split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return {p.status, lines, p.err};
}

class AdminLists : public ::testing::Test {
protected:
    void SetUp() override {
        SchoolOptions o;
        o.roster = QStringLiteral("1,2016,0,0,\"山田　太郎\",0,\"\",\"\"\n"
                                  "2,2019,0,0,\"佐藤　花子\",0,\"\",\"\"\n"
                                  "3,2013,0,0,\"川上　ゆう\",0,\"\",\"\"\n");
        program = makeSchool(dir.path(), o);
        const QDate today(2026, 12, 11);
        QByteArray bytes;
        bytes += serializeRecord(roundRecord(QDateTime(today, QTime(9, 5)), 1, 1, 45));
        bytes += serializeRecord(roundRecord(QDateTime(today.addDays(-1), QTime(9, 0)), 2, 1, 30));
        bytes += serializeRecord(roundRecord(QDateTime(today, QTime(9, 30)), 3, 1, 99999));
        bytes += serializeRecord(roundRecord(QDateTime(today.addDays(-40), QTime(9, 0)), 3, 1, 40));
        writeBytes(program + kResultsFileName, bytes);
    }
    ListsRun run(const QStringList& more) {
        return lists(QStringList{program} + more +
                     QStringList{QStringLiteral("--now"), QStringLiteral("2026-12-11 10:00:00")});
    }
    QTemporaryDir dir;
    QString program;
};

TEST_F(AdminLists, RankingsAndDateListsAsTheMenuShowsThem) {
    const struct {
        QStringList args;
        QStringList rows;
    } cases[] = {
        {{"best", "--student", "1"},
         {QStringLiteral(" 1①佐藤　花子    30 　"), QStringLiteral(" 2Ⅰ川上　ゆう    40 　"),
          QStringLiteral(" 3●山田　太郎    45 ●")}},
        {{"points"},
         {QStringLiteral(" 1①佐藤　花子  0/   11"), QStringLiteral(" 2Ⅰ川上　ゆう  0/    6"),
          QStringLiteral(" 3④山田　太郎  5/    5")}},
        {{"todaypoints"}, {QStringLiteral(" 1④山田　太郎  5/    5")}},
        {{"best", "--filter", "中１"}, {QStringLiteral(" 2Ⅰ川上　ゆう    40 　")}},
        {{"today", "--student", "3"},
         {QStringLiteral("  45秒 09:05④山田　太郎④5"), QStringLiteral("　　× 09:30●川上　ゆう●")}},
        {{"period", "--period", "1"},
         {QStringLiteral("  45秒 12/11④山田　太郎④5"), QStringLiteral("  30秒 12/10①佐藤　花子①11"),
          QStringLiteral("　　× 12/11Ⅰ川上　ゆうⅠ")}},
        {{"period", "--period", "4", "--points"},
         {QStringLiteral("    5 12/11④山田　太郎④45秒"),
          QStringLiteral("   11 12/10①佐藤　花子①30秒"), QStringLiteral("　　× 12/11Ⅰ川上　ゆうⅠ"),
          QStringLiteral("    6 11/01Ⅰ川上　ゆうⅠ40秒")}},
        {{"personal", "--student", "3"},
         {QStringLiteral("2026/12/11 9:30:00    ×"), QStringLiteral("2026/11/01 9:00:00  40秒")}},
        {{"personal"}, {}},
        {{"best", "--level", "2"},
         {QStringLiteral("--④山田　太郎------ 　"), QStringLiteral("--①佐藤　花子------ 　"),
          QStringLiteral("--Ⅰ川上　ゆう------ 　")}},
    };
    for (const auto& c : cases) {
        const ListsRun r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.args.join(u' ').toStdString() << r.err.toStdString();
        EXPECT_EQ(r.lines, c.rows) << c.args.join(u' ').toStdString();
    }
}

TEST_F(AdminLists, ErrorsGoToStandardErrorWithStatus) {
    const ListsRun missing = lists({dir.path() + QStringLiteral("/なし"), QStringLiteral("best")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_TRUE(missing.lines.isEmpty());
    EXPECT_EQ(run({QStringLiteral("best"), QStringLiteral("--level"), QStringLiteral("5")}).status,
              1);
    EXPECT_EQ(run({QStringLiteral("ranking")}).status, 2);
    EXPECT_EQ(
        run({QStringLiteral("best"), QStringLiteral("--student"), QStringLiteral("x")}).status, 2);
    EXPECT_EQ(lists({program, QStringLiteral("best"), QStringLiteral("--now"),
                     QStringLiteral("yesterday")})
                  .status,
              2);
}

} // namespace
