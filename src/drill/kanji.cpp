// Kanji numeral rendering: groups of four digits with 十百千 inside a group and 万億兆 as units.
#include "drill/kanji.h"

namespace {
const QString kDigitKanji = QStringLiteral("一二三四五六七八九");
const QString kPlaceKanji = QStringLiteral(" 十百千 ");
const QString kUnits[5] = {QString(), QString(), QStringLiteral("万"), QStringLiteral("億"),
                           QStringLiteral("兆")};

bool endsWithUnit(const QString& text) {
    return text.endsWith(u'兆') || text.endsWith(u'億') || text.endsWith(u'万');
}
} // namespace

QString renderKanjiDigits(const QString& digits) {
    const QString s = QStringLiteral("00000000000000000000") + digits;
    const qsizetype n = s.size();
    QString text;
    for (int g = 4; g >= 1; --g) {
        const QString group = s.mid(n - 4 * (g - 1) - 4, 4);
        for (int j = 4; j >= 1; --j) {
            const int d = group.at(4 - j).unicode() - u'0';
            if (d < 1 || d > 9)
                continue;
            if (j == 1)
                text += kDigitKanji.at(d - 1);
            else if (d == 1)
                text += kPlaceKanji.at(j - 1);
            else
                text += QString(kDigitKanji.at(d - 1)) + kPlaceKanji.at(j - 1);
        }
        if (!text.isEmpty() && !endsWithUnit(text))
            text += kUnits[g];
    }
    return text;
}

QString renderKanji(std::uint64_t value) {
    // Digits above the 兆 group are never read, so 10^16 renders as the empty text.
    return renderKanjiDigits(QString::number(value));
}

int problemFontSize(const QString& text) { return text.size() > 10 ? 40 : 50; }
