// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/exercisescreen.h"

#include "common/accessibility.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/controls.h"
#include "common/counters.h"
#include "common/dialogs.h"
#include "common/narration.h"
#include "common/operationslist.h"
#include "common/pictures.h"
#include "common/rodlaying.h"
#include "common/runsummary.h"
#include "common/services.h"
#include "common/speaker.h"
#include "common/spoken.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <utility>

namespace brasti {
namespace {

const QString kPad = QStringLiteral("          "); // ten blanks space the menu bar items

// How long "avanti" takes no key after a right answer: a second Enter,
// pressed at once, would pass the solved state before it is heard.
constexpr int kAvantiKeyPauseMs = 500;

} // namespace

namespace {

// A square for "ascolta" beside the counters: in their row, nearest them on
// either side, else under or over them; on the board, clear of every other
// control, "mostrami" included, which may show later.
QRect besideCounters(const Counters& counters, const Board* board, const QWidget* button)
{
    constexpr int side = 600;
    constexpr int gap = 90;
    const QRect block = counters.area();
    QList<QRect> taken;
    for (const QWidget* c : board->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (c != button && !Board::designRect(c).isEmpty())
            taken << Board::designRect(c);
    const QRect room(QPoint(0, 0), board->designTwips());
    const auto clear = [&](const QRect& place) {
        return room.contains(place)
               && std::none_of(taken.begin(), taken.end(), [&](const QRect& t) { return t.intersects(place); });
    };
    // In their row beside them; under or over them from their left edge.
    for (int along = 0; along < room.width(); along += 15)
        for (const int left : {block.right() + 1 + gap + along, block.left() - gap - side - along})
            if (const QRect place(left, block.top(), side, side); clear(place))
                return place;
    for (const int top : {block.bottom() + 1 + gap, block.top() - gap - side})
        for (int along = 0; along < room.width(); along += 15)
            for (const int left : {block.left() + along, block.left() - along})
                if (const QRect place(left, top, side, side); clear(place))
                    return place;
    return QRect(block.right() + 1 + gap, block.top(), side, side);
}

} // namespace

QString exerciseCaption(const char* caption)
{
    return QCoreApplication::translate("brasti::Exercises", caption);
}

ExerciseScreen::ExerciseScreen(AppContext& context, int screen, const char* caption, const FrameLayout& layout,
                               RodStance stance, QWidget* parent)
    : ExerciseScreen(context, exerciseCaption(caption), layout, stance, parent)
{
    setObjectName(QStringLiteral("Form%1").arg(screen));
}

ExerciseScreen::ExerciseScreen(AppContext& context, const QString& title, const FrameLayout& layout,
                               RodStance stance, QWidget* parent)
    : ScreenWindow(context, layout.client, parent), stance_(stance), dragger_(new RodDragger(board()))
{
    setWindowTitle(title);
    Board* b = board();
    // Before the rods and icons are made: they describe themselves to screen readers.
    installAccessibility();
    connect(b, &Board::placed, this, &notePlaced);
    narration_ = std::make_unique<Narration>(b, dragger_, [this] { return problemSentence(); }, context.speaker);

    for (int k = 1; k <= 10; ++k) {
        auto* r = new Rod(k, b);
        rods_[static_cast<std::size_t>(k - 1)] = r;
        b->place(r, QRect(200, 200 + 400 * (k - 1), kUnitTwips, kUnitTwips));
        dragger_->addRod(r);
    }

    avanti_ = new WrapButton(pictureIcon(Picture::Avanti), tr("avanti"), b);
    avanti_->setObjectName(QStringLiteral("BottoneAvanti"));
    avanti_->setEnabled(false);
    b->place(avanti_, layout.avanti);
    b->setFontPoints(avanti_, 9.75);
    connect(avanti_, &QPushButton::clicked, this, [this] {
        // A queued click can arrive after the button was disabled again.
        if (!avanti_->isEnabled())
            return;
        avantiClicked();
        // The keyboard starts the new problem from the first control, as on a new screen.
        focusFirstControl();
    });

    mostrami_ = new WrapButton(pictureIcon(Picture::Mostrami), tr("mostrami"), b);
    mostrami_->setObjectName(QStringLiteral("BottoneMostrami"));
    mostrami_->hide();
    b->place(mostrami_, layout.mostrami);
    b->setFontPoints(mostrami_, 9.75);
    connect(mostrami_, &QPushButton::clicked, this, &ExerciseScreen::mostrami);
    show_ = new AnswerShow(b, narration_->moveNotice(), mostrami_);

    counters_ = std::make_unique<Counters>(b, layout);

    ascolta_ = new WrapButton(pictureIcon(Picture::Ascolta), QString(), b);
    ascolta_->setObjectName(QStringLiteral("BottoneAscolta"));
    ascolta_->setAccessibleName(tr("ascolta"));
    ascolta_->setToolTip(tr("ascolta"));
    ascolta_->hide();
    connect(ascolta_, &QPushButton::clicked, this, &ExerciseScreen::repeatProblem);

    // Both icons share one place, the right one on top. Neither shows, nor
    // is heard, before the visit's first answer: a tick on a fresh screen
    // would tell the child an answer was right before there was one.
    iconNo_ = new PictureBox(Picture::Wrong, b);
    iconNo_->setObjectName(QStringLiteral("ComandoIconaNo"));
    iconNo_->setAccessibleName(tr("risposta sbagliata"));
    b->place(iconNo_, layout.icons);
    iconSi_ = new PictureBox(Picture::Right, b);
    iconSi_->setObjectName(QStringLiteral("ComandoIconaSi"));
    iconSi_->setAccessibleName(tr("risposta esatta"));
    b->place(iconSi_, layout.icons);
    narration_->setVerdictIcons(iconSi_, iconNo_);
    hideVerdicts();

    QMenuBar* bar = menuBar();
    QAction* azzera = bar->addAction(tr("Azzera conteggio") + kPad);
    azzera->setObjectName(QStringLiteral("MenuAzzera"));
    connect(azzera, &QAction::triggered, this, &ExerciseScreen::azzeraConteggio);
    informazioniAction_ = bar->addAction(tr("Informazioni") + kPad);
    informazioniAction_->setObjectName(QStringLiteral("MenuInformazioni"));
    connect(informazioniAction_, &QAction::triggered, this, &ExerciseScreen::informazioni);
    QAction* esciAction = bar->addAction(tr("Esci"));
    esciAction->setObjectName(QStringLiteral("mnuEsci"));
    connect(esciAction, &QAction::triggered, this, &ExerciseScreen::esci);

    // "?" comes with Shift on most keyboards; the window system does not always say it needs none.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_F1), QKeySequence(Qt::Key_Question),
                                     QKeySequence(Qt::SHIFT | Qt::Key_Question)}) {
        auto* again = new QShortcut(keys, this);
        again->setAutoRepeat(false);
        connect(again, &QShortcut::activated, this, &ExerciseScreen::repeatProblem);
    }

