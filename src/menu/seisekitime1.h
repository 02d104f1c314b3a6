// The level menu: one column per level with its start button, the student's counts and points,
// a ranking or result list and the target line; the option groups that choose the lists; the
// way back to the name screen and, for teachers, the data-processing button.
#pragma once
#include "menu/availability.h"
#include "reports/rankings.h"
#include "reports/resultlists.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRectF>
#include <QVector>
#include <QWidget>
#include <array>
#include <cstdint>

class App;

// A level name: a label that reports clicks, since a click on it starts its level.
class LevelNameLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class seisekitime1 : public QWidget {
    Q_OBJECT
public:
    // The load: builds the columns from their templates and lays them out.
    explicit seisekitime1(App& app);
    ~seisekitime1() override;

    // The activation: statistics, texts, the default display and the level availability.
    void activateScreen();

    // Starting a level and going back, as the clicks and keys run them.
    void command4Click(int level);
    void label3Click(int level);
    void command1Click();

    // The level availability: blocked levels get "やりすぎ禁止" over a disabled start button.
    void applyLevelAvailability();

    // Display options.
    void option2Choice(int k);
    void option1Choice(int k);
    void combo1Choice(int index);
    void combo2Choice(int index);
    void 回数など表示();
    void fillStudentListRows();

    // The lists.
    void showLevelRanking(int level);
    void showBestResults();
    void showTodayResults();
    void showPeriodResults();
    void showPersonalTimes();
    void 成績リスト色表示();
    void 成績リスト色表示単独();

    // The background colour of a level's list.
    std::uint32_t listColour(int level) const;

    // Screen state.
    int keysEnabled = 0;
    int activating = 0;
    int displayMode = 1;
    int pointsRankKind = 1;
    int allResultsPeriod = 3;
    int periodDays = 30;

    // Controls outside the columns.
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QFrame* Picture3;
    QLabel* Label17;
    QFrame* Picture4;
    QLabel* Label18;
    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label16;
    QLabel* Label20;
    QPushButton* Command1;
    QFrame* Picture1;
    std::array<QRadioButton*, 4> Option1{}; // elements 1..3
    QFrame* Picture5;
    std::array<QRadioButton*, 3> Option2{};
    QComboBox* Combo1;
    QComboBox* Combo2;
    QPushButton* Command8;
    QFrame* Picture7;   // the teacher password panel, filled by its own panel
    QFrame* Picture11;  // the personal report panel, filled by its own panel
    QListWidget* List2; // report panel: the students
    QListWidget* List3; // report panel: the levels
    QPushButton* Command17;
    QPushButton* Command27;
    QFrame* Picture2;
    QProgressBar* ProgressBar1;
    QLabel* Label19;
    QFrame* Picture6;
    QProgressBar* ProgressBar2;
    QLabel* Label21;

    // The level columns; element 0 of each array is the hidden template.
    QVector<QLabel*> Label1;
    QVector<LevelNameLabel*> Label3;
    QVector<QPushButton*> Command4;
    QVector<QLineEdit*> Text1;
    QVector<QLabel*> Label9;
    QVector<QLabel*> Label10;
    QVector<QLabel*> Label14;
    QVector<QLabel*> Label15;
    QVector<QLabel*> Label8;
    QVector<QListWidget*> List5;
    QVector<QLabel*> Label7;

    int reportStudent = 0;
    int reportLevel = 1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placement {
        QWidget* widget;
        QRectF twips;  // in the parent, in twips of the 15360 × 11520 design
        double fontPx; // 0: keeps its font
        bool fixedPitch;
    };

    void buildControls();
    void buildOverlays();
    void buildOptionGroups();
    void buildTemplates();
    void createColumn(int level);
    void place(QWidget* widget, double x, double y, double w, double h, double fontPx = 0,
               bool fixedPitch = false);
    void moveTo(QWidget* widget, double x, double y, double w, double h);
    void relayout();
    void paintSeason();
    void setOption1Captions(const QString& c1, const QString& c2);
    void selectOption1(int k);
    void selectOption2(int k);
    void lockLists();
    void releaseLists();
    void showLists();
    void setListColour(int level, std::uint32_t colour);
    void fillList(int level, const QStringList& rows);
    void fillLists(const LevelLists& lists);
    RecordTail readTail(std::int64_t records);
    ListProgress listProgress();
    DateListView dateListView() const;
    void tidyList(int level);
    bool handleKey(const QString& text);
    int levelCount() const;

    App& app_;
    QButtonGroup* option1Group_;
    QButtonGroup* option2Group_;
    QVector<Placement> placements_;
    QVector<int> scrollRows_;
    LevelLists dateLists_; // the last today or period lists, for their colours
    double fontScale_ = 1.0;
};
