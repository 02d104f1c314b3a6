// The level menu driven offscreen: opening for a student and a teacher, the columns, starting a
// level by button, name and key (and refusing blocked or missing levels), the display options
// with their captions and lists, the colours, the grade filter and a roster of 5,000 students.
#include "drill/mainfrm.h"
#include "menufixture.h"
#include "reports/resultlists.h"
#include "roster/namesel.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class LevelMenu : public ::testing::Test {
protected:
    void SetUp() override {
        const QTime nine(9, 5);
        school.addRecords({roundRecord(school.at(0, nine), 1, 1, 45),
                           roundRecord(school.at(1, nine), 2, 1, 30),
                           roundRecord(school.at(0, QTime(9, 30)), 3, 1, 50)});
    }
    App& app() { return *school.app; }
    seisekitime1* open() {
        seisekitime1* m = school.open();
        EXPECT_NE(m, nullptr);
        return m;
    }
    bool started() const { return school.app->screen<MainFrm>() != nullptr; }
    MenuSchool school;
};

TEST_F(LevelMenu, OpensWithTheStudentsColumnsAndThePointsRanking) {
    seisekitime1* m = open();
    saveMenuShot(m, QStringLiteral("menu_student_points"));
    saveMenuShot(m->List5[1], QStringLiteral("menu_points_zoom"), 3);
    EXPECT_EQ(m->windowTitle(), QStringLiteral("tomoshi"));
    EXPECT_EQ(m->Label11->text(), QStringLiteral("数読庵"));
    EXPECT_EQ(m->Label12->text(), QStringLiteral("小４ 山田　太郎"));
    EXPECT_EQ(m->Label13->text(), QStringLiteral("テスト塾:1"));
    EXPECT_EQ(m->Label17->text(), QStringLiteral("起動後2分"));
    EXPECT_EQ(m->Label18->text(), QStringLiteral("本日総回数＝1回"));
    EXPECT_EQ(app().state().round.todayRoundTotal, 1);

    EXPECT_EQ(m->Label3[1]->text(), QStringLiteral("ﾚﾍﾞﾙ1"));
    EXPECT_EQ(m->Label3[1]->toolTip(), QStringLiteral("ﾚﾍﾞﾙ1"));
    EXPECT_EQ(m->Command4[3]->text(), QStringLiteral("ｽﾀｰﾄ(&3)"));
    EXPECT_EQ(m->Label14[1]->text(), QStringLiteral("1回/5点"));
    EXPECT_EQ(m->Label15[1]->text(), QStringLiteral("1回/5点"));
    EXPECT_EQ(m->Label14[2]->text(), QStringLiteral("-----"));
    EXPECT_EQ(m->Label15[2]->text(), QStringLiteral("------"));
    EXPECT_EQ(m->Label8[1]->text(), QStringLiteral("最近7日=1回 / 5点"));
    EXPECT_EQ(m->Label7[2]->text(), QStringLiteral("目標=80秒 20回/300点(×1.5)"));
    EXPECT_EQ(m->Label9[1]->text(), QStringLiteral("今日"));
    EXPECT_EQ(m->Label10[1]->text(), QStringLiteral("今まで"));

    EXPECT_EQ(m->Label5->text(), QStringLiteral("獲得ポイント（今まで順位）"));
    EXPECT_EQ(m->Option1[1]->text(), QStringLiteral("累計順"));
    EXPECT_EQ(m->Option1[2]->text(), QStringLiteral("本日順"));
    EXPECT_EQ(m->Option1[3]->text(), QStringLiteral("オール表示"));
    EXPECT_TRUE(m->Option1[1]->isChecked());
    EXPECT_TRUE(m->Option2[1]->isChecked());
    EXPECT_EQ(MenuSchool::rows(m->List5[1]),
              (QStringList{QStringLiteral(" 1①佐藤　花子  0/   11"),
                           QStringLiteral(" 2●山田　太郎  5/    5"),
                           QStringLiteral(" 2Ⅰ川上　ゆう  5/    5"),
                           QStringLiteral(" 4　★田中先生  0/    0")}));
    EXPECT_TRUE(m->List5[1]->selectedItems().isEmpty());

    // The screen is released: overlays gone, keys on, every level usable, no teacher button.
    EXPECT_TRUE(m->Picture2->isHidden());
    EXPECT_TRUE(m->Picture6->isHidden());
    EXPECT_EQ(m->keysEnabled, 1);
    EXPECT_TRUE(m->Command1->isEnabled());
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(m->Command4[i]->isEnabled()) << i;
        EXPECT_TRUE(m->Text1[i]->isHidden()) << i;
        EXPECT_FALSE(m->List5[i]->isHidden()) << i;
    }
    EXPECT_TRUE(m->Command8->isHidden());
    EXPECT_TRUE(m->Command27->isHidden());
    EXPECT_TRUE(m->Combo2->isHidden());
    EXPECT_EQ(m->Combo1->currentText(), QStringLiteral("全学年"));
    EXPECT_EQ(m->Combo1->toolTip(), QStringLiteral("表示する学年を選びます"));
    EXPECT_EQ(m->listColour(1), kListInitial);

    // Four columns 3648 twips (243 px) wide, the first at 2 % of the window's width.
    EXPECT_EQ(m->List5[1]->geometry().left(), 20);
    EXPECT_EQ(m->List5[1]->width(), 243);
    EXPECT_EQ(m->List5[2]->geometry().left(), 264);
    EXPECT_TRUE(m->List5[0]->isHidden());
    EXPECT_EQ(m->findChild<QListWidget*>(QStringLiteral("List5_4")), m->List5[4]);
    // The window scales.
    m->resize(1536, 1152);
    EXPECT_EQ(m->List5[1]->width(), 365);
}

