// The end-of-round screen after a recorded round: texts, record and pass messages with their
// cues, the closing step and the overdo rule for "もう一度".
#include "drillfixture.h"
#include "results/frmsyuuryou.h"
#include "results/resultsfile.h"

#include <QTest>

namespace {

// Criteria: level 1 target 60 / lowest 90 and rate 2; level 2 cleared by one round of 1 point
// and overdone after one round; level 4 (the last) cleared by one round.
SchoolOptions
endOfRoundSchool(const QString& level3 = QStringLiteral("100,150,300,20,2,0,3000,14,2")) {
    SchoolOptions o;
    o.criteria =
        QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n"
                       "60,90,300,20,2,0,0,7,1,,,\n"
                       "80,120,1,1,1.5,1,0,7,1,,,\n") +
        level3 + QStringLiteral(",,,\n150,220,1,1,3,0,0,30,1,,,\n");
    return o;
}

class EndOfRound : public ::testing::Test {
protected:
    void SetUp() override { school = std::make_unique<DrillSchool>(endOfRoundSchool()); }
    App& app() { return *school->app; }
    // What the drill does at the end of a round, then the screen's activation.
    FrmSyuuryou* finishRound(int level, std::int32_t time, int outcome = 0) {
        RoundState& r = app().state().round;
        r.levelIndex = static_cast<std::int16_t>(level);
        r.roundTime = time;
        r.roundOutcome = static_cast<std::int16_t>(outcome);
        recordRound(app().state(), *school->clock);
        app().showWaitScreen();
        app().showEndOfRound();
        auto* end = app().screen<FrmSyuuryou>();
        if (end)
            end->resize(1024, 768);
        return end;
    }
    QStringList cuesPlayed() {
        QStringList names;
        for (const QString& p : school->audio->played)
            names.append(p.mid(school->soundFolder().size()));
        return names;
    }
    std::unique_ptr<DrillSchool> school;
};

TEST_F(EndOfRound, PointsLineUsesTheRoundsOwnTimeAndTheRate) {
    app().state().results.levelBestTime[1] = 10; // not a level record
    app().state().results.bestTime(1, 1) = 20;   // nor a personal one
    FrmSyuuryou* end = finishRound(1, 45);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->Label18->text(), QStringLiteral("今の成績：45秒"));
    EXPECT_EQ(end->Label19->text(), QStringLiteral("獲得ポイント：5点×2→10点"));
    EXPECT_FALSE(end->Label20->isVisible());
    // 45 s is within the lowest pass line of 90 s: the good-time cue, without a message.
    EXPECT_EQ(cuesPlayed(), QStringList{QStringLiteral("yoku.wav")});
    EXPECT_FALSE(end->Label2->isVisible());
}

TEST_F(EndOfRound, PersonalRecordWithoutLevelRecord) {
    app().state().results.levelBestTime[1] = 10;
    FrmSyuuryou* end = finishRound(1, 95);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->Label20->text(), QStringLiteral("新記録おめでとう"));
    EXPECT_EQ(cuesPlayed(), QStringList{QStringLiteral("jiko.wav")});
    EXPECT_EQ(app().state().results.newPersonalBest, 0) << "the flags are reset after use";
}

TEST_F(EndOfRound, SlowRoundWithoutRecordIsSilent) {
    app().state().results.levelBestTime[1] = 10;
    app().state().results.bestTime(1, 1) = 20;
    FrmSyuuryou* end = finishRound(1, 91);
    ASSERT_NE(end, nullptr);
    EXPECT_TRUE(cuesPlayed().isEmpty());
    EXPECT_FALSE(end->Label20->isVisible());
}

