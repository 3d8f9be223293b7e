// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The teacher's settings file: what it may say, what a broken one does (the
// default, silently), and that a whole run of the program reads it without
// ever creating or changing it. For the runs the test starts itself again as
// the program.
#include "app/pagesettings.h"
#include "app/program.h"
#include "app/settings.h"
#include "harness/testmain.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#if QT_CONFIG(process)
#include <QProcess>
#endif
#include <QScopeGuard>
#include <QTemporaryDir>
#include <optional>
#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

using namespace brasti;

namespace {

[[maybe_unused]] const char* const kRunProgram = "BRASTI_RUN_AS_PROGRAM";

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Every file and folder below a folder, with its size and time of change.
QStringList snapshot(const QString& folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << QStringLiteral("%1 %2 %3")
                       .arg(info.filePath())
                       .arg(info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void files_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("numbers");
        QTest::newRow("on") << QByteArray("numeriSuiBrasti=true\n") << true;
        QTest::newRow("on in its group") << QByteArray("[General]\nnumeriSuiBrasti = 1\n") << true;
        QTest::newRow("capitals and blanks") << QByteArray("numeriSuiBrasti= TRUE \n") << true;
        QTest::newRow("as QSettings writes it") << QByteArray("numeriSuiBrasti=@Variant(\\0\\0\\0\\x1\\x1)\n") << true;
        QTest::newRow("written on another system") << QByteArray("\xef\xbb\xbfnumeriSuiBrasti=true\r\n") << true;
        QTest::newRow("off") << QByteArray("numeriSuiBrasti=false\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("other key") << QByteArray("numeri=true\n") << false;
        QTest::newRow("not a yes or no") << QByteArray("numeriSuiBrasti=forse\n") << false;
        QTest::newRow("italian") << QByteArray("numeriSuiBrasti=si\n") << false;
        QTest::newRow("other number") << QByteArray("numeriSuiBrasti=2\n") << false;
        QTest::newRow("a list") << QByteArray("numeriSuiBrasti=true, false\n") << false;
        QTest::newRow("key without value") << QByteArray("numeriSuiBrasti\n") << false;
        // Garbage around a good line: the file as a whole is not trusted.
        QTest::newRow("corrupt") << QByteArray("\x01\x02\xff\xfe[[[\nnumeriSuiBrasti=true\n", 28) << false;
        QTest::newRow("not UTF-8") << QByteArray("numeriSuiBrasti=true\n\xc3\x28\n") << false;
        // Found by fuzzing: a character cut short at the very end, and the
        // control characters above the first 32.
        QTest::newRow("UTF-8 cut short at the end") << QByteArray("numeriSuiBrasti=true\n\x7e\xf2") << false;
        QTest::newRow("delete character") << QByteArray("numeriSuiBrasti=true\n\x7f\n") << false;
        QTest::newRow("control character U+0085") << QByteArray("numeriSuiBrasti=true\n\xc2\x85\n") << false;
        QTest::newRow("other letters stay plain text")
            << QByteArray("; brasti è più \xc2\xa0" "facile\nnumeriSuiBrasti=true\n") << true;
        QTest::newRow("oversized") << QByteArray("numeriSuiBrasti=true\n") + QByteArray(100 * 1024, '#') << false;
    }

    void files()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, numbers);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("brasti.conf"));
        QVERIFY(writeFile(path, content));
        const QStringList before = snapshot(dir.path());
        QCOMPARE(readNumbersOnRods(path), numbers);
        // Reading changes nothing, whatever the file said.
        QCOMPARE(snapshot(dir.path()), before);
    }

    void whatIsNoFile()
    {
        QTemporaryDir dir;
        QVERIFY(!readNumbersOnRods(dir.filePath(QStringLiteral("mancante.conf"))));
        QVERIFY(!readNumbersOnRods(QString()));
        // A folder or a pipe where the file should be: nothing is read, nothing waits.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cartella.conf")));
        QVERIFY(!readNumbersOnRods(dir.filePath(QStringLiteral("cartella.conf"))));
#if defined(Q_OS_UNIX)
        const QByteArray pipe = dir.filePath(QStringLiteral("tubo.conf")).toLocal8Bit();
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        QVERIFY(!readNumbersOnRods(QString::fromLocal8Bit(pipe)));
        QCOMPARE(snapshot(dir.path()).size(), 2);
#endif
    }

    // Whole runs of the program, each with its own configuration folder and
    // home: the file is read, never created, never changed, and a broken
    // one is passed over in silence.
    // A web page's query string: what is valid counts, anything else is
    // ignored with one line each, and nothing is ever an error for the child.
    void pageQuery_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("numbers"); // -1 not set, 0 off, 1 on
        QTest::addColumn<int>("ignored");
        QTest::newRow("none") << QString() << QString() << -1 << 0;
        QTest::newRow("just ?") << QStringLiteral("?") << QString() << -1 << 0;
        QTest::newRow("both") << QStringLiteral("?lingua=en&numeriSuiBrasti=1") << QStringLiteral("en") << 1 << 0;
        QTest::newRow("no ?, words") << QStringLiteral("numeriSuiBrasti=TRUE&lingua=IT") << QStringLiteral("it") << 1 << 0;
        QTest::newRow("off") << QStringLiteral("?numeriSuiBrasti=false") << QString() << 0 << 0;
        QTest::newRow("encoded") << QStringLiteral("?lingua=%65n&numeriSuiBrasti=+1+") << QStringLiteral("en") << 1 << 0;
        QTest::newRow("unknown name") << QStringLiteral("?colore=rosso&lingua=en") << QStringLiteral("en") << -1 << 1;
        QTest::newRow("unknown language") << QStringLiteral("?lingua=xx") << QString() << -1 << 1;
        QTest::newRow("junk value") << QStringLiteral("?numeriSuiBrasti=forse") << QString() << -1 << 1;
        QTest::newRow("empty value") << QStringLiteral("?numeriSuiBrasti=&lingua=") << QString() << -1 << 2;
        QTest::newRow("repeated") << QStringLiteral("?lingua=en&lingua=it&numeriSuiBrasti=1") << QString() << 1 << 1;
        QTest::newRow("long value") << QStringLiteral("?lingua=") + QString(5000 / 4, u'e') << QString() << -1 << 1;
        QTest::newRow("very long query") << QStringLiteral("?numeriSuiBrasti=1&x=") + QString(5000, u'x') << QString()
                                         << -1 << 1;
        QTest::newRow("junk") << QStringLiteral("?&&=&%%%ff\x01&lingua=en") << QStringLiteral("en") << -1 << 1;
    }

    void pageQuery()
    {
        QFETCH(QString, query);
        QFETCH(QString, language);
        QFETCH(int, numbers);
        QFETCH(int, ignored);
        const PageSettings page = readPageSettings(query, {QStringLiteral("it"), QStringLiteral("en")});
        QCOMPARE(page.language, language);
        QCOMPARE(page.numbersOnRods.has_value() ? int(*page.numbersOnRods) : -1, numbers);
        QCOMPARE(page.ignored.size(), ignored);
        // One printable line each, none longer than a console line.
        for (const QString& line : page.ignored)
            QVERIFY2(line.startsWith(QStringLiteral("Brasti: ")) && line.size() < 200 && !line.contains(u'\n'),
                     qPrintable(line));
    }

    void runsReadTheFileAndNeverWriteIt_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("content");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("no file") << std::optional<QByteArray>() << QStringList() << QStringLiteral("no");
        QTest::newRow("no file, on the command line")
            << std::optional<QByteArray>() << QStringList{QStringLiteral("--numeri-sui-brasti")} << QStringLiteral("si");
        QTest::newRow("file on") << std::optional<QByteArray>("numeriSuiBrasti=true\n") << QStringList()
                                 << QStringLiteral("si");
        QTest::newRow("file off, command line on") << std::optional<QByteArray>("numeriSuiBrasti=false\n")
                                                   << QStringList{QStringLiteral("--numeri-sui-brasti")}
                                                   << QStringLiteral("si");
        QTest::newRow("corrupt") << std::optional<QByteArray>(QByteArray("\xff\xfe\x00[[[numeri", 12))
                                 << QStringList() << QStringLiteral("no");
    }

    void runsReadTheFileAndNeverWriteIt()
    {
#if !QT_CONFIG(process)
        QSKIP("the browser build starts no other program");
#else
        QFETCH(std::optional<QByteArray>, content);
        QFETCH(QStringList, arguments);
        QFETCH(QString, numbers);
        QTemporaryDir dir;
        QString config = dir.filePath(QStringLiteral("config"));
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(config) && QDir().mkpath(home) && QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#if defined(Q_OS_WIN)
        // Windows keeps the file where QSettings puts a user's INI file, in
        // the account's own AppData: no variable moves it, so the run uses
        // the real place, where no teacher's file may be.
        const QString file = settingsFilePath();
        if (QFileInfo::exists(file))
            QSKIP("a settings file is in the account's own place");
        config = QFileInfo(file).absolutePath();
        const auto removeAgain = qScopeGuard([&config] { QDir(config).removeRecursively(); });
        QVERIFY(QDir().mkpath(config));
#else
        const QString file = QDir(config).filePath(QStringLiteral("brasti/brasti.conf"));
#endif
        if (content)
            QVERIFY(writeFile(file, *content));
        const QStringList configBefore = snapshot(config);
        const QStringList homeBefore = snapshot(home);

        const Run run = runAsProgram(arguments, config, home, runtime);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("numeri sui brasti: ") + numbers), qPrintable(run.out));
        QVERIFY2(!run.err.contains(QStringLiteral("brasti.conf")) && !run.err.contains(QStringLiteral("QSettings")),
                 qPrintable(run.err));
        QCOMPARE(snapshot(config), configBefore);
        QCOMPARE(snapshot(home), homeBefore);
#endif
    }

#if QT_CONFIG(process)
private:
    static Run runAsProgram(const QStringList& arguments, const QString& config, const QString& home,
                          const QString& runtime)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kRunProgram), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        // No audio server: the start check's sound stays silent.
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + runtime + QStringLiteral("/no-server"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(),
                    QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                QStringLiteral("--verifica-avvio")}
                        + arguments);
        Run run;
        if (!child.waitForFinished(60000))
            return run;
        run.exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
        run.out = QString::fromLocal8Bit(child.readAllStandardOutput());
        run.err = QString::fromLocal8Bit(child.readAllStandardError());
        return run;
    }
#endif
};

#if defined(BRASTI_TESTS_IN_ONE)
BRASTI_TEST_MAIN(TestSettings)
#else
int main(int argc, char** argv)
{
    // Started by the test itself: be the program.
    if (qEnvironmentVariableIsSet(kRunProgram))
        return brasti::runProgram(argc, argv);
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestSettings tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#endif

#include "tst_settings.moc"
