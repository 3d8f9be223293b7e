// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Form10, "dal brasto al numero": one rod is shown at a time and the child
// clicks the button with its number, among ten buttons 1 to 10.
#include "exercises/rodnumber/rodnumberscreen.h"

#include <array>

class QPushButton;

namespace brasti {

class RodToNumberScreen final : public RodNumberScreen {
    Q_OBJECT
public:
    RodToNumberScreen(const RodNumberEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // Command1_Click: the child clicks the button of number k.
    void numberClicked(int k);

    int targetRod() const { return targetRod_; }
    // Command1_k, k from 1 to 10.
    QPushButton* numberButton(int k) const;
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;

private:
    std::array<QPushButton*, 10> buttons_{};
    int targetRod_ = 0;
};

} // namespace brasti
