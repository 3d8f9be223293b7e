// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// What every exercise screen holds, in every language the program speaks:
// every control inside the window and clear of the others, every control a
// child works or reads named for the program and for screen readers in the
// language in force, the problem told in one sentence, every answer reached
// by Tab, and the problem texts Tab reaches drawn as plain labels draw them.
// Every control of every window where the reference layout puts it, and
// every solved problem still inside and clear, each rod laid wholly in its box.
#include "app/catalogue.h"
#include "app/language.h"
#include "app/program.h"
#include "app/shell.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/exercisescreen.h"
#include "common/rod.h"
#include "common/speaker.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTranslator>
#include <memory>

using namespace brasti;

namespace {

// Every text the program looks up comes back between these marks, in the
// language in force: a letter outside them was never translated.
const QChar kOpen(0x2045), kClose(0x2046);

class MarkingTranslator final : public QTranslator {
public:
    bool load(const QString& language)
    {
        return language == kItalian || language_.load(QStringLiteral("brasti_") + language, kTranslationsFolder);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        const QString text = language_.translate(context, source, disambiguation, n);
        return kOpen + (text.isEmpty() ? QString::fromUtf8(source) : text) + kClose;
    }

private:
    QTranslator language_;
};

// The letters of a text outside the marks (none when all of it was
// translated), and the text without the marks.
std::pair<QString, QString> lettersOutsideAndText(const QString& text)
{
    QString outside;
    int depth = 0;
    for (QChar c : text) {
        depth += c == kOpen ? 1 : c == kClose ? -1 : 0;
        if (depth == 0 && c.isLetter())
            outside += c;
    }
    return {outside, QString(text).remove(kOpen).remove(kClose).trimmed()};
}

bool isPiece(const QWidget* c)
{
    return qobject_cast<const Rod*>(c) || qobject_cast<const RodCopy*>(c);
}

// A box, bar, slot or strip: a plain picture box, neither a label nor a list.
bool isBox(const QWidget* c)
{
    return qobject_cast<const QFrame*>(c) && !qobject_cast<const QLabel*>(c)
           && !qobject_cast<const QAbstractScrollArea*>(c);
}

// What a child works or reads: what Tab reaches, what is pressed, typed in,
// scrolled or carried, and every box a rod is laid in.
bool isInteractive(const QWidget* c)
{
    return (c->focusPolicy() & Qt::TabFocus) || qobject_cast<const QAbstractButton*>(c)
           || qobject_cast<const QLineEdit*>(c) || qobject_cast<const QAbstractItemView*>(c) || isPiece(c)
           || isBox(c);
}

// Where sibling controls may overlap: the verdict icons share a place, a rod
// or rod copy lies in a box (its middle on it), rods of one number lie in a
// pile, and the designed forms join a few controls by a seam of a pixel.
bool mayOverlap(const QWidget* a, const QWidget* b)
{
    const QRect ra = Board::designRect(a), rb = Board::designRect(b);
    const QSet<QString> names{a->objectName(), b->objectName()};
    const auto* rodA = qobject_cast<const Rod*>(a);
    const auto* rodB = qobject_cast<const Rod*>(b);
    const bool seam = std::min((ra & rb).width(), (ra & rb).height()) <= 20
                      && (names == QSet<QString>{"frame", "Label3"} // ordering: the instruction under the container
                          || names == QSet<QString>{"Label3", "Text1"} // written: the operation and its answer
                          || names == QSet<QString>{"Picture1", "Picture3"}); // composing: the bar of 10, the units
    return seam || names == QSet<QString>{"ComandoIconaSi", "ComandoIconaNo"}
           || (isPiece(a) && isBox(b) && rb.contains(ra.center())) || (isPiece(b) && isBox(a) && ra.contains(rb.center()))
           || (rodA && rodB && rodA->number() == rodB->number() && ra.topLeft() == rb.topLeft());
}

QString nameOf(const QWidget* c)
{
    return c->objectName().isEmpty() ? QString::fromLatin1(c->metaObject()->className()) : c->objectName();
}

struct Opened {
    // A voice that speaks, so that "ascolta" finds its room too.
    Speaker speaker{[] { return nullptr; }, [] { return false; }};
    harness::TestContext t;
    std::unique_ptr<ExerciseScreen> w; // destroyed before its context
    QList<QWidget*> controls;          // those shown
};

// The controls shown now that lie outside their container, overlap a sibling,
// or lie in a box but stick out of it along its length (a 10 longer than its bar).
QStringList misplaced(const ExerciseScreen* w)
{
    QList<QWidget*> shown;
    for (QWidget* c : w->board()->findChildren<QWidget*>())
        if (isControl(c) && c->isVisible())
            shown << c;
    QStringList found;
    for (QWidget* c : shown) {
        const QWidget* container = c->parentWidget();
        const QSize room = isControl(container) ? Board::designRect(container).size() : w->board()->designTwips();
        const QRect rc = Board::designRect(c);
        if (!QRect(QPoint(0, 0), room).contains(rc))
            found << nameOf(c) + QStringLiteral(" outside");
        for (QWidget* d : shown) {
            const QRect rd = Board::designRect(d);
            if (container != d->parentWidget())
                continue;
            if (c < d && rc.intersects(rd) && !mayOverlap(c, d))
                found << nameOf(c) + QStringLiteral(" / ") + nameOf(d);
            const bool along = rd.width() >= rd.height() ? rc.left() >= rd.left() && rc.right() <= rd.right()
                                                         : rc.top() >= rd.top() && rc.bottom() <= rd.bottom();
            if (isPiece(c) && isBox(d) && rd.contains(rc.center()) && !along)
                found << nameOf(c) + QStringLiteral(" sticks out of ") + nameOf(d);
        }
    }
    return found;
}

// The reference of every control's place in every window, beside this
// test's source: a layout change shows as a diff of it.
const char* const kLayout = "app/layout.txt";
const char* const kWriteLayout =
    "BRASTI_WRITE_LAYOUT=$PWD/tests/app/layout.txt build/tests/tst_screens layoutIsTheReference";

// One line a control of the window: its path, class, place and whether it
// shows, at the designed size and with the board half as large again. The
// place is on the board, the client area: the menu bar above it is as tall
// as the platform's font makes it.
QStringList layoutOf(ScreenWindow* w)
{
    QStringList lines;
    for (const auto& [size, target] : {std::pair{"designed", w->board()->designPixels()},
                                       std::pair{"larger", w->board()->designPixels() * 3 / 2}}) {
        w->resize(w->designedWindowSize());
        // The menu bar grows with the board: resized until the board has its size.
        for (int i = 0; i < 10 && !(QTest::qWaitForWindowExposed(w) && w->board()->size() == target); ++i) {
            w->resize(w->size() + target - w->board()->size());
            QCoreApplication::processEvents();
        }
        QStringList window;
        for (QWidget* c : w->board()->findChildren<QWidget*>()) {
            QStringList path;
            for (QWidget* p = c; p != w->board(); p = p->parentWidget())
                path.prepend(nameOf(p));
            const QRect r(c->mapTo(w->board(), QPoint(0, 0)), c->size());
            if (isControl(c))
                window << QStringLiteral("%1 %2\t%3\t%4\t%5,%6 %7x%8\t%9")
                              .arg(w->objectName(), QLatin1String(size), path.join(u'/'),
                                   QLatin1String(c->metaObject()->className()))
                              .arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                              .arg(c->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"));
        }
        window.sort(); // the order they were made in is no part of the layout
        lines << QStringLiteral("%1 %2\tboard\t%3x%4").arg(w->objectName(), QLatin1String(size))
                     .arg(w->board()->width()).arg(w->board()->height()) << window;
    }
    return lines;
}

// Screen n at its designed size, shown and active; chance's fallback draws
// the same problem every time.
std::unique_ptr<Opened> open(int screen, const NumberSpeller& speller)
{
    auto s = std::make_unique<Opened>();
    s->t.context.speller = &speller;
    s->speaker.setOn(true);
    s->t.context.speaker = &s->speaker;
    s->w.reset(createExerciseScreen(screen, s->t.context));
    if (!s->w)
        return nullptr;
    s->w->load();
    // Shown after a wrong try: it must find its room on every screen too.
    s->w->mostramiButton()->show();
    s->w->resize(s->w->designedWindowSize());
    s->w->show();
    s->w->activateWindow();
    for (QWidget* c : s->w->board()->findChildren<QWidget*>())
        if (isControl(c) && c->isVisible())
            s->controls << c;
    return QTest::qWaitForWindowActive(s->w.get()) ? std::move(s) : nullptr;
}

// Where a picture differs from its corner's colour: the text drawn on it.
std::vector<QPoint> ink(const QImage& picture)
{
    std::vector<QPoint> points;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != picture.pixel(0, 0))
                points.emplace_back(x, y);
    return points;
}

// The least ratio of the open box's text and button sizes to `designed`, which takes them when
// empty; none when a button is cut off.
double boxGrowth(QList<double>& designed)
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QList<double> now{double(QFontInfo(box->font()).pixelSize())};
    double least = 9;
    for (QAbstractButton* b : box->buttons()) {
        now << QFontInfo(b->font()).pixelSize() << b->width() << b->height();
        least = box->rect().contains(QRect(b->mapTo(box, QPoint(0, 0)), b->size())) ? least : 0; // wholly shown
    }
    designed = designed.isEmpty() ? now : designed;
    for (qsizetype i = 0; i < now.size(); ++i)
        least = std::min(least, now[i] / designed.value(i));
    return least;
}

