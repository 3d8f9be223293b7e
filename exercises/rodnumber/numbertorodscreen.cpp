// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/rodnumber/numbertorodscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/rodlaying.h"
#include "common/spoken.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

namespace brasti {

NumberToRodScreen::NumberToRodScreen(const RodNumberEntry& entry, AppContext& context, QWidget* parent)
    : RodNumberScreen(entry, context, FrameLayout{}, RodStance::Upright, parent)
{
    Board* b = board();
    label_ = new FitLabel(container());
    label_->setObjectName(QStringLiteral("Label3"));
    label_->setAlignment(Qt::AlignCenter);
    b->place(label_, toQRect(rodnumber::kNumberLabel));
    b->setFontPoints(label_, rodnumber::kNumberLabelPoints);
    makeReadable(label_);

    putRodsIn(container());
    // Installed after the frame's drag filter, so this one sees the rods'
    // mouse events first and keeps them from starting a drag.
    for (int k = 1; k <= 10; ++k)
        rod(k)->installEventFilter(this);

    QMenu* menu = addOwnMenu(QStringLiteral("mnuNumeri"), tr("Numeri in...") + QString(12, QLatin1Char(' ')));
    parola_ = menu->addAction(tr("parola"));
    parola_->setObjectName(QStringLiteral("mnuParola"));
    parola_->setCheckable(true);
    parola_->setChecked(true);
    connect(parola_, &QAction::triggered, this, [this] { chooseDisplay(NumberDisplay::Word); });
    cifre_ = menu->addAction(tr("cifre"));
    cifre_->setObjectName(QStringLiteral("mnucifre"));
    cifre_->setCheckable(true);
    connect(cifre_, &QAction::triggered, this, [this] { chooseDisplay(NumberDisplay::Digits); });
}

void NumberToRodScreen::SpostaBrasti()
{
    layOutTray(board(), rodnumber::kUprightTray, probeShuffle(*context_.random),
               [this](int k) { return std::vector{rod(k)}; });
    // After the rod's own cursor for an enabled rod: this one is clicked.
    for (int k = 1; k <= 10; ++k)
        rod(k)->setCursor(Qt::PointingHandCursor);
}

void NumberToRodScreen::newProblem()
{
    SpostaBrasti();
    targetRod_ = drawTargetRod(*context_.random);
    label_->setText(QString::fromStdString(numberText(targetRod_, display_, *context_.speller)));
}

void NumberToRodScreen::rodClicked(int k)
{
    // Hidden or locked rods give no answer, however the click arrives.
    if (k < 1 || k > 10 || !rod(k)->isMovable() || !rod(k)->isVisible())
        return;
    if (namesRod(targetRod_, k))
        rightAnswer();
    else
        wrongAnswer();
}

void NumberToRodScreen::lockAnswer()
{
    // Only the right rod stays on the screen, and it cannot be clicked again.
    for (int k = 1; k <= 10; ++k)
        rod(k)->hide();
    rod(targetRod_)->setVisible(true);
    rod(targetRod_)->setMovable(false);
}

void NumberToRodScreen::unlockAnswer()
{
    for (int k = 1; k <= 10; ++k) {
        rod(k)->setMovable(true);
        rod(k)->setVisible(true);
    }
}

void NumberToRodScreen::chooseDisplay(NumberDisplay display)
{
    display_ = display;
    parola_->setChecked(display == NumberDisplay::Word);
    cifre_->setChecked(display == NumberDisplay::Digits);
    poseProblem();
}

QString NumberToRodScreen::problemSentence() const
{
    return spoken::numberToRod(targetRod_, *context_.speller);
}

bool NumberToRodScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* r = qobject_cast<Rod*>(watched);
    if (!r)
        return RodNumberScreen::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Space or Enter on a focused rod clicks it; a key held down clicks once.
        auto* key = static_cast<QKeyEvent*>(event);
        if (!isActivationKey(key))
            return false;
        if (!key->isAutoRepeat())
            rodClicked(r->number());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && r->isMovable() && r->isVisible())
            pressed_ = r;
        return true;
    case QEvent::MouseMove:
        return true;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton)
            return true;
        // A click: pressed and released on the same rod.
        const bool click = pressed_ == r && r->rect().contains(me->position().toPoint());
        pressed_ = nullptr;
        if (click)
            rodClicked(r->number());
        return true;
    }
    default:
        return false;
    }
}


ExerciseScreen* createNumberToRodScreen(const RodNumberEntry& entry, AppContext& context)
{
    return new NumberToRodScreen(entry, context);
}

std::vector<ShownMove> NumberToRodScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    for (const Move& m : nameSolution(targetRod_))
        moves.push_back(ShownMove::press(rod(m.place)));
    return moves;
}

} // namespace brasti
