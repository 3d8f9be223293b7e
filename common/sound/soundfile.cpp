// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/sound/soundfile.h"


namespace brasti {
namespace {

std::uint32_t le(std::string_view bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

} // namespace

std::optional<PcmSound> decodeWave(std::string_view file)
{
    if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE")
        return std::nullopt;
    PcmSound sound;
    std::uint16_t blockAlign = 0;
    bool formatSeen = false;
    std::size_t at = 12;
    while (file.size() - at >= 8) {
        const std::string_view id = file.substr(at, 4);
        const std::size_t length = le(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (length > file.size() - body)
            return std::nullopt; // cut short
        if (id == "fmt ") {
            if (length < 16)
                return std::nullopt;
            std::uint16_t format = static_cast<std::uint16_t>(le(file, body, 2));
            if (format == kFormatExtensible) {
                // The real format is the first two bytes of the sub-format GUID.
                if (length < 40)
                    return std::nullopt;
                format = static_cast<std::uint16_t>(le(file, body + 24, 2));
            }
            sound.channels = static_cast<std::uint16_t>(le(file, body + 2, 2));
            sound.rate = le(file, body + 4, 4);
            blockAlign = static_cast<std::uint16_t>(le(file, body + 12, 2));
            sound.bits = static_cast<std::uint16_t>(le(file, body + 14, 2));
            const bool knownBits = sound.bits == 8 || sound.bits == 16 || sound.bits == 24 || sound.bits == 32;
            if (format != kFormatPcm || !knownBits || sound.channels == 0 || sound.channels > 8
                || sound.rate < 1000 || sound.rate > 192000 || blockAlign != sound.channels * sound.bits / 8)
                return std::nullopt;
            formatSeen = true;
        } else if (id == "data") {
            if (!formatSeen || length == 0 || length % blockAlign != 0)
                return std::nullopt;
            const auto* begin = reinterpret_cast<const unsigned char*>(file.data() + body);
            sound.data.assign(begin, begin + length);
            return sound;
        }
        at = body + length + (length & 1);
        if (at > file.size())
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<PcmSound> readWaveFile(const std::filesystem::path& path)
{
    const std::optional<std::string> bytes = readRegularFile(path, kMaxSoundFileBytes);
    if (!bytes)
        return std::nullopt;
    return decodeWave(*bytes);
}

} // namespace brasti
