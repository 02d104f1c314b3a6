// A temporary school with App on fake services, for the drill and end-of-round screen tests.
#pragma once
#include "app/app.h"
#include "startup/identity.h"
#include "startup/settings.h"
#include "support/testsupport.h"

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

struct DrillSchool {
    explicit DrillSchool(const SchoolOptions& options = {},
                         std::unique_ptr<AudioOut> realAudio = nullptr) {
        ensureQtApp();
        programFolder = makeSchool(dir.path(), options);
        Services s;
        auto c = std::make_unique<FakeClock>();
        auto r = std::make_unique<FakeRandom>();
        auto m = std::make_unique<FakeMessages>();
        clock = c.get();
        random = r.get();
        messages = m.get();
        s.clock = std::move(c);
        s.random = std::move(r);
        s.messages = std::move(m);
        if (realAudio) {
            s.audio = std::move(realAudio);
        } else {
            auto a = std::make_unique<FakeAudio>();
            audio = a.get();
            s.audio = std::move(a);
        }
        s.launcher = std::make_unique<FakeLauncher>();
        app = std::make_unique<App>(std::move(s), programFolder);
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
    FakeClock* clock = nullptr;
    FakeRandom* random = nullptr;
    FakeAudio* audio = nullptr;
    FakeMessages* messages = nullptr;
    std::unique_ptr<App> app;
};
