// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// By ear alone, with Debian's screen reader Orca: the test starts Orca on a
// private X server, session bus and accessibility bus, as a child of its
// own with its own preferences, and listens to what it says (its log of
// every sentence it would speak). It opens a screen of every family from
// the menu by keys typed on the X server's keyboard, and solves each
// problem choosing every key from what it heard: it waits for the spoken
// problem, works the answer out from it, and finds the rods, boxes and
// buttons by the names Orca speaks as Tab reaches them. A wrong answer is
// heard with its verdict too. The problems are random (the seed is
// printed; BRASTI_ORCA_SEED replays one). Skipped without the tools.
#include "app/language.h"
#include "app/shell.h"
#include "common/random.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/prctl.h>

using namespace brasti;

namespace {

const char* const kInsideOrca = "BRASTI_INSIDE_ORCA";
const QString kBusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
// Orca is Debian's, run by Debian's Python, whatever else is on the PATH.
const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kOrcaPackage = QStringLiteral("/usr/lib/python3/dist-packages/orca/orca.py");
const QString kLauncher = QStringLiteral(BRASTI_TEST_SOURCE_DIR "/app/orca_speech.py");

// Orca is slow to start, and under load it speaks a second or so late.
constexpr int kStartMs = 60000;
constexpr int kHearMs = 20000;
// What Orca says for one object comes in one burst; this much quiet ends it.
constexpr int kBurstMs = 150;
// Tab goes round every stop of a screen in fewer presses than this.
constexpr int kMostTabs = 45;
// "avanti" ignores keys for half a second after a right answer, against held keys.
constexpr int kAvantiPauseMs = 600;

// Runs the event loop until `done` holds or the time is up. The test is
// the program too, and Orca asks it a great deal for every key: it must
// answer at once, not between the sleeps of QTest::qWait (Qt gives a key
// 100 ms to go through the screen reader).
bool spin(const std::function<bool()>& done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(15);
    QElapsedTimer clock;
    clock.start();
    bool met = false;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        met = done();
        if (met || clock.elapsed() > timeoutMs)
            loop.quit();
    });
    tick.start();
    loop.exec();
    return met;
}

struct Heard {
    QString text;
    bool key; // the echo of a key typed, not something the program said
};

// What Orca has said, read from its log as it grows.
class Ear {
public:
    explicit Ear(const QString& path) : file_(path) {}

    void listen()
    {
        if (!file_.isOpen() && !file_.open(QIODevice::ReadOnly | QIODevice::Text))
            return;
        partial_ += file_.readAll();
        for (qsizetype end = partial_.indexOf('\n'); end >= 0; end = partial_.indexOf('\n')) {
            const QString line = QString::fromUtf8(partial_.left(end));
            partial_.remove(0, end + 1);
            // "SPEECH OUTPUT: 'text'{voice}", a key's echo with a blank before the voice.
            static const QRegularExpression speech(
                QStringLiteral("SPEECH OUTPUT: '(.*)'(?: voice=[^{ ]+)?( ?)(\\{.*\\})?$"));
            const QRegularExpressionMatch m = speech.match(line);
            if (!m.hasMatch())
                continue;
            heard_.push_back({m.captured(1), !m.captured(2).isEmpty()});
            if (verbose_)
                qInfo("heard: %s%s", heard_.back().key ? "[key] " : "", qPrintable(heard_.back().text));
        }
    }

    int mark()
    {
        listen();
        return int(heard_.size());
    }

    // The first sentence said since `from` for which `match` holds, or -1.
    int waitFor(int from, const std::function<bool(const QString&)>& match, int timeoutMs = kHearMs)
    {
        int index = -1;
        spin(
            [&] {
                listen();
                for (int i = from; i < int(heard_.size()); ++i) {
                    if (!heard_[std::size_t(i)].key && match(heard_[std::size_t(i)].text)) {
                        index = i;
                        return true;
                    }
                }
                return false;
            },
            timeoutMs);
        return index;
    }

