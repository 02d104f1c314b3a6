// The drill screen driven by keys and clicks on a temporary school: whole rounds end to end,
// the time limit, the keys that must do nothing, the clock and the sound failure message.
#include "drill/kanji.h"
#include "drill/mainfrm.h"
#include "drillfixture.h"
#include "results/frmsyuuryou.h"
#include "startup/basefrm.h"
#include "text/dateserial.h"
#include "text/numparse.h"

#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <optional>
#include <random>

namespace {

// Moves the fake clock while the wait screen stands, so the one-second wait after a round ends
// without real waiting; the record itself is written before the clock moves.
class WaitTicker {
public:
    WaitTicker(DrillSchool& school, std::function<void()> onFirstWait = {}) {
        QObject::connect(&timer_, &QTimer::timeout, [&school, this, onFirstWait] {
            if (!school.app->screen<BASEFRM>())
                return;
            if (!seen_ && onFirstWait)
                onFirstWait();
            seen_ = true;
            school.clock->advanceMs(7);
        });
        timer_.start(0);
    }

private:
    QTimer timer_;
    bool seen_ = false;
};

class DrillScreen : public ::testing::Test {
protected:
    void SetUp() override {
        school = std::make_unique<DrillSchool>();
        std::mt19937 gen(20261211);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < 400; ++i)
            school->random->values.push_back(uniform(gen));
    }
    App& app() { return *school->app; }
    RoundState& round() { return app().state().round; }
    MainFrm* drill() { return app().screen<MainFrm>(); }

    MainFrm* start(int level) {
        round().levelIndex = static_cast<std::int16_t>(level);
        app().startDrill();
        MainFrm* d = drill();
        if (d)
            d->resize(1024, 768);
        return d;
    }
    // One second of the round: the clocks move, then the one-second tick runs.
    void seconds(int n) {
        for (int i = 0; i < n; ++i) {
            school->clock->advanceMs(1000);
            drill()->sTimer1Tick();
        }
    }
    void key(Qt::Key k) { QTest::keyClick(drill(), k); }
    void type(const QString& text) {
        for (QChar c : text)
            QTest::keyClick(drill(), c.toLatin1());
    }
    // Position mode as a child types it: walk the arrow to each non-zero digit, type it, and let
    // the board fill the zeros.
    void typeByPosition(std::uint64_t value) {
        const QString digits = QString::number(value);
        const auto n = static_cast<int>(digits.size());
        for (int i = 0; i < n; ++i) {
            if (digits[i] == u'0')
                continue;
            const int place = n - i;
            while (drill()->board().cursorPlace() < place)
                key(Qt::Key_Left);
            while (drill()->board().cursorPlace() > place)
                key(Qt::Key_Right);
            type(digits.mid(i, 1));
        }
    }
    void typeInSequence(std::uint64_t value) { type(QString::number(value)); }
    QString cellsText() {
        QString s;
        for (int i = 15; i >= 1; --i)
            s += drill()->Label3[i]->text();
        return s;
    }

    std::unique_ptr<DrillSchool> school;
};

QByteArray expectedRecord(const QDateTime& when, std::int16_t student, std::int16_t level,
                          std::int32_t time, const QByteArray& site) {
    QByteArray b;
    auto put = [&b](auto v) {
        const auto le = qToLittleEndian(v);
        b.append(reinterpret_cast<const char*>(&le), sizeof le);
    };
    put(static_cast<double>(QDate(1899, 12, 30).daysTo(when.date())));
    put(static_cast<double>(when.time().msecsSinceStartOfDay() / 1000) / 86400.0);
    put(student);
    put(level);
    put(time);
    b += site.leftJustified(5, ' ', true);
    b += QByteArray(5, ' ');
    b += QByteArray("0    ");
    b += QByteArray(5, '\0');
    return b;
}

