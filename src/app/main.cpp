// The program: a QApplication, the real services and App, started on the splash.
#include "app/app.h"
#include "app/dialogs.h"
#include "sound/sdlaudio.h"

#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setFont(QFont(QStringLiteral("IPAGothic"), 11));
    Services services;
    services.clock = std::make_unique<SystemClock>();
    services.random = std::make_unique<SystemRandom>();
    services.audio = std::make_unique<SdlAudioOut>();
    services.launcher = std::make_unique<ProcessLauncher>();
    services.messages = std::make_unique<MessageBoxes>();
    App app(std::move(services), QCoreApplication::applicationDirPath());
    app.start();
    int code = application.exec();
    return app.finished() ? app.exitCode() : code;
}
