// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Windows: the system's own voices through SAPI. A sentence is handed to
// the voice's own thread (SPF_ASYNC), so nothing here waits for the sound;
// a system without SAPI or without a voice of the language stays silent.
#include "common/speech/speechengine.h"

#include <QAccessible>

#include <windows.h>

#include <sapi.h>
#include <wrl/client.h>

#include <string>

namespace brasti {
namespace {

using Microsoft::WRL::ComPtr;

// The languages a voice token says it speaks: its attribute "Language",
// LCIDs in hex parted by semicolons ("410", "409;9").
std::wstring tokenLanguages(ISpObjectToken* token)
{
    ComPtr<ISpDataKey> attributes;
    if (FAILED(token->OpenKey(L"Attributes", &attributes)))
        return {};
    LPWSTR value = nullptr;
    if (FAILED(attributes->GetStringValue(L"Language", &value)) || !value)
        return {};
    std::wstring languages(value);
    CoTaskMemFree(value);
    return languages;
}

// How well a token's languages fit the LCID wanted: 2 the same language of
// the same country, 1 the same language elsewhere (English of Britain for
// English of the United States), 0 another.
int languageFit(const std::wstring& languages, LCID wanted)
{
    int best = 0;
    const QStringList parts = QString::fromStdWString(languages).split(u';', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const uint lcid = part.trimmed().toUInt(&ok, 16);
        if (!ok)
            continue;
        if (lcid == wanted)
            return 2;
        if (PRIMARYLANGID(LANGIDFROMLCID(lcid)) == PRIMARYLANGID(LANGIDFROMLCID(wanted)))
            best = 1;
    }
    return best;
}

class SapiSpeechEngine final : public SpeechEngine {
public:
    SapiSpeechEngine()
    {
        // Qt has the GUI thread in a single-threaded apartment already
        // (OleInitialize, for drag and drop) under its Windows platform:
        // then this returns S_FALSE and only counts. Another mode
        // (RPC_E_CHANGED_MODE) still lets SAPI's objects be made, but is not
        // this engine's to undo.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ownsCom_ = SUCCEEDED(com);
        if (!ownsCom_ && com != RPC_E_CHANGED_MODE)
            return;
        if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&voice_))))
            voice_.Reset();
    }

    ~SapiSpeechEngine() override
    {
        if (voice_)
            voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        voice_.Reset();
        if (ownsCom_)
            CoUninitialize();
    }

    bool setLanguage(const QLocale& language) override
    {
        hasVoice_ = false;
        if (!voice_)
            return false;
        const QString name = language.name().replace(u'_', u'-');
        const LCID wanted = LocaleNameToLCID(reinterpret_cast<LPCWSTR>(name.utf16()), 0);
        if (wanted == 0)
            return false;
        ComPtr<ISpObjectToken> voice = bestVoice(wanted);
        hasVoice_ = voice && SUCCEEDED(voice_->SetVoice(voice.Get()));
        return hasVoice_;
    }

    void say(const QString& sentence) override
    {
        if (!hasVoice_)
            return;
        // A failing Speak leaves the child without the sentence, no more.
        voice_->Speak(reinterpret_cast<LPCWSTR>(sentence.utf16()),
                      SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
    }

    void stop() override
    {
        if (voice_)
            voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
    }

private:
    // The installed voice that fits the language best: of the same country
    // where there is one, else the first of the same language.
    static ComPtr<ISpObjectToken> bestVoice(LCID wanted)
    {
        ComPtr<ISpObjectTokenCategory> category;
        ComPtr<IEnumSpObjectTokens> tokens;
        if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&category)))
            || FAILED(category->SetId(SPCAT_VOICES, FALSE)) || FAILED(category->EnumTokens(nullptr, nullptr, &tokens)))
            return {};
        ComPtr<ISpObjectToken> best;
        int bestFit = 0;
        ComPtr<ISpObjectToken> token;
        while (tokens->Next(1, token.ReleaseAndGetAddressOf(), nullptr) == S_OK) {
            const int fit = languageFit(tokenLanguages(token.Get()), wanted);
            if (fit > bestFit) {
                best = token;
                bestFit = fit;
            }
            if (bestFit == 2)
                break;
        }
        return best;
    }

    ComPtr<ISpVoice> voice_;
    bool ownsCom_ = false;
    bool hasVoice_ = false;
};

} // namespace

std::unique_ptr<SpeechEngine> makePlatformSpeechEngine()
{
    return std::make_unique<SapiSpeechEngine>();
}

bool platformScreenReaderRuns()
{
    // NVDA, JAWS and Narrator set the system's flag; Qt's bridge wakes when
    // an assistive tool asks for the program's controls.
    BOOL screenReader = FALSE;
    if (SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) && screenReader)
        return true;
    return QAccessible::isActive();
}

} // namespace brasti
