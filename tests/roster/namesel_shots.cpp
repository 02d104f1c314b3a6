// Screenshots of the name screen with a school of about forty students, one per display option,
// saved as PNG files in the folder given by SHOTS_DIR (default "shots"). Run by hand.
#include "results/resultsfile.h"
#include "roster/namesel.h"
#include "support/apphost.h"
#include "support/records.h"
#include "text/dateserial.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString schoolRoster() {
    const QStringList family = {QStringLiteral("山田"), QStringLiteral("佐藤"),
                                QStringLiteral("鈴木"), QStringLiteral("高橋"),
                                QStringLiteral("田中"), QStringLiteral("伊藤"),
                                QStringLiteral("渡辺"), QStringLiteral("中村")};
    const QStringList given = {QStringLiteral("太郎"), QStringLiteral("花子"),
                               QStringLiteral("ゆう"), QStringLiteral("健"),
                               QStringLiteral("さくら")};
    QString roster;
    int number = 1;
    for (int i = 0; i < 40; ++i) {
        const int birthYear = 2011 + i % 12; // 中3 down to 幼1
        const QString name =
            family[i % family.size()] + QChar(0x3000) + given[(i / 3) % given.size()];
        roster +=
            QStringLiteral("%1,%2,0,0,\"%3\",0,\"\",\"\"\n").arg(number++).arg(birthYear).arg(name);
    }
    roster += QStringLiteral("%1,1975,0,0,\"★田中先生\",0,\"\",\"\"\n").arg(number);
    return roster;
}

TEST(Shots, NameScreenInEachDisplayOption) {
    QTemporaryDir dir;
    SchoolOptions o;
    o.roster = schoolRoster();
    const QString program = makeSchool(dir.path(), o);
    const QDate today(2026, 12, 11);
    QByteArray bytes;
    for (int k = 0; k < 400; ++k)
        bytes += serializeRecord(roundRecord(toDateSerial(today.addDays(-(k % 9))), 0.5,
                                             1 + (k * 7) % 37, 1 + k % 4, 40 + (k * 13) % 200));
    writeBytes(program + kResultsFileName, bytes);

    AppHost host = hostApp(program, QDateTime(today, QTime(16, 30)));
    App& app = *host.app;
    app.state().installation.seasonColour = 0xC0FFC0;
    app.startProgram();
    namesel* n = app.screen<namesel>();
    ASSERT_NE(n, nullptr);
    n->resize(1024, 768);
    const QString out = qEnvironmentVariable("SHOTS_DIR", QStringLiteral("shots"));
    QDir().mkpath(out);
    for (int k = 0; k < kDisplayOptions; ++k) {
        QTest::mouseClick(n->Option1[k], Qt::LeftButton);
        n->List1->setCurrentRow(5);
        QTest::qWait(50);
        n->grab().save(out + QStringLiteral("/namesel_option%1.png").arg(k));
    }
    n->Combo1->setCurrentIndex(n->Combo1->findText(QStringLiteral("小学生全体")));
    n->combo1Click(n->Combo1->currentIndex());
    n->resize(1280, 960);
    QTest::qWait(50);
    n->grab().save(out + QStringLiteral("/namesel_filter_1280.png"));
    n->resize(800, 600);
    QTest::qWait(50);
    n->grab().save(out + QStringLiteral("/namesel_800.png"));
}

} // namespace
