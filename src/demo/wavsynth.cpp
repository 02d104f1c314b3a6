// Sound synthesis for the demo school: decaying sine tones with a few overtones.
#include "demo/wavsynth.h"

#include "sound/wavfile.h"

#include <QFile>
#include <QtEndian>
#include <cmath>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void addTone(Samples& out, double start, double freq, double seconds, double gain) {
    const int first = static_cast<int>(start * kRate);
    const int count = static_cast<int>(seconds * kRate);
    if (out.size() < static_cast<size_t>(first + count))
        out.resize(first + count, 0.0f);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.005);
        const double decay = std::exp(-3.5 * t / seconds);
        const double wave = std::sin(2 * kPi * freq * t) + 0.3 * std::sin(4 * kPi * freq * t) +
                            0.1 * std::sin(6 * kPi * freq * t);
        out[first + i] += static_cast<float>(gain * attack * decay * wave / 1.4);
    }
}

} // namespace

Samples chime(std::initializer_list<double> notes, double noteSeconds) {
    Samples out;
    double start = 0;
    for (double f : notes) {
        addTone(out, start, f, noteSeconds * 2.5, 0.5);
        start += noteSeconds;
    }
    return out;
}

Samples buzz(double seconds) {
    Samples out(static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double square = std::sin(2 * kPi * 140 * t) > 0 ? 1.0 : -1.0;
        const double envelope = std::min(1.0, t / 0.01) * std::min(1.0, (seconds - t) / 0.05);
        // Two short "bu" pulses.
        const double gate = std::fmod(t, seconds / 2) < seconds * 0.4 ? 1.0 : 0.0;
        out[i] = static_cast<float>(0.3 * square * envelope * gate);
    }
    return out;
}

Samples fanfare(bool longVersion) {
    Samples out;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5, 783.99, 1046.5};
    const double lengths[] = {0.15, 0.15, 0.15, 0.35, 0.15, 0.6};
    const int count = longVersion ? 6 : 4;
    double start = 0;
    for (int i = 0; i < count; ++i) {
        addTone(out, start, notes[i], lengths[i] * 1.8, 0.45);
        addTone(out, start, notes[i] / 2, lengths[i] * 1.8, 0.2);
        start += lengths[i];
    }
    return out;
}

bool writeWav(const QString& path, const Samples& samples) {
    QByteArray data;
    data.reserve(static_cast<qsizetype>(samples.size() * 2));
    for (float s : samples) {
        const float clipped = std::max(-1.0f, std::min(1.0f, s));
        const qint16 v = static_cast<qint16>(std::lround(clipped * 32000.0f));
        char le[2];
        qToLittleEndian(v, le);
        data.append(le, 2);
    }
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(pcm16MonoWav(data, kRate)) >= 0;
}
