// The roster reader, the grade rule, labels and filters, and the name screen's read.
#include "roster/roster.h"

#include "text/cp932.h"
#include "text/loaderror.h"
#include "text/numparse.h"

#include <algorithm>
#include <array>
#include <cmath>

const QString kRosterFileName = QStringLiteral("新名簿.txt");

namespace {

const std::array<const char16_t*, kRosterFields> kFieldNames = {
    u"生徒番号", u"生まれ年", u"予備番号1", u"予備番号2", u"名前", u"区分", u"予備1", u"予備2"};

// Where a problem was found, for the message: the line and, when it concerns one field, which.
[[noreturn]] void fail(const QString& path, int line, const QString& problem) {
    throw LoadError::forFile(kRosterFileName, path,
                             QStringLiteral("%1 行目: %2").arg(line).arg(problem));
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The fields of one line as views into the text; more than eight are counted but not kept.
struct LineFields {
    static constexpr int kKept = kRosterFields;
    std::array<QStringView, kKept> field{};
    int count = 0;
    bool extraNotEmpty = false;
};

// Splits one line into its fields: a quoted field keeps its commas, an unquoted one runs to
// the next comma with the blanks around it dropped.
LineFields splitFields(QStringView line, const QString& path, int lineNo) {
    LineFields out;
    qsizetype pos = 0;
    for (;;) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        QStringView field;
        if (pos < line.size() && line[pos] == u'"') {
            qsizetype close = line.indexOf(u'"', pos + 1);
            if (close < 0)
                fail(path, lineNo,
                     QStringLiteral("%1 番目の項目の「\"」が閉じていません").arg(out.count + 1));
            field = line.mid(pos + 1, close - pos - 1);
            pos = close + 1;
            // Whatever stands between the closing quote and the comma is not part of the field.
            while (pos < line.size() && line[pos] != u',')
                ++pos;
        } else {
            qsizetype start = pos;
            while (pos < line.size() && line[pos] != u',')
                ++pos;
            qsizetype end = pos;
            while (end > start && isBlank(line[end - 1]))
                --end;
            field = line.mid(start, end - start);
        }
        if (out.count < LineFields::kKept)
            out.field[static_cast<std::size_t>(out.count)] = field;
        else if (!field.isEmpty())
            out.extraNotEmpty = true;
        ++out.count;
        if (pos >= line.size())
            return out;
        ++pos; // the comma
    }
}

// Plain decimal digits with an optional minus sign: the common case, read without detours.
std::optional<int> plainInteger(QStringView text) {
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == u'-';
    if (negative)
        ++i;
    if (i == text.size() || text.size() - i > 9)
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

// A whole number field: empty reads as 0; anything else must be a number.
int wholeField(const LineFields& fields, int index, const QString& path, int lineNo) {
    const QStringView text = fields.field[static_cast<std::size_t>(index)];
    if (text.trimmed().isEmpty())
        return 0;
    if (auto plain = plainInteger(text))
        return *plain;
    const QString name = QString::fromUtf16(kFieldNames[static_cast<std::size_t>(index)]);
    if (!isNumeric(text))
        fail(path, lineNo,
             QStringLiteral("%1 番目の項目（%2）「%3」が数ではありません")
                 .arg(index + 1)
                 .arg(name, text.toString()));
    double value = leadingNumber(text);
    if (std::fabs(value) > 1e9)
        fail(path, lineNo,
             QStringLiteral("%1 番目の項目（%2）「%3」が大きすぎます")
                 .arg(index + 1)
                 .arg(name, text.toString()));
    return static_cast<int>(roundHalfEven(value));
}

// The spare numbers are kept but never used: a stray text there reads leniently.
std::int16_t spareNumber(QStringView text) {
    if (auto plain = plainInteger(text); plain && *plain >= -32768 && *plain <= 32767)
        return static_cast<std::int16_t>(*plain);
    double v = leadingNumber(text);
    if (v > 32767)
        return 32767;
    if (v < -32768)
        return -32768;
    return static_cast<std::int16_t>(roundHalfEven(v));
}

// The 20-character form; the empty texts of most lines share one blank text.
QString fixedField(QStringView text) {
    static const QString blank = fixedText(QString());
    if (text.isEmpty())
        return blank;
    QString out = text.left(kRosterTextWidth).toString();
    out.resize(kRosterTextWidth, u' ');
    return out;
}

RosterEntry parseLine(QStringView line, const QString& path, int lineNo) {
    const LineFields fields = splitFields(line, path, lineNo);
    if (fields.count < kRosterFields)
        fail(path, lineNo,
             QStringLiteral("項目が足りません（%1 項目のはずが %2 項目で行が終わっています）")
                 .arg(kRosterFields)
                 .arg(fields.count));
    if (fields.extraNotEmpty)
        fail(path, lineNo,
             QStringLiteral("項目が多すぎます（%1 項目のはずが %2 項目あります）")
                 .arg(kRosterFields)
                 .arg(fields.count));
    RosterEntry entry;
    entry.line = lineNo;
    int number = wholeField(fields, 0, path, lineNo);
    if (number < 0 || number > kMaxStudent)
        fail(path, lineNo,
             QStringLiteral("生徒番号 %1 は使えません（0 から %2 までです）")
                 .arg(number)
                 .arg(kMaxStudent));
    int birthYear = wholeField(fields, 1, path, lineNo);
    if (birthYear < 0 || birthYear > 9999)
        fail(path, lineNo,
             QStringLiteral("生まれ年 %1 は 4 桁の西暦年ではありません").arg(birthYear));
    entry.record.number = static_cast<std::int16_t>(number);
    entry.record.birthYear = static_cast<std::int16_t>(birthYear);
    entry.record.spareNumber1 = spareNumber(fields.field[2]);
    entry.record.spareNumber2 = spareNumber(fields.field[3]);
    entry.record.name = fixedField(fields.field[4]);
    entry.status = wholeField(fields, 5, path, lineNo);
    entry.record.spareText1 = fixedField(fields.field[6]);
    entry.record.spareText2 = fixedField(fields.field[7]);
    return entry;
}

// Blanks and control characters only (an old end-of-file mark 0x1A among them).
bool isEmptyLine(QStringView line) {
    for (QChar c : line)
        if (!isBlank(c) && c.unicode() >= 0x20 && c.unicode() != 0x7F)
            return false;
    return true;
}

} // namespace

QString trimNameBlanks(const QString& text) {
    qsizetype start = 0, end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

QString rosterPath(const InstallationState& installation) {
    return installation.rootFolder + kRosterFileName;
}

QString fixedText(const QString& text, int width) {
    if (text.size() >= width)
        return text.left(width);
    return text + QString(width - text.size(), u' ');
}

std::vector<RosterEntry> parseRosterText(const QString& text, const QString& path) {
    std::vector<RosterEntry> entries;
    QStringView rest(text);
    if (rest.startsWith(QChar(0xFEFF)))
        rest = rest.mid(1);
    int lineNo = 0;
    qsizetype pos = 0;
    while (pos < rest.size()) {
        qsizetype end = pos;
        while (end < rest.size() && rest[end] != u'\r' && rest[end] != u'\n')
            ++end;
        QStringView line = rest.mid(pos, end - pos);
        ++lineNo;
        if (!isEmptyLine(line))
            entries.push_back(parseLine(line, path, lineNo));
        pos = end;
        if (pos < rest.size() && rest[pos] == u'\r')
            ++pos;
        if (pos < rest.size() && rest[pos] == u'\n')
            ++pos;
    }
    return entries;
}

std::vector<RosterEntry> parseRosterFile(const QString& path) {
    QString why;
    auto text = cp932::readFile(path, &why);
    if (!text)
        throw LoadError::forFile(kRosterFileName, path, why);
    return parseRosterText(*text, path);
}

int schoolYearFor(const QDate& today, const Value& schoolYearStartMonth) {
    int year = today.year();
    if (today.month() < schoolYearStartMonth.toNumber())
        --year;
    return year;
}

int gradeNumber(int schoolYear, int birthYear) {
    return schoolYear - birthYear - 6;
}

std::optional<QString> fullGradeLabel(int grade) {
    static const QStringList labels = {
        QStringLiteral("幼３"), QStringLiteral("小１"), QStringLiteral("小２"),
        QStringLiteral("小３"), QStringLiteral("小４"), QStringLiteral("小５"),
        QStringLiteral("小６"), QStringLiteral("中１"), QStringLiteral("中２"),
        QStringLiteral("中３"), QStringLiteral("高１")};
    if (grade < 0 || grade >= labels.size())
        return std::nullopt;
    return labels[grade];
}

QString listGradeLabel(int grade) {
    static const QStringList labels = {
        QStringLiteral("幼-"), QStringLiteral("幼1"), QStringLiteral("幼2"), QStringLiteral("幼3"),
        QStringLiteral("小1"), QStringLiteral("小2"), QStringLiteral("小3"), QStringLiteral("小4"),
        QStringLiteral("小5"), QStringLiteral("小6"), QStringLiteral("中1"), QStringLiteral("中2"),
        QStringLiteral("中3"), QStringLiteral("高1"), QStringLiteral("高2"), QStringLiteral("高3"),
        QStringLiteral("大+")};
    return labels[std::clamp(grade, -3, 13) + 3];
}

const QStringList& gradeFilterTexts() {
    static const QStringList texts = {
        QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"),
        QStringLiteral("中３"),   QStringLiteral("中２"),       QStringLiteral("中１"),
        QStringLiteral("小６"),   QStringLiteral("小５"),       QStringLiteral("小４"),
        QStringLiteral("小３"),   QStringLiteral("小２"),       QStringLiteral("小１")};
    return texts;
}

bool gradeFilter(const QString& filter, int grade) {
    if (filter == QStringLiteral("全学年"))
        return true;
    if (filter == QStringLiteral("中学生全体"))
        return grade >= 7 && grade <= 9;
    if (filter == QStringLiteral("小学生全体"))
        return grade >= 1 && grade <= 6;
    // One year: "中３".."中１" and "小６".."小１" are the full-width labels of their grade.
    for (int g = 1; g <= 9; ++g)
        if (filter == fullGradeLabel(g))
            return grade == g;
    return false;
}

void rememberStudent(RosterTables& tables, const RosterEntry& entry, int schoolYear,
                     NameForm nameForm) {
    const int number = entry.record.number;
    tables.studentNames[number] =
        nameForm == NameForm::Padded ? entry.record.name : trimNameBlanks(entry.record.name);
    tables.studentBirthYears[number] = entry.record.birthYear;
    if (auto label = fullGradeLabel(gradeNumber(schoolYear, entry.record.birthYear)))
        tables.studentGradeLabels[number] = *label;
}

bool listedOnNameScreen(int status, const Value& commonItem3) {
    if (status == 2 && commonItem3.toNumber() == 1)
        status = 0;
    return status == 0;
}

std::vector<RosterEntry> readRoster(AppState& state, const QDate& today) {
    const QString path = rosterPath(state.installation);
    const int schoolYear = schoolYearFor(today, state.installation.schoolYearStartMonth);
    std::vector<RosterEntry> entries = parseRosterFile(path);

    std::vector<RosterEntry> listed;
    for (const RosterEntry& entry : entries) {
        if (!listedOnNameScreen(entry.status, state.installation.commonItem3))
            continue;
        if (static_cast<int>(listed.size()) == kMaxListedStudents)
            fail(path, entry.line,
                 QStringLiteral("名簿に載せる生徒が %1 人を超えています").arg(kMaxListedStudents));
        listed.push_back(entry);
    }

    // The whole file is good: only now are the tables changed.
    RosterTables& tables = state.roster;
    tables.schoolYear = schoolYear;
    for (const RosterEntry& entry : entries)
        rememberStudent(tables, entry, schoolYear, NameForm::Padded);
    for (std::size_t i = 0; i < listed.size(); ++i) {
        tables.rosterRecords[i + 1] = listed[i].record;
        tables.rosterNumbers[i + 1] = listed[i].record.number;
    }
    tables.rosterCount = static_cast<int>(listed.size());
    return listed;
}