TEST_F(DrillScreen, StartShowsTheStatusAreaAndAFirstProblem) {
    MainFrm* d = start(1);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), QStringLiteral("数読庵"));
    EXPECT_EQ(d->sLabel2->text(), QStringLiteral("数読庵"));
    EXPECT_EQ(d->sLabel14->text(), app().state().installation.siteTitle);
    EXPECT_EQ(d->sLabel8->text(), QStringLiteral("ﾚﾍﾞﾙ1"));
    EXPECT_EQ(d->sLabel7->text(), QStringLiteral("山田　太郎"));
    EXPECT_EQ(d->sLabel9->text(), QStringLiteral("10"));
    EXPECT_EQ(d->sLabel10->text(), QStringLiteral("0"));
    EXPECT_EQ(d->sLabel13->text(), QStringLiteral("2"));
    EXPECT_EQ(d->sLabel12->text(), QStringLiteral("1"));
    EXPECT_EQ(d->sLabel11->text(), QStringLiteral("1"));
    EXPECT_EQ(round().timeLimit, 450);
    EXPECT_TRUE(d->sTimer1->isActive());
    const int digits = static_cast<int>(QString::number(d->problemValue()).size());
    EXPECT_GE(digits, 4);
    EXPECT_LE(digits, 6);
    EXPECT_EQ(d->qLabel1->text(), renderKanji(d->problemValue()));
    EXPECT_FALSE(d->qLabel2->isVisible());
    EXPECT_TRUE(d->Label9->isVisible());
    EXPECT_EQ(d->Label9->text(), QStringLiteral("← →で入力位置を決め、数字を入力しなさい"));
    EXPECT_TRUE(d->Label7[1]->isVisible());
    EXPECT_TRUE(d->Label5[5]->isVisible());
    EXPECT_EQ(d->Label5[5]->text(), QStringLiteral("万"));
    EXPECT_FALSE(d->Label3[16]->isVisible());
    EXPECT_TRUE(d->Label3[6]->styleSheet().contains(QStringLiteral("#80FFFF")));
    EXPECT_FALSE(school->random->seeds.empty()) << "the screen's load seeds the random source";
    // The time bar: the marks of the pass standard and the lowest line stand for 60 and 90 s
    // of a 450-second bar.
    const double scale = round().barScale;
    EXPECT_NEAR(scale * 450, 992, 1e-9);
    saveShot(d, QStringLiteral("drill_level1"));
}

