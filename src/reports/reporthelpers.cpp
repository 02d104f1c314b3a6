// Shared cells, marks, the report grade filter and the rankings' merge sort.
#include "reports/reporthelpers.h"

#include "roster/roster.h"
#include "roster/rostertables.h"

#include <QStringList>

namespace {

const QChar kIdeographicSpace(0x3000);

QString padOrCut(const QString& text, int length) {
    if (text.size() >= length)
        return text.left(length);
    return text + QString(length - text.size(), kIdeographicSpace);
}

struct MergeSorter {
    std::vector<std::int64_t>& keys;
    std::vector<int>& items;
    std::vector<std::int64_t> tempKeys;
    std::vector<int> tempItems;

    void sort(int lo, int hi) {
        if (lo >= hi)
            return;
        const int mid = (lo + hi) / 2;
        sort(lo, mid);
        sort(mid + 1, hi);
        merge(lo, mid, hi);
    }

    // The left half goes to the temporary tables; a left entry is taken only when its key is
    // strictly lower, so an equal right entry goes first.
    void merge(int lo, int mid, int hi) {
        const int leftCount = mid - lo + 1;
        for (int i = 0; i < leftCount; ++i) {
            tempKeys[i] = keys[lo + i];
            tempItems[i] = items[lo + i];
        }
        int i = 0;
        int j = mid + 1;
        int k = lo;
        while (i < leftCount && j <= hi) {
            if (tempKeys[i] < keys[j]) {
                keys[k] = tempKeys[i];
                items[k++] = tempItems[i++];
            } else {
                keys[k] = keys[j];
                items[k++] = items[j++];
            }
        }
        while (i < leftCount) {
            keys[k] = tempKeys[i];
            items[k++] = tempItems[i++];
        }
    }
};

} // namespace

QString gradeMark(int grade) {
    static const QString marks[] = {QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"),
                                    QStringLiteral("④"), QStringLiteral("⑤"), QStringLiteral("⑥"),
                                    QStringLiteral("Ⅰ"), QStringLiteral("Ⅱ"), QStringLiteral("Ⅲ")};
    if (grade >= 1 && grade <= 9)
        return marks[grade - 1];
    return QString(kIdeographicSpace);
}

bool reportGradeFilter(const QString& filterText, int grade) {
    return filterText == u"家族" || gradeFilter(filterText, grade);
}

int reportGradeNumber(const RosterTables& roster, int student) {
    return gradeNumber(roster.schoolYear,
                       roster.studentBirthYears[static_cast<std::size_t>(student)]);
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

QString trimTrailingBlanks(const QString& text) {
    qsizetype last = text.size();
    while (last > 0 && text[last - 1] == u' ')
        --last;
    return text.left(last);
}

QString nameCell(const QString& name) {
    return padOrCut(trimTrailingBlanks(name), 5);
}

QString shortName(const QString& name) {
    return (trimBlanks(name) + QString(4, kIdeographicSpace)).left(5);
}

QString rowMark(int student, int currentStudent, int grade) {
    return student == currentStudent && currentStudent != 0 ? QStringLiteral("●")
                                                            : gradeMark(grade);
}

QString endMark(int student, int currentStudent) {
    return student == currentStudent && currentStudent != 0 ? QStringLiteral("●")
                                                            : QString(kIdeographicSpace);
}

QString rightAligned(const QString& text, int width) {
    if (text.size() >= width)
        return text.right(width);
    return QString(width - text.size(), u' ') + text;
}

QString rightAligned(long long number, int width) {
    return rightAligned(QString::number(number), width);
}

void mergeSortByKey(int n, std::vector<std::int64_t>& keys, std::vector<int>& items) {
    if (n < 2)
        return;
    const auto half = static_cast<std::size_t>(n / 2 + 1);
    MergeSorter sorter{keys, items, std::vector<std::int64_t>(half), std::vector<int>(half)};
    sorter.sort(1, n);
}
