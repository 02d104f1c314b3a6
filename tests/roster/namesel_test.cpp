// The name selection screen driven offscreen: the list as built from the roster and the results,
// confirming a name by double click, Enter, blank and "1", refusing the separator row with the
// no-name sound, options and filter, the version screen, the launcher and a bad roster.
#include "results/resultsfile.h"
#include "roster/namesel.h"
#include "startup/frmver.h"
#include "support/apphost.h"
#include "support/records.h"
#include "text/dateserial.h"

#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QChar kIdeo(0x3000);

// School year 2026 (start month 4): 2019 is 小1, 2015 小5, 2021 幼2, 2012 中2.
const QString kRoster = QStringLiteral("1,2015,0,0,\"山田　太郎\",0,\"\",\"\"\n"
                                       "2,2019,0,0,\"佐藤　花子\",0,\"\",\"\"\n"
                                       "3,2021,0,0,\"川上　ゆう\",0,\"\",\"\"\n"
                                       "4,2012,0,0,\"星*野\",0,\"\",\"\"\n"
                                       "5,1980,0,0,\"★田中先生\",1,\"\",\"\"\n");

struct Harness : AppHost {
    QTemporaryDir dir;
    QString program;

    explicit Harness(const QString& roster = kRoster,
                     std::unique_ptr<Launcher> realLauncher = nullptr) {
        SchoolOptions o;
        o.roster = roster;
        program = makeSchool(dir.path(), o);
        const QDate today(2026, 12, 11);
        const double day = toDateSerial(today);
        QByteArray bytes;
        bytes += serializeRecord(roundRecord(day, 0.4, 1, 1, 30));     // 11 points today
        bytes += serializeRecord(roundRecord(day - 3, 0.4, 1, 1, 60)); // 5 points before
        writeBytes(program + kResultsFileName, bytes);

        AppHost& host = *this;
        host = hostApp(program, QDateTime(today, QTime(10, 0, 0, 600)), nullptr,
                       std::move(realLauncher));
        app->state().installation.seasonColour = 0xC0FFC0;
    }
    // The screens go before the school's folder does.
    ~Harness() { app.reset(); }
    namesel* start() {
        app->startProgram();
        return app->screen<namesel>();
    }
    QStringList rows(namesel* n) const {
        QStringList out;
        for (int i = 0; i < n->List1->count(); ++i)
            out << n->List1->item(i)->text();
        return out;
    }
    QPoint rowCentre(namesel* n, int row) const {
        return n->List1->visualItemRect(n->List1->item(row)).center();
    }
    bool hasScreen(const QString& name) const {
        for (QWidget* w : app->liveScreens())
            if (w->objectName() == name)
                return true;
        return false;
    }
    // A double click as the window system delivers it: press and release, then the double click.
    void doubleClickRow(namesel* n, int row) const {
        QTest::mouseClick(n->List1->viewport(), Qt::LeftButton, {}, rowCentre(n, row));
        QTest::mouseDClick(n->List1->viewport(), Qt::LeftButton, {}, rowCentre(n, row));
    }
};

