#include "common/screenwindow.h"

#include "common/board.h"
#include "common/keyboard.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

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
    if (auto* bar = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        size.rheight() += bar->sizeHint().height();
    return size;
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

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!button || !keyEvent || !isEnterKey(static_cast<QKeyEvent*>(event)))
        return QMainWindow::eventFilter(watched, event);
    // Enter clicks a focused button on its release, as Space does: a key
    // held down clicks once, and a release whose press went elsewhere clicks nothing.
    if (static_cast<QKeyEvent*>(event)->isAutoRepeat())
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
