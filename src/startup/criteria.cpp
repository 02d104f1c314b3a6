// Reading and writing of the criteria table.
#include "startup/criteria.h"

#include "startup/identity.h"
#include "text/cp932.h"
#include "text/itemlist.h"
#include "text/loaderror.h"
#include "text/numparse.h"

#include <cmath>
#include <limits>

const QString kCriteriaFileName = QStringLiteral("タイム回数データ.txt");

namespace {

template <typename Int> Int toInt(double v) {
    if (!std::isfinite(v))
        return 0;
    double r = std::nearbyint(v);
    if (r > std::numeric_limits<Int>::max() || r < std::numeric_limits<Int>::min())
        return 0;
    return static_cast<Int>(r);
}

QString numberText(double v) { return shortestDecimal(v); }

} // namespace

void readCriteriaTable(ProgramState& p, const QString& dataFolder) {
    const QString path = dataFolder + kCriteriaFileName;
    ItemReader items = ItemReader::open(path, kCriteriaFileName);
    int k = -1;
    while (!items.atEnd()) {
        ++k;
        if (k >= kCriteriaMaxLines)
            throw LoadError::forFile(
                kCriteriaFileName, path,
                QStringLiteral("行が多すぎます（見出しとレベル 1〜35 の 36 行までです）"));
        p.targetTime[k] = toInt<std::int32_t>(items.readNumber());
        p.minimumTime[k] = toInt<std::int32_t>(items.readNumber());
        p.clearPoints[k] = toInt<std::int32_t>(items.readNumber());
        p.clearCount[k] = toInt<std::int16_t>(items.readNumber());
        p.pointRate[k] = static_cast<float>(items.readNumber());
        p.overdoCount[k] = items.readValue();
        p.overdoPoints[k] = items.readValue();
        p.judgePeriod[k] = items.readValue();
        p.overdoPeriod[k] = items.readValue();
        p.criteriaCol10[k] = items.readValue();
        p.criteriaCol11[k] = items.readValue();
        p.criteriaCol12[k] = items.readValue();
    }
    p.criteriaLines = k + 1;
}

void checkOfferedLevels(const ProgramState& p, const QString& dataFolder) {
    for (int level = 1; level <= kOfferedLevels; ++level) {
        if (p.minimumTime[level] < 1 || p.targetTime[level] < 1)
            throw LoadError::forFile(
                kCriteriaFileName, dataFolder + kCriteriaFileName,
                QStringLiteral("ﾚﾍﾞﾙ%1 の目標Time（%2）と最低Time（%3）は 1 秒以上でなければなりません")
                    .arg(level)
                    .arg(p.targetTime[level])
                    .arg(p.minimumTime[level]));
    }
}

QString criteriaFileText(const ProgramState& p, int lastLine) {
    QString out = QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,\n");
    for (int k = 1; k <= lastLine && k < kLevelSlots; ++k) {
        QStringList items{numberText(p.targetTime[k]),  numberText(p.minimumTime[k]),
                          numberText(p.clearPoints[k]), numberText(p.clearCount[k]),
                          shortestDecimal(p.pointRate[k]), p.overdoCount[k].toText(),
                          p.overdoPoints[k].toText(),   p.judgePeriod[k].toText(),
                          p.overdoPeriod[k].toText(),   p.criteriaCol10[k].toText(),
                          p.criteriaCol11[k].toText(),  p.criteriaCol12[k].toText()};
        out += joinItems(items) + u'\n';
    }
    return out;
}

bool writeCriteriaTable(const ProgramState& p, int lastLine, const QString& dataFolder,
                        QString* errorText) {
    return cp932::writeFile(dataFolder + kCriteriaFileName, criteriaFileText(p, lastLine),
                            errorText);
}
