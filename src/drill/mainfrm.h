// The drill screen: the problem in kanji, the answer board, the status area with the time bar,
// and the timed round from its start to the end banner.
#pragma once
#include "drill/answerboard.h"
#include "drill/scaledplacer.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVector>
#include <QWidget>
#include <cstdint>

class App;

class MainFrm : public QWidget {
    Q_OBJECT
public:
    explicit MainFrm(App& app);

    // The activation: banner to the left edge, 初期設定, レベル別設定, スタート, first problem.
    void activateScreen();

    // Procedures of the round.
    void 初期設定();
    void レベル別設定();
    void スタート();
    void nextProblem();
    void showProblem();
    void showTypedAnswer();
    void judgeAnswer();
    void endRound();
    void waitThenShowResults(int seconds);
    void sTimer1Tick();
    void sTimer2Tick();

    // Input handlers of the board.
    void selectMode(int index);
    void keyDown(AnswerBoard::Key key);
    void keyPress(QChar ch);
    void cellClick(int cell);
    void clearEntry();

    const AnswerBoard& board() const { return board_; }
    std::uint64_t problemValue() const { return problemValue_; }
    int problemPointSize() const { return problemPointSize_; }

    // Answer board (index 0 of each array is the hidden template).
    QVector<ClickLabel*> Label3; // digit cells 1..16 (16 hidden)
    QVector<QLabel*> Label7;     // arrows 1..15
    QVector<QLabel*> Label5;     // 万 / 億 / 兆 markers 1..15
    QVector<QLabel*> Label4;     // palette of the four groups (hidden)
    QLabel* qLabel1;
    QLabel* qLabel2;
    QLabel* Label2;
    QLabel* Commandkakunin2;
    QLabel* Label6;
    QVector<ClickLabel*> Label8; // mode switch 0..1
    QLabel* Label9;
    ClickLabel* Label10;

    // Status area.
    QFrame* Picture1;
    QLabel* sLabel2;
    QLabel* sLabel3;
    QLabel* sLabel4;
    QLabel* sLabel5;
    QLabel* sLabel6;
    QLabel* sLabel7;
    QLabel* sLabel8;
    QLabel* sLabel9;
    QLabel* sLabel10;
    QLabel* sLabel11;
    QLabel* sLabel12;
    QLabel* sLabel13;
    QLabel* sLabel14;
    QVector<QLabel*> sLabel16; // 0..5
    QFrame* sShape2;
    QFrame* sShape3;
    QFrame* sShape4;
    QFrame* sShape5;
    QFrame* sShape7;
    QTimer* sTimer1;
    QTimer* sTimer2;

    // End banner.
    QFrame* picture2;
    QLabel* lblsss1;
    QLabel* lblsss2;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOutBoard();
    void layOutStatusArea();
    void layOutControls();
    QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text,
                      const QRect& design, double points, const QString& style = {},
                      bool bold = false);
    void drawBoard();
    void drawModeLabels();
    void colourCells(bool groupColours);
    void hideWrongAnswer();
    void drawTimeBar(int elapsedTime);
    bool keysBlocked() const;
    void unloadLevelMenu();

    App& app_;
    ScaledPlacer placer_;
    AnswerBoard board_;
    std::uint64_t problemValue_ = 0;
    int problemPointSize_ = 50;
    int drawnMode_ = 0;
    QVector<std::uint32_t> cellColours_;
};
