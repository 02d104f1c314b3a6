// The name selection screen.
#include "roster/namesel.h"

#include "app/app.h"
#include "results/statistics.h"
#include "text/loaderror.h"
#include "text/numparse.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

const QString kChooseName = QStringLiteral("名前を選びなさい");
const QString kRosterErrorTitle = QStringLiteral("名簿のエラー");

// The screen is designed for 1024 × 768; type sizes are in pixels at that size.
constexpr int kDesignWidth = 1024;
constexpr int kDesignHeight = 768;
constexpr int kTitlePx = 64; // 48 points
constexpr int kListPx = 24;
constexpr int kNamePx = 30;
constexpr int kControlPx = 20;
constexpr int kButtonPx = 26;

// A pixel size scaled to the window; the list's stays even, so that a half-width character is
// exactly half a full-width one and the columns line up.
int scaled(int px, double factor, bool even = false) {
    int v = std::max(8, static_cast<int>(std::lround(px * factor)));
    return even ? v & ~1 : v;
}

QFont pixelFont(const QString& family, int px, bool bold = false) {
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

} // namespace

namesel::namesel(App& app) : app_(app) {
    setObjectName(QStringLiteral("namesel"));
    setWindowTitle(QStringLiteral("数読庵"));
    resize(kDesignWidth, kDesignHeight);
    buildControls();
    layOut();
    scaleFonts();
}

