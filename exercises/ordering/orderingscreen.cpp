// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/ordering/orderingscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/controls.h"
#include "common/dialogs.h"
#include "common/keyboard.h"
#include "common/pictures.h"
#include "common/spoken.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace brasti {
namespace {

QPushButton* makeButton(Board* board, const QString& name, Picture picture, const QString& text, TwipsRect place)
{
    // Icon above a wrapping caption, as on "avanti".
    auto* button = new WrapButton(pictureIcon(picture), text, board);
    button->setObjectName(name);
    board->place(button, toQRect(place));
    board->setFontPoints(button, ordering::kButtonPoints);
    return button;
}

} // namespace

OrderingScreen::OrderingScreen(const OrderingEntry& entry, AppContext& context, QWidget* parent)
    : ExerciseScreen(context, entry.screen, entry.caption, ordering::frameLayout(entry.config.layout),
                     RodStance::Flat, parent),
      config_(entry.config), slots_(entry.config.rules.slotCount)
{
    Board* b = board();


    for (int i = 1; i <= config_.rules.slotCount; ++i) {
        auto* slot = new Place(b, container(), QStringLiteral("Picture1_%1").arg(i), tr("casella %1").arg(i),
                               tr("nella casella %1").arg(i), toQRect(ordering::slotPlace(config_.layout, i)),
                               kButtonFace);
        dragger()->setDropHandler(slot, [this, i](Rod* rod) { dropOnSlot(i, rod); });
        slotWidgets_.push_back(slot);
    }
    // Created after the slots, so the rods lie on top of them.
    putRodsIn(container());

    instruction_ = new FitLabel(tr("ordina dal minore al maggiore "), b);
    instruction_->setObjectName(QStringLiteral("Label3"));
    instruction_->setWordWrap(true);
    b->place(instruction_, toQRect(ordering::kInstruction));
    b->setFontPoints(instruction_, ordering::kInstructionPoints);
    // Which way to order is part of the problem.
    makeReadable(instruction_);

    ricomincia_ = makeButton(b, QStringLiteral("Command3D1"), Picture::Ricomincia, tr("Ricomincia"),
                             ordering::kRicomincia);
    connect(ricomincia_, &QPushButton::clicked, this, &OrderingScreen::ricomincia);
    conferma_ = makeButton(b, QStringLiteral("SSCommand1"), Picture::Conferma, tr("Conferma"), ordering::kConferma);
    connect(conferma_, &QPushButton::clicked, this, &OrderingScreen::conferma);

    QMenu* menu = addOwnMenu(QStringLiteral("mnuOrdina"), tr("Tipo di ordinamento") + QString(10, QLatin1Char(' ')));
    cresce_ = menu->addAction(tr("crescente"));
    cresce_->setObjectName(QStringLiteral("mnuCresce"));
    cresce_->setCheckable(true);
    cresce_->setChecked(true);
    connect(cresce_, &QAction::triggered, this, &OrderingScreen::chooseAscending);
    decresce_ = menu->addAction(tr("decrescente"));
    decresce_->setObjectName(QStringLiteral("mnuDecresce"));
    decresce_->setCheckable(true);
    connect(decresce_, &QAction::triggered, this, &OrderingScreen::chooseDescending);
}

Place* OrderingScreen::slot(int i) const
{
    return slotWidgets_.at(static_cast<std::size_t>(i - 1));
}

void OrderingScreen::CaricaColori()
{
    board()->setBackground(drawBackground(*context_.random, kOrderingColours));
}

void OrderingScreen::initialSettings()
{
    setAscending(true);
}

void OrderingScreen::newProblem()
{
    CaricaColori();
    if (!config_.rules.allRods) {
        // Only the rods drawn now will be shown again.
        for (int k = 1; k <= 10; ++k) {
            rod(k)->hide();
            board()->moveTo(rod(k), QPoint(Board::designRect(rod(k)).left(), 0));
        }
        drawn_ = drawDifferentRods(*context_.random, config_.rules.slotCount);
    }
    SpostaBrasti();
}

void OrderingScreen::SpostaBrasti()
{
    // The record of the slots is cleared with their tags, so that a freed
    // slot can never be refused by a stale record.
    slots_.clear();
    for (Place* slot : slotWidgets_) {
        Board::setControlColour(slot, kButtonFace);
        slot->setOccupied(false);
    }
    for (int k = 1; k <= 10; ++k)
        rod(k)->setMovable(true);
    const std::vector<int> order = startOrder(config_.rules, drawn_, *context_.random);
    for (std::size_t place = 0; place < order.size(); ++place)
        board()->moveTo(rod(order[place]),
                        QPoint(ordering::kRodStartLeft, ordering::startTop(config_.rules.allRods, place)));
    for (int k : order)
        rod(k)->setVisible(true);
    rememberTrayPlaces();
}

void OrderingScreen::dropOnSlot(int slotIndex, Rod* rod)
{
    Place* target = slot(slotIndex);
    if (target->isOccupied())
        return;
    // Placed for good: only "Ricomincia" or a new problem frees it.
    rod->setMovable(false);
    board()->moveTo(rod, Board::designRect(target).topLeft());
    slots_.place(slotIndex, rod->number());
    target->setOccupied(true);
}

void OrderingScreen::conferma()
{
    // A click queued before the button was locked must not count again.
    if (!conferma_->isEnabled())
        return;
    if (!slots_.isFull()) {
        context_.dialogs->inform(this, MessageIcon::None, kAppName, tr("devi sistemare tutti i brasti!"));
        return;
    }
    if (slots_.isOrdered(ascending_))
        rightAnswer();
    else
        wrongAnswer();
}

void OrderingScreen::ricomincia()
{
    SpostaBrasti();
    announceProblem();
}

void OrderingScreen::lockAnswer()
{
    conferma_->setEnabled(false);
}

void OrderingScreen::unlockAnswer()
{
    conferma_->setEnabled(true);
}

void OrderingScreen::avantiClicked()
{
    poseProblem();
    unlockAnswer();
    avantiButton()->setEnabled(false);
}

void OrderingScreen::chooseAscending()
{
    setAscending(true);
}

void OrderingScreen::chooseDescending()
{
    setAscending(false);
}

void OrderingScreen::setAscending(bool ascending)
{
    ascending_ = ascending;
    cresce_->setChecked(ascending);
    decresce_->setChecked(!ascending);
    instruction_->setText(ascending ? tr("ordina dal minore al maggiore ") : tr("ordina dal maggiore al minore "));
}

QString OrderingScreen::problemSentence() const
{
    return spoken::ordering(ascending_, drawn_, config_.rules.slotCount);
}

ExerciseScreen* createOrderingScreen(const OrderingEntry& entry, AppContext& context)
{
    return new OrderingScreen(entry, context);
}

std::vector<ShownMove> OrderingScreen::shownMoves() const
{
    std::vector<int> inPlay = drawn_;
    if (config_.rules.allRods)
        inPlay = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::vector<ShownMove> moves;
    for (const Move& m : orderingSolution(inPlay, ascending_, slots_)) {
        if (m.kind == Move::Kind::Back) {
            moves.push_back(backToTray(m));
            continue;
        }
        if (m.kind != Move::Kind::Lay) {
            moves.push_back(ShownMove::press(m.place == kRicominciaControl ? ricomincia_ : conferma_));
            continue;
        }
        Rod* r = rod(m.rod);
        Place* target = slot(m.place);
        moves.push_back(ShownMove::lay(r, target, QRect(Board::designRect(target).topLeft(), Board::designRect(r).size())));
    }
    return moves;
}

} // namespace brasti
