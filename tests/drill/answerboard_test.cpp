// Answer entry on the board model: both input modes, the cursor, clearing and the lock.
#include "drill/answerboard.h"

#include <gtest/gtest.h>

namespace {

using Key = AnswerBoard::Key;
using Effect = AnswerBoard::Effect;

// The board read from the highest place down, "." for an empty cell, cells 15..1.
QString cells(const AnswerBoard& b) {
    QString out;
    for (int i = 15; i >= 1; --i)
        out += b.cell(i).isEmpty() ? QStringLiteral(".") : b.cell(i);
    return out;
}

void press(AnswerBoard& b, const QString& keys) {
    for (QChar c : keys)
        b.keyPress(c);
}

void move(AnswerBoard& b, Key key, int times) {
    for (int i = 0; i < times; ++i)
        b.keyDown(key);
}

TEST(PositionMode, WorkedExampleThreeThousandTwentyMan) {
    AnswerBoard b;
    ASSERT_EQ(b.arrowPlace(), 1);
    move(b, Key::Left, 7);
    EXPECT_EQ(b.arrowPlace(), 8);
    press(b, QStringLiteral("3"));
    EXPECT_EQ(b.typedText(), QStringLiteral("30000000"));
    EXPECT_EQ(b.cursorPlace(), 7);
    b.keyDown(Key::Right);
    press(b, QStringLiteral("2"));
    EXPECT_EQ(b.typedText(), QStringLiteral("30200000"));
    EXPECT_EQ(b.arrowPlace(), 5);
    EXPECT_EQ(b.keyPress(AnswerBoard::kEnter), Effect::Judge);
    EXPECT_EQ(b.answerText(), QStringLiteral("30200000"));
}

TEST(PositionMode, ZeroFillStripAndCursor) {
    struct Case {
        const char* name;
        int place;        // place of the first digit
        const char* keys; // typed from there
        const char* board;
        int arrow;
    };
    const Case cases[] = {
        {"digit over cell 5", 5, "7", "..........70000", 4},
        {"zero on an empty board", 1, "0", "...............", 1},
        {"zeros typed from the top are stripped", 3, "00", "...............", 1},
        {"the ones place keeps taking digits", 1, "12", "..............2", 1},
        {"full fifteen digits", 15, "123456789012345", "123456789012345", 1},
        {"letters take a cell like digits", 3, "a", "............a00", 2},
    };
    for (const Case& c : cases) {
        AnswerBoard b;
        b.cellClick(c.place);
        press(b, QString::fromUtf8(c.keys));
        EXPECT_EQ(cells(b), QString::fromUtf8(c.board)) << c.name;
        EXPECT_EQ(b.arrowPlace(), c.arrow) << c.name;
    }
}

TEST(PositionMode, NoZeroFillWhenThePlaceBelowHoldsADigit) {
    AnswerBoard b;
    b.cellClick(5);
    press(b, QStringLiteral("7")); // 70000
    b.cellClick(3);
    press(b, QStringLiteral("4"));
    EXPECT_EQ(b.typedText(), QStringLiteral("70400"));
    // Backspace does nothing in position mode.
    b.keyPress(AnswerBoard::kBackspace);
    EXPECT_EQ(b.typedText(), QStringLiteral("70400"));
}

TEST(PositionMode, CursorStaysOnTheBoardAndUpReturnsToTheOnes) {
    AnswerBoard b;
    b.keyDown(Key::Right);
    EXPECT_EQ(b.cursorPlace(), 1);
    move(b, Key::Left, 20);
    EXPECT_EQ(b.cursorPlace(), 15);
    b.cellClick(6);
    b.keyDown(Key::Up);
    EXPECT_EQ(b.arrowPlace(), 1);
    press(b, QStringLiteral("9"));
    EXPECT_EQ(b.cell(1), QStringLiteral("9"));
}

TEST(SequenceMode, DigitsFromLeftToRightAndBackspace) {
    AnswerBoard b;
    b.keyDown(Key::Down);
    EXPECT_EQ(b.inputMode(), AnswerBoard::kSequenceMode);
    EXPECT_EQ(b.arrowPlace(), 0);
    press(b, QStringLiteral("123"));
    b.keyPress(AnswerBoard::kBackspace);
    EXPECT_EQ(b.cell(2), QStringLiteral("1"));
    EXPECT_EQ(b.cell(1), QStringLiteral("2"));
    EXPECT_EQ(b.cell(3).trimmed(), QString());
    EXPECT_EQ(b.typedText(), QStringLiteral("12"));
    // Backspace on an empty entry does nothing.
    press(b, QString(2, AnswerBoard::kBackspace));
    press(b, QString(1, AnswerBoard::kBackspace));
    EXPECT_EQ(b.typedText(), QString());
    // Clicks on cells do nothing in sequence mode.
    b.cellClick(7);
    EXPECT_EQ(b.arrowPlace(), 0);
}

TEST(SequenceMode, LettersAndSignsAreAcceptedAndTheSixteenthCharacterWipes) {
    AnswerBoard b;
    b.selectMode(1);
    press(b, QStringLiteral("12a-"));
    EXPECT_EQ(b.typedText(), QStringLiteral("12a-"));
    EXPECT_EQ(b.cell(1), QStringLiteral("-"));
    EXPECT_EQ(b.cell(4), QStringLiteral("1"));
    AnswerBoard full;
    full.selectMode(1);
    press(full, QStringLiteral("123456789012345"));
    EXPECT_EQ(full.typedText().size(), 15);
    EXPECT_EQ(cells(full), QStringLiteral("123456789012345"));
    press(full, QStringLiteral("6"));
    EXPECT_EQ(full.typedText(), QString());
    EXPECT_EQ(cells(full).count(u'.'), 14) << "only the blank of the redraw is left in cell 1";
    EXPECT_EQ(full.answerText().trimmed(), QString());
}

TEST(ModeSwitch, KeepsTheCellsAndTheTypedText) {
    AnswerBoard b;
    b.selectMode(1);
    press(b, QStringLiteral("45"));
    b.selectMode(0);
    EXPECT_EQ(b.typedText(), QStringLiteral("45"));
    EXPECT_EQ(b.cell(1), QStringLiteral("5"));
    EXPECT_EQ(b.arrowPlace(), 1);
}

TEST(Clear, EmptiesCellsOneToFourteenOnly) {
    AnswerBoard b;
    b.selectMode(1);
    press(b, QStringLiteral("123456789012345"));
    b.clearEntry();
    EXPECT_EQ(b.typedText(), QString());
    EXPECT_EQ(cells(b), QStringLiteral("1.............."));
}

TEST(Lock, EveryInputWaitsForPlus) {
    AnswerBoard b;
    b.cellClick(3);
    press(b, QStringLiteral("5"));
    b.lock();
    const QString before = cells(b);
    EXPECT_EQ(b.keyPress(u'7'), Effect::Ignored);
    EXPECT_EQ(b.keyPress(AnswerBoard::kEnter), Effect::Ignored);
    EXPECT_FALSE(b.keyDown(Key::Left));
    EXPECT_FALSE(b.keyDown(Key::Down));
    b.selectMode(1);
    b.cellClick(9);
    b.clearEntry();
    EXPECT_EQ(cells(b), before);
    EXPECT_EQ(b.inputMode(), AnswerBoard::kPositionMode);
    EXPECT_EQ(b.cursorPlace(), 2);
    EXPECT_EQ(b.keyPress(u'+'), Effect::Unlocked);
    EXPECT_FALSE(b.waitingForPlus());
    EXPECT_EQ(cells(b), QStringLiteral("..............."));
    EXPECT_EQ(b.typedText(), QString());
}

TEST(Lock, PlusIsAnOrdinaryCharacterWhenNotLocked) {
    AnswerBoard b;
    b.selectMode(1);
    EXPECT_EQ(b.keyPress(u'+'), Effect::Changed);
    EXPECT_EQ(b.typedText(), QStringLiteral("+"));
}

TEST(NewProblem, ArrowBackOverTheOnesInPositionModeOnly) {
    AnswerBoard b;
    b.cellClick(9);
    b.startProblem();
    EXPECT_EQ(b.arrowPlace(), 1);
    EXPECT_EQ(b.cursorPlace(), 1);
    b.selectMode(1);
    b.startProblem();
    EXPECT_EQ(b.arrowPlace(), 0);
}

} // namespace
