// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What the three rod-and-number screens share: the name and title from the
// family's table, the designed background, and the grey container that
// holds the rods and the answer controls. Each screen is its own class:
// Form10 (rodtonumberscreen.h), Form11 (numbertorodscreen.h) and Form19
// (numberswithtenscreen.h).
#include "common/exercisescreen.h"
#include "exercises/rodnumber/rodnumbermodel.h"

namespace brasti {

class RodNumberScreen : public ExerciseScreen {
    Q_OBJECT
public:
    const RodNumberConfig& config() const { return config_; }
    // The grey container "frame"; it lies at the board's top left, so its
    // places are the board's places.
    QWidget* container() const { return frame_; }

protected:
    RodNumberScreen(int screen, AppContext& context, const FrameLayout& layout, RodStance stance, QSize frameTwips,
                    QWidget* parent);

private:
    const RodNumberConfig& config_;
    QWidget* frame_;
};

// Screens 10, 11 and 19.
bool isRodNumberScreen(int screen);
// A fresh rod-and-number screen, not yet loaded; nullptr for any other screen.
ExerciseScreen* createRodNumberScreen(int screen, AppContext& context);

} // namespace brasti
