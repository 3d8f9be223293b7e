// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The sounds as files: the five committed ones, the reader that takes only
// whole integer PCM from ordinary files, and the draw of a right sound.
// Free of any audio server, so it runs wherever the program does.
#include "common/random.h"
#include "common/sound/sound.h"
#include "common/sound/soundfile.h"
#include "harness/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstring>
#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

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

// A RIFF/WAVE file put together field by field.
QByteArray le16(int v)
{
    return QByteArray(1, char(v & 0xff)) + char((v >> 8) & 0xff);
}
QByteArray le32(quint32 v)
{
    return le16(int(v & 0xffff)) + le16(int(v >> 16));
}
QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray c = id + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        c += '\0';
    return c;
}
QByteArray fmtChunk(int format, int channels, quint32 rate, int bits, int blockAlign = -1)
{
    const int align = blockAlign >= 0 ? blockAlign : channels * bits / 8;
    return chunk("fmt ", le16(format) + le16(channels) + le32(rate) + le32(rate * quint32(align)) + le16(align)
                             + le16(bits));
}
QByteArray extensibleFmtChunk(int subFormat, int channels, quint32 rate, int bits)
{
    const int align = channels * bits / 8;
    const QByteArray guidTail = QByteArray::fromHex("000000001000800000aa00389b71");
    return chunk("fmt ", le16(0xFFFE) + le16(channels) + le32(rate) + le32(rate * quint32(align)) + le16(align)
                             + le16(bits) + le16(22) + le16(bits) + le32(0) + le16(subFormat) + guidTail);
}
QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

// Only a call that blocks misses this bound; generous for a loaded machine.
constexpr qint64 kNoWaitMs = 250;

} // namespace

class TestSoundFile : public QObject {
    Q_OBJECT

private slots:
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

