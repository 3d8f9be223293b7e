// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "bench/procutil.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace bench {
namespace {

// The number after "key:" on its own line, or -1.
long long fieldOf(std::string_view text, std::string_view key)
{
    std::size_t at = 0;
    while ((at = text.find(key, at)) != std::string_view::npos) {
        // Only a whole key at the start of a line: "voluntary_ctxt_switches"
        // also ends "nonvoluntary_ctxt_switches".
        const bool lineStart = at == 0 || text[at - 1] == '\n';
        const std::size_t colon = at + key.size();
        if (lineStart && colon < text.size() && text[colon] == ':') {
            const std::string rest(text.substr(colon + 1, 32));
            return std::strtoll(rest.c_str(), nullptr, 10);
        }
        at = colon;
    }
    return -1;
}

std::vector<long> threadsOf(pid_t pid)
{
    std::vector<long> tasks;
    const std::string folder = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.')
                tasks.push_back(std::strtol(entry->d_name, nullptr, 10));
        closedir(dir);
    }
    return tasks;
}

} // namespace

Summary summarise(std::vector<double> values)
{
    Summary s;
    s.count = values.size();
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    s.median = values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
    s.min = values.front();
    s.max = values.back();
    return s;
}

Memory parseMemory(std::string_view procStatus)
{
    return {static_cast<long>(fieldOf(procStatus, "VmRSS")), static_cast<long>(fieldOf(procStatus, "VmHWM"))};
}

long long parseContextSwitches(std::string_view procStatus)
{
    return std::max(0LL, fieldOf(procStatus, "voluntary_ctxt_switches"))
           + std::max(0LL, fieldOf(procStatus, "nonvoluntary_ctxt_switches"));
}

std::vector<std::string> parseMappedObjects(std::string_view procMaps)
{
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at < procMaps.size()) {
        std::size_t end = procMaps.find('\n', at);
        if (end == std::string_view::npos)
            end = procMaps.size();
        const std::string_view line = procMaps.substr(at, end - at);
        at = end + 1;
        // The path is the sixth field and the only one that starts with '/'.
        const std::size_t path = line.find('/');
        if (path == std::string_view::npos)
            continue;
        std::string_view file = line.substr(line.rfind('/') + 1);
        // A file replaced on disk since it was mapped is still the same library.
        constexpr std::string_view kDeleted = " (deleted)";
        if (file.ends_with(kDeleted))
            file.remove_suffix(kDeleted.size());
        if (file.find(".so") != std::string_view::npos)
            names.emplace_back(file);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

void report(const std::string& key, const std::vector<double>& values)
{
    std::string line = key;
    char number[32];
    for (double v : values) {
        std::snprintf(number, sizeof number, " %.4f", v);
        line += number;
    }
    std::puts(line.c_str());
    std::fflush(stdout);
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Activity readActivity(pid_t pid)
{
    // Qt keeps helper threads (the X connection's reader, a thread pool); an
    // idle program must keep all of them asleep, so every thread counts.
    Activity activity;
    const std::string process = "/proc/" + std::to_string(pid) + "/task/";
    for (long tid : threadsOf(pid)) {
        const std::string task = process + std::to_string(tid);
        ThreadActivity& a = activity[tid];
        a.contextSwitches = parseContextSwitches(readFile(task + "/status"));
        // The first schedstat field is the time on a CPU, in nanoseconds.
        a.cpuNs = std::strtoll(readFile(task + "/schedstat").c_str(), nullptr, 10);
    }
    return activity;
}

ThreadActivity activityBetween(const Activity& before, const Activity& after)
{
    ThreadActivity sum;
    for (const auto& [tid, now] : after) {
        const auto then = before.find(tid);
        const ThreadActivity start = then == before.end() ? ThreadActivity{} : then->second;
        sum.contextSwitches += now.contextSwitches - start.contextSwitches;
        sum.cpuNs += now.cpuNs - start.cpuNs;
    }
    for (const auto& entry : before)
        if (!after.contains(entry.first))
            ++sum.contextSwitches;
    return sum;
}

Memory readMemory(pid_t pid)
{
    return parseMemory(readFile("/proc/" + std::to_string(pid) + "/status"));
}

std::string ownFolder()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    const std::string exe(path, static_cast<std::size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

bool onPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0)
            return true;
    return false;
}

Child::Child(const std::vector<std::string>& argv, int errFd)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe2: " + std::string(std::strerror(errno)));
    out_ = fds[0];

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    if (errFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    started_ = Clock::now();
    const int failed = posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (failed != 0) {
        pid_ = -1;
        close(out_);
        out_ = -1;
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(failed));
    }
}

Child::~Child()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        wait();
    }
    if (out_ >= 0)
        close(out_);
}

std::optional<std::string> Child::readLine(std::chrono::milliseconds limit)
{
    const Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        const std::size_t newline = buffer_.find('\n');
        if (newline != std::string::npos) {
            std::string line = buffer_.substr(0, newline);
            buffer_.erase(0, newline + 1);
            return line;
        }
        if (eof_) {
            if (buffer_.empty())
                return std::nullopt;
            // A last line without its newline.
            return std::exchange(buffer_, std::string());
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return std::nullopt;
        pollfd p{out_, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR)
            return std::nullopt;
        if (ready <= 0)
            continue;
        char chunk[4096];
        const ssize_t n = read(out_, chunk, sizeof chunk);
        if (n > 0)
            buffer_.append(chunk, static_cast<std::size_t>(n));
        else if (n == 0 || errno != EINTR)
            eof_ = true;
    }
}

int Child::wait()
{
    if (pid_ <= 0)
        return -1;
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void Child::kill(int signal)
{
    if (pid_ > 0)
        ::kill(pid_, signal);
}

} // namespace bench
