#include "common/random.h"
#include "common/sound.h"
#include "harness/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

using namespace brasti;

namespace {

class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<double> values) : values_(std::move(values)) {}
    double next() override
    {
        const double v = draws < values_.size() ? values_[draws] : 0.0;
        ++draws;
        return v;
    }
    qsizetype draws = 0;

private:
    QList<double> values_;
};

const Sound kAllSounds[] = {Sound::Right1, Sound::Right2, Sound::Right3, Sound::Right4, Sound::Wrong};

QString soundsFolder()
{
    const QString fromEnv = qEnvironmentVariable("BRASTI_TEST_SOUNDS");
    return fromEnv.isEmpty() ? QFINDTESTDATA("../../assets/suoni") : fromEnv;
}

struct Wav {
    quint16 format = 0;
    quint16 channels = 0;
    quint16 bits = 0;
    quint32 rate = 0;
    QList<qint16> samples;
};

quint32 littleEndian(const QByteArray& bytes, qsizetype pos, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(pos + i));
    return value;
}

// Reads a RIFF/WAVE file chunk by chunk; returns what is wrong, or nothing.
QString readWav(const QString& path, Wav& wav)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot open");
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("not RIFF/WAVE");
    if (littleEndian(bytes, 4, 4) != quint32(bytes.size() - 8))
        return QStringLiteral("RIFF size does not match the file");
    bool haveFormat = false;
    bool haveData = false;
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        const qsizetype length = littleEndian(bytes, pos + 4, 4);
        const qsizetype body = pos + 8;
        if (body + length > bytes.size())
            return QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
        if (id == "fmt ") {
            if (length < 16)
                return QStringLiteral("short fmt chunk");
            wav.format = quint16(littleEndian(bytes, body, 2));
            wav.channels = quint16(littleEndian(bytes, body + 2, 2));
            wav.rate = littleEndian(bytes, body + 4, 4);
            wav.bits = quint16(littleEndian(bytes, body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            if (length % 2 != 0)
                return QStringLiteral("odd data length");
            for (qsizetype i = 0; i < length; i += 2)
                wav.samples.append(qint16(quint16(littleEndian(bytes, body + i, 2))));
            haveData = true;
        }
        pos = body + length + (length & 1);
    }
    if (!haveFormat || !haveData)
        return QStringLiteral("fmt or data chunk missing");
    return {};
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

// Only a call that blocks misses this bound: a missing server or a file cut
// short keeps Qt waiting for seconds, or for ever. It is generous so that a
// loaded machine or a sanitizer build never trips it.
constexpr qint64 kNoWaitMs = 250;

qint64 timedPlay(SoundPlayer& player, Sound sound)
{
    QElapsedTimer clock;
    clock.start();
    player.play(sound);
    return clock.elapsed();
}

// A private PulseAudio server with a null sink: real playback, no speakers.
class AudioServer {
public:
    ~AudioServer()
    {
        if (pid_ <= 0)
            return;
        // The server is not our child, so wait for its end through a pidfd:
        // until then it is still tidying up the folder we are about to remove.
        const int process = int(::syscall(SYS_pidfd_open, pid_, 0)); // no C++ wrapper in glibc 2.36
        ::kill(pid_, SIGTERM);
        if (process >= 0) {
            pollfd ended{process, POLLIN, 0};
            ::poll(&ended, 1, 10000);
            ::close(process);
        }
    }

    QString start()
    {
        if (!dir_.isValid())
            return QStringLiteral("no temporary folder");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env.insert(QStringLiteral("HOME"), dir_.path()); // its cookie and state stay in here
        env.remove(QStringLiteral("PULSE_SERVER"));
        QProcess process;
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        // Daemonizing returns only once the server is ready. If this test is
        // killed before stopping it, the server still quits when left idle.
        process.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("-n"), QStringLiteral("--daemonize=yes"), QStringLiteral("--exit-idle-time=30"),
                       QStringLiteral("-L"), QStringLiteral("module-null-sink"), QStringLiteral("-L"),
                       QStringLiteral("module-native-protocol-unix auth-anonymous=1")});
        if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0)
            return QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(process.readAll());
        QFile pidFile(dir_.filePath(QStringLiteral("pulse/pid")));
        if (!pidFile.open(QIODevice::ReadOnly))
            return QStringLiteral("pulseaudio wrote no pid file");
        pid_ = pidFile.readAll().trimmed().toInt();
        return pid_ > 0 ? QString() : QStringLiteral("bad pid file");
    }

    QString address() const { return QStringLiteral("unix:") + dir_.filePath(QStringLiteral("pulse/native")); }

