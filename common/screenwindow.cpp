#include "common/screenwindow.h"

#include "common/board.h"

#include <QMenuBar>
#include <QShortcut>

namespace brasti {

ScreenWindow::ScreenWindow(AppContext& context, QSize clientTwips, QWidget* parent)
    : QMainWindow(parent), context_(context), board_(new Board(clientTwips, this))
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

} // namespace brasti
