// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The command line: what each set of arguments asks for, and the first
// window's full screen carried on to the next ones.
#include "app/catalogue.h"
#include "app/commandline.h"
#include "app/shell.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QFontInfo>
#include <QMenuBar>
#include <QRegularExpression>

using namespace brasti;
using Action = CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void arguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("error");

        QTest::newRow("none") << QStringList{} << Action::Run << false << QString();
        QTest::newRow("full screen") << QStringList{"--fullscreen"} << Action::Run << true << QString();
        QTest::newRow("help") << QStringList{"--help"} << Action::ShowHelp << false << QString();
        QTest::newRow("short help") << QStringList{"-h"} << Action::ShowHelp << false << QString();
        QTest::newRow("version") << QStringList{"--version"} << Action::ShowVersion << false << QString();
        QTest::newRow("short version") << QStringList{"-v"} << Action::ShowVersion << false << QString();
        // Help answers even beside a mistake, so it can always be asked for.
        QTest::newRow("help beats error") << QStringList{"--colori", "--help"} << Action::ShowHelp << false << QString();
        QTest::newRow("help beats version") << QStringList{"-v", "-h"} << Action::ShowHelp << false << QString();
        QTest::newRow("unknown long") << QStringList{"--colori"} << Action::Fail << false
                                      << QStringLiteral("opzione sconosciuta: --colori");
        QTest::newRow("unknown short") << QStringList{"-x"} << Action::Fail << false
                                       << QStringLiteral("opzione sconosciuta: -x");
        QTest::newRow("single dash word") << QStringList{"-fullscreen"} << Action::Fail << false
                                          << QStringLiteral("opzione sconosciuta: -f");
        QTest::newRow("value on a flag") << QStringList{"--fullscreen=si"} << Action::Fail << true
                                         << QStringLiteral("opzione non valida");
        // The languages are those built in; a code that is none of them, or none at all, is a mistake.
        QTest::newRow("language") << QStringList{"--lingua", "en"} << Action::Run << false << QString();
        QTest::newRow("language joined") << QStringList{"--lingua=it"} << Action::Run << false << QString();
        QTest::newRow("Spanish") << QStringList{"--lingua", "es"} << Action::Run << false << QString();
        QTest::newRow("unknown language") << QStringList{"--lingua", "xx"} << Action::Fail << false
                                          << QStringLiteral("lingua sconosciuta: xx (le lingue sono it, en, es, fr)");
        QTest::newRow("language without code") << QStringList{"--lingua"} << Action::Fail << false
                                               << QStringLiteral("opzione non valida");
        // The program opens no files: a file name is a mistake, not ignored.
        QTest::newRow("file") << QStringList{"esercizio.txt"} << Action::Fail << false
                              << QStringLiteral("argomento inatteso: esercizio.txt");
    }

    void arguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(bool, fullScreen);
        QFETCH(QString, error);
        arguments.prepend(QStringLiteral("brasti"));
        const CommandLine line = parseCommandLine(arguments);
        QCOMPARE(line.action, action);
        QCOMPARE(line.fullScreen, fullScreen);
        QCOMPARE(line.error, error);
        QVERIFY(!line.startCheck);
        QCOMPARE(answerCommandLine(line), action == Action::Fail ? 2 : 0);
    }

    void helpListsTheOptionsButTheHiddenOne()
    {
        const QString help = helpText();
        QVERIFY(help.startsWith(QStringLiteral("Uso: brasti [opzioni]\n")));
        for (const char* option : {"-h, --help", "-v, --version", "--fullscreen", "--numeri-sui-brasti",
                                   "--lingua <codice>", "--insegnante"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
        // The descriptions start in one column, however long the names.
        const QStringList lines = help.section(QStringLiteral("Opzioni:\n"), 1).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        const QRegularExpression names(QStringLiteral("^  -[^ ,]+(, -[^ ,]+)*( <[^>]+>)? +"));
        for (const QString& line : lines)
            QCOMPARE(names.match(line).capturedEnd(), names.match(lines.front()).capturedEnd());
        QVERIFY(!help.contains(QStringLiteral("verifica")));
        QVERIFY(parseCommandLine({QStringLiteral("brasti"), QStringLiteral("--verifica-avvio")}).startCheck);
        // The version, then the licence that lets schools pass the program on.
        const QStringList version = versionText().split(u'\n');
        QCOMPARE(version.size(), 2);
        QVERIFY(version.at(0).startsWith(QStringLiteral("Brasti ")));
        QVERIFY(version.at(1).startsWith(QStringLiteral("Licenza GPL-3.0-or-later")));
    }

    // For a child who does not tell the colours apart, with any other option.
    void numbersOnRods()
    {
        const CommandLine both = parseCommandLine({QStringLiteral("brasti"), QStringLiteral("--fullscreen"),
                                                   QStringLiteral("--numeri-sui-brasti")});
        QCOMPARE(both.action, Action::Run);
        QVERIFY(both.numbersOnRods && both.fullScreen);
        QVERIFY(!parseCommandLine({QStringLiteral("brasti")}).numbersOnRods);
        QCOMPARE(parseCommandLine({QStringLiteral("brasti"), QStringLiteral("--numeri-sui-brasti=si")}).action,
                 Action::Fail);
    }

    // The teacher's window over the menu, and nothing else changed.
    void teacherWindow()
    {
        const CommandLine teacher = parseCommandLine({QStringLiteral("brasti"), QStringLiteral("--insegnante")});
        QCOMPARE(teacher.action, Action::Run);
        QVERIFY(teacher.teacherWindow && !teacher.fullScreen && !teacher.numbersOnRods);
        QVERIFY(!parseCommandLine({QStringLiteral("brasti")}).teacherWindow);
    }

    // For the whiteboard: the first window opens full screen and every
    // window after it stays so, exercise screens included.
    void fullScreenFromTheFirstWindowOn()
    {
        harness::TestContext t;
        Shell shell(t.context);
        shell.setQuitAction([] {});
        shell.setStartState(Qt::WindowFullScreen);
        const int menuPixels = QFontInfo(QApplication::font("QMenuBar")).pixelSize();
        shell.showStart();
        QVERIFY(shell.current()->windowState() & Qt::WindowFullScreen);
        shell.showMenu();
        QVERIFY(shell.current()->windowState() & Qt::WindowFullScreen);
        for (int n = 1; n <= kExerciseCount; ++n) {
            shell.openExercise(n);
            QVERIFY(shell.current()->windowState() & Qt::WindowFullScreen);
            // The menu bar grows with the board, not only the board's controls.
            QTRY_VERIFY(shell.current()->zoom() > 1.1);
            QMenuBar* bar = shell.current()->menuBar();
            QTRY_VERIFY(std::abs(QFontInfo(bar->font()).pixelSize() - menuPixels * shell.current()->zoom()) <= 1);
            shell.showMenu();
            QVERIFY(shell.current()->windowState() & Qt::WindowFullScreen);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

BRASTI_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
