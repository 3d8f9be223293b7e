#include "common/sound.h"

#include "common/random.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QtEndian>

#include <cstring>
#include <utility>

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

namespace {

// The audio backend writes a warning to stderr when no audio server runs.
// A computer without sound is an ordinary case here, so the one query that
// provokes it is made with the warnings of this thread set aside.
QtMessageHandler forwardTo = nullptr;
QThread* probingThread = nullptr;

void dropProbeWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && QThread::currentThread() == probingThread)
        return;
    if (forwardTo)
        forwardTo(type, context, message);
}

bool hasAudioOutput()
{
    probingThread = QThread::currentThread();
    forwardTo = qInstallMessageHandler(dropProbeWarnings);
    const bool found = !QMediaDevices::defaultAudioOutput().isNull();
    qInstallMessageHandler(forwardTo);
    probingThread = nullptr;
    return found;
}

// Whether the file is a whole PCM WAV file, as far as its headers show. Given
// anything else QSoundEffect writes a warning, and worse: a file cut short
// leaves Qt's loader thread waiting for the missing bytes forever, and every
// later sound change then blocks on that thread. Reads a few dozen bytes.
bool isCompletePcmWave(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    char riff[12];
    if (file.read(riff, 12) != 12 || std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0)
        return false;
    bool formatSeen = false;
    for (int chunk = 0; chunk < 32; ++chunk) { // real files have a handful
        char header[8];
        if (file.read(header, 8) != 8)
            return false;
        const qint64 length = qFromLittleEndian<quint32>(header + 4);
        if (std::memcmp(header, "data", 4) == 0)
            return formatSeen && length > 0 && file.pos() + length <= file.size();
        qint64 skip = length + (length & 1);
        if (std::memcmp(header, "fmt ", 4) == 0) {
            char fmt[16];
            if (length < 16 || file.read(fmt, 16) != 16)
                return false;
            const auto format = qFromLittleEndian<quint16>(fmt);
            const auto channels = qFromLittleEndian<quint16>(fmt + 2);
            const auto rate = qFromLittleEndian<quint32>(fmt + 4);
            const auto bits = qFromLittleEndian<quint16>(fmt + 14);
            if (format != 1 || channels == 0 || rate == 0 || (bits != 8 && bits != 16 && bits != 32))
                return false;
            formatSeen = true;
            skip -= 16;
        }
        if (file.pos() + skip > file.size() || !file.seek(file.pos() + skip))
            return false;
    }
    return false;
}

} // namespace

SystemSoundPlayer::SystemSoundPlayer(QString folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder))
{
}

// Out of line, where QSoundEffect is complete.
SystemSoundPlayer::~SystemSoundPlayer() = default;

void SystemSoundPlayer::play(Sound sound)
{
    // Destroying the effect silences it at once; stop() would let it ring on.
    current_.reset();

    // Asked once, here rather than at start-up: the first query connects to
    // the audio server. Without a device QSoundEffect would warn on every play.
    if (hasDevice_ < 0)
        hasDevice_ = hasAudioOutput() ? 1 : 0;
    if (hasDevice_ == 0)
        return;

    const QString path = QDir(folder_).filePath(soundFileName(sound));
    if (!QFileInfo(path).isFile() || !isCompletePcmWave(path))
        return;

    current_ = std::make_unique<QSoundEffect>();
    current_->setSource(QUrl::fromLocalFile(path));
    current_->play();
}

QString SystemSoundPlayer::currentSource() const
{
    return current_ ? current_->source().toLocalFile() : QString();
}

bool SystemSoundPlayer::isPlaying() const
{
    // QSoundEffect says it is playing from play() on, while still loading.
    return current_ && current_->status() == QSoundEffect::Ready && current_->isPlaying();
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
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                              + QStringLiteral("/" BRASTI_DATA_FROM_BIN "/suoni"));
    if (QFileInfo(installed).isDir())
        return installed;
#endif
    // Nothing found: the player then finds no files and stays silent.
    return beside;
}

} // namespace brasti