private:
    QTemporaryDir dir_;
    pid_t pid_ = 0;
};

// The streams the server is playing right now, by index.
QStringList sinkInputs()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished(10000);
    QStringList ids;
    const QList<QByteArray> lines = pactl.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        if (!line.trimmed().isEmpty())
            ids.append(QString::fromLatin1(line.split('\t').value(0)));
    }
    return ids;
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(scratch_.isValid());
        // The audio backend connects once per process and never retries, so a
        // process runs either without a server (this one) or with the private
        // server (the child that realAudioServer starts). Never the speakers of
        // whoever runs the tests.
        const QByteArray server = qgetenv("BRASTI_TEST_PULSE");
        child_ = !server.isEmpty();
        qputenv("PULSE_SERVER", child_ ? server : ("unix:" + scratch_.filePath("no-server")).toLocal8Bit());
    }

    void drawRightSoundTakesOneDrawPerQuarter()
    {
        const QList<double> draws{0.0, 0.2499, 0.25, 0.4999, 0.5, 0.7499, 0.75, 0.9999};
        const Sound expected[] = {Sound::Right1, Sound::Right1, Sound::Right2, Sound::Right2,
                                  Sound::Right3, Sound::Right3, Sound::Right4, Sound::Right4};
        ScriptedRandom random(draws);
        for (qsizetype i = 0; i < draws.size(); ++i) {
            QCOMPARE(drawRightSound(random), expected[i]);
            QCOMPARE(random.draws, i + 1);
        }
    }

    void committedFileIsGood_data()
    {
        QTest::addColumn<QString>("name");
        for (Sound sound : kAllSounds)
            QTest::newRow(qPrintable(soundFileName(sound))) << soundFileName(sound);
    }

    void committedFileIsGood()
    {
        QFETCH(QString, name);
        const QString path = QDir(soundsFolder()).filePath(name);
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        QVERIFY(QFileInfo(path).size() < 64 * 1024);
        Wav wav;
        const QString problem = readWav(path, wav);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(wav.format, quint16(1));
        QCOMPARE(wav.channels, quint16(1));
        QCOMPARE(wav.bits, quint16(16));
        QVERIFY(wav.rate == 22050 || wav.rate == 44100);
        QVERIFY(wav.samples.size() > qsizetype(wav.rate / 5));
        QVERIFY(wav.samples.size() < qsizetype(wav.rate));

        int peak = 0;
        for (qint16 s : wav.samples)
            peak = std::max(peak, std::abs(int(s)));
        QVERIFY2(peak > 8000, "too quiet");
        // Starting or stopping away from zero would click.
        QVERIFY(std::abs(wav.samples.first()) < 300);
        QVERIFY(std::abs(wav.samples.last()) < 300);
    }

    void committedFilesDifferFromEachOther()
    {
        QList<QList<qint16>> seen;
        for (Sound sound : kAllSounds) {
            Wav wav;
            QVERIFY(readWav(QDir(soundsFolder()).filePath(soundFileName(sound)), wav).isEmpty());
            QVERIFY2(!seen.contains(wav.samples), qPrintable(soundFileName(sound) + " repeats another sound"));
            seen.append(wav.samples);
        }
    }

    void findsFolderBesideExecutable()
    {
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/suoni");
        const bool made = QDir().mkdir(beside); // false when it is there already
        const auto removeAgain = qScopeGuard([&] {
            if (made)
                QDir().rmdir(beside);
        });
        QCOMPARE(findSoundFolder(), beside);
    }

    // Must be the first to touch audio in this process (see initTestCase).
    void withoutAudioServerIsSilentAndQuick()
    {
        if (child_)
            return;
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        const QString broken = scratch_.filePath(QStringLiteral("broken"));
        QVERIFY(QDir().mkpath(broken));
        writeFile(broken + QStringLiteral("/si1.wav"), "not a sound at all\n");

        const QString folders[] = {soundsFolder(), broken, scratch_.filePath(QStringLiteral("missing"))};
        for (const QString& folder : folders) {
            SystemSoundPlayer player(folder);
            for (Sound sound : kAllSounds) {
                QVERIFY(timedPlay(player, sound) < kNoWaitMs);
                QVERIFY(player.currentSource().isEmpty());
                QVERIFY(!player.isPlaying());
            }
        }
    }

    void realAudioServer()
    {
        if (child_) {
            playThroughServer();
            return;
        }
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
            QSKIP("pulseaudio and pactl are needed to test real playback");
        AudioServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BRASTI_TEST_PULSE"), server.address());
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("realAudioServer")});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
    }

