// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Reading the feedback sounds: WAV files of integer PCM, checked to the last
// byte before any of it reaches the audio server. Free of Qt.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brasti {

struct PcmSound {
    std::uint32_t rate = 0;
    std::uint16_t channels = 0;
    std::uint16_t bits = 0;          // 8 (unsigned), 16, 24 or 32 (signed)
    std::vector<unsigned char> data; // interleaved, little-endian, whole frames

    // How long it plays, in milliseconds.
    std::uint64_t milliseconds() const
    {
        const std::uint64_t frameBytes = std::uint64_t{channels} * (bits / 8u);
        return rate == 0 || frameBytes == 0 ? 0 : data.size() / frameBytes * 1000 / rate;
    }
};

// The PCM of a whole RIFF/WAVE file of integer samples; nothing for anything
// else: another encoding, headers that contradict each other, a file cut short.
std::optional<PcmSound> decodeWave(std::string_view file);

// Larger files are not feedback sounds; they are left alone unread.
inline constexpr std::size_t kMaxSoundFileBytes = 8 * 1024 * 1024;

// Reads and decodes a regular file of at most kMaxSoundFileBytes. Never
// waits on something that is not a file (a FIFO, a device).
std::optional<PcmSound> readWaveFile(const std::filesystem::path& path);

// The whole content of a regular file of at most maxBytes; nothing for
// anything else, a file that cannot be opened or one that changes size while
// read. Opens without waiting, so a FIFO or a device in the file's place
// holds nothing up. Each platform has its own.
std::optional<std::string> readRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace brasti
