// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// What every exercise screen holds, in every language the program speaks:
// every control inside the window and clear of the others, every control a
// child works or reads named for the program and for screen readers in the
// language in force, the problem told in one sentence, every answer reached
// by Tab, and the problem texts Tab reaches drawn as plain labels draw them.
#include "app/catalogue.h"
#include "app/language.h"
#include "app/program.h"
#include "common/board.h"
#include "common/controls.h"
#include "common/exercisescreen.h"
#include "common/rod.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>
#include <memory>

using namespace brasti;

namespace {

// Every text the program looks up comes back between these marks, in the
// language in force: a letter outside them was never translated.
const QChar kOpen(0x2045);
const QChar kClose(0x2046);

class MarkingTranslator final : public QTranslator {
public:
    bool load(const QString& language)
    {
        return language == kItalian || language_.load(QStringLiteral("brasti_") + language, kTranslationsFolder);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        QString text = language_.translate(context, source, disambiguation, n);
        if (text.isEmpty())
            text = QString::fromUtf8(source);
        return kOpen + text + kClose;
    }

private:
    QTranslator language_;
};

// The letters of a text outside the marks; empty when all was translated.
QString untranslatedLetters(const QString& text)
{
    QString letters;
    int depth = 0;
    for (QChar c : text) {
        depth += c == kOpen ? 1 : c == kClose ? -1 : 0;
        if (depth == 0 && c.isLetter())
            letters += c;
    }
    return letters;
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

// Controls that the designed forms let touch by a seam no thicker than this.
constexpr int kSeamTwips = 20;
const std::vector<std::pair<QString, QString>> kSeams = {
    {QStringLiteral("frame"), QStringLiteral("Label3")},    // ordering: the instruction under the container
    {QStringLiteral("Label3"), QStringLiteral("Text1")},    // written: the printed operation and its answer
    {QStringLiteral("Picture1"), QStringLiteral("Picture3")}, // composing: the bar of 10 and the units' bar
};

// Where two sibling controls may overlap: the two verdict icons share one
// place, a rod or rod copy lies in a box (its middle on it), rods of one
// number lie in a pile.
bool mayOverlap(const QWidget* a, const QWidget* b)
{
    const QRect ra = Board::designRect(a);
    const QRect rb = Board::designRect(b);
    const QSet<QString> names{a->objectName(), b->objectName()};
    if (names == QSet<QString>{QStringLiteral("ComandoIconaSi"), QStringLiteral("ComandoIconaNo")})
        return true;
    if ((isPiece(a) && isBox(b) && rb.contains(ra.center())) || (isPiece(b) && isBox(a) && ra.contains(rb.center())))
        return true;
    const auto* rodA = qobject_cast<const Rod*>(a);
    const auto* rodB = qobject_cast<const Rod*>(b);
    if (rodA && rodB && rodA->number() == rodB->number() && ra.topLeft() == rb.topLeft())
        return true;
    const QRect common = ra & rb;
    for (const auto& [one, other] : kSeams)
        if (names == QSet<QString>{one, other} && std::min(common.width(), common.height()) <= kSeamTwips)
            return true;
    return false;
}

QWidget* controlOf(QWidget* w)
{
    while (w && !isControl(w))
        w = w->parentWidget();
    return w;
}

QString pathOf(const QWidget* c)
{
    QStringList parts;
    for (; c && isControl(c); c = c->parentWidget())
        parts.prepend(c->objectName().isEmpty() ? QString::fromLatin1(c->metaObject()->className()) : c->objectName());
    return parts.join(u'/');
}

struct Opened {
    harness::TestContext t;
    std::unique_ptr<ExerciseScreen> w; // destroyed before its context
};

// Screen n at its designed size, shown and active, with chance's fallback
// drawing the same problem every time.
std::unique_ptr<Opened> open(int screen, const NumberSpeller& speller)
{
    auto s = std::make_unique<Opened>();
    s->t.context.speller = &speller;
    s->w.reset(createExerciseScreen(screen, s->t.context));
    if (!s->w)
        return nullptr;
    s->w->load();
    s->w->resize(s->w->designedWindowSize());
    s->w->show();
    s->w->activateWindow();
    return QTest::qWaitForWindowActive(s->w.get()) ? std::move(s) : nullptr;
}

QList<QWidget*> shownControls(const ExerciseScreen* w)
{
    QList<QWidget*> controls;
    for (QWidget* c : w->board()->findChildren<QWidget*>())
        if (isControl(c) && c->isVisible())
            controls << c;
    return controls;
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
        QStringList outside, overlapping, unnamed, untranslated, unreached, redrawn;
        {
            // Names and the problem, every text marked as it is looked up; in
            // digits, every word comes from the translation.
            MarkingTranslator marks;
            QVERIFY(marks.load(language));
            QCoreApplication::installTranslator(&marks);
            const std::unique_ptr<Opened> s = open(screen, digitSpeller());
            QVERIFY(s);
            for (QWidget* c : shownControls(s->w.get())) {
                const QString name = QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name);
                if (isInteractive(c) && !untranslatedLetters(name).isEmpty())
                    untranslated << pathOf(c) + QStringLiteral(": ") + name;
            }
            const QString sentence = s->w->problemSentence();
            if (!untranslatedLetters(sentence).isEmpty())
                untranslated << QStringLiteral("the problem: ") + sentence;
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));

