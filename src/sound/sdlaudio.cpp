// SDL2 audio output: load the WAV, queue it on a device opened in its own format, wait until
// the queue has drained and the device has played its last buffer, then close the device.
#include "sound/sdlaudio.h"

#include "text/cp932.h"

#include <SDL.h>

#include <QFile>

namespace {
enum AudioError { kNoAudio = 1, kLoadFailed = 2, kDeviceFailed = 3, kQueueFailed = 4 };
}

SdlAudioOut::SdlAudioOut() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
        initialised_ = true;
    else
        initError_ = QString::fromUtf8(SDL_GetError());
}

SdlAudioOut::~SdlAudioOut() {
    if (initialised_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SdlAudioOut::play(const QString& wavPath, QString* errorText) {
    auto fail = [&](int code, const QString& why) {
        if (errorText)
            *errorText = why;
        return code;
    };
    if (!initialised_)
        return fail(kNoAudio, QStringLiteral("音声装置を初期化できません: %1").arg(initError_));
    if (!QFile::exists(wavPath))
        return fail(kLoadFailed, QStringLiteral("音声ファイルがありません: %1").arg(wavPath));
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(QFile::encodeName(wavPath).constData(), &spec, &buffer, &length))
        return fail(kLoadFailed, QStringLiteral("音声ファイルを読めません: %1 (%2)")
                                     .arg(wavPath, QString::fromUtf8(SDL_GetError())));
    SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &spec, nullptr, 0);
    if (device == 0) {
        SDL_FreeWAV(buffer);
        return fail(kDeviceFailed,
                    QStringLiteral("音声装置を開けません: %1").arg(QString::fromUtf8(SDL_GetError())));
    }
    int rc = SDL_QueueAudio(device, buffer, length);
    SDL_FreeWAV(buffer);
    if (rc != 0) {
        SDL_CloseAudioDevice(device);
        return fail(kQueueFailed,
                    QStringLiteral("音声を再生できません: %1").arg(QString::fromUtf8(SDL_GetError())));
    }
    SDL_PauseAudioDevice(device, 0);
    while (SDL_GetQueuedAudioSize(device) > 0)
        SDL_Delay(5);
    // The device still holds its last buffer: let it play out before closing.
    const int bytesPerFrame = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
    const int frameMs = spec.freq > 0 ? 1000 * spec.samples / spec.freq : 0;
    if (bytesPerFrame > 0)
        SDL_Delay(static_cast<Uint32>(frameMs + 10));
    SDL_CloseAudioDevice(device);
    return 0;
}
