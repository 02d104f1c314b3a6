// The level menu screen: loading the columns, the activation, starting a level, the display
// options and the lists they run.
#include "menu/seisekitime1.h"

#include "app/app.h"
#include "menu/menutexts.h"
#include "menu/studentlist.h"
#include "reports/reporthelpers.h"
#include "results/resultsfile.h"
#include "results/statistics.h"
#include "roster/namesel.h"
#include "text/loaderror.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwipsPerPixel = 15.0; // the 15360 × 11520 design is 1024 × 768 pixels
constexpr int kDesignWidthPx = 1024;
constexpr int kDesignHeightPx = 768;
constexpr std::uint32_t kLightGrey = 0xE0E0E0;

const QString kGothic = QStringLiteral("IPAGothic");

QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(static_cast<QRgb>(value));
}

template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QString elementName(const char* array, int index) {
    return QString::fromLatin1(array) + u'_' + QString::number(index);
}

void setBackground(QWidget* widget, std::uint32_t colour, QPalette::ColorRole role) {
    QPalette p = widget->palette();
    p.setColor(role, rgb(colour));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

} // namespace

void LevelNameLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// ---- Load ------------------------------------------------------------------------------------

seisekitime1::seisekitime1(App& app) : app_(app) {
    setObjectName(QStringLiteral("seisekitime1"));
    setWindowTitle(QStringLiteral("tomoshi"));
    resize(kDesignWidthPx, kDesignHeightPx);
    buildControls();

    // 1. The season colour, and the wait overlay in the top left corner.
    paintSeason();
    // 2.
    allResultsPeriod = 3;
    // 3–5. Templates, the two lists, the list template at the margin.
    buildTemplates();
    Combo1->addItems(gradeFilterTexts());
    const int filter = Combo1->findText(app_.state().student.gradeFilterText);
    Combo1->setCurrentIndex(filter >= 0 ? filter : 0);
    Combo2->addItems(periodItems());
    Combo2->setCurrentIndex(static_cast<int>(periodItems().indexOf(kDefaultPeriodText)));
    // 6. The columns.
    for (int level = 1; level <= levelCount(); ++level)
        createColumn(level);
    scrollRows_.fill(-1, levelCount() + 1);
    // 7. The wait overlay in front of everything; the list overlay over the columns.
    Picture2->raise();
    relayout();
    qApp->installEventFilter(this);
}

seisekitime1::~seisekitime1() {
    qApp->removeEventFilter(this);
}

int seisekitime1::levelCount() const {
    return app_.state().program.levelCount;
}

void seisekitime1::place(QWidget* widget, double x, double y, double w, double h, double fontPx,
                         bool fixedPitch) {
    placements_.append({widget, QRectF(x, y, w, h), fontPx, fixedPitch});
}

void seisekitime1::moveTo(QWidget* widget, double x, double y, double w, double h) {
    for (auto& p : placements_)
        if (p.widget == widget)
            p.twips = QRectF(x, y, w, h);
}

