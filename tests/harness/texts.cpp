// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "harness/texts.h"

#include "app/catalogue.h"
#include "app/shell.h"
#include "common/appcontext.h"
#include "common/board.h"
#include "common/dialogs.h"
#include "common/exercisescreen.h"
#include "common/random.h"
#include "common/rod.h"
#include "harness/harness.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <set>

namespace harness {
namespace {

constexpr std::uint64_t kSeed = 20240521;
// Drags per screen: enough for right and wrong answers, steps and hints.
constexpr int kDrags = 60;

// One segment of a widget's path: its name, or its class and place among
// unnamed siblings of that class.
QString segment(const QObject* object)
{
    if (!object->objectName().isEmpty())
        return object->objectName();
    const char* className = object->metaObject()->className();
    int index = 0;
    if (const QObject* parent = object->parent()) {
        for (const QObject* sibling : parent->children()) {
            if (sibling == object)
                break;
            if (sibling->objectName().isEmpty() && qstrcmp(sibling->metaObject()->className(), className) == 0)
                ++index;
        }
    }
    return QStringLiteral("%1[%2]").arg(QString::fromLatin1(className)).arg(index);
}

QString pathOf(const QObject* object, const QObject* top)
{
    QStringList parts;
    for (const QObject* o = object; o && o != top; o = o->parent())
        parts.prepend(segment(o));
    return parts.join(QLatin1Char('/'));
}

void collectAction(QAction* action, const QString& key, Texts& into)
{
    addText(into, key + QStringLiteral("#text"), action->text());
    addText(into, key + QStringLiteral("#statusTip"), action->statusTip());
    addText(into, key + QStringLiteral("#whatsThis"), action->whatsThis());
    // A tool tip not set is the text itself.
    if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
        addText(into, key + QStringLiteral("#toolTip"), action->toolTip());
}

void collectWidget(QWidget* widget, const QString& key, Texts& into)
{
    const auto add = [&](const char* what, const QString& value) {
        addText(into, key + QLatin1Char('#') + QLatin1String(what), value);
    };
    if (widget->isWindow())
        add("windowTitle", widget->windowTitle());
    if (auto* label = qobject_cast<QLabel*>(widget))
        add("text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        add("text", button->text());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        add("text", edit->text());
        add("placeholder", edit->placeholderText());
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        add("title", group->title());
    if (auto* menu = qobject_cast<QMenu*>(widget))
        add("title", menu->title());
    if (auto* list = qobject_cast<QListWidget*>(widget))
        for (int i = 0; i < list->count(); ++i)
            add("item", list->item(i)->text());
    add("toolTip", widget->toolTip());
    add("statusTip", widget->statusTip());
    add("whatsThis", widget->whatsThis());
    add("accessibleName", widget->accessibleName());
    add("accessibleDescription", widget->accessibleDescription());
    // As a screen reader gets them, worked out where the program does so.
    if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget)) {
        add("a11y.name", accessible->text(QAccessible::Name));
        add("a11y.description", accessible->text(QAccessible::Description));
        add("a11y.help", accessible->text(QAccessible::Help));
        if (qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < accessible->childCount(); ++i)
                add("a11y.item", accessible->child(i)->text(QAccessible::Name));
    }
    const QList<QAction*> actions = widget->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions.at(i);
        const QString name = action->objectName().isEmpty() ? QStringLiteral("action[%1]").arg(i) : action->objectName();
        collectAction(action, key + QLatin1Char('>') + name, into);
    }
}

