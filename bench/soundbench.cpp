// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "bench/soundbench.h"

#include "app/catalogue.h"
#include "app/shell.h"
#include "bench/paintspy.h"
#include "bench/procutil.h"
#include "common/appcontext.h"
#include "common/random.h"
#include "common/services.h"
#include "common/sound/systemsound.h"
#include "common/speaker.h"
#include "exercises/ordering/orderingscreen.h"
#include "harness/harness.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/subscribe.h>
#include <pulse/thread-mainloop.h>

#include <QAction>
#include <QMenuBar>

#include <algorithm>
#include <cstdint>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

namespace bench {
namespace {

double msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// A PulseAudio server of the benchmark's own, in a folder of its own, with a
// null sink: real playback streams, no speakers, nobody else's server touched.
class PrivateServer {
public:
    PrivateServer()
    {
        char folder[] = "/tmp/brasti-bench-audio-XXXXXX";
        if (!mkdtemp(folder))
            throw std::runtime_error("no folder for the audio server");
        dir_ = folder;
        server_ = std::make_unique<Child>(
            std::vector<std::string>{"env", "XDG_RUNTIME_DIR=" + dir_, "PULSE_RUNTIME_PATH=" + dir_ + "/pulse",
                                     "HOME=" + dir_, "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                                     "-L", "module-null-sink", "-L", "module-native-protocol-unix auth-anonymous=1"},
            STDERR_FILENO);
    }
    ~PrivateServer()
    {
        // The voice's daemon, started in this folder, outlives its clients.
        std::ifstream pidFile(dir_ + "/speech-dispatcher/pid/speech-dispatcher.pid");
        if (pid_t daemon = 0; pidFile >> daemon && daemon > 0)
            ::kill(daemon, SIGTERM);
        server_->kill(SIGTERM);
        server_->wait();
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string address() const { return "unix:" + dir_ + "/pulse/native"; }
    std::string folder() const { return dir_; }

private:
    std::string dir_;
    std::unique_ptr<Child> server_;
};

// Watches the server for new clients and new playback streams, noting when
// each was reported.
class ServerWatch {
public:
    explicit ServerWatch(const std::string& address)
    {
        loop_ = pa_threaded_mainloop_new();
        pa_threaded_mainloop_start(loop_);
        // The server takes a moment to come up.
        const Clock::time_point deadline = Clock::now() + 20s;
        while (!connect(address)) {
            if (Clock::now() > deadline)
                throw std::runtime_error("the private audio server did not come up");
            std::this_thread::sleep_for(20ms);
        }
    }
    ~ServerWatch()
    {
        pa_threaded_mainloop_stop(loop_);
        if (record_) {
            pa_stream_disconnect(record_);
            pa_stream_unref(record_);
        }
        if (context_) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        pa_threaded_mainloop_free(loop_);
    }

    void forget()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        streams_.clear();
        clients_.clear();
    }
    // When the first new stream (or client) after `after` was reported.
    std::optional<Clock::time_point> newStream(Clock::time_point after, std::chrono::milliseconds limit)
    {
        return first(streams_, after, limit);
    }
    std::optional<Clock::time_point> newClient(Clock::time_point after, std::chrono::milliseconds limit)
    {
        return first(clients_, after, limit);
    }
    // When the sink first played something loud after `after` following a
    // moment of silence (so that the tail of a sound is not taken for what
    // comes after it).
    std::optional<Clock::time_point> soundAfterSilence(Clock::time_point after, std::chrono::milliseconds limit)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        std::optional<Clock::time_point> found;
        seen_.wait_for(lock, limit, [&] {
            bool silent = false;
            for (const auto& [when, loud] : chunks_) {
                if (when < after)
                    continue;
                if (loud && silent) {
                    found = when;
                    return true;
                }
                silent = silent || !loud;
            }
            return false;
        });
        return found;
    }
    // Waits until the sink has played nothing loud for `span`.
    bool silentFor(std::chrono::milliseconds span, std::chrono::milliseconds limit)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        return seen_.wait_for(lock, limit, [&] {
            const auto lastLoud = std::find_if(chunks_.rbegin(), chunks_.rend(), [](const auto& c) { return c.second; });
            return !chunks_.empty() && (lastLoud == chunks_.rend() || chunks_.back().first - lastLoud->first >= span);
        });
    }
    std::string chunkSummary()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto loud = std::count_if(chunks_.begin(), chunks_.end(), [](const auto& c) { return c.second; });
        return std::to_string(chunks_.size()) + " chunks heard, " + std::to_string(loud) + " loud";
    }
    // Starts listening to what the null sink plays, in chunks of 5 ms.
    void listen()
    {
        pa_threaded_mainloop_lock(loop_);
        const pa_sample_spec format{PA_SAMPLE_S16LE, 22050, 1};
        record_ = pa_stream_new(context_, "brasti-bench-monitor", &format, nullptr);
        pa_buffer_attr attr{};
        attr.maxlength = std::uint32_t(-1);
        attr.fragsize = 220; // 110 samples, 5 ms
        pa_stream_set_read_callback(record_, &ServerWatch::onSamples, this);
        pa_stream_connect_record(record_, "null.monitor", &attr, PA_STREAM_ADJUST_LATENCY);
        pa_threaded_mainloop_unlock(loop_);
    }

private:
    bool connect(const std::string& address)
    {
        pa_threaded_mainloop_lock(loop_);
        pa_context* context = pa_context_new(pa_threaded_mainloop_get_api(loop_), "brasti-bench");
        pa_context_set_state_callback(
            context, [](pa_context*, void* loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0); },
            loop_);
        pa_context_state_t state = PA_CONTEXT_FAILED;
        if (pa_context_connect(context, address.c_str(), PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
            while ((state = pa_context_get_state(context)) != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(state))
                pa_threaded_mainloop_wait(loop_);
        }
        if (state != PA_CONTEXT_READY) {
            pa_context_set_state_callback(context, nullptr, nullptr);
            pa_context_disconnect(context);
            pa_context_unref(context);
            pa_threaded_mainloop_unlock(loop_);
            return false;
        }
        context_ = context;
        pa_context_set_subscribe_callback(context_, &ServerWatch::onEvent, this);
        bool done = false;
        struct Wait {
            pa_threaded_mainloop* loop;
            bool* done;
        } wait{loop_, &done};
        pa_operation* op = pa_context_subscribe(
            context_, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SINK_INPUT | PA_SUBSCRIPTION_MASK_CLIENT),
            [](pa_context*, int, void* w) {
                auto* waiting = static_cast<Wait*>(w);
                *waiting->done = true;
                pa_threaded_mainloop_signal(waiting->loop, 0);
            },
            &wait);
        while (op && !done)
            pa_threaded_mainloop_wait(loop_);
        if (op)
            pa_operation_unref(op);
        pa_threaded_mainloop_unlock(loop_);
        return true;
    }

    static void onSamples(pa_stream* stream, size_t, void* self)
    {
        const Clock::time_point now = Clock::now();
        auto* watch = static_cast<ServerWatch*>(self);
        const void* data = nullptr;
        size_t bytes = 0;
        while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0) {
            bool loud = false;
            const auto* samples = static_cast<const std::int16_t*>(data);
            for (size_t i = 0; data && i < bytes / 2; ++i)
                loud = loud || samples[i] > 1000 || samples[i] < -1000;
            if (bytes > 0)
                pa_stream_drop(stream);
            if (bytes == 0)
                break;
            const std::lock_guard<std::mutex> lock(watch->mutex_);
            watch->chunks_.emplace_back(now, loud);
        }
        watch->seen_.notify_all();
    }

    static void onEvent(pa_context*, pa_subscription_event_type_t type, uint32_t, void* self)
    {
        const Clock::time_point now = Clock::now();
        if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) != PA_SUBSCRIPTION_EVENT_NEW)
            return;
        auto* watch = static_cast<ServerWatch*>(self);
        const auto facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
        {
            const std::lock_guard<std::mutex> lock(watch->mutex_);
            if (facility == PA_SUBSCRIPTION_EVENT_SINK_INPUT)
                watch->streams_.push_back(now);
            else if (facility == PA_SUBSCRIPTION_EVENT_CLIENT)
                watch->clients_.push_back(now);
        }
        watch->seen_.notify_all();
    }

    std::optional<Clock::time_point> first(const std::vector<Clock::time_point>& list, Clock::time_point after,
                                           std::chrono::milliseconds limit)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        std::optional<Clock::time_point> found;
        seen_.wait_for(lock, limit, [&] {
            const auto it = std::find_if(list.begin(), list.end(), [&](Clock::time_point t) { return t >= after; });
            if (it != list.end())
                found = *it;
            return found.has_value();
        });
        return found;
    }

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    std::mutex mutex_;
    std::condition_variable seen_;
    std::vector<Clock::time_point> streams_;
    std::vector<Clock::time_point> clients_;
    pa_stream* record_ = nullptr;
    // Each chunk the sink played, when it came and whether it was loud.
    std::vector<std::pair<Clock::time_point, bool>> chunks_;
};

