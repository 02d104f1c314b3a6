// The version screen.
#include "startup/frmver.h"

#include "app/app.h"
#include "version.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

frmver::frmver(App& app) : app_(app) {
    setObjectName(QStringLiteral("frmver"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    resize(480, 320);
    setStyleSheet(QStringLiteral("frmver { background: #FFFFFF; }"));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(3);
    Shape1->setStyleSheet(QStringLiteral("#Shape1 { border: 3px solid #3060A0; border-radius: 10px;"
                                         " background: #F0F6FF; }"));
    Label1 = new QLabel(QStringLiteral("abc"), Shape1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("font-size: 28pt; font-weight: bold; color: #204080;"));
    Label2 = new QLabel(Shape1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setStyleSheet(QStringLiteral("font-size: 14pt;"));
    Label4 = new QLabel(Shape1);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setStyleSheet(QStringLiteral("font-size: 12pt; color: #606060;"));
    auto* inner = new QVBoxLayout(Shape1);
    inner->addWidget(Label1);
    inner->addWidget(Label2);
    inner->addWidget(Label4);

    Command1 = new QPushButton(QStringLiteral("O.K."), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setVisible(false); // a button without an action stays out of the way
    connect(Command1, &QPushButton::clicked, this, [this] { app_.unload(this); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addWidget(Shape1, 1);
    layout->addLayout(buttons);
}

void frmver::activateScreen() {
    app_.doEvents();
    app_.doEvents();
    Label1->setText(app_.state().program.programName);
    Label2->setText(QStringLiteral("Version%1.%2.%3")
                        .arg(SUUDOKUAN_VERSION_MAJOR)
                        .arg(SUUDOKUAN_VERSION_MINOR)
                        .arg(SUUDOKUAN_VERSION_PATCH));
    Label4->setText(QStringLiteral("Kirabo21"));
}
