// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The benchmark's own plumbing, and its probes run for real: a probe that
// never reports would leave `make bench` waiting for nothing.
#include "bench/procutil.h"

#include <QTest>
#include <algorithm>
#include <csignal>
#include <sstream>
#include <vector>
#include <unistd.h>

using namespace std::chrono_literals;
using bench::Child;

namespace {

const std::string kFolder = BENCH_FOLDER;

std::vector<std::string> linesOf(Child& child)
{
    std::vector<std::string> lines;
    while (const auto line = child.readLine(120s))
        lines.push_back(*line);
    return lines;
}

} // namespace

class TestBench : public QObject {
    Q_OBJECT

private slots:
    void summaries()
    {
        const bench::Summary odd = bench::summarise({5, 1, 9, 3, 7});
        QCOMPARE(odd.count, 5u);
        QCOMPARE(odd.median, 5.0);
        QCOMPARE(odd.min, 1.0);
        QCOMPARE(odd.max, 9.0);
        // An even count takes the mean of the middle two.
        QCOMPARE(bench::summarise({4, 1, 3, 2}).median, 2.5);
        QCOMPARE(bench::summarise({}).count, 0u);
    }

    void procStatusFields()
    {
        const std::string status = "Name:\tbrasti\n"
                                   "VmHWM:\t   40960 kB\n"
                                   "VmRSS:\t   30720 kB\n"
                                   "nonvoluntary_ctxt_switches:\t7\n"
                                   "voluntary_ctxt_switches:\t100\n";
        const bench::Memory m = bench::parseMemory(status);
        QCOMPARE(m.rssKb, 30720L);
        QCOMPARE(m.peakKb, 40960L);
        // "voluntary" must not be read out of "nonvoluntary", whichever comes first.
        QCOMPARE(bench::parseContextSwitches(status), 107LL);
        QCOMPARE(bench::parseContextSwitches("voluntary_ctxt_switches:\t1\nnonvoluntary_ctxt_switches:\t2\n"), 3LL);
        QCOMPARE(bench::parseMemory("Name:\tx\n").rssKb, -1L);
        QCOMPARE(bench::parseContextSwitches("Name:\tx\n"), 0LL);
    }

    void ownProcessFromProc()
    {
        const bench::Memory m = bench::readMemory(getpid());
        QVERIFY(m.rssKb > 0);
        QVERIFY(m.peakKb >= m.rssKb);
        const bench::Activity threads = bench::readActivity(getpid());
        QVERIFY(threads.contains(getpid()));
        QVERIFY(threads.at(getpid()).cpuNs > 0);
    }

    void activityAcrossThreads()
    {
        const bench::Activity before = {{1, {10, 1000}}, {2, {5, 500}}};
        // Thread 2 ended, thread 3 began.
        const bench::Activity after = {{1, {12, 1500}}, {3, {4, 300}}};
        const bench::ThreadActivity done = bench::activityBetween(before, after);
        QCOMPARE(done.contextSwitches, 2 + 4 + 1LL);
        QCOMPARE(done.cpuNs, 500 + 300LL);
        const bench::ThreadActivity none = bench::activityBetween(after, after);
        QCOMPARE(none.contextSwitches, 0LL);
        QCOMPARE(none.cpuNs, 0LL);
    }

    void mappedObjectsFromProcMaps()
    {
        const std::string maps =
            "55d0c000-55d0d000 r--p 00000000 08:01 123 /usr/bin/brasti\n"
            "7f00a000-7f00b000 r--p 00000000 08:01 456 /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2\n"
            "7f00b000-7f00c000 r-xp 00001000 08:01 456 /usr/lib/x86_64-linux-gnu/libQt6Core.so.6.4.2\n"
            "7f00c000-7f00d000 rw-p 00000000 00:00 0 \n"
            "7f00d000-7f00e000 r--p 00000000 08:01 789 /usr/lib/brasti/libbrasti_sound.so (deleted)\n"
            "7f00e000-7f00f000 r--s 00000000 08:01 790 /usr/share/fonts/x.ttf\n"
            "7ffd0000-7ffd1000 r-xp 00000000 00:00 0 [vdso]";
        const std::vector<std::string> expected = {"libQt6Core.so.6.4.2", "libbrasti_sound.so"};
        QCOMPARE(bench::parseMappedObjects(maps), expected);
        QVERIFY(bench::mappedObjectsLine().rfind("libs ", 0) == 0);
    }

