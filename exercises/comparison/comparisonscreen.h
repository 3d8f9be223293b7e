// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What the four comparison screens (Form6 to Form9) share: upright rods, a
// designed background, the grey container that holds rods and boxes, the
// frame's controls in a column at the right, and the ways an upright rod
// stands in a box or in the tray.
#include "common/place.h"
#include "common/colours.h"
#include "common/exercisescreen.h"
#include "common/pictures.h"
#include "exercises/comparison/comparison.h"

class QLabel;
class QPushButton;

namespace brasti {

class ComparisonScreen : public ExerciseScreen {
    Q_OBJECT
public:
    const ComparisonConfig& config() const { return config_; }

protected:
    ComparisonScreen(const ComparisonEntry& entry, AppContext& context, QWidget* parent);

    // A box of ten units at a place in the container.
    Place* addBox(const QString& name, const QString& accessibleName, const QString& inside, QPoint topLeft);
    // A label for a title or a sign, on the board or in the container.
    QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, QRect twips, double points);
    // A button of the column, the icon above the caption, as "avanti".
    QPushButton* addColumnButton(const QString& name, Picture picture, const QString& text, int top);
    // Stands a rod, or a rod's copy showing rod k, on the bottom edge of a box.
    void standIn(QWidget* item, const QWidget* box, int k);
    // Where that is, in twips of the container.
    static QRect standingPlace(const QWidget* box, int k);
    // The probing shuffle of the tray: every rod enabled, shown and standing
    // on the tray's bottom line, at Lefts 200, 600, ..., 3800.
    void layTray();

private:
    const ComparisonConfig& config_;
};

} // namespace brasti
