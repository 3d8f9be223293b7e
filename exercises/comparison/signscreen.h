// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Insert the relation sign (Form9): copies of two rods stand side by side;
// the child clicks ">", "<" or "=" to say how the left compares with the
// right. Every click is judged at once. The ten rods stay hidden: they only
// lend the copies their look.
#include "exercises/comparison/comparisonmodel.h"
#include "exercises/comparison/comparisonscreen.h"

#include <array>

namespace brasti {

class SignScreen final : public ComparisonScreen {
    Q_OBJECT
public:
    SignScreen(const ComparisonEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // The handler of the three buttons, public so tests reach it as they do.
    void signClicked(Relation sign);

    const SignProblem& problem() const { return problem_; }
    // Command1 ">", Command2 "<", Command3 "=".
    QPushButton* signButton(Relation sign) const { return buttons_[static_cast<std::size_t>(sign)]; }
    RodCopy* leftCopy() const { return brasto1_; }
    RodCopy* rightCopy() const { return brasto2_; }
    QWidget* leftBox() const { return left_; }
    QWidget* rightBox() const { return right_; }
    QLabel* shownSign() const { return sign_; }
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;

private:
    Place* left_;
    Place* right_;
    RodCopy* brasto1_;
    RodCopy* brasto2_;
    QLabel* sign_;
    std::array<QPushButton*, 3> buttons_{}; // by Relation

    SignProblem problem_{1, 1};
    Relation clicked_ = Relation::Equal;
};

// The sign buttons' own colour, and the colour of the clicked one while "avanti" waits.
inline constexpr Bgr kSignButtonGrey = 0xC0C0C0;
inline constexpr Bgr kSignButtonRed = 0x0000FF;

} // namespace brasti
