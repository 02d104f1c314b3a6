// What the end-of-round screen says about the round just recorded: its points, its time, the
// record message and cue, and whether "もう一度" is offered.
#pragma once
#include "startup/appstate.h"

#include <QString>
#include <cstdint>

// Base points of the round from its exact time t against the target T:
// Int(((T - t) / T)^3 × 50 + 5) up to T, 4 below 2T, 1 below 10T, else 0; 0 for a timed-out
// round and for a level without a target.
std::int32_t roundBasePoints(std::int32_t targetTime, std::int32_t time);
// Int(pointRate × base).
std::int32_t roundEarnedPoints(float pointRate, std::int32_t base);
// "獲得ポイント：5点×2→10点"
QString pointsLine(std::int32_t base, float pointRate, std::int32_t earned);
// "今の成績：45秒", or "記録なし" for a timed-out round.
QString roundTimeLine(std::int32_t time);
// " (このレベル　3回目)" and "（7回目)".
QString levelCountLine(float countToday);
QString totalCountLine(std::int32_t total);

enum class RecordMessage { TimeOut, LevelBest, PersonalBest, GoodTime, None };
// First match wins: the time-out, a new level best, a new personal best, a good time.
RecordMessage chooseRecordMessage(const RoundState& round, const ResultsTables& results,
                                  std::int32_t minimumTime);
// The text of Label20 for the message ("" for a good time or nothing).
QString recordMessageText(RecordMessage message);

// The banner for passing the last level is not shown while any level has clearCount 9999.
bool lastLevelBannerAllowed(const ProgramState& program);

enum class AgainButton { Show, ShowAndClearPassLabel, SuggestNextLevel };
// The closing step's choice for "もう一度": a passed and overdone level asks the student to move
// on, unless it is the last level or the last level is already passed.
AgainButton decideAgainButton(bool overdone, bool passed, bool isLastLevel, bool lastLevelPassed);
