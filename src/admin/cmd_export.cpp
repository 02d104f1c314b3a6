// suudokuan-admin export: every record of the results file, in file order, as CSV for a
// spreadsheet (UTF-8 with a byte-order mark, CR LF), with the student's name and grade from the
// roster and the points each record earns.
#include "admin/command.h"
#include "admin/options.h"
#include "results/resultsfile.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "text/cp932.h"
#include "text/dateserial.h"

#include <QDateTime>
#include <cmath>
#include <memory>

namespace {

const char* const kUsage = "export PROGRAM_FOLDER [--now \"YYYY-MM-DD HH:MM:SS\"]";
const QString kHeader =
    QStringLiteral("record,date,clock,student,name,grade,level,time,siteCode,basePoints,points");

// A field as CSV requires: quoted when it holds a comma, a quote or a line break.
QString csvField(const QString& value) {
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\r') &&
        !value.contains(u'\n'))
        return value;
    QString quoted = value;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// Serials far outside the calendar (a damaged record) give an empty field, not a bogus date.
bool plausibleSerial(double serial) {
    return std::isfinite(serial) && std::fabs(serial) < 3e6;
}

QString dateText(double serial) {
    if (!plausibleSerial(serial))
        return {};
    return fromDateSerial(std::floor(serial)).date().toString(QStringLiteral("yyyy/MM/dd"));
}

QString clockText(double serial) {
    if (!plausibleSerial(serial))
        return {};
    return QTime(0, 0).addSecs(secondsOfDay(serial)).toString(QStringLiteral("HH:mm:ss"));
}

QString textField(const QByteArray& bytes) {
    QString text = cp932::decode(bytes);
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == QChar(0)))
        text.chop(1);
    return text;
}

struct StudentInfo {
    QString name;
    QString grade;
};

// Everyone in the roster by number, listed or not; later lines win, as in every roster read.
std::vector<StudentInfo> studentsByNumber(const InstallationState& in, const QDate& today) {
    std::vector<StudentInfo> students(kStudentSlots);
    const int schoolYear = schoolYearFor(today, in.schoolYearStartMonth);
    for (const RosterEntry& e : parseRosterFile(rosterPath(in))) {
        StudentInfo& s = students[static_cast<std::size_t>(e.record.number)];
        s.name = trimNameBlanks(e.record.name);
        s.grade = fullGradeLabel(gradeNumber(schoolYear, e.record.birthYear)).value_or(QString());
    }
    return students;
}

QString recordLine(std::size_t index, const ResultRecord& r, const AppState& state,
                   const std::vector<StudentInfo>& students) {
    const bool known = r.Bangou >= 0 && r.Bangou <= kMaxStudent;
    const StudentInfo none;
    const StudentInfo& s = known ? students[static_cast<std::size_t>(r.Bangou)] : none;
    const bool level = r.level >= 1 && r.level <= kMaxLevel;
    QStringList fields = {
        QString::number(index + 1),
        dateText(r.recordDate),
        clockText(r.recordClock),
        QString::number(r.Bangou),
        s.name,
        s.grade,
        QString::number(r.level),
        QString::number(r.time),
        textField(r.siteCode),
        level ? QString::number(basePointsForTime(state.program, r.time, r.level)) : QString(),
        level ? QString::number(pointsForTime(state.program, r.time, r.level)) : QString(),
    };
    for (QString& f : fields)
        f = csvField(f);
    return fields.join(u',');
}

int runExport(const QStringList& args, AdminIo& io) {
    const std::optional<AdminArgs> a = parseFolderArgs(args, {QStringLiteral("--now")});
    if (!a)
        return usageError(io, kUsage);
    const std::unique_ptr<Clock> clock = commandClock(*a, io);
    if (!clock)
        return 1;
    const QDate today = clock->now().date();
    return onInstallation(io, a->words[0], [&](AppState& state, UserMessages& messages) {
        const std::vector<StudentInfo> students = studentsByNumber(state.installation, today);
        const std::vector<ResultRecord> records =
            readResultRecords(state.installation.dataFolder, messages);
        io.out << QChar(0xFEFF) << kHeader << "\r\n";
        for (std::size_t i = 0; i < records.size(); ++i)
            io.out << recordLine(i, records[i], state, students) << "\r\n";
        return 0;
    });
}

AdminCommand reg("export", kUsage, runExport);

} // namespace
