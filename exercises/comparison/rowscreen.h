// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The middle rod (Form6) and the neighbouring rods (Form7): a row of three
// boxes for the rods LowRod, LowRod + 1 and LowRod + 2. Some boxes show their
// rod; the child drags the rods of the others out of the tray and asks
// "Conferma". One class, set up from its row of the table in comparison.h.
#include "exercises/comparison/comparisonscreen.h"

#include <array>

namespace brasti {

class RowScreen final : public ComparisonScreen {
    Q_OBJECT
public:
    RowScreen(const ComparisonEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // Lays the tray out anew and frees the open boxes.
    void SpostaBrasti();

    // The handlers, public so tests reach them as the buttons do.
    void conferma();
    void ricomincia();

    int lowRod() const { return lowRod_; }
    const RowAnswer& answer() const { return answer_; }
    Place* box(RowBox which) const { return boxes_[static_cast<std::size_t>(which)]; }
    QPushButton* confermaButton() const { return conferma_; }
    QPushButton* ricominciaButton() const { return ricomincia_; }
    QLabel* title() const { return title_; }
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;
    void avantiClicked() override;

private:
    void placeGivenRods();
    void dropIn(RowBox which, Rod* rod);

    std::array<Place*, 3> boxes_{};
    QLabel* title_;
    QPushButton* ricomincia_;
    QPushButton* conferma_;

    int lowRod_ = 1;
    RowAnswer answer_;
};

} // namespace brasti
