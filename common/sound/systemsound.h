// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The desktop's player: the sound module over the system's audio server.
#include "common/sound/sound.h"

#include <array>
#include <mutex>
#include <optional>
#include <thread>

struct BrastiSoundModule;

namespace brasti {

// Plays through the system's audio server by way of the sound module, a
// shared object loaded once the program's first frame is out: until then
// nothing of the audio stack is in the process, and play() is silent. The
// five files are read once, at loading; each play() then only hands the
// module a number, and the module's own thread starts the sound, so no
// server, a hung server or a missing file never holds anything up.
class SystemSoundPlayer final : public PlatformSoundPlayer {
    Q_OBJECT
public:
    SystemSoundPlayer(QString folder, QString module, QObject* parent = nullptr);
    ~SystemSoundPlayer() override;
    void play(Sound sound) override;
    std::chrono::milliseconds length(Sound sound) const override;

    // Loads the module and hands it the sounds of the folder, here and now.
    // Does its work once; returns whether sounds can be played. A missing or
    // broken module leaves the player silent, and says nothing.
    bool load();
    bool isLoaded() const { return player_ != nullptr; }

    QString folder() const { return folder_; }
    // How many of the five files were read whole; the others stay silent.
    int soundsRead() const { return soundsRead_; }

protected:
    // The libraries and the files are read on a short-lived thread, so the
    // event loop does not wait for the disk either, and the player takes up
    // the result from the event loop.
    void loadWithoutWaiting() override;
    bool loadingStarted() const override { return tried_; }

private:
    struct Loaded {
        const BrastiSoundModule* api = nullptr;
        void* player = nullptr;
        int soundsRead = 0;
        std::array<std::chrono::milliseconds, 5> lengths{};
    };
    static Loaded loadModule(const QString& module, const QString& folder);
    void takeLoaded();
    void adopt(const Loaded& loaded);

    QString folder_;
    QString module_;
    bool tried_ = false;
    int soundsRead_ = 0;
    std::array<std::chrono::milliseconds, 5> lengths_{};
    const BrastiSoundModule* api_ = nullptr;
    void* player_ = nullptr;
    std::thread loader_;
    std::mutex loadedMutex_;
    std::optional<Loaded> loaded_;
};

} // namespace brasti