    // What the program said in the first burst after the echo of the key
    // typed after `from`: what Orca says of the object the focus went to.
    // (What was said before the echo may still be news of the key before.)
    QStringList burst(int from)
    {
        int echo = -1;
        spin(
            [&] {
                listen();
                for (int i = from; i < int(heard_.size()) && echo < 0; ++i)
                    echo = heard_[std::size_t(i)].key ? i : -1;
                return echo >= 0;
            },
            kHearMs);
        if (echo < 0 || waitFor(echo + 1, [](const QString&) { return true; }) < 0)
            return {};
        from = echo + 1;
        int seen = 0;
        do {
            seen = int(heard_.size());
            spin([] { return false; }, kBurstMs);
            listen();
        } while (int(heard_.size()) != seen);
        QStringList said;
        for (std::size_t i = std::size_t(from); i < heard_.size(); ++i)
            if (!heard_[i].key)
                said << heard_[i].text;
        return said;
    }

    const Heard& at(int i) const { return heard_.at(std::size_t(i)); }

    // The last things heard, for a failure message.
    QString lately(int count = 30)
    {
        listen();
        QStringList lines;
        for (std::size_t i = heard_.size() > std::size_t(count) ? heard_.size() - std::size_t(count) : 0;
             i < heard_.size(); ++i)
            lines << (heard_[i].key ? QStringLiteral("  [key] ") : QStringLiteral("  ")) + heard_[i].text;
        return QStringLiteral("\nOrca said, lately:\n") + lines.join(QLatin1Char('\n'));
    }

private:
    QFile file_;
    // BRASTI_ORCA_VERBOSE=1 prints everything heard as it comes.
    const bool verbose_ = qEnvironmentVariableIsSet("BRASTI_ORCA_VERBOSE");
    QByteArray partial_;
    std::vector<Heard> heard_;
};

bool xdotool(const QStringList& arguments)
{
    QProcess run;
    run.start(QStringLiteral("xdotool"), arguments);
    if (!run.waitForStarted())
        return false;
    spin([&] { return run.state() == QProcess::NotRunning; }, 10000);
    return run.state() == QProcess::NotRunning && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0;
}

// A key typed on the X server's keyboard, held down a moment, as a hand
// types it: a press and release a few milliseconds apart can reach the
// program in another order than typed, once the screen reader has seen them.
bool type(const QString& key)
{
    if (!xdotool({QStringLiteral("keydown"), key}))
        return false;
    spin([] { return false; }, 60);
    return xdotool({QStringLiteral("keyup"), key});
}

int number(const QString& text)
{
    return text.toInt();
}

} // namespace

