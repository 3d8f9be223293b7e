// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/comparison/signscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/keyboard.h"
#include "common/spoken.h"
#include "common/texts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace brasti {
namespace {

struct SignButton {
    Relation sign;
    const char* name;
    const char* accessibleName;
};
constexpr std::array<SignButton, 3> kSignButtons = {{
    {Relation::Greater, "Command1", BRASTI_TEXT("brasti::SignScreen", "maggiore")},
    {Relation::Less, "Command2", BRASTI_TEXT("brasti::SignScreen", "minore")},
    {Relation::Equal, "Command3", BRASTI_TEXT("brasti::SignScreen", "uguale")},
}};

} // namespace

SignScreen::SignScreen(const ComparisonEntry& entry, AppContext& context, QWidget* parent)
    : ComparisonScreen(entry, context, parent)
{
    left_ = addBox(QStringLiteral("Picture1"), tr("scatola di sinistra"), tr("nella scatola di sinistra"),
                   QPoint(comparison::kSignLeftBoxLeft, comparison::kSignBoxTop));
    right_ = addBox(QStringLiteral("Picture2"), tr("scatola di destra"), tr("nella scatola di destra"),
                    QPoint(comparison::kSignRightBoxLeft, comparison::kSignBoxTop));
    brasto1_ = new RodCopy(QStringLiteral("brasto1"), container());
    brasto2_ = new RodCopy(QStringLiteral("brasto2"), container());
    standIn(brasto1_, left_, 1);
    standIn(brasto2_, right_, 1);

    // Between the two boxes; shown only while "avanti" waits.
    sign_ = addLabel(container(), QStringLiteral("Label3"), QString(), toQRect(comparison::kShownSign),
                     comparison::kShownSignPoints);
    sign_->hide();
    makeReadable(sign_);

    for (const SignButton& s : kSignButtons) {
        auto* button = new QPushButton(QString::fromLatin1(signOf(s.sign)), container());
        button->setObjectName(QString::fromLatin1(s.name));
        button->setAccessibleName(tr(s.accessibleName));
        board()->place(button, toQRect(comparison::signButtonPlace(s.sign)));
        board()->setFontPoints(button, comparison::kSignButtonPoints);
        Board::setControlColour(button, kSignButtonGrey);
        const Relation sign = s.sign;
        connect(button, &QPushButton::clicked, this, [this, sign] { signClicked(sign); });
        buttons_[static_cast<std::size_t>(sign)] = button;
    }

    for (int k = 1; k <= 10; ++k)
        rod(k)->hide();
}

void SignScreen::newProblem()
{
    Board::setControlColour(left_, kButtonFace);
    Board::setControlColour(right_, kButtonFace);
    problem_ = drawSignProblem(*context_.random);
    brasto1_->showRod(problem_.leftRod);
    standIn(brasto1_, left_, problem_.leftRod);
    brasto2_->showRod(problem_.rightRod);
    standIn(brasto2_, right_, problem_.rightRod);
}

void SignScreen::signClicked(Relation sign)
{
    // A click queued before the buttons were locked must not count again.
    if (!signButton(sign)->isEnabled())
        return;
    clicked_ = sign;
    if (isRightSign(problem_, sign))
        rightAnswer();
    else
        wrongAnswer();
}

void SignScreen::lockAnswer()
{
    for (QPushButton* b : buttons_)
        b->setEnabled(false);
    Board::setControlColour(signButton(clicked_), kSignButtonRed);
    sign_->setText(QString::fromLatin1(signOf(clicked_)));
    sign_->setVisible(true);
}

void SignScreen::unlockAnswer()
{
    for (QPushButton* b : buttons_) {
        b->setEnabled(true);
        Board::setControlColour(b, kSignButtonGrey);
    }
    sign_->hide();
}

QString SignScreen::problemSentence() const
{
    return spoken::signBetween(problem_.leftRod, problem_.rightRod);
}


ExerciseScreen* createSignScreen(const ComparisonEntry& entry, AppContext& context)
{
    return new SignScreen(entry, context);
}

std::vector<ShownMove> SignScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    for (const Move& m : signSolution(problem_))
        moves.push_back(ShownMove::press(signButton(static_cast<Relation>(m.place))));
    return moves;
}

} // namespace brasti