void seisekitime1::buildControls() {
    const double m = columnLayout(levelCount()).margin;
    Label2 = named(new QLabel(this), QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("border: 2px solid #806040; border-radius: 8px;"
                                         "background: rgba(255,255,255,110);"));
    place(Label2, m, 90, 3400, 1000);
    Label11 = named(new QLabel(this), QStringLiteral("Label11"));
    Label11->setAlignment(Qt::AlignCenter);
    Label11->setStyleSheet(QStringLiteral("color: #402000;"));
    place(Label11, m + 60, 120, 3280, 940);

    Label16 = named(new QLabel(this), QStringLiteral("Label16"));
    Label16->setStyleSheet(QStringLiteral("border: 1px solid #806040; border-radius: 6px;"
                                          "background: rgba(255,255,255,150);"));
    place(Label16, 3900, 90, 5200, 1000);
    Label12 = named(new QLabel(this), QStringLiteral("Label12"));
    place(Label12, 4020, 120, 5000, 480, 22);
    Label13 = named(new QLabel(this), QStringLiteral("Label13"));
    place(Label13, 4020, 600, 5000, 420, 16);

    // Two sunken white panels at the top right, each holding one centred line.
    const auto sunkenPanel = [this](QFrame*& panel, const QString& panelName, QLabel*& label,
                                    const QString& labelName, double top) {
        panel = named(new QFrame(this), panelName);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        setBackground(panel, 0xFFFFFF, QPalette::Window);
        place(panel, 9300, top, 2600, 450);
        label = named(new QLabel(panel), labelName);
        label->setAlignment(Qt::AlignCenter);
        place(label, 30, 30, 2540, 390, 16);
    };
    sunkenPanel(Picture3, QStringLiteral("Picture3"), Label17, QStringLiteral("Label17"), 110);
    sunkenPanel(Picture4, QStringLiteral("Picture4"), Label18, QStringLiteral("Label18"), 610);

    Command1 = named(new QPushButton(QStringLiteral("戻る(0)"), this), QStringLiteral("Command1"));
    place(Command1, 12150, 110, 2900, 950, 20);
    connect(Command1, &QPushButton::clicked, this, &seisekitime1::command1Click);

    Label5 = named(new QLabel(QStringLiteral("ベスト成績"), this), QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    place(Label5, m, kLabel5Top, 4400, kLabel5Height, 20);
    Label20 = named(new QLabel(this), QStringLiteral("Label20"));
    Label20->setStyleSheet(QStringLiteral("background: #806040;"));
    place(Label20, m, kLabel5Top + kLabel5Height - 30, 4400, 30);

    Combo1 = named(new QComboBox(this), QStringLiteral("Combo1"));
    Combo1->setToolTip(QStringLiteral("表示する学年を選びます"));
    place(Combo1, 4900, 1230, 2100, 460, 16);
    connect(Combo1, &QComboBox::activated, this, &seisekitime1::combo1Choice);
    Combo2 = named(new QComboBox(this), QStringLiteral("Combo2"));
    Combo2->hide();
    place(Combo2, 7150, 1230, 3250, 460, 16);
    connect(Combo2, &QComboBox::activated, this, &seisekitime1::combo2Choice);
    Command17 = named(new QPushButton(QStringLiteral("グラフ"), this), QStringLiteral("Command17"));
    Command17->hide();
    place(Command17, 10550, 1215, 1450, 490, 16);
    Command8 =
        named(new QPushButton(QStringLiteral("データ処理"), this), QStringLiteral("Command8"));
    Command8->hide();
    place(Command8, 12150, 1215, 2900, 490, 16);

    buildOptionGroups();
    Command27 = named(new QPushButton(QStringLiteral("印刷"), this), QStringLiteral("Command27"));
    Command27->hide();
    place(Command27, 12900, 10790, 2150, 620, 16);

    // The panels of the teacher access and of the personal report: hidden until their own
    // procedures fill and show them.
    Picture7 = named(new QFrame(this), QStringLiteral("Picture7"));
    Picture7->setFrameShape(QFrame::Box);
    Picture7->hide();
    place(Picture7, 4500, 3000, 6400, 4200);
    Picture11 = named(new QFrame(this), QStringLiteral("Picture11"));
    Picture11->setFrameShape(QFrame::Box);
    Picture11->hide();
    place(Picture11, 120, 1740, 15100, 8900);
    List3 = named(new QListWidget(Picture11), QStringLiteral("List3"));
    List3->setSelectionMode(QAbstractItemView::MultiSelection);
    place(List3, 11800, 400, 900, 2600, 16, true);
    List2 = named(new QListWidget(Picture11), QStringLiteral("List2"));
    List2->setSelectionMode(QAbstractItemView::MultiSelection);
    List2->hide();
    place(List2, 11800, 3200, 3100, 5400, 14, true);

    buildOverlays();
}

void seisekitime1::buildOptionGroups() {
    Picture1 = named(new QFrame(this), QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::StyledPanel);
    place(Picture1, columnLayout(levelCount()).margin, 10790, 6700, 620);
    option1Group_ = new QButtonGroup(this);
    const QString captions1[] = {{}, kBestCaption, kTodayOnlyCaption, kAllCaption};
    for (int k = 1; k <= 3; ++k) {
        Option1[k] = named(new QRadioButton(captions1[k], Picture1), elementName("Option1", k));
        option1Group_->addButton(Option1[k], k);
        place(Option1[k], 120 + (k - 1) * 2180, 90, 2100, 440, 17);
        connect(Option1[k], &QRadioButton::clicked, this, [this, k] { option1Choice(k); });
    }
    Picture5 = named(new QFrame(this), QStringLiteral("Picture5"));
    Picture5->setFrameShape(QFrame::StyledPanel);
    place(Picture5, 7250, 10790, 5450, 620);
    option2Group_ = new QButtonGroup(this);
    for (int k = 0; k <= 2; ++k) {
        Option2[k] =
            named(new QRadioButton(option2Captions()[k], Picture5), elementName("Option2", k));
        option2Group_->addButton(Option2[k], k);
        place(Option2[k], 120 + k * 1770, 90, 1700, 440, 17);
        connect(Option2[k], &QRadioButton::clicked, this, [this, k] { option2Choice(k); });
    }
}

void seisekitime1::buildOverlays() {
    Picture6 = named(new QFrame(this), QStringLiteral("Picture6"));
    Picture6->setFrameShape(QFrame::Box);
    setBackground(Picture6, 0xF8F4E8, QPalette::Window);
    Picture6->hide();
    place(Picture6, 0, kLabel5Top, kMenuWidthTwips, kListOverlayBottom - kLabel5Top);
    Label21 = named(new QLabel(QStringLiteral("Just a momento, please."), Picture6),
                    QStringLiteral("Label21"));
    Label21->setAlignment(Qt::AlignCenter);
    place(Label21, 0, 3300, kMenuWidthTwips, 900, 28);
    ProgressBar2 = named(new QProgressBar(Picture6), QStringLiteral("ProgressBar2"));
    ProgressBar2->setTextVisible(false);
    place(ProgressBar2, 4680, 4400, 6000, 360);

    Picture2 = named(new QFrame(this), QStringLiteral("Picture2"));
    Label19 = named(new QLabel(QStringLiteral("Just a moment, please."), Picture2),
                    QStringLiteral("Label19"));
    Label19->setAlignment(Qt::AlignCenter);
    place(Label19, 0, 4500, kMenuWidthTwips, 900, 30);
    ProgressBar1 = named(new QProgressBar(Picture2), QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    place(ProgressBar1, 4680, 5600, 6000, 360);
}

// The hidden element 0 of each column array, with the widths every copy inherits.
void seisekitime1::buildTemplates() {
    Label1.append(named(new QLabel(this), elementName("Label1", 0)));
    Label3.append(named(new LevelNameLabel(this), elementName("Label3", 0)));
    Command4.append(named(new QPushButton(this), elementName("Command4", 0)));
    Text1.append(named(new QLineEdit(this), elementName("Text1", 0)));
    Label9.append(named(new QLabel(this), elementName("Label9", 0)));
    Label10.append(named(new QLabel(this), elementName("Label10", 0)));
    Label14.append(named(new QLabel(this), elementName("Label14", 0)));
    Label15.append(named(new QLabel(this), elementName("Label15", 0)));
    Label8.append(named(new QLabel(this), elementName("Label8", 0)));
    List5.append(named(new QListWidget(this), elementName("List5", 0)));
    Label7.append(named(new QLabel(this), elementName("Label7", 0)));
    for (QWidget* w : std::initializer_list<QWidget*>{Label1[0], Label3[0], Command4[0], Text1[0],
                                                      Label9[0], Label10[0], Label14[0], Label15[0],
                                                      Label8[0], List5[0], Label7[0]})
        w->hide();
    const ColumnLayout c = columnLayout(levelCount());
    const double w = c.columnWidth;
    const RowTops t = rowTops();
    place(Label1[0], 0, t.levelName, 0.2 * w, kNameRowHeight);
    place(Label3[0], 0, t.levelName, w - 0.2 * w, kNameRowHeight);
    place(Command4[0], 0, t.startButton, w, kStartRowHeight);
    place(Text1[0], 0, t.startButton, w, kCoverHeight);
    place(Label9[0], 0, t.headings, w / 2, kTextRowHeight);
    place(Label10[0], 0, t.headings, w / 2, kTextRowHeight);
    place(Label14[0], 0, t.counts, w / 2, kTextRowHeight);
    place(Label15[0], 0, t.counts, w / 2, kTextRowHeight);
    place(Label8[0], 0, t.passWindow, w, kTextRowHeight);
    place(List5[0], c.margin, t.list, w, kListHeight);
    place(Label7[0], 0, t.targetLine, w, kTextRowHeight);
}

void seisekitime1::createColumn(int i) {
    const AppState& state = app_.state();
    const int s = state.student.studentNumber;
    const ColumnLayout c = columnLayout(levelCount());
    const double x = c.left(i);
    const double w = c.columnWidth;
    const RowTops t = rowTops();
    auto text = [](QLabel* label, Qt::Alignment align) {
        label->setAlignment(align);
        return label;
    };

    Label1.append(text(named(new QLabel(levelNumberText(i), this), elementName("Label1", i)),
                       Qt::AlignCenter));
    Label1[i]->setStyleSheet(QStringLiteral("background: #403020; color: white;"));
    place(Label1[i], x, t.levelName, 0.2 * w, kNameRowHeight, 22);

    const QString name = state.program.levelNames[static_cast<std::size_t>(i)];
    Label3.append(named(new LevelNameLabel(name, this), elementName("Label3", i)));
    Label3[i]->setToolTip(name);
    Label3[i]->setAlignment(Qt::AlignCenter);
    Label3[i]->setCursor(Qt::PointingHandCursor);
    Label3[i]->setStyleSheet(QStringLiteral("background: #FFF8E0; color: #402000;"));
    place(Label3[i], x + 0.2 * w, t.levelName, w - 0.2 * w, kNameRowHeight, 20);
    connect(Label3[i], &LevelNameLabel::clicked, this, [this, i] { label3Click(i); });

    Command4.append(named(new QPushButton(startCaption(i), this), elementName("Command4", i)));
    Command4[i]->setToolTip(QStringLiteral("クリックしてスタートします。番号を押してもよろしい"));
    place(Command4[i], x, t.startButton, w, kStartRowHeight, 18);
    connect(Command4[i], &QPushButton::clicked, this, [this, i] { command4Click(i); });

    Text1.append(named(new QLineEdit(this), elementName("Text1", i)));
    Text1[i]->setReadOnly(true);
    Text1[i]->setAlignment(Qt::AlignCenter);
    Text1[i]->setFocusPolicy(Qt::NoFocus);
    Text1[i]->setStyleSheet(
        QStringLiteral("background: #FFE0E0; color: #C00000; font-weight: bold;"));
    Text1[i]->hide();
    place(Text1[i], x, t.startButton + (kStartRowHeight - kCoverHeight) / 2, w, kCoverHeight, 16);

    Label9.append(text(named(new QLabel(this), elementName("Label9", i)), Qt::AlignCenter));
    place(Label9[i], x, t.headings, w / 2, kTextRowHeight, 15);
    Label10.append(text(named(new QLabel(this), elementName("Label10", i)), Qt::AlignCenter));
    place(Label10[i], x + w / 2, t.headings, w / 2, kTextRowHeight, 15);
    Label14.append(text(named(new QLabel(this), elementName("Label14", i)), Qt::AlignCenter));
    place(Label14[i], x, t.counts, w / 2, kTextRowHeight, 15);
    Label15.append(text(named(new QLabel(this), elementName("Label15", i)), Qt::AlignCenter));
    place(Label15[i], x + w / 2, t.counts, w / 2, kTextRowHeight, 15);

    Label8.append(
        text(named(new QLabel(passWindowText(state, s, i), this), elementName("Label8", i)),
             Qt::AlignCenter));
    place(Label8[i], x, t.passWindow, w, kTextRowHeight, 15);

    List5.append(named(new QListWidget(this), elementName("List5", i)));
    List5[i]->setUniformItemSizes(true);
    List5[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List5[i]->setFocusPolicy(Qt::NoFocus);
    setBackground(List5[i], kListInitial, QPalette::Base);
    place(List5[i], x, t.list, w, kListHeight, 14, true);
    List5[i]->raise();

    Label7.append(
        text(named(new QLabel(targetLineText(state.program, i), this), elementName("Label7", i)),
             Qt::AlignCenter));
    place(Label7[i], x, t.targetLine, w, kTextRowHeight, 15);
}

void seisekitime1::paintSeason() {
    const std::uint32_t colour = app_.state().installation.seasonColour;
    setBackground(this, colour, QPalette::Window);
    setBackground(Picture2, colour, QPalette::Window);
}

void seisekitime1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

// Every control keeps its place and size in the 1024 × 768 design and scales with the window.
void seisekitime1::relayout() {
    const double sx = width() / double(kDesignWidthPx);
    const double sy = height() / double(kDesignHeightPx);
    fontScale_ = std::min(sx, sy);
    for (const auto& p : placements_) {
        const QRectF& r = p.twips;
        p.widget->setGeometry(
            qRound(r.x() / kTwipsPerPixel * sx), qRound(r.y() / kTwipsPerPixel * sy),
            qRound(r.width() / kTwipsPerPixel * sx), qRound(r.height() / kTwipsPerPixel * sy));
        if (p.fontPx > 0) {
            QFont f(kGothic);
            f.setPixelSize(std::max(8, qRound(p.fontPx * fontScale_)));
            if (p.fixedPitch)
                f.setStyleHint(QFont::Monospace);
            p.widget->setFont(f);
        }
    }
    Picture2->setGeometry(rect());
    QFont title(kGothic);
    title.setPointSizeF(titlePointSize(app_.state().program.programName) * fontScale_);
    title.setBold(true);
    Label11->setFont(title);
    QFont heading = Label5->font();
    heading.setBold(true);
    Label5->setFont(heading);
}

// ---- Activation ------------------------------------------------------------------------------

void seisekitime1::activateScreen() {
    AppState& state = app_.state();
    const int s = state.student.studentNumber;
    // 1–3.
    const bool teacher = isTeacher(state.student.studentName);
    Command8->setVisible(teacher);
    Command27->hide();
    Label17->setText(
        minutesSinceSignInText(app_.clock().secondsSinceMidnight(), state.student.signInTime));
    // 4.
    keysEnabled = 0;
    Picture2->setGeometry(rect());
    Picture2->raise();
    Picture2->show();
    app_.doEvents();
    // 5.
    setOption1Captions(kCumulativeOrderCaption, kTodayOrderCaption);
    // 6.
    if (auto* names = app_.screen<namesel>())
        app_.unload(names);
    // 7.
    try {
        computeStatistics(state, app_.clock(), app_.messages());
    } catch (const ResultsFileError& e) {
        app_.fatal(QStringLiteral("成績ファイルのエラー"), e.message());
        return;
    }
    // 8–9.
    state.round.todayRoundTotal = static_cast<std::int16_t>(todayRoundTotal(state, s));
    Label18->setText(todayTotalText(state.round.todayRoundTotal));
    ProgressBar1->setMaximum(levelCount());
    // 10. The default display: points, cumulative order.
    displayMode = 2;
    activating = 1;
    selectOption1(1);
    option1Choice(1);
    option2Choice(1);
    selectOption2(1);
    Command1->setEnabled(true);
    activating = 0;
    // 11.
    showLists();
    Picture6->hide();
    // 12.
    Label12->setText(gradeAndNameText(state.student.studentGradeText, state.student.studentName));
    Label13->setText(siteAndNumberText(state.installation.siteTitle, s));
    Label11->setText(state.program.programName);
    relayout();
    app_.doEvents();
    // 13.
    for (int i = 1; i <= levelCount(); ++i) {
        setBackground(Label7[i], kLightGrey, QPalette::Window);
        setBackground(Label8[i], kLightGrey, QPalette::Window);
        Label15[i]->setText(allCountsText(state, s, i));
        Label14[i]->setText(todayCountsText(state, s, i));
    }
    // 14.
    for (int i = 1; i <= levelCount(); ++i)
        Command4[i]->setEnabled(false);
    applyLevelAvailability();
    // 15–16.
    Picture2->hide();
    ProgressBar1->hide();
    app_.doEvents();
    keysEnabled = 1;
}

// ---- Starting a level and going back ---------------------------------------------------------

void seisekitime1::command4Click(int level) {
    if (level < 1 || level > levelCount() || !Picture7->isHidden() || !Command4[level]->isEnabled())
        return;
    Picture2->setGeometry(rect());
    Picture2->raise();
    Picture2->show();
    app_.state().round.levelIndex = static_cast<std::int16_t>(level);
    app_.doEvents();
    keysEnabled = 0;
    app_.startDrill();
}

void seisekitime1::label3Click(int level) {
    if (level < 1 || level > levelCount() || !Picture7->isHidden() || !Command4[level]->isEnabled())
        return;
    app_.state().round.levelIndex = static_cast<std::int16_t>(level);
    keysEnabled = 0;
    app_.startDrill();
    app_.unload(this);
}

void seisekitime1::command1Click() {
    Picture2->setGeometry(rect());
    Picture2->raise();
    Picture2->show();
    app_.doEvents();
    app_.showNameScreen();
    app_.doEvents();
}

// The form sees every key before the focused control: "1".."9" and "a".."d" start levels 1..13
// when the menu offers them, "0" goes back.
bool seisekitime1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == this || isAncestorOf(widget)) && keysEnabled != 0)
            return handleKey(static_cast<QKeyEvent*>(event)->text());
    }
    return QWidget::eventFilter(watched, event);
}

