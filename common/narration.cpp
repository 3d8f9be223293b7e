// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/narration.h"

#include "common/accessibility.h"
#include "common/board.h"
#include "common/pictures.h"
#include "common/rod.h"
#include "common/speaker.h"
#include "common/spoken.h"

#include <utility>

namespace brasti {

Narration::Narration(Board* board, RodDragger* dragger, std::function<QString()> problemSentence, Speaker* speaker)
    : problemNotice_(new Notice(QStringLiteral("avvisoProblema"), board, problemSentence)),
      moveNotice_(new Notice(QStringLiteral("avvisoMossa"), board)), problemSentence_(std::move(problemSentence)),
      speaker_(speaker)
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
    speakSoon();
}

void Narration::announceProblem()
{
    problemNotice_->announceSoon();
    speakSoon();
}

void Narration::speakSoon()
{
    if (!speaker_ || !speaker_->speaks() || std::exchange(speakPosted_, true))
        return;
    // Dropped with the narration if its screen goes first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            speakPosted_ = false;
            if (problemSentence_ && problemNotice_->window()->isVisible())
                speaker_->say(problemSentence_(), this);
        },
        Qt::QueuedConnection);
}

void Narration::forgetProblem()
{
    problemNotice_->setSource({});
    problemSentence_ = {};
    // Nothing more is said for a screen on its way out.
    if (speaker_)
        speaker_->forget(this);
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