TEST_F(DrillScreen, WholeRoundByKeysIsRecordedAndShownAtTheEnd) {
    MainFrm* d = start(1);
    ASSERT_NE(d, nullptr);
    const QString sound = school->soundFolder();

    // A wrong first answer: the reading of what was typed, the "+" prompt, no count change.
    seconds(1);
    type(QStringLiteral("7"));
    key(Qt::Key_Return);
    EXPECT_EQ(d->qLabel2->text(), QStringLiteral("七"));
    EXPECT_TRUE(d->qLabel2->isVisible());
    EXPECT_TRUE(d->Label2->isVisible());
    EXPECT_TRUE(d->Commandkakunin2->isVisible());
    EXPECT_FALSE(d->Label9->isVisible());
    EXPECT_EQ(round().answeredCount, 0);
    EXPECT_EQ(d->sLabel9->text(), QStringLiteral("10"));
    EXPECT_EQ(school->audio->played.last(), sound + QStringLiteral("bubu.wav"));
    // Locked: digits, Enter, arrows, mode keys, clicks and "クリア" do nothing until "+".
    const QString locked = cellsText();
    type(QStringLiteral("5"));
    key(Qt::Key_Return);
    key(Qt::Key_Left);
    key(Qt::Key_Down);
    QTest::mouseClick(d->Label3[4], Qt::LeftButton);
    QTest::mouseClick(d->Label8[1], Qt::LeftButton);
    QTest::mouseClick(d->Label10, Qt::LeftButton);
    EXPECT_EQ(cellsText(), locked);
    EXPECT_EQ(d->board().inputMode(), AnswerBoard::kPositionMode);
    EXPECT_EQ(school->audio->played.size(), 1);
    type(QStringLiteral("+"));
    EXPECT_EQ(cellsText(), QString());
    EXPECT_FALSE(d->qLabel2->isVisible());
    EXPECT_FALSE(d->Commandkakunin2->isVisible());
    EXPECT_TRUE(d->Label9->isVisible());
    seconds(1);

    std::optional<WaitTicker> ticker;
    for (int problem = 1; problem <= 10; ++problem) {
        seconds(3);
        const std::uint64_t value = d->problemValue();
        EXPECT_EQ(d->Label5[9]->isVisible(), problem <= 4) << problem;
        EXPECT_EQ(d->Label3[10]->styleSheet().contains(QStringLiteral("#00FFFF")), problem <= 7)
            << problem;
        if (problem == 5) {
            key(Qt::Key_Down); // sequence mode from here
            EXPECT_EQ(d->Label9->text(), QStringLiteral("順に数字を押しなさい"));
            EXPECT_FALSE(d->Label7[1]->isVisible());
        }
        if (problem == 8) {
            QTest::mouseClick(d->Label8[0], Qt::LeftButton); // back to position mode
            EXPECT_TRUE(d->Label7[1]->isVisible());
        }
        if (d->board().inputMode() == AnswerBoard::kSequenceMode)
            typeInSequence(value);
        else
            typeByPosition(value);
        ASSERT_EQ(leadingNumber(d->board().answerText()), static_cast<double>(value)) << problem;
        if (problem == 10)
            ticker.emplace(*school);
        key(Qt::Key_Return);
        if (problem < 10) {
            EXPECT_EQ(round().answeredCount, problem);
            EXPECT_EQ(d->sLabel9->text(), QString::number(10 - problem));
            EXPECT_EQ(cellsText(), QString());
            EXPECT_EQ(school->audio->played.last(), sound + QStringLiteral("seikai.wav"));
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // 2 s around the wrong answer and 3 s for each of the ten problems.
    EXPECT_EQ(round().roundTime, 32);
    EXPECT_EQ(app().state().installation.siteCode, QStringLiteral("12345"));
    const QDateTime recordedAt(QDate(2026, 12, 11), QTime(10, 0, 32));
    EXPECT_EQ(readBytes(school->resultsPath()), expectedRecord(recordedAt, 1, 1, 32, "12345"));

    EXPECT_EQ(drill(), nullptr) << "the drill screen is unloaded";
    EXPECT_EQ(app().screen<BASEFRM>(), nullptr) << "the end-of-round screen closed the wait";
    auto* end = app().screen<FrmSyuuryou>();
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->windowTitle(), QStringLiteral("終了"));
    EXPECT_EQ(end->Label15->text(), QStringLiteral("数読庵"));
    EXPECT_EQ(end->Label16->text(), QStringLiteral("ﾚﾍﾞﾙ1"));
    EXPECT_EQ(end->Label17->text(), QStringLiteral("山田　太郎"));
    EXPECT_EQ(end->Label18->text(), QStringLiteral("今の成績：32秒"));
    // Target 60 s: Int((28/60)^3 × 50 + 5) = 10, rate 1.
    EXPECT_EQ(end->Label19->text(), QStringLiteral("獲得ポイント：10点×1→10点"));
    EXPECT_TRUE(end->Label20->isVisible());
    EXPECT_EQ(end->Label20->text(), QStringLiteral("！！！最高新記録！！！"));
    EXPECT_EQ(end->Label13->text(), QStringLiteral(" (このレベル　1回目)"));
    EXPECT_EQ(end->Label14->text(), QStringLiteral("（1回目)"));
    EXPECT_EQ(school->audio->played.last(), sound + QStringLiteral("最高1.wav"));
    EXPECT_EQ(school->audio->played.count(sound + QStringLiteral("jiko.wav")), 0);
    EXPECT_EQ(app().state().results.newLevelBest, 0);
    EXPECT_FALSE(end->Command4->isVisible());
    end->resize(1024, 768);
    end->timer1Tick();
    EXPECT_TRUE(end->Command4->isVisible());
    EXPECT_TRUE(end->Command5->isVisible());
    saveShot(end, QStringLiteral("end_of_round_new_record"));

    // "もう一度" starts the same level again on a fresh drill screen.
    QTest::mouseClick(end->Command5, Qt::LeftButton);
    EXPECT_EQ(app().screen<FrmSyuuryou>(), nullptr);
    ASSERT_NE(drill(), nullptr);
    EXPECT_EQ(round().answeredCount, 0);
    EXPECT_EQ(round().roundEnded, 0);
    EXPECT_EQ(drill()->sLabel9->text(), QStringLiteral("10"));
    EXPECT_FALSE(app().finished());
}

TEST_F(DrillScreen, TimeLimitReachedWhileLockedRecordsNoTime) {
    MainFrm* d = start(1);
    ASSERT_NE(d, nullptr);
    school->clock->advanceMs(449'000);
    d->sTimer1Tick();
    EXPECT_EQ(d->sLabel10->text(), QStringLiteral("449"));
    EXPECT_EQ(round().roundEnded, 0);
    type(QStringLiteral("0"));
    key(Qt::Key_Return);
    ASSERT_TRUE(d->board().waitingForPlus());
    EXPECT_EQ(d->qLabel2->text(), QStringLiteral("零"));
    bool bannerShown = false;
    WaitTicker ticker(*school, [&] {
        bannerShown =
            d->picture2->isVisible() && d->lblsss2->isVisible() && !d->lblsss1->isVisible();
        saveShot(d, QStringLiteral("drill_time_up"));
    });
    seconds(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(bannerShown) << "時間切れ shows during the wait";
    EXPECT_EQ(round().roundOutcome, 1);
    EXPECT_EQ(round().roundTime, 99999);
    const QByteArray file = readBytes(school->resultsPath());
    ASSERT_EQ(file.size(), 44);
    EXPECT_EQ(qFromLittleEndian<std::int32_t>(file.constData() + 20), 99999);
    EXPECT_EQ(file, expectedRecord(QDateTime(QDate(2026, 12, 11), QTime(10, 7, 30)), 1, 1, 99999,
                                   "12345"));
    auto* end = app().screen<FrmSyuuryou>();
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->Label18->text(), QStringLiteral("記録なし"));
    EXPECT_EQ(end->Label19->text(), QStringLiteral("獲得ポイント：0点×1→0点"));
    EXPECT_EQ(end->Label20->text(), QStringLiteral("時間切れ"));
    EXPECT_EQ(end->Label13->text(), QStringLiteral(" (このレベル　0回目)"));
    // Only the wrong answer's cue: no record cue for a timed-out round.
    EXPECT_EQ(school->audio->played,
              QStringList{school->soundFolder() + QStringLiteral("bubu.wav")});
}

TEST_F(DrillScreen, KeysDoNothingWhileJudgingAfterTheLastAnswerOrTheTimeLimit) {
    MainFrm* d = start(1);
    ASSERT_NE(d, nullptr);
    std::int16_t RoundState::*flags[] = {&RoundState::judgeBusy, &RoundState::roundComplete,
                                         &RoundState::roundOutcome};
    for (auto flag : flags) {
        round().*flag = 1;
        type(QStringLiteral("9"));
        key(Qt::Key_Left);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        EXPECT_EQ(cellsText(), QString());
        EXPECT_EQ(d->board().cursorPlace(), 1);
        EXPECT_EQ(d->board().inputMode(), AnswerBoard::kPositionMode);
        EXPECT_TRUE(school->audio->played.isEmpty());
        round().*flag = 0;
    }
    // The clock does not end the round while an answer is being judged.
    round().judgeBusy = 1;
    seconds(460);
    EXPECT_EQ(round().roundEnded, 0);
    EXPECT_EQ(d->sShape2->width(), d->sShape5->width()) << "the bar is full";
}

TEST_F(DrillScreen, ClockMeasuresTrueSecondsAcrossMidnightAndClockChanges) {
    school->clock->set(QDateTime(QDate(2026, 12, 11), QTime(23, 59, 50)));
    MainFrm* d = start(2);
    ASSERT_NE(d, nullptr);
    seconds(15); // past midnight
    EXPECT_EQ(d->sLabel10->text(), QStringLiteral("15"));
    school->clock->jumpWallClock(-3600); // the system clock is put back an hour
    seconds(5);
    EXPECT_EQ(round().elapsedTime, 20);
    EXPECT_EQ(round().roundEnded, 0);
}

TEST_F(DrillScreen, WrongAnswerAtLevelFourWaitsForPlus) {
    MainFrm* d = start(4);
    ASSERT_NE(d, nullptr);
    const int digits = static_cast<int>(QString::number(d->problemValue()).size());
    EXPECT_GE(digits, 12);
    EXPECT_LE(digits, 14);
    saveShot(d, QStringLiteral("drill_level4"));
    key(Qt::Key_Down);
    type(QStringLiteral("30200000"));
    key(Qt::Key_Return);
    EXPECT_EQ(d->qLabel2->text(), QStringLiteral("三千二十万"));
    saveShot(d, QStringLiteral("drill_wrong_short"));
    type(QStringLiteral("+"));
    // The longest reading: fifteen digits typed, in two lines of the answer label.
    type(QStringLiteral("987654321987654"));
    key(Qt::Key_Return);
    EXPECT_EQ(d->qLabel2->text(),
              QStringLiteral("九百八十七兆六千五百四十三億二千百九十八万七千六百五十四"));
    EXPECT_TRUE(d->Commandkakunin2->isVisible());
    EXPECT_EQ(d->Commandkakunin2->text(), QStringLiteral("\"+\"を押しなさい"));
    saveShot(d, QStringLiteral("drill_wrong_waiting_for_plus"));
}

TEST_F(DrillScreen, ALevelWithoutALowestPassLineIsNotStarted) {
    app().state().program.minimumTime[3] = 0;
    EXPECT_EQ(start(3), nullptr);
    ASSERT_FALSE(school->messages->log.isEmpty());
    EXPECT_TRUE(school->messages->log.last().startsWith(QStringLiteral("error|レベルエラー|")));
    EXPECT_FALSE(app().finished());
}

TEST_F(DrillScreen, FourthFailedDrillSoundInARowEndsTheProgram) {
    MainFrm* d = start(1);
    ASSERT_NE(d, nullptr);
    school->audio->failAll = true;
    for (int attempt = 1; attempt <= 3; ++attempt) {
        type(QStringLiteral("1"));
        key(Qt::Key_Return);
        type(QStringLiteral("+"));
        EXPECT_FALSE(app().finished()) << attempt;
    }
    EXPECT_TRUE(school->messages->log.isEmpty());
    typeByPosition(d->problemValue());
    key(Qt::Key_Return);
    EXPECT_TRUE(app().finished());
    EXPECT_EQ(app().exitCode(), 1);
    EXPECT_EQ(school->messages->log,
              QStringList{QStringLiteral(
                  "error|音声エラー|音声がでません。先生を呼びなさい。\r\ntest failure")});
    EXPECT_EQ(round().answeredCount, 0) << "the program ends before the answer counts";
}

TEST_F(DrillScreen, ASuccessInBetweenResetsTheFailureCount) {
    MainFrm* d = start(1);
    ASSERT_NE(d, nullptr);
    const QString wrong = school->soundFolder() + QStringLiteral("bubu.wav");
    school->audio->failing = QStringList{wrong};
    for (int i = 0; i < 3; ++i) {
        type(QStringLiteral("1"));
        key(Qt::Key_Return);
        type(QStringLiteral("+"));
    }
    typeByPosition(d->problemValue());
    key(Qt::Key_Return); // the correct cue plays and resets the count
    for (int i = 0; i < 3; ++i) {
        type(QStringLiteral("1"));
        key(Qt::Key_Return);
        type(QStringLiteral("+"));
    }
    EXPECT_FALSE(app().finished());
    EXPECT_EQ(app().state().sound.soundRetry, 3);
}

TEST_F(DrillScreen, ScalesWithTheWindow) {
    MainFrm* d = start(1);
    ASSERT_NE(d, nullptr);
    const QRect small = d->Label3[1]->geometry();
    d->resize(2048, 1536);
    const QRect large = d->Label3[1]->geometry();
    EXPECT_NEAR(large.width(), 2 * small.width(), 2);
    EXPECT_NEAR(large.height(), 2 * small.height(), 2);
    EXPECT_NEAR(d->qLabel1->font().pixelSize(), 2.0 * d->problemPointSize() * 4 / 3, 2);
}

} // namespace
