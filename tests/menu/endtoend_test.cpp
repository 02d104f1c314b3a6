// The whole student path: splash, name screen, confirming a name, the level menu, key "1", a
// round played by keys, "メニューへ" and the menu again with the round in its counts and lists;
// and a level blocked by the overdo rule refusing button, name and key.
#include "drill/mainfrm.h"
#include "menufixture.h"
#include "results/frmsyuuryou.h"
#include "roster/namesel.h"
#include "startup/basefrm.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// While the wait screen stands after the last answer, the fake clock moves on so the one-second
// wait ends without real waiting.
class WaitTicker {
public:
    explicit WaitTicker(MenuSchool& school) {
        QObject::connect(&timer_, &QTimer::timeout, [&school] {
            if (school.app->screen<BASEFRM>())
                school.clock->advanceMs(7);
        });
        timer_.start(0);
    }

private:
    QTimer timer_;
};

int rowOf(QListWidget* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().contains(text))
            return i;
    return -1;
}

// Splash, then the name screen, then the named student confirmed by double click.
seisekitime1* signInThroughTheScreens(MenuSchool& school, const QString& name) {
    App& app = *school.app;
    app.start();
    if (!QTest::qWaitFor([&] { return app.screen<namesel>() != nullptr; }, 5000))
        return nullptr;
    namesel* names = app.screen<namesel>();
    const int row = rowOf(names->List1, name);
    if (row < 0)
        return nullptr;
    names->list1DblClick(row);
    return app.screen<seisekitime1>();
}

// Plays the round that the drill shows, in sequence mode, three seconds a problem.
void playRound(MenuSchool& school) {
    MainFrm* d = school.app->screen<MainFrm>();
    ASSERT_NE(d, nullptr);
    QTest::keyClick(d, Qt::Key_Down); // sequence mode
    std::optional<WaitTicker> ticker;
    for (int problem = 1; problem <= 10; ++problem) {
        for (int s = 0; s < 3; ++s) {
            school.clock->advanceMs(1000);
            d->sTimer1Tick();
        }
        for (QChar c : QString::number(d->problemValue()))
            QTest::keyClick(d, c.toLatin1());
        if (problem == 10)
            ticker.emplace(school);
        QTest::keyClick(d, Qt::Key_Return);
    }
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return school.app->screen<FrmSyuuryou>() != nullptr; }, 5000));
}

TEST(EndToEnd, StudentPlaysLevelOneByKeyAndFindsTheRoundInTheMenu) {
    MenuSchool school;
    school.app->state().student = {};
    school.addRecords({roundRecord(school.at(1, QTime(9, 0)), 2, 1, 20)});
    App& app = *school.app;
    seisekitime1* menu = signInThroughTheScreens(school, QStringLiteral("山田"));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(app.screen<namesel>(), nullptr) << "the menu unloads the name screen";
    EXPECT_EQ(app.state().student.studentNumber, 1);
    EXPECT_EQ(menu->Label14[1]->text(), QStringLiteral("-----"));

    QTest::keyClick(menu, '1');
    EXPECT_EQ(app.state().round.levelIndex, 1);
    playRound(school);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.state().round.roundTime, 30);

    FrmSyuuryou* end = app.screen<FrmSyuuryou>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !end->Command4->isHidden(); }, 5000));
    QTest::mouseClick(end->Command4, Qt::LeftButton); // "メニューへ"
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    menu = app.screen<seisekitime1>();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(app.screen<FrmSyuuryou>(), nullptr);
    saveMenuShot(menu, QStringLiteral("menu_after_round"));

    // Target 60 s, 30 s: Int(0.5³ × 50 + 5) = 11 points.
    EXPECT_EQ(menu->Label14[1]->text(), QStringLiteral("1回/11点"));
    EXPECT_EQ(menu->Label15[1]->text(), QStringLiteral("1回/11点"));
    EXPECT_EQ(menu->Label8[1]->text(), QStringLiteral("最近7日=1回 / 11点"));
    EXPECT_EQ(menu->Label18->text(), QStringLiteral("本日総回数＝1回"));
    EXPECT_EQ(MenuSchool::rows(menu->List5[1]).mid(0, 2),
              (QStringList{QStringLiteral(" 1①佐藤　花子  0/   19"),
                           QStringLiteral(" 2●山田　太郎 11/   11")}));

    QTest::mouseClick(menu->Option2[0], Qt::LeftButton);
    QTest::mouseClick(menu->Option1[2], Qt::LeftButton);
    EXPECT_EQ(MenuSchool::rows(menu->List5[1]),
              (QStringList{QStringLiteral("  30秒 10:00●山田　太郎●11")}));
    EXPECT_EQ(menu->listColour(1), kListGreen);
    QTest::mouseClick(menu->Option1[1], Qt::LeftButton);
    EXPECT_EQ(MenuSchool::rows(menu->List5[1]).mid(0, 2),
              (QStringList{QStringLiteral(" 1①佐藤　花子    20 　"),
                           QStringLiteral(" 2●山田　太郎    30 ●")}));
}

TEST(EndToEnd, OverdoneLevelIsRefusedByButtonNameAndKeyAfterSigningIn) {
    MenuSchool school;
    std::vector<ResultRecord> rounds;
    for (int k = 0; k < 10; ++k)
        rounds.push_back(roundRecord(school.at(0, QTime(8, k)), 1, 2, 70));
    school.addRecords(rounds);
    App& app = *school.app;
    seisekitime1* menu = signInThroughTheScreens(school, QStringLiteral("山田"));
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->Text1[2]->isHidden());
    QTest::mouseClick(menu->Command4[2], Qt::LeftButton);
    QTest::mouseClick(menu->Label3[2], Qt::LeftButton);
    QTest::keyClick(menu, '2');
    EXPECT_EQ(app.screen<MainFrm>(), nullptr);
    EXPECT_EQ(app.state().round.levelIndex, 0);
    EXPECT_EQ(app.screen<seisekitime1>(), menu);
    QTest::keyClick(menu, '4');
    EXPECT_EQ(app.state().round.levelIndex, 4);
    EXPECT_NE(app.screen<MainFrm>(), nullptr);
}

} // namespace
