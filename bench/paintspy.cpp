// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "bench/paintspy.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace bench {

PaintSpy::PaintSpy(QObject* parent) : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

void PaintSpy::expect(Match match, std::function<void()> afterPass)
{
    match_ = std::move(match);
    afterPass_ = std::move(afterPass);
    seen_ = false;
}

void PaintSpy::waitPainted()
{
    // processEvents() returns only after the event that painted, and with
    // it the rest of that pass, has been dealt with.
    while (!seen_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void PaintSpy::switchAndWait(const std::function<void()>& move, const std::function<QWidget*()>& current)
{
    expect([current](QWidget* w) { return w->window() == current(); });
    move();
    waitPainted();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

PaintSpy::Match PaintSpy::inWindowNamed(const QString& name)
{
    return [name](QWidget* w) { return w->window()->objectName() == name; };
}

PaintSpy::Match PaintSpy::inWindow(const QWidget* window)
{
    return [window](QWidget* w) { return w->window() == window; };
}

bool PaintSpy::eventFilter(QObject* watched, QEvent* event)
{
    if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()
        && match_(static_cast<QWidget*>(watched))) {
        seen_ = true;
        if (afterPass_)
            QMetaObject::invokeMethod(this, afterPass_, Qt::QueuedConnection);
    }
    return false;
}

} // namespace bench
