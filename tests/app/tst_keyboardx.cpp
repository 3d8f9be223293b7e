// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Under a real X server with no window manager, each new window takes the
// keyboard by itself: keys typed on the server's keyboard start the
// program, open an exercise from the menu and answer it, with no click
// anywhere. The test runs itself again inside xvfb-run; without xvfb-run or
// xdotool it is skipped.
#include "app/menuscreen.h"
#include "app/shell.h"
#include "common/exercisescreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QProcess>
#include <QShortcut>
#include <QStandardPaths>

using namespace brasti;

namespace {

const char* const kInsideX = "BRASTI_INSIDE_X";

bool type(const QStringList& keys)
{
    QStringList arguments{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")};
    return QProcess::execute(QStringLiteral("xdotool"), arguments + keys) == 0;
}

} // namespace

class TestKeyboardX : public QObject {
    Q_OBJECT
private slots:
    void windowsTakeTheKeyboard()
    {
        if (qEnvironmentVariableIsSet(kInsideX)) {
            insideX();
            return;
        }
        const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        if (xvfbRun.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QSKIP("needs xvfb-run and xdotool");
        const harness::UnderX run = harness::runUnderX(
            kInsideX, {QCoreApplication::applicationFilePath(), QStringLiteral("windowsTakeTheKeyboard")});
        QVERIFY2(run.ok, run.output.constData());
    }

private:
    void insideX()
    {
        harness::TestContext t;
        t.random.pushInts({1, 2}, 18); // the start screen's and the menu's backgrounds
        t.random.pushInts({3, 7}, 10); // Form9: 3 and 7
        Shell shell(t.context);
        shell.setQuitAction([] {});
        shell.showStart();
        QVERIFY(QTest::qWaitForWindowActive(shell.current()));

        QVERIFY(type({QStringLiteral("Return")}));
        QTRY_VERIFY(qobject_cast<MenuScreen*>(shell.current()));
        QVERIFY(QTest::qWaitForWindowActive(shell.current()));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));

        // Row by row: the second button of the second row is five stops on.
        QVERIFY(type({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Tab"),
                      QStringLiteral("Tab"), QStringLiteral("space")}));
        QTRY_COMPARE(shell.current()->objectName(), QStringLiteral("Form9"));
        QVERIFY(QTest::qWaitForWindowActive(shell.current()));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("brasto1"));

        // F1 and "?" (with Shift, as typed) ask for the problem again, each once.
        int again = 0;
        int ambiguous = 0;
        for (QShortcut* shortcut : shell.current()->findChildren<QShortcut*>()) {
            connect(shortcut, &QShortcut::activated, this, [&] { ++again; });
            connect(shortcut, &QShortcut::activatedAmbiguously, this, [&] { ++ambiguous; });
        }
        QVERIFY(type({QStringLiteral("F1"), QStringLiteral("question")}));
        QTRY_COMPARE(again, 2);
        QCOMPARE(ambiguous, 0);

        // Past the two rods to ">" for 3 and 7: a wrong answer, from the keyboard alone.
        QVERIFY(type({QStringLiteral("Tab"), QStringLiteral("Tab"), QStringLiteral("Return")}));
        QTRY_COMPARE(harness::countsOn(shell.current()).wrong, std::int16_t(1));
    }
};

BRASTI_TEST_MAIN(TestKeyboardX)
#include "tst_keyboardx.moc"
