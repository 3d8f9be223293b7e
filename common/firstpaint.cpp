// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace brasti {
namespace {

// Looks at every paint in the application until the first one in its window:
// the window's children may cover it whole, and then only they get painted.
class FirstPaintWatch final : public QObject {
public:
    // Once the frame is out, the work is done even if the window has gone
    // meanwhile; a window that goes before its first paint takes it along.
    FirstPaintWatch(QWidget* window, QObject* context, std::function<void()> then)
        : QObject(context), window_(window), then_(std::move(then))
    {
        QCoreApplication::instance()->installEventFilter(this);
        connect(window, &QObject::destroyed, this, [this] {
            if (!painted_)
                deleteLater();
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()
            || static_cast<QWidget*>(watched)->window() != window_ || painted_)
            return false;
        painted_ = true;
        QCoreApplication::instance()->removeEventFilter(this);
        // Queued twice: the first call comes round with whatever else the
        // paint pass queued, the second after all of it, once the frame is out.
        QMetaObject::invokeMethod(
            this,
            [this] {
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        then_();
                        deleteLater();
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> then_;
    bool painted_ = false;
};

} // namespace

void afterFirstPaint(QWidget* window, QObject* context, std::function<void()> then)
{
    if (window && context)
        new FirstPaintWatch(window, context, std::move(then));
}

} // namespace brasti
