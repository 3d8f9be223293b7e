// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "app/shell.h"

#include "app/catalogue.h"
#include "app/menuscreen.h"
#include "app/program.h"
#include "app/startscreen.h"
#include "app/teacherwindow.h"
#include "common/exercisescreen.h"

#include <QCoreApplication>

namespace brasti {

Shell::Shell(AppContext& context, QObject* parent)
    : QObject(parent), context_(context), quit_([] { QCoreApplication::exit(0); })
{
    context_.navigator = this;
    context_.summary = &summary_;
}

Shell::~Shell()
{
    delete teacher_.data();
    delete current_.data();
    if (context_.navigator == this)
        context_.navigator = nullptr;
    if (context_.summary == &summary_)
        context_.summary = nullptr;
}

void Shell::showStart()
{
    auto* start = new StartScreen(context_);
    connect(start, &StartScreen::avvioClicked, this, &Shell::showMenu);
    switchTo(start);
}

void Shell::showMenu()
{
    auto* menu = new MenuScreen(context_);
    connect(menu, &MenuScreen::exerciseChosen, this, &Shell::openExercise);
    connect(menu, &MenuScreen::teacherWindowAsked, this, &Shell::openTeacherWindow);
    switchTo(menu);
}

void Shell::openExercise(int screen)
{
    if (ScreenWindow* exercise = createExerciseScreen(screen, context_)) {
        switchTo(exercise);
        summary_.opened(screen);
    }
}

void Shell::openTeacherWindow()
{
    // A window of its own, not the menu's child: saving makes the menu anew.
    if (!teacher_)
        teacher_ = new TeacherWindow(context_, *this, reading_, savePath_);
    teacher_->show();
    teacher_->raise();
    teacher_->activateWindow();
}

void Shell::takeTeacherSettings(const TeacherSettings& settings)
{
    applyTeacherSettings(context_, settings, numbersOnRodsAsked_);
}

void Shell::quitProgram()
{
    summary_.closed();
    delete teacher_.data();
    if (startsAfresh_) {
        // A fresh start on a new start screen, as if the program had been
        // started again; what the teacher's table holds stays until "Svuota".
        showStart();
        return;
    }
    // At once: the window goes without any further question or handler.
    if (current_) {
        current_->hide();
        current_->deleteLater();
        current_ = nullptr;
    }
    quit_();
}

void Shell::switchTo(ScreenWindow* next)
{
    summary_.closed();
    next->setAttribute(Qt::WA_QuitOnClose, true);
    next->load();
    ScreenWindow* old = current_;
    if (old) {
        const Qt::WindowStates state = old->windowState() & ~Qt::WindowMinimized;
        if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            next->setWindowState(state);
        } else {
            // Keep the child's chosen scale, centred where the old window was.
            const QSize size = next->designedWindowSize() * old->zoom();
            next->resize(size);
            next->move(old->geometry().center() - QPoint(size.width() / 2, size.height() / 2));
        }
    } else if (startState_ != Qt::WindowNoState) {
        next->setWindowState(startState_);
    }
    if (old)
        next->setKeyboardInUse(old->keyboardInUse());
    current_ = next;
    // The new window takes the keyboard at once, its first control focused,
    // so a child playing by keyboard never has to reach for the mouse. But a
    // teacher's window that has the keyboard (its "Salva" makes the menu
    // anew) keeps it and the new window opens behind it; it is raised again
    // where all windows share one surface and the newest would show on top.
    const bool teacherInFront = teacher_ && teacher_->isActiveWindow();
    next->setAttribute(Qt::WA_ShowWithoutActivating, teacherInFront);
    next->show();
    next->setAttribute(Qt::WA_ShowWithoutActivating, false);
    QWidget* front = teacherInFront ? teacher_.data() : next;
    front->raise();
    front->activateWindow();
    next->focusFirstControl();
    if (old) {
        old->hide();
        old->deleteLater();
    }
}

} // namespace brasti