bool seisekitime1::handleKey(const QString& text) {
    if (text.size() != 1)
        return false;
    const QChar c = text[0];
    int level = 0;
    if (c >= u'1' && c <= u'9')
        level = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'd')
        level = 10 + (c.unicode() - u'a');
    if (level > 0) {
        if (level <= levelCount())
            command4Click(level);
        return true;
    }
    if (c == u'0') {
        if (Command1->isEnabled())
            command1Click();
        return true;
    }
    return false;
}

// ---- Availability ----------------------------------------------------------------------------

void seisekitime1::applyLevelAvailability() {
    AppState& state = app_.state();
    const LevelAvailability a = levelAvailability(state, state.student.studentNumber);
    state.round.lastLevelPassed = static_cast<std::int16_t>(a.lastLevelPassed);
    if (levelCount() >= 1)
        Command4[1]->setEnabled(true);
    for (int l = 1; l < levelCount(); ++l) {
        Command4[l + 1]->setEnabled(true);
        Text1[l + 1]->hide();
        if (a.blocked[static_cast<std::size_t>(l)]) {
            Command4[l]->setEnabled(false);
            Text1[l]->setText(QStringLiteral("やりすぎ禁止"));
            Text1[l]->raise();
            Text1[l]->show();
        } else {
            Text1[l]->hide();
        }
    }
    Picture6->raise();
}

