// The roster file "新名簿.txt": its reader, the school year, the grade rule, the grade labels
// and filters, and the name screen's read that fills the roster tables.
#pragma once
#include "startup/appstate.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

extern const QString kRosterFileName; // "新名簿.txt"
constexpr int kRosterFields = 8;
constexpr int kRosterTextWidth = 20; // the fixed texts of a roster record
constexpr int kMaxListedStudents = 5000;

// One line of the roster with the status that is read with it but not kept in the record.
struct RosterEntry {
    RosterRecord record; // texts in their 20-character form
    int status = 0;
    int line = 0; // line of the file that holds the record
};

QString rosterPath(const InstallationState& installation);

// `text` without its leading and trailing half-width blanks (ideographic spaces stay).
QString trimNameBlanks(const QString& text);

// `text` cut to `width` characters or padded with blanks to it.
QString fixedText(const QString& text, int width = kRosterTextWidth);

// Reads every record of the roster file in file order. Each record is one line of eight fields;
// a missing file, a short line, a number that is not a number or a student number outside
// 0..5000 throws LoadError naming the file, its path and the line. Nothing else is touched.
std::vector<RosterEntry> parseRosterFile(const QString& path);
std::vector<RosterEntry> parseRosterText(const QString& text, const QString& path);

// The school year of `today`: the calendar year, one less before the start month.
int schoolYearFor(const QDate& today, const Value& schoolYearStartMonth);
// 1 is the first year of elementary school, 7 of junior high, 10 of senior high; 0 and below
// are pre-school years.
int gradeNumber(int schoolYear, int birthYear);
// "幼３", "小１".."小６", "中１".."中３", "高１" (full-width digits); none for other grades.
std::optional<QString> fullGradeLabel(int grade);
// "幼-", "幼1".."幼3", "小1".."小6", "中1".."中3", "高1".."高3", "大+" (half-width).
QString listGradeLabel(int grade);
// The filter texts of the grade list, in the order the list offers them.
const QStringList& gradeFilterTexts();
// Whether a student of `grade` is shown under `filter`.
bool gradeFilter(const QString& filter, int grade);

// Stores one student's name, birth year and grade label by number. The name screen keeps the
// 20-character name as read; the level menu keeps it without surrounding blanks.
enum class NameForm { Padded, Trimmed };
void rememberStudent(RosterTables& tables, const RosterEntry& entry, int schoolYear,
                     NameForm nameForm);

// Whether the name screen lists a student of `status` (2 counts as 0 when the common setting
// item 3 is 1).
bool listedOnNameScreen(int status, const Value& commonItem3);

// The name screen's read: computes the school year of `today`, reads the roster and fills the
// roster tables. Returns the listed students in file order. A bad roster, or more than 5,000
// listed students, throws LoadError before any table is changed.
std::vector<RosterEntry> readRoster(AppState& state, const QDate& today);
