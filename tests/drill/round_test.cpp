// Round rules without a window: the clock, the judging of typed answers, the status counts and
// the end-of-round texts and decisions.
#include "drill/round.h"
#include "drill/roundresult.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundClock, ElapsedSecondsComeFromTheTickHalvesToEven) {
    EXPECT_EQ(elapsedSeconds(1000, 1000), 0);
    EXPECT_EQ(elapsedSeconds(1000, 1499), 0);
    EXPECT_EQ(elapsedSeconds(1000, 1500), 0); // 0.5 goes to the even 0
    EXPECT_EQ(elapsedSeconds(1000, 2500), 2); // 1.5 goes to 2
    EXPECT_EQ(elapsedSeconds(1000, 451000), 450);
}

TEST(RoundClock, MinutesSinceSignInAcrossMidnight) {
    EXPECT_EQ(minutesSinceSignIn(36000 + 125, 36000), 2);
    // Signed in at 23:50, now 00:05: fifteen minutes, not a negative count.
    EXPECT_EQ(minutesSinceSignIn(5 * 60, 23 * 3600 + 50 * 60), 15);
}

TEST(RoundLimits, TimeLimitAndLevelsThatCannotStart) {
    ProgramState p;
    p.minimumTime[1] = 90;
    p.minimumTime[2] = 0;
    p.minimumTime[5] = 90;
    EXPECT_EQ(timeLimitFor(p, 1), 450);
    EXPECT_TRUE(levelCanBeStarted(p, 1));
    EXPECT_FALSE(levelCanBeStarted(p, 2)) << "no lowest pass line, no time limit";
    EXPECT_FALSE(levelCanBeStarted(p, 5)) << "no problems beyond level 4";
    EXPECT_FALSE(levelCanBeStarted(p, 0));
}

TEST(Judging, TheLeadingNumberOfTheTypedTextCounts) {
    struct Case {
        const char* typed;
        std::uint64_t problem;
        bool correct;
        const char* reading;
    };
    const Case cases[] = {
        {"30200000", 30200000, true, "三千二十万"},
        {" 12", 12, true, "十二"}, // the blank left of a sequence entry
        {"12a", 12, true, "十二"}, // letters after the number are ignored
        {"1 2", 12, true, "十二"}, // blanks inside are ignored
        {"a12", 12, false, "零"},  // no leading number reads as 0
        {"", 1000, false, "零"},
        {"-5", 5, false, "零"},
        {"1.5", 1, false, "一"},
        {"1e4", 10000, true, "一万"}, // a number with an exponent
        {"123456789012345", 12345678901234, false,
         "百二十三兆四千五百六十七億八千九百一万二千三百四十五"},
        {"12345678901234", 12345678901234, true,
         "十二兆三千四百五十六億七千八百九十万千二百三十四"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(answerIsCorrect(QString::fromUtf8(c.typed), c.problem), c.correct) << c.typed;
        EXPECT_EQ(typedReading(QString::fromUtf8(c.typed)), QString::fromUtf8(c.reading))
            << c.typed;
    }
}

TEST(Judging, ResetForANewRound) {
    RoundState r;
    r.roundComplete = r.roundEnded = r.judgeBusy = r.roundOutcome = 1;
    r.answeredCount = 7;
    resetRoundForStart(r);
    EXPECT_EQ(r.roundComplete + r.roundEnded + r.judgeBusy + r.roundOutcome, 0);
    EXPECT_EQ(r.answeredCount, 0);
}

TEST(EndOfRound, BasePointsAndTheirLine) {
    struct Case {
        int target, time, base;
    };
    const Case cases[] = {{60, 0, 55},     {60, 30, 11},   {60, 45, 5},    {60, 60, 5},
                          {60, 61, 4},     {60, 119, 4},   {60, 120, 1},   {60, 599, 1},
                          {60, 600, 0},    {60, 99999, 0}, {60, 99998, 0}, {0, 0, 0},
                          {2000, 1000, 11}}; // the whole time, not its first three digits
    for (const Case& c : cases)
        EXPECT_EQ(roundBasePoints(c.target, c.time), c.base) << c.target << " " << c.time;
    EXPECT_EQ(roundEarnedPoints(2.0f, 5), 10);
    EXPECT_EQ(roundEarnedPoints(1.5f, 11), 16);
    EXPECT_EQ(pointsLine(5, 2.0f, 10), QStringLiteral("獲得ポイント：5点×2→10点"));
    EXPECT_EQ(pointsLine(11, 1.5f, 16), QStringLiteral("獲得ポイント：11点×1.5→16点"));
    EXPECT_EQ(roundTimeLine(45), QStringLiteral("今の成績：45秒"));
    EXPECT_EQ(roundTimeLine(99999), QStringLiteral("記録なし"));
    EXPECT_EQ(levelCountLine(3), QStringLiteral(" (このレベル　3回目)"));
    EXPECT_EQ(totalCountLine(7), QStringLiteral("（7回目)"));
}

TEST(EndOfRound, RecordMessageFirstMatchWins) {
    struct Case {
        int outcome, levelBest, personalBest, time;
        RecordMessage message;
    };
    const Case cases[] = {
        {1, 1, 1, 99999, RecordMessage::TimeOut},
        {0, 1, 1, 50, RecordMessage::LevelBest},
        {0, 0, 1, 50, RecordMessage::PersonalBest},
        {0, 0, 0, 90, RecordMessage::GoodTime}, // exactly the lowest pass line
        {0, 0, 0, 91, RecordMessage::None},
    };
    for (const Case& c : cases) {
        RoundState r;
        ResultsTables t;
        r.roundOutcome = static_cast<std::int16_t>(c.outcome);
        r.roundTime = c.time;
        t.newLevelBest = static_cast<std::int16_t>(c.levelBest);
        t.newPersonalBest = static_cast<std::int16_t>(c.personalBest);
        EXPECT_EQ(chooseRecordMessage(r, t, 90), c.message) << c.time;
    }
    EXPECT_EQ(recordMessageText(RecordMessage::LevelBest),
              QStringLiteral("！！！最高新記録！！！"));
    EXPECT_EQ(recordMessageText(RecordMessage::PersonalBest), QStringLiteral("新記録おめでとう"));
    EXPECT_EQ(recordMessageText(RecordMessage::TimeOut), QStringLiteral("時間切れ"));
}

TEST(EndOfRound, AgainButtonAndTheLastLevelBanner) {
    EXPECT_EQ(decideAgainButton(false, true, false, false), AgainButton::Show);
    EXPECT_EQ(decideAgainButton(true, false, false, false), AgainButton::Show);
    EXPECT_EQ(decideAgainButton(true, true, true, false), AgainButton::ShowAndClearPassLabel);
    EXPECT_EQ(decideAgainButton(true, true, false, false), AgainButton::SuggestNextLevel);
    EXPECT_EQ(decideAgainButton(true, true, false, true), AgainButton::Show);
    ProgramState p;
    EXPECT_TRUE(lastLevelBannerAllowed(p));
    p.clearCount[17] = 9999;
    EXPECT_FALSE(lastLevelBannerAllowed(p));
}

TEST(StatusCounts, TodayRoundsOverLevels) {
    ResultsTables t;
    t.countToday(1, 1) = 2;
    t.countToday(1, 4) = 3;
    t.countToday(1, 16) = 5;
    EXPECT_EQ(todayRoundsOverLevels(t, 1, 1, 15), 5);
    EXPECT_EQ(todayRoundsOverLevels(t, 1, 1, 35), 10);
    EXPECT_EQ(todayRoundsOverLevels(t, 1, 4, 4), 3);
}

} // namespace
