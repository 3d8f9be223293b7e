// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What a screen reader says when the keyboard reaches a control: its name
// and its role in the program's language ("Conferma, pulsante"), its state
// where it has one, and its place among the controls of its set ("ordina 3
// brasti, pulsante, 1 di 27"); a message box, as it opens, says its text and
// its buttons. On the desktop the screen reader works this out itself from
// the accessibility bridge; the page has no bridge, so there these lines go
// into its live region (page.h).
#include <QString>

class QWidget;

namespace brasti {

// The control belongs to a set of controls said with their places: its
// place is counted among the set's controls that Tab reaches now, in the
// order Tab reaches them.
void joinSpokenSet(QWidget* control, int set);

// The line for the control that has the keyboard; empty for a control
// without a name.
QString focusSentence(const QWidget* control);

// The line for a window as it takes the keyboard: a message box's text and
// its buttons; empty for any other window.
QString windowSentence(const QWidget* window);

// Where the page speaks: from now on every window that takes the keyboard
// says its line and its focused control's, and every control the keyboard
// moves to says its line. A control a pointer or a finger chose says
// nothing, as the child chose it. Does nothing elsewhere; once is enough.
void speakFocusInPage();

} // namespace brasti
