// A temporary school with App on fake services and a student signed in, for the level menu's
// screen tests: the name screen's roster read is done, results are written as records.
#pragma once
#include "menu/seisekitime1.h"
#include "results/resultsfile.h"
#include "results/statistics.h"
#include "roster/roster.h"
#include "startup/identity.h"
#include "startup/settings.h"
#include "support/apphost.h"
#include "support/records.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// School year 2026 (start month 4): 2016 is 小4, 2019 小1, 2013 中1, 1980 a teacher.
inline const QString kMenuRoster = QStringLiteral("1,2016,0,0,\"山田　太郎\",0,\"\",\"\"\n"
                                                  "2,2019,0,0,\"佐藤　花子\",0,\"\",\"\"\n"
                                                  "3,2013,0,0,\"川上　ゆう\",0,\"\",\"\"\n"
                                                  "4,1980,0,0,\"★田中先生\",0,\"\",\"\"\n"
                                                  "5,2016,0,0,\"休み中\",1,\"\",\"\"\n");

// Saves a screenshot when SUUDOKUAN_SHOTS names a folder.
inline void saveMenuShot(QWidget* w, const QString& name, int zoom = 1) {
    const QString folder = qEnvironmentVariable("SUUDOKUAN_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QPixmap shot = w->grab();
    if (zoom > 1)
        shot = shot.scaled(shot.size() * zoom);
    shot.save(folder + u'/' + name + QStringLiteral(".png"));
}

struct MenuSchool : AppHost {
    explicit MenuSchool(const QString& roster = kMenuRoster) {
        SchoolOptions o;
        o.roster = roster;
        programFolder = makeSchool(dir.path(), o);
        AppHost& host = *this;
        host = hostApp(programFolder, QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
        loadSettings(app->state(), programFolder);
        app->state().installation.seasonColour = 0xC0FFC0;
        readRoster(app->state(), clock->now().date());
        signIn(1);
    }
    ~MenuSchool() {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void signIn(int number) {
        StudentState& st = app->state().student;
        st.studentNumber = static_cast<std::int16_t>(number);
        st.studentName = app->state().roster.studentNames[static_cast<std::size_t>(number)];
        st.studentGradeText =
            app->state().roster.studentGradeLabels[static_cast<std::size_t>(number)];
        st.signInTime = clock->secondsSinceMidnight() - 125;
        st.gradeFilterText = QStringLiteral("全学年");
    }
    void addRecords(const std::vector<ResultRecord>& records) {
        QByteArray bytes = readBytes(resultsPath());
        for (const auto& r : records)
            bytes += serializeRecord(r);
        writeBytes(resultsPath(), bytes);
    }
    QDateTime at(int daysBack, QTime time) const {
        return QDateTime(clock->now().date().addDays(-daysBack), time);
    }
    QString resultsPath() const { return programFolder + kResultsFileName; }
    // As the name screen does: the statistics are computed just before the menu loads.
    seisekitime1* open() {
        computeStatistics(app->state(), *clock, *messages);
        app->openLevelMenu();
        return app->screen<seisekitime1>();
    }
    static QStringList rows(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out.append(list->item(i)->text());
        return out;
    }

    QTemporaryDir dir;
    QString programFolder;
};