TEST_F(EndOfRound, PassingTheLastLevelForTheFirstTime) {
    FrmSyuuryou* end = finishRound(4, 100);
    ASSERT_NE(end, nullptr);
    EXPECT_TRUE(end->Label2->isVisible());
    EXPECT_EQ(end->Label2->text(), QStringLiteral("このレベルクリア"));
    EXPECT_TRUE(end->Picture1->isVisible());
    EXPECT_EQ(cuesPlayed(), (QStringList{QStringLiteral("最高1.wav"), QStringLiteral("合格.wav")}));
    saveShot(end, QStringLiteral("end_of_round_last_level_passed"));
    end->timer1Tick();
    EXPECT_FALSE(end->Picture1->isVisible());
    EXPECT_TRUE(end->Command4->isVisible());
    EXPECT_TRUE(end->Command5->isVisible());
    EXPECT_FALSE(end->Timer1->isActive());
}

TEST_F(EndOfRound, PassingTheLastLevelAgainPlaysNoPassCue) {
    finishRound(4, 100);
    app().screen<FrmSyuuryou>()->command4Click();
    school->audio->played.clear();
    // computeStatistics ran at the end of the first round, so it counts as cleared before.
    FrmSyuuryou* end = finishRound(4, 120);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(app().state().results.clearedBefore, 1);
    EXPECT_FALSE(cuesPlayed().contains(QStringLiteral("合格.wav")));
}

TEST_F(EndOfRound, OverdonePassedLevelSuggestsTheNextOne) {
    FrmSyuuryou* end = finishRound(2, 70);
    ASSERT_NE(end, nullptr);
    end->timer1Tick();
    EXPECT_EQ(end->Label2->text(), QStringLiteral("次のレベルへ進みましょう"));
    EXPECT_TRUE(end->Label2->isVisible());
    EXPECT_FALSE(end->Command5->isVisible());
    EXPECT_TRUE(end->Command4->isVisible());
    saveShot(end, QStringLiteral("end_of_round_move_on"));
}

TEST_F(EndOfRound, OverdoneLevelOffersAgainOnceTheLastLevelIsPassed) {
    app().state().round.lastLevelPassed = 1;
    FrmSyuuryou* end = finishRound(2, 70);
    ASSERT_NE(end, nullptr);
    end->timer1Tick();
    EXPECT_TRUE(end->Command5->isVisible());
}

TEST_F(EndOfRound, ALevelWithClearCount9999HidesTheLastLevelBanner) {
    school = std::make_unique<DrillSchool>(
        endOfRoundSchool(QStringLiteral("100,150,300,9999,2,0,3000,14,2")));
    FrmSyuuryou* end = finishRound(4, 100);
    ASSERT_NE(end, nullptr);
    EXPECT_TRUE(end->Label2->isVisible());
    EXPECT_FALSE(end->Picture1->isVisible());
}

TEST_F(EndOfRound, FailingEndOfRoundCuesNeverEndTheProgram) {
    school->audio->failAll = true;
    app().state().sound.soundRetry = 3;
    FrmSyuuryou* end = finishRound(4, 100); // level record and pass cue, both failing
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(cuesPlayed().size(), 2);
    EXPECT_FALSE(app().finished());
    EXPECT_TRUE(school->messages->log.isEmpty());
    EXPECT_EQ(app().state().sound.soundRetry, 3);
}

TEST_F(EndOfRound, TodaysCountsIncludeTheRoundJustPlayed) {
    finishRound(1, 200);
    app().screen<FrmSyuuryou>()->command4Click();
    FrmSyuuryou* end = finishRound(2, 70);
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->Label13->text(), QStringLiteral(" (このレベル　1回目)"));
    EXPECT_EQ(end->Label14->text(), QStringLiteral("（2回目)"));
    EXPECT_EQ(app().state().round.todayRoundTotal, 2);
}

TEST_F(EndOfRound, MenuButtonLeavesForTheLevelMenu) {
    FrmSyuuryou* end = finishRound(1, 200);
    ASSERT_NE(end, nullptr);
    end->timer1Tick();
    QTest::mouseClick(end->Command4, Qt::LeftButton);
    EXPECT_EQ(app().screen<FrmSyuuryou>(), nullptr);
    EXPECT_FALSE(app().finished());
}

} // namespace