    void childLinesAndStatus()
    {
        Child child({"sh", "-c", "echo one; printf two; exit 3"}, STDERR_FILENO);
        QCOMPARE(child.readLine(10s), std::optional<std::string>("one"));
        QCOMPARE(child.readLine(10s), std::optional<std::string>("two"));
        QCOMPARE(child.readLine(10s), std::nullopt);
        QCOMPARE(child.wait(), 3);

        // A silent child gives up the read at the limit and is killed with its Child.
        Child silent({"sleep", "600"}, STDERR_FILENO);
        QCOMPARE(silent.readLine(20ms), std::nullopt);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, Child({"/nonexistent/program"}, STDERR_FILENO));
    }

    void startProbesReportFirstPaint()
    {
        for (const char* exe : {"brasti_probe", "brasti_bare"}) {
            Child child({kFolder + "/" + exe}, STDERR_FILENO);
            QCOMPARE(child.readLine(120s), std::optional<std::string>("painted"));
            QCOMPARE(child.wait(), 0);
        }
    }

    void memoryProbeWalksTheScreens()
    {
        Child child({kFolder + "/brasti_probe", "--memory", "10"}, STDERR_FILENO);
        const std::vector<std::string> lines = linesOf(child);
        QCOMPARE(child.wait(), 0);
        QCOMPARE(lines.size(), 3u);
        const char* expected[] = {"start", "menu", "round10"};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::istringstream in(lines[i]);
            std::string tag, where;
            long rss = 0, peak = 0;
            QVERIFY(in >> tag >> where >> rss >> peak);
            QCOMPARE(where, std::string(expected[i]));
            QVERIFY(rss > 0 && peak >= rss);
        }
    }

    void idleProbeComesUp()
    {
        for (const char* where : {"menu", "exercise"}) {
            Child child({kFolder + "/brasti_probe", "--idle", where}, STDERR_FILENO);
            QCOMPARE(child.readLine(120s), std::optional<std::string>("ready"));
            child.kill(SIGTERM);
            QCOMPARE(child.wait(), -1);
        }
    }

    void probesListTheirLibrariesWithoutAudio()
    {
        for (const char* exe : {"brasti_probe", "brasti_bare"}) {
            Child child({kFolder + "/" + exe, "--libraries"}, STDERR_FILENO);
            const std::optional<std::string> line = child.readLine(120s);
            QCOMPARE(child.wait(), 0);
            QVERIFY(line && line->rfind("libs ", 0) == 0);
            QVERIFY(line->find("libQt6Widgets") != std::string::npos);
            // The sound module comes only after the first frame.
            QVERIFY2(line->find("libpulse") == std::string::npos, exe);
            QVERIFY2(line->find("libbrasti_sound") == std::string::npos, exe);
        }
    }

    void soundRunReportsSoundsAndVoice()
    {
        if (!bench::onPath("pulseaudio"))
            QSKIP("pulseaudio is needed for the sound row");
        Child child({kFolder + "/brasti_bench", "--sound", "3"}, STDERR_FILENO);
        const std::vector<std::string> lines = linesOf(child);
        QCOMPARE(child.wait(), 0);
#if defined(__SANITIZE_ADDRESS__)
        const std::size_t rows = 2; // no voice in the instrumented build
#else
        const std::size_t rows = 4;
#endif
        QCOMPARE(lines.size(), rows);
        const char* keys[] = {"sound.first", "sound.later", "voice.problem", "voice.after_sound"};
        const int counts[] = {1, 2, 3, 3};
        // The voice's daemon may still be starting on a loaded machine.
        const double limits[] = {2000, 2000, 10000, 10000};
        for (std::size_t i = 0; i < rows; ++i) {
            std::istringstream in(lines[i]);
            std::string key;
            QVERIFY(in >> key);
            QCOMPARE(key, std::string(keys[i]));
            int samples = 0;
            for (double v = 0; in >> v; ++samples)
                QVERIFY2(v >= 0 && v < limits[i], keys[i]);
            QCOMPARE(samples, counts[i]);
        }
    }

    void interactionRunsEveryStep()
    {
        Child child({kFolder + "/brasti_bench", "--interaction", "3"}, STDERR_FILENO);
        const std::vector<std::string> lines = linesOf(child);
        QCOMPARE(child.wait(), 0);
        // One line per interaction figure.
        const std::vector<const char*> keys = {"click.menu",         "drop.slot",         "click.conferma",
                                               "verdict.comparison", "verdict.rodnumber", "verdict.composing",
                                               "drop.written",       "verdict.written",   "show.start",
                                               "show.frame.designed", "show.frame.4k"};
        QCOMPARE(lines.size(), keys.size());
        for (const char* key : keys) {
            const auto line = std::find_if(lines.begin(), lines.end(),
                                           [key](const std::string& l) { return l.rfind(key, 0) == 0; });
            QVERIFY2(line != lines.end(), key);
            std::istringstream in(line->substr(std::string(key).size()));
            int samples = 0;
            for (double v = 0; in >> v; ++samples)
                QVERIFY(v >= 0);
            QVERIFY(samples >= 3);
        }
    }
};

QTEST_GUILESS_MAIN(TestBench)
#include "tst_bench.moc"
