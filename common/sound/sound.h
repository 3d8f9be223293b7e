// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Feedback sounds. Screens call PlayRightSound/PlayWrongSound; what actually
// plays them is a SoundPlayer, so tests can record instead of play.
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>

class QWidget;

namespace brasti {

class RandomSource;

enum class Sound { Right1, Right2, Right3, Right4, Wrong };

// The file name of a sound inside the suoni folder ("si1.wav" … "no.wav").
QString soundFileName(Sound sound);

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once; a new sound cuts off the one playing.
    // Never fails visibly: a missing file or device plays nothing.
    virtual void play(Sound sound) = 0;
    // How long the sound lasts once started; zero while the sounds are not
    // in, or where the sound is missing, so that nothing waits for silence.
    virtual std::chrono::milliseconds length(Sound) const { return {}; }
};

// One of the four right sounds, each with equal chance.
Sound drawRightSound(RandomSource& random);

// The player of the platform the program runs on. It is silent until the
// program's first frame is out, and only then brings in the sounds, so
// that they add nothing to start-up.
class PlatformSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    using QObject::QObject;
    // Loads once the paint pass that first draws `window` is over.
    void loadAfterFirstPaint(QWidget* window);

protected:
    // Brings the sounds in without holding the event loop up; called once.
    virtual void loadWithoutWaiting() = 0;
    // Whether the sounds were asked for already.
    virtual bool loadingStarted() const = 0;

private:
    bool waiting_ = false;
};

// This platform's player (common/sound/systemsound_*.cpp).
std::unique_ptr<PlatformSoundPlayer> makePlatformSoundPlayer();

// The suoni folder: on the desktop beside the executable (the build
// folder), else in the data folder installed with it
// (bin/../share/brasti/suoni); in the browser beside the page.
QString findSoundFolder();
// The sound module: beside the executable (the build folder), else where
// the installation puts it, found from the executable's own folder so that
// any installation prefix works. None in the browser.
QString findSoundModule();

} // namespace brasti
