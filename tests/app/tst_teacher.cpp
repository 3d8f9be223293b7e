// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The teacher's window: how it opens from the menu, what "Salva" does to
// the file and to the running program, and the run's summary.
#include "app/menuscreen.h"
#include "app/settings.h"
#include "app/shell.h"
#include "app/teacherwindow.h"
#include "common/exercisescreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace brasti;

namespace {

struct App {
    App()
    {
        shell.setQuitAction([] {});
        shell.setTeacherSettings({}, folder.filePath(QStringLiteral("brasti/brasti.conf")));
        shell.showMenu();
        menu()->show();
    }
    MenuScreen* menu() const { return qobject_cast<MenuScreen*>(shell.current()); }
    TeacherWindow* window()
    {
        shell.openTeacherWindow();
        return qobject_cast<TeacherWindow*>(shell.teacherWindow());
    }
    template <typename T = QPushButton>
    T* control(const char* name)
    {
        return window()->findChild<T*>(QLatin1String(name));
    }
    QTemporaryDir folder;
    harness::TestContext t;
    Shell shell{t.context};
};

} // namespace

class TestTeacher : public QObject {
    Q_OBJECT
private slots:
    void keysOpenIt_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("opens");
        QTest::newRow("Ctrl+Alt+I") << int(Qt::ControlModifier | Qt::AltModifier) << true;
        QTest::newRow("Ctrl+Shift+I") << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("I") << int(Qt::NoModifier) << false;
    }
    void keysOpenIt()
    {
        QFETCH(int, modifiers);
        QFETCH(bool, opens);
        App a;
        QVERIFY(QTest::qWaitForWindowExposed(a.menu()));
        QTest::keyClick(a.menu(), Qt::Key_I, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(a.shell.teacherWindow() && a.shell.teacherWindow()->isVisible(), opens);
    }

    // Only a press held three seconds on the first heading opens it.
    void longPressOpensIt()
    {
        App a;
        auto* heading = a.menu()->findChild<QLabel*>(QStringLiteral("Label1"));
        QTest::mousePress(heading, Qt::LeftButton);
        QTest::qWait(500);
        QTest::mouseRelease(heading, Qt::LeftButton);
        QTest::qWait(2700);
        QVERIFY(!a.shell.teacherWindow());
        QTest::mousePress(heading, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(a.shell.teacherWindow() && a.shell.teacherWindow()->isVisible(), 4000);
        QTest::mouseRelease(heading, Qt::LeftButton);
    }

    void noExerciseIsRefused()
    {
        App a;
        a.control("nessuno")->click();
        a.control("salva")->click();
        QCOMPARE(a.control<QLabel>("esito")->text(), TeacherWindow::tr("Non salvato: %1").arg(settingsFault([] {
            TeacherSettings none;
            none.exercises.reset();
            return none;
        }())));
        QVERIFY(!QFile::exists(a.folder.filePath(QStringLiteral("brasti/brasti.conf"))));
        QVERIFY(a.menu()->exerciseButton(2)->isEnabled());
    }

    // Saved into the file, and the running program takes it: the menu anew.
    void savedChoicesReachTheMenu()
    {
        App a;
        ScreenWindow* before = a.menu();
        a.control("nessuno")->click();
        a.control("colonna2")->click();
        a.control<QCheckBox>("esercizio1")->setChecked(true);
        a.control<QCheckBox>("esci")->setChecked(false);
        a.control<QCheckBox>("mostraRisposta")->setChecked(true);
        a.control("salva")->click();
        const QString path = a.folder.filePath(QStringLiteral("brasti/brasti.conf"));
        QCOMPARE(a.control<QLabel>("esito")->text(), TeacherWindow::tr("Salvato in %1").arg(path));

        std::bitset<27> expected;
        expected.set(0);
        for (const CatalogueEntry& e : kCatalogue)
            if (e.menu.column == 2)
                expected.set(std::size_t(e.screen - 1));
        const TeacherSettings saved = readSettingsFile(path, {QStringLiteral("it")}).settings;
        QCOMPARE(saved.exercises, expected);
        QVERIFY(!saved.exitOffered && saved.showAnswer);
        QCOMPARE(a.t.context.offeredExercises, expected);
        QVERIFY(!a.t.context.exitOffered && a.t.context.showAnswer);
        QVERIFY(a.menu() != before);
        for (const CatalogueEntry& e : kCatalogue)
            QCOMPARE(a.menu()->exerciseButton(buttonOfScreen(e.screen))->isEnabled(),
                     expected.test(std::size_t(e.screen - 1)));
        QVERIFY(a.menu()->findChild<QPushButton*>(QStringLiteral("Command1"))->isHidden());
        // The same column again takes it all off.
        a.control("colonna2")->click();
        QCOMPARE(a.window()->chosen().exercises, std::bitset<27>().set(0));
    }

    void summaryAfterTwoScreens()
    {
        App a;
        a.shell.openExercise(9);
        auto* signs = qobject_cast<ExerciseScreen*>(a.shell.current());
        for (const char* name : {"Command1", "Command2", "Command3"})
            if (a.t.context.rightCount == 0)
                harness::clickThroughWindow(signs->findChild<QPushButton*>(QLatin1String(name)));
        const int wrong = a.t.context.wrongCount;
        a.shell.showMenu();
        a.shell.openExercise(1);
        a.shell.showMenu();
        auto* table = a.control<QTableWidget>("riepilogo");
        QCOMPARE(table->rowCount(), 2);
        const auto cell = [table](int row, int column) { return table->item(row, column)->text(); };
        QCOMPARE((QStringList{cell(0, 0), cell(0, 1), cell(0, 2), cell(1, 0), cell(1, 1), cell(1, 2)}),
                 (QStringList{exerciseCaption(kCatalogue[8].caption).simplified(), "1", QString::number(wrong),
                              exerciseCaption(kCatalogue[0].caption).simplified(), "0", "0"}));
        QCOMPARE(table->horizontalHeaderItem(3)->text(), QStringLiteral("tempo"));
        a.control("svuota")->click();
        QCOMPARE(table->rowCount(), 0);
        QVERIFY(a.shell.summary().rows().empty());
    }

    void timesAsMinutesAndSeconds_data()
    {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing") << 0 << "0:00";
        QTest::newRow("under a second") << 999 << "0:00";
        QTest::newRow("a minute and 5") << 65000 << "1:05";
        QTest::newRow("ten minutes") << 600000 << "10:00";
    }
    void timesAsMinutesAndSeconds()
    {
        QFETCH(int, ms);
        QFETCH(QString, shown);
        QCOMPARE(minutesAndSeconds(std::chrono::milliseconds(ms)), shown);
    }
};

BRASTI_TEST_MAIN(TestTeacher)
#include "tst_teacher.moc"
