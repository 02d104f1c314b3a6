// End-of-round texts and decisions.
#include "drill/roundresult.h"

#include "results/statistics.h"
#include "text/numparse.h"


std::int32_t roundBasePoints(std::int32_t targetTime, std::int32_t time) {
    return basePointsAgainst(targetTime, time, time);
}

std::int32_t roundEarnedPoints(float pointRate, std::int32_t base) {
    return ratedPoints(static_cast<double>(pointRate), base);
}

QString pointsLine(std::int32_t base, float pointRate, std::int32_t earned) {
    return QStringLiteral("獲得ポイント：%1点×%2→%3点")
        .arg(base)
        .arg(shortestDecimal(pointRate))
        .arg(earned);
}

QString roundTimeLine(std::int32_t time) {
    if (time > 99997)
        return QStringLiteral("記録なし");
    return QStringLiteral("今の成績：%1秒").arg(time);
}

QString levelCountLine(float countToday) {
    return QStringLiteral(" (このレベル　%1回目)").arg(shortestDecimal(countToday));
}

QString totalCountLine(std::int32_t total) {
    return QStringLiteral("（%1回目)").arg(total);
}

RecordMessage chooseRecordMessage(const RoundState& round, const ResultsTables& results,
                                  std::int32_t minimumTime) {
    if (round.roundOutcome == 1)
        return RecordMessage::TimeOut;
    if (results.newLevelBest == 1)
        return RecordMessage::LevelBest;
    if (results.newPersonalBest == 1)
        return RecordMessage::PersonalBest;
    if (round.roundTime <= minimumTime)
        return RecordMessage::GoodTime;
    return RecordMessage::None;
}

QString recordMessageText(RecordMessage message) {
    switch (message) {
    case RecordMessage::TimeOut:
        return QStringLiteral("時間切れ");
    case RecordMessage::LevelBest:
        return QStringLiteral("！！！最高新記録！！！");
    case RecordMessage::PersonalBest:
        return QStringLiteral("新記録おめでとう");
    default:
        return QString();
    }
}

bool lastLevelBannerAllowed(const ProgramState& program) {
    for (int level = 1; level <= kMaxLevel; ++level)
        if (program.clearCount[static_cast<std::size_t>(level)] == 9999)
            return false;
    return true;
}

AgainButton decideAgainButton(bool overdone, bool passed, bool isLastLevel, bool lastLevelPassed) {
    if (!(overdone && passed))
        return AgainButton::Show;
    if (isLastLevel)
        return AgainButton::ShowAndClearPassLabel;
    if (!lastLevelPassed)
        return AgainButton::SuggestNextLevel;
    return AgainButton::Show;
}
