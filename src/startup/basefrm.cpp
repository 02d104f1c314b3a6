// The wait screen: one line of text; its load only lets pending window events run.
#include "startup/basefrm.h"

#include "app/app.h"

#include <QVBoxLayout>

BASEFRM::BASEFRM(App& app) : app_(app) {
    setObjectName(QStringLiteral("BASEFRM"));
    setWindowTitle(QStringLiteral("数読庵"));
    resize(1024, 768);
    setStyleSheet(QStringLiteral("BASEFRM { background: #F4F8FF; }"));
    Label19 = new QLabel(QStringLiteral("Just a moment, please."), this);
    Label19->setObjectName(QStringLiteral("Label19"));
    Label19->setAlignment(Qt::AlignCenter);
    Label19->setStyleSheet(QStringLiteral("font-size: 28pt; color: #405070;"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label19);
}

void BASEFRM::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    app_.doEvents();
}