// A program as the walk runs it: chance from a fixed seed, sounds recorded,
// questions answered "No".
struct Run {
    Run(int screen, const std::function<void(brasti::AppContext&)>& prepare) : random(kSeed + std::uint64_t(screen))
    {
        context.random = &random;
        context.sound = &sound;
        context.dialogs = &dialogs;
        if (prepare)
            prepare(context);
        shell = std::make_unique<brasti::Shell>(context);
        shell->setQuitAction([] {});
    }
    ~Run() { shell.reset(); QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The current window's texts, and the messages asked since the last look.
    void look(const QString& prefix, Texts& into)
    {
        QWidget* window = shell->current();
        if (window)
            collectTexts(window, prefix, into);
        for (; seenDialogs < dialogs.shown.size(); ++seenDialogs) {
            const ScriptedDialogs::Shown& shown = dialogs.shown[seenDialogs];
            const QString key = prefix + (shown.question ? QStringLiteral("!question") : QStringLiteral("!message"));
            addText(into, key + QStringLiteral("#title"), shown.title);
            addText(into, key + QStringLiteral("#text"), shown.text);
        }
    }

    brasti::ClockRandom random;
    RecordingSoundPlayer sound;
    ScriptedDialogs dialogs;
    brasti::AppContext context;
    std::unique_ptr<brasti::Shell> shell;
    std::size_t seenDialogs = 0;
};

void settle(QWidget* window)
{
    window->resize(static_cast<brasti::ScreenWindow*>(window)->designedWindowSize());
    if (!QTest::qWaitForWindowExposed(window))
        qWarning("window %s was not exposed", qPrintable(window->objectName()));
    QCoreApplication::processEvents();
}

// Reading order: top to bottom, then left to right.
template <typename W>
void sortByPlace(std::vector<W*>& widgets, QWidget* window)
{
    std::stable_sort(widgets.begin(), widgets.end(), [window](W* a, W* b) {
        const QPoint pa = a->mapTo(window, QPoint(0, 0)), pb = b->mapTo(window, QPoint(0, 0));
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
}

std::vector<brasti::Rod*> rodsOf(brasti::ExerciseScreen* screen)
{
    std::vector<brasti::Rod*> rods;
    for (brasti::Rod* rod : screen->findChildren<brasti::Rod*>())
        if (rod->isVisible() && rod->isEnabled())
            rods.push_back(rod);
    std::stable_sort(rods.begin(), rods.end(), [](brasti::Rod* a, brasti::Rod* b) {
        return a->objectName() < b->objectName();
    });
    return rods;
}

std::vector<QWidget*> targetsOf(brasti::ExerciseScreen* screen)
{
    std::vector<QWidget*> targets;
    for (QWidget* w : screen->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && screen->dragger()->hasDropHandler(w))
            targets.push_back(w);
    sortByPlace(targets, screen);
    return targets;
}

std::vector<QAbstractButton*> buttonsOf(brasti::ExerciseScreen* screen)
{
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* b : screen->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && brasti::isControl(b) && b != screen->avantiButton())
            buttons.push_back(b);
    sortByPlace(buttons, screen);
    return buttons;
}

// Plays one exercise screen by a fixed script that reads no text, so every
// language takes the same moves: drags of every rod onto the first targets,
// "avanti" whenever it waits, every button, a typed answer, every menu item.
void playScreen(int screen, const std::function<void(brasti::AppContext&)>& prepare, Texts& into)
{
    Run run(screen, prepare);
    run.shell->openExercise(screen);
    auto* exercise = qobject_cast<brasti::ExerciseScreen*>(run.shell->current());
    if (!exercise)
        return;
    settle(exercise);
    const QString prefix = QStringLiteral("screen %1").arg(screen, 2, 10, QLatin1Char('0'));
    run.look(prefix, into);
    const auto avantiIfWaiting = [&] {
        QAbstractButton* avanti = exercise->avantiButton();
        if (avanti->isVisible() && avanti->isEnabled()) {
            avanti->click();
            run.look(prefix, into);
        }
    };
    for (int i = 0; i < kDrags; ++i) {
        avantiIfWaiting();
        const std::vector<brasti::Rod*> rods = rodsOf(exercise);
        const std::vector<QWidget*> targets = targetsOf(exercise);
        if (rods.empty() || targets.empty())
            break;
        const std::size_t step = std::size_t(i);
        dragRodOnto(rods[step % rods.size()], targets[(step / rods.size()) % std::min<std::size_t>(targets.size(), 4)]);
        QCoreApplication::processEvents();
        run.look(prefix, into);
    }
    for (QAbstractButton* button : buttonsOf(exercise)) {
        avantiIfWaiting();
        if (button->isVisible() && button->isEnabled()) {
            button->click();
            run.look(prefix, into);
        }
    }
    for (QLineEdit* edit : exercise->findChildren<QLineEdit*>()) {
        if (edit->isVisible() && edit->isEnabled()) {
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("3"));
            QTest::keyClick(edit, Qt::Key_Return);
            run.look(prefix, into);
        }
    }
    const QList<QAction*> bar = exercise->menuBar()->actions();
    for (QAction* action : bar) {
        if (run.shell->current() != exercise)
            break;
        if (QMenu* menu = action->menu()) {
            for (QAction* item : menu->actions()) {
                item->trigger();
                run.look(prefix, into);
            }
        } else {
            action->trigger();
            run.look(prefix, into);
        }
    }
}

// Words a translation may keep as they are: the program's name, the
// buttons every language calls so, and "in", spelled alike in Italian and English.
bool keptInEveryLanguage(const QString& word)
{
    static const QStringList kept = {QStringLiteral("Brasti"), QStringLiteral("OK"), QStringLiteral("No"),
                                     QStringLiteral("in")};
    return word.size() < 2 || kept.contains(word);
}

QString escaped(QString s)
{
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    s.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    s.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return s;
}

QString unescaped(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] != QLatin1Char('\\') || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const QChar c = s[++i];
        out += c == QLatin1Char('t') ? QChar(QLatin1Char('\t'))
             : c == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
             : c == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                     : c;
    }
    return out;
}

} // namespace