// ---- Display options -------------------------------------------------------------------------

void seisekitime1::setOption1Captions(const QString& c1, const QString& c2) {
    Option1[1]->setText(c1);
    Option1[2]->setText(c2);
}

void seisekitime1::selectOption1(int k) {
    Option1[k]->setChecked(true);
}
void seisekitime1::selectOption2(int k) {
    Option2[k]->setChecked(true);
}

void seisekitime1::showLists() {
    for (int i = 1; i <= levelCount(); ++i) {
        List5[i]->show();
        if (scrollRows_[i] >= 0 && scrollRows_[i] < List5[i]->count())
            List5[i]->scrollToItem(List5[i]->item(scrollRows_[i]),
                                   QAbstractItemView::PositionAtTop);
    }
}

void seisekitime1::option2Choice(int k) {
    // 1–3. Lock the screen.
    Command17->hide();
    Picture11->hide();
    Command1->setEnabled(false);
    for (int i = 1; i <= levelCount(); ++i) {
        Command4[i]->setEnabled(false);
        List5[i]->hide();
    }
    Picture6->raise();
    Picture6->show();
    app_.doEvents();
    // 4. The activation releases the screen itself.
    if (activating == 1)
        return;
    if (k == 0) {
        setOption1Captions(kBestCaption, kTodayOnlyCaption);
        Option1[3]->setEnabled(true);
        displayMode = 1;
        for (int j = 1; j <= 3; ++j)
            if (Option1[j]->isChecked()) {
                option1Choice(j);
                break;
            }
    } else if (k == 1) {
        Combo2->hide();
        setOption1Captions(kPointsTotalCaption, kPointsTodayCaption);
        Option1[3]->setText(kEverythingCaption);
        Option1[3]->setEnabled(true);
        displayMode = 2;
        app_.doEvents();
        if (Option1[1]->isChecked()) {
            pointsRankKind = 1;
            option1Choice(1);
        } else if (Option1[3]->isChecked()) {
            option1Choice(3);
        } else if (Option1[2]->isChecked()) {
            pointsRankKind = 2;
            option1Choice(2);
        }
    } else {
        Command17->show();
        Combo2->hide();
        showPersonalTimes();
    }
}

