// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/numberswithtenscreen.h"

#include "common/accessibility.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/keyboard.h"
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
    const std::array<int, 10> rows = placeOfEachRod(*context_.random);
    for (int k = 1; k <= 10; ++k) {
        rod(k)->setMovable(true);
        const int row = rows[static_cast<std::size_t>(k - 1)];
        board()->moveTo(rod(k), QPoint(rodnumber::kTrayRodLeft, rodnumber::trayRowTop(row)));
    }
    secondTen_->setMovable(true);
    board()->moveTo(secondTen_, QPoint(rodnumber::kTrayRodLeft, rodnumber::trayRowTop(rows[9])));
}

void NumbersWithTenScreen::newProblem()
{
    placedTen_ = nullptr;
    completing_ = nullptr;
    box_.reset(drawTargetNumber(*context_.random));
    QRect place = Board::designRect(boxWidget_);
    place.setWidth(box_.target() * kUnitTwips);
    board()->place(boxWidget_, place);
    SpostaBrasti();
    label_->setText(QString::fromStdString(numberText(box_.target(), NumberDisplay::Word, *context_.speller)));
}

void NumbersWithTenScreen::dropOnBox(Rod* r)
{
    switch (box_.drop(r->number(), r == placedTen_)) {
    case TensBox::Outcome::TenPlaced:
        // Laid at the box's left end for good: one rod cannot stand for both tens of 20.
        placedTen_ = r;
        r->setMovable(false);
        board()->moveTo(r, Board::designRect(boxWidget_).topLeft());
        break;
    case TensBox::Outcome::Right:
        completing_ = r;
        rightAnswer();
        break;
    case TensBox::Outcome::Wrong:
        wrongAnswer();
        break;
    case TensBox::Outcome::Ignored:
        break;
    }
}

QString NumbersWithTenScreen::problemSentence() const
{
    std::vector<int> laid;
    for (const QPointer<Rod>& r : {placedTen_, completing_})
        if (r && !r->isMovable())
            laid.push_back(r->number());
    return spoken::numberWithTen(box_.target(), *context_.speller) + spoken::alreadyIn(boxWidget_->inside(), laid);
}

void NumbersWithTenScreen::afterRightAnswer()
{
    addOperationLine(QString::fromStdString(tensLine(box_.target(), box_.completingRod())));
}

void NumbersWithTenScreen::lockAnswer()
{
    // The completing rod lies right after the 10, and the box takes no more.
    if (completing_) {
        const QRect place = Board::designRect(boxWidget_);
        const int width = Board::designRect(completing_).width();
        completing_->setMovable(false);
        board()->moveTo(completing_, QPoint(place.left() + place.width() - width, place.top()));
    }
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
