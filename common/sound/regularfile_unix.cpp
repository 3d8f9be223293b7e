// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/sound/soundfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brasti {

std::optional<std::string> readRegularFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    struct stat info {};
    bool whole = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0
                 && static_cast<std::size_t>(info.st_size) <= maxBytes;
    if (whole) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        whole = got == bytes.size();
    }
    ::close(fd);
    if (!whole)
        return std::nullopt;
    return bytes;
}

} // namespace brasti
