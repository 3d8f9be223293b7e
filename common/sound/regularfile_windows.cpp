// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/sound/soundfile.h"

#include <algorithm>
#include <windows.h>

namespace brasti {

std::optional<std::string> readRegularFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    // Wide names, so that a folder with any letters in its name works; shared
    // reading, so that a file another program has open is still read.
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    LARGE_INTEGER size{};
    // A disk file only: a pipe or a device in its place is not read.
    bool whole = ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileSizeEx(file, &size) && size.QuadPart >= 0
                 && static_cast<unsigned long long>(size.QuadPart) <= maxBytes;
    if (whole) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        std::size_t got = 0;
        while (got < bytes.size()) {
            DWORD n = 0;
            const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - got, 1u << 20));
            if (!::ReadFile(file, bytes.data() + got, want, &n, nullptr) || n == 0)
                break;
            got += n;
        }
        whole = got == bytes.size();
    }
    ::CloseHandle(file);
    if (!whole)
        return std::nullopt;
    return bytes;
}

} // namespace brasti
