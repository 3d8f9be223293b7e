// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Enter held down for a second in the answer box, under a real X server,
// gives one verdict however the server repeats the key. The test runs
// itself again inside xvfb-run; without xvfb-run or xdotool it is skipped.
#include "app/catalogue.h"
#include "exercises/written/writtenscreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>
#include <memory>

using namespace brasti;

namespace {

const char* const kInsideX = "BRASTI_INSIDE_X";

// Counts the presses of Enter that reach the box, the repeats apart.
class EnterCounter final : public QObject {
public:
    int presses = 0;
    int repeats = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                ++presses;
                repeats += key->isAutoRepeat() ? 1 : 0;
            }
        }
        return false;
    }
};

} // namespace

class TestWrittenHeldEnter : public QObject {
    Q_OBJECT
private slots:
    void heldEnterGivesOneVerdict()
    {
        if (qEnvironmentVariableIsSet(kInsideX)) {
            insideX();
            return;
        }
        const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xvfbRun.isEmpty() || xdotool.isEmpty())
            QSKIP("needs xvfb-run and xdotool");
        const harness::UnderX run = harness::runUnderX(
            kInsideX, {QCoreApplication::applicationFilePath(), QStringLiteral("heldEnterGivesOneVerdict")});
        QVERIFY2(run.ok, run.output.constData());
        if (run.output.contains("SKIP"))
            QSKIP(run.output.constData());
    }

private:
    void insideX()
    {
        harness::TestContext t;
        // 2 + 5, the tray in order.
        t.random.pushInt(6, 9);
        t.random.pushInt(2, 6);
        for (int s = 0; s < 10; ++s)
            t.random.pushInt(1, 10);
        std::unique_ptr<WrittenScreen> w(qobject_cast<WrittenScreen*>(createExerciseScreen(21, t.context)));
        w->load();
        w->show();
        // No window manager activates it under a bare X server.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));

        QWidget* bar = w->targetBar();
        harness::dragRodTo(w->rod(7), w.get(), bar->mapTo(w.get(), bar->rect().center()));
        AnswerBox* box = w->answerBox();
        QVERIFY(box->isEnabled());
        QTRY_VERIFY(box->hasFocus());
        // A wrong answer leaves the box open, so every extra verdict would count.
        QTest::keyClicks(box, QStringLiteral("6"));
        EnterCounter counter;
        box->installEventFilter(&counter);

        QProcess xdotool;
        xdotool.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("xdotool keydown Return; sleep 1; "
                                                                                   "xdotool keyup Return")});
        QVERIFY(xdotool.waitForStarted());
        QVERIFY(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 10000));
        QTRY_COMPARE_WITH_TIMEOUT(harness::countsOn(w.get()).wrong, std::int16_t(1), 3000);
        // Whatever was still on its way.
        QTest::qWait(300);
        QCOMPARE(harness::countsOn(w.get()).wrong, std::int16_t(1));
        QCOMPARE(harness::countsOn(w.get()).right, std::int16_t(0));
        QVERIFY(counter.presses >= 1);
        if (counter.repeats == 0)
            QSKIP("the X server did not repeat the held key");
        qInfo("Enter reached the box %d times, %d of them repeats", counter.presses, counter.repeats);
    }
};

BRASTI_TEST_MAIN(TestWrittenHeldEnter)
#include "tst_writtenheldenter.moc"
