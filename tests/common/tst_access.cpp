// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// What screen readers are told, read through Qt's accessibility interfaces:
// where every rod lies, and the verdicts with their counts. The events that
// carry them are checked under a real X server with the accessibility bus
// running (the test runs itself again there; skipped without the tools).
#include "app/catalogue.h"
#include "app/shell.h"
#include "common/accessibility.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/exercisescreen.h"
#include "common/colours.h"
#include "common/pictures.h"
#include "common/spoken.h"
#include "exercises/ordering/orderingscreen.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAccessible>
#include <QFrame>
#include <QStandardPaths>
#include <memory>

using namespace brasti;

namespace {

const char* const kInsideAtSpi = "BRASTI_INSIDE_ATSPI";
const QString kBusLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QString description(QWidget* widget)
{
    return accessible(widget)->text(QAccessible::Description);
}

// A slot that takes rods, a bar with a given rod on it, and the tray; a
// strip on the board itself lies where the tray is, but in another container.
class ShelfScreen final : public ExerciseScreen {
public:
    explicit ShelfScreen(AppContext& context, RodStance stance = RodStance::Flat)
        : ExerciseScreen(context, QStringLiteral("scaffale"), FrameLayout{}, stance)
    {
        frame = new QWidget(board());
        board()->place(frame, QRect(0, 0, 7600, 5200));
        strip = new Place(board(), board(), QStringLiteral("Picture3"), QStringLiteral("striscia in alto"),
                          QStringLiteral("nella striscia in alto"), QRect(0, 0, 7600, 5200), kButtonFace);
        strip->lower();
        slot = new Place(board(), frame, QStringLiteral("Picture1"), QStringLiteral("casella 1"),
                         QStringLiteral("nella casella 1"), QRect(3000, 600, 3500, 350), kButtonFace);
        dragger()->setDropHandler(slot, [this](Rod* r) {
            board()->moveTo(r, Board::designRect(slot).topLeft());
            r->setMovable(false);
            if (judgeDrops)
                rightStep();
        });
        bar = new Place(board(), frame, QStringLiteral("Picture2"), QStringLiteral("unità da comporre"),
                        QStringLiteral("nell'unità da comporre"), QRect(3000, 1600, 3500, 350), kButtonFace);
        copy = new RodCopy(QStringLiteral("brasto"), frame);
        putRodsIn(frame);
    }

    QString problemSentence() const override { return QStringLiteral("scaffale"); }
    using ExerciseScreen::rightAnswer;
    using ExerciseScreen::rightStep;
    using ExerciseScreen::wrongAnswer;

