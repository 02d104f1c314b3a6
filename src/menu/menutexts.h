// The level menu's texts: the header lines, each level column's counts, points and target line,
// the option captions, the grade and period lists, and the column layout.
#pragma once
#include "startup/appstate.h"

#include <QString>
#include <QStringList>

// A student whose name holds "★" or "先生" is a teacher.
bool isTeacher(const QString& studentName);

// "起動後N分": whole minutes since the name was confirmed. A sign-in before midnight counts on
// into the next day instead of going negative.
QString minutesSinceSignInText(int secondsSinceMidnight, int signInTime);
// Rounds played today at every level 1..35, to a whole number.
int todayRoundTotal(const AppState& state, int student);
QString todayTotalText(int total); // "本日総回数＝N回"

QString gradeAndNameText(const QString& gradeText, const QString& studentName); // Label12
QString siteAndNumberText(const QString& siteTitle, int studentNumber);         // Label13
int titlePointSize(const QString& programName);                                 // Label11

// Column texts of level `level` for `student`.
QString levelNumberText(int level);                                    // Label1
QString startCaption(int level);                                       // Command4: ｽﾀｰﾄ(&i)
QString passWindowText(const AppState& state, int student, int level); // Label8
QString targetLineText(const ProgramState& program, int level);        // Label7
QString todayCountsText(const AppState& state, int student, int level); // Label14
QString allCountsText(const AppState& state, int student, int level);   // Label15

// Option captions and list contents.
extern const QString kBestCaption;            // "BEST表示"
extern const QString kTodayOnlyCaption;       // "本日のみ"
extern const QString kAllCaption;             // "オール表示"
extern const QString kCumulativeOrderCaption; // "累計順"
extern const QString kTodayOrderCaption;      // "本日順"
extern const QString kPointsTotalCaption;     // "合計累計"
extern const QString kPointsTodayCaption;     // "合計本日"
extern const QString kEverythingCaption;      // "すべて"
extern const QString kCumulativeHeading;      // "獲得ポイント（今まで順位）"
extern const QString kTodayPointsHeading;     // "獲得ポイント（今日の順位）"
const QStringList& option2Captions();    // ﾀｲﾑ表示, ﾎﾟｲﾝﾄ表示, 個人ﾀｲﾑ
const QStringList& periodItems();        // Combo2's five items, allResultsPeriod 1..5 in order
extern const QString kDefaultPeriodText; // Combo2's text at load: the one-month item

// The layout of the level columns, in twips of the 15360 × 11520 window.
struct ColumnLayout {
    double columnWidth = 0; // W
    double margin = 0;      // m
    double left(int level) const { return margin + (level - 1) * columnWidth; }
};
constexpr double kMenuWidthTwips = 15360;
constexpr double kMenuHeightTwips = 11520;
ColumnLayout columnLayout(int levelCount, double windowWidthTwips = kMenuWidthTwips);

// The tops of the column rows A..G below the heading Label5, and the list overlay's bottom.
struct RowTops {
    double levelName;   // A: Label1, Label3
    double startButton; // B: Command4, Text1
    double headings;    // C: Label9, Label10
    double counts;      // D: Label14, Label15
    double passWindow;  // E: Label8
    double list;        // F: List5
    double targetLine;  // G: Label7
};
constexpr double kLabel5Top = 1200;
constexpr double kLabel5Height = 525;
constexpr double kListOverlayBottom = 10680;
constexpr double kNameRowHeight = 420, kStartRowHeight = 450, kCoverHeight = 375,
                 kTextRowHeight = 300, kListHeight = 6690;
RowTops rowTops();
