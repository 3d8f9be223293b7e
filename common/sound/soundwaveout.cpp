// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The sound module on Windows: plays the feedback sounds through the system's
// wave output from a thread of its own, from memory. Built as a DLL of its
// own and loaded once the program's first frame is out, so the multimedia
// library costs nothing at start-up.
//
// The program's thread only ever stores a request and sets an event;
// everything that talks to the audio device happens on the module's thread.
// A device that is slow to open therefore costs silence, never a wait.
#include "common/sound/soundmailbox.h"
#include "common/sound/soundmodule.h"

#include <windows.h>
#include <mmreg.h>
#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <new>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {

using namespace brasti::sound;

// KSDATAFORMAT_SUBTYPE_PCM, spelled out so that no GUID library is linked.
constexpr GUID kSubtypePcm = {0x00000001, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct Sound {
    WAVEFORMATEXTENSIBLE format{};
    std::vector<unsigned char> pcm;
};

// The plain format for what every device knows (8 or 16 bits, mono or
// stereo); the extensible one for deeper samples and more channels.
WAVEFORMATEXTENSIBLE waveFormat(const BrastiPcm& in)
{
    WAVEFORMATEXTENSIBLE f{};
    const bool plain = (in.bits == 8 || in.bits == 16) && in.channels <= 2;
    f.Format.wFormatTag = plain ? WAVE_FORMAT_PCM : WAVE_FORMAT_EXTENSIBLE;
    f.Format.nChannels = in.channels;
    f.Format.nSamplesPerSec = in.rate;
    f.Format.wBitsPerSample = in.bits;
    f.Format.nBlockAlign = static_cast<WORD>(in.channels * in.bits / 8);
    f.Format.nAvgBytesPerSec = in.rate * f.Format.nBlockAlign;
    if (!plain) {
        f.Format.cbSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
        f.Samples.wValidBitsPerSample = in.bits;
        f.dwChannelMask = 0; // the device's own order
        f.SubFormat = kSubtypePcm;
    }
    return f;
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
        ::SetEvent(wake_);
    }

private:
    bool playable(int index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < sounds_.size()
               && !sounds_[static_cast<std::size_t>(index)].pcm.empty();
    }

    // Everything below runs on the audio thread.
    void run();
    void serve(int index, Clock::time_point at);
    void dropDevice();

    std::vector<Sound> sounds_;
    HANDLE wake_ = nullptr;
    // Set by the device when it opens, closes or has played a buffer.
    HANDLE deviceEvent_ = nullptr;
    std::thread thread_;

    Mailbox mailbox_;

    // The device is open only while a sound plays: an idle program holds
    // no audio stream.
    HWAVEOUT device_ = nullptr;
    WAVEHDR header_{};
    bool prepared_ = false;
    Clock::time_point lastFailure_;
    bool failedBefore_ = false;
};

bool Player::start()
{
    wake_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    deviceEvent_ = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!wake_ || !deviceEvent_)
        return false;
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void Player::stop()
{
    if (thread_.joinable()) {
        mailbox_.postQuit();
        ::SetEvent(wake_);
        thread_.join();
    }
    for (HANDLE* event : {&wake_, &deviceEvent_}) {
        if (*event)
            ::CloseHandle(std::exchange(*event, nullptr));
    }
}

void Player::run()
{
    const HANDLE events[] = {wake_, deviceEvent_};
    for (;;) {
        const DWORD woken = ::WaitForMultipleObjects(2, events, FALSE, INFINITE);
        if (woken == WAIT_OBJECT_0 + 1) {
            // Played to the end: the device goes until the next answer.
            if (prepared_ && (header_.dwFlags & WHDR_DONE))
                dropDevice();
            continue;
        }
        if (woken != WAIT_OBJECT_0)
            break; // the events are gone: nothing can be waited for any more
        const Mailbox::Letter letter = mailbox_.take();
        if (letter.quit)
            break;
        if (letter.pending)
            serve(letter.index, letter.askedAt);
    }
    dropDevice();
}

void Player::serve(int index, Clock::time_point at)
{
    // Whatever plays stops at once.
    dropDevice();
    if (!playable(index) || Clock::now() - at > kStaleAfter)
        return;
    if (failedBefore_ && Clock::now() - lastFailure_ < kRetryAfter)
        return;
    const Sound& sound = sounds_[static_cast<std::size_t>(index)];
    // The wave mapper converts to whatever the default device takes.
    const MMRESULT opened =
        ::waveOutOpen(&device_, WAVE_MAPPER, reinterpret_cast<const WAVEFORMATEX*>(&sound.format),
                      reinterpret_cast<DWORD_PTR>(deviceEvent_), 0, CALLBACK_EVENT);
    if (opened != MMSYSERR_NOERROR) {
        device_ = nullptr;
        failedBefore_ = true;
        lastFailure_ = Clock::now();
        return;
    }
    failedBefore_ = false;
    header_ = WAVEHDR{};
    header_.lpData = reinterpret_cast<LPSTR>(const_cast<unsigned char*>(sound.pcm.data()));
    header_.dwBufferLength = static_cast<DWORD>(sound.pcm.size());
    prepared_ = ::waveOutPrepareHeader(device_, &header_, sizeof header_) == MMSYSERR_NOERROR;
    if (!prepared_ || ::waveOutWrite(device_, &header_, sizeof header_) != MMSYSERR_NOERROR)
        dropDevice();
}

void Player::dropDevice()
{
    if (!device_)
        return;
    // Reset silences the device at once and hands the buffer back.
    ::waveOutReset(device_);
    if (prepared_)
        ::waveOutUnprepareHeader(device_, &header_, sizeof header_);
    prepared_ = false;
    ::waveOutClose(std::exchange(device_, nullptr));
    // What the device signalled on the way out is no news.
    ::ResetEvent(deviceEvent_);
}

void* openPlayer(const BrastiPcm* pcm, int count)
{
    if (!pcm || count < 0)
        return nullptr;
    std::vector<Sound> sounds(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        const BrastiPcm& in = pcm[i];
        const bool knownBits = in.bits == 8 || in.bits == 16 || in.bits == 24 || in.bits == 32;
        const std::size_t frame = static_cast<std::size_t>(in.channels) * in.bits / 8;
        // One buffer holds the whole sound: its length must fit the device's counter.
        if (!in.data || in.bytes == 0 || !knownBits || in.channels == 0 || in.channels > 8 || in.rate < 1000
            || in.rate > 192000 || in.bytes % frame != 0 || in.bytes > 0x7fffffffu)
            continue; // stays without PCM: silent
        sounds[i].format = waveFormat(in);
        sounds[i].pcm.assign(in.data, in.data + in.bytes);
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

extern "C" __declspec(dllexport) const BrastiSoundModule* brasti_sound_module(void)
{
    static const BrastiSoundModule module{brasti::kSoundModuleVersion, &openPlayer, &playSound, &closePlayer};
    return &module;
}
