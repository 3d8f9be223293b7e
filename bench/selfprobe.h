// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What a measured program tells of itself: its memory, its heap and the
// libraries it has loaded. Each platform has its own answers
// (selfprobe_unix.cpp, selfprobe_windows.cpp); the benchmark reads the same
// lines from either.
#include <string>

namespace bench {

// Resident and peak resident memory, in kB; -1 where unknown.
struct Memory {
    long rssKb = -1;
    long peakKb = -1;
};

Memory ownMemory();
// What the allocator has handed out and not got back, in kB: pages it keeps
// for reuse count in the resident memory but not here, so a leak shows here
// even when the resident figure hides it. -1 where unknown.
long ownHeapKb();
// "libs" and the shared libraries this process has loaded now, separated by blanks.
std::string mappedObjectsLine();

} // namespace bench
