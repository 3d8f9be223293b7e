// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/runsummary.h"

#include <algorithm>

namespace brasti {

RunSummary::RunSummary(Clock clock) : clock_(std::move(clock))
{
    if (!clock_)
        clock_ = [] {
            return std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now().time_since_epoch());
        };
}

void RunSummary::opened(int screen)
{
    closed();
    auto row = std::find_if(rows_.begin(), rows_.end(), [screen](const RunRow& r) { return r.screen == screen; });
    if (row == rows_.end())
        row = rows_.insert(rows_.end(), RunRow{screen});
    playing_ = static_cast<std::size_t>(row - rows_.begin());
    since_ = clock_();
}

void RunSummary::closed()
{
    if (RunRow* row = current())
        row->time += clock_() - since_;
    playing_.reset();
}

void RunSummary::solved()
{
    if (RunRow* row = current())
        ++row->solved;
}

void RunSummary::wrong()
{
    if (RunRow* row = current())
        ++row->wrong;
}

void RunSummary::answerShown()
{
    if (RunRow* row = current())
        ++row->shown;
}

std::vector<RunRow> RunSummary::rows() const
{
    std::vector<RunRow> now = rows_;
    if (playing_)
        now[*playing_].time += clock_() - since_;
    return now;
}

void RunSummary::clear()
{
    const std::optional<int> screen = playing_ ? std::optional<int>(rows_[*playing_].screen) : std::nullopt;
    rows_.clear();
    playing_.reset();
    if (screen)
        opened(*screen);
}

RunRow* RunSummary::current()
{
    return playing_ ? &rows_[*playing_] : nullptr;
}

} // namespace brasti
