// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// How a fuzz target reports a broken promise of its reader: what broke and
// the input's first bytes, then an abort, which the fuzzing engine takes for
// a crash and keeps the input of.
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void broken(const char* reader, const char* what, std::string_view input)
{
    std::fprintf(stderr, "%s: %s\ninput (%zu bytes): ", reader, what, input.size());
    for (const char c : input.substr(0, 300))
        std::fprintf(stderr, "\\x%02x", static_cast<unsigned char>(c));
    std::fprintf(stderr, "\n");
    std::abort();
}

} // namespace fuzz
