// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The sound module: plays the feedback sounds through the desktop's audio
// server from a thread of its own. Built as a shared object of its own and
// loaded once the program's first frame is out, so that neither the audio
// client libraries nor a connection to the server cost anything at start-up.
//
// The program's thread only ever stores a request and writes to an eventfd;
// everything that talks to the server happens here, with non-blocking
// sockets. A server that hangs or goes away therefore costs silence, never
// a wait.
#include "common/sound/soundmailbox.h"
#include "common/sound/soundmodule.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <new>
#include <sys/eventfd.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using namespace brasti::sound;

struct Sound {
    pa_sample_spec sample{};
    pa_channel_map map{};
    std::vector<unsigned char> pcm;
};

pa_sample_format_t sampleFormat(std::uint16_t bits)
{
    switch (bits) {
    case 8: return PA_SAMPLE_U8;
    case 16: return PA_SAMPLE_S16LE;
    case 24: return PA_SAMPLE_S24LE;
    case 32: return PA_SAMPLE_S32LE;
    default: return PA_SAMPLE_INVALID;
    }
}

class Player {
public:
    explicit Player(std::vector<Sound> sounds) : sounds_(std::move(sounds)) {}
    ~Player() { stop(); }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    bool start();
    void stop();

    // Any thread. Never waits.
    void request(int index)
    {
        mailbox_.post(index);
        wake();
    }

private:
    void wake()
    {
        const std::uint64_t one = 1;
        // The counter cannot overflow in practice; a failed write is harmless.
        [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
    }

    bool playable(int index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < sounds_.size()
               && !sounds_[static_cast<std::size_t>(index)].pcm.empty();
    }
    const Sound& sound(int index) const { return sounds_[static_cast<std::size_t>(index)]; }

    // Everything below runs on the audio thread.
    static void onWake(pa_mainloop_api*, pa_io_event*, int, pa_io_event_flags_t, void* self);
    void serve(int index, Clock::time_point at);
    void connect();
    static void onContextState(pa_context* context, void* self);
    void startStream();
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, std::size_t bytes, void* self);
    static void onDrained(pa_stream* stream, int success, void* self);
    void feed();
    void dropStream();
    void dropContext();
    bool contextUsable() const;

    std::vector<Sound> sounds_;
    pa_mainloop* loop_ = nullptr;
    int wakeFd_ = -1;
    pa_io_event* wakeEvent_ = nullptr;
    std::thread thread_;

    Mailbox mailbox_;

    pa_context* context_ = nullptr;
    Clock::time_point lastFailure_;
    bool failedBefore_ = false;
    // The one stream: being created, or playing. While it is being created
    // the server cannot yet be told to drop it, so newer answers only change
    // what it will play once it is ready.
    pa_stream* stream_ = nullptr;
    int streamSound_ = kNone;
    Clock::time_point streamAskedAt_;
    std::size_t fed_ = 0;
    // A sound waiting for the connection to the server.
    int waiting_ = kNone;
    Clock::time_point waitingAskedAt_;
};

bool Player::start()
{
    wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    loop_ = pa_mainloop_new();
    if (wakeFd_ < 0 || !loop_)
        return false;
    pa_mainloop_api* api = pa_mainloop_get_api(loop_);
    wakeEvent_ = api->io_new(api, wakeFd_, PA_IO_EVENT_INPUT, &Player::onWake, this);
    if (!wakeEvent_)
        return false;
    try {
        thread_ = std::thread([this] {
            pa_mainloop_run(loop_, nullptr);
            dropStream();
            dropContext();
        });
    } catch (const std::system_error&) {
        return false;
    }
    // Reach the server now, so the first answer finds the connection made.
    request(kNone);
    return true;
}

void Player::stop()
{
    if (thread_.joinable()) {
        mailbox_.postQuit();
        wake();
        thread_.join();
    }
    if (wakeEvent_) {
        pa_mainloop_api* api = pa_mainloop_get_api(loop_);
        api->io_free(wakeEvent_);
        wakeEvent_ = nullptr;
    }
    if (loop_) {
        pa_mainloop_free(loop_);
        loop_ = nullptr;
    }
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
        wakeFd_ = -1;
    }
}

void Player::onWake(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self)
{
    auto* player = static_cast<Player*>(self);
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(fd, &count, sizeof count);
    const Mailbox::Letter letter = player->mailbox_.take();
    if (letter.quit) {
        pa_mainloop_quit(player->loop_, 0);
        return;
    }
    if (letter.pending)
        player->serve(letter.index, letter.askedAt);
}

bool Player::contextUsable() const
{
    if (!context_)
        return false;
    const pa_context_state_t state = pa_context_get_state(context_);
    return state != PA_CONTEXT_FAILED && state != PA_CONTEXT_TERMINATED;
}

void Player::serve(int index, Clock::time_point at)
{
    // Whatever plays stops at once.
    if (stream_ && pa_stream_get_state(stream_) == PA_STREAM_READY)
        dropStream();
    if (stream_) {
        // Still being created: it plays the newest answer's sound once ready.
        streamSound_ = playable(index) ? index : kNone;
        streamAskedAt_ = at;
        return;
    }
    waiting_ = playable(index) ? index : kNone;
    waitingAskedAt_ = at;

    if (!contextUsable()) {
        dropContext();
        // Connecting is always tried once, at start; later only when the
        // last failure is long enough ago.
        if (failedBefore_ && Clock::now() - lastFailure_ < kRetryAfter) {
            waiting_ = kNone;
            return;
        }
        connect();
        return; // the sound starts when the connection is ready
    }
    if (pa_context_get_state(context_) == PA_CONTEXT_READY && waiting_ != kNone)
        startStream();
}

