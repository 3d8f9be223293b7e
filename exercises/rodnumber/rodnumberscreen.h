// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What the three rod-and-number screens share: the name and title from their
// row of the family's table (rodnumber.h), the designed background, and the
// grey container that holds the rods and the answer controls. Each screen
// is its own class: Form10 (rodtonumberscreen.h), Form11
// (numbertorodscreen.h) and Form19 (numberswithtenscreen.h).
#include "common/exercisescreen.h"
#include "exercises/rodnumber/rodnumber.h"

namespace brasti {

class RodNumberScreen : public ExerciseScreen {
    Q_OBJECT
public:
    const RodNumberConfig& config() const { return config_; }

protected:
    RodNumberScreen(const RodNumberEntry& entry, AppContext& context, const FrameLayout& layout, RodStance stance,
                    QWidget* parent);

private:
    const RodNumberConfig& config_;
};

} // namespace brasti
