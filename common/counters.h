// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The counts of a visit to an exercise screen, with their captions on the
// board: "Esatti" over the right answers, "Errati" over the wrong ones.
// Nothing outlives the screen: a child's counts are never stored.
#include <QRect>
#include <QString>

#include <cstdint>

class QLabel;

namespace brasti {

class Board;
struct FrameLayout;

class Counters {
public:
    Counters(Board* board, const FrameLayout& layout);

    std::int16_t right() const { return right_; }
    std::int16_t wrong() const { return wrong_; }
    QLabel* rightLabel() const { return rightLabel_; }
    QLabel* wrongLabel() const { return wrongLabel_; }

    // One more, stopping at 32767, shown as a count after an answer (" 14").
    void countRight();
    void countWrong();
    // Both from nothing again, shown "0".
    void reset();
    // Both counts in one phrase for screen readers.
    QString spoken() const;
    // Where the four labels lie together, in twips.
    QRect area() const { return area_; }

private:
    QLabel* rightLabel_;
    QLabel* wrongLabel_;
    QRect area_;
    std::int16_t right_ = 0;
    std::int16_t wrong_ = 0;
};

} // namespace brasti
