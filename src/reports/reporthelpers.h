// The pieces every results report of the level menu shares: the grade mark, the report grade
// filter, the name cells, the row marks, right-aligned number cells and the rankings' sort.
#pragma once
#include <QString>
#include <cstdint>
#include <vector>

struct RosterTables;

// "①".."⑥" for grades 1..6, "Ⅰ".."Ⅲ" for grades 7..9, else one ideographic space.
QString gradeMark(int grade);

// The grade filter of the menu's lists: the name screen's grade filter, and "家族" shows
// everyone.
bool reportGradeFilter(const QString& filterText, int grade);

// The grade number of a student from the roster tables' birth year and school year.
int reportGradeNumber(const RosterTables& roster, int student);

// Half-width blanks removed at both ends; ideographic spaces belong to the name and stay.
QString trimBlanks(const QString& text);
QString trimTrailingBlanks(const QString& text);

// The ranking's name cell: trailing blanks removed, padded with ideographic spaces or cut to
// five characters.
QString nameCell(const QString& name);
// The date lists' short name: blanks removed at both ends, four ideographic spaces added, cut
// to five characters (an empty name stays four spaces wide).
QString shortName(const QString& name);

// "●" for the current student, else the grade mark.
QString rowMark(int student, int currentStudent, int grade);
// "●" for the current student, else one ideographic space.
QString endMark(int student, int currentStudent);

// `text` right-aligned in `width` characters: blanks put in front, the last `width` kept.
QString rightAligned(const QString& text, int width);
QString rightAligned(long long number, int width);

// Sorts entries 1..n of `keys` ascending and moves `items` with them. A top-down merge sort in
// which, among equal keys, an entry of the right half goes before one of the left half: one
// pass reverses the order of equal keys, a second pass restores it.
void mergeSortByKey(int n, std::vector<std::int64_t>& keys, std::vector<int>& items);