TEST_F(LevelMenu, TeachersSeeTheDataButton) {
    school.signIn(4);
    seisekitime1* m = open();
    saveMenuShot(m, QStringLiteral("menu_teacher"));
    EXPECT_FALSE(m->Command8->isHidden());
    EXPECT_EQ(m->Command8->text(), QStringLiteral("データ処理"));
    EXPECT_EQ(m->Label12->text(), QStringLiteral(" ★田中先生"));
}

TEST_F(LevelMenu, KeysStartOfferedLevelsOnly) {
    seisekitime1* m = open();
    for (const char* key : {"5", "6", "7", "8", "9", "a", "b", "c", "d", "A", "x"})
        QTest::keyClick(m, key[0]);
    EXPECT_FALSE(started());
    EXPECT_EQ(app().state().round.levelIndex, 0);
    EXPECT_EQ(m->keysEnabled, 1);
    QTest::keyClick(m->Combo1, '3'); // the form sees keys before the focused control
    EXPECT_EQ(app().state().round.levelIndex, 3);
    EXPECT_TRUE(started());
    EXPECT_EQ(app().screen<seisekitime1>(), nullptr) << "the drill unloads the menu";
}

TEST_F(LevelMenu, KeysDuringTheActivationDoNothing) {
    fillLevelTable(app().state().program);
    auto* m = app().load(new seisekitime1(app()));
    m->show();
    QCoreApplication::postEvent(
        m, new QKeyEvent(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1")));
    QCoreApplication::postEvent(
        m, new QKeyEvent(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0")));
    m->activateScreen();
    EXPECT_EQ(app().state().round.levelIndex, 0);
    EXPECT_FALSE(started());
    EXPECT_EQ(app().screen<seisekitime1>(), m);
    EXPECT_EQ(m->keysEnabled, 1);
}

TEST_F(LevelMenu, LevelNameStartsTheLevelAndBackGoesToTheNameScreen) {
    seisekitime1* m = open();
    QTest::mouseClick(m->Label3[2], Qt::LeftButton);
    EXPECT_EQ(app().state().round.levelIndex, 2);
    EXPECT_TRUE(started());

    MenuSchool other;
    seisekitime1* m2 = other.open();
    QTest::keyClick(m2, '0');
    EXPECT_NE(other.app->screen<namesel>(), nullptr);
    EXPECT_EQ(other.app->screen<seisekitime1>(), nullptr) << "the name screen unloads the menu";
}

TEST_F(LevelMenu, OverdoneLevelRefusesButtonNameAndKey) {
    // Level 2 allows 10 rounds a day; the student has played 10.
    std::vector<ResultRecord> rounds;
    for (int k = 0; k < 10; ++k)
        rounds.push_back(roundRecord(school.at(0, QTime(8, k)), 1, 2, 70));
    school.addRecords(rounds);
    seisekitime1* m = open();
    saveMenuShot(m, QStringLiteral("menu_blocked"));
    EXPECT_FALSE(m->Command4[2]->isEnabled());
    EXPECT_FALSE(m->Text1[2]->isHidden());
    EXPECT_EQ(m->Text1[2]->text(), QStringLiteral("やりすぎ禁止"));
    EXPECT_EQ(app().state().round.lastLevelPassed, 0);

    QTest::mouseClick(m->Command4[2], Qt::LeftButton);
    QTest::mouseClick(m->Label3[2], Qt::LeftButton);
    QTest::keyClick(m, '2');
    m->command4Click(2);
    m->label3Click(2);
    EXPECT_EQ(app().state().round.levelIndex, 0);
    EXPECT_FALSE(started());
    // Another display keeps the block.
    QTest::mouseClick(m->Option1[2], Qt::LeftButton);
    EXPECT_FALSE(m->Command4[2]->isEnabled());
    EXPECT_TRUE(m->Command4[3]->isEnabled());
    QTest::mouseClick(m->Command4[3], Qt::LeftButton);
    EXPECT_EQ(app().state().round.levelIndex, 3);
}

TEST_F(LevelMenu, DisplayOptionsCaptionsHeadingsAndLists) {
    school.addRecords({roundRecord(school.at(0, QTime(9, 40)), 3, 1, 70),
                       roundRecord(school.at(0, QTime(9, 45)), 2, 1, 99999)});
    seisekitime1* m = open();

    QTest::mouseClick(m->Option1[2], Qt::LeftButton);
    EXPECT_EQ(m->Label5->text(), QStringLiteral("獲得ポイント（今日の順位）"));
    EXPECT_EQ(MenuSchool::rows(m->List5[1]),
              (QStringList{QStringLiteral(" 1Ⅰ川上　ゆう  9/    9"),
                           QStringLiteral(" 2●山田　太郎  5/    5")}));
    EXPECT_TRUE(MenuSchool::rows(m->List5[4]).isEmpty()) << "nobody has points today";
    saveMenuShot(m, QStringLiteral("menu_today_points"));

    QTest::mouseClick(m->Option2[0], Qt::LeftButton);
    EXPECT_EQ(m->Option1[1]->text(), QStringLiteral("BEST表示"));
    EXPECT_EQ(m->Option1[2]->text(), QStringLiteral("本日のみ"));
    EXPECT_EQ(m->Option1[3]->text(), QStringLiteral("オール表示"));
    EXPECT_EQ(m->Label5->text(), QStringLiteral("本日の成績"));
    EXPECT_EQ(MenuSchool::rows(m->List5[1]),
              (QStringList{QStringLiteral("  45秒 09:05●山田　太郎●5"),
                           QStringLiteral("  50秒 09:30Ⅰ川上　ゆうⅠ5"),
                           QStringLiteral("  70秒 09:40Ⅰ川上　ゆうⅠ4"),
                           QStringLiteral("　　× 09:45①佐藤　花子①")}));
    EXPECT_EQ(m->listColour(1), kListLightGreen) << "the last timed round, 70 s";
    EXPECT_EQ(m->listColour(2), kListInitial);
    saveMenuShot(m, QStringLiteral("menu_today_list"));
    saveMenuShot(m->List5[1], QStringLiteral("menu_today_list_zoom"), 3);

    QTest::mouseClick(m->Option1[1], Qt::LeftButton);
    EXPECT_EQ(m->Label5->text(), QStringLiteral("ベスト成績"));
    EXPECT_EQ(MenuSchool::rows(m->List5[1]).first(), QStringLiteral(" 1①佐藤　花子    30 　"));
    EXPECT_EQ(m->listColour(1), kListLightGreen) << "rankings keep the colour";
    saveMenuShot(m, QStringLiteral("menu_best_times"));

    QTest::mouseClick(m->Option1[3], Qt::LeftButton);
    EXPECT_EQ(m->Label5->text(), QString());
    EXPECT_FALSE(m->Combo2->isHidden());
    EXPECT_EQ(m->Combo2->currentText(), QStringLiteral("　　１ヶ月間の全成績"));
    EXPECT_EQ(m->periodDays, 30);
    EXPECT_EQ(MenuSchool::rows(m->List5[1]).size(), 5);
    EXPECT_EQ(MenuSchool::rows(m->List5[1]).at(1), QStringLiteral("  30秒 12/10①佐藤　花子①11"));
    saveMenuShot(m, QStringLiteral("menu_period_times"));

    QTest::mouseClick(m->Option2[1], Qt::LeftButton);
    EXPECT_EQ(m->Option1[1]->text(), QStringLiteral("合計累計"));
    EXPECT_EQ(m->Option1[2]->text(), QStringLiteral("合計本日"));
    EXPECT_EQ(m->Option1[3]->text(), QStringLiteral("すべて"));
    EXPECT_EQ(MenuSchool::rows(m->List5[1]).at(1), QStringLiteral("   11 12/10①佐藤　花子①30秒"));
    EXPECT_FALSE(m->Combo2->isHidden());
    saveMenuShot(m, QStringLiteral("menu_period_points"));

    m->Combo2->setCurrentIndex(4);
    emit m->Combo2->activated(4);
    EXPECT_EQ(m->allResultsPeriod, 5);
    EXPECT_EQ(m->periodDays, 3650);

    QTest::mouseClick(m->Option2[0], Qt::LeftButton);
    EXPECT_EQ(m->Option1[3]->text(), QStringLiteral("すべて")) << "keeps its points caption";
    QTest::mouseClick(m->Option1[1], Qt::LeftButton);
    EXPECT_TRUE(m->Combo2->isHidden());
    emit m->Combo2->activated(0); // only the all-results list listens
    EXPECT_EQ(m->allResultsPeriod, 5);

    // Every choice ends with the screen released.
    EXPECT_TRUE(m->Picture6->isHidden());
    EXPECT_TRUE(m->Picture1->isEnabled());
    EXPECT_TRUE(m->Command1->isEnabled());
    EXPECT_TRUE(m->Command4[1]->isEnabled());
}

TEST_F(LevelMenu, PersonalTimesAndTheStudentList) {
    school.addRecords({roundRecord(school.at(2, QTime(16, 20, 5)), 1, 3, 99999),
                       roundRecord(school.at(0, QTime(9, 50, 0)), 2, 3, 80)});
    seisekitime1* m = open();
    QTest::mouseClick(m->Option2[2], Qt::LeftButton);
    saveMenuShot(m, QStringLiteral("menu_personal"));
    EXPECT_EQ(m->Label5->text(), QStringLiteral("個人別ﾀｲﾑ"));
    EXPECT_FALSE(m->Command17->isHidden());
    EXPECT_EQ(m->Command17->text(), QStringLiteral("グラフ"));
    EXPECT_EQ(MenuSchool::rows(m->List5[1]),
              (QStringList{QStringLiteral("2026/12/11 9:05:00  45秒")}));
    EXPECT_EQ(MenuSchool::rows(m->List5[3]),
              (QStringList{QStringLiteral("2026/12/09 16:20:05    ×")}));
    EXPECT_EQ(m->periodDays, 3650);
    EXPECT_EQ(MenuSchool::rows(m->List3), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(
        MenuSchool::rows(m->List2),
        (QStringList{QStringLiteral("小４ /  山田　太郎/1"), QStringLiteral("小１ /  佐藤　花子/2"),
                     QStringLiteral("中１ /  川上　ゆう/3"), QStringLiteral(" /  ★田中先生/4")}));
    EXPECT_EQ(app().state().roster.studentNames[5], QStringLiteral("休み中"));
    EXPECT_EQ(m->reportStudent, 1);
    EXPECT_TRUE(m->Picture6->isHidden());
    EXPECT_TRUE(m->Command1->isEnabled());
    EXPECT_TRUE(m->Command4[1]->isEnabled());

    // Any other choice hides the graph button again.
    QTest::mouseClick(m->Option2[1], Qt::LeftButton);
    EXPECT_TRUE(m->Command17->isHidden());
}

TEST_F(LevelMenu, GradeFilterThatHidesEveryone) {
    seisekitime1* m = open();
    m->Combo1->setCurrentText(QStringLiteral("小２"));
    emit m->Combo1->activated(m->Combo1->currentIndex());
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(m->List5[i]->count(), 0) << i;
    EXPECT_TRUE(m->Command4[1]->hasFocus() || !m->isActiveWindow());
    m->Combo1->setCurrentText(QStringLiteral("中学生全体"));
    emit m->Combo1->activated(m->Combo1->currentIndex());
    EXPECT_EQ(MenuSchool::rows(m->List5[1]),
              (QStringList{QStringLiteral(" 2Ⅰ川上　ゆう  5/    5")}));
}

TEST(LevelMenuLarge, RosterOfFiveThousandStudents) {
    QString roster;
    for (int n = 1; n <= 5000; ++n)
        roster += QStringLiteral("%1,%2,0,0,\"生徒%1\",0,\"\",\"\"\n").arg(n).arg(2014 + n % 6);
    MenuSchool school(roster);
    std::vector<ResultRecord> records;
    for (int n = 1; n <= 5000; n += 2)
        records.push_back(roundRecord(school.at(1, QTime(15, 0)), n, 1, 20 + n % 90));
    school.addRecords(records);
    school.signIn(4001);
    seisekitime1* m = school.open();
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->List5[1]->count(), 5000);
    // The current student's neighbourhood is in view, with no row selected.
    int row = -1;
    for (int i = 0; i < m->List5[1]->count(); ++i)
        if (m->List5[1]->item(i)->text().contains(QStringLiteral("●")))
            row = i;
    ASSERT_GT(row, 100);
    const int top = m->List5[1]->indexAt(QPoint(2, 2)).row();
    EXPECT_EQ(top, row - 1);
    EXPECT_TRUE(m->List5[1]->selectedItems().isEmpty());
    saveMenuShot(m, QStringLiteral("menu_5000"));
}

} // namespace
