// The splash screen: today's era date, the season colour, and the hand-over after 100 ms.
#pragma once
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>

class App;

class Firstfrm : public QWidget {
    Q_OBJECT
public:
    explicit Firstfrm(App& app);
    // The load event: show, seed the random source, write the date, pick the season colour,
    // then start the hand-over timer.
    void loadScreen();

    QFrame* Picture1;
    QLabel* Image1;
    QLabel* Label5;
    QLabel* Label1;
    QLabel* titleLabel;
    QTimer* Timer1;

private:
    void timer1Tick();
    App& app_;
};
