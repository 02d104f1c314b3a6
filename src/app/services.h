// The program's small service interfaces: the clock, the random source, audio output, starting
// another program and messages to the user. Each has a real implementation and a test one, so
// the logic and the screens run the same way under test.
#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Monotonic milliseconds: unaffected by midnight or a change of the system clock.
    virtual std::int64_t tickMs() const = 0;

    double todaySerial() const;          // today as a whole date serial
    double nowSerial() const;            // now as a date serial with the time as fraction
    int secondsSinceMidnight() const;
};

class Random {
public:
    virtual ~Random() = default;
    virtual void seed(std::uint32_t value) = 0;
    virtual double next() = 0; // uniform in [0, 1)
};

class AudioOut {
public:
    virtual ~AudioOut() = default;
    // Plays a WAV file to its end and only then returns 0; on failure returns a non-zero code
    // and leaves a readable reason in errorText.
    virtual int play(const QString& wavPath, QString* errorText) = 0;
};

class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool start(const QString& program, const QStringList& args, QString* errorText) = 0;
};

// Messages the core asks the screens to show (message boxes in the program, a log in tests).
class UserMessages {
public:
    virtual ~UserMessages() = default;
    virtual void information(const QString& title, const QString& text) = 0;
    virtual void error(const QString& title, const QString& text) = 0;
    virtual bool confirm(const QString& title, const QString& text) = 0; // OK/Cancel, Yes/No
    // Lets pending window events run during long work (waiting for a lock, loading).
    virtual void keepResponsive() {}
};

class SystemClock : public Clock {
public:
    QDateTime now() const override;
    std::int64_t tickMs() const override;
};

class SystemRandom : public Random {
public:
    SystemRandom();
    void seed(std::uint32_t value) override;
    double next() override;

private:
    std::uint64_t state_;
};

class ProcessLauncher : public Launcher {
public:
    bool start(const QString& program, const QStringList& args, QString* errorText) override;
};

// The services App owns and hands to whatever needs them.
struct Services {
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Random> random;
    std::unique_ptr<AudioOut> audio;
    std::unique_ptr<Launcher> launcher;
    std::unique_ptr<UserMessages> messages;
};
