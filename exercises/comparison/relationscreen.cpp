// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/comparison/relationscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/spoken.h"
#include "common/texts.h"

#include <QFrame>
#include <QLabel>

namespace brasti {
namespace {

// The right box lies at Left 8040, beyond the width of the other screens'
// containers, so this one is wider and its column narrower.
constexpr QRect kContainer{0, 0, 8700, 4800};
constexpr int kColumnLeft = 8760;
constexpr int kColumnWidth = 1200;
constexpr int kBoxTop = 840;

} // namespace

RelationScreen::RelationScreen(AppContext& context, QWidget* parent)
    : ComparisonScreen(8, exerciseCaption(BRASTI_TEXT("brasti::Exercises", "trova il   > < =")), 0x008080, kContainer, kColumnLeft, kColumnWidth,
                       kContainer.height() - 855, context, parent)
{
    left_ = addBox(QStringLiteral("Picture1"), tr("scatola a sinistra del segno"),
                   tr("nella scatola a sinistra del segno"), QPoint(5880, kBoxTop));
    right_ = addBox(QStringLiteral("Picture3"), tr("scatola a destra del segno"),
                    tr("nella scatola a destra del segno"), QPoint(8040, kBoxTop));
    // The box of the copy is disabled, so only the open one takes drops.
    dragger()->setDropHandler(left_, [this](Rod* r) { dropIn(Side::Left, r); });
    dragger()->setDropHandler(right_, [this](Rod* r) { dropIn(Side::Right, r); });

    // Centred between the two boxes.
    sign_ = addLabel(container(), QStringLiteral("Label3"), QString(), QRect(6525, 1980, 1215, 1215), 40);
    makeReadable(sign_);

    brasto_ = new RodCopy(QStringLiteral("brasto"), container());
    standIn(brasto_, left_, 1);
    putRodsIn(container());

    instruction_ = addLabel(board(), QStringLiteral("Label4"),
                            tr("Trascina un brasto che possa completare la relazione"),
                            QRect(240, 5040, 8220, 735), 12);
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

} // namespace brasti
