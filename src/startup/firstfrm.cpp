// The splash screen.
#include "startup/firstfrm.h"

#include "app/app.h"
#include "startup/eradate.h"
#include "startup/splashpicture.h"

#include <QVBoxLayout>

Firstfrm::Firstfrm(App& app) : app_(app) {
    setObjectName(QStringLiteral("Firstfrm"));
    setWindowTitle(QStringLiteral("数読庵"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("Firstfrm { background: #FFFDF5; }"));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameShape(QFrame::Box);
    Picture1->setLineWidth(2);
    Image1 = new QLabel(Picture1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(splashPicture(640, 480));
    Image1->setFixedSize(640, 480);
    auto* pictureLayout = new QVBoxLayout(Picture1);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    pictureLayout->addWidget(Image1);

    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setStyleSheet(QStringLiteral("font-size: 20pt; color: #303030;"));
    Label1 = new QLabel(QStringLiteral("Just a moment, please."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("font-size: 14pt; color: #606060;"));
    titleLabel = new QLabel(QStringLiteral("数読庵 ― 漢数字読みドリル"), this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setStyleSheet(QStringLiteral("font-size: 12pt; color: #806040;"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(Picture1, 0, Qt::AlignHCenter);
    layout->addWidget(Label5);
    layout->addWidget(titleLabel);
    layout->addWidget(Label1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Firstfrm::timer1Tick);
}

void Firstfrm::loadScreen() {
    show();
    app_.doEvents();
    app_.random().seed(static_cast<std::uint32_t>(app_.clock().secondsSinceMidnight()));
    const QDate today = app_.clock().now().date();
    Label5->setText(eraDateText(today));
    app_.state().installation.seasonColour = seasonColourForMonth(today.month());
    show();
    app_.doEvents();
    Timer1->start();
}

void Firstfrm::timer1Tick() {
    Timer1->stop();
    app_.startProgram();
    if (!app_.finished())
        app_.unload(this);
}
