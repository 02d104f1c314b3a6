// Texts and layout of the level menu.
#include "menu/menutexts.h"

#include "reports/reporthelpers.h"
#include "text/numparse.h"

const QString kBestCaption = QStringLiteral("BEST表示");
const QString kTodayOnlyCaption = QStringLiteral("本日のみ");
const QString kAllCaption = QStringLiteral("オール表示");
const QString kCumulativeOrderCaption = QStringLiteral("累計順");
const QString kTodayOrderCaption = QStringLiteral("本日順");
const QString kPointsTotalCaption = QStringLiteral("合計累計");
const QString kPointsTodayCaption = QStringLiteral("合計本日");
const QString kEverythingCaption = QStringLiteral("すべて");
const QString kCumulativeHeading = QStringLiteral("獲得ポイント（今まで順位）");
const QString kTodayPointsHeading = QStringLiteral("獲得ポイント（今日の順位）");
const QString kDefaultPeriodText = QStringLiteral("　　１ヶ月間の全成績");

bool isTeacher(const QString& studentName) {
    return studentName.contains(u'★') || studentName.contains(QStringLiteral("先生"));
}

QString minutesSinceSignInText(int secondsSinceMidnight, int signInTime) {
    int seconds = secondsSinceMidnight - signInTime;
    if (seconds < 0)
        seconds += 86400;
    return QStringLiteral("起動後") + QString::number(seconds / 60) + QStringLiteral("分");
}

int todayRoundTotal(const AppState& state, int student) {
    double sum = 0;
    for (int level = 1; level <= kMaxLevel; ++level)
        sum += state.results.countToday(student, level);
    return static_cast<int>(roundHalfEven(sum));
}

QString todayTotalText(int total) {
    return QStringLiteral("本日総回数＝") + QString::number(total) + QStringLiteral("回");
}

QString gradeAndNameText(const QString& gradeText, const QString& studentName) {
    return gradeText + u' ' + trimBlanks(studentName);
}

QString siteAndNumberText(const QString& siteTitle, int studentNumber) {
    return siteTitle + u':' + QString::number(studentNumber);
}

int titlePointSize(const QString& programName) {
    return programName.size() > 9 ? 20 : 24;
}

QString levelNumberText(int level) {
    return QString::number(level);
}

QString startCaption(int level) {
    return QStringLiteral("ｽﾀｰﾄ") + QStringLiteral("(&") + QString::number(level) + u')';
}

QString passWindowText(const AppState& state, int student, int level) {
    const auto& r = state.results;
    return QStringLiteral("最近") +
           state.program.judgePeriod[static_cast<std::size_t>(level)].toText() +
           QStringLiteral("日=") + QString::number(r.countPass(student, level)) +
           QStringLiteral("回 / ") + QString::number(r.pointsPass(student, level)) +
           QStringLiteral("点");
}

QString targetLineText(const ProgramState& program, int level) {
    const auto i = static_cast<std::size_t>(level);
    const QString target =
        QStringLiteral("目標=") + QString::number(program.targetTime[i]) + QStringLiteral("秒");
    if (program.clearPoints[i] == 9999)
        return target + QStringLiteral(" --------");
    return target + u' ' + QString::number(program.clearCount[i]) + QStringLiteral("回/") +
           QString::number(program.clearPoints[i]) + QStringLiteral("点(×") +
           shortestDecimal(program.pointRate[i]) + u')';
}

QString todayCountsText(const AppState& state, int student, int level) {
    const float count = state.results.countToday(student, level);
    if (count == 0)
        return QStringLiteral("-----");
    return shortestDecimal(count) + QStringLiteral("回/") +
           QString::number(state.results.pointsToday(student, level)) + QStringLiteral("点");
}

QString allCountsText(const AppState& state, int student, int level) {
    const int count = state.results.countAll(student, level);
    if (count == 0)
        return QStringLiteral("------");
    return QString::number(count) + QStringLiteral("回/") +
           QString::number(state.results.pointsAll(student, level)) + QStringLiteral("点");
}

const QStringList& option2Captions() {
    static const QStringList captions = {QStringLiteral("ﾀｲﾑ表示"), QStringLiteral("ﾎﾟｲﾝﾄ表示"),
                                         QStringLiteral("個人ﾀｲﾑ")};
    return captions;
}

const QStringList& periodItems() {
    static const QStringList items = {
        QStringLiteral("　　　今週の全成績"), QStringLiteral("　　先週からの全成績"),
        QStringLiteral("　　１ヶ月間の全成績"), QStringLiteral("　　１年間の全成績"),
        QStringLiteral("　　今までの全成績\"")};
    return items;
}

ColumnLayout columnLayout(int levelCount, double windowWidthTwips) {
    ColumnLayout layout;
    layout.columnWidth = 14592.0 / std::max(1, levelCount);
    layout.margin = 0.02 * windowWidthTwips;
    return layout;
}

RowTops rowTops() {
    RowTops t{};
    t.levelName = kLabel5Top + 1.05 * kLabel5Height;
    t.startButton = t.levelName + kNameRowHeight;
    t.headings = t.startButton + kStartRowHeight;
    t.counts = t.headings + kTextRowHeight;
    t.passWindow = t.counts + kTextRowHeight;
    t.list = t.passWindow + kTextRowHeight;
    t.targetLine = t.list + kListHeight;
    return t;
}
