// The drill screen.
#include "drill/mainfrm.h"

#include "app/app.h"
#include "drill/kanji.h"
#include "drill/round.h"
#include "results/resultsfile.h"

#include <QKeyEvent>
#include <QThread>
#include <algorithm>

namespace {

constexpr int kCellWidth = 60;
constexpr int kCellLeft = 62;                             // left edge of cell 15
constexpr int kCellOneLeft = kCellLeft + 14 * kCellWidth; // left edge of cell 1
constexpr int kArrowTop = 552;
constexpr int kCellTop = 584;
constexpr int kCellHeight = 80;
constexpr int kMarkerTop = 666;
constexpr QRect kBarFrame(16, 108, 992, 28);

const QString kPositionInstruction = QStringLiteral("← →で入力位置を決め、数字を入力しなさい");
const QString kSequenceInstruction = QStringLiteral("順に数字を押しなさい");

QString hexColour(std::uint32_t rgb) {
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

QString cellStyle(std::uint32_t rgb) {
    return QStringLiteral("background: %1; color: #101010; border: 2px solid #30405A;")
        .arg(hexColour(rgb));
}

QRect cellRect(int cell, int top, int height) {
    return QRect(kCellOneLeft - (cell - 1) * kCellWidth, top, kCellWidth, height);
}

} // namespace

MainFrm::MainFrm(App& app) : app_(app), placer_(this) {
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(app_.state().program.programName);
    resize(ScaledPlacer::kDesignWidth, ScaledPlacer::kDesignHeight);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("MainFrm { background: #EEF3FA; }"));
    setFocusPolicy(Qt::StrongFocus);

    layOutStatusArea();
    layOutControls();
    // The load: a fresh random sequence for the round, the board, position mode.
    app_.random().seed(static_cast<std::uint32_t>(app_.clock().secondsSinceMidnight()));
    layOutBoard();
    board_.selectMode(0);
    drawModeLabels();
    drawBoard();
}

QLabel* MainFrm::makeLabel(QWidget* parent, const QString& name, const QString& text,
                           const QRect& design, double points, const QString& style, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFocusPolicy(Qt::NoFocus);
    if (!style.isEmpty())
        label->setStyleSheet(style);
    placer_.place(label, design, points, bold);
    return label;
}

