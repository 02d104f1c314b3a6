// The cue list "新音ファイル.txt": which WAV files belong to which sound cue.
#pragma once
#include "sound/soundstate.h"

#include <QString>

extern const QString kCueListFileName;

// Cue names of columns 1..10 (index 0 is unused).
const std::array<QString, kCueColumns>& cueNames();

// Fills the cue table from the list in the sound folder; a missing list throws LoadError.
void loadSoundCues(SoundState& sound, const QString& soundFolder);

// Number of file names read for cue column c (row 21), 0 when none.
int cueFileCount(const SoundState& sound, int column);
