// Small synthesised sounds for the demo school: chimes, a buzz and fanfares as 16-bit WAV.
#pragma once
#include <QString>
#include <initializer_list>
#include <vector>

using Samples = std::vector<float>; // mono, 22,050 Hz, -1..1

Samples chime(std::initializer_list<double> notes, double noteSeconds);
Samples buzz(double seconds);
Samples fanfare(bool longVersion);
bool writeWav(const QString& path, const Samples& samples);
