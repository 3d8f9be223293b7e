// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/rodtonumberscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/spoken.h"

#include <QPushButton>

namespace brasti {
namespace {

constexpr Bgr kRed = 0x0000FF;

} // namespace

RodToNumberScreen::RodToNumberScreen(const RodNumberEntry& entry, AppContext& context, QWidget* parent)
    : RodNumberScreen(entry, context, FrameLayout{}, RodStance::Flat, parent)
{
    Board* b = board();
    for (int k = 1; k <= 10; ++k) {
        auto* button = new QPushButton(QString::number(k), container());
        button->setObjectName(QStringLiteral("Command1_%1").arg(k));
        button->setAccessibleName(tr("numero %1").arg(k));
        b->place(button, toQRect(rodnumber::numberButtonPlace(k)));
        b->setFontPoints(button, rodnumber::kNumberButtonPoints);
        Board::setControlColour(button, kButtonFace);
        connect(button, &QPushButton::clicked, this, [this, k] { numberClicked(k); });
        buttons_[static_cast<std::size_t>(k - 1)] = button;
    }
    // All ten rods share one place; only the one asked about is shown.
    putRodsIn(container());
    for (int k = 1; k <= 10; ++k) {
        b->moveTo(rod(k), QPoint(rodnumber::kShownRodLeft, rodnumber::kShownRodTop));
        // Its number is the answer: the rod is told by its colour and its
        // units, which the child counts, as a child who sees it does.
        rod(k)->setAccessibleName(spoken::unnamedRod(k));
        rod(k)->setAccessibleDescription(spoken::units(k));
    }
}

QPushButton* RodToNumberScreen::numberButton(int k) const
{
    return buttons_.at(static_cast<std::size_t>(k - 1));
}

void RodToNumberScreen::newProblem()
{
    for (int k = 1; k <= 10; ++k)
        rod(k)->hide();
    targetRod_ = drawTargetRod(*context_.random);
    rod(targetRod_)->setVisible(true);
}

void RodToNumberScreen::numberClicked(int k)
{
    // A click queued before the buttons were locked must not count.
    if (k < 1 || k > 10 || !numberButton(k)->isEnabled())
        return;
    if (namesRod(targetRod_, k))
        rightAnswer();
    else
        wrongAnswer();
}

void RodToNumberScreen::lockAnswer()
{
    // The right number stays marked while "avanti" waits.
    Board::setControlColour(numberButton(targetRod_), kRed);
    for (QPushButton* button : buttons_)
        button->setEnabled(false);
}

void RodToNumberScreen::unlockAnswer()
{
    for (QPushButton* button : buttons_) {
        button->setEnabled(true);
        Board::setControlColour(button, kButtonFace);
    }
}

QString RodToNumberScreen::problemSentence() const
{
    return spoken::rodToNumber(targetRod_);
}


ExerciseScreen* createRodToNumberScreen(const RodNumberEntry& entry, AppContext& context)
{
    return new RodToNumberScreen(entry, context);
}

std::vector<ShownMove> RodToNumberScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    for (const Move& m : nameSolution(targetRod_))
        moves.push_back(ShownMove::press(numberButton(m.place)));
    return moves;
}

} // namespace brasti
