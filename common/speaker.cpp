// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/speaker.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace brasti {

Speaker::Speaker(EngineMaker makeEngine, std::function<bool()> screenReaderRuns, QObject* parent)
    : QObject(parent), makeEngine_(std::move(makeEngine)), screenReaderRuns_(std::move(screenReaderRuns))
{
    quiet_.setSingleShot(true);
    connect(&quiet_, &QTimer::timeout, this, &Speaker::sayWaiting);
}

Speaker::~Speaker()
{
    if (engine_)
        engine_->stop();
}

void Speaker::setLanguage(const QLocale& language)
{
    language_ = language;
    if (engine_)
        hasVoice_ = engine_->setLanguage(language_);
}

void Speaker::setOn(bool on)
{
    on_ = on;
    if (!on_) {
        quiet_.stop();
        waiting_.clear();
        owner_ = nullptr;
        if (engine_)
            engine_->stop();
    }
}

bool Speaker::speaks() const
{
    return on_ && !screenReaderRuns_();
}

bool Speaker::hasVoice()
{
    // An engine may learn its voices after it is made: asked again.
    if (SpeechEngine* e = engine())
        hasVoice_ = e->setLanguage(language_);
    return hasVoice_;
}

void Speaker::prepare()
{
    if (on_)
        engine();
}

SpeechEngine* Speaker::engine()
{
    if (!engine_ && makeEngine_) {
        engine_ = makeEngine_();
        if (engine_)
            hasVoice_ = engine_->setLanguage(language_);
    }
    return engine_.get();
}

void Speaker::say(const QString& sentence, const QObject* owner)
{
    if (!speaks() || sentence.isEmpty())
        return;
    waiting_ = sentence;
    owner_ = owner;
    if (!quiet_.isActive())
        sayWaiting();
}

void Speaker::sayWaiting()
{
    if (waiting_.isEmpty() || !speaks())
        return;
    if (SpeechEngine* e = engine(); e && hasVoice_)
        e->say(std::exchange(waiting_, {}));
    waiting_.clear();
}

void Speaker::soundStarted(std::chrono::milliseconds length)
{
    if (!on_ || length <= std::chrono::milliseconds::zero())
        return;
    // Never over the sound: a sentence being said stops.
    if (engine_)
        engine_->stop();
    quiet_.start(length);
}

void Speaker::forget(const QObject* owner)
{
    if (!owner || owner != owner_)
        return;
    waiting_.clear();
    owner_ = nullptr;
    if (engine_)
        engine_->stop();
}

void Speaker::sayWhenChosen(QWidget* control, const QString& caption)
{
    captions_.insert(control, caption.simplified());
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this, control] {
        captions_.remove(control);
        forget(control);
    });
}

bool Speaker::eventFilter(QObject* watched, QEvent* event)
{
    // A tool tip is asked for when the pointer has rested a moment.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::ToolTip)
        if (const auto caption = captions_.constFind(watched); caption != captions_.cend())
            say(*caption, watched);
    return QObject::eventFilter(watched, event);
}

} // namespace brasti