void seisekitime1::option1Choice(int k) {
    // 1–2. Lock the screen.
    Command1->setEnabled(false);
    for (int i = 1; i <= levelCount(); ++i) {
        Command4[i]->setEnabled(false);
        List5[i]->hide();
    }
    Picture6->raise();
    Picture6->show();
    Combo2->hide();
    Picture1->setEnabled(false);
    app_.doEvents();
    // 3–4. The report of the choice.
    if (displayMode == 1) {
        if (k == 1)
            showBestResults();
        else if (k == 2)
            showTodayResults();
        else
            showPeriodResults();
    } else if (displayMode == 2) {
        if (k == 1 || k == 2) {
            pointsRankKind = k;
            Label5->setText(k == 1 ? kCumulativeHeading : kTodayPointsHeading);
            if (k == 1) {
                ProgressBar1->setValue(0);
                ProgressBar1->setMaximum(levelCount());
            }
            ProgressBar2->setValue(0);
            ProgressBar2->setMaximum(levelCount());
            for (int i = 1; i <= levelCount(); ++i) {
                if (k == 1)
                    ProgressBar1->setValue(i);
                ProgressBar2->setValue(i);
                showLevelRanking(i);
            }
            成績リスト色表示単独();
        } else {
            showPeriodResults();
        }
        Picture1->setEnabled(true);
    }
    // 5. Release the screen.
    Command1->setEnabled(true);
    applyLevelAvailability();
    showLists();
    Picture6->hide();
}

