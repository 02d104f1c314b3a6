// The name selection screen: the school's students youngest first with two figures of their
// drill activity, a grade filter and display options; confirming a name opens the level menu.
#pragma once
#include "roster/namelist.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>

class App;

class namesel : public QWidget {
    Q_OBJECT
public:
    explicit namesel(App& app);

    // The load event: colours, random seed, the first list, the title. Returns false when the
    // program had to end (a bad roster).
    bool loadScreen();
    // The activation: display option 1, the grade list, the level menu unloaded.
    void activateScreen();
    // Rebuilds the name list from the results file and the roster. Returns false when the
    // program had to end.
    bool 名簿表示();

    int displayOption() const { return displayOption_; }
    // The hidden row buffer and number list of the last rebuild.
    const NameListing& listing() const { return listing_; }

    // Events, as the controls run them.
    void list1Click(int row);
    void list1DblClick(int row);
    void combo1Click(int index);
    void option1Click(int k);
    void command14Click();
    void command7Click();
    void label4Click();

    QFrame* Picture4;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label2;
    QListWidget* List1;
    QComboBox* Combo1;
    QFrame* Picture7;
    std::array<QRadioButton*, kDisplayOptions> Option1{};
    QPushButton* Command14;
    QPushButton* Command7;
    QFrame* Picture5;
    QLabel* Label19;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void layOut();
    void paintSeason();
    void scaleFonts();
    void fillGradeList();
    void selectOption(int k);
    void showWait(bool on);
    int numberOfRow(int row) const;

    App& app_;
    int displayOption_ = 0;
    NameListing listing_;
    QButtonGroup* optionGroup_;
};
