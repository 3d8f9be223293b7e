// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The platform's own voice, for children who cannot read yet: Qt's text to
// speech on Linux, the system's voices on Windows, the page's speech in a
// browser (speechengine_unix.cpp, speechengine_windows.cpp,
// speechengine_web.cpp). Every call returns at once; an engine that is
// missing, hangs or dies says nothing and holds nothing up.
#include <QLocale>
#include <QString>

#include <memory>

namespace brasti {

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Takes a voice of this language; false where there is none, and then
    // says nothing until a language with a voice is set.
    virtual bool setLanguage(const QLocale& language) = 0;
    // Says the sentence, cutting off the one still being said.
    virtual void say(const QString& sentence) = 0;
    // Stops whatever is being said, at once.
    virtual void stop() = 0;
};

// This platform's engine. Made when first needed, so that nothing of the
// speech stack adds to start-up.
std::unique_ptr<SpeechEngine> makePlatformSpeechEngine();

// Whether the platform tells that a screen reader is running; a browser
// never tells a page.
bool platformScreenReaderRuns();

} // namespace brasti
