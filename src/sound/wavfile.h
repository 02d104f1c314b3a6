// The bytes of a WAV file: 16-bit mono PCM, as the demo school's sounds and the tests' sounds are
// written.
#pragma once
#include <QByteArray>

// A whole WAV file around `samples` (16-bit little-endian mono samples) at `sampleRate` Hz.
QByteArray pcm16MonoWav(const QByteArray& samples, int sampleRate);
