// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The four single-rod answer screens (Form12 to Form15): given rods beside
// a strip, and the child drops the one rod that completes the picture. One
// class, set up from its row of the table in composing.h.
#include "common/place.h"
#include "common/exercisescreen.h"
#include "exercises/composing/composing.h"

#include <QPointer>


namespace brasti {

class SingleRodScreen final : public ExerciseScreen {
    Q_OBJECT
public:
    SingleRodScreen(const ComposingEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // Lays the tray out anew: every rod back in the column, in a random order.
    void SpostaBrasti();

    const SingleRodConfig& config() const { return config_; }
    const SingleRodProblem& problem() const { return problem_; }
    // Picture1 and Picture2 (on Form13 the element Picture2_0).
    Place* strip(Strip which) const { return which == Strip::Upper ? upper_ : lower_; }
    // "brasto", "brasto1" or "brasto2"; nullptr if the screen has no such display.
    RodCopy* givenRodDisplay(const QString& name) const;
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;
    void afterRightAnswer() override;

private:
    void dropOnStrip(Strip which, Rod* rod);
    Check checkOf(Strip which) const { return checkOn(config_.rules, which); }

    const SingleRodConfig& config_;
    Place* upper_;
    Place* lower_;
    std::vector<RodCopy*> displays_;

    SingleRodProblem problem_{};
    // The right drop being answered: where it went and the line it writes.
    QPointer<Rod> answered_;
    Strip answeredStrip_ = Strip::Lower;
};

} // namespace brasti