void seisekitime1::combo1Choice(int) {
    if (Option2[0]->isChecked())
        option2Choice(0);
    else
        option2Choice(1);
    // A blocked first level cannot take the focus; the focus then stays where it is.
    if (Command4.size() > 1 && Command4[1]->isEnabled())
        Command4[1]->setFocus();
}

void seisekitime1::combo2Choice(int index) {
    if (!Option1[3]->isChecked())
        return;
    allResultsPeriod = index + 1;
    option1Choice(3);
}

void seisekitime1::回数など表示() {
    for (int i = 1; i <= levelCount(); ++i) {
        Label9[i]->setText(QStringLiteral("今日"));
        Label10[i]->setText(QStringLiteral("今まで"));
        List5[i]->clear();
        scrollRows_[i] = -1;
    }
}

void seisekitime1::fillStudentListRows() {
    AppState& state = app_.state();
    List2->clear();
    List2->addItems(fillStudentList(state, app_.clock().now().date()));
}

// ---- Lists -----------------------------------------------------------------------------------

void seisekitime1::fillList(int level, const QStringList& rows) {
    QListWidget* list = List5[level];
    list->clear();
    list->addItems(rows);
}

void seisekitime1::tidyList(int level) {
    QListWidget* list = List5[level];
    if (list->count() == 0)
        return;
    list->clearSelection();
    list->setCurrentRow(-1, QItemSelectionModel::Clear);
}

