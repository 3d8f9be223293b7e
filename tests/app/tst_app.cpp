// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Start screen, menu and the moves between windows.
#include "app/catalogue.h"
#include "app/menuscreen.h"
#include "app/program.h"
#include "bench/selfprobe.h"
#include "app/shell.h"
#include "app/startscreen.h"
#include "common/board.h"
#include "common/dialogs.h"
#include "common/exercisescreen.h"
#include "common/focusspeech.h"
#include "common/keyboard.h"
#include "common/runsummary.h"
#include "exercises/comparison/comparison.h"
#include "exercises/composing/composing.h"
#include "exercises/ordering/ordering.h"
#include "exercises/rodnumber/rodnumber.h"
#include "exercises/written/written.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <optional>
#include <tuple>

using namespace brasti;

namespace {

QList<ScreenWindow*> screensAlive()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<ScreenWindow*> alive;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<ScreenWindow*>(w))
            alive << s;
    return alive;
}

struct App {
    App()
    {
        shell.setQuitAction([this] { ++quits; });
    }
    harness::TestContext t;
    Shell shell{t.context};
    int quits = 0;
};

// Answers the real message box that is open now with the given button,
// recording what it showed; false when none is open.
struct BoxAnswer {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString heard; // as a page's screen reader hears it open
};
std::optional<BoxAnswer> answerOpenBox(QMessageBox::StandardButton answer)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return std::nullopt;
    BoxAnswer seen{box->windowTitle(), box->text(), box->icon(), {}, windowSentence(box)};
    for (QAbstractButton* b : box->buttons())
        seen.buttons << b->text();
    box->button(answer)->click();
    return seen;
}

// Screen 1's class and configuration again as a 28th screen, in the menu's free cell.
constexpr std::array<OrderingEntry, 1> kOneScreenMore = {
    {{28, "ordina ancora 3 brasti", {4, 7, 12}, createOrderingScreen, kOrderingScreens[0].config}}};
