// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The sound row of the benchmark: the program's real sound player, a private
// audio server with a null sink, and the time from an answer's click to the
// server's report of the new playback stream.
//
//   brasti_bench --sound N    prints "sound.first <ms>" and "sound.later <ms>..."
//                             for N verdicts given through window mouse events
namespace bench {

int runSound(char* argv0, int verdicts);

} // namespace bench
