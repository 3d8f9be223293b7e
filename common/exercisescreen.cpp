#include "common/exercisescreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/counting.h"
#include "common/dialogs.h"
#include "common/pictures.h"
#include "common/services.h"

#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

namespace brasti {
namespace {

const QString kPad = QStringLiteral("          "); // ten blanks space the menu bar items

QLabel* makeLabel(Board* board, const QString& name, const QString& text, QRect place, double points)
{
    auto* label = new QLabel(text, board);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    board->place(label, place);
    board->setFontPoints(label, points);
    return label;
}

} // namespace

ExerciseScreen::ExerciseScreen(AppContext& context, const QString& title, const FrameLayout& layout,
                               RodStance stance, QWidget* parent)
    : ScreenWindow(context, layout.client, parent), stance_(stance), dragger_(new RodDragger(board()))
{
    setWindowTitle(title);
    Board* b = board();

    for (int k = 1; k <= 10; ++k) {
        auto* r = new Rod(k, b);
        rods_[static_cast<std::size_t>(k - 1)] = r;
        b->place(r, QRect(200, 200 + 400 * (k - 1), kUnitTwips, kUnitTwips));
        dragger_->addRod(r);
    }

    avanti_ = new WrapButton(pictureIcon(Picture::Avanti), QStringLiteral("avanti"), b);
    avanti_->setObjectName(QStringLiteral("BottoneAvanti"));
    avanti_->setEnabled(false);
    b->place(avanti_, layout.avanti);
    b->setFontPoints(avanti_, 9.75);
    connect(avanti_, &QPushButton::clicked, this, [this] {
        // A queued click can arrive after the button was disabled again.
        if (avanti_->isEnabled())
            avantiClicked();
    });

    makeLabel(b, QStringLiteral("Label1"), QStringLiteral("Esatti"), layout.label1, layout.counterFontPoints);
    esatti_ = makeLabel(b, QStringLiteral("EtichettaEsatti"), QStringLiteral("quantiesatti"), layout.esatti,
                        layout.counterFontPoints);
    makeLabel(b, QStringLiteral("Label2"), QStringLiteral("Errati"), layout.label2, layout.counterFontPoints);
    errati_ = makeLabel(b, QStringLiteral("EtichettaErrati"), QStringLiteral("quantierrati"), layout.errati,
                        layout.counterFontPoints);

    // Both icons start visible at one place; the right one is drawn on top.
    iconNo_ = new PictureBox(Picture::Wrong, b);
    iconNo_->setObjectName(QStringLiteral("ComandoIconaNo"));
    iconNo_->setAccessibleName(QStringLiteral("risposta sbagliata"));
    b->place(iconNo_, layout.icons);
    iconSi_ = new PictureBox(Picture::Right, b);
    iconSi_->setObjectName(QStringLiteral("ComandoIconaSi"));
    iconSi_->setAccessibleName(QStringLiteral("risposta esatta"));
    b->place(iconSi_, layout.icons);

    QMenuBar* bar = menuBar();
    QAction* azzera = bar->addAction(QStringLiteral("Azzera conteggio") + kPad);
    azzera->setObjectName(QStringLiteral("MenuAzzera"));
    connect(azzera, &QAction::triggered, this, &ExerciseScreen::azzeraConteggio);
    informazioniAction_ = bar->addAction(QStringLiteral("Informazioni") + kPad);
    informazioniAction_->setObjectName(QStringLiteral("MenuInformazioni"));
    connect(informazioniAction_, &QAction::triggered, this, &ExerciseScreen::informazioni);
    QAction* esciAction = bar->addAction(QStringLiteral("Esci"));
    esciAction->setObjectName(QStringLiteral("mnuEsci"));
    connect(esciAction, &QAction::triggered, this, &ExerciseScreen::esci);

    resize(designedWindowSize());
}

void ExerciseScreen::load()
{
    avanti_->setHidden(context_.autoAdvance);
    context_.rightCount = 0;
    context_.wrongCount = 0;
    initialSettings();
    for (int k = 1; k <= 10; ++k) {
        sizeRod(k);
        // Rods lie above the screen's other controls: a rod on a box hides it.
        rod(k)->raise();
    }
    esatti_->setText(QStringLiteral("0"));
    errati_->setText(QStringLiteral("0"));
    newProblem();
}

void ExerciseScreen::sizeRod(int k)
{
    Rod* r = rod(k);
    QRect place = Board::designRect(r);
    const int length = k * kUnitTwips;
    place.setSize(stance_ == RodStance::Flat ? QSize(length, kUnitTwips) : QSize(kUnitTwips, length));
    board()->place(r, place);
}

void ExerciseScreen::rightAnswer()
{
    iconSi_->show();
    iconNo_->hide();
    context_.rightCount = countUp(context_.rightCount);
    PlayRightSound(context_);
    esatti_->setText(QString::fromStdString(countCaption(context_.rightCount)));
    afterRightAnswer();
    if (!avanti_->isHidden()) {
        avanti_->setEnabled(true);
        lockAnswer();
    } else {
        newProblem();
    }
}

void ExerciseScreen::wrongAnswer()
{
    context_.wrongCount = countUp(context_.wrongCount);
    errati_->setText(QString::fromStdString(countCaption(context_.wrongCount)));
    iconSi_->hide();
    iconNo_->show();
    PlayWrongSound(context_);
}

void ExerciseScreen::avantiClicked()
{
    avanti_->setEnabled(false);
    unlockAnswer();
    newProblem();
}

void ExerciseScreen::azzeraConteggio()
{
    esatti_->setText(QStringLiteral("0"));
    errati_->setText(QStringLiteral("0"));
    context_.rightCount = 0;
    context_.wrongCount = 0;
    newProblem();
}

void ExerciseScreen::informazioni()
{
    ShowAbout(context_, this);
}

void ExerciseScreen::esci()
{
    QPointer<ExerciseScreen> self(this);
    const bool yes = context_.dialogs->askYesNo(this, kMessageTitle, QStringLiteral("Vuoi tornare al menù?"));
    // The window system may have closed the program while the question was open.
    if (!self || !yes || !context_.navigator)
        return;
    context_.navigator->showMenu();
    context_.rightCount = 0;
    context_.wrongCount = 0;
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
        r->show();
        board()->place(r, Board::designRect(r));
    }
    // Rods lie above everything else in their container, as a rod on a slot hides it.
    for (Rod* r : rods_)
        r->raise();
}

} // namespace brasti
