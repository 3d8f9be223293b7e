// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/comparison/relationscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/spoken.h"

#include <QFrame>
#include <QLabel>

namespace brasti {

RelationScreen::RelationScreen(const ComparisonEntry& entry, AppContext& context, QWidget* parent)
    : ComparisonScreen(entry, context, parent)
{
    left_ = addBox(QStringLiteral("Picture1"), tr("scatola a sinistra del segno"),
                   tr("nella scatola a sinistra del segno"),
                   QPoint(comparison::kRelationLeftBoxLeft, comparison::kRelationBoxTop));
    right_ = addBox(QStringLiteral("Picture3"), tr("scatola a destra del segno"),
                    tr("nella scatola a destra del segno"),
                    QPoint(comparison::kRelationRightBoxLeft, comparison::kRelationBoxTop));
    // The box of the copy is disabled, so only the open one takes drops.
    dragger()->setDropHandler(left_, [this](Rod* r) { dropIn(Side::Left, r); });
    dragger()->setDropHandler(right_, [this](Rod* r) { dropIn(Side::Right, r); });

    sign_ = addLabel(container(), QStringLiteral("Label3"), QString(), toQRect(comparison::kRelationSign),
                     comparison::kRelationSignPoints);
    makeReadable(sign_);

    brasto_ = new RodCopy(QStringLiteral("brasto"), container());
    standIn(brasto_, left_, 1);
    putRodsIn(container());

    instruction_ = addLabel(board(), QStringLiteral("Label4"),
                            tr("Trascina un brasto che possa completare la relazione"),
                            toQRect(comparison::kRelationInstruction), comparison::kRelationInstructionPoints);
}

void RelationScreen::newProblem()
{
    Board::setControlColour(left_, kButtonFace);
    Board::setControlColour(right_, kButtonFace);
    SpostaBrasti();
    problem_ = drawRelationProblem(*context_.random);
    sign_->setText(QString::fromLatin1(signOf(problem_.relation())));
    brasto_->showRod(problem_.shownRod);
    standIn(brasto_, box(problem_.shownSide), problem_.shownRod);
    left_->setEnabled(problem_.shownSide == Side::Right);
    right_->setEnabled(problem_.shownSide == Side::Left);
}

void RelationScreen::SpostaBrasti()
{
    answered_ = nullptr;
    layTray();
}

void RelationScreen::dropIn(Side side, Rod* rod)
{
    // Only the open box is judged, and only while it is open.
    if (side == problem_.shownSide || !box(side)->isEnabled())
        return;
    if (!completesRelation(problem_, rod->number())) {
        // The rod stays in the tray and the box open: another rod may be tried.
        wrongAnswer();
        return;
    }
    answered_ = rod;
    rightAnswer();
}

void RelationScreen::lockAnswer()
{
    // The right rod is set in the open box, and both boxes close.
    const Side open = problem_.shownSide == Side::Left ? Side::Right : Side::Left;
    if (answered_) {
        answered_->setMovable(false);
        standIn(answered_, box(open), answered_->number());
    }
    left_->setEnabled(false);
    right_->setEnabled(false);
}

void RelationScreen::unlockAnswer()
{
    left_->setEnabled(true);
    right_->setEnabled(true);
}

QString RelationScreen::problemSentence() const
{
    return spoken::relation(problem_.shownRod, *signOf(problem_.relation()), problem_.shownSide == Side::Left);
}


ExerciseScreen* createRelationScreen(const ComparisonEntry& entry, AppContext& context)
{
    return new RelationScreen(entry, context);
}

std::vector<ShownMove> RelationScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    for (const Move& m : relationSolution(problem_)) {
        Place* target = box(static_cast<Side>(m.place));
        moves.push_back(ShownMove::lay(rod(m.rod), target, standingPlace(target, m.rod)));
    }
    return moves;
}

} // namespace brasti
