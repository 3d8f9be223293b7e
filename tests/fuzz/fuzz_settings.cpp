// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The reader of the teacher's settings file under random files, and the
// saving of what it read over them. Besides crashes, hangs and leaks it
// checks what the reader and the saving promise:
// - a file it must not trust (over 64 KiB, a control character other than
//   tab and line ends, bytes that are not UTF-8; judged here by a checker of
//   its own) gives the defaults and one line for the teacher;
// - reading never writes: the file stays as it was and nothing appears beside it;
// - a plain line "numeriSuiBrasti=VALUE" turns them on exactly when VALUE is
//   a yes ("true" or "1", any case, blanks around), whatever else it says;
// - every line for the teacher is one line, and a few of them at most;
// - what was read saves over the file, leaving nothing beside it, and reads
//   back the same, where the file has none of the quotes, escapes and marks
//   by which a line of INI can reach into the next.
//
// The first byte of the input chooses: even, the rest is the whole file;
// odd, the rest is the VALUE of such a line.
#include "app/settingsfile.h"
#include "broken.h"

#include <QStringList>
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kLargestFile = 64 * 1024;

[[noreturn]] void broken(const char* what, std::string_view file)
{
    fuzz::broken("settings reader", what, file);
}

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates,
// nothing past U+10FFFF, no sequence cut short.
bool isUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            low = b == 0xE0 ? 0xA0 : 0x80;
            high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            low = b == 0xF0 ? 0x90 : 0x80;
            high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

// Plain text: well-formed UTF-8 without the control characters of Unicode
// (U+0000 to U+001F, U+007F, U+0080 to U+009F) but tab and line ends.
bool isTrusted(std::string_view file)
{
    if (file.size() > kLargestFile || !isUtf8(file))
        return false;
    for (std::size_t i = 0; i < file.size(); ++i) {
        const auto c = static_cast<unsigned char>(file[i]);
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
            return false;
        // In well-formed UTF-8, U+0080 to U+009F are 0xC2 0x80 to 0xC2 0x9F.
        if (c == 0xC2 && i + 1 < file.size() && static_cast<unsigned char>(file[i + 1]) <= 0x9F)
            return false;
    }
    return true;
}

// A value whose meaning needs no knowledge of the file format: printable
// ASCII without quotes, escapes, list commas, comment marks or the type
// marker "@".
bool isPlainValue(std::string_view value)
{
    for (const char c : value)
        if (c < 0x20 || c > 0x7E || std::string_view("\"\\,;#@%").find(c) != std::string_view::npos)
            return false;
    return true;
}

bool isYes(std::string_view value)
{
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
    std::string word(value);
    for (char& c : word)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return word == "true" || word == "1";
}

// No quotes, backslashes or percent escapes, no comment mark inside a line
// and no slash in a name: every line means just what it says.
bool isSimpleFile(std::string_view file)
{
    if (file.find_first_of("\"\\%/") != std::string_view::npos)
        return false;
    for (std::size_t start = 0; start < file.size();) {
        std::size_t end = file.find_first_of("\r\n", start);
        end = end == std::string_view::npos ? file.size() : end;
        const std::string_view line = file.substr(start, end - start);
        const std::size_t mark = line.find(';');
        if (mark != std::string_view::npos && line.find_first_not_of(" \t") != mark)
            return false;
        start = end + 1;
    }
    return true;
}

// A folder of its own for the whole run, removed at the end.
std::string& folder()
{
    static std::string path = [] {
        std::string pattern = (std::getenv("TMPDIR") ? std::string(std::getenv("TMPDIR")) : std::string("/tmp"))
                              + "/brasti-fuzz-settings-XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::atexit([] { rmdir(folder().c_str()); });
        return pattern;
    }();
    return path;
}

bool writeAll(const std::string& path, std::string_view bytes)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return close(fd) == 0 && done == bytes.size();
}

std::string readAll(const std::string& path)
{
    std::string bytes;
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return "(gone)";
    char buffer[8192];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    return bytes;
}

int entriesIn(const std::string& path)
{
    DIR* dir = opendir(path.c_str());
    if (!dir)
        return -1;
    int count = 0;
    while (const dirent* entry = readdir(dir))
        count += std::string_view(entry->d_name) != "." && std::string_view(entry->d_name) != "..";
    closedir(dir);
    return count;
}

} // namespace

// QSettings reads the "@Variant(...)" values of every key, and sizes a list
// by the count the file gives: one request for gigabytes, never touched,
// which the real program's malloc grants lazily or refuses (Qt then reads
// on). The fuzzing engine would take the request itself for running out of
// memory, and AddressSanitizer's bookkeeping of such a block costs seconds:
// under the sanitizer a request over 1 GiB is refused, as a small machine
// would, and the reader must cope. Memory really used still counts.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1:max_allocation_size_mb=1024";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const bool valueOnly = data[0] & 1;
    const std::string file = valueOnly ? "numeriSuiBrasti=" + std::string(rest) + "\n" : std::string(rest);

    // A new name every time: what was read from an earlier file of the same
    // name must not stand in for this one.
    static unsigned long long serial = 0;
    const std::string path = folder() + "/brasti-" + std::to_string(++serial) + ".conf";
    if (!writeAll(path, file)) {
        std::perror("writing the settings file");
        std::abort();
    }
    const QStringList languages{QStringLiteral("it"), QStringLiteral("en"), QStringLiteral("es")};
    const brasti::SettingsReading reading = brasti::readSettingsFile(QString::fromStdString(path), languages);
    const bool numbers = reading.settings.numbersOnRods;

    if (readAll(path) != file)
        broken("reading changed the file", file);
    if (entriesIn(folder()) != 1)
        broken("reading left something beside the file", file);

    if (!isTrusted(file) && (!(reading.settings == brasti::TeacherSettings()) || reading.problems.size() != 1))
        broken("a file that is not plain text counted, or was refused without one line", file);
    if (valueOnly && isTrusted(file) && isPlainValue(rest) && numbers != isYes(rest))
        broken(numbers ? "a value that is no yes turned the numbers on" : "a yes left the numbers off", file);
    // Ten unknown names, one more line for the rest, and some for the settings themselves.
    if (reading.problems.size() > 20)
        broken("too many lines for the teacher", file);
    for (const QString& line : reading.problems)
        if (line.isEmpty() || line.contains(u'\n') || line.contains(u'\r') || line.size() > 400)
            broken("a line for the teacher that is not one line", file);

    const brasti::SavedSettings saved = brasti::saveTeacherSettings(reading.settings, QString::fromStdString(path));
    if (!saved.problem.isEmpty())
        broken("what was read could not be saved", file);
    if (entriesIn(folder()) != 1)
        broken("saving left something beside the file", file);
    // Read back under a name of its own: QSettings would take a file of the
    // same size, changed in the same millisecond, for the one it has read.
    const std::string again = path + ".saved";
    if (rename(path.c_str(), again.c_str()) != 0) {
        std::perror("renaming the saved file");
        std::abort();
    }
    if (isSimpleFile(file)
        && !(brasti::readSettingsFile(QString::fromStdString(again), languages).settings == reading.settings))
        broken("what was saved reads back otherwise", file);
    unlink(again.c_str());
    return 0;
}
