// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/numberswithtenscreen.h"

#include "common/accessibility.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/rodlaying.h"
#include "common/spoken.h"

#include <QFrame>
#include <QLabel>

namespace brasti {
namespace {

constexpr Bgr kBoxGrey = 0xC0C0C0;

} // namespace

NumbersWithTenScreen::NumbersWithTenScreen(const RodNumberEntry& entry, AppContext& context, QWidget* parent)
    : RodNumberScreen(entry, context, rodnumber::tensFrameLayout(), RodStance::Flat, parent)
{
    Board* b = board();
    addOperationsList(b, toQRect(rodnumber::kTensList));

    boxWidget_ = new Place(b, container(), QStringLiteral("Picture1"), tr("casella del numero"),
                           tr("nella casella del numero"), toQRect(rodnumber::kTensBox),
                           kBoxGrey);
    dragger()->setDropHandler(boxWidget_, [this](Rod* r) { dropOnBox(r); });

    label_ = new FitLabel(container());
    label_->setObjectName(QStringLiteral("Label3"));
    label_->setAlignment(Qt::AlignCenter);
    b->place(label_, toQRect(rodnumber::kTensLabel));
    b->setFontPoints(label_, rodnumber::kTensLabelPoints);
    makeReadable(label_);

    // Created after the box, so the rods lie on it; the second 10 lies on the first.
    putRodsIn(container());
    secondTen_ = addExtraRod(QStringLiteral("brasti2"), 10, container());
}

void NumbersWithTenScreen::SpostaBrasti()
{
    layOutTray(board(), kColumnTray, probeShuffle(*context_.random), [this](int k) {
        return k == 10 ? std::vector{rod(k), secondTen_} : std::vector{rod(k)};
    });
}

void NumbersWithTenScreen::newProblem()
{
    placedTen_ = nullptr;
    completing_ = nullptr;
    box_ = tensBox(drawTargetNumber(*context_.random));
    QRect place = Board::designRect(boxWidget_);
    place.setWidth(box_.length() * kUnitTwips);
    board()->place(boxWidget_, place);
    SpostaBrasti();
    label_->setText(QString::fromStdString(numberText(box_.length(), NumberDisplay::Word, *context_.speller)));
}

void NumbersWithTenScreen::dropOnBox(Rod* r)
{
    const LaidRod laid = box_.lay(r->number(), r == placedTen_);
    switch (laid.verdict) {
    case LayVerdict::Placed:
        // The 10, taken without a verdict, laid at the box's left end for
        // good: one rod cannot stand for both tens of 20.
        placedTen_ = r;
        layRodAlong(board(), boxWidget_, r, laid.atUnits);
        break;
    case LayVerdict::Completes:
        completing_ = r;
        rightAnswer();
        break;
    case LayVerdict::Wrong:
        wrongAnswer();
        break;
    case LayVerdict::Refused:
    case LayVerdict::Ignored:
        break;
    }
}

QString NumbersWithTenScreen::problemSentence() const
{
    std::vector<int> laid;
    for (const QPointer<Rod>& r : {placedTen_, completing_})
        if (r && !r->isMovable())
            laid.push_back(r->number());
    return spoken::numberWithTen(box_.length(), *context_.speller) + spoken::alreadyIn(boxWidget_->inside(), laid);
}

void NumbersWithTenScreen::afterRightAnswer()
{
    addOperationLine(QString::fromStdString(tensLine(box_.length(), completingRod(box_))));
}

void NumbersWithTenScreen::lockAnswer()
{
    // The completing rod lies right after the 10, and the box takes no more.
    if (completing_)
        layRodAlong(board(), boxWidget_, completing_, box_.length() - completing_->number());
    boxWidget_->setEnabled(false);
}

void NumbersWithTenScreen::unlockAnswer()
{
    boxWidget_->setEnabled(true);
}


ExerciseScreen* createNumbersWithTenScreen(const RodNumberEntry& entry, AppContext& context)
{
    return new NumbersWithTenScreen(entry, context);
}

std::vector<ShownMove> NumbersWithTenScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    std::vector<Rod*> taken;
    for (const Move& m : tensSolution(box_)) {
        const std::optional<ShownMove> laid = layAlong(boxWidget_, m, taken);
        if (!laid)
            return {};
        moves.push_back(*laid);
    }
    return moves;
}

} // namespace brasti
