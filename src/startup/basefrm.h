// The wait screen shown while a round is recorded and between screens.
#pragma once
#include <QLabel>
#include <QWidget>

class App;

class BASEFRM : public QWidget {
    Q_OBJECT
public:
    explicit BASEFRM(App& app);
    QLabel* Label19;

protected:
    void showEvent(QShowEvent* event) override;

private:
    App& app_;
};