        // What the player reads of it is exactly these samples.
        const std::optional<PcmSound> pcm = readWaveFile(QFileInfo(path).filesystemFilePath());
        QVERIFY(pcm);
        QCOMPARE(pcm->rate, wav.rate);
        QCOMPARE(pcm->channels, wav.channels);
        QCOMPARE(pcm->bits, wav.bits);
        QCOMPARE(pcm->data.size(), std::size_t(wav.samples.size()) * 2);
        QVERIFY(std::memcmp(pcm->data.data(), wav.samples.constData(), pcm->data.size()) == 0);
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
#if defined(Q_OS_WASM)
        // In the browser the sounds lie beside the page.
        QCOMPARE(findSoundFolder(), QStringLiteral("suoni"));
        QSKIP("the browser has no executable's folder");
#endif
        const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/suoni");
        const bool made = QDir().mkdir(beside); // false when it is there already
        const auto removeAgain = qScopeGuard([&] {
            if (made)
                QDir().rmdir(beside);
        });
        QCOMPARE(findSoundFolder(), beside);
    }

    void decodesOnlyWholeIntegerPcm_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("bits"); // 0: refused
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bytes");

        const QByteArray frames(400, '\x11');
        QTest::newRow("16-bit mono") << riff(fmtChunk(1, 1, 22050, 16) + chunk("data", frames)) << 16 << 1 << 400;
        QTest::newRow("8-bit stereo") << riff(fmtChunk(1, 2, 8000, 8) + chunk("data", frames)) << 8 << 2 << 400;
        QTest::newRow("24-bit, other chunks around")
            << riff(chunk("LIST", "odd") + fmtChunk(1, 1, 48000, 24) + chunk("fact", le32(1)) + chunk("data", frames.left(399)))
            << 24 << 1 << 399;
        QTest::newRow("extensible PCM") << riff(extensibleFmtChunk(1, 2, 44100, 16) + chunk("data", frames)) << 16 << 2
                                        << 400;
        QTest::newRow("extensible float") << riff(extensibleFmtChunk(3, 2, 44100, 32) + chunk("data", frames)) << 0
                                          << 0 << 0;
        QTest::newRow("float") << riff(fmtChunk(3, 1, 44100, 32) + chunk("data", frames)) << 0 << 0 << 0;
        QTest::newRow("compressed") << riff(fmtChunk(2, 1, 22050, 4, 256) + chunk("data", frames)) << 0 << 0 << 0;
        QTest::newRow("text") << QByteArray("not a sound at all, just some words\n") << 0 << 0 << 0;
        QTest::newRow("headers without data") << riff(fmtChunk(1, 1, 22050, 16)) << 0 << 0 << 0;
        QTest::newRow("empty data") << riff(fmtChunk(1, 1, 22050, 16) + chunk("data", {})) << 0 << 0 << 0;
        QTest::newRow("data before format") << riff(chunk("data", frames) + fmtChunk(1, 1, 22050, 16)) << 0 << 0 << 0;
        QTest::newRow("no channels") << riff(fmtChunk(1, 0, 22050, 16, 2) + chunk("data", frames)) << 0 << 0 << 0;
        QTest::newRow("block size lies") << riff(fmtChunk(1, 2, 22050, 16, 2) + chunk("data", frames)) << 0 << 0 << 0;
        QTest::newRow("rate zero") << riff(fmtChunk(1, 1, 0, 16) + chunk("data", frames)) << 0 << 0 << 0;
        QTest::newRow("half a frame") << riff(fmtChunk(1, 1, 22050, 16) + chunk("data", frames.left(399))) << 0 << 0
                                      << 0;
        const QByteArray whole = riff(fmtChunk(1, 1, 22050, 16) + chunk("data", frames));
        QTest::newRow("cut short") << whole.left(whole.size() - 1) << 0 << 0 << 0;
        QByteArray huge = whole;
        huge.replace(40, 4, le32(0xFFFFFFF0u)); // data length past the end
        QTest::newRow("data length past the end") << huge << 0 << 0 << 0;
    }

    void decodesOnlyWholeIntegerPcm()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, bits);
        QFETCH(int, channels);
        QFETCH(int, bytes);
        const std::optional<PcmSound> pcm = decodeWave(std::string_view(file.constData(), std::size_t(file.size())));
        QCOMPARE(bool(pcm), bits != 0);
        if (pcm) {
            QCOMPARE(int(pcm->bits), bits);
            QCOMPARE(int(pcm->channels), channels);
            QCOMPARE(int(pcm->data.size()), bytes);
        }
    }

    void readsOnlyOrdinaryFiles()
    {
        QStringList refused{scratch_.path(), scratch_.filePath(QStringLiteral("missing.wav"))};
#if defined(Q_OS_UNIX)
        // A FIFO without a writer would block a plain open() for ever.
        const QString fifo = scratch_.filePath(QStringLiteral("fifo.wav"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        refused << fifo;
#endif
        const QString big = scratch_.filePath(QStringLiteral("big.wav"));
        {
            QFile file(big);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.write(riff(fmtChunk(1, 1, 22050, 16)) + "data" + le32(kMaxSoundFileBytes)) > 0);
            QVERIFY(file.resize(qint64(kMaxSoundFileBytes) + 64)); // sparse
        }
        refused << big;
        // A name with blanks and letters outside ASCII reads like any other.
        const QString good = scratch_.filePath(QStringLiteral("Città di prova/sì.wav"));
        QVERIFY(QDir().mkpath(QFileInfo(good).path()));
        QVERIFY(QFile::copy(QDir(soundsFolder()).filePath(QStringLiteral("si1.wav")), good));
        QVERIFY(readWaveFile(QFileInfo(good).filesystemFilePath()));

        QElapsedTimer clock;
        clock.start();
        for (const QString& path : refused)
            QVERIFY2(!readWaveFile(QFileInfo(path).filesystemFilePath()), qPrintable(path));
        QVERIFY(clock.elapsed() < kNoWaitMs);
    }

private:
    QTemporaryDir scratch_;
};

BRASTI_TEST_MAIN(TestSoundFile)
#include "tst_soundfile.moc"
