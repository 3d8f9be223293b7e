// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/screenwindow.h"

#include "common/board.h"
#include "common/keyboard.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <cmath>

namespace brasti {

ScreenWindow::ScreenWindow(AppContext& context, QSize clientTwips, QWidget* parent)
    : QMainWindow(parent), context_(context), board_(new Board(clientTwips, this)),
      focusFrame_(new FocusFrame(board_))
{
    setCentralWidget(board_);
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, [this] {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
    });
}

QSize ScreenWindow::designedWindowSize() const
{
    QSize size = board_->designPixels();
    // The menu bar, where there is one, lies above the client area.
    if (designedMenuHeight_ > 0)
        size.rheight() += designedMenuHeight_;
    else if (auto* bar = qobject_cast<QMenuBar*>(menuWidget()))
        size.rheight() += bar->sizeHint().height();
    return size;
}

void ScreenWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    scaleMenuBar();
}

void ScreenWindow::scaleMenuBar()
{
    auto* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (!bar)
        return;
    if (designedMenuHeight_ == 0) {
        // The first time, the bar is still as designed.
        menuFont_ = bar->font();
        menuFontPixels_ = std::max(1, QFontInfo(menuFont_).pixelSize());
        designedMenuHeight_ = std::max(1, bar->sizeHint().height());
        appliedMenuPixels_ = menuFontPixels_;
        appliedMenuHeight_ = designedMenuHeight_;
    }
    // The zoom of the whole window, bar included, as the board would have it
    // if the bar grew in proportion; it does not depend on the bar's own
    // height, so changing the bar cannot feed back into it.
    const QSize design = board_->designPixels();
    const double zoom = std::min(width() / double(design.width()),
                                 height() / double(design.height() + designedMenuHeight_));
    if (zoom <= 0)
        return;
    const int pixels = std::max(1, static_cast<int>(std::lround(menuFontPixels_ * zoom)));
    if (pixels != appliedMenuPixels_) {
        QFont font = menuFont_;
        font.setPixelSize(pixels);
        bar->setFont(font);
        // The menus drop down as windows of their own, which take no font from the bar.
        for (QMenu* menu : findChildren<QMenu*>())
            menu->setFont(font);
        appliedMenuPixels_ = pixels;
    }
    // As tall as the board's proportion asks, but never shorter than its
    // items need (a small window keeps the style's fixed margins).
    const int wanted = std::max(static_cast<int>(std::lround(designedMenuHeight_ * zoom)),
                                bar->heightForWidth(width()));
    if (wanted != appliedMenuHeight_) {
        bar->setFixedHeight(wanted);
        appliedMenuHeight_ = wanted;
    }
}

double ScreenWindow::zoom() const
{
    return board_->scale() * kTwipsPerPixel;
}

void ScreenWindow::focusFirstControl()
{
    const QList<QWidget*> stops = tabStops(board_);
    if (!stops.isEmpty())
        stops.first()->setFocus(Qt::TabFocusReason);
}

bool ScreenWindow::keyboardInUse() const
{
    return focusFrame_->keyboardInUse();
}

void ScreenWindow::setKeyboardInUse(bool inUse)
{
    focusFrame_->setKeyboardInUse(inUse);
}

bool ScreenWindow::focusNextPrevChild(bool next)
{
    // Qt also moves the focus on when the focused control is hidden or
    // disabled; a window on its way out keeps Qt's own way.
    if (!isVisible())
        return QMainWindow::focusNextPrevChild(next);
    QWidget* to = stopAfter(board_, tabStops(board_), focusWidget(), next);
    if (!to)
        return false;
    to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void ScreenWindow::changeEvent(QEvent* event)
{
    // Back from a message box opened from the menu bar, the focus would
    // stay with the bar: it goes back to the control the keyboard was on.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()) {
        QWidget* focused = focusWidget();
        if (!focused || !board_->isAncestorOf(focused)) {
            QWidget* last = focusFrame_->lastFocused();
            if (last && tabStops(board_).contains(last))
                last->setFocus(Qt::ActiveWindowFocusReason);
            else
                focusFirstControl();
        }
    }
    QMainWindow::changeEvent(event);
}

void ScreenWindow::showEvent(QShowEvent* event)
{
    // A button here is no dialog's default button, so Enter would pass it by.
    for (QAbstractButton* button : board_->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
    QMainWindow::showEvent(event);
}

void ScreenWindow::ignoreKeysFor(QAbstractButton* button, int ms)
{
    keysIgnored_ = button;
    keysIgnoredMs_ = ms;
    keysIgnoredSince_.start();
}

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!button || !keyEvent)
        return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (button == keysIgnored_ && isActivationKey(key)) {
        if (keysIgnoredSince_.elapsed() < keysIgnoredMs_) {
            // Pressed too soon: neither this press nor its release works the button.
            if (event->type() == QEvent::KeyPress && enterDown_ == button)
                enterDown_ = nullptr;
            return true;
        }
        keysIgnored_ = nullptr;
    }
    if (!isEnterKey(key))
        return QMainWindow::eventFilter(watched, event);
    // Enter clicks a focused button on its release, as Space does: a key
    // held down clicks once, and a release whose press went elsewhere clicks nothing.
    if (key->isAutoRepeat())
        return true;
    if (event->type() == QEvent::KeyPress) {
        enterDown_ = button;
    } else if (enterDown_ == button) {
        enterDown_ = nullptr;
        if (button->isEnabled() && button->isVisible())
            button->click();
    }
    return true;
}

} // namespace brasti
