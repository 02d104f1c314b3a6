// The roster file and the grade rule: school year, grade labels and filters, the name screen's
// read with its listing rules, and the rosters it refuses without touching the tables.
#include "roster/roster.h"
#include "support/testsupport.h"
#include "text/loaderror.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct GradeCase {
    int birthYear;
    int grade;
    const char16_t* full; // nullptr: no full-width label
    const char16_t* list;
};

TEST(Grades, LabelsOfEachBirthYearInSchoolYear2004) {
    const GradeCase cases[] = {
        {2003, -5, nullptr, u"幼-"}, {2001, -3, nullptr, u"幼-"}, {2000, -2, nullptr, u"幼1"},
        {1999, -1, nullptr, u"幼2"}, {1998, 0, u"幼３", u"幼3"},  {1997, 1, u"小１", u"小1"},
        {1992, 6, u"小６", u"小6"},  {1991, 7, u"中１", u"中1"},  {1989, 9, u"中３", u"中3"},
        {1988, 10, u"高１", u"高1"}, {1987, 11, nullptr, u"高2"}, {1986, 12, nullptr, u"高3"},
        {1985, 13, nullptr, u"大+"}, {1984, 14, nullptr, u"大+"},
    };
    for (const GradeCase& c : cases) {
        SCOPED_TRACE(c.birthYear);
        const int g = gradeNumber(2004, c.birthYear);
        EXPECT_EQ(g, c.grade);
        const auto full = fullGradeLabel(g);
        if (c.full)
            EXPECT_EQ(full, QString::fromUtf16(c.full));
        else
            EXPECT_FALSE(full.has_value());
        EXPECT_EQ(listGradeLabel(g), QString::fromUtf16(c.list));
    }
}

TEST(Grades, SchoolYearTurnsInItsStartMonth) {
    struct Case {
        QDate today;
        double startMonth;
        int schoolYear;
    } cases[] = {
        {QDate(2004, 4, 1), 4, 2004},    {QDate(2004, 3, 31), 4, 2003},
        {QDate(2005, 1, 10), 4, 2004},   {QDate(2004, 1, 1), 1, 2004},
        {QDate(2004, 12, 31), 12, 2004}, {QDate(2004, 11, 30), 12, 2003},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today.toString().toStdString());
        EXPECT_EQ(schoolYearFor(c.today, Value::fromNumber(c.startMonth)), c.schoolYear);
    }
    // A start month written as text in the settings reads by its leading number.
    EXPECT_EQ(schoolYearFor(QDate(2004, 3, 1), Value::fromItem(QStringLiteral("4月"))), 2003);
}