void seisekitime1::showLevelRanking(int level) {
    if (displayMode == 0)
        displayMode = 1;
    if (pointsRankKind == 0)
        pointsRankKind = 1;
    Label9[level]->setText(QStringLiteral("今日"));
    Label10[level]->setText(QStringLiteral("今まで"));
    const AppState& state = app_.state();
    const RankingRows ranking =
        levelRankingRows(state, level,
                         RankingView{displayMode, pointsRankKind, Combo1->currentText(),
                                     state.student.studentNumber});
    fillList(level, ranking.rows);
    scrollRows_[level] = ranking.scrollRow;
    if (ranking.scrollRow >= 0)
        List5[level]->scrollToItem(List5[level]->item(ranking.scrollRow),
                                   QAbstractItemView::PositionAtTop);
    tidyList(level);
}

void seisekitime1::showBestResults() {
    Label5->setText(QStringLiteral("ベスト成績"));
    回数など表示();
    ProgressBar2->setMaximum(levelCount());
    for (int level = 1; level <= levelCount(); ++level) {
        ProgressBar2->setValue(level);
        showLevelRanking(level);
        tidyList(level);
    }
    成績リスト色表示単独();
    Picture1->setEnabled(true);
}

RecordTail seisekitime1::readTail(std::int64_t records) {
    try {
        return readRecordTail(app_.state().installation.dataFolder, records, app_.messages());
    } catch (const ResultsFileError& e) {
        app_.fatal(QStringLiteral("成績ファイルのエラー"), e.message());
        return {};
    }
}