void namesel::buildControls() {
    Picture4 = new QFrame(this);
    Picture4->setObjectName(QStringLiteral("Picture4"));
    Picture4->setStyleSheet(QStringLiteral("#Picture4 { background: #FFFFFF; border: 3px solid"
                                           " #3A6EA5; border-radius: 14px; }"));
    Label4 = new QLabel(QStringLiteral("123"), Picture4);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->setToolTip(QStringLiteral("バージョン情報"));
    Label4->setStyleSheet(QStringLiteral("color: #1F4E8C; background: transparent; border: none;"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMinimumHeight(70);
    Label1->setStyleSheet(QStringLiteral("background: #FFFFF0; color: #202020; border: 3px solid"
                                         " #E0A030; border-radius: 12px; padding: 6px;"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setStyleSheet(QStringLiteral(
        "QListWidget { background: #FFFFFF; color: #202020; border: 3px solid #3A6EA5;"
        " border-radius: 10px; padding: 4px; }"
        "QListWidget::item { padding: 2px 4px; border: none; }"
        "QListWidget::item:selected { background: #FFD54F; color: #000000; padding: 2px 4px;"
        " border: none; }"));

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setToolTip(QStringLiteral("表示する学年を選びなさい"));
    Combo1->addItems(gradeFilterTexts());
    Combo1->setStyleSheet(QStringLiteral("QComboBox { background: #FFFFFF; color: #202020;"
                                         " padding: 4px 8px; }"));

    Picture7 = new QFrame(this);
    Picture7->setObjectName(QStringLiteral("Picture7"));
    Picture7->setStyleSheet(QStringLiteral("#Picture7 { background: #FFFFFF; border: 2px solid"
                                           " #3A6EA5; border-radius: 10px; }"
                                           "QRadioButton { color: #202020; background:"
                                           " transparent; padding: 3px; spacing: 10px; }"
                                           "QRadioButton::indicator { width: 14px; height: 14px;"
                                           " border: 2px solid #3A6EA5; border-radius: 9px;"
                                           " background: #FFFFFF; }"
                                           "QRadioButton::indicator:checked { background:"
                                           " qradialgradient(cx:0.5, cy:0.5, radius:0.5,"
                                           " fx:0.5, fy:0.5, stop:0 #3A6EA5, stop:0.55 #3A6EA5,"
                                           " stop:0.6 #FFFFFF, stop:1 #FFFFFF); }"));
    optionGroup_ = new QButtonGroup(this);
    auto* options = new QVBoxLayout(Picture7);
    options->setContentsMargins(12, 8, 12, 8);
    for (int k = 0; k < kDisplayOptions; ++k) {
        Option1[k] = new QRadioButton(displayOptionCaptions()[k], Picture7);
        Option1[k]->setObjectName(QStringLiteral("Option1_%1").arg(k));
        optionGroup_->addButton(Option1[k], k);
        options->addWidget(Option1[k]);
        connect(Option1[k], &QRadioButton::clicked, this, [this, k] { option1Click(k); });
    }
    Option1[0]->setChecked(true);

    Command14 = new QPushButton(QStringLiteral("O.K."), this);
    Command14->setObjectName(QStringLiteral("Command14"));
    Command14->setMinimumHeight(64);
    Command14->setStyleSheet(QStringLiteral(
        "QPushButton { background: #4CAF50; color: #FFFFFF; border: 3px solid #2E7D32;"
        " border-radius: 14px; font-weight: bold; }"
        "QPushButton:pressed { background: #388E3C; }"));
    Command7 = new QPushButton(QStringLiteral("ﾌﾟﾟﾛｸﾞﾗﾑメニューへ(0)"), this);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command7->setMinimumHeight(48);
    Command7->setStyleSheet(QStringLiteral(
        "QPushButton { background: #FFFFFF; color: #3A3A3A; border: 2px solid #8A8A8A;"
        " border-radius: 10px; padding: 4px 12px; }"
        "QPushButton:pressed { background: #E0E0E0; }"));

    // The wait panel covers the screen while the list is first built and while the level
    // menu opens.
    Picture5 = new QFrame(this);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setAutoFillBackground(true);
    Label19 = new QLabel(QStringLiteral("Just a moment, please."), Picture5);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setAlignment(Qt::AlignCenter);
    auto* wait = new QVBoxLayout(Picture5);
    wait->addWidget(Label19);
    Picture5->hide();

    connect(List1, &QListWidget::currentRowChanged, this, &namesel::list1Click);
    connect(List1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { list1DblClick(List1->row(item)); });
    connect(Combo1, &QComboBox::activated, this, &namesel::combo1Click);
    connect(Command14, &QPushButton::clicked, this, &namesel::command14Click);
    connect(Command7, &QPushButton::clicked, this, &namesel::command7Click);

    // The form sees every key before the focused control.
    for (QWidget* w :
         std::initializer_list<QWidget*>{this, List1, Combo1, Command14, Command7, Option1[0],
                                         Option1[1], Option1[2], Option1[3]})
        w->installEventFilter(this);
    Label4->installEventFilter(this);
}

void namesel::layOut() {
    auto* title = new QVBoxLayout(Picture4);
    title->setContentsMargins(8, 4, 8, 4);
    title->addWidget(Label4);

    auto* side = new QVBoxLayout;
    side->setSpacing(14);
    side->addWidget(Label1);
    side->addWidget(Combo1);
    side->addWidget(Picture7);
    side->addWidget(Command14);
    side->addStretch(1);
    side->addWidget(Command7);

    auto* body = new QHBoxLayout;
    body->setSpacing(24);
    body->addWidget(List1, 11);
    body->addLayout(side, 7);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 20);
    layout->setSpacing(16);
    layout->addWidget(Picture4);
    layout->addLayout(body, 1);
}

void namesel::paintSeason() {
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(app_.state().installation.seasonColour));
    setPalette(p);
    setAutoFillBackground(true);
    Picture5->setPalette(p);
}

void namesel::scaleFonts() {
    const double factor =
        std::min(width() / double(kDesignWidth), height() / double(kDesignHeight));
    const QString gothic = QStringLiteral("IPAGothic");
    Label4->setFont(pixelFont(gothic, scaled(kTitlePx, factor), true));
    List1->setFont(pixelFont(gothic, scaled(kListPx, factor, true)));
    Label1->setFont(pixelFont(gothic, scaled(kNamePx, factor), true));
    Combo1->setFont(pixelFont(gothic, scaled(kControlPx, factor)));
    for (QRadioButton* option : Option1)
        option->setFont(pixelFont(gothic, scaled(kControlPx, factor)));
    Command14->setFont(pixelFont(gothic, scaled(kButtonPx, factor), true));
    Command7->setFont(pixelFont(gothic, scaled(kControlPx, factor)));
    Label19->setFont(pixelFont(gothic, scaled(kNamePx, factor), true));
}

void namesel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scaleFonts();
    Picture5->setGeometry(rect());
}

bool namesel::loadScreen() {
    paintSeason();
    Picture5->setGeometry(rect());
    Picture5->show();
    Picture5->raise();
    app_.random().seed(static_cast<std::uint32_t>(app_.clock().secondsSinceMidnight()));
    show();
    if (!名簿表示())
        return false;
    Label4->setText(app_.state().program.programName);
    List1->setCurrentRow(0);
    app_.doEvents();
    Picture5->hide();
    List1->setFocus();
    return true;
}

void namesel::activateScreen() {
    selectOption(1);
    if (app_.finished())
        return;
    fillGradeList();
    app_.state().student.gradeFilterText = QStringLiteral("全学年");
    for (QWidget* screen : app_.liveScreens())
        if (screen->objectName() == QStringLiteral("seisekitime1"))
            app_.unload(screen);
    Label1->setText(kChooseName);
    showWait(false);
    // The next student confirms with the button and the key "1" as the first one did.
    Command14->show();
    List1->setFocus();
}

void namesel::fillGradeList() {
    const QString shown = Combo1->currentText();
    Combo1->clear();
    Combo1->addItems(gradeFilterTexts());
    Combo1->setCurrentIndex(std::max(0, Combo1->findText(shown)));
}

void namesel::selectOption(int k) {
    Option1[k]->setChecked(true);
    option1Click(k);
}

void namesel::showWait(bool on) {
    Picture5->setGeometry(rect());
    Picture5->setVisible(on);
    if (on)
        Picture5->raise();
}

bool namesel::名簿表示() {
    QPointer<namesel> self(this);
    try {
        computeStatistics(app_.state(), app_.clock(), app_.messages());
        if (app_.finished() || !self)
            return false;
        app_.doEvents();
        if (!self)
            return false;
        listing_ = buildNameListing(app_.state(), app_.clock().now().date(), displayOption_,
                                    Combo1->currentText());
    } catch (const LoadError& e) {
        app_.fatal(kRosterErrorTitle, e.message());
        return false;
    } catch (const ResultsFileError& e) {
        app_.fatal(QStringLiteral("成績ファイルのエラー"), e.message());
        return false;
    } catch (const std::exception& e) {
        app_.fatal(kRosterErrorTitle, QString::fromLocal8Bit(e.what()));
        return false;
    }
    List1->setUpdatesEnabled(false);
    List1->clear();
    List1->addItem(kSeparatorRow);
    List1->addItems(listing_.shown);
    List1->setUpdatesEnabled(true);
    List1->setCurrentRow(0);
    return true;
}

int namesel::numberOfRow(int row) const {
    if (row < 1 || row > static_cast<int>(listing_.numbers.size()))
        return -1;
    return listing_.numbers[static_cast<std::size_t>(row - 1)];
}

void namesel::list1Click(int row) {
    const int number = numberOfRow(row);
    if (number < 0) {
        Label1->setText(kChooseName);
        return;
    }
    Label1->setText(trimNameBlanks(List1->item(row)->text().left(10)));
    Label2->setText(QString::number(number));
}

void namesel::list1DblClick(int row) {
    const int number = numberOfRow(row);
    if (number < 0) {
        Label1->setText(kChooseName);
        return;
    }
    // The figures hold exactly one "/", so the last one ends the name even if the name has one.
    const QString text = List1->item(row)->text();
    Label1->setText(trimNameBlanks(text.left(text.lastIndexOf(u'/'))));
    Label2->setText(QString::number(number));
    command14Click();
}

void namesel::combo1Click(int index) {
    app_.state().student.gradeFilterText = Combo1->itemText(index);
    if (!名簿表示())
        return;
    List1->setFocus();
}

void namesel::option1Click(int k) {
    displayOption_ = k;
    名簿表示();
}

void namesel::command14Click() {
    if (Label1->text() == kChooseName || Label1->text().isEmpty() || Label2->text().isEmpty()) {
        app_.playNoNameCue();
        return;
    }
    AppState& state = app_.state();
    StudentState& student = state.student;
    const QTime now = app_.clock().now().time();
    student.signInTime =
        static_cast<std::int32_t>(roundHalfEven(now.msecsSinceStartOfDay() / 1000.0));
    student.studentNumber = static_cast<std::int16_t>(Label2->text().toInt());
    student.studentName = state.roster.studentNames[student.studentNumber];
    student.studentGradeText = state.roster.studentGradeLabels[student.studentNumber];
    Command14->hide();
    showWait(true);
    app_.doEvents();
    app_.openLevelMenu();
}

void namesel::command7Click() {
    const QString launcher =
        QDir::cleanPath(app_.programFolder() + QStringLiteral("/../起動/プログラムメニューc"));
    const QStringList candidates = {launcher + QStringLiteral(".exe"), launcher};
    QString why;
    for (const QString& program : candidates) {
        if (app_.services().launcher->start(program, {QStringLiteral("001")}, &why)) {
            app_.exitProgram(0);
            return;
        }
    }
    app_.messages().error(QStringLiteral("プログラムメニュー"),
                          QStringLiteral("プログラムメニューを起動できません（%1）。\n%2\n"
                                         "数読庵を終わります。")
                              .arg(why, candidates.join(u'\n')));
    app_.exitProgram(1);
}

void namesel::label4Click() {
    app_.showVersionScreenOver(this);
}

bool namesel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() == QStringLiteral("1")) {
            if (!Command14->isHidden())
                command14Click();
            return true;
        }
        if (key->text() == QStringLiteral("0")) {
            command7Click();
            return true;
        }
        if (watched == List1 && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                                 key->key() == Qt::Key_Space)) {
            command14Click();
            return true;
        }
    } else if (watched == Label4 && event->type() == QEvent::MouseButtonPress) {
        return true; // taken, so that the release comes here too
    } else if (watched == Label4 && event->type() == QEvent::MouseButtonRelease) {
        label4Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
