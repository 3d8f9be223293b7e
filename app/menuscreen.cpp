// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/menuscreen.h"

#include "app/catalogue.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/exercisescreen.h"
#include "common/focusspeech.h"
#include "common/services.h"
#include "common/speaker.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>

namespace brasti {

MenuScreen::MenuScreen(AppContext& context, QWidget* parent)
    : ScreenWindow(context, QSize(10530, 7320), parent)
{
    setObjectName(QStringLiteral("FormMenu"));
    setWindowTitle(tr("Brasti - esercizi"));
    Board* b = board();

    const auto heading = [b](const QString& name, const QString& text, int left) {
        auto* label = new FitLabel(text, b);
        label->setObjectName(name);
        label->setWordWrap(true);
        b->place(label, QRect(left, 120, 2055, 255));
        b->setFontPoints(label, 11.25);
        return label;
    };
    heading_ = heading(QStringLiteral("Label1"), tr("solo con i brasti"), 360);
    heading(QStringLiteral("Label2"), tr("con i numeri"), 5160);

    static constexpr int kColumnLeft[] = {120, 2520, 4920, 7320};
    for (const CatalogueEntry& entry : kCatalogue) {
        const int screen = entry.screen;
        const MenuPlace& place = entry.menu;
        auto* button = new WrapButton(exerciseCaption(entry.caption), b);
        button->setObjectName(QStringLiteral("Command%1").arg(buttonOfScreen(screen)));
        b->place(button, QRect(kColumnLeft[place.column - 1], 600 + 720 * (place.row - 1), 2280, 550));
        b->setFontPoints(button, place.fontPoints);
        connect(button, &QPushButton::clicked, this, [this, screen] { emit exerciseChosen(screen); });
        // Not offered to this class: greyed out in its place, so the grid
        // keeps its shape, and passed by Tab. It takes no focus either: Qt
        // tells a screen reader a control is focusable by its focus policy
        // alone, greyed out or not.
        const bool offered = context_.offeredExercises.test(static_cast<std::size_t>(screen - 1));
        button->setEnabled(offered);
        if (!offered)
            button->setFocusPolicy(Qt::NoFocus);
        buttons_[static_cast<std::size_t>(screen - 1)] = button;
        // Heard with its place among the offered exercises: "1 di 27".
        joinSpokenSet(button, 1);
        if (context_.speaker)
            context_.speaker->sayWhenChosen(button, button->text());
    }

    auto* esci = new WrapButton(tr("Esci"), b);
    esci->setObjectName(QStringLiteral("Command1"));
    b->place(esci, QRect(7320, 5640, 2280, 615));
    b->setFontPoints(esci, 18);
    connect(esci, &QPushButton::clicked, this, [this] { ConfirmQuit(context_, this); });
    if (context_.speaker)
        context_.speaker->sayWhenChosen(esci, esci->text());
    // A computer the class must not leave: no "Esci", and closing the window asks.
    esci->setVisible(context_.exitOffered);

    const auto option = [b](int index, const QString& text, int left, int width) {
        auto* radio = new WrapRadioButton(text, b);
        radio->setObjectName(QStringLiteral("Option1_%1").arg(index));
        b->place(radio, QRect(left, 5520, width, 615));
        b->setFontPoints(radio, 9.75);
        return radio;
    };
    options_[1] = option(1, tr("attende la pressione del bottone per proseguire"), 480, 3015);
    options_[0] = option(0, tr("prosegue automaticamente  negli esercizi"), 3960, 3135);
    connect(options_[0], &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            context_.autoAdvance = true;
    });
    connect(options_[1], &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            context_.autoAdvance = false;
    });

    // The teacher's way in, out of a child's: keys no child types by chance,
    // or a press held on the first heading. Neither is a control, so Tab
    // never reaches it.
    auto* teacherKeys = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I), this);
    teacherKeys->setContext(Qt::WindowShortcut);
    connect(teacherKeys, &QShortcut::activated, this, &MenuScreen::teacherWindowAsked);
    longPress_ = new QTimer(this);
    longPress_->setSingleShot(true);
    longPress_->setInterval(3000);
    connect(longPress_, &QTimer::timeout, this, &MenuScreen::teacherWindowAsked);
    heading_->installEventFilter(this);

    resize(designedWindowSize());
}

bool MenuScreen::eventFilter(QObject* watched, QEvent* event)
{
    // The timer runs only while the heading is held down.
    if (watched == heading_) {
        if (event->type() == QEvent::MouseButtonPress)
            longPress_->start();
        else if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::Leave
                 || event->type() == QEvent::Hide)
            longPress_->stop();
    }
    return ScreenWindow::eventFilter(watched, event);
}

void MenuScreen::load()
{
    CaricaColori();
    // The options blend with the new background; nothing else is recoloured.
    Board::setControlColour(options_[0], board()->background());
    Board::setControlColour(options_[1], board()->background());
    option(context_.autoAdvance ? 0 : 1)->setChecked(true);
}

void MenuScreen::closeEvent(QCloseEvent* event)
{
    if (context_.exitOffered) {
        ScreenWindow::closeEvent(event);
        return;
    }
    event->ignore();
    ConfirmQuit(context_, this);
}

void MenuScreen::CaricaColori()
{
    board()->setBackground(drawBackground(*context_.random, kStartMenuColours));
}

QPushButton* MenuScreen::exerciseButton(int button) const
{
    return buttons_.at(static_cast<std::size_t>(screenOfButton(button) - 1));
}

} // namespace brasti