void MainFrm::layOutStatusArea() {
    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setStyleSheet(QStringLiteral("#Picture1 { background: #1E2A44; }"));
    placer_.place(Picture1, QRect(0, 0, 1024, 150));

    const QString light = QStringLiteral("color: #DDE6F5;");
    const QString white = QStringLiteral("color: #FFFFFF;");
    const QString figure = QStringLiteral("color: #FFE45C;");
    auto status = [&](const QString& name, const QString& text, QRect r, double pt,
                      const QString& style, bool bold = false,
                      Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        QLabel* l = makeLabel(Picture1, name, text, r, pt, style, bold);
        l->setAlignment(align);
        return l;
    };
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    const auto centre = Qt::AlignCenter;
    sLabel2 = status(QStringLiteral("sLabel2"), {}, QRect(16, 6, 150, 44), 16.8, white, true);
    sLabel14 = status(QStringLiteral("sLabel14"), {}, QRect(170, 6, 290, 44), 12, light);
    sLabel3 = status(QStringLiteral("sLabel3"), QStringLiteral("レベル"), QRect(470, 6, 80, 44), 14,
                     light, false, right);
    sLabel8 = status(QStringLiteral("sLabel8"), {}, QRect(556, 6, 120, 44), 20, figure, true);
    sLabel7 = status(QStringLiteral("sLabel7"), {}, QRect(680, 6, 328, 44), 20, white, true, right);

    sLabel4 =
        status(QStringLiteral("sLabel4"), QStringLiteral("残り"), QRect(16, 54, 56, 48), 14, light);
    sLabel9 =
        status(QStringLiteral("sLabel9"), {}, QRect(72, 50, 60, 52), 28, figure, true, centre);
    sLabel6 =
        status(QStringLiteral("sLabel6"), QStringLiteral("問"), QRect(132, 54, 40, 48), 14, light);
    sLabel5 = status(QStringLiteral("sLabel5"), QStringLiteral("タイム"), QRect(186, 54, 80, 48),
                     14, light);
    sLabel10 = status(QStringLiteral("sLabel10"), QStringLiteral("0"), QRect(266, 50, 90, 52), 28,
                      white, true, centre);
    const QStringList captions{QStringLiteral("起動後"),     QStringLiteral("分"),
                               QStringLiteral("本日"),       QStringLiteral("回目"),
                               QStringLiteral("このレベル"), QStringLiteral("回目")};
    const QRect captionRects[6] = {QRect(380, 54, 72, 48),  QRect(500, 54, 30, 48),
                                   QRect(556, 54, 52, 48),  QRect(650, 54, 50, 48),
                                   QRect(726, 54, 110, 48), QRect(880, 54, 50, 48)};
    for (int i = 0; i < 6; ++i)
        sLabel16.append(
            status(QStringLiteral("sLabel16_%1").arg(i), captions[i], captionRects[i], 14, light));
    sLabel13 =
        status(QStringLiteral("sLabel13"), {}, QRect(452, 52, 48, 50), 20, white, true, centre);
    sLabel12 =
        status(QStringLiteral("sLabel12"), {}, QRect(608, 52, 42, 50), 20, white, true, centre);
    sLabel11 =
        status(QStringLiteral("sLabel11"), {}, QRect(836, 52, 44, 50), 20, white, true, centre);

    // The time bar: a white frame for the time limit, the blue running time, and the marks of
    // the pass standard and the lowest pass line reaching above and below the bar.
    auto shape = [&](const QString& name, const QString& style) {
        auto* f = new QFrame(Picture1);
        f->setObjectName(name);
        f->setStyleSheet(QStringLiteral("#%1 { %2 }").arg(name, style));
        placer_.place(f, kBarFrame);
        return f;
    };
    sShape5 = shape(QStringLiteral("sShape5"),
                    QStringLiteral("background: #FFFFFF; border: 2px solid #9FB0CC;"));
    sShape2 = shape(QStringLiteral("sShape2"), QStringLiteral("background: #0000FF;"));
    sShape7 = shape(QStringLiteral("sShape7"), QStringLiteral("background: #FF0000;"));
    sShape4 = shape(QStringLiteral("sShape4"), QStringLiteral("background: transparent;"
                                                              " border-right: 5px solid #80FF80;"));
    sShape3 = shape(QStringLiteral("sShape3"), QStringLiteral("background: transparent;"
                                                              " border-right: 5px solid #00FF00;"));

    sTimer1 = new QTimer(this);
    sTimer1->setObjectName(QStringLiteral("sTimer1"));
    sTimer1->setInterval(1000);
    connect(sTimer1, &QTimer::timeout, this, &MainFrm::sTimer1Tick);
    sTimer2 = new QTimer(this);
    sTimer2->setObjectName(QStringLiteral("sTimer2"));
    sTimer2->setInterval(10000);
    connect(sTimer2, &QTimer::timeout, this, &MainFrm::sTimer2Tick);
    sTimer2->start();
}

