// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
#include "common/answershow.h"
// Test doubles and drivers for screens: a scripted random source, a sound
// recorder, scripted answers to modal questions, and a rod drag that goes
// through the same event path as a real mouse.
#include "common/appcontext.h"
#include "common/dialogs.h"
#include "common/random.h"
#include "common/sound/sound.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace brasti {
class Rod;
class ScreenWindow;
}

namespace harness {

// Hands out scripted values; once they run out, a fallback generator takes
// over so long runs keep going, and the test can see it happened.
class ScriptedRandom final : public brasti::RandomSource {
public:
    double next() override;

    // The value that makes drawInt(random, n) return k.
    static double valueFor(int k, int n) { return (k - 0.5) / n; }
    // Queue a raw value, or the draw of k out of n.
    void push(double value) { values_.push_back(value); }
    void pushInt(int k, int n) { push(valueFor(k, n)); }
    void pushInts(std::initializer_list<int> ks, int n)
    {
        for (int k : ks)
            pushInt(k, n);
    }
    std::size_t pending() const { return values_.size(); }
    int draws() const { return draws_; }
    int fallbackDraws() const { return fallbackDraws_; }

private:
    std::deque<double> values_;
    brasti::ClockRandom fallback_{12345};
    int draws_ = 0;
    int fallbackDraws_ = 0;
};

class RecordingSoundPlayer final : public brasti::SoundPlayer {
public:
    void play(brasti::Sound sound) override { played.push_back(sound); }
    std::chrono::milliseconds length(brasti::Sound) const override { return soundLength; }
    std::vector<brasti::Sound> played;
    std::chrono::milliseconds soundLength{};
};

class ScriptedDialogs final : public brasti::Dialogs {
public:
    struct Shown {
        bool question;
        brasti::MessageIcon icon;
        QString title;
        QString text;
    };
    void askYesNo(QWidget* parent, const QString& title, const QString& text,
                  std::function<void(bool)> answered) override;
    void inform(QWidget* parent, brasti::MessageIcon icon, const QString& title, const QString& text) override;

    // Answers for the next questions; with none left a question is answered "No".
    std::deque<bool> answers;
    std::vector<Shown> shown;
};

// A whole program context with scripted parts.
struct TestContext {
    TestContext();
    ScriptedRandom random;
    RecordingSoundPlayer sound;
    ScriptedDialogs dialogs;
    brasti::AppContext context;
};

// The counts of right and wrong answers an exercise screen shows; none on
// any other screen.
struct Counts {
    std::int16_t right = 0;
    std::int16_t wrong = 0;
};
Counts countsOn(const QWidget* screen);

// Drags a rod with synthesised window-level mouse events (press, a few
// moves, release), so the hit test runs as for a real mouse.
void dragRodTo(brasti::Rod* rod, QWidget* window, QPoint windowPoint);
// Drags it onto the centre of a control.
void dragRodOnto(brasti::Rod* rod, QWidget* target);
// A left click through the window, as a real mouse gives it.
void clickThroughWindow(QWidget* widget, QPoint localPoint = QPoint(-1, -1));
// Makes a shown answer's moves as a child makes them, by mouse and keys:
// each rod dragged to where it is shown to lie, each control clicked, each
// text typed and sent with Enter. `last`, when given, is handed the last
// event of each move (by its index), the one the screen answers: the
// release of the drag or click, or Enter's; it sends it by calling `send`,
// which lets a benchmark time it.
using LastEvent = std::function<void(std::size_t move, const std::function<void()>& send)>;
void playMoves(const std::vector<brasti::ShownMove>& moves, const LastEvent& last = {});

// Runs a command under a private X server (xvfb-run, a 1280 x 1024 screen)
// and waits for it, a minute unless told otherwise; one that takes longer
// is ended with everything it started. Set in its environment: `inside`, so a
// test that runs itself again knows where it is, the xcb platform and
// `extraEnvironment` ("NAME=value"). Under AddressSanitizer the strict string
// checks are off there: the system's X keymap library copies strings with
// strndup from buffers without an end, which they report, though nothing is
// read past what is copied.
struct UnderX {
    bool ok = false; // ended normally, with status 0
    QByteArray output; // standard output and error together
};
UnderX runUnderX(const char* inside, const QStringList& command, const QStringList& extraEnvironment = {},
                 int timeoutMs = 60000);

// Where a control lies on the board, in twips.
QPoint at(const QWidget* control);

// Opens a screen with the file's openScreen(...), waits until it shows and
// checks it took every scripted draw: a draw left over means the screen drew
// less than the test thinks.
#define OPEN(var, ...)                                                                                            \
    auto var = openScreen(__VA_ARGS__);                                                                           \
    QVERIFY(QTest::qWaitForWindowExposed(var->screen.get()));                                                     \
    QCOMPARE(var->t.random.pending(), std::size_t(0))

} // namespace harness
