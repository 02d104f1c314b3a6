// The version screen: program name, version numbers of the build and the product family.
#pragma once
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

class App;

class frmver : public QWidget {
    Q_OBJECT
public:
    explicit frmver(App& app);
    void activateScreen();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QFrame* Shape1;
    QPushButton* Command1;
    QPushButton* Command2;

private:
    App& app_;
};
