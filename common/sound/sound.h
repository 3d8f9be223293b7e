// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Feedback sounds. Screens call PlayRightSound/PlayWrongSound; what actually
// plays them is a SoundPlayer, so tests can record instead of play.
#include <QObject>
#include <QString>
#include <mutex>
#include <optional>
#include <thread>

class QEvent;
class QWidget;
struct BrastiSoundModule;

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
};

// One of the four right sounds, each with equal chance.
Sound drawRightSound(RandomSource& random);

// Plays through the system's audio server by way of the sound module, a
// shared object loaded once the program's first frame is out: until then
// nothing of the audio stack is in the process, and play() is silent. The
// five files are read once, at loading; each play() then only hands the
// module a number, and the module's own thread starts the sound, so no
// server, a hung server or a missing file never holds anything up.
class SystemSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    SystemSoundPlayer(QString folder, QString module, QObject* parent = nullptr);
    ~SystemSoundPlayer() override;
    void play(Sound sound) override;

    // Loads the module and hands it the sounds of the folder, here and now.
    // Does its work once; returns whether sounds can be played. A missing or
    // broken module leaves the player silent, and says nothing.
    bool load();
    bool isLoaded() const { return player_ != nullptr; }
    // Loads once the paint pass that first draws `window` is over: the
    // libraries and the files are read on a short-lived thread, so the event
    // loop does not wait for the disk either, and the player takes up the
    // result from the event loop.
    void loadAfterFirstPaint(QWidget* window);

    QString folder() const { return folder_; }
    // How many of the five files were read whole; the others stay silent.
    int soundsRead() const { return soundsRead_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Loaded {
        const BrastiSoundModule* api = nullptr;
        void* player = nullptr;
        int soundsRead = 0;
    };
    static Loaded loadModule(const QString& module, const QString& folder);
    void loadInBackground();
    void takeLoaded();
    void adopt(const Loaded& loaded);

    QString folder_;
    QString module_;
    bool tried_ = false;
    int soundsRead_ = 0;
    const BrastiSoundModule* api_ = nullptr;
    void* player_ = nullptr;
    QObject* watched_ = nullptr;
    std::thread loader_;
    std::mutex loadedMutex_;
    std::optional<Loaded> loaded_;
};

// The suoni folder: beside the executable (the build folder), else in the
// data folder installed with it (bin/../share/brasti/suoni).
QString findSoundFolder();
// The sound module: beside the executable (the build folder), else where
// the installation puts it, found from the executable's own folder so that
// any installation prefix works.
QString findSoundModule();

} // namespace brasti
