// Playing the sound cues: the choice of a file among a cue's list, the fixed files of the level
// best and the pass, and the count of failures in a row of the checked cues.
#include "sound/cueplayer.h"

#include "sound/soundcues.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCorrectColumn = 2;
constexpr int kWrongColumn = 3;
constexpr int kNoNameColumn = 4;
constexpr int kPersonalBestColumn = 8;
constexpr int kGoodTimeColumn = 10;
constexpr int kFailuresPassedSilently = 3;

// Plays one WAV path to its end and keeps the command, the result code and the error text.
int playPath(SoundContext ctx, const QString& path) {
    ctx.sound.mciCommandText = QStringLiteral("play ") + path + QStringLiteral(" wait");
    QString errorText;
    const int code = ctx.audio.play(path, &errorText);
    ctx.sound.mciResultCode = QString::number(code);
    ctx.sound.mciReturnText = code == 0 ? QString() : errorText.left(255);
    return code;
}

// Row k = Int(Rnd × n + 1) of the cue's list: 1..n, and 1 when the list has no count. The
// random number is taken at single precision like the rest of the drill's draws; the row is
// kept inside the table even when a rounding lands on n + 1.
int chooseCueRow(SoundContext ctx, int column) {
    const int n = cueFileCount(ctx.sound, column);
    const float r = static_cast<float>(ctx.random.next());
    const int k = static_cast<int>(std::floor(static_cast<double>(r) * n + 1));
    return std::clamp(k, 1, std::max(1, std::min(n, kCueRows - 2)));
}

int playRandomFileOfCue(SoundContext ctx, int column) {
    const int k = chooseCueRow(ctx, column);
    return playPath(ctx,
                    ctx.soundFolder + ctx.sound.soundCueTable[column][k] + QStringLiteral(".wav"));
}

// A success resets the count; three failures in a row pass silently; the fourth gives up.
CueOutcome checkFailure(SoundContext ctx, int code) {
    if (code == 0) {
        ctx.sound.soundRetry = 0;
        return CueOutcome::Played;
    }
    if (ctx.sound.soundRetry < kFailuresPassedSilently) {
        ++ctx.sound.soundRetry;
        return CueOutcome::FailedSilently;
    }
    return CueOutcome::GiveUp;
}

} // namespace

CueOutcome playCorrectCue(SoundContext ctx) {
    return checkFailure(ctx, playRandomFileOfCue(ctx, kCorrectColumn));
}

CueOutcome playWrongCue(SoundContext ctx) {
    return checkFailure(ctx, playRandomFileOfCue(ctx, kWrongColumn));
}

CueOutcome playNoNameCue(SoundContext ctx) {
    return checkFailure(ctx, playRandomFileOfCue(ctx, kNoNameColumn));
}

void playPersonalBestCue(SoundContext ctx) {
    playRandomFileOfCue(ctx, kPersonalBestColumn);
}

void playGoodTimeCue(SoundContext ctx) {
    playRandomFileOfCue(ctx, kGoodTimeColumn);
}

void playLevelBestCue(SoundContext ctx) {
    playPath(ctx, ctx.soundFolder + QStringLiteral("最高1.wav"));
}

void playPassCue(SoundContext ctx) {
    playPath(ctx, ctx.soundFolder + QStringLiteral("合格.wav"));
}
