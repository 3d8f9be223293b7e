// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/startscreen.h"

#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/page.h"
#include "common/pictures.h"
#include "common/speaker.h"

#include <QLabel>

namespace brasti {

StartScreen::StartScreen(AppContext& context, QWidget* parent)
    : ScreenWindow(context, QSize(12270, 9600), parent)
{
    setObjectName(QStringLiteral("FormAvvio"));
    setWindowTitle(QStringLiteral("Brasti"));
    Board* b = board();

    auto* subtitle = new FitLabel(tr("Esercitazioni matematiche"), b);
    subtitle->setObjectName(QStringLiteral("Label2_1"));
    subtitle->setWordWrap(true);
    b->place(subtitle, QRect(1920, 240, 4935, 855));
    b->setFontPoints(subtitle, 18);

    auto* title = new FitLabel(tr("Uso dei brasti"), b);
    title->setObjectName(QStringLiteral("Label2_0"));
    title->setWordWrap(true);
    b->place(title, QRect(1440, 1200, 6975, 3615));
    b->setFontPoints(title, 72);

    avvio_ = new WrapButton(pictureIcon(Picture::Avvio), tr("Avvio"), b);
    avvio_->setObjectName(QStringLiteral("Command1"));
    b->place(avvio_, QRect(2520, 4920, 4425, 1425));
    b->setFontPoints(avvio_, 24);
    connect(avvio_, &QPushButton::clicked, this, &StartScreen::avvioClicked);
    if (context_.speaker)
        context_.speaker->sayWhenChosen(avvio_, avvio_->text());

    // The designed window leaves the title and its button in its top left
    // part. Where a window is the whole page they stand in its middle, as the
    // other screens, whose boards their controls fill.
    if (windowsFillPage()) {
        const QList<QWidget*> shown{subtitle, title, avvio_};
        QRect all;
        for (const QWidget* w : shown)
            all |= Board::designRect(w);
        const QPoint shift = QRect(QPoint(0, 0), b->designTwips()).center() - all.center();
        for (QWidget* w : shown)
            b->moveTo(w, Board::designRect(w).topLeft() + shift);
    }

    resize(designedWindowSize());
}

void StartScreen::load()
{
    CaricaColori();
}

void StartScreen::CaricaColori()
{
    board()->setBackground(drawBackground(*context_.random, kStartMenuColours));
}

} // namespace brasti
