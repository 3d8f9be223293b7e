// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What the program and its sound module (a shared object loaded at run time,
// once the first frame is out) hand each other. Plain C types, so that the
// program itself never links the audio libraries the module brings in.
#include <cstddef>
#include <cstdint>

extern "C" {

// One sound: interleaved little-endian integer PCM, whole frames.
struct BrastiPcm {
    std::uint32_t rate;
    std::uint16_t channels;
    std::uint16_t bits; // 8 (unsigned), 16, 24 or 32 (signed)
    const unsigned char* data;
    std::size_t bytes;
};

struct BrastiSoundModule {
    int version;
    // Copies the sounds and starts a background thread that plays them;
    // null when that cannot be done. Returns at once: the audio server is
    // reached from that thread.
    void* (*open)(const BrastiPcm* sounds, int count);
    // Cuts off whatever plays and starts sound `index`; an index without
    // PCM only cuts off. Callable from any thread, never waits.
    void (*play)(void* player, int index);
    // Stops the sound and the thread and frees the player.
    void (*close)(void* player);
};

// The one symbol the module exports.
const BrastiSoundModule* brasti_sound_module(void);
}

namespace brasti {
inline constexpr int kSoundModuleVersion = 1;
inline constexpr const char* kSoundModuleEntry = "brasti_sound_module";
} // namespace brasti
