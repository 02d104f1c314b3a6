// Row texts, sorting and filtering of the name list.
#include "roster/namelist.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <cmath>

const QString kSeparatorRow = QStringLiteral("－－－－－－");

namespace {

const QChar kIdeographicSpace(0x3000);

// The last `width` characters of `blanks` blanks followed by the number, built in place.
QString rightAligned(std::int64_t value, int blanks, int width) {
    char16_t digits[24];
    int n = 0;
    const bool negative = value < 0;
    std::uint64_t v = negative ? 0 - static_cast<std::uint64_t>(value) : value;
    do {
        digits[n++] = static_cast<char16_t>(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative)
        digits[n++] = u'-';
    const int total = blanks + n; // the blanks, then the digits in reading order
    QString out(std::min(width, total), Qt::Uninitialized);
    QChar* at = out.data();
    for (int i = total - static_cast<int>(out.size()); i < total; ++i)
        *at++ = i < blanks ? QChar(u' ') : QChar(digits[n - 1 - (i - blanks)]);
    return out;
}

int fillWidth(int grade, int displayOption) {
    const bool preSchool = grade <= 0;
    return preSchool && displayOption != 1 ? 11 : 9;
}

QString columnA(int displayOption, const StudentFigures& f) {
    switch (displayOption) {
    case 0:
        return roundsTodayText(f.roundsToday);
    case 3:
        return pointsAllText(f.pointsAll);
    default:
        return pointsTodayText(f.pointsToday);
    }
}

QString columnB(int displayOption, const StudentFigures& f) {
    switch (displayOption) {
    case 1:
        return pointsAllText(f.pointsAll);
    case 2:
        return roundsTodayText(f.roundsToday);
    default:
        return roundsAllText(f.roundsAll);
    }
}

QString numberSuffix(int number) {
    return u'*' + QString::number(number);
}

} // namespace

const QStringList& displayOptionCaptions() {
    static const QStringList captions = {
        QStringLiteral("回数(今日／今まで）"), QStringLiteral("ポイント（今日／今まで）"),
        QStringLiteral("本日（ポイント／回数）"), QStringLiteral("今まで（ポイント／回数）")};
    return captions;
}

StudentFigures studentFigures(const ResultsTables& results, int number) {
    StudentFigures f;
    float roundsToday = 0; // the table holds single-precision counts
    for (int level = 1; level <= kMaxLevel; ++level) {
        roundsToday += results.countToday(number, level);
        f.pointsToday += results.pointsToday(number, level);
        f.roundsAll += results.countAll(number, level);
        f.pointsAll += results.pointsAll(number, level);
    }
    f.roundsToday = roundsToday;
    return f;
}

QString roundsTodayText(double sum) {
    if (sum == 0)
        return QStringLiteral("     ");
    return rightAligned(std::llround(sum), 2, 3) + u'回';
}

QString pointsTodayText(std::int64_t sum) {
    if (sum == 0)
        return QStringLiteral("  ") + kIdeographicSpace;
    return rightAligned(sum, 3, 4);
}

QString roundsAllText(std::int64_t sum) {
    if (sum == 0)
        return QStringLiteral("     ") + kIdeographicSpace;
    return rightAligned(sum, 6, 5) + u'回';
}

QString pointsAllText(std::int64_t sum) {
    if (sum == 0)
        return QStringLiteral("       ");
    return rightAligned(sum, 6, 7);
}

QString nameRowText(const RosterRecord& record, int schoolYear, int displayOption,
                    const StudentFigures& figures) {
    const int grade = gradeNumber(schoolYear, record.birthYear);
    const QString name = trimNameBlanks(record.name);
    const QString label = listGradeLabel(grade);
    const qsizetype item = label.size() + 1 + name.size();
    // A name too long for the fill simply gets none.
    const qsizetype fill = std::max<qsizetype>(0, fillWidth(grade, displayOption) - item);
    QString row;
    row.reserve(4 + item + fill + 24);
    int year = record.birthYear; // 0..9999, written as four digits
    for (int div = 1000; div > 0; div /= 10)
        row += QChar(u'0' + (year / div) % 10);
    row += label;
    row += u' ';
    row += name;
    row += QString(fill, kIdeographicSpace);
    row += columnA(displayOption, figures);
    row += u'/';
    row += columnB(displayOption, figures);
    row += numberSuffix(record.number);
    return row;
}

QString displayPart(const NameRow& row) {
    // The number holds no "*", so the last one is the separator whatever the name holds.
    return row.text.mid(4, row.text.lastIndexOf(u'*') - 4);
}

void sortRows(std::vector<NameRow>& rows) {
    QCollator collator{QLocale(QLocale::Japanese, QLocale::Japan)};
    std::vector<std::pair<QCollatorSortKey, std::size_t>> keys;
    keys.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        keys.emplace_back(collator.sortKey(rows[i].text), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    std::vector<NameRow> sorted;
    sorted.reserve(rows.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(rows[key.second]));
    rows = std::move(sorted);
}

NameListing buildNameListing(AppState& state, const QDate& today, int displayOption,
                             const QString& filter) {
    NameListing listing;
    const std::vector<RosterEntry> listed = readRoster(state, today);
    const int schoolYear = state.roster.schoolYear;
    listing.buffer.reserve(listed.size());
    for (const RosterEntry& entry : listed) {
        const int number = entry.record.number;
        listing.buffer.push_back({nameRowText(entry.record, schoolYear, displayOption,
                                              studentFigures(state.results, number)),
                                  number});
    }
    sortRows(listing.buffer);

    // Read backwards: the youngest first.
    for (auto row = listing.buffer.rbegin(); row != listing.buffer.rend(); ++row) {
        const int birthYear = row->text.left(4).toInt();
        if (!gradeFilter(filter, gradeNumber(schoolYear, birthYear)))
            continue;
        listing.shown << displayPart(*row);
        listing.numberRows << row->text.mid(4); // the display part, "*" and the number
        listing.numbers.push_back(row->number);
    }
    return listing;
}
