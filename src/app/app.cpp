// Screen hand-over and the program's start and end.
#include "app/app.h"

#include "drill/mainfrm.h"
#include "drill/round.h"
#include "menu/seisekitime1.h"
#include "results/frmsyuuryou.h"
#include "roster/namesel.h"
#include "startup/basefrm.h"
#include "startup/firstfrm.h"
#include "startup/frmver.h"
#include "startup/identity.h"
#include "startup/settings.h"
#include "text/loaderror.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace {

// The loaded screen of type Screen, loaded first when there is none.
template <typename Screen> Screen* loadedScreen(App& app) {
    if (auto* loaded = app.screen<Screen>())
        return loaded;
    return app.load(new Screen(app));
}

// Brings a screen to the front with the keyboard, then lets it fill itself in.
template <typename Screen> void bringForward(Screen* screen) {
    screen->show();
    screen->raise();
    screen->activateWindow();
    screen->activateScreen();
}

} // namespace

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
    auto* names = screen<namesel>();
    if (!names) {
        names = load(new namesel(*this));
        if (!names->loadScreen())
            return; // a bad roster has ended the program
    }
    bringForward(names);
}

void App::showVersionScreen() {
    auto* ver = loadedScreen<frmver>(*this);
    ver->show();
    ver->raise();
    ver->activateScreen();
}

void App::showVersionScreenOver(QWidget* owner) {
    auto* ver = loadedScreen<frmver>(*this);
    ver->hide(); // modality takes effect when the window is shown
    ver->setWindowModality(Qt::ApplicationModal);
    ver->resize(ver->size().expandedTo(ver->minimumSizeHint())); // its size once shown
    // move() places the frame, so the frame's corner is the origin on both sides.
    const QPoint corner = owner->frameGeometry().topLeft();
    ver->move(corner.x() + (owner->width() - ver->width()) / 2,
              corner.y() + (owner->height() - ver->height()) / 2);
    ver->show();
    ver->raise();
    ver->activateScreen();
}

void App::showWaitScreen() {
    auto* wait = loadedScreen<BASEFRM>(*this);
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

// The level menu is loaded afresh each time it is shown: an older copy goes first.
void App::showLevelMenu() {
    if (auto* old = screen<seisekitime1>())
        unload(old);
    bringForward(load(new seisekitime1(*this)));
}

void App::startDrill() {
    RoundState& round = state_.round;
    // A level without a lowest pass line has no time limit to run against (and no problems
    // outside levels 1..4): such a round is refused instead of started.
    if (!levelCanBeStarted(state_.program, round.levelIndex)) {
        messages().error(QStringLiteral("レベルエラー"),
                         QStringLiteral("このレベルは始められません。タイム回数データの最低Timeを"
                                        "確かめてください。(レベル%1)")
                             .arg(round.levelIndex));
        return;
    }
    resetRoundForStart(round);
    doEvents();
    bringForward(loadedScreen<MainFrm>(*this));
}

void App::showEndOfRound() {
    bringForward(loadedScreen<FrmSyuuryou>(*this));
}

SoundContext App::soundContext() {
    return SoundContext{state_.sound, state_.installation.soundFolder, audio(), random()};
}

namespace {
// The fourth failure in a row of a checked cue: tell the student to call the teacher and end.
void giveUpOnSound(App& app, CueOutcome outcome) {
    if (outcome != CueOutcome::GiveUp)
        return;
    app.fatal(QStringLiteral("音声エラー"), QStringLiteral("音声がでません。先生を呼びなさい。\r\n") +
                                             app.state().sound.mciReturnText);
}
} // namespace

void App::playCorrectCue() { giveUpOnSound(*this, ::playCorrectCue(soundContext())); }
void App::playWrongCue() { giveUpOnSound(*this, ::playWrongCue(soundContext())); }
void App::playNoNameCue() { giveUpOnSound(*this, ::playNoNameCue(soundContext())); }

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
