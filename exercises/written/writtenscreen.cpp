// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/written/writtenscreen.h"

#include "common/accessibility.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/keyboard.h"
#include "common/pictures.h"
#include "common/spoken.h"
#include "common/rodlaying.h"

#include <QKeyEvent>
#include <QLabel>
#include <algorithm>

namespace brasti {
namespace {

constexpr Bgr kTargetGrey = 0xC0C0C0;
constexpr Bgr kWhite = 0xFFFFFF;

} // namespace

AnswerBox::AnswerBox(QWidget* parent) : QLineEdit(parent)
{
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    if (isEnterKey(event->key()) && !event->isAutoRepeat()) {
        // A repeat of a held key comes as a release and a press stamped with
        // one time. The window system's flag for it can be missing when the
        // two arrive apart; the shared stamp still tells the key never went
        // up, and the hold, already judged, stays judged.
        const bool stillHeld = lastRelease_ != 0 && event->timestamp() == lastRelease_;
        if (!stillHeld)
            judged_ = false;
        enterDown_ = true;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::keyReleaseEvent(QKeyEvent* event)
{
    if (!isEnterKey(event->key())) {
        QLineEdit::keyReleaseEvent(event);
        return;
    }
    event->accept();
    // Only the release that ends a press made here: not a repeat of a held
    // key, not the release of a press that began elsewhere.
    if (event->isAutoRepeat() || !enterDown_)
        return;
    enterDown_ = false;
    lastRelease_ = event->timestamp();
    if (judged_)
        return;
    judged_ = true;
    if (onEnterReleased)
        onEnterReleased();
}

void AnswerBox::focusOutEvent(QFocusEvent* event)
{
    enterDown_ = false;
    QLineEdit::focusOutEvent(event);
}

void AnswerBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        enterDown_ = false;
    QLineEdit::changeEvent(event);
}

WrittenScreen::WrittenScreen(const WrittenEntry& entry, AppContext& context, QWidget* parent)
    : ExerciseScreen(context, entry.screen, entry.caption, written::frameLayout(entry.config.layout),
                     RodStance::Flat, parent),
      config_(entry.config)
{
    Board* b = board();
    const WrittenBoard kind = config_.rules.board;
    const bool addition = isAddition(kind);

    container()->setAccessibleName(tr("piano di lavoro"));

    // The target is Picture1, but on the subtraction board within 10 the
    // minuend is Picture1 and the target below it Picture2. Widths follow the problem.
    const bool targetIsUpper = addition;
    const bool upperIsPicture1 = kind != WrittenBoard::Subtraction20;
    const QString upperName = upperIsPicture1 ? QStringLiteral("Picture1") : QStringLiteral("Picture2");
    const QString lowerName = upperIsPicture1 ? QStringLiteral("Picture2") : QStringLiteral("Picture1");
    const QString upperAccessible = addition ? tr("barra della somma") : tr("barra del minuendo");
    const QString upperInside = addition ? tr("nella barra della somma") : tr("nella barra del minuendo");
    const QString lowerAccessible =
        addition ? tr("barra degli addendi") : tr("barra della differenza");
    const QString lowerInside = addition ? tr("nella barra degli addendi") : tr("nella barra della differenza");
    upper_ = new Place(b, container(), upperName, upperAccessible, upperInside,
                       QRect(config_.layout.barLeft, written::upperBarTop(kind), kUnitTwips, kUnitTwips),
                       targetIsUpper ? kTargetGrey : kButtonFace);
    lower_ = new Place(b, container(), lowerName, lowerAccessible, lowerInside,
                       QRect(config_.layout.barLeft, written::lowerBarTop(kind), kUnitTwips, kUnitTwips),
                       targetIsUpper ? kButtonFace : kTargetGrey);
    target_ = targetIsUpper ? upper_ : lower_;
    given_ = targetIsUpper ? lower_ : upper_;
    // Where no given rod covers it (the minuend within 10), the keyboard reads it.
    makeReadable(given_);
    dragger()->setDropHandler(target_, [this](Rod* rod) { dropOnBar(rod); });

    // The given rods lie on the bars, above them and below the tray rods.
    copy1_ = new RodCopy(QStringLiteral("brasto1"), container());
    if (kind != WrittenBoard::Subtraction10)
        copy2_ = new RodCopy(QStringLiteral("brasto2"), container());
    if (kind == WrittenBoard::Subtraction20)
        copy3_ = new RodCopy(QStringLiteral("Brasto3"), container());

    if (config_.layout.label3.width > 0) {
        label3_ = new FitLabel(container());
        label3_->setObjectName(QStringLiteral("Label3"));
        label3_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        b->place(label3_, toQRect(config_.layout.label3));
        b->setFontPoints(label3_, written::kLabel3Points);
        Board::setControlColour(label3_, kWhite);
        makeReadable(label3_);
    }

    text1_ = new AnswerBox(container());
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(tr("risposta"));
    b->place(text1_, toQRect(config_.layout.text1));
    b->setFontPoints(text1_, config_.layout.text1Points);
    text1_->onEnterReleased = [this] { judgeTypedAnswer(); };

    // Created last, so the rods lie above the bars and the given rods.
    putRodsIn(container());
    // Within 20 the bar may need two tens (10 + 10): a second rod of 10
    // lies on the tray rod 10's place.
    if (isWithinTwenty(kind))
        secondTen_ = addExtraRod(QStringLiteral("brasti2"), 10, container());
}

void WrittenScreen::showCopy(RodCopy* copy, int k, int left, int top)
{
    copy->showRod(k);
    board()->place(copy, QRect(left, top, k * kUnitTwips, written::kCopyHeight));
}

void WrittenScreen::newProblem()
{
    problem_ = drawProblem(config_.rules.board, *context_.random);
    text1_->clear();
    text1_->setEnabled(false);

    const int left = config_.layout.barLeft;
    const int width = problem_.barLength() * kUnitTwips;
    for (QWidget* bar : {upper_, lower_})
        board()->place(bar, QRect(QPoint(left, Board::designRect(bar).top()), QSize(width, kUnitTwips)));

    const int givenTop = Board::designRect(given_).top();
    switch (config_.rules.board) {
    case WrittenBoard::Addition10:
    case WrittenBoard::Addition20:
        showCopy(copy1_, problem_.first, left, givenTop);
        showCopy(copy2_, problem_.second, left + problem_.first * kUnitTwips, givenTop);
        break;
    case WrittenBoard::Subtraction10:
        // The minuend is a bar in its rod's colour, read as that rod.
        Board::setControlColour(given_, rodColour(problem_.first));
        given_->setAccessibleDescription(spoken::aslongAs(problem_.first));
        showCopy(copy1_, problem_.second, left, Board::designRect(target_).top());
        break;
    case WrittenBoard::Subtraction20:
        // The minuend as a 10 and its units; the subtrahend starts the target bar.
        showCopy(copy1_, 10, left, givenTop);
        showCopy(copy2_, problem_.first - 10, left + 10 * kUnitTwips, givenTop);
        showCopy(copy3_, problem_.second, left, Board::designRect(target_).top());
        break;
    }
    if (label3_) {
        label3_->setText(QString::fromStdString(printedOperation(problem_)));
        label3_->setAccessibleName(spoken::operationInWords(label3_->text()));
    }
    fill_ = barToFill(problem_);
    SpostaBrasti();
}

QString WrittenScreen::problemSentence() const
{
    const bool result = config_.rules.mode == AnswerMode::ResultMode;
    const int first = problem_.first;
    const int second = problem_.second;
    const QString task = isAddition(config_.rules.board)
                             ? (result ? spoken::additionResult(first, second) : spoken::additionOperation(first, second))
                             : (result ? spoken::subtractionResult(first, second)
                                       : spoken::subtractionOperation(first, second));
    return task + spoken::alreadyIn(target_->inside(), fill_.laid());
}

void WrittenScreen::SpostaBrasti()
{
    layOutTray(board(), kColumnTray, probeShuffle(*context_.random), [this](int k) {
        return k == 10 && secondTen_ ? std::vector{rod(k), secondTen_} : std::vector{rod(k)};
    });
    if (secondTen_) {
        // Always the one on top, so the tray's 10 is taken second; as tall as the given rods.
        board()->place(secondTen_, QRect(Board::designRect(rod(10)).topLeft(),
                                         QSize(10 * kUnitTwips, written::kCopyHeight)));
        secondTen_->raise();
    }
}

void WrittenScreen::dropOnBar(Rod* rod)
{
    const LaidRod laid = fill_.lay(rod->number());
    switch (laid.verdict) {
    case LayVerdict::Refused:
        // Only a hint: nothing moves, nothing is counted, the icons stay.
        context_.dialogs->inform(this, MessageIcon::None, kAppName, tr("puoi usare il brasto da 10"));
        return;
    case LayVerdict::Wrong:
        // Too long or not the one: the rod stays where it was.
        wrongAnswer();
        return;
    case LayVerdict::Ignored:
        return;
    case LayVerdict::Placed:
    case LayVerdict::Completes:
        break;
    }
    if (fill_.rule() == FillRule::TensFirst) {
        // Each rod that fits is a step well taken, shown without a count.
        rightStep();
    }
    layRodAlong(board(), target_, rod, laid.atUnits);
    if (laid.verdict == LayVerdict::Completes) {
        text1_->setEnabled(true);
        text1_->setFocus(Qt::OtherFocusReason);
    }
}

void WrittenScreen::judgeTypedAnswer()
{
    // A release queued before the box was closed must not count.
    if (!text1_->isEnabled())
        return;
    const std::string typed = text1_->text().toStdString();
    if (CheckTypedAnswer(typed, config_.rules.mode, expectedAnswer(problem_)))
        rightAnswer();
    else
        wrongAnswer(); // the text stays, to be corrected
}

void WrittenScreen::lockAnswer()
{
    text1_->setEnabled(false);
}

void WrittenScreen::unlockAnswer()
{
    // The box opens again only when the next problem's bar is filled.
}

ExerciseScreen* createWrittenScreen(const WrittenEntry& entry, AppContext& context)
{
    return new WrittenScreen(entry, context);
}

std::vector<ShownMove> WrittenScreen::shownMoves() const
{
    std::vector<ShownMove> moves;
    std::vector<Rod*> taken;
    for (const Move& m : writtenSolution(config_.rules, problem_, fill_)) {
        switch (m.kind) {
        case Move::Kind::Lay: {
            const std::optional<ShownMove> laid = layAlong(target_, m, taken);
            if (!laid)
                return {};
            moves.push_back(*laid);
            break;
        }
        case Move::Kind::Type:
            moves.push_back(ShownMove::type(text1_, QString::fromStdString(m.text)));
            break;
        case Move::Kind::Press:
            break; // Enter is no button to show: the typed answer is the last move
        case Move::Kind::Back:
            break; // a written answer goes on from the rods laid, never starts again
        }
    }
    return moves;
}

} // namespace brasti