void MainFrm::layOutControls() {
    Label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("入力方式"),
                       QRect(20, 162, 110, 40), 14, QStringLiteral("color: #30405A;"));
    for (int i = 0; i < 2; ++i) {
        auto* l = new ClickLabel(i == 0 ? QStringLiteral("方式１(↑)") : QStringLiteral("方式２(↓)"),
                                 this);
        l->setObjectName(QStringLiteral("Label8_%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        l->setCursor(Qt::PointingHandCursor);
        placer_.place(l, QRect(132 + i * 160, 160, 150, 44), 16, true);
        connect(l, &ClickLabel::clicked, this, [this, i] { selectMode(i); });
        Label8.append(l);
    }
    Label10 = new ClickLabel(QStringLiteral("クリア"), this);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setAlignment(Qt::AlignCenter);
    Label10->setCursor(Qt::PointingHandCursor);
    Label10->setStyleSheet(QStringLiteral("background: #FFF4D6; color: #704000;"
                                          " border: 2px solid #C08A20; border-radius: 8px;"));
    placer_.place(Label10, QRect(864, 160, 140, 44), 16, true);
    connect(Label10, &ClickLabel::clicked, this, &MainFrm::clearEntry);

    qLabel1 = makeLabel(this, QStringLiteral("qLabel1"), {}, QRect(20, 214, 984, 184), 50,
                        QStringLiteral("background: #FFFFFF; color: #141E3C;"
                                       " border: 3px solid #4A6FA5; border-radius: 14px;"));
    qLabel1->setAlignment(Qt::AlignCenter);
    qLabel1->setWordWrap(true);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("あなたが押したのは"),
                       QRect(24, 404, 320, 28), 14, QStringLiteral("color: #A02020;"), true);
    qLabel2 = makeLabel(this, QStringLiteral("qLabel2"), {}, QRect(20, 432, 984, 116), 50,
                        QStringLiteral("background: #FFF0F0; color: #C01818;"
                                       " border: 2px dashed #E07070; border-radius: 10px;"));
    qLabel2->setAlignment(Qt::AlignCenter);
    qLabel2->setWordWrap(true);

    Label9 = makeLabel(this, QStringLiteral("Label9"), {}, QRect(20, 708, 984, 48), 18,
                       QStringLiteral("color: #1E2A44;"), true);
    Label9->setAlignment(Qt::AlignCenter);
    Commandkakunin2 = makeLabel(this, QStringLiteral("Commandkakunin2"),
                                QStringLiteral("\"+\"を押しなさい"), QRect(262, 704, 500, 56), 26,
                                QStringLiteral("background: #FFE0E0; color: #D00000;"
                                               " border: 3px solid #D00000; border-radius: 12px;"),
                                true);
    Commandkakunin2->setAlignment(Qt::AlignCenter);

    picture2 = new QFrame(this);
    picture2->setObjectName(QStringLiteral("picture2"));
    picture2->setStyleSheet(QStringLiteral("#picture2 { background: rgba(20, 30, 60, 215); }"));
    placer_.place(picture2, QRect(200, 300, 1024, 180));
    lblsss1 = makeLabel(picture2, QStringLiteral("lblsss1"), QStringLiteral("成績記録中"),
                        QRect(0, 0, 1024, 180), 60, QStringLiteral("color: #FFFFFF;"), true);
    lblsss1->setAlignment(Qt::AlignCenter);
    lblsss2 = makeLabel(picture2, QStringLiteral("lblsss2"), QStringLiteral("時間切れ"),
                        QRect(0, 0, 1024, 180), 60, QStringLiteral("color: #FF5050;"), true);
    lblsss2->setAlignment(Qt::AlignCenter);
    picture2->hide();
}

void MainFrm::layOutBoard() {
    for (int i = 0; i <= kMaxDigits + 1; ++i) {
        auto* cell = new ClickLabel(this);
        cell->setObjectName(QStringLiteral("Label3_%1").arg(i));
        cell->setAlignment(Qt::AlignCenter);
        cell->setFocusPolicy(Qt::NoFocus);
        placer_.place(cell, cellRect(std::max(i, 1), kCellTop, kCellHeight), 40, true);
        connect(cell, &ClickLabel::clicked, this, [this, i] { cellClick(i); });
        cell->setVisible(i >= 1 && i <= kMaxDigits);
        Label3.append(cell);
    }
    for (int i = 0; i <= kMaxDigits; ++i) {
        QLabel* arrow = makeLabel(this, QStringLiteral("Label7_%1").arg(i), QStringLiteral("↓"),
                                  cellRect(std::max(i, 1), kArrowTop, 32), 22,
                                  QStringLiteral("color: #E01010;"), true);
        arrow->setAlignment(Qt::AlignCenter);
        arrow->hide();
        Label7.append(arrow);
        QLabel* marker = makeLabel(
            this, QStringLiteral("Label5_%1").arg(i), i == 0 ? QString() : markerText(i),
            cellRect(std::max(i, 1), kMarkerTop, 34), 20, QStringLiteral("color: #B03060;"), true);
        marker->setAlignment(Qt::AlignCenter);
        marker->setVisible(i >= 1);
        Label5.append(marker);
    }
    for (int g = 0; g <= 4; ++g) {
        auto* swatch = new QLabel(this);
        swatch->setObjectName(QStringLiteral("Label4_%1").arg(g));
        swatch->setStyleSheet(QStringLiteral("background: %1;").arg(hexColour(groupColour(g))));
        swatch->hide();
        Label4.append(swatch);
    }
    cellColours_ = QVector<std::uint32_t>(kMaxDigits + 2, 0);
    colourCells(true);
}

