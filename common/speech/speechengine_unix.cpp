// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Linux: Qt's text to speech, over speech-dispatcher. Making Qt's engine
// takes seconds (it starts the daemon and asks it for every voice), so it
// lives on a thread of its own; the program only hands it sentences.
#include "common/speech/speechengine.h"

#include <QAccessible>
#include <QDeadlineTimer>
#include <QTextToSpeech>
#include <QThread>

#include <atomic>
#include <mutex>
#include <optional>
#include <utility>

namespace brasti {
namespace {

// Lives on the speech thread; the program's thread reaches it only through
// queued calls and the members guarded below.
class SpeechWorker final : public QObject {
public:
    void start()
    {
        speech_ = new QTextToSpeech(this);
        applyLanguage();
        sayLatest();
    }

    void setLanguage(const QLocale& language)
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            language_ = language;
        }
        QMetaObject::invokeMethod(this, &SpeechWorker::applyLanguage, Qt::QueuedConnection);
    }

    // Only the latest sentence asked for is said: a burst of them makes one
    // call. An empty one stops.
    void say(const QString& sentence)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        latest_ = sentence;
        if (!std::exchange(posted_, true))
            QMetaObject::invokeMethod(this, &SpeechWorker::sayLatest, Qt::QueuedConnection);
    }

    void stop() { say(QString()); }

    // -1 while not known yet, else whether there is a voice of the language.
    int voice() const { return voice_; }

private:
    void applyLanguage()
    {
        if (!speech_)
            return;
        QLocale language;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            language = language_;
        }
        // A voice of the language, of its own country where there is one.
        QLocale best(QLocale::C);
        for (const QLocale& offered : speech_->availableLocales()) {
            if (offered.language() != language.language())
                continue;
            if (best.language() == QLocale::C || offered.territory() == language.territory())
                best = offered;
        }
        voice_ = best.language() != QLocale::C ? 1 : 0;
        if (voice_ == 1)
            speech_->setLocale(best);
    }

    void sayLatest()
    {
        std::optional<QString> sentence;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            posted_ = false;
            sentence = std::exchange(latest_, std::nullopt);
        }
        if (!speech_ || !sentence)
            return;
        // say() would queue the sentence behind the one being said.
        speech_->stop();
        if (!sentence->isEmpty() && voice_ == 1)
            speech_->say(*sentence);
    }

    QTextToSpeech* speech_ = nullptr;
    std::atomic<int> voice_{-1};
    std::mutex mutex_;
    QLocale language_;
    // What to do next: a sentence to say, an empty one to stop, none for nothing new.
    std::optional<QString> latest_;
    bool posted_ = false;
};

class QtSpeechEngine final : public SpeechEngine {
public:
    QtSpeechEngine() : thread_(new QThread), worker_(new SpeechWorker)
    {
        thread_->setObjectName(QStringLiteral("speech"));
        worker_->moveToThread(thread_);
        QObject::connect(thread_, &QThread::started, worker_, &SpeechWorker::start);
    }

    ~QtSpeechEngine() override
    {
        if (!thread_->isRunning()) {
            delete worker_;
            delete thread_;
            return;
        }
        worker_->stop();
        // Deleted on its own thread as that thread ends.
        worker_->deleteLater();
        thread_->quit();
        // A thread still making Qt's engine (the daemon hung) is left to
        // end with the process rather than hold the program up.
        if (thread_->wait(QDeadlineTimer(2000)))
            delete thread_;
    }

    // Until the voices are known, one is taken to exist.
    bool setLanguage(const QLocale& language) override
    {
        if (language != language_) {
            language_ = language;
            worker_->setLanguage(language);
        }
        // Started once it knows the language it is to speak.
        if (!thread_->isRunning() && !thread_->isFinished())
            thread_->start(QThread::LowPriority);
        return worker_->voice() != 0;
    }

    void say(const QString& sentence) override { worker_->say(sentence); }
    void stop() override { worker_->stop(); }

private:
    QThread* thread_;
    SpeechWorker* worker_;
    QLocale language_{QLocale::C};
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
