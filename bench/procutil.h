// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Process plumbing for the benchmark, free of Qt: children on a pipe, what
// /proc says about them, and the summary of a series of samples.
#include "bench/selfprobe.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

struct Summary {
    std::size_t count = 0;
    double median = 0;
    double min = 0;
    double max = 0;
};
Summary summarise(std::vector<double> values);

// Resident and peak resident memory from a status text; -1 where it lacks the line.
Memory parseMemory(std::string_view procStatus);
// Voluntary plus involuntary context switches from one status text.
long long parseContextSwitches(std::string_view procStatus);

// What each thread of a process has done so far, by thread id.
struct ThreadActivity {
    long long contextSwitches = 0;
    long long cpuNs = 0;
};
using Activity = std::map<long, ThreadActivity>;
Activity readActivity(pid_t pid);
// What the process did between two samples. A thread that ended in between
// counts as one context switch (it had to wake up to end); its CPU time since
// the first sample is lost with it.
ThreadActivity activityBetween(const Activity& before, const Activity& after);
Memory readMemory(pid_t pid);

// The file names of the shared objects mapped in a /proc/<pid>/maps text,
// sorted, each once.
std::vector<std::string> parseMappedObjects(std::string_view procMaps);

std::string readFile(const std::string& path);

// Prints "<key> <value> <value>..." on standard output, flushed, as the
// parent process reads a child's measures.
void report(const std::string& key, const std::vector<double>& values);
// The folder of the running executable.
std::string ownFolder();
// Whether a program of that name is on PATH.
bool onPath(const std::string& program);

// A child process whose standard output comes back on a pipe, one line at a
// time; its standard error goes to errFd. Killed and reaped on destruction
// if still running.
class Child {
public:
    Child(const std::vector<std::string>& argv, int errFd);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    // Taken just before the process was spawned.
    Clock::time_point started() const { return started_; }
    // The next line without its newline; nothing on end of output or when
    // the limit passes first.
    std::optional<std::string> readLine(std::chrono::milliseconds limit);
    // Whether every line of its output has been read.
    bool ended() const { return eof_ && buffer_.empty(); }
    // Waits for the end of the process; its exit status, or -1 when a signal ended it.
    int wait();
    void kill(int signal);

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string buffer_;
    bool eof_ = false;
    Clock::time_point started_;
};

} // namespace bench
