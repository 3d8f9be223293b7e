// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "harness/harness.h"
#include <algorithm>
#include <QLineEdit>
#include "common/place.h"

#include "common/board.h"
#include "common/counters.h"
#include "common/exercisescreen.h"
#include "common/rod.h"

#if QT_CONFIG(process)
#include <QProcess>
#endif
#include <QStandardPaths>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <csignal>
#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

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

void ScriptedDialogs::askYesNo(QWidget*, const QString& title, const QString& text,
                               std::function<void(bool)> answered)
{
    shown.push_back({true, brasti::MessageIcon::Question, title, text});
    bool answer = false;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    // At once, as if the box had closed before the call returned.
    if (answered)
        answered(answer);
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

namespace {

// Presses on the rod and carries it to the window point; the release is the caller's.
void carryRodTo(brasti::Rod* rod, QWidget* window, QPoint windowPoint)
{
    QWindow* handle = window->windowHandle();
    Q_ASSERT(handle);
    const QPoint start = rod->mapTo(window, rod->rect().center());
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, start);
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i)
        QTest::mouseMove(handle, start + (windowPoint - start) * i / kSteps);
}

void release(QWidget* window, QPoint windowPoint)
{
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, windowPoint);
}

} // namespace

void dragRodTo(brasti::Rod* rod, QWidget* window, QPoint windowPoint)
{
    carryRodTo(rod, window, windowPoint);
    release(window, windowPoint);
}

void dragRodOnto(brasti::Rod* rod, QWidget* target)
{
    QWidget* window = target->window();
    dragRodTo(rod, window, target->mapTo(window, target->rect().center()));
}

Counts countsOn(const QWidget* screen)
{
    const auto* exercise = qobject_cast<const brasti::ExerciseScreen*>(screen);
    if (!exercise)
        return {};
    return {exercise->counters().right(), exercise->counters().wrong()};
}

void clickThroughWindow(QWidget* widget, QPoint localPoint)
{
    if (localPoint == QPoint(-1, -1))
        localPoint = widget->rect().center();
    QWidget* window = widget->window();
    const QPoint p = widget->mapTo(window, localPoint);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    release(window, p);
}

void playMoves(const std::vector<brasti::ShownMove>& moves, const LastEvent& last)
{
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const brasti::ShownMove& m = moves[i];
        QWidget* item = m.item;
        if (!item)
            continue;
        const auto finish = [&](const std::function<void()>& send) { last ? last(i, send) : send(); };
        QWidget* window = item->window();
        switch (m.kind) {
        case brasti::Move::Kind::Lay: {
            auto* rod = qobject_cast<brasti::Rod*>(item);
            if (!rod || !m.place)
                break;
            // The middle of where the rod is shown to lie, on its place.
            const auto* board = window->findChild<brasti::Board*>();
            const QRect place = brasti::Board::designRect(m.place);
            const QPoint offset = (m.to.center() - place.topLeft()) * board->scale();
            const QPoint inside(std::clamp(offset.x(), 0, m.place->width() - 1),
                                std::clamp(offset.y(), 0, m.place->height() - 1));
            const QPoint to = m.place->mapTo(window, inside);
            carryRodTo(rod, window, to);
            finish([&] { release(window, to); });
            break;
        }
        case brasti::Move::Kind::Press: {
            const QPoint at = item->mapTo(window, item->rect().center());
            QTest::mousePress(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
            finish([&] { release(window, at); });
            break;
        }
        case brasti::Move::Kind::Back:
            break; // the "Ricomincia" pressed before put it back
        case brasti::Move::Kind::Type:
            if (auto* box = qobject_cast<QLineEdit*>(item)) {
                box->clear();
                QTest::keyClicks(box, m.text);
                QTest::keyPress(box, Qt::Key_Return);
                finish([&] { QTest::keyRelease(box, Qt::Key_Return); });
            }
            break;
        }
    }
}

UnderX runUnderX(const char* inside, const QStringList& command, const QStringList& extraEnvironment, int timeoutMs)
{
#if !QT_CONFIG(process)
    // The browser build starts no other program.
    Q_UNUSED(inside);
    Q_UNUSED(command);
    Q_UNUSED(extraEnvironment);
    Q_UNUSED(timeoutMs);
    return UnderX{false, QByteArrayLiteral("no processes in this build")};
#else
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(inside), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QString& setting : extraEnvironment)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    if (env.contains(QStringLiteral("ASAN_OPTIONS")))
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":strict_string_checks=0"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
#if defined(Q_OS_UNIX)
    // A group of its own: the X server, the buses and whatever the command
    // starts can then be ended together.
    child.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
    child.start(QStandardPaths::findExecutable(QStringLiteral("xvfb-run")),
                QStringList{QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x1024x24")}
                    + command);
    UnderX result;
    const bool finished = child.waitForFinished(timeoutMs);
    result.output = child.readAll();
    if (!finished) {
#if defined(Q_OS_UNIX)
        ::kill(-static_cast<pid_t>(child.processId()), SIGKILL);
#else
        child.kill();
#endif
        child.waitForFinished();
        result.output += "\n(no end within " + QByteArray::number(timeoutMs / 1000) + " s)";
    }
    result.ok = finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return result;
#endif
}

QPoint at(const QWidget* control)
{
    return brasti::Board::designRect(control).topLeft();
}

} // namespace harness
