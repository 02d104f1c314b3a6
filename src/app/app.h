// App owns the shared state, the services and the screens. Screens hand over by setting the
// state and asking App for the next screen; App loads, shows and unloads them.
#pragma once
#include "app/services.h"
#include "sound/cueplayer.h"
#include "startup/appstate.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class App : public QObject {
    Q_OBJECT
public:
    // `programFolder` is the folder of the program (the executable's folder in real use).
    App(Services services, QString programFolder);
    ~App() override;

    AppState& state() { return state_; }
    Services& services() { return services_; }
    Clock& clock() { return *services_.clock; }
    Random& random() { return *services_.random; }
    AudioOut& audio() { return *services_.audio; }
    UserMessages& messages() { return *services_.messages; }
    const QString& programFolder() const { return programFolder_; }

    // Shows the splash; everything else follows from its timer.
    void start();
    // Loads the settings and hands over to the name selection screen. A settings problem shows
    // its message and ends the program with status 1 before any other screen appears.
    void startProgram();
    void showNameScreen();
    void showVersionScreen();
    // The version screen as a modal window centred on `owner` (the name screen's title click).
    void showVersionScreenOver(QWidget* owner);
    void showWaitScreen();
    void closeWaitScreen();
    // Fills the level table and shows the level menu.
    void openLevelMenu();
    void showLevelMenu();
    // Resets the round state and shows the drill screen for state().round.levelIndex.
    void startDrill();
    // Shows the end-of-round screen after a round has been recorded.
    void showEndOfRound();

    // The checked sound cues; on the fourth failure in a row they show "音声エラー" and end the
    // program (then finished() is true).
    void playCorrectCue();
    void playWrongCue();
    void playNoNameCue();
    SoundContext soundContext();

    // Lets pending window events run (timers, repaints), as long work does at chosen points.
    void doEvents();
    // Shows an error message, unloads every screen and ends the program with `code`.
    void fatal(const QString& title, const QString& text, int code = 1);
    void exitProgram(int code);
    bool finished() const { return finished_; }
    int exitCode() const { return exitCode_; }

    // Registers a screen that App now owns and shows it.
    template <typename Screen> Screen* load(Screen* screen) {
        screens_.append(screen);
        return screen;
    }
    void unload(QWidget* screen);
    template <typename Screen> Screen* screen() const {
        for (const auto& s : screens_)
            if (auto* typed = qobject_cast<Screen*>(s.data()))
                return typed;
        return nullptr;
    }
    QList<QWidget*> liveScreens() const;

private:
    AppState state_;
    Services services_;
    QString programFolder_;
    QList<QPointer<QWidget>> screens_;
    bool finished_ = false;
    int exitCode_ = 0;
};
