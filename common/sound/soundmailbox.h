// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What a sound module's callers leave for its audio thread: the newest
// sound asked for and when, or that the thread must end. A request not yet
// served is replaced by a newer one, so the thread plays only the latest
// answer's sound. Each module wakes its thread in its own way after posting.
#include <chrono>
#include <mutex>
#include <utility>

namespace brasti::sound {

using Clock = std::chrono::steady_clock;

// A sound that cannot start within this time of its answer is dropped:
// feedback that comes late belongs to some other answer.
inline constexpr auto kStaleAfter = std::chrono::milliseconds(1000);
// After a failed attempt to reach the audio system, answers within this
// time stay silent instead of trying again: every attempt would be wasted.
inline constexpr auto kRetryAfter = std::chrono::milliseconds(1000);

inline constexpr int kNone = -1;

class Mailbox {
public:
    struct Letter {
        bool quit = false;
        bool pending = false;
        int index = kNone;
        Clock::time_point askedAt;
    };

    // Any thread. Never waits: the lock only guards a few stores.
    void post(int index)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        letter_.index = index;
        letter_.askedAt = Clock::now();
        letter_.pending = true;
    }
    void postQuit()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        letter_.quit = true;
    }
    // The audio thread, once woken: what is asked for, once.
    Letter take()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        Letter taken = letter_;
        letter_.pending = false;
        return taken;
    }

private:
    std::mutex mutex_;
    Letter letter_;
};

} // namespace brasti::sound
