// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The browser's player: the page's Web Audio. The five files lie in suoni/
// beside the page, where a school can replace them as on the desktop; they
// are fetched and decoded once, after the first frame. A browser lets sound
// start only after a gesture, so the first click, touch or key unlocks it;
// a sound asked for before then plays nothing.
#include "common/sound/sound.h"

#include <emscripten.h>

namespace brasti {
namespace {

// clang-format off
EM_JS(void, brastiAudioOpen, (), {
    const Context = globalThis.AudioContext || globalThis.webkitAudioContext;
    if (!Context || Module.brastiAudio)
        return;
    // The files are fetched now; the context is made, and the sounds
    // decoded, on the first gesture, as browsers allow no sooner.
    const audio = { context: null, bytes: [], buffers: [], playing: null, started: 0 };
    Module.brastiAudio = audio;
    const decode = index => {
        const bytes = audio.bytes[index];
        if (!audio.context || !bytes)
            return;
        audio.bytes[index] = null;
        new Promise((resolve, reject) => audio.context.decodeAudioData(bytes, resolve, reject))
            .then(buffer => { audio.buffers[index] = buffer; })
            .catch(() => {});
    };
    audio.decode = decode;
    const unlock = () => {
        // Only an event that counts as the user's own may start sound.
        if (globalThis.navigator && navigator.userActivation && !navigator.userActivation.isActive)
            return;
        try {
            if (!audio.context) {
                audio.context = new Context();
                audio.bytes.forEach((bytes, index) => decode(index));
            }
            if (audio.context.state !== "running")
                audio.context.resume().catch(() => {});
        } catch (e) {
        }
    };
    for (const type of ["pointerdown", "mousedown", "keydown", "pointerup", "touchend", "click"])
        globalThis.addEventListener(type, unlock, { capture: true, passive: true });
});

EM_JS(void, brastiAudioFetch, (int index, const char* address), {
    const audio = Module.brastiAudio;
    if (!audio)
        return;
    // A file missing, damaged or not a sound leaves that one silent.
    fetch(UTF8ToString(address))
        .then(response => response.ok ? response.arrayBuffer() : Promise.reject(response.status))
        .then(bytes => {
            audio.bytes[index] = bytes;
            audio.decode(index);
        })
        .catch(() => {});
});

EM_JS(void, brastiAudioPlay, (int index), {
    const audio = Module.brastiAudio;
    if (!audio || !audio.context)
        return;
    if (audio.playing) {
        try { audio.playing.stop(); } catch (e) {}
        audio.playing = null;
    }
    const buffer = audio.buffers[index];
    if (!buffer || audio.context.state !== "running")
        return;
    const source = audio.context.createBufferSource();
    source.buffer = buffer;
    source.connect(audio.context.destination);
    source.onended = () => { if (audio.playing === source) audio.playing = null; };
    source.start();
    audio.playing = source;
    // When the last sound began, for the bench.
    audio.started = performance.now();
});

// How long the sound plays, in ms: zero until it is decoded, and while the
// browser lets nothing play, as play() then plays nothing.
EM_JS(int, brastiAudioLength, (int index), {
    const audio = Module.brastiAudio;
    const buffer = audio && audio.context && audio.context.state === "running" && audio.buffers[index];
    return buffer ? Math.ceil(buffer.duration * 1000) : 0;
});
// clang-format on

class WebSoundPlayer final : public PlatformSoundPlayer {
public:
    void play(Sound sound) override
    {
        if (opened_)
            brastiAudioPlay(static_cast<int>(sound));
    }

    std::chrono::milliseconds length(Sound sound) const override
    {
        return std::chrono::milliseconds(opened_ ? brastiAudioLength(static_cast<int>(sound)) : 0);
    }

protected:
    void loadWithoutWaiting() override
    {
        if (opened_)
            return;
        opened_ = true;
        brastiAudioOpen();
        const QString folder = findSoundFolder();
        for (Sound sound : {Sound::Right1, Sound::Right2, Sound::Right3, Sound::Right4, Sound::Wrong})
            brastiAudioFetch(static_cast<int>(sound),
                             (folder + QLatin1Char('/') + soundFileName(sound)).toUtf8().constData());
    }
    bool loadingStarted() const override { return opened_; }

private:
    bool opened_ = false;
};

} // namespace

std::unique_ptr<PlatformSoundPlayer> makePlatformSoundPlayer()
{
    return std::make_unique<WebSoundPlayer>();
}

// Relative to the page.
QString findSoundFolder()
{
    return QStringLiteral("suoni");
}

QString findSoundModule()
{
    return {};
}

} // namespace brasti
