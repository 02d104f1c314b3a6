// WAV playback through SDL2 audio that returns only when the sound has finished.
#pragma once
#include "app/services.h"

class SdlAudioOut : public AudioOut {
public:
    SdlAudioOut();
    ~SdlAudioOut() override;
    int play(const QString& wavPath, QString* errorText) override;

private:
    bool initialised_ = false;
    QString initError_;
};
