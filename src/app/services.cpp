// Real implementations of the clock, the random source and the launcher.
#include "app/services.h"

#include "text/dateserial.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

double Clock::todaySerial() const { return toDateSerial(now().date()); }

double Clock::nowSerial() const { return toDateSerial(now()); }

int Clock::secondsSinceMidnight() const { return now().time().msecsSinceStartOfDay() / 1000; }

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

std::int64_t SystemClock::tickMs() const {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

SystemRandom::SystemRandom() : state_(0x853c49e6748fea9bULL) {}

void SystemRandom::seed(std::uint32_t value) {
    state_ = 0x853c49e6748fea9bULL ^ (static_cast<std::uint64_t>(value) * 0x9E3779B97F4A7C15ULL);
}

double SystemRandom::next() {
    // splitmix64: small, fast and well distributed; 53 bits make a double in [0, 1).
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

bool ProcessLauncher::start(const QString& program, const QStringList& args, QString* errorText) {
    if (!QFileInfo(program).isFile()) {
        if (errorText)
            *errorText = QStringLiteral("ファイルがありません");
        return false;
    }
    if (!QProcess::startDetached(program, args, QFileInfo(program).absolutePath())) {
        if (errorText)
            *errorText = QStringLiteral("起動できません");
        return false;
    }
    return true;
}
