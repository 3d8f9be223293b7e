// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The teacher's settings: what a file or a page's address may say, what a
// broken one does (the defaults, with a line for the teacher), where the file
// is found, how it is saved, and that a whole run of the program reads it
// without ever creating or changing it. For the runs the test starts itself
// again as the program.
#include "app/catalogue.h"
#include "app/pagesettings.h"
#include "app/program.h"
#include "app/settingsfile.h"
#include "harness/testmain.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#if QT_CONFIG(process)
#include <QProcess>
#endif
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <optional>
#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace brasti;

static_assert(TeacherSettings::kExerciseCount == kExerciseCount, "the settings choose among the menu's exercises");

namespace brasti {
// What QCOMPARE prints of settings: the link that gives them.
char* toString(const TeacherSettings& settings)
{
    return qstrdup(qPrintable(u'?' + settingsQuery(settings)));
}
} // namespace brasti

namespace {

const QStringList kLanguages{QStringLiteral("it"), QStringLiteral("en"), QStringLiteral("es")};

[[maybe_unused]] const char* const kRunProgram = "BRASTI_RUN_AS_PROGRAM";

bool writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Settings as a link gives them.
TeacherSettings fromLink(const QString& query)
{
    return readPageSettings(query, kLanguages).settings;
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
        QTest::addColumn<int>("problems");
        QTest::newRow("on") << QByteArray("numeriSuiBrasti=true\n") << true << 0;
        QTest::newRow("on in its group") << QByteArray("[General]\nnumeriSuiBrasti = 1\n") << true << 0;
        QTest::newRow("capitals and blanks") << QByteArray("numeriSuiBrasti= TRUE \n") << true << 0;
        QTest::newRow("as QSettings writes it") << QByteArray("numeriSuiBrasti=@Variant(\\0\\0\\0\\x1\\x1)\n") << true << 0;
        QTest::newRow("written on another system") << QByteArray("\xef\xbb\xbfnumeriSuiBrasti=true\r\n") << true << 0;
        QTest::newRow("off") << QByteArray("numeriSuiBrasti=false\n") << false << 0;
        QTest::newRow("empty file") << QByteArray() << false << 0;
        QTest::newRow("other key") << QByteArray("numeri=true\n") << false << 1;
        QTest::newRow("not a yes or no") << QByteArray("numeriSuiBrasti=forse\n") << false << 1;
        QTest::newRow("italian") << QByteArray("numeriSuiBrasti=si\n") << false << 1;
        QTest::newRow("other number") << QByteArray("numeriSuiBrasti=2\n") << false << 1;
        QTest::newRow("a list") << QByteArray("numeriSuiBrasti=true, false\n") << false << 1;
        QTest::newRow("key without value") << QByteArray("numeriSuiBrasti\n") << false << 0;
        // Garbage around a good line: the file as a whole is not trusted.
        QTest::newRow("corrupt") << QByteArray("\x01\x02\xff\xfe[[[\nnumeriSuiBrasti=true\n", 28) << false << 1;
        QTest::newRow("not UTF-8") << QByteArray("numeriSuiBrasti=true\n\xc3\x28\n") << false << 1;
        // Found by fuzzing: a character cut short at the very end, and the
        // control characters above the first 32.
        QTest::newRow("UTF-8 cut short at the end") << QByteArray("numeriSuiBrasti=true\n\x7e\xf2") << false << 1;
        QTest::newRow("delete character") << QByteArray("numeriSuiBrasti=true\n\x7f\n") << false << 1;
        QTest::newRow("control character U+0085") << QByteArray("numeriSuiBrasti=true\n\xc2\x85\n") << false << 1;
        QTest::newRow("other letters stay plain text")
            << QByteArray("; brasti è più \xc2\xa0" "facile\nnumeriSuiBrasti=true\n") << true << 0;
        // QSettings keeps the last of a name given twice; the reader takes neither.
        QTest::newRow("twice") << QByteArray("numeriSuiBrasti=true\nnumeriSuiBrasti=true\n") << false << 1;
        QTest::newRow("twice, once in [General]")
            << QByteArray("numeriSuiBrasti=true\n[general]\nnumeriSuiBrasti=true\n") << false << 1;
        QTest::newRow("once more in another group")
            << QByteArray("[Altro]\nnumeriSuiBrasti=false\n[General]\nnumeriSuiBrasti=true\n") << true << 1;
        QTest::newRow("once more in a comment") << QByteArray(";numeriSuiBrasti=false\nnumeriSuiBrasti=1\n") << true << 0;
        // Found by fuzzing: a value QSettings decodes as a list of a
        // billion items, spelled plainly, quoted, behind an escape or in a list.
        QTest::newRow("binary list") << QByteArray("numeriSuiBrasti=@Variant(\\0\\0\\0\\t\\xff\\xff\\xff\\xf0)\n")
                                     << false << 1;
        QTest::newRow("binary in another group")
            << QByteArray("numeriSuiBrasti=1\n[Altro]\nx=\"@DateTime(\\xff\\xff)\"\n") << false << 1;
        QTest::newRow("binary behind an escape") << QByteArray("numeriSuiBrasti=1\nx=\\x40Variant(\\0)\n") << false << 1;
        QTest::newRow("binary in a list") << QByteArray("numeriSuiBrasti=1\nx=a, @Variant(\\0)\n") << false << 1;
        QTest::newRow("oversized") << QByteArray("numeriSuiBrasti=true\n") + QByteArray(100 * 1024, '#') << false << 1;
    }

