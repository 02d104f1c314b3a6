// An App on fake services for the screen tests: the App and raw pointers to the fakes it owns,
// so that a test can move the clock, queue random numbers and read what was played or said.
#pragma once
#include "app/app.h"
#include "support/testsupport.h"

#include <QDateTime>
#include <memory>

struct AppHost {
    std::unique_ptr<App> app;
    FakeClock* clock = nullptr;
    FakeRandom* random = nullptr;
    FakeAudio* audio = nullptr;       // null when a real output was given
    FakeLauncher* launcher = nullptr; // null when a real launcher was given
    FakeMessages* messages = nullptr;
};

// A new fake of type Fake; *raw points to it.
template <class Fake> std::unique_ptr<Fake> makeFake(Fake** raw) {
    auto fake = std::make_unique<Fake>();
    *raw = fake.get();
    return fake;
}

// An App on `programFolder` whose services are fakes, the clock starting at `now`; a real audio
// output or launcher given here takes the place of its fake.
inline AppHost hostApp(const QString& programFolder, const QDateTime& now = FakeClock().now(),
                       std::unique_ptr<AudioOut> audio = nullptr,
                       std::unique_ptr<Launcher> launcher = nullptr) {
    AppHost host;
    Services s;
    auto clock = std::make_unique<FakeClock>(now);
    host.clock = clock.get();
    s.clock = std::move(clock);
    s.random = makeFake(&host.random);
    if (audio)
        s.audio = std::move(audio);
    else
        s.audio = makeFake(&host.audio);
    if (launcher)
        s.launcher = std::move(launcher);
    else
        s.launcher = makeFake(&host.launcher);
    s.messages = makeFake(&host.messages);
    host.app = std::make_unique<App>(std::move(s), programFolder);
    return host;
}
