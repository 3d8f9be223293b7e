// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Linux: Qt's text to speech, over speech-dispatcher. The daemon starts with
// the first sentence and answers over a socket, so nothing here waits for it.
#include "common/speech/speechengine.h"

#include <QAccessible>
#include <QTextToSpeech>

namespace brasti {
namespace {

class QtSpeechEngine final : public SpeechEngine {
public:
    bool setLanguage(const QLocale& language) override
    {
        // A voice of the language, of its own country where there is one.
        QLocale best(QLocale::C);
        for (const QLocale& offered : speech_.availableLocales()) {
            if (offered.language() != language.language())
                continue;
            if (best.language() == QLocale::C || offered.territory() == language.territory())
                best = offered;
        }
        hasVoice_ = best.language() != QLocale::C;
        if (hasVoice_)
            speech_.setLocale(best);
        return hasVoice_;
    }

    void say(const QString& sentence) override
    {
        if (!hasVoice_)
            return;
        // say() would queue the sentence behind the one being said.
        speech_.stop();
        speech_.say(sentence);
    }

    void stop() override { speech_.stop(); }

private:
    QTextToSpeech speech_;
    bool hasVoice_ = false;
};

} // namespace

std::unique_ptr<SpeechEngine> makePlatformSpeechEngine()
{
    return std::make_unique<QtSpeechEngine>();
}

bool platformScreenReaderRuns()
{
    // Qt's accessibility bridge wakes when the desktop says a screen reader
    // is on (Orca sets it).
    return QAccessible::isActive();
}

} // namespace brasti