void MainFrm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placer_.apply();
}

// ---- the board -------------------------------------------------------------------------

void MainFrm::drawBoard() {
    for (int i = 1; i <= kMaxDigits + 1; ++i)
        Label3[i]->setText(board_.cell(i));
    const int arrow = board_.arrowPlace();
    for (int i = 0; i <= kMaxDigits; ++i) {
        const bool shown = i == arrow && arrow > 0;
        if (Label7[i]->isVisibleTo(this) != shown)
            Label7[i]->setVisible(shown);
    }
    drawModeLabels();
}

void MainFrm::drawModeLabels() {
    const int mode = board_.inputMode();
    if (mode == drawnMode_)
        return;
    drawnMode_ = mode;
    const QString on = QStringLiteral("background: #00FF00; color: #103010;"
                                      " border: 2px solid #208020; border-radius: 8px;");
    const QString off = QStringLiteral("background: #FFFFFF; color: #506070;"
                                       " border: 2px solid #B0BCCC; border-radius: 8px;");
    Label8[0]->setStyleSheet(mode == AnswerBoard::kPositionMode ? on : off);
    Label8[1]->setStyleSheet(mode == AnswerBoard::kSequenceMode ? on : off);
    Label9->setText(mode == AnswerBoard::kPositionMode ? kPositionInstruction
                                                       : kSequenceInstruction);
}

void MainFrm::colourCells(bool groupColours) {
    for (int i = 1; i <= kMaxDigits; ++i) {
        const std::uint32_t rgb = groupColour(groupColours ? cellGroup(i) : 1);
        if (cellColours_[i] == rgb)
            continue;
        cellColours_[i] = rgb;
        Label3[i]->setStyleSheet(cellStyle(rgb));
    }
}

void MainFrm::hideWrongAnswer() {
    qLabel2->clear();
    qLabel2->hide();
    Label2->hide();
    Commandkakunin2->hide();
    Label9->show();
}

bool MainFrm::keysBlocked() const {
    const RoundState& r = app_.state().round;
    return r.roundOutcome == 1 || r.roundComplete == 1 || r.judgeBusy == 1;
}

void MainFrm::selectMode(int index) {
    if (board_.waitingForPlus())
        return;
    board_.selectMode(index);
    Label9->show();
    drawBoard();
}

void MainFrm::keyDown(AnswerBoard::Key key) {
    if (keysBlocked())
        return;
    if (board_.keyDown(key)) {
        if (key == AnswerBoard::Key::Up || key == AnswerBoard::Key::Down)
            Label9->show();
        drawBoard();
    }
}

void MainFrm::keyPress(QChar ch) {
    if (keysBlocked())
        return;
    if (board_.waitingForPlus()) {
        if (board_.keyPress(ch) == AnswerBoard::Effect::Unlocked) {
            hideWrongAnswer();
            drawBoard();
        }
        return;
    }
    hideWrongAnswer();
    if (board_.keyPress(ch) == AnswerBoard::Effect::Judge) {
        judgeAnswer();
        return;
    }
    drawBoard();
}

void MainFrm::cellClick(int cell) {
    board_.cellClick(cell);
    drawBoard();
}

void MainFrm::clearEntry() {
    board_.clearEntry();
    drawBoard();
}

