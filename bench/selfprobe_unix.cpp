// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "bench/selfprobe.h"

#include "bench/procutil.h"

#include <malloc.h>
#include <unistd.h>

namespace bench {

Memory ownMemory()
{
    return readMemory(getpid());
}

long ownHeapKb()
{
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

std::string mappedObjectsLine()
{
    std::string line = "libs";
    for (const std::string& name : parseMappedObjects(readFile("/proc/self/maps")))
        line += " " + name;
    return line;
}

} // namespace bench
