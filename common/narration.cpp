// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/narration.h"

#include "common/accessibility.h"
#include "common/board.h"
#include "common/pictures.h"
#include "common/rod.h"
#include "common/spoken.h"

#include <utility>

namespace brasti {

Narration::Narration(Board* board, RodDragger* dragger, std::function<QString()> problemSentence)
    : problemNotice_(new Notice(QStringLiteral("avvisoProblema"), board, std::move(problemSentence))),
      moveNotice_(new Notice(QStringLiteral("avvisoMossa"), board))
{
    connect(dragger, &RodDragger::aboutToDrop, this, [this](Rod* r) {
        problemsAtDrop_ = problemsPosed_;
        rodAtDrop_ = Board::designRect(r);
        dropping_ = true;
    });
    connect(dragger, &RodDragger::dropHandled, this, &Narration::tellWhereDropped);
}

Narration::~Narration()
{
    forgetProblem();
}

void Narration::setVerdictIcons(PictureBox* right, PictureBox* wrong)
{
    right_ = right;
    wrong_ = wrong;
}

void Narration::problemPosed()
{
    ++problemsPosed_;
    problemNotice_->announceSoon();
}

void Narration::announceProblem()
{
    problemNotice_->announceSoon();
}

void Narration::forgetProblem()
{
    problemNotice_->setSource({});
}

void Narration::tellWhereDropped(Rod* r)
{
    dropping_ = false;
    if (r && screenReaderListens() && problemsPosed_ == problemsAtDrop_ && Board::designRect(r) != rodAtDrop_) {
        const QString where = whereItLies(r);
        if (!where.isEmpty())
            moveNotice_->say(spoken::placed(r->number(), where));
    }
    const auto held = std::exchange(heldVerdicts_, {});
    for (PictureBox* icon : held)
        tellVerdict(icon);
}

void Narration::tellVerdict(PictureBox* icon)
{
    if (dropping_) {
        heldVerdicts_.push_back(icon);
        return;
    }
    const bool wasShowing = !icon->isHidden();
    icon->setVisible(true);
    (icon == right_ ? wrong_ : right_)->hide();
    announce(icon, wasShowing);
}

} // namespace brasti
