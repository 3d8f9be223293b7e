// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The sound player with the Windows module (waveOut): loaded only after the
// first frame, silent and quick without an audio device, and, when the caller
// provides a device (BRASTI_TEST_AUDIO_DEVICE=1, a private audio server that
// Wine's driver plays into), a sound that is heard and then lets the device go.
// And the program's voice (SAPI), which never waits, with or without voices.
#include "common/sound/systemsound.h"
#include "common/speech/speechengine.h"
#include "harness/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <windows.h>
#include <tlhelp32.h>

using namespace brasti;

namespace {

const Sound kAllSounds[] = {Sound::Right1, Sound::Right2, Sound::Right3, Sound::Right4, Sound::Wrong};
// Only a call that blocks misses this bound; generous for Wine on a loaded machine.
constexpr qint64 kNoWaitMs = 250;

QString soundsFolder()
{
    const QString fromEnv = qEnvironmentVariable("BRASTI_TEST_SOUNDS");
    return fromEnv.isEmpty() ? QFINDTESTDATA("../../assets/suoni") : fromEnv;
}

QString soundModule()
{
    return QStringLiteral(BRASTI_TEST_SOUND_MODULE);
}

bool moduleLoaded()
{
    return ::GetModuleHandleW(L"brasti_sound.dll") != nullptr;
}

int threadCount()
{
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == ::GetCurrentProcessId() ? 1 : 0;
    ::CloseHandle(snapshot);
    return count;
}

qint64 timedPlay(SoundPlayer& player, Sound sound)
{
    QElapsedTimer clock;
    clock.start();
    player.play(sound);
    return clock.elapsed();
}

} // namespace

class TestSoundWindows : public QObject {
    Q_OBJECT

private slots:
    // Must be the first to load the sound module in this process.
    void moduleComesOnlyAfterFirstPaint()
    {
        QVERIFY2(!moduleLoaded(), "the sound module is linked into the program");
        SystemSoundPlayer player(soundsFolder(), soundModule());
        QVERIFY(timedPlay(player, Sound::Right1) < kNoWaitMs); // silent, not loaded
        QWidget window;
        player.loadAfterFirstPaint(&window);
        QTest::qWait(50);
        QVERIFY(!player.isLoaded()); // never painted: never loaded
        window.show();
        QTRY_VERIFY(player.isLoaded());
        QCOMPARE(player.soundsRead(), 5);
        QVERIFY(moduleLoaded());
    }

    void withoutDeviceOrModuleIsSilentAndQuick()
    {
        if (qEnvironmentVariableIsSet("BRASTI_TEST_AUDIO_DEVICE"))
            QSKIP("an audio device is there");
        QVERIFY(scratch_.isValid());
        const QString junk = scratch_.filePath(QStringLiteral("junk.dll"));
        {
            QFile file(junk);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a library\n") > 0);
        }
        const int threadsBefore = threadCount();
        for (const QString& module : {scratch_.filePath(QStringLiteral("missing.dll")), junk, QString()}) {
            SystemSoundPlayer player(soundsFolder(), module);
            QVERIFY(!player.load());
            QVERIFY(timedPlay(player, Sound::Wrong) < kNoWaitMs);
        }
        QCOMPARE(threadCount(), threadsBefore);

        // The system's audio layer keeps threads of its own, made when first
        // asked for a device, some of them late; the players' own threads end
        // with them, so players come and go without the count growing.
        int settled = 0;
        for (int player = 0; player < 12; ++player) {
            const QString folder = player % 3 == 2 ? scratch_.filePath(QStringLiteral("missing")) : soundsFolder();
            SystemSoundPlayer sound(folder, soundModule());
            QVERIFY(sound.load());
            for (Sound each : kAllSounds)
                QVERIFY(timedPlay(sound, each) < kNoWaitMs);
            QTest::qWait(20); // time for the module to try the device
            if (player == 3)
                settled = threadCount();
        }
        QVERIFY2(threadCount() <= settled, qPrintable(QStringLiteral("%1 threads, %2 before").arg(threadCount()).arg(settled)));
    }

    // With a device: the caller watches its audio server while this plays.
    void playsThroughDevice()
    {
        if (!qEnvironmentVariableIsSet("BRASTI_TEST_AUDIO_DEVICE"))
            QSKIP("no audio device provided");
        SystemSoundPlayer player(soundsFolder(), soundModule());
        QVERIFY(player.load());
        QVERIFY(timedPlay(player, Sound::Right1) < kNoWaitMs);
        QTest::qWait(300);
        // Cuts the first off, plays to its end, and the device goes.
        QVERIFY(timedPlay(player, Sound::Wrong) < kNoWaitMs);
        QTest::qWait(3000);
    }

    // Whatever voices the system has (Wine has none), no call waits for
    // speech; in an apartment of another kind (RPC_E_CHANGED_MODE) the
    // voices found are the same.
    void voiceNeverWaits()
    {
        QList<bool> found[2];
        for (int round = 0; round < 2; ++round) {
            const bool otherApartment = round == 1 && SUCCEEDED(::CoInitializeEx(nullptr, COINIT_MULTITHREADED));
            {
                const std::unique_ptr<SpeechEngine> voice = makePlatformSpeechEngine();
                for (QLocale::Language language : {QLocale::Italian, QLocale::English, QLocale::Spanish}) {
                    found[round] << voice->setLanguage(QLocale(language));
                    QElapsedTimer clock;
                    clock.start();
                    voice->say(QStringLiteral("Ordina dal minore al maggiore brasto 2 e brasto 5."));
                    voice->say(QStringLiteral("3 < 4 & <silence msec=\"9999\"/> 5 > 4"));
                    voice->stop();
                    QVERIFY(clock.elapsed() < kNoWaitMs);
                }
            }
            if (otherApartment)
                ::CoUninitialize();
        }
        QCOMPARE(found[1], found[0]);
        qInfo("voices for it, en, es: %d %d %d; screen reader: %d", found[0][0], found[0][1], found[0][2],
              platformScreenReaderRuns());
    }

private:
    QTemporaryDir scratch_;
};

BRASTI_TEST_MAIN(TestSoundWindows)
#include "tst_sound_windows.moc"
