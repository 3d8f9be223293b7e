// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The small decisions every screen relies on: draws, colour tables, the tray
// shuffle, places filled with rods end to end, the counters and the number words.
#include "common/colours.h"
#include "common/counting.h"
#include "common/numberwords.h"
#include "common/runsummary.h"
#include "common/random.h"
#include "common/rodfill.h"
#include "common/tray.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#if QT_CONFIG(process)
#include <QProcess>
#include <QRegularExpression>
#endif
#include <QStandardPaths>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <set>

using namespace brasti;

Q_DECLARE_METATYPE(FillRule)

class TestDecisions : public QObject {
    Q_OBJECT
private slots:
    void drawIntCoversOneToNAndStaysInRange()
    {
        harness::ScriptedRandom random;
        for (double v : {0.0, 0.0999, 0.1, 0.5, 0.9999999, 1.0, -0.2, 7.0})
            random.push(v);
        const int expected[] = {1, 1, 2, 6, 10, 10, 1, 10};
        for (int e : expected)
            QCOMPARE(drawInt(random, 10), e);

        ClockRandom clock(42);
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) {
            const double v = clock.next();
            QVERIFY(v >= 0.0 && v < 1.0);
            seen.insert(drawInt(clock, 4));
        }
        QCOMPARE(seen, (std::set<int>{1, 2, 3, 4}));
    }

    void clockSeedsDiffer()
    {
        ClockRandom a;
        ClockRandom b;
        QVERIFY(a.next() != b.next() || a.next() != b.next());
    }

    void backgroundTables()
    {
        // Ordering screens never get their container's grey; magenta comes twice as often.
        QVERIFY(std::find(kOrderingColours.begin(), kOrderingColours.end(), kContainerGrey) == kOrderingColours.end());
        QCOMPARE(std::count(kOrderingColours.begin(), kOrderingColours.end(), Bgr(0xFF00FF)), 2);
        QCOMPARE(std::count(kStartMenuColours.begin(), kStartMenuColours.end(), kContainerGrey), 1);
        QCOMPARE(std::count(kStartMenuColours.begin(), kStartMenuColours.end(), Bgr(0xFFC0FF)), 2);
        for (std::size_t i = 0; i < 18; ++i)
            if (i != 15)
                QCOMPARE(kOrderingColours[i], kStartMenuColours[i]);

        harness::ScriptedRandom random;
        random.pushInts({1, 16, 18}, 18);
        QCOMPARE(drawBackground(random, kStartMenuColours), Bgr(0xC0C0FF));
        QCOMPARE(drawBackground(random, kStartMenuColours), Bgr(0xE0E0E0));
        QCOMPARE(drawBackground(random, kOrderingColours), Bgr(0xFF00FF));
        QCOMPARE(random.draws(), 3);
    }

    void rodColours()
    {
        QCOMPARE(rodColour(1), Bgr(0xFFFFFF));
        QCOMPARE(rodColour(7), Bgr(0x000000));
        QCOMPARE(rodColour(10), Bgr(0x0080FF));
        std::set<Bgr> distinct;
        for (int k = 1; k <= 10; ++k)
            distinct.insert(rodColour(k));
        QCOMPARE(int(distinct.size()), 10);
    }

    // The number written on a rod reads well on every rod: white and light
    // rods get dark text, dark rods light text.
    void numbersReadOnEveryRod()
    {
        QCOMPARE(contrastRatio(0x000000, 0xFFFFFF), 21.0);
        QCOMPARE(contrastRatio(0x0000FF, 0x0000FF), 1.0);
        QCOMPARE(contrastRatio(0x00FF00, 0xC00000), contrastRatio(0xC00000, 0x00FF00));
        const std::set<int> dark = {6, 7, 8, 9};
        for (int k = 1; k <= 10; ++k) {
            const Bgr text = textColourOn(rodColour(k));
            QCOMPARE(text, dark.count(k) ? Bgr(0xFFFFFF) : Bgr(0x000000));
            // The contrast asked of ordinary text.
            QVERIFY2(contrastRatio(text, rodColour(k)) >= 4.5, qPrintable(QString::number(k)));
        }
    }

    void probeShuffleTakesNextFreeRod()
    {
        harness::ScriptedRandom random;
        // Every draw asks for rod 10: the probe wraps to 1, 2, 3, ...
        for (int i = 0; i < 10; ++i)
            random.pushInt(10, 10);
        QCOMPARE(probeShuffle(random), (std::array<int, 10>{10, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(random.draws(), 10);

        random.pushInts({3, 3, 3, 1, 10, 10, 10, 10, 10, 10}, 10);
        QCOMPARE(probeShuffle(random), (std::array<int, 10>{3, 4, 5, 1, 10, 2, 6, 7, 8, 9}));

        ClockRandom clock(7);
        for (int round = 0; round < 200; ++round) {
            auto order = probeShuffle(clock);
            std::sort(order.begin(), order.end());
            QCOMPARE(order, (std::array<int, 10>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        }
    }

    // Rods dropped on a place filled end to end, by each rule: the bars of
    // written arithmetic (TensFirst within 20, OneRod within 10), the box of
    // the numbers to 20 (TenThenRest). A drop of -k is rod k dropped again
    // where it lies.
    void rodFill_data()
    {
        QTest::addColumn<FillRule>("rule");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("start");
        QTest::addColumn<std::vector<int>>("drops");
        // One outcome per drop: P placed, C completes, R refused, W wrong,
        // I ignored, each with the unit where the rod would land.
        QTest::addColumn<QString>("outcomes");
        const FillRule tens = FillRule::TensFirst;
        const FillRule one = FillRule::OneRod;
        const FillRule box = FillRule::TenThenRest;
        const auto row = [](const char* name, FillRule rule, int length, int start, std::vector<int> drops,
                            const char* outcomes) {
            QTest::newRow(name) << rule << length << start << drops << QString::fromLatin1(outcomes);
        };
        row("sum 20: two tens, nothing more", tens, 20, 0, {5, 10, 9, 10, 1}, "R0 P0 R10 C10 W20");
        row("sum 10: only a ten", tens, 10, 0, {3, 7, 10}, "R0 R0 C0");
        row("sum 15: ten, then 2 and 3", tens, 15, 0, {5, 10, 2, 4, 3}, "R0 P0 P10 W12 C12");
        row("sum 15: ten, then 5", tens, 15, 0, {10, 5}, "P0 C10");
        row("sum below 10: any rods that fit", tens, 8, 0, {3, 6, 4, 1}, "P0 W3 P3 C7");
        row("sum 9: a ten is too long", tens, 9, 0, {10, 9}, "W0 C0");
        row("difference 10: only a ten", tens, 20, 10, {9, 10}, "R10 C10");
        row("difference 19: a ten, then nine", tens, 20, 1, {9, 10, 2, 7}, "R1 P1 P11 C13");
        row("difference 1: only the 1", tens, 11, 10, {2, 10, 1, 1}, "W10 W10 C10 W11");
        row("within 10: only the sum", one, 7, 0, {6, 8, 3, 7, 7}, "W0 W0 W0 C0 W7");
        row("within 10: only the difference", one, 7, 3, {7, 3, 4}, "W3 W3 C3");
        row("14: the unit rod first, a second 10, a wrong rod, then 4", box, 14, 0, {4, 10, 10, 3, 4},
            "W0 P0 W10 W10 C10");
        row("11: the unit rod first leaves no 10 placed", box, 11, 0, {1, 1}, "W0 W0");
        row("11: the 10, then 1", box, 11, 0, {10, 1}, "P0 C10");
        row("20: the placed 10 again is no second 10, the other one is", box, 20, 0, {10, -10, 10}, "P0 I10 C10");
        row("20: nothing but a 10 completes it", box, 20, 0, {10, 9, 1}, "P0 W10 W10");
        row("15 solved: nothing more counts", box, 15, 0, {10, 5, 5, 3, 10}, "P0 C10 I15 I15 I15");
        row("no problem posed", box, 0, 0, {10}, "I0");
    }
    void rodFill()
    {
        QFETCH(FillRule, rule);
        QFETCH(int, length);
        QFETCH(int, start);
        QFETCH(std::vector<int>, drops);
        QFETCH(QString, outcomes);
        RodFill place(rule, length, start);
        QCOMPARE(place.filled(), start);
        const QStringList expected = outcomes.split(QLatin1Char(' '));
        QCOMPARE(expected.size(), qsizetype(drops.size()));
        for (std::size_t i = 0; i < drops.size(); ++i) {
            const int before = place.filled();
            const std::vector<int> laidBefore = place.laid();
            const LaidRod o = place.lay(std::abs(drops[i]), drops[i] < 0);
            const QString got = QString(QLatin1Char("PCRWI"[int(o.verdict)])) + QString::number(o.atUnits);
            QCOMPARE(got, expected[qsizetype(i)]);
            // Only a rod taken moves the filled length, never past the place, and is recorded.
            const bool taken = o.verdict == LayVerdict::Placed || o.verdict == LayVerdict::Completes;
            QCOMPARE(place.filled(), taken ? before + drops[i] : before);
            QCOMPARE(place.laid().size(), laidBefore.size() + (taken ? 1 : 0));
            QVERIFY(place.filled() <= place.length());
            QCOMPARE(place.isFull(), place.filled() == length);
            QCOMPARE(o.verdict == LayVerdict::Completes, taken && place.isFull());
        }
    }

    void countersStopAt32767()
    {
        QCOMPARE(countUp(0), std::int16_t(1));
        QCOMPARE(countUp(32766), std::int16_t(32767));
        QCOMPARE(countUp(32767), std::int16_t(32767));
        QCOMPARE(countCaption(1), std::string(" 1"));
        QCOMPARE(countCaption(14), std::string(" 14"));
        QCOMPARE(countCaption(32767), std::string(" 32767"));
        QCOMPARE(withSignPlace(0), std::string(" 0"));
        QCOMPARE(withSignPlace(-3), std::string("-3"));
    }

    void numberWordsWorkedValues_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("words");
        const std::pair<int, const char*> rows[] = {
            {0, "ZERO"}, {1, "UNO"}, {16, "SEDICI"}, {20, "VENTI"}, {21, "VENTUNO"}, {28, "VENTOTTO"},
            {33, "TRENTATRE"}, {100, "CENTO"}, {101, "CENTOUNO"}, {108, "CENTOOTTO"},
            {118, "CENTODICIOTTO"}, {181, "CENTOOTTANTUNO"}, {999, "NOVECENTONOVANTANOVE"},
            {1000, "MILLE"}, {1001, "MILLEUNO"}, {1100, "MILLECENTO"}, {2000, "DUEMILA"},
            {2001, "DUEMILAUNO"}, {21000, "VENTUNOMILA"}, {28000, "VENTOTTOMILA"},
            {32767, "TRENTADUEMILASETTECENTOSESSANTASETTE"}, {-1, "ZERO"}, {-32768, "ZERO"}};
        for (const auto& [n, w] : rows)
            QTest::addRow("%d", n) << n << QString::fromLatin1(w);
    }
    void numberWordsWorkedValues()
    {
        QFETCH(int, n);
        QFETCH(QString, words);
        QCOMPARE(QString::fromStdString(NumberToWords(static_cast<std::int16_t>(n))), words);
    }

    void numberWordsOneToTwenty()
    {
        const char* words[] = {"UNO", "DUE", "TRE", "QUATTRO", "CINQUE", "SEI", "SETTE", "OTTO", "NOVE", "DIECI",
                               "UNDICI", "DODICI", "TREDICI", "QUATTORDICI", "QUINDICI", "SEDICI", "DICIASSETTE",
                               "DICIOTTO", "DICIANNOVE", "VENTI"};
        for (int n = 1; n <= 20; ++n)
            QCOMPARE(NumberToWords(static_cast<std::int16_t>(n)), std::string(words[n - 1]));
    }

    void numberWordsElideOnlyBeforeUnoAndOtto()
    {
        const char* tens[] = {"TRENT", "QUARANT", "CINQUANT", "SESSANT", "SETTANT", "OTTANT", "NOVANT"};
        for (int t = 3; t <= 9; ++t) {
            const std::string stem = tens[t - 3];
            QCOMPARE(NumberToWords(static_cast<std::int16_t>(t * 10 + 1)), stem + "UNO");
            QCOMPARE(NumberToWords(static_cast<std::int16_t>(t * 10 + 8)), stem + "OTTO");
            QCOMPARE(NumberToWords(static_cast<std::int16_t>(t * 10 + 2)), stem + "ADUE");
            QCOMPARE(NumberToWords(static_cast<std::int16_t>(t * 10 + 9)), stem + "ANOVE");
        }
    }

    void numberWordsWholeRange()
    {
        // Every value spells without blanks in capitals; distinct numbers, distinct words.
        std::set<std::string> seen;
        for (int n = 1; n <= 32767; ++n) {
            const std::string w = NumberToWords(static_cast<std::int16_t>(n));
            QVERIFY2(!w.empty() && w != "ZERO", std::to_string(n).c_str());
            QVERIFY(std::all_of(w.begin(), w.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
            seen.insert(w);
        }
        QCOMPARE(int(seen.size()), 32767);
    }

    void spellers_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("words");
        const std::tuple<const char*, int, const char*> rows[] = {
            {"it", 7, "SETTE"},
            {"en", 0, "ZERO"},
            {"en", 13, "THIRTEEN"},
            {"en", 20, "TWENTY"},
            {"en", 21, "TWENTY-ONE"},
            {"en", 101, "ONE HUNDRED AND ONE"},
            {"en", 1001, "ONE THOUSAND AND ONE"},
            {"en", 1100, "ONE THOUSAND ONE HUNDRED"},
            {"en", 32767, "THIRTY-TWO THOUSAND SEVEN HUNDRED AND SIXTY-SEVEN"},
            {"en", -32768, "MINUS THIRTY-TWO THOUSAND SEVEN HUNDRED AND SIXTY-EIGHT"},
            {"es", 0, "CERO"},
            {"es", 21, "VEINTIUNO"},
            {"es", 22, "VEINTIDÓS"},
            {"es", 100, "CIEN"},
            {"es", 101, "CIENTO UNO"},
            {"es", 515, "QUINIENTOS QUINCE"},
            {"es", 1000, "MIL"},
            {"es", 2000, "DOS MIL"},
            {"es", 16, "DIECISÉIS"},
            {"es", 11000, "ONCE MIL"},
            {"es", 21001, "VEINTIÚN MIL UNO"},
            {"es", 31000, "TREINTA Y UN MIL"},
            {"es", 32767, "TREINTA Y DOS MIL SETECIENTOS SESENTA Y SIETE"},
            {"es", -32768, "MENOS TREINTA Y DOS MIL SETECIENTOS SESENTA Y OCHO"},
            {"fr", 0, "ZÉRO"},
            {"fr", 17, "DIX-SEPT"},
            {"fr", 21, "VINGT-ET-UN"},
            {"fr", 71, "SOIXANTE-ET-ONZE"},
            {"fr", 80, "QUATRE-VINGTS"},
            {"fr", 81, "QUATRE-VINGT-UN"},
            {"fr", 91, "QUATRE-VINGT-ONZE"},
            {"fr", 100, "CENT"},
            {"fr", 200, "DEUX-CENTS"},
            {"fr", 201, "DEUX-CENT-UN"},
            {"fr", 1000, "MILLE"},
            {"fr", 2080, "DEUX-MILLE-QUATRE-VINGTS"},
            {"fr", 21000, "VINGT-ET-UN-MILLE"},
            {"fr", -32768, "MOINS TRENTE-DEUX-MILLE-SEPT-CENT-SOIXANTE-HUIT"},
            {"pt", 0, "ZERO"},
            {"pt", 16, "DEZESSEIS"},
            {"pt", 100, "CEM"},
            {"pt", 101, "CENTO E UM"},
            {"pt", 1000, "MIL"},
            {"pt", 1001, "MIL E UM"},
            {"pt", 1200, "MIL E DUZENTOS"},
            {"pt", 1201, "MIL DUZENTOS E UM"},
            {"pt", 2100, "DOIS MIL E CEM"},
            {"pt", -32768, "MENOS TRINTA E DOIS MIL SETECENTOS E SESSENTA E OITO"},
            // A language without words of its own writes digits, not Italian.
            {"de", 17, "17"},
            {"", 5, "5"},
        };
        for (const auto& [language, n, w] : rows)
            QTest::addRow("%s %d", language, n) << QString::fromLatin1(language) << n << QString::fromUtf8(w);
    }
    void spellers()
    {
        QFETCH(QString, language);
        QFETCH(int, n);
        QFETCH(QString, words);
        const NumberSpeller& speller = spellerFor(language.toStdString());
        QCOMPARE(QString::fromStdString(speller.words(static_cast<std::int16_t>(n))), words);
    }

    void englishScreenWordsOneToTwenty()
    {
        const char* words[] = {"ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE", "TEN",
                               "ELEVEN", "TWELVE", "THIRTEEN", "FOURTEEN", "FIFTEEN", "SIXTEEN", "SEVENTEEN",
                               "EIGHTEEN", "NINETEEN", "TWENTY"};
        for (int n = 1; n <= 20; ++n)
            QCOMPARE(englishSpeller().words(static_cast<std::int16_t>(n)), std::string(words[n - 1]));
    }

    // Text of any script is laid out as it arrives (a paste, a tablet's
    // keyboard). The browser build once aborted here: its Qt looked for
    // libthai to break Thai into words.
    void anyScriptIsSegmented()
    {
        QTextBoundaryFinder words(QTextBoundaryFinder::Word, QStringLiteral("ภาษาไทย 12 + 3"));
        int boundaries = 0;
        while (words.toNextBoundary() >= 0)
            ++boundaries;
        QVERIFY(boundaries >= 3);
    }

    // Time runs only while an exercise is in play, and counts go to it.
    void runSummaryTimesWhatIsInPlay()
    {
        std::chrono::milliseconds now{1000};
        RunSummary summary([&now] { return now; });
        summary.solved(); // nothing in play: counted nowhere
        summary.opened(3);
        now += std::chrono::milliseconds(500);
        summary.wrong();
        summary.opened(7); // 3 closes
        now += std::chrono::milliseconds(200);
        summary.solved();
        QCOMPARE(summary.rows()[1].time.count(), 200); // in play, up to now
        summary.closed();
        now += std::chrono::milliseconds(900); // the menu: no one's time
        summary.opened(3);
        now += std::chrono::milliseconds(100);
        summary.solved();
        summary.closed();
        std::vector<int> seen;
        for (const RunRow& r : summary.rows())
            seen.insert(seen.end(), {r.screen, r.solved, r.wrong, int(r.time.count())});
        QCOMPARE(seen, (std::vector<int>{3, 1, 1, 600, 7, 1, 0, 200}));
        summary.clear();
        QVERIFY(summary.rows().empty());
    }

    // Every value from 0 to 32767 against Debian's num2words, whose words are
    // in lower case and, in British English and in Portuguese, have a comma
    // after the thousands. Where it writes otherwise than a child's school
    // does, it is mended. Spanish: the accent of "dieciséis" and "un" before
    // "mil". French: the 1990 reform's hyphens between all the parts, its
    // spelling is the traditional one with blanks. Portuguese: Brazil's
    // usual "quatorze", and "e" after "mil" before round hundreds.
    void wordsMatchAnOutsideOracle_data()
    {
        QTest::addColumn<QString>("language"); // the speller's, then the oracle's
        QTest::addColumn<QString>("oracleLanguage");
        QTest::addColumn<QStringList>("mended"); // a pattern of its spelling, then the right one
        QTest::newRow("English") << QStringLiteral("en") << QStringLiteral("en") << QStringList();
        QTest::newRow("Spanish") << QStringLiteral("es") << QStringLiteral("es")
                                 << QStringList{QStringLiteral("dieciseis"), QStringLiteral("dieciséis"),
                                                QStringLiteral("veintiuno mil"), QStringLiteral("veintiún mil"),
                                                QStringLiteral("y uno mil"), QStringLiteral("y un mil")};
        QTest::newRow("French") << QStringLiteral("fr") << QStringLiteral("fr")
                                << QStringList{QStringLiteral(" "), QStringLiteral("-")};
        QTest::newRow("Portuguese") << QStringLiteral("pt") << QStringLiteral("pt_BR")
                                    << QStringList{QStringLiteral("catorze"), QStringLiteral("quatorze"),
                                                   QStringLiteral("mil (\\w+entos)$"), QStringLiteral("mil e \\1")};
    }
    void wordsMatchAnOutsideOracle()
    {
#if !QT_CONFIG(process)
        QSKIP("the browser build starts no other program");
#else
        QFETCH(QString, language);
        QFETCH(QString, oracleLanguage);
        QFETCH(QStringList, mended);
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
        if (python.isEmpty())
            QSKIP("no python3");
        QProcess oracle;
        oracle.start(python, {QStringLiteral("-c"),
                              QStringLiteral("import sys\n"
                                             "from num2words import num2words\n"
                                             "sys.stdout.buffer.write(''.join(num2words(n, lang=sys.argv[1]) + '\\n'"
                                             " for n in range(32768)).encode('utf-8'))\n"),
                              oracleLanguage});
        QVERIFY(oracle.waitForFinished(120000));
        if (oracle.exitCode() != 0)
            QSKIP("python3-num2words is not installed");
        const QStringList expected = QString::fromUtf8(oracle.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(expected.size(), 32768);
        const NumberSpeller& speller = spellerFor(language.toStdString());
        QStringList wrong;
        for (int n = 0; n < 32768; ++n) {
            QString theirs = QString(expected.at(n)).remove(u',');
            for (qsizetype i = 0; i + 1 < mended.size(); i += 2)
                theirs.replace(QRegularExpression(mended.at(i)), mended.at(i + 1));
            theirs = theirs.toUpper();
            const QString ours = QString::fromStdString(speller.words(static_cast<std::int16_t>(n)));
            if (ours != theirs && wrong.size() < 10)
                wrong << QStringLiteral("%1: %2, not %3").arg(n).arg(ours, theirs);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
#endif
    }
};

BRASTI_TEST_MAIN(TestDecisions)
#include "tst_decisions.moc"