    // Made last, the container comes after the frame's controls in the
    // window's order, and before the screen's own, which it holds.
    if (!layout.container.isEmpty()) {
        container_ = new QWidget(b);
        container_->setObjectName(QStringLiteral("frame"));
        b->place(container_, layout.container);
        Board::setControlColour(container_, kContainerGrey);
    }

    resize(designedWindowSize());
}

ExerciseScreen::~ExerciseScreen()
{
    show_->stop();
    narration_->forgetProblem();
}

void ExerciseScreen::load()
{
    avanti_->setHidden(context_.autoAdvance);
    // Placed once every control of the screen is made, where it finds room.
    if (context_.speaker && context_.speaker->speaks()) {
        board()->place(ascolta_, besideCounters(*counters_, board(), ascolta_));
        ascolta_->show();
    }
    counters_->reset();
    if (operations_)
        operations_->clear();
    initialSettings();
    for (int k = 1; k <= 10; ++k) {
        sizeRod(k);
        // Rods lie above the screen's other controls: a rod on a box hides it.
        rod(k)->raise();
    }
    for (Rod* r : extraRods_) {
        sizeRod(r);
        r->raise();
    }
    showCountsOnIcons();
    poseProblem();
}

void ExerciseScreen::poseProblem()
{
    stopShowing();
    mostrami_->hide();
    newProblem();
    narration_->problemPosed();
}

void ExerciseScreen::announceProblem()
{
    narration_->announceProblem();
}

Notice* ExerciseScreen::problemNotice() const
{
    return narration_->problemNotice();
}

Notice* ExerciseScreen::moveNotice() const
{
    return narration_->moveNotice();
}

void ExerciseScreen::repeatProblem()
{
    announceProblem();
}

void ExerciseScreen::sizeRod(int k)
{
    sizeRod(rod(k));
}

void ExerciseScreen::sizeRod(Rod* r)
{
    QRect place = Board::designRect(r);
    const int length = r->number() * kUnitTwips;
    place.setSize(stance_ == RodStance::Flat ? QSize(length, kUnitTwips) : QSize(kUnitTwips, length));
    board()->place(r, place);
}

QLabel* ExerciseScreen::rightLabel() const
{
    return counters_->rightLabel();
}

QLabel* ExerciseScreen::wrongLabel() const
{
    return counters_->wrongLabel();
}

void ExerciseScreen::rightAnswer()
{
    stopShowing();
    mostrami_->hide();
    counters_->countRight();
    if (context_.summary)
        context_.summary->solved();
    PlayRightSound(context_);
    showCountsOnIcons();
    narration_->tellVerdict(iconSi_);
    afterRightAnswer();
    if (!avanti_->isHidden()) {
        avanti_->setEnabled(true);
        ignoreKeysFor(avanti_, kAvantiKeyPauseMs);
        lockAnswer();
        // Playing by keyboard, the next step is "avanti".
        if (keyboardInUse())
            avanti_->setFocus(Qt::OtherFocusReason);
    } else {
        poseProblem();
    }
}

