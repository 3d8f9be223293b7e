// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The reference of the web bench: a bare Qt Widgets main window with a menu
// bar and a grid of 27 buttons, which marks its first frame on the page as
// the program does.
#include "bench/barecontent.h"

#include <QApplication>
#include <QMainWindow>

#include <emscripten.h>

namespace {

class MarkedWindow final : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QMainWindow::paintEvent(event);
        if (marked_)
            return;
        marked_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                QMetaObject::invokeMethod(
                    this, [] { EM_ASM(performance.mark("brasti-primo-fotogramma"); if (globalThis.brastiMostrato) brastiMostrato();); },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

private:
    bool marked_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    MarkedWindow window;
    bench::fillBareWindow(window);
    window.show();
    return QApplication::exec();
}
