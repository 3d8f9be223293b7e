// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The teacher's window: how it opens from the menu, what "Salva" does to
// the file and to the running program, and the run's summary.
#include "app/language.h"
#include "app/menuscreen.h"
#include "app/program.h"
#include "app/shell.h"
#include "app/teacherwindow.h"
#include "common/exercisescreen.h"
#include "common/speaker.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace brasti;

namespace {

// The menu on show, its settings saved into a folder of the test's own.
struct App {
    explicit App(const SettingsReading& reading = {})
    {
        shell.setQuitAction([] {});
        shell.setTeacherSettings(reading, file());
        shell.showMenu();
        menu()->show();
    }
    MenuScreen* menu() const { return qobject_cast<MenuScreen*>(shell.current()); }
    TeacherWindow* window() { return shell.openTeacherWindow(), qobject_cast<TeacherWindow*>(shell.teacherWindow()); }
    template <typename T = QPushButton>
    T* control(const char* name) { return window()->findChild<T*>(QLatin1String(name)); }
    QString file() const { return folder.filePath(QStringLiteral("brasti/brasti.conf")); }
    QTemporaryDir folder;
    harness::TestContext t;
    Shell shell{t.context};
};

} // namespace

class TestTeacher : public QObject {
    Q_OBJECT
private slots:
    void keysOpenIt()
    {
        for (const auto& [keys, opens] : {std::pair{Qt::ControlModifier | Qt::AltModifier, true},
                                          {Qt::ControlModifier | Qt::ShiftModifier, false}}) {
            App a;
            QVERIFY(QTest::qWaitForWindowExposed(a.menu()));
            QTest::keyClick(a.menu(), Qt::Key_I, keys);
            QCOMPARE(a.shell.teacherWindow() && a.shell.teacherWindow()->isVisible(), opens);
        }
    }

