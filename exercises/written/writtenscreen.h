// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The written-arithmetic screens: the child builds the result of an addition
// or a subtraction with rods on a bar, which opens the answer box, and then
// types either the result after the printed operation or the whole
// operation, judged on the release of Enter. One class, set up from its row
// of the table in written.h.
#include "common/place.h"
#include "common/exercisescreen.h"
#include "exercises/written/written.h"

#include <functional>

#include <QLineEdit>

class QLabel;

namespace brasti {

class RodCopy;

// The answer box Text1: reports the release of Enter (either Enter key)
// that ends a press made in the box. The repeats of a held key are
// ignored, so a key held down gives one answer.
class AnswerBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget* parent);
    std::function<void()> onEnterReleased;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool enterDown_ = false; // a press of Enter made here, not yet released
    bool judged_ = false;    // this press of Enter was judged already
    quint64 lastRelease_ = 0;
};

class WrittenScreen final : public ExerciseScreen {
    Q_OBJECT
public:
    WrittenScreen(const WrittenEntry& entry, AppContext& context, QWidget* parent = nullptr);

    // Lays the tray out afresh: rods back in the column, in a new order, free to drag.
    void SpostaBrasti();
    // Text1_KeyUp on Enter: judges the typed text.
    void judgeTypedAnswer();

    const WrittenConfig& config() const { return config_; }
    const WrittenProblem& problem() const { return problem_; }
    const RodFill& barFill() const { return fill_; }
    // The bar the child fills with rods, and the bar with the given numbers.
    Place* targetBar() const { return target_; }
    Place* givenBar() const { return given_; }
    // The printed operation Label3, or nullptr on the screens without one.
    QLabel* printedOperationLabel() const { return label3_; }
    AnswerBox* answerBox() const { return text1_; }
    // The second rod of 10 (brasti2_10) within 20, or nullptr.
    Rod* secondTen() const { return secondTen_; }
    QString problemSentence() const override;
    std::vector<ShownMove> shownMoves() const override;

protected:
    void newProblem() override;
    void lockAnswer() override;
    void unlockAnswer() override;

private:
    void dropOnBar(Rod* rod);
    void showCopy(RodCopy* copy, int k, int left, int top);

    const WrittenConfig& config_;
    Place* upper_;
    Place* lower_;
    Place* target_;
    Place* given_;
    RodCopy* copy1_;
    RodCopy* copy2_ = nullptr;
    RodCopy* copy3_ = nullptr;
    Rod* secondTen_ = nullptr;
    QLabel* label3_ = nullptr;
    AnswerBox* text1_;

    WrittenProblem problem_;
    RodFill fill_;
};

} // namespace brasti
