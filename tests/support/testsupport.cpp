// Helpers for tests: files in code page 932 and a small school folder.
#include "support/testsupport.h"

#include "text/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

void writeCp932(const QString& path, const QString& text) {
    QString crlf = text;
    crlf.replace(QChar('\n'), QStringLiteral("\r\n"));
    writeBytes(path, cp932::encode(crlf));
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

ProcessRun runProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-1, p.readAllStandardOutput(), QStringLiteral("timed out")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

QString makeSchool(const QString& root, const SchoolOptions& o) {
    const QString r = QDir(root).absolutePath() + u'/';
    writeCp932(r + QStringLiteral("パスデータ.txt"),
               r + QStringLiteral("\n2\n3\n4\n5\n6\n7\n8\n9\n10\n"));
    writeCp932(r + QStringLiteral("共通データ.txt"), o.commonSettings);
    QString roster = o.roster;
    if (roster.isEmpty())
        roster = QStringLiteral("1,2015,0,0,\"山田　太郎\",0,\"\",\"\"\n2,2016,0,0,\"佐藤　花子\",0,\"\",\"\"\n"
                                "3,1980,0,0,\"★田中先生\",0,\"\",\"\"\n");
    writeCp932(r + QStringLiteral("新名簿.txt"), roster);
    writeCp932(r + QStringLiteral("音フォルダ/新音ファイル.txt"), o.cueList);
    const QString program = r + o.programFolderName + u'/';
    QDir().mkpath(program);
    writeCp932(program + QStringLiteral("タイム回数データ.txt"), o.criteria);
    return program;
}
