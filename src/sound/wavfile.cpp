// The RIFF/WAVE header of a 16-bit mono PCM file.
#include "sound/wavfile.h"

#include <QtEndian>
#include <cstdint>

QByteArray pcm16MonoWav(const QByteArray& samples, int sampleRate) {
    QByteArray b;
    auto u32 = [&b](std::uint32_t v) {
        char le[4];
        qToLittleEndian(v, le);
        b.append(le, 4);
    };
    auto u16 = [&b](std::uint16_t v) {
        char le[2];
        qToLittleEndian(v, le);
        b.append(le, 2);
    };
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    b += "RIFF";
    u32(36 + static_cast<std::uint32_t>(samples.size()));
    b += "WAVEfmt ";
    u32(16);
    u16(1);        // PCM
    u16(1);        // mono
    u32(rate);     // samples per second
    u32(rate * 2); // bytes per second
    u16(2);        // block align
    u16(16);       // bits per sample
    b += "data";
    u32(static_cast<std::uint32_t>(samples.size()));
    return b + samples;
}
