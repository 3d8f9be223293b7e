// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Whole plays of the written-arithmetic screens, with real drags through
// the window, text typed into the answer box and Enter pressed and
// released, every draw of chance scripted.
#include "app/catalogue.h"
#include "app/language.h"
#include "app/program.h"
#include "common/board.h"
#include "common/colours.h"
#include "common/dialogs.h"
#include "common/pictures.h"
#include "common/rod.h"
#include "common/sound/sound.h"
#include "exercises/written/writtenscreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QFile>
#include <QLibraryInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <memory>

using namespace brasti;
using harness::at;

namespace {

struct Session {
    harness::TestContext t;
    std::unique_ptr<WrittenScreen> screen; // destroyed before its context
};

// The draws that make the board's next problem first and second.
void pushProblem(harness::ScriptedRandom& random, WrittenBoard board, int first, int second)
{
    switch (board) {
    case WrittenBoard::Addition10:
        random.pushInt(first + second - 1, 9);
        random.pushInt(first, first + second - 1);
        break;
    case WrittenBoard::Subtraction10:
        random.pushInt(first - 1, 9);
        random.pushInt(second, first - 1);
        break;
    case WrittenBoard::Addition20:
        random.pushInt(first, 10);
        random.pushInt(second, 10);
        break;
    case WrittenBoard::Subtraction20:
        random.pushInt(first - 10, 10);
        random.pushInt(second, 10);
        break;
    }
}

// The tray in order: rod k at slot k - 1.
void pushTrayInOrder(harness::ScriptedRandom& random)
{
    for (int s = 0; s < 10; ++s)
        random.pushInt(1, 10);
}

const WrittenEntry& entryOf(int screen)
{
    for (const WrittenEntry& e : kWrittenScreens)
        if (e.screen == screen)
            return e;
    qFatal("no written screen %d", screen);
}

std::unique_ptr<Session> openScreen(int n, int first, int second, bool autoAdvance = false)
{
    auto s = std::make_unique<Session>();
    s->t.context.autoAdvance = autoAdvance;
    pushProblem(s->t.random, entryOf(n).config.rules.board, first, second);
    pushTrayInOrder(s->t.random);
    s->screen.reset(qobject_cast<WrittenScreen*>(createExerciseScreen(n, s->t.context)));
    s->screen->load();
    s->screen->show();
    return s;
}

// A point in the free part of the target bar, in window coordinates.
QPoint gapPoint(WrittenScreen* w)
{
    QWidget* bar = w->targetBar();
    const RodFill& fill = w->barFill();
    const double units = fill.filled() + (fill.length() - fill.filled()) / 2.0;
    return bar->mapTo(w, QPoint(int(bar->width() * units / fill.length()), bar->height() / 2));
}

// The tray's places from the top, as a tray laid in order shows them: rod k at place k - 1.
std::vector<QPoint> trayOf(WrittenScreen* w)
{
    std::vector<QPoint> places;
    for (int k = 1; k <= 10; ++k)
        places.push_back(at(w->rod(k)));
    std::sort(places.begin(), places.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    return places;
}

// A given rod's copy as long as its rod, lying on the bar so many units from its left end.
bool liesOn(const RodCopy* copy, const QWidget* bar, int units)
{
    return copy && copy->isVisible() && at(copy) == at(bar) + QPoint(units * kUnitTwips, 0)
           && Board::designRect(copy).width() == copy->number() * kUnitTwips;
}

void dropOnGap(WrittenScreen* w, Rod* rod)
{
    harness::dragRodTo(rod, w, gapPoint(w));
}

void pressEnter(QWidget* box, Qt::Key key = Qt::Key_Return)
{
    const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyPress(box, key, modifiers);
    QTest::keyRelease(box, key, modifiers);
}

void type(WrittenScreen* w, const QString& text)
{
    w->answerBox()->clear();
    QTest::keyClicks(w->answerBox(), text);
    pressEnter(w->answerBox());
}

void sendKey(QWidget* box, QEvent::Type type, Qt::Key key, bool autoRepeat, quint64 timestamp = 0)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    event.setTimestamp(timestamp);
    QApplication::sendEvent(box, &event);
}

} // namespace