void Player::connect()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Brasti");
    context_ = pa_context_new_with_proplist(pa_mainloop_get_api(loop_), "Brasti", properties);
    pa_proplist_free(properties);
    if (!context_) {
        failedBefore_ = true;
        lastFailure_ = Clock::now();
        return;
    }
    pa_context_set_state_callback(context_, &Player::onContextState, this);
    // Never start a server of our own: no server means no sound.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        failedBefore_ = true;
        lastFailure_ = Clock::now();
    }
}

void Player::onContextState(pa_context* context, void* self)
{
    auto* player = static_cast<Player*>(self);
    if (context != player->context_)
        return;
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        if (player->waiting_ != kNone && !player->stream_)
            player->startStream();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // The connection is gone (or never came): streams go with it. The
        // context itself is let go at the next answer, outside this callback.
        player->failedBefore_ = true;
        player->lastFailure_ = Clock::now();
        player->waiting_ = kNone;
        break;
    default:
        break;
    }
}

void Player::startStream()
{
    const int index = std::exchange(waiting_, kNone);
    if (index == kNone || Clock::now() - waitingAskedAt_ > kStaleAfter)
        return;
    const Sound& s = sound(index);
    pa_stream* stream = pa_stream_new(context_, "feedback", &s.sample, &s.map);
    if (!stream)
        return;
    pa_stream_set_state_callback(stream, &Player::onStreamState, this);
    pa_stream_set_write_callback(stream, &Player::onWritable, this);
    if (pa_stream_connect_playback(stream, nullptr, nullptr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        return;
    }
    stream_ = stream;
    streamSound_ = index;
    streamAskedAt_ = waitingAskedAt_;
    fed_ = 0;
}

void Player::onStreamState(pa_stream* stream, void* self)
{
    auto* player = static_cast<Player*>(self);
    if (stream != player->stream_)
        return;
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY: {
        const int index = player->streamSound_;
        if (index == kNone || Clock::now() - player->streamAskedAt_ > kStaleAfter) {
            player->dropStream();
        } else if (!pa_sample_spec_equal(pa_stream_get_sample_spec(stream), &player->sound(index).sample)) {
            // The newest answer's sound needs a stream of another format.
            player->dropStream();
            player->waiting_ = index;
            player->waitingAskedAt_ = player->streamAskedAt_;
            player->startStream();
        } else {
            player->feed();
        }
        break;
    }
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        player->dropStream();
        break;
    default:
        break;
    }
}

void Player::onWritable(pa_stream* stream, std::size_t, void* self)
{
    auto* player = static_cast<Player*>(self);
    if (stream == player->stream_ && pa_stream_get_state(stream) == PA_STREAM_READY)
        player->feed();
}

void Player::feed()
{
    const std::vector<unsigned char>& pcm = sound(streamSound_).pcm;
    const std::size_t writable = pa_stream_writable_size(stream_);
    if (writable == static_cast<std::size_t>(-1))
        return;
    const std::size_t bytes = std::min(writable, pcm.size() - fed_);
    if (bytes > 0) {
        if (pa_stream_write(stream_, pcm.data() + fed_, bytes, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
            dropStream();
            return;
        }
        fed_ += bytes;
    }
    if (fed_ == pcm.size()) {
        // All written: play it out (also when shorter than the prebuffer)
        // and let the stream go when it has been heard.
        pa_stream_set_write_callback(stream_, nullptr, nullptr);
        if (pa_operation* drain = pa_stream_drain(stream_, &Player::onDrained, this))
            pa_operation_unref(drain);
    }
}

void Player::onDrained(pa_stream* stream, int, void* self)
{
    auto* player = static_cast<Player*>(self);
    if (stream == player->stream_)
        player->dropStream();
}

void Player::dropStream()
{
    if (!stream_)
        return;
    pa_stream* stream = std::exchange(stream_, nullptr);
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    // Dropping it from the server silences it at once.
    if (pa_stream_get_state(stream) == PA_STREAM_READY)
        pa_stream_disconnect(stream);
    pa_stream_unref(stream);
    streamSound_ = kNone;
}

void Player::dropContext()
{
    if (!context_)
        return;
    dropStream();
    pa_context* context = std::exchange(context_, nullptr);
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
}

void* openPlayer(const BrastiPcm* pcm, int count)
{
    if (!pcm || count < 0)
        return nullptr;
    std::vector<Sound> sounds(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const BrastiPcm& in = pcm[i];
        Sound& out = sounds[i];
        out.sample.format = sampleFormat(in.bits);
        out.sample.rate = in.rate;
        out.sample.channels = static_cast<std::uint8_t>(std::min<std::uint16_t>(in.channels, 255));
        if (!in.data || in.bytes == 0 || in.channels > PA_CHANNELS_MAX || !pa_sample_spec_valid(&out.sample)
            || in.bytes % pa_frame_size(&out.sample) != 0
            || !pa_channel_map_init_extend(&out.map, out.sample.channels, PA_CHANNEL_MAP_DEFAULT))
            continue; // stays without PCM: silent
        out.pcm.assign(in.data, in.data + in.bytes);
    }
    auto* player = new (std::nothrow) Player(std::move(sounds));
    if (player && !player->start()) {
        delete player;
        return nullptr;
    }
    return player;
}

void playSound(void* player, int index)
{
    if (player)
        static_cast<Player*>(player)->request(index);
}

void closePlayer(void* player)
{
    delete static_cast<Player*>(player);
}

} // namespace

extern "C" __attribute__((visibility("default"))) const BrastiSoundModule* brasti_sound_module(void)
{
    static const BrastiSoundModule module{brasti::kSoundModuleVersion, &openPlayer, &playSound, &closePlayer};
    return &module;
}
