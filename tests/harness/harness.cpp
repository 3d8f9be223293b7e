#include "harness/harness.h"

#include "common/board.h"
#include "common/rod.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace harness {

double ScriptedRandom::next()
{
    ++draws_;
    if (values_.empty()) {
        ++fallbackDraws_;
        return fallback_.next();
    }
    const double v = values_.front();
    values_.pop_front();
    return v;
}

bool ScriptedDialogs::askYesNo(QWidget*, const QString& title, const QString& text)
{
    shown.push_back({true, brasti::MessageIcon::Question, title, text});
    if (answers.empty())
        return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::inform(QWidget*, brasti::MessageIcon icon, const QString& title, const QString& text)
{
    shown.push_back({false, icon, title, text});
}

TestContext::TestContext()
{
    context.random = &random;
    context.sound = &sound;
    context.dialogs = &dialogs;
}

void dragRodTo(brasti::Rod* rod, QWidget* window, QPoint windowPoint)
{
    QWindow* handle = window->windowHandle();
    Q_ASSERT(handle);
    const QPoint start = rod->mapTo(window, rod->rect().center());
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, start);
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i)
        QTest::mouseMove(handle, start + (windowPoint - start) * i / kSteps);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, windowPoint);
}

void dragRodOnto(brasti::Rod* rod, QWidget* target)
{
    QWidget* window = target->window();
    dragRodTo(rod, window, target->mapTo(window, target->rect().center()));
}

void clickThroughWindow(QWidget* widget, QPoint localPoint)
{
    if (localPoint == QPoint(-1, -1))
        localPoint = widget->rect().center();
    QWidget* window = widget->window();
    const QPoint p = widget->mapTo(window, localPoint);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
}

QPoint at(const QWidget* control)
{
    return brasti::Board::designRect(control).topLeft();
}

} // namespace harness
