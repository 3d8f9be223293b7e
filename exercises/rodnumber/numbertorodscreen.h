// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Form11, "dal numero al brasto": a number from 1 to 10 is shown in words
// or in digits, and the child clicks its rod among ten upright rods. Here
// the rods are clicked, not dragged.
#include "exercises/rodnumber/rodnumberscreen.h"

#include <QPointer>

class QAction;
class QLabel;

namespace brasti {

class NumberToRodScreen final : public RodNumberScreen {
    Q_OBJECT
public:
    NumberToRodScreen(const RodNumberEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // Stands the rods in a row in random order (ten draws) and enables them;
    // whether they are shown is left as it is.
    void SpostaBrasti();

    // brasti_Click: the child clicks rod k.
    void rodClicked(int k);
    // The menu "Numeri in...": words ("parola") or digits ("cifre"); either
    // choice draws a new number.
    void chooseDisplay(NumberDisplay display);

    int targetRod() const { return targetRod_; }
    NumberDisplay display() const { return display_; }
    QLabel* numberLabel() const { return label_; }
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* label_;
    QAction* parola_;
    QAction* cifre_;
    QPointer<Rod> pressed_;
    NumberDisplay display_ = NumberDisplay::Word;
    int targetRod_ = 0;
};

} // namespace brasti