constexpr auto kFamiliesAndOneMore = std::tuple_cat(kFamilyList, std::tuple{FamilyOf<kOneScreenMore>{"", ""}});

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(screensAlive().size(), 0); }

    void startScreen()
    {
        App a;
        a.t.random.pushInt(16, 18);
        a.shell.showStart();
        auto* start = qobject_cast<StartScreen*>(a.shell.current());
        QVERIFY(start);
        QCOMPARE(start->objectName(), QStringLiteral("FormAvvio"));
        QCOMPARE(start->board()->background(), Bgr(0xE0E0E0));
        QCOMPARE(start->board()->size(), QSize(818, 640));
        auto* subtitle = start->findChild<QLabel*>(QStringLiteral("Label2_1"));
        auto* title = start->findChild<QLabel*>(QStringLiteral("Label2_0"));
        QCOMPARE(subtitle->text(), QStringLiteral("Esercitazioni matematiche"));
        QCOMPARE(title->text(), QStringLiteral("Uso dei brasti"));
        QCOMPARE(Board::designRect(title), QRect(1440, 1200, 6975, 3615));
        QCOMPARE(title->font().pixelSize(), 96); // 72 pt
        QVERIFY(title->font().bold());
        QCOMPARE(start->avvioButton()->text(), QStringLiteral("Avvio"));
        QCOMPARE(Board::designRect(start->avvioButton()), QRect(2520, 4920, 4425, 1425));
        QVERIFY(!start->avvioButton()->icon().isNull());

        // "Avvio" opens the menu and the start screen is gone for good.
        QPointer<ScreenWindow> gone(start);
        a.t.random.pushInt(1, 18);
        start->avvioButton()->click();
        QVERIFY(qobject_cast<MenuScreen*>(a.shell.current()));
        QCOMPARE(screensAlive().size(), 1);
        QVERIFY(!gone);
    }

    void menuLayout()
    {
        App a;
        a.t.random.pushInt(18, 18);
        a.shell.showMenu();
        auto* menu = qobject_cast<MenuScreen*>(a.shell.current());
        QCOMPARE(menu->board()->background(), Bgr(0xFF00FF));
        QCOMPARE(menu->board()->size(), QSize(702, 488));
        QCOMPARE(menu->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("solo con i brasti"));
        QCOMPARE(menu->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("con i numeri"));
        for (const CatalogueEntry& e : kCatalogue) {
            QPushButton* b = menu->exerciseButton(buttonOfScreen(e.screen));
            QCOMPARE(b->objectName(), QStringLiteral("Command%1").arg(e.screen + 1));
            QCOMPARE(b->text(), QString::fromUtf8(e.caption));
            const int left = QList<int>{120, 2520, 4920, 7320}.at(e.menu.column - 1);
            QCOMPARE(Board::designRect(b), QRect(left, 600 + 720 * (e.menu.row - 1), 2280, 550));
            QCOMPARE(b->font().pixelSize(), qRound(e.menu.fontPoints * 20 / 15));
            QVERIFY(b->isEnabled());
        }
        // Each place of the grid holds one button, but for the one left free under column 4.
        QSet<QPair<int, int>> places;
        for (const CatalogueEntry& e : kCatalogue)
            places.insert({e.menu.column, e.menu.row});
        QCOMPARE(places.size(), kExerciseCount);
        QCOMPARE(menu->exerciseButton(9)->text(), QStringLiteral("trova il   > < ="));
        QCOMPARE(menu->option(0)->text(), QStringLiteral("prosegue automaticamente  negli esercizi"));
        QCOMPARE(menu->option(1)->text(), QStringLiteral("attende la pressione del bottone per proseguire"));
        QCOMPARE(menu->option(0)->palette().color(QPalette::Window), QColor(255, 0, 255));
        QCOMPARE(menu->findChild<QPushButton*>(QStringLiteral("Command1"))->text(), QStringLiteral("Esci"));
    }

    void advanceModeOptions()
    {
        App a;
        a.shell.showMenu();
        auto* menu = qobject_cast<MenuScreen*>(a.shell.current());
        QVERIFY(menu->option(1)->isChecked());
        QVERIFY(!menu->option(0)->isChecked());
        menu->option(0)->click();
        QVERIFY(a.t.context.autoAdvance);
        // A fresh menu shows the mode in force.
        a.shell.showMenu();
        menu = qobject_cast<MenuScreen*>(a.shell.current());
        QVERIFY(menu->option(0)->isChecked());
        QVERIFY(a.t.context.autoAdvance);
        menu->option(1)->click();
        QVERIFY(!a.t.context.autoAdvance);
    }

    void quitQuestion()
    {
        App a;
        a.t.random.pushInt(5, 18);
        a.shell.showMenu();
        auto* menu = a.shell.current();
        auto* esci = menu->findChild<QPushButton*>(QStringLiteral("Command1"));
        a.t.dialogs.answers = {false};
        esci->click();
        QCOMPARE(a.t.dialogs.shown.back().text, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(a.t.dialogs.shown.back().title, QStringLiteral("Utilizzare i brasti"));
        QVERIFY(a.t.dialogs.shown.back().question);
        QCOMPARE(a.quits, 0);
        QCOMPARE(a.shell.current(), menu);
        QCOMPARE(menu->board()->background(), Bgr(0x0080FF));

        a.t.dialogs.answers = {true};
        esci->click();
        QCOMPARE(a.quits, 1);
        QCOMPARE(screensAlive().size(), 0);
    }

    // A class that plays "within 10" only, on a computer it must not leave:
    // the others greyed out in their places and passed by Tab, no "Esci",
    // and closing the window asks first.
    void menuFollowsTheTeachersChoice()
    {
        App a;
        a.t.context.offeredExercises.reset();
        for (int screen : {1, 12, 13})
            a.t.context.offeredExercises.set(std::size_t(screen - 1));
        a.t.context.exitOffered = false;
        a.shell.showMenu();
        auto* menu = qobject_cast<MenuScreen*>(a.shell.current());
        menu->show();
        QStringList reached;
        for (QWidget* stop : tabStops(menu->board()))
            reached << stop->objectName();
        QCOMPARE(reached.filter(QRegularExpression(QStringLiteral("^Command"))),
                 (QStringList{QStringLiteral("Command2"), QStringLiteral("Command13"), QStringLiteral("Command14")}));
        QVERIFY(!menu->exerciseButton(3)->isEnabled() && menu->exerciseButton(3)->isVisible());
        // Nor is a screen reader told that the greyed-out ones take the focus.
        for (const CatalogueEntry& e : kCatalogue)
            QCOMPARE(QAccessible::queryAccessibleInterface(menu->exerciseButton(buttonOfScreen(e.screen)))->state().focusable,
                     a.t.context.offeredExercises.test(std::size_t(e.screen - 1)));
        QVERIFY(menu->findChild<QPushButton*>(QStringLiteral("Command1"))->isHidden());

        a.t.dialogs.answers = {false, true};
        menu->close();
        QCOMPARE(a.t.dialogs.shown.back().text, QStringLiteral("Vuoi uscire dal programma?"));
        QVERIFY(menu->isVisible() && a.quits == 0);
        menu->close();
        QCOMPARE(a.quits, 1);
    }

    // The catalogue is the families' tables joined: screen n at n - 1, with
    // its family's caption and menu place, made by its family's factory.
    void catalogueJoinsTheFamilies()
    {
        int rows = 0;
        const auto check = [&rows](const auto& table) {
            for (const auto& row : table) {
                ++rows;
                QVERIFY2(row.factory, row.caption);
                QVERIFY(row.screen >= 1 && row.screen <= kExerciseCount);
                const CatalogueEntry& e = kCatalogue[std::size_t(row.screen - 1)];
                QCOMPARE(e.screen, row.screen);
                QCOMPARE(e.caption, row.caption);
                QCOMPARE(e.menu.column, row.menu.column);
                QCOMPARE(e.menu.row, row.menu.row);
                QCOMPARE(e.menu.fontPoints, row.menu.fontPoints);
                harness::TestContext t;
                std::unique_ptr<ExerciseScreen> screen(createExerciseScreen(row.screen, t.context));
                QVERIFY(screen);
                QCOMPARE(screen->objectName(), QStringLiteral("Form%1").arg(row.screen));
                QCOMPARE(screen->windowTitle(), QString::fromUtf8(row.caption));
            }
        };
        check(kOrderingScreens);
        check(kComparisonScreens);
        check(kRodNumberScreens);
        check(kComposingScreens);
        check(kWrittenScreens);
        QCOMPARE(rows, kExerciseCount);
        harness::TestContext t;
        for (int outside : {-1, 0, kExerciseCount + 1})
            QCOMPARE(createExerciseScreen(outside, t.context), nullptr);
    }

    // A screen added as the README says, a row more and the count raised: the join
    // finds it by its number, keeps the other rows, and opens it as a working screen.
    void catalogueTakesAScreenMore()
    {
        constexpr std::array<CatalogueEntry, 28> more = catalogueOf<28, kFamiliesAndOneMore>();
        QVERIFY(std::equal(kCatalogue.begin(), kCatalogue.end(), more.begin()));
        const CatalogueEntry* added = catalogueRow(more, 28);
        QVERIFY(added && !catalogueRow(more, 29));
        QCOMPARE(std::tuple(QString::fromUtf8(added->caption), added->menu.column, added->menu.row),
                 std::tuple(QStringLiteral("ordina ancora 3 brasti"), 4, 7));
        harness::TestContext t;
        std::unique_ptr<ExerciseScreen> w(added->open(t.context));
        QCOMPARE(w->objectName(), QStringLiteral("Form28"));
        w->load();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()) && !w->problemSentence().isEmpty());
        harness::playMoves(w->shownMoves());
        QCOMPARE(harness::countsOn(w.get()).right, std::int16_t(1));
    }

    void everyButtonOpensItsScreen()
    {
        App a;
        for (const CatalogueEntry& e : kCatalogue) {
            a.shell.showMenu();
            auto* menu = qobject_cast<MenuScreen*>(a.shell.current());
            QVERIFY(menu->exerciseButton(buttonOfScreen(e.screen))->isEnabled());
            harness::clickThroughWindow(menu->exerciseButton(buttonOfScreen(e.screen)));
            QCOMPARE(a.shell.current()->objectName(), QStringLiteral("Form%1").arg(e.screen));
        }
        // Numbers outside the catalogue open nothing.
        a.shell.showMenu();
        ScreenWindow* menu = a.shell.current();
        a.shell.openExercise(0);
        a.shell.openExercise(28);
        QCOMPARE(a.shell.current(), menu);
    }

    // The teacher's summary: each exercise once, in the order first played,
    // with what was solved and got wrong there; "Azzera conteggio" and
    // leaving the screen do not touch it, emptying it does.
    void runSummaryCountsWhatWasPlayed()
    {
        App a;
        const auto play = [&a](int screen) {
            a.shell.showMenu();
            a.shell.openExercise(screen);
            return qobject_cast<ExerciseScreen*>(a.shell.current());
        };
        ExerciseScreen* signs = play(9);
        QVERIFY(signs);
        // One of the three signs is right; those pressed before it are wrong.
        for (const char* name : {"Command1", "Command2", "Command3"})
            if (harness::countsOn(a.shell.current()).right == 0)
                harness::clickThroughWindow(signs->findChild<QPushButton*>(QLatin1String(name)));
        const int wrong = harness::countsOn(a.shell.current()).wrong;
        QCOMPARE(harness::countsOn(a.shell.current()).right, std::int16_t(1));
        signs->azzeraConteggio();
        play(1);
        play(9);
        const std::vector<RunRow> rows = a.shell.summary().rows();
        QCOMPARE(rows.size(), std::size_t(2));
        QCOMPARE((std::vector<int>{rows[0].screen, rows[0].solved, rows[0].wrong, rows[1].screen, rows[1].solved}),
                 (std::vector<int>{9, 1, wrong, 1, 0}));
        a.shell.summary().clear();
        QCOMPARE(a.shell.summary().rows().size(), std::size_t(1)); // the exercise in play
        QCOMPARE(a.shell.summary().rows()[0].solved + a.shell.summary().rows()[0].wrong, 0);
    }

    void windowStateCarriesOver()
    {
        App a;
        a.shell.showStart();
        a.shell.current()->show();
        a.shell.current()->resize(818 * 2, 640 * 2);
        QTRY_COMPARE(a.shell.current()->zoom(), 2.0);
        a.shell.showMenu();
        QTRY_COMPARE(a.shell.current()->zoom(), 2.0);
        QCOMPARE(a.shell.current()->board()->size(), QSize(702 * 2, 488 * 2));

        a.shell.current()->setWindowState(Qt::WindowFullScreen);
        a.shell.showMenu();
        QVERIFY(a.shell.current()->windowState() & Qt::WindowFullScreen);
        QCOMPARE(screensAlive().size(), 1);
        // F11 leaves full screen again.
        a.shell.current()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.shell.current()));
        QTest::keyClick(a.shell.current(), Qt::Key_F11);
        QVERIFY(!(a.shell.current()->windowState() & Qt::WindowFullScreen));
    }

    // Children open and leave screens all morning: what a screen leaves behind
    // must not pile up. Every screen is painted, as on a real display, since
    // painting is where the style's caches fill.
    void leavingScreensKeepsMemoryFlat()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator does not report the heap in use");
