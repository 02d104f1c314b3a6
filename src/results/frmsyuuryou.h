// The end-of-round screen: the round's time and points, today's counts, the record and pass
// messages with their sound cues, then the way back to the menu or into the same level again.
#pragma once
#include "drill/scaledplacer.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

class App;

class FrmSyuuryou : public QWidget {
    Q_OBJECT
public:
    explicit FrmSyuuryou(App& app);

    // The activation: statistics, texts, messages and cues, then the closing step's timer.
    void activateScreen();
    // The closing step, 500 ms after the activation.
    void timer1Tick();
    void command4Click(); // "メニューへ"
    void command5Click(); // "もう一度"

    QLabel* Image1;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label19;
    QLabel* Label20;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label2;
    QFrame* Picture1;
    QLabel* Label1;
    QPushButton* Command4;
    QPushButton* Command5;
    QTimer* Timer1;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text,
                      const QRect& design, double points, const QString& style, bool bold);
    QPushButton* makeButton(const QString& name, const QString& text, const QRect& design);
    bool passedLevel() const;

    App& app_;
    ScaledPlacer placer_;
};
