// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/sound/sound.h"

#include "common/random.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace brasti {

QString soundFileName(Sound sound)
{
    switch (sound) {
    case Sound::Right1: return QStringLiteral("si1.wav");
    case Sound::Right2: return QStringLiteral("si2.wav");
    case Sound::Right3: return QStringLiteral("si3.wav");
    case Sound::Right4: return QStringLiteral("si4.wav");
    case Sound::Wrong: return QStringLiteral("no.wav");
    }
    return {};
}

Sound drawRightSound(RandomSource& random)
{
    switch (drawInt(random, 4)) {
    case 1: return Sound::Right1;
    case 2: return Sound::Right2;
    case 3: return Sound::Right3;
    default: return Sound::Right4;
    }
}

void PlatformSoundPlayer::loadAfterFirstPaint(QWidget* window)
{
    if (loadingStarted() || !window || watched_)
        return;
    watched_ = window;
    // The window's children may cover it whole, and then only they get
    // painted: so every paint in the application is looked at, until the first
    // one in this window.
    QCoreApplication::instance()->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) {
        if (gone == watched_) {
            QCoreApplication::instance()->removeEventFilter(this);
            watched_ = nullptr;
        }
    });
}

bool PlatformSoundPlayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched_ && event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == watched_) {
        QCoreApplication::instance()->removeEventFilter(this);
        watched_ = nullptr;
        // Queued twice: the first call comes round with whatever else the
        // paint pass queued, the second after all of it, once the frame is out.
        QMetaObject::invokeMethod(
            this, [this] { QMetaObject::invokeMethod(this, [this] { loadWithoutWaiting(); }, Qt::QueuedConnection); },
            Qt::QueuedConnection);
    }
    return false;
}

} // namespace brasti
