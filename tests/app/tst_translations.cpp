// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The program in every language: an Italian run shows exactly the texts it
// always showed, every other language leaves no Italian anywhere (nor any
// other translation's words), the language follows the system unless
// --lingua says otherwise, a translation that cannot be read leaves the
// program in Italian, and a caption longer than the Italian one still fits
// its control.
#include "app/catalogue.h"
#include "app/commandline.h"
#include "app/language.h"
#include "app/program.h"
#include "app/shell.h"
#include "common/appcontext.h"
#include "common/controls.h"
#include "common/numberwords.h"
#include "harness/harness.h"
#include "harness/texts.h"
#include "harness/testmain.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <optional>

using namespace brasti;

namespace {

// The Italian texts as they were before any of them went through the
// translation system: the source language must never change by accident.
// To take a new reference after a deliberate change of an Italian text, run
// this test with BRASTI_WRITE_ITALIAN_TEXTS set to the reference's path.
const char* const kReference = "app/italian-texts.txt";

// The whole walk in a language, as the program would speak it.
harness::Texts walkIn(const QString& language)
{
    const QString spoken = installLanguage(language);
    const harness::Texts texts = harness::walkProgram([&spoken](AppContext& context) {
        context.speller = &spellerFor(spoken.toStdString());
    });
    installLanguage(kItalian);
    return texts;
}

QString translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

// The translations the program must have built in; every other check takes
// whatever languages are built in.
const QStringList kTranslations{QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("fr"),
                                QStringLiteral("pt")};

// Every language built in but the source.
QStringList translations()
{
    QStringList languages = availableLanguages();
    languages.removeAll(kItalian);
    return languages;
}

// Words two languages spell alike, which a translation from one into the
// other may keep where both say them: Spanish writes these as Italian does,
// and every language names the keys a teacher presses alike.
QStringList sharedWords(const QString& language, const QString& other)
{
    struct Pair {
        const char* a;
        const char* b;
        QStringList words;
    };
    static const Pair kShared[] = {
        {"es", "it", {"la", "al", "del", "con", "barra", "fila", "verde", "minuendo", "Ctrl", "Alt"}},
        {"en", "it", {"Ctrl", "Alt"}},
        {"en", "es", {"Ctrl", "Alt"}},
        {"fr", "it", {"la", "Ctrl", "Alt"}},
        {"fr", "en", {"addition", "additions", "menu", "relation", "orange", "plus", "Ctrl", "Alt"}},
        {"fr", "es", {"la", "de", "en", "que", "entre", "toc", "Ctrl", "Alt"}},
        {"pt", "it", {"da", "barra", "verde", "minuendo", "passo", "sempre", "quanto", "vale", "uso", "sistema",
                      "Ctrl", "Alt"}},
        {"pt", "en", {"do", "menu", "complete", "Ctrl", "Alt"}},
        // Two Romance languages this close share much of the plain words a
        // child hears.
        {"pt", "es", {"de", "para", "que", "entre", "todas", "menor", "menos", "igual", "juntas", "falta",
                      "número", "números", "unidades", "segunda", "segundos", "resultado", "problema", "programa",
                      "barra", "tira", "minuendo", "verde", "rosa", "azul", "toc", "usar", "colocar", "formar",
                      "escritas", "Ctrl", "Alt"}},
        {"pt", "fr", {"de", "que", "ou", "entre", "menu", "toc", "Ctrl", "Alt"}},
    };
    for (const Pair& pair : kShared)
        if ((language == QLatin1String(pair.a) && other == QLatin1String(pair.b))
            || (language == QLatin1String(pair.b) && other == QLatin1String(pair.a)))
            return pair.words;
    return {};
}

// Every caption control of a window: the text, the font it is drawn in,
// the font it was designed with, and whether the text fits at the drawn one.
struct Caption {
    QString where;
    QString text;
    int paintedPixels;
    int designedPixels;
    bool fits;
};

std::vector<Caption> captionsOf(QWidget* window)
{
    std::vector<Caption> captions;
    const auto add = [&](QWidget* w, const QString& text, const QFont& painted, QRect area, int flags) {
        if (text.isEmpty() || !w->isVisible())
            return;
        const QRect needed = QFontMetrics(painted).boundingRect(QRect(QPoint(0, 0), area.size()), flags, text);
        captions.push_back({window->objectName() + QLatin1Char('/') + w->objectName(), text, painted.pixelSize(),
                            w->font().pixelSize(),
                            needed.width() <= area.width() && needed.height() <= area.height()});
    };
    for (auto* b : window->findChildren<WrapButton*>())
        add(b, b->text(), b->paintedFont(), b->captionArea(), Qt::AlignCenter | Qt::TextWordWrap);
    for (auto* r : window->findChildren<WrapRadioButton*>())
        add(r, r->text(), r->paintedFont(), r->captionArea(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    for (auto* l : window->findChildren<FitLabel*>())
        add(l, l->text(), l->paintedFont(), l->contentsRect(),
            static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0));
    return captions;
}

// The captions of the start screen, the menu and every exercise screen at
// their designed size.
std::vector<Caption> allCaptions()
{
    harness::TestContext t;
    Shell shell(t.context);
    shell.setQuitAction([] {});
    std::vector<Caption> all;
    const auto take = [&] {
        ScreenWindow* w = shell.current();
        w->resize(w->designedWindowSize());
        if (!QTest::qWaitForWindowExposed(w))
            qWarning("%s was not shown", qPrintable(w->objectName()));
        const std::vector<Caption> captions = captionsOf(w);
        all.insert(all.end(), captions.begin(), captions.end());
    };
    shell.showStart();
    take();
    shell.showMenu();
    take();
    for (int screen = 1; screen <= kExerciseCount; ++screen) {
        shell.openExercise(screen);
        take();
    }
    return all;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setUpApplication(kItalian);
        for (const QString& language : kTranslations)
            QVERIFY2(availableLanguages().contains(language), qPrintable(language + QStringLiteral(" is not built in")));
    }

    void italianRunShowsTheReferenceTexts()
    {
        const harness::Texts italian = walkIn(kItalian);
        if (const QByteArray out = qgetenv("BRASTI_WRITE_ITALIAN_TEXTS"); !out.isEmpty()) {
            QFile file(QString::fromLocal8Bit(out));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(harness::formatTexts(italian).toUtf8());
            QSKIP("reference written");
        }
        QFile file(QFINDTESTDATA(kReference));
        QVERIFY2(file.open(QIODevice::ReadOnly), kReference);
        const harness::Texts reference = harness::parseTexts(QString::fromUtf8(file.readAll()));
        QStringList changed;
        for (const auto& [key, values] : reference) {
            const auto now = italian.find(key);
            QStringList had = values, has = now == italian.end() ? QStringList() : now->second;
            had.sort();
            has.sort();
            if (had != has)
                changed << QStringLiteral("%1: [%2] now [%3]").arg(key, had.join(u'|'), has.join(u'|'));
        }
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(u'\n')));
    }

    // Every language built in, walked through every screen: no text, name,
    // description, menu or message still says what the Italian says, nor
    // what another translation says (no English left for a Spanish child).
    void noWordOfAnotherLanguageLeft()
    {
        std::map<QString, harness::Texts> walks;
        for (const QString& language : availableLanguages()) {
            QCOMPARE(installLanguage(language), language);
            walks[language] = walkIn(language);
        }
        for (const auto& [language, texts] : walks) {
            for (const auto& [other, otherTexts] : walks) {
                if (language == kItalian || language == other)
                    continue;
                const QStringList left = harness::untranslated(texts, otherTexts, sharedWords(language, other));
                QVERIFY2(left.isEmpty(),
                         qPrintable(QStringLiteral("%1 keeps %2:\n").arg(language, other) + left.join(u'\n')));
            }
        }
        // The check itself: an untranslated walk is caught, and so is a
        // language's word that the other language does not share.
        const harness::Texts& italian = walks[kItalian];
        QVERIFY(!harness::untranslated(italian, italian).isEmpty());
        QVERIFY(!harness::untranslated(italian, italian, sharedWords(QStringLiteral("es"), kItalian)).isEmpty());
    }

    void languageFollowsTheSystem_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("language");
        QTest::newRow("Italian") << QStringList{"it-IT", "it"} << "it";
        QTest::newRow("English") << QStringList{"en-GB", "en"} << "en";
        QTest::newRow("with an underscore") << QStringList{"en_US"} << "en";
        QTest::newRow("Spanish") << QStringList{"es-ES", "es"} << "es";
        QTest::newRow("Latin American Spanish") << QStringList{"es-419"} << "es";
        // Portuguese as Brazil writes it serves Portugal and every other country too.
        QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt";
        QTest::newRow("Portuguese of Portugal") << QStringList{"pt_PT"} << "pt";
        QTest::newRow("Angolan Portuguese") << QStringList{"pt-AO"} << "pt";
        QTest::newRow("Canadian French") << QStringList{"fr-CA", "en-CA"} << "fr";
        // A language without a translation, and one that names none at all.
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "it";
        QTest::newRow("C locale") << QStringList{"C"} << "it";
        QTest::newRow("nothing") << QStringList{} << "it";
        // The first language the program speaks, in the user's order.
        QTest::newRow("German, then English") << QStringList{"de", "de-DE", "en", "en-US"} << "en";
        QTest::newRow("Italian before English") << QStringList{"it", "en"} << "it";
        QTest::newRow("Spanish before English") << QStringList{"es-MX", "en-US"} << "es";
    }
    void languageFollowsTheSystem()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, language);
        QCOMPARE(chooseLanguage(preferred, availableLanguages()), language);
    }

    // A translation missing or damaged: Italian, nothing else happens.
    void unreadableTranslationLeavesItalian_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : translations())
            QTest::newRow(qPrintable(language)) << language;
    }
    void unreadableTranslationLeavesItalian()
    {
        QFETCH(QString, language);
        const QString file = QStringLiteral("brasti_%1.qm").arg(language);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QCOMPARE(availableLanguages(folder.path()), QStringList{kItalian});
        QCOMPARE(installLanguage(language, folder.path()), kItalian);

        QFile good(kTranslationsFolder + QLatin1Char('/') + file);
        QVERIFY(good.open(QIODevice::ReadOnly));
        const QByteArray content = good.readAll();
        const std::pair<const char*, QByteArray> damaged[] = {
            {"empty", QByteArray()},
            {"not a translation", QByteArray("<TS version=\"2.1\"></TS>")},
            {"cut short", content.left(content.size() / 2)},
        };
        for (const auto& [what, bytes] : damaged) {
            QFile damagedFile(folder.filePath(file));
            QVERIFY(damagedFile.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damagedFile.write(bytes);
            damagedFile.close();
            QVERIFY2(installLanguage(language, folder.path()) == kItalian, what);
            QVERIFY2(currentLanguage() == kItalian, what);
            QVERIFY2(translated("brasti::ExerciseScreen", "avanti") == QStringLiteral("avanti"), what);
        }
        // The real one, for contrast, then back to Italian.
        QCOMPARE(installLanguage(language), language);
        QVERIFY(translated("brasti::ExerciseScreen", "avanti") != QStringLiteral("avanti"));
        QCOMPARE(installLanguage(kItalian), kItalian);
        QCOMPARE(translated("brasti::ExerciseScreen", "avanti"), QStringLiteral("avanti"));
    }

    // Captions longer than the Italian shrink until they fit; the Italian
    // ones are drawn at their designed size, as always.
    void captionsFitTheirControls()
    {
        for (const Caption& c : allCaptions()) {
            QVERIFY2(c.fits, qPrintable(c.where + QStringLiteral(": ") + c.text));
#if !defined(Q_OS_WIN)
            // Windows measures text its own way, a pixel wider here and there,
            // and a tight Italian caption may shrink a little there to fit.
            QVERIFY2(c.paintedPixels == c.designedPixels, qPrintable(c.where + QStringLiteral(": ") + c.text));
#endif
        }

        std::optional<Caption> longest;
        for (const QString& language : translations()) {
            QCOMPARE(installLanguage(language), language);
            const std::vector<Caption> captions = allCaptions();
            installLanguage(kItalian);
            for (const Caption& c : captions) {
                const QString what = language + QLatin1Char(' ') + c.where + QStringLiteral(": ") + c.text;
                QVERIFY2(c.fits, qPrintable(what));
                QVERIFY2(c.paintedPixels >= 6, qPrintable(what));
                if (!longest || c.text.size() > longest->text.size())
                    longest = c;
            }
        }
        // The longest caption of any translation needs more room than it was
        // designed for: the shrinking above was put to work.
        QVERIFY(longest);
        QVERIFY2(longest->paintedPixels < longest->designedPixels, qPrintable(longest->text));
    }

    // The program itself: the system's language, --lingua above it, and an
    // unknown language refused on the command line as other mistakes are.
    void programSpeaksTheLanguageChosen_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("firstLine");
        const QStringList italian{"LANG=it_IT.UTF-8"}, english{"LANG=en_GB.UTF-8"}, spanish{"LANG=es_ES.UTF-8"};
        QTest::newRow("Italian system") << italian << QStringList{"--help"} << 0 << "Uso: brasti [opzioni]";
        QTest::newRow("English system") << english << QStringList{"--help"} << 0 << "Usage: brasti [options]";
        QTest::newRow("Spanish system") << spanish << QStringList{"--help"} << 0 << "Modo de empleo: brasti [opciones]";
        // A country the program has no file for: its language's own.
        QTest::newRow("Canadian French system") << QStringList{"LANG=fr_CA.UTF-8"} << QStringList{"--help"} << 0
                                                << QStringLiteral("Utilisation\u00a0: brasti [options]");
        QTest::newRow("Portuguese system of Portugal") << QStringList{"LANG=pt_PT.UTF-8"} << QStringList{"--help"} << 0
                                                       << QStringLiteral("Uso: brasti [opções]");
#if !defined(Q_OS_WIN)
        // Windows has no C locale: its own language then counts.
        QTest::newRow("C locale") << QStringList{"LANG=C"} << QStringList{"--help"} << 0 << "Uso: brasti [opzioni]";
#endif
        QTest::newRow("German, then English") << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=de:en"}
                                              << QStringList{"--help"} << 0 << "Usage: brasti [options]";
        QTest::newRow("asked for English") << italian << QStringList{"--lingua", "en", "-h"} << 0
                                           << "Usage: brasti [options]";
        QTest::newRow("asked for Italian") << english << QStringList{"--lingua=it", "-h"} << 0
                                           << "Uso: brasti [opzioni]";
        QTest::newRow("asked for Spanish") << english << QStringList{"--lingua", "es", "-h"} << 0
                                           << "Modo de empleo: brasti [opciones]";
        QTest::newRow("unknown language") << italian << QStringList{"--lingua", "xx"} << 2
                                          << "brasti: lingua sconosciuta: xx (le lingue sono it, en, es, fr, pt) "
                                             "(brasti --help elenca le opzioni)";
        QTest::newRow("unknown language, English system")
            << english << QStringList{"--lingua", "xx", "--colori"} << 2
            << "brasti: unknown language: xx (the languages are it, en, es, fr, pt) (brasti --help lists the options)";
        QTest::newRow("unknown language, Spanish system")
            << spanish << QStringList{"--lingua", "xx"} << 2
            << "brasti: idioma desconocido: xx (los idiomas son it, en, es, fr, pt) (brasti --help muestra las opciones)";
    }
    void programSpeaksTheLanguageChosen()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, firstLine);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(name));
        for (const QString& setting : environment)
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        // No display: what is answered here is answered before any window.
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(BRASTI_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QByteArray output = status == 0 ? program.readAllStandardOutput() : program.readAllStandardError();
        // A Windows console ends its lines with a carriage return.
        QCOMPARE(QString::fromUtf8(output).remove(u'\r').section(u'\n', 0, 0), firstLine);
    }

    // The help in another language keeps no Italian but the options' names.
    void helpIsTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("licence");
        const std::map<QString, QString> known{
            {QStringLiteral("en"), QStringLiteral("Licence GPL-3.0-or-later: GNU GPL version 3 or later, without any warranty.")},
            {QStringLiteral("es"), QStringLiteral("Licencia GPL-3.0-or-later: GNU GPL versión 3 o posterior, sin ninguna garantía.")},
        };
        // Any other language: its own words, naming the same licence.
        for (const QString& language : translations())
            QTest::newRow(qPrintable(language)) << language
                                                << (known.count(language) ? known.at(language) : QString());
    }
    void helpIsTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QString, licence);
        const QStringList italian = helpText().split(u'\n');
        QCOMPARE(installLanguage(language), language);
        const QStringList translatedHelp = helpText().split(u'\n');
        const QString translatedLicence = versionText().section(u'\n', 1);
        installLanguage(kItalian);
        if (licence.isEmpty())
            QVERIFY(translatedLicence.contains(QLatin1String("GPL-3.0-or-later"))
                    && translatedLicence != versionText().section(u'\n', 1));
        else
            QCOMPARE(translatedLicence, licence);
        QCOMPARE(translatedHelp.size(), italian.size());
        for (qsizetype i = 0; i < translatedHelp.size(); ++i) {
            // The options' names and the command are the same in every language.
            const auto description = [](QString line) {
                if (line.startsWith(QLatin1String("  -")))
                    line = line.section(QRegularExpression(QStringLiteral("\\s{2,}")), 2);
                // So are the languages' codes.
                line.remove(availableLanguages().join(QStringLiteral(", ")));
                return line.remove(QRegularExpression(QStringLiteral("\\bbrasti [-\\[]")));
            };
            harness::Texts other, it;
            harness::addText(other, QStringLiteral("help"), description(translatedHelp.at(i)));
            harness::addText(it, QStringLiteral("help"), description(italian.at(i)));
            const QStringList left = harness::untranslated(other, it, sharedWords(language, kItalian));
            QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
        }
    }
};

BRASTI_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
