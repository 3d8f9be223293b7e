// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Moves between the program's windows: start screen, menu, exercise screens.
// The new window is shown before the old one goes, so there is always
// exactly one; each carries over the window state (maximised, full screen,
// or the size the child chose) of the one before.
#include "app/settingsfile.h"
#include "common/appcontext.h"
#include "common/page.h"
#include "common/runsummary.h"
#include "common/screenwindow.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace brasti {

class ScreenWindow;

class Shell final : public QObject, public Navigator {
    Q_OBJECT
public:
    explicit Shell(AppContext& context, QObject* parent = nullptr);
    ~Shell() override;

    void showStart();
    void showMenu() override;
    // Opens exercise screen n (1 to 27) if it is built.
    void openExercise(int screen);
    void quitProgram() override;

    // The teacher's window over the current one, made when first asked for.
    void openTeacherWindow();
    QWidget* teacherWindow() const { return teacher_; }
    // What the program read at start, for the teacher's window, and where
    // that window saves.
    void setTeacherSettings(const SettingsReading& reading, const QString& savePath)
    {
        reading_ = reading;
        savePath_ = savePath;
    }

    // The command line's own choices, which the teacher's settings never undo.
    void setNumbersOnRodsAsked(bool asked) { numbersOnRodsAsked_ = asked; }
    // The teacher's settings in force from now on, joined with the command line's.
    void takeTeacherSettings(const TeacherSettings& settings);

    ScreenWindow* current() const { return current_; }
    // What was played since the program started.
    RunSummary& summary() { return summary_; }
    // What ending the program does; the real one leaves the event loop.
    void setQuitAction(std::function<void()> action) { quit_ = std::move(action); }
    // Whether "Esci" starts the program afresh instead of ending it: where
    // the program cannot end (a page in a browser, page.h).
    void setStartsAfreshOnQuit(bool afresh) { startsAfresh_ = afresh; }
    // The state the first window opens in (full screen for a whiteboard);
    // every later window takes the state of the one before.
    void setStartState(Qt::WindowStates state) { startState_ = state; }

private:
    void switchTo(ScreenWindow* next);

    AppContext& context_;
    QPointer<ScreenWindow> current_;
    std::function<void()> quit_;
    bool startsAfresh_ = !programCanEnd();
    bool numbersOnRodsAsked_ = false;
    Qt::WindowStates startState_ = Qt::WindowNoState;
    RunSummary summary_;
    SettingsReading reading_;
    QString savePath_ = settingsFilePath();
    QPointer<QWidget> teacher_;
};

} // namespace brasti
