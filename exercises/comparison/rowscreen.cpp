// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/comparison/rowscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/spoken.h"
#include "common/texts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace brasti {
namespace {

const std::array<const char*, 3> kBoxNames = {BRASTI_TEXT("brasti::RowScreen", "scatola di sinistra"),
                                              BRASTI_TEXT("brasti::RowScreen", "scatola di mezzo"),
                                              BRASTI_TEXT("brasti::RowScreen", "scatola di destra")};
// Where a rod lying in each box is.
const std::array<const char*, 3> kBoxInside = {BRASTI_TEXT("brasti::RowScreen", "nella scatola di sinistra"),
                                               BRASTI_TEXT("brasti::RowScreen", "nella scatola di mezzo"),
                                               BRASTI_TEXT("brasti::RowScreen", "nella scatola di destra")};

} // namespace

RowScreen::RowScreen(const ComparisonEntry& entry, AppContext& context, QWidget* parent)
    : ComparisonScreen(entry, context, parent)
{
    for (RowBox which : kRowBoxes) {
        const auto i = static_cast<std::size_t>(which);
        Place* b = addBox(QStringLiteral("Picture%1").arg(i + 1), tr(kBoxNames[i]), tr(kBoxInside[i]),
                          QPoint(comparison::kRowBoxLefts[i], comparison::kRowBoxTop));
        boxes_[i] = b;
        // Only the open boxes take rods; a rod dropped on a given box stays where it was.
        if (!isGiven(config().row, which))
            dragger()->setDropHandler(b, [this, which](Rod* r) { dropIn(which, r); });
    }
    // Made after the boxes, so the rods stand in front of them.
    putRodsIn(container());

    title_ = addLabel(board(), QStringLiteral("Label3"), exerciseCaption(entry.caption),
                      toQRect(comparison::kRowTitle), comparison::kRowTitlePoints);
    ricomincia_ = addColumnButton(QStringLiteral("Command3D1"), Picture::Ricomincia, tr("Ricomincia"),
                                  comparison::kRicominciaTop);
    connect(ricomincia_, &QPushButton::clicked, this, &RowScreen::ricomincia);
    conferma_ = addColumnButton(QStringLiteral("SSCommand1"), Picture::Conferma, tr("Conferma"),
                                comparison::kConfermaTop);
    connect(conferma_, &QPushButton::clicked, this, &RowScreen::conferma);
}

void RowScreen::newProblem()
{
    for (Place* b : boxes_)
        Board::setControlColour(b, kButtonFace);
    SpostaBrasti();
    lowRod_ = drawLowRod(*context_.random);
    placeGivenRods();
}

void RowScreen::SpostaBrasti()
{
    // The record goes with the tags, so a freed box is never refused by a stale record.
    answer_.clear();
    for (RowBox which : kRowBoxes)
        if (!isGiven(config().row, which))
            box(which)->setOccupied(false);
    layTray();
}

void RowScreen::placeGivenRods()
{
    // Taken out of the tray into their boxes, and fixed there.
    for (RowBox which : kRowBoxes) {
        if (!isGiven(config().row, which))
            continue;
        Rod* r = rod(rodFor(which, lowRod_));
        r->setMovable(false);
        standIn(r, box(which), r->number());
    }
}

void RowScreen::dropIn(RowBox which, Rod* rod)
{
    Place* target = box(which);
    if (target->isOccupied())
        return;
    rod->setMovable(false);
    standIn(rod, target, rod->number());
    answer_.place(which, rod->number());
    target->setOccupied(true);
}

void RowScreen::conferma()
{
    // A click queued before the button was locked must not count again.
    if (!conferma_->isEnabled())
        return;
    if (answer_.isRight(config().row, lowRod_))
        rightAnswer();
    else
        wrongAnswer();
}

void RowScreen::ricomincia()
{
    // The same problem again: a new tray, the same given rods.
    SpostaBrasti();
    placeGivenRods();
    announceProblem();
}

void RowScreen::lockAnswer()
{
    conferma_->setEnabled(false);
}

void RowScreen::unlockAnswer()
{
    conferma_->setEnabled(true);
}

void RowScreen::avantiClicked()
{
    poseProblem();
    unlockAnswer();
    avantiButton()->setEnabled(false);
}

QString RowScreen::problemSentence() const
{
    // The middle rod is given, or the two outer ones.
    if (isGiven(config().row, RowBox::Middle))
        return spoken::neighbours(rodFor(RowBox::Middle, lowRod_));
    return spoken::middleRod(rodFor(RowBox::Left, lowRod_), rodFor(RowBox::Right, lowRod_));
}

ExerciseScreen* createRowScreen(const ComparisonEntry& entry, AppContext& context)
{
    return new RowScreen(entry, context);
}

std::vector<ShownMove> RowScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    for (const Move& m : rowSolution(config().row, lowRod_, answer_)) {
        if (m.kind == Move::Kind::Back) {
            moves.push_back(backToTray(m));
            continue;
        }
        if (m.kind != Move::Kind::Lay) {
            moves.push_back(ShownMove::press(m.place == kRowRicominciaControl ? ricomincia_ : conferma_));
            continue;
        }
        Place* target = box(static_cast<RowBox>(m.place));
        moves.push_back(ShownMove::lay(rod(m.rod), target, standingPlace(target, m.rod)));
    }
    return moves;
}

} // namespace brasti
