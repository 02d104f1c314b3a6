// Rows of the name list: the fixed-width figures, the fill, the four display options, the order
// youngest first, the grade filter and the number kept beside each row.
#include "roster/namelist.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QChar kIdeo(0x3000);

TEST(NameFigures, RightAlignedInFixedFieldsKeepingTheLastDigits) {
    struct Case {
        const char* what;
        QString text;
        QString expected;
    } cases[] = {
        {"rounds today 0", roundsTodayText(0), QStringLiteral("     ")},
        {"rounds today 3", roundsTodayText(3), QStringLiteral("  3回")},
        {"rounds today 1234", roundsTodayText(1234), QStringLiteral("234回")},
        {"points today 0", pointsTodayText(0), QStringLiteral("  ") + kIdeo},
        {"points today 55", pointsTodayText(55), QStringLiteral("  55")},
        {"points today 12345", pointsTodayText(12345), QStringLiteral("2345")},
        {"rounds so far 0", roundsAllText(0), QStringLiteral("     ") + kIdeo},
        {"rounds so far 12", roundsAllText(12), QStringLiteral("   12回")},
        {"rounds so far 123456", roundsAllText(123456), QStringLiteral("23456回")},
        {"points so far 0", pointsAllText(0), QStringLiteral("       ")},
        {"points so far 1234", pointsAllText(1234), QStringLiteral("   1234")},
        {"points so far 12345678", pointsAllText(12345678), QStringLiteral("2345678")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, c.expected) << c.what;
}

RosterRecord student(int number, int birthYear, const QString& name) {
    RosterRecord r;
    r.number = static_cast<std::int16_t>(number);
    r.birthYear = static_cast<std::int16_t>(birthYear);
    r.name = fixedText(name);
    return r;
}

TEST(NameRows, RowTextsOfEachDisplayOption) {
    const RosterRecord yamada = student(12, 1997, QStringLiteral("山田")); // 小1
    const RosterRecord child = student(40, 1998, QStringLiteral("川上"));  // 幼3
    StudentFigures f;
    f.roundsToday = 3;
    f.roundsAll = 12;
    f.pointsToday = 55;
    f.pointsAll = 1234;
    const StudentFigures none;
    const QString fill4 = QString(4, kIdeo);
    struct Case {
        const char* what;
        QString row;
        QString expected;
    } cases[] = {
        {"option 0", nameRowText(yamada, 2004, 0, f),
         QStringLiteral("1997小1 山田") + fill4 + QStringLiteral("  3回/   12回*12")},
        {"option 0 without results", nameRowText(yamada, 2004, 0, none),
         QStringLiteral("1997小1 山田") + fill4 + QStringLiteral("     /     ") + kIdeo +
             QStringLiteral("*12")},
        {"option 1", nameRowText(yamada, 2004, 1, f),
         QStringLiteral("1997小1 山田") + fill4 + QStringLiteral("  55/   1234*12")},
        {"option 2", nameRowText(yamada, 2004, 2, f),
         QStringLiteral("1997小1 山田") + fill4 + QStringLiteral("  55/  3回*12")},
        {"option 3", nameRowText(yamada, 2004, 3, f),
         QStringLiteral("1997小1 山田") + fill4 + QStringLiteral("   1234/   12回*12")},
        // Pre-school rows are filled to 11 characters except in option 1.
        {"pre-school option 0", nameRowText(child, 2004, 0, none),
         QStringLiteral("1998幼3 川上") + QString(6, kIdeo) + QStringLiteral("     /     ") +
             kIdeo + QStringLiteral("*40")},
        {"pre-school option 1", nameRowText(child, 2004, 1, none),
         QStringLiteral("1998幼3 川上") + fill4 + QStringLiteral("  ") + kIdeo +
             QStringLiteral("/       *40")},
        {"pre-school option 3", nameRowText(child, 2004, 3, none),
         QStringLiteral("1998幼3 川上") + QString(6, kIdeo) + QStringLiteral("       /     ") +
             kIdeo + QStringLiteral("*40")},
        // A name longer than the fill allows gets no fill.
        {"long name",
         nameRowText(student(3, 1997, QStringLiteral("長谷川　健太郎")), 2004, 1, none),
         QStringLiteral("1997小1 長谷川　健太郎  ") + kIdeo + QStringLiteral("/       *3")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.row, c.expected) << c.what;
}

TEST(NameRows, FiguresAreSumsOverTheLevels) {
    auto results = std::make_unique<ResultsTables>();
    results->countToday(12, 1) = 2;
    results->countToday(12, 35) = 1;
    results->countAll(12, 2) = 7;
    results->pointsToday(12, 4) = 30;
    results->pointsAll(12, 4) = 100;
    results->pointsAll(12, 1) = 20;
    results->pointsAll(13, 1) = 999; // another student
    const StudentFigures f = studentFigures(*results, 12);
    EXPECT_EQ(f.roundsToday, 3);
    EXPECT_EQ(f.roundsAll, 7);
    EXPECT_EQ(f.pointsToday, 30);
    EXPECT_EQ(f.pointsAll, 120);
}

struct ListingFixture : ::testing::Test {
    QTemporaryDir dir;
    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    const QDate today{2004, 6, 1};

    void SetUp() override {
        state->installation.rootFolder = dir.path() + u'/';
        state->installation.schoolYearStartMonth = Value::fromNumber(4);
    }
    NameListing listing(const QString& roster, int option, const QString& filter) {
        writeCp932(state->installation.rootFolder + kRosterFileName, roster);
        return buildNameListing(*state, today, option, filter);
    }
};

TEST_F(ListingFixture, YoungestFirstWithTheNumberOfEachRow) {
    const QString roster = QStringLiteral("1,1997,0,0,\"山田\",0,\"\",\"\"\n"
                                          "2,1990,0,0,\"佐藤\",0,\"\",\"\"\n"
                                          "3,1999,0,0,\"鈴木\",0,\"\",\"\"\n");
    const NameListing l = listing(roster, 1, QStringLiteral("全学年"));
    ASSERT_EQ(l.shown.size(), 3);
    EXPECT_TRUE(l.shown[0].startsWith(QStringLiteral("幼2 鈴木")));
    EXPECT_TRUE(l.shown[1].startsWith(QStringLiteral("小1 山田")));
    EXPECT_TRUE(l.shown[2].startsWith(QStringLiteral("中2 佐藤")));
    EXPECT_EQ(l.numbers, (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(l.numberRows[1], l.shown[1] + QStringLiteral("*1"));
    // The buffer itself stays in ascending order.
    EXPECT_TRUE(l.buffer.front().text.startsWith(QStringLiteral("1990")));
    EXPECT_TRUE(l.buffer.back().text.startsWith(QStringLiteral("1999")));

    // A grade without students leaves no row; "中学生全体" keeps only the junior high student.
    EXPECT_TRUE(listing(roster, 1, QStringLiteral("小３")).shown.isEmpty());
    const NameListing junior = listing(roster, 3, QStringLiteral("中学生全体"));
    EXPECT_EQ(junior.numbers, std::vector<int>{2});
}

TEST_F(ListingFixture, StudentsOfOneYearFollowInDescendingNameOrder) {
    const NameListing l = listing(QStringLiteral("1,1997,0,0,\"あべ\",0,\"\",\"\"\n"
                                                 "2,1997,0,0,\"ウエノ\",0,\"\",\"\"\n"
                                                 "3,1997,0,0,\"いとう\",0,\"\",\"\"\n"),
                                  1, QStringLiteral("全学年"));
    // Japanese order: あ < い < う, hiragana and katakana together.
    EXPECT_EQ(l.numbers, (std::vector<int>{2, 3, 1}));
}

TEST_F(ListingFixture, ANameHoldingAStarKeepsItsRowAndNumber) {
    const NameListing l = listing(QStringLiteral("7,1997,0,0,\"星*子\",0,\"\",\"\"\n"
                                                 "8,1997,0,0,\"*\",0,\"\",\"\"\n"),
                                  0, QStringLiteral("全学年"));
    ASSERT_EQ(l.shown.size(), 2);
    const QString full =
        QStringLiteral("小1 星*子") + QString(3, kIdeo) + QStringLiteral("     /     ") + kIdeo;
    const int at = l.numbers[0] == 7 ? 0 : 1;
    EXPECT_EQ(l.shown[at], full);
    EXPECT_EQ(l.numbers[at], 7);
    EXPECT_EQ(l.numbers[1 - at], 8);
    EXPECT_EQ(l.numberRows[at], full + QStringLiteral("*7"));
}

TEST_F(ListingFixture, AnEmptyBirthYearStillMakesAFourDigitSortKey) {
    const NameListing l = listing(QStringLiteral("1,,0,0,\"先生\",0,\"\",\"\"\n"
                                                 "2,1997,0,0,\"山田\",0,\"\",\"\"\n"),
                                  1, QStringLiteral("全学年"));
    EXPECT_EQ(l.buffer.front().text.left(4), QStringLiteral("0000"));
    EXPECT_EQ(l.numbers, (std::vector<int>{2, 1}));
    EXPECT_TRUE(l.shown[1].startsWith(QStringLiteral("大+ 先生")));
}

} // namespace