    QWidget* frame;
    Place* strip;
    Place* slot;
    Place* bar;
    bool judgeDrops = false;
    RodCopy* copy;

protected:
    void newProblem() override
    {
        for (int k = 1; k <= 10; ++k) {
            rod(k)->setMovable(true);
            board()->moveTo(rod(k), stance() == RodStance::Flat ? QPoint(200, 200 + 400 * (k - 1))
                                                                 : QPoint(200 + 400 * (k - 1), 1500));
        }
        copy->showRod(3);
        board()->place(copy, QRect(3000, 1600, 3 * kUnitTwips, kUnitTwips));
    }
    void lockAnswer() override {}
    void unlockAnswer() override {}
};

struct Shelf {
    Shelf()
    {
        screen = std::make_unique<ShelfScreen>(t.context);
        screen->load();
        screen->show();
    }
    harness::TestContext t;
    std::unique_ptr<ShelfScreen> screen;
};

// A point of the target where a drop of the rod reaches it (not covered by
// a rod or rod copy lying on it), in window coordinates; none if covered.
std::optional<QPoint> openPointOf(ExerciseScreen* w, QWidget* target, Rod* rod)
{
    for (int y = 2; y < target->height(); y += 4) {
        for (int x = 2; x < target->width(); x += 4) {
            const QPoint onBoard = target->mapTo(w->board(), QPoint(x, y));
            if (w->dragger()->dropTargetAt(onBoard, rod) == target)
                return target->mapTo(w, QPoint(x, y));
        }
    }
    return std::nullopt;
}

// Where the text lies in a picture of a rod: the pixels nearer the text's
// colour than the rod's (the antialiased glyphs' cores), its thin edge left aside.
QRect inkOf(const QImage& image, QColor text, QColor rod)
{
    const auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    QRect ink;
    for (int y = 1; y < image.height() - 1; ++y) {
        for (int x = 1; x < image.width() - 1; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (distance(pixel, text) < distance(pixel, rod))
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

using Draws = std::vector<std::pair<int, int>>; // k out of n, in the order drawn

Draws tray()
{
    return Draws(10, {1, 10});
}

Draws operator+(Draws a, const Draws& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Sentence {
    int screen;
    Draws draws;
    const char* heard;
    const char* menuItem = nullptr; // chosen once the screen is open
};

// Every screen's problem as a screen reader hears it, for a problem forced draw by draw.
const std::vector<Sentence>& sentences()
{
    static const std::vector<Sentence> table = {
        {1, {{1, 18}, {2, 10}, {5, 10}, {9, 10}},
         "Ordina dal minore al maggiore brasto 2, brasto 5 e brasto 9 nelle 3 caselle."},
        {2, {{1, 18}, {2, 10}, {5, 10}, {9, 10}, {1, 10}},
         "Ordina dal minore al maggiore brasto 2, brasto 5, brasto 9 e brasto 1 nelle 4 caselle."},
        {3, {{1, 18}, {2, 10}, {5, 10}, {9, 10}, {1, 10}, {10, 10}},
         "Ordina dal minore al maggiore brasto 2, brasto 5, brasto 9, brasto 1 e brasto 10 nelle 5 caselle."},
        {4, {{1, 18}, {1, 10}, {2, 10}, {3, 10}, {4, 10}, {5, 10}, {6, 10}, {7, 10}},
         "Ordina dal minore al maggiore brasto 1, brasto 2, brasto 3, brasto 4, brasto 5, brasto 6 e brasto 7 "
         "nelle 7 caselle."},
        {5, Draws{{1, 18}} + tray(), "Ordina dal minore al maggiore tutti i brasti nelle 10 caselle."},
        {6, tray() + Draws{{3, 8}}, "Trova il brasto in mezzo tra brasto 3 e brasto 5."},
        {7, tray() + Draws{{5, 8}},
         "Trova i brasti vicini di brasto 6: il più corto a sinistra, il più lungo a destra."},
        {8, tray() + Draws{{1, 5}, {4, 10}, {1, 2}}, "Il brasto 4 è maggiore del brasto da mettere nella scatola a destra."},
        {8, tray() + Draws{{3, 5}, {9, 10}, {2, 2}}, "Il brasto da mettere nella scatola a sinistra è minore del brasto 9."},
        {8, tray() + Draws{{5, 5}, {6, 10}, {2, 2}}, "Il brasto da mettere nella scatola a sinistra è uguale al brasto 6."},
        {9, {{3, 10}, {7, 10}}, "A sinistra brasto 3, a destra brasto 7: scegli il segno."},
        {10, {{3, 10}}, "Quanto vale il brasto verde? Conta le sue unità: tac, tac, tac."},
        {10, {{10, 10}}, "Quanto vale il brasto arancione? Conta le sue unità: tac, tac, tac, tac, tac, tac, tac, tac, tac, tac."},
        {11, tray() + Draws{{7, 10}}, "Scegli il brasto del numero sette."},
        {11, tray() + Draws{{10, 10}} + tray() + Draws{{10, 10}}, "Scegli il brasto del numero dieci.", "mnucifre"},
        {12, Draws{{3, 9}} + tray(), "Componi il 10: metti accanto al brasto 3 il brasto che manca."},
        {13, Draws{{4, 9}, {2, 4}} + tray(), "Trova la somma: il brasto lungo come brasto 2 e brasto 3 insieme."},
        {14, Draws{{7, 9}, {3, 7}} + tray(), "Trova la differenza: il brasto che, con brasto 3, è lungo come brasto 8."},
        {15, Draws{{1, 2}, {7, 9}, {3, 7}} + tray(),
         "Trova la differenza: il brasto che, con brasto 3, è lungo come brasto 8."},
        {15, Draws{{2, 2}, {3, 9}, {2, 3}} + tray(), "Trova la somma: il brasto lungo come brasto 2 e brasto 2 insieme."},
        {16, Draws{{6, 9}, {3, 6}} + tray(),
         "Sotto la barra della somma: brasto 3 e brasto 4; riempila, poi scrivi l'addizione."},
        {17, Draws{{7, 10}} + tray(), "Componi il brasto 7 mettendo dei brasti in fila."},
        {18, Draws{{6, 9}, {3, 6}} + tray(),
         "Sopra: la barra lunga come brasto 7; sotto: brasto 3; completa la barra della differenza, poi scrivi "
         "la sottrazione."},
        {18, Draws{{9, 9}, {4, 9}} + tray(),
         "Sopra: la barra lunga come brasto 10; sotto: brasto 4; completa la barra della differenza, poi scrivi "
         "la sottrazione."},
        {19, Draws{{5, 10}} + tray(),
         "Componi quindici nella casella del numero: prima il brasto 10, poi il brasto che manca."},
        {20, Draws{{4, 10}, {5, 10}} + tray(),
         "Componi 15: la barra del 10 e brasto 5. Già nella riga da riempire: brasto 4."},
        {21, Draws{{6, 9}, {3, 6}} + tray(), "3 più 4 uguale: riempi la barra della somma, poi scrivi il risultato."},
        {22, Draws{{8, 10}, {5, 10}} + tray(), "8 più 5 uguale: riempi la barra della somma, poi scrivi il risultato."},
        {23, Draws{{6, 9}, {3, 6}} + tray(), "7 meno 3 uguale: completa la barra della differenza, poi scrivi il risultato."},
        {24, Draws{{8, 10}, {5, 10}} + tray(),
         "Sotto la barra della somma: brasto 8 e brasto 5; riempila, poi scrivi l'addizione."},
        {25, Draws{{4, 10}, {6, 10}} + tray(),
         "14 meno 6 uguale: completa la barra della differenza, poi scrivi il risultato."},
        {26, Draws{{4, 10}, {6, 10}} + tray(),
         "Sopra: brasto 10 e brasto 4; sotto: brasto 6; completa la barra della differenza, poi scrivi la "
         "sottrazione."},
        {27, Draws{{13, 19}} + tray(),
         "Componi 20: la barra del 10 e brasto 10. Già nella riga da riempire: brasto 10 e brasto 3."},
    };
    return table;
}

struct Event {
    QObject* object;
    QAccessible::Event type;
    QString text; // a notice's, as it showed
};
std::vector<Event> g_events;

void recordEvent(QAccessibleEvent* event)
{
    const auto* notice = qobject_cast<const Notice*>(event->object());
    g_events.push_back({event->object(), event->type(), notice ? notice->text() : QString()});
}

// What a notice said, each time it showed.
QStringList said(QObject* notice)
{
    QStringList texts;
    for (const Event& e : g_events)
        if (e.object == notice && e.type == QAccessible::ObjectShow)
            texts << e.text;
    return texts;
}

int countEvents(QObject* object, QAccessible::Event type)
{
    return static_cast<int>(std::count_if(g_events.begin(), g_events.end(), [&](const Event& e) {
        return e.object == object && e.type == type;
    }));
}

} // namespace

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void rodsSayWhereTheyLie()
    {
        Shelf s;
        ShelfScreen& w = *s.screen;
        // In the tray: nowhere, though a box of another container lies under it.
        QCOMPARE(description(w.rod(4)), QString());
        QCOMPARE(accessible(w.rod(4))->text(QAccessible::Name), QStringLiteral("brasto 4"));
        QCOMPARE(description(w.copy), QStringLiteral("nell'unità da comporre"));

        QVERIFY(!accessible(w.rod(4))->state().readOnly);
        QVERIFY(accessible(w.copy)->state().readOnly);
        harness::dragRodOnto(w.rod(4), w.slot);
        QCOMPARE(description(w.rod(4)), QStringLiteral("nella casella 1"));
        // Laid for good: read, not moved, and still reached by the keyboard.
        QVERIFY(accessible(w.rod(4))->state().readOnly);
        QVERIFY(accessible(w.rod(4))->state().focusable);
        // What the screen reader hears does not depend on the window's size.
        w.resize(w.designedWindowSize() * 3 / 2);
        QTRY_COMPARE(w.zoom(), 1.5);
        QCOMPARE(description(w.rod(4)), QStringLiteral("nella casella 1"));
        // A rod that covers only the box's edge does not lie in it.
        w.board()->moveTo(w.rod(9), QPoint(3000 - 9 * kUnitTwips / 2 - 100, 600));
        QCOMPARE(description(w.rod(9)), QString());
        // A hidden box holds nothing; a rod's own description wins.
        w.slot->hide();
        QCOMPARE(description(w.rod(4)), QString());
        w.slot->show();
        w.rod(4)->setAccessibleDescription(QStringLiteral("brasto dato"));
        QCOMPARE(description(w.rod(4)), QStringLiteral("brasto dato"));
        w.rod(4)->setAccessibleDescription(QString());

        // Back in the tray with the next problem.
        w.azzeraConteggio();
        QCOMPARE(description(w.rod(4)), QString());
    }

    // On every screen: tray rods lie nowhere; the given rods and the rods
    // dropped into a box, bar or slot say which.
    void everyScreenTellsWhereItsRodsLie()
    {
        for (int n = 1; n <= kExerciseCount; ++n) {
            harness::TestContext t;
            std::unique_ptr<ExerciseScreen> w(createExerciseScreen(n, t.context));
            QVERIFY(w);
            w->load();
            w->show();
            const QString screen = w->objectName();
            std::vector<QWidget*> pieces;
            for (Rod* r : w->findChildren<Rod*>())
                pieces.push_back(r);
            for (RodCopy* c : w->findChildren<RodCopy*>())
                if (c->number() > 0)
                    pieces.push_back(c);
            for (QWidget* piece : pieces) {
                if (!piece->isVisible())
                    continue;
                const QString where = description(piece);
                const auto* rod = qobject_cast<Rod*>(piece);
                if (screen == QLatin1String("Form10")) {
                    // The rod to name is told by its colour and its units, not by its number.
                    QCOMPARE(accessible(piece)->text(QAccessible::Name), spoken::unnamedRod(rod->number()));
                    QCOMPARE(where, spoken::units(rod->number()));
                    continue;
                }
                const bool inTray = rod && rod->isMovable();
                QVERIFY2(inTray ? where.isEmpty() : where.startsWith(QStringLiteral("nel")),
                         qPrintable(screen + " " + piece->objectName() + ": '" + where + "'"));
            }

            // Each place's phrase is its own: "nella casella 2" for "casella 2".
            for (const Place* place : w->findChildren<Place*>())
                QVERIFY2(place->inside().endsWith(place->name()) && place->inside() != place->name(),
                         qPrintable(screen + " " + place->objectName() + ": '" + place->inside() + "'"));
            // The places that take drops: rods are dropped until one lands in one.
            std::vector<Place*> targets;
            for (Place* box : w->findChildren<Place*>())
                if (box->takesDrops() && box->isEnabled() && box->isVisible())
                    targets.push_back(box);
            if (targets.empty())
                continue;
            bool landed = false;
            for (Place* target : targets) {
                for (Rod* r : w->findChildren<Rod*>()) {
                    // Only a rod on top of its pile can be picked up.
                    const QPoint middle = r->mapTo(w.get(), r->rect().center());
                    if (landed || !r->isMovable() || !r->isVisible() || !target->isEnabled() || w->childAt(middle) != r)
                        continue;
                    const std::optional<QPoint> point = openPointOf(w.get(), target, r);
                    if (!point)
                        continue;
                    const QRect before = Board::designRect(r);
                    harness::dragRodTo(r, w.get(), *point);
                    if (Board::designRect(r) == before)
                        continue;
                    landed = true;
                    QCOMPARE(description(r), target->inside());
                }
            }
            QVERIFY2(landed, qPrintable(screen + ": no rod landed in a box"));
        }
    }

    // Each screen tells its problem in one sentence with every number shown,
    // read as screen readers read it: the name of the screen's notice.
    void everyScreenSaysItsProblem_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < sentences().size(); ++i)
            QTest::addRow("Form%d, %s", sentences()[i].screen, sentences()[i].heard) << int(i);
    }
    void everyScreenSaysItsProblem()
    {
        QFETCH(int, row);
        const Sentence& expected = sentences()[std::size_t(row)];
        harness::TestContext t;
        for (const auto& [k, n] : expected.draws)
            t.random.pushInt(k, n);
        std::unique_ptr<ExerciseScreen> w(createExerciseScreen(expected.screen, t.context));
        w->load();
        if (expected.menuItem)
            w->findChild<QAction*>(QString::fromLatin1(expected.menuItem))->trigger();
        QCOMPARE(t.random.pending(), std::size_t(0));
        QCOMPARE(t.random.fallbackDraws(), 0);
        QAccessibleInterface* notice = accessible(w->problemNotice());
        QCOMPARE(notice->role(), QAccessible::Notification);
        QCOMPARE(notice->text(QAccessible::Name), QString::fromUtf8(expected.heard));
        QCOMPARE(w->problemSentence(), QString::fromUtf8(expected.heard));
        QCOMPARE(accessible(w->moveNotice())->role(), QAccessible::Notification);
    }

    // What the board shows as the problem goes on is heard with it again:
    // the rods laid in a row, the way the rods are to be ordered.
    void sentencesFollowTheBoard()
    {
        harness::TestContext t;
        t.random.pushInt(7, 10);
        t.random.pushInts({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 10);
        std::unique_ptr<ExerciseScreen> w(createExerciseScreen(17, t.context));
        w->load();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QWidget* row = w->findChild<QWidget*>(QStringLiteral("Picture2"));
        harness::dragRodOnto(w->findChild<Rod*>(QStringLiteral("brasti2_3")), row);
        QCOMPARE(w->problemSentence(), QStringLiteral("Componi il brasto 7 mettendo dei brasti in fila. Già nella "
                                                      "riga da riempire: brasto 3."));

        harness::TestContext o;
        o.random.pushInts({1, 2, 5, 9}, 10);
        std::unique_ptr<ExerciseScreen> ordering(createExerciseScreen(1, o.context));
        ordering->load();
        ordering->findChild<QAction*>(QStringLiteral("mnuDecresce"))->trigger();
        QCOMPARE(ordering->problemSentence(),
                 QStringLiteral("Ordina dal maggiore al minore brasto 2, brasto 5 e brasto 9 nelle 3 caselle."));
    }

    // Written operations are heard with their signs in words; anything else as written.
    void operationsAreHeardInWords()
    {
        const std::pair<const char*, const char*> cases[] = {
            {" 3 +  4 = ", "3 più 4 uguale"}, {"9-7=2", "9 meno 7 uguale 2"}, {" 14 = 10 +  4", "14 uguale 10 più 4"},
            {" 4 +  10 +  4 +  2 = 20", "4 più 10 più 4 più 2 uguale 20"}, {"7", "7"}, {"3 + 4 - 1 =", "3 + 4 - 1 ="}};
        for (const auto& [written, heard] : cases)
            QCOMPARE(spoken::operationInWords(QString::fromUtf8(written)), QString::fromUtf8(heard));
    }

    void rodsShowTheirNumbersWhenAsked_data()
    {
        QTest::addColumn<bool>("upright");
        QTest::addColumn<double>("zoom");
        QTest::newRow("flat") << false << 1.0;
        QTest::newRow("flat, small window") << false << 0.75;
        QTest::newRow("flat, whiteboard") << false << 2.5;
        QTest::newRow("upright") << true << 1.0;
        QTest::newRow("upright, small window") << true << 0.75;
        QTest::newRow("upright, whiteboard") << true << 2.5;
    }

    void rodsShowTheirNumbersWhenAsked()
    {
        QFETCH(bool, upright);
        QFETCH(double, zoom);
        for (bool numbers : {true, false}) {
            harness::TestContext t;
            t.context.numbersOnRods = numbers;
            ShelfScreen w(t.context, upright ? RodStance::Upright : RodStance::Flat);
            w.load();
            w.resize(w.designedWindowSize() * zoom);
            w.show();
            QTRY_VERIFY(std::abs(w.zoom() - zoom) < 0.01);
            std::vector<QWidget*> pieces;
            for (int k = 1; k <= 10; ++k)
                pieces.push_back(w.rod(k));
            pieces.push_back(w.copy);
            for (QWidget* piece : pieces) {
                const int k = piece == w.copy ? w.copy->number() : static_cast<Rod*>(piece)->number();
                const QImage image = piece->grab().toImage();
                const QRect ink = inkOf(image, toQColor(textColourOn(rodColour(k))), toQColor(rodColour(k)));
                const QString what = QStringLiteral("%1 (%2x%3)").arg(piece->objectName()).arg(image.width()).arg(image.height());
                if (!numbers) {
                    QVERIFY2(ink.isEmpty(), qPrintable(what));
                    continue;
                }
                // Whole within the rod, and as tall as a good part of its thickness.
                const int thickness = std::min(image.width(), image.height());
                QVERIFY2(!ink.isEmpty(), qPrintable(what));
                QVERIFY2(ink.height() >= thickness * 2 / 5, qPrintable(what));
                QVERIFY2(ink.left() > 1 && ink.right() < image.width() - 2, qPrintable(what));
            }
        }
    }

    void verdictsReadWithTheCounts()
    {
        Shelf s;
        ShelfScreen& w = *s.screen;
        QAccessibleInterface* right = accessible(w.rightIcon());
        QAccessibleInterface* wrong = accessible(w.wrongIcon());
        QCOMPARE(right->role(), QAccessible::Notification);
        QCOMPARE(wrong->role(), QAccessible::Notification);
        QCOMPARE(right->text(QAccessible::Name), QStringLiteral("risposta esatta"));
        QCOMPARE(wrong->text(QAccessible::Name), QStringLiteral("risposta sbagliata"));
        QCOMPARE(right->text(QAccessible::Description), QStringLiteral("esatti 0, errati 0"));

        for (int i = 0; i < 3; ++i)
            w.wrongAnswer();
        QCOMPARE(wrong->text(QAccessible::Description), QStringLiteral("esatti 0, errati 3"));
        QVERIFY(wrong->state().invisible == false && right->state().invisible == true);
        w.rightStep();
        QCOMPARE(right->text(QAccessible::Name), QStringLiteral("passo giusto"));
        QCOMPARE(right->text(QAccessible::Description), QString());
        QVERIFY(!right->state().invisible && wrong->state().invisible);
        QCOMPARE(harness::countsOn(s.screen.get()).right, std::int16_t(0));
        w.rightAnswer();
        QCOMPARE(right->text(QAccessible::Name), QStringLiteral("risposta esatta"));
        QCOMPARE(right->text(QAccessible::Description), QStringLiteral("esatti 1, errati 3"));
        w.azzeraConteggio();
        QCOMPARE(right->text(QAccessible::Description), QStringLiteral("esatti 0, errati 0"));
        QCOMPARE(wrong->text(QAccessible::Description), QStringLiteral("esatti 0, errati 0"));
    }

    void eventsReachTheScreenReader()
    {
        if (qEnvironmentVariableIsSet(kInsideAtSpi)) {
            if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
                QSKIP("the accessibility bus did not come up");
            insideAtSpi();
            if (!QTest::currentTestFailed())
                insideAtSpiScreens();
            return;
        }
        const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
        const QString session = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
        if (xvfbRun.isEmpty() || session.isEmpty() || !QFileInfo(kBusLauncher).isExecutable())
            QSKIP("needs xvfb-run, dbus-run-session and at-spi-bus-launcher");
        // Qt then talks to the accessibility bus without a screen reader
        // asking; the bus launcher lives as long as the private session bus.
        const harness::UnderX run = harness::runUnderX(
            kInsideAtSpi,
            {session, QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
             QStringLiteral("\"$0\" & exec \"$1\" eventsReachTheScreenReader"), kBusLauncher,
             QCoreApplication::applicationFilePath()},
            {QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1")});
        QVERIFY2(run.ok, run.output.constData());
        if (run.output.contains("SKIP"))
            QSKIP(run.output.constData());
    }

private:
    void insideAtSpi()
    {
        // Events stop here instead of going out on the bus.
        QAccessible::installUpdateHandler(recordEvent);
        Shelf s;
        ShelfScreen& w = *s.screen;
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        // The problem is heard once, when the window is active.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(said(w.problemNotice()), QStringList{QStringLiteral("scaffale")});
        // F1 and "?" say it again; a key held down says it once.
        QTest::keyClick(w.windowHandle(), Qt::Key_F1);
        QTRY_COMPARE(said(w.problemNotice()).size(), 2);
        QTest::keyClick(w.windowHandle(), Qt::Key_Question, Qt::ShiftModifier);
        QTRY_COMPARE(said(w.problemNotice()).size(), 3);
        QTest::keyPress(w.windowHandle(), Qt::Key_F1);
        for (int i = 0; i < 3; ++i)
            QTest::simulateEvent(w.windowHandle(), true, Qt::Key_F1, Qt::NoModifier, QString(), true);
        QTest::keyRelease(w.windowHandle(), Qt::Key_F1);
        QTest::qWait(50);
        QCOMPARE(said(w.problemNotice()).size(), 4);

        g_events.clear();
        w.judgeDrops = true;
        harness::dragRodOnto(w.rod(2), w.slot);
        QCOMPARE(countEvents(w.rod(2), QAccessible::DescriptionChanged), 1);
        QCOMPARE(countEvents(w.slot, QAccessible::DescriptionChanged), 0);
        // The move is heard at once: where the rod now lies, and then the
        // step it was, told as a step.
        QCOMPARE(said(w.moveNotice()), QStringList{QStringLiteral("brasto 2 nella casella 1")});
        const auto first = [](QObject* object, QAccessible::Event type) {
            return std::find_if(g_events.begin(), g_events.end(),
                                [&](const Event& e) { return e.object == object && e.type == type; });
        };
        QVERIFY(first(w.rightIcon(), QAccessible::Alert) != g_events.end());
        QVERIFY(first(w.moveNotice(), QAccessible::ObjectShow) < first(w.rightIcon(), QAccessible::Alert));
        QCOMPARE(accessible(w.rightIcon())->text(QAccessible::Name), QStringLiteral("passo giusto"));
        QCOMPARE(accessible(w.rightIcon())->text(QAccessible::Description), QString());

        // Each verdict is an alert on its icon, which shows (again) with the new counts.
        g_events.clear();
        w.wrongAnswer();
        QCOMPARE(countEvents(w.wrongIcon(), QAccessible::Alert), 1);
        QCOMPARE(countEvents(w.wrongIcon(), QAccessible::ObjectShow), 1);
        w.wrongAnswer();
        QCOMPARE(countEvents(w.wrongIcon(), QAccessible::Alert), 2);
        QCOMPARE(countEvents(w.wrongIcon(), QAccessible::ObjectShow), 2);
        QVERIFY(countEvents(w.wrongIcon(), QAccessible::DescriptionChanged) >= 2);
        g_events.clear();
        w.rightStep();
        w.rightAnswer();
        QCOMPARE(countEvents(w.rightIcon(), QAccessible::Alert), 2);
        QCOMPARE(countEvents(w.rightIcon(), QAccessible::ObjectShow), 2);
        QCOMPARE(countEvents(w.wrongIcon(), QAccessible::Alert), 0);
        QAccessible::installUpdateHandler(nullptr);
    }

    // On a real screen: a refused drop says nothing, and a screen left with
    // its problem still to be heard says nothing any more.
    void insideAtSpiScreens()
    {
        QAccessible::installUpdateHandler(recordEvent);
        g_events.clear();
        harness::TestContext t;
        Shell shell(t.context);
        shell.setQuitAction([] {});
        t.random.pushInts({1}, 18);
        t.random.pushInts({2, 5, 9}, 10);
        shell.openExercise(1);
        auto* w = qobject_cast<OrderingScreen*>(shell.current());
        QVERIFY(w && QTest::qWaitForWindowActive(w));
        QTRY_COMPARE(said(w->problemNotice()),
                     QStringList{QStringLiteral("Ordina dal minore al maggiore brasto 2, brasto 5 e brasto 9 nelle 3 caselle.")});
        harness::dragRodOnto(w->rod(2), w->slot(1));
        harness::dragRodOnto(w->rod(5), w->slot(1));
        QCOMPARE(said(w->moveNotice()).join(QLatin1Char('|')), QStringLiteral("brasto 2 nella casella 1"));

        // "Ricomincia", and the screen is left before its sentence goes out.
        QObject* notice = w->problemNotice();
        w->ricomincia();
        t.random.pushInt(1, 18);
        shell.showMenu();
        QTest::qWait(200);
        QCOMPARE(said(notice).size(), 1);
        QAccessible::installUpdateHandler(nullptr);
    }
};

BRASTI_TEST_MAIN(TestAccess)
#include "tst_access.moc"
