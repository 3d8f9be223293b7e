// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The browser: the page's own speechSynthesis. The browser speaks on its
// own, so every call returns at once; a browser without it stays silent.
#include "common/speech/speechengine.h"

#include <emscripten.h>

namespace brasti {
namespace {

// clang-format off
EM_JS(void, brastiVoiceOpen, (), {
    if (Module.brastiVoice)
        return;
    const synth = globalThis.speechSynthesis;
    const voice = { synth: synth && globalThis.SpeechSynthesisUtterance ? synth : null, voices: [], lang: "" };
    Module.brastiVoice = voice;
    // Every sentence handed to the browser, the last few, for the page's tests.
    Module.brastiSpoken = [];
    if (!voice.synth)
        return;
    // Many browsers list their voices only later, and say so with an event.
    const list = () => {
        try {
            voice.voices = voice.synth.getVoices() || [];
        } catch (e) {
            voice.voices = [];
        }
    };
    voice.list = list;
    list();
    try {
        voice.synth.addEventListener("voiceschanged", list);
    } catch (e) {
    }
    // A voice of the language ("it", "en-GB"): of the same country where the
    // tag names one, else the browser's own choice among the language's,
    // else the first. Some browsers write "it_IT".
    voice.find = lang => {
        const tag = name => String(name || "").replace("_", "-").toLowerCase();
        const wanted = tag(lang);
        const primary = wanted.split("-")[0];
        const same = voice.voices.filter(v => tag(v.lang).split("-")[0] === primary);
        return same.find(v => tag(v.lang) === wanted) || same.find(v => v.default) || same[0] || null;
    };
});

// Whether the language can be spoken: while the browser has not listed its
// voices yet, it picks one by the utterance's language itself.
EM_JS(int, brastiVoiceLanguage, (const char* lang), {
    const voice = Module.brastiVoice;
    if (!voice || !voice.synth)
        return 0;
    voice.lang = UTF8ToString(lang);
    if (!voice.voices.length)
        voice.list();
    return !voice.voices.length || voice.find(voice.lang) ? 1 : 0;
});

EM_JS(void, brastiVoiceSay, (const char* sentence), {
    const voice = Module.brastiVoice;
    if (!voice || !voice.synth)
        return;
    // Before the child's first touch, click or key the browser refuses
    // (and says so in the console): nobody would hear it.
    if (globalThis.navigator && navigator.userActivation && !navigator.userActivation.hasBeenActive)
        return;
    const chosen = voice.find(voice.lang);
    // Voices listed, none of the language: another language's voice would
    // read the sentence wrongly, so none at all.
    if (voice.voices.length && !chosen)
        return;
    const text = UTF8ToString(sentence);
    try {
        voice.synth.cancel();
        const utterance = new SpeechSynthesisUtterance(text);
        utterance.lang = voice.lang;
        if (chosen)
            utterance.voice = chosen;
        // Held, or some browsers collect it before it ends.
        voice.current = utterance;
        voice.synth.speak(utterance);
        Module.brastiSpoken.push(text);
        if (Module.brastiSpoken.length > 20)
            Module.brastiSpoken.shift();
    } catch (e) {
    }
});

EM_JS(void, brastiVoiceStop, (), {
    const voice = Module.brastiVoice;
    if (!voice || !voice.synth)
        return;
    try {
        voice.synth.cancel();
    } catch (e) {
    }
});
// clang-format on

class WebSpeechEngine final : public SpeechEngine {
public:
    WebSpeechEngine() { brastiVoiceOpen(); }

    bool setLanguage(const QLocale& language) override
    {
        // "it", "en-GB": the browser's own tags.
        hasVoice_ = brastiVoiceLanguage(language.bcp47Name().toUtf8().constData()) != 0;
        return hasVoice_;
    }

    void say(const QString& sentence) override
    {
        if (hasVoice_)
            brastiVoiceSay(sentence.toUtf8().constData());
    }

    void stop() override { brastiVoiceStop(); }

private:
    bool hasVoice_ = false;
};

} // namespace

std::unique_ptr<SpeechEngine> makePlatformSpeechEngine()
{
    return std::make_unique<WebSpeechEngine>();
}

bool platformScreenReaderRuns()
{
    // A browser never tells a page that a screen reader listens.
    return false;
}

} // namespace brasti