QPoint centreIn(QWidget* widget, QWidget* window)
{
    return widget->mapTo(window, widget->rect().center());
}

} // namespace

int runSound(char* argv0, int verdicts)
{
    PrivateServer server;
    ServerWatch watch(server.address());
    // The program's own player reaches the private server, and only that.
    setenv("PULSE_SERVER", server.address().c_str(), 1);
    // And the voice's daemon is one of its own, in the server's folder.
    setenv("XDG_RUNTIME_DIR", server.folder().c_str(), 1);

    int argc = 1;
    char* args[] = {argv0, nullptr};
    QApplication app(argc, args);
    brasti::ClockRandom random;
    brasti::SystemSoundPlayer sound(brasti::findSoundFolder(), brasti::findSoundModule());
    harness::ScriptedDialogs dialogs;
    brasti::AppContext context;
    context.random = &random;
    context.sound = &sound;
    context.dialogs = &dialogs;
    // Silent until the voice rows; it outlives the screens that speak through it.
    brasti::Speaker speaker;
    brasti::Shell shell(context);
    shell.setQuitAction([] {});
    PaintSpy spy;
    const auto switchTo = [&](const std::function<void()>& move) {
        spy.switchAndWait(move, [&shell]() -> QWidget* { return shell.current(); });
    };

    // As the program starts: the player loads once the start screen is out,
    // and has reached the server before the first answer.
    const Clock::time_point shown = Clock::now();
    switchTo([&] {
        shell.showStart();
        sound.loadAfterFirstPaint(shell.current());
    });
    const Clock::time_point limit = Clock::now() + 10s;
    while (!sound.isLoaded() && Clock::now() < limit)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (!sound.isLoaded() || sound.soundsRead() != 5)
        throw std::runtime_error("the sound module or the sounds were not found beside " + std::string(argv0));
    if (!watch.newClient(shown, 10s))
        throw std::runtime_error("the sound player did not reach the audio server");

    const int n = 1;
    switchTo([&] { shell.openExercise(n); });
    auto* screen = qobject_cast<brasti::OrderingScreen*>(shell.current());
    std::vector<double> first, later;
    for (int i = 0; i < verdicts; ++i) {
        // Alternately wrong and right: both sounds are heard.
        const bool right = i % 2 == 1;
        std::vector<int> rods = screen->drawnRods();
        std::sort(rods.begin(), rods.end());
        if (!right)
            std::reverse(rods.begin(), rods.end());
        for (std::size_t r = 0; r < rods.size(); ++r)
            harness::dragRodOnto(screen->rod(rods[r]), screen->slot(static_cast<int>(r) + 1));
        QCoreApplication::processEvents();

        QPushButton* conferma = screen->confermaButton();
        const QPoint at = centreIn(conferma, screen);
        QTest::mousePress(screen->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        QCoreApplication::processEvents();
        watch.forget();
        const Clock::time_point t0 = Clock::now();
        QTest::mouseRelease(screen->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        const std::optional<Clock::time_point> heard = watch.newStream(t0, 2s);
        if (!heard)
            throw std::runtime_error("no playback stream reached the server after Conferma");
        (i == 0 ? first : later).push_back(msBetween(t0, *heard));

        harness::clickThroughWindow(right ? static_cast<QWidget*>(screen->avantiButton()) : screen->ricominciaButton());
        // Some of the sounds end before the next answer, some are cut off.
        QTest::qWait(i % 3 == 0 ? 900 : 100);
    }
    report("sound.first", first);
    report("sound.later", later);

#if defined(__SANITIZE_ADDRESS__)
    // In the instrumented build Qt's speech engine never finishes starting
    // (as the sound test finds): there is no voice to time.
    return 0;
#endif
    // The voice, with speech-dispatcher of its own in the server's folder:
    // from a problem painted, and from the end of a feedback sound, to the
    // first speech at the sink.
    speaker.setLanguage(QLocale(QLocale::Italian, QLocale::Italy));
    speaker.setOn(true);
    if (!speaker.hasVoice())
        throw std::runtime_error("no Italian voice for the voice rows (speech-dispatcher-espeak-ng)");
    context.speaker = &speaker;
    watch.listen();
    // A screen made now, which speaks.
    switchTo([&] { shell.openExercise(n); });
    screen = qobject_cast<brasti::OrderingScreen*>(shell.current());
    std::vector<double> problem, afterSound;
    QAction* azzera = screen->menuBar()->findChild<QAction*>(QStringLiteral("MenuAzzera"));
    const auto quiet = [&] {
        speaker.setOn(false);
        speaker.setOn(true);
        if (!watch.silentFor(300ms, 10s))
            throw std::runtime_error("the voice did not stop");
    };
    // As the program does after its first frame: the engine is started, and
    // ready, before the first problem.
    const Clock::time_point warming = Clock::now();
    speaker.say(QStringLiteral("pronti"), nullptr);
    if (!watch.soundAfterSilence(warming, 60s))
        throw std::runtime_error("the voice never spoke");
    for (int i = 0; i < verdicts; ++i) {
        quiet();
        const Clock::time_point t0 = Clock::now();
        azzera->trigger(); // a new problem
        QCoreApplication::processEvents();
        const auto heard = watch.soundAfterSilence(t0, 5s);
        if (!heard)
            throw std::runtime_error("the voice did not say a new problem (" + watch.chunkSummary() + ")");
        problem.push_back(msBetween(t0, *heard));

        quiet();
        const Clock::time_point played = Clock::now();
        brasti::PlayWrongSound(context);
        screen->repeatProblem(); // asked for at once, said after the sound
        QCoreApplication::processEvents();
        const Clock::time_point ended = played + sound.length(brasti::Sound::Wrong);
        while (Clock::now() < ended + 50ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const auto spoken = watch.soundAfterSilence(ended, 5s);
        if (!spoken)
            throw std::runtime_error("the voice did not speak after a feedback sound");
        afterSound.push_back(msBetween(ended, *spoken));
    }
    report("voice.problem", problem);
    report("voice.after_sound", afterSound);
    return 0;
}

} // namespace bench
