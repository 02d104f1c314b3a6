// Answer entry: position mode places each digit at a chosen place and fills the places below
// with zeros; sequence mode takes the digits from left to right.
#include "drill/answerboard.h"

AnswerBoard::AnswerBoard() {
    selectMode(0);
}

QString AnswerBoard::answerText() const {
    QString text;
    for (int i = kMaxDigits + 1; i >= 1; --i)
        text += cells_[static_cast<std::size_t>(i)];
    return text;
}

void AnswerBoard::selectMode(int index) {
    if (waitingForPlus())
        return;
    arrowPlace_ = 0;
    if (index == 0) {
        inputMode_ = kPositionMode;
        cursorPlace_ = 1;
        showArrowAtCursor();
    } else {
        inputMode_ = kSequenceMode;
    }
}

bool AnswerBoard::keyDown(Key key) {
    if (waitingForPlus())
        return false;
    if (inputMode_ == kPositionMode) {
        if (key == Key::Right && cursorPlace_ > 1) {
            --cursorPlace_;
            showArrowAtCursor();
            return true;
        }
        if (key == Key::Left && cursorPlace_ < kMaxDigits) {
            ++cursorPlace_;
            showArrowAtCursor();
            return true;
        }
    }
    if (key == Key::Up) {
        selectMode(0);
        return true;
    }
    if (key == Key::Down) {
        selectMode(1);
        return true;
    }
    return false;
}

AnswerBoard::Effect AnswerBoard::keyPress(QChar ch) {
    if (waitingForPlus()) {
        if (ch != u'+')
            return Effect::Ignored;
        typedText_.clear();
        emptyCells(1, kMaxDigits);
        waitingForPlus_ = 0;
        return Effect::Unlocked;
    }
    if (ch == kEnter || ch == u' ')
        return Effect::Judge;
    if (inputMode_ == kSequenceMode)
        typeInSequence(ch);
    else if (ch != kBackspace)
        typeAtPosition(ch);
    return Effect::Changed;
}

void AnswerBoard::typeInSequence(QChar ch) {
    if (ch == kBackspace) {
        if (!typedText_.isEmpty())
            typedText_.chop(1);
    } else if (typedText_.size() >= kMaxDigits) {
        // A 16th character wipes the entry instead of being added.
        typedText_.clear();
        emptyCells(1, kMaxDigits);
    } else {
        typedText_ += ch;
    }
    // Cell 1 takes the last character; the cell just left of the number is blanked, which is
    // how Backspace takes a digit off the board.
    const QString padded = QStringLiteral(" ") + typedText_;
    for (int i = 1; i <= typedText_.size() + 1; ++i)
        cells_[static_cast<std::size_t>(i)] = padded.at(padded.size() - i);
}

void AnswerBoard::typeAtPosition(QChar ch) {
    cells_[static_cast<std::size_t>(cursorPlace_)] = ch;
    // Empty places below the typed digit read as zeros (cell 0 is always empty, so nothing is
    // filled below the ones place).
    if (cells_[static_cast<std::size_t>(cursorPlace_ - 1)].isEmpty() && cursorPlace_ > 1)
        for (int i = cursorPlace_ - 1; i >= 1; --i)
            if (cells_[static_cast<std::size_t>(i)].isEmpty())
                cells_[static_cast<std::size_t>(i)] = QStringLiteral("0");
    // Leading zeros go; a board of zeros only is emptied.
    for (int i = kMaxDigits; i >= 1; --i) {
        QString& c = cells_[static_cast<std::size_t>(i)];
        if (!c.isEmpty() && c != QStringLiteral("0"))
            break;
        c.clear();
    }
    if (cursorPlace_ > 1)
        --cursorPlace_;
    typedText_.clear();
    for (int i = kMaxDigits; i >= 1; --i)
        typedText_ += cells_[static_cast<std::size_t>(i)];
    showArrowAtCursor();
}

void AnswerBoard::cellClick(int cell) {
    if (waitingForPlus() || inputMode_ != kPositionMode || cell < 1 || cell > kMaxDigits)
        return;
    cursorPlace_ = cell;
    showArrowAtCursor();
}

void AnswerBoard::clearEntry() {
    if (waitingForPlus())
        return;
    typedText_.clear();
    emptyCells(1, kMaxDigits - 1); // cell 15 keeps its digit
}

void AnswerBoard::startProblem() {
    cursorPlace_ = 1;
    arrowPlace_ = inputMode_ == kPositionMode ? 1 : 0;
}

void AnswerBoard::clearAnswer() {
    typedText_.clear();
    emptyCells(1, kMaxDigits);
}

void AnswerBoard::emptyCells(int from, int to) {
    for (int i = from; i <= to; ++i)
        cells_[static_cast<std::size_t>(i)].clear();
}
