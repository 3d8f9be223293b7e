// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What screen readers hear of an exercise screen besides its controls: the
// problem whenever one is posed or asked for again, where a rod lies after
// each move, and each verdict. A verdict given by a drop waits until the
// place is told, so that a child hears what was done before whether it counted.
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace brasti {

class Board;
class Notice;
class PictureBox;
class Rod;
class RodDragger;
class Speaker;

class Narration final : public QObject {
    Q_OBJECT
public:
    // `problemSentence` is asked for the problem's sentence whenever it is
    // told; the program's own voice, if any, says it too.
    Narration(Board* board, RodDragger* dragger, std::function<QString()> problemSentence, Speaker* speaker);
    ~Narration() override;

    // The icons whose showing tells a verdict; they share one place.
    void setVerdictIcons(PictureBox* right, PictureBox* wrong);

    // A new problem was posed: screen readers hear it.
    void problemPosed();
    // Screen readers hear the problem again.
    void announceProblem();
    // A verdict: its icon shows, the other goes, and screen readers hear it
    // (during a drop, once the drop is told).
    void tellVerdict(PictureBox* icon);
    // The screen's own part is gone, and its sentence with it; the notice,
    // going later with the other controls, may still be asked.
    void forgetProblem();

    Notice* problemNotice() const { return problemNotice_; }
    Notice* moveNotice() const { return moveNotice_; }

private:
    // After a drop: where the rod now lies, if the drop laid it somewhere
    // and posed no new problem; then the verdicts the drop gave.
    void tellWhereDropped(Rod* rod);
    // The voice says the problem once the event being handled is over, on
    // a screen still showing.
    void speakSoon();

    Notice* problemNotice_;
    Notice* moveNotice_;
    std::function<QString()> problemSentence_;
    Speaker* speaker_;
    bool speakPosted_ = false;
    PictureBox* right_ = nullptr;
    PictureBox* wrong_ = nullptr;
    // Problems posed so far, and as a drop began, with the rod's place then.
    unsigned problemsPosed_ = 0;
    unsigned problemsAtDrop_ = 0;
    QRect rodAtDrop_;
    bool dropping_ = false;
    std::vector<PictureBox*> heldVerdicts_;
};

} // namespace brasti