#define VERIFY_NONE(list) QVERIFY2((list).isEmpty(), qPrintable((list).join(u'\n')))

} // namespace

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(kItalian); }
    void cleanup() { installLanguage(kItalian); }

    void everyScreenInEveryLanguage_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("language");
        for (const QString& language : availableLanguages())
            for (int n = 1; n <= kExerciseCount; ++n)
                QTest::addRow("Form%d %s", n, qPrintable(language)) << n << language;
    }
    void everyScreenInEveryLanguage()
    {
        QFETCH(int, screen);
        QFETCH(QString, language);
        QCOMPARE(installLanguage(language), language);
        QStringList unnamed, untranslated, unreached, redrawn;
        {
            // Every text marked as it is looked up; numbers in digits, so that
            // every word comes from the translation.
            MarkingTranslator marks;
            QVERIFY(marks.load(language));
            QCoreApplication::installTranslator(&marks);
            const std::unique_ptr<Opened> s = open(screen, digitSpeller());
            QVERIFY(s);
            for (QWidget* c : s->controls) {
                const auto [letters, name] =
                    lettersOutsideAndText(QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name));
                if (isInteractive(c) && (c->objectName().isEmpty() || name.isEmpty()))
                    unnamed << nameOf(c);
                if (isInteractive(c) && !letters.isEmpty())
                    untranslated << nameOf(c) + QStringLiteral(": ") + name;
            }
            // The problem, in one sentence, as screen readers hear it.
            const auto [letters, sentence] = lettersOutsideAndText(s->w->problemSentence());
            if (!letters.isEmpty() || sentence.isEmpty())
                untranslated << QStringLiteral("the problem: ") + sentence;
        }
        VERIFY_NONE(unnamed);
        VERIFY_NONE(untranslated);

        const std::unique_ptr<Opened> s = open(screen, spellerFor(language.toStdString()));
        QVERIFY(s);
        ExerciseScreen* w = s->w.get();
        QVERIFY(s->controls.size() > 10);
        auto* notice = w->findChild<QWidget*>(QStringLiteral("avvisoProblema"));
        QVERIFY(notice);
        QCOMPARE(QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Name), w->problemSentence());
        VERIFY_NONE(misplaced(w));

        // A round of Tab from the first stop reaches every answer that shows,
        // works and lies on top: buttons, the answer box, rods.
        QWidget* first = w->focusWidget();
        QVERIFY(first);
        QSet<QWidget*> reached{first};
        for (int i = 0; i < 100 && (i == 0 || w->focusWidget() != first); ++i) {
            QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
            reached << w->focusWidget();
        }
        QCOMPARE(w->focusWidget(), first);
        for (QWidget* c : s->controls) {
            const bool answer = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) || qobject_cast<Rod*>(c);
            const QPoint middle = c->mapTo(w->board(), c->rect().center());
            if (answer && c->isEnabled() && w->board()->childAt(middle) == c && !reached.contains(c))
                unreached << nameOf(c);
        }
        VERIFY_NONE(unreached);

        // A problem text the keyboard has been on is drawn exactly as a plain
        // label draws it in the same font: nothing moves under a child's eyes.
        int drawn = 0;
        for (auto* label : w->findChildren<FitLabel*>()) {
            if (!label->isVisible() || !(label->focusPolicy() & Qt::TabFocus) || label->text().isEmpty())
                continue;
            label->setFocus(Qt::TabFocusReason);
            QVERIFY(label->hasFocus());
            label->clearFocus();
            QLabel plain(label->text());
            plain.setFont(label->paintedFont());
            plain.setAlignment(label->alignment());
            plain.setWordWrap(label->wordWrap());
            plain.setPalette(label->palette());
            plain.resize(label->size());
            if (ink(label->grab().toImage()) != ink(plain.grab().toImage()))
                redrawn << nameOf(label);
            ++drawn;
        }
        VERIFY_NONE(redrawn);
        // The ordering screens always show their instruction: the check drew something.
        QVERIFY(screen != 1 || drawn > 0);

        for (const char* icon : {"ComandoIconaSi", "ComandoIconaNo"}) // no verdict before the first answer, seen or heard
            QVERIFY(QAccessible::queryAccessibleInterface(w->findChild<QWidget*>(icon))->state().invisible);
        // A question grows with the board, open or opened; opening mid-drag, it puts the rod down.
        MessageBoxDialogs boxes;
        s->t.context.dialogs = &boxes;
        const QPoint grip = w->rod(10)->mapTo(w, w->rod(10)->rect().center());
        QTest::mousePress(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(w->windowHandle(), grip + QPoint(9, 9));
        w->esci();
        QVERIFY(!w->dragger()->draggedRod());
        QList<double> designed;
        QCOMPARE(boxGrowth(designed), 1.0);
        QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, Qt::NoModifier, grip);
        w->resize(w->designedWindowSize() * 1.6);
        QTRY_VERIFY(boxGrowth(designed) > 1.55);
        QApplication::activeModalWidget()->close();
        w->esci();
        QVERIFY(boxGrowth(designed) > 1.55);
        QApplication::activeModalWidget()->close();
        w->activateWindow(); // as a window manager does: the keyboard is back on a control that shows
        QVERIFY(QTest::qWaitForWindowActive(w) && w->focusWidget()->isVisible());
    }

    // Problem after problem, solved as "mostrami" shows it: what the child
    // sees stays inside and clear, whichever rods the problems take. Every
    // other problem draws each time the last choice: the largest numbers.
    void everySolvedProblemInPlace_data()
    {
        QTest::addColumn<int>("screen");
        for (int n = 1; n <= kExerciseCount; ++n)
            QTest::addRow("Form%d", n) << n;
    }
    void everySolvedProblemInPlace()
    {
        QFETCH(int, screen);
        const std::unique_ptr<Opened> s = open(screen, digitSpeller());
        QVERIFY(s);
        for (int round = 1; round <= 8; ++round) {
            harness::playMoves(s->w->shownMoves());
            QCOMPARE(harness::countsOn(s->w.get()).right, std::int16_t(round)); // the moves made the problem's answer
            VERIFY_NONE(misplaced(s->w.get()));
            for (int draw = 0; draw < 40 * (round % 2); ++draw)
                s->t.random.push(0.9999);
            harness::clickThroughWindow(s->w->avantiButton());
            VERIFY_NONE(misplaced(s->w.get()));
        }
    }

    // Each window by its own fixed chance, so that one screen's draws leave
    // the others' problems alone.
    void layoutIsTheReference()
    {
        QStringList now;
        for (int n = 0; n <= kExerciseCount; ++n) {
            harness::TestContext t;
            Shell shell(t.context);
            shell.setQuitAction([] {});
            n == 0 ? shell.showStart() : shell.openExercise(n);
            now << layoutOf(shell.current());
            if (n == 0) {
                shell.showMenu();
                now << layoutOf(shell.current());
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (const QByteArray out = qgetenv("BRASTI_WRITE_LAYOUT"); !out.isEmpty()) {
            QFile file(QString::fromLocal8Bit(out));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write((now.join(u'\n') + u'\n').toUtf8());
            QSKIP("reference written");
        }
        QFile file(QFINDTESTDATA(kLayout));
        const QStringList had = file.open(QIODevice::ReadOnly)
                                    ? QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)
                                    : QStringList();
        const QSet<QString> before(had.begin(), had.end()), after(now.begin(), now.end());
        QStringList changed;
        for (const QString& line : had)
            changed << (after.contains(line) ? QString() : QStringLiteral("- ") + line);
        for (const QString& line : now)
            changed << (before.contains(line) ? QString() : QStringLiteral("+ ") + line);
        changed.removeAll(QString());
        QVERIFY2(had == now, qPrintable(QStringLiteral("tests/%1 is missing or holds another layout. After a "
                                                       "deliberate change write it again with\n    %2\nand review "
                                                       "its diff.\n")
                                            .arg(QLatin1String(kLayout), QLatin1String(kWriteLayout))
                                        + changed.mid(0, 12).join(u'\n')));
    }
};

BRASTI_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
