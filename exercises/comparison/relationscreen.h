// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Find the relation (Form8): a rod's copy stands on one side of ">", "<" or
// "=", an open box on the other; the child drags a rod from the tray into
// the box so that the relation holds. Every drop is judged at once.
#include "exercises/comparison/comparisonmodel.h"
#include "exercises/comparison/comparisonscreen.h"

#include <QPointer>

namespace brasti {

class RelationScreen final : public ComparisonScreen {
    Q_OBJECT
public:
    RelationScreen(const ComparisonEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // Lays the tray out anew.
    void SpostaBrasti();

    const RelationProblem& problem() const { return problem_; }
    // Picture1 on the left of the sign, Picture3 on the right.
    Place* box(Side side) const { return side == Side::Left ? left_ : right_; }
    RodCopy* shownCopy() const { return brasto_; }
    QLabel* sign() const { return sign_; }
    QLabel* instruction() const { return instruction_; }
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;

private:
    void dropIn(Side side, Rod* rod);

    Place* left_;
    Place* right_;
    RodCopy* brasto_;
    QLabel* sign_;
    QLabel* instruction_;

    RelationProblem problem_{5, 1, Side::Left};
    // The rod of the right answer, set in its box while "avanti" waits.
    QPointer<Rod> answered_;
};

} // namespace brasti