void ExerciseScreen::wrongAnswer()
{
    stopShowing();
    counters_->countWrong();
    if (context_.summary)
        context_.summary->wrong();
    PlayWrongSound(context_);
    showCountsOnIcons();
    narration_->tellVerdict(iconNo_);
    // The way can be shown now, where the teacher asked for it.
    if (context_.showAnswer && mostrami_->isHidden() && !shownMoves().empty())
        mostrami_->setVisible(true);
}

void ExerciseScreen::mostrami()
{
    if (show_->isPlaying()) {
        show_->stop(true);
        return;
    }
    // A rod on its way, by mouse or by keys, is the child's own move.
    if (mostrami_->isHidden() || dragger_->draggedRod())
        return;
    if (show_->play(shownMoves()) && context_.summary)
        context_.summary->answerShown();
}

std::optional<ShownMove> ExerciseScreen::layAlong(Place* place, const Move& move, std::vector<Rod*>& taken) const
{
    std::vector<Rod*> atHand(extraRods_.rbegin(), extraRods_.rend());
    atHand.push_back(rod(move.rod));
    for (Rod* r : atHand) {
        if (r->number() != move.rod || !r->isMovable() || std::find(taken.begin(), taken.end(), r) != taken.end())
            continue;
        taken.push_back(r);
        return ShownMove::lay(r, place, alongPlace(place, r, move.atUnits));
    }
    return std::nullopt;
}

void ExerciseScreen::rememberTrayPlaces()
{
    for (int k = 1; k <= 10; ++k)
        trayPlaces_[static_cast<std::size_t>(k - 1)] = Board::designRect(rod(k));
}

ShownMove ExerciseScreen::backToTray(const Move& move) const
{
    return ShownMove::back(rod(move.rod), trayPlaces_.at(static_cast<std::size_t>(move.rod - 1)));
}

void ExerciseScreen::stopShowing()
{
    show_->stop();
}

void ExerciseScreen::hideEvent(QHideEvent* event)
{
    // Nothing goes on moving, or speaking, on a screen that was left.
    stopShowing();
    ScreenWindow::hideEvent(event);
}

void ExerciseScreen::rightStep()
{
    iconSi_->setAccessibleName(tr("passo giusto"));
    iconSi_->setDetail(QString());
    narration_->tellVerdict(iconSi_);
}

void ExerciseScreen::hideVerdicts()
{
    iconSi_->hide();
    iconNo_->hide();
}

void ExerciseScreen::showCountsOnIcons()
{
    const QString counts = counters_->spoken();
    // The right icon may have been telling a step.
    iconSi_->setAccessibleName(tr("risposta esatta"));
    iconSi_->setDetail(counts);
    iconNo_->setDetail(counts);
}

void ExerciseScreen::avantiClicked()
{
    avanti_->setEnabled(false);
    unlockAnswer();
    poseProblem();
}

void ExerciseScreen::azzeraConteggio()
{
    counters_->reset();
    showCountsOnIcons();
    // Counted from nothing again, nothing has been answered yet.
    hideVerdicts();
    if (operations_)
        operations_->clear();
    poseProblem();
}

void ExerciseScreen::informazioni()
{
    ShowAbout(context_, this);
}

void ExerciseScreen::esci()
{
    // The window system may close the program while the question is open.
    QPointer<ExerciseScreen> self(this);
    context_.dialogs->askYesNo(this, messageTitle(), tr("Vuoi tornare al menù?"), [self](bool yes) {
        if (!self || !yes || !self->context_.navigator)
            return;
        self->context_.navigator->showMenu();
    });
}

QMenu* ExerciseScreen::addOwnMenu(const QString& objectName, const QString& caption)
{
    auto* menu = new QMenu(caption, this);
    menu->setObjectName(objectName);
    menuBar()->insertMenu(informazioniAction_, menu);
    return menu;
}

void ExerciseScreen::putRodsIn(QWidget* container)
{
    for (Rod* r : rods_) {
        r->setParent(container);
        r->setVisible(true);
        board()->place(r, Board::designRect(r));
    }
    // Rods lie above everything else in their container, as a rod on a slot hides it.
    for (Rod* r : rods_)
        r->raise();
}

Rod* ExerciseScreen::addExtraRod(const QString& set, int k, QWidget* container)
{
    auto* r = new Rod(k, container, set);
    board()->place(r, QRect(0, 0, kUnitTwips, kUnitTwips));
    dragger_->addRod(r);
    extraRods_.push_back(r);
    return r;
}

QListWidget* ExerciseScreen::addOperationsList(QWidget* container, QRect twips, int menuCaptionBlanks)
{
    QMenu* menu = addOwnMenu(QStringLiteral("mnuOperazioni"),
                             tr("Operazioni scritte") + QString(menuCaptionBlanks, QLatin1Char(' ')));
    operations_ = new OperationsList(board(), container, twips, menu);
    return operations_->list();
}

QListWidget* ExerciseScreen::operationsList() const
{
    return operations_ ? operations_->list() : nullptr;
}

void ExerciseScreen::addOperationLine(const QString& line)
{
    if (operations_)
        operations_->addLine(line);
}

void ExerciseScreen::showOperations(bool visible)
{
    if (operations_)
        operations_->setShown(visible);
}

} // namespace brasti
