// A temporary school with App on fake services, for the drill and end-of-round screen tests.
#pragma once
#include "startup/identity.h"
#include "startup/settings.h"
#include "support/apphost.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// One QApplication for the whole test program, offscreen.
inline void ensureQtApp() {
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "drill_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// Saves a screenshot when SUUDOKUAN_SHOTS names a folder (the developer looks at them).
inline void saveShot(QWidget* w, const QString& name) {
    const QString folder = qEnvironmentVariable("SUUDOKUAN_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    w->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

struct DrillSchool : AppHost {
    explicit DrillSchool(const SchoolOptions& options = {},
                         std::unique_ptr<AudioOut> realAudio = nullptr) {
        ensureQtApp();
        programFolder = makeSchool(dir.path(), options);
        AppHost& host = *this;
        host = hostApp(programFolder, FakeClock().now(), std::move(realAudio));
        loadSettings(app->state(), programFolder);
        fillLevelTable(app->state().program);
        StudentState& student = app->state().student;
        student.studentNumber = 1;
        student.studentName = QStringLiteral(" 山田　太郎 ");
        student.signInTime = clock->secondsSinceMidnight() - 125;
    }
    ~DrillSchool() {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString resultsPath() const {
        return app->state().installation.dataFolder + QStringLiteral("成績累積データ.dat");
    }
    QString soundFolder() const { return app->state().installation.soundFolder; }

    QTemporaryDir dir;
    QString programFolder;
};
