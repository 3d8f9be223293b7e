// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/sound/systemsound.h"

#include "common/sound/soundfile.h"
#include "common/sound/soundmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <system_error>
#include <utility>
#include <vector>

namespace brasti {

namespace {

constexpr Sound kSounds[] = {Sound::Right1, Sound::Right2, Sound::Right3, Sound::Right4, Sound::Wrong};

int indexOf(Sound sound)
{
    return static_cast<int>(sound);
}

// A folder relative to the executable's, given as "from the binaries folder".
QString besideProgram(const char* relative)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(relative));
}

} // namespace

SystemSoundPlayer::SystemSoundPlayer(QString folder, QString module, QObject* parent)
    : PlatformSoundPlayer(parent), folder_(std::move(folder)), module_(std::move(module))
{
}

SystemSoundPlayer::~SystemSoundPlayer()
{
    if (loader_.joinable())
        loader_.join();
    takeLoaded(); // what a loader finished just now
    if (player_)
        api_->close(player_);
    // The module stays mapped: other players may use it, and the audio
    // libraries it brought in do not expect to be unloaded.
}

void SystemSoundPlayer::play(Sound sound)
{
    if (player_)
        api_->play(player_, indexOf(sound));
}

SystemSoundPlayer::Loaded SystemSoundPlayer::loadModule(const QString& modulePath, const QString& folder)
{
    Loaded loaded;
    if (modulePath.isEmpty())
        return loaded;
    // Local binding: the audio libraries' symbols stay out of the program's
    // sight. The library stays loaded when the QLibrary goes: the player
    // keeps using it.
    QLibrary module(modulePath);
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    // A missing or broken module is an ordinary case (a computer without
    // sound): the reason is not kept.
    using Entry = const BrastiSoundModule* (*)();
    const auto entry = reinterpret_cast<Entry>(module.resolve(kSoundModuleEntry));
    const BrastiSoundModule* api = entry ? entry() : nullptr;
    if (!api || api->version != kSoundModuleVersion)
        return loaded;

    // Read once, here: no answer ever waits for a file.
    std::vector<std::optional<PcmSound>> sounds;
    std::vector<BrastiPcm> pcm;
    for (Sound sound : kSounds) {
        sounds.push_back(readWaveFile(QFileInfo(QDir(folder).filePath(soundFileName(sound))).filesystemFilePath()));
        const std::optional<PcmSound>& s = sounds.back();
        pcm.push_back(s ? BrastiPcm{s->rate, s->channels, s->bits, s->data.data(), s->data.size()}
                        : BrastiPcm{0, 0, 0, nullptr, 0});
        loaded.soundsRead += s ? 1 : 0;
        loaded.lengths[static_cast<std::size_t>(sound)] = std::chrono::milliseconds(s ? s->milliseconds() : 0);
    }
    // The module copies what it needs.
    loaded.player = api->open(pcm.data(), static_cast<int>(pcm.size()));
    loaded.api = loaded.player ? api : nullptr;
    return loaded;
}

bool SystemSoundPlayer::load()
{
    if (std::exchange(tried_, true))
        return isLoaded();
    adopt(loadModule(module_, folder_));
    return isLoaded();
}

void SystemSoundPlayer::loadWithoutWaiting()
{
    if (std::exchange(tried_, true))
        return;
    try {
        loader_ = std::thread([this, module = module_, folder = folder_] {
            const Loaded loaded = loadModule(module, folder);
            {
                const std::lock_guard<std::mutex> lock(loadedMutex_);
                loaded_ = loaded;
            }
            QMetaObject::invokeMethod(this, &SystemSoundPlayer::takeLoaded, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        // No thread to spare: no sound.
    }
}

void SystemSoundPlayer::takeLoaded()
{
    std::optional<Loaded> loaded;
    {
        const std::lock_guard<std::mutex> lock(loadedMutex_);
        loaded = std::exchange(loaded_, std::nullopt);
    }
    if (!loaded)
        return;
    if (loader_.joinable())
        loader_.join(); // it has nothing left to do but end
    adopt(*loaded);
}

void SystemSoundPlayer::adopt(const Loaded& loaded)
{
    api_ = loaded.api;
    player_ = loaded.player;
    soundsRead_ = loaded.soundsRead;
    // A sound the module cannot play takes no time.
    if (player_)
        lengths_ = loaded.lengths;
}

std::chrono::milliseconds SystemSoundPlayer::length(Sound sound) const
{
    return lengths_[static_cast<std::size_t>(sound)];
}

QString findSoundFolder()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/suoni");
    if (QFileInfo(beside).isDir())
        return beside;
#ifdef BRASTI_DATA_FROM_BIN
    // Installed: found from the executable's own folder, not from the prefix
    // configured at build time, so the same binary works wherever it is
    // installed or unpacked (and never takes another installation's files).
    const QString installed = besideProgram(BRASTI_DATA_FROM_BIN "/suoni");
    if (QFileInfo(installed).isDir())
        return installed;
#endif
    // Nothing found: the player then finds no files and stays silent.
    return beside;
}

std::unique_ptr<PlatformSoundPlayer> makePlatformSoundPlayer()
{
    return std::make_unique<SystemSoundPlayer>(findSoundFolder(), findSoundModule());
}

QString findSoundModule()
{
    const QString beside = besideProgram(BRASTI_SOUND_MODULE_FILE);
    if (QFileInfo(beside).isFile())
        return beside;
#ifdef BRASTI_MODULE_FROM_BIN
    const QString installed = besideProgram(BRASTI_MODULE_FROM_BIN "/" BRASTI_SOUND_MODULE_FILE);
    if (QFileInfo(installed).isFile())
        return installed;
#endif
    return {};
}

} // namespace brasti
