// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/composing/singlerodscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/spoken.h"
#include "common/rodlaying.h"
#include "exercises/composing/composinglayout.h"

#include <QFrame>

namespace brasti {

SingleRodScreen::SingleRodScreen(const ComposingEntry& entry, AppContext& context, QWidget* parent)
    : ExerciseScreen(context, entry.screen, entry.caption, composing::frameLayout(composing::kSingleRodFrame),
                     RodStance::Flat, parent),
      config_(std::get<SingleRodConfig>(entry.config))
{
    Board* b = board();


    // Ten units long as designed; each problem sets the widths it needs.
    const QRect upperPlace = toQRect(composing::designedStrip(Strip::Upper));
    const QRect lowerPlace = toQRect(composing::designedStrip(Strip::Lower));
    if (config_.layout.tenBar) {
        upper_ = new Place(b, container(), QStringLiteral("Picture1"), tr("barra del 10"), tr("nella barra del 10"),
                           upperPlace, rodColour(10));
        makeReadable(upper_);
    } else {
        upper_ = new Place(b, container(), QStringLiteral("Picture1"), tr("striscia in alto"),
                           tr("nella striscia in alto"), upperPlace, 0xC0C0C0);
    }
    lower_ = new Place(b, container(), config_.layout.lowerArray ? QStringLiteral("Picture2_0") : QStringLiteral("Picture2"),
                       tr("striscia in basso"), tr("nella striscia in basso"), lowerPlace, kButtonFace);
    for (Strip which : {Strip::Upper, Strip::Lower})
        if (checkOf(which) != Check::None)
            dragger()->setDropHandler(strip(which), [this, which](Rod* rod) { dropOnStrip(which, rod); });

    putRodsIn(container());

    // The given rods lie above the strips and the tray: a drop on one reaches
    // nothing, which is what keeps a covered strip out of reach.
    const QStringList names = config_.rules.kind == ProblemKind::MakeTen
                                  ? QStringList{QStringLiteral("brasto")}
                                  : QStringList{QStringLiteral("brasto1"), QStringLiteral("brasto2")};
    for (const QString& name : names) {
        auto* display = new RodCopy(name, container());
        b->place(display, toQRect(composing::kDesignedGivenRod));
        displays_.push_back(display);
    }

    addOperationsList(container(), toQRect(composing::kSingleRodList));
}

RodCopy* SingleRodScreen::givenRodDisplay(const QString& name) const
{
    for (RodCopy* d : displays_)
        if (d->objectName() == name)
            return d;
    return nullptr;
}

QString SingleRodScreen::problemSentence() const
{
    switch (problem_.kind) {
    case ProblemKind::MakeTen:
        return spoken::makeTen(problem_.firstPart);
    case ProblemKind::Sum:
        return spoken::sum(problem_.firstPart, problem_.secondPart);
    case ProblemKind::Difference:
        break;
    }
    return spoken::difference(problem_.whole(), problem_.firstPart);
}

void SingleRodScreen::newProblem()
{
    problem_ = drawSingleRodProblem(config_.rules, *context_.random);
    answered_ = nullptr;
    board()->place(upper_, toQRect(composing::stripPlace(Strip::Upper, problem_)));
    board()->place(lower_, toQRect(composing::stripPlace(Strip::Lower, problem_)));
    for (const GivenRod& given : givenRods(problem_)) {
        if (RodCopy* display = givenRodDisplay(QString::fromLatin1(given.name))) {
            display->showRod(given.rod);
            board()->place(display, toQRect(composing::givenRodPlace(given)));
            display->raise();
        }
    }
    SpostaBrasti();
}

void SingleRodScreen::SpostaBrasti()
{
    layOutTray(board(), kColumnTray, probeShuffle(*context_.random), [this](int k) { return std::vector{rod(k)}; });
}

void SingleRodScreen::dropOnStrip(Strip which, Rod* rod)
{
    const Check check = checkOf(which);
    if (rod->number() != rightRod(check, problem_)) {
        // The rod stays where it was; the child may try again.
        wrongAnswer();
        return;
    }
    answered_ = rod;
    answeredStrip_ = which;
    rightAnswer();
}

void SingleRodScreen::afterRightAnswer()
{
    if (answered_)
        addOperationLine(QString::fromStdString(
            singleRodLine(checkOf(answeredStrip_), problem_, answered_->number())));
}

void SingleRodScreen::lockAnswer()
{
    // The rod fills the gap beside the given rods and stays there until the next problem.
    if (answered_)
        layRodAlong(board(), strip(answeredStrip_), answered_, problem_.whole() - answered_->number());
    upper_->setEnabled(false);
    lower_->setEnabled(false);
}

void SingleRodScreen::unlockAnswer()
{
    upper_->setEnabled(true);
    lower_->setEnabled(true);
}


ExerciseScreen* createSingleRodScreen(const ComposingEntry& entry, AppContext& context)
{
    return new SingleRodScreen(entry, context);
}

std::vector<ShownMove> SingleRodScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    for (const Move& m : singleRodSolution(config_.rules, problem_)) {
        const auto which = static_cast<Strip>(m.place);
        moves.push_back(ShownMove::lay(rod(m.rod), strip(which), alongPlace(strip(which), rod(m.rod), m.atUnits)));
    }
    return moves;
}

} // namespace brasti
