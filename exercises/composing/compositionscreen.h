// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The three composition screens (Form17, Form20, Form27): the child lays
// rods end to end in a row until they are as long as the target. Three rods
// of each number lie stacked in every tray slot (brasti2 on top, then
// brasti1, then brasti). One class, set up from its row of the table in composing.h.
#include "common/place.h"
#include "common/exercisescreen.h"
#include "exercises/composing/composing.h"

#include <QPointer>
#include <array>


namespace brasti {

class CompositionScreen final : public ExerciseScreen {
    Q_OBJECT
public:
    CompositionScreen(const ComposingEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // Lays the tray out anew: the three rods of every number back in one slot.
    void SpostaBrasti();

    const CompositionConfig& config() const { return config_; }
    const RodFill& composition() const { return composition_; }
    Place* targetBar() const { return targetBar_; } // Picture1
    Place* unitsBar() const { return unitsBar_; }   // Picture3, nullptr on Form17
    Place* row() const { return row_; }             // Picture2
    // Rod k of set 0 (brasti), 1 (brasti1) or 2 (brasti2).
    Rod* rodOfSet(int set, int k) const;
    // The uppermost rod of number k still in its tray slot, or nullptr when
    // all three lie in the row.
    Rod* rodAtHand(int k) const;
    // The rods lying in the row, from its start.
    std::vector<Rod*> rodsInRow() const;
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;
    void afterRightAnswer() override;

private:
    void dropOnRow(Rod* rod);
    void layInRow(Rod* rod, int units);
    // The rods of number k, the three sets of one tray slot.
    std::vector<Rod*> rodsOfNumber(int k) const;

    const CompositionConfig& config_;
    Place* targetBar_;
    Place* unitsBar_ = nullptr;
    Place* row_;
    std::array<std::array<Rod*, 10>, 3> sets_{};

    RodFill composition_;
    std::vector<Rod*> laid_;
    QPointer<Rod> closing_;
};

} // namespace brasti