class TestWrittenScreen : public QObject {
    Q_OBJECT
private slots:
    void catalogueOpensTheScreens()
    {
        harness::TestContext t;
        for (const WrittenEntry& e : kWrittenScreens) {
            const int n = e.screen;
            std::unique_ptr<ExerciseScreen> s(createExerciseScreen(n, t.context));
            auto* w = qobject_cast<WrittenScreen*>(s.get());
            QVERIFY(w);
            QCOMPARE(w->objectName(), QStringLiteral("Form%1").arg(n));
            QCOMPARE(w->windowTitle(), QString::fromUtf8(e.caption));
            QCOMPARE(w->printedOperationLabel() != nullptr, e.config.rules.mode == AnswerMode::ResultMode);
        }
        QVERIFY(!holdsScreen(kWrittenScreens, 1));
        QVERIFY(!holdsScreen(kWrittenScreens, 17));
    }

    void fullPlays_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("wrongText");
        QTest::addColumn<QString>("rightText");
        QTest::newRow("Form21") << 21 << 3 << 4 << " 3 +  4 = " << "4" << "7";
        QTest::newRow("Form16") << 16 << 6 << 3 << "" << "3+6=9" << "6 + 3 = 9";
        QTest::newRow("Form23") << 23 << 7 << 3 << " 7 -  3 = " << "7" << "04";
        QTest::newRow("Form18") << 18 << 9 << 7 << "" << "9-2=7" << "9-7=2";
    }
    void fullPlays()
    {
        QFETCH(int, screen);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, printed);
        QFETCH(QString, wrongText);
        QFETCH(QString, rightText);
        OPEN(s, screen, first, second);
        WrittenScreen* w = s->screen.get();
        const WrittenConfig& c = w->config();
        const bool addition = isAddition(c.rules.board);
        const int result = addition ? first + second : first - second;
        const int length = addition ? result : first;
        const int start = addition ? 0 : second;

        // The board: both bars as long as the sum or the minuend, the given rods on them.
        QCOMPARE(w->targetBar()->objectName(), c.rules.board == WrittenBoard::Subtraction10 ? "Picture2" : "Picture1");
        QCOMPARE(Board::designRect(w->targetBar()).width(), length * kUnitTwips);
        QCOMPARE(Board::designRect(w->givenBar()).width(), length * kUnitTwips);
        const std::vector<QPoint> tray = trayOf(w);
        auto* brasto1 = w->findChild<RodCopy*>(QStringLiteral("brasto1"));
        auto* brasto2 = w->findChild<RodCopy*>(QStringLiteral("brasto2"));
        QVERIFY(brasto1);
        QCOMPARE(brasto2 != nullptr, addition);
        if (addition) {
            QCOMPARE(brasto1->number(), first);
            QCOMPARE(brasto2->number(), second);
            QVERIFY(liesOn(brasto1, w->givenBar(), 0) && liesOn(brasto2, w->givenBar(), first));
            QCOMPARE(brasto2->accessibleName(), QStringLiteral("brasto %1").arg(second));
            QCOMPARE(w->targetBar()->palette().color(QPalette::Window), toQColor(0xC0C0C0));
        } else {
            QCOMPARE(brasto1->number(), second);
            QVERIFY(liesOn(brasto1, w->targetBar(), 0)); // the units taken away
            QCOMPARE(w->givenBar()->palette().color(QPalette::Window), toQColor(rodColour(first)));
        }
        QCOMPARE(brasto1->accessibleName(), QStringLiteral("brasto %1").arg(brasto1->number()));
        QCOMPARE(w->answerBox()->accessibleName(), QStringLiteral("risposta"));
        if (QLabel* label = w->printedOperationLabel())
            QCOMPARE(label->text(), printed);
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(w->rod(k)->accessibleName(), QStringLiteral("brasto %1").arg(k));
        QVERIFY(!w->answerBox()->isEnabled());

        // Enter in the closed box, a drop on the given bar: nothing.
        pressEnter(w->answerBox());
        harness::dragRodOnto(w->rod(result), w->givenBar());
        QCOMPARE(at(w->rod(result)), tray[std::size_t(result - 1)]);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(0));

        // A rod one too long: a wrong answer, the rod stays, the box stays closed.
        const int wrongRod = result + 1;
        dropOnGap(w, w->rod(wrongRod));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));
        QCOMPARE(w->wrongLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->wrongIcon()->isVisible());
        QVERIFY(!w->rightIcon()->isVisible());
        QCOMPARE(at(w->rod(wrongRod)), tray[std::size_t(wrongRod - 1)]);
        QVERIFY(!w->answerBox()->isEnabled());

        // The right rod: laid on the bar after the given units, fixed, the box open.
        dropOnGap(w, w->rod(result));
        QCOMPARE(at(w->rod(result)), at(w->targetBar()) + QPoint(start * kUnitTwips, 0));
        QVERIFY(!w->rod(result)->isMovable());
        QVERIFY(w->answerBox()->isEnabled());
        QCOMPARE(w->focusWidget(), w->answerBox());
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));
        QCOMPARE(s->t.sound.played, (std::vector<Sound>{Sound::Wrong}));
        // Fixed there: dragged again it neither moves nor counts.
        harness::dragRodTo(w->rod(result), w, gapPoint(w));
        QCOMPARE(at(w->rod(result)), at(w->targetBar()) + QPoint(start * kUnitTwips, 0));

        // A wrong text: counted, kept for correction, the box still open.
        type(w, wrongText);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(2));
        QCOMPARE(w->answerBox()->text(), wrongText);
        QVERIFY(w->answerBox()->isEnabled());
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(0));

        s->t.random.pushInt(3, 4);
        type(w, rightText);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(2));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral(" 1"));
        QVERIFY(w->rightIcon()->isVisible());
        QVERIFY(!w->wrongIcon()->isVisible());
        QCOMPARE(s->t.sound.played.back(), Sound::Right3);
        QVERIFY(!w->answerBox()->isEnabled());
        QVERIFY(w->avantiButton()->isEnabled());
        // Solved: Enter counts nothing more; a wrong rod still counts.
        pressEnter(w->answerBox());
        w->judgeTypedAnswer();
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        dropOnGap(w, w->rod(wrongRod));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(2)); // the bar is covered: nothing reached
        harness::dragRodTo(w->rod(wrongRod), w, w->targetBar()->mapTo(w, QPoint(2, 2)));
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));

        // "avanti": a new problem, the box empty and closed, the tray back in a new order.
        pushProblem(s->t.random, c.rules.board, addition ? 1 : 2, 1);
        for (int slot = 0; slot < 10; ++slot)
            s->t.random.pushInt(10, 10);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QVERIFY(!w->avantiButton()->isEnabled());
        QVERIFY(!w->answerBox()->isEnabled());
        QVERIFY(w->answerBox()->text().isEmpty());
        QCOMPARE(w->problem().result(), addition ? 2 : 1);
        QCOMPARE(at(w->rod(10)), tray[0]);
        for (int k = 1; k <= 9; ++k) {
            QCOMPARE(at(w->rod(k)), tray[std::size_t(k)]);
            QVERIFY(w->rod(k)->isMovable());
        }
        dropOnGap(w, w->rod(w->problem().result()));
        QVERIFY(w->answerBox()->isEnabled());
    }

    void fullPlaysWithinTwenty_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<std::vector<int>>("drops"); // 10: the rod of 10 lying on top in the tray
        // One outcome per drop: R refused with the hint, P placed, C completed, W wrong.
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<QString>("wrongText");
        QTest::addColumn<QString>("rightText");
        QTest::newRow("Form22 8 + 5") << 22 << 8 << 5 << std::vector<int>{5, 3, 10, 4, 2, 1} << "R R P W P C"
                                      << "12" << "13";
        QTest::newRow("Form24 10 + 10") << 24 << 10 << 10 << std::vector<int>{9, 10, 9, 10} << "R P R C"
                                        << "10+10=2" << "10 + 10 = 20";
        QTest::newRow("Form25 20 - 1") << 25 << 20 << 1 << std::vector<int>{9, 10, 10, 9} << "R P W C" << "1"
                                       << "19";
        QTest::newRow("Form26 14 - 6") << 26 << 14 << 6 << std::vector<int>{9, 5, 3} << "W P C" << "10+4-6=8"
                                       << "14-6=8";
    }
    void fullPlaysWithinTwenty()
    {
        QFETCH(int, screen);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(std::vector<int>, drops);
        QFETCH(QString, outcomes);
        QFETCH(QString, wrongText);
        QFETCH(QString, rightText);
        OPEN(s, screen, first, second);
        WrittenScreen* w = s->screen.get();
        const WrittenConfig& c = w->config();
        const bool addition = isAddition(c.rules.board);
        const int length = addition ? first + second : first;
        Rod* secondTen = w->secondTen();

        // The board: the target bar below (subtraction) or above (addition) the given one.
        const QRect target = Board::designRect(w->targetBar()), given = Board::designRect(w->givenBar());
        QCOMPARE(w->targetBar()->objectName(), QStringLiteral("Picture1"));
        QCOMPARE(target.width(), length * kUnitTwips);
        QCOMPARE(given.width(), length * kUnitTwips);
        QCOMPARE(target.left(), given.left());
        QCOMPARE(target.top() < given.top(), addition);
        const auto copyOf = [&](const char* name, int number) {
            auto* copy = w->findChild<RodCopy*>(QString::fromLatin1(name));
            return copy && copy->number() == number ? copy : nullptr;
        };
        if (addition) {
            QVERIFY(liesOn(copyOf("brasto1", first), w->givenBar(), 0));
            QVERIFY(liesOn(copyOf("brasto2", second), w->givenBar(), first));
            QVERIFY(!w->findChild<RodCopy*>(QStringLiteral("Brasto3")) || copyOf("Brasto3", 0));
        } else {
            QVERIFY(liesOn(copyOf("brasto1", 10), w->givenBar(), 0));
            QVERIFY(liesOn(copyOf("brasto2", first - 10), w->givenBar(), 10));
            QVERIFY(liesOn(copyOf("Brasto3", second), w->targetBar(), 0));
        }
        // The second rod of 10 lies on rod 10's place, on top of it.
        QVERIFY(secondTen);
        QCOMPARE(secondTen->objectName(), QStringLiteral("brasti2_10"));
        QCOMPARE(secondTen->accessibleName(), QStringLiteral("brasto 10"));
        QCOMPARE(at(secondTen), at(w->rod(10)));
        const std::vector<QPoint> tray = trayOf(w);
        QCOMPARE(w->container()->childAt(secondTen->geometry().center()), secondTen);

        const QStringList expected = outcomes.split(QLatin1Char(' '));
        int filled = addition ? 0 : second;
        int wrong = 0;
        std::size_t hints = 0;
        for (std::size_t i = 0; i < drops.size(); ++i) {
            // The second 10 lies above the tray's until it is taken away.
            Rod* r = drops[i] == 10 && secondTen->isMovable() ? secondTen : w->rod(drops[i]);
            const QPoint from = at(r);
            const bool rightIconBefore = w->rightIcon()->isVisible();
            const bool wrongIconBefore = w->wrongIcon()->isVisible();
            dropOnGap(w, r);
            const QString outcome = expected[qsizetype(i)];
            if (outcome == "R" || outcome == "W") {
                // Refused or wrong: the rod stays where it was.
                QCOMPARE(at(r), from);
                QVERIFY(r->isMovable());
                wrong += outcome == "W" ? 1 : 0;
                hints += outcome == "R" ? 1 : 0;
                // The hint leaves the icons as they were.
                QCOMPARE(w->wrongIcon()->isVisible(), outcome == "W" || wrongIconBefore);
                QCOMPARE(w->rightIcon()->isVisible(), outcome == "R" && rightIconBefore);
            } else {
                QCOMPARE(at(r), at(w->targetBar()) + QPoint(filled * kUnitTwips, 0));
                QVERIFY(!r->isMovable());
                QVERIFY(w->rightIcon()->isVisible());
                QVERIFY(!w->wrongIcon()->isVisible());
                filled += r->number();
            }
            QCOMPARE(w->barFill().filled(), filled);
            QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(wrong));
            QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(0));
            QCOMPARE(s->t.dialogs.shown.size(), hints);
            QCOMPARE(w->answerBox()->isEnabled(), outcome == "C");
        }
        for (const auto& hint : s->t.dialogs.shown) {
            QVERIFY(!hint.question);
            QCOMPARE(hint.icon, MessageIcon::None);
            QCOMPARE(hint.title, kAppName);
            QCOMPARE(hint.text, QStringLiteral("puoi usare il brasto da 10"));
        }
        QCOMPARE(s->t.sound.played.size(), std::size_t(wrong));
        QCOMPARE(w->focusWidget(), w->answerBox());
        // The full bar takes no more: its rods are fixed, a drop on them reaches nothing.
        harness::dragRodTo(w->rod(1)->isMovable() ? w->rod(1) : w->rod(2), w,
                           w->targetBar()->mapTo(w, QPoint(w->targetBar()->width() - 3, 5)));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(wrong));

        type(w, wrongText);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(wrong + 1));
        QCOMPARE(w->answerBox()->text(), wrongText);
        s->t.random.pushInt(4, 4);
        type(w, rightText);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QVERIFY(!w->answerBox()->isEnabled());

        // "avanti": every rod back in the tray, free, both tens on one place.
        pushProblem(s->t.random, c.rules.board, addition ? 2 : 12, 3);
        for (int slot = 0; slot < 10; ++slot)
            s->t.random.pushInt(10, 10);
        harness::clickThroughWindow(w->avantiButton());
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QCOMPARE(w->barFill().filled(), addition ? 0 : 3);
        QCOMPARE(at(secondTen), at(w->rod(10)));
        QCOMPARE(at(w->rod(10)), tray[0]);
        QVERIFY(secondTen->isMovable());
        QCOMPARE(w->container()->childAt(secondTen->geometry().center()), secondTen);
        for (int k = 1; k <= 10; ++k)
            QVERIFY(w->rod(k)->isMovable());
        QVERIFY(!w->answerBox()->isEnabled());
        // Below ten missing, no hint: any rod that fits.
        dropOnGap(w, w->rod(addition ? 5 : 9));
        QCOMPARE(w->answerBox()->isEnabled(), true);
        QCOMPARE(s->t.dialogs.shown.size(), hints);
    }

    void enterKeys()
    {
        OPEN(s, 21, 2, 5);
        WrittenScreen* w = s->screen.get();
        AnswerBox* box = w->answerBox();
        dropOnGap(w, w->rod(7));
        QTest::keyClicks(box, "6");

        // A held Enter: repeats of the press and the release do nothing,
        // only the last release counts, once.
        sendKey(box, QEvent::KeyPress, Qt::Key_Return, false);
        for (int i = 0; i < 5; ++i) {
            sendKey(box, QEvent::KeyRelease, Qt::Key_Return, true);
            sendKey(box, QEvent::KeyPress, Qt::Key_Return, true);
        }
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(0));
        sendKey(box, QEvent::KeyRelease, Qt::Key_Return, false);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));
        // A release without its press (the press went elsewhere): nothing.
        sendKey(box, QEvent::KeyRelease, Qt::Key_Return, false);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(1));
        // A repeat whose flag went missing: its release and press share one
        // time stamp. The hold is judged once, at that release.
        sendKey(box, QEvent::KeyPress, Qt::Key_Return, false, 1000);
        sendKey(box, QEvent::KeyRelease, Qt::Key_Return, false, 1660);
        sendKey(box, QEvent::KeyPress, Qt::Key_Return, false, 1660);
        sendKey(box, QEvent::KeyRelease, Qt::Key_Return, true, 1700);
        sendKey(box, QEvent::KeyPress, Qt::Key_Return, true, 1700);
        sendKey(box, QEvent::KeyRelease, Qt::Key_Return, false, 1720);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(2));
        sendKey(box, QEvent::KeyPress, Qt::Key_Return, false, 2500);
        sendKey(box, QEvent::KeyRelease, Qt::Key_Return, false, 2600);
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(3));
        // Other keys are the box's own.
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Space);
        QTest::keyClicks(box, "7");
        QCOMPARE(box->text(), QStringLiteral(" 7"));
        QCOMPARE(harness::countsOn(s->screen.get()).wrong, std::int16_t(3));
        // Enter of the keypad is Enter.
        s->t.random.pushInt(1, 4);
        pressEnter(box, Qt::Key_Enter);
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
    }

    void autoAdvance()
    {
        OPEN(s, 18, 5, 2, true);
        WrittenScreen* w = s->screen.get();
        const std::vector<QPoint> tray = trayOf(w);
        QVERIFY(w->avantiButton()->isHidden());
        dropOnGap(w, w->rod(3));
        // The right sound, then the next problem and tray.
        s->t.random.pushInt(2, 4);
        pushProblem(s->t.random, WrittenBoard::Subtraction10, 10, 9);
        pushTrayInOrder(s->t.random);
        type(w, "5-2=3");
        QCOMPARE(s->t.random.pending(), std::size_t(0));
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(1));
        QCOMPARE(w->rightLabel()->text(), QStringLiteral(" 1"));
        QCOMPARE(w->problem().first, 10);
        QCOMPARE(w->problem().second, 9);
        QVERIFY(!w->answerBox()->isEnabled());
        QVERIFY(w->answerBox()->text().isEmpty());
        QVERIFY(w->rod(3)->isMovable());
        QCOMPARE(at(w->rod(3)), tray[2]);
        dropOnGap(w, w->rod(1));
        QCOMPARE(at(w->rod(1)), at(w->targetBar()) + QPoint(9 * kUnitTwips, 0));
        type(w, "10-9=1");
        QCOMPARE(harness::countsOn(s->screen.get()).right, std::int16_t(2));
    }

    void standardTextsInItalian()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_it.qm")))
            QSKIP("Qt's Italian translation is not installed");
        installLanguage(kItalian);
        OPEN(s, 16, 1, 1);
        std::unique_ptr<QMenu> menu(s->screen->answerBox()->createStandardContextMenu());
        QStringList texts;
        for (QAction* a : menu->actions())
            texts << a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
        QVERIFY2(texts.contains(QStringLiteral("Incolla")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY(texts.contains(QStringLiteral("Seleziona tutto")));
    }
};

BRASTI_TEST_MAIN(TestWrittenScreen)
#include "tst_writtenscreen.moc"
