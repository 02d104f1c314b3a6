// Screen hand-over and the program's start and end.
#include "app/app.h"

#include "startup/basefrm.h"
#include "startup/firstfrm.h"
#include "startup/frmver.h"
#include "startup/identity.h"
#include "startup/settings.h"
#include "text/loaderror.h"

#include <QCoreApplication>
#include <QEventLoop>

App::App(Services services, QString programFolder)
    : services_(std::move(services)), programFolder_(std::move(programFolder)) {}

App::~App() {
    for (auto& s : screens_)
        delete s.data();
}

void App::start() {
    auto* splash = load(new Firstfrm(*this));
    splash->loadScreen();
}

void App::startProgram() {
    try {
        loadSettings(state_, programFolder_);
    } catch (const LoadError& e) {
        fatal(QStringLiteral("設定ファイルのエラー"), e.message());
        return;
    }
    showNameScreen();
}

void App::showNameScreen() {
    // The name selection screen takes over here; the version screen stands until it exists.
    showVersionScreen();
}

void App::showVersionScreen() {
    auto* ver = screen<frmver>();
    if (!ver)
        ver = load(new frmver(*this));
    ver->show();
    ver->raise();
    ver->activateScreen();
}

void App::showWaitScreen() {
    auto* wait = screen<BASEFRM>();
    if (!wait)
        wait = load(new BASEFRM(*this));
    wait->show();
    wait->raise();
    doEvents();
}

void App::closeWaitScreen() {
    if (auto* wait = screen<BASEFRM>())
        unload(wait);
}

void App::openLevelMenu() {
    fillLevelTable(state_.program);
    showLevelMenu();
}

// The level menu screen takes over here.
void App::showLevelMenu() {}

// The drill screen takes over here.
void App::startDrill() {}

// The end-of-round screen takes over here.
void App::showEndOfRound() {}

SoundContext App::soundContext() {
    return SoundContext{state_.sound, state_.installation.soundFolder, audio(), random()};
}

// Checked cue playback lands here with the sound module.
void App::playCorrectCue() {}
void App::playWrongCue() {}
void App::playNoNameCue() {}

void App::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void App::fatal(const QString& title, const QString& text, int code) {
    messages().error(title, text);
    exitProgram(code);
}

void App::exitProgram(int code) {
    finished_ = true;
    exitCode_ = code;
    // Unload the screens, the most recently opened first.
    for (qsizetype i = screens_.size() - 1; i >= 0; --i)
        if (screens_[i])
            unload(screens_[i]);
    QCoreApplication::exit(code);
}

void App::unload(QWidget* screen) {
    screens_.removeAll(screen);
    screen->hide();
    screen->deleteLater();
}

QList<QWidget*> App::liveScreens() const {
    QList<QWidget*> out;
    for (const auto& s : screens_)
        if (s)
            out.append(s.data());
    return out;
}
