// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// In the browser the program's memory is its WebAssembly memory, which only
// grows; the heap in use is what the allocator hands out.
#include "bench/selfprobe.h"

#include <emscripten/heap.h>
#include <malloc.h>

namespace bench {

Memory ownMemory()
{
    const long kb = static_cast<long>(emscripten_get_heap_size() / 1024);
    return Memory{kb, kb};
}

long ownHeapKb()
{
    return static_cast<long>(mallinfo().uordblks / 1024);
}

std::string mappedObjectsLine()
{
    return "libs";
}

} // namespace bench
