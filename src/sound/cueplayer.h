// Playing the sound cues: a random file of a cue from the cue table, or a fixed file, played to
// its end. The drill's and the name screen's cues count failures in a row.
#pragma once
#include "app/services.h"
#include "sound/soundstate.h"

#include <QString>

enum class CueOutcome {
    Played,         // the sound played to its end
    FailedSilently, // it failed; the failure was counted (or is not checked) and play goes on
    GiveUp,         // the fourth failure in a row of a checked cue: the program must end
};

struct SoundContext {
    SoundState& sound;
    const QString& soundFolder;
    AudioOut& audio;
    Random& random;
};

// Cues with the failure check.
CueOutcome playCorrectCue(SoundContext ctx);
CueOutcome playWrongCue(SoundContext ctx);
CueOutcome playNoNameCue(SoundContext ctx);
// Cues without the failure check.
void playPersonalBestCue(SoundContext ctx);
void playGoodTimeCue(SoundContext ctx);
void playLevelBestCue(SoundContext ctx);
void playPassCue(SoundContext ctx);
