// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/sound/sound.h"

#include "common/firstpaint.h"
#include "common/random.h"

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
    if (loadingStarted() || !window || waiting_)
        return;
    waiting_ = true;
    // A window gone before its first paint: the next one may be watched.
    connect(window, &QObject::destroyed, this, [this] { waiting_ = false; });
    afterFirstPaint(window, this, [this] {
        waiting_ = false;
        if (!loadingStarted())
            loadWithoutWaiting();
    });
}

} // namespace brasti
