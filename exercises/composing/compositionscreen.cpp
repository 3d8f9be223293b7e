// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/composing/compositionscreen.h"

#include "common/accessibility.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/pictures.h"
#include "common/spoken.h"
#include "common/rodlaying.h"
#include "exercises/composing/composinglayout.h"

#include <QFrame>

namespace brasti {

CompositionScreen::CompositionScreen(const ComposingEntry& entry, AppContext& context, QWidget* parent)
    : ExerciseScreen(context, entry.screen, entry.caption,
                     composing::frameLayout(std::get<CompositionConfig>(entry.config).layout.frame), RodStance::Flat,
                     parent),
      config_(std::get<CompositionConfig>(entry.config))
{
    Board* b = board();


    const bool tens = config_.kind != CompositionKind::BuildRod;
    targetBar_ = new Place(b, container(), QStringLiteral("Picture1"), tens ? tr("barra del 10") : tr("brasto da comporre"),
                           tens ? tr("nella barra del 10") : tr("nel brasto da comporre"),
                           toQRect(config_.layout.targetBar), tens ? rodColour(10) : kButtonFace);
    makeReadable(targetBar_);
    if (config_.layout.unitsBar) {
        const bool twenty = config_.kind == CompositionKind::Twenty;
        unitsBar_ = new Place(b, container(), QStringLiteral("Picture3"),
                              twenty ? tr("seconda barra del 10") : tr("unità da comporre"),
                              twenty ? tr("nella seconda barra del 10") : tr("nell'unità da comporre"),
                              toQRect(*config_.layout.unitsBar), rodColour(10));
        makeReadable(unitsBar_);
    }
    row_ = new Place(b, container(), QStringLiteral("Picture2"), tr("riga da riempire"), tr("nella riga da riempire"),
                     toQRect(config_.layout.row), kButtonFace);
    dragger()->setDropHandler(row_, [this](Rod* rod) { dropOnRow(rod); });

    // The rods lie above the rows; within a slot brasti2 lies uppermost.
    putRodsIn(container());
    for (int k = 1; k <= 10; ++k)
        sets_[0][static_cast<std::size_t>(k - 1)] = rod(k);
    for (int set = 1; set <= 2; ++set)
        for (int k = 1; k <= 10; ++k)
            sets_[static_cast<std::size_t>(set)][static_cast<std::size_t>(k - 1)] =
                addExtraRod(QStringLiteral("brasti%1").arg(set), k, container());

    addOperationsList(container(), toQRect(config_.layout.list), config_.layout.menuBlanks);
}

Rod* CompositionScreen::rodOfSet(int set, int k) const
{
    return sets_.at(static_cast<std::size_t>(set)).at(static_cast<std::size_t>(k - 1));
}

Rod* CompositionScreen::rodAtHand(int k) const
{
    for (int set = 2; set >= 0; --set) {
        Rod* r = rodOfSet(set, k);
        if (std::find(laid_.begin(), laid_.end(), r) == laid_.end())
            return r;
    }
    return nullptr;
}

std::vector<Rod*> CompositionScreen::rodsInRow() const
{
    return laid_;
}

QString CompositionScreen::problemSentence() const
{
    const int target = composition_.length();
    std::vector<int> laid;
    for (const Rod* r : laid_)
        laid.push_back(r->number());
    const QString task =
        config_.kind == CompositionKind::BuildRod ? spoken::composeRod(target) : spoken::composeWithTen(target);
    return task + spoken::alreadyIn(row_->inside(), laid);
}

void CompositionScreen::newProblem()
{
    const CompositionProblem problem = drawCompositionProblem(config_.kind, *context_.random);
    composition_ = compositionRow(problem);
    closing_ = nullptr;

    const int targetWidth = problem.target * kUnitTwips;
    if (config_.kind == CompositionKind::BuildRod) {
        QRect bar = toQRect(config_.layout.targetBar);
        bar.setWidth(targetWidth);
        board()->place(targetBar_, bar);
        Board::setControlColour(targetBar_, rodColour(problem.target));
        targetBar_->setAccessibleDescription(spoken::rod(problem.target));
    } else {
        const int units = problem.target - 10;
        QRect bar = toQRect(*config_.layout.unitsBar);
        bar.setWidth(units * kUnitTwips);
        board()->place(unitsBar_, bar);
        Board::setControlColour(unitsBar_, rodColour(units));
        unitsBar_->setAccessibleDescription(spoken::rod(units));
    }
    QRect rowPlace = toQRect(config_.layout.row);
    rowPlace.setWidth(targetWidth);
    board()->place(row_, rowPlace);

    SpostaBrasti();

    // The given part starts the row, taken from the lowest set; the other
    // two rods of its number stay in the slot.
    int units = 0;
    for (int part : givenParts(problem.given)) {
        layInRow(rodOfSet(0, part), units);
        units += part;
    }
}

void CompositionScreen::SpostaBrasti()
{
    laid_.clear();
    layOutTray(board(), kColumnTray, probeShuffle(*context_.random), [this](int k) { return rodsOfNumber(k); });
}

std::vector<Rod*> CompositionScreen::rodsOfNumber(int k) const
{
    return {rodOfSet(0, k), rodOfSet(1, k), rodOfSet(2, k)};
}

void CompositionScreen::layInRow(Rod* rod, int units)
{
    layRodAlong(board(), row_, rod, units);
    laid_.push_back(rod);
}

void CompositionScreen::dropOnRow(Rod* rod)
{
    // A rod already in the row cannot be dragged, so its flag is only a guard.
    const bool inRow = std::find(laid_.begin(), laid_.end(), rod) != laid_.end();
    const LaidRod laid = composition_.lay(rod->number(), inRow);
    switch (laid.verdict) {
    case LayVerdict::Placed:
        // A step towards the answer: the right icon, but no count and no sound.
        rightStep();
        layInRow(rod, laid.atUnits);
        break;
    case LayVerdict::Completes:
        closing_ = rod;
        rightAnswer();
        break;
    case LayVerdict::Wrong:
        // The rod stays where it was, and so does the row.
        wrongAnswer();
        break;
    case LayVerdict::Refused:
    case LayVerdict::Ignored:
        break;
    }
}

void CompositionScreen::afterRightAnswer()
{
    addOperationLine(QString::fromStdString(compositionText(composition_)));
}

void CompositionScreen::lockAnswer()
{
    if (closing_)
        layInRow(closing_, composition_.filled() - closing_->number());
    row_->setEnabled(false);
}

void CompositionScreen::unlockAnswer()
{
    row_->setEnabled(true);
}


ExerciseScreen* createCompositionScreen(const ComposingEntry& entry, AppContext& context)
{
    return new CompositionScreen(entry, context);
}

std::vector<ShownMove> CompositionScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    std::vector<Rod*> taken;
    for (const Move& m : compositionSolution(composition_)) {
        const std::optional<ShownMove> laid = layAlong(row_, m, taken);
        if (!laid)
            return {};
        moves.push_back(*laid);
    }
    return moves;
}

} // namespace brasti
