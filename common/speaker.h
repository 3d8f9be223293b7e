// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The program's own voice, for children who cannot read yet: a teacher's
// choice. It says what screens give it once any feedback sound is over,
// never over one; a new sentence cuts the one before, so however often it
// is asked, at most the last sentence is said. Where a screen reader runs,
// the voice stays silent: the screen reader says the same sentences.
#include "common/speech/speechengine.h"

#include <QHash>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QWidget;

namespace brasti {

class Speaker final : public QObject {
    Q_OBJECT
public:
    using EngineMaker = std::function<std::unique_ptr<SpeechEngine>()>;
    // The engine is made when first needed; tests give a scripted one.
    explicit Speaker(EngineMaker makeEngine = makePlatformSpeechEngine,
                     std::function<bool()> screenReaderRuns = platformScreenReaderRuns, QObject* parent = nullptr);
    ~Speaker() override;

    void setLanguage(const QLocale& language);
    // The teacher's choice.
    void setOn(bool on);
    bool isOn() const { return on_; }
    // Whether the voice speaks now: asked for, and no screen reader runs.
    bool speaks() const;
    // Whether this computer has a voice for the language set, as far as
    // known yet.
    bool hasVoice();
    // When the voice is on, its engine starts now rather than with the
    // first sentence.
    void prepare();

    // Says the sentence on behalf of `owner`, now or once the feedback
    // sound playing is over; what was said or waiting before is cut off.
    void say(const QString& sentence, const QObject* owner);
    // A feedback sound started, lasting `length`: the voice is quiet until
    // it ends.
    void soundStarted(std::chrono::milliseconds length);
    // `owner` is going: nothing it asked for is said any more.
    void forget(const QObject* owner);

    // The control's caption is said whenever it gets the keyboard or the
    // pointer rests on it, for as long as the control lives.
    void sayWhenChosen(QWidget* control, const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SpeechEngine* engine();
    void sayWaiting();

    EngineMaker makeEngine_;
    std::function<bool()> screenReaderRuns_;
    std::unique_ptr<SpeechEngine> engine_;
    QLocale language_;
    bool on_ = false;
    bool hasVoice_ = false;
    // Ends when the feedback sound does.
    QTimer quiet_;
    QString waiting_;
    // Who asked for what is waiting or being said.
    const QObject* owner_ = nullptr;
    QHash<const QObject*, QString> captions_;
};

} // namespace brasti
