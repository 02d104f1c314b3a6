// Problem draw and the board's helping marks.
#include "drill/problems.h"

#include <cmath>

namespace {
const QString kMarkerLine = QStringLiteral("　　　兆　　　億　　　万　　　");

std::uint64_t powerOfTen(int n) {
    std::uint64_t v = 1;
    for (int i = 0; i < n; ++i)
        v *= 10;
    return v;
}
} // namespace

float singleRnd(Random& random) {
    // A double just below 1 rounds up to 1.0f; keep the draw inside [0, 1).
    float r = static_cast<float>(random.next());
    if (r >= 1.0f)
        r = std::nextafter(1.0f, 0.0f);
    return r;
}

int problemBaseDigits(int level) {
    switch (level) {
    case 1:
        return 4;
    case 2:
        return 6;
    case 3:
        return 8;
    case 4:
        return 12;
    default:
        return 0;
    }
}

int drawProblemLength(int level, Random& random) {
    const int base = problemBaseDigits(level);
    if (base == 0)
        return 0;
    return base + static_cast<int>(std::floor(static_cast<double>(singleRnd(random)) * 3));
}

std::uint64_t drawProblem(int level, Random& random) {
    const int n = drawProblemLength(level, random);
    if (n == 0)
        return 0;
    const std::uint64_t low = powerOfTen(n - 1);
    const double span = static_cast<double>(powerOfTen(n) - low);
    const auto offset =
        static_cast<std::uint64_t>(std::floor(static_cast<double>(singleRnd(random)) * span));
    QString digits = QString::number(low + offset);
    for (qsizetype i = 1; i < digits.size(); ++i)
        if (2.0f * singleRnd(random) > 1.0f)
            digits[i] = u'0';
    return digits.toULongLong();
}

bool markersShown(std::int32_t answeredCount, int problemCount) {
    return answeredCount < 0.4 * problemCount;
}

bool groupColoursShown(std::int32_t answeredCount, int problemCount) {
    return answeredCount < 0.7 * problemCount;
}

QString markerText(int cell) {
    const int position = 17 - cell; // 1-based character of the marker line
    if (position < 1 || position > kMarkerLine.size())
        return QString();
    return kMarkerLine.mid(position - 1, 1);
}

int cellGroup(int cell) {
    return 1 + (cell - 1) / 4;
}

std::uint32_t groupColour(int group) {
    switch (group) {
    case 2:
        return 0x80FFFF;
    case 3:
        return 0x00FFFF;
    default:
        return 0x80FF80; // groups 1 and 4
    }
}
