// The sound cue table and the state of the last playback.
#pragma once
#include <QString>
#include <array>
#include <cstdint>

constexpr int kCueColumns = 11; // columns 1..10 are cues
constexpr int kCueRows = 22;    // row 0 name, rows 1..20 files, row 21 count

struct SoundState {
    std::array<std::array<QString, kCueRows>, kCueColumns> soundCueTable{}; // [column][row]
    QString mciCommandText;
    QString mciReturnText;
    QString mciResultCode;
    std::int16_t soundRetry = 0;
};