    // As a teacher does it: the window by keys, a family chosen, saved and
    // the window closed by keys; the next start finds the menu as chosen.
    void choicesOutliveARestart()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("brasti/brasti.conf"));
        {
            harness::TestContext t;
            Shell shell(t.context);
            shell.setQuitAction([] {});
            shell.setTeacherSettings({}, file);
            shell.showMenu();
            QVERIFY(QTest::qWaitForWindowActive(shell.current()));
            QTest::keyClick(shell.current(), Qt::Key_I, Qt::ControlModifier | Qt::AltModifier);
            auto* w = qobject_cast<TeacherWindow*>(shell.teacherWindow());
            QVERIFY(w && w->isVisible());
            w->findChild<QPushButton*>(QStringLiteral("nessuno"))->click();
            w->findChild<QPushButton*>(QStringLiteral("famigliaOrdinare"))->click();
            w->findChild<QCheckBox*>(QStringLiteral("mostraRisposta"))->setChecked(true);
            QVERIFY(QTest::qWaitForWindowActive(w));
            w->findChild<QPushButton*>(QStringLiteral("salva"))->click();
            QVERIFY(QTest::qWaitForWindowExposed(shell.current()) && QApplication::focusWidget()->window() == w);
            QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        }
        harness::TestContext t;
        applyTeacherSettings(t.context, readTeacherSettings({QStringLiteral("it")}, file, QString()).settings);
        Shell shell(t.context);
        shell.setQuitAction([] {});
        shell.showMenu();
        auto* menu = qobject_cast<MenuScreen*>(shell.current());
        for (int n = 1; n <= kExerciseCount; ++n)
            QCOMPARE(menu->exerciseButton(buttonOfScreen(n))->isEnabled(), n <= 5);
        QVERIFY(t.context.showAnswer && !t.context.autoAdvance);
    }

    // Only a press held three seconds on the first heading opens it.
    void longPressOpensIt()
    {
        App a;
        auto* heading = a.menu()->findChild<QLabel*>(QStringLiteral("Label1"));
        QTest::mousePress(heading, Qt::LeftButton);
        QTest::mouseRelease(heading, Qt::LeftButton, {}, {}, 500);
        QTest::qWait(3000);
        QVERIFY(!a.shell.teacherWindow());
        QTest::mousePress(heading, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(a.shell.teacherWindow() && a.shell.teacherWindow()->isVisible(), 4000);
        QTest::mouseRelease(heading, Qt::LeftButton);
    }

    // Refused with its reason; closing then applies nothing, no file written.
    void noExerciseIsRefused()
    {
        App a;
        ScreenWindow* before = a.menu();
        a.control("nessuno")->click();
        a.control<QCheckBox>("esci")->setChecked(false);
        a.control("salva")->click();
        TeacherSettings none;
        none.exercises.reset();
        QCOMPARE(a.control<QLabel>("esito")->text(), TeacherWindow::tr("Non salvato: %1").arg(settingsFault(none)));
        a.control("tutti")->click();
        QCOMPARE(a.window()->chosen().exercises, std::bitset<27>().set());
        a.window()->close();
        QVERIFY(a.menu() == before && a.t.context.offeredExercises.all() && a.t.context.exitOffered);
        QVERIFY(!QFile::exists(a.file()));
    }

    // Starts from what was read, with its problems; saved, the menu is made anew.
    void savedChoicesReachTheMenu()
    {
        SettingsReading read{{}, QStringLiteral("/scuola/brasti.conf"), {QStringLiteral("primo"), QStringLiteral("secondo")}};
        read.settings.exitOffered = false;
        App a(read);
        // Started with --numeri-sui-brasti: the box left unticked does not undo it.
        a.shell.setNumbersOnRodsAsked(true);
        a.shell.takeTeacherSettings(read.settings);
        ScreenWindow* before = a.menu();
        const QString shown = a.control<QPlainTextEdit>("letturaImpostazioni")->toPlainText();
        QVERIFY(shown.contains(read.path) && shown.contains(QStringLiteral("primo\nsecondo")));
        a.control("nessuno")->click();
        a.control("colonna2")->click();
        a.control<QCheckBox>("esercizio1")->setChecked(true);
        a.control<QCheckBox>("mostraRisposta")->setChecked(true);
        a.control<QRadioButton>("prosegue")->setChecked(true);
        a.control("salva")->click();
        QCOMPARE(a.control<QLabel>("esito")->text(), TeacherWindow::tr("Salvato in %1").arg(a.file()));
        std::bitset<27> expected(1);
        for (const CatalogueEntry& e : kCatalogue)
            expected[std::size_t(e.screen - 1)] = expected[std::size_t(e.screen - 1)] || e.menu.column == 2;
        const TeacherSettings saved = readSettingsFile(a.file(), {QStringLiteral("it")}).settings;
        QVERIFY(saved.exercises == expected && !saved.exitOffered && saved.showAnswer && !saved.numbersOnRods);
        QVERIFY(a.t.context.offeredExercises == expected && !a.t.context.exitOffered && a.t.context.showAnswer);
        QVERIFY(a.t.context.numbersOnRods);
        QVERIFY(a.menu() != before && a.menu()->option(0)->isChecked() && a.t.context.autoAdvance);
        for (const CatalogueEntry& e : kCatalogue)
            QCOMPARE(a.menu()->exerciseButton(buttonOfScreen(e.screen))->isEnabled(), expected[std::size_t(e.screen - 1)]);
        QVERIFY(a.menu()->findChild<QPushButton*>(QStringLiteral("Command1"))->isHidden());
        a.control("colonna2")->click(); // the whole column again: off
        QCOMPARE(a.window()->chosen().exercises, std::bitset<27>(1));
        // A family across the columns: the written operations, on, then off again.
        a.control("famigliaOperazioni")->click();
        QCOMPARE(a.window()->chosen().exercises, std::bitset<27>(1) | std::bitset<27>(0b11111100101000000000000000));
        a.control("famigliaOperazioni")->click();
        QCOMPARE(a.window()->chosen().exercises, std::bitset<27>(1));
    }

    // Each yes or no of the settings has its box, which shows its member and
    // sets it alone.
    void eachSwitchHasItsBox()
    {
        App a;
        for (const Setting& setting : kSettings) {
            if (setting.kind != Setting::Kind::Switch)
                continue;
            auto* box = a.control<QCheckBox>(setting.name);
            QVERIFY2(box, setting.name);
            TeacherSettings flipped;
            flipped.*setting.flag = !(flipped.*setting.flag);
            box->toggle();
            QVERIFY2(a.window()->chosen() == flipped, setting.name);
            a.window()->showSettings(TeacherSettings());
            QCOMPARE(box->isChecked(), !(flipped.*setting.flag));
        }
    }

    // "leggi ad alta voce" turns the voice on at "Salva", and says when the
    // computer has no voice for the program's language.
    void readAloudAndNoVoice()
    {
        struct Engine final : SpeechEngine {
            explicit Engine(bool has) : voice(has) {}
            bool setLanguage(const QLocale&) override { return voice; }
            void say(const QString&) override {}
            void stop() override {}
            bool voice;
        };
        for (const bool voice : {false, true}) {
            Speaker speaker([voice] { return std::make_unique<Engine>(voice); }, [] { return false; });
            App a;
            a.t.context.speaker = &speaker;
            a.shell.takeTeacherSettings(TeacherSettings());
            a.control<QCheckBox>("leggiAdAltaVoce")->setChecked(true);
            QCOMPARE(a.control<QLabel>("nessunaVoce")->isVisible(), !voice);
            QCOMPARE(a.control<QLabel>("nessunaVoce")->text(), QStringLiteral("Su questo computer non c'è una voce italiana"));
            QVERIFY(!speaker.isOn());
            a.control("salva")->click();
            QVERIFY(speaker.isOn());
            a.control<QCheckBox>("leggiAdAltaVoce")->setChecked(false);
            QVERIFY(a.control<QLabel>("nessunaVoce")->isHidden());
            a.t.context.speaker = nullptr;
        }
    }

    // Each heading of the summary fits its column, bold as a highlighted column draws it.
    void summaryHeadingsFit()
    {
        for (const QString& language : availableLanguages()) {
            installLanguage(language);
            App a;
            QHeaderView* h = a.control<QTableWidget>("riepilogo")->horizontalHeader();
            QVERIFY(QTest::qWaitForWindowExposed(a.window()));
            QFont bold = h->font();
            bold.setBold(true);
            for (int i = 0; i < h->count(); ++i)
                QVERIFY2(QFontMetrics(bold).horizontalAdvance(h->model()->headerData(i, Qt::Horizontal).toString())
                                 + 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin) <= h->sectionSize(i)
                             && h->sectionViewportPosition(i) + h->sectionSize(i) <= h->viewport()->width(),
                         qPrintable(language));
        }
        installLanguage(QStringLiteral("it"));
    }

    void summaryAfterTwoScreens()
    {
        App a;
        a.shell.openExercise(9);
        auto* signs = qobject_cast<ExerciseScreen*>(a.shell.current());
        for (const char* name : {"Command1", "Command2", "Command3"})
            if (harness::countsOn(a.shell.current()).right == 0)
                harness::clickThroughWindow(signs->findChild<QPushButton*>(QLatin1String(name)));
        const int wrong = harness::countsOn(a.shell.current()).wrong;
        a.shell.showMenu();
        a.shell.openExercise(1);
        a.shell.showMenu();
        auto* table = a.control<QTableWidget>("riepilogo");
        QCOMPARE(table->rowCount(), 2);
        QStringList cells;
        for (int cell = 0; cell < 6; ++cell)
            cells << table->item(cell / 3, cell % 3)->text();
        QCOMPARE(cells, (QStringList{exerciseCaption(kCatalogue[8].caption).simplified(), "1", QString::number(wrong),
                                     exerciseCaption(kCatalogue[0].caption).simplified(), "0", "0"}));
        a.control("svuota")->click();
        QVERIFY(table->rowCount() == 0 && a.shell.summary().rows().empty());
        for (const auto& [ms, time] : {std::pair{0, "0:00"}, {999, "0:00"}, {65000, "1:05"}, {600000, "10:00"}})
            QCOMPARE(minutesAndSeconds(std::chrono::milliseconds(ms)), QLatin1String(time));
    }
};

BRASTI_TEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
