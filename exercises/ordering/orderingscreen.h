// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The five ordering screens (Form1 to Form5): the child drags the rods in
// play into a column of slots and asks "Conferma" to check their order,
// rising or falling as chosen on the menu. One class, set up from its row
// of the table in ordering.h.
#include "common/place.h"
#include "common/exercisescreen.h"
#include "exercises/ordering/ordering.h"

#include <vector>

class QAction;
class QLabel;
class QPushButton;

namespace brasti {

class OrderingScreen final : public ExerciseScreen {
    Q_OBJECT
public:
    OrderingScreen(const OrderingEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // A new background from the ordering colours.
    void CaricaColori();
    // Lays the rods in play out at their start places and frees the slots.
    void SpostaBrasti();

    // The handlers, public so tests and the menu reach them alike.
    void conferma();
    void ricomincia();
    void chooseAscending();
    void chooseDescending();

    const OrderingConfig& config() const { return config_; }
    bool isAscending() const { return ascending_; }
    // The drawn rods in draw order; empty when all ten are in play.
    const std::vector<int>& drawnRods() const { return drawn_; }
    const SlotRow& slotRow() const { return slots_; }
    // Slot i, 1 to config().rules.slotCount.
    Place* slot(int i) const;
    QPushButton* confermaButton() const { return conferma_; }
    QPushButton* ricominciaButton() const { return ricomincia_; }
    QLabel* instruction() const { return instruction_; }
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void initialSettings() override;
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;
    void avantiClicked() override;

private:
    void dropOnSlot(int slot, Rod* rod);
    void setAscending(bool ascending);

    const OrderingConfig& config_;
    std::vector<Place*> slotWidgets_;
    QLabel* instruction_;
    QPushButton* ricomincia_;
    QPushButton* conferma_;
    QAction* cresce_;
    QAction* decresce_;

    bool ascending_ = true;
    std::vector<int> drawn_;
    SlotRow slots_;
};

} // namespace brasti