    void files()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, numbers);
        QFETCH(int, problems);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("brasti.conf"));
        QVERIFY(writeFile(path, content));
        const QStringList before = snapshot(dir.path());
        const SettingsReading reading = readSettingsFile(path, kLanguages);
        QCOMPARE(reading.settings.numbersOnRods, numbers);
        QCOMPARE(reading.problems.size(), problems);
        QCOMPARE(reading.path, path);
        // Reading changes nothing, whatever the file said.
        QCOMPARE(snapshot(dir.path()), before);
    }

    void whatIsNoFile()
    {
        // The browser has no settings file, and the Node file system the
        // browser build is tested on has neither FIFOs nor hard links.
#ifdef Q_OS_WASM
        QSKIP("no settings file in a browser");
#endif
        // Problems a file that is there has; none for no file at all.
        const auto problems = [](const QString& path) {
            const SettingsReading reading = readSettingsFile(path, kLanguages);
            return reading.settings == TeacherSettings() ? reading.problems.size() : -1;
        };
        QTemporaryDir dir;
        QCOMPARE(problems(dir.filePath(QStringLiteral("mancante.conf"))), 0);
        QCOMPARE(problems(QString()), 0);
        // A folder or a pipe where the file should be: nothing is read, nothing waits.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cartella.conf")));
        QCOMPARE(problems(dir.filePath(QStringLiteral("cartella.conf"))), 1);
#if defined(Q_OS_UNIX)
        const QByteArray pipe = dir.filePath(QStringLiteral("tubo.conf")).toLocal8Bit();
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        QCOMPARE(problems(QString::fromLocal8Bit(pipe)), 1);
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
        QTest::addColumn<int>("numbers"); // -1 not given, 0 off, 1 on
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
        const SettingsReading page = readPageSettings(query, {QStringLiteral("it"), QStringLiteral("en")});
        QCOMPARE(page.settings.language, language);
        QCOMPARE(page.settings.numbersOnRods, numbers == 1);
        QCOMPARE(page.problems.size(), ignored);
        // One printable line each, none longer than a console line.
        for (const QString& line : page.problems)
            QVERIFY2(!line.isEmpty() && line.size() < 200 && !line.contains(u'\n'), qPrintable(line));
    }

    // Every setting, in a file and in an address alike: what counts (as the
    // link of the settings read) and the names the lines for the teacher are
    // about, in order ("" for a line about none). The link, and a file saved
    // with the settings, read back the same.
    void keys_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QStringList>("problems");
        const auto row = [](const char* name, const QStringList& lines, const char* counts, const QStringList& problems) {
            QTest::newRow(name) << lines << QString::fromUtf8(counts) << problems;
        };
        row("none", {}, "", {});
        row("every one", {"esercizi=1-5,13,17", "avanzamento=automatico", "numeriSuiBrasti=true", "lingua=en", "esci=false",
                          "mostraRisposta=1"},
            "esercizi=1-5,13,17&avanzamento=automatico&numeriSuiBrasti=true&lingua=en&esci=false&mostraRisposta=true", {});
        row("the defaults, written", {"esercizi=27-1, 1-27", "avanzamento=pulsante", "esci=1", "mostraRisposta=false"},
            "", {"esercizi"});
        row("blanks and capitals", {"esercizi= 3 2 1 , 10 - 12 ", "avanzamento= Automatico", "lingua= ES "},
            "esercizi=1-3,10-12&avanzamento=automatico&lingua=es", {});
        row("outside 1 to 27", {"esercizi=0-2,26-30,99999999999999999999999"}, "esercizi=1-2,26-27", {"esercizi"});
        row("no numbers", {"esercizi=1,due,5-3,-4,7,1.5"}, "esercizi=1,7", {"esercizi"});
        row("none left", {"esercizi=0,28"}, "", {"esercizi", "esercizi"});
        row("empty list", {"esercizi= , ,"}, "", {"esercizi"});
        row("too long", {"esercizi=" + QString("1,").repeated(150)}, "", {"esercizi"});
        row("bad values", {"avanzamento=veloce", "numeriSuiBrasti=si", "lingua=fr", "esci=forse", "mostraRisposta=2"}, "",
            {"avanzamento", "numeriSuiBrasti", "lingua", "esci", "mostraRisposta"});
        row("empty values", {"avanzamento=", "lingua=", "esci="}, "", {"avanzamento", "lingua", "esci"});
        row("repeated", {"esci=false", "numeriSuiBrasti=true", "esci=false"}, "numeriSuiBrasti=true", {"esci"});
        row("unknown", {"colore=rosso", "lingua=it"}, "lingua=it", {"colore"});
        // Ten lines name what is unknown, one more tells of the rest.
        QStringList many;
        QStringList told;
        for (int i = 10; i < 22; ++i) {
            many << QStringLiteral("nome%1=1").arg(i);
            told << QStringLiteral("nome%1").arg(i);
        }
        row("many unknown", many, "", told.mid(0, 10) << QString());
    }

    void keys()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, counts);
        QFETCH(QStringList, problems);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("brasti.conf"));
        QVERIFY(writeFile(path, (lines.join(u'\n') + u'\n').toUtf8()));
        QUrlQuery query;
        for (const QString& line : lines)
            query.addQueryItem(line.section(u'=', 0, 0), line.section(u'=', 1));
        for (const SettingsReading& reading :
             {readSettingsFile(path, kLanguages), readPageSettings(query.toString(QUrl::FullyEncoded), kLanguages)}) {
            QCOMPARE(settingsQuery(reading.settings), counts);
            QCOMPARE(reading.problems.size(), problems.size());
            for (qsizetype i = 0; i < problems.size(); ++i)
                QVERIFY2(problems[i].isEmpty() || reading.problems[i].contains(u'«' + problems[i] + u'»'),
                         qPrintable(reading.problems[i]));
            const SettingsReading linked = readPageSettings(u'?' + counts, kLanguages);
            QCOMPARE(linked.settings, reading.settings);
            QCOMPARE(linked.problems, QStringList());
            const QString saved = dir.filePath(QStringLiteral("salvato.conf"));
            QCOMPARE(saveTeacherSettings(reading.settings, saved).path, saved);
            QCOMPARE(readSettingsFile(saved, kLanguages).settings, reading.settings);
            QVERIFY(QFile::remove(saved));
        }
    }

    // Every default of the table, written out, reads as no line at all.
    void defaultsWrittenOut()
    {
        QList<WrittenSetting> written;
        for (const Setting& setting : kSettings)
            if (*setting.byDefault)
                written.append({QString::fromUtf8(setting.name), QString::fromUtf8(setting.byDefault)});
        const SettingsReading reading = checkSettings(written, kLanguages);
        QCOMPARE(reading.problems, QStringList());
        QCOMPARE(reading.settings, TeacherSettings());
    }

    // The line for the teacher names what is left out, never what counts.
    void exercisesLeftOut()
    {
        for (const auto& [value, left] : {std::pair{"25-40", "(28-40)."}, {"0-3 30", "(0, 30)."},
                                          {"27-28,0-30,5", "(28, 0, 28-30)."}, {"0-0,1-28", "(0, 28)."}})
            QVERIFY2(checkSettings({{"esercizi", value}}, kLanguages).problems.value(0).endsWith(left), value);
    }

    // Saving: the file as it is then, or, refused, every file as it was.
    void save_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("before");
        QTest::addColumn<TeacherSettings>("settings");
        QTest::addColumn<QString>("place"); // in the way: "" nothing, "a file", "a folder", "read-only"
        QTest::addColumn<std::optional<QByteArray>>("after");
        const auto row = [](const char* name, std::optional<QByteArray> before, const TeacherSettings& settings,
                            const char* place, std::optional<QByteArray> after) {
            QTest::newRow(name) << before << settings << QString::fromUtf8(place) << after;
        };
        TeacherSettings noExercise;
        noExercise.exercises.reset();
        TeacherSettings badLanguage;
        badLanguage.language = QStringLiteral("en\nesci=0");
        const TeacherSettings english = fromLink(QStringLiteral("lingua=en"));
        row("new, in a new folder", std::nullopt, fromLink(QStringLiteral("esercizi=1-5&esci=0")), "",
            "esercizi=1-5\nesci=false\n");
        row("the teacher's lines kept", "; per la 1ª B\nnumeriSuiBrasti=true\ncolore=blu\nesci=true\n[Altro]\nx=1\n",
            fromLink(QStringLiteral("numeriSuiBrasti=1&mostraRisposta=1")), "",
            "; per la 1ª B\nnumeriSuiBrasti=true\nmostraRisposta=true\ncolore=blu\n[Altro]\nx=1\n");
        row("before another group", "[Altro]\nx=1\n[General]\nesci=0\nesci=0\n", english, "",
            "lingua=en\n[Altro]\nx=1\n[General]\n");
        row("the defaults", "\xef\xbb\xbfnumeriSuiBrasti=true\r\n", TeacherSettings(), "", "");
        row("over a broken file", "\x01\x02", english, "", "lingua=en\n");
        row("over binary values", "; 1ª B\nx=@Variant(\\0)\n", english, "", "lingua=en\n");
        row("no exercise", "esci=0\n", noExercise, "", std::nullopt);
        row("no language", std::nullopt, badLanguage, "", std::nullopt);
        row("a file for the folder", std::nullopt, english, "a file", std::nullopt);
        row("a folder for the file", std::nullopt, english, "a folder", std::nullopt);
        row("read-only folder", "esci=0\n", english, "read-only", std::nullopt);
    }

    void save()
    {
        // The browser has no settings file, and the Node file system the
        // browser build is tested on has neither FIFOs nor hard links.
#ifdef Q_OS_WASM
        QSKIP("no settings file in a browser");
#endif
        QFETCH(std::optional<QByteArray>, before);
        QFETCH(TeacherSettings, settings);
        QFETCH(QString, place);
        QFETCH(std::optional<QByteArray>, after);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("brasti"));
        const QString path = folder + QStringLiteral("/brasti.conf");
        QVERIFY(!before || writeFile(path, *before));
        QVERIFY(place != QLatin1String("a file") || writeFile(folder, "x"));
        QVERIFY(place != QLatin1String("a folder") || QDir().mkpath(path + QStringLiteral("/dentro")));
        const auto writable = qScopeGuard(
            [&folder] { QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (place == QLatin1String("read-only")) {
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            if (writeFile(folder + QStringLiteral("/prova"), "x"))
                QSKIP("this account writes into read-only folders");
        }
#if defined(Q_OS_UNIX)
        // A second name for the old file: still the old file after a save,
        // so the save renamed a new one over it instead of writing it again.
        const QString link = dir.filePath(QStringLiteral("vecchio.conf"));
        QVERIFY(!before || ::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()) == 0);
#endif
        const QStringList files = snapshot(dir.path());
        const SavedSettings saved = saveTeacherSettings(settings, path);
        if (!after) {
            QVERIFY(saved.path.isEmpty() && !saved.problem.isEmpty());
            QCOMPARE(snapshot(dir.path()), files);
            return;
        }
        QCOMPARE(saved.problem, QString());
        QCOMPARE(saved.path, path);
        QCOMPARE(readFile(path), *after);
        QCOMPARE(readSettingsFile(path, kLanguages).settings, settings);
        // Nothing left beside it.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("brasti.conf")});
#if defined(Q_OS_UNIX)
        QVERIFY(!before || readFile(link) == *before);
#endif
    }

    void runsReadTheFileAndNeverWriteIt_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("content");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("numbers");
        QTest::addColumn<std::optional<QByteArray>>("computer"); // the file for every account
        const std::optional<QByteArray> none;
        QTest::newRow("no file") << std::optional<QByteArray>() << QStringList() << QStringLiteral("no") << none;
        QTest::newRow("no file, on the command line")
            << std::optional<QByteArray>() << QStringList{QStringLiteral("--numeri-sui-brasti")} << QStringLiteral("si")
            << none;
        QTest::newRow("file on") << std::optional<QByteArray>("numeriSuiBrasti=true\n") << QStringList()
                                 << QStringLiteral("si") << none;
        QTest::newRow("file off, command line on") << std::optional<QByteArray>("numeriSuiBrasti=false\n")
                                                   << QStringList{QStringLiteral("--numeri-sui-brasti")}
                                                   << QStringLiteral("si") << none;
        QTest::newRow("corrupt") << std::optional<QByteArray>(QByteArray("\xff\xfe\x00[[[numeri", 12))
                                 << QStringList() << QStringLiteral("no") << none;
        // The computer's file counts only where the account has none, even a broken one.
        const std::optional<QByteArray> on("numeriSuiBrasti=true\n");
        QTest::newRow("the computer's file on") << none << QStringList() << QStringLiteral("si") << on;
        QTest::newRow("the account's before it") << std::optional<QByteArray>("esci=0\n") << QStringList()
                                                 << QStringLiteral("no") << on;
        QTest::newRow("the account's, broken") << std::optional<QByteArray>("\x01") << QStringList()
                                               << QStringLiteral("no") << on;
    }

    void runsReadTheFileAndNeverWriteIt()
    {
#if !QT_CONFIG(process)
        QSKIP("the browser build starts no other program");
#else
        QFETCH(std::optional<QByteArray>, content);
        QFETCH(QStringList, arguments);
        QFETCH(QString, numbers);
        QFETCH(std::optional<QByteArray>, computer);
        QTemporaryDir dir;
        QString config = dir.filePath(QStringLiteral("config"));
        const QString system = dir.filePath(QStringLiteral("system"));
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(config) && QDir().mkpath(home) && QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#if defined(Q_OS_WIN)
        if (computer)
            QSKIP("the computer's file is in the one place of the whole computer");
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
        if (computer)
            QVERIFY(writeFile(QDir(system).filePath(QStringLiteral("brasti/brasti.conf")), *computer));
        const QStringList configBefore = snapshot(config);
        const QStringList homeBefore = snapshot(home);
        const QStringList systemBefore = snapshot(system);

        const Run run = runAsProgram(arguments, config, home, runtime, system);
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("numeri sui brasti: ") + numbers), qPrintable(run.out));
        QVERIFY2(!run.err.contains(QStringLiteral("brasti.conf")) && !run.err.contains(QStringLiteral("QSettings")),
                 qPrintable(run.err));
        QCOMPARE(snapshot(config), configBefore);
        QCOMPARE(snapshot(home), homeBefore);
        QCOMPARE(snapshot(system), systemBefore);
#endif
    }

#if QT_CONFIG(process)
private:
    static Run runAsProgram(const QStringList& arguments, const QString& config, const QString& home,
                          const QString& runtime, const QString& system)
    {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kRunProgram), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), system);
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