        const std::unique_ptr<Opened> s = open(screen, spellerFor(language.toStdString()));
        QVERIFY(s);
        ExerciseScreen* w = s->w.get();
        const QList<QWidget*> controls = shownControls(w);
        QVERIFY(controls.size() > 10);
        for (QWidget* c : controls) {
            const QWidget* container = c->parentWidget();
            const QSize room = isControl(container) ? Board::designRect(container).size() : w->board()->designTwips();
            if (!QRect(QPoint(0, 0), room).contains(Board::designRect(c)))
                outside << pathOf(c);
            for (QWidget* d : controls)
                if (c < d && container == d->parentWidget()
                    && Board::designRect(c).intersects(Board::designRect(d)) && !mayOverlap(c, d))
                    overlapping << pathOf(c) + QStringLiteral(" / ") + pathOf(d);
            if (isInteractive(c)
                && (c->objectName().isEmpty()
                    || QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name).trimmed().isEmpty()))
                unnamed << pathOf(c);
        }
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(u'\n')));
        QVERIFY2(overlapping.isEmpty(), qPrintable(overlapping.join(u'\n')));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));

        // The problem, in one sentence, as screen readers hear it.
        QVERIFY(!w->problemSentence().trimmed().isEmpty());
        auto* notice = w->findChild<QWidget*>(QStringLiteral("avvisoProblema"));
        QVERIFY(notice);
        QCOMPARE(QAccessible::queryAccessibleInterface(notice)->text(QAccessible::Name), w->problemSentence());

        // A round of Tab from the first stop reaches every answer that shows,
        // works and lies on top: buttons, the answer box, rods.
        QWidget* first = w->focusWidget();
        QVERIFY(first);
        QSet<QWidget*> reached{controlOf(first)};
        for (int i = 0; i < 100; ++i) {
            QTest::keyClick(w->windowHandle(), Qt::Key_Tab);
            if (w->focusWidget() == first)
                break;
            reached << controlOf(w->focusWidget());
        }
        QCOMPARE(w->focusWidget(), first);
        for (QWidget* c : controls) {
            const bool answer = qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c)
                                || qobject_cast<Rod*>(c);
            const QPoint middle = c->mapTo(w->board(), c->rect().center());
            if (answer && c->isEnabled() && controlOf(w->board()->childAt(middle)) == c && !reached.contains(c))
                unreached << pathOf(c);
        }
        QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join(u'\n')));

        // A problem text the keyboard has been on is drawn exactly as a plain
        // label draws it in the same font: nothing moves under a child's eyes.
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
                redrawn << pathOf(label);
            ++labelsDrawn_;
        }
        QVERIFY2(redrawn.isEmpty(), qPrintable(redrawn.join(u'\n')));
        ++rows_;
    }
    // Problem texts were there to be drawn, on every screen that has one.
    void cleanupTestCase()
    {
        if (rows_ == availableLanguages().size() * kExerciseCount)
            QVERIFY(labelsDrawn_ >= 5 * rows_ / kExerciseCount);
    }

private:
    int rows_ = 0;
    int labelsDrawn_ = 0;
};

BRASTI_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