void addText(Texts& into, const QString& key, const QString& value)
{
    if (value.isEmpty())
        return;
    QStringList& values = into[key];
    if (!values.contains(value))
        values << value;
}

void collectTexts(QWidget* window, const QString& prefix, Texts& into)
{
    collectWidget(window, prefix, into);
    for (QWidget* widget : window->findChildren<QWidget*>())
        collectWidget(widget, prefix + QLatin1Char('/') + pathOf(widget, window), into);
}

Texts walkProgram(const std::function<void(brasti::AppContext&)>& prepare)
{
    Texts texts;
    {
        Run run(0, prepare);
        run.shell->showStart();
        settle(run.shell->current());
        run.look(QStringLiteral("start"), texts);
        run.shell->showMenu();
        settle(run.shell->current());
        run.look(QStringLiteral("menu"), texts);
        // "Esci": the quit question, answered "No".
        if (auto* esci = run.shell->current()->findChild<QAbstractButton*>(QStringLiteral("Command1")))
            esci->click();
        run.look(QStringLiteral("menu"), texts);
    }
    for (int screen = 1; screen <= brasti::kExerciseCount; ++screen)
        playScreen(screen, prepare, texts);
    collectMessageBoxes(texts);
    return texts;
}

void collectMessageBoxes(Texts& into)
{
    brasti::MessageBoxDialogs dialogs;
    // A box is open as soon as the call returns.
    const auto collectOpenBox = [&into](const QString& prefix) {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        collectTexts(box, prefix, into);
        box->reject();
    };
    dialogs.askYesNo(nullptr, QStringLiteral("?"), QStringLiteral("?"), {});
    collectOpenBox(QStringLiteral("messagebox question"));
    dialogs.inform(nullptr, brasti::MessageIcon::Information, QStringLiteral("i"), QStringLiteral("i"));
    collectOpenBox(QStringLiteral("messagebox information"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString formatTexts(const Texts& texts)
{
    QString out;
    for (const auto& [key, values] : texts) {
        QStringList sorted = values;
        sorted.sort();
        for (const QString& value : sorted)
            out += escaped(key) + QLatin1Char('\t') + escaped(value) + QLatin1Char('\n');
    }
    return out;
}

Texts parseTexts(const QString& text)
{
    Texts texts;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab > 0)
            addText(texts, unescaped(line.left(tab)), unescaped(line.mid(tab + 1)));
    }
    return texts;
}

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    QStringList words;
    for (const QString& token : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (token.contains(QLatin1String("://")) || token.contains(QLatin1Char('@')))
            continue;
        for (const QString& word : token.split(nonLetters, Qt::SkipEmptyParts))
            if (!keptInEveryLanguage(word))
                words << word;
    }
    return words;
}

QStringList untranslated(const Texts& translated, const Texts& source, const QStringList& shared)
{
    QStringList problems;
    std::set<QString> keys;
    for (const auto& entry : translated)
        keys.insert(entry.first);
    for (const auto& entry : source)
        keys.insert(entry.first);
    for (const QString& key : keys) {
        const auto t = translated.find(key);
        const auto s = source.find(key);
        if (t == translated.end() || s == source.end()) {
            problems << QStringLiteral("%1: only in the %2 walk").arg(key, t == translated.end() ? "source" : "translated");
            continue;
        }
        if (t->second.size() != s->second.size()) {
            problems << QStringLiteral("%1: %2 values against %3").arg(key).arg(t->second.size()).arg(s->second.size());
            continue;
        }
        for (qsizetype i = 0; i < t->second.size(); ++i) {
            const QStringList sourceWords = wordsOf(s->second.at(i));
            QStringList left;
            for (const QString& word : wordsOf(t->second.at(i)))
                if (sourceWords.contains(word, Qt::CaseInsensitive) && !shared.contains(word, Qt::CaseInsensitive)
                    && !left.contains(word))
                    left << word;
            if (!left.isEmpty())
                problems << QStringLiteral("%1: \"%2\" keeps \"%3\" of \"%4\"")
                                .arg(key, t->second.at(i), left.join(QStringLiteral("\", \"")), s->second.at(i));
        }
    }
    return problems;
}

} // namespace harness
