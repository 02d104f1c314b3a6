// The end-of-round screen.
#include "results/frmsyuuryou.h"

#include "app/app.h"
#include "drill/round.h"
#include "drill/roundresult.h"
#include "results/resultsfile.h"
#include "results/statistics.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

// The background: a calm sky with a band of light where the result stands.
QPixmap backgroundPicture(int width, int height) {
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(0x2B, 0x5F, 0xA8));
    sky.setColorAt(0.55, QColor(0x8F, 0xC3, 0xF0));
    sky.setColorAt(1.0, QColor(0xF2, 0xF7, 0xE8));
    p.fillRect(pixmap.rect(), sky);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(width * (0.08 + 0.14 * i), height * (0.9 - 0.05 * (i % 3))),
                      width * 0.12, height * 0.08);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(width * 0.06, height * 0.2, width * 0.88, height * 0.56), 24, 24);
    return pixmap;
}

} // namespace

FrmSyuuryou::FrmSyuuryou(App& app) : app_(app), placer_(this) {
    setObjectName(QStringLiteral("FrmSyuuryou"));
    setWindowTitle(QStringLiteral("終了"));
    resize(ScaledPlacer::kDesignWidth, ScaledPlacer::kDesignHeight);

    // The load: the background picture fills the whole screen.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(backgroundPicture(ScaledPlacer::kDesignWidth, ScaledPlacer::kDesignHeight));
    placer_.place(Image1, QRect(0, 0, ScaledPlacer::kDesignWidth, ScaledPlacer::kDesignHeight));

    const QString onSky = QStringLiteral("color: #FFFFFF;");
    const QString ink = QStringLiteral("color: #1E2A44;");
    Label15 =
        makeLabel(this, QStringLiteral("Label15"), {}, QRect(40, 24, 300, 50), 20, onSky, true);
    Label16 = makeLabel(this, QStringLiteral("Label16"), {}, QRect(360, 24, 200, 50), 22,
                        QStringLiteral("color: #FFE45C;"), true);
    Label17 =
        makeLabel(this, QStringLiteral("Label17"), {}, QRect(560, 24, 424, 50), 22, onSky, true);
    Label17->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label18 =
        makeLabel(this, QStringLiteral("Label18"), {}, QRect(90, 170, 844, 90), 44, ink, true);
    Label18->setAlignment(Qt::AlignCenter);
    Label19 = makeLabel(this, QStringLiteral("Label19"), {}, QRect(90, 262, 844, 60), 24,
                        QStringLiteral("color: #2D5A1E;"), true);
    Label19->setAlignment(Qt::AlignCenter);
    Label20 = makeLabel(this, QStringLiteral("Label20"), {}, QRect(90, 330, 844, 80), 36,
                        QStringLiteral("color: #D02020;"), true);
    Label20->setAlignment(Qt::AlignCenter);
    Label20->hide();
    Label13 =
        makeLabel(this, QStringLiteral("Label13"), {}, QRect(130, 420, 380, 50), 20, ink, false);
    Label13->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A caption of our own, so the total reads as today's count over all levels.
    makeLabel(this, QStringLiteral("todayCaption"), QStringLiteral("本日の合計"),
              QRect(540, 420, 150, 50), 20, ink, false)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label14 =
        makeLabel(this, QStringLiteral("Label14"), {}, QRect(694, 420, 200, 50), 20, ink, false);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("このレベルクリア"),
                       QRect(90, 478, 844, 60), 28, QStringLiteral("color: #1B8A2E;"), true);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->hide();

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setStyleSheet(QStringLiteral("#Picture1 { background: #FFF3B0;"
                                           " border: 4px solid #E0A000; border-radius: 16px; }"));
    placer_.place(Picture1, QRect(112, 300, 800, 140));
    Label1 = makeLabel(Picture1, QStringLiteral("Label1"),
                       QStringLiteral("目標レベルクリア。おめでとう！"), QRect(0, 0, 800, 140), 34,
                       QStringLiteral("color: #C04000;"), true);
    Label1->setAlignment(Qt::AlignCenter);
    Picture1->hide();

    Command4 = makeButton(QStringLiteral("Command4"), QStringLiteral("メニューへ"),
                          QRect(200, 620, 280, 80));
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("もう一度"),
                          QRect(544, 620, 280, 80));
    connect(Command4, &QPushButton::clicked, this, &FrmSyuuryou::command4Click);
    connect(Command5, &QPushButton::clicked, this, &FrmSyuuryou::command5Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &FrmSyuuryou::timer1Tick);
}