TEST(NameScreen, OpensWithTheSchoolYoungestFirstInOptionOne) {
    Harness h;
    namesel* n = h.start();
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->displayOption(), 1);
    EXPECT_TRUE(n->Option1[1]->isChecked());
    EXPECT_EQ(h.rows(n),
              (QStringList{
                  QStringLiteral("－－－－－－"),
                  QStringLiteral("幼2 川上　ゆう") + kIdeo + QStringLiteral("  ") + kIdeo +
                      QStringLiteral("/       "),
                  QStringLiteral("小1 佐藤　花子") + kIdeo + QStringLiteral("  ") + kIdeo +
                      QStringLiteral("/       "),
                  QStringLiteral("小5 山田　太郎") + kIdeo + QStringLiteral("  11/     16"),
                  QStringLiteral("中2 星*野") + QString(3, kIdeo) + QStringLiteral("  ") + kIdeo +
                      QStringLiteral("/       "),
              }));
    EXPECT_EQ(n->List1->currentRow(), 0);
    EXPECT_EQ(n->Label1->text(), QStringLiteral("名前を選びなさい"));
    EXPECT_EQ(n->Label4->text(), QStringLiteral("数読庵"));
    EXPECT_FALSE(n->Picture5->isVisible());
    EXPECT_TRUE(n->Command14->isVisible());
    EXPECT_EQ(n->Combo1->count(), 12);
    EXPECT_EQ(n->Combo1->currentText(), QStringLiteral("全学年"));
    EXPECT_EQ(h.app->state().student.gradeFilterText, QStringLiteral("全学年"));
    EXPECT_EQ(n->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
    // The list's font keeps a full-width character exactly two half-width ones wide.
    QFontMetrics fm(n->List1->font());
    EXPECT_EQ(n->List1->font().family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(fm.horizontalAdvance(QStringLiteral("回")), 2 * fm.horizontalAdvance(u'1'));
    EXPECT_EQ(fm.horizontalAdvance(kIdeo), 2 * fm.horizontalAdvance(u' '));
}

// Each way of confirming a name sets the current student and asks for the level menu.
TEST(NameScreen, ConfirmsANameByDoubleClickEnterBlankAndKeyOne) {
    enum class How { DoubleClick, Enter, Blank, KeyOne };
    for (How how : {How::DoubleClick, How::Enter, How::Blank, How::KeyOne}) {
        SCOPED_TRACE(static_cast<int>(how));
        Harness h;
        namesel* n = h.start();
        ASSERT_NE(n, nullptr);
        EXPECT_EQ(h.app->state().program.levelCount, 0);
        const int row = 3; // 小5 山田　太郎
        if (how == How::DoubleClick) {
            h.doubleClickRow(n, row);
        } else {
            QTest::mouseClick(n->List1->viewport(), Qt::LeftButton, {}, h.rowCentre(n, row));
            // The first ten characters of the row: the ideographic fill may remain.
            EXPECT_EQ(n->Label1->text(), QStringLiteral("小5 山田　太郎") + kIdeo);
            EXPECT_EQ(n->Label2->text(), QStringLiteral("1"));
            const Qt::Key key = how == How::Enter   ? Qt::Key_Return
                                : how == How::Blank ? Qt::Key_Space
                                                    : Qt::Key_1;
            QTest::keyClick(n->List1, key);
        }
        const StudentState& s = h.app->state().student;
        EXPECT_EQ(s.studentNumber, 1);
        EXPECT_EQ(s.studentName, fixedText(QStringLiteral("山田　太郎")));
        EXPECT_EQ(s.studentGradeText, QStringLiteral("小５"));
        EXPECT_EQ(s.signInTime, 36001); // 10:00:00.6, rounded
        EXPECT_EQ(h.app->state().program.levelCount, 4);
        EXPECT_TRUE(h.hasScreen(QStringLiteral("seisekitime1")));
        EXPECT_TRUE(h.audio->played.isEmpty());
    }
}

TEST(NameScreen, TheSeparatorRowIsRefusedWithTheNoNameSound) {
    Harness h;
    namesel* n = h.start();
    ASSERT_NE(n, nullptr);
    QTest::mouseClick(n->List1->viewport(), Qt::LeftButton, {}, h.rowCentre(n, 2));
    QTest::mouseClick(n->List1->viewport(), Qt::LeftButton, {}, h.rowCentre(n, 0));
    EXPECT_EQ(n->Label1->text(), QStringLiteral("名前を選びなさい"));
    QTest::mouseClick(n->Command14, Qt::LeftButton);
    h.doubleClickRow(n, 0);
    QTest::keyClick(n->List1, Qt::Key_Return);
    // The click on O.K. and Enter each play the cue; the double click on the separator does not.
    const QString bubu = h.app->state().installation.soundFolder + QStringLiteral("bubu.wav");
    EXPECT_EQ(h.audio->played, (QStringList{bubu, bubu}));
    EXPECT_EQ(h.app->state().student.studentNumber, 0);
    EXPECT_EQ(h.app->state().program.levelCount, 0);
    EXPECT_FALSE(n->Command14->isHidden());
}

TEST(NameScreen, OptionsAndFilterRebuildTheList) {
    Harness h;
    namesel* n = h.start();
    ASSERT_NE(n, nullptr);
    QTest::mouseClick(n->Option1[0], Qt::LeftButton);
    EXPECT_EQ(n->displayOption(), 0);
    EXPECT_EQ(n->List1->item(3)->text(),
              QStringLiteral("小5 山田　太郎") + kIdeo + QStringLiteral("  1回/    2回"));
    // Pre-school rows are filled further in option 0.
    EXPECT_TRUE(n->List1->item(1)->text().startsWith(QStringLiteral("幼2 川上　ゆう") +
                                                     QString(3, kIdeo) + QStringLiteral("     /")));

    n->Combo1->setCurrentIndex(n->Combo1->findText(QStringLiteral("小３")));
    n->combo1Click(n->Combo1->currentIndex());
    EXPECT_EQ(h.rows(n), QStringList{QStringLiteral("－－－－－－")});
    EXPECT_EQ(h.app->state().student.gradeFilterText, QStringLiteral("小３"));

    n->Combo1->setCurrentIndex(n->Combo1->findText(QStringLiteral("小学生全体")));
    n->combo1Click(n->Combo1->currentIndex());
    QTest::mouseClick(n->Option1[3], Qt::LeftButton);
    EXPECT_EQ(n->Combo1->currentText(), QStringLiteral("小学生全体"));
    EXPECT_EQ(h.rows(n), (QStringList{QStringLiteral("－－－－－－"),
                                      QStringLiteral("小1 佐藤　花子") + kIdeo +
                                          QStringLiteral("       /     ") + kIdeo,
                                      QStringLiteral("小5 山田　太郎") + kIdeo +
                                          QStringLiteral("     16/    2回")}));
    // The number of a row holding "*" in the name is still the student's.
    n->Combo1->setCurrentIndex(0);
    n->combo1Click(0);
    h.doubleClickRow(n, 4);
    EXPECT_EQ(h.app->state().student.studentNumber, 4);
}

TEST(NameScreen, ComingBackFromTheMenuUnloadsItAndResetsTheScreen) {
    Harness h;
    namesel* n = h.start();
    ASSERT_NE(n, nullptr);
    QTest::mouseClick(n->Option1[2], Qt::LeftButton);
    n->Combo1->setCurrentIndex(n->Combo1->findText(QStringLiteral("小学生全体")));
    n->combo1Click(n->Combo1->currentIndex());
    h.doubleClickRow(n, 1);
    EXPECT_EQ(h.app->state().student.studentNumber, 2);
    ASSERT_TRUE(h.hasScreen(QStringLiteral("seisekitime1")));
    // The menu's way back.
    h.app->showNameScreen();
    n = h.app->screen<namesel>();
    ASSERT_NE(n, nullptr);
    EXPECT_FALSE(h.hasScreen(QStringLiteral("seisekitime1")));
    EXPECT_EQ(n->displayOption(), 1);
    EXPECT_FALSE(n->Command14->isHidden());
    EXPECT_FALSE(n->Picture5->isVisible());
    EXPECT_EQ(n->Label1->text(), QStringLiteral("名前を選びなさい"));
    EXPECT_EQ(h.app->state().student.gradeFilterText, QStringLiteral("全学年"));
    QTest::keyClick(n->List1, Qt::Key_Down);
    QTest::keyClick(n->List1, Qt::Key_1);
    EXPECT_EQ(h.app->state().student.studentNumber, 3);
}

TEST(NameScreen, TitleClickOpensTheVersionScreenCentredAndModal) {
    Harness h;
    namesel* n = h.start();
    ASSERT_NE(n, nullptr);
    n->move(100, 50);
    QTest::mouseClick(n->Label4, Qt::LeftButton);
    auto* ver = h.app->screen<frmver>();
    ASSERT_NE(ver, nullptr);
    EXPECT_TRUE(ver->isVisible());
    EXPECT_EQ(ver->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(ver->Label1->text(), QStringLiteral("数読庵"));
    EXPECT_NEAR(ver->geometry().center().x(), n->geometry().center().x(), 1);
    EXPECT_NEAR(ver->geometry().center().y(), n->geometry().center().y(), 1);
}

TEST(NameScreen, KeyZeroStartsTheLauncherAndEnds) {
    Harness h;
    namesel* n = h.start();
    ASSERT_NE(n, nullptr);
    QTest::keyClick(n->List1, Qt::Key_0);
    const QString launcher = h.dir.path() + QStringLiteral("/起動/プログラムメニューc.exe 001");
    EXPECT_EQ(h.launcher->started, QStringList{launcher});
    EXPECT_TRUE(h.app->finished());
    EXPECT_EQ(h.app->exitCode(), 0);
    EXPECT_TRUE(h.messages->log.isEmpty());
}

TEST(NameScreen, WithoutALauncherKeyZeroSaysSoAndEnds) {
    Harness h;
    h.launcher->succeed = false;
    namesel* n = h.start();
    ASSERT_NE(n, nullptr);
    QTest::mouseClick(n->Command7, Qt::LeftButton);
    const QString base = h.dir.path() + QStringLiteral("/起動/プログラムメニューc");
    EXPECT_EQ(h.launcher->started,
              (QStringList{base + QStringLiteral(".exe 001"), base + QStringLiteral(" 001")}));
    ASSERT_EQ(h.messages->log.size(), 1);
    EXPECT_TRUE(h.messages->log[0].startsWith(QStringLiteral("error|プログラムメニュー|")));
    EXPECT_TRUE(h.messages->log[0].contains(base + QStringLiteral(".exe")));
    EXPECT_TRUE(h.app->finished());
    EXPECT_EQ(h.app->exitCode(), 1);
}

// On this system the family launcher may be a program without ".exe": it is started with "001".
TEST(NameScreen, ARealLauncherWithoutExeIsStarted) {
    Harness h(kRoster, std::make_unique<ProcessLauncher>());
    const QString folder = h.dir.path() + QStringLiteral("/起動/");
    const QString marker = h.dir.path() + QStringLiteral("/started.txt");
    writeBytes(folder + QStringLiteral("プログラムメニューc"),
               QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\n").arg(marker).toUtf8());
    QFile::setPermissions(folder + QStringLiteral("プログラムメニューc"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    namesel* n = h.start();
    ASSERT_NE(n, nullptr);
    QTest::keyClick(n->List1, Qt::Key_0);
    EXPECT_TRUE(h.app->finished());
    EXPECT_EQ(h.app->exitCode(), 0);
    for (int i = 0; i < 100 && readBytes(marker).isEmpty(); ++i)
        QTest::qWait(50);
    EXPECT_EQ(readBytes(marker), QByteArray("001\n"));
}

TEST(NameScreen, ABadRosterEndsTheProgramWithItsMessage) {
    Harness h(QStringLiteral("1,2015,0,0,\"山田\",0,\"\",\"\"\n9999,2015,0,0,\"x\",0,\"\",\"\"\n"));
    h.app->startProgram();
    EXPECT_TRUE(h.app->finished());
    EXPECT_EQ(h.app->exitCode(), 1);
    ASSERT_EQ(h.messages->log.size(), 1);
    EXPECT_TRUE(h.messages->log[0].contains(QStringLiteral("新名簿.txt")));
    EXPECT_TRUE(h.messages->log[0].contains(QStringLiteral("2 行目")));
    EXPECT_EQ(h.app->screen<namesel>(), nullptr);
}

} // namespace
