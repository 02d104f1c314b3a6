// The answer board of the drill: fifteen digit cells, the arrow of position mode, the two input
// modes and the lock after a wrong answer. The drill screen draws what this model holds.
#pragma once
#include "drill/problems.h"

#include <QString>
#include <array>

class AnswerBoard {
public:
    enum class Key { Left, Right, Up, Down, Other };
    // What a character did: nothing, changed the board, asked for judging, or unlocked it.
    enum class Effect { Ignored, Changed, Judge, Unlocked };

    static constexpr int kPositionMode = 1;
    static constexpr int kSequenceMode = 2;
    static constexpr QChar kEnter = QChar(13);
    static constexpr QChar kBackspace = QChar(8);

    AnswerBoard();

    // Cell i (1 = ones place .. 15; 16 is the hidden cell left of the board, 0 the template).
    const QString& cell(int i) const { return cells_[static_cast<std::size_t>(i)]; }
    int inputMode() const { return inputMode_; }
    int cursorPlace() const { return cursorPlace_; }
    // The place whose arrow is visible, 0 when none is.
    int arrowPlace() const { return arrowPlace_; }
    const QString& typedText() const { return typedText_; }
    bool waitingForPlus() const { return waitingForPlus_ == 1; }
    // The answer as judged: cells 16 down to 1, highest place first.
    QString answerText() const;

    // index 0: position mode with the arrow over cell 1; index 1: sequence mode. Does nothing
    // while the board is locked.
    void selectMode(int index);
    // The cursor keys. Returns false when the key did nothing.
    bool keyDown(Key key);
    // A typed character, Enter (13), the blank, Backspace (8) or "+".
    Effect keyPress(QChar ch);
    void cellClick(int cell);
    void clearEntry();

    // A new problem: every arrow hidden, the place back to the ones, its arrow in position mode.
    void startProblem();
    // After a correct answer: the typed answer and cells 1..15 emptied.
    void clearAnswer();
    // After a wrong answer: locked until "+".
    void lock() { waitingForPlus_ = 1; }

private:
    void showArrowAtCursor() { arrowPlace_ = cursorPlace_; }
    void emptyCells(int from, int to);
    void typeInSequence(QChar ch);
    void typeAtPosition(QChar ch);

    std::array<QString, kMaxDigits + 2> cells_{}; // 0..16
    int inputMode_ = kPositionMode;
    int cursorPlace_ = 1;
    int arrowPlace_ = 1;
    QString typedText_;
    int waitingForPlus_ = 0;
};