class TestOrca : public QObject {
    Q_OBJECT
private slots:
    void everyFamilyByEar()
    {
        if (qEnvironmentVariableIsSet(kInsideOrca)) {
            insideOrca();
            return;
        }
        const QString session = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
        if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty() || session.isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()
            || !QFileInfo(kBusLauncher).isExecutable() || !QFileInfo(kPython).isExecutable()
            || !QFileInfo::exists(kOrcaPackage))
            QSKIP("needs xvfb-run, xdotool, dbus-run-session, at-spi-bus-launcher and orca");
        // The accessibility bus lives as long as the private session bus.
        const harness::UnderX run = harness::runUnderX(
            kInsideOrca,
            {session, QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
             QStringLiteral("\"$0\" --launch-immediately --a11y=1 & exec \"$1\" everyFamilyByEar"), kBusLauncher,
             QCoreApplication::applicationFilePath()},
            {QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")}, 270000);
        if (!run.ok) {
            // Whole: a failure message would be cut short, and what Orca said is the point.
            std::fputs(run.output.constData(), stderr);
            QFAIL("the run with Orca failed: its output is above");
        }
        if (run.output.contains("SKIP"))
            QSKIP(run.output.constData());
    }

private:
    void insideOrca()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString log = home.filePath(QStringLiteral("orca-speech.log"));
        QDir(home.path()).mkpath(QStringLiteral("prefs"));
        QDir(home.path()).mkpath(QStringLiteral("config"));

        QProcess orca;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Orca's own things in the test's folder; no speech server is ever started;
        // its words for roles in English, whatever the machine's language.
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("SPEECHD_CMD"), QStringLiteral("/bin/false"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("C"));
        env.remove(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
        orca.setProcessEnvironment(env);
        orca.setProcessChannelMode(QProcess::ForwardedChannels);
        // Ends with the test, however the test ends.
        orca.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        orca.start(kPython, {kLauncher, log, home.filePath(QStringLiteral("prefs"))});
        QVERIFY2(orca.waitForStarted(), qPrintable(orca.errorString()));
        const auto stopOrca = qScopeGuard([&orca] {
            orca.terminate();
            if (!orca.waitForFinished(10000)) {
                orca.kill();
                orca.waitForFinished();
            }
        });

        Ear ear(log);
        if (ear.waitFor(0, [](const QString& s) { return s == QStringLiteral("Screen reader on."); }, kStartMs) < 0)
            QFAIL(qPrintable(QStringLiteral("Orca did not start") + ear.lately()));

        const std::uint64_t seed = qEnvironmentVariableIsSet("BRASTI_ORCA_SEED")
                                       ? qEnvironmentVariable("BRASTI_ORCA_SEED").toULongLong()
                                       : std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
        qInfo("problems drawn with seed %llu (BRASTI_ORCA_SEED replays them)", static_cast<unsigned long long>(seed));
        ClockRandom random(seed);
        harness::RecordingSoundPlayer sound;
        // The question before leaving a screen is answered here: a modal box
        // would hold the test, which runs in the program, inside its loop.
        harness::ScriptedDialogs dialogs;
        dialogs_ = &dialogs;
        AppContext context;
        context.random = &random;
        context.sound = &sound;
        context.dialogs = &dialogs;
        // As a teacher may set it: after a wrong try the answer can be shown.
        context.showAnswer = true;
        Shell shell(context);
        shell.setQuitAction([] {});
        ear_ = &ear;

        const int opening = ear.mark();
        shell.showStart();
        QVERIFY(QTest::qWaitForWindowActive(shell.current()));
        // Orca says it is on a moment before it follows every program: on a
        // busy machine a window that takes the focus then goes unheard. The
        // focus is given again, as a child would click, until it is heard.
        const auto avvio = [](const QString& s) { return s == QStringLiteral("Avvio push button."); };
        for (int attempt = 0; attempt < 3 && ear.waitFor(opening, avvio, kHearMs / 3) < 0; ++attempt) {
            if (QWidget* focused = shell.current()->focusWidget()) {
                focused->clearFocus();
                focused->setFocus(Qt::OtherFocusReason);
            }
        }
        hear(opening, QStringLiteral("Avvio push button."));
        press(QStringLiteral("Return"), QStringLiteral("Brasti - esercizi frame."));

        // One screen of each family, each left for the menu by keys too.
        const std::vector<void (TestOrca::*)()> plays = {&TestOrca::playOrdering, &TestOrca::playSigns,
                                                         &TestOrca::playRodToNumber, &TestOrca::playMakeTen,
                                                         &TestOrca::playAddition};
        for (std::size_t i = 0; i < plays.size() && !QTest::currentTestFailed(); ++i) {
            if (i > 0)
                backToMenu();
            if (!QTest::currentTestFailed())
                (this->*plays[i])();
        }
        // Every other language built in, heard the same way: the start
        // screen's button, the menu, and the first problem in its words.
        for (const QString& language : availableLanguages()) {
            if (language == kItalian || QTest::currentTestFailed())
                continue;
            QCOMPARE(installLanguage(language), language);
            const auto tr = [](const char* where, const char* text) {
                return QCoreApplication::translate(where, text);
            };
            const int start = ear.mark();
            shell.showStart();
            QVERIFY(QTest::qWaitForWindowActive(shell.current()));
            hear(start, tr("brasti::StartScreen", "Avvio") + QStringLiteral(" push button."));
            press(QStringLiteral("Return"), tr("brasti::MenuScreen", "Brasti - esercizi") + QStringLiteral(" frame."));
            // The sentence's words around what the problem draws.
            QString problem = QRegularExpression::escape(tr("brasti::Spoken", "Ordina %1 %2 nelle %3 caselle."));
            problem.replace(QRegularExpression(QStringLiteral(R"(\\?%\d)")), QStringLiteral(".+"));
            open(tr("brasti::Exercises", "ordina 3 brasti"), QStringLiteral("^notification ") + problem + u'$');
        }
        installLanguage(kItalian);
    }

    // "ordina 3 brasti": the three rods in the order heard, slot by slot, then "Conferma".
    void playOrdering()
    {
        const QString pattern = QStringLiteral("^notification Ordina dal (minore al maggiore|maggiore al minore) (.*) "
                                               "nelle 3 caselle\\.$");
        const QRegularExpressionMatch problem = open(QStringLiteral("ordina 3 brasti"), pattern);
        if (!problem.hasMatch())
            return;
        // F1 says it again.
        press(QStringLiteral("F1"), problem.captured(0));
        std::vector<int> rods;
        for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("brasto (\\d+)"))
                                                    .globalMatch(problem.captured(2)))
            rods.push_back(number(m.captured(1)));
        QCOMPARE(rods.size(), std::size_t(3));
        std::sort(rods.begin(), rods.end());
        if (problem.captured(1).startsWith(QStringLiteral("maggiore")))
            std::reverse(rods.begin(), rods.end());
        for (int slot = 1; slot <= 3; ++slot) {
            const int k = rods[std::size_t(slot - 1)];
            const int dropped = carry(k, QStringLiteral("casella %1").arg(slot));
            hear(dropped, QStringLiteral("notification brasto %1 nella casella %2.").arg(k).arg(slot));
        }
        QVERIFY(tabTo(QStringLiteral("Conferma push button.")));
        const int pressed = press(QStringLiteral("space"), QStringLiteral("notification risposta esatta."));
        hear(pressed, QStringLiteral("esatti 1, errati 0."));
        // Solved: the keyboard waits on "avanti".
        hear(pressed, QStringLiteral("avanti push button."));
        goOn(pattern);
    }

    // "inserisci   > < =": a wrong sign first, the right one shown, then pressed.
    void playSigns()
    {
        const QString pattern =
            QStringLiteral("^notification A sinistra brasto (\\d+), a destra brasto (\\d+): scegli il segno\\.$");
        const QRegularExpressionMatch problem = open(QStringLiteral("inserisci   > < ="), pattern);
        if (!problem.hasMatch())
            return;
        const int leftRod = number(problem.captured(1));
        const int rightRod = number(problem.captured(2));
        const QString rightSign = leftRod > rightRod   ? QStringLiteral("maggiore")
                                  : leftRod < rightRod ? QStringLiteral("minore")
                                                       : QStringLiteral("uguale");
        const QString wrongSign = leftRod == rightRod ? QStringLiteral("minore") : QStringLiteral("uguale");
        QVERIFY(tabTo(wrongSign + QStringLiteral(" push button.")));
        const int wrong = press(QStringLiteral("Return"), QStringLiteral("notification risposta sbagliata."));
        hear(wrong, QStringLiteral("esatti 0, errati 1."));
        // "mostrami": the right sign is pressed before the child's ears, then it is the child's turn.
        QVERIFY(tabTo(QStringLiteral("mostrami push button.")));
        const int shown = press(QStringLiteral("space"), QStringLiteral("notification %1.").arg(rightSign));
        hear(shown, QStringLiteral("notification ora prova tu."));
        QVERIFY(tabTo(rightSign + QStringLiteral(" push button.")));
        const int right = press(QStringLiteral("Return"), QStringLiteral("notification risposta esatta."));
        hear(right, QStringLiteral("esatti 1, errati 1."));
        hear(right, QStringLiteral("avanti push button."));
        goOn(pattern);
    }

    // "dal brasto al numero": the rod's units counted, as the child counts them.
    void playRodToNumber()
    {
        const QString pattern =
            QStringLiteral("^notification Quanto vale il brasto ([a-z ]+)\\? Conta le sue unità: ([a-z, ]+)\\.$");
        const QRegularExpressionMatch problem = open(QStringLiteral("dal brasto al numero"), pattern);
        if (!problem.hasMatch())
            return;
        const int units = int(problem.captured(2).count(QStringLiteral("tac")));
        QVERIFY(units >= 1 && units <= 10);
        QVERIFY(tabTo(QStringLiteral("numero %1 push button.").arg(units)));
        const int pressed = press(QStringLiteral("space"), QStringLiteral("notification risposta esatta."));
        hear(pressed, QStringLiteral("avanti push button."));
        goOn(pattern);
    }

    // "componi il 10": the rod that fills the row beside the given one.
    void playMakeTen()
    {
        const QString pattern =
            QStringLiteral("^notification Componi il 10: metti accanto al brasto (\\d+) il brasto che manca\\.$");
        const QRegularExpressionMatch problem = open(QStringLiteral("componi il 10"), pattern);
        if (!problem.hasMatch())
            return;
        const int k = 10 - number(problem.captured(1));
        const int dropped = carry(k, QStringLiteral("striscia in basso"));
        // Where the rod now lies first, then whether it counted.
        const int placed = hear(dropped, QStringLiteral("notification brasto %1 nella striscia in basso.").arg(k));
        hear(placed + 1, QStringLiteral("notification risposta esatta."));
        hear(dropped, QStringLiteral("avanti push button."));
        goOn(pattern);
    }

    // "addizioni entro il 10": the rod of the sum on its bar, then the result typed.
    void playAddition()
    {
        const QString pattern = QStringLiteral(
            "^notification (\\d+) più (\\d+) uguale: riempi la barra della somma, poi scrivi il risultato\\.$");
        const QRegularExpressionMatch problem = open(QStringLiteral("addizioni entro il 10"), pattern);
        if (!problem.hasMatch())
            return;
        const int sum = number(problem.captured(1)) + number(problem.captured(2));
        const int dropped = carry(sum, QStringLiteral("barra della somma"));
        // The full bar opens the answer box, and the keyboard is in it.
        hear(dropped, QStringLiteral("notification brasto %1 nella barra della somma.").arg(sum));
        hear(dropped, QStringLiteral("risposta text."));
        for (const QChar digit : QString::number(sum))
            QVERIFY(type(QString(digit)));
        const int typed = press(QStringLiteral("Return"), QStringLiteral("notification risposta esatta."));
        hear(typed, QStringLiteral("esatti 1, errati 0."));
        hear(typed, QStringLiteral("avanti push button."));
        goOn(pattern);
    }

    // "avanti", where the keyboard waits after a right answer, once its
    // pause against held keys is over: the next problem is heard.
    void goOn(const QString& problem)
    {
        QTest::qWait(kAvantiPauseMs);
        const QRegularExpression pattern(problem);
        const int from = ear_->mark();
        QVERIFY(type(QStringLiteral("space")));
        if (ear_->waitFor(from, [&](const QString& s) { return pattern.match(s).hasMatch(); }) < 0)
            QTest::qFail(qPrintable(QStringLiteral("no next problem after \"avanti\"") + ear_->lately()), __FILE__,
                         __LINE__);
    }

    // From the menu: Tab to the exercise's button, Space, and the problem heard.
    QRegularExpressionMatch open(const QString& caption, const QString& problem)
    {
        if (!tabTo(caption + QStringLiteral(" push button."))) {
            QTest::qFail(qPrintable(QStringLiteral("no button \"%1\" heard on the menu").arg(caption) + ear_->lately()),
                         __FILE__, __LINE__);
            return {};
        }
        const QRegularExpression pattern(problem);
        const int from = ear_->mark();
        if (!type(QStringLiteral("space"))) {
            QTest::qFail("xdotool failed", __FILE__, __LINE__);
            return {};
        }
        const int at = ear_->waitFor(from, [&](const QString& s) { return pattern.match(s).hasMatch(); });
        if (at < 0) {
            QTest::qFail(qPrintable(QStringLiteral("the problem of \"%1\" was not heard").arg(caption) + ear_->lately()),
                         __FILE__, __LINE__);
            return {};
        }
        return pattern.match(ear_->at(at).text);
    }

    // Picks up the rod heard as "brasto k" alone (a rod to carry: one that
    // lies somewhere says where), carries it to the target heard by its
    // name, and drops it there. Returns where what the drop says begins.
    int carry(int k, const QString& target)
    {
        const QString rod = QStringLiteral("brasto %1.").arg(k);
        if (!tabUntil([&](const QStringList& said) { return said == QStringList{rod}; })) {
            QTest::qFail(qPrintable(QStringLiteral("no %1 to pick up").arg(rod) + ear_->lately()), __FILE__, __LINE__);
            return ear_->mark();
        }
        type(QStringLiteral("space"));
        if (!tabTo(target + QStringLiteral(" frame.")))
            QTest::qFail(qPrintable(QStringLiteral("no %1 to carry to").arg(target) + ear_->lately()), __FILE__, __LINE__);
        const int from = ear_->mark();
        type(QStringLiteral("Return"));
        return from;
    }

    bool tabTo(const QString& first)
    {
        return tabUntil([&](const QStringList& said) { return !said.isEmpty() && said.first() == first; });
    }

    // Tab until what Orca says of the focused object is what is looked for.
    bool tabUntil(const std::function<bool(const QStringList&)>& found)
    {
        for (int i = 0; i < kMostTabs; ++i) {
            const int from = ear_->mark();
            if (!type(QStringLiteral("Tab")))
                return false;
            if (found(ear_->burst(from)))
                return true;
        }
        return false;
    }

    // A key, and what it must make Orca say. Returns where what it says begins.
    int press(const QString& key, const QString& expected)
    {
        const int from = ear_->mark();
        if (!type(key))
            QTest::qFail("xdotool failed", __FILE__, __LINE__);
        hear(from, expected);
        return from;
    }

    // Orca says this (or, with `start`, something that begins so) after
    // `from`. Returns where it was said.
    int hear(int from, const QString& expected, bool start = false)
    {
        const int at =
            ear_->waitFor(from, [&](const QString& s) { return start ? s.startsWith(expected) : s == expected; });
        if (at < 0)
            QTest::qFail(qPrintable(QStringLiteral("not heard: \"%1\"").arg(expected) + ear_->lately()), __FILE__,
                         __LINE__);
        return at;
    }

    // Alt to the menu bar, left round to "Esci", Enter, and "Sì" to the question.
    void backToMenu()
    {
        dialogs_->answers = {true};
        const int bar = ear_->mark();
        QVERIFY(type(QStringLiteral("alt")));
        hear(bar, QStringLiteral("Azzera conteggio"), true);
        press(QStringLiteral("Left"), QStringLiteral("Esci."));
        press(QStringLiteral("Return"), QStringLiteral("Brasti - esercizi frame."));
        QCOMPARE(dialogs_->shown.back().text, QStringLiteral("Vuoi tornare al menù?"));
    }

    Ear* ear_ = nullptr;
    harness::ScriptedDialogs* dialogs_ = nullptr;
};

BRASTI_TEST_MAIN(TestOrca)
#include "tst_orca.moc"
