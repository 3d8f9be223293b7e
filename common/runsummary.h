// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What a child did since the program started, for the teacher to look at
// before the next child sits down: for each exercise opened, in the order
// first opened, the problems solved, the wrong answers and the time spent.
// Kept in memory only, never written anywhere, and counted apart from the
// screens' own counters, which reset as a child plays.
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace brasti {

struct RunRow {
    int screen = 0;
    int solved = 0;
    int wrong = 0;
    int shown = 0; // answers shown after a wrong try
    std::chrono::milliseconds time{0};
};

class RunSummary {
public:
    using Clock = std::function<std::chrono::milliseconds()>;
    // The steady clock unless a test gives its own.
    explicit RunSummary(Clock clock = {});

    // Exercise n is played from now on, until closed() or another opens.
    void opened(int screen);
    void closed();
    // Counted for the exercise being played; nothing when none is.
    void solved();
    void wrong();
    void answerShown();

    // The rows as they stand now, the time of the exercise in play included.
    std::vector<RunRow> rows() const;
    // Empties it for the next child; an exercise in play goes on from now.
    void clear();

private:
    RunRow* current();

    Clock clock_;
    std::vector<RunRow> rows_;
    std::optional<std::size_t> playing_;
    std::chrono::milliseconds since_{0};
};

} // namespace brasti