#else
        setUpApplication();
        App a;
        a.shell.showMenu();
        const auto round = [&a] {
            for (int n = 1; n <= kExerciseCount; ++n) {
                a.shell.openExercise(n);
                a.shell.current()->grab();
                a.shell.showMenu();
                a.shell.current()->grab();
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        };
        for (int i = 0; i < 5; ++i)
            round();
        const long before = bench::ownHeapKb();
        for (int i = 0; i < 30; ++i)
            round();
        const long growthKb = bench::ownHeapKb() - before;
        QVERIFY2(growthKb < 256, qPrintable(QStringLiteral("heap grew by %1 kB over 30 rounds").arg(growthKb)));
#endif
    }

    void realMessageBoxes()
    {
        MessageBoxDialogs dialogs;
        QWidget window;
        window.show();
        std::vector<bool> answers;
        const auto record = [&answers](bool yes) { answers.push_back(yes); };
        // Each box is open when the call returns; its answer comes from the
        // event loop, after the box has closed.
        dialogs.askYesNo(&window, messageTitle(), QStringLiteral("Vuoi tornare al menù?"), record);
        const std::optional<BoxAnswer> no = answerOpenBox(QMessageBox::No);
        QVERIFY(no);
        QCOMPARE(no->title, QStringLiteral("Utilizzare i brasti"));
        QCOMPARE(no->icon, QMessageBox::Question);
        QCOMPARE(no->buttons.size(), 2);
        QVERIFY(no->buttons.contains(QStringLiteral("Sì")));
        QVERIFY(no->buttons.contains(QStringLiteral("No")));
        QCOMPARE(no->heard, QStringLiteral("Vuoi tornare al menù? Rispondi Sì o No."));
        QVERIFY(answers.empty());
        QTRY_COMPARE(answers, std::vector<bool>{false});

        dialogs.askYesNo(&window, messageTitle(), QStringLiteral("Vuoi uscire dal programma?"), record);
        QVERIFY(answerOpenBox(QMessageBox::Yes));
        QTRY_COMPARE(answers, (std::vector<bool>{false, true}));

        // A parent gone before the answer hears nothing.
        {
            QWidget gone;
            gone.show();
            dialogs.askYesNo(&gone, messageTitle(), QStringLiteral("Vuoi tornare al menù?"), record);
            QVERIFY(answerOpenBox(QMessageBox::Yes));
        }
        QCoreApplication::processEvents();
        QCOMPARE(answers.size(), size_t(2));

        dialogs.inform(&window, MessageIcon::None, kAppName, QStringLiteral("devi sistemare tutti i brasti!"));
        const std::optional<BoxAnswer> ok = answerOpenBox(QMessageBox::Ok);
        QVERIFY(ok);
        QCOMPARE(ok->title, QStringLiteral("Brasti"));
        QCOMPARE(ok->icon, QMessageBox::NoIcon);
        QCOMPARE(ok->buttons, QStringList{QStringLiteral("OK")});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

BRASTI_TEST_MAIN(TestApp)
#include "tst_app.moc"