QLabel* FrmSyuuryou::makeLabel(QWidget* parent, const QString& name, const QString& text,
                               const QRect& design, double points, const QString& style,
                               bool bold) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setStyleSheet(style);
    placer_.place(label, design, points, bold);
    return label;
}

QPushButton* FrmSyuuryou::makeButton(const QString& name, const QString& text,
                                     const QRect& design) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: #FFFFFF; color: #1E2A44; border: 3px solid #4A6FA5;"
        " border-radius: 14px; } QPushButton:focus { background: #FFF4C0; border-color: #E08000; }"
        " QPushButton:disabled { color: #A0A0A0; border-color: #C0C0C0; }"));
    placer_.place(button, design, 22, true);
    button->hide();
    return button;
}

void FrmSyuuryou::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placer_.apply();
}

bool FrmSyuuryou::passedLevel() const {
    const AppState& s = app_.state();
    return isPassed(s, s.student.studentNumber, s.round.levelIndex);
}

void FrmSyuuryou::activateScreen() {
    AppState& s = app_.state();
    const int student = s.student.studentNumber;
    const int level = s.round.levelIndex;
    const auto l = static_cast<std::size_t>(level);
    const std::int32_t t = s.round.roundTime;
    try {
        computeStatistics(s, app_.clock(), app_.messages());
    } catch (const ResultsFileError& e) {
        app_.fatal(QStringLiteral("成績ファイルのエラー"), e.message());
        return;
    }
    const bool passed = passedLevel();
    const bool lastLevel = level == s.program.lastLevel;
    if (passed) {
        Label2->show();
        if (lastLevel && lastLevelBannerAllowed(s.program))
            Picture1->show();
    }
    Timer1->start();

    const std::int32_t base = roundBasePoints(s.program.targetTime[l], t);
    const std::int32_t earned = roundEarnedPoints(s.program.pointRate[l], base);
    Label19->setText(pointsLine(base, s.program.pointRate[l], earned));
    Label18->setText(roundTimeLine(t));
    Label17->setText(s.student.studentName.trimmed());
    Label15->setText(s.program.programName);
    Label16->setText(s.program.levelNames[l]);
    Label13->setText(levelCountLine(s.results.countToday(student, level)));
    s.round.todayRoundTotal = todayRoundsOverLevels(s.results, student, 1, kMaxLevel);
    Label14->setText(totalCountLine(s.round.todayRoundTotal));

    const RecordMessage message = chooseRecordMessage(s.round, s.results, s.program.minimumTime[l]);
    if (message != RecordMessage::GoodTime && message != RecordMessage::None) {
        Label20->setText(recordMessageText(message));
        Label20->show();
    }
    app_.doEvents();
    if (message == RecordMessage::LevelBest)
        playLevelBestCue(app_.soundContext());
    else if (message == RecordMessage::PersonalBest)
        playPersonalBestCue(app_.soundContext());
    else if (message == RecordMessage::GoodTime)
        playGoodTimeCue(app_.soundContext());

    if (passed && lastLevel) {
        if (s.results.clearedBefore != 1)
            playPassCue(app_.soundContext());
    } else {
        Picture1->hide();
    }
    s.results.newPersonalBest = 0;
    s.results.newLevelBest = 0;
    app_.closeWaitScreen();
}

void FrmSyuuryou::timer1Tick() {
    const AppState& s = app_.state();
    Picture1->hide();
    Command4->show();
    Command4->setFocus();
    Timer1->stop();
    const int student = s.student.studentNumber;
    const int level = s.round.levelIndex;
    switch (decideAgainButton(isOverdone(s, student, level), passedLevel(),
                              level == s.program.lastLevel, s.round.lastLevelPassed != 0)) {
    case AgainButton::ShowAndClearPassLabel:
        Label2->clear();
        Label2->hide();
        Command5->show();
        break;
    case AgainButton::SuggestNextLevel:
        Label2->setText(QStringLiteral("次のレベルへ進みましょう"));
        break;
    case AgainButton::Show:
        Command5->show();
        break;
    }
}

void FrmSyuuryou::command4Click() {
    app_.openLevelMenu();
    app_.unload(this);
}

void FrmSyuuryou::command5Click() {
    Command4->setEnabled(false);
    app_.showWaitScreen();
    app_.unload(this);
    app_.startDrill();
}
