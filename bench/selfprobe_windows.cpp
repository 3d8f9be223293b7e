// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "bench/selfprobe.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cwctype>
#include <vector>

namespace bench {

Memory ownMemory()
{
    // The working set is what Windows counts as resident.
    PROCESS_MEMORY_COUNTERS counters{};
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        return {};
    return {static_cast<long>(counters.WorkingSetSize / 1024), static_cast<long>(counters.PeakWorkingSetSize / 1024)};
}

long ownHeapKb()
{
    // Every heap of the process: the C runtime's and the system's.
    std::vector<HANDLE> heaps(::GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(::GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    unsigned long long busy = 0;
    for (HANDLE heap : heaps) {
        if (!::HeapLock(heap))
            continue;
        PROCESS_HEAP_ENTRY entry{};
        while (::HeapWalk(heap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                busy += entry.cbData;
        ::HeapUnlock(heap);
    }
    return static_cast<long>(busy / 1024);
}

std::string mappedObjectsLine()
{
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    while (::EnumProcessModules(::GetCurrentProcess(), modules.data(),
                                static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed)
           && needed > modules.size() * sizeof(HMODULE))
        modules.resize(needed / sizeof(HMODULE));
    modules.resize(std::min<std::size_t>(modules.size(), needed / sizeof(HMODULE)));
    std::vector<std::string> names;
    for (HMODULE module : modules) {
        wchar_t wide[MAX_PATH];
        const DWORD n = ::GetModuleBaseNameW(::GetCurrentProcess(), module, wide, MAX_PATH);
        std::string name;
        // Library names are plain ASCII; case differs between loaders.
        for (DWORD i = 0; i < n; ++i)
            name += static_cast<char>(std::towlower(wide[i]) < 128 ? std::towlower(wide[i]) : '?');
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dll") == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::string line = "libs";
    for (const std::string& name : names)
        line += " " + name;
    return line;
}

} // namespace bench
