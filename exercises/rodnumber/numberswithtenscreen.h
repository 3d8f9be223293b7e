// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Form19, "numeri fino al 20 (utilizzando sempre il 10)": a number from 11
// to 20 is shown in words over a box just as many units long; the child
// fills the box with a rod of 10 and then the rod that completes the
// number. Each number built is written into the list of operations.
#include "common/place.h"
#include "exercises/rodnumber/rodnumberscreen.h"

#include <QPointer>

class QLabel;

namespace brasti {

class NumbersWithTenScreen final : public RodNumberScreen {
    Q_OBJECT
public:
    NumbersWithTenScreen(const RodNumberEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // Lays the ten rods out in ten rows in random order (ten draws), the
    // second 10 on the first; all can be dragged again.
    void SpostaBrasti();

    int targetNumber() const { return box_.length(); }
    bool tenPlaced() const { return !box_.laid().empty(); }
    // The second rod of 10, brasti2_10.
    Rod* secondTen() const { return secondTen_; }
    Place* numberBox() const { return boxWidget_; }
    QLabel* numberLabel() const { return label_; }
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;
    void afterRightAnswer() override;

private:
    void dropOnBox(Rod* rod);

    Place* boxWidget_;
    QLabel* label_;
    Rod* secondTen_;
    RodFill box_;
    // The rods laid in the box in this problem.
    QPointer<Rod> placedTen_;
    QPointer<Rod> completing_;
};

} // namespace brasti
