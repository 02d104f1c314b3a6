// The rows of the name list: each listed student's row text with two figures of their drill
// activity, sorted by birth year and shown youngest first under a grade filter. The name screen
// and `suudokuan-admin names` build their rows here.
#pragma once
#include "roster/roster.h"
#include "startup/appstate.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

extern const QString kSeparatorRow; // "－－－－－－", the first row of the list
constexpr int kDisplayOptions = 4;
// The captions of the four display options, 0..3.
const QStringList& displayOptionCaptions();

// Sums over the levels 1..35 of one student's statistics.
struct StudentFigures {
    double roundsToday = 0;
    std::int64_t pointsToday = 0;
    std::int64_t roundsAll = 0;
    std::int64_t pointsAll = 0;
};
StudentFigures studentFigures(const ResultsTables& results, int number);

// Each figure right-aligned in a field of fixed width; a figure too wide keeps its last digits.
QString roundsTodayText(double sum);
QString pointsTodayText(std::int64_t sum);
QString roundsAllText(std::int64_t sum);
QString pointsAllText(std::int64_t sum);

// The row text of the list buffer: the birth year as four digits, the list grade label, a blank
// and the name, the ideographic fill, column A, "/", column B, "*" and the number.
QString nameRowText(const RosterRecord& record, int schoolYear, int displayOption,
                    const StudentFigures& figures);

// One row of the buffer. The number is kept beside the text, so a name holding "*" cannot
// take the number's place.
struct NameRow {
    QString text;
    int number = 0;
};

// What the list shows after its separator row, with the number of each shown row.
struct NameListing {
    std::vector<NameRow> buffer; // sorted ascending, as the hidden buffer keeps it
    QStringList shown;           // the list rows after the separator, youngest first
    QStringList numberRows;      // per shown row: its text, "*" and the number
    std::vector<int> numbers;    // per shown row: the student's number
};

// The display part of a buffer row: without the birth year and without "*" and the number.
QString displayPart(const NameRow& row);

// Sorts the rows in the order of a sorted list (Japanese collation, so the birth year leads).
void sortRows(std::vector<NameRow>& rows);

// Reads the roster (the name screen's read, which fills the roster tables), builds and sorts
// the rows of `displayOption` from the statistics tables as they stand, and keeps the rows of
// students that `filter` shows. Throws LoadError for a bad roster.
NameListing buildNameListing(AppState& state, const QDate& today, int displayOption,
                             const QString& filter);