// The progress bar follows the records read; it is redrawn only when it moves visibly.
ListProgress seisekitime1::listProgress() {
    return [this, shown = std::int64_t{-1}](std::int64_t value, std::int64_t maximum) mutable {
        const int max = static_cast<int>(std::min<std::int64_t>(maximum, INT32_MAX));
        if (ProgressBar2->maximum() != max)
            ProgressBar2->setMaximum(max);
        const std::int64_t step = std::max<std::int64_t>(1, maximum / 200);
        if (value == 0 || value - shown >= step || value >= maximum - 1) {
            ProgressBar2->setValue(static_cast<int>(std::min<std::int64_t>(value, max)));
            shown = value;
        }
    };
}

DateListView seisekitime1::dateListView() const {
    return DateListView{Combo1->currentText(), app_.state().student.studentNumber, displayMode};
}

void seisekitime1::fillLists(const LevelLists& lists) {
    for (int level = 1; level <= levelCount(); ++level)
        if (static_cast<std::size_t>(level) < lists.size())
            fillList(level, lists[static_cast<std::size_t>(level)].rows);
}

void seisekitime1::showTodayResults() {
    Label5->setText(QStringLiteral("本日の成績"));
    回数など表示();
    const RecordTail tail = readTail(kTodayListRecords);
    if (app_.finished())
        return;
    dateLists_ =
        todayResultLists(app_.state(), tail, app_.clock().now(), dateListView(), listProgress());
    fillLists(dateLists_);
    成績リスト色表示();
    Picture1->setEnabled(true);
}

void seisekitime1::showPeriodResults() {
    回数など表示();
    const QDateTime now = app_.clock().now();
    periodDays = periodDaysFor(allResultsPeriod, now.date(), periodDays);
    if (isListedPeriod(allResultsPeriod))
        Label5->setText(QString());
    const RecordTail tail = readTail(kPeriodListRecords);
    if (app_.finished())
        return;
    dateLists_ =
        periodResultLists(app_.state(), tail, now, periodDays, dateListView(), listProgress());
    fillLists(dateLists_);
    app_.doEvents();
    成績リスト色表示();
    Picture1->setEnabled(true);
    Combo2->show();
}

void seisekitime1::showPersonalTimes() {
    AppState& state = app_.state();
    try {
        fillStudentListRows();
    } catch (const LoadError& e) {
        app_.fatal(QStringLiteral("名簿ファイルのエラー"), e.message());
        return;
    }
    List3->clear();
    for (int level = 1; level <= levelCount(); ++level)
        List3->addItem(QString::number(level));
    reportLevel = 1;
    reportStudent = state.student.studentNumber;
    回数など表示();
    const RecordTail tail = readTail(kPeriodListRecords);
    if (app_.finished())
        return;
    periodDays = kPersonalDays;
    Label5->setText(QStringLiteral("個人別ﾀｲﾑ"));
    const LevelLists lists =
        personalTimeLists(state, tail, app_.clock().now(), state.student.studentNumber,
                          Combo1->currentText(), listProgress());
    fillLists(lists);
    Picture6->hide();
    applyLevelAvailability();
    showLists();
    Command1->setEnabled(true);
}

void seisekitime1::成績リスト色表示() {
    const ProgramState& program = app_.state().program;
    for (int level = 1; level <= levelCount(); ++level) {
        const auto l = static_cast<std::size_t>(level);
        if (displayMode == 1 && program.levelTimed[l] == 1 && l < dateLists_.size())
            setListColour(level, ::listColour(dateLists_[l], program.targetTime[l],
                                              program.minimumTime[l], listColour(level)));
        tidyList(level);
    }
}

void seisekitime1::成績リスト色表示単独() {
    for (int level = 1; level <= levelCount(); ++level)
        tidyList(level);
}

void seisekitime1::setListColour(int level, std::uint32_t colour) {
    setBackground(List5[level], colour, QPalette::Base);
}

std::uint32_t seisekitime1::listColour(int level) const {
    return List5[level]->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
}