void MainFrm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        keyDown(AnswerBoard::Key::Left);
        return;
    case Qt::Key_Right:
        keyDown(AnswerBoard::Key::Right);
        return;
    case Qt::Key_Up:
        keyDown(AnswerBoard::Key::Up);
        return;
    case Qt::Key_Down:
        keyDown(AnswerBoard::Key::Down);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        keyPress(AnswerBoard::kEnter);
        return;
    case Qt::Key_Backspace:
        keyPress(AnswerBoard::kBackspace);
        return;
    default:
        break;
    }
    const QString text = event->text();
    // Characters only: control keys (Esc, Tab, function keys) carry no character to type.
    if (text.size() == 1 && text.at(0).isPrint()) {
        keyPress(text.at(0));
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- problems ---------------------------------------------------------------------------

void MainFrm::nextProblem() {
    const RoundState& r = app_.state().round;
    qLabel2->hide();
    Label2->hide();
    Commandkakunin2->hide();
    Label9->show();
    const bool markers = markersShown(r.answeredCount, r.problemCount);
    for (int i = 1; i <= kMaxDigits; ++i)
        Label5[i]->setVisible(markers);
    colourCells(groupColoursShown(r.answeredCount, r.problemCount));
    problemValue_ = drawProblem(r.levelIndex, app_.random());
    board_.startProblem();
    drawBoard();
    showProblem();
}

void MainFrm::showProblem() {
    const QString text = renderKanji(problemValue_);
    problemPointSize_ = problemFontSize(text);
    placer_.setFontPoints(qLabel1, problemPointSize_);
    placer_.setFontPoints(qLabel2, problemPointSize_);
    qLabel1->setText(text);
}

void MainFrm::showTypedAnswer() {
    qLabel2->setText(typedReading(board_.answerText()));
}

// ---- the round --------------------------------------------------------------------------

void MainFrm::activateScreen() {
    QRect banner = placer_.designRect(picture2);
    banner.moveLeft(0);
    placer_.setRect(picture2, banner);
    app_.state().round.judgeBusy = 0;
    初期設定();
    レベル別設定();
    スタート();
    nextProblem();
    setFocus();
}

void MainFrm::unloadLevelMenu() {
    for (QWidget* w : app_.liveScreens())
        if (w->objectName() == QStringLiteral("seisekitime1"))
            app_.unload(w);
}

void MainFrm::初期設定() {
    AppState& s = app_.state();
    RoundState& r = s.round;
    unloadLevelMenu();
    r.roundComplete = 0;
    r.roundEnded = 0;
    r.elapsedTime = 0;
    r.timeLimit = timeLimitFor(s.program, r.levelIndex);
    sLabel10->setText(QStringLiteral("0"));
    r.barScale = r.timeLimit > 0 ? static_cast<double>(kBarFrame.width()) / r.timeLimit : 0;
    drawTimeBar(0);

    const QString& name = s.program.programName;
    sLabel2->setText(name);
    placer_.setFontPoints(sLabel2, name.size() > 9 ? 14 : 16.8);
    sLabel7->setText(s.student.studentName.trimmed());
    sLabel8->setText(s.program.levelNames[static_cast<std::size_t>(r.levelIndex)]);
    sLabel14->setText(s.installation.siteTitle);
    sTimer2Tick();
    const int student = s.student.studentNumber;
    r.todayRoundTotal = todayRoundsOverLevels(s.results, student, 1, 15);
    sLabel12->setText(QString::number(r.todayRoundTotal + 1));
    sLabel11->setText(
        QString::number(todayRoundsOverLevels(s.results, student, r.levelIndex, r.levelIndex) + 1));
}

void MainFrm::レベル別設定() {
    RoundState& r = app_.state().round;
    r.problemCount = kProblemsPerRound;
    sLabel9->setText(QString::number(r.problemCount - r.answeredCount));
}

void MainFrm::スタート() {
    RoundState& r = app_.state().round;
    r.roundStartTime = static_cast<float>(app_.clock().secondsSinceMidnight());
    r.roundStartTick = app_.clock().tickMs();
    sTimer1->start();
}

void MainFrm::drawTimeBar(int elapsedTime) {
    const RoundState& r = app_.state().round;
    const ProgramState& p = app_.state().program;
    const auto level = static_cast<std::size_t>(r.levelIndex);
    auto bar = [&](QFrame* shape, int width) {
        QRect rect = kBarFrame;
        rect.setWidth(std::clamp(width, 0, kBarFrame.width()));
        placer_.setRect(shape, rect);
    };
    const bool full = elapsedTime >= r.timeLimit;
    bar(sShape2, full ? kBarFrame.width() : barWidth(elapsedTime, r.barScale));
    bar(sShape7, 0);
    // The marks reach a little above and below the bar so they stay visible over the blue.
    auto mark = [&](QFrame* shape, int width) {
        QRect rect = kBarFrame.adjusted(0, -6, 0, 6);
        rect.setWidth(std::clamp(width, 0, kBarFrame.width()));
        placer_.setRect(shape, rect);
    };
    mark(sShape3, barWidth(p.targetTime[level], r.barScale));
    mark(sShape4, barWidth(p.minimumTime[level], r.barScale));
}

void MainFrm::sTimer1Tick() {
    if (app_.finished())
        return; // the program is ending; no round may be recorded any more
    RoundState& r = app_.state().round;
    r.elapsedTime = elapsedSeconds(r.roundStartTick, app_.clock().tickMs());
    sLabel10->setText(QString::number(r.elapsedTime));
    drawTimeBar(r.elapsedTime);
    if (r.elapsedTime >= r.timeLimit && r.roundEnded == 0 && r.roundComplete == 0 &&
        r.judgeBusy == 0) {
        r.roundOutcome = 1;
        sTimer1->stop();
        endRound();
    }
    if (!app_.finished())
        app_.doEvents();
}

void MainFrm::sTimer2Tick() {
    sLabel13->setText(QString::number(
        minutesSinceSignIn(app_.clock().secondsSinceMidnight(), app_.state().student.signInTime)));
}

void MainFrm::judgeAnswer() {
    RoundState& r = app_.state().round;
    r.judgeBusy = 1;
    if (!answerIsCorrect(board_.answerText(), problemValue_)) {
        showTypedAnswer();
        r.answeredCount = std::max(0, r.answeredCount - 1);
        qLabel2->show();
        Label2->show();
        Commandkakunin2->show();
        Label9->hide();
        board_.lock();
        app_.doEvents();
        app_.playWrongCue();
        if (app_.finished())
            return;
        r.judgeBusy = 0;
        return;
    }
    board_.clearAnswer();
    drawBoard();
    app_.playCorrectCue();
    if (app_.finished())
        return;
    ++r.answeredCount;
    sLabel9->setText(QString::number(r.problemCount - r.answeredCount));
    if (r.answeredCount < r.problemCount) {
        r.judgeBusy = 0;
        nextProblem();
        return;
    }
    sTimer1->stop();
    r.roundComplete = 1;
    endRound();
}

void MainFrm::endRound() {
    AppState& s = app_.state();
    RoundState& r = s.round;
    app_.doEvents();
    if (r.roundEnded == 1)
        return;
    r.roundEnded = 1;
    picture2->show();
    picture2->raise();
    lblsss1->setVisible(r.roundOutcome != 1);
    lblsss2->setVisible(r.roundOutcome == 1);
    app_.doEvents();
    sTimer1->stop();
    r.roundTime = r.roundOutcome == 1 ? kNoTime : r.elapsedTime;
    try {
        recordRound(s, app_.clock());
    } catch (const ResultsFileError& e) {
        app_.fatal(QStringLiteral("成績記録エラー"), e.message());
        return;
    } catch (const std::exception& e) {
        app_.fatal(QStringLiteral("成績記録エラー"), QString::fromLocal8Bit(e.what()));
        return;
    }
    app_.showWaitScreen();
    // The banner stays in front of the wait screen until the results are shown.
    raise();
    app_.doEvents();
    waitThenShowResults(1);
}

void MainFrm::waitThenShowResults(int seconds) {
    constexpr int kStepMs = 10;
    int count = 0;
    std::int64_t last = app_.clock().tickMs();
    for (;;) {
        const std::int64_t now = app_.clock().tickMs();
        if (now - last > kStepMs) {
            ++count;
            if (count * kStepMs / 1000 >= seconds)
                break;
            last += kStepMs; // time beyond the step carries over
        }
        app_.doEvents();
        if (app_.finished())
            return;
        QThread::msleep(1);
    }
    app_.unload(this);
    app_.showEndOfRound();
}