private:
    // Runs in the child process, with the private server.
    void playThroughServer()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QVERIFY(sinkInputs().isEmpty());

        // Broken files, a missing file, a missing folder: silent, at once.
        const QString broken = scratch_.filePath(QStringLiteral("broken"));
        QVERIFY(QDir().mkpath(broken));
        QFile good(QDir(soundsFolder()).filePath(QStringLiteral("si2.wav")));
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray wav = good.readAll();
        writeFile(broken + QStringLiteral("/si1.wav"), "not a sound at all, just some words\n");
        writeFile(broken + QStringLiteral("/si2.wav"), wav.left(36)); // headers without data
        writeFile(broken + QStringLiteral("/si3.wav"), wav.left(wav.size() / 2)); // cut short
        {
            // Qt would wait forever for the rest of a file cut short, and the
            // next sound would hang the program: such files must not reach it.
            SystemSoundPlayer player(broken);
            for (Sound sound : kAllSounds) {
                QVERIFY(timedPlay(player, sound) < kNoWaitMs);
                QVERIFY(player.currentSource().isEmpty());
            }

            SystemSoundPlayer nowhere(scratch_.filePath(QStringLiteral("missing")));
            QVERIFY(timedPlay(nowhere, Sound::Wrong) < kNoWaitMs);
            QVERIFY(nowhere.currentSource().isEmpty());
        }
        QTRY_VERIFY(sinkInputs().isEmpty());

        SystemSoundPlayer player(soundsFolder());
        QVERIFY(timedPlay(player, Sound::Right1) < kNoWaitMs);
        QCOMPARE(player.currentSource(), QDir(soundsFolder()).filePath(QStringLiteral("si1.wav")));
        QTRY_VERIFY(player.isPlaying());
        QStringList first;
        QTRY_COMPARE((first = sinkInputs()).size(), 1);

        // The right sound lasts 0.8 s: its stream must go long before that.
        QVERIFY(timedPlay(player, Sound::Wrong) < kNoWaitMs);
        QCOMPARE(player.currentSource(), QDir(soundsFolder()).filePath(QStringLiteral("no.wav")));
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QStringList now = sinkInputs();
                return now.size() == 1 && now != first;
            }(),
            400);
        QVERIFY(player.isPlaying());
        // And the sound ends by itself.
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 3000);

        // Destroying the player in mid-sound stops it.
        {
            SystemSoundPlayer shortLived(soundsFolder());
            shortLived.play(Sound::Right4);
            QTRY_VERIFY(shortLived.isPlaying());
        }
        QTRY_VERIFY(sinkInputs().isEmpty());
    }

    QTemporaryDir scratch_;
    bool child_ = false;
};

BRASTI_TEST_MAIN(TestSound)
#include "tst_sound.moc"