TEST(Grades, FiltersShowTheirGradesOnly) {
    struct Case {
        const char16_t* filter;
        std::vector<int> shown; // among the grades -4..15
    } cases[] = {
        {u"全学年", {-4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {u"中学生全体", {7, 8, 9}},
        {u"小学生全体", {1, 2, 3, 4, 5, 6}},
        {u"中３", {9}},
        {u"中２", {8}},
        {u"中１", {7}},
        {u"小６", {6}},
        {u"小３", {3}},
        {u"小１", {1}},
        {u"中3", {}}, // the half-width list label is not a filter text
        {u"家族", {}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        const QString filter = QString::fromUtf16(c.filter);
        std::vector<int> shown;
        for (int g = -4; g <= 15; ++g)
            if (gradeFilter(filter, g))
                shown.push_back(g);
        EXPECT_EQ(shown, c.shown) << filter.toStdString();
    }
}

// A state whose roster lives in a temporary root folder.
struct RosterFixture : ::testing::Test {
    QTemporaryDir dir;
    AppState state;
    const QDate today{2004, 5, 10}; // school year 2004 with the start month 4

    void SetUp() override {
        state.installation.rootFolder = dir.path() + u'/';
        state.installation.schoolYearStartMonth = Value::fromNumber(4);
        state.installation.commonItem3 = Value::fromNumber(0);
    }
    void writeRoster(const QString& text) {
        writeCp932(state.installation.rootFolder + kRosterFileName, text);
    }
};

TEST_F(RosterFixture, ListsStatusZeroAndKeepsEveryoneByNumber) {
    writeRoster(QStringLiteral(
        "12,1997,0,0,\"山田\",0,\"\",\"\"\n"
        "7,2001,3,4,\"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹ\",1,\"x\",\"y\"\n"
        "30,1986,0,0,\"佐藤, 花子\",2,\"\",\"\"\n"
        "5,1998,0,0,  鈴木 ,0,,\n"));
    const auto listed = readRoster(state, today);
    const RosterTables& t = state.roster;
    EXPECT_EQ(t.schoolYear, 2004);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(t.rosterCount, 2);
    EXPECT_EQ(t.rosterNumbers[1], 12);
    EXPECT_EQ(t.rosterNumbers[2], 5);
    EXPECT_EQ(t.rosterRecords[1].number, 12);
    EXPECT_EQ(t.rosterRecords[2].name, QStringLiteral("鈴木") + QString(18, u' '));
    // A four-character name is padded to 20; a 25-character one keeps its first 20.
    EXPECT_EQ(t.studentNames[12], QStringLiteral("山田") + QString(18, u' '));
    EXPECT_EQ(t.studentNames[7], QStringLiteral("ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴ"));
    // Not listed, but known by number; a quoted name keeps its comma.
    EXPECT_EQ(t.studentNames[30], fixedText(QStringLiteral("佐藤, 花子")));
    EXPECT_EQ(t.studentBirthYears[7], 2001);
    EXPECT_EQ(t.studentGradeLabels[12], QStringLiteral("小１"));
    EXPECT_EQ(t.studentGradeLabels[5], QStringLiteral("幼３"));
    EXPECT_TRUE(t.studentGradeLabels[7].isEmpty()); // g = -3 has no full-width label
    EXPECT_EQ(listed[0].record.spareText1, fixedText(QString()));
    EXPECT_EQ(listed[0].status, 0);
}

TEST_F(RosterFixture, StatusTwoIsListedOnlyWhenTheCommonSettingSaysSo) {
    writeRoster(QStringLiteral("1,1997,0,0,\"一\",2,\"\",\"\"\n2,1997,0,0,\"二\",1,\"\",\"\"\n"));
    EXPECT_EQ(readRoster(state, today).size(), 0u);
    state.installation.commonItem3 = Value::fromNumber(1);
    const auto listed = readRoster(state, today);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].record.number, 1);
}

TEST_F(RosterFixture, EntriesOfMissingStudentsAndUnlabelledGradesKeepTheirContent) {
    state.roster.studentNames[9] = QStringLiteral("前の名前");
    state.roster.studentGradeLabels[3] = QStringLiteral("小２");
    writeRoster(QString());
    EXPECT_EQ(readRoster(state, today).size(), 0u);
    EXPECT_EQ(state.roster.rosterCount, 0);
    writeRoster(QStringLiteral("3,1986,0,0,\"高三\",0,\"\",\"\"\n"));
    readRoster(state, today);
    EXPECT_EQ(state.roster.studentNames[9], QStringLiteral("前の名前"));
    EXPECT_EQ(state.roster.studentGradeLabels[3], QStringLiteral("小２")); // g = 12: no label
}

// Every refused roster: one message naming the file, its path and the line; no table changed.
TEST_F(RosterFixture, BadRostersAreRefusedWithTheLineAndNothingIsWritten) {
    const QString good = QStringLiteral("1,1997,0,0,\"山田\",0,\"\",\"\"\n");
    QString tooMany;
    for (int n = 0; n <= 5000; ++n)
        tooMany += QStringLiteral("%1,1997,0,0,\"生徒%1\",0,\"\",\"\"\n").arg(n);
    struct Case {
        const char* what;
        QString text;
        QString expected; // part of the message
    } cases[] = {
        {"missing file", QString(), QStringLiteral("ファイルがありません")},
        {"line ends mid-record", good + QStringLiteral("2,1997,0,0,\"佐藤\",0\n"),
         QStringLiteral("2 行目: 項目が足りません")},
        {"number not a number", good + QStringLiteral("abc,1997,0,0,\"佐藤\",0,\"\",\"\"\n"),
         QStringLiteral("2 行目: 1 番目の項目（生徒番号）「abc」が数ではありません")},
        {"birth year not a number", QStringLiteral("3,平成9,0,0,\"佐藤\",0,\"\",\"\"\n"),
         QStringLiteral("1 行目: 2 番目の項目（生まれ年）「平成9」が数ではありません")},
        {"status not a number", good + good + QStringLiteral("4,1997,0,0,\"佐藤\",x,\"\",\"\"\n"),
         QStringLiteral("3 行目: 6 番目の項目（区分）「x」が数ではありません")},
        {"number above 5000", good + QStringLiteral("5001,1997,0,0,\"佐藤\",0,\"\",\"\"\n"),
         QStringLiteral("2 行目: 生徒番号 5001 は使えません")},
        {"number below 0", QStringLiteral("-1,1997,0,0,\"佐藤\",0,\"\",\"\"\n"),
         QStringLiteral("1 行目: 生徒番号 -1 は使えません")},
        {"huge number", QStringLiteral("99999999999,1997,0,0,\"佐藤\",0,\"\",\"\"\n"),
         QStringLiteral("1 行目: 1 番目の項目（生徒番号）「99999999999」が大きすぎます")},
        {"birth year of five digits", QStringLiteral("2,19970,0,0,\"佐藤\",0,\"\",\"\"\n"),
         QStringLiteral("1 行目: 生まれ年 19970 は 4 桁の西暦年ではありません")},
        {"quote left open", QStringLiteral("2,1997,0,0,\"佐藤,0,\"\",\"\"\n"),
         QStringLiteral("1 行目:")},
        {"extra fields", QStringLiteral("2,1997,0,0,\"佐藤\",0,\"\",\"\",9\n"),
         QStringLiteral("1 行目: 項目が多すぎます")},
        {"more than 5000 listed", tooMany,
         QStringLiteral("5001 行目: 名簿に載せる生徒が 5000 人を超えています")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = state.installation.rootFolder + kRosterFileName;
        QFile::remove(path);
        if (!c.text.isEmpty())
            writeRoster(c.text);
        state.roster.studentNames[1] = QStringLiteral("前");
        state.roster.rosterCount = 7;
        state.roster.schoolYear = 1999;
        try {
            readRoster(state, today);
            ADD_FAILURE() << "accepted";
        } catch (const LoadError& e) {
            EXPECT_TRUE(e.message().contains(kRosterFileName)) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(c.expected)) << e.message().toStdString();
        }
        EXPECT_EQ(state.roster.studentNames[1], QStringLiteral("前"));
        EXPECT_EQ(state.roster.rosterCount, 7);
        EXPECT_EQ(state.roster.schoolYear, 1999);
    }
}

TEST_F(RosterFixture, ToleratesWhatRosterWritersLeaveBehind) {
    // A byte-order mark is not written in code page 932, so the text is built by hand: blank
    // lines, an end-of-file mark, LF-only line ends, empty numeric fields and trailing commas.
    writeBytes(state.installation.rootFolder + kRosterFileName,
               QByteArray("1,1997,,,\"A\",,\"\",\"\",\r\n\r\n2,1996,0,0,B,0,,\n\x1a"));
    const auto listed = readRoster(state, today);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].record.spareNumber1, 0);
    EXPECT_EQ(listed[1].record.name, fixedText(QStringLiteral("B")));
    EXPECT_EQ(listed[1].line, 3);
}

} // namespace
